// Typed text pages in the look of the shipped pages: the body takes the largest size at which
// the page fits, and says how much room is left, so a teacher typing sees it run out before
// anything is cut off; on screen and on paper.
#include "graphics/Fonts.h"
#include "graphics/TextPageDrawing.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace bs;

Q_DECLARE_METATYPE(bs::PageMedium)

namespace {

PageText pageOf(int paragraphs, int words, bool box)
{
    PageText page{QStringLiteral("Our school grounds"), QStringLiteral("Key Facts  -  page 1 of 2"),
                  {{PageBlock::Heading, QStringLiteral("Our field")}}};
    for (int p = 0; p < paragraphs; ++p) {
        QStringList text;
        for (int w = 0; w < words; ++w)
            text << QStringLiteral("pond");
        page.blocks.push_back({p % 2 ? PageBlock::Bullet : PageBlock::Paragraph, text.join(u' ')});
    }
    if (box)
        page.blocks.push_back({PageBlock::Box, QStringLiteral("Did you know? Frogs lay their eggs in our pond.")});
    return page;
}

} // namespace

class TestTextPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(registerFonts());
    }

    void fitsAtTheLargestSizeThatHoldsIt_data()
    {
        QTest::addColumn<PageMedium>("medium");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("bodyEm"); // 0: a smaller size than the largest
        QTest::addColumn<bool>("fits");
        QTest::newRow("screen: a short page") << PageMedium::Screen << 2 << 20 << 250 << true;
        QTest::newRow("screen: a full page, smaller") << PageMedium::Screen << 6 << 30 << 0 << true;
        QTest::newRow("screen: too much") << PageMedium::Screen << 10 << 80 << 200 << false;
        QTest::newRow("paper: a short page") << PageMedium::Paper << 2 << 20 << 260 << true;
        QTest::newRow("paper: a full page, smaller") << PageMedium::Paper << 6 << 80 << 0 << true;
        QTest::newRow("paper: too much") << PageMedium::Paper << 10 << 200 << 200 << false;
    }

    void fitsAtTheLargestSizeThatHoldsIt()
    {
        QFETCH(PageMedium, medium);
        QFETCH(int, paragraphs);
        QFETCH(int, words);
        QFETCH(int, bodyEm);
        QFETCH(bool, fits);
        const PageFit fit = fitPage(pageOf(paragraphs, words, true), medium);
        QCOMPARE(fit.fits, fits);
        QCOMPARE(fit.roomLeft >= 0, fits);
        if (bodyEm)
            QCOMPARE(fit.bodyEm, bodyEm);
        else
            QVERIFY2(fit.bodyEm > 200 && fit.bodyEm < (medium == PageMedium::Screen ? 250 : 260),
                     qPrintable(QString::number(fit.bodyEm)));
        // One more word never leaves more room at the same size.
        const PageFit more = fitPage(pageOf(paragraphs, words + 1, true), medium);
        QVERIFY(more.bodyEm < fit.bodyEm || more.roomLeft <= fit.roomLeft);
    }

    // The screen page: the band across the top, the text light on the dark panel.
    void drawsTheShippedLook()
    {
        QImage image(696, 520, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            drawPage(painter, QRectF(image.rect()), pageOf(3, 30, true), PageMedium::Screen);
        }
        QCOMPARE(image.pixelColor(30, 12), QColor(255, 214, 64)); // the band
        QCOMPARE(image.pixelColor(10, 500), QColor(26, 42, 98));  // the panel below the text
        int light = 0;
        for (int y = 70; y < 300; ++y) {
            for (int x = 20; x < 676; ++x)
                light += image.pixelColor(x, y).lightness() > 200;
        }
        QVERIFY2(light > 2000, qPrintable(QString::number(light)));
    }
};

QTEST_MAIN(TestTextPage)
#include "test_textpage.moc"
