// The program with the keyboard alone: Tab, Enter, Space, the arrows and Escape on the real
// screens, each path checked against what the mouse does on the same screens.
#include "app/Intro0.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "app/Titlefrm.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace bs;

namespace {

const QString click = QStringLiteral("wav\\click.wav");

QWidget* focused()
{
    return QApplication::focusWidget();
}

// A key as the pupil presses it: to whatever has the focus in the active screen.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* target = focused() ? focused() : QApplication::activeWindow();
    QVERIFY2(target, "no screen has the keyboard");
    QTest::keyClick(target, key, modifiers);
}

// Tab until `control` has the focus, as a pupil does; fails after a full round.
void tabTo(QWidget* control)
{
    for (int step = 0; step < 60 && focused() != control; ++step) {
        press(Qt::Key_Tab);
    }
    QVERIFY2(focused() == control, qPrintable(control->objectName() + QStringLiteral(" never took the focus")));
}

QStringList namesOf(const QList<QWidget*>& controls)
{
    QStringList names;
    for (QWidget* control : controls)
        names << control->objectName();
    return names;
}

// What a pupil can tell apart after an action: the screens shown and the cues heard.
struct Outcome
{
    QStringList shown;
    QStringList played;
    int ended = 0;
    bool operator==(const Outcome&) const = default;
};

Outcome outcomeOf(TestProgram& test)
{
    Outcome outcome;
    for (const QString& name : test.screens().loadedNames()) {
        if (test.screens().loaded(name)->isVisible())
            outcome.shown << name;
    }
    outcome.shown.sort();
    outcome.played = test.sound().played;
    outcome.ended = test.endProgramCalls();
    return outcome;
}

char* toString(const Outcome& outcome)
{
    return QTest::toString(QStringLiteral("shown %1; played %2; ended %3")
                               .arg(outcome.shown.join(u','), outcome.played.join(u','))
                               .arg(outcome.ended));
}

using Opener = std::function<Screen&(TestProgram&)>;

Opener showing(const QString& formName)
{
    return [formName](TestProgram& test) -> Screen& {
        test.screens().show(formName);
        return test.screens().touch(formName);
    };
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>(QStringList{QStringLiteral("multiple/Isles of Scilly - History.txt"),
                                                           QStringLiteral("multiple/track.txt")});
    }
    void cleanup() { m_test.reset(); }

    void titleToTopicPage()
    {
        Screens& screens = m_test->screens();
        screens.show(QStringLiteral("Titlefrm"));
        QTRY_COMPARE(focused(), static_cast<QWidget*>(screens.get<Titlefrm>(QStringLiteral("Titlefrm")).Command1));
        press(Qt::Key_Return);
        auto& menu = screens.get<Intro0>(QStringLiteral("intro0"));
        QTRY_COMPARE(focused(), static_cast<QWidget*>(menu.Label2(15)));
        press(Qt::Key_Right); // Isles of Scilly's History
        QCOMPARE(focused(), static_cast<QWidget*>(menu.Label2(4)));
        press(Qt::Key_Return);
        QVERIFY(screens.isLoaded(QStringLiteral("scilly1")));
        QTRY_VERIFY(screens.touch(QStringLiteral("scilly1")).isActiveWindow());
        QCOMPARE(m_test->sound().played, QStringList({click, click}));
        // The panorama pans with Left and Right once Tab reaches its scroll bar (which pans it).
        auto* pan = screens.touch(QStringLiteral("scilly1")).findChild<QScrollBar*>(QStringLiteral("HScroll1"));
        tabTo(pan);
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        press(Qt::Key_Left);
        QCOMPARE(pan->value(), 51);
        // A viewer opened from here gives the keyboard back to its button when it closes.
        auto* keyFacts = screens.touch(QStringLiteral("scilly1")).findChild<LabelButton*>(QStringLiteral("Label3_4"));
        tabTo(keyFacts);
        press(Qt::Key_Return);
        QTRY_VERIFY(screens.touch(QStringLiteral("teacher")).isActiveWindow());
        press(Qt::Key_Escape);
        QVERIFY(!screens.isLoaded(QStringLiteral("teacher")));
        QTRY_COMPARE(focused(), static_cast<QWidget*>(keyFacts));
        // Its "Exit" gives the keyboard back to the entry that opened it.
        press(Qt::Key_Escape);
        QVERIFY(!screens.isLoaded(QStringLiteral("scilly1")));
        QTRY_COMPARE(focused(), static_cast<QWidget*>(menu.Label2(4)));
    }

    // Tab runs down each place's column, then along the teachers' row; the arrows move as
    // the entries lie.
    void mainMenuOrder()
    {
        auto& menu = m_test->screens().get<Intro0>(QStringLiteral("intro0"));
        m_test->screens().show(QStringLiteral("intro0"));
        QTRY_COMPARE(focused(), static_cast<QWidget*>(menu.Label2(15)));
        QList<QWidget*> order;
        for (int step = 0; step < 22; ++step) {
            order << focused();
            press(Qt::Key_Tab);
        }
        QList<QWidget*> expected;
        for (int index : {15, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 20, 19, 17, 18, 16})
            expected << menu.Label2(index);
        expected << menu.Option1 << menu.Label2(15); // the sound switch is one stop; then round again
        QCOMPARE(namesOf(order), namesOf(expected));

        const struct {
            int from;
            Qt::Key key;
            int to;
        } moves[] = {{15, Qt::Key_Down, 0}, {0, Qt::Key_Right, 5}, {5, Qt::Key_Right, 10}, {10, Qt::Key_Left, 5},
                     {3, Qt::Key_Down, 19}, {8, Qt::Key_Down, 17}, {15, Qt::Key_Up, 20}, {19, Qt::Key_Right, 17},
                     {17, Qt::Key_Up, 8}, {16, Qt::Key_Up, 13}};
        for (const auto& move : moves) {
            menu.Label2(move.from)->setFocus();
            press(move.key);
            QVERIFY2(focused() == menu.Label2(move.to),
                     qPrintable(QStringLiteral("from %1 to %2").arg(move.from).arg(focused()->objectName())));
        }
        QVERIFY(m_test->sound().played.isEmpty());
    }

    void escapeDoesWhatExitDoes_data()
    {
        QTest::addColumn<Opener>("open");
        const auto topicPage = showing(QStringLiteral("scilly1"));
        QTest::newRow("main menu") << showing(QStringLiteral("intro0"));
        QTest::newRow("topic page") << topicPage;
        QTest::newRow("quiz") << Opener([](TestProgram& test) -> Screen& {
            test.screens().show(QStringLiteral("scilly1"));
            clickCaption(test.screens().touch(QStringLiteral("scilly1")), QStringLiteral("Multiple Choice"));
            return test.screens().touch(QStringLiteral("multiple"));
        });
        QTest::newRow("results") << showing(QStringLiteral("Welldone"));
        QTest::newRow("wrong answers") << showing(QStringLiteral("Wrong"));
        QTest::newRow("notes viewer") << showing(QStringLiteral("teacher"));
        QTest::newRow("guide") << showing(QStringLiteral("guide"));
        QTest::newRow("wizard") << showing(QStringLiteral("wizard"));
        QTest::newRow("catalogue") << showing(QStringLiteral("worksheets"));
        QTest::newRow("activity") << Opener([](TestProgram& test) -> Screen& {
            test.screens().show(QStringLiteral("scilly1"));
            clickCaption(test.screens().touch(QStringLiteral("scilly1")), QStringLiteral("Labelling Activity"));
            return test.screens().touch(QStringLiteral("scilly1lab"));
        });
        QTest::newRow("leaving screen") << Opener([](TestProgram& test) -> Screen& {
            test.screens().show(QStringLiteral("intro0"));
            clickCaption(test.screens().touch(QStringLiteral("intro0")), QStringLiteral("Exit"));
            return test.screens().touch(QStringLiteral("Titlefrm"));
        });
    }
    void escapeDoesWhatExitDoes()
    {
        QFETCH(Opener, open);
        Outcome byExit;
        Outcome byEscape;
        leave(open, false, byExit);
        leave(open, true, byEscape);
        QCOMPARE(byEscape, byExit);
        QVERIFY(byEscape != m_before); // it did something
    }

    // At start the title screen's Exit ends the program: Escape must not.
    void escapeOnTheTitleScreenAtStartDoesNothing()
    {
        m_test->screens().show(QStringLiteral("Titlefrm"));
        QTRY_VERIFY(m_test->screens().touch(QStringLiteral("Titlefrm")).isActiveWindow());
        press(Qt::Key_Escape);
        QCOMPARE(m_test->endProgramCalls(), 0);
        QVERIFY(m_test->screens().touch(QStringLiteral("Titlefrm")).isVisible());
        QVERIFY(m_test->sound().played.isEmpty());
    }

    // The ring drawn on the focused button never covers a pixel of its caption, on buttons of
    // every size and font the screens have.
    void focusRingNeverHidesTheCaption()
    {
        for (const QString& form : {QStringLiteral("intro0"), QStringLiteral("scilly1"), QStringLiteral("worksheets")}) {
            m_test->screens().show(form);
            Screen& screen = m_test->screens().touch(form);
            QTRY_VERIFY(screen.isActiveWindow());
            for (LabelButton* button : screen.findChildren<LabelButton*>()) {
                if (!button->isVisible() || button->caption().isEmpty())
                    continue;
                button->clearFocus();
                const QImage plain = button->grab().toImage();
                button->setFocus();
                const QImage ringed = button->grab().toImage();
                QVERIFY(plain != ringed);
                for (int y = 0; y < plain.height(); ++y) {
                    for (int x = 0; x < plain.width(); ++x) {
                        if (plain.pixelColor(x, y) == button->foreColor())
                            QVERIFY2(ringed.pixelColor(x, y) == button->foreColor(),
                                     qPrintable(form + u' ' + button->caption()));
                    }
                }
            }
        }
    }

    // The whole quiz with the keyboard, from the topic page's button to the printed
    // certificate, ends where the mouse does: the same score, cues and printout.
    void quizToCertificate()
    {
        Outcome byMouse;
        Outcome byKeys;
        runQuiz(false, byMouse);
        const QStringList printedByMouse = printedTexts();
        runQuiz(true, byKeys);
        QCOMPARE(m_test->state().score, 10);
        QCOMPARE(byKeys, byMouse);
        QCOMPARE(printedTexts(), printedByMouse);
        QVERIFY(printedTexts().contains(QStringLiteral("Robin Keys")));
    }

private:
    void leave(const Opener& open, bool escape, Outcome& outcome)
    {
        m_test = std::make_unique<TestProgram>(QStringList{QStringLiteral("multiple/Isles of Scilly - History.txt")});
        Screen& screen = open(*m_test);
        m_left = screen.formName();
        QTRY_VERIFY(screen.isActiveWindow());
        m_test->state().soundon = 1;
        m_test->sound().played.clear();
        m_before = outcomeOf(*m_test);
        if (escape)
            press(Qt::Key_Escape);
        else
            clickCaption(screen, screen.formName() == QLatin1String("Titlefrm") ? QStringLiteral("Cancel") : QStringLiteral("Exit"));
        outcome = outcomeOf(*m_test);
    }

    static void clickCaption(Screen& screen, const QString& caption)
    {
        for (QAbstractButton* button : screen.findChildren<QAbstractButton*>()) {
            if (button->text() == caption && button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no button %1 on %2").arg(caption, screen.formName())));
    }

    QStringList printedTexts() const
    {
        QStringList texts;
        for (const PrintOp& operation : m_test->printer().ops) {
            if (operation.kind == PrintOp::Text)
                texts << operation.text;
        }
        return texts;
    }

    void runQuiz(bool keyboard, Outcome& outcome)
    {
        m_test = std::make_unique<TestProgram>(QStringList{QStringLiteral("multiple/Isles of Scilly - History.txt")});
        Screens& screens = m_test->screens();
        m_test->state().soundon = 1;
        screens.show(QStringLiteral("scilly1"));
        Screen& page = screens.touch(QStringLiteral("scilly1"));
        QTRY_VERIFY(page.isActiveWindow());
        auto button = [](Screen& screen, const QString& caption) {
            for (LabelButton* candidate : screen.findChildren<LabelButton*>()) {
                if (candidate->caption() == caption && candidate->isVisible())
                    return candidate;
            }
            return static_cast<LabelButton*>(nullptr);
        };
        auto activate = [&](Screen& screen, const QString& caption) {
            LabelButton* target = button(screen, caption);
            if (!keyboard)
                return QTest::mouseClick(target, Qt::LeftButton);
            tabTo(target);
            press(Qt::Key_Return);
        };
        activate(page, QStringLiteral("Multiple Choice"));
        auto& quiz = screens.get<Multiple>(QStringLiteral("multiple"));
        QTRY_VERIFY(quiz.isActiveWindow());
        // A screen reader reads the question, then the four answers in their order.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&quiz);
        QList<int> readingOrder;
        for (QWidget* part : {static_cast<QWidget*>(quiz.Label4), static_cast<QWidget*>(quiz.Label2),
                              static_cast<QWidget*>(quiz.Option1(1)), static_cast<QWidget*>(quiz.Option1(2)),
                              static_cast<QWidget*>(quiz.Option1(3)), static_cast<QWidget*>(quiz.Option1(4))})
            readingOrder << reader->indexOfChild(QAccessible::queryAccessibleInterface(part));
        QVERIFY(std::is_sorted(readingOrder.begin(), readingOrder.end()) && readingOrder.first() >= 0);
        for (int n = 1; n <= 10; ++n) {
            const int right = m_test->state().correct[n].toInt();
            if (keyboard) {
                // Tab reaches the answers; the arrows go through them and Space chooses.
                tabTo(quiz.Option1(1));
                for (int k = 1; k < right; ++k)
                    press(Qt::Key_Down);
                QCOMPARE(focused(), static_cast<QWidget*>(quiz.Option1(right)));
                press(Qt::Key_Space);
            } else {
                QTest::mouseClick(quiz.Option1(right), Qt::LeftButton, {}, QPoint(8, quiz.Option1(right)->height() / 2));
            }
            QVERIFY(quiz.Option1(right)->isChecked());
            activate(quiz, n == 10 ? QStringLiteral("Check Score >>") : QStringLiteral("Next Question >>"));
        }
        auto& results = screens.get<Welldone>(QStringLiteral("Welldone"));
        QTRY_COMPARE(focused(), static_cast<QWidget*>(results.Text1));
        QCOMPARE(QAccessible::queryAccessibleInterface(results.Label1)->text(QAccessible::Name),
                 QStringLiteral("Excellent work. You have scored 10 out of 10."));
        // The celebration comes on a timer of its own: let it play on both paths alike.
        QTRY_VERIFY(m_test->sound().played.filter(QStringLiteral("fanf")).size() == 1);
        QTest::keyClicks(results.Text1, QStringLiteral("Robin Keys"));
        activate(results, QStringLiteral("Print Certificate"));
        outcome = outcomeOf(*m_test);
    }

    std::unique_ptr<TestProgram> m_test;
    QString m_left;
    Outcome m_before;
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
