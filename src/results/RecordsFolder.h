#pragma once

#include "results/Records.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

namespace bs {

// The results folder: one append-only file per computer per day, "<yyyy-MM-dd>_<computer>.records",
// that many computers sharing one folder add to at once with no lock and no server. A record is
// added with a single write of its whole line to a file opened for appending, then synced, so a
// record is never lost to another computer's write and a power cut loses at most the line being
// written.

// The folder name beside the worksheets ("multiple") on the shared classroom folder.
inline constexpr char16_t ResultsFolderName[] = u"results";

// The records file of computer for day (the computer's name kept to small letters, digits, '-'
// and '.'; a name that had other characters or capitals gets a short tag of the whole name, so
// two computers never share a file, even on a folder that ignores letter case).
QString recordsFileName(QDate day, const QString& computer);

// This computer's name as records carry it.
QString thisComputer();

// Adds record to its computer's file of its day in folder (created if missing). Throws
// DataError when the folder or file cannot be written, or the write or sync fails.
void appendRecord(const QString& folder, const ResultRecord& record);

// A file the view could read only in part, named so the teacher can find it.
struct RecordsProblem
{
    enum class Kind { Damaged, LaterVersion, TooLarge, Unreadable };
    QString file; // the file's name in the folder
    Kind kind = Kind::Damaged;
    int lines = 0; // lines skipped (Damaged, LaterVersion)
    bool operator==(const RecordsProblem&) const = default;
};

struct RecordsRead
{
    QList<ResultRecord> records; // in file-name order, then line order
    QList<RecordsProblem> problems;
};

// A records file larger than this is read only up to it (a day of one computer is a few
// kilobytes; this is more than a school's year).
constexpr qint64 RecordsFileLimit = 64 * 1024 * 1024;

// Reads every records file of folder, each as far as it is sound. A missing folder has no
// records and no problems.
RecordsRead readRecordsFolder(const QString& folder);

// One records file as a listing of the folder shows it: enough to tell that a computer added to
// it, or that it was removed or written again.
struct RecordsFileState
{
    QString file;
    qint64 size = 0;
    qint64 modified = 0; // milliseconds since 1970
    bool operator==(const RecordsFileState&) const = default;
};

// The records files of folder as they are now, by name: a listing of the folder, with no file
// opened, so it is cheap enough to ask for often.
QList<RecordsFileState> recordsFolderState(const QString& folder);

// Removes every record that remove() chooses: each file that held one is written again whole
// (into a new file renamed over the old), with the rest of its lines as they were; a file left
// with nothing is removed. Lines of a later version are kept. Returns the number removed; throws
// DataError when a file cannot be written (it is then left as it was).
int deleteRecords(const QString& folder, const std::function<bool(const ResultRecord&)>& remove);

} // namespace bs
