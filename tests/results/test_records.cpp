// The records store: every field comes back as written; a file is read as far as it is sound
// (torn, damaged, later-version and huge files, each reported by name); deletion rewrites only
// what it must and keeps what it cannot read.
#include "results/Records.h"
#include "results/RecordsFolder.h"
#include "support/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace bs;

namespace {

using Kind = RecordsProblem::Kind;

ResultRecord record(const QString& pupil, int score = 7, QDate day = QDate(2026, 3, 1))
{
    ResultRecord r;
    r.when = QDateTime(day, QTime(10, 15, 30), Qt::OffsetFromUTC, 3600);
    r.computer = QStringLiteral("room2-pc4");
    r.pupil = pupil;
    r.pupilClass = QStringLiteral("Class 5");
    r.place = QStringLiteral("Llandudno");
    r.topic = QStringLiteral("Physical Geography");
    r.activity = QStringLiteral("quiz");
    r.score = score;
    r.outof = 10;
    r.wrong = {{3, QStringLiteral("Which sea lies north of the town?")}};
    return r;
}

QStringList pupilsIn(const QByteArray& bytes, LinesRead* lines = nullptr)
{
    QStringList pupils;
    const LinesRead read =
        readRecordLines(bytes, [&](ResultRecord&& r, QByteArrayView) { pupils.append(r.pupil); });
    if (lines)
        *lines = read;
    return pupils;
}

QByteArray line(const QString& pupil)
{
    return recordLine(record(pupil));
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void everyFieldReadsBack_data()
    {
        QTest::addColumn<ResultRecord>("written");
        ResultRecord plain = record(QStringLiteral("Ann"));
        QTest::newRow("quiz") << plain;
        ResultRecord awkward = plain;
        awkward.pupil = QStringLiteral("Siân\tGwŷn\\n\r\nBSR1\t");
        awkward.pupilClass.clear();
        awkward.source = ResultRecord::Source::Worksheet;
        awkward.place.clear();
        awkward.title = QStringLiteral("Rivers, Seas & Coasts \\");
        awkward.wrong = {{1, QStringLiteral("Tab\there")}, {10, QString()}};
        QTest::newRow("awkward texts") << awkward;
        ResultRecord activity = plain;
        activity.source = ResultRecord::Source::OwnTopic;
        activity.activity = QStringLiteral("labelling");
        activity.wrong.clear();
        activity.when = QDateTime(QDate(2027, 7, 20), QTime(23, 59, 59), Qt::UTC);
        QTest::newRow("activity") << activity;
    }
    void everyFieldReadsBack()
    {
        QFETCH(ResultRecord, written);
        const QByteArray bytes = recordLine(written);
        QCOMPARE(bytes.count('\n'), 1);
        QList<ResultRecord> read;
        const LinesRead lines =
            readRecordLines(bytes + bytes, [&](ResultRecord&& r, QByteArrayView line) {
                QCOMPARE(line, QByteArrayView(bytes));
                read.append(r);
            });
        QCOMPARE(read, QList<ResultRecord>({written, written}));
        QCOMPARE(lines.damaged + lines.later, 0);
    }

    // A power cut leaves part of a line; the next record is appended straight after it.
    void filesAreReadAsFarAsTheyAreSound_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("pupils");
        QTest::addColumn<int>("damaged");
        QTest::addColumn<int>("later");
        const QByteArray ann = line(QStringLiteral("Ann")), bob = line(QStringLiteral("Bob"));
        QByteArray laterVersion = bob;
        laterVersion.replace("BSR1", "BSR2");
        QByteArray changed = bob;
        changed.replace("Bob", "Rob");
        const QStringList both{QStringLiteral("Ann"), QStringLiteral("Bob")};
        QTest::newRow("whole") << ann + bob << both << 0 << 0;
        QTest::newRow("empty") << QByteArray() << QStringList() << 0 << 0;
        QTest::newRow("torn last line") << ann + bob.left(30) << QStringList{"Ann"} << 0 << 0;
        QTest::newRow("torn line continued") << ann.left(40) + bob << QStringList{"Bob"} << 1 << 0;
        QTest::newRow("torn at its checksum") << ann.chopped(3) + bob << QStringList{"Bob"} << 1 << 0;
        QTest::newRow("changed field") << ann + changed << QStringList{"Ann"} << 1 << 0;
        QTest::newRow("later version") << ann + laterVersion << QStringList{"Ann"} << 0 << 1;
        QTest::newRow("zeros after a crash") << ann + QByteArray(4096, '\0') + '\n' + bob << both << 1 << 0;
        QTest::newRow("windows line ends") << QByteArray(ann).replace('\n', "\r\n") << QStringList() << 1 << 0;
        QTest::newRow("blank lines") << "\n\n" + ann + "\n" << QStringList{"Ann"} << 0 << 0;
        QTest::newRow("noise") << QByteArray("BSR\tx\nBSR1\t\t\t\nBSR99999999\t\n") << QStringList() << 3 << 0;
    }
    void filesAreReadAsFarAsTheyAreSound()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, pupils);
        QFETCH(int, damaged);
        QFETCH(int, later);
        LinesRead lines;
        QCOMPARE(pupilsIn(bytes, &lines), pupils);
        QCOMPARE(lines.damaged, damaged);
        QCOMPARE(lines.later, later);
    }

    void theFolderIsReadTogetherAndProblemsNamed()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("results"));
        QCOMPARE(readRecordsFolder(folder).records.size(), 0);
        ResultRecord ann = record(QStringLiteral("Ann"));
        ResultRecord bob = record(QStringLiteral("Bob"), 9, QDate(2026, 3, 2));
        bob.computer = QStringLiteral("Ystafell 3 / PC ŵ");
        appendRecord(folder, ann);
        appendRecord(folder, ann);
        appendRecord(folder, bob);
        const QString bobFile = recordsFileName(bob.when.date(), bob.computer);
        QVERIFY(bobFile.startsWith(QStringLiteral("2026-03-02_ystafell_3___pc___")));
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 QStringList({QStringLiteral("2026-03-01_room2-pc4.records"), bobFile}));

        // A damaged file, a later version's and a huge one beside them; other files are no records.
        QByteArray laterVersion = line(QStringLiteral("Cai"));
        laterVersion.replace("BSR1", "BSR3");
        QVERIFY(test::writeBytes(folder + QStringLiteral("/2026-03-03_a.records"), "junk\n" + line(QStringLiteral("Dai"))));
        QVERIFY(test::writeBytes(folder + QStringLiteral("/2026-03-04_b.records"), laterVersion));
        QVERIFY(test::writeBytes(folder + QStringLiteral("/notes.txt"), line(QStringLiteral("Eve"))));
        const QString huge = folder + QStringLiteral("/2026-03-05_c.records");
        QVERIFY(test::writeBytes(huge, line(QStringLiteral("Fay"))));
        QVERIFY(QFile::resize(huge, RecordsFileLimit + 10));

        const RecordsRead read = readRecordsFolder(folder);
        QStringList pupils;
        for (const ResultRecord& r : read.records)
            pupils.append(r.pupil);
        QCOMPARE(pupils, QStringList({"Ann", "Ann", "Bob", "Dai", "Fay"}));
        QCOMPARE(read.records[2], bob);
        QCOMPARE(read.problems, QList<RecordsProblem>({{"2026-03-03_a.records", Kind::Damaged, 1},
                                                       {"2026-03-04_b.records", Kind::LaterVersion, 1},
                                                       {"2026-03-05_c.records", Kind::TooLarge, 0}}));
    }

    void deletingRewritesOnlyWhatItMust_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("one pupil") << "Bob" << QStringList{"Ann", "Cai"}
                                   << QStringList{"2026-03-01_room2-pc4.records", "2026-07-01_room2-pc4.records"};
        QTest::newRow("older than a date") << "before 2026-07-01" << QStringList{"Cai"}
                                           << QStringList{"2026-03-01_room2-pc4.records", "2026-07-01_room2-pc4.records"};
        QTest::newRow("nobody") << "Zoe" << QStringList{"Ann", "Bob", "Cai"}
                                << QStringList{"2026-03-01_room2-pc4.records", "2026-07-01_room2-pc4.records"};
    }
    void deletingRewritesOnlyWhatItMust()
    {
        QFETCH(QString, which);
        QTemporaryDir dir;
        appendRecord(dir.path(), record(QStringLiteral("Ann")));
        appendRecord(dir.path(), record(QStringLiteral("Bob")));
        appendRecord(dir.path(), record(QStringLiteral("Cai"), 5, QDate(2026, 7, 1)));
        // A later version's line stays where it was; an untouched file is not written at all.
        const QString march = dir.filePath(QStringLiteral("2026-03-01_room2-pc4.records"));
        QByteArray laterVersion = line(QStringLiteral("Bob"));
        laterVersion.replace("BSR1", "BSR2");
        QFile file(march);
        QVERIFY(file.open(QIODevice::Append));
        file.write(laterVersion);
        file.close();
        const QByteArray july = test::readBytes(dir.filePath(QStringLiteral("2026-07-01_room2-pc4.records")));

        const QDate cutoff(2026, 7, 1);
        const int removed = deleteRecords(dir.path(), [&](const ResultRecord& r) {
            return which.startsWith(QStringLiteral("before")) ? r.when.date() < cutoff : r.pupil == which;
        });
        QFETCH(QStringList, left);
        QFETCH(QStringList, files);
        QStringList remaining;
        for (const ResultRecord& r : readRecordsFolder(dir.path()).records)
            remaining.append(r.pupil);
        QCOMPARE(remaining, left);
        QCOMPARE(removed, 3 - left.size());
        QCOMPARE(test::entriesOf(dir.path()), files);
        if (QFile::exists(march))
            QVERIFY(test::readBytes(march).endsWith(laterVersion));
        QCOMPARE(test::readBytes(dir.filePath(QStringLiteral("2026-07-01_room2-pc4.records"))),
                 left.contains("Cai") ? july : QByteArray("<unreadable>"));
    }

    // A day's new file can be added to by the next pupil's account whatever the creator's
    // umask: readable and writable by owner and group, writable by others, never readable by them.
    void aNewFileIsOpenToAdding()
    {
        QTemporaryDir dir;
        const mode_t old = ::umask(022);
        appendRecord(dir.path(), record(QStringLiteral("Ann")));
        ::umask(old);
        const QFileInfo file(dir.filePath(recordsFileName(QDate(2026, 3, 1), QStringLiteral("room2-pc4"))));
        QCOMPARE(file.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::WriteOther);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
