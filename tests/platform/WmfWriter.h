#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <initializer_list>

namespace bs::test {

// Writes small Windows metafiles for tests, benchmarks and fuzz seeds. Records are written
// as the format stores them (most coordinates as y before x); finish() adds the headers.
class WmfWriter
{
public:
    // A placeable file with the given box in logical units.
    explicit WmfWriter(QRect box = QRect(0, 0, 1000, 1000), int unitsPerInch = 1440)
        : m_placeable(true), m_box(box), m_unitsPerInch(unitsPerInch)
    {
    }
    static WmfWriter plain()
    {
        WmfWriter writer;
        writer.m_placeable = false;
        return writer;
    }

    // One record: function and parameter words, then raw bytes (padded to a word).
    void record(std::uint16_t function, std::initializer_list<int> words, const QByteArray& bytes = {})
    {
        QByteArray params;
        for (int w : words)
            put16(params, w);
        params += bytes;
        if (params.size() % 2)
            params += '\0';
        put32(m_records, 3 + params.size() / 2);
        put16(m_records, function);
        m_records += params;
        m_maxRecord = std::max(m_maxRecord, 3 + int(params.size() / 2));
    }
    // Raw bytes appended as they are, for malformed files.
    void raw(const QByteArray& bytes) { m_records += bytes; }

    void setMapMode(int mode) { record(0x0103, {mode}); }
    void setWindowOrg(int x, int y) { record(0x020B, {y, x}); }
    void setWindowExt(int x, int y) { record(0x020C, {y, x}); }
    void setViewportExt(int x, int y) { record(0x020E, {y, x}); }
    void saveDC() { record(0x001E, {}); }
    void restoreDC(int which = -1) { record(0x0127, {which}); }
    void setBkMode(int mode) { record(0x0102, {mode}); }
    void setTextAlign(int align) { record(0x012E, {align}); }
    void setPolyFillMode(int mode) { record(0x0106, {mode}); }
    void setRop2(int rop) { record(0x0104, {rop}); }
    void setTextColor(QColor c) { record(0x0209, {lowColor(c), highColor(c)}); }
    void setBkColor(QColor c) { record(0x0201, {lowColor(c), highColor(c)}); }

    // Objects take the lowest free index, as in the program that plays them.
    int createPen(int style, int width, QColor c)
    {
        record(0x02FA, {style, width, 0, lowColor(c), highColor(c)});
        return addObject();
    }
    int createBrush(int style, QColor c, int hatch = 0)
    {
        record(0x02FC, {style, lowColor(c), highColor(c), hatch});
        return addObject();
    }
    int createFont(int height, const QByteArray& face, int weight = 400, int charset = 0, int escapement = 0,
                   bool italic = false, bool underline = false)
    {
        QByteArray params;
        for (int w : {height, 0, escapement, escapement, weight})
            put16(params, w);
        params += char(italic);
        params += char(underline);
        params += '\0'; // strike out
        params += char(charset);
        params += QByteArray(4, '\0'); // precision, clipping, quality, pitch and family
        params += face.left(31);
        params += QByteArray(32 - std::min<qsizetype>(face.size(), 31), '\0');
        record(0x02FB, {}, params);
        return addObject();
    }
    int createPatternBrush(const QImage& image, int bits)
    {
        record(0x0142, {5, 0}, dib(image, bits));
        return addObject();
    }
    // The older pattern brush: a device-dependent bitmap after a partial header and 18 reserved bytes.
    int createPatternBrush16(const QImage& image, int bits)
    {
        const QByteArray bitmap = bitmap16(image, bits);
        record(0x01F9, {}, bitmap.left(10) + QByteArray(4 + 18, '\0') + bitmap.mid(10));
        return addObject();
    }
    // A region of rectangles, one scan each (rectangles must not share rows).
    int createRegion(const QList<QRect>& rects)
    {
        QRect bounds;
        for (QRect r : rects)
            bounds |= r;
        QList<int> words{0, 6, 0, 0, 0, int(rects.size()), 4, bounds.left(), bounds.top(), bounds.right() + 1,
                         bounds.bottom() + 1};
        for (QRect r : rects)
            words << 2 << r.top() << r.bottom() + 1 << r.left() << r.right() + 1 << 2;
        return createRawRegion(words);
    }
    // A region record of the given words, for malformed ones.
    int createRawRegion(const QList<int>& words)
    {
        recordWords(0x06FF, words);
        return addObject();
    }
    void fillRegion(int region, int brush) { record(0x0228, {region, brush}); }
    void selectClipRegion(int index) { record(0x012C, {index}); }
    void select(int index) { record(0x012D, {index}); }
    void deleteObject(int index)
    {
        record(0x01F0, {index});
        if (index >= 0 && index < m_used.size())
            m_used[index] = false;
    }

    void moveTo(int x, int y) { record(0x0214, {y, x}); }
    void lineTo(int x, int y) { record(0x0213, {y, x}); }
    void rectangle(QRect r) { record(0x041B, {r.bottom() + 1, r.right() + 1, r.top(), r.left()}); }
    void ellipse(QRect r) { record(0x0418, {r.bottom() + 1, r.right() + 1, r.top(), r.left()}); }
    void polygon(const QList<QPoint>& points) { recordWords(0x0324, pointWords(points)); }
    void polyline(const QList<QPoint>& points) { recordWords(0x0325, pointWords(points)); }
    void intersectClip(QRect r) { record(0x0416, {r.bottom() + 1, r.right() + 1, r.top(), r.left()}); }
    void excludeClip(QRect r) { record(0x0415, {r.bottom() + 1, r.right() + 1, r.top(), r.left()}); }
    void textOut(QPoint at, const QByteArray& text)
    {
        QByteArray params;
        put16(params, int(text.size()));
        params += text;
        if (params.size() % 2)
            params += '\0';
        put16(params, at.y());
        put16(params, at.x());
        record(0x0521, {}, params);
    }
    void extTextOut(QPoint at, const QByteArray& text, int options = 0, QRect box = {}, const QList<int>& dx = {})
    {
        QByteArray params;
        for (int w : {at.y(), at.x(), int(text.size()), options})
            put16(params, w);
        if (options & 6) {
            for (int w : {box.left(), box.top(), box.right() + 1, box.bottom() + 1})
                put16(params, w);
        }
        params += text;
        if (params.size() % 2)
            params += '\0';
        for (int d : dx)
            put16(params, d);
        record(0x0A32, {}, params);
    }
    // StretchDIBits of the whole image into dest, with the given raster operation.
    void stretchDib(QRect dest, const QImage& image, int bits, std::uint32_t rop = 0x00CC0020)
    {
        record(0x0F43, {int(rop & 0xFFFF), int(rop >> 16), 0, image.height(), image.width(), 0, 0, dest.height(),
                        dest.width(), dest.top(), dest.left()},
               dib(image, bits));
    }
    void dibBitBlt(QPoint at, const QImage& image, int bits, std::uint32_t rop = 0x00CC0020)
    {
        record(0x0940, {int(rop & 0xFFFF), int(rop >> 16), 0, 0, image.height(), image.width(), at.y(), at.x()},
               dib(image, bits));
    }

    // BitBlt and StretchBlt of the whole image as a device-dependent bitmap.
    void bitBlt(QPoint at, const QImage& image, int bits, std::uint32_t rop = 0x00CC0020)
    {
        record(0x0922, {int(rop & 0xFFFF), int(rop >> 16), 0, 0, image.height(), image.width(), at.y(), at.x()},
               bitmap16(image, bits));
    }
    void stretchBlt(QRect dest, const QImage& image, int bits, std::uint32_t rop = 0x00CC0020)
    {
        record(0x0B23, {int(rop & 0xFFFF), int(rop >> 16), image.height(), image.width(), 0, 0, dest.height(),
                        dest.width(), dest.top(), dest.left()},
               bitmap16(image, bits));
    }

    // A top-down device-dependent bitmap of 1 bit (dark pixels are 0 bits) or 24 bits.
    static QByteArray bitmap16(const QImage& source, int bits)
    {
        const QImage image = source.convertToFormat(QImage::Format_RGB32);
        const int widthBytes = ((image.width() * bits + 15) / 16) * 2;
        QByteArray out;
        for (int v : {0, image.width(), image.height(), widthBytes})
            put16(out, v);
        out += char(1);
        out += char(bits);
        for (int y = 0; y < image.height(); ++y) {
            QByteArray row(widthBytes, '\0');
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (bits == 1) {
                    if (qGray(c) >= 128)
                        row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                } else {
                    row[3 * x] = char(qBlue(c));
                    row[3 * x + 1] = char(qGreen(c));
                    row[3 * x + 2] = char(qRed(c));
                }
            }
            out += row;
        }
        return out;
    }

    // A bottom-up DIB of 1, 4, 8, 24 or 32 bits; palettes from the image's first colours.
    static QByteArray dib(const QImage& source, int bits)
    {
        const QImage image = source.convertToFormat(QImage::Format_RGB32);
        QList<QRgb> palette;
        if (bits <= 8) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (!palette.contains(image.pixel(x, y)) && palette.size() < (1 << bits))
                        palette.append(image.pixel(x, y));
            while (palette.size() < (1 << bits))
                palette.append(qRgb(0, 0, 0));
        }
        QByteArray out;
        put32(out, 40);
        put32(out, image.width());
        put32(out, image.height());
        put16(out, 1);
        put16(out, bits);
        for (int i = 0; i < 6; ++i)
            put32(out, 0);
        for (QRgb c : palette) {
            out += char(qBlue(c));
            out += char(qGreen(c));
            out += char(qRed(c));
            out += '\0';
        }
        const int stride = ((image.width() * bits + 31) / 32) * 4;
        for (int y = image.height() - 1; y >= 0; --y) {
            QByteArray row(stride, '\0');
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                const int index = bits <= 8 ? int(palette.indexOf(c)) : 0;
                switch (bits) {
                case 1: row[x / 8] = char(row[x / 8] | (index << (7 - x % 8))); break;
                case 4: row[x / 2] = char(row[x / 2] | (index << ((x % 2) ? 0 : 4))); break;
                case 8: row[x] = char(index); break;
                case 24:
                    row[3 * x] = char(qBlue(c));
                    row[3 * x + 1] = char(qGreen(c));
                    row[3 * x + 2] = char(qRed(c));
                    break;
                case 32:
                    row[4 * x] = char(qBlue(c));
                    row[4 * x + 1] = char(qGreen(c));
                    row[4 * x + 2] = char(qRed(c));
                    break;
                }
            }
            out += row;
        }
        return out;
    }

    QByteArray finish(bool endRecord = true) const
    {
        QByteArray body = m_records;
        if (endRecord) {
            put32(body, 3);
            put16(body, 0);
        }
        QByteArray out;
        if (m_placeable) {
            put32(out, 0x9AC6CDD7);
            put16(out, 0);
            for (int v : {m_box.left(), m_box.top(), m_box.right() + 1, m_box.bottom() + 1})
                put16(out, v);
            put16(out, m_unitsPerInch);
            put32(out, 0);
            std::uint16_t sum = 0;
            for (int i = 0; i < 20; i += 2)
                sum ^= std::uint16_t(std::uint8_t(out[i]) | (std::uint8_t(out[i + 1]) << 8));
            put16(out, sum);
        }
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x0300);
        put32(out, 9 + int(body.size() / 2));
        put16(out, int(m_used.size()));
        put32(out, m_maxRecord);
        put16(out, 0);
        return out + body;
    }

    static void put16(QByteArray& out, int v)
    {
        out += char(v & 0xFF);
        out += char((v >> 8) & 0xFF);
    }
    static void put32(QByteArray& out, std::uint32_t v)
    {
        put16(out, int(v & 0xFFFF));
        put16(out, int(v >> 16));
    }

private:
    static int lowColor(QColor c) { return c.red() | (c.green() << 8); }
    static int highColor(QColor c) { return c.blue(); }
    void recordWords(std::uint16_t function, const QList<int>& words)
    {
        QByteArray params;
        for (int w : words)
            put16(params, w);
        record(function, {}, params);
    }
    static QList<int> pointWords(const QList<QPoint>& points)
    {
        QList<int> words{int(points.size())};
        for (QPoint p : points)
            words << p.x() << p.y();
        return words;
    }
    int addObject()
    {
        for (int i = 0; i < m_used.size(); ++i) {
            if (!m_used[i]) {
                m_used[i] = true;
                return i;
            }
        }
        m_used.append(true);
        return int(m_used.size() - 1);
    }

    bool m_placeable = true;
    QRect m_box;
    int m_unitsPerInch = 1440;
    QByteArray m_records;
    QList<bool> m_used;
    int m_maxRecord = 3;
};

} // namespace bs::test
