// The pupil's pointer and keyboard over every screen: the hover rule, Tab, Enter, Space, the
// arrows and Escape, each keyboard path checked against what the mouse does.
#include "app/Intro0.h"
#include "app/Titlefrm.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <functional>

using namespace bs;

namespace {

const auto focused = [] { return QApplication::focusWidget(); };

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

QAbstractButton* button(Screen& screen, const QString& caption)
{
    const auto all = screen.findChildren<QAbstractButton*>();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](auto* b) { return b->text() == caption && b->isVisible(); });
    return found == all.end() ? nullptr : *found;
}

// What a pupil can tell apart after an action: the screens shown and the cues heard.
QString outcomeOf(TestProgram& test)
{
    QStringList shown;
    for (const QString& name : test.screens().loadedNames())
        shown << (test.screens().loaded(name)->isVisible() ? name : QString());
    return shown.join(u',') + "; " + test.sound().played.join(u',') + QString::number(test.endProgramCalls());
}

using Opener = std::function<Screen&(TestProgram&)>;

// A screen shown directly, or reached from another by clicking a caption there.
Opener showing(const QString& form, const QString& from = {}, const QString& caption = {})
{
    return [=](TestProgram& test) -> Screen& {
        test.screens().show(from.isEmpty() ? form : from);
        if (!from.isEmpty())
            QTest::mouseClick(button(test.screens().touch(from), caption), Qt::LeftButton);
        else if (form == "Titlefrm") // the backdrop follows the title screen's first paint
            (void)QTest::qWaitFor([&] { return test.screens().isLoaded("Grey"); });
        return test.screens().touch(form);
    };
}

// The results after full marks, once the celebration has played (it sets the buttons' look).
Screen& fullMarks(TestProgram& test)
{
    test.state().score = test.state().outof = 10;
    test.state().soundon = 1;
    test.screens().show("Welldone");
    (void)QTest::qWaitFor([&] { return !test.sound().played.isEmpty(); });
    test.sound().played.clear();
    return test.screens().touch("Welldone");
}

constexpr int Highlights = 0, ClearsOnly = 1, LeavesAlone = 2; // how a screen's buttons answer the pointer

void row(const char* name, const Opener& open, const QString& hovered, const QString& other, int rule,
         const QString& exit = "Exit")
{
    QTest::newRow(name) << open << hovered << other << rule << exit;
}

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
    void hover_data() { everyScreen(); }
    void hover()
    {
        QFETCH(Opener, open);
        QFETCH(QString, hovered);
        QFETCH(QString, other);
        QFETCH(int, rule);
        if (hovered.isEmpty())
            QSKIP("no label buttons");
        Screen& screen = open(*m_test);
        // The offscreen platform keeps no stacking order: the pointer would find a screen beneath.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &screen)
                window->hide();
        }
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QList<LabelButton*> buttons = screen.findChildren<LabelButton*>();
        buttons.removeIf([](LabelButton* each) { return !each->isVisible(); });
        auto opaque = [&] {
            return std::count_if(buttons.begin(), buttons.end(), std::mem_fn(&LabelButton::isOpaque));
        };
        auto* hoveredButton = qobject_cast<LabelButton*>(button(screen, hovered));
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
        QTest::mouseMove(hoveredButton);
        QTRY_COMPARE(hoveredButton->isOpaque(), rule != ClearsOnly);
        if (!other.isEmpty())
            QCOMPARE(qobject_cast<LabelButton*>(button(screen, other))->isOpaque(), rule == LeavesAlone);
        QVERIFY(m_test->sound().played.filter("click").size() <= 1); // hovering plays nothing
    }

    // Escape does what the screen's "Exit" does (the leaving screen's "Cancel"); at start the
    // title screen's Exit ends the program, so there Escape does nothing.
    void escapeDoesWhatExitDoes_data() { everyScreen(); }
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
                QTest::mouseClick(button(screen, exit), Qt::LeftButton);
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
        QCOMPARE(m_test->sound().played, QStringList(2, "wav\\click.wav"));
        auto* pan = page.findChild<QScrollBar*>("HScroll1");
        tabTo(pan);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left})
            press(key);
        QCOMPARE(pan->value(), 51);
        QAbstractButton* keyFacts = button(page, "Key Facts");
        tabTo(keyFacts);
        press(Qt::Key_Return);
        QTRY_VERIFY(screens.touch("teacher").isActiveWindow());
        press(Qt::Key_Escape);
        QVERIFY(!screens.isLoaded("teacher"));
        QTRY_COMPARE(focused(), keyFacts);
        QTest::keyClick(keyFacts, Qt::Key_Enter, Qt::KeypadModifier); // the keypad's Enter too
        QTRY_VERIFY(screens.touch("teacher").isActiveWindow());
        press(Qt::Key_Escape);
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
        for (int index : {15, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 22, 21, 20, 19, 17, 18, 16}) {
            QCOMPARE(focused(), menu.Label2(index));
            press(Qt::Key_Tab);
        }
        QCOMPARE(focused(), menu.Option1); // the sound switch is one stop, the language another
        press(Qt::Key_Tab);
        QCOMPARE(focused(), menu.Option3); // then round again
        press(Qt::Key_Tab);
        QCOMPARE(focused(), menu.Label2(15));
        const int moves[][3] = {{15, Qt::Key_Down, 0},   {0, Qt::Key_Right, 5}, {10, Qt::Key_Left, 5},
                                {3, Qt::Key_Down, 19},   {8, Qt::Key_Down, 17}, {15, Qt::Key_Up, 20},
                                {19, Qt::Key_Right, 17}, {16, Qt::Key_Up, 13}};
        for (const auto& move : moves) {
            menu.Label2(move[0])->setFocus();
            press(Qt::Key(move[1]));
            QVERIFY2(focused() == menu.Label2(move[2]), qPrintable(QString("from %1").arg(move[0])));
        }
        QVERIFY(m_test->sound().played.isEmpty());
    }

    // The whole quiz with the keyboard alone: Tab and Return for the buttons, the arrows and
    // Space for the answers, the name typed; full marks, the fanfare and the certificate printed.
    void quizToCertificate()
    {
        m_test->state().soundon = 1;
        Screen& page = showing("scilly1")(*m_test);
        QTRY_VERIFY(page.isActiveWindow());
        auto activate = [](Screen& screen, const QString& caption) {
            tabTo(button(screen, caption));
            press(Qt::Key_Return);
        };
        activate(page, "Multiple Choice");
        auto& quiz = m_test->screens().get<Multiple>("multiple");
        QTRY_VERIFY(quiz.isActiveWindow());
        for (int n = 1; n <= 10; ++n) {
            tabTo(quiz.Option1(1));
            for (int k = 1; k < m_test->state().correct[n].toInt(); ++k)
                press(Qt::Key_Down);
            press(Qt::Key_Space);
            activate(quiz, n == 10 ? "Check Score >>" : "Next Question >>");
        }
        auto& results = m_test->screens().get<Welldone>("Welldone");
        QTRY_COMPARE(focused(), static_cast<QWidget*>(results.Text1));
        QTRY_COMPARE(m_test->sound().played.filter("fanf").size(), 1);
        QTest::keyClicks(results.Text1, "Robin Keys");
        activate(results, "Print Certificate");
        QCOMPARE(m_test->state().score, 10);
        QVERIFY(std::any_of(m_test->printer().ops.begin(), m_test->printer().ops.end(),
                            [](const PrintOp& op) { return op.text == "Robin Keys"; }));
    }

    // A screen reader calls every window by what it is to a pupil, never by its form name;
    // reads with it what the screen says beyond its controls (the question, the score, the
    // list); hears the changes a key makes at once; and reads no name with doubled stops.
    void screenReaderNames_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("described"); // how its description starts
        QTest::addColumn<QString>("then");      // a button to click; empty: none
        QTest::addColumn<QString>("heard");     // how the announcement after it starts
        const QString topic = "Isles of Scilly: History";
        auto row = [](const char* tag, const Opener& open, const QString& name, const QString& described = {},
                      const QString& then = {}, const QString& heard = {}) {
            QTest::newRow(tag) << open << name << described << then << heard;
        };
        row("title screen", showing("Titlefrm"), "Brellinshore");
        row("menu", showing("intro0"), "Main menu");
        row("topic page", showing("scilly1"), topic);
        row("key facts", showing("teacher", "scilly1", "Key Facts"), "Key facts", "Page 1 of 2", "Next Page",
            "Page 2 of 2");
        row("teacher's notes", showing("teacher", "scilly1", "Teacher's Notes"), "Teacher's notes");
        row("acknowledgments", showing("teacher", "intro0", "Acknowledgments"), "Acknowledgments");
        row("guide", showing("guide", "intro0", "Teachers' Guide"), "Teachers' guide", "Page 1 of 3", "Next Page",
            "Page 2 of 3");
        row("quiz", showing("multiple", "scilly1", "Multiple Choice"), "Quiz: Isles of Scilly - History",
            "Question 1. ", "Next Question >>", "Question 2. ");
        row("results", fullMarks, "Results", "Excellent work. You have scored 10 out of 10.");
        row("wrong answers", showing("Wrong"), "Wrong answers");
        row("wizard", showing("wizard"), "Multiple choice wizard");
        row("catalogue", showing("worksheets"), "Worksheet catalogue");
        row("class results", showing("classresults", "intro0", "Class Results"), "Class results");
        row("class lists", showing("classlists"), "Class lists and the results switch");
        row("labelling activity", showing("scilly1lab", "scilly1", "Labelling Activity"),
            topic + " \u2014 labelling activity");
        row("ordering activity", showing("scilly1ord", "scilly1", "Ordering Activity"),
            topic + " \u2014 ordering activity");
    }
    void screenReaderNames()
    {
        QFETCH(Opener, open);
        QFETCH(QString, name);
        QFETCH(QString, described);
        QFETCH(QString, then);
        QFETCH(QString, heard);
        Screen& screen = open(*m_test);
        QTRY_VERIFY(screen.isActiveWindow());
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&screen);
        QCOMPARE(window->text(QAccessible::Name), name);
        QVERIFY2(described.isEmpty() || window->text(QAccessible::Description).startsWith(described),
                 qPrintable(window->text(QAccessible::Description)));
        const QRegularExpression doubled("[.!?;:,]\\s*[.,]");
        for (QWidget* control : screen.findChildren<QWidget*>()) {
            const QString read = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            QVERIFY2(!read.contains(doubled), qPrintable(read));
        }
        if (then.isEmpty())
            return;
        tabTo(button(screen, then));
        press(Qt::Key_Return);
        auto* announcement = screen.findChild<QWidget*>("Announcement");
        QVERIFY(announcement && announcement->isVisible());
        QVERIFY2(announcement->accessibleName().startsWith(heard), qPrintable(announcement->accessibleName()));
        QCOMPARE(QAccessible::queryAccessibleInterface(announcement)->role(), QAccessible::Notification);
    }

private:
    static std::unique_ptr<TestProgram> fresh()
    {
        return std::make_unique<TestProgram>(QStringList{"multiple/Isles of Scilly - History.txt"});
    }
    // Every screen by the way a pupil reaches it: the button hovered and its rule, the one
    // that leaves (empty: none).
    static void everyScreen()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("hovered"); // empty: no label buttons
        QTest::addColumn<QString>("other");
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("exit");
        row("menu", showing("intro0"), "Teachers' Guide", "Exit", Highlights);
        row("topic page", showing("scilly1"), "Key Facts", "Exit", Highlights);
        row("notes viewer", showing("teacher", "scilly1", "Teacher's Notes"), "Print", "Exit", LeavesAlone);
        row("guide", showing("guide", "intro0", "Teachers' Guide"), "Print", "Exit", ClearsOnly);
        row("quiz", showing("multiple", "scilly1", "Multiple Choice"), "Next Question >>", "Exit",
            Highlights);
        row("results", fullMarks, "Exit", "Print Certificate", Highlights);
        row("wrong answers", showing("Wrong"), "", "", Highlights);
        row("wizard", showing("wizard"), "Save Worksheet", "Exit", Highlights);
        row("catalogue", showing("worksheets"), "Exit", "", Highlights);
        row("activity", showing("scilly1lab", "scilly1", "Labelling Activity"), "Start Again", "Exit",
            Highlights);
        row("leaving screen", showing("Titlefrm", "intro0", "Exit"), "", "", Highlights, "Cancel");
        row("title screen at start", showing("Titlefrm"), "", "", Highlights, "");
        row("our topics", showing("ourtopics"), "Make a Topic", "Exit", Highlights);
        row("class results", showing("classresults", "intro0", "Class Results"), "Refresh", "Exit", Highlights);
        row("class lists", showing("classlists"), "Add Class", "Exit", Highlights);
    }

    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestInput)
#include "test_input.moc"
