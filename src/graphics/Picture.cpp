#include "graphics/Picture.h"

#include "base/Twips.h"

#include <QPainter>

namespace bs {

Picture::Picture(QImage image)
    : m_image(std::move(image))
{
}

Picture::Picture(std::shared_ptr<const Drawing> drawing)
    : m_drawing(std::move(drawing))
{
}

QSizeF Picture::sizeTwips() const
{
    if (m_drawing)
        return m_drawing->sizeTwips();
    return QSizeF(m_image.size()) * TwipsPerPixel;
}

QSize Picture::sizePixels() const
{
    const QSizeF twips = sizeTwips();
    return QSize(toPixels(twips.width()), toPixels(twips.height()));
}

void Picture::draw(QPainter& painter, const QRectF& target) const
{
    if (m_drawing) {
        m_drawing->play(painter, target);
    } else if (!m_image.isNull()) {
        painter.drawImage(target, m_image);
    }
}

} // namespace bs
