#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace bs::wmf {

// The parameters of one record, read little-endian. Anything asked for beyond the record's end
// reads as 0, so a short record can never read outside the file; players check has() before
// trusting a count.
class Params
{
public:
    Params() = default;
    Params(const char* data, int size)
        : m_data(reinterpret_cast<const unsigned char*>(data)), m_size(size)
    {
    }

    int size() const { return m_size; }
    int words() const { return m_size / 2; }
    bool has(int words) const { return words >= 0 && words <= m_size / 2; }
    bool hasBytes(qint64 bytes) const { return bytes >= 0 && bytes <= m_size; }

    std::uint16_t u16(int word) const
    {
        const qint64 at = qint64(word) * 2;
        if (word < 0 || at + 2 > m_size)
            return 0;
        return std::uint16_t(m_data[at] | (m_data[at + 1] << 8));
    }
    std::int16_t s16(int word) const { return std::int16_t(u16(word)); }
    std::uint32_t u32(int word) const { return u16(word) | (std::uint32_t(u16(word + 1)) << 16); }
    std::uint8_t byte(qint64 at) const { return at >= 0 && at < m_size ? m_data[at] : 0; }
    const char* bytes(qint64 at) const { return reinterpret_cast<const char*>(m_data) + at; }
    // The parameters from the given word on.
    Params from(int word) const
    {
        const qint64 at = qint64(word) * 2;
        if (word < 0 || at > m_size)
            return {};
        return Params(bytes(at), int(m_size - at));
    }

private:
    const unsigned char* m_data = nullptr;
    int m_size = 0;
};

struct RecordRef
{
    std::uint16_t function = 0;
    int offset = 0; // of the parameters in the file
    int size = 0;   // bytes of parameters
};

// A metafile split into records, with the frame it is drawn in and its bitmaps decoded once.
struct Document
{
    QByteArray bytes;
    std::vector<RecordRef> records;
    int objectCount = 0;
    bool placeable = false;
    // The logical rectangle that fills the picture: the placeable bounding box, or the window
    // in force when the file starts drawing. Extents may be negative (a flipped axis); an empty
    // extent means the file gives no frame and the drawing must be measured.
    QPointF frameOrigin;
    QSizeF frameExtent{0, 0};
    QSizeF sizeTwips;
    double twipsPerUnit = 15; // of the logical units the frame is in
    // Bitmaps of bitmap and pattern-brush records, by record index.
    std::unordered_map<std::size_t, QImage> images;
    // Records whose bitmap is monochrome, decoded in black and white: they stand for the text
    // and background colours in force when it is drawn.
    std::unordered_set<std::size_t> monochrome;

    Params params(std::size_t index) const
    {
        const RecordRef& r = records[index];
        return Params(bytes.constData() + r.offset, r.size);
    }

    // Splits the bytes into records; false when they are not a metafile at all. A file cut off
    // inside a record keeps the records before it.
    bool parse(const QByteArray& data);

private:
    void decodeBitmap(std::size_t index, const QList<QRgb>& palette);
};

// Twips per logical unit of a mapping mode; MM_TEXT, isotropic and anisotropic units are taken
// as pixels of a 96-dpi display.
double twipsPerUnit(int mapMode);

} // namespace bs::wmf
