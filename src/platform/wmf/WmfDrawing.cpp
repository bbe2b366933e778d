#include "platform/wmf/WmfDrawing.h"

namespace bs {

// The renderer comes with the metafile work; until then no drawing can be read.
std::shared_ptr<const WmfDrawing> WmfDrawing::fromBytes(const QByteArray&)
{
    return nullptr;
}

QSizeF WmfDrawing::sizeTwips() const
{
    return m_sizeTwips;
}

void WmfDrawing::play(QPainter&, const QRectF&) const {}

} // namespace bs
