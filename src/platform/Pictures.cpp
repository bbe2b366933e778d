#include "platform/Pictures.h"

#include "graphics/wmf/WmfDrawing.h"
#include "platform/Content.h"

#include <QFile>
#include <QImageReader>

namespace bs {

namespace {

// No picture of the program comes near this; a bigger file is not a picture of ours.
constexpr qint64 MaxPictureBytes = 64 * 1024 * 1024;

Picture loadDrawing(QFile& file)
{
    if (file.size() > MaxPictureBytes)
        return {};
    auto drawing = WmfDrawing::fromBytes(file.readAll());
    if (!drawing)
        return {};
    return Picture(std::shared_ptr<const Drawing>(std::move(drawing)));
}

bool looksLikeMetafile(QFile& file)
{
    const QByteArray start = file.peek(4);
    return start == QByteArray("\xD7\xCD\xC6\x9A", 4) || start == QByteArray("\x01\x00\x09\x00", 4)
        || start == QByteArray("\x02\x00\x09\x00", 4);
}

} // namespace

Pictures::Pictures(const Content& content)
    : m_content(content)
{
}

Picture Pictures::load(const QString& contentPath) const
{
    if (contentPath.trimmed().isEmpty())
        return {};
    QFile file(m_content.resolve(contentPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.fileName().endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive))
        return loadDrawing(file);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (!image.isNull())
        return Picture(std::move(image));
    // A drawing saved under a picture's name still shows.
    file.seek(0);
    if (looksLikeMetafile(file))
        return loadDrawing(file);
    return {};
}

} // namespace bs
