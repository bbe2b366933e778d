// libFuzzer target: any bytes through the metafile reader and player, at a few sizes.
#include "graphics/wmf/WmfDrawing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

// Qt's font database keeps fontconfig patterns that the leak checker cannot see; they are
// allocated once per font name, not per input of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto drawing = bs::WmfDrawing::fromBytes(bytes);
    if (!drawing)
        return 0;
    (void)drawing->sizeTwips();
    QImage image(48, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawing->play(painter, QRectF(0, 0, 48, 40));
    // Flipped and clipped by the caller, as a screen may draw it.
    painter.setClipRect(QRect(5, 5, 30, 20));
    drawing->play(painter, QRectF(40, 35, -37, -30));
    return 0;
}
