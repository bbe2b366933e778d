#pragma once

#include "platform/wmf/WmfDocument.h"

#include <QImage>

namespace bs::wmf {

// The largest bitmap the renderer decodes, in pixels; a larger one is skipped.
inline constexpr qint64 MaxBitmapPixels = 32 * 1024 * 1024;

// Decodes a device-independent bitmap (header, colour table, bits) of 1, 4, 8, 16, 24 or 32
// bits a pixel, uncompressed or run-length encoded. A null image when it is broken or the
// bits run past the data. paletteIndices: the colour table holds palette indices, drawn grey.
QImage decodeDib(const Params& dib, bool paletteIndices);

// Decodes a device-dependent monochrome bitmap (the older pattern-brush form).
QImage decodeBitmap16(const Params& bitmap);

} // namespace bs::wmf
