// The catalogue file: reading it, adding and removing titles, its limit of 1000, and keeping
// it whole when a write fails or several computers change it at once.
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"

#include "support/Fixtures.h"

#include <QFileInfo>
#include <QThread>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace bs;

namespace {

QByteArray catalogueOf(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

QByteArray numberedCatalogue(int count)
{
    QByteArray bytes = ' ' + QByteArray::number(count) + "\r\n";
    for (int i = 1; i <= count; ++i)
        bytes += "Worksheet " + QByteArray::number(i) + "\r\n";
    return bytes;
}

QStringList titlesOf(const CatalogueList& list)
{
    QStringList titles;
    for (int i = 1; i <= list.workcount; ++i)
        titles.append(list.worklist[i]);
    return titles;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void reads_data();
    void reads();
    void readsAtMost1000Titles_data();
    void readsAtMost1000Titles();
    void missingFileChangesNothing();
    void bytesReadBackAsTheTitles();
    void bytesRefuseTitlesThatWouldNotReadBack_data();
    void bytesRefuseTitlesThatWouldNotReadBack();

    void addsANewTitle_data();
    void addsANewTitle();
    void existingTitleLeavesFileByteForByte();
    void titlesDifferingInCaseAreDifferent();
    void titleWithCommaStaysOneField();
    void thousandthTitleFitsButNotTheNext();
    void addingNeedsAReadableCatalogue_data();
    void addingNeedsAReadableCatalogue();

    void deletesSecondOfFour();
    void deletesLastOfDuplicates();
    void deletingAMissingTitleWritesNothing();

    void failedWriteLeavesCatalogue_data();
    void failedWriteLeavesCatalogue();
    void abandonedLocksAreTakenOver_data();
    void abandonedLocksAreTakenOver();
    void emptyLockOfALivingProgramIsRespected();
    void oldLockFromAnotherComputerIsTakenOver();
    void severalProgramsAddingAtOnceLoseNothing();
    void deletingWhileOthersAddLosesNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<CatalogueList> m_list;
};

void TestCatalogue::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("track.txt"));
    m_list = std::make_unique<CatalogueList>();
    m_list->workcount = 2;
    m_list->worklist[1] = QStringLiteral("Old 1");
    m_list->worklist[2] = QStringLiteral("Old 2");
}

void TestCatalogue::reads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("fails");

    QTest::newRow("count 0") << QByteArray(" 0\r\n") << QStringList{} << false;
    QTest::newRow("three titles") << catalogueOf({" 3", "Rivers", "Seas", "Coasts"})
                                  << QStringList{"Rivers", "Seas", "Coasts"} << false;
    QTest::newRow("LF only, no space") << QByteArray("2\nRivers\nSeas\n") << QStringList{"Rivers", "Seas"} << false;
    QTest::newRow("blanks around the count") << catalogueOf({"  2  ", "A", "B"}) << QStringList{"A", "B"} << false;
    QTest::newRow("more titles than counted") << catalogueOf({" 2", "A", "B", "C", "D"}) << QStringList{"A", "B"}
                                              << false;
    QTest::newRow("quoted title with comma") << catalogueOf({" 2", "\"Rivers, Seas\"", "B"})
                                             << QStringList{"Rivers, Seas", "B"} << false;
    QTest::newRow("differing in case") << catalogueOf({" 2", "rivers", "Rivers"})
                                       << QStringList{"rivers", "Rivers"} << false;
    QTest::newRow("Windows-1252") << catalogueOf({" 1", "Caf\xE9 \x80"}) << QStringList{"Caf\u00E9 \u20AC"} << false;
    // A short file: only the titles that are there are counted.
    QTest::newRow("fewer titles than counted") << catalogueOf({" 4", "A", "B"}) << QStringList{"A", "B"} << true;
    QTest::newRow("count but no titles") << catalogueOf({" 2"}) << QStringList{} << true;
    // A count that is no number reads nothing: what was in memory stays.
    QTest::newRow("count not a number") << catalogueOf({"three", "A"}) << QStringList{"Old 1", "Old 2"} << true;
    QTest::newRow("count empty") << catalogueOf({"", "A"}) << QStringList{"Old 1", "Old 2"} << true;
    QTest::newRow("count negative") << catalogueOf({" -1", "A"}) << QStringList{"Old 1", "Old 2"} << true;
    QTest::newRow("empty file") << QByteArray() << QStringList{"Old 1", "Old 2"} << true;
}

void TestCatalogue::reads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, titles);
    QFETCH(bool, fails);

    QVERIFY(test::writeBytes(m_path, bytes));
    if (fails)
        QVERIFY_THROWS_EXCEPTION(DataError, readCatalogue(m_path, *m_list));
    else
        readCatalogue(m_path, *m_list);
    QCOMPARE(titlesOf(*m_list), titles);
}

void TestCatalogue::readsAtMost1000Titles_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("titlesInFile");
    QTest::newRow("1000") << 1000 << 1000;
    QTest::newRow("1001") << 1001 << 1001;
    QTest::newRow("count 5000, 1001 titles") << 5000 << 1001;
    QTest::newRow("huge count") << 0 << 1000;
}

void TestCatalogue::readsAtMost1000Titles()
{
    QFETCH(int, count);
    QFETCH(int, titlesInFile);

    QByteArray bytes = numberedCatalogue(titlesInFile);
    if (count == 0)
        bytes.replace(0, bytes.indexOf('\r'), " 99999999999999999999999");
    else
        bytes.replace(0, bytes.indexOf('\r'), ' ' + QByteArray::number(count));
    QVERIFY(test::writeBytes(m_path, bytes));

    if (count == 1000)
        readCatalogue(m_path, *m_list);
    else
        QVERIFY_THROWS_EXCEPTION(DataError, readCatalogue(m_path, *m_list));
    QCOMPARE(m_list->workcount, 1000);
    QCOMPARE(m_list->worklist[1], QStringLiteral("Worksheet 1"));
    QCOMPARE(m_list->worklist[1000], QStringLiteral("Worksheet 1000"));
}

void TestCatalogue::missingFileChangesNothing()
{
    QVERIFY_THROWS_EXCEPTION(DataError, readCatalogue(m_path, *m_list));
    QCOMPARE(titlesOf(*m_list), (QStringList{"Old 1", "Old 2"}));
}

void TestCatalogue::bytesReadBackAsTheTitles()
{
    const QStringList titles = {"Rivers", "Rivers, Seas", "  leading", "trailing  ", "", "Caf\u00E9 \u2019 \u20AC",
                                "say \"hi\"", "a&b", "comma, and  spaces ", "lone\rreturn", "ends in return\r",
                                "\v\"tab\" first"};
    const QByteArray bytes = catalogueBytes(titles);
    QVERIFY(bytes.startsWith(" 12\r\nRivers\r\n\"Rivers, Seas\"\r\n\"  leading\"\r\n"));
    FieldReader in(bytes);
    readCatalogue(in, *m_list);
    QCOMPARE(titlesOf(*m_list), titles);
    QVERIFY(in.atEnd());
}

void TestCatalogue::bytesRefuseTitlesThatWouldNotReadBack_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("line break") << QStringLiteral("a\r\nb");
    QTest::newRow("outside Windows-1252") << QStringLiteral("\u0141");
    QTest::newRow("quote first") << QStringLiteral("\"quoted\"");
    QTest::newRow("quote and comma") << QStringLiteral("a, \"b\"");
}

void TestCatalogue::bytesRefuseTitlesThatWouldNotReadBack()
{
    QFETCH(QString, title);
    QVERIFY_THROWS_EXCEPTION(DataError, catalogueBytes(QStringList{title}));
}

void TestCatalogue::addsANewTitle_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("to three") << catalogueOf({" 3", "Rivers", "Seas", "Coasts"})
                              << catalogueOf({" 3", "Rivers", "Seas", "Coasts", "New one"}).replace(" 3", " 4");
    QTest::newRow("to none") << catalogueOf({" 0"}) << catalogueOf({" 1", "New one"});
    // The file is rewritten in the one form the program writes; extra lines are dropped.
    QTest::newRow("LF only, extra lines") << QByteArray("1\nRivers\njunk\n") << catalogueOf({" 2", "Rivers", "New one"});
}

void TestCatalogue::addsANewTitle()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    QVERIFY(test::writeBytes(m_path, before));
    trackworksheets(m_path, QStringLiteral("New one"), *m_list);
    QCOMPARE(test::readBytes(m_path), after);
    QCOMPARE(test::entriesOf(m_dir->path()), QStringList{"track.txt"});
}

void TestCatalogue::existingTitleLeavesFileByteForByte()
{
    // A form the program never writes: any rewrite would show.
    const QByteArray before("3 \nRivers\n\"Seas\"  \r\nCoasts");
    QVERIFY(test::writeBytes(m_path, before));
    for (const QString& title : {QStringLiteral("Rivers"), QStringLiteral("Seas"), QStringLiteral("Coasts")}) {
        trackworksheets(m_path, title, *m_list);
        QCOMPARE(test::readBytes(m_path), before);
    }
}

void TestCatalogue::titlesDifferingInCaseAreDifferent()
{
    QVERIFY(test::writeBytes(m_path, catalogueOf({" 1", "Rivers"})));
    trackworksheets(m_path, QStringLiteral("rivers"), *m_list);
    trackworksheets(m_path, QStringLiteral("RIVERS"), *m_list);
    trackworksheets(m_path, QStringLiteral("rivers"), *m_list);
    QCOMPARE(test::readBytes(m_path), catalogueOf({" 3", "Rivers", "rivers", "RIVERS"}));
}

// A comma must not split the line and put every later title one line out of step.
void TestCatalogue::titleWithCommaStaysOneField()
{
    QVERIFY(test::writeBytes(m_path, catalogueOf({" 1", "Rivers"})));
    trackworksheets(m_path, QStringLiteral("Seas, Coasts"), *m_list);
    trackworksheets(m_path, QStringLiteral("Hills"), *m_list);
    trackworksheets(m_path, QStringLiteral("Seas, Coasts"), *m_list);
    QCOMPARE(test::readBytes(m_path), catalogueOf({" 3", "Rivers", "\"Seas, Coasts\"", "Hills"}));

    readCatalogue(m_path, *m_list);
    QCOMPARE(titlesOf(*m_list), (QStringList{"Rivers", "Seas, Coasts", "Hills"}));

    delworksheet(m_path, QStringLiteral("Seas, Coasts"), *m_list);
    QCOMPARE(test::readBytes(m_path), catalogueOf({" 2", "Rivers", "Hills"}));
}

void TestCatalogue::thousandthTitleFitsButNotTheNext()
{
    const QByteArray full = numberedCatalogue(1000);
    QVERIFY(test::writeBytes(m_path, numberedCatalogue(999)));
    trackworksheets(m_path, QStringLiteral("Worksheet 1000"), *m_list);
    QCOMPARE(test::readBytes(m_path), full);

    QVERIFY_THROWS_EXCEPTION(DataError, trackworksheets(m_path, QStringLiteral("One too many"), *m_list));
    QCOMPARE(test::readBytes(m_path), full);
    // Saving again under a title already there still works when the catalogue is full.
    trackworksheets(m_path, QStringLiteral("Worksheet 500"), *m_list);
    QCOMPARE(test::readBytes(m_path), full);
}

void TestCatalogue::addingNeedsAReadableCatalogue_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("short") << catalogueOf({" 3", "A", "B"});
    QTest::newRow("count not a number") << catalogueOf({"x", "A"});
    QTest::newRow("over 1000") << numberedCatalogue(1001);
}

// The program never makes a catalogue, and never writes over one it could not read.
void TestCatalogue::addingNeedsAReadableCatalogue()
{
    QFETCH(QByteArray, bytes);
    if (!bytes.isEmpty())
        QVERIFY(test::writeBytes(m_path, bytes));
    QVERIFY_THROWS_EXCEPTION(DataError, trackworksheets(m_path, QStringLiteral("New"), *m_list));
    QVERIFY_THROWS_EXCEPTION(DataError, delworksheet(m_path, QStringLiteral("A"), *m_list));
    if (bytes.isEmpty())
        QVERIFY(!QFileInfo::exists(m_path));
    else
        QCOMPARE(test::readBytes(m_path), bytes);
    QCOMPARE(test::entriesOf(m_dir->path()), bytes.isEmpty() ? QStringList() : QStringList{"track.txt"});
}

void TestCatalogue::deletesSecondOfFour()
{
    const QString worksheet = m_dir->filePath(QStringLiteral("Seas.txt"));
    QVERIFY(test::writeBytes(worksheet, "kept"));
    QVERIFY(test::writeBytes(m_path, catalogueOf({" 4", "Rivers", "Seas", "Coasts", "Hills"})));

    delworksheet(m_path, QStringLiteral("Seas"), *m_list);
    QCOMPARE(test::readBytes(m_path), catalogueOf({" 3", "Rivers", "Coasts", "Hills"}));
    QCOMPARE(titlesOf(*m_list), (QStringList{"Rivers", "Coasts", "Hills"}));
    QCOMPARE(test::readBytes(worksheet), QByteArray("kept"));
}

void TestCatalogue::deletesLastOfDuplicates()
{
    QVERIFY(test::writeBytes(m_path, catalogueOf({" 4", "A", "B", "A", "C"})));
    delworksheet(m_path, QStringLiteral("A"), *m_list);
    QCOMPARE(test::readBytes(m_path), catalogueOf({" 3", "A", "B", "C"}));
    delworksheet(m_path, QStringLiteral("C"), *m_list);
    delworksheet(m_path, QStringLiteral("B"), *m_list);
    delworksheet(m_path, QStringLiteral("A"), *m_list);
    QCOMPARE(test::readBytes(m_path), catalogueOf({" 0"}));
    QCOMPARE(m_list->workcount, 0);
}

void TestCatalogue::deletingAMissingTitleWritesNothing()
{
    const QByteArray before("2\nRivers\nSeas\n");
    QVERIFY(test::writeBytes(m_path, before));
    delworksheet(m_path, QStringLiteral("rivers"), *m_list);
    QCOMPARE(test::readBytes(m_path), before);
    // Memory shows the file as it is now.
    QCOMPARE(titlesOf(*m_list), (QStringList{"Rivers", "Seas"}));
}

void TestCatalogue::failedWriteLeavesCatalogue_data()
{
    QTest::addColumn<bool>("adding");
    QTest::newRow("adding") << true;
    QTest::newRow("deleting") << false;
}

void TestCatalogue::failedWriteLeavesCatalogue()
{
    QFETCH(bool, adding);

    const QByteArray before = numberedCatalogue(300);
    QVERIFY(test::writeBytes(m_path, before));
    {
        const test::FileSizeLimit limit(100);
        if (adding)
            QVERIFY_THROWS_EXCEPTION(DataError, trackworksheets(m_path, QStringLiteral("New"), *m_list));
        else
            QVERIFY_THROWS_EXCEPTION(DataError, delworksheet(m_path, QStringLiteral("Worksheet 2"), *m_list));
    }
    QCOMPARE(test::readBytes(m_path), before);
    QCOMPARE(test::entriesOf(m_dir->path()), QStringList{"track.txt"});
    // Memory still matches the file.
    QCOMPARE(m_list->workcount, 300);
    QCOMPARE(m_list->worklist[2], QStringLiteral("Worksheet 2"));
}

namespace {

// The lock file a program left behind when it crashed holding it.
QByteArray lockOfACrashedProgram()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("track.txt"));
    test::writeBytes(path, " 0\r\n");
    QProcess helper;
    helper.start(QStringLiteral(BS_CATALOGUE_HELPER), {QStringLiteral("crash"), path});
    if (!helper.waitForFinished(30000) || helper.exitCode() != 3)
        return "no lock";
    return test::readBytes(catalogueLockPath(path));
}

} // namespace

void TestCatalogue::abandonedLocksAreTakenOver_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<int>("takeoversCutShort");
    // Killed between creating the lock file and writing its owner into it.
    QTest::newRow("lock without owner") << QByteArray() << 0;
    QTest::newRow("lock of a crashed program") << lockOfACrashedProgram() << 0;
    // Killed while taking over such a lock, between creating QLockFile's ".rmlock" and
    // writing its owner.
    QTest::newRow("takeover cut short") << lockOfACrashedProgram() << 1;
    // Killed after writing its ".rmlock", then the next program killed while taking that over.
    QTest::newRow("takeover of a takeover cut short") << lockOfACrashedProgram() << 2;
}

void TestCatalogue::abandonedLocksAreTakenOver()
{
    QFETCH(QByteArray, lock);
    QFETCH(int, takeoversCutShort);
    QVERIFY(lock != "no lock");
    QVERIFY(test::writeBytes(m_path, " 0\r\n"));
    QVERIFY(test::writeBytes(catalogueLockPath(m_path), lock));
    // Each takeover that got as far as writing its owner died holding its ".rmlock"; the last
    // one died before writing it.
    QString rmlock = catalogueLockPath(m_path);
    for (int i = 1; i <= takeoversCutShort; ++i) {
        rmlock += QStringLiteral(".rmlock");
        QVERIFY(test::writeBytes(rmlock, i < takeoversCutShort ? lock : QByteArray()));
    }
    const QString failure = test::saveWithFreshLocks(m_path, QStringLiteral("Rivers"));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(test::readBytes(m_path), catalogueOf({" 1", "Rivers"}));
    QVERIFY(!QFileInfo::exists(catalogueLockPath(m_path)));
}

void TestCatalogue::emptyLockOfALivingProgramIsRespected()
{
    const QString lockPath = catalogueLockPath(m_path);
    QVERIFY(test::writeBytes(m_path, " 0\r\n"));
    QVERIFY(test::writeBytes(lockPath, {}));
    // Another program has just created the lock file and holds it, its owner not yet written
    // in; it finishes with the catalogue a little later.
    const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(fd >= 0);
    QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
    std::atomic<bool> released = false;
    std::thread otherProgram([&] {
        QThread::msleep(700);
        released = true;
        QFile::remove(lockPath);
        ::close(fd);
    });
    QString failure;
    try {
        trackworksheets(m_path, QStringLiteral("Rivers"), *m_list);
    } catch (const DataError& error) {
        failure = QString::fromUtf8(error.what());
    }
    const bool waited = released;
    otherProgram.join();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY2(waited, "the lock of a living program was taken away from it");
    QCOMPARE(test::readBytes(m_path), catalogueOf({" 1", "Rivers"}));
}

void TestCatalogue::oldLockFromAnotherComputerIsTakenOver()
{
    QVERIFY(test::writeBytes(m_path, catalogueOf({" 0"})));
    const QString lockPath = catalogueLockPath(m_path);
    QVERIFY(test::writeBytes(lockPath, "4242\nbrellinshore\nclassroom-pc-7\n"));
    QFile lockFile(lockPath);
    QVERIFY(lockFile.open(QIODevice::ReadWrite));
    QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    lockFile.close();

    trackworksheets(m_path, QStringLiteral("Rivers"), *m_list);
    QCOMPARE(test::readBytes(m_path), catalogueOf({" 1", "Rivers"}));
}

// Other programs on the same catalogue, program p adding the titles "P<p>-1" ... "P<p>-<count>".
std::vector<std::unique_ptr<QProcess>> startAdding(const QString& catalogue, int programs, int count)
{
    std::vector<std::unique_ptr<QProcess>> helpers;
    for (int p = 0; p < programs; ++p) {
        helpers.push_back(std::make_unique<QProcess>());
        helpers.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helpers.back()->start(QStringLiteral(BS_CATALOGUE_HELPER),
                              {QStringLiteral("add"), catalogue, QStringLiteral("P%1-").arg(p), QString::number(count)});
    }
    return helpers;
}

void TestCatalogue::severalProgramsAddingAtOnceLoseNothing()
{
    QVERIFY(test::writeBytes(m_path, catalogueOf({" 0"})));
    constexpr int Programs = 4;
    constexpr int TitlesEach = 15;
    const auto helpers = startAdding(m_path, Programs, TitlesEach);
    for (auto& helper : helpers) {
        QVERIFY(helper->waitForFinished(120000));
        QCOMPARE(helper->exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper->exitCode(), 0);
    }

    readCatalogue(m_path, *m_list);
    QStringList titles = titlesOf(*m_list);
    QCOMPARE(titles.size(), Programs * TitlesEach);
    titles.removeDuplicates();
    QCOMPARE(titles.size(), Programs * TitlesEach);
    for (int p = 0; p < Programs; ++p) {
        for (int i = 1; i <= TitlesEach; ++i)
            QVERIFY(titles.contains(QStringLiteral("P%1-%2").arg(p).arg(i)));
    }
    QCOMPARE(test::entriesOf(m_dir->path()), QStringList{"track.txt"});
}

// Deleting re-reads and replaces the catalogue under the same lock as adding: titles other
// programs add meanwhile stay, and every deleted title is gone.
void TestCatalogue::deletingWhileOthersAddLosesNothing()
{
    constexpr int Deleted = 30;
    QList<QByteArray> lines{" " + QByteArray::number(Deleted)};
    for (int i = 1; i <= Deleted; ++i)
        lines << "D" + QByteArray::number(i);
    QVERIFY(test::writeBytes(m_path, catalogueOf(lines)));
    constexpr int Programs = 2;
    constexpr int TitlesEach = 15;
    const auto helpers = startAdding(m_path, Programs, TitlesEach);
    for (int i = 1; i <= Deleted; ++i) {
        readCatalogue(m_path, *m_list);
        delworksheet(m_path, QStringLiteral("D%1").arg(i), *m_list);
    }
    for (auto& helper : helpers) {
        QVERIFY(helper->waitForFinished(120000));
        QCOMPARE(helper->exitCode(), 0);
    }
    readCatalogue(m_path, *m_list);
    const QStringList titles = titlesOf(*m_list);
    QCOMPARE(titles.size(), Programs * TitlesEach);
    for (const QString& title : titles)
        QVERIFY2(title.startsWith(u'P'), qPrintable(title));
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
