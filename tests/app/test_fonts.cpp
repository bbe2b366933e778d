// The screens are designed for Tahoma, Times New Roman and Arial; these must resolve to the
// fonts the set-up installs, or every caption would wrap and clip differently.
#include "graphics/Fonts.h"
#include "ui/Controls.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTest>

using namespace bs;

namespace {

int inkPixels(const QFont& font, const QString& text)
{
    QImage image(400, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    }
    return ink;
}

} // namespace

class TestFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFileInfo::exists(QString::fromLatin1(TahomaFontFile)))
            QSKIP("fonts-wine is not installed");
        QVERIFY(registerFonts());
    }

    void familiesResolve_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("expectedFamily");
        QTest::addColumn<QString>("expectedFile");
        QTest::newRow("Tahoma") << "Tahoma"
                                << "Tahoma"
                                << "";
        QTest::newRow("Times New Roman") << "Times New Roman"
                                         << "Liberation Serif"
                                         << "LiberationSerif-Regular.ttf";
        QTest::newRow("Arial") << "Arial"
                               << "Liberation Sans"
                               << "LiberationSans-Regular.ttf";
    }
    void familiesResolve()
    {
        QFETCH(QString, family);
        QFETCH(QString, expectedFamily);
        QFETCH(QString, expectedFile);
        const QFontInfo info(uiFont(family, 12));
        QVERIFY2(info.family() == family || info.family() == expectedFamily, qPrintable(info.family()));
        if (expectedFile.isEmpty())
            return;
        QProcess match;
        match.start(QStringLiteral("fc-match"), {family, QStringLiteral("--format=%{file}")});
        if (!match.waitForFinished(10000))
            QSKIP("fc-match is not available");
        const QString file = QString::fromLocal8Bit(match.readAllStandardOutput());
        QVERIFY2(file.endsWith(expectedFile), qPrintable(file));
    }

    // fonts-wine's bold face has thin strokes; the regular face emboldened reads as bold.
    void boldTahomaLooksBold()
    {
        const QString text = QStringLiteral("Multiple Choice Wizard");
        const int regular = inkPixels(uiFont(QStringLiteral("Tahoma"), 15.75), text);
        const int bold = inkPixels(uiFont(QStringLiteral("Tahoma"), 15.75, true), text);
        QVERIFY2(bold > regular * 13 / 10, qPrintable(QStringLiteral("%1 vs %2").arg(bold).arg(regular)));
    }
};

QTEST_MAIN(TestFonts)
#include "test_fonts.moc"
