// Loading pictures by content path: every kind the content folders hold, and the files that
// must give an empty picture instead of a crash.
#include "platform/Content.h"
#include "platform/Pictures.h"
#include "support/Fixtures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace bs;

namespace {

// A 1 x 1 red GIF (Qt reads GIF but does not write it).
const QByteArray RedGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                        ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                        35);

QImage testImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
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

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void write(const QString& relative, const QByteArray& bytes) { QVERIFY(test::writeBytes(m_dir.filePath(relative), bytes)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        write(QStringLiteral("Images/photo.jpg"), encoded(testImage(QSize(320, 240)), "JPG"));
        write(QStringLiteral("logo/quenlow2.bmp"), encoded(testImage(QSize(120, 89)), "BMP"));
        write(QStringLiteral("Images/red.gif"), RedGif);
        const QByteArray drawing = test::readBytes(QStringLiteral(BS_SOURCE_DIR "/tests/platform/metafiles/printed-word.wmf"));
        write(QStringLiteral("wmf/page.wmf"), drawing);
        write(QStringLiteral("Images/drawing.bmp"), drawing); // a drawing under a picture's name
        write(QStringLiteral("Images/jpeg-named.bmp"), encoded(testImage(QSize(10, 10)), "JPG"));
        write(QStringLiteral("Images/cut.jpg"), encoded(testImage(QSize(320, 240)), "JPG").left(100));
        write(QStringLiteral("Images/words.gif"), "This is not a picture.");
        write(QStringLiteral("wmf/broken.wmf"), "Not a metafile either.");
        write(QStringLiteral("Images/empty.jpg"), {});
        QDir().mkpath(m_dir.filePath(QStringLiteral("Images/folder.jpg")));
    }

    void loads_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("drawing");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("JPEG") << "images\\photo.jpg" << false << QSize(320, 240);
        QTest::newRow("BMP") << "LOGO\\QUENLOW2.BMP" << false << QSize(120, 89);
        QTest::newRow("GIF") << "Images/red.gif" << false << QSize(1, 1);
        QTest::newRow("metafile, kept as vectors") << "wmf\\page.wmf" << true << QSize(192, 96);
        QTest::newRow("metafile named .bmp") << "Images\\drawing.bmp" << true << QSize(192, 96);
        QTest::newRow("JPEG named .bmp") << "Images\\jpeg-named.bmp" << false << QSize(10, 10);
    }

    void loads()
    {
        QFETCH(QString, path);
        QFETCH(bool, drawing);
        QFETCH(QSize, pixels);
        Content content(m_dir.path());
        const Picture picture = Pictures(content).load(path);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.isDrawing(), drawing);
        QCOMPARE(picture.sizePixels(), pixels);
    }

    void gifColour()
    {
        Content content(m_dir.path());
        const Picture picture = Pictures(content).load(QStringLiteral("Images/red.gif"));
        QCOMPARE(picture.image().pixelColor(0, 0), QColor(Qt::red));
    }

    void emptyForMissingOrBroken_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty path") << "";
        QTest::newRow("blank path") << "   ";
        QTest::newRow("missing file") << "Images\\nothere.jpg";
        QTest::newRow("missing folder") << "nofolder\\x.wmf";
        QTest::newRow("truncated JPEG") << "Images\\cut.jpg";
        QTest::newRow("text named .gif") << "Images\\words.gif";
        QTest::newRow("text named .wmf") << "wmf\\broken.wmf";
        QTest::newRow("empty file") << "Images\\empty.jpg";
        QTest::newRow("a folder") << "Images\\folder.jpg";
    }

    void emptyForMissingOrBroken()
    {
        QFETCH(QString, path);
        Content content(m_dir.path());
        const Picture picture = Pictures(content).load(path);
        QVERIFY(picture.isNull() || path.contains(QLatin1String("cut"))); // a cut JPEG may keep its top
        QVERIFY(picture.sizePixels().width() >= 0);
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
