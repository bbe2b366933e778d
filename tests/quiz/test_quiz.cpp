// The quiz, its results and the wrong answers, driven as a pupil drives them.
#include "base/Names.h"
#include "quiz/Multiple.h"
#include "quiz/QuizOpeners.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "support/TestProgram.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

using namespace bs;
using Questions = QList<int>;

namespace {

const QString hint = QStringLiteral("Click the button above to check which questions you answered incorrectly.");

// The option a pupil picks for question n: the right one, a wrong one, or none (0).
int chosen(int n, const Questions& wrong, const Questions& blank)
{
    return blank.contains(n) ? 0 : wrong.contains(n) ? rightAnswer(n) % 4 + 1 : rightAnswer(n);
}

} // namespace

class TestQuiz : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    Screens& screens() { return m_test->screens(); }
    Welldone& results() { return screens().get<Welldone>(screenName::results); }
    Wrong& wrongAnswers() { return screens().get<Wrong>(screenName::wrongAnswers); }
    void answerAll(Multiple& quiz, const Questions& wrong = {}, const Questions& blank = {})
    {
        for (int n = quiz.Label4->text().mid(9).toInt(); n <= 10; ++n) {
            if (const int option = chosen(n, wrong, blank))
                clickOption(quiz.Option1(option));
            clickButton(quiz.Label3(1));
        }
    }
    // Waits for the results screen's picture, focus and celebration; returns the sounds played
    // other than clicks and typing.
    QStringList celebrations()
    {
        Welldone& screen = results();
        [&] { QTRY_VERIFY(!screen.Timer1.isActive() && !screen.Timer2.isActive() && !screen.Timer3.isActive()); }();
        QStringList played = m_test->sound().played;
        played.removeAll(cue::click);
        played.removeAll(cue::typeKey);
        return played;
    }

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgram>(); }
    void cleanup() { m_test.reset(); }

    void wholeQuiz_data()
    {
        QTest::addColumn<Questions>("wrong");
        QTest::addColumn<Questions>("blank");
        QTest::addColumn<double>("draw"); // the random number the celebration draws
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("celebration");
        QTest::newRow("10") << Questions{} << Questions{} << 0.75
                            << "Excellent work. You have scored 10 out of 10." << "wav\\fanf3.wav";
        QTest::newRow("9, 10th wrong") << Questions{10} << Questions{} << 0.0
                                       << "Good work. You have scored 9 out of 10." << "wav\\crowd.wav";
        QTest::newRow("8") << Questions{1} << Questions{6} << 0.5 << "Good work. You have scored 8 out of 10."
                           << "wav\\gong.wav";
        QTest::newRow("7") << Questions{5, 9} << Questions{2} << 0.9 << "You have scored 7 out of 10."
                           << "wav\\whizz.wav";
        QTest::newRow("6") << Questions{1, 2} << Questions{3, 4} << 0.1 << "You have scored 6 out of 10."
                           << "wav\\clap3.wav";
        QTest::newRow("5") << Questions{1, 3, 5, 7, 8} << Questions{} << 0.1 << "You have scored 5 out of 10."
                           << "";
        QTest::newRow("none answered, no picture") << Questions{} << Questions{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 0.5
                                                   << "You have scored 0 out of 10." << "";
    }
    void wholeQuiz()
    {
        QFETCH(Questions, wrong);
        QFETCH(Questions, blank);
        QFETCH(double, draw);
        QFETCH(QString, words);
        QFETCH(QString, celebration);
        const bool picture = blank.size() < 10;
        if (picture)
            writeResultPicture(*m_test);
        m_test->random().values = {draw};
        loadSampleWorksheet(m_test->state());
        openQuiz(m_test->program(), Picture(), QStringLiteral("Rivers and Seas"));
        auto& quiz = screens().get<Multiple>(screenName::quiz);
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        QCOMPARE(quiz.Label1->text(), QStringLiteral("Multiple Choice"));
        QCOMPARE(quiz.Label5->text(), QStringLiteral("Rivers and Seas"));
        QCOMPARE(quiz.Label6->text(), QStringLiteral("Isles of Scilly - History"));
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(quiz.Label4->text(), QStringLiteral("Question %1").arg(n));
            QCOMPARE(quiz.Label2->text(), QStringLiteral("What happened in year %1?").arg(n));
            for (int i = 1; i <= 4; ++i) {
                QCOMPARE(quiz.Option1(i)->text(), QStringLiteral("Answer %1").arg(n) + QChar(u'A' + i - 1));
                QVERIFY(quiz.Option1(i)->isVisible() && !quiz.Option1(i)->isChecked());
            }
            QCOMPARE(quiz.Label3(0)->isVisible(), n > 1);
            QCOMPARE(quiz.Label3(1)->caption(), QString(n < 10 ? "Next Question >>" : "Check Score >>"));
            if (const int option = chosen(n, wrong, blank))
                clickOption(quiz.Option1(option));
            m_test->sound().played.clear();
            clickButton(quiz.Label3(1));
            QCOMPARE(m_test->sound().played.count(cue::click), 1);
        }

        const int score = 10 - wrong.size() - blank.size();
        QVERIFY(!screens().isLoaded(screenName::quiz));
        QCOMPARE(m_test->state().score, score);
        Welldone& screen = results();
        QVERIFY(screen.isVisible());
        QCOMPARE(screen.Label4->text(), QStringLiteral("Well Done!"));
        QCOMPARE(screen.Label1->text(), words);
        QCOMPARE(celebrations(), celebration.isEmpty() ? QStringList() : QStringList{celebration});
        QCOMPARE(screen.Picture1->picture().isNull(), !picture);
        QVERIFY(!screen.Label6->isVisible()); // the activities' advice
        QVERIFY(screen.Label3(0)->isVisible() && screen.Label3(1)->isVisible());
        if (score == 10) {
            QCOMPARE(screen.Label3(0)->caption(), QStringLiteral("Print Certificate"));
            QCOMPARE(screen.focusWidget(), static_cast<QWidget*>(screen.Text1));
            QTest::keyClicks(screen.focusWidget(), QStringLiteral("Tom Hicks"));
            clickButton(screen.Label3(0));
            QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your certificate is now printing.")});
            QStringList printed;
            for (const PrintOp& op : m_test->printer().ops)
                printed << op.text;
            for (const char* line : {"Rivers and Seas", "Tom Hicks", "You have scored 10 out of 10."})
                QVERIFY2(printed.contains(QString::fromUtf8(line)), line);
            return;
        }
        QCOMPARE(screen.Label3(0)->caption(), QStringLiteral("Check Wrong Answers"));
        QVERIFY(screen.Label5->isVisible() && !screen.Text1->isVisible());
        QCOMPARE(screen.Label5->text(), hint);
        clickButton(screen.Label3(0));
        Wrong& list = wrongAnswers();
        QVERIFY(list.isVisible());
        QCOMPARE(list.Label6->text(), QStringLiteral("Isles of Scilly - History"));
        QCOMPARE(list.Label4->text(), QStringLiteral("You answered the following questions incorrectly."));
        QCOMPARE(list.Label5->text(), QStringLiteral("Read the Key Facts and try again."));
        Questions missed = wrong + blank;
        std::sort(missed.begin(), missed.end());
        for (int k = 0; k <= 9; ++k) {
            QCOMPARE(list.Label2(k)->isVisible(), k < missed.size());
            if (k < missed.size())
                QCOMPARE(list.Label2(k)->text(), QStringLiteral(" %1. What happened in year %1?").arg(missed[k]));
        }
    }

    // A result left on the screen is replaced, not kept, and a new quiz starts from nothing.
    void aSecondQuizAfterFullMarks()
    {
        answerAll(openSampleQuiz(*m_test));
        TestProgram::flushDeletes();
        answerAll(openSampleQuiz(*m_test), {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        TestProgram::flushDeletes();
        QCOMPARE(results().Label1->text(), QStringLiteral("You have scored 0 out of 10."));
        QCOMPARE(results().Label3(0)->caption(), QStringLiteral("Check Wrong Answers"));
        QCOMPARE(wrongAnswers().Label2(0)->text(), QStringLiteral(" 1. What happened in year 1?"));
        QVERIFY(!results().Text1->isVisible());
    }

    // Going back shows the question afresh; the mark already given stays until the pupil
    // leaves it forward again.
    void previousAndNext()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
        clickButton(quiz.Label3(1));
        clickButton(quiz.Label3(0));
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 1"));
        QVERIFY(!quiz.Label3(0)->isVisible());
        for (int n = 1; n <= 3; ++n)
            clickButton(quiz.Label3(1));
        clickOption(quiz.Option1(rightAnswer(4)));
        clickButton(quiz.Label3(1));
        QCOMPARE(m_test->state().mark[4], 1);
        clickButton(quiz.Label3(0));
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 4"));
        QCOMPARE(quiz.Label2->text(), QStringLiteral("What happened in year 4?"));
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!quiz.Option1(i)->isChecked());
        QCOMPARE(m_test->state().mark[4], 1);
        clickButton(quiz.Label3(1));
        answerAll(quiz, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        QCOMPARE(results().Label1->text(), QStringLiteral("You have scored 0 out of 10."));
    }

    void sounds_data()
    {
        QTest::addColumn<int>("soundon");
        QTest::newRow("on") << 1;
        QTest::newRow("off") << 0;
    }
    void sounds()
    {
        QFETCH(int, soundon);
        Multiple& quiz = openSampleQuiz(*m_test);
        m_test->state().soundon = soundon;
        m_test->sound().played.clear();
        clickOption(quiz.Option1(2));
        clickButton(quiz.Label3(1));
        // The next question's clearing of the answers is a selection too.
        QCOMPARE(m_test->sound().played, soundon ? QStringList({cue::typeKey, cue::typeKey, cue::click}) : QStringList());
        answerAll(quiz);
        QVERIFY(screens().isLoaded(screenName::results));
        if (!soundon)
            QCOMPARE(celebrations(), QStringList());
    }

    // Exit leaves with a click and nothing scored; reopening starts at question 1.
    void exits_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("clicks"); // after the quiz
        QTest::newRow("quiz") << "quiz" << 1;
        QTest::newRow("results") << "results" << 2; // Check Wrong Answers, then Exit
        QTest::newRow("wrong answers") << "wrong answers" << 1;
    }
    void exits()
    {
        QFETCH(QString, from);
        QFETCH(int, clicks);
        Multiple& quiz = openSampleQuiz(*m_test);
        clickOption(quiz.Option1(rightAnswer(1)));
        clickButton(quiz.Label3(1));
        if (from == QLatin1String("quiz")) {
            m_test->sound().played.clear();
            clickButton(quiz.Label3(2));
            QCOMPARE(m_test->state().score, 0);
        } else {
            answerAll(quiz, {2});
            celebrations();
            m_test->sound().played.clear();
            clickButton(results().Label3(0));
            QVERIFY(wrongAnswers().isVisible());
            clickButton(from == QLatin1String("results") ? results().Label3(1) : wrongAnswers().Label3(1));
        }
        for (const QString& name : {screenName::quiz, screenName::results, screenName::wrongAnswers})
            QVERIFY(!screens().isLoaded(name));
        QCOMPARE(m_test->sound().played, QStringList(clicks, cue::click));
        TestProgram::flushDeletes();
        Multiple& again = openSampleQuiz(*m_test);
        QCOMPARE(again.Label4->text(), QStringLiteral("Question 1"));
        QVERIFY(!again.Label3(0)->isVisible());
    }

    // A damaged worksheet may carry any key, or none of its texts: only 1 to 4 ever scores, and
    // the quiz still runs its ten questions.
    void damagedWorksheet_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("option"); // 0: no answer
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("bank"); // false: nothing loaded
        QTest::newRow("5, no answer") << "5" << 0 << 0 << true;
        QTest::newRow("0, answer A") << "0" << 1 << 0 << true;
        QTest::newRow("-1, answer B") << "-1" << 2 << 0 << true;
        QTest::newRow("a letter, answer C") << "C" << 3 << 0 << true;
        QTest::newRow("empty, no answer") << "" << 0 << 0 << true;
        QTest::newRow("4 after a space, answer D") << " 4" << 4 << 1 << true;
        QTest::newRow("an empty bank") << "" << 1 << 0 << false;
    }
    void damagedWorksheet()
    {
        QFETCH(QString, key);
        QFETCH(int, option);
        QFETCH(int, score);
        QFETCH(bool, bank);
        if (bank)
            loadSampleWorksheet(m_test->state());
        m_test->state().correct[1] = key;
        openQuiz(m_test->program(), Picture(), QStringLiteral("Brellinshore"));
        auto& quiz = screens().get<Multiple>(screenName::quiz);
        if (option)
            clickOption(quiz.Option1(option));
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(quiz.Label4->text(), QStringLiteral("Question %1").arg(n));
            clickButton(quiz.Label3(1));
        }
        QCOMPARE(results().Label1->text(), QStringLiteral("You have scored %1 out of 10.").arg(score));
    }
};

QTEST_MAIN(TestQuiz)
#include "test_quiz.moc"
