#pragma once

#include "graphics/wmf/WmfDocument.h"

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
// monochrome, when given, is set for a 1-bit bitmap, which then decodes in black (the darker
// of its two colours) and white, for a player to paint in colours of its own.
QImage decodeDib(const Params& dib, bool paletteIndices, const QList<QRgb>& fallbackPalette = {},
                 bool* monochrome = nullptr);

// Decodes a device-dependent bitmap (the older bitmap and pattern-brush records) of 1, 4, 8,
// 24 or 32 bits a pixel whose bits start bitsAt bytes into it. A 1-bit one decodes as black
// (0 bits) and white (1 bits) and sets monochrome; 8-bit ones take fallbackPalette.
QImage decodeBitmap16(const Params& bitmap, qint64 bitsAt = 10, const QList<QRgb>& fallbackPalette = {},
                      bool* monochrome = nullptr);

} // namespace bs::wmf
