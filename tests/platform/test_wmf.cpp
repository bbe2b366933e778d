// The metafile renderer: small files written here, rendered and checked pixel by pixel, broken
// files that must not crash, and the real-world samples beside the project.
#include "WmfWriter.h"

#include "graphics/wmf/WmfDrawing.h"
#include "graphics/wmf/WmfText.h"

#include <QDir>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

using bs::WmfDrawing;
using bs::test::WmfWriter;

namespace {

constexpr int PsNull = 5;
constexpr int BsSolid = 0;
enum BitmapRecord { StretchDib, DibBitBlt, BitBlt, StretchBlt };

QImage render(const QByteArray& bytes, QSize size = QSize(100, 100))
{
    const auto drawing = WmfDrawing::fromBytes(bytes);
    if (!drawing)
        return {};
    return drawing->toImage(size);
}

bool isColor(const QImage& image, QPoint at, QColor expected, int tolerance = 8)
{
    const QColor c = image.pixelColor(at);
    return std::abs(c.red() - expected.red()) <= tolerance && std::abs(c.green() - expected.green()) <= tolerance
        && std::abs(c.blue() - expected.blue()) <= tolerance;
}

QString describe(const QImage& image, QPoint at)
{
    return QStringLiteral("pixel (%1,%2) is %3").arg(at.x()).arg(at.y()).arg(image.pixelColor(at).name());
}

// Dark pixels (text) within a rectangle of the image.
int darkPixels(const QImage& image, QRect area)
{
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

int nonWhitePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return count;
}

// A red rectangle with no outline, by default logical (200,300)-(600,700) in a file of 1000 x
// 1000 units.
void redRectangle(WmfWriter& w, QRect rect = QRect(QPoint(200, 300), QPoint(599, 699)))
{
    w.select(w.createPen(PsNull, 0, Qt::black));
    w.select(w.createBrush(BsSolid, Qt::red));
    w.rectangle(rect);
}

} // namespace

class TestWmf : public QObject
{
    Q_OBJECT

private slots:
    void filledRectangle_data()
    {
        QTest::addColumn<QByteArray>("file");
        {
            WmfWriter w;
            redRectangle(w);
            QTest::newRow("placeable box") << w.finish();
        }
        {
            WmfWriter w = WmfWriter::plain();
            w.setMapMode(8);
            w.setWindowOrg(0, 0);
            w.setWindowExt(1000, 1000);
            redRectangle(w);
            QTest::newRow("window extent, no header") << w.finish();
        }
        {
            // The window maps onto the whole picture whatever the box says.
            WmfWriter w(QRect(0, 0, 100, 100));
            w.setWindowOrg(0, 0);
            w.setWindowExt(1000, 1000);
            redRectangle(w);
            QTest::newRow("window scales the box") << w.finish();
        }
        {
            WmfWriter w(QRect(5000, 5000, 1000, 1000));
            w.setWindowOrg(-1000, -2000);
            w.setWindowExt(1000, 1000);
            w.select(w.createPen(PsNull, 0, Qt::black));
            w.select(w.createBrush(BsSolid, Qt::red));
            w.rectangle(QRect(QPoint(-800, -1700), QPoint(-401, -1301)));
            QTest::newRow("window origin away from zero") << w.finish();
        }
        {
            // y grows upwards: the window origin is the top edge.
            WmfWriter w;
            w.setWindowOrg(0, 1000);
            w.setWindowExt(1000, -1000);
            w.select(w.createPen(PsNull, 0, Qt::black));
            w.select(w.createBrush(BsSolid, Qt::red));
            w.rectangle(QRect(QPoint(200, 300), QPoint(599, 699)));
            QTest::newRow("flipped y axis") << w.finish();
        }
    }

    void filledRectangle()
    {
        QFETCH(QByteArray, file);
        const QImage image = render(file);
        QVERIFY(!image.isNull());
        // Inside, and one pixel outside each edge (the rectangle is 20..60 x 30..70 pixels).
        for (QPoint inside : {QPoint(21, 31), QPoint(40, 50), QPoint(58, 68)})
            QVERIFY2(isColor(image, inside, Qt::red), qPrintable(describe(image, inside)));
        for (QPoint outside : {QPoint(18, 50), QPoint(61, 50), QPoint(40, 28), QPoint(40, 71)})
            QVERIFY2(isColor(image, outside, Qt::white), qPrintable(describe(image, outside)));
    }

    // Drawn at its own size (a logical unit to a pixel here), a red rectangle lands on the
    // pixels the window puts it on.
    void drawnAtItsOwnSize_data()
    {
        QTest::addColumn<QByteArray>("file");
        {
            WmfWriter w(QRect(0, 500, 1000, 0), 96); // a box with no height frames nothing
            w.setWindowOrg(0, 0);
            w.setWindowExt(200, 100);
            redRectangle(w, QRect(QPoint(50, 25), QPoint(149, 74)));
            QTest::newRow("box with no height") << w.finish();
        }
        {
            WmfWriter w = WmfWriter::plain();
            w.setMapMode(8);
            w.setWindowOrg(20, 20);
            w.setWindowExt(300, 300);
            w.setWindowOrg(0, 0);
            w.setWindowExt(200, 100);
            redRectangle(w, QRect(QPoint(50, 25), QPoint(149, 74)));
            QTest::newRow("window replaced before drawing") << w.finish();
        }
    }

    void drawnAtItsOwnSize()
    {
        QFETCH(QByteArray, file);
        const auto drawing = WmfDrawing::fromBytes(file);
        QVERIFY(drawing);
        QCOMPARE(drawing->sizeTwips(), QSizeF(200 * 15, 100 * 15));
        const QImage image = drawing->toImage(QSize(200, 100));
        for (QPoint inside : {QPoint(51, 26), QPoint(148, 73)})
            QVERIFY2(isColor(image, inside, Qt::red), qPrintable(describe(image, inside)));
        for (QPoint outside : {QPoint(48, 50), QPoint(151, 50), QPoint(100, 23), QPoint(100, 76)})
            QVERIFY2(isColor(image, outside, Qt::white), qPrintable(describe(image, outside)));
    }

    // Neither a box nor a window: the frame is what the file draws.
    void framedByWhatItDraws()
    {
        WmfWriter w = WmfWriter::plain();
        w.select(w.createPen(PsNull, 0, Qt::black));
        w.select(w.createBrush(BsSolid, Qt::red));
        w.rectangle(QRect(QPoint(200, 300), QPoint(399, 699)));
        w.select(w.createBrush(BsSolid, Qt::blue));
        w.rectangle(QRect(QPoint(400, 300), QPoint(599, 699)));
        const auto drawing = WmfDrawing::fromBytes(w.finish());
        QVERIFY(drawing);
        QCOMPARE(drawing->sizeTwips(), QSizeF(400 * 15, 400 * 15));
        const QImage image = drawing->toImage(QSize(100, 100));
        for (QPoint p : {QPoint(1, 1), QPoint(48, 98)})
            QVERIFY2(isColor(image, p, Qt::red), qPrintable(describe(image, p)));
        for (QPoint p : {QPoint(52, 1), QPoint(98, 98)})
            QVERIFY2(isColor(image, p, Qt::blue), qPrintable(describe(image, p)));
    }

    void sizeFromHeader_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSizeF>("twips");
        QTest::newRow("1440 units an inch") << WmfWriter(QRect(0, 0, 2880, 1440), 1440).finish() << QSizeF(2880, 1440);
        QTest::newRow("720 units an inch") << WmfWriter(QRect(-100, 50, 720, 360), 720).finish() << QSizeF(1440, 720);
        QTest::newRow("a full page at 1000 an inch")
            << WmfWriter(QRect(0, 0, 7639, 5417), 1000).finish() << QSizeF(11000.16, 7800.48);
        WmfWriter plain = WmfWriter::plain();
        plain.setMapMode(8);
        plain.setWindowExt(200, -100);
        QTest::newRow("window extent in pixels") << plain.finish() << QSizeF(3000, 1500);
        WmfWriter twips = WmfWriter::plain();
        twips.setMapMode(6);
        twips.setWindowExt(1440, 720);
        QTest::newRow("window extent in twips") << twips.finish() << QSizeF(1440, 720);
        // 3000 by 1500 inches is beyond reason: shrunk to 200 inches, keeping its shape.
        QTest::newRow("huge box keeps its shape") << WmfWriter(QRect(0, 0, 30000, 15000), 10).finish()
                                                  << QSizeF(288000, 144000);
    }

    void sizeFromHeader()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSizeF, twips);
        const auto drawing = WmfDrawing::fromBytes(file);
        QVERIFY(drawing);
        QCOMPARE(drawing->sizeTwips().width(), twips.width());
        QCOMPARE(drawing->sizeTwips().height(), twips.height());
    }

    void textWhereItShouldBe_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<QRect>("inkArea");  // pixels where the text must be
        QTest::addColumn<QRect>("emptyArea"); // pixels that must stay white
        // "HHH" 200 units (20 px) high at logical (500, 500) in a 100 x 100 image.
        QTest::newRow("left, top") << 0 << QRect(50, 50, 15, 15) << QRect(0, 0, 48, 100);
        QTest::newRow("right, top") << 2 << QRect(30, 50, 19, 15) << QRect(52, 0, 48, 100);
        QTest::newRow("centre, top") << 6 << QRect(42, 50, 16, 15) << QRect(0, 0, 100, 48);
        QTest::newRow("left, bottom") << 8 << QRect(50, 34, 15, 14) << QRect(0, 52, 100, 48);
        QTest::newRow("left, baseline") << 24 << QRect(50, 36, 15, 13) << QRect(0, 53, 100, 47);
    }

    void textWhereItShouldBe()
    {
        QFETCH(int, align);
        QFETCH(QRect, inkArea);
        QFETCH(QRect, emptyArea);
        WmfWriter w;
        w.select(w.createFont(-200, "Liberation Sans", 700));
        w.setBkMode(1);
        w.setTextAlign(align);
        w.setTextColor(Qt::black);
        w.textOut(QPoint(500, 500), "HHH");
        const QImage image = render(w.finish());
        QVERIFY(darkPixels(image, inkArea) > 40);
        QCOMPARE(darkPixels(image, emptyArea), 0);
    }

    // The current position carries on after each text when the alignment says so.
    void textUpdatesCurrentPosition()
    {
        WmfWriter w;
        w.select(w.createFont(-200, "Liberation Sans", 700));
        w.setBkMode(1);
        w.setTextAlign(1 | 24); // update the position, baseline
        w.moveTo(100, 500);
        w.extTextOut(QPoint(0, 0), "HH", 0, {}, {150, 150});
        w.extTextOut(QPoint(0, 0), "HH", 0, {}, {150, 150});
        const QImage image = render(w.finish());
        QVERIFY(darkPixels(image, QRect(10, 36, 30, 14)) > 30);
        QVERIFY(darkPixels(image, QRect(40, 36, 30, 14)) > 30); // the second text follows the first
        QCOMPARE(darkPixels(image, QRect(0, 0, 9, 100)), 0);    // nothing at the ignored (0, 0)
        QCOMPARE(darkPixels(image, QRect(0, 0, 100, 30)), 0);
    }

    void opaqueTextBox()
    {
        WmfWriter w;
        w.select(w.createFont(-100, "Liberation Sans"));
        w.setBkColor(Qt::blue);
        w.extTextOut(QPoint(100, 100), "x", 2, QRect(100, 100, 400, 200));
        const QImage image = render(w.finish());
        QVERIFY2(isColor(image, QPoint(45, 25), Qt::blue), qPrintable(describe(image, QPoint(45, 25))));
        QVERIFY(isColor(image, QPoint(52, 25), Qt::white));
    }

    // Text in other character sets and symbol fonts draws without trouble.
    void unusualTextDoesNotCrash_data()
    {
        QTest::addColumn<int>("charset");
        QTest::addColumn<QByteArray>("face");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("GB2312") << 134 << QByteArray("SimSun") << QByteArray("\xC4\xE3\xBA\xC3\xB0");
        QTest::newRow("Shift-JIS") << 128 << QByteArray("MS Gothic") << QByteArray("\x82\xA0\x82");
        QTest::newRow("Symbol") << 2 << QByteArray("Symbol") << QByteArray("abg\xB1\xF2");
        QTest::newRow("Wingdings") << 2 << QByteArray("Wingdings") << QByteArray("JKL");
        QTest::newRow("Russian") << 204 << QByteArray("Arial") << QByteArray("\xCF\xF0\xE8");
    }

    void unusualTextDoesNotCrash()
    {
        QFETCH(int, charset);
        QFETCH(QByteArray, face);
        QFETCH(QByteArray, text);
        WmfWriter w;
        w.select(w.createFont(-150, face, 400, charset, 450));
        w.textOut(QPoint(100, 500), text);
        w.extTextOut(QPoint(100, 800), text, 0, {}, QList<int>(text.size(), 60));
        QVERIFY(!render(w.finish()).isNull());
    }

    void textDecoding_data()
    {
        QTest::addColumn<int>("charset");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("drawable");
        QTest::newRow("Windows-1252") << 0 << "Arial" << QByteArray("\x80 caf\xE9 \x93ok\x94") << u"\u20AC caf\u00E9 \u201Cok\u201D"_qs << true;
        QTest::newRow("Symbol font") << 2 << "Symbol" << QByteArray("abp\xB1") << u"\u03B1\u03B2\u03C0\u00B1"_qs << true;
        QTest::newRow("default set, symbol face") << 1 << "Euclid Symbol" << QByteArray("\xEC\xEF") << u"\u23A7\u23AA"_qs << true;
        QTest::newRow("Wingdings") << 2 << "Wingdings" << QByteArray("\xFE\xFD\x6C\xA7\xE8") << u"\u2611\u2612\u25CF\u25AA\u2794"_qs << true;
        QTest::newRow("Webdings") << 2 << "Webdings" << QByteArray("ng") << u"\u25CF\u25A0"_qs << true;
        QTest::newRow("Marlett") << 2 << "Marlett" << QByteArray("ar") << u"\u2713\u2715"_qs << true;
        QTest::newRow("MT Extra") << 1 << "MT Extra" << QByteArray("LM$") << u"\u22EF\u22EE\u02C6"_qs << true;
        QTest::newRow("unknown symbol font") << 2 << "Wingdings 3" << QByteArray("J") << u""_qs << false;
        QTest::newRow("GB2312") << 134 << "SimSun" << QByteArray("\xD0\xC2\xBD\xA8") << u"\u65B0\u5EFA"_qs << true;
        QTest::newRow("default set, Chinese face") << 1 << "Microsoft YaHei UI" << QByteArray("\xD0\xC2\xBD\xA8") << u"\u65B0\u5EFA"_qs << true;
        QTest::newRow("Shift-JIS") << 128 << "MS Gothic" << QByteArray("\x82\xA0") << u"\u3042"_qs << true;
        QTest::newRow("Russian") << 204 << "Arial" << QByteArray("\xCF\xF0") << u"\u041F\u0440"_qs << true;
    }

    void textDecoding()
    {
        QFETCH(int, charset);
        QFETCH(QString, face);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, drawable);
        const bs::wmf::TextDecoder decoder(charset, face);
        QCOMPARE(decoder.drawable(), drawable);
        if (!drawable)
            return;
        QCOMPARE(decoder.decode(bytes), text);
        // Split into characters, double-byte ones keep both their bytes.
        QList<int> byteCounts;
        QCOMPARE(decoder.characters(bytes, &byteCounts).join(QString()), text);
        QCOMPARE(byteCounts.size(), text.size());
    }

    void symbolFontTextIsDrawn_data()
    {
        QTest::addColumn<QByteArray>("face");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("Symbol") << QByteArray("Symbol") << QByteArray("ab");
        QTest::newRow("Wingdings check box") << QByteArray("Wingdings") << QByteArray("\xFE");
        QTest::newRow("Webdings bullet") << QByteArray("Webdings") << QByteArray("n");
        QTest::newRow("Marlett check") << QByteArray("Marlett") << QByteArray("a");
        QTest::newRow("MT Extra ellipsis") << QByteArray("MT Extra") << QByteArray("LM");
    }

    void symbolFontTextIsDrawn()
    {
        QFETCH(QByteArray, face);
        QFETCH(QByteArray, text);
        WmfWriter w;
        w.select(w.createFont(-300, face, 400, 2));
        w.setBkMode(1);
        w.textOut(QPoint(300, 300), text);
        const QImage image = render(w.finish());
        QVERIFY(darkPixels(image, QRect(25, 25, 50, 50)) > 10);
    }

    void bitmapPixels_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("kind");
        for (int bits : {1, 4, 8, 24, 32}) {
            QTest::addRow("StretchDIB, %d bits", bits) << bits << int(StretchDib);
            QTest::addRow("DIBBitBlt, %d bits", bits) << bits << int(DibBitBlt);
        }
        // Device-dependent bitmaps; a 1-bit one in the default black text on white.
        for (int bits : {1, 24}) {
            QTest::addRow("BitBlt, %d bits", bits) << bits << int(BitBlt);
            QTest::addRow("StretchBlt, %d bits", bits) << bits << int(StretchBlt);
        }
    }

    void bitmapPixels()
    {
        QFETCH(int, bits);
        QFETCH(int, kind);
        // Four quadrants; a 1-bit bitmap has two colours only.
        const QColor colours[4] = {Qt::black, bits == 1 ? Qt::white : Qt::red, bits == 1 ? Qt::white : Qt::green,
                                   bits == 1 ? Qt::black : Qt::blue};
        QImage source(4, 4, QImage::Format_RGB32);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                source.setPixelColor(x, y, colours[(y / 2) * 2 + x / 2]);
        // A window of 4 x 4 units on the 100 x 100 image: each bitmap pixel is 25 image pixels.
        WmfWriter w(QRect(0, 0, 4, 4));
        switch (kind) {
        case StretchDib: w.stretchDib(QRect(0, 0, 4, 4), source, bits); break;
        case DibBitBlt: w.dibBitBlt(QPoint(0, 0), source, bits); break;
        case BitBlt: w.bitBlt(QPoint(0, 0), source, bits); break;
        case StretchBlt: w.stretchBlt(QRect(0, 0, 4, 4), source, bits); break;
        }
        const QImage image = render(w.finish());
        QVERIFY(!image.isNull());
        const QPoint centres[4] = {QPoint(25, 25), QPoint(75, 25), QPoint(25, 75), QPoint(75, 75)};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(isColor(image, centres[i], colours[i]), qPrintable(describe(image, centres[i])));
        // Pixels stay sharp: no blending across the quadrant border.
        QVERIFY(isColor(image, QPoint(48, 10), colours[0], 0) && isColor(image, QPoint(52, 10), colours[1], 0));
    }

    // A run-length encoded 8-bit bitmap: runs, an end of line, an absolute run.
    void rleBitmap()
    {
        QByteArray dib;
        WmfWriter::put32(dib, 40);
        WmfWriter::put32(dib, 4);
        WmfWriter::put32(dib, 2);
        WmfWriter::put16(dib, 1);
        WmfWriter::put16(dib, 8);
        WmfWriter::put32(dib, 1); // RLE8
        for (int i = 0; i < 3; ++i)
            WmfWriter::put32(dib, 0);
        WmfWriter::put32(dib, 4); // colours used
        WmfWriter::put32(dib, 0);
        for (QRgb c : {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}) {
            dib += char(qBlue(c));
            dib += char(qGreen(c));
            dib += char(qRed(c));
            dib += '\0';
        }
        // Bottom row: two red, two green. Top row: blue, white, red, green as an absolute run.
        dib += QByteArray("\x02\x01\x02\x02\x00\x00\x00\x04\x03\x00\x01\x02\x00\x01", 14);
        WmfWriter w(QRect(0, 0, 4, 2));
        w.record(0x0F43, {0x0020, 0x00CC, 0, 2, 4, 0, 0, 2, 4, 0, 0}, dib);
        const QImage image = render(w.finish());
        const QList<QPair<QPoint, QColor>> expected{{{12, 25}, Qt::blue},  {{37, 25}, Qt::white}, {{62, 25}, Qt::red},
                                                    {{87, 25}, Qt::green}, {{12, 75}, Qt::red},   {{87, 75}, Qt::green}};
        for (const auto& [at, colour] : expected)
            QVERIFY2(isColor(image, at, colour), qPrintable(describe(image, at)));
    }

    // An icon as programs store it: an AND mask, then the colour image with XOR.
    void maskedBitmap()
    {
        QImage mask(2, 1, QImage::Format_RGB32);
        mask.setPixel(0, 0, qRgb(0, 0, 0));       // the icon
        mask.setPixel(1, 0, qRgb(255, 255, 255)); // transparent
        QImage colour(2, 1, QImage::Format_RGB32);
        colour.setPixel(0, 0, qRgb(0, 0, 255));
        colour.setPixel(1, 0, qRgb(0, 0, 0));
        WmfWriter w(QRect(0, 0, 2, 2));
        w.select(w.createPen(PsNull, 0, Qt::black));
        w.select(w.createBrush(BsSolid, Qt::green));
        w.rectangle(QRect(0, 0, 2, 2));
        w.stretchDib(QRect(0, 0, 2, 1), mask, 1, 0x008800C6);
        w.stretchDib(QRect(0, 0, 2, 1), colour, 24, 0x00660046);
        const QImage image = render(w.finish());
        QVERIFY2(isColor(image, QPoint(25, 25), Qt::blue), qPrintable(describe(image, QPoint(25, 25))));
        QVERIFY2(isColor(image, QPoint(75, 25), Qt::green), qPrintable(describe(image, QPoint(75, 25))));
    }

    void clipping_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<QPoint>>("red");
        QTest::addColumn<QList<QPoint>>("white");
        auto start = [] {
            WmfWriter w;
            w.select(w.createPen(PsNull, 0, Qt::black));
            w.select(w.createBrush(BsSolid, Qt::red));
            return w;
        };
        {
            WmfWriter w = start();
            w.intersectClip(QRect(QPoint(200, 200), QPoint(499, 499)));
            w.rectangle(QRect(0, 0, 1000, 1000));
            QTest::newRow("intersect") << w.finish() << QList<QPoint>{{30, 30}} << QList<QPoint>{{10, 10}, {60, 30}, {80, 80}};
        }
        {
            WmfWriter w = start();
            w.excludeClip(QRect(QPoint(200, 200), QPoint(499, 499)));
            w.rectangle(QRect(0, 0, 1000, 1000));
            QTest::newRow("exclude") << w.finish() << QList<QPoint>{{10, 10}, {80, 80}} << QList<QPoint>{{30, 30}};
        }
        {
            WmfWriter w = start();
            w.saveDC();
            w.intersectClip(QRect(QPoint(0, 0), QPoint(199, 199)));
            w.restoreDC();
            w.rectangle(QRect(0, 0, 1000, 1000));
            QTest::newRow("restored by RestoreDC") << w.finish() << QList<QPoint>{{50, 50}, {90, 90}} << QList<QPoint>{};
        }
        {
            WmfWriter w;
            const int region = w.createRegion({QRect(0, 0, 500, 300), QRect(500, 600, 500, 400)});
            w.select(w.createPen(PsNull, 0, Qt::black));
            w.select(w.createBrush(BsSolid, Qt::red));
            w.selectClipRegion(region);
            w.rectangle(QRect(0, 0, 1000, 1000));
            QTest::newRow("region") << w.finish() << QList<QPoint>{{25, 15}, {75, 80}}
                                    << QList<QPoint>{{75, 15}, {25, 80}, {50, 45}};
        }
        {
            WmfWriter w = start();
            w.intersectClip(QRect(QPoint(0, 0), QPoint(499, 999)));
            w.record(0x0220, {0, 500}); // OffsetClipRgn by (500, 0)
            w.rectangle(QRect(0, 0, 1000, 1000));
            QTest::newRow("offset") << w.finish() << QList<QPoint>{{75, 50}} << QList<QPoint>{{25, 50}};
        }
        // A region of 200 x 200 units whose second scan is missing is no region at all: it
        // neither clips nor fills.
        const QList<int> unreadable{0, 6, 0, 0, 0, 2, 4, 0, 0, 200, 200, 2, 0, 200, 0, 200, 2};
        {
            WmfWriter w;
            const int region = w.createRawRegion(unreadable);
            w.select(w.createPen(PsNull, 0, Qt::black));
            w.select(w.createBrush(BsSolid, Qt::red));
            w.selectClipRegion(region);
            w.rectangle(QRect(0, 0, 1000, 1000));
            QTest::newRow("unreadable region selected") << w.finish() << QList<QPoint>{{10, 10}, {50, 50}, {90, 90}}
                                                        << QList<QPoint>{};
        }
        {
            WmfWriter w;
            const int region = w.createRawRegion(unreadable);
            w.fillRegion(region, w.createBrush(BsSolid, Qt::red));
            QTest::newRow("unreadable region filled") << w.finish() << QList<QPoint>{} << QList<QPoint>{{10, 10}};
        }
    }

    void clipping()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<QPoint>, red);
        QFETCH(QList<QPoint>, white);
        const QImage image = render(file);
        for (QPoint p : red)
            QVERIFY2(isColor(image, p, Qt::red), qPrintable(describe(image, p)));
        for (QPoint p : white)
            QVERIFY2(isColor(image, p, Qt::white), qPrintable(describe(image, p)));
    }

    // The middle of a self-overlapping polygon is filled only in winding mode.
    void polygonFillMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QColor>("middle");
        QTest::newRow("alternate") << 1 << QColor(Qt::white);
        QTest::newRow("winding") << 2 << QColor(Qt::red);
    }

    void polygonFillMode()
    {
        QFETCH(int, mode);
        QFETCH(QColor, middle);
        WmfWriter w;
        w.select(w.createPen(PsNull, 0, Qt::black));
        w.select(w.createBrush(BsSolid, Qt::red));
        w.setPolyFillMode(mode);
        // The outer square twice round, the same way: winding number 2 inside the inner one.
        w.polygon({{100, 100}, {900, 100}, {900, 900}, {100, 900}, {100, 100}, {300, 300}, {700, 300}, {700, 700},
                   {300, 700}, {300, 300}});
        const QImage image = render(w.finish());
        QVERIFY(isColor(image, QPoint(15, 50), Qt::red));
        QVERIFY2(isColor(image, QPoint(50, 50), middle), qPrintable(describe(image, QPoint(50, 50))));
    }

    void lineAndRop_data()
    {
        QTest::addColumn<int>("rop2");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("copy pen") << 13 << QColor(Qt::blue);
        QTest::newRow("no operation") << 11 << QColor(Qt::white);
        QTest::newRow("black") << 1 << QColor(Qt::black);
    }

    void lineAndRop()
    {
        QFETCH(int, rop2);
        QFETCH(QColor, expected);
        WmfWriter w;
        w.select(w.createPen(0, 60, Qt::blue));
        w.setRop2(rop2);
        w.moveTo(100, 500);
        w.lineTo(900, 500);
        const QImage image = render(w.finish());
        QVERIFY2(isColor(image, QPoint(50, 50), expected), qPrintable(describe(image, QPoint(50, 50))));
        QVERIFY(isColor(image, QPoint(50, 40), Qt::white));
    }

    void patternBrush()
    {
        QImage pattern(2, 2, QImage::Format_RGB32);
        pattern.fill(Qt::yellow);
        WmfWriter w;
        w.select(w.createPen(PsNull, 0, Qt::black));
        w.select(w.createPatternBrush(pattern, 24));
        w.rectangle(QRect(0, 0, 500, 500));
        const QImage image = render(w.finish());
        QVERIFY2(isColor(image, QPoint(20, 20), Qt::yellow), qPrintable(describe(image, QPoint(20, 20))));
    }

    // Monochrome brushes and bitmaps paint their dark pixels in the text colour (red here) and
    // their light ones in the background colour (blue), whatever colours the bitmap holds.
    void monochromeTakesTextColours_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<QPoint>>("red");
        QTest::addColumn<QList<QPoint>>("blue");
        QImage darkLeft(8, 8, QImage::Format_RGB32); // four dark columns, then four light ones
        darkLeft.fill(Qt::white);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 4; ++x)
                darkLeft.setPixel(x, y, qRgb(0, 0, 0));
        const QImage lightLeft = darkLeft.mirrored(true, false); // its colour table starts with white
        auto brushFile = [](auto createBrush) {
            WmfWriter w;
            w.select(w.createPen(PsNull, 0, Qt::black));
            w.select(createBrush(w));
            w.setTextColor(Qt::red);
            w.setBkColor(Qt::blue);
            w.rectangle(QRect(0, 0, 1000, 1000));
            return w.finish();
        };
        // A brush tiles from the image's top left corner, a pattern pixel to an image pixel.
        const QList<QPoint> left{{1, 50}, {9, 50}}, right{{5, 50}, {13, 50}};
        QTest::newRow("1-bit DIB brush")
            << brushFile([&](WmfWriter& w) { return w.createPatternBrush(darkLeft, 1); }) << left << right;
        QTest::newRow("1-bit DIB brush, white first")
            << brushFile([&](WmfWriter& w) { return w.createPatternBrush(lightLeft, 1); }) << right << left;
        QTest::newRow("old-style 1-bit brush")
            << brushFile([&](WmfWriter& w) { return w.createPatternBrush16(darkLeft, 1); }) << left << right;
        WmfWriter blt(QRect(0, 0, 8, 8));
        blt.setTextColor(Qt::red);
        blt.setBkColor(Qt::blue);
        blt.bitBlt(QPoint(0, 0), darkLeft, 1);
        QTest::newRow("1-bit BitBlt") << blt.finish() << QList<QPoint>{{25, 50}} << QList<QPoint>{{75, 50}};
    }

    void monochromeTakesTextColours()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<QPoint>, red);
        QFETCH(QList<QPoint>, blue);
        const QImage image = render(file);
        for (QPoint p : red)
            QVERIFY2(isColor(image, p, Qt::red), qPrintable(describe(image, p)));
        for (QPoint p : blue)
            QVERIFY2(isColor(image, p, Qt::blue), qPrintable(describe(image, p)));
    }

    // Shapes that touch share their edge pixels without a light seam, as bands of a gradient do.
    void touchingFillsLeaveNoSeam_data()
    {
        QTest::addColumn<QByteArray>("file");
        auto start = [] {
            WmfWriter w;
            w.select(w.createPen(PsNull, 0, Qt::black));
            w.select(w.createBrush(BsSolid, Qt::blue));
            return w;
        };
        WmfWriter bands = start();
        for (int i = 0; i < 7; ++i) { // edges fall between pixels
            const int left = i * 1000 / 7, right = (i + 1) * 1000 / 7;
            bands.polygon({{left, 0}, {right, 0}, {right, 1000}, {left, 1000}});
        }
        QTest::newRow("bands") << bands.finish();
        WmfWriter triangles = start();
        triangles.polygon({{0, 0}, {1000, 0}, {0, 1000}});
        triangles.polygon({{1000, 0}, {1000, 1000}, {0, 1000}});
        QTest::newRow("triangles") << triangles.finish();
    }

    void touchingFillsLeaveNoSeam()
    {
        QFETCH(QByteArray, file);
        const QImage image = render(file);
        QList<QPoint> seams;
        for (int y = 1; y < 99; ++y)
            for (int x = 1; x < 99; ++x)
                if (!isColor(image, QPoint(x, y), Qt::blue, 0))
                    seams.append(QPoint(x, y));
        QVERIFY2(seams.isEmpty(), qPrintable(describe(image, seams.value(0))));
    }

    void hatchBrush()
    {
        WmfWriter w;
        w.select(w.createPen(PsNull, 0, Qt::black));
        w.select(w.createBrush(2, Qt::blue, 4)); // a cross hatch
        w.setBkMode(1);
        w.rectangle(QRect(0, 0, 1000, 1000));
        const QImage image = render(w.finish());
        int blue = 0;
        for (int y = 10; y < 90; ++y)
            for (int x = 10; x < 90; ++x)
                blue += isColor(image, QPoint(x, y), Qt::blue, 60);
        QVERIFY2(blue > 80 * 80 / 8 && blue < 80 * 80 / 2, qPrintable(QString::number(blue))); // lines, not a fill
    }

    // Extra space between characters widens a text without an advance array.
    void textCharacterExtra()
    {
        auto inkRight = [](int extra) {
            WmfWriter w;
            w.select(w.createFont(-150, "Liberation Sans"));
            w.setBkMode(1);
            w.record(0x0108, {extra});
            w.textOut(QPoint(50, 400), "IIII");
            const QImage image = render(w.finish());
            int right = 0;
            for (int x = 0; x < image.width(); ++x)
                if (darkPixels(image, QRect(x, 0, 1, 100)) > 0)
                    right = x;
            return right;
        };
        QVERIFY(inkRight(100) >= inkRight(0) + 25); // three gaps of 10 pixels more
    }

    void notAMetafile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("This is not a drawing at all, just some words.");
        QTest::newRow("placeable key only") << QByteArray("\xD7\xCD\xC6\x9A", 4);
        QTest::newRow("JPEG start") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
    }

    void notAMetafile()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!WmfDrawing::fromBytes(bytes));
    }

    // Every prefix of a file full of records, and bytes flipped at random, play without a crash
    // and keep what comes before the damage.
    void brokenFilesDrawWhatTheyCan()
    {
        WmfWriter w;
        redRectangle(w);
        w.select(w.createFont(-100, "Arial"));
        w.extTextOut(QPoint(10, 10), "Hello", 6, QRect(0, 0, 300, 100), {50, 50, 50, 50, 50});
        w.polygon({{0, 0}, {100, 0}, {100, 100}});
        w.stretchDib(QRect(700, 700, 200, 200), QImage(3, 3, QImage::Format_RGB32), 8);
        w.intersectClip(QRect(0, 0, 500, 500));
        w.ellipse(QRect(0, 0, 800, 800));
        const QByteArray whole = w.finish();
        for (qsizetype length = 0; length <= whole.size(); ++length)
            render(whole.left(length), QSize(20, 20));
        QRandomGenerator random(42);
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged = whole;
            for (int i = 0; i < 4; ++i)
                damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
            render(damaged, QSize(20, 20));
        }
        // A file cut inside its last record still shows the rectangle.
        const QImage cut = render(whole.left(whole.size() - 10));
        QVERIFY(isColor(cut, QPoint(40, 50), Qt::red));
    }

    void hostileCounts_data()
    {
        QTest::addColumn<QByteArray>("file");
        auto file = [](auto build) {
            WmfWriter w;
            build(w);
            return w.finish();
        };
        QTest::newRow("polygon claims 65535 points") << file([](WmfWriter& w) { w.record(0x0324, {-1, 0, 0, 10, 10}); });
        QTest::newRow("polypolygon claims many polygons")
            << file([](WmfWriter& w) { w.record(0x0538, {30000, 5, 5, 0, 0, 1, 1}); });
        QTest::newRow("text longer than its record") << file([](WmfWriter& w) { w.record(0x0521, {30000, 0x4141}); });
        QTest::newRow("ExtTextOut count beyond record")
            << file([](WmfWriter& w) { w.record(0x0A32, {0, 0, 32000, 6, 0, 0, 10, 10}); });
        QTest::newRow("object index out of range") << file([](WmfWriter& w) {
            w.select(60000);
            w.deleteObject(-1);
            w.record(0x012C, {65535});
            w.record(0x0228, {9999, 9998});
        });
        QTest::newRow("huge DIB") << file([](WmfWriter& w) {
            QByteArray dib;
            WmfWriter::put32(dib, 40);
            WmfWriter::put32(dib, 0x7FFFFFFF);
            WmfWriter::put32(dib, 0x7FFFFFFF);
            WmfWriter::put16(dib, 1);
            WmfWriter::put16(dib, 24);
            dib += QByteArray(24, '\0');
            w.record(0x0F43, {0x20, 0xCC, 0, 10, 10, 0, 0, 100, 100, 0, 0}, dib);
        });
        QTest::newRow("RLE DIB running off") << file([](WmfWriter& w) {
            QByteArray dib;
            WmfWriter::put32(dib, 40);
            WmfWriter::put32(dib, 64);
            WmfWriter::put32(dib, 64);
            WmfWriter::put16(dib, 1);
            WmfWriter::put16(dib, 8);
            WmfWriter::put32(dib, 1);
            dib += QByteArray(20, '\0');
            dib += QByteArray(1024, '\0');
            dib += QByteArray("\xFF\x01\x00\x02\xFF\xFF\x00\x05", 8);
            w.record(0x0F43, {0x20, 0xCC, 0, 64, 64, 0, 0, 100, 100, 0, 0}, dib);
        });
        QTest::newRow("deep RestoreDC") << file([](WmfWriter& w) {
            for (int i = 0; i < 5000; ++i)
                w.saveDC();
            w.restoreDC(-32768);
            w.restoreDC(32767);
            w.restoreDC(1);
        });
        QTest::newRow("zero extents") << file([](WmfWriter& w) {
            w.setWindowExt(0, 0);
            w.record(0x0410, {0, 0, 0, 0});
            w.rectangle(QRect(0, 0, 100, 100));
        });
        QTest::newRow("record size zero") << file([](WmfWriter& w) { w.raw(QByteArray(12, '\0')); });
        QTest::newRow("record size beyond file") << file([](WmfWriter& w) { w.raw(QByteArray("\xFF\xFF\xFF\x7F\x1B\x04", 6)); });
    }

    void hostileCounts()
    {
        QFETCH(QByteArray, file);
        render(file);
        render(file.mid(22)); // the same records without the placeable header
    }

    void realWorldSamples()
    {
        const QDir folder(QStringLiteral(BS_SHARED_DIR "/wmf-samples"));
        const QStringList files = folder.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name);
        if (files.isEmpty())
            QSKIP("The shared metafile samples are not beside the project");
        int drawn = 0;
        QStringList blank;
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const auto drawing = WmfDrawing::fromBytes(file.readAll());
            QVERIFY2(drawing, qPrintable(name));
            QVERIFY2(drawing->sizeTwips().width() > 0 && drawing->sizeTwips().height() > 0, qPrintable(name));
            QSizeF size = drawing->sizeTwips() / 15.0;
            size.scale(QSizeF(400, 400), Qt::KeepAspectRatio);
            const QImage image = drawing->toImage(size.toSize().expandedTo(QSize(1, 1)));
            if (nonWhitePixels(image) > 0)
                ++drawn;
            else
                blank.append(name);
        }
        // Every sample shows something (the truncated one keeps its first records), except
        // the one whose polygons are all white.
        QVERIFY2(blank == QStringList{QStringLiteral("poi_empty_polygon_close.wmf")}, qPrintable(blank.join(u' ')));
    }
};

QTEST_MAIN(TestWmf)
#include "test_wmf.moc"
