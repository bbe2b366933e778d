// A made-up pupil and teacher at the program for 15,000 seeded random actions. On whichever
// screen is in front it picks among what is visible and enabled there: clicks buttons and
// options, types awkward text into boxes, presses Tab, Enter, Space and Escape, moves the
// pointer, drags activity items, lets the screens' timers run. Message boxes are answered at
// random and the printer is sometimes missing or fails part-way. Like a pupil it now and then
// clicks the same thing again and again, which carries it to the end of a quiz.
// It catches what no single-screen test sees: a crash after an unusual path, no screen left
// showing, a modal box left open, a print job left open, a screen outliving its unloading,
// memory that grows with use, and a worksheet file left unreadable. Built with
// -DBRELLINSHORE_SANITIZE=ON it also runs under AddressSanitizer, whose leak check at exit
// covers the whole run. BS_SOAK_SEED=<number> replays another seed.
#include "activities/ActivityScreen.h"
#include "base/Names.h"
#include "base/Twips.h"
#include "support/TestProgram.h"
#include "ui/Screens.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/FieldReader.h"

#include <QApplication>
#include <QDirIterator>
#include <QMap>
#include <QPixmapCache>
#include <QTest>

#include <functional>
#include <random>

#if defined(__SANITIZE_ADDRESS__) || (defined(__has_feature) && __has_feature(address_sanitizer))
// GCC's runtime has the call without always shipping its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#define BS_HEAP_IN_USE qint64(__sanitizer_get_current_allocated_bytes())
#else
#include <malloc.h>
// Large pictures get mappings of their own.
#define BS_HEAP_IN_USE qint64(mallinfo2().uordblks + mallinfo2().hblkhd)
#endif

using namespace bs;

namespace {

constexpr int TotalActions = 15000, MeasureEvery = 1000;

QStringList projectContentFiles()
{
    const QDir root(QStringLiteral(BS_CONTENT_DIR));
    QStringList files;
    for (QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files.append(root.relativeFilePath(it.next()));
    return files;
}

// Screens by kind, so that the run shows every kind was reached.
QString kindOf(const QString& name)
{
    const bool activity = name.endsWith(QLatin1String("lab")) || name.endsWith(QLatin1String("ord"));
    const bool topicPage = name != screenName::menu && name.back().isDigit();
    return activity ? QStringLiteral("activity") : topicPage ? QStringLiteral("topic page") : name;
}

// Separators of the worksheet file, quotes, accents, a euro sign and a character Windows-1252
// lacks; a small set, so that the font's glyph cache is full early.
const QString typedCharacters = QStringLiteral("aeTs09  ,,&'\"-.\u00E9\u00A3\u20AC\u0141");

using Actions = std::vector<std::pair<QString, std::function<void()>>>;

struct Soak : QObject
{
    explicit Soak(std::uint32_t seed) : random(seed), test(projectContentFiles())
    {
        // A teacher saved thirty worksheets before: the catalogue has two pages from the start.
        CatalogueList catalogue;
        for (int i = 1; i <= 30; ++i) {
            const auto worksheet = test::sampleWorksheet(QStringLiteral("Coasts & cliffs, part %1").arg(i));
            writeWorksheetFile(test.contentRoot() + QStringLiteral("/multiple"), worksheet);
            trackworksheets(cataloguePath(), worksheet.title, catalogue);
        }
        test.state().soundon = 1;
        qApp->installEventFilter(this);
        // The style's pixmap cache fills with every new screen's palettes up to 10 MB whatever
        // the program does; without it memory shows what the program holds.
        QPixmapCache::setCacheLimit(0);
    }
    ~Soak() override { qApp->removeEventFilter(this); }
    QString cataloguePath() const { return test.contentRoot() + QStringLiteral("/multiple/track.txt"); }
    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; }

    // The visible screen shown or activated last.
    Screen* front()
    {
        for (auto it = order.crbegin(); it != order.crend(); ++it)
            if (Screen* screen = test.screens().loaded(*it); screen && screen->isVisible())
                return screen;
        return nullptr;
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* screen = qobject_cast<Screen*>(watched);
        const bool raised = event->type() == QEvent::Show || event->type() == QEvent::WindowActivate;
        if (raised && screen && screen->isWindow() && screen->formName() != screenName::backdrop)
            order.removeAll(screen->formName()), order.append(screen->formName());
        return false;
    }

    // One action on the screen in front (the title screen again after the program ended).
    // Returns an empty string or what went wrong.
    QString step()
    {
        Screen* screen = front();
        if (!screen)
            test.screens().show(screenName::title);
        if (!screen && !(screen = front()))
            return QStringLiteral("the title screen did not come up");
        ++kindsSeen[kindOf(screen->formName())];
        FakePrinter& printer = test.printer();
        printer.noPrinter = chance(0.08);
        printer.failAt = chance(0.1) ? printer.opCount + 1 + below(40) : 0;
        test.dialogs().answers = {chance(0.5), chance(0.5), chance(0.5)};
        const int started = printer.jobsStarted, ended = printer.jobsEnded, ends = test.endProgramCalls();

        // Like a pupil, now and then the same thing again and again.
        const Actions actions = actionsOn(*screen);
        const QString on = screen->formName() + QStringLiteral(": ");
        auto chosen = std::find_if(actions.begin(), actions.end(), [&](const auto& action) {
            return repeats > 0 && lastAction == on + action.first;
        });
        if (chosen != actions.end())
            --repeats;
        else
            chosen = actions.begin() + below(int(actions.size())), repeats = chance(0.3) ? below(12) : 0;
        lastAction = on + chosen->first;
        chosen->second();
        QCoreApplication::processEvents();
        TestProgram::flushDeletes();

        if (QApplication::activeModalWidget())
            return QStringLiteral("a modal box is left open");
        if (QGuiApplication::mouseButtons() != Qt::NoButton)
            return QStringLiteral("a mouse button is still held");
        if (!front() && test.endProgramCalls() == ends)
            return QStringLiteral("no screen is showing");
        const bool failed = printer.failAt > 0 && printer.opCount >= printer.failAt;
        if (!failed && !printer.noPrinter && printer.jobsStarted - started != printer.jobsEnded - ended)
            return QStringLiteral("a print job was left unfinished");
        if (failed && printer.jobsStarted > started && test.dialogs().messages.isEmpty())
            return QStringLiteral("a printer failure went unreported");
        // An unloaded screen must be gone once deferred deletions have run.
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* alive = qobject_cast<Screen*>(widget);
                alive && test.screens().loaded(alive->formName()) != alive)
                return QStringLiteral("screen %1 outlived its unloading").arg(alive->formName());
        test.sound().played.clear(), test.dialogs().messages.clear(), test.dialogs().questions.clear();
        test.printer().ops.clear();
        return {};
    }

    // The same state for every measurement: the main menu over the backdrop, nothing else.
    qint64 heapAtMainMenu()
    {
        test.screens().closeAll();
        TestProgram::flushDeletes();
        test.screens().show(screenName::title);
        QTest::mouseClick(front()->findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents(), TestProgram::flushDeletes();
        test.printer().ops.clear();
        return BS_HEAP_IN_USE;
    }

    void typeInto(QWidget* box)
    {
        if (chance(0.3))
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        for (int i = 0, length = chance(0.1) ? 80 + below(200) : 1 + below(12); i < length; ++i) {
            const QChar c = typedCharacters.at(below(int(typedCharacters.size())));
            // A character without a key of its own comes as text alone, as from a compose key.
            const auto key = c.unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
        }
    }

    // An item carried into a box (the right one or not) or anywhere, even off the screen.
    void drag(ActivityScreen* activity, QWindow* window)
    {
        const TwipsRect& box = activity->engine().target(below(activity->engine().count()));
        QWidget* item = activity->Label2(below(activity->engine().count()));
        const QPoint from = item->mapTo(activity, item->rect().center());
        const QPoint to =
            chance(0.8) ? twipsRect(box.left, box.top, box.width, box.height).center()
                        : QPoint(below(activity->width() + 200) - 100, below(activity->height() + 200) - 100);
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, (from + to) / 2);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    }

    // Everything a user could do on the screen now: buttons and options (on the indicator),
    // a scroll bar's arrows, groove or thumb, typing into boxes, keys, the pointer, the timers.
    Actions actionsOn(Screen& screen)
    {
        QWindow* window = screen.windowHandle();
        const auto click = [=, &screen](QWidget* w, QPoint p) {
            QTest::mouseClick(window, Qt::LeftButton, {}, w->mapTo(&screen, p));
        };
        Actions actions;
        for (QWidget* w : screen.findChildren<QWidget*>()) {
            const QString name = QStringLiteral("click ") + w->objectName();
            if (!w->isVisible() || !w->isEnabled())
                continue;
            if (w->inherits("QRadioButton") || w->inherits("QCheckBox"))
                actions.push_back({name, [=] { click(w, {7, w->height() / 2}); }});
            else if (w->inherits("QAbstractButton"))
                actions.push_back({name, [=] { click(w, w->rect().center()); }});
            else if (w->inherits("QAbstractSlider"))
                actions.push_back({name, [=, this] { click(w, {below(w->width()), w->height() / 2}); }});
            else if (w->inherits("QLineEdit"))
                actions.push_back({QStringLiteral("type into ") + name,
                                   [=, this] { click(w, w->rect().center()), typeInto(w); }});
        }
        if (auto* activity = dynamic_cast<ActivityScreen*>(&screen))
            actions.push_back({QStringLiteral("drag an item"), [=, this] { drag(activity, window); }});
        QWidget* focus = screen.focusWidget() ? screen.focusWidget() : &screen;
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape})
            actions.push_back({QStringLiteral("key %1").arg(key), [=] { QTest::keyClick(focus, key); }});
        const QPoint anywhere(below(screen.width()), below(screen.height()));
        actions.push_back({QStringLiteral("move the pointer"), [=] { QTest::mouseMove(window, anywhere); }});
        actions.push_back({QStringLiteral("let the timers run"), [] { QTest::qWait(30); }});
        return actions;
    }

    std::mt19937 random;
    TestProgram test;
    QStringList order; // form names, the most recently shown or activated last
    QMap<QString, int> kindsSeen;
    QString lastAction;
    int repeats = 0;
};

// Drops the offscreen platform's notes on raising windows and the test library's on drops
// off the window, thousands of each, so that a real warning stands out.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtWarningMsg || !(message.startsWith(QLatin1String("This plugin does not support ")) ||
                                  message.contains(QLatin1String("outside target window"))))
        previousHandler(type, context, message);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fifteenThousandActionsAcrossEveryScreen()
    {
        previousHandler = qInstallMessageHandler(quietHandler);
        const std::uint32_t seed = qEnvironmentVariable("BS_SOAK_SEED", QStringLiteral("1")).toUInt();
        Soak soak(seed);
        QList<qint64> heap; // at the main menu after every thousand actions
        QStringList figures;
        for (int action = 1; action <= TotalActions; ++action) {
            const QString problem = soak.step();
            if (!problem.isEmpty())
                QFAIL(qPrintable(QString::asprintf("seed %u, action %d (%s): %s", seed, action,
                                                   qPrintable(soak.lastAction), qPrintable(problem))));
            if (action % MeasureEvery == 0)
                heap << soak.heapAtMainMenu(), figures << QString::number(heap.last());
        }
        qInstallMessageHandler(previousHandler);
        qInfo("seed %u, actions by kind of screen: %s", seed, qPrintable([&] {
                  QStringList kinds;
                  for (auto it = soak.kindsSeen.cbegin(); it != soak.kindsSeen.cend(); ++it)
                      kinds << it.key() + u' ' + QString::number(it.value());
                  return kinds.join(QStringLiteral(", "));
              }()));
        for (const char* kind : {"Titlefrm", "intro0", "topic page", "teacher", "guide", "multiple",
                                 "Welldone", "activity", "wizard", "worksheets", "ourtopics", "topicmaker",
                                 "classresults"})
            QVERIFY2(soak.kindsSeen.value(QLatin1String(kind)) > 0,
                     qPrintable(QString::asprintf("seed %u: no action reached %s", seed, kind)));
        // Memory must not grow with use. The first third of the run warms up (caches fill as
        // screens are first seen, and there are many screens to see); the least of the last
        // three figures, so that one busy moment counts for nothing, may then be a tenth above
        // the figure after the warm-up.
        qInfo("seed %u, heap at the main menu every %d actions: %s", seed, MeasureEvery,
              qPrintable(figures.join(u' ')));
        const qint64 early = heap[TotalActions / MeasureEvery / 3 - 1],
                     late = *std::min_element(heap.end() - 3, heap.end());
        QVERIFY2(late <= early + early / 10,
                 qPrintable(QString::asprintf("seed %u: memory grew by a tenth", seed)));

        // The catalogue and every worksheet it lists still read.
        CatalogueList catalogue;
        readCatalogue(soak.cataloguePath(), catalogue);
        QVERIFY(catalogue.workcount > 0);
        for (int i = 1; i <= catalogue.workcount; ++i) {
            FieldReader reader =
                FieldReader::fromFile(soak.test.contentRoot() + QStringLiteral("/multiple/") +
                                      worksheetFileName(catalogue.worklist[i]));
            QuestionBank bank;
            loadworksheet(reader, bank);
            QCOMPARE(bank.worktitle,
                     QString(catalogue.worklist[i]).replace(u'&', u',')); // the file keeps commas as &
        }
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
