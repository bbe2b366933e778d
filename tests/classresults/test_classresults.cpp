// The class results, driven as a teacher does (clicks, keys, the dialogs' answers) over records
// written into the test program's results folder, and checked by what the teacher sees and by
// the files written.
#include "base/Names.h"
#include "classresults/ClassLists.h"
#include "classresults/ClassResults.h"
#include "classresults/ClassResultsOpeners.h"
#include "results/ClassSettings.h"
#include "results/RecordsFolder.h"
#include "support/TestProgram.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace bs;

namespace {

ResultRecord record(const char* pupil, const char* inClass, QDate day, int score, int outof,
                    QList<WrongAnswer> wrong = {}, const char* activity = "quiz")
{
    ResultRecord r;
    r.when = QDateTime(day, QTime(10, 0));
    r.computer = QStringLiteral("room2-pc1");
    r.pupil = QString::fromUtf8(pupil);
    r.pupilClass = QString::fromUtf8(inClass);
    r.place = QStringLiteral("Llandudno");
    r.topic = QStringLiteral("History");
    r.activity = QString::fromUtf8(activity);
    r.score = score;
    r.outof = outof;
    r.wrong = wrong;
    return r;
}

const QString saint = QStringLiteral("Which saint gave the town its name?");

QList<ResultRecord> sampleRecords()
{
    ResultRecord worksheet = record("Bethan \u0174yn", "Class 5", QDate(2026, 10, 2), 6, 10, {{2, saint}});
    worksheet.source = ResultRecord::Source::Worksheet;
    worksheet.title = QStringLiteral("Rivers, and \"Seas\"");
    return {record("Aled", "Class 5", QDate(2026, 10, 1), 8, 10, {{2, saint}, {5, QStringLiteral("Which hill?")}}),
            record("Aled", "Class 5", QDate(2026, 10, 3), 10, 10), worksheet,
            record("Car\u00E9s", "Class 6", QDate(2026, 11, 5), 8, 8, {}, "labelling"),
            record("=SUM(A1)", "Class 6", QDate(2026, 11, 6), 3, 6, {}, "ordering")};
}

} // namespace

class TestClassResults : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;
    QString m_folder;

    ClassResults& open()
    {
        openClassResults(m_test->program());
        return m_test->screens().get<ClassResults>(screenName::classResults);
    }
    static void choose(QComboBox* box, const QString& text)
    {
        box->setCurrentIndex(text.isEmpty() ? 0 : box->findText(text));
    }
    int remaining() const { return int(readRecordsFolder(m_folder).records.size()); }

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_folder = m_test->contentRoot() + QStringLiteral("/results");
        for (const ResultRecord& r : sampleRecords())
            appendRecord(m_folder, r);
    }
    void cleanup()
    {
        m_test.reset();
        TestProgram::flushDeletes();
    }

    void viewsFiltered_data()
    {
        QTest::addColumn<QString>("inClass");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("pupils");
        QTest::addColumn<int>("records");
        QTest::newRow("all") << "" << QDate(2026, 9, 1) << QDate(2026, 12, 31) << 4 << 5;
        QTest::newRow("class 5") << "Class 5" << QDate(2026, 9, 1) << QDate(2026, 12, 31) << 2 << 3;
        QTest::newRow("class 6 from the 6th") << "Class 6" << QDate(2026, 11, 6) << QDate(2026, 12, 31) << 1 << 1;
        QTest::newRow("two days") << "" << QDate(2026, 10, 2) << QDate(2026, 10, 3) << 2 << 2;
    }
    void viewsFiltered()
    {
        QFETCH(QString, inClass);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, pupils);
        QFETCH(int, records);
        ClassResults& screen = open();
        QCOMPARE(screen.model().rowCount(), 4); // by pupil, every record at first
        choose(screen.Combo1, inClass);
        screen.Date1->setDate(from);
        screen.Date2->setDate(to);
        QCOMPARE(screen.model().rowCount(), pupils);
        clickOption(screen.Option2);
        QCOMPARE(screen.model().rowCount(), records);
        // Latest first.
        const auto& shown = screen.model().records();
        for (std::size_t row = 1; row < shown.size(); ++row)
            QVERIFY(shown[row - 1]->when >= shown[row]->when);
    }

    // Enter on a pupil's row shows that pupil's records with their wrong answers; the chart
    // names what most pupils got wrong.
    void pupilOpensTheirRecords()
    {
        ClassResults& screen = open();
        QTRY_VERIFY(screen.isVisible());
        screen.Table1->setFocus();
        screen.Table1->setCurrentIndex(screen.model().index(2, 0)); // Aled, seen third
        QCOMPARE(screen.model().index(2, 0).data().toString(), QStringLiteral("Aled"));
        QCOMPARE(screen.model().index(2, 3).data().toString(), QStringLiteral("90%"));
        QTest::keyClick(screen.Table1, Qt::Key_Return);
        QVERIFY(screen.Option2->isChecked());
        QCOMPARE(screen.model().rowCount(), 2);
        QCOMPARE(screen.model().index(1, 7).data().toString(), "2. " + saint + "; 5. Which hill?");
        QVERIFY(screen.chartDescription().contains(saint));
        QVERIFY(!screen.Chart1->accessibleName().isEmpty());
        if (const QString folder = qEnvironmentVariable("BS_SCREENSHOTS"); !folder.isEmpty())
            screen.grab().save(folder + QStringLiteral("/classresults-pupil.png"));
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(!m_test->screens().isLoaded(screenName::classResults));
    }

    void spreadsheetReadBack()
    {
        ClassResults& screen = open();
        clickOption(screen.Option2);
        screen.Date1->setDate(QDate(2026, 10, 2));
        const QString path = m_test->contentRoot() + QStringLiteral("/out.csv");
        m_test->dialogs().setNextSpreadsheetName(path);
        clickButton(screen.Label2(2));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 5 + 1); // header, four records, and the last line's end
        QCOMPARE(lines[0], "Time,Pupil,Class,Worked on,Activity,Score,Out of,Wrong answers,Computer");
        QCOMPARE(lines[1], "2026-11-06 10:00,'=SUM(A1),Class 6,Llandudno: History,ordering,3,6,,room2-pc1");
        QCOMPARE(lines[2], QString::fromUtf8("2026-11-05 10:00,Car\u00E9s,Class 6,Llandudno: History,labelling,8,8,,room2-pc1"));
        QCOMPARE(lines[4], QString::fromUtf8("2026-10-02 10:00,Bethan \u0174yn,Class 5,\"Rivers, and \"\"Seas\"\"\",quiz,6,10,") +
                               "2. " + saint + ",room2-pc1");
        QCOMPARE(lines[5], QString());
        QCOMPARE(spreadsheetField(QStringLiteral("a\nb")), QStringLiteral("\"a\nb\""));
        QCOMPARE(spreadsheetField(QStringLiteral("@x")), QStringLiteral("'@x"));
    }

    void deletesAfterAsking_data()
    {
        QTest::addColumn<bool>("pupil"); // the chosen pupil, else before a day
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("left");
        QTest::newRow("pupil, cancelled") << true << false << 5;
        QTest::newRow("pupil") << true << true << 3;
        QTest::newRow("before, cancelled") << false << false << 5;
        QTest::newRow("before") << false << true << 2;
    }
    void deletesAfterAsking()
    {
        QFETCH(bool, pupil);
        QFETCH(bool, ok);
        QFETCH(int, left);
        ClassResults& screen = open();
        m_test->dialogs().answers.push_back(ok);
        if (pupil) {
            choose(screen.Combo2, QStringLiteral("Aled (Class 5)"));
            clickButton(screen.Label2(4));
        } else {
            screen.Date3->setDate(QDate(2026, 10, 4));
            clickButton(screen.Label2(5));
        }
        QCOMPARE(m_test->dialogs().questions.size(), 1);
        QVERIFY(m_test->dialogs().questions[0].endsWith(pupil ? ": 2" : ": 3"));
        QCOMPARE(remaining(), left);
        QCOMPARE(screen.read().records.size(), left);
    }

    void damagedFileNamed()
    {
        QFile damaged(m_folder + QStringLiteral("/2026-10-09_pc9.records"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("BSR1\tnot a record\n");
        damaged.close();
        ClassResults& screen = open();
        QVERIFY(screen.Label3->text().contains(QStringLiteral("2026-10-09_pc9.records")));
        QCOMPARE(screen.model().rowCount(), 4);
    }

    void printsTheTable_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::newRow("printed") << true;
        QTest::newRow("no printer") << false;
    }
    void printsTheTable()
    {
        QFETCH(bool, printer);
        m_test->printer().noPrinter = !printer;
        ClassResults& screen = open();
        choose(screen.Combo1, QStringLiteral("Class 6"));
        clickButton(screen.Label2(3));
        QStringList texts;
        for (const PrintOp& op : m_test->printer().ops)
            texts << op.text;
        QCOMPARE(texts.contains(QStringLiteral("Car\u00E9s")), printer);
        QCOMPARE(texts.contains(QStringLiteral("Aled")), false);
        QCOMPARE(m_test->dialogs().messages.value(0),
                 printer ? "The class results are now printing." : "There was a problem printing to your printer.");
    }

    void classListsWritten()
    {
        clickButton(open().Label2(6));
        auto& lists = m_test->screens().get<ClassLists>(screenName::classLists);
        typeText(lists.Text1, QStringLiteral("Dosbarth Ffion"));
        clickButton(lists.Label2(1));
        typeText(lists.Text1, QStringLiteral("Gw\u0175n"));
        clickButton(lists.Label2(4));
        typeText(lists.Text1, QStringLiteral("Year 6"));
        clickButton(lists.Label2(2)); // renamed
        QCOMPARE(readClassLists(m_folder), (std::vector<ClassList>{{QStringLiteral("Year 6"), {QStringLiteral("Gw\u0175n")}}}));
        QVERIFY(m_test->dialogs().messages.isEmpty());
        QTest::keyClick(&lists, Qt::Key_Escape);
        QCOMPARE(m_test->screens().get<ClassResults>(screenName::classResults).Combo1->findText("Year 6") > 0, true);
    }

    // The switch is on the class results themselves, a Tab stop, and leaves the view as it was.
    void switchWritten()
    {
        ClassResults& screen = open();
        QVERIFY(screen.Label8->text().contains(QStringLiteral("not set")));
        QVERIFY(!screen.Option3->isChecked() && !screen.Option4->isChecked());
        QVERIFY((screen.Option3->focusPolicy() & Qt::TabFocus) && (screen.Option4->focusPolicy() & Qt::TabFocus));
        QVERIFY(!screen.Option3->accessibleName().isEmpty());
        clickOption(screen.Option4);
        QCOMPARE(readResultsSwitch(m_folder), std::optional<bool>(false));
        QVERIFY(screen.Option4->isChecked() && !screen.Option3->isChecked() && screen.Option1->isChecked());
        clickOption(screen.Option3);
        QCOMPARE(readResultsSwitch(m_folder), std::optional<bool>(true));
        QVERIFY(screen.Option3->isChecked() && !screen.Option4->isChecked() && screen.Option1->isChecked());
        QVERIFY(screen.Label8->text().contains(QStringLiteral("every computer keeps")));
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    // A record another computer adds appears when the timer next looks, with the teacher's
    // class, view and row kept; with nothing changed the folder is not read again.
    void recordsFromAnotherComputerAppear_data()
    {
        QTest::addColumn<bool>("byPupil");
        QTest::newRow("by pupil") << true;
        QTest::newRow("by activity") << false;
    }
    void recordsFromAnotherComputerAppear()
    {
        QFETCH(bool, byPupil);
        ClassResults& screen = open();
        QVERIFY(screen.Timer1->isActive());
        choose(screen.Combo1, QStringLiteral("Class 5"));
        clickOption(byPupil ? screen.Option1 : screen.Option2);
        screen.Table1->setCurrentIndex(screen.model().index(1, 0));
        const QString chosen = screen.model().data(screen.model().index(1, 0)).toString();
        const ResultRecord* before = &screen.read().records.front();
        QVERIFY(QMetaObject::invokeMethod(static_cast<QObject*>(screen.Timer1), "timeout"));
        QCOMPARE(&screen.read().records.front(), before); // not read again
        ResultRecord added = record("Dylan", "Class 5", QDate(2026, 10, 4), 9, 10);
        added.computer = QStringLiteral("room2-pc7");
        appendRecord(m_folder, added);
        QVERIFY(QMetaObject::invokeMethod(static_cast<QObject*>(screen.Timer1), "timeout"));
        QCOMPARE(screen.read().records.size(), 6);
        QCOMPARE(screen.Combo1->currentText(), QStringLiteral("Class 5"));
        QCOMPARE(screen.Option1->isChecked(), byPupil);
        QCOMPARE(screen.model().rowCount(), byPupil ? 3 : 4);
        QCOMPARE(screen.model().data(screen.Table1->currentIndex()).toString(), chosen);
    }
};

QTEST_MAIN(TestClassResults)
#include "test_classresults.moc"
