// The worksheet file: its writer byte for byte, the loader, and what survives a save and a
// reload; the titles that cannot name a file; whole-file writes that never leave half a file.
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include "support/Fixtures.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <vector>

using namespace bs;

namespace {

WorksheetText rivers()
{
    WorksheetText w;
    w.title = QStringLiteral("Rivers, Seas & Coasts");
    w.questions[0] = {QStringLiteral("Which river is the longest in Britain?"),
                      {QStringLiteral("Thames"), QStringLiteral("Severn"), QStringLiteral("Trent"),
                       QStringLiteral("Tamar")},
                      2};
    w.questions[1] = {QStringLiteral("Where does the Thames meet the sea?"),
                      {QStringLiteral("The North Sea"), QStringLiteral("The Irish Sea"),
                       QStringLiteral("The English Channel"), QStringLiteral("The Atlantic")},
                      1};
    w.questions[2] = {QStringLiteral("A river\u2019s mouth is at its..."),
                      {QStringLiteral("source"), QStringLiteral("end, where it meets the sea"),
                       QStringLiteral("bend"), QStringLiteral("bank")},
                      2};
    w.questions[3] = {QStringLiteral("  An indented question"),
                      {QStringLiteral("\"Quoted\" answer"), QStringLiteral("\u20AC5"), QStringLiteral("caf\u00E9"),
                       QStringLiteral("x")},
                      3};
    for (int q = 4; q < 10; ++q) {
        const QString n = QString::number(q + 1);
        w.questions[q] = {QStringLiteral("Q") + n, {n + u'a', n + u'b', n + u'c', n + u'd'}, q % 4 + 1};
    }
    return w;
}

// Question n's texts are prefix + "q<n>" and its letters; the right answer depends on first.
WorksheetText numbered(const QString& prefix, bool first)
{
    WorksheetText w;
    w.title = prefix + QStringLiteral("title");
    for (int q = 0; q < 10; ++q) {
        const QString n = prefix + u'q' + QString::number(q + 1);
        w.questions[q] = {n, {n + u'A', n + u'B', n + u'C', n + u'D'}, first ? q % 4 + 1 : 4 - q % 4};
    }
    return w;
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

QuestionBank loaded(const QByteArray& bytes)
{
    QuestionBank bank;
    FieldReader in(bytes);
    loadworksheet(in, bank);
    return bank;
}

QByteArray firstLines(const QByteArray& bytes, int count)
{
    QByteArray kept;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < count && i < lines.size() - 1; ++i)
        kept += lines[i] + '\n';
    return kept;
}

} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT

private slots:
    void writerBytesExactly();
    void writerRefusesTextsItCannotStore_data();
    void writerRefusesTextsItCannotStore();
    void roundTrip_data();
    void roundTrip();
    void loadsTheSampleBack();
    void digitLineWithLeadingSpace();
    void shortOrLongFiles_data();
    void shortOrLongFiles();
    void discardedLinesMayHoldAnything();
    void titleProblem_data();
    void titleProblem();
    void refusedTitleWritesNothing_data();
    void refusedTitleWritesNothing();
    void writesUnderTheTitleAsTyped();
    void replacesTheOldFileWhole();
    void failedWriteLeavesOldFile_data();
    void failedWriteLeavesOldFile();
};

void TestWorksheet::writerBytesExactly()
{
    const QByteArray expected =
        "Rivers& Seas & Coasts\r\n"
        " \r\n"
        "Which river is the longest in Britain?\r\n"
        "Thames\r\nSevern\r\nTrent\r\nTamar\r\n"
        "2\r\n"
        " \r\n"
        "Where does the Thames meet the sea?\r\n"
        "The North Sea\r\nThe Irish Sea\r\nThe English Channel\r\nThe Atlantic\r\n"
        "1\r\n"
        " \r\n"
        "A river\x92s mouth is at its...\r\n"
        "source\r\nend& where it meets the sea\r\nbend\r\nbank\r\n"
        "2\r\n"
        " \r\n"
        "  An indented question\r\n"
        "\"Quoted\" answer\r\n\x80"
        "5\r\ncaf\xE9\r\nx\r\n"
        "3\r\n"
        " \r\n"
        "Q5\r\n5a\r\n5b\r\n5c\r\n5d\r\n1\r\n \r\n"
        "Q6\r\n6a\r\n6b\r\n6c\r\n6d\r\n2\r\n \r\n"
        "Q7\r\n7a\r\n7b\r\n7c\r\n7d\r\n3\r\n \r\n"
        "Q8\r\n8a\r\n8b\r\n8c\r\n8d\r\n4\r\n \r\n"
        "Q9\r\n9a\r\n9b\r\n9c\r\n9d\r\n1\r\n \r\n"
        "Q10\r\n10a\r\n10b\r\n10c\r\n10d\r\n2\r\n \r\n";
    const QByteArray written = worksheetBytes(rivers());
    QCOMPARE(written, expected);
    QCOMPARE(written.count("\r\n"), 72);
}

void TestWorksheet::writerRefusesTextsItCannotStore_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("answer"); // -1: the question's own text
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("correct");

    // A line break would shift every later line of the file.
    QTest::newRow("line break in a question") << 2 << -1 << QStringLiteral("two\nlines") << 1;
    QTest::newRow("carriage return in an answer") << 0 << 3 << QStringLiteral("a\rb") << 1;
    QTest::newRow("character outside Windows-1252") << 9 << 1 << QStringLiteral("\u0141\u00F3d\u017A") << 1;
    QTest::newRow("emoji") << 5 << -1 << QStringLiteral("Sun \U0001F600") << 1;
    QTest::newRow("no tick") << 4 << -1 << QStringLiteral("fine") << 0;
    QTest::newRow("tick out of range") << 4 << -1 << QStringLiteral("fine") << 5;
}

void TestWorksheet::writerRefusesTextsItCannotStore()
{
    QFETCH(int, question);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QFETCH(int, correct);

    WorksheetText w = rivers();
    (answer < 0 ? w.questions[question].text : w.questions[question].answers[answer]) = text;
    w.questions[question].correct = correct;
    const QString problem = worksheetProblem(w);
    QVERIFY(problem.contains(QStringLiteral("Question %1").arg(question + 1)));
    QVERIFY_THROWS_EXCEPTION(DataError, worksheetBytes(w));
}

void TestWorksheet::roundTrip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reloaded");

    QTest::newRow("plain") << QStringLiteral("The river Tamar") << QStringLiteral("The river Tamar");
    QTest::newRow("commas") << QStringLiteral("Rivers, seas, lakes") << QStringLiteral("Rivers, seas, lakes");
    QTest::newRow("ampersand") << QStringLiteral("Fish & chips") << QStringLiteral("Fish , chips");
    QTest::newRow("leading spaces") << QStringLiteral("   indented") << QStringLiteral("indented");
    QTest::newRow("trailing spaces") << QStringLiteral("spaced   ") << QStringLiteral("spaced   ");
    QTest::newRow("double quote first") << QStringLiteral("\"Ahoy\" said the sailor")
                                        << QStringLiteral("Ahoy");
    QTest::newRow("double quote first, comma inside") << QStringLiteral("\"Yes, sir\" he said")
                                                      << QStringLiteral("Yes, sir");
    QTest::newRow("double quote unclosed") << QStringLiteral("\"Ahoy") << QStringLiteral("Ahoy");
    QTest::newRow("double quote later") << QStringLiteral("A \"big\" wave") << QStringLiteral("A \"big\" wave");
    QTest::newRow("Windows-1252") << QStringLiteral("It\u2019s \u20AC5 \u2013 caf\u00E9 \u201Cok\u201D \u2122")
                                  << QStringLiteral("It\u2019s \u20AC5 \u2013 caf\u00E9 \u201Cok\u201D \u2122");
    QTest::newRow("empty") << QString() << QString();
}

void TestWorksheet::roundTrip()
{
    QFETCH(QString, typed);
    QFETCH(QString, reloaded);

    const QuestionBank bank = loaded(worksheetBytes(test::uniformWorksheet(typed, typed)));
    QCOMPARE(bank.worktitle, reloaded);
    for (int n = 1; n <= 10; ++n) {
        QCOMPARE(bank.question[n], reloaded);
        QCOMPARE(bank.answera[n], reloaded);
        QCOMPARE(bank.answerb[n], reloaded);
        QCOMPARE(bank.answerc[n], reloaded);
        QCOMPARE(bank.answerd[n], reloaded);
        QCOMPARE(bank.correct[n], QString::number((n - 1) % 4 + 1));
    }
}

void TestWorksheet::loadsTheSampleBack()
{
    const QuestionBank bank = loaded(worksheetBytes(rivers()));
    QCOMPARE(bank.worktitle, QStringLiteral("Rivers, Seas , Coasts"));
    QCOMPARE(bank.question[1], QStringLiteral("Which river is the longest in Britain?"));
    QCOMPARE(bank.answerb[3], QStringLiteral("end, where it meets the sea"));
    QCOMPARE(bank.question[4], QStringLiteral("An indented question"));
    QCOMPARE(bank.answera[4], QStringLiteral("Quoted"));
    QCOMPARE(bank.answerb[4], QStringLiteral("\u20AC5"));
    QCOMPARE(bank.correct[1], QStringLiteral("2"));
    QCOMPARE(bank.correct[4], QStringLiteral("3"));
    QCOMPARE(bank.answerd[10], QStringLiteral("10d"));
}

void TestWorksheet::digitLineWithLeadingSpace()
{
    QByteArray bytes = worksheetBytes(rivers());
    bytes.replace("Tamar\r\n2\r\n", "Tamar\r\n 3\r\n");
    QCOMPARE(loaded(bytes).correct[1], QStringLiteral("3"));
}

void TestWorksheet::shortOrLongFiles_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QByteArray>("extra");

    for (int lines : {0, 1, 2, 3, 8, 9, 10, 40, 71})
        QTest::addRow("%d lines", lines) << lines << QByteArray();
    QTest::newRow("72 lines") << 72 << QByteArray();
    QTest::newRow("72 lines, last without line end") << 72 << QByteArray("-");
    QTest::newRow("extra lines ignored") << 72 << QByteArray("junk\r\nmore, junk\r\n\"\r\n");
}

// Everything read before a missing line replaces the previous worksheet; the rest stays.
void TestWorksheet::shortOrLongFiles()
{
    QFETCH(int, lines);
    QFETCH(QByteArray, extra);

    QuestionBank bank;
    FieldReader previous(worksheetBytes(numbered(QStringLiteral("old-"), false)));
    loadworksheet(previous, bank);
    bank.question[0] = QStringLiteral("never touched");
    const auto before = entriesInFileOrder(bank);

    const QByteArray full = worksheetBytes(numbered(QStringLiteral("new-"), true));
    QByteArray bytes = firstLines(full, lines);
    if (extra == "-")
        bytes.chop(2);
    else
        bytes += extra;
    const auto after = entriesInFileOrder(loaded(full));

    FieldReader in(bytes);
    if (lines < 72)
        QVERIFY_THROWS_EXCEPTION(DataError, loadworksheet(in, bank));
    else
        loadworksheet(in, bank);

    const auto now = entriesInFileOrder(bank);
    for (int i = 0; i < 72; ++i) {
        if (now[i])
            QCOMPARE(*now[i], i < lines ? *after[i] : *before[i]);
    }
    QCOMPARE(bank.question[0], QStringLiteral("never touched"));
}

void TestWorksheet::discardedLinesMayHoldAnything()
{
    const QByteArray normal = worksheetBytes(rivers());
    QList<QByteArray> lines = normal.split('\n');
    for (int i = 1; i < 72; i += 7)
        lines[i] = "anything at all \"here\r";
    const QuestionBank a = loaded(normal);
    const QuestionBank b = loaded(lines.join('\n'));
    QCOMPARE(entriesInFileOrder(b), entriesInFileOrder(a));
}

void TestWorksheet::titleProblem_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("plain") << QStringLiteral("Rivers") << true;
    QTest::newRow("comma") << QStringLiteral("Rivers, Seas") << true;
    QTest::newRow("ampersand") << QStringLiteral("Fish & Chips") << true;
    QTest::newRow("inner full stop") << QStringLiteral("St. Mary's") << true;
    QTest::newRow("Windows-1252") << QStringLiteral("Caf\u00E9 \u2013 \u20AC5 \u2019s") << true;
    QTest::newRow("starts like a device") << QStringLiteral("Contours") << true;
    QTest::newRow("starts like the catalogue") << QStringLiteral("Tracks") << true;
    QTest::newRow("longest") << QString(MaxTitleLength, u'x') << true;

    QTest::newRow("empty") << QString() << false;
    QTest::newRow("too long") << QString(MaxTitleLength + 1, u'x') << false;
    QTest::newRow("slash") << QStringLiteral("a/b") << false;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
    QTest::newRow("parent folder") << QStringLiteral("../escape") << false;
    QTest::newRow("dot") << QStringLiteral(".") << false;
    QTest::newRow("dot dot") << QStringLiteral("..") << false;
    QTest::newRow("hidden file") << QStringLiteral(".hidden") << false;
    QTest::newRow("colon") << QStringLiteral("Rivers: part 1") << false;
    QTest::newRow("star") << QStringLiteral("a*b") << false;
    QTest::newRow("question mark") << QStringLiteral("Why?") << false;
    QTest::newRow("angle brackets") << QStringLiteral("<b>") << false;
    QTest::newRow("bar") << QStringLiteral("a|b") << false;
    QTest::newRow("double quote") << QStringLiteral("\"Quoted\"") << false;
    QTest::newRow("double quote inside") << QStringLiteral("The \"big\" sea") << false;
    QTest::newRow("tab") << QStringLiteral("a\tb") << false;
    QTest::newRow("line feed") << QStringLiteral("a\nb") << false;
    QTest::newRow("NUL") << QString(QChar(0)) + u'x' << false;
    QTest::newRow("C1 control") << QStringLiteral("a") + QChar(0x81) << false;
    QTest::newRow("leading space") << QStringLiteral(" Rivers") << false;
    QTest::newRow("trailing space") << QStringLiteral("Rivers ") << false;
    QTest::newRow("trailing full stop") << QStringLiteral("Rivers.") << false;
    QTest::newRow("outside Windows-1252") << QStringLiteral("\u0141\u00F3d\u017A") << false;
    QTest::newRow("emoji") << QStringLiteral("Sun \U0001F600") << false;
    QTest::newRow("the catalogue's own name") << QStringLiteral("track") << false;
    QTest::newRow("the catalogue's name in capitals") << QStringLiteral("TRACK") << false;
    QTest::newRow("device") << QStringLiteral("con") << false;
    QTest::newRow("device with a number") << QStringLiteral("Com1") << false;
    QTest::newRow("device with an extension") << QStringLiteral("NUL.backup") << false;
}

void TestWorksheet::titleProblem()
{
    QFETCH(QString, title);
    QFETCH(bool, accepted);
    QCOMPARE(bs::titleProblem(title).isEmpty(), accepted);
}

void TestWorksheet::refusedTitleWritesNothing_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("parent folder") << QStringLiteral("../escape");
    QTest::newRow("absolute") << QStringLiteral("/tmp/escape");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("the catalogue") << QStringLiteral("track");
    QTest::newRow("comma then slash") << QStringLiteral("a,b/c");
    QTest::newRow("empty") << QString();
}

// No title may write outside the folder, over the catalogue, or anything at all.
void TestWorksheet::refusedTitleWritesNothing()
{
    QFETCH(QString, title);

    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("multiple")));
    const QString multiple = root.filePath(QStringLiteral("multiple"));
    const QString catalogue = multiple + QStringLiteral("/track.txt");
    const QByteArray catalogueBefore(" 1\r\nRivers\r\n");
    QVERIFY(test::writeBytes(catalogue, catalogueBefore));

    QVERIFY(!bs::titleProblem(title).isEmpty());
    QVERIFY_THROWS_EXCEPTION(DataError, writeWorksheetFile(multiple, test::uniformWorksheet(title, "t")));
    CatalogueList list;
    QVERIFY_THROWS_EXCEPTION(DataError, trackworksheets(catalogue, title, list));

    QCOMPARE(test::entriesOf(root.path()), QStringList{"multiple"});
    QCOMPARE(test::entriesOf(multiple), QStringList{"track.txt"});
    QCOMPARE(test::readBytes(catalogue), catalogueBefore);
}

void TestWorksheet::writesUnderTheTitleAsTyped()
{
    QTemporaryDir dir;
    const WorksheetText w = rivers();
    writeWorksheetFile(dir.path(), w);
    QCOMPARE(test::entriesOf(dir.path()), QStringList{"Rivers, Seas & Coasts.txt"});
    const QString path = dir.filePath(QStringLiteral("Rivers, Seas & Coasts.txt"));
    QCOMPARE(test::readBytes(path), worksheetBytes(w));

    QuestionBank bank;
    FieldReader in = FieldReader::fromFile(path);
    loadworksheet(in, bank);
    QCOMPARE(bank.worktitle, QStringLiteral("Rivers, Seas , Coasts"));
}

void TestWorksheet::replacesTheOldFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Rivers.txt"));
    QVERIFY(test::writeBytes(path, QByteArray(20000, 'o')));
    const WorksheetText w = test::uniformWorksheet(QStringLiteral("Rivers"), QStringLiteral("new"));
    writeWorksheetFile(dir.path(), w);
    QCOMPARE(test::readBytes(path), worksheetBytes(w));
    QCOMPARE(test::entriesOf(dir.path()), QStringList{"Rivers.txt"});
}

void TestWorksheet::failedWriteLeavesOldFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("disk full part-way") << QStringLiteral("full");
    QTest::newRow("file path is a folder") << QStringLiteral("folder");
    QTest::newRow("folder missing") << QStringLiteral("missing");
}

void TestWorksheet::failedWriteLeavesOldFile()
{
    QFETCH(QString, failure);

    QTemporaryDir root;
    QString dir = root.path();
    const QString path = dir + QStringLiteral("/Rivers.txt");
    const QByteArray old = worksheetBytes(test::uniformWorksheet(QStringLiteral("Rivers"), QStringLiteral("old")));
    const WorksheetText w = test::uniformWorksheet(QStringLiteral("Rivers"), QStringLiteral("a longer new text"));

    if (failure == u"folder") {
        QVERIFY(QDir(dir).mkdir(QStringLiteral("Rivers.txt")));
        QVERIFY_THROWS_EXCEPTION(DataError, writeWorksheetFile(dir, w));
        QVERIFY(QFileInfo(path).isDir());
    } else if (failure == u"missing") {
        QVERIFY_THROWS_EXCEPTION(DataError, writeWorksheetFile(dir + QStringLiteral("/missing"), w));
        QCOMPARE(test::entriesOf(dir), QStringList());
        return;
    } else {
        QVERIFY(test::writeBytes(path, old));
        const test::FileSizeLimit limit(old.size() + 10);
        QVERIFY_THROWS_EXCEPTION(DataError, writeWorksheetFile(dir, w));
        QCOMPARE(test::readBytes(path), old);
    }
    QCOMPARE(test::entriesOf(dir), QStringList{"Rivers.txt"});
}

QTEST_GUILESS_MAIN(TestWorksheet)
#include "test_worksheet.moc"
