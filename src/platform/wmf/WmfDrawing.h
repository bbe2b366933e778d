#pragma once

#include "platform/Picture.h"

#include <QByteArray>

#include <memory>

namespace bs {

// A 16-bit Windows metafile, parsed once and played on any painter.
class WmfDrawing : public Drawing
{
public:
    // nullptr when the bytes are not a metafile that can be read at all.
    static std::shared_ptr<const WmfDrawing> fromBytes(const QByteArray& bytes);

    QSizeF sizeTwips() const override;
    void play(QPainter& painter, const QRectF& target) const override;

private:
    QSizeF m_sizeTwips;
};

} // namespace bs
