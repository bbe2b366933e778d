// From the click to the opened screen's first paint, for the school's own topics: the "Our
// Topics" list holding 100 topics (it reads the folder afresh as it opens), an own topic's page
// from the list, and its typed key facts page. Target: one 60 Hz frame (16.7 ms).
#include "BenchUtil.h"
#include "app/Intro0.h"
#include "app/ScreenCatalog.h"
#include "base/Names.h"
#include "graphics/Fonts.h"
#include "owntopics/OurTopics.h"
#include "platform/fakes/FakeServices.h"
#include "topicdata/OwnTopicStore.h"
#include "topics/TopicPage.h"
#include "ui/LabelButton.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <vector>

using namespace bs;

namespace {

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

QByteArray jpeg(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

OwnTopic topicNumbered(int n)
{
    const QString title = QStringLiteral("Our village walk %1").arg(n, 3, 10, QChar(u'0'));
    OwnTopic topic;
    topic.title = title;
    topic.panorama = owntopic::panoramaName(title, QStringLiteral("jpg"));
    const QString words =
        QStringLiteral("The path runs past the church, the old school and the river bridge.");
    topic.keyFacts = {
        TextPage{QStringLiteral("The walk"), {words, words, QStringLiteral("- ") + words}, words},
        TextPage{QStringLiteral("The river"), {words, words}, {}}};
    topic.notes = TextPage{QStringLiteral("For the teacher"), {words}, {}};
    topic.labelling =
        OwnLabelling{owntopic::pictureName(title, QStringLiteral("jpg")),
                     words,
                     {{QStringLiteral("Church"), {0, 0}}, {QStringLiteral("Bridge"), {2400, 3000}}}};
    topic.ordering =
        OwnOrdering{words, {QStringLiteral("Church"), QStringLiteral("School"), QStringLiteral("Bridge")}};
    return topic;
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
    QDir(root).mkpath(QStringLiteral("ourtopics"));
    QDir(root).mkpath(QStringLiteral("multiple"));
    const OwnTopicStore store(root + QStringLiteral("/ourtopics"),
                              root + QStringLiteral("/multiple/track.txt"));
    const QByteArray panorama = jpeg(QSize(3000, 340));
    const QByteArray picture = jpeg(QSize(480, 400));
    for (int n = 1; n <= 100; ++n) {
        const OwnTopic topic = topicNumbered(n);
        store.save(topic, {{topic.panorama, panorama}, {topic.labelling->picture, picture}});
    }

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
    struct Case
    {
        QString name, target;
        std::function<void()> setUp, click;
    };
    const std::vector<Case> cases{
        {QStringLiteral("Our Topics with 100 topics (menu click)"), screenName::ourTopics,
         [&] { showAndPaint(screenName::menu); },
         [&] { screens.get<Intro0>(screenName::menu).Label2(21)->click(); }},
        {QStringLiteral("own topic page (Our Topics click)"), QStringLiteral("own1"),
         [&] { showAndPaint(screenName::ourTopics); },
         [&] { screens.get<OurTopics>(screenName::ourTopics).Label2(1)->click(); }},
        {QStringLiteral("own topic's typed key facts page"), screenName::notes,
         [&] { showAndPaint(QStringLiteral("own1")); },
         [&] { screens.get<TopicPage>(QStringLiteral("own1")).Label3(4)->click(); }},
    };
    for (const Case& benchCase : cases) {
        std::vector<double> times;
        for (int i = 0; i <= 21; ++i) {
            benchCase.setUp();
            QElapsedTimer timer;
            timer.start();
            benchCase.click();
            if (!waitForPaint(watcher, benchCase.target)) {
                std::printf("%s: never painted\n", qPrintable(benchCase.name));
                return 1;
            }
            if (i > 0) // the first run warms up
                times.push_back(timer.nsecsElapsed() / 1e6);
            screens.unload(benchCase.target);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
        std::sort(times.begin(), times.end());
        bench::report(benchCase.name, times[times.size() / 2]);
    }
    app.removeEventFilter(&watcher);
    return 0;
}
