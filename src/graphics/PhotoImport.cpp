#include "graphics/PhotoImport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cmath>

namespace bs {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("bs::PhotoImport", text);
}

ImportedPhoto refused(const QString& problem)
{
    return {{}, {}, problem};
}

// A JPEG's last marker is its end of image: a file cut short (a copy broken off) lacks it,
// and the decoder would otherwise fill the missing part with grey without a word.
bool endsWhole(QFile& file)
{
    constexpr qint64 Tail = 4096; // trailing padding some cameras write after the marker
    const qint64 size = file.size();
    if (!file.seek(std::max<qint64>(0, size - Tail)))
        return false;
    const QByteArray tail = file.read(Tail);
    file.seek(0);
    return tail.contains("\xFF\xD9");
}

} // namespace

ImportedPhoto importPhoto(const QString& path, QSize size, double band)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(tr("The picture cannot be opened: %1").arg(file.errorString()));
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format != "jpeg" && format != "png")
        return refused(tr("This file is not a JPEG or PNG picture. Choose a photograph saved as JPEG or PNG."));
    if (format == "jpeg" && !endsWhole(file))
        return refused(tr("The picture is incomplete (the file was cut short). Copy it again and choose it once more."));
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return refused(tr("The picture cannot be read: %1").arg(reader.errorString()));
    // A JPEG decodes at a fraction of its size; a PNG only whole, which must fit the readers'
    // memory limit.
    const qint64 megapixels = qint64(stored.width()) * stored.height() / 1000000;
    if (format == "png" && qint64(stored.width()) * stored.height() * 4 > qint64(QImageReader::allocationLimit()) << 20)
        return refused(tr("The picture is too large to open (%1 megapixels). Choose a smaller copy of it, or save it as JPEG.")
                           .arg(megapixels));
    // Orientation turns a quarter: the cover is reckoned on the upright picture.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? stored.transposed() : stored;
    const double scale = std::max(double(size.width()) / upright.width(), double(size.height()) / upright.height());
    const QSize decoded(std::max(size.width(), int(std::ceil(upright.width() * scale))),
                        std::max(size.height(), int(std::ceil(upright.height() * scale))));
    reader.setScaledSize(turned ? decoded.transposed() : decoded);
    QImage image = reader.read();
    if (image.isNull())
        return refused(tr("The picture cannot be read: %1").arg(reader.errorString()));
    if (image.size() != decoded) // a reader that ignored the scaled size, or the orientation
        image = image.scaled(decoded, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The slack lies across one direction only: the band chooses the cut there.
    const double along = std::clamp(band, 0.0, 1.0);
    const int dx = decoded.width() - size.width();
    const int dy = decoded.height() - size.height();
    const QPoint corner = dy >= dx ? QPoint(dx / 2, int(std::lround(dy * along))) : QPoint(int(std::lround(dx * along)), dy / 2);
    const QImage result = image.copy(QRect(corner, size)).convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    if (!writer.write(result))
        return refused(tr("The picture cannot be stored: %1").arg(writer.errorString()));
    return {bytes, result.size(), {}};
}

} // namespace bs
