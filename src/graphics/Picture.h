#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <memory>

class QPainter;

namespace bs {

// A vector drawing (a Windows metafile) that plays on any painter at any size.
class Drawing
{
public:
    virtual ~Drawing() = default;
    // The drawing's own size in twips.
    virtual QSizeF sizeTwips() const = 0;
    // Plays the drawing so that its own extent fills target (in the painter's coordinates).
    virtual void play(QPainter& painter, const QRectF& target) const = 0;
};

// A loaded picture: a raster image, a vector drawing, or nothing (a missing or broken file).
class Picture
{
public:
    Picture() = default;
    explicit Picture(QImage image);
    explicit Picture(std::shared_ptr<const Drawing> drawing);

    bool isNull() const { return m_image.isNull() && !m_drawing; }
    bool isDrawing() const { return m_drawing != nullptr; }
    const QImage& image() const { return m_image; }
    const Drawing* drawing() const { return m_drawing.get(); }

    // The picture's own size: rasters at 15 twips a pixel, drawings from their header.
    QSizeF sizeTwips() const;
    QSize sizePixels() const;

    // Draws the picture stretched into target (painter coordinates).
    void draw(QPainter& painter, const QRectF& target) const;

private:
    QImage m_image;
    std::shared_ptr<const Drawing> m_drawing;
};

} // namespace bs
