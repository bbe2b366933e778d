#include "platform/QtPrinter.h"

#include "graphics/Picture.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace bs {

// ---- PrintPage ----

PrintPage::PrintPage(QPainter& painter, QPagedPaintDevice& device)
    : m_painter(painter), m_device(device)
{
    if (device.logicalDpiX() > 0)
        m_dpiX = device.logicalDpiX();
    if (device.logicalDpiY() > 0)
        m_dpiY = device.logicalDpiY();
}

QSizeF PrintPage::sizeTwips() const
{
    return QSizeF(m_device.width() * 1440.0 / m_dpiX, m_device.height() * 1440.0 / m_dpiY);
}

QFont PrintPage::font(const QString& name, double points) const
{
    QFont font(name);
    font.setPointSizeF(points > 0 ? points : 12);
    // Unhinted glyphs scale exactly, so measured widths match what lands on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double PrintPage::textWidth(const QFont& font, const QString& text) const
{
    return QFontMetricsF(font, &m_device).horizontalAdvance(text) * 1440.0 / m_dpiX;
}

double PrintPage::lineHeight(const QFont& font) const
{
    return QFontMetricsF(font, &m_device).height() * 1440.0 / m_dpiY;
}

QPointF PrintPage::toDevice(QPointF twips) const
{
    return QPointF(twips.x() * m_dpiX / 1440.0, twips.y() * m_dpiY / 1440.0);
}

void PrintPage::drawText(QPointF topLeft, const QString& text, const QFont& font, const QColor& color)
{
    m_painter.setFont(QFont(font, &m_device));
    m_painter.setPen(color);
    const QFontMetricsF metrics(font, &m_device);
    m_painter.drawText(toDevice(topLeft) + QPointF(0, metrics.ascent()), text);
}

void PrintPage::drawLine(QPointF from, QPointF to, const QColor& color, int widthPixels)
{
    QPen pen(color);
    pen.setWidthF(std::max(1, widthPixels));
    pen.setCapStyle(Qt::SquareCap);
    m_painter.setPen(pen);
    m_painter.drawLine(toDevice(from), toDevice(to));
}

void PrintPage::drawPicture(const Picture& picture, QPointF topLeft)
{
    if (picture.isNull())
        return;
    const QPointF corner = toDevice(topLeft);
    const QPointF size = toDevice(QPointF(picture.sizeTwips().width(), picture.sizeTwips().height()));
    m_painter.save();
    picture.draw(m_painter, QRectF(corner, QSizeF(size.x(), size.y())));
    m_painter.restore();
}

void PrintPage::newPage()
{
    if (!m_device.newPage())
        throw PrintError("The printer could not start a new page.");
}

// ---- The job ----

namespace {

class QtPrintJob : public PrintJob
{
public:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer)
        : m_printer(std::move(printer))
    {
        if (!m_painter.begin(m_printer.get()))
            throw PrintError("The printer could not start the document.");
        m_page = std::make_unique<PrintPage>(m_painter, *m_printer);
        m_font = m_page->font(m_fontName, m_fontSize);
    }

    ~QtPrintJob() override
    {
        // A job abandoned after a failure prints nothing rather than half a page.
        if (!m_ended) {
            m_printer->abort();
            if (m_painter.isActive())
                m_painter.end();
            if (m_printer->outputFormat() == QPrinter::PdfFormat && !m_printer->outputFileName().isEmpty())
                QFile::remove(m_printer->outputFileName());
        }
    }

    void setFontName(const QString& name) override
    {
        check();
        m_fontName = name;
        m_font = m_page->font(m_fontName, m_fontSize);
    }
    void setFontSize(double points) override
    {
        check();
        m_fontSize = points;
        m_font = m_page->font(m_fontName, m_fontSize);
    }
    void setForeColor(const QColor& color) override { check(); m_color = color; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { check(); m_x = twips; }
    void setCurrentY(double twips) override { check(); m_y = twips; }
    double scaleWidth() const override { return m_page->sizeTwips().width(); }
    double scaleHeight() const override { return m_page->sizeTwips().height(); }
    double textWidth(const QString& text) const override { return m_page->textWidth(m_font, text); }
    double textHeight() const override { return m_page->lineHeight(m_font); }

    void print(const QString& text, bool endLine) override
    {
        check();
        const double height = textHeight();
        if (m_y > 0 && m_y + height > scaleHeight()) {
            m_page->newPage();
            m_y = 0;
        }
        m_page->drawText(QPointF(m_x, m_y), text, m_font, m_color);
        if (endLine) {
            m_x = 0;
            m_y += height;
        } else {
            m_x += textWidth(text);
        }
    }

    void setDrawWidth(int pixels) override { check(); m_drawWidth = pixels; }

    void line(QPointF from, QPointF to, const QColor& color) override
    {
        check();
        m_page->drawLine(from, to, color, m_drawWidth);
    }

    void paintPicture(const Picture& picture, QPointF topLeft) override
    {
        check();
        m_page->drawPicture(picture, topLeft);
    }

    void endDoc() override
    {
        check();
        m_ended = true;
        if (!m_painter.end() || m_printer->printerState() == QPrinter::Error)
            throw PrintError("The printer did not accept the document.");
    }

private:
    void check() const
    {
        if (m_ended)
            throw PrintError("The document has already gone to the printer.");
        if (m_printer->printerState() == QPrinter::Error || m_printer->printerState() == QPrinter::Aborted)
            throw PrintError("The printer reported an error.");
    }

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    std::unique_ptr<PrintPage> m_page;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 12;
    QFont m_font;
    QColor m_color = Qt::black;
    double m_x = 0;
    double m_y = 0;
    int m_drawWidth = 1;
    bool m_ended = false;
};

} // namespace

std::unique_ptr<PrintJob> QtPrinter::startJob()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrintError("There is no default printer.");
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        throw PrintError("The default printer cannot be used.");
    printer->setDocName(QStringLiteral("Brellinshore"));
    return std::make_unique<QtPrintJob>(std::move(printer));
}

std::unique_ptr<PrintJob> QtPrinter::startPdfJob(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer->setDocName(QStringLiteral("Brellinshore"));
    return std::make_unique<QtPrintJob>(std::move(printer));
}

} // namespace bs
