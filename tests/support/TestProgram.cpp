#include "support/TestProgram.h"

#include "app/ScreenCatalog.h"
#include "graphics/Fonts.h"
#include "ui/Screens.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

namespace bs {

TestProgram::TestProgram(const QStringList& contentFiles)
{
    registerFonts(); // measure and wrap text with the fonts the program itself uses
    Services services;
    auto sound = std::make_unique<FakeSound>();
    auto dialogs = std::make_unique<FakeDialogs>();
    auto random = std::make_unique<FakeRandom>();
    auto printer = std::make_unique<FakePrinter>();
    auto display = std::make_unique<FakeDisplay>();
    m_sound = sound.get();
    m_dialogs = dialogs.get();
    m_random = random.get();
    m_printer = printer.get();
    m_display = display.get();
    services.sound = std::move(sound);
    services.dialogs = std::move(dialogs);
    services.random = std::move(random);
    services.printer = std::move(printer);
    services.display = std::move(display);
    services.endProgram = [calls = m_endCalls] { ++*calls; };
    // The topic files describe screens, as code would: every test has them.
    const QStringList topicFiles = QDir(QStringLiteral(BS_CONTENT_DIR "/topics")).entryList({QStringLiteral("*.json")}, QDir::Files);
    for (const QString& file : topicFiles)
        copyContent(QStringLiteral("topics/") + file);
    for (const QString& file : contentFiles)
        copyContent(file);
    m_program = std::make_unique<Program>(m_dir.path(), std::move(services));
    registerAllScreens(m_program->screens());
}

TestProgram::~TestProgram()
{
    m_program.reset();
    flushDeletes();
}

Screens& TestProgram::screens()
{
    return m_program->screens();
}

bool TestProgram::copyContent(const QString& contentPath)
{
    const QString from = QStringLiteral(BS_CONTENT_DIR) + u'/' + contentPath;
    const QString to = m_dir.path() + u'/' + contentPath;
    QDir().mkpath(QFileInfo(to).path());
    QFile::remove(to);
    return QFile::copy(from, to);
}

void TestProgram::writeContent(const QString& contentPath, const QByteArray& bytes)
{
    const QString to = m_dir.path() + u'/' + contentPath;
    QDir().mkpath(QFileInfo(to).path());
    QFile file(to);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void TestProgram::removeContent(const QString& contentPath)
{
    QFile::remove(m_dir.path() + u'/' + contentPath);
}

void TestProgram::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace bs
