#pragma once

#include "worksheetdata/QuestionBank.h"

#include <QString>

namespace bs {

// The catalogue file "track.txt": a count line, then one title a line (at most 1000). Titles
// that the field reader would split (a comma) are stored in double quotes.

// Reads the catalogue into list: the count, then the titles one by one. On a failure (missing
// file, a count that is no number, too few titles, a count over 1000) throws DataError, and
// list keeps what was read before the failure.
void readCatalogue(const QString& cataloguePath, CatalogueList& list);

// Adds title to the catalogue unless a line equals it exactly; the file is then left byte for
// byte as it was. Re-reads the file first (under a lock shared by every computer using the
// folder) and replaces it whole. Throws DataError on any failure, the file left as it was.
void trackworksheets(const QString& cataloguePath, const QString& title, CatalogueList& list);

// Removes the last line equal to deltitle. When no line equals it, nothing is removed and
// nothing written. Throws DataError on any failure, the file left as it was.
void delworksheet(const QString& cataloguePath, const QString& deltitle, CatalogueList& list);

} // namespace bs
