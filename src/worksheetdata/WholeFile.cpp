#include "worksheetdata/WholeFile.h"

#include "worksheetdata/DataError.h"

#include <QSaveFile>

namespace bs {

void replaceWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Writing in place would lose the old file on a failure: better to fail outright.
    file.setDirectWriteFallback(false);
    const auto fail = [&] {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw DataError(QStringLiteral("Cannot write %1: %2").arg(path, reason).toStdString());
    };
    if (!file.open(QIODevice::WriteOnly))
        fail();
    if (file.write(bytes) != bytes.size())
        fail();
    if (!file.commit())
        throw DataError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()).toStdString());
}

} // namespace bs
