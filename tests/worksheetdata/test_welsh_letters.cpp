// Worksheet and catalogue files holding Welsh letters that Windows-1252 lacks (ŵ, ŷ, ẁ ...):
// written as UTF-8 after a byte-order mark, read back whole; every other file is written as
// Windows-1252 exactly as before, and old files still read.
#include "support/Fixtures.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include <QTemporaryDir>
#include <QTest>

using namespace bs;

static const QByteArray mark("\xEF\xBB\xBF");

class TestWelshLetters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Where a Welsh letter stands decides the file's form; the texts come back as typed.
    void worksheetRoundTrip_data()
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

    void worksheetRoundTrip()
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

    // Field rules hold in both forms: a mark only at the very start counts, the first field
    // after it loses nothing, commas and quotes split the same.
    void readerFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("UTF-8 after the mark") << QByteArray(mark + "  Dw\xC5\xB7r,x\r\n\"t\xC5\xB5, r\"\r\n\xE2\x82\xAC")
            << QStringList{QStringLiteral("Dw\u0177r"), QStringLiteral("t\u0175, r"), QStringLiteral("\u20AC")};
        QTest::newRow("mark alone") << mark << QStringList{};
        QTest::newRow("broken UTF-8 is replaced, not fatal") << QByteArray(mark + "a\xC5\r\n\xFF" "b\r\n")
            << QStringList{QStringLiteral("a\uFFFD"), QStringLiteral("\uFFFD" "b")};
        QTest::newRow("no mark: Windows-1252") << QByteArray("\xC5\xB7\r\n") << QStringList{QStringLiteral("\u00C5\u00B7")};
        QTest::newRow("mark later in the file is text")
            << QByteArray("a\r\n" + mark + "b\r\n") << QStringList{"a", QStringLiteral("\u00EF\u00BB\u00BF" "b")};
    }

    void readerFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        FieldReader in(bytes);
        for (const QString& expected : fields)
            QCOMPARE(in.readField(), expected);
        QVERIFY(in.atEnd());
    }

    // The catalogue turns UTF-8 when a Welsh title joins it and back when the last one leaves.
    void catalogueFollowsItsTitles()
    {
        QTemporaryDir dir;
        const QString track = dir.filePath(QStringLiteral("track.txt"));
        QVERIFY(test::writeBytes(track, test::catalogueFile({"Tides"})));
        CatalogueList list;
        trackworksheets(track, QStringLiteral("Rivers, Seas"), list);
        QCOMPARE(test::readBytes(track), QByteArray(" 2\r\nTides\r\n\"Rivers, Seas\"\r\n"));

        const QString welsh = QStringLiteral("Y Tyw\u0177dd, a'r D\u0175r");
        trackworksheets(track, welsh, list);
        QCOMPARE(test::readBytes(track), QByteArray(mark + " 3\r\nTides\r\n\"Rivers, Seas\"\r\n\"Y Tyw\xC5\xB7"
                                            "dd, a'r D\xC5\xB5r\"\r\n"));
        // Read back by the catalogue screen in the Welsh program test.

        delworksheet(track, welsh, list);
        QCOMPARE(test::readBytes(track), QByteArray(" 2\r\nTides\r\n\"Rivers, Seas\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestWelshLetters)
#include "test_welsh_letters.moc"
