#include "platform/QtPrinter.h"

#include "graphics/Picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cstdio>

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

QRectF PrintPage::toDevice(const QRectF& twips) const
{
    return QRectF(toDevice(twips.topLeft()), toDevice(twips.bottomRight()));
}

void PrintPage::drawPicture(const Picture& picture, const QRectF& target, const QRectF& clip)
{
    if (picture.isNull())
        return;
    m_painter.save();
    m_painter.setClipRect(toDevice(clip));
    // Photographs keep every pixel: the PDF carries the image at its own resolution.
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    picture.draw(m_painter, toDevice(target));
    m_painter.restore();
}

void PrintPage::drawTextBox(const QRectF& box, const QString& text, const QFont& font, const QColor& color,
                            Qt::Alignment alignment)
{
    m_painter.save();
    m_painter.setFont(QFont(font, &m_device));
    m_painter.setPen(color);
    m_painter.drawText(toDevice(box), int(alignment) | Qt::TextWordWrap, text);
    m_painter.restore();
}

void PrintPage::drawRectangle(const QRectF& box, const QColor& outline, const QColor& fill, double outlineTwips)
{
    m_painter.save();
    if (outline.isValid()) {
        QPen pen(outline);
        pen.setWidthF(std::max(1.0, outlineTwips * m_dpiX / 1440.0));
        pen.setJoinStyle(Qt::MiterJoin);
        m_painter.setPen(pen);
    } else {
        m_painter.setPen(Qt::NoPen);
    }
    m_painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    m_painter.drawRect(toDevice(box));
    m_painter.restore();
}

void PrintPage::newPage()
{
    if (!m_device.newPage())
        throw PrintError("The printer could not start a new page.");
}

// ---- The job ----

namespace {

bool replaceWith(const QString& written, const QString& finalPath)
{
    // The part file was made readable by its owner only; the PDF is an ordinary document.
    QFile::setPermissions(written, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(written).constData(), QFile::encodeName(finalPath).constData()) == 0)
        return true;
    QFile::remove(written);
    return false;
}

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
        m_font.setBold(m_bold);
    }
    void setFontSize(double points) override
    {
        check();
        m_fontSize = points;
        m_font = m_page->font(m_fontName, m_fontSize);
        m_font.setBold(m_bold);
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

    void setFontBold(bool bold) override
    {
        check();
        m_bold = bold;
        m_font = m_page->font(m_fontName, m_fontSize);
        m_font.setBold(m_bold);
    }

    void textBox(const QRectF& box, const QString& text, Qt::Alignment alignment) override
    {
        check();
        m_page->drawTextBox(box, text, m_font, m_color, alignment);
    }

    void rectangle(const QRectF& box, const QColor& outline, const QColor& fill, double outlineTwips) override
    {
        check();
        m_page->drawRectangle(box, outline, fill, outlineTwips);
    }

    void paintPicture(const Picture& picture, const QRectF& target, const QRectF& clip) override
    {
        check();
        m_page->drawPicture(picture, target, clip);
    }

    void newPage() override
    {
        check();
        m_page->newPage();
        m_x = 0;
        m_y = 0;
    }

    void endDoc() override
    {
        check();
        m_ended = true;
        if (!m_painter.end() || m_printer->printerState() == QPrinter::Error) {
            if (!m_finalPath.isEmpty())
                QFile::remove(m_printer->outputFileName());
            throw PrintError("The printer did not accept the document.");
        }
        if (!m_finalPath.isEmpty() && !replaceWith(m_printer->outputFileName(), m_finalPath))
            throw PrintError("The PDF file could not be written.");
    }

    // A file job writes beside its file and takes the file's name only once complete, so a
    // failure leaves any earlier file of that name as it was.
    void writeTo(const QString& finalPath) { m_finalPath = finalPath; }

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
    bool m_bold = false;
    bool m_ended = false;
    QString m_finalPath;
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

std::unique_ptr<PrintJob> Printer::startFileJob(const QString& pdfPath)
{
    return QtPrinter::startPdfJob(pdfPath);
}

std::unique_ptr<PrintJob> QtPrinter::startPdfJob(const QString& path)
{
    const QFileInfo target(path);
    if (target.fileName().isEmpty() || !target.absoluteDir().exists())
        throw PrintError("The folder for the PDF file does not exist.");
    QString partPath;
    {
        QTemporaryFile part(target.absoluteDir().filePath(QStringLiteral(".brellinshore-XXXXXX.pdf")));
        part.setAutoRemove(false);
        if (!part.open())
            throw PrintError("The PDF file could not be written.");
        partPath = part.fileName();
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(partPath);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer->setDocName(QStringLiteral("Brellinshore"));
    std::unique_ptr<QtPrintJob> job;
    try {
        job = std::make_unique<QtPrintJob>(std::move(printer));
    } catch (const PrintError&) {
        QFile::remove(partPath);
        throw;
    }
    job->writeTo(path);
    return job;
}

} // namespace bs
