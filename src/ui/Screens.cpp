#include "ui/Screens.h"

#include "base/Names.h"
#include "ui/Grey.h"
#include "ui/Screen.h"

#include <QApplication>
#include <QPointer>

namespace bs {

Screens::Screens(Program& program)
    : m_program(program)
{
    // The backdrop belongs to the kit: every screen is kept above it.
    registerScreen<Grey>(screenName::backdrop);
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
    Screen& screen = touch(formName);
    if (!screen.isVisible()) {
        QWidget* focused = QApplication::focusWidget();
        screen.setOpener(focused && focused->window() != &screen ? focused : nullptr);
    }
    screen.showScreen();
    m_front = &screen;
}

void Screens::unload(const QString& formName)
{
    Screen* screen = m_loaded.take(formName);
    if (!screen)
        return;
    screen->unloading();
    const QPointer<QWidget> opener = screen->opener();
    const bool inFront = m_front == screen;
    screen->hide();
    screen->deleteLater();
    // The keyboard goes back where it was before this screen came up, unless another screen
    // has come up since and has it now.
    if (inFront && opener && opener->isVisible()) {
        m_front = qobject_cast<Screen*>(opener->window());
        opener->window()->activateWindow();
        opener->setFocus(Qt::OtherFocusReason);
    }
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
