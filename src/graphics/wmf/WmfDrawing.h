#pragma once

#include "graphics/Picture.h"
#include "graphics/wmf/WmfDocument.h"

#include <QByteArray>
#include <memory>

namespace bs {

// A 16-bit Windows metafile, parsed once and played on any painter. Malformed files never
// crash or hang it: every size, count and object index is checked against the file, and a
// broken file draws what it can.
class WmfDrawing : public Drawing
{
public:
    // nullptr when the bytes are not a metafile that can be read at all.
    static std::shared_ptr<const WmfDrawing> fromBytes(const QByteArray& bytes);

    // The size from the placeable header's box and units per inch, else from the window extent.
    QSizeF sizeTwips() const override;
    void play(QPainter& painter, const QRectF& target) const override;

    // Renders the drawing into an opaque image of the given size on white.
    QImage toImage(const QSize& size) const;

private:
    wmf::Document m_doc;
};

} // namespace bs
