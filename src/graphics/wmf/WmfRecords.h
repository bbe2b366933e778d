#pragma once

#include <cstdint>

// Function numbers of the 16-bit Windows-metafile records the renderer plays.
namespace bs::wmf {

enum Record : std::uint16_t {
    EndOfFile = 0x0000,
    SaveDC = 0x001E,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    SetTextCharExtra = 0x0108,
    RestoreDC = 0x0127,
    FillRegion = 0x0228,
    FrameRegion = 0x0429,
    InvertRegion = 0x012A,
    PaintRegion = 0x012B,
    FloodFill = 0x0419,
    ExtFloodFill = 0x0548,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    OffsetViewportOrg = 0x0211,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    OffsetClipRgn = 0x0220,
    CreatePalette = 0x00F7,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    SetPixel = 0x041F,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    Escape = 0x0626,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    BitBlt = 0x0922,
    StretchBlt = 0x0B23,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    DibStretchBlt = 0x0B41,
    SetDibToDev = 0x0D33,
    StretchDib = 0x0F43,
};

// Mapping modes.
enum MapMode { MmText = 1, MmLoMetric, MmHiMetric, MmLoEnglish, MmHiEnglish, MmTwips, MmIsotropic, MmAnisotropic };

// Raster operations of the bitmap records.
inline constexpr std::uint32_t RopSrcCopy = 0x00CC0020;
inline constexpr std::uint32_t RopSrcPaint = 0x00EE0086;
inline constexpr std::uint32_t RopSrcAnd = 0x008800C6;
inline constexpr std::uint32_t RopSrcInvert = 0x00660046;
inline constexpr std::uint32_t RopNotSrcCopy = 0x00330008;
inline constexpr std::uint32_t RopPatCopy = 0x00F00021;
inline constexpr std::uint32_t RopPatInvert = 0x005A0049;
inline constexpr std::uint32_t RopDstInvert = 0x00550009;
inline constexpr std::uint32_t RopBlackness = 0x00000042;
inline constexpr std::uint32_t RopWhiteness = 0x00FF0062;
inline constexpr std::uint32_t RopDestination = 0x00AA0029; // leaves the page as it is

} // namespace bs::wmf
