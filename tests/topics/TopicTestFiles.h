#pragma once

#include "ui/Program.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QImage>
#include <QTemporaryDir>

namespace bs::testfiles {

// A placeable Windows metafile holding nothing but its headers and end record: enough to
// carry its own size, so a test can tell one page's drawing from another by size.
inline QByteArray metafile(int widthTwips, int heightTwips)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint16 placeable[10] = {0xCDD7, 0x9AC6, 0, 0, 0, quint16(widthTwips), quint16(heightTwips),
                                   1440,   0,      0};
    quint16 checksum = 0;
    for (quint16 word : placeable) {
        out << word;
        checksum ^= word;
    }
    out << checksum;
    out << quint16(1) << quint16(9) << quint16(0x0300) << quint32(12) << quint16(0) << quint32(3)
        << quint16(0);
    out << quint32(3) << quint16(0); // end of file record
    return bytes;
}

// Image bytes in a format Qt can write; readers decide by content, so PNG bytes also stand
// in for a GIF or JPEG file.
inline QByteArray imageBytes(QSize pixels, const char* format = "PNG", QColor color = Qt::darkGreen)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A worksheet file of the given number of CR LF lines (72 for a whole one).
inline QByteArray worksheet(const QString& title, int lines = 72)
{
    QStringList all{title, QStringLiteral(" ")};
    for (int n = 1; n <= 10; ++n) {
        all << QStringLiteral("%1 question %2").arg(title).arg(n);
        for (const char letter : {'A', 'B', 'C', 'D'})
            all << QStringLiteral("Answer %1%2").arg(n).arg(QLatin1Char(letter));
        all << QString::number(n % 4 + 1) << QStringLiteral(" ");
    }
    QByteArray bytes;
    for (int i = 0; i < lines && i < all.size(); ++i)
        bytes += all[i].toLatin1() + "\r\n";
    return bytes;
}

inline QString writeTemp(QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("probe.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// Whether the catalogue reader and the worksheet loader can read a good file: the tests
// of what they read run only where they are built.
inline bool catalogueReaderWorks()
{
    QTemporaryDir dir;
    CatalogueList list;
    try {
        readCatalogue(writeTemp(dir, "1\r\nA title\r\n"), list);
    } catch (const DataError&) {
        return false;
    }
    return list.workcount == 1;
}

inline bool worksheetLoaderWorks()
{
    QTemporaryDir dir;
    QuestionBank bank;
    try {
        FieldReader reader = FieldReader::fromFile(writeTemp(dir, worksheet(QStringLiteral("Probe"))));
        loadworksheet(reader, bank);
    } catch (const DataError&) {
        return false;
    }
    return bank.worktitle == QStringLiteral("Probe");
}

// Whether the program reads metafiles (for tests that tell drawings apart by size).
inline bool metafilesRead(const Program& program, const QString& contentPath)
{
    return !program.pictures().load(contentPath).isNull();
}

} // namespace bs::testfiles
