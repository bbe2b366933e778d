#include "app/Screens.h"

#include "app/ScreenCatalog.h"
#include "app/Screen.h"

namespace bs {

Screens::Screens(Program& program)
    : m_program(program)
{
    registerAllScreens(*this);
}

Screens::~Screens()
{
    const QHash<QString, Screen*> screens = std::exchange(m_loaded, {});
    qDeleteAll(screens);
}

void Screens::registerScreen(const QString& formName, Factory factory)
{
    m_factories.insert(formName, std::move(factory));
}

void Screens::registerSource(Source source)
{
    m_sources.push_back(std::move(source));
}

const Screens::Factory* Screens::factory(const QString& formName)
{
    auto known = m_factories.constFind(formName);
    if (known != m_factories.constEnd())
        return &*known;
    for (const Source& source : m_sources) {
        if (Factory made = source(m_program, formName))
            return &*m_factories.insert(formName, std::move(made));
    }
    return nullptr;
}

Screen& Screens::touch(const QString& formName)
{
    if (Screen* screen = m_loaded.value(formName))
        return *screen;
    const Factory* make = factory(formName);
    if (!make)
        throw std::logic_error("no screen named " + formName.toStdString());
    Screen* screen = (*make)(m_program, formName);
    // Known as loaded before the load event runs, so the event may touch its own controls.
    m_loaded.insert(formName, screen);
    screen->prepareControls();
    screen->Form_Load();
    return *screen;
}

void Screens::show(const QString& formName)
{
    touch(formName).showScreen();
}

void Screens::unload(const QString& formName)
{
    Screen* screen = m_loaded.take(formName);
    if (!screen)
        return;
    screen->unloading();
    screen->hide();
    screen->deleteLater();
}

void Screens::closeAll()
{
    const QHash<QString, Screen*> screens = std::exchange(m_loaded, {});
    for (Screen* screen : screens) {
        screen->unloading();
        screen->hide();
        screen->deleteLater(); // the caller may be a handler of one of them
    }
}

} // namespace bs
