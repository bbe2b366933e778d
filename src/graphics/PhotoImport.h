#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace bs {

// A photograph a teacher chose (JPEG or PNG, any size a phone or camera gives) made into the
// program's own copy: upright whatever its EXIF orientation, scaled to cover `size` and cut
// to it, decoded at the size needed rather than in full (a 6000 x 4000 JPEG in well under a
// second), saved as JPEG.
struct ImportedPhoto
{
    QByteArray jpeg;
    QSize size;
    QString problem; // empty when the photo was read; else what the teacher is told
};

// band: where the cut lies across the photo, from 0 (its top, or left for a tall cut) to 1
// (its bottom); 0.5 is the middle band.
ImportedPhoto importPhoto(const QString& path, QSize size, double band = 0.5);

} // namespace bs
