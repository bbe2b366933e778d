// The program's data files: the one reading rule for every line and its code pages (Windows-1252,
// or UTF-8 after a byte-order mark where a Welsh letter needs it); the worksheet file (writer,
// loader, titles that cannot name a file, whole-file writes); the catalogue (reading, adding and
// removing titles, its limit of 1000, keeping it whole when a write fails or several computers
// change it at once).
#include "support/Fixtures.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace bs;

namespace {

const QByteArray none = "<unreadable>"; // test::readBytes of a missing file
const QByteArray mark("\xEF\xBB\xBF"); // starts a UTF-8 file

// A catalogue's lines written with "|" between them, each ended by CR LF.
QByteArray cat(const QByteArray& lines)
{
    return QByteArray(lines).replace('|', "\r\n") + "\r\n";
}

QByteArray numberedCatalogue(int count)
{
    return test::catalogueFile(test::numberedTitles(count));
}

QStringList titlesOf(const CatalogueList& list)
{
    return QStringList(list.worklist.begin() + 1, list.worklist.begin() + 1 + list.workcount);
}

QString failureOf(const std::function<void()>& change)
{
    try {
        change();
    } catch (const DataError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

// The lock file a program left behind when it crashed holding it.
QByteArray lockOfACrashedProgram()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("track.txt"));
    QProcess helper;
    helper.start(QStringLiteral(BS_CATALOGUE_HELPER), {QStringLiteral("crash"), path});
    if (!helper.waitForFinished(30000) || helper.exitCode() != 3)
        return "no lock";
    return test::readBytes(catalogueLockPath(path));
}

// The bank entry each of the 72 lines is read into, in file order; none for discarded lines.
std::vector<std::optional<QString>> entriesInFileOrder(const QuestionBank& bank)
{
    std::vector<std::optional<QString>> entries{bank.worktitle, std::nullopt};
    for (int n = 1; n <= 10; ++n) {
        entries.insert(entries.end(), {bank.question[n], bank.answera[n], bank.answerb[n], bank.answerc[n],
                                       bank.answerd[n], bank.correct[n], std::nullopt});
    }
    return entries;
}


} // namespace

class TestWorksheetData : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath(QStringLiteral("track.txt"));
        m_list = std::make_unique<CatalogueList>();
        m_list->workcount = 2;
        m_list->worklist[1] = QStringLiteral("Old 1");
        m_list->worklist[2] = QStringLiteral("Old 2");
    }

    void readsOneFieldPerLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("LF, mixed, last without") << QByteArray("a\nb\r\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("leading spaces skipped, trailing kept, blank lines")
            << QByteArray("   abc  \r\n 3 \r\n\r\n    \r\n") << QStringList{"abc  ", "3 ", "", ""};
        // A comma ends the field; the rest of the line must not become the next field.
        QTest::newRow("comma ends the field")
            << QByteArray("a,b,c\r\n,b\r\nd\r\n") << QStringList{"a", "", "d"};
        QTest::newRow("quoted: commas and leading spaces kept, the rest passed over")
            << QByteArray("\"Rivers, Seas\"\r\n  \"  in\" she said, twice\r\n\"\"\r\n")
            << QStringList{"Rivers, Seas", "  in", ""};
        // An unclosed quote must not swallow the following lines.
        QTest::newRow("unclosed quote ends at the line end")
            << QByteArray("\"no closing\r\nnext\r\n") << QStringList{"no closing", "next"};
        QTest::newRow("quote inside, lone CR, tab")
            << QByteArray("say \"hi\"\r\na\rb\r\n\tx\r\n") << QStringList{"say \"hi\"", "a\rb", "\tx"};
        QTest::newRow("Windows-1252") << QByteArray("\x92\x80 caf\xE9 \x9F\x81\r\n")
                                      << QStringList{QStringLiteral("\u2019\u20AC caf\u00E9 \u0178\u0081")};
        // A file holding a letter Windows-1252 lacks is UTF-8 after a byte-order mark; only a mark
        // at the very start counts.
        QTest::newRow("UTF-8 after the mark") << QByteArray(mark + "  Dw\xC5\xB7r,x\r\n\"t\xC5\xB5, r\"\r\n\xE2\x82\xAC")
            << QStringList{QStringLiteral("Dw\u0177r"), QStringLiteral("t\u0175, r"), QStringLiteral("\u20AC")};
        QTest::newRow("mark alone") << mark << QStringList{};
        QTest::newRow("broken UTF-8 is replaced, not fatal") << QByteArray(mark + "a\xC5\r\n\xFF" "b\r\n")
            << QStringList{QStringLiteral("a\uFFFD"), QStringLiteral("\uFFFD" "b")};
        QTest::newRow("mark later in the file is text")
            << QByteArray("a\r\n" + mark + "b\r\n") << QStringList{"a", QStringLiteral("\u00EF\u00BB\u00BF" "b")};
    }

    void readsOneFieldPerLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        FieldReader in(bytes);
        for (const QString& expected : fields) {
            QVERIFY(!in.atEnd());
            QCOMPARE(in.readField(), expected);
        }
        QVERIFY(in.atEnd());
        QVERIFY_THROWS_EXCEPTION(DataError, in.readField());
    }

    void writerBytesExactly()
    {
        WorksheetText w = test::sampleWorksheet(QStringLiteral("Rivers, Seas & Coasts"));
        w.questions[3].text = QStringLiteral("Costs \u20AC5, \"ok\"");
        QCOMPARE(worksheetBytes(w), test::worksheetFile(w).replace("Costs ?5", "Costs \x80"
                                                                               "5"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reloaded");
        QTest::newRow("commas") << QStringLiteral("Rivers, seas, lakes")
                                << QStringLiteral("Rivers, seas, lakes");
        QTest::newRow("ampersand") << QStringLiteral("Fish & chips") << QStringLiteral("Fish , chips");
        QTest::newRow("spaces") << QStringLiteral("   in and out   ") << QStringLiteral("in and out   ");
        QTest::newRow("quote first") << QStringLiteral("\"Yes, sir\" he said") << QStringLiteral("Yes, sir");
        QTest::newRow("Windows-1252") << QStringLiteral("It\u2019s \u20AC5 \u2013 caf\u00E9 \u2122")
                                      << QStringLiteral("It\u2019s \u20AC5 \u2013 caf\u00E9 \u2122");
    }

    void roundTrip()
    {
        QFETCH(QString, typed);
        QFETCH(QString, reloaded);
        const QuestionBank bank = test::loadedWorksheet(worksheetBytes(test::uniformWorksheet(typed, typed)));
        QCOMPARE(bank.worktitle, reloaded);
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE((QStringList{bank.question[n], bank.answera[n], bank.answerb[n], bank.answerc[n],
                                  bank.answerd[n], bank.correct[n]}),
                     QStringList(5, reloaded) << QString::number((n - 1) % 4 + 1));
        }
    }

    // Where a Welsh letter stands decides the file's form; the texts come back as typed.
    void welshLettersRoundTrip_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("English") << "Rivers and Seas" << QStringLiteral("caf\u00E9, cr\u00EApe") << false;
        QTest::newRow("Welsh within Windows-1252") << "Daearyddiaeth Ffisegol" << QStringLiteral("Y m\u00F4r, \u00E2 th\u00EE") << false;
        QTest::newRow("\u0175 in the title") << QStringLiteral("Dw\u0177r a'r M\u00F4r") << "Llanw" << true;
        QTest::newRow("title opening with the mark's letters") << QStringLiteral("\u00EF\u00BB\u00BFcaf\u00E9") << QStringLiteral("cr\u00EApe") << true;
        QTest::newRow("\u0175 in an answer only")
            << "Afonydd" << QStringLiteral("Tyw\u0177s, d\u0175r & \u20AC5 \u2013 \u1E81\u1E83\u1E85\u1EF3 \u0174\u0176") << true;
    }

    void welshLettersRoundTrip()
    {
        QFETCH(QString, title);
        QFETCH(QString, answer);
        QFETCH(bool, utf8);
        WorksheetText w = test::sampleWorksheet(title);
        w.questions[9].answers[2] = answer;
        QVERIFY(worksheetProblem(w).isEmpty() && titleProblem(title).isEmpty());
        // Letters of other languages are still refused (the wizard's test reads the message).
        QVERIFY(!titleProblem(title + QStringLiteral("\u0141")).isEmpty());
        const QByteArray bytes = worksheetBytes(w);
        QCOMPARE(bytes.startsWith(mark), utf8);
        if (!utf8)
            QCOMPARE(bytes, test::worksheetFile(w)); // exactly the Windows-1252 file of old
        QCOMPARE(bytes.count("\r\n"), 72);
        const QuestionBank bank = test::loadedWorksheet(bytes);
        QCOMPARE(bank.worktitle, title);
        QCOMPARE(bank.answerc[10], QString(answer).replace(u'&', u','));
        QCOMPARE(bank.question[1], QString(w.questions[0].text).replace(u'&', u','));
        QCOMPARE(bank.correct[10], QString::number(w.questions[9].correct));
    }

    void shortOrLongFiles_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QByteArray>("extra");
        for (int lines : {0, 1, 2, 8, 9, 40, 71})
            QTest::addRow("%d lines", lines) << lines << QByteArray();
        QTest::newRow("72 lines, last without line end") << 72 << QByteArray("-");
        QTest::newRow("extra lines ignored") << 72 << QByteArray("junk\r\nmore, junk\r\n\"\r\n");
    }

    // Everything read before a missing line replaces the previous worksheet; the rest stays.
    void shortOrLongFiles()
    {
        QFETCH(int, lines);
        QFETCH(QByteArray, extra);
        QuestionBank bank = test::loadedWorksheet(test::worksheetFile(test::versionedWorksheet(QStringLiteral("Old"), 1)));
        const auto before = entriesInFileOrder(bank);
        const WorksheetText next = test::versionedWorksheet(QStringLiteral("New"), 2);
        const auto after = entriesInFileOrder(test::loadedWorksheet(test::worksheetFile(next)));
        QByteArray bytes = test::worksheetFile(next, lines);
        if (extra == "-")
            bytes.chop(2);
        else
            bytes += extra;

        FieldReader in(bytes);
        if (lines < 72)
            QVERIFY_THROWS_EXCEPTION(DataError, loadworksheet(in, bank));
        else
            loadworksheet(in, bank);
        const auto now = entriesInFileOrder(bank);
        for (int i = 0; i < 72; ++i)
            if (now[i])
                QCOMPARE(*now[i], i < lines ? *after[i] : *before[i]);
    }

    void titles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("comma, ampersand, inner full stop")
            << QStringLiteral("St. Mary's, Fish & Chips") << true;
        QTest::newRow("Windows-1252") << QStringLiteral("Caf\u00E9 \u2013 \u20AC5 \u2019s") << true;
        QTest::newRow("starts like a device or the catalogue") << QStringLiteral("Contours Tracks") << true;
        QTest::newRow("longest") << QString(MaxTitleLength, u'x') << true;
        QTest::newRow("too long") << QString(MaxTitleLength + 1, u'x') << false;
        QTest::newRow("empty") << QString() << false;
        for (const char* title : {"../escape", "/tmp/escape", "a\\b", "..", ".hidden", "a,b/c", "a*b", "a<b>",
                                  "a|b", "\"Quoted\"", "a\tb", "a\nb", "Rivers ", "track", "Com1.backup"})
            QTest::newRow(QByteArray(title).replace('\n', "LF").constData())
                << QString::fromLatin1(title) << false;
        QTest::newRow("C1 control") << QStringLiteral("a") + QChar(0x81) << false;
    }

    // A refused title writes nothing at all: not outside the folder, not over the catalogue.
    void titles()
    {
        QFETCH(QString, title);
        QFETCH(bool, accepted);
        QCOMPARE(bs::titleProblem(title).isEmpty(), accepted);
        QTemporaryDir root;
        const QString multiple = root.filePath(QStringLiteral("multiple"));
        const QString catalogue = multiple + QStringLiteral("/track.txt");
        QVERIFY(test::writeBytes(catalogue, " 0\r\n"));
        const WorksheetText w = test::uniformWorksheet(title, QStringLiteral("t"));
        CatalogueList list;
        if (accepted) {
            writeWorksheetFile(multiple, w);
            QCOMPARE(test::readBytes(multiple + u'/' + title + QStringLiteral(".txt")), worksheetBytes(w));
            return;
        }
        QVERIFY_THROWS_EXCEPTION(DataError, writeWorksheetFile(multiple, w));
        QVERIFY_THROWS_EXCEPTION(DataError, trackworksheets(catalogue, title, list));
        QCOMPARE(test::entriesOf(root.path()), QStringList{"multiple"});
        QCOMPARE(test::entriesOf(multiple), QStringList{"track.txt"});
        QCOMPARE(test::readBytes(catalogue), QByteArray(" 0\r\n"));
    }

    void savingReplacesTheOldFileWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("saved") << QString();
        QTest::newRow("disk full part-way") << QStringLiteral("full");
        QTest::newRow("folder missing") << QStringLiteral("missing");
    }

    void savingReplacesTheOldFileWholeOrNotAtAll()
    {
        QFETCH(QString, failure);
        QTemporaryDir root;
        const QString path = root.filePath(QStringLiteral("Rivers.txt"));
        const QByteArray old(20000, 'o');
        QVERIFY(test::writeBytes(path, old));
        const WorksheetText w = test::uniformWorksheet(QStringLiteral("Rivers"), QStringLiteral("new"));
        std::optional<test::FileSizeLimit> limit;
        if (failure == u"full")
            limit.emplace(100);
        const QString dir = failure == u"missing" ? root.filePath(QStringLiteral("missing")) : root.path();
        const QString problem = failureOf([&] { writeWorksheetFile(dir, w); });
        limit.reset();
        QCOMPARE(problem.isEmpty(), failure.isEmpty());
        QCOMPARE(test::readBytes(path), failure.isEmpty() ? worksheetBytes(w) : old);
        QCOMPARE(test::entriesOf(root.path()), QStringList{"Rivers.txt"});
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("fails");
        const QStringList old{"Old 1", "Old 2"};
        QTest::newRow("three titles")
            << cat(" 3|Rivers|Seas|Coasts") << QStringList{"Rivers", "Seas", "Coasts"} << false;
        QTest::newRow("blanks around the count, more titles")
            << cat("  2  |A|B|C") << QStringList{"A", "B"} << false;
        QTest::newRow("quoted comma, Windows-1252")
            << cat(" 2|\"Rivers, Seas\"|Caf\xE9 \x80") << QStringList{"Rivers, Seas", "Caf\u00E9 \u20AC"}
            << false;
        // A short file: only the titles that are there are counted.
        QTest::newRow("fewer titles than counted") << cat(" 4|A|B") << QStringList{"A", "B"} << true;
        // A count that is no number reads nothing: what was in memory stays.
        QTest::newRow("count not a number") << cat("three|A") << old << true;
        QTest::newRow("empty file") << QByteArray() << old << true;
        QTest::newRow("missing file") << none << old << true;
        QTest::newRow("a folder") << QByteArray("<folder>") << old << true;
        // A huge file is not one of the program's own: refused rather than read into memory.
        QTest::newRow("huge file") << QByteArray(FieldReader::MaxFileSize + 1, ' ') << old << true;
        QTest::newRow("1000 titles") << numberedCatalogue(1000) << test::numberedTitles(1000) << false;
        QTest::newRow("1001 titles: 1000 read")
            << numberedCatalogue(1001) << test::numberedTitles(1000) << true;
        QTest::newRow("huge count")
            << QByteArray(numberedCatalogue(1000)).replace(0, 5, " 99999999999999999999999")
            << test::numberedTitles(1000) << true;
    }

    void reads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, titles);
        QFETCH(bool, fails);
        if (bytes == "<folder>")
            QVERIFY(QDir().mkdir(m_path));
        else if (bytes != none)
            QVERIFY(test::writeBytes(m_path, bytes));
        QCOMPARE(failureOf([&] { readCatalogue(m_path, *m_list); }).isEmpty(), !fails);
        QCOMPARE(titlesOf(*m_list), titles);
    }

    void changes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("adding"); // or deleting
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("after"); // empty: refused, the file left as it was
        QTest::addColumn<bool>("diskFull");
        const auto row = [](const char* name, const QByteArray& before, bool adding, const QString& title,
                            const QByteArray& after, bool diskFull = false) {
            QTest::newRow(name) << before << adding << title << after << diskFull;
        };
        row("add to three", cat(" 3|Rivers|Seas|Coasts"), true, "New", cat(" 4|Rivers|Seas|Coasts|New"));
        // The file is rewritten in the one form the program writes; extra lines are dropped.
        row("add, LF only, extra lines", "1\nRivers\njunk\n", true, "New", cat(" 2|Rivers|New"));
        // A form the program never writes: any rewrite would show.
        const QByteArray odd = "3 \nRivers\n\"Seas\"  \r\nCoasts";
        row("add a title already there", odd, true, "Seas", odd);
        // Titles the wizard would refuse may come from elsewhere: a rewrite keeps each as it was.
        const QByteArray odd3 = " 3|\"  leading\"|\"Seas, Coasts\"|say \"hi\"";
        row("add, odd titles kept", cat(odd3), true, "New", cat(" 4" + odd3.mid(2) + "|New"));
        row("add, differing in case", cat(" 1|Rivers"), true, "rivers", cat(" 2|Rivers|rivers"));
        // A comma must not split the line and put every later title one line out of step.
        row("add with a comma", cat(" 1|Rivers"), true, "Seas, Coasts", cat(" 2|Rivers|\"Seas, Coasts\""));
        row("add the 1000th", numberedCatalogue(999), true, "Worksheet 1000", numberedCatalogue(1000));
        row("add a 1001st", numberedCatalogue(1000), true, "One too many", {});
        row("full, one already there", numberedCatalogue(1000), true, "Worksheet 0500",
            numberedCatalogue(1000));
        // The program never makes a catalogue, and never writes over one it could not read.
        for (bool add : {true, false}) {
            row(add ? "add, no catalogue" : "delete, no catalogue", none, add, "A", {});
            row(add ? "add, short" : "delete, short", cat(" 3|A|B"), add, "A", {});
            row(add ? "add, count no number" : "delete, count no number", cat("x|A"), add, "A", {});
            row(add ? "add, over 1000" : "delete, over 1000", numberedCatalogue(1001), add, "A", {});
            row(add ? "add, disk full" : "delete, disk full", numberedCatalogue(300), add,
                add ? "New" : "Worksheet 0002", {}, true);
        }
        row("delete the second of four", cat(" 4|Rivers|Seas|Coasts|Hills"), false, "Seas",
            cat(" 3|Rivers|Coasts|Hills"));
        row("delete the last of two alike", cat(" 4|A|B|A|C"), false, "A", cat(" 3|A|B|C"));
        row("delete one with a comma", cat(" 2|\"Seas, Coasts\"|Hills"), false, "Seas, Coasts",
            cat(" 1|Hills"));
        row("delete one not there", "2\nRivers\nSeas\n", false, "rivers", "2\nRivers\nSeas\n");
    }

    void changes()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, adding);
        QFETCH(QString, title);
        QFETCH(QByteArray, after);
        QFETCH(bool, diskFull);
        if (before != none)
            QVERIFY(test::writeBytes(m_path, before));
        std::optional<test::FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(100);
        const QString failure = failureOf(
            [&] { adding ? trackworksheets(m_path, title, *m_list) : delworksheet(m_path, title, *m_list); });
        limit.reset();
        QCOMPARE(failure.isEmpty(), !after.isEmpty());
        QCOMPARE(test::readBytes(m_path), after.isEmpty() ? before : after);
        QCOMPARE(test::entriesOf(m_dir->path()), before == none ? QStringList() : QStringList{"track.txt"});
        if (adding || after.isEmpty())
            return;
        // What the program holds matches the file.
        CatalogueList fromFile;
        FieldReader in(after);
        readCatalogue(in, fromFile);
        QCOMPARE(titlesOf(*m_list), titlesOf(fromFile));
    }

    // The catalogue turns UTF-8 when a Welsh title joins it and back when the last one leaves.
    void catalogueFollowsItsTitles()
    {
        QVERIFY(test::writeBytes(m_path, test::catalogueFile({"Tides"})));
        trackworksheets(m_path, QStringLiteral("Rivers, Seas"), *m_list);
        QCOMPARE(test::readBytes(m_path), QByteArray(" 2\r\nTides\r\n\"Rivers, Seas\"\r\n"));

        const QString welsh = QStringLiteral("Y Tyw\u0177dd, a'r D\u0175r");
        trackworksheets(m_path, welsh, *m_list);
        QCOMPARE(test::readBytes(m_path), QByteArray(mark + " 3\r\nTides\r\n\"Rivers, Seas\"\r\n\"Y Tyw\xC5\xB7"
                                             "dd, a'r D\xC5\xB5r\"\r\n"));
        // Read back by the catalogue screen in the Welsh program test.

        delworksheet(m_path, welsh, *m_list);
        QCOMPARE(test::readBytes(m_path), QByteArray(" 2\r\nTides\r\n\"Rivers, Seas\"\r\n"));
    }

    void abandonedLocksAreTakenOver_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<int>("takeoversCutShort");
        // Killed between creating the lock file and writing its owner into it.
        QTest::newRow("lock without owner") << QByteArray() << 0;
        QTest::newRow("lock of a crashed program") << lockOfACrashedProgram() << 0;
        // Killed while taking over such a lock, between creating QLockFile's ".rmlock" and
        // writing its owner; then the next program killed while taking that over.
        QTest::newRow("takeover cut short") << lockOfACrashedProgram() << 1;
        QTest::newRow("takeover of a takeover cut short") << lockOfACrashedProgram() << 2;
        // Left an hour ago on another computer of the classroom.
        QTest::newRow("old lock of another computer")
            << QByteArray("4242\nbrellinshore\nclassroom-pc-7\n") << -1;
    }

    void abandonedLocksAreTakenOver()
    {
        QFETCH(QByteArray, lock);
        QFETCH(int, takeoversCutShort);
        QVERIFY(lock != "no lock");
        QVERIFY(test::writeBytes(m_path, " 0\r\n"));
        const QString lockPath = catalogueLockPath(m_path);
        QVERIFY(test::writeBytes(lockPath, lock));
        // Each takeover that got as far as writing its owner died holding its ".rmlock"; the last
        // one died before writing it.
        QString rmlock = lockPath;
        for (int i = 1; i <= takeoversCutShort; ++i) {
            rmlock += QStringLiteral(".rmlock");
            QVERIFY(test::writeBytes(rmlock, i < takeoversCutShort ? lock : QByteArray()));
        }
        QString failure;
        if (takeoversCutShort < 0) {
            QFile lockFile(lockPath);
            QVERIFY(lockFile.open(QIODevice::ReadWrite) &&
                    lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                         QFileDevice::FileModificationTime));
            failure = failureOf([&] { trackworksheets(m_path, QStringLiteral("Rivers"), *m_list); });
        } else {
            failure = test::saveWithFreshLocks(m_path, QStringLiteral("Rivers"));
        }
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(test::readBytes(m_path), cat(" 1|Rivers"));
        QVERIFY(!QFileInfo::exists(lockPath));
    }

    void emptyLockOfALivingProgramIsRespected_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("adding waits") << false << cat(" 3|Tides|Seas|Rivers");
        QTest::newRow("deleting waits") << true << cat(" 1|Seas");
    }

    // A change made without the lock would be overwritten by the other program's, or overwrite it.
    void emptyLockOfALivingProgramIsRespected()
    {
        QFETCH(bool, deleting);
        QFETCH(QByteArray, expected);
        const QString lockPath = catalogueLockPath(m_path);
        QVERIFY(test::writeBytes(m_path, cat(" 1|Tides")));
        QVERIFY(test::writeBytes(lockPath, {}));
        // Another program has just created the lock file and holds it, its owner not yet written
        // in; it adds a title and finishes with the catalogue a little later.
        const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(fd >= 0);
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        std::atomic<bool> released = false;
        std::thread otherProgram([&] {
            QThread::msleep(700);
            test::writeBytes(m_path, cat(" 2|Tides|Seas"));
            released = true;
            QFile::remove(lockPath);
            ::close(fd);
        });
        const QString failure = failureOf([&] {
            if (deleting)
                delworksheet(m_path, QStringLiteral("Tides"), *m_list);
            else
                trackworksheets(m_path, QStringLiteral("Rivers"), *m_list);
        });
        const bool waited = released;
        otherProgram.join();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(waited, "the lock of a living program was taken away from it");
        QCOMPARE(test::readBytes(m_path), expected);
    }

    void aChangeHoldsTheLockUntilTheCatalogueIsReplaced_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("deleting") << true << cat(" 2|Tides|Seas") << cat(" 1|Seas");
        QTest::newRow("adding") << false << cat(" 1|Tides") << cat(" 2|Tides|Rivers");
    }

    // A change that let the lock go before it has re-read and replaced the catalogue would let
    // another computer's save in between, and one of the two titles would be lost. The test
    // holds the change inside its read (the catalogue is a pipe the test fills only when
    // asked) and asks another program whether it could start a change at that moment.
    void aChangeHoldsTheLockUntilTheCatalogueIsReplaced()
    {
        QFETCH(bool, deleting);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QByteArray pipePath = QFile::encodeName(m_path);
        QCOMPARE(::mkfifo(pipePath.constData(), 0600), 0);
        QString failure;
        std::thread change([&] {
            failure = failureOf([&] {
                if (deleting)
                    delworksheet(m_path, QStringLiteral("Tides"), *m_list);
                else
                    trackworksheets(m_path, QStringLiteral("Rivers"), *m_list);
            });
        });
        // Opening the pipe's other end succeeds once the change has opened it to read.
        int fd = -1;
        const bool reading = QTest::qWaitFor(
            [&] { return (fd = ::open(pipePath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0; }, 10000);
        QProcess other;
        other.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        other.start(QStringLiteral(BS_CATALOGUE_HELPER), {QStringLiteral("locked"), m_path});
        const bool asked = other.waitForFinished(30000);
        if (!reading) // an end for the change to read when it gets there
            fd = ::open(pipePath.constData(), O_RDWR | O_CLOEXEC);
        ::fcntl(fd, F_SETFL, 0);
        const bool fed = ::write(fd, before.constData(), size_t(before.size())) == before.size();
        ::close(fd);
        change.join();
        QVERIFY2(reading, "the change never read the catalogue");
        QVERIFY(asked && fed);
        QVERIFY2(other.exitStatus() == QProcess::NormalExit && other.exitCode() == 0,
                 "another program could change the catalogue while a change was reading it");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(test::readBytes(m_path), after);
        QCOMPARE(test::entriesOf(m_dir->path()), QStringList{"track.txt"});
    }

    void othersAddingAtOnceLoseNothing_data()
    {
        QTest::addColumn<int>("programs"); // each adding "P<p>-1" to "P<p>-15"
        QTest::addColumn<int>("deleted");  // titles "D1" ... deleted here meanwhile
        QTest::newRow("several programs adding") << 4 << 0;
        QTest::newRow("deleting while others add") << 2 << 30;
    }

    // Deleting re-reads and replaces the catalogue under the same lock as adding.
    void othersAddingAtOnceLoseNothing()
    {
        QFETCH(int, programs);
        QFETCH(int, deleted);
        const QStringList deletedTitles = test::numberedTitles(deleted, QStringLiteral("D"));
        QVERIFY(test::writeBytes(m_path, catalogueBytes(deletedTitles)));
        QStringList expected;
        std::vector<std::unique_ptr<QProcess>> helpers;
        for (int p = 0; p < programs; ++p) {
            for (int i = 1; i <= 15; ++i)
                expected << QStringLiteral("P%1-%2").arg(p).arg(i);
            auto& helper = helpers.emplace_back(std::make_unique<QProcess>());
            helper->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            helper->start(
                QStringLiteral(BS_CATALOGUE_HELPER),
                {QStringLiteral("add"), m_path, QStringLiteral("P%1-").arg(p), QStringLiteral("15")});
        }
        for (const QString& title : deletedTitles) {
            readCatalogue(m_path, *m_list);
            delworksheet(m_path, title, *m_list);
        }
        for (auto& helper : helpers)
            QVERIFY(helper->waitForFinished(120000) && helper->exitStatus() == QProcess::NormalExit &&
                    helper->exitCode() == 0);
        readCatalogue(m_path, *m_list);
        QStringList titles = titlesOf(*m_list);
        titles.sort();
        expected.sort();
        QCOMPARE(titles, expected);
        QCOMPARE(test::entriesOf(m_dir->path()), QStringList{"track.txt"});
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<CatalogueList> m_list;
};

QTEST_GUILESS_MAIN(TestWorksheetData)
#include "test_worksheetdata.moc"
