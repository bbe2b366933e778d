#pragma once

#include <QPointF>
#include <QRect>

namespace bs {

// Screens are designed in twips (1/1440 inch); the program draws at 15 twips to the pixel.
inline constexpr int TwipsPerPixel = 15;

constexpr int toPixels(double twips)
{
    const double px = twips / TwipsPerPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QPointF toTwips(const QPointF& pixels)
{
    return pixels * TwipsPerPixel;
}

} // namespace bs
