#pragma once

#include "worksheetdata/QuestionBank.h"
#include "worksheetdata/Worksheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

// Files the tests write and read back: worksheets, catalogues, metafile headers, and a way to
// make the disk look full. Qt Core only, so the file tests and the crash worker use them too.
namespace bs::test {

QByteArray readBytes(const QString& path); // "<unreadable>" when it cannot be read
bool writeBytes(const QString& path, const QByteArray& bytes); // makes folders as needed
QStringList entriesOf(const QString& dir); // every entry, hidden ones too, by name

// Makes every write that would take a file past `bytes` fail part-way (a full disk, as far as
// the writer can tell), for as long as it lives. Works for root too, unlike a read-only folder.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// Question n reads "<title> question n", its answers "Answer nA" to "Answer nD"; the right
// answer is A, B, C, D, A, B, ... (((n - 1) mod 4) + 1).
WorksheetText numberedWorksheet(const QString& title);
// Every text is `text`; right answers as numberedWorksheet's.
WorksheetText uniformWorksheet(const QString& title, const QString& text);
// A worksheet as a teacher would type it into the wizard, with the texts the file must keep
// exactly: commas, an ampersand, leading spaces, a letter outside ASCII.
WorksheetText sampleWorksheet(const QString& title = QStringLiteral("Rivers and Seas"));
// Texts made from a generation number, lengths varying with it, so a cut-short file never
// passes for another generation's.
WorksheetText versionedWorksheet(const QString& title, qint64 generation);

// The first `lines` lines of the file the program must write for a worksheet, by this test's
// own reckoning: one byte a character, CR LF, every comma stored as "&".
QByteArray worksheetFile(const WorksheetText& worksheet, int lines = 72);
// The question bank that loadworksheet reads from a file's bytes.
QuestionBank loadedWorksheet(const QByteArray& bytes);
// A catalogue file listing titles (none with a comma or a leading space).
QByteArray catalogueFile(const QStringList& titles);
QStringList numberedTitles(int count, const QString& stem = QStringLiteral("Worksheet"));
// Titles a teacher might type: a comma (quoted in the catalogue), an ampersand, accents.
QStringList awkwardTitles();

// A placeable Windows metafile holding nothing but its headers and end record: enough to
// carry its own size, so a test can tell one page's drawing from another by size.
QByteArray emptyMetafile(int widthTwips, int heightTwips);

// Adds title to the catalogue while its lock files are kept fresh, as when the next save
// follows a crash at once: a lock left behind must then be taken over at once. Returns the
// failure, empty when the title was added.
QString saveWithFreshLocks(const QString& cataloguePath, const QString& title);

} // namespace bs::test
