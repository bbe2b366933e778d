#pragma once

#include <QByteArray>
#include <QString>

namespace bs {

// Writes bytes as the whole content of path: into a new file in the same folder first, which
// replaces the old file only once it is complete and on disk. Throws DataError on any failure;
// the old file (if any) is then left exactly as it was.
void replaceWholeFile(const QString& path, const QByteArray& bytes);

} // namespace bs
