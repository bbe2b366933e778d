// How quickly a dragged item follows the pointer and how quickly a drop settles: one pointer
// move through the window to the repainted item, and one release with its snapping and the
// all-placed check; and a placement by the keyboard, from the key press on the chosen box to the
// repainted item. All must stay far below a frame (16 ms); the aim is under 1 ms.
#include "app/ScreenCatalog.h"
#include "BenchUtil.h"

#include "activities/ActivityScreen.h"
#include "ui/LabelButton.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "base/Twips.h"
#include "platform/fakes/FakeServices.h"
#include "platform/fakes/FakePrinter.h"
#include "platform/fakes/Fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <vector>

using namespace bs;

namespace {

// Counts the paints of one widget, to be sure each measured step ends repainted. A moved
// item's own pixels are copied across; the screen repaints the place it uncovered.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Paints what the last step left dirty now, rather than at the window's next frame.
void repaintNow(QWindow* window)
{
    QEvent update(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &update);
}

QPoint centreOf(QWidget* control)
{
    return control->mapTo(control->window(), control->rect().center());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Services services = fakeServices();
    Program program(QStringLiteral(BS_CONTENT_DIR), std::move(services));
    registerAllScreens(program.screens());
    program.state.soundon = 1;

    const QString form = QStringLiteral("scilly1lab");
    program.screens().show(form);
    auto& screen = program.screens().get<ActivityScreen>(form);
    if (!QTest::qWaitForWindowExposed(&screen))
        return 1;
    QWindow* window = screen.windowHandle();
    PaintCounter counter;
    QLabel* item = screen.Label2(5);
    screen.installEventFilter(&counter);

    // One drag step: a pointer move routed to the held item, which moves and is repainted.
    QTest::mousePress(window, Qt::LeftButton, {}, centreOf(item));
    int step = 0;
    const double dragStep = bench::medianMs(
        [&] {
            ++step;
            QTest::mouseMove(window, QPoint(200 + step % 200, 150 + step % 100));
            repaintNow(window);
        },
        201);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(200 + step % 200, 150 + step % 100));
    const bool repainted = counter.paints >= step;

    // One drop: every other item already in its box, the last one released beside its own.
    for (int i = 0; i < 5; ++i) {
        const TwipsRect& target = screen.engine().target(i);
        QTest::mousePress(window, Qt::LeftButton, {}, centreOf(screen.Label2(i)));
        const QPoint to(toPixels(target.left + target.width / 2), toPixels(target.top + target.height / 2));
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    }
    const TwipsRect& target = screen.engine().target(5);
    const QPoint beside(toPixels(target.left + target.width / 2) + 9, toPixels(target.top + target.height / 2) + 4);
    std::vector<double> drops;
    for (int run = 0; run < 201; ++run) {
        QTest::mousePress(window, Qt::LeftButton, {}, centreOf(item));
        QTest::mouseMove(window, beside);
        QElapsedTimer timer;
        timer.start();
        QTest::mouseRelease(window, Qt::LeftButton, {}, beside);
        repaintNow(window);
        drops.push_back(timer.nsecsElapsed() / 1e6);
    }
    const bool placed = screen.engine().allPlaced() && screen.Label3(2)->isVisible();

    // A keyboard placement: the item picked up with Space, the focus on a box (untimed), then
    // the timed Enter there, into its home slot and its target box by turns, ending home.
    QTest::qWaitForWindowActive(&screen);
    std::vector<double> keyed;
    for (int run = 0; run < 201; ++run) {
        item->setFocus();
        QTest::keyClick(item, Qt::Key_Space);
        QWidget* box = run % 2 ? static_cast<QWidget*>(screen.Label1(5)) : screen.Label4(5);
        box->setFocus();
        QElapsedTimer timer;
        timer.start();
        QTest::keyPress(box, Qt::Key_Return);
        repaintNow(window);
        keyed.push_back(timer.nsecsElapsed() / 1e6);
        QTest::keyRelease(item, Qt::Key_Return);
    }
    const bool keyedHome = screen.engine().item(5) == screen.engine().home(5) && screen.heldItem() < 0;

    // The geometry alone, without the toolkit.
    DragEngine engine = screen.engine();
    int moves = 0;
    const double engineStep = bench::medianMs(
        [&] {
            for (int i = 0; i < 1000; ++i)
                engine.dragStep(5, DragEngine::LeftButton, float(++moves % 90), 40.f);
        },
        21);
    const double engineDrop = bench::medianMs(
        [&] {
            for (int i = 0; i < 1000; ++i) {
                engine.moveItem(5, target.left + 120, target.top + 60);
                engine.drop(5);
            }
        },
        21);

    bench::report(QStringLiteral("activities/drag step (pointer move to repaint)"), dragStep);
    bench::report(QStringLiteral("activities/drop with all-placed check"), median(drops));
    bench::report(QStringLiteral("activities/keyboard placement (key press to repaint)"), median(keyed));
    bench::report(QStringLiteral("activities/engine drag step"), engineStep, QStringLiteral("us"));
    bench::report(QStringLiteral("activities/engine drop with all-placed check"), engineDrop, QStringLiteral("us"));
    if (!repainted || !placed || !keyedHome) {
        std::fprintf(stderr, "%d repaints in %d drag steps; all placed after the drops: %s; keyed home: %s\n",
                     counter.paints, step, placed ? "yes" : "no", keyedHome ? "yes" : "no");
        return 1;
    }
    program.screens().closeAll();
    return 0;
}
