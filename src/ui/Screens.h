#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

namespace bs {

class Program;
class Screen;

// Every screen exists at most once and is reached by its form name ("intro0", "scilly1", ...).
// The first touch builds the screen from its design state and runs its load event right
// then; unloading hides it and forgets it, and the next touch builds it afresh. Never keep a
// pointer to a screen across an unload: ask the registry each time.
class Screens
{
public:
    using Factory = std::function<Screen*(Program&, const QString& formName)>;
    // Gives the factory of a screen known only from data (a topic page, an activity), or an
    // empty one; asked only for names registered no other way.
    using Source = std::function<Factory(Program&, const QString& formName)>;

    explicit Screens(Program& program);
    ~Screens();

    void registerScreen(const QString& formName, Factory factory);
    // Registers a screen class whose constructor takes (Program&, formName).
    template <class T>
    void registerScreen(const QString& formName)
    {
        registerScreen(formName, [](Program& program, const QString& name) -> Screen* { return new T(program, name); });
    }
    void registerSource(Source source);
    bool isRegistered(const QString& formName) { return factory(formName) != nullptr; }

    // The loaded screen, loading it (and running its load event) first if need be.
    Screen& touch(const QString& formName);
    template <class T>
    T& get(const QString& formName)
    {
        T* screen = dynamic_cast<T*>(&touch(formName));
        if (!screen)
            throw std::logic_error("screen of another kind");
        return *screen;
    }

    // Loads the screen if need be and shows it, modeless, over the backdrop.
    void show(const QString& formName);
    // Hides and forgets the screen; it is deleted once the current event has been handled,
    // so a handler may unload its own screen and carry on.
    void unload(const QString& formName);

    bool isLoaded(const QString& formName) const { return m_loaded.contains(formName); }
    // The loaded screen, or nullptr; never loads.
    Screen* loaded(const QString& formName) const { return m_loaded.value(formName); }
    // In name order, so that a list of them reads the same in every run.
    QStringList loadedNames() const
    {
        QStringList names = m_loaded.keys();
        names.sort();
        return names;
    }

    // Unloads every screen.
    void closeAll();

private:
    const Factory* factory(const QString& formName);

    Program& m_program;
    QHash<QString, Factory> m_factories;
    std::vector<Source> m_sources;
    QHash<QString, Screen*> m_loaded;
    QPointer<Screen> m_front; // the screen shown last, which has the keyboard
};

} // namespace bs
