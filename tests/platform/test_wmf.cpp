// The metafile renderer: the small files of tests/platform/metafiles (tools/content/test_metafiles.py)
// drawn and checked pixel by pixel, damaged and hostile files that must not crash, and the
// real-world samples beside the project.
#include "graphics/wmf/WmfDrawing.h"
#include "graphics/wmf/WmfText.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

using bs::WmfDrawing;

namespace {

const QString folder = QStringLiteral(BS_SOURCE_DIR "/tests/platform/metafiles/");

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage render(const QByteArray& bytes, QSize size = QSize(100, 100))
{
    const auto drawing = WmfDrawing::fromBytes(bytes);
    return drawing ? drawing->toImage(size) : QImage();
}

int darkPixels(const QImage& image, QRect area)
{
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

bool near(QColor c, QColor expected)
{
    return std::abs(c.red() - expected.red()) <= 8 && std::abs(c.green() - expected.green()) <= 8
        && std::abs(c.blue() - expected.blue()) <= 8;
}

// Checks what a picture shows against expectations such as "red 21,31 40,50; white 0,0,10,10;
// ~blue 0,0,99,99; ink 50,50,15,15; blank 0,0,48,100": a colour at every point and over every
// area, "~colour" somewhere in each area, "ink" (ten dark pixels or more) or "blank" (none).
QString mismatch(const QImage& image, const QString& expectations)
{
    for (const QString& clause : expectations.split(u';', Qt::SkipEmptyParts)) {
        QStringList words = clause.split(u' ', Qt::SkipEmptyParts);
        const QString verb = words.takeFirst();
        for (const QString& word : words) {
            QList<int> n;
            for (const QString& number : word.split(u','))
                n.append(number.toInt());
            const QRect area = n.size() == 4 ? QRect(n[0], n[1], n[2], n[3]) : QRect(n[0], n[1], 1, 1);
            const bool some = verb.startsWith(u'~');
            bool ok = verb == u"ink" ? darkPixels(image, area) >= 10 : verb == u"blank" ? darkPixels(image, area) == 0 : !some;
            QPoint where = area.topLeft();
            for (int y = area.top(); y <= area.bottom() && verb != u"ink" && verb != u"blank"; ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (near(image.pixelColor(x, y), QColor(verb.mid(some ? 1 : 0))) == some) {
                        ok = some; // "~colour" needs one pixel of it, "colour" no other
                        where = QPoint(x, y);
                    }
            if (!ok)
                return QStringLiteral("%1 %2: pixel (%3,%4) is %5")
                    .arg(verb, word).arg(where.x()).arg(where.y()).arg(image.pixelColor(where).name());
        }
    }
    return {};
}

} // namespace

class TestWmf : public QObject
{
    Q_OBJECT

private slots:
    void draws_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSizeF>("twips"); // empty: not checked
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QString>("expected");
        const QSize square(100, 100), wide(200, 100);
        const QString redRectangle = QStringLiteral("red 21,31 40,50 58,68; white 18,50 61,50 40,28 40,71");
        for (const char* file : {"rect-placeable", "rect-window-no-header", "rect-window-scales-box",
                                 "rect-window-origin", "rect-flipped-y", "broken-cut-short"})
            QTest::newRow(file) << file << QSizeF() << square << redRectangle;
        const QString ownSize = QStringLiteral("red 51,26 148,73; white 48,50 151,50 100,23 100,76");
        QTest::newRow("box without height") << "own-size-box-without-height" << QSizeF(3000, 1500) << wide << ownSize;
        QTest::newRow("window replaced") << "own-size-window-replaced" << QSizeF(3000, 1500) << wide << ownSize;
        QTest::newRow("framed by drawing") << "framed-by-drawing" << QSizeF(6000, 6000) << square << "red 1,1 48,98; blue 52,1 98,98";
        QTest::newRow("1440 an inch") << "size-1440-an-inch" << QSizeF(2880, 1440) << square << "";
        QTest::newRow("720 an inch") << "size-720-an-inch" << QSizeF(1440, 720) << square << "";
        QTest::newRow("page at 1000 an inch") << "size-page-1000-an-inch" << QSizeF(11000.16, 7800.48) << square << "";
        QTest::newRow("window in pixels") << "size-window-pixels" << QSizeF(3000, 1500) << square << "";
        QTest::newRow("window in twips") << "size-window-twips" << QSizeF(1440, 720) << square << "";
        // 3000 by 1500 inches is beyond reason: shrunk to 200 inches, keeping its shape.
        QTest::newRow("huge box") << "size-huge-box" << QSizeF(288000, 144000) << square << "";
        QTest::newRow("text left top") << "text-left-top" << QSizeF() << square << "ink 50,50,15,15; blank 0,0,48,100";
        QTest::newRow("text right top") << "text-right-top" << QSizeF() << square << "ink 30,50,19,15; blank 52,0,48,100";
        QTest::newRow("text centre top") << "text-centre-top" << QSizeF() << square << "ink 42,50,16,15; blank 0,0,100,48";
        QTest::newRow("text left bottom") << "text-left-bottom" << QSizeF() << square << "ink 50,34,15,14; blank 0,52,100,48";
        QTest::newRow("text baseline") << "text-left-baseline" << QSizeF() << square << "ink 50,36,15,13; blank 0,53,100,47";
        QTest::newRow("text moves on") << "text-current-position" << QSizeF() << square
                                       << "ink 10,36,30,14 40,36,30,14; blank 0,0,9,100 0,0,100,30";
        QTest::newRow("opaque text box") << "text-opaque-box" << QSizeF() << square << "blue 45,25; white 52,25";
        QTest::newRow("no character extra") << "text-character-extra-0" << QSizeF() << square << "blank 24,0,76,100";
        QTest::newRow("character extra") << "text-character-extra-100" << QSizeF() << square << "ink 26,0,74,100";
        for (const char* face : {"symbol", "wingdings", "webdings", "marlett", "mt-extra"})
            QTest::addRow("%s", face) << QStringLiteral("symbol-%1").arg(face) << QSizeF() << square << "ink 25,25,50,50";
        for (const char* charset : {"gb2312", "shift-jis", "russian"})
            QTest::addRow("%s", charset) << QStringLiteral("text-%1").arg(charset) << QSizeF() << square << "";
        // Four quadrants, sharp at their border; a 1-bit bitmap in black and white.
        for (const char* kind : {"stretchdib-1", "dibbitblt-1", "bitblt-1", "stretchblt-1"})
            QTest::addRow("%s", kind) << QStringLiteral("bitmap-%1").arg(kind) << QSizeF() << square
                                      << "black 25,25 48,10 75,75; white 75,25 25,75 52,10";
        for (const char* kind : {"stretchdib-4", "stretchdib-8", "stretchdib-24", "stretchdib-32", "dibbitblt-4",
                                 "dibbitblt-8", "dibbitblt-24", "dibbitblt-32", "bitblt-24", "stretchblt-24"})
            QTest::addRow("%s", kind) << QStringLiteral("bitmap-%1").arg(kind) << QSizeF() << square
                                      << "black 25,25 48,10; red 75,25 52,10; lime 25,75; blue 75,75";
        QTest::newRow("RLE bitmap") << "bitmap-rle8" << QSizeF() << square << "blue 12,25; white 37,25; red 62,25 12,75; lime 87,25 87,75";
        QTest::newRow("masked icon") << "bitmap-masked" << QSizeF() << square << "blue 25,25; lime 75,25";
        // Monochrome brushes and bitmaps take the text colours, whatever colours they hold.
        QTest::newRow("1-bit brush") << "mono-brush-dib" << QSizeF() << square << "red 1,50 9,50; blue 5,50 13,50";
        QTest::newRow("1-bit brush, white first") << "mono-brush-dib-white-first" << QSizeF() << square << "blue 1,50 9,50; red 5,50 13,50";
        QTest::newRow("old 1-bit brush") << "mono-brush-old" << QSizeF() << square << "red 1,50 9,50; blue 5,50 13,50";
        QTest::newRow("1-bit BitBlt") << "mono-bitblt" << QSizeF() << square << "red 25,50; blue 75,50";
        QTest::newRow("pattern brush") << "pattern-brush" << QSizeF() << square << "yellow 20,20";
        QTest::newRow("hatch: lines, not a fill") << "hatch-brush" << QSizeF() << square << "~blue 10,10,80,80; ~white 10,10,80,80";
        QTest::newRow("bands without seams") << "seams-bands" << QSizeF() << square << "blue 1,1,98,98";
        QTest::newRow("triangles without seams") << "seams-triangles" << QSizeF() << square << "blue 1,1,98,98";
        QTest::newRow("alternate fill") << "fill-alternate" << QSizeF() << square << "red 15,50; white 50,50";
        QTest::newRow("winding fill") << "fill-winding" << QSizeF() << square << "red 15,50 50,50";
        QTest::newRow("line, copy pen") << "line-copy-pen" << QSizeF() << square << "blue 50,50; white 50,40";
        QTest::newRow("line, no operation") << "line-no-operation" << QSizeF() << square << "white 50,50 50,40";
        QTest::newRow("line, black") << "line-black" << QSizeF() << square << "black 50,50; white 50,40";
        QTest::newRow("intersect clip") << "clip-intersect" << QSizeF() << square << "red 30,30; white 10,10 60,30 80,80";
        QTest::newRow("exclude clip") << "clip-exclude" << QSizeF() << square << "red 10,10 80,80; white 30,30";
        QTest::newRow("clip restored") << "clip-restored" << QSizeF() << square << "red 50,50 90,90";
        QTest::newRow("clip offset") << "clip-offset" << QSizeF() << square << "red 75,50; white 25,50";
        QTest::newRow("clip region") << "clip-region" << QSizeF() << square << "red 25,15 75,80; white 75,15 25,80 50,45";
        // A region whose second scan is missing is no region at all: it neither clips nor fills.
        QTest::newRow("unreadable region clip") << "clip-unreadable-region" << QSizeF() << square << "red 10,10 50,50 90,90";
        QTest::newRow("unreadable region fill") << "clip-unreadable-region-filled" << QSizeF() << square << "white 10,10";
    }

    void draws()
    {
        QFETCH(QString, file);
        QFETCH(QSizeF, twips);
        QFETCH(QSize, pixels);
        QFETCH(QString, expected);
        const auto drawing = WmfDrawing::fromBytes(bytesOf(folder + file + QStringLiteral(".wmf")));
        QVERIFY(drawing);
        if (!twips.isEmpty()) {
            QCOMPARE(drawing->sizeTwips().width(), twips.width());
            QCOMPARE(drawing->sizeTwips().height(), twips.height());
        }
        const QImage image = drawing->toImage(pixels);
        QVERIFY(!image.isNull());
        const QString problem = mismatch(image, expected);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // Every file, without its placeable header, cut short anywhere or with bytes flipped,
    // plays without a crash.
    void damagedFilesDoNotCrash()
    {
        const QStringList files = QDir(folder).entryList({QStringLiteral("*.wmf")}, QDir::Files);
        QVERIFY(files.size() > 50);
        QRandomGenerator random(42);
        for (const QString& name : files) {
            const QByteArray whole = bytesOf(folder + name);
            render(whole.mid(22), QSize(20, 20));
            for (qsizetype length = 0; length < whole.size(); length += 1 + length / 64)
                render(whole.left(length), QSize(20, 20));
            for (int round = 0; round < 20; ++round) {
                QByteArray damaged = whole;
                for (int i = 0; i < 4; ++i)
                    damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
                render(damaged, QSize(20, 20));
            }
        }
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

    void textDecoding_data()
    {
        QTest::addColumn<int>("charset");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text"); // empty: not drawable
        QTest::newRow("Windows-1252") << 0 << "Arial" << QByteArray("\x80 caf\xE9 \x93ok\x94") << u"\u20AC caf\u00E9 \u201Cok\u201D"_qs;
        QTest::newRow("Symbol font") << 2 << "Symbol" << QByteArray("abp\xB1") << u"\u03B1\u03B2\u03C0\u00B1"_qs;
        QTest::newRow("default set, symbol face") << 1 << "Euclid Symbol" << QByteArray("\xEC\xEF") << u"\u23A7\u23AA"_qs;
        QTest::newRow("Wingdings") << 2 << "Wingdings" << QByteArray("\xFE\xFD\x6C\xA7\xE8") << u"\u2611\u2612\u25CF\u25AA\u2794"_qs;
        QTest::newRow("Webdings") << 2 << "Webdings" << QByteArray("ng") << u"\u25CF\u25A0"_qs;
        QTest::newRow("Marlett") << 2 << "Marlett" << QByteArray("ar") << u"\u2713\u2715"_qs;
        QTest::newRow("MT Extra") << 1 << "MT Extra" << QByteArray("LM$") << u"\u22EF\u22EE\u02C6"_qs;
        QTest::newRow("unknown symbol font") << 2 << "Wingdings 3" << QByteArray("J") << QString();
        QTest::newRow("GB2312") << 134 << "SimSun" << QByteArray("\xD0\xC2\xBD\xA8") << u"\u65B0\u5EFA"_qs;
        QTest::newRow("default set, Chinese face") << 1 << "Microsoft YaHei UI" << QByteArray("\xD0\xC2\xBD\xA8") << u"\u65B0\u5EFA"_qs;
        QTest::newRow("Shift-JIS") << 128 << "MS Gothic" << QByteArray("\x82\xA0") << u"\u3042"_qs;
        QTest::newRow("Russian") << 204 << "Arial" << QByteArray("\xCF\xF0") << u"\u041F\u0440"_qs;
    }

    void textDecoding()
    {
        QFETCH(int, charset);
        QFETCH(QString, face);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const bs::wmf::TextDecoder decoder(charset, face);
        QCOMPARE(decoder.drawable(), !text.isEmpty());
        if (text.isEmpty())
            return;
        QCOMPARE(decoder.decode(bytes), text);
        // Split into characters, double-byte ones keep both their bytes.
        QList<int> byteCounts;
        QCOMPARE(decoder.characters(bytes, &byteCounts).join(QString()), text);
        QCOMPARE(byteCounts.size(), text.size());
    }

    void realWorldSamples()
    {
        const QDir samples(QStringLiteral(BS_SHARED_DIR "/wmf-samples"));
        const QStringList files = samples.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name);
        if (files.isEmpty())
            QSKIP("The shared metafile samples are not beside the project");
        QStringList blank;
        for (const QString& name : files) {
            const auto drawing = WmfDrawing::fromBytes(bytesOf(samples.filePath(name)));
            QVERIFY2(drawing, qPrintable(name));
            QVERIFY2(drawing->sizeTwips().width() > 0 && drawing->sizeTwips().height() > 0, qPrintable(name));
            QSizeF size = drawing->sizeTwips() / 15.0;
            size.scale(QSizeF(400, 400), Qt::KeepAspectRatio);
            const QImage image = drawing->toImage(size.toSize().expandedTo(QSize(1, 1)));
            bool white = true;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    white = white && (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
            if (white)
                blank.append(name);
        }
        // Every sample shows something (the truncated one keeps its first records), except
        // the one whose polygons are all white.
        QVERIFY2(blank == QStringList{QStringLiteral("poi_empty_polygon_close.wmf")}, qPrintable(blank.join(u' ')));
    }
};

QTEST_MAIN(TestWmf)
#include "test_wmf.moc"
