#include "worksheetdata/WholeFile.h"

#include "worksheetdata/DataError.h"

#include <QSaveFile>
#include <unistd.h>

namespace bs {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw DataError(QStringLiteral("Cannot write %1: %2").arg(path, reason).toStdString());
}

} // namespace

void replaceWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Writing in place would lose the old file on a failure: better to fail outright.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    // commit() alone does not notice a write cut short at its final flush (a full disk) nor a
    // failed sync (a network drive), and would put the short file in place: check both first.
    const bool written = file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(path, reason);
    }
    if (!file.commit())
        fail(path, file.errorString());
}

} // namespace bs
