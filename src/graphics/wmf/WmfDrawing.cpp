#include "graphics/wmf/WmfDrawing.h"

#include "graphics/wmf/WmfPlayer.h"

#include <QPainter>
#include <QPicture>
#include <algorithm>

namespace bs {

namespace {

constexpr double MaxSideTwips = 1440.0 * 200; // 200 inches: beyond that the header is garbage

} // namespace

std::shared_ptr<const WmfDrawing> WmfDrawing::fromBytes(const QByteArray& bytes)
{
    auto drawing = std::make_shared<WmfDrawing>();
    wmf::Document& doc = drawing->m_doc;
    if (!doc.parse(bytes))
        return nullptr;
    if (doc.frameExtent.width() == 0 || doc.frameExtent.height() == 0) {
        // Neither a box nor a window: measure what the records draw, in logical units (a
        // frame as large as any coordinate maps them one to one).
        const double side = 65536;
        doc.frameOrigin = QPointF(0, 0);
        doc.frameExtent = QSizeF(side, side);
        QPicture picture;
        {
            QPainter painter(&picture);
            wmf::Player(doc, painter, QRectF(0, 0, side, side)).play();
        }
        const QRectF bounds = picture.boundingRect();
        if (bounds.width() <= 0 || bounds.height() <= 0)
            return nullptr;
        doc.frameOrigin = bounds.topLeft();
        doc.frameExtent = bounds.size();
        doc.sizeTwips = bounds.size() * doc.twipsPerUnit;
    }
    // A size beyond reason is garbage in the header: shrink it, keeping its shape.
    const double largest = std::max(doc.sizeTwips.width(), doc.sizeTwips.height());
    if (largest > MaxSideTwips)
        doc.sizeTwips *= MaxSideTwips / largest;
    if (!(doc.sizeTwips.width() > 0) || !(doc.sizeTwips.height() > 0))
        return nullptr;
    return drawing;
}

QSizeF WmfDrawing::sizeTwips() const
{
    return m_doc.sizeTwips;
}

void WmfDrawing::play(QPainter& painter, const QRectF& target) const
{
    wmf::Player(m_doc, painter, target).play();
}

QImage WmfDrawing::toImage(const QSize& size) const
{
    // Opaque: nothing to convert before an image writer takes it, and a PNG of three channels.
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace bs
