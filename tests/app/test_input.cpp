// The pupil's pointer and keyboard over every screen: the hover rule, Tab, Enter, Space, the
// arrows and Escape, each keyboard path checked against what the mouse does.
#include "app/Intro0.h"
#include "app/Titlefrm.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <functional>

using namespace bs;

namespace {

const QString click = QStringLiteral("wav\\click.wav");

QWidget* focused()
{
    return QApplication::focusWidget();
}

// A key as the pupil presses it: to whatever has the focus in the active screen.
void press(Qt::Key key)
{
    QWidget* target = focused() ? focused() : QApplication::activeWindow();
    QVERIFY2(target, "no screen has the keyboard");
    QTest::keyClick(target, key);
}

// Tab until `control` has the focus, as a pupil does; fails after a full round.
void tabTo(QWidget* control)
{
    for (int step = 0; step < 60 && focused() != control; ++step)
        press(Qt::Key_Tab);
    QVERIFY2(focused() == control, qPrintable(control->objectName() + " never took the focus"));
}

LabelButton* button(Screen& screen, const QString& caption)
{
    for (LabelButton* candidate : screen.findChildren<LabelButton*>()) {
        if (candidate->caption() == caption && candidate->isVisible())
            return candidate;
    }
    return nullptr;
}

void clickCaption(Screen& screen, const QString& caption)
{
    for (QAbstractButton* candidate : screen.findChildren<QAbstractButton*>()) {
        if (candidate->text() == caption && candidate->isVisible())
            return QTest::mouseClick(candidate, Qt::LeftButton);
    }
    QFAIL(qPrintable(QString("no button %1 on %2").arg(caption, screen.formName())));
}

// What a pupil can tell apart after an action: the screens shown and the cues heard.
QString outcomeOf(TestProgram& test)
{
    QStringList shown;
    for (const QString& name : test.screens().loadedNames()) {
        if (test.screens().loaded(name)->isVisible())
            shown << name;
    }
    return QString("shown %1; played %2; ended %3")
        .arg(shown.join(u','), test.sound().played.join(u','))
        .arg(test.endProgramCalls());
}

using Opener = std::function<Screen&(TestProgram&)>;

// A screen shown directly, or reached from another by clicking a caption there.
Opener showing(const QString& form, const QString& from = {}, const QString& caption = {})
{
    return [=](TestProgram& test) -> Screen& {
        if (from.isEmpty()) {
            test.screens().show(form);
        } else {
            test.screens().show(from);
            clickCaption(test.screens().touch(from), caption);
        }
        return test.screens().touch(form);
    };
}

// The results after full marks, once the celebration has played (it sets the buttons' look).
Screen& fullMarks(TestProgram& test)
{
    test.state().score = test.state().outof = 10;
    test.state().soundon = 1;
    test.screens().show("Welldone");
    QTest::qWaitFor([&] { return !test.sound().played.isEmpty(); });
    test.sound().played.clear();
    return test.screens().touch("Welldone");
}

enum HoverRule
{
    Highlights,
    ClearsOnly,
    LeavesAlone
};

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = fresh(); }
    void cleanup() { m_test.reset(); }

    // The pointer over a button makes it opaque, over the bare background makes all of them
    // transparent; the guide's buttons never light up, and the notes viewer's never change.
    void hover_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("hovered");
        QTest::addColumn<QString>("other");
        QTest::addColumn<int>("rule");
        QTest::newRow("menu") << showing("intro0") << "Teachers' Guide"
                              << "Exit" << int(Highlights);
        QTest::newRow("topic page") << showing("scilly1") << "Key Facts"
                                    << "Exit" << int(Highlights);
        QTest::newRow("notes viewer") << showing("teacher", "scilly1", "Key Facts") << "Print"
                                      << "Exit" << int(LeavesAlone);
        QTest::newRow("guide") << showing("guide", "intro0", "Teachers' Guide") << "Print"
                               << "Exit" << int(ClearsOnly);
        QTest::newRow("quiz") << showing("multiple", "scilly1", "Multiple Choice") << "Next Question >>"
                              << "Exit" << int(Highlights);
        QTest::newRow("results") << Opener(fullMarks) << "Exit"
                                 << "Print Certificate" << int(Highlights);
        QTest::newRow("wizard") << showing("wizard") << "Save Worksheet"
                                << "Exit" << int(Highlights);
        QTest::newRow("catalogue") << showing("worksheets") << "Exit"
                                   << "" << int(Highlights);
        QTest::newRow("activity") << showing("scilly1lab", "scilly1", "Labelling Activity") << "Start Again"
                                  << "Exit" << int(Highlights);
    }
    void hover()
    {
        QFETCH(Opener, open);
        QFETCH(QString, hovered);
        QFETCH(QString, other);
        QFETCH(int, rule);
        Screen& screen = open(*m_test);
        // The offscreen platform keeps no stacking order: the pointer would find a screen beneath.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &screen)
                window->hide();
        }
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QList<LabelButton*> buttons;
        for (LabelButton* each : screen.findChildren<LabelButton*>()) {
            if (each->isVisible())
                buttons << each;
        }
        auto opaque = [&] {
            return std::count_if(buttons.begin(), buttons.end(), [](auto* b) { return b->isOpaque(); });
        };
        QCOMPARE(opaque(), buttons.size());
        QPoint bare;
        for (int y = 3; y < screen.height() && bare.isNull(); y += 9) {
            for (int x = 3; x < screen.width() && bare.isNull(); x += 9) {
                if (!screen.childAt(x, y))
                    bare = QPoint(x, y);
            }
        }
        QTest::mouseMove(&screen, bare);
        QTRY_COMPARE(opaque(), rule == LeavesAlone ? buttons.size() : 0);
        QTest::mouseMove(button(screen, hovered));
        QTRY_COMPARE(button(screen, hovered)->isOpaque(), rule != ClearsOnly);
        if (!other.isEmpty())
            QCOMPARE(button(screen, other)->isOpaque(), rule == LeavesAlone);
        QVERIFY(m_test->sound().played.filter("click").size() <= 1); // hovering plays nothing
    }

    // Escape does what the screen's "Exit" does (the leaving screen's "Cancel"); at start the
    // title screen's Exit ends the program, so there Escape does nothing.
    void escapeDoesWhatExitDoes_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("exit");
        QTest::newRow("main menu") << showing("intro0") << "Exit";
        QTest::newRow("topic page") << showing("scilly1") << "Exit";
        QTest::newRow("quiz") << showing("multiple", "scilly1", "Multiple Choice") << "Exit";
        QTest::newRow("results") << showing("Welldone") << "Exit";
        QTest::newRow("wrong answers") << showing("Wrong") << "Exit";
        QTest::newRow("notes viewer") << showing("teacher", "scilly1", "Teacher's Notes") << "Exit";
        QTest::newRow("guide") << showing("guide", "intro0", "Teachers' Guide") << "Exit";
        QTest::newRow("wizard") << showing("wizard") << "Exit";
        QTest::newRow("catalogue") << showing("worksheets") << "Exit";
        QTest::newRow("activity") << showing("scilly1lab", "scilly1", "Labelling Activity") << "Exit";
        QTest::newRow("leaving screen") << showing("Titlefrm", "intro0", "Exit") << "Cancel";
        QTest::newRow("title screen at start") << showing("Titlefrm") << "";
    }
    void escapeDoesWhatExitDoes()
    {
        QFETCH(Opener, open);
        QFETCH(QString, exit);
        QStringList outcomes;
        for (bool escape : {false, true}) {
            m_test = fresh();
            Screen& screen = open(*m_test);
            QTRY_VERIFY(screen.isActiveWindow());
            m_test->state().soundon = 1;
            m_test->sound().played.clear();
            outcomes << outcomeOf(*m_test);
            if (escape)
                press(Qt::Key_Escape);
            else if (!exit.isEmpty())
                clickCaption(screen, exit);
            outcomes << outcomeOf(*m_test);
        }
        QCOMPARE(outcomes[3], outcomes[1]);
        QCOMPARE(outcomes[1] != outcomes[0], !exit.isEmpty());
    }

    // From the title screen to a topic page and its notes with the keyboard alone: Enter,
    // the arrows, Tab to the scroll bar (which pans), and the focus back where it was.
    void titleToTopicPage()
    {
        Screens& screens = m_test->screens();
        screens.show("Titlefrm");
        QTRY_COMPARE(focused(), static_cast<QWidget*>(screens.get<Titlefrm>("Titlefrm").Command1));
        press(Qt::Key_Return);
        auto& menu = screens.get<Intro0>("intro0");
        QTRY_COMPARE(focused(), menu.Label2(15));
        press(Qt::Key_Right); // Isles of Scilly's History
        QCOMPARE(focused(), menu.Label2(4));
        press(Qt::Key_Space);
        Screen& page = screens.touch("scilly1");
        QTRY_VERIFY(page.isActiveWindow());
        QCOMPARE(m_test->sound().played, QStringList({click, click}));
        auto* pan = page.findChild<QScrollBar*>("HScroll1");
        tabTo(pan);
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        press(Qt::Key_Left);
        QCOMPARE(pan->value(), 51);
        LabelButton* keyFacts = button(page, "Key Facts");
        tabTo(keyFacts);
        press(Qt::Key_Return);
        QTRY_VERIFY(screens.touch("teacher").isActiveWindow());
        press(Qt::Key_Escape);
        QVERIFY(!screens.isLoaded("teacher"));
        QTRY_COMPARE(focused(), keyFacts);
        press(Qt::Key_Escape);
        QVERIFY(!screens.isLoaded("scilly1"));
        QTRY_COMPARE(focused(), menu.Label2(4));
    }

    // Tab runs down each place's column, then along the teachers' row; the arrows move as
    // the entries lie.
    void mainMenuOrder()
    {
        auto& menu = m_test->screens().get<Intro0>("intro0");
        m_test->screens().show("intro0");
        QTRY_COMPARE(focused(), menu.Label2(15));
        for (int index : {15, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 20, 19, 17, 18, 16}) {
            QCOMPARE(focused(), menu.Label2(index));
            press(Qt::Key_Tab);
        }
        QCOMPARE(focused(), menu.Option1); // the sound switch is one stop; then round again
        press(Qt::Key_Tab);
        QCOMPARE(focused(), menu.Label2(15));
        const struct
        {
            int from;
            Qt::Key key;
            int to;
        } moves[] = {{15, Qt::Key_Down, 0},   {0, Qt::Key_Right, 5}, {10, Qt::Key_Left, 5},
                     {3, Qt::Key_Down, 19},   {8, Qt::Key_Down, 17}, {15, Qt::Key_Up, 20},
                     {19, Qt::Key_Right, 17}, {16, Qt::Key_Up, 13}};
        for (const auto& move : moves) {
            menu.Label2(move.from)->setFocus();
            press(move.key);
            QVERIFY2(focused() == menu.Label2(move.to), qPrintable(QString("from %1").arg(move.from)));
        }
        QVERIFY(m_test->sound().played.isEmpty());
    }

    // The ring drawn on the focused button never covers a pixel of its caption.
    void focusRingNeverHidesTheCaption()
    {
        for (const QString form : {"intro0", "scilly1", "worksheets"}) {
            m_test->screens().show(form);
            Screen& screen = m_test->screens().touch(form);
            QTRY_VERIFY(screen.isActiveWindow());
            for (LabelButton* each : screen.findChildren<LabelButton*>()) {
                if (!each->isVisible() || each->caption().isEmpty())
                    continue;
                each->clearFocus();
                const QImage plain = each->grab().toImage();
                each->setFocus();
                const QImage ringed = each->grab().toImage();
                QVERIFY(plain != ringed);
                for (int y = 0; y < plain.height(); ++y) {
                    for (int x = 0; x < plain.width(); ++x) {
                        if (plain.pixelColor(x, y) == each->foreColor())
                            QVERIFY2(ringed.pixelColor(x, y) == each->foreColor(),
                                     qPrintable(each->caption()));
                    }
                }
            }
        }
    }

    // The whole quiz with the keyboard ends where the mouse does: same score, cues and printout.
    void quizToCertificate()
    {
        QStringList outcomes;
        for (bool keyboard : {false, true}) {
            m_test = fresh();
            m_test->state().soundon = 1;
            Screen& page = showing("scilly1")(*m_test);
            QTRY_VERIFY(page.isActiveWindow());
            auto activate = [&](Screen& screen, const QString& caption) {
                if (!keyboard)
                    return QTest::mouseClick(button(screen, caption), Qt::LeftButton);
                tabTo(button(screen, caption));
                press(Qt::Key_Return);
            };
            activate(page, "Multiple Choice");
            auto& quiz = m_test->screens().get<Multiple>("multiple");
            QTRY_VERIFY(quiz.isActiveWindow());
            for (int n = 1; n <= 10; ++n) {
                const int right = m_test->state().correct[n].toInt();
                if (keyboard) { // Tab reaches the answers; the arrows go through them and Space chooses
                    tabTo(quiz.Option1(1));
                    for (int k = 1; k < right; ++k)
                        press(Qt::Key_Down);
                    press(Qt::Key_Space);
                } else {
                    clickOption(quiz.Option1(right));
                }
                QVERIFY(quiz.Option1(right)->isChecked());
                activate(quiz, n == 10 ? "Check Score >>" : "Next Question >>");
            }
            auto& results = m_test->screens().get<Welldone>("Welldone");
            QTRY_COMPARE(focused(), static_cast<QWidget*>(results.Text1));
            QTRY_VERIFY(m_test->sound().played.filter("fanf").size() == 1);
            QTest::keyClicks(results.Text1, "Robin Keys");
            activate(results, "Print Certificate");
            QCOMPARE(m_test->state().score, 10);
            QStringList printed;
            for (const PrintOp& operation : m_test->printer().ops)
                printed << operation.text;
            QVERIFY(printed.contains("Robin Keys"));
            outcomes << outcomeOf(*m_test) + printed.join(u'|');
        }
        QCOMPARE(outcomes[1], outcomes[0]);
    }

private:
    static std::unique_ptr<TestProgram> fresh()
    {
        return std::make_unique<TestProgram>(QStringList{"multiple/Isles of Scilly - History.txt"});
    }

    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestInput)
#include "test_input.moc"
