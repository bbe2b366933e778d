// From the click to the opened screen's first paint: the main menu, every topic page of the
// shipped content (target 8 ms each; the first topic click also reads the topic files), the
// notes viewer in each of its uses and the teachers' guide. Target: one 60 Hz frame (16.7 ms).
#include "app/ScreenCatalog.h"
#include "BenchUtil.h"
#include "graphics/Fonts.h"
#include "app/Intro0.h"
#include "ui/LabelButton.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "app/Titlefrm.h"
#include "platform/fakes/FakeServices.h"
#include "platform/fakes/FakePrinter.h"
#include "platform/fakes/Fakes.h"
#include "topicdata/TopicLibrary.h"
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

// Reading the topics folder, which the first topic click of a run does before its page.
void readTopicFiles(const QString& root, int runs = 21)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        TopicLibrary library(root + QStringLiteral("/topics"));
        const std::size_t read = library.topics().size();
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (read == 0)
            return;
    }
    std::sort(times.begin(), times.end());
    bench::report(QStringLiteral("topic files: read the folder (first topic click)"), times[times.size() / 2]);
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

    // The shipped content, read only: the real panoramas, drawings and topic files.
    const QString root = QStringLiteral(BS_CONTENT_DIR);
    Program program(root, fakeServices());
    registerAllScreens(program.screens());
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

    readTopicFiles(root);
    std::vector<Case> cases{
        {QStringLiteral("main menu (title OK)"), QStringLiteral("intro0"),
         [&] { showAndPaint(QStringLiteral("Titlefrm")); },
         [&] { screens.get<Titlefrm>(QStringLiteral("Titlefrm")).Command1->click(); }},
    };
    for (const Topic& topic : program.topicLibrary().topics()) {
        cases.push_back({QStringLiteral("topic page ") + topic.formName, topic.formName,
                         [&] { showAndPaint(QStringLiteral("intro0")); },
                         menuEntry(Intro0::topicEntry(topic.place, topic.topic))});
    }
    cases.insert(cases.end(), {
        {QStringLiteral("notes viewer: key facts"), QStringLiteral("teacher"),
         [&] { showAndPaint(QStringLiteral("scilly1")); }, pageEntry(QStringLiteral("scilly1"), 4)},
        {QStringLiteral("notes viewer: teacher's notes"), QStringLiteral("teacher"),
         [&] { showAndPaint(QStringLiteral("scilly2")); }, pageEntry(QStringLiteral("scilly2"), 5)},
        {QStringLiteral("notes viewer: acknowledgments"), QStringLiteral("teacher"),
         [&] { showAndPaint(QStringLiteral("intro0")); }, menuEntry(19)},
        {QStringLiteral("teachers' guide"), QStringLiteral("guide"),
         [&] { showAndPaint(QStringLiteral("intro0")); }, menuEntry(20)},
    });
    for (const Case& benchCase : cases)
        run(program, watcher, benchCase);
    app.removeEventFilter(&watcher);
    return 0;
}
