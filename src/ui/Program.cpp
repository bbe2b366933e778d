#include "ui/Program.h"

#include "platform/Dialogs.h"
#include "platform/Display.h"
#include "platform/LazySoundPlayer.h"
#include "platform/QtPrinter.h"
#include "platform/RandomSource.h"
#include "ui/Language.h"
#include "ui/Screens.h"

#include <QCoreApplication>
#include <QStringList>

namespace bs {

Program::Program(const QString& contentRoot, Services services)
    : m_content(contentRoot)
    , m_pictures(m_content)
    , m_services(std::move(services))
    , m_screens(std::make_unique<Screens>(*this))
{
}

Program::~Program() = default;

Services Program::realServices(const QString& contentRoot)
{
    Services services;
    services.sound = makeRealSoundPlayer(contentRoot);
    services.dialogs = std::make_unique<QtDialogs>();
    services.random = std::make_unique<SystemRandom>();
    services.printer = std::make_unique<QtPrinter>();
    services.display = std::make_unique<QtDisplay>();
    services.endProgram = [] { QCoreApplication::exit(0); };
    return services;
}

TopicLibrary& Program::topicLibrary()
{
    if (!m_topicLibrary)
        m_topicLibrary = std::make_unique<TopicLibrary>(m_content.resolve(QStringLiteral("topics")));
    // The topics of the language chosen now; a switch rebuilds the screens that showed the other.
    m_topicLibrary->setLanguage(languageCode(currentLanguage()));
    return *m_topicLibrary;
}

void Program::playCue(const QString& contentPath)
{
    if (state.soundon == 1)
        m_services.sound->play(contentPath);
}

void Program::endProgram()
{
    m_screens->closeAll();
    if (m_services.endProgram)
        m_services.endProgram();
}

} // namespace bs
