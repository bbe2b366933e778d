#pragma once

#include "platform/Content.h"
#include "platform/Pictures.h"
#include "platform/Services.h"
#include "topicdata/TopicLibrary.h"
#include "ui/ProgramState.h"

#include <functional>
#include <memory>

namespace bs {

class Screens;

// The composition root: the shared state, the services and the screens of one run. Every
// screen is given the Program it belongs to; there are no globals, so a test builds its own.
class Program
{
public:
    Program(const QString& contentRoot, Services services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The real services for contentRoot; endProgram quits the application.
    static Services realServices(const QString& contentRoot);

    ProgramState state;
    // The machine's setting for the class's results (machineResultsSetting(), read at start;
    // a test sets it): "on" keeps them unless the results folder's switch says otherwise.
    QString machineResults;

    const Content& content() const { return m_content; }
    const Pictures& pictures() const { return m_pictures; }
    SoundPlayer& sound() { return *m_services.sound; }
    Dialogs& dialogs() { return *m_services.dialogs; }
    RandomSource& random() { return *m_services.random; }
    Printer& printer() { return *m_services.printer; }
    Display& display() { return *m_services.display; }
    Screens& screens() { return *m_screens; }
    // The topic files of the content's "topics" folder, read when first asked for.
    TopicLibrary& topicLibrary();

    // Plays a cue such as "wav\click.wav" when, and only when, the sound switch holds 1.
    void playCue(const QString& contentPath);
    // Closes every screen and ends the run, with no further events.
    void endProgram();

private:
    Content m_content;
    Pictures m_pictures;
    Services m_services;
    std::unique_ptr<TopicLibrary> m_topicLibrary;
    std::unique_ptr<Screens> m_screens; // last member: screens go before the services they use
};

} // namespace bs
