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

#include <QLabel>

using namespace bs;

namespace {

// A sound player that notes, at each cue, which quiz screens are loaded and shown, so the
// order of "Check Score >>" can be seen.
class WitnessSound : public SoundPlayer
{
public:
    void play(const QString& path) override
    {
        Screens& screens = program->screens();
        Screen* welldone = screens.loaded(QStringLiteral("Welldone"));
        log.append(path + QStringLiteral(" quiz:") + (screens.isLoaded(QStringLiteral("multiple")) ? u'1' : u'0') +
                   QStringLiteral(" results:") + (welldone && welldone->isVisible() ? u'1' : u'0'));
    }
    Program* program = nullptr;
    QStringList log;
};

} // namespace

class TestQuiz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgram>(); }
    void cleanup() { m_test.reset(); }

    void opensOnQuestionOne()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        QCOMPARE(quiz.caption(), QStringLiteral("Brellinshore"));
        QCOMPARE(quiz.Label5->text(), QStringLiteral("Brellinshore"));
        QCOMPARE(quiz.Label6->text(), QStringLiteral("Isles of Scilly - History"));
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 1"));
        QCOMPARE(quiz.Label2->text(), QStringLiteral("What happened in year 1?"));
        QCOMPARE(quiz.Option1(3)->text(), QStringLiteral("Answer 1C"));
        QVERIFY(!quiz.Label3(0)->isVisible());
        QCOMPARE(quiz.Label3(1)->caption(), QStringLiteral("Next Question >>"));
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(quiz.Option1(i)->isVisible());
            QVERIFY(!quiz.Option1(i)->isChecked());
        }
        QVERIFY(!quiz.Option1(5)->isVisible());
        QCOMPARE(m_test->state().outof, 10);
        QCOMPARE(m_test->state().score, 0);
    }

    // A pupil's whole quiz: answers[n - 1] is 0 for no answer, else the option clicked.
    void wholeQuiz_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("score");
        QTest::addColumn<QList<int>>("wrongQuestions");

        QList<int> none(10, 0);
        QList<int> allRight;
        for (int n = 1; n <= 10; ++n)
            allRight.append(rightAnswer(n));
        QList<int> three = allRight;
        three[1] = 0;                        // question 2 left unanswered
        three[4] = rightAnswer(5) % 4 + 1;   // question 5 answered wrongly
        three[8] = rightAnswer(9) % 4 + 1;   // question 9 answered wrongly
        QList<int> onlyLast = allRight;
        onlyLast[9] = rightAnswer(10) % 4 + 1;

        QTest::newRow("no answers") << none << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("all right") << allRight << 10 << QList<int>{};
        QTest::newRow("wrong 2, 5 and 9") << three << 7 << QList<int>{2, 5, 9};
        QTest::newRow("wrong 10 only") << onlyLast << 9 << QList<int>{10};
    }
    void wholeQuiz()
    {
        QFETCH(QList<int>, answers);
        QFETCH(int, score);
        QFETCH(QList<int>, wrongQuestions);

        Multiple& quiz = openSampleQuiz(*m_test);
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(quiz.Label4->text(), QStringLiteral("Question %1").arg(n));
            QCOMPARE(quiz.Label3(0)->isVisible(), n > 1);
            QCOMPARE(quiz.Label3(1)->caption(), n == 10 ? QStringLiteral("Check Score >>") : QStringLiteral("Next Question >>"));
            if (answers[n - 1] != 0)
                clickOption(quiz.Option1(answers[n - 1]));
            clickButton(quiz.Label3(1));
        }

        const ProgramState& state = m_test->state();
        Screens& screens = m_test->screens();
        QVERIFY(!screens.isLoaded(QStringLiteral("multiple")));
        QCOMPARE(state.score, score);
        QCOMPARE(state.outof, 10);
        QCOMPARE(state.certtitle, QStringLiteral("Brellinshore"));

        auto& wrong = screens.get<Wrong>(QStringLiteral("Wrong"));
        QVERIFY(!wrong.isVisible());
        QCOMPARE(wrong.Label6->text(), QStringLiteral("Isles of Scilly - History"));
        for (int k = 0; k <= 9; ++k) {
            QLabel* line = wrong.Label2(k);
            if (k < wrongQuestions.size()) {
                const int n = wrongQuestions[k];
                QVERIFY2(shownOn(line), qPrintable(QStringLiteral("line %1").arg(k)));
                QCOMPARE(line->text(), QStringLiteral(" %1. What happened in year %1?").arg(n));
            } else {
                QVERIFY2(!shownOn(line), qPrintable(QStringLiteral("line %1").arg(k)));
            }
        }

        auto& results = screens.get<Welldone>(QStringLiteral("Welldone"));
        QVERIFY(results.isVisible());
        QVERIFY(results.Label3(0)->isVisible());
        QVERIFY(results.Label5->isVisible());
        QVERIFY(!results.Label6->isVisible());
        if (score == 10) {
            QCOMPARE(results.Label1->text(), QStringLiteral("Excellent work. You have scored 10 out of 10."));
            QCOMPARE(results.Label3(0)->caption(), QStringLiteral("Print Certificate"));
            QVERIFY(results.Text1->isVisible());
            QVERIFY(results.Label5->text().isEmpty());
            QTRY_COMPARE(results.focusWidget(), static_cast<QWidget*>(results.Text1));
            QTRY_VERIFY(m_test->sound().played.contains(QStringLiteral("wav\\fanf2.wav")) ||
                        m_test->sound().played.contains(QStringLiteral("wav\\fanf3.wav")));
        } else {
            QCOMPARE(results.Label3(0)->caption(), QStringLiteral("Check Wrong Answers"));
            QCOMPARE(results.Label5->text(),
                     QStringLiteral("Click the button above to check which questions you answered incorrectly."));
            QVERIFY(!results.Text1->isVisible());
            clickButton(results.Label3(0));
            QVERIFY(wrong.isVisible());
            for (int k = 0; k < wrongQuestions.size(); ++k)
                QVERIFY(wrong.Label2(k)->isVisible());
        }
    }

    void noAnswersPlaysNoCelebration()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        for (int n = 1; n <= 10; ++n)
            clickButton(quiz.Label3(1));
        auto& results = m_test->screens().get<Welldone>(QStringLiteral("Welldone"));
        QCOMPARE(results.Label1->text(), QStringLiteral("You have scored 0 out of 10."));
        QTRY_VERIFY(!results.Timer1.isActive() && !results.Timer2.isActive() && !results.Timer3.isActive());
        QCOMPARE(m_test->random().draws, 0);
        for (const QString& cue : m_test->sound().played)
            QVERIFY(cue == QStringLiteral("wav\\click.wav") || cue == QStringLiteral("wav\\typekey.wav"));
    }

    // Coming back shows the question afresh, but the mark already given stays until the
    // pupil leaves it forward again.
    void goingBackOverAnAnsweredQuestion()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        for (int n = 1; n <= 3; ++n)
            clickButton(quiz.Label3(1));
        clickOption(quiz.Option1(rightAnswer(4)));
        QVERIFY(quiz.Option1(rightAnswer(4))->isChecked());
        clickButton(quiz.Label3(1));
        QCOMPARE(m_test->state().mark[4], 1);
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 5"));

        clickButton(quiz.Label3(0));
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 4"));
        QCOMPARE(quiz.Label2->text(), QStringLiteral("What happened in year 4?"));
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!quiz.Option1(i)->isChecked());
        QCOMPARE(m_test->state().mark[4], 1);

        clickButton(quiz.Label3(1));
        QCOMPARE(m_test->state().mark[4], 0);
    }

    void previousFromQuestionTwoHidesItself()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        clickButton(quiz.Label3(1));
        QVERIFY(quiz.Label3(0)->isVisible());
        clickButton(quiz.Label3(0));
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 1"));
        QVERIFY(!quiz.Label3(0)->isVisible());
    }

    void printingOnQuestionTenLeavesTheQuizAsItWas()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        for (int n = 1; n <= 9; ++n) {
            clickOption(quiz.Option1(rightAnswer(n)));
            clickButton(quiz.Label3(1));
        }
        clickOption(quiz.Option1(2));
        clickButton(quiz.Label3(3));
        QCOMPARE(m_test->printer().jobsEnded, 1);
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your worksheet is now printing.")});
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 10"));
        QCOMPARE(quiz.Label3(1)->caption(), QStringLiteral("Check Score >>"));
        QVERIFY(quiz.Option1(2)->isChecked());
        QCOMPARE(m_test->state().questno, 10);
        QCOMPARE(m_test->state().score, 0);
        QVERIFY(m_test->screens().isLoaded(QStringLiteral("multiple")));
    }

    // A damaged worksheet may carry any key: only 1 to 4 can ever score.
    void answerKeyOutsideOneToFour_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("chosen"); // 0: no answer
        QTest::addColumn<int>("mark");
        QTest::newRow("5, no answer") << QStringLiteral("5") << 0 << 0;
        QTest::newRow("5, answer A") << QStringLiteral("5") << 1 << 0;
        QTest::newRow("0, no answer") << QStringLiteral("0") << 0 << 0;
        QTest::newRow("9, answer D") << QStringLiteral("9") << 4 << 0;
        QTest::newRow("-1, answer B") << QStringLiteral("-1") << 2 << 0;
        QTest::newRow("letter, answer C") << QStringLiteral("C") << 3 << 0;
        QTest::newRow("empty, no answer") << QString() << 0 << 0;
        QTest::newRow("4 with a space, answer D") << QStringLiteral(" 4") << 4 << 1;
    }
    void answerKeyOutsideOneToFour()
    {
        QFETCH(QString, key);
        QFETCH(int, chosen);
        QFETCH(int, mark);
        loadSampleWorksheet(m_test->state());
        m_test->state().correct[1] = key;
        openQuiz(m_test->program(), Picture(), QStringLiteral("Brellinshore"));
        Multiple& quiz = m_test->screens().get<Multiple>(QStringLiteral("multiple"));
        if (chosen)
            clickOption(quiz.Option1(chosen));
        clickButton(quiz.Label3(1));
        QCOMPARE(m_test->state().mark[1], mark);
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 2"));
    }

    void exitScoresNothing()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        clickOption(quiz.Option1(rightAnswer(1)));
        clickButton(quiz.Label3(1));
        clickButton(quiz.Label3(2));
        Screens& screens = m_test->screens();
        QVERIFY(!screens.isLoaded(QStringLiteral("multiple")));
        QVERIFY(!screens.isLoaded(QStringLiteral("Welldone")));
        QVERIFY(!screens.isLoaded(QStringLiteral("Wrong")));
        QCOMPARE(m_test->state().score, 0);
        QCOMPARE(m_test->sound().played.last(), QStringLiteral("wav\\click.wav"));
    }

    void reopeningStartsAfresh()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        clickOption(quiz.Option1(rightAnswer(1)));
        clickButton(quiz.Label3(1));
        clickButton(quiz.Label3(2));
        TestProgram::flushDeletes();
        Multiple& again = openSampleQuiz(*m_test);
        QCOMPARE(again.Label4->text(), QStringLiteral("Question 1"));
        QCOMPARE(m_test->state().mark[1], 0);
        QCOMPARE(m_test->state().questno, 1);
    }

    // A results screen left open from an earlier quiz must not show its old score.
    void aSecondResultReplacesAnOpenResultsScreen()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        for (int n = 1; n <= 10; ++n)
            clickButton(quiz.Label3(1));
        TestProgram::flushDeletes();
        Multiple& again = openSampleQuiz(*m_test);
        for (int n = 1; n <= 10; ++n) {
            clickOption(again.Option1(rightAnswer(n)));
            clickButton(again.Label3(1));
        }
        TestProgram::flushDeletes();
        auto& results = m_test->screens().get<Welldone>(QStringLiteral("Welldone"));
        QCOMPARE(results.Label1->text(), QStringLiteral("Excellent work. You have scored 10 out of 10."));
        auto& wrong = m_test->screens().get<Wrong>(QStringLiteral("Wrong"));
        QVERIFY(!shownOn(wrong.Label2(0)));
    }

    void soundsFollowTheSwitch_data()
    {
        QTest::addColumn<int>("soundon");
        QTest::newRow("on") << 1;
        QTest::newRow("off") << 0;
    }
    void soundsFollowTheSwitch()
    {
        QFETCH(int, soundon);
        Multiple& quiz = openSampleQuiz(*m_test);
        m_test->state().soundon = soundon;
        m_test->sound().played.clear();
        clickOption(quiz.Option1(2));
        clickButton(quiz.Label3(1));
        const QStringList expected = soundon == 1
            // The hidden option becoming selected on the next question is a selection too.
            ? QStringList{QStringLiteral("wav\\typekey.wav"), QStringLiteral("wav\\typekey.wav"), QStringLiteral("wav\\click.wav")}
            : QStringList{};
        QCOMPARE(m_test->sound().played, expected);
    }

    void checkScoreClicksAfterTheResultsAppear()
    {
        QTemporaryDir dir;
        Services services = fakeServices();
        auto sound = std::make_unique<WitnessSound>();
        WitnessSound* witness = sound.get();
        services.sound = std::move(sound);
        Program program(dir.path(), std::move(services));
        registerAllScreens(program.screens());
        witness->program = &program;
        loadSampleWorksheet(program.state);
        openQuiz(program, Picture(), QStringLiteral("Brellinshore"));
        Multiple& quiz = program.screens().get<Multiple>(QStringLiteral("multiple"));
        for (int n = 1; n <= 9; ++n)
            clickButton(quiz.Label3(1));
        witness->log.clear();
        clickButton(quiz.Label3(1));
        QCOMPARE(witness->log, QStringList{QStringLiteral("wav\\click.wav quiz:0 results:1")});
        program.screens().closeAll();
    }

    void hoverHighlightsTheButtonUnderThePointer()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        for (int i = 0; i <= 3; ++i)
            QVERIFY(quiz.Label3(i)->isOpaque());
        QTest::mouseMove(&quiz, QPoint(5, 590));
        QTRY_VERIFY(!quiz.Label3(2)->isOpaque());
        for (int i = 0; i <= 3; ++i)
            QVERIFY(!quiz.Label3(i)->isOpaque());
        QTest::mouseMove(quiz.Label3(2), QPoint(10, 10));
        QTRY_VERIFY(quiz.Label3(2)->isOpaque());
        QVERIFY(!quiz.Label3(1)->isOpaque());
        // The question text is no background: the highlight stays.
        QTest::mouseMove(quiz.Label2, QPoint(10, 10));
        QTest::mouseMove(quiz.Label3(2), QPoint(12, 10));
        QVERIFY(quiz.Label3(2)->isOpaque());
    }

    void emptySlotsStillRunTenQuestions()
    {
        m_test->state().soundon = 1;
        openQuiz(m_test->program(), Picture(), QStringLiteral("Brellinshore"));
        Multiple& quiz = m_test->screens().get<Multiple>(QStringLiteral("multiple"));
        QCOMPARE(quiz.Label2->text(), QString());
        for (int n = 1; n <= 10; ++n)
            clickButton(quiz.Label3(1));
        QCOMPARE(m_test->state().score, 0);
        QVERIFY(m_test->screens().isLoaded(QStringLiteral("Welldone")));
    }

private:
    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestQuiz)
#include "test_quiz.moc"
