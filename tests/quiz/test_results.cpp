#include "app/ScreenCatalog.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "platform/fakes/FakeServices.h"
#include "quiz/Multiple.h"
#include "quiz/QuizOpeners.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "support/TestProgram.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "quiz/Celebration.h"

#include <QLabel>

using namespace bs;

namespace {

// A printer whose job breaks with something other than a printer error.
class BrokenPrinter : public Printer
{
public:
    std::unique_ptr<PrintJob> startJob() override { throw std::runtime_error("out of resources"); }
};

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgram>(); }
    void cleanup() { m_test.reset(); }

    // The four layouts: a quiz also hides Label6 and shows Label5 and Label3(0) after the
    // load event, as its scoring does; an activity only sets score and outof.
    void layouts_data()
    {
        QTest::addColumn<bool>("quiz");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outof");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("firstButton"); // empty: not shown
        QTest::addColumn<QString>("hint");        // Label5 when shown, else empty
        QTest::addColumn<bool>("advice");         // "Read the Key Facts and try again."
        QTest::addColumn<bool>("nameBox");

        const QString check = QStringLiteral("Check Wrong Answers");
        const QString print = QStringLiteral("Print Certificate");
        const QString hint = QStringLiteral("Click the button above to check which questions you answered incorrectly.");
        QTest::newRow("quiz 10 of 10") << true << 10 << 10 << QStringLiteral("Excellent work. You have scored 10 out of 10.")
                                       << print << QString() << false << true;
        QTest::newRow("quiz 9 of 10") << true << 9 << 10 << QStringLiteral("Good work. You have scored 9 out of 10.") << check
                                      << hint << false << false;
        QTest::newRow("quiz 8 of 10") << true << 8 << 10 << QStringLiteral("Good work. You have scored 8 out of 10.") << check
                                      << hint << false << false;
        QTest::newRow("quiz 7 of 10") << true << 7 << 10 << QStringLiteral("You have scored 7 out of 10.") << check << hint
                                      << false << false;
        QTest::newRow("quiz 0 of 10") << true << 0 << 10 << QStringLiteral("You have scored 0 out of 10.") << check << hint
                                      << false << false;
        QTest::newRow("activity 6 of 6") << false << 6 << 6 << QStringLiteral("Excellent work. You have scored 6 out of 6.")
                                         << print << QString() << false << true;
        QTest::newRow("activity 4 of 6") << false << 4 << 6 << QStringLiteral("Good work. You have scored 4 out of 6.")
                                         << QString() << QString() << true << false;
        QTest::newRow("activity 1 of 6") << false << 1 << 6 << QStringLiteral("You have scored 1 out of 6.") << QString()
                                         << QString() << true << false;
        QTest::newRow("activity above full marks")
            << false << 7 << 6 << QStringLiteral("Excellent work you have completed this task successfully") << QString()
            << QString() << true << false;
    }
    void layouts()
    {
        QFETCH(bool, quiz);
        QFETCH(int, score);
        QFETCH(int, outof);
        QFETCH(QString, message);
        QFETCH(QString, firstButton);
        QFETCH(QString, hint);
        QFETCH(bool, advice);
        QFETCH(bool, nameBox);

        m_test->state().score = score;
        m_test->state().outof = outof;
        Screens& screens = m_test->screens();
        auto& results = screens.get<Welldone>(QStringLiteral("Welldone"));
        if (quiz) {
            results.Label6->hide();
            results.Label5->show();
            results.Label3(0)->show();
        }
        screens.show(QStringLiteral("Welldone"));
        QVERIFY(QTest::qWaitForWindowExposed(&results));

        QCOMPARE(results.caption(), QStringLiteral("Brellinshore"));
        QVERIFY(results.Label4->isVisible());
        QCOMPARE(results.Label4->text(), QStringLiteral("Well Done!"));
        QCOMPARE(results.Label1->text(), message);
        QCOMPARE(results.Label3(0)->isVisible(), !firstButton.isEmpty());
        if (!firstButton.isEmpty())
            QCOMPARE(results.Label3(0)->caption(), firstButton);
        QCOMPARE(results.Label5->isVisible() && !results.Label5->text().isEmpty(), !hint.isEmpty());
        if (!hint.isEmpty())
            QCOMPARE(results.Label5->text(), hint);
        QCOMPARE(results.Label6->isVisible(), advice);
        QCOMPARE(results.Text1->isVisible(), nameBox);
        QCOMPARE(results.Label2->isVisible(), nameBox);
        QVERIFY(results.Label3(1)->isVisible());
        QCOMPARE(results.Label3(1)->caption(), QStringLiteral("Exit"));
    }

    // Picture, focus and celebration come one tick after another, each once.
    void timersRunInOrder()
    {
        writeResultPicture(*m_test);
        m_test->state().soundon = 1;
        m_test->state().score = 10;
        m_test->state().outof = 10;
        m_test->random().values = {0.75};
        m_test->screens().show(QStringLiteral("Welldone"));
        auto& results = m_test->screens().get<Welldone>(QStringLiteral("Welldone"));
        results.Label3(0)->setOpaque(false);
        QVERIFY(results.Timer1.isActive());
        QVERIFY(!results.Timer2.isActive() && !results.Timer3.isActive());
        QVERIFY(results.Picture1->picture().isNull());

        results.Timer1_Timer();
        QVERIFY(!results.Picture1->picture().isNull());
        QVERIFY(!results.Timer1.isActive() && results.Timer2.isActive());
        QVERIFY(results.focusWidget() != results.Text1);

        results.Timer2_Timer();
        QCOMPARE(results.focusWidget(), static_cast<QWidget*>(results.Text1));
        QVERIFY(results.Label3(0)->isOpaque());
        QVERIFY(!results.Timer2.isActive() && results.Timer3.isActive());
        QVERIFY(m_test->sound().played.isEmpty());

        results.Timer3_Timer();
        QVERIFY(!results.Timer3.isActive());
        QCOMPARE(m_test->sound().played, QStringList{QStringLiteral("wav\\fanf3.wav")});
        QCOMPARE(m_test->random().draws, 1);
    }

    void missingPictureLeavesTheBoxEmpty()
    {
        m_test->state().score = 3;
        m_test->state().outof = 10;
        m_test->screens().show(QStringLiteral("Welldone"));
        auto& results = m_test->screens().get<Welldone>(QStringLiteral("Welldone"));
        QTRY_VERIFY(!results.Timer1.isActive() && !results.Timer2.isActive() && !results.Timer3.isActive());
        QVERIFY(results.Picture1->picture().isNull());
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    // Each row of the celebration table, with the random draw chosen.
    void celebration_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("draws");
        auto row = [](int score, double r, const char* sound, int draws) {
            QTest::addRow("%d, r=%.3f", score, r) << score << r << QString::fromLatin1(sound) << draws;
        };
        row(12, 0.9, "wav\\halleluj.wav", 0);
        row(11, 0.0, "wav\\fanf4.wav", 1);
        row(11, 0.5, "wav\\slot_payoff.wav", 1);
        row(10, 0.499, "wav\\fanf2.wav", 1);
        row(10, 0.999, "wav\\fanf3.wav", 1);
        row(9, 0.0, "wav\\crowd.wav", 1);
        row(9, 0.34, "wav\\cheer2.wav", 1);
        row(9, 0.67, "wav\\klaxon.wav", 1);
        row(8, 0.2, "wav\\flute.wav", 1);
        row(8, 0.5, "wav\\gong.wav", 1);
        row(8, 0.9, "wav\\clap2.wav", 1);
        row(7, 0.333, "wav\\drumroll.wav", 1);
        row(7, 0.334, "wav\\laser2.wav", 1);
        row(7, 0.7, "wav\\whizz.wav", 1);
        row(6, 0.1, "wav\\clap3.wav", 1);
        row(6, 0.6, "wav\\clown.wav", 1);
        row(5, 0.6, "", 0);
        row(0, 0.6, "", 0);
        row(13, 0.6, "", 0);
        row(-1, 0.6, "", 0);
    }
    void celebration()
    {
        QFETCH(int, score);
        QFETCH(double, r);
        QFETCH(QString, sound);
        QFETCH(int, draws);
        FakeRandom random;
        random.values = {r};
        QCOMPARE(celebrationSound(score, random), sound);
        QCOMPARE(random.draws, draws);
    }

    // A source that strays outside [0, 1) still picks one of the row's cues.
    void celebrationWithAStrayDraw_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("sound");
        QTest::newRow("1.0") << 1.0 << QStringLiteral("wav\\whizz.wav");
        QTest::newRow("negative") << -0.2 << QStringLiteral("wav\\drumroll.wav");
        QTest::newRow("NaN") << std::nan("") << QStringLiteral("wav\\drumroll.wav");
    }
    void celebrationWithAStrayDraw()
    {
        QFETCH(double, r);
        QFETCH(QString, sound);
        FakeRandom random;
        random.values = {r};
        QCOMPARE(celebrationSound(7, random), sound);
    }

    // Full marks of an activity celebrate by the score alone.
    void screenCelebratesByScoreAlone_data()
    {
        QTest::addColumn<int>("soundon");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outof");
        QTest::addColumn<QStringList>("played");
        QTest::addColumn<int>("draws");
        QTest::newRow("activity 6 of 6") << 1 << 6 << 6 << QStringList{QStringLiteral("wav\\clown.wav")} << 1;
        QTest::newRow("activity 4 of 6") << 1 << 4 << 6 << QStringList{} << 0;
        QTest::newRow("quiz 7 of 10") << 1 << 7 << 10 << QStringList{QStringLiteral("wav\\laser2.wav")} << 1;
        QTest::newRow("quiz 10 of 10, sound off") << 0 << 10 << 10 << QStringList{} << 0;
        QTest::newRow("quiz 7 of 10, sound unset") << 0 << 7 << 10 << QStringList{} << 0;
    }
    void screenCelebratesByScoreAlone()
    {
        QFETCH(int, soundon);
        QFETCH(int, score);
        QFETCH(int, outof);
        QFETCH(QStringList, played);
        QFETCH(int, draws);
        m_test->state().soundon = soundon;
        m_test->state().score = score;
        m_test->state().outof = outof;
        m_test->random().values = {0.5};
        m_test->screens().show(QStringLiteral("Welldone"));
        auto& results = m_test->screens().get<Welldone>(QStringLiteral("Welldone"));
        QTRY_VERIFY(!results.Timer1.isActive() && !results.Timer2.isActive() && !results.Timer3.isActive());
        QCOMPARE(m_test->sound().played, played);
        QCOMPARE(m_test->random().draws, draws);
    }

    void exitClosesBothScreens_data()
    {
        QTest::addColumn<bool>("fromWrong");
        QTest::addColumn<QStringList>("played");
        QTest::newRow("results screen's Exit")
            << false << QStringList{QStringLiteral("wav\\click.wav"), QStringLiteral("wav\\click.wav")};
        QTest::newRow("wrong answers' Exit") << true << QStringList{QStringLiteral("wav\\click.wav")};
    }
    void exitClosesBothScreens()
    {
        QFETCH(bool, fromWrong);
        QFETCH(QStringList, played);
        Multiple& quiz = openSampleQuiz(*m_test);
        for (int n = 1; n <= 10; ++n)
            clickButton(quiz.Label3(1));
        Screens& screens = m_test->screens();
        auto& results = screens.get<Welldone>(QStringLiteral("Welldone"));
        results.unloading(); // no celebration in the way of the clicks counted below
        m_test->sound().played.clear();
        clickButton(results.Label3(0));
        auto& wrong = screens.get<Wrong>(QStringLiteral("Wrong"));
        QVERIFY(wrong.isVisible());
        if (fromWrong)
            clickButton(wrong.Label3(1));
        else
            clickButton(results.Label3(1));
        QVERIFY(!screens.isLoaded(QStringLiteral("Welldone")));
        QVERIFY(!screens.isLoaded(QStringLiteral("Wrong")));
        QCOMPARE(m_test->sound().played, played);
    }

    void wrongAnswersLayOutTenLines()
    {
        auto& wrong = m_test->screens().get<Wrong>(QStringLiteral("Wrong"));
        QCOMPARE(wrong.caption(), QStringLiteral("Brellinshore"));
        QCOMPARE(wrong.Label4->text(), QStringLiteral("You answered the following questions incorrectly."));
        QCOMPARE(wrong.Label5->text(), QStringLiteral("Read the Key Facts and try again."));
        for (int i = 0; i <= 9; ++i) {
            QVERIFY(wrong.Label2(i)->isHidden());
            QCOMPARE(wrong.Label2(i)->y() * 15, 1680 + 600 * i);
        }
    }

    void printCertificateAfterFullMarks()
    {
        m_test->state().score = 6;
        m_test->state().outof = 6;
        m_test->screens().show(QStringLiteral("Welldone"));
        auto& results = m_test->screens().get<Welldone>(QStringLiteral("Welldone"));
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        results.unloading();
        m_test->sound().played.clear();
        QTest::keyClicks(results.Text1, QStringLiteral("Amelia Jane Trevithick-Penhaligon the Third"));
        QCOMPARE(results.Text1->text(), QStringLiteral("Amelia Jane Trevithick-Pe"));
        clickButton(results.Label3(0));
        QCOMPARE(m_test->printer().jobsEnded, 1);
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your certificate is now printing.")});
        QVERIFY(m_test->sound().played.isEmpty());
        QVERIFY(m_test->screens().isLoaded(QStringLiteral("Welldone")));
    }

    void printFailures_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<int>("failAt"); // 1-based; 0 or less counts back from a good run's last
        QTest::newRow("no printer") << true << 1;
        QTest::newRow("first operation") << false << 1;
        QTest::newRow("halfway") << false << 40;
        QTest::newRow("drawing the border") << false << -5;
        QTest::newRow("sending the page") << false << 0;
    }
    void printFailures()
    {
        QFETCH(bool, noPrinter);
        QFETCH(int, failAt);
        m_test->state().score = 10;
        m_test->state().outof = 10;
        auto& results = m_test->screens().get<Welldone>(QStringLiteral("Welldone"));
        FakePrinter& printer = m_test->printer();
        if (failAt <= 0) {
            results.Printpage();
            QVERIFY(printer.ops.last().kind == PrintOp::EndDoc);
            failAt += printer.opCount;
            printer.opCount = 0;
            printer.ops.clear();
            m_test->dialogs().messages.clear();
        }
        printer.noPrinter = noPrinter;
        printer.failAt = failAt;
        clickButton(results.Label3(0));
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("There was a problem printing to your printer.")});
        QVERIFY(printer.ops.isEmpty() || printer.ops.last().kind != PrintOp::EndDoc);
    }

    void anUnexpectedFailureCancelsPrinting()
    {
        QTemporaryDir dir;
        Services services = fakeServices();
        auto dialogs = std::make_unique<FakeDialogs>();
        FakeDialogs* messages = dialogs.get();
        services.dialogs = std::move(dialogs);
        services.printer = std::make_unique<BrokenPrinter>();
        Program program(dir.path(), std::move(services));
        registerAllScreens(program.screens());
        program.state.score = 10;
        program.state.outof = 10;
        auto& results = program.screens().get<Welldone>(QStringLiteral("Welldone"));
        clickButton(results.Label3(0));
        QCOMPARE(messages->messages, QStringList{QStringLiteral("Printing has been cancelled.")});
        program.screens().closeAll();
    }

    void hover()
    {
        m_test->state().score = 10;
        m_test->state().outof = 10;
        m_test->screens().show(QStringLiteral("Welldone"));
        auto& results = m_test->screens().get<Welldone>(QStringLiteral("Welldone"));
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        QTRY_VERIFY(!results.Timer3.isActive() && !results.Timer2.isActive());
        QTest::mouseMove(&results, QPoint(5, 590));
        QTRY_VERIFY(!results.Label3(0)->isOpaque());
        QVERIFY(!results.Label3(1)->isOpaque());
        QTest::mouseMove(results.Label3(0), QPoint(10, 10));
        QTRY_VERIFY(results.Label3(0)->isOpaque());
        QVERIFY(!results.Label3(1)->isOpaque());
    }

private:
    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestResults)
#include "test_results.moc"
