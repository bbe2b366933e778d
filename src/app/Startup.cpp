#include "app/Startup.h"

#include "app/ScreenCatalog.h"
#include "base/Names.h"
#include "graphics/Fonts.h"
#include "platform/Content.h"
#include "ui/Language.h"
#include "ui/Program.h"
#include "ui/Screen.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QEvent>

#include <fontconfig/fontconfig.h>

#include <thread>

namespace bs {

namespace {

class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget& watched, std::function<void(QWidget&)> callback)
        : m_watched(watched)
        , m_callback(std::move(callback))
    {
        watched.installEventFilter(this);
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (object == &m_watched && event->type() == QEvent::Paint && m_callback) {
            // After the paint has finished, not inside it.
            QMetaObject::invokeMethod(this, [this] { std::exchange(m_callback, {})(m_watched); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& m_watched;
    std::function<void(QWidget&)> m_callback;
};

} // namespace

int runBrellinshore(int argc, char* argv[], const std::function<void(QWidget&)>& firstPaint)
{
    // The screens are designed at 96 dots per inch (15 twips to the pixel).
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    // Reading the system's font configuration is the largest single cost of a start: it runs
    // on a second core while the toolkit starts and the title screen is built, and the toolkit
    // finds it done when the title screen first draws its text.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brellinshore"));
    QApplication::setOrganizationName(QStringLiteral("Quenlow Publishing Ltd"));
    QApplication::setQuitOnLastWindowClosed(false);
    // English is the code's own language: an English start loads no translations.
    setLanguage(startLanguage());

    const QString folder = findContentFolder(QApplication::applicationDirPath());
    Program program(folder, Program::realServices(folder));
    program.machineResults = machineResultsSetting();
    registerAllScreens(program.screens());
    Screen& title = program.screens().touch(screenName::title);
    // The title screen draws no Tahoma: register it once the title screen is up, with the
    // sound library and the everyday cues, so that neither slows the start.
    FirstPaintWatcher watcher(title, [&program, firstPaint](QWidget& painted) {
        if (firstPaint)
            firstPaint(painted);
        registerFonts();
        program.sound().preload({cue::click, cue::typeKey, cue::thud});
    });
    fontConfiguration.join();
    title.showScreen();
    return QApplication::exec();
}

} // namespace bs
