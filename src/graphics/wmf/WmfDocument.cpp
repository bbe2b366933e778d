#include "graphics/wmf/WmfDocument.h"

#include "graphics/wmf/WmfDib.h"
#include "graphics/wmf/WmfRecords.h"

#include <cmath>

namespace bs::wmf {

namespace {

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableSize = 22;
constexpr int HeaderSize = 18;

} // namespace

double twipsPerUnit(int mapMode)
{
    switch (mapMode) {
    case MmLoMetric: return 1440.0 / 254.0;
    case MmHiMetric: return 1440.0 / 2540.0;
    case MmLoEnglish: return 14.4;
    case MmHiEnglish: return 1.44;
    case MmTwips: return 1.0;
    default: return 15.0;
    }
}

namespace {

// Where the bitmap of a bitmap record starts (in words), or -1 when the record has none.
int bitmapWord(const RecordRef& record)
{
    const int words = record.size / 2;
    switch (record.function) {
    case StretchDib: return 11;
    case SetDibToDev: return 9;
    case DibStretchBlt:
    case StretchBlt: return words == (record.function >> 8) ? -1 : 10;
    case DibBitBlt:
    case BitBlt: return words == (record.function >> 8) ? -1 : 8;
    case DibCreatePatternBrush:
    case CreatePatternBrush: return 0;
    default: return -1;
    }
}

// Records that put something on the page: the window in force at the first of them frames
// the picture.
bool draws(std::uint16_t function)
{
    switch (function) {
    case LineTo: case Polyline: case Polygon: case PolyPolygon: case Rectangle: case RoundRect: case Ellipse:
    case Arc: case Pie: case Chord: case SetPixel: case FillRegion: case FrameRegion: case InvertRegion:
    case PaintRegion: case FloodFill: case ExtFloodFill: case TextOut: case ExtTextOut: case PatBlt: case BitBlt:
    case StretchBlt: case DibBitBlt: case DibStretchBlt: case SetDibToDev: case StretchDib:
        return true;
    default:
        return false;
    }
}

} // namespace

void Document::decodeBitmap(std::size_t index, const QList<QRgb>& palette)
{
    const RecordRef& record = records[index];
    const int word = bitmapWord(record);
    if (word < 0)
        return;
    const Params p = params(index);
    const Params bits = p.from(word);
    bool mono = false;
    QImage image;
    switch (record.function) {
    case StretchDib: image = decodeDib(bits, p.u16(2) == 1, palette); break;
    case SetDibToDev: image = decodeDib(bits, p.u16(0) == 1, palette); break;
    case DibStretchBlt:
    case DibBitBlt: image = decodeDib(bits, false, palette); break;
    case BitBlt:
    case StretchBlt: image = decodeBitmap16(bits, 10, palette, &mono); break;
    case DibCreatePatternBrush: {
        // style, usage, then the bitmap. Writers put a DIB behind the older pattern style too;
        // try it first.
        const Params dib = p.from(2);
        image = decodeDib(dib, p.u16(1) == 1, palette, &mono);
        if (image.isNull() && p.u16(0) == 3)
            image = decodeBitmap16(dib, 10, palette, &mono);
        break;
    }
    case CreatePatternBrush:
        // A partial bitmap header (14 bytes) and 18 reserved bytes before the bits.
        image = decodeBitmap16(bits, 32, palette, &mono);
        break;
    default: break;
    }
    if (image.isNull())
        return;
    if (mono)
        monochrome.insert(index);
    images.emplace(index, std::move(image));
}

bool Document::parse(const QByteArray& data)
{
    bytes = data;
    const Params file(bytes.constData(), int(std::min<qint64>(bytes.size(), INT32_MAX)));
    int at = 0;
    QRectF box;
    double unitsPerInch = 0;
    if (file.hasBytes(PlaceableSize) && file.u32(0) == PlaceableKey) {
        placeable = true;
        box = QRectF(QPointF(file.s16(3), file.s16(4)), QPointF(file.s16(5), file.s16(6))).normalized();
        unitsPerInch = file.u16(7);
        at = PlaceableSize;
    }
    const Params header = file.from(at / 2);
    const int type = header.u16(0);
    if (!header.hasBytes(HeaderSize) || (type != 1 && type != 2) || header.u16(1) != 9)
        return false;
    objectCount = header.u16(5);

    qint64 pos = at + HeaderSize;
    while (pos + 6 <= file.size()) {
        const qint64 words = file.u32(int(pos / 2));
        const std::uint16_t function = file.u16(int(pos / 2) + 2);
        if (words < 3 || pos + words * 2 > file.size() || function == EndOfFile)
            break;
        records.push_back(RecordRef{function, int(pos + 6), int(words * 2 - 6)});
        pos += words * 2;
    }

    // The frame: the placeable box, else the window in force when drawing starts (or the
    // first one set after that, for a file that draws before it sets any).
    int mapMode = MmText;
    bool drawing = false;
    bool haveOrigin = false;
    bool haveExtent = false;
    QPointF windowOrigin;
    QSizeF windowExtent;
    QList<QRgb> palette;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Params p = params(i);
        const std::uint16_t function = records[i].function;
        drawing = drawing || draws(function);
        switch (function) {
        case SetMapMode:
            if (!drawing || !haveExtent)
                mapMode = p.u16(0);
            break;
        case SetWindowOrg:
            if ((!drawing || !haveOrigin) && p.has(2)) {
                windowOrigin = QPointF(p.s16(1), p.s16(0));
                haveOrigin = true;
            }
            break;
        case SetWindowExt:
            if ((!drawing || !haveExtent) && p.has(2) && p.s16(0) != 0 && p.s16(1) != 0) {
                windowExtent = QSizeF(p.s16(1), p.s16(0));
                haveExtent = true;
            }
            break;
        case CreatePalette: {
            // start, count, then red, green, blue and flags a byte each
            palette.clear();
            const int count = std::min<int>(p.u16(1), (p.size() - 4) / 4);
            for (int e = 0; e < count; ++e)
                palette.append(qRgb(p.byte(4 + 4 * e), p.byte(5 + 4 * e), p.byte(6 + 4 * e)));
            break;
        }
        default:
            break;
        }
        decodeBitmap(i, palette);
    }

    // A box with no area is no frame: the window takes its place.
    const bool usableBox = placeable && box.width() > 0 && box.height() > 0;
    if (placeable && unitsPerInch > 0)
        twipsPerUnit = 1440.0 / unitsPerInch;
    else
        twipsPerUnit = wmf::twipsPerUnit(placeable ? MmTwips : mapMode);
    if (usableBox) {
        frameOrigin = box.topLeft();
        frameExtent = box.size();
    } else if (haveExtent) {
        frameOrigin = windowOrigin;
        frameExtent = windowExtent;
    }
    sizeTwips = QSizeF(std::abs(frameExtent.width()), std::abs(frameExtent.height())) * twipsPerUnit;
    return true;
}

} // namespace bs::wmf
