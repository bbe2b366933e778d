// A teacher's photograph made into the program's copy: upright whatever its EXIF orientation,
// cut where the teacher chose, and every photo that cannot be used refused with a message
// saying why (not a JPEG or PNG, cut short, too large to open, missing).
#include "graphics/PhotoImport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace bs;

namespace {

// Upright: red above, blue below; green down the left edge.
QImage uprightPhoto(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(Qt::red));
    for (int y = height / 2; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width / 10; ++x)
            image.setPixel(x, y, qRgb(0, 255, 0));
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A JPEG stored a quarter turn anticlockwise, with the EXIF orientation 6 ("turn it a quarter
// clockwise to show it") a camera held upright writes.
QByteArray turnedJpeg(const QImage& upright)
{
    QByteArray bytes = encoded(upright.transformed(QTransform().rotate(-90)), "jpeg");
    const QByteArray exif = QByteArray::fromHex("FFE10022" "457869660000" "4D4D002A00000008" "0001"
                                                "011200030000000100060000" "00000000");
    return bytes.insert(2, exif);
}

quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

QByteArray chunk(const QByteArray& type, const QByteArray& data)
{
    char length[4], crc[4];
    qToBigEndian(quint32(data.size()), length);
    qToBigEndian(crc32(type + data), crc);
    return QByteArray(length, 4) + type + data + QByteArray(crc, 4);
}

// A PNG of width x height whose picture data is missing: its size reads, its pixels do not.
QByteArray pngHeader(quint32 width, quint32 height)
{
    char size[8];
    qToBigEndian(width, size);
    qToBigEndian(height, size + 4);
    return QByteArray::fromHex("89504E470D0A1A0A") +
           chunk("IHDR", QByteArray(size, 8) + QByteArray::fromHex("0806000000")) + chunk("IDAT", {}) +
           chunk("IEND", {});
}

QColor at(const QImage& image, double x, double y)
{
    return image.pixelColor(int(x * (image.width() - 1)), int(y * (image.height() - 1)));
}

bool near(const QColor& a, Qt::GlobalColor b)
{
    const QColor c(b);
    return std::abs(a.red() - c.red()) < 60 && std::abs(a.green() - c.green()) < 60 && std::abs(a.blue() - c.blue()) < 60;
}

} // namespace

class TestPhotoImport : public QObject
{
    Q_OBJECT

private slots:
    void makesAnUprightCut_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("band");
        QTest::addColumn<QString>("colours"); // top-left, top-right, bottom-right of the cut: r g b
        const QImage photo = uprightPhoto(1200, 900);
        QTest::newRow("JPEG, the middle band") << encoded(photo, "jpeg") << QSize(600, 60) << 0.5 << "grb";
        QTest::newRow("JPEG, the top band") << encoded(photo, "jpeg") << QSize(600, 60) << 0.0 << "grr";
        QTest::newRow("PNG, the bottom band") << encoded(photo, "png") << QSize(600, 60) << 1.0 << "gbb";
        QTest::newRow("turned by its EXIF orientation") << turnedJpeg(photo) << QSize(600, 60) << 0.0 << "grr";
        QTest::newRow("a tall cut, the left band") << encoded(photo, "png") << QSize(40, 300) << 0.0 << "ggg";
        QTest::newRow("a tall cut, the right band") << encoded(photo, "png") << QSize(40, 300) << 1.0 << "rrb";
    }

    void makesAnUprightCut()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(double, band);
        QFETCH(QString, colours);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("photo"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const ImportedPhoto photo = importPhoto(path, size, band);
        QVERIFY2(photo.problem.isEmpty(), qPrintable(photo.problem));
        QImage image;
        QVERIFY(image.loadFromData(photo.jpeg, "jpeg"));
        QCOMPARE(image.size(), size);
        QCOMPARE(photo.size, size);
        const auto colour = [](QChar c) { return c == u'r' ? Qt::red : c == u'g' ? Qt::green : Qt::blue; };
        QVERIFY2(near(at(image, 0.02, 0.05), colour(colours[0])), "top left");
        QVERIFY2(near(at(image, 0.98, 0.05), colour(colours[1])), "top right");
        QVERIFY2(near(at(image, 0.98, 0.95), colour(colours[2])), "bottom right");
    }

    void refusesWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<QString>("message");  // a part of it
        const QByteArray jpeg = encoded(uprightPhoto(800, 600), "jpeg");
        QTest::newRow("missing") << QByteArray() << "cannot be opened";
        QTest::newRow("a text file") << QByteArray("Our school grounds\r\n") << "not a JPEG or PNG";
        QTest::newRow("a BMP") << encoded(uprightPhoto(80, 60), "bmp") << "not a JPEG or PNG";
        QTest::newRow("cut short") << jpeg.left(jpeg.size() / 2) << "cut short";
        QTest::newRow("100 megapixels in PNG") << pngHeader(10000, 10000) << "too large to open (100 megapixels)";
        QTest::newRow("a PNG with no pictures in it") << pngHeader(10, 10) << "cannot be read";
    }

    void refusesWithAMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("photo.jpg"));
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        const ImportedPhoto photo = importPhoto(path, QSize(600, 60));
        QVERIFY(photo.jpeg.isEmpty());
        QVERIFY2(photo.problem.contains(message), qPrintable(photo.problem));
    }
};

QTEST_MAIN(TestPhotoImport)
#include "test_photoimport.moc"
