#pragma once

#include "ui/Program.h"
#include "platform/fakes/FakePrinter.h"
#include "platform/fakes/Fakes.h"
#include "support/Fixtures.h"

#include <QColor>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace bs {

// A Program on fakes and a temporary content folder, for one test. Files are copied into the
// folder from the project's content/ by content path ("Images/brellinshoresm.jpg"), or
// written by the test itself.
class TestProgram
{
public:
    explicit TestProgram(const QStringList& contentFiles = {});
    // A Program on fakes reading the very content folder that a real program in programFolder
    // reads (the build's own, or an installed one): nothing is copied, nothing assembled.
    static std::unique_ptr<TestProgram> startedIn(const QString& programFolder);
    ~TestProgram();

    Program& program() { return *m_program; }
    ProgramState& state() { return m_program->state; }
    Screens& screens();

    QString contentRoot() const { return m_root; }
    // Copies a file of the project's content/ into the test's folder (same relative path).
    bool copyContent(const QString& contentPath);
    // Writes bytes to a content path of the test's folder, making folders as needed.
    void writeContent(const QString& contentPath, const QByteArray& bytes);
    void removeContent(const QString& contentPath);
    // Copies every file a topic's page, notes, quiz and activities read; false when one is missing.
    bool copyTopicContent(const Topic& topic);

    FakeSound& sound() { return *m_sound; }
    FakeDialogs& dialogs() { return *m_dialogs; }
    FakeRandom& random() { return *m_random; }
    FakePrinter& printer() { return *m_printer; }
    FakeDisplay& display() { return *m_display; }
    int endProgramCalls() const { return *m_endCalls; }

    // Runs the deferred deletions of unloaded screens.
    static void flushDeletes();

private:
    struct InPlace {};
    TestProgram(InPlace, const QString& contentRoot);
    void start();

    QTemporaryDir m_dir;
    QString m_root;
    FakeSound* m_sound;
    FakeDialogs* m_dialogs;
    FakeRandom* m_random;
    FakePrinter* m_printer;
    FakeDisplay* m_display;
    std::shared_ptr<int> m_endCalls = std::make_shared<int>(0);
    std::unique_ptr<Program> m_program;
};

class Multiple;

// The sample worksheet of the quiz tests, in the bank as a topic page leaves it, with sounds
// on as the main menu leaves them. Question n's right answer is rightAnswer(n).
int rightAnswer(int n);
void loadSampleWorksheet(ProgramState& state);
// Opens the quiz on the sample worksheet, captioned "Brellinshore".
Multiple& openSampleQuiz(TestProgram& test);
// The picture the results screens show.
void writeResultPicture(TestProgram& test);

// Clicks where a pupil clicks: an option on its round indicator, a button in its middle.
void clickOption(QWidget* option);
void clickButton(QWidget* button);
// Types as a keyboard does: a key press carrying each letter's text (keyClicks does ASCII only).
void typeText(QWidget* box, const QString& text);

namespace test {

// Image bytes in a format Qt can write; readers decide by content, so PNG bytes also stand
// in for a GIF or JPEG file.
QByteArray imageBytes(QSize pixels, const char* format = "PNG", QColor color = Qt::darkGreen);

// Whether the program reads metafiles (for tests that tell drawings apart by size).
bool metafilesRead(const Program& program, const QString& contentPath);

} // namespace test

} // namespace bs
