#include "platform/Pictures.h"

#include "platform/Content.h"
#include "platform/wmf/WmfDrawing.h"

#include <QFile>
#include <QImageReader>

namespace bs {

Pictures::Pictures(const Content& content)
    : m_content(content)
{
}

Picture Pictures::load(const QString& contentPath) const
{
    if (contentPath.trimmed().isEmpty())
        return {};
    const QString path = m_content.resolve(contentPath);
    if (path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return Picture(WmfDrawing::fromBytes(file.readAll()));
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return Picture(std::move(image));
}

} // namespace bs
