#pragma once

#include "worksheetdata/QuestionBank.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <span>

namespace bs {

class FieldReader;

// The catalogue file "track.txt": a count line (" 3": one space, then the digits), then one
// title a line (at most 1000). Titles that the field reader would split (a comma) or trim
// (leading spaces) are stored in double quotes.

// Reads the catalogue into list: the count, then the titles one by one. On a failure (missing
// file, a count that is no number, too few titles, a count over 1000) throws DataError, and
// list keeps what was read before the failure: a count that is no number changes nothing; a
// short file leaves workcount at the number of titles read; a count over 1000 reads the first
// 1000 titles, then throws.
void readCatalogue(const QString& cataloguePath, CatalogueList& list);
void readCatalogue(FieldReader& in, CatalogueList& list);

// The whole catalogue file for titles in order, byte for byte: Windows-1252, or UTF-8 after a
// byte-order mark when a title needs a character that code page lacks (the wizard's titles
// allow only Welsh letters beyond it). Throws DataError for a title that would not read back
// as itself (a line feed, a lone surrogate, a double quote where quoting is needed) or for
// more than 1000 titles.
QByteArray catalogueBytes(std::span<const QString> titles);

// The lock file held while the catalogue is re-read, changed and replaced. A lock left by a
// program that crashed is taken over: at once on the same computer, after StaleLockMs from
// another one. A change waits at most LockWaitMs for the lock.
QString catalogueLockPath(const QString& cataloguePath);
constexpr int StaleLockMs = 10000;
constexpr int LockWaitMs = 15000;

// Held while the catalogue is re-read, changed and replaced, so that two computers saving at
// the same moment both land in the file; the school's own topics are saved under it too.
// Taking it throws DataError when another computer holds it for longer than LockWaitMs or
// the lock file cannot be made.
class CatalogueLock
{
public:
    explicit CatalogueLock(const QString& cataloguePath);

private:
    QLockFile m_lock;
};

// Adds title to the catalogue unless a line equals it exactly (the file is then left byte for
// byte as it was). Re-reads the file first, under the lock shared by every computer using the
// folder, and replaces it whole; list holds the file as re-read, with the new title after the
// last counted one. Throws DataError on any failure, the file left as it was: a title that
// titleProblem refuses, an unreadable catalogue, a 1001st title, a failed write.
void trackworksheets(const QString& cataloguePath, const QString& title, CatalogueList& list);

// Removes the last line equal to deltitle, under the same lock. When no line equals it,
// nothing is removed and nothing written. Afterwards list matches the file. Throws DataError
// on any failure, the file left as it was.
void delworksheet(const QString& cataloguePath, const QString& deltitle, CatalogueList& list);

// The same addition by a caller that already holds the catalogue's lock (held) for a larger
// change, such as a shared topic's import with its worksheet.
void trackworksheets(const CatalogueLock& held, const QString& cataloguePath, const QString& title,
                     CatalogueList& list);

} // namespace bs
