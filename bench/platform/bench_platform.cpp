// Pictures and printing: decoding the content's kinds of picture, parsing and drawing a
// full-page drawing on screen and at printer resolution, printing a page to PDF, making a
// teacher's 6000 x 4000 photograph into a panorama and a labelling picture, and drawing a
// typed text page.
#include "BenchUtil.h"

#include "platform/Content.h"
#include "platform/Pictures.h"
#include "platform/QtPrinter.h"
#include "graphics/PhotoImport.h"
#include "graphics/TextPageDrawing.h"
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
    // The largest teacher's notes page of the content: text, boxes, shapes and a map.
    QFile notes(QStringLiteral(BS_CONTENT_DIR "/wmf/scilly1.wmf"));
    notes.open(QIODevice::ReadOnly);
    const QByteArray page = notes.readAll();
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

    const QString camera = dir.filePath(QStringLiteral("camera.jpg"));
    photo(QSize(6000, 4000)).save(camera, "JPG", 90);
    bench::report(QStringLiteral("photo: 6000x4000 JPEG to a 3000x340 panorama"),
                  bench::medianMs([&] { (void)importPhoto(camera, QSize(3000, 340)); }, 5));
    bench::report(QStringLiteral("photo: 6000x4000 JPEG to a 480x400 labelling picture"),
                  bench::medianMs([&] { (void)importPhoto(camera, QSize(480, 400)); }, 5));
    PageText typed{QStringLiteral("Our school grounds"), QStringLiteral("Key Facts  -  page 1 of 2"),
                   {{PageBlock::Heading, QStringLiteral("Our field")}}};
    for (int i = 0; i < 6; ++i)
        typed.blocks.push_back({i % 2 ? PageBlock::Bullet : PageBlock::Paragraph,
                                QStringLiteral("The field lies behind the hall, with a pond, a hedge and a bench "
                                               "where Class 4 sits to draw the birds that come to the water.")});
    typed.blocks.push_back({PageBlock::Box, QStringLiteral("Did you know? Frogs lay their eggs in our pond.")});
    bench::report(QStringLiteral("text page: fit and draw a typed page on screen (696x520)"), bench::medianMs([&] {
                      onScreen.fill(Qt::white);
                      QPainter painter(&onScreen);
                      drawPage(painter, QRectF(0, 0, 696, 520), typed, PageMedium::Screen);
                  }));
    return 0;
}
