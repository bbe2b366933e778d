// wmf2png [--fallback-fonts] IN.wmf OUT.png [scale]: renders a Windows metafile with the
// program's own renderer and, unless --fallback-fonts is given, the program's own fonts (so a
// page looks as it does on screen; with the option it shows what a machine without Tahoma
// would draw). The image is the drawing's own size at 96 dpi times scale. Exits 1 when the file
// cannot be read as a metafile at all, 2 on bad arguments or when the PNG cannot be written.
#include "graphics/Fonts.h"
#include "graphics/wmf/WmfDrawing.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <algorithm>
#include <cmath>

int main(int argc, char** argv)
{
    // A command-line tool: it draws into an image and needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    QTextStream err(stderr);
    const bool fallbackFonts = args.removeAll(QStringLiteral("--fallback-fonts")) > 0;
    if (args.size() < 3 || args.size() > 4) {
        err << "usage: wmf2png [--fallback-fonts] IN.wmf OUT.png [scale]\n";
        return 2;
    }
    if (!fallbackFonts && !bs::registerFonts())
        err << "Tahoma is missing (" << bs::TahomaFontFile << "): a fallback font stands in\n";
    double scale = 1;
    if (args.size() == 4) {
        bool ok = false;
        scale = args[3].toDouble(&ok);
        if (!ok || !(scale > 0) || scale > 50) {
            err << "scale must be a number above 0 and at most 50\n";
            return 2;
        }
    }
    QFile file(args[1]);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cannot open " << args[1] << "\n";
        return 1;
    }
    const auto drawing = bs::WmfDrawing::fromBytes(file.readAll());
    if (!drawing) {
        err << args[1] << " is not a Windows metafile that can be read\n";
        return 1;
    }
    const QSizeF twips = drawing->sizeTwips() * scale / 15.0;
    // Keep the image within 8000 pixels a side, whatever the header claims.
    const double fit = std::min(1.0, 8000.0 / std::max(twips.width(), twips.height()));
    const QSize size(std::max(1, int(std::lround(twips.width() * fit))), std::max(1, int(std::lround(twips.height() * fit))));
    const QImage image = drawing->toImage(size);
    if (image.isNull() || !image.save(args[2], "PNG")) {
        err << "cannot write " << args[2] << "\n";
        return 2;
    }
    return 0;
}
