#include "graphics/wmf/WmfDib.h"

#include <algorithm>
#include <array>
#include <bit>

namespace bs::wmf {

namespace {

enum Compression : std::uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3 };

struct Mask
{
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Mask(std::uint32_t m = 0)
        : mask(m), shift(m ? std::countr_zero(m) : 0), bits(m ? std::popcount(m >> shift) : 0)
    {
    }
    int channel(std::uint32_t pixel) const
    {
        if (bits == 0)
            return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        const std::uint32_t max = (bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1);
        return int((std::uint64_t(v) * 255 + max / 2) / max);
    }
};

// Run-length encoded bits (RLE8 or RLE4), drawn into a bottom-up image of colour indices.
void decodeRle(const Params& bits, qint64 at, bool four, QImage& image, const std::array<QRgb, 256>& table)
{
    const int width = image.width();
    const int height = image.height();
    int x = 0;
    int y = 0; // rows counted from the bottom
    auto put = [&](int index) {
        if (x < width && y < height)
            reinterpret_cast<QRgb*>(image.scanLine(height - 1 - y))[x] = table[index & 0xFF];
        ++x;
    };
    while (at + 1 < bits.size() && y < height) {
        const int count = bits.byte(at);
        const int value = bits.byte(at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < width; ++i)
                put(four ? ((i % 2) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return;
        } else if (value == 2) { // delta
            x += bits.byte(at);
            y += bits.byte(at + 1);
            at += 2;
        } else { // absolute run
            const int n = value;
            const qint64 bytes = four ? (n + 1) / 2 : n;
            for (int i = 0; i < n; ++i) {
                const int b = bits.byte(at + (four ? i / 2 : i));
                if (x >= width)
                    break;
                put(four ? ((i % 2) ? (b & 0x0F) : (b >> 4)) : b);
            }
            at += (bytes + 1) & ~qint64(1);
        }
    }
}

} // namespace

QImage decodeDib(const Params& dib, bool paletteIndices, const QList<QRgb>& fallbackPalette, bool* monochrome)
{
    if (!dib.hasBytes(12))
        return {};
    const std::uint32_t headerSize = dib.u32(0);
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    std::uint32_t compression = BiRgb;
    std::uint32_t colorsUsed = 0;
    int entrySize = 4;
    if (headerSize == 12) {
        width = dib.u16(2);
        height = dib.s16(3);
        bitCount = dib.u16(5);
        entrySize = 3;
    } else if (headerSize >= 40 && dib.hasBytes(headerSize)) {
        width = std::int32_t(dib.u32(2));
        height = std::int32_t(dib.u32(4));
        bitCount = dib.u16(7);
        compression = dib.u32(8);
        colorsUsed = dib.u32(16);
    } else {
        return {};
    }
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width * height > MaxBitmapPixels)
        return {};

    qint64 at = headerSize;
    Mask red(0x7C00), green(0x03E0), blue(0x001F);
    if (bitCount == 32) {
        red = Mask(0x00FF0000);
        green = Mask(0x0000FF00);
        blue = Mask(0x000000FF);
    }
    if (compression == BiBitfields) {
        if (bitCount != 16 && bitCount != 32)
            return {};
        // The masks follow a 40-byte header; longer headers hold them at the same place.
        const qint64 maskAt = 40;
        if (!dib.hasBytes(maskAt + 12))
            return {};
        red = Mask(dib.u32(int(maskAt / 2)));
        green = Mask(dib.u32(int(maskAt / 2) + 2));
        blue = Mask(dib.u32(int(maskAt / 2) + 4));
        if (headerSize == 40)
            at += 12;
    } else if (compression != BiRgb && compression != BiRle8 && compression != BiRle4) {
        return {}; // JPEG or PNG inside a DIB: not in metafiles worth drawing
    }
    if ((compression == BiRle8 && bitCount != 8) || (compression == BiRle4 && bitCount != 4))
        return {};

    std::array<QRgb, 256> table;
    table.fill(qRgb(0, 0, 0));
    if (bitCount <= 8) {
        if (bitCount != 1 && bitCount != 4 && bitCount != 8)
            return {};
        const int maxColors = 1 << bitCount;
        const int colors = (colorsUsed == 0 || colorsUsed > std::uint32_t(maxColors)) ? maxColors : int(colorsUsed);
        const int size = paletteIndices ? 2 : entrySize;
        const qint64 stride = ((width * bitCount + 31) / 32) * 4;
        const bool noTable = compression == BiRgb && dib.size() - at == stride * height;
        if (noTable) {
            for (int i = 0; i < maxColors; ++i) {
                const int grey = i * 255 / (maxColors - 1);
                table[i] = i < fallbackPalette.size() ? fallbackPalette[i] : qRgb(grey, grey, grey);
            }
        } else {
            for (int i = 0; i < colors; ++i) {
                const qint64 e = at + qint64(i) * size;
                if (!dib.hasBytes(e + size))
                    return {};
                if (paletteIndices) {
                    const int grey = (dib.byte(e) * 37) & 0xFF;
                    table[i] = qRgb(grey, grey, grey);
                } else {
                    table[i] = qRgb(dib.byte(e + 2), dib.byte(e + 1), dib.byte(e));
                }
            }
            at += qint64(colors) * size;
        }
        if (monochrome && bitCount == 1) {
            // The darker of the two colours is the bitmap's black, the other its white.
            const bool zeroDarker = qGray(table[0]) <= qGray(table[1]);
            table[0] = zeroDarker ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            table[1] = zeroDarker ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            *monochrome = true;
        }
    } else if (bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return {};
    } else if (colorsUsed > 0 && colorsUsed < 65536) {
        at += qint64(colorsUsed) * entrySize; // an optional palette before true-colour bits
    }
    if (!dib.hasBytes(at))
        return {};
    const Params bits(dib.bytes(at), int(dib.size() - at));

    if (compression == BiRle8 || compression == BiRle4) {
        if (topDown || width * height > std::max<qint64>(bits.size(), 1) * 256)
            return {};
        QImage image(int(width), int(height), QImage::Format_RGB32);
        if (image.isNull())
            return {};
        image.fill(table[0]);
        decodeRle(bits, 0, compression == BiRle4, image, table);
        return image;
    }

    const qint64 stride = ((width * bitCount + 31) / 32) * 4;
    if (stride * height > bits.size())
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto* src = reinterpret_cast<const unsigned char*>(bits.bytes(0));
    for (qint64 row = 0; row < height; ++row) {
        const unsigned char* s = src + row * stride;
        auto* d = reinterpret_cast<QRgb*>(image.scanLine(int(topDown ? row : height - 1 - row)));
        switch (bitCount) {
        case 1:
            for (qint64 x = 0; x < width; ++x)
                d[x] = table[(s[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (qint64 x = 0; x < width; ++x)
                d[x] = table[(s[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
            break;
        case 8:
            for (qint64 x = 0; x < width; ++x)
                d[x] = table[s[x]];
            break;
        case 16:
            for (qint64 x = 0; x < width; ++x) {
                const std::uint32_t p = s[2 * x] | (s[2 * x + 1] << 8);
                d[x] = qRgb(red.channel(p), green.channel(p), blue.channel(p));
            }
            break;
        case 24:
            for (qint64 x = 0; x < width; ++x)
                d[x] = qRgb(s[3 * x + 2], s[3 * x + 1], s[3 * x]);
            break;
        case 32:
            if (compression == BiRgb) {
                for (qint64 x = 0; x < width; ++x)
                    d[x] = qRgb(s[4 * x + 2], s[4 * x + 1], s[4 * x]);
            } else {
                for (qint64 x = 0; x < width; ++x) {
                    const std::uint32_t p = s[4 * x] | (s[4 * x + 1] << 8) | (s[4 * x + 2] << 16)
                        | (std::uint32_t(s[4 * x + 3]) << 24);
                    d[x] = qRgb(red.channel(p), green.channel(p), blue.channel(p));
                }
            }
            break;
        }
    }
    return image;
}

QImage decodeBitmap16(const Params& bitmap, qint64 bitsAt, const QList<QRgb>& fallbackPalette, bool* monochrome)
{
    // Type, Width, Height, WidthBytes, Planes and BitsPixel (a byte each), then the bits.
    const int width = bitmap.s16(1);
    const int height = bitmap.s16(2);
    const int widthBytes = bitmap.s16(3);
    const int bitsPixel = bitmap.byte(9);
    if (width <= 0 || height <= 0 || (bitsPixel != 1 && bitsPixel != 4 && bitsPixel != 8 && bitsPixel != 24 && bitsPixel != 32)
        || qint64(widthBytes) * 8 < qint64(width) * bitsPixel || qint64(width) * height > MaxBitmapPixels)
        return {};
    if (!bitmap.hasBytes(bitsAt + qint64(widthBytes) * height))
        return {};
    // The sixteen colours of the standard display palette, for 4-bit bitmaps.
    static constexpr QRgb Vga[16] = {
        0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
        0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
    };
    std::array<QRgb, 256> table;
    for (int i = 0; i < 256; ++i)
        table[std::size_t(i)] = i < fallbackPalette.size() ? fallbackPalette[i] : qRgb(i, i, i);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        auto* d = reinterpret_cast<QRgb*>(image.scanLine(y));
        const qint64 row = bitsAt + qint64(y) * widthBytes;
        for (int x = 0; x < width; ++x) {
            switch (bitsPixel) {
            case 1: d[x] = ((bitmap.byte(row + x / 8) >> (7 - (x & 7))) & 1) ? qRgb(255, 255, 255) : qRgb(0, 0, 0); break;
            case 4: d[x] = Vga[(bitmap.byte(row + x / 2) >> ((x & 1) ? 0 : 4)) & 0x0F]; break;
            case 8: d[x] = table[bitmap.byte(row + x)]; break;
            default: {
                const qint64 at = row + qint64(x) * (bitsPixel / 8);
                d[x] = qRgb(bitmap.byte(at + 2), bitmap.byte(at + 1), bitmap.byte(at));
                break;
            }
            }
        }
    }
    if (monochrome)
        *monochrome = bitsPixel == 1;
    return image;
}

} // namespace bs::wmf
