#include "platform/wmf/WmfDocument.h"

#include "platform/wmf/WmfDib.h"
#include "platform/wmf/WmfRecords.h"

#include <cmath>

namespace bs::wmf {

namespace {

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableSize = 22;
constexpr int HeaderSize = 18;

// Twips per logical unit when a file without a placeable header sets no physical scale:
// MM_TEXT, isotropic and anisotropic units are taken as pixels of a 96-dpi display.
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

// Where the bitmap of a bitmap record starts (in words), or -1 when the record has none.
int dibWord(const RecordRef& record)
{
    const int words = record.size / 2;
    switch (record.function) {
    case StretchDib: return 11;
    case SetDibToDev: return 9;
    case DibStretchBlt: return words == (DibStretchBlt >> 8) ? -1 : 10;
    case DibBitBlt: return words == (DibBitBlt >> 8) ? -1 : 8;
    case DibCreatePatternBrush: return 2;
    default: return -1;
    }
}

} // namespace

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

    // The frame: the placeable box, else the first window the file sets.
    int mapMode = MmText;
    bool haveOrigin = false;
    bool haveExtent = false;
    QList<QRgb> palette;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Params p = params(i);
        switch (records[i].function) {
        case SetMapMode:
            if (!haveExtent)
                mapMode = p.u16(0);
            break;
        case SetWindowOrg:
            if (!haveOrigin && p.has(2)) {
                frameOrigin = QPointF(p.s16(1), p.s16(0));
                haveOrigin = true;
            }
            break;
        case SetWindowExt:
            if (!haveExtent && p.has(2) && p.s16(0) != 0 && p.s16(1) != 0) {
                frameExtent = QSizeF(p.s16(1), p.s16(0));
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
        const int dib = dibWord(records[i]);
        if (dib >= 0) {
            const Params bits = p.from(dib);
            const std::uint16_t function = records[i].function;
            bool paletteIndices = false;
            if (function == StretchDib)
                paletteIndices = p.u16(2) == 1;
            else if (function == SetDibToDev)
                paletteIndices = p.u16(0) == 1;
            else if (function == DibCreatePatternBrush)
                paletteIndices = p.u16(1) == 1;
            // Writers put a DIB behind the older pattern style too; try it first.
            QImage image = decodeDib(bits, paletteIndices, palette);
            if (image.isNull() && function == DibCreatePatternBrush && p.u16(0) == 3)
                image = decodeBitmap16(bits);
            if (!image.isNull())
                images.emplace(i, std::move(image));
        }
    }

    if (placeable) {
        frameOrigin = box.topLeft();
        frameExtent = box.size();
        if (unitsPerInch <= 0)
            unitsPerInch = 1440;
        sizeTwips = box.size() * (1440.0 / unitsPerInch);
    } else if (haveExtent) {
        sizeTwips = QSizeF(std::abs(frameExtent.width()), std::abs(frameExtent.height())) * twipsPerUnit(mapMode);
    }
    return true;
}

} // namespace bs::wmf
