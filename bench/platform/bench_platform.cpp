// Pictures and printing: decoding the content's kinds of picture, parsing and drawing a
// full-page drawing on screen and at printer resolution, and printing a page to PDF.
#include "BenchUtil.h"
#include "WmfWriter.h"

#include "platform/Content.h"
#include "platform/Pictures.h"
#include "platform/QtPrinter.h"
#include "graphics/wmf/WmfDrawing.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace bs;

namespace {

// A photograph-like picture: smooth colour with some grain, so JPEG has work to do.
QImage photo(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = random.bounded(24);
            line[x] = qRgb((x * 255 / size.width() + grain) % 256, (y * 255 / size.height() + grain) % 256,
                           (128 + (x ^ y) % 64 + grain) % 256);
        }
    }
    return image;
}

// A notes page of 11000 x 7800 twips: a heading, thirty lines of text, boxes, shapes and a
// small bitmap, as the key-facts pages have.
QByteArray fullPageDrawing()
{
    test::WmfWriter w(QRect(0, 0, 11000, 7800), 1440);
    w.setMapMode(8);
    w.setWindowOrg(0, 0);
    w.setWindowExt(11000, 7800);
    w.setBkMode(1);
    const int heading = w.createFont(-480, "Times New Roman", 700);
    const int body = w.createFont(-220, "Arial");
    const int pen = w.createPen(0, 15, QColor(0, 0, 128));
    const int fill = w.createBrush(0, QColor(255, 255, 200));
    w.select(pen);
    w.select(fill);
    w.rectangle(QRect(100, 100, 10800, 7600));
    w.select(heading);
    w.setTextColor(QColor(0, 0, 128));
    w.textOut(QPoint(400, 250), "Llandudno: key facts");
    w.select(body);
    w.setTextColor(Qt::black);
    for (int line = 0; line < 30; ++line) {
        const QByteArray text = "Line " + QByteArray::number(line + 1)
            + ": the pier is 700 metres long and was opened in 1877; the Great Orme rises above the bay.";
        w.extTextOut(QPoint(400, 1000 + line * 200), text.left(60 + line % 20));
    }
    w.select(w.createBrush(2, QColor(0, 128, 0), 3));
    for (int i = 0; i < 12; ++i)
        w.ellipse(QRect(7000 + (i % 4) * 900, 1000 + (i / 4) * 900, 800, 800));
    w.select(w.createBrush(0, QColor(200, 60, 60)));
    QList<QPoint> coast;
    for (int i = 0; i <= 200; ++i)
        coast.append(QPoint(7000 + i * 18, 5000 + int(400 * std::sin(i / 10.0))));
    coast.append(QPoint(10600, 7400));
    coast.append(QPoint(7000, 7400));
    w.polygon(coast);
    w.stretchDib(QRect(7000, 3800, 1600, 1000), photo(QSize(160, 100)), 24);
    return w.finish();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    };
    photo(QSize(320, 240)).save(dir.filePath(QStringLiteral("small.jpg")), "JPG", 85);
    photo(QSize(3600, 340)).save(dir.filePath(QStringLiteral("panorama.jpg")), "JPG", 85);
    const QByteArray page = fullPageDrawing();
    write(QStringLiteral("page.wmf"), page);

    Content content(dir.path());
    Pictures pictures(content);
    bench::report(QStringLiteral("picture: load 320x240 JPEG"),
                  bench::medianMs([&] { (void)pictures.load(QStringLiteral("small.jpg")); }));
    bench::report(QStringLiteral("picture: load 3600x340 JPEG panorama"),
                  bench::medianMs([&] { (void)pictures.load(QStringLiteral("panorama.jpg")); }));
    bench::report(QStringLiteral("picture: load full-page drawing"),
                  bench::medianMs([&] { (void)pictures.load(QStringLiteral("page.wmf")); }));

    const Picture drawing = pictures.load(QStringLiteral("page.wmf"));
    const QSize screen = drawing.sizePixels();
    QImage onScreen(screen, QImage::Format_ARGB32_Premultiplied);
    bench::report(QStringLiteral("drawing: full page on screen (%1x%2)").arg(screen.width()).arg(screen.height()),
                  bench::medianMs([&] {
                      onScreen.fill(Qt::white);
                      QPainter painter(&onScreen);
                      drawing.draw(painter, QRectF(QPointF(0, 0), QSizeF(screen)));
                  }));
    const QSize printed = (drawing.sizeTwips() * 600 / 1440).toSize();
    QImage atPrinter(printed, QImage::Format_ARGB32_Premultiplied);
    atPrinter.setDotsPerMeterX(23622);
    atPrinter.setDotsPerMeterY(23622);
    bench::report(QStringLiteral("drawing: full page at 600 dpi (%1x%2)").arg(printed.width()).arg(printed.height()),
                  bench::medianMs([&] {
                      atPrinter.fill(Qt::white);
                      QPainter painter(&atPrinter);
                      drawing.draw(painter, QRectF(QPointF(0, 0), QSizeF(printed)));
                  }, 7));

    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    bench::report(QStringLiteral("print: one page with the drawing to PDF"), bench::medianMs([&] {
                      auto job = QtPrinter::startPdfJob(pdf);
                      job->setFontName(QStringLiteral("Times New Roman"));
                      job->setFontSize(16);
                      job->print(QStringLiteral(" "), true);
                      job->paintPicture(drawing, QPointF(1000, 1000));
                      job->endDoc();
                  }, 7));
    return 0;
}
