// Writes the fuzzer's seed metafiles: make_wmf_seeds FOLDER. Each seed exercises a group of
// records, so the fuzzer starts from files that reach every part of the player.
#include "WmfWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

using bs::test::WmfWriter;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    auto save = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(x * 50, y * 100, 128));

    WmfWriter shapes;
    shapes.setWindowOrg(0, 0);
    shapes.setWindowExt(1000, 1000);
    shapes.select(shapes.createPen(1, 10, Qt::red));
    shapes.select(shapes.createBrush(2, Qt::blue, 3));
    shapes.setPolyFillMode(2);
    shapes.rectangle(QRect(10, 10, 100, 100));
    shapes.ellipse(QRect(100, 100, 300, 200));
    shapes.record(0x061C, {30, 30, 500, 500, 300, 300});
    shapes.record(0x0817, {0, 900, 900, 0, 1000, 1000, 600, 600});
    shapes.record(0x081A, {0, 900, 900, 0, 1000, 1000, 600, 600});
    shapes.record(0x0830, {0, 900, 900, 0, 1000, 1000, 600, 600});
    shapes.polygon({{0, 0}, {100, 0}, {50, 80}});
    shapes.polyline({{0, 500}, {100, 600}, {200, 500}});
    shapes.record(0x0538, {2, 3, 3, 0, 0, 10, 0, 5, 5, 20, 20, 30, 20, 25, 30});
    shapes.moveTo(10, 900);
    shapes.lineTo(900, 900);
    shapes.setRop2(7);
    shapes.record(0x041F, {0xFF, 0, 20, 20});
    bool ok = save("shapes.wmf", shapes.finish());

    WmfWriter text;
    text.select(text.createFont(-120, "Arial", 700, 0, 300, true, true));
    text.setTextAlign(1 | 24);
    text.setBkMode(2);
    text.moveTo(10, 200);
    text.textOut(QPoint(0, 0), "Hello");
    text.extTextOut(QPoint(10, 400), "Clip", 6, QRect(0, 300, 400, 500), {50, 50, 50, 50});
    text.select(text.createFont(-120, "SimSun", 400, 134));
    text.extTextOut(QPoint(10, 600), "\xC4\xE3\xBA\xC3", 0, {}, {60, 0, 60, 0});
    text.select(text.createFont(150, "Symbol", 400, 2));
    text.textOut(QPoint(10, 800), "abc");
    ok = save("text.wmf", text.finish()) && ok;

    WmfWriter bitmaps;
    for (int bits : {1, 4, 8, 24, 32})
        bitmaps.stretchDib(QRect(bits * 20, 0, 100, 60), image, bits);
    bitmaps.dibBitBlt(QPoint(0, 200), image, 8, 0x008800C6);
    bitmaps.select(bitmaps.createPatternBrush(image, 4));
    bitmaps.record(0x061D, {0x0021, 0x00F0, 100, 100, 500, 500});
    ok = save("bitmaps.wmf", bitmaps.finish()) && ok;

    WmfWriter clips = WmfWriter::plain();
    clips.setMapMode(8);
    clips.setWindowExt(500, -400);
    clips.setViewportExt(250, 200);
    clips.saveDC();
    clips.intersectClip(QRect(0, 0, 200, 200));
    clips.excludeClip(QRect(50, 50, 20, 20));
    clips.record(0x0220, {10, 10});
    clips.record(0x06FF, {0, 6, 0, 0, 40, 1, 2, 0, 0, 100, 100, 2, 0, 100, 0, 100, 2});
    clips.record(0x012C, {0});
    clips.select(clips.createBrush(0, Qt::green));
    clips.rectangle(QRect(0, 0, 400, 400));
    clips.restoreDC(-1);
    clips.deleteObject(0);
    ok = save("clips.wmf", clips.finish()) && ok;

    // Device-dependent bitmaps, monochrome brushes in the text colours, dingbat text and an
    // unreadable region, with no window at all: the frame is measured from what it draws.
    WmfWriter older = WmfWriter::plain();
    QImage mono(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            mono.setPixel(x, y, (x + y) % 3 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    older.setTextColor(Qt::red);
    older.setBkColor(Qt::yellow);
    older.bitBlt(QPoint(0, 0), mono, 1);
    older.stretchBlt(QRect(10, 0, 20, 10), image, 24);
    older.select(older.createPatternBrush16(mono, 1));
    older.rectangle(QRect(0, 20, 40, 20));
    older.select(older.createPatternBrush(mono, 1));
    older.polygon({{0, 40}, {40, 40}, {20, 60}});
    older.select(older.createFont(-12, "Wingdings", 400, 2));
    older.textOut(QPoint(0, 60), "\xFE\xFCln\xE8");
    older.select(older.createFont(-12, "MT Extra", 400, 2));
    older.textOut(QPoint(20, 60), "LM#$");
    const int broken = older.createRawRegion({0, 6, 0, 0, 0, 3, 4, 0, 0, 50, 50, 2, 0, 50, 0, 50, 2});
    older.selectClipRegion(broken);
    older.fillRegion(broken, 0);
    ok = save("older.wmf", older.finish()) && ok;
    return ok ? 0 : 1;
}
