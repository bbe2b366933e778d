// The one reading rule for every line of the program's text files, and their code page.
#include "base/Cp1252.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"

#include "support/Fixtures.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace bs;

class TestFieldReader : public QObject
{
    Q_OBJECT

private slots:
    void readsOneFieldPerLine_data();
    void readsOneFieldPerLine();
    void emptyFileIsPastEnd();
    void everyByteSurvivesDecodeAndEncode();
    void codePageCharacters_data();
    void codePageCharacters();
    void charactersWithoutAByte_data();
    void charactersWithoutAByte();
    void fromFileReadsTheFile();
    void fromFileRefusesWhatIsNoFile_data();
    void fromFileRefusesWhatIsNoFile();
    void fromDevice();
};

void TestFieldReader::readsOneFieldPerLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("CR LF") << QByteArray("abc\r\ndef\r\n") << QStringList{"abc", "def"};
    QTest::newRow("LF only") << QByteArray("abc\ndef\n") << QStringList{"abc", "def"};
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("last line without line end") << QByteArray("abc\r\ndef") << QStringList{"abc", "def"};
    QTest::newRow("leading spaces skipped") << QByteArray("   abc\r\n") << QStringList{"abc"};
    QTest::newRow("trailing spaces kept") << QByteArray("abc  \r\n x y \r\n") << QStringList{"abc  ", "x y "};
    QTest::newRow("empty and blank lines") << QByteArray("\r\n    \r\nz\r\n") << QStringList{"", "", "z"};
    // A comma ends the field; the rest of the line must not become the next field.
    QTest::newRow("comma ends field, rest of line passed over")
        << QByteArray("a,b,c\r\nd\r\n") << QStringList{"a", "d"};
    QTest::newRow("comma at start") << QByteArray(",b\r\nd\r\n") << QStringList{"", "d"};
    QTest::newRow("quoted field keeps comma") << QByteArray("\"Rivers, Seas\"\r\nx\r\n")
                                              << QStringList{"Rivers, Seas", "x"};
    QTest::newRow("quoted field keeps leading spaces") << QByteArray("  \"  in\"\r\n") << QStringList{"  in"};
    QTest::newRow("text after closing quote passed over")
        << QByteArray("\"Quoted\" she said, twice\r\nnext\r\n") << QStringList{"Quoted", "next"};
    // An unclosed quote must not swallow the following lines.
    QTest::newRow("unclosed quote ends at line end")
        << QByteArray("\"no closing\r\nnext\r\n") << QStringList{"no closing", "next"};
    QTest::newRow("empty quotes") << QByteArray("\"\"\r\n") << QStringList{""};
    QTest::newRow("quote inside unquoted field") << QByteArray("say \"hi\"\r\n") << QStringList{"say \"hi\""};
    QTest::newRow("lone CR stays in the field") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
    QTest::newRow("tab is not a space") << QByteArray("\tx\r\n") << QStringList{"\tx"};
    QTest::newRow("Windows-1252") << QByteArray("\x92\x80 caf\xE9\r\n")
                                  << QStringList{QStringLiteral("\u2019\u20AC caf\u00E9")};
    QTest::newRow("count line with blanks") << QByteArray(" 3 \r\n") << QStringList{"3 "};
}

void TestFieldReader::readsOneFieldPerLine()
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

void TestFieldReader::emptyFileIsPastEnd()
{
    FieldReader in{QByteArray()};
    QVERIFY(in.atEnd());
    QVERIFY_THROWS_EXCEPTION(DataError, in.readField());
}

void TestFieldReader::everyByteSurvivesDecodeAndEncode()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(cp1252::canEncode(text));
    QCOMPARE(cp1252::encode(text), all);
}

void TestFieldReader::codePageCharacters_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");

    QTest::newRow("A") << 0x41 << 0x41;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("right single quote") << 0x92 << 0x2019;
    QTest::newRow("left double quote") << 0x93 << 0x201C;
    QTest::newRow("en dash") << 0x96 << 0x2013;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("Y diaeresis") << 0x9F << 0x178;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
    QTest::newRow("pound") << 0xA3 << 0xA3;
    QTest::newRow("e acute") << 0xE9 << 0xE9;
    QTest::newRow("undefined 0x81") << 0x81 << 0x81;
    QTest::newRow("undefined 0x8D") << 0x8D << 0x8D;
    QTest::newRow("undefined 0x8F") << 0x8F << 0x8F;
    QTest::newRow("undefined 0x90") << 0x90 << 0x90;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x9D;
}

void TestFieldReader::codePageCharacters()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);

    QCOMPARE(cp1252::decode(QByteArray(1, char(byte))), QString(QChar(codePoint)));
    QCOMPARE(cp1252::byteFor(char16_t(codePoint)), byte);
}

void TestFieldReader::charactersWithoutAByte_data()
{
    QTest::addColumn<QString>("text");

    // U+0080 must not take the euro's byte.
    QTest::newRow("C1 control 0x80") << QString(QChar(0x80));
    QTest::newRow("L with stroke") << QStringLiteral("\u0141");
    QTest::newRow("Greek") << QStringLiteral("\u03A9");
    QTest::newRow("emoji") << QStringLiteral("\U0001F600");
}

void TestFieldReader::charactersWithoutAByte()
{
    QFETCH(QString, text);

    QVERIFY(!cp1252::canEncode(text));
    QCOMPARE(cp1252::encode(QStringLiteral("x") + text), QByteArray("x") + QByteArray(text.size(), '?'));
}

void TestFieldReader::fromFileReadsTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file.txt"));
    QVERIFY(test::writeBytes(path, QByteArray(" 2\r\nIt\x92s\r\n")));

    FieldReader in = FieldReader::fromFile(path);
    QCOMPARE(in.readField(), QStringLiteral("2"));
    QCOMPARE(in.readField(), QStringLiteral("It\u2019s"));
    QVERIFY(in.atEnd());
}

void TestFieldReader::fromFileRefusesWhatIsNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << QStringLiteral("missing.txt");
    QTest::newRow("a folder") << QStringLiteral("folder.txt");
}

void TestFieldReader::fromFileRefusesWhatIsNoFile()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
    QVERIFY_THROWS_EXCEPTION(DataError, FieldReader::fromFile(dir.filePath(name)));
}

void TestFieldReader::fromDevice()
{
    QBuffer closed;
    QVERIFY_THROWS_EXCEPTION(DataError, FieldReader::fromDevice(closed));

    QByteArray bytes("first\r\nsecond\r\n");
    QBuffer open(&bytes);
    QVERIFY(open.open(QIODevice::ReadOnly));
    FieldReader in = FieldReader::fromDevice(open);
    QCOMPARE(in.readField(), QStringLiteral("first"));
    QCOMPARE(in.readField(), QStringLiteral("second"));

    // A huge file is not one of the program's own: refused rather than read into memory.
    QByteArray huge(FieldReader::MaxFileSize + 1, 'x');
    QBuffer hugeBuffer(&huge);
    QVERIFY(hugeBuffer.open(QIODevice::ReadOnly));
    QVERIFY_THROWS_EXCEPTION(DataError, FieldReader::fromDevice(hugeBuffer));
}

QTEST_GUILESS_MAIN(TestFieldReader)
#include "test_fieldreader.moc"
