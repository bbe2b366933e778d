// The quiz, its results, the wrong answers and the printouts, driven as a pupil drives them.
#include "app/ScreenCatalog.h"
#include "base/Names.h"
#include "platform/fakes/FakeServices.h"
#include "quiz/Multiple.h"
#include "quiz/QuizOpeners.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "support/TestProgram.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

using namespace bs;
using Questions = QList<int>;

namespace {

const QColor blue(0, 0, 255), red(255, 0, 0), darkBlue(0, 0, 128), black(0, 0, 0);
constexpr double Centred = -1;
const Questions allTen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

// The option a pupil picks for question n: the right one, a wrong one, or none (0).
int chosen(int n, const Questions& wrong, const Questions& blank)
{
    return blank.contains(n) ? 0 : wrong.contains(n) ? rightAnswer(n) % 4 + 1 : rightAnswer(n);
}

// A printed text as it should be: its line end, x (or Centred), size and colour.
struct Line
{
    QString text;
    bool endLine;
    double x, size;
    QColor color = black;
};

double widthOf(const QString& text, double points)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    return QFontMetricsF(font).horizontalAdvance(text) * 15;
}

void compareTexts(const QList<PrintOp>& ops, const QList<Line>& expected, double W)
{
    QList<PrintOp> texts;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(texts),
                 [](const PrintOp& op) { return op.kind == PrintOp::Text; });
    QCOMPARE(texts.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const PrintOp& op = texts[i];
        const Line& want = expected[i];
        const double x = want.x == Centred ? (W - widthOf(want.text, want.size)) / 2 : want.x;
        const QByteArray where = QByteArray::number(i) + ": " + op.text.toUtf8();
        QCOMPARE(op.text, want.text);
        QVERIFY2(op.endLine == want.endLine && op.fontName == QLatin1String("Times New Roman"),
                 where.constData());
        QVERIFY2(qFuzzyCompare(op.fontSize, want.size) && qAbs(op.at.x() - x) < 0.01, where.constData());
        QVERIFY2(op.color == want.color, where.constData());
    }
    QCOMPARE(ops.last().kind, PrintOp::EndDoc);
}

// A printer whose job breaks with something other than a printer error.
class BrokenPrinter : public Printer
{
public:
    std::unique_ptr<PrintJob> startJob() override { throw std::runtime_error("out of resources"); }
};

} // namespace

class TestQuiz : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    Screens& screens() { return m_test->screens(); }
    Welldone& results() { return screens().get<Welldone>(screenName::results); }
    Wrong& wrongAnswers() { return screens().get<Wrong>(screenName::wrongAnswers); }
    Multiple& open(const QString& heading, const QString& title = QStringLiteral("Isles of Scilly - History"))
    {
        loadSampleWorksheet(m_test->state());
        m_test->state().worktitle = title;
        openQuiz(m_test->program(), Picture(), heading);
        return screens().get<Multiple>(screenName::quiz);
    }
    // Answers from the question shown to the last.
    void answerAll(Multiple& quiz, const Questions& wrong = {}, const Questions& blank = {})
    {
        for (int n = quiz.Label4->text().mid(9).toInt(); n <= 10; ++n) {
            if (const int option = chosen(n, wrong, blank))
                clickOption(quiz.Option1(option));
            clickButton(quiz.Label3(1));
        }
    }
    // Waits for the results screen's picture, focus and celebration.
    void settle()
    {
        Welldone& screen = results();
        QTRY_VERIFY(!screen.Timer1.isActive() && !screen.Timer2.isActive() && !screen.Timer3.isActive());
    }
    Welldone& openCertificate(const QString& heading, int score, int outof)
    {
        const QuizOutcome outcome{heading, QString(), {}};
        openResults(m_test->program(), score, outof, heading.isNull() ? nullptr : &outcome);
        results().unloading(); // no celebration to wait for
        return results();
    }

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgram>(); }
    void cleanup() { m_test.reset(); }

    void wholeQuiz_data()
    {
        QTest::addColumn<Questions>("wrong");
        QTest::addColumn<Questions>("blank");
        QTest::addColumn<int>("soundon");
        QTest::addColumn<double>("draw");    // the random number the celebration draws
        QTest::addColumn<QString>("praise"); // before "You have scored ..."
        QTest::addColumn<QString>("celebration");
        const Questions none;
        QTest::newRow("10") << none << none << 1 << 0.75 << "Excellent work. "
                            << "wav\\fanf3.wav";
        QTest::newRow("10, sound off") << none << none << 0 << 0.75 << "Excellent work. "
                                       << "";
        QTest::newRow("9") << Questions{10} << none << 1 << 0.0 << "Good work. "
                           << "wav\\crowd.wav";
        QTest::newRow("8") << Questions{1} << Questions{6} << 1 << 0.5 << "Good work. "
                           << "wav\\gong.wav";
        QTest::newRow("7") << Questions{5, 9} << Questions{2} << 1 << 0.9 << ""
                           << "wav\\whizz.wav";
        QTest::newRow("6") << Questions{1, 2} << Questions{3, 4} << 1 << 0.1 << ""
                           << "wav\\clap3.wav";
        QTest::newRow("5") << Questions{1, 3, 5, 7, 8} << none << 1 << 0.1 << ""
                           << "";
        QTest::newRow("none answered, no picture") << none << allTen << 1 << 0.5 << ""
                                                   << "";
    }
    void wholeQuiz()
    {
        QFETCH(Questions, wrong);
        QFETCH(Questions, blank);
        QFETCH(int, soundon);
        QFETCH(double, draw);
        QFETCH(QString, praise);
        QFETCH(QString, celebration);
        const bool picture = blank.size() < 10;
        if (picture)
            writeResultPicture(*m_test);
        m_test->random().values = {draw};
        Multiple& quiz = open(QStringLiteral("Rivers and Seas"));
        m_test->state().soundon = soundon;
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
            m_test->sound().played.clear();
            const int option = chosen(n, wrong, blank);
            if (option)
                clickOption(quiz.Option1(option));
            clickButton(quiz.Label3(1));
            // The next question clearing the answer is a selection too.
            QStringList sounds(option ? (n < 10 ? 2 : 1) : 0, cue::typeKey);
            QCOMPARE(m_test->sound().played.mid(0, sounds.size() + 1),
                     soundon ? sounds << cue::click : QStringList());
        }

        const int score = 10 - wrong.size() - blank.size();
        QVERIFY(!screens().isLoaded(screenName::quiz));
        QCOMPARE(m_test->state().score, score);
        Welldone& screen = results();
        QVERIFY(screen.isVisible());
        QCOMPARE(screen.Label4->text(), QStringLiteral("Well Done!"));
        QCOMPARE(screen.Label1->text(), praise + QStringLiteral("You have scored %1 out of 10.").arg(score));
        settle();
        QStringList played = m_test->sound().played;
        played.removeAll(cue::click);
        played.removeAll(cue::typeKey);
        QCOMPARE(played, celebration.isEmpty() ? QStringList() : QStringList{celebration});
        QCOMPARE(screen.Picture1->picture().isNull(), !picture);
        QVERIFY(!screen.Label6->isVisible()); // the activities' advice
        QVERIFY(screen.Label3(0)->isVisible() && screen.Label3(1)->isVisible());
        if (score == 10) {
            QCOMPARE(screen.Label3(0)->caption(), QStringLiteral("Print Certificate"));
            QCOMPARE(screen.focusWidget(), static_cast<QWidget*>(screen.Text1));
            QTest::keyClicks(screen.focusWidget(), QStringLiteral("Tom Hicks"));
            clickButton(screen.Label3(0));
            QCOMPARE(m_test->dialogs().messages,
                     QStringList{QStringLiteral("Your certificate is now printing.")});
            QStringList printed;
            for (const PrintOp& op : m_test->printer().ops)
                printed << op.text;
            for (const char* line : {"Rivers and Seas", "Tom Hicks", "You have scored 10 out of 10."})
                QVERIFY2(printed.contains(QString::fromUtf8(line)), line);
            return;
        }
        QCOMPARE(screen.Label3(0)->caption(), QStringLiteral("Check Wrong Answers"));
        QVERIFY(screen.Label5->isVisible() && !screen.Text1->isVisible());
        QCOMPARE(screen.Label5->text(),
                 QStringLiteral("Click the button above to check which questions you answered incorrectly."));
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
                QCOMPARE(list.Label2(k)->text(),
                         QStringLiteral(" %1. What happened in year %1?").arg(missed[k]));
        }
    }

    void aSecondQuizListsOnlyItsOwnWrongAnswers_data()
    {
        QTest::addColumn<Questions>("firstWrong");
        QTest::addColumn<bool>("closedFromTitleBar");
        QTest::newRow("after full marks") << Questions{} << false;
        QTest::newRow("after wrong answers, the results closed from the title bar") << Questions{1, 2, 3} << true;
    }

    // A result left on the screen is replaced, not kept, and a new quiz starts from nothing:
    // its wrong answers alone are listed, whatever the first quiz left loaded.
    void aSecondQuizListsOnlyItsOwnWrongAnswers()
    {
        QFETCH(Questions, firstWrong);
        QFETCH(bool, closedFromTitleBar);
        answerAll(openSampleQuiz(*m_test), firstWrong);
        TestProgram::flushDeletes();
        if (closedFromTitleBar)
            results().close();
        answerAll(openSampleQuiz(*m_test), {7}, {9});
        TestProgram::flushDeletes();
        QCOMPARE(results().Label1->text(), QStringLiteral("Good work. You have scored 8 out of 10."));
        clickButton(results().Label3(0));
        Wrong& list = wrongAnswers();
        QCOMPARE(list.Label2(0)->text(), QStringLiteral(" 7. What happened in year 7?"));
        QCOMPARE(list.Label2(1)->text(), QStringLiteral(" 9. What happened in year 9?"));
        for (int k = 2; k <= 9; ++k)
            QVERIFY2(!list.Label2(k)->isVisible(), qPrintable(list.Label2(k)->text()));
    }

    // Going back shows the question afresh; the mark already given stays until the pupil
    // leaves it forward again.
    void previousAndNext()
    {
        Multiple& quiz = openSampleQuiz(*m_test);
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
        QCOMPARE(m_test->state().mark[4], 0);
    }

    // Exit leaves with a click and nothing scored; reopening starts at question 1.
    void exits_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("clicks");
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
            settle();
            m_test->sound().played.clear();
            clickButton(results().Label3(0));
            QVERIFY(wrongAnswers().isVisible());
            clickButton(from == QLatin1String("results") ? results().Label3(1) : wrongAnswers().Label3(1));
        }
        for (const QString& name : {screenName::quiz, screenName::results, screenName::wrongAnswers})
            QVERIFY(!screens().isLoaded(name));
        QCOMPARE(m_test->sound().played, QStringList(clicks, cue::click));
        TestProgram::flushDeletes();
        QCOMPARE(openSampleQuiz(*m_test).Label4->text(), QStringLiteral("Question 1"));
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
        answerAll(quiz, {}, allTen);
        QCOMPARE(results().Label1->text(), QStringLiteral("You have scored %1 out of 10.").arg(score));
    }

    // Printed from the last question, with an answer chosen: the quiz goes on as it was.
    void worksheet_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("titled") << "Isles of Scilly - History";
        QTest::newRow("empty title") << "";
    }
    void worksheet()
    {
        QFETCH(QString, title);
        Multiple& quiz = open(QStringLiteral("Brellinshore"), title);
        ProgramState& s = m_test->state();
        s.answerc[3].clear();
        for (int n = 1; n <= 9; ++n)
            clickButton(quiz.Label3(1));
        clickOption(quiz.Option1(2));
        clickButton(quiz.Label3(3));

        const double W = m_test->printer().pageTwips.width();
        const QString header = "Brellinshore" + QString(57, u' ') + "Quenlow Publishing Ltd";
        QList<Line> expected{{" ", true, W / 8, 16},
                             {header, false, W / 16, 16},
                             {" ", true, W / 16 + widthOf(header, 16), 16},
                             {" ", true, 0, 16},
                             {"Brellinshore", true, Centred, 32},
                             {title, true, Centred, 32},
                             {" ", true, 0, 32}};
        for (int n = 1; n <= 10; ++n) {
            expected << Line{QStringLiteral("Question %1    ").arg(n) + s.question[n], true, W / 16, 12}
                     << Line{"A. " + s.answera[n], false, W / 3, 12}
                     << Line{"B. " + s.answerb[n], true, 2 * W / 3, 12}
                     << Line{"C. " + s.answerc[n], false, W / 3, 12}
                     << Line{"D. " + s.answerd[n], true, 2 * W / 3, 12} << Line{" ", true, 0, 12};
        }
        compareTexts(m_test->printer().ops, expected, W);
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your worksheet is now printing.")});
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 10"));
        QVERIFY(quiz.Option1(2)->isChecked());
    }

    // The heading is measured on the results screen, not on the printer, to pick its size.
    void certificate_data()
    {
        QTest::addColumn<QString>("heading"); // null: an activity's, before any quiz
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outof");
        QTest::addColumn<double>("headingSize");
        QTest::newRow("a quiz, a long name") << "Brellinshore"
                                             << "Amelia Jane Trevithick-Penhaligon the Third"
                                             << "Amelia Jane Trevithick-Pe" << 10 << 10 << 36.0;
        QTest::newRow("long heading") << "Geography of the Isles of Scilly for Year Five and Six"
                                      << "Amy"
                                      << "Amy" << 10 << 10 << 28.0;
        QTest::newRow("an activity, no name") << QString() << ""
                                              << "" << 6 << 6 << 36.0;
    }
    void certificate()
    {
        QFETCH(QString, heading);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(int, outof);
        QFETCH(double, headingSize);
        const double W = m_test->printer().pageTwips.width();
        const double H = m_test->printer().pageTwips.height();
        Welldone& screen = openCertificate(heading, score, outof);
        QTest::keyClicks(screen.Text1, typed);
        clickButton(screen.Label3(0));

        const QString twice =
            QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ").repeated(2);
        QList<Line> expected{{" ", true, W / 8, 25, blue},
                             {twice, false, 0, 25, blue},
                             {" ", true, widthOf(twice, 25), 25, blue}};
        auto blanks = [&](int count, double size, QColor color) {
            while (count--)
                expected << Line{" ", true, 0, size, color};
        };
        blanks(2, 25, blue);
        expected << Line{"Brellinshore", true, Centred, 36, red};
        blanks(1, 36, red);
        expected << Line{heading, true, Centred, headingSize, blue}
                 << Line{"", true, W / 2, headingSize, blue};
        blanks(3, 36, blue);
        expected << Line{"Excellent Work", true, Centred, 28, darkBlue};
        blanks(1, 28, darkBlue);
        expected << Line{name, true, Centred, 28, darkBlue} << Line{"", true, W / 2, 28, darkBlue}
                 << Line{QStringLiteral("You have scored %1 out of %2.").arg(score).arg(outof), true, Centred,
                         28, darkBlue};
        blanks(1, 28, darkBlue);
        blanks(2, 36, darkBlue);
        blanks(1, 25, blue);
        expected << Line{twice, false, 0, 25, black};
        const QList<PrintOp>& ops = m_test->printer().ops;
        compareTexts(ops, expected, W);
        QCOMPARE(m_test->dialogs().messages,
                 QStringList{QStringLiteral("Your certificate is now printing.")});

        // The border, after the bottom banner: five outer frames and three inner ones, each
        // drawn top, left, right, bottom, in black at width 2.
        QList<QLineF> frames, drawn;
        auto frame = [&](double l, double t, double r, double b) {
            frames << QLineF(l, t, r, t) << QLineF(l, t, l, b) << QLineF(r, t, r, b) << QLineF(l, b, r, b);
        };
        for (double k = 1; k <= 5; ++k) {
            frame(45 * k, 225 + 45 * k, W - 45 * k, H - 225 - 45 * k);
            if (k <= 3)
                frame(45 * k + 600, 7275 + 45 * k, W - 45 * k - 600, H - 3975 - 45 * k);
        }
        for (const PrintOp& op : ops.mid(ops.size() - 33, 32)) {
            QVERIFY(op.kind == PrintOp::Line && op.color == black && op.drawWidth == 2);
            drawn << QLineF(op.at, op.to);
        }
        QCOMPARE(drawn, frames);
    }

    void printFailures_data()
    {
        QTest::addColumn<bool>("certificate");
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<int>("failAt"); // the job's operation that fails, from 1
        for (const bool certificate : {false, true}) {
            const char* what = certificate ? "certificate" : "worksheet";
            QTest::addRow("%s, no printer", what) << certificate << true << 0;
            QTest::addRow("%s, first operation", what) << certificate << false << 1;
            QTest::addRow("%s, halfway", what) << certificate << false << 40;
        }
    }
    void printFailures()
    {
        QFETCH(bool, certificate);
        QFETCH(bool, noPrinter);
        QFETCH(int, failAt);
        m_test->printer().noPrinter = noPrinter;
        m_test->printer().failAt = failAt;
        Multiple& quiz = openSampleQuiz(*m_test);
        clickButton(certificate ? openCertificate(QStringLiteral("Brellinshore"), 10, 10).Label3(0)
                                : quiz.Label3(3));
        QCOMPARE(m_test->dialogs().messages,
                 QStringList{QStringLiteral("There was a problem printing to your printer.")});
    }

    void anUnexpectedFailureCancelsTheCertificate()
    {
        QTemporaryDir dir;
        Services services = fakeServices();
        auto dialogs = std::make_unique<FakeDialogs>();
        const QStringList& messages = dialogs->messages;
        services.dialogs = std::move(dialogs);
        services.printer = std::make_unique<BrokenPrinter>();
        Program program(dir.path(), std::move(services));
        registerAllScreens(program.screens());
        openResults(program, 10, 10);
        clickButton(program.screens().get<Welldone>(screenName::results).Label3(0));
        QCOMPARE(messages, QStringList{QStringLiteral("Printing has been cancelled.")});
        program.screens().closeAll();
    }
};

QTEST_MAIN(TestQuiz)
#include "test_quiz.moc"
