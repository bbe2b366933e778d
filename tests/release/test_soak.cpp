// A long session of a made-up pupil and teacher: 10,000 seeded random actions on whichever
// screen is on top, through the real controls (clicks, drags, keys, scroll bars), with prints
// to a printer that sometimes fails and dialogs answered at random. It catches what no
// single-screen test sees: a crash or exception after an unusual path between screens, a
// screen left alive after it was unloaded, a print job left open, and memory that grows with
// use. Built with -DBRELLINSHORE_SANITIZE=ON it also runs under AddressSanitizer, whose leak
// check at exit covers everything the run allocated.
//
// The seed is printed first; BS_SOAK_SEED=<number> replays another seed on a developer's machine.
#include "activities/ActivityScreen.h"
#include "activities/DragEngine.h"
#include "app/Intro0.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "app/Titlefrm.h"
#include "base/Twips.h"
#include "authoring/Wizard.h"
#include "authoring/Worksheets.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "support/TestProgram.h"
#include "topics/Guide.h"
#include "topics/Teacher.h"
#include "topics/TopicPage.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/Worksheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BS_SOAK_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define BS_SOAK_ASAN 1
#endif

#ifdef BS_SOAK_ASAN
#if __has_include(<sanitizer/allocator_interface.h>)
#include <sanitizer/allocator_interface.h>
#else
// GCC's runtime has the call without shipping its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif
// With BS_SOAK_TRACE set, the live allocations by call stack are printed at both measurements,
// to find what grew (ASAN_OPTIONS=fast_unwind_on_malloc=0 gives whole stacks through Qt).
extern "C" void __sanitizer_print_memory_profile(std::size_t top_percent, std::size_t max_number_of_contexts);
#else
#include <malloc.h>
#endif

using namespace bs;

namespace {

constexpr int TotalActions = 10000;
constexpr int EarlyMark = 1000;
constexpr std::uint32_t DefaultSeed = 20260611;

// Bytes the program holds on the heap right now.
qint64 heapInUse()
{
#ifdef BS_SOAK_ASAN
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    // Large pictures are given whole mappings of their own, which uordblks leaves out.
    return qint64(info.uordblks + info.hblkhd);
#endif
}

const char* heapMeasure()
{
#ifdef BS_SOAK_ASAN
    return "AddressSanitizer allocated bytes";
#else
    return "malloc in-use bytes";
#endif
}

QStringList projectContentFiles()
{
    const QDir root(QStringLiteral(BS_CONTENT_DIR));
    QStringList files;
    QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(root.relativeFilePath(it.next()));
    files.sort();
    return files;
}

std::uint32_t soakSeed()
{
    bool ok = false;
    const std::uint32_t seed = qEnvironmentVariable("BS_SOAK_SEED").toUInt(&ok);
    return ok ? seed : DefaultSeed;
}

// Where a pupil clicks a control: on a tick box's or option's indicator, else the middle.
QPoint windowPointOf(QWidget* control)
{
    QPoint local = control->rect().center();
    if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(control);
        const bool tick = qobject_cast<QCheckBox*>(control) != nullptr;
        local = control->style()
                    ->subElementRect(tick ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator,
                                     &option, control)
                    .center();
    }
    return control->mapTo(control->window(), local);
}

// Characters a teacher or pupil may type: a few letters and digits, and the awkward ones the
// soak is after: separators of the worksheet file, characters a file name cannot hold,
// accents, a euro sign and one character the worksheet's code page lacks. A small set, so
// that the font's glyph cache is full early and memory figures show the program.
const QString typedCharacters =
    QStringLiteral("aeinorstAEST019   ,,&&''\"..-!?;:/\\*<>|()\u00E9\u00FC\u00A3\u20AC\u0141");
// What a worksheet file can hold, and what a title that names a file may be made of.
const QString savableCharacters =
    QStringLiteral("aeinorstAEST019   ,,&&''\"..-!?;:/\\*<>|()\u00E9\u00FC\u00A3\u20AC");
const QString titleCharacters = QStringLiteral("aeinorstAEST019  ,&'-\u00E9\u00A3");

// A seeded random pupil and teacher at one program.
class Soak : public QObject
{
public:
    explicit Soak(std::uint32_t seed)
        : m_test(projectContentFiles())
        , m_random(seed)
        , m_pixmapCacheLimit(QPixmapCache::cacheLimit())
    {
        addEarlierWorksheets();
        m_test.state().soundon = 1;
        qApp->installEventFilter(this);
        // The style's pixmap cache keys its drawings by palette, and every screen built anew
        // brings new palettes, so it would fill up to its limit (10 MB) whatever the program
        // does, and it forgets old keys only on a 30-second timer. Without it memory shows
        // what the program holds.
        QPixmapCache::setCacheLimit(0);
    }
    ~Soak() override
    {
        qApp->removeEventFilter(this);
        QPixmapCache::setCacheLimit(m_pixmapCacheLimit);
    }

    TestProgram& test() { return m_test; }
    const QMap<QString, int>& counts() const { return m_counts; }
    const QString& lastAction() const { return m_lastAction; }
    int restarts() const { return m_restarts; }
    int saves() const { return m_saves; }
    int deleteQuestions() const { return m_deleteQuestions; }
    int results() const { return m_results; }

    void start() { showTitle(); }

    // One action of the user on the screen on top (restarting at the title screen after Exit).
    // Returns an empty string or what went wrong.
    QString step()
    {
        Screen* screen = screenOnTop();
        if (!screen) {
            ++m_restarts;
            showTitle();
            screen = screenOnTop();
            if (!screen)
                return QStringLiteral("the title screen did not come up");
        }
        ++m_counts[screen->formName()];
        armFakes();
        const int jobsBefore = m_test.printer().jobsStarted;
        const int endedBefore = m_test.printer().jobsEnded;
        actOn(screen);
        QCoreApplication::processEvents();
        TestProgram::flushDeletes();
        return checkAfter(jobsBefore, endedBefore);
    }

    // Brings the program back to where a session starts, the main menu over the backdrop,
    // with every other screen closed, so that two measurements compare the same state.
    qint64 measureAtMainMenu()
    {
        m_test.screens().closeAll();
        TestProgram::flushDeletes();
        showTitle();
        if (auto* title = dynamic_cast<Titlefrm*>(m_test.screens().loaded(QStringLiteral("Titlefrm"))))
            click(title->Command1);
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            TestProgram::flushDeletes();
        }
        clearRecords();
        return heapInUse();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) && watched->isWidgetType()) {
            auto* screen = qobject_cast<Screen*>(watched);
            if (screen && screen->isWindow() && screen->formName() != QLatin1String("Grey")) {
                m_order.removeAll(screen->formName());
                m_order.append(screen->formName());
            }
        }
        return false;
    }

private:
    // A teacher saved thirty worksheets before: the catalogue has two pages from the start.
    void addEarlierWorksheets()
    {
        const QString folder = m_test.contentRoot() + QStringLiteral("/multiple");
        CatalogueList catalogue;
        for (int i = 1; i <= 30; ++i) {
            WorksheetText worksheet;
            worksheet.title = QStringLiteral("Coasts & cliffs, part %1").arg(i);
            for (int q = 0; q < QuestionBank::QuestionCount; ++q) {
                worksheet.questions[q].text = QStringLiteral("Question %1, \"fairly\" hard?").arg(q + 1);
                for (int a = 0; a < 4; ++a)
                    worksheet.questions[q].answers[a] = QStringLiteral("Answer %1").arg(QChar(u'A' + a));
                worksheet.questions[q].correct = 1 + (q + i) % 4;
            }
            writeWorksheetFile(folder, worksheet);
            trackworksheets(folder + QStringLiteral("/track.txt"), worksheet.title, catalogue);
        }
    }

    // ----- choosing -----
    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_random) < p; }
    template <class T>
    T pickFrom(const QList<T>& list)
    {
        return list.at(below(int(list.size())));
    }
    // Picks an index by weight.
    int weighted(std::initializer_list<int> weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = below(total);
        int index = 0;
        for (int w : weights) {
            if (r < w)
                return index;
            r -= w;
            ++index;
        }
        return index - 1;
    }
    QString randomText(const QString& characters, int maxLength)
    {
        QString text;
        const int length = 1 + below(maxLength);
        for (int i = 0; i < length; ++i)
            text.append(characters.at(below(int(characters.size()))));
        return text;
    }

    // The most recently shown or activated screen that is still loaded and visible. Now and
    // then the user reaches a screen further down instead (the screens are modeless).
    Screen* screenOnTop()
    {
        QList<Screen*> visible;
        for (const QString& name : std::as_const(m_order)) {
            Screen* screen = m_test.screens().loaded(name);
            if (screen && screen->isVisible())
                visible.append(screen);
        }
        if (visible.isEmpty())
            return nullptr;
        if (visible.size() > 1 && chance(0.03))
            return visible.at(below(int(visible.size()) - 1));
        return visible.last();
    }

    void showTitle()
    {
        m_test.screens().show(QStringLiteral("Titlefrm"));
        QCoreApplication::processEvents();
    }

    // ----- the fakes -----
    // Dialogs answer at random; the printer works, is missing or fails part-way.
    void armFakes()
    {
        FakePrinter& printer = m_test.printer();
        printer.noPrinter = false;
        printer.failAt = 0;
        switch (weighted({80, 8, 12})) {
        case 1:
            printer.noPrinter = true;
            break;
        case 2:
            printer.failAt = printer.opCount + 1 + below(40);
            break;
        default:
            break;
        }
        m_failAtArmed = printer.failAt;
        m_test.dialogs().answers.clear();
        for (int i = 0; i < 3; ++i)
            m_test.dialogs().answers.push_back(chance(0.5));
    }

    void clearRecords()
    {
        m_test.sound().played.clear();
        m_test.dialogs().messages.clear();
        m_test.dialogs().questions.clear();
        m_test.dialogs().answers.clear();
        m_test.printer().ops.clear();
    }

    // What must hold after every action.
    QString checkAfter(int jobsBefore, int endedBefore)
    {
        QString problem;
        FakePrinter& printer = m_test.printer();
        if (QGuiApplication::mouseButtons() != Qt::NoButton)
            problem = QStringLiteral("a mouse button is still held");
        const int started = printer.jobsStarted - jobsBefore;
        const int ended = printer.jobsEnded - endedBefore;
        const bool failed = m_failAtArmed > 0 && printer.opCount >= m_failAtArmed;
        if (!failed && !printer.noPrinter && started != ended)
            problem = QStringLiteral("a print job was left unfinished");
        if (failed && started > 0 && m_test.dialogs().messages.isEmpty())
            problem = QStringLiteral("a printer failure went unreported");
        // Every screen alive is the registry's loaded screen of its name: an unloaded screen
        // must be gone once deferred deletions have run.
        int alive = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* screen = qobject_cast<Screen*>(widget)) {
                ++alive;
                if (m_test.screens().loaded(screen->formName()) != screen)
                    problem = QStringLiteral("screen %1 outlived its unloading").arg(screen->formName());
            }
        }
        if (alive != m_test.screens().loadedNames().size())
            problem = QStringLiteral("%1 screens alive, %2 loaded").arg(alive).arg(m_test.screens().loadedNames().size());
        // The folder is healthy throughout, so every refusal must say what to change.
        if (m_test.dialogs().messages.contains(QStringLiteral("There was a problem saving your worksheet")))
            problem = QStringLiteral("a worksheet was refused without a reason");
        m_saves += int(m_test.dialogs().messages.count(QStringLiteral("Your worksheet has been saved.")));
        m_deleteQuestions += int(m_test.dialogs().questions.size());
        if (Screen* results = m_test.screens().loaded(QStringLiteral("Welldone")); results && results != m_lastResults.data()) {
            ++m_results;
            m_lastResults = results;
        }
        clearRecords();
        return problem;
    }

    // ----- input -----
    void click(QWidget* control, Qt::MouseButton button = Qt::LeftButton)
    {
        QWindow* window = control->window()->windowHandle();
        if (!window || !control->isVisible())
            return;
        QTest::mouseClick(window, button, {}, windowPointOf(control));
    }
    void clickAction(const QString& what, QWidget* control)
    {
        m_lastAction = what;
        click(control);
    }
    void hover(Screen& screen)
    {
        m_lastAction = screen.formName() + QStringLiteral(": move the pointer");
        if (QWindow* window = screen.windowHandle())
            QTest::mouseMove(window, QPoint(below(screen.width()), below(screen.height())));
    }
    void key(Screen& screen, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* target = screen.focusWidget() ? screen.focusWidget() : &screen;
        QTest::keyClick(target, key, modifiers);
    }
    void type(Screen& screen, const QString& text)
    {
        QWidget* target = screen.focusWidget() ? screen.focusWidget() : &screen;
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(target, c.toLatin1());
            else // no key of its own: the character comes as text, as from a compose key
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    // Presses on a control, carries the pointer to a window point and lets go.
    void drag(QWidget* control, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QWindow* window = control->window()->windowHandle();
        if (!window || !control->isVisible())
            return;
        const QPoint from = windowPointOf(control);
        QTest::mousePress(window, button, {}, from);
        QTest::mouseMove(window, (from + to) / 2);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, button, {}, to);
    }
    template <class T>
    QList<T*> visibleOf(const ControlArray<T>& controls)
    {
        QList<T*> list;
        for (const auto& [index, control] : controls) {
            if (control->isVisible())
                list.append(control);
        }
        return list;
    }

    // ----- the screens -----
    void actOn(Screen* screen)
    {
        if (auto* s = dynamic_cast<Titlefrm*>(screen))
            actOnTitle(*s);
        else if (auto* s = dynamic_cast<Intro0*>(screen))
            actOnMenu(*s);
        else if (auto* s = dynamic_cast<TopicPage*>(screen))
            actOnTopic(*s);
        else if (auto* s = dynamic_cast<Teacher*>(screen))
            actOnViewer(*s, s->Label3);
        else if (auto* s = dynamic_cast<Guide*>(screen))
            actOnViewer(*s, s->Label3);
        else if (auto* s = dynamic_cast<Multiple*>(screen))
            actOnQuiz(*s);
        else if (auto* s = dynamic_cast<Welldone*>(screen))
            actOnResults(*s);
        else if (auto* s = dynamic_cast<Wrong*>(screen))
            actOnWrong(*s);
        else if (auto* s = dynamic_cast<ActivityScreen*>(screen))
            actOnActivity(*s);
        else if (auto* s = dynamic_cast<Wizard*>(screen))
            actOnWizard(*s);
        else if (auto* s = dynamic_cast<Worksheets*>(screen))
            actOnCatalogue(*s);
        else
            hover(*screen);
    }

    void actOnTitle(Titlefrm& title)
    {
        switch (weighted({62, 8, 8, 6, 16})) {
        case 0:
            clickAction(QStringLiteral("title: click ") + title.Command1->text(), title.Command1);
            break;
        case 1:
            m_lastAction = QStringLiteral("title: Enter on the first button");
            title.Command1->setFocus();
            key(title, Qt::Key_Return);
            break;
        case 2:
            m_lastAction = QStringLiteral("title: Tab");
            key(title, Qt::Key_Tab);
            break;
        case 3:
            hover(title);
            break;
        default:
            clickAction(QStringLiteral("title: click Exit"), title.Command2);
            break;
        }
    }

    void actOnMenu(Intro0& menu)
    {
        static const QList<int> topicEntries{15, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        QList<int> openingEntries; // the entries with a topic page behind them
        for (const Topic& topic : m_test.program().topicLibrary().topics())
            openingEntries.append(Intro0::topicEntry(topic.place, topic.topic));
        switch (weighted({50, 6, 5, 7, 7, 7, 5, 10, 3})) {
        case 0: {
            const int entry = openingEntries.isEmpty() || chance(0.2) ? pickFrom(topicEntries) : pickFrom(openingEntries);
            clickAction(QStringLiteral("menu: topic entry %1").arg(entry), menu.Label2(entry));
            break;
        }
        case 1:
            clickAction(QStringLiteral("menu: Teachers' Guide"), menu.Label2(20));
            break;
        case 2:
            clickAction(QStringLiteral("menu: Acknowledgments"), menu.Label2(19));
            break;
        case 3:
            clickAction(QStringLiteral("menu: Multiple Choice Wizard"), menu.Label2(17));
            break;
        case 4:
            clickAction(QStringLiteral("menu: Worksheet Catalogue"), menu.Label2(18));
            break;
        case 5:
            clickAction(QStringLiteral("menu: Exit"), menu.Label2(16));
            break;
        case 6:
            clickAction(QStringLiteral("menu: sound option"), chance(0.7) ? menu.Option1 : menu.Option2);
            break;
        case 7:
            hover(menu);
            break;
        default:
            m_lastAction = QStringLiteral("menu: timer tick");
            if (menu.Timer1->isActive())
                menu.Timer1_Timer();
            break;
        }
    }

    void actOnTopic(TopicPage& page)
    {
        static const QStringList names{QStringLiteral("Multiple Choice"), QStringLiteral("Labelling Activity"),
                                       QStringLiteral("Exit"), QStringLiteral("Ordering Activity"),
                                       QStringLiteral("Key Facts"), QStringLiteral("Teacher's Notes")};
        const int choice = weighted({15, 13, 16, 13, 10, 8, 20, 5});
        if (choice < 6) {
            clickAction(QStringLiteral("%1: %2").arg(page.formName(), names.at(choice)), page.Label3(choice));
            return;
        }
        if (choice == 7) {
            hover(page);
            return;
        }
        QScrollBar* bar = page.HScroll1;
        QWindow* window = page.windowHandle();
        const QPoint barLeft = bar->mapTo(&page, QPoint(0, bar->height() / 2));
        switch (below(3)) {
        case 0: // a click somewhere on the bar: an arrow or the groove
            m_lastAction = page.formName() + QStringLiteral(": click the scroll bar");
            QTest::mouseClick(window, Qt::LeftButton, {}, barLeft + QPoint(below(bar->width()), 0));
            break;
        case 1: { // the thumb carried along the bar, perhaps past its ends
            m_lastAction = page.formName() + QStringLiteral(": drag the scroll bar's thumb");
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = bar->orientation();
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.sliderPosition = bar->sliderPosition();
            option.sliderValue = bar->value();
            option.singleStep = bar->singleStep();
            option.pageStep = bar->pageStep();
            const QPoint thumb = bar->mapTo(&page, bar->style()
                                                       ->subControlRect(QStyle::CC_ScrollBar, &option,
                                                                        QStyle::SC_ScrollBarSlider, bar)
                                                       .center());
            const QPoint to(barLeft.x() - 40 + below(bar->width() + 80), thumb.y());
            QTest::mousePress(window, Qt::LeftButton, {}, thumb);
            QTest::mouseMove(window, (thumb + to) / 2);
            QTest::mouseMove(window, to);
            QTest::mouseRelease(window, Qt::LeftButton, {}, to);
            break;
        }
        default: { // keys on the bar
            static const QList<Qt::Key> keys{Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                                             Qt::Key_Home, Qt::Key_End};
            m_lastAction = page.formName() + QStringLiteral(": keys on the scroll bar");
            bar->setFocus(Qt::TabFocusReason);
            key(page, pickFrom(keys));
            break;
        }
        }
    }

    void actOnViewer(Screen& viewer, const ControlArray<LabelButton>& buttons)
    {
        static const QStringList names{QStringLiteral("Print"), QStringLiteral("Exit"),
                                       QStringLiteral("Next Page"), QStringLiteral("Previous Page")};
        const int choice = weighted({14, 14, 30, 25, 10, 7});
        if (choice < 4) {
            clickAction(viewer.formName() + QStringLiteral(": ") + names.at(choice), buttons(choice));
        } else if (choice == 4) {
            hover(viewer);
        } else {
            m_lastAction = viewer.formName() + QStringLiteral(": timer tick");
            if (auto* notes = dynamic_cast<Teacher*>(&viewer); notes && notes->Timer1->isActive())
                notes->Timer1_Timer();
        }
    }

    void actOnQuiz(Multiple& quiz)
    {
        // Each quiz is taken by a pupil who knows every answer or by one who guesses.
        if (m_quiz.data() != &quiz) {
            m_quiz = &quiz;
            m_quizKnown = chance(0.3);
        }
        switch (weighted({40, 34, 6, 4, 6, 5, 5})) {
        case 0: {
            const ProgramState& state = m_test.state();
            int answer = 1 + below(4);
            if (m_quizKnown && state.questno >= 1 && state.questno <= QuestionBank::QuestionCount) {
                const int key = state.correct[state.questno].trimmed().toInt();
                if (key >= 1 && key <= 4)
                    answer = key;
            }
            clickAction(QStringLiteral("quiz: answer %1").arg(answer), quiz.Option1(answer));
            break;
        }
        case 1:
            clickAction(QStringLiteral("quiz: ") + quiz.Label3(1)->caption(), quiz.Label3(1));
            break;
        case 2:
            clickAction(QStringLiteral("quiz: previous question"), quiz.Label3(0));
            break;
        case 3:
            clickAction(QStringLiteral("quiz: print"), quiz.Label3(3));
            break;
        case 4:
            clickAction(QStringLiteral("quiz: exit"), quiz.Label3(2));
            break;
        case 5: {
            static const QList<Qt::Key> keys{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                                             Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return};
            m_lastAction = QStringLiteral("quiz: a key");
            key(quiz, pickFrom(keys));
            break;
        }
        default:
            hover(quiz);
            break;
        }
    }

    void actOnResults(Welldone& results)
    {
        switch (weighted({20, 30, 22, 15, 13})) {
        case 0:
            if (results.Text1->isVisible()) {
                m_lastAction = QStringLiteral("results: type a name");
                click(results.Text1);
                if (chance(0.3))
                    key(results, Qt::Key_A, Qt::ControlModifier);
                type(results, randomText(typedCharacters, 30));
                if (chance(0.3))
                    key(results, Qt::Key_Return);
            } else {
                hover(results);
            }
            break;
        case 1:
            clickAction(QStringLiteral("results: ") + results.Label3(0)->caption(), results.Label3(0));
            break;
        case 2:
            clickAction(QStringLiteral("results: exit"), results.Label3(1));
            break;
        case 3:
            m_lastAction = QStringLiteral("results: timer tick");
            if (results.Timer1.isActive())
                results.Timer1_Timer();
            else if (results.Timer2.isActive())
                results.Timer2_Timer();
            else if (results.Timer3.isActive())
                results.Timer3_Timer();
            break;
        default:
            hover(results);
            break;
        }
    }

    void actOnWrong(Wrong& wrong)
    {
        if (chance(0.6))
            clickAction(QStringLiteral("wrong answers: exit"), wrong.Label3(1));
        else
            hover(wrong);
    }

    void actOnActivity(ActivityScreen& activity)
    {
        if (m_activity.data() != &activity) {
            m_activity = &activity;
            m_itemsKnown = chance(0.5);
        }
        const DragEngine& engine = activity.engine();
        const QString name = activity.formName();
        switch (weighted({60, 7, 22, 8, 3})) {
        case 0: {
            const int item = below(engine.count());
            QPoint to;
            switch (m_itemsKnown ? 0 : weighted({40, 40, 20})) {
            case 0: { // into a target box, the right one for a pupil who knows
                const TwipsRect& box = engine.target(m_itemsKnown ? item : below(engine.count()));
                to = QPoint(toPixels(box.left + box.width / 2), toPixels(box.top + box.height / 2));
                break;
            }
            case 1:
                to = QPoint(below(activity.width()), below(activity.height()));
                break;
            default: // off the screen
                to = QPoint(-200 + below(activity.width() + 400), chance(0.5) ? -60 : activity.height() + 60);
                break;
            }
            m_lastAction = QStringLiteral("%1: drag item %2 to (%3, %4)").arg(name).arg(item).arg(to.x()).arg(to.y());
            drag(activity.Label2(item), to, chance(0.05) ? Qt::RightButton : Qt::LeftButton);
            break;
        }
        case 1:
            clickAction(name + QStringLiteral(": Start Again"), activity.Label3(1));
            break;
        case 2:
            if (activity.Label3(2)->isVisible())
                clickAction(name + QStringLiteral(": Check Score"), activity.Label3(2));
            else
                hover(activity);
            break;
        case 3:
            clickAction(name + QStringLiteral(": Exit"), activity.Label3(0));
            break;
        default:
            hover(activity);
            break;
        }
    }

    QList<QLineEdit*> wizardBoxes(Wizard& wizard)
    {
        QList<QLineEdit*> boxes{wizard.Text1};
        for (const auto& [index, box] : wizard.Text2)
            boxes.append(box);
        for (const auto& [index, box] : wizard.Text3)
            boxes.append(box);
        return boxes;
    }

    // A teacher types a whole worksheet, box after box with Enter, and ticks one answer of each.
    void fillWorksheet(Wizard& wizard)
    {
        // Mostly a worksheet that can be saved; sometimes one with a title or a text it cannot.
        const bool savable = chance(0.7);
        const QString& characters = savable ? savableCharacters : typedCharacters;
        click(wizard.Text1);
        key(wizard, Qt::Key_A, Qt::ControlModifier);
        type(wizard, savable ? u'T' + randomText(titleCharacters, 20) + u'x' : randomText(typedCharacters, 25));
        for (int box = 1; box < 51; ++box) {
            key(wizard, Qt::Key_Return);
            type(wizard, randomText(characters, box <= 10 ? 12 : 8));
        }
        for (int q = 0; q < QuestionBank::QuestionCount; ++q) {
            const int right = below(4);
            for (int a = 0; a < 4; ++a) {
                QCheckBox* tick = wizard.Check1(4 * q + a);
                if (tick->isChecked() != (a == right))
                    click(tick);
            }
        }
    }

    void actOnWizard(Wizard& wizard)
    {
        switch (weighted({30, 14, 14, 4, 12, 5, 5, 4})) {
        case 0: {
            QLineEdit* box = pickFrom(wizardBoxes(wizard));
            m_lastAction = QStringLiteral("wizard: type into ") + box->objectName();
            click(box);
            if (chance(0.3))
                key(wizard, Qt::Key_A, Qt::ControlModifier);
            type(wizard, randomText(typedCharacters, 20));
            break;
        }
        case 1: {
            static const QList<Qt::Key> keys{Qt::Key_Return, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,
                                             Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End};
            m_lastAction = QStringLiteral("wizard: a key");
            key(wizard, pickFrom(keys));
            break;
        }
        case 2: {
            const auto& ticks = wizard.Check1;
            QCheckBox* tick = ticks(below(int(ticks.size())));
            clickAction(QStringLiteral("wizard: tick ") + tick->objectName(), tick);
            break;
        }
        case 3:
            m_lastAction = QStringLiteral("wizard: fill in a whole worksheet");
            fillWorksheet(wizard);
            if (chance(0.6))
                click(wizard.Label3(1));
            break;
        case 4:
            clickAction(QStringLiteral("wizard: Save Worksheet"), wizard.Label3(1));
            break;
        case 5:
            clickAction(QStringLiteral("wizard: Exit"), wizard.Label3(0));
            break;
        case 6: {
            QLineEdit* box = pickFrom(wizardBoxes(wizard));
            m_lastAction = QStringLiteral("wizard: empty ") + box->objectName();
            click(box);
            key(wizard, Qt::Key_A, Qt::ControlModifier);
            key(wizard, Qt::Key_Delete);
            break;
        }
        default:
            hover(wizard);
            break;
        }
    }

    void actOnCatalogue(Worksheets& catalogue)
    {
        switch (weighted({8, 8, 45, 14, 7, 5})) {
        case 0:
            clickAction(QStringLiteral("catalogue: Edit Worksheet"), catalogue.Check1);
            break;
        case 1:
            clickAction(QStringLiteral("catalogue: Delete Worksheet"), catalogue.Check2);
            break;
        case 2: {
            QList<LabelButton*> titles = visibleOf(catalogue.Label2);
            titles.removeAll(catalogue.Label2(0));
            if (titles.isEmpty()) {
                hover(catalogue);
                break;
            }
            LabelButton* title = pickFrom(titles);
            const QString mode = catalogue.Check1->isChecked()   ? QStringLiteral("edit")
                                 : catalogue.Check2->isChecked() ? QStringLiteral("delete")
                                                                 : QStringLiteral("open");
            clickAction(QStringLiteral("catalogue: %1 \"%2\"").arg(mode, title->caption()), title);
            break;
        }
        case 3: {
            const QList<LabelButton*> pages = visibleOf(catalogue.Label3);
            if (pages.isEmpty())
                hover(catalogue);
            else
                clickAction(QStringLiteral("catalogue: turn the page"), pickFrom(pages));
            break;
        }
        case 4:
            clickAction(QStringLiteral("catalogue: Exit"), catalogue.Label2(0));
            break;
        default:
            hover(catalogue);
            break;
        }
    }

    TestProgram m_test;
    std::mt19937 m_random;
    int m_pixmapCacheLimit;
    QStringList m_order; // form names, the most recently shown or activated last
    QMap<QString, int> m_counts;
    QString m_lastAction;
    QPointer<QObject> m_quiz;     // the quiz being taken, to notice a new one
    QPointer<QObject> m_activity; // likewise the activity
    bool m_quizKnown = false;
    bool m_itemsKnown = false;
    int m_failAtArmed = 0;
    int m_restarts = 0;
    int m_saves = 0;
    int m_deleteQuestions = 0;
    int m_results = 0;
    QPointer<QObject> m_lastResults;
};

QtMessageHandler previousHandler = nullptr;

// Drops the offscreen platform's notes on raising windows and the test library's on drops
// off the window (wanted here), thousands of each, so a real warning stands out.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("This plugin does not support "))
            || message.contains(QLatin1String("occurs outside target window")))) {
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietHandler); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void tenThousandActionsAcrossEveryScreen()
    {
        const std::uint32_t seed = soakSeed();
        qInfo("soak seed %u (BS_SOAK_SEED replays another)", seed);
        QElapsedTimer clock;
        clock.start();

        Soak soak(seed);
        soak.start();
        qint64 early = 0;
        qint64 late = 0;
        for (int action = 1; action <= TotalActions; ++action) {
            const QString problem = soak.step();
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("seed %1, action %2 (%3): %4")
                                                       .arg(seed)
                                                       .arg(action)
                                                       .arg(soak.lastAction(), problem)));
            if (action == EarlyMark) {
                early = soak.measureAtMainMenu();
#ifdef BS_SOAK_ASAN
                if (qEnvironmentVariableIsSet("BS_SOAK_TRACE"))
                    __sanitizer_print_memory_profile(100, 200);
#endif
            }
        }
        late = soak.measureAtMainMenu();
#ifdef BS_SOAK_ASAN
        if (qEnvironmentVariableIsSet("BS_SOAK_TRACE"))
            __sanitizer_print_memory_profile(100, 200);
#endif

        // Screens by kind, so the table shows that every kind of screen was reached.
        QMap<QString, int> byKind;
        const QMap<QString, int>& counts = soak.counts();
        for (auto it = counts.begin(); it != counts.end(); ++it) {
            QString kind = it.key();
            if (kind.endsWith(QLatin1String("lab")) || kind.endsWith(QLatin1String("ord")))
                kind = QStringLiteral("activity");
            else if (kind != QLatin1String("intro0") && kind.at(kind.size() - 1).isDigit())
                kind = QStringLiteral("topic page");
            byKind[kind] += it.value();
        }
        qInfo("soak: %d actions in %lld ms, %d restarts at the title screen, %d prints started, "
              "%d results shown, %d worksheets saved, %d deletions asked",
              TotalActions, static_cast<long long>(clock.elapsed()), soak.restarts(),
              soak.test().printer().jobsStarted, soak.results(), soak.saves(), soak.deleteQuestions());
        qInfo("%-14s %7s", "screen", "actions");
        for (auto it = counts.begin(); it != counts.end(); ++it)
            qInfo("%-14s %7d", qPrintable(it.key()), it.value());
        qInfo("by kind:");
        for (auto it = byKind.begin(); it != byKind.end(); ++it)
            qInfo("%-14s %7d", qPrintable(it.key()), it.value());
        qInfo("%s at the main menu after %d actions: %lld; after %d actions: %lld (%+.1f%%)", heapMeasure(), EarlyMark,
              static_cast<long long>(early), TotalActions, static_cast<long long>(late),
              100.0 * double(late - early) / double(early));

        for (const char* kind : {"Titlefrm", "intro0", "topic page", "teacher", "guide", "multiple", "Welldone",
                                 "Wrong", "activity", "wizard", "worksheets"}) {
            QVERIFY2(byKind.value(QLatin1String(kind)) > 0,
                     qPrintable(QStringLiteral("seed %1: no action reached %2").arg(seed).arg(QLatin1String(kind))));
        }
        QVERIFY2(late <= early + early / 10,
                 qPrintable(QStringLiteral("seed %1: memory grew from %2 to %3 bytes").arg(seed).arg(early).arg(late)));
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
