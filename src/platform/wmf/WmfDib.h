#pragma once

#include "platform/wmf/WmfDocument.h"

#include <QImage>
#include <QList>

namespace bs::wmf {

// The largest bitmap the renderer decodes, in pixels; a larger one is skipped.
inline constexpr qint64 MaxBitmapPixels = 32 * 1024 * 1024;

// Decodes a device-independent bitmap (header, colour table, bits) of 1, 4, 8, 16, 24 or 32
// bits a pixel, uncompressed or run-length encoded. A null image when it is broken or the
// bits run past the data. paletteIndices: the colour table holds palette indices, drawn grey.
// Some writers leave the colour table out and rely on the metafile's palette: then
// fallbackPalette (the last palette the file created) colours the bitmap.
QImage decodeDib(const Params& dib, bool paletteIndices, const QList<QRgb>& fallbackPalette = {});

// Decodes a device-dependent monochrome bitmap (the older pattern-brush form).
QImage decodeBitmap16(const Params& bitmap);

} // namespace bs::wmf
