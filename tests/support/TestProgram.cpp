#include "support/TestProgram.h"

#include "app/ScreenCatalog.h"
#include "graphics/Fonts.h"
#include "platform/Content.h"
#include "ui/Screens.h"

#include "quiz/QuizOpeners.h"
#include "quiz/Multiple.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>

namespace bs {

TestProgram::TestProgram(const QStringList& contentFiles)
    : m_root(m_dir.path())
{
    // The topic files and their Welsh describe screens, as code would: every test has them.
    const QStringList topicFiles = QDir(QStringLiteral(BS_CONTENT_DIR "/topics")).entryList({QStringLiteral("*.json")}, QDir::Files);
    for (const QString& file : topicFiles)
        copyContent(QStringLiteral("topics/") + file);
    const QString welsh = QStringLiteral("topics/cy/");
    for (const QString& file : QDir(QStringLiteral(BS_CONTENT_DIR "/") + welsh).entryList({QStringLiteral("*.json")}, QDir::Files))
        copyContent(welsh + file);
    for (const QString& file : contentFiles)
        copyContent(file);
    start();
}

TestProgram::TestProgram(InPlace, const QString& contentRoot)
    : m_root(contentRoot)
{
    start();
}

std::unique_ptr<TestProgram> TestProgram::startedIn(const QString& programFolder)
{
    return std::unique_ptr<TestProgram>(new TestProgram(InPlace{}, findContentFolder(programFolder)));
}

void TestProgram::start()
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
    m_program = std::make_unique<Program>(m_root, std::move(services));
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

bool TestProgram::copyTopicContent(const Topic& topic)
{
    QStringList files{topic.panorama, topic.quizPicture, topic.worksheet};
    for (const QString& page : {topic.keyFactsKey + u'a', topic.keyFactsKey + u'b', topic.notesKey})
        files << QStringLiteral("wmf/") + page + QStringLiteral(".wmf") << QStringLiteral("wmf2/") + page + QStringLiteral(".wmf");
    for (const ActivityDefinition& activity : topic.activities)
        for (const PictureSpec& picture : activity.pictures)
            files << QString(picture.path).replace(u'\\', u'/');
    bool all = true;
    for (const QString& file : files)
        all = copyContent(file) && all;
    return all;
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

int rightAnswer(int n)
{
    return (n - 1) % 4 + 1;
}

void loadSampleWorksheet(ProgramState& state)
{
    state.worktitle = QStringLiteral("Isles of Scilly - History");
    for (int n = 1; n <= 10; ++n) {
        state.question[n] = QStringLiteral("What happened in year %1?").arg(n);
        state.answera[n] = QStringLiteral("Answer %1A").arg(n);
        state.answerb[n] = QStringLiteral("Answer %1B").arg(n);
        state.answerc[n] = QStringLiteral("Answer %1C").arg(n);
        state.answerd[n] = QStringLiteral("Answer %1D").arg(n);
        state.correct[n] = QString::number(rightAnswer(n));
    }
    state.soundon = 1;
}

Multiple& openSampleQuiz(TestProgram& test)
{
    loadSampleWorksheet(test.state());
    openQuiz(test.program(), Picture(), QStringLiteral("Brellinshore"));
    return test.screens().get<Multiple>(QStringLiteral("multiple"));
}

void writeResultPicture(TestProgram& test)
{
    test.writeContent(QStringLiteral("Images/brellinshoresm.jpg"), test::imageBytes(QSize(320, 240), "JPG", QColor(20, 120, 40)));
}

void clickOption(QWidget* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

void clickButton(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void typeText(QWidget* box, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

namespace test {

QByteArray imageBytes(QSize pixels, const char* format, QColor color)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool metafilesRead(const Program& program, const QString& contentPath)
{
    return !program.pictures().load(contentPath).isNull();
}

} // namespace test

} // namespace bs
