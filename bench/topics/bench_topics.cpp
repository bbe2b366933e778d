// From the click to the opened screen's first paint: the main menu, each topic page, the
// notes viewer in each of its uses and the teachers' guide. Target: one 60 Hz frame (16.7 ms).
#include "BenchUtil.h"
#include "app/Fonts.h"
#include "app/Intro0.h"
#include "app/LabelButton.h"
#include "app/Program.h"
#include "app/Screens.h"
#include "app/Titlefrm.h"
#include "platform/fakes/FakeServices.h"
#include "platform/fakes/FakePrinter.h"
#include "platform/fakes/Fakes.h"
#include "topics/TopicPage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace bs;

namespace {

// Notes the first paint of any widget of the named screen.
class PaintWatcher : public QObject
{
public:
    QString target;
    bool painted = false;

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            if (auto* widget = qobject_cast<QWidget*>(object);
                widget && widget->window()->objectName() == target)
                painted = true;
        }
        return false;
    }
};

// A photograph-like JPEG: sky, hills and sea with a little grain, so that it compresses
// and decodes about as a real landscape does.
void writePhoto(const QString& path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(random.bounded(12)) - 6;
            const double hill = size.height() * (0.45 + 0.1 * std::sin(x / 97.0) + 0.05 * std::sin(x / 23.0));
            const QColor base = y < hill ? QColor(110, 160, 220 - y * 60 / size.height())
                                         : (y < size.height() * 0.8 ? QColor(70, 120 + (x / 13) % 30, 60)
                                                                    : QColor(40, 90, 150));
            line[x] = qRgb(std::clamp(base.red() + grain, 0, 255), std::clamp(base.green() + grain, 0, 255),
                           std::clamp(base.blue() + grain, 0, 255));
        }
    }
    QDir().mkpath(QFileInfo(path).path());
    image.save(path, "JPEG", 85);
}

// The shipped content file when the project has it, else a stand-in of a realistic size.
void provide(const QString& root, const QString& contentPath, QSize photoSize = {})
{
    const QString from = QStringLiteral(BS_CONTENT_DIR) + u'/' + contentPath;
    const QString to = root + u'/' + contentPath;
    QDir().mkpath(QFileInfo(to).path());
    if (QFile::exists(from)) {
        QFile::copy(from, to);
        return;
    }
    if (photoSize.isValid())
        writePhoto(to, photoSize);
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool waitForPaint(PaintWatcher& watcher, const QString& target)
{
    watcher.target = target;
    watcher.painted = false;
    QElapsedTimer guard;
    guard.start();
    while (!watcher.painted && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return watcher.painted;
}

struct Case
{
    QString name;
    QString target;
    std::function<void()> setUp; // untimed: brings the opener up
    std::function<void()> click; // timed, with the paint that follows
};

void run(Program& program, PaintWatcher& watcher, const Case& benchCase, int runs = 21)
{
    std::vector<double> times;
    for (int i = 0; i <= runs; ++i) {
        benchCase.setUp();
        QElapsedTimer timer;
        timer.start();
        benchCase.click();
        if (!waitForPaint(watcher, benchCase.target)) {
            std::printf("%s: never painted\n", qPrintable(benchCase.name));
            return;
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        if (i > 0) // the first run warms up
            times.push_back(ms);
        program.screens().unload(benchCase.target);
        flushDeletes();
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    bench::report(benchCase.name, times[times.size() / 2]);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    registerFonts();

    QTemporaryDir dir;
    const QString root = dir.path();
    provide(root, QStringLiteral("Images/brellinshoresm.jpg"), QSize(320, 240));
    provide(root, QStringLiteral("Images/stmary.jpg"), QSize(2400, 360));
    provide(root, QStringLiteral("Images/tresco.jpg"), QSize(2400, 360));
    provide(root, QStringLiteral("multiple/track.txt"));
    provide(root, QStringLiteral("logo/quenlow2.bmp"));
    for (int frame = 0; frame < 20; ++frame)
        provide(root, QStringLiteral("logo/quen%1.gif").arg(frame, 4, 10, QLatin1Char('0')));
    for (const char* drawing : {"key scilly1a.wmf", "key scilly2a.wmf", "scilly1.wmf", "scilly2.wmf",
                                "acknowledgments.wmf", "guide1.wmf"}) {
        provide(root, QStringLiteral("wmf/") + QLatin1String(drawing));
        provide(root, QStringLiteral("wmf2/") + QLatin1String(drawing));
    }
    if (!QFile::exists(root + QStringLiteral("/wmf/guide1.wmf")))
        std::printf("note: no drawings in content/ yet; the viewers are measured without them\n");

    Program program(root, fakeServices());
    Screens& screens = program.screens();
    PaintWatcher watcher;
    app.installEventFilter(&watcher);

    auto showAndPaint = [&](const QString& name) {
        if (screens.isLoaded(name) && screens.touch(name).isVisible())
            return;
        screens.show(name);
        waitForPaint(watcher, name);
    };
    auto menuEntry = [&](int index) {
        return [&, index] { screens.get<Intro0>(QStringLiteral("intro0")).Label2(index)->click(); };
    };
    auto pageEntry = [&](const QString& page, int index) {
        return [&, page, index] { screens.get<TopicPage>(page).Label3(index)->click(); };
    };

    const std::vector<Case> cases{
        {QStringLiteral("main menu (title OK)"), QStringLiteral("intro0"),
         [&] { showAndPaint(QStringLiteral("Titlefrm")); },
         [&] { screens.get<Titlefrm>(QStringLiteral("Titlefrm")).Command1->click(); }},
        {QStringLiteral("topic page scilly1"), QStringLiteral("scilly1"),
         [&] { showAndPaint(QStringLiteral("intro0")); }, menuEntry(4)},
        {QStringLiteral("topic page scilly2"), QStringLiteral("scilly2"),
         [&] { showAndPaint(QStringLiteral("intro0")); }, menuEntry(5)},
        {QStringLiteral("notes viewer: key facts"), QStringLiteral("teacher"),
         [&] { showAndPaint(QStringLiteral("scilly1")); }, pageEntry(QStringLiteral("scilly1"), 4)},
        {QStringLiteral("notes viewer: teacher's notes"), QStringLiteral("teacher"),
         [&] { showAndPaint(QStringLiteral("scilly2")); }, pageEntry(QStringLiteral("scilly2"), 5)},
        {QStringLiteral("notes viewer: acknowledgments"), QStringLiteral("teacher"),
         [&] { showAndPaint(QStringLiteral("intro0")); }, menuEntry(19)},
        {QStringLiteral("teachers' guide"), QStringLiteral("guide"),
         [&] { showAndPaint(QStringLiteral("intro0")); }, menuEntry(20)},
    };
    for (const Case& benchCase : cases)
        run(program, watcher, benchCase);
    app.removeEventFilter(&watcher);
    return 0;
}
