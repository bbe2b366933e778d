#include "platform/fakes/FakePrinter.h"

#include "base/Twips.h"
#include "platform/QtPrinter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace bs {

namespace {

class FakePrintJob : public PrintJob
{
public:
    explicit FakePrintJob(FakePrinter& printer)
        : m_printer(printer)
    {
    }

    void setFontName(const QString& name) override { step(); m_fontName = name; }
    void setFontSize(double points) override { step(); m_fontSize = points; }
    void setForeColor(const QColor& color) override { step(); m_color = color; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { step(); m_x = twips; }
    void setCurrentY(double twips) override { step(); m_y = twips; }
    double scaleWidth() const override { return m_printer.pageTwips.width(); }
    double scaleHeight() const override { return m_printer.pageTwips.height(); }

    double textWidth(const QString& text) const override
    {
        return metrics().horizontalAdvance(text) * TwipsPerPixel;
    }
    double textHeight() const override { return metrics().height() * TwipsPerPixel; }

    void print(const QString& text, bool endLine) override
    {
        step();
        if (m_y > 0 && m_y + textHeight() > scaleHeight()) {
            ++m_page;
            m_y = 0;
        }
        PrintOp op = current(PrintOp::Text);
        op.text = text;
        op.endLine = endLine;
        m_printer.ops.append(op);
        if (endLine) {
            m_x = 0;
            m_y += textHeight();
        } else {
            m_x += textWidth(text);
        }
    }

    void setDrawWidth(int pixels) override { step(); m_drawWidth = pixels; }

    void line(QPointF from, QPointF to, const QColor& color) override
    {
        step();
        PrintOp op = current(PrintOp::Line);
        op.at = from;
        op.to = to;
        op.color = color;
        m_printer.ops.append(op);
    }

    void paintPicture(const Picture& picture, QPointF topLeft) override
    {
        step();
        PrintOp op = current(PrintOp::Picture);
        op.at = topLeft;
        op.picture = picture;
        m_printer.ops.append(op);
    }

    void setFontBold(bool bold) override { step(); m_bold = bold; }

    void textBox(const QRectF& box, const QString& text, Qt::Alignment alignment) override
    {
        step();
        PrintOp op = current(PrintOp::TextBox);
        op.box = box;
        op.text = text;
        op.alignment = alignment;
        m_printer.ops.append(op);
    }

    void rectangle(const QRectF& box, const QColor& outline, const QColor& fill, double outlineTwips) override
    {
        step();
        PrintOp op = current(PrintOp::Rectangle);
        op.box = box;
        op.color = outline;
        op.fill = fill;
        op.outlineTwips = outlineTwips;
        m_printer.ops.append(op);
    }

    void paintPicture(const Picture& picture, const QRectF& target, const QRectF& clip) override
    {
        step();
        PrintOp op = current(PrintOp::Picture);
        op.at = target.topLeft();
        op.box = target;
        op.clip = clip;
        op.picture = picture;
        m_printer.ops.append(op);
    }

    void newPage() override
    {
        step();
        m_printer.ops.append(current(PrintOp::NewPage));
        ++m_page;
        m_x = 0;
        m_y = 0;
    }

    void endDoc() override
    {
        step();
        m_printer.ops.append(current(PrintOp::EndDoc));
        ++m_printer.jobsEnded;
    }

private:
    void step()
    {
        ++m_printer.opCount;
        if (m_printer.failAt > 0 && m_printer.opCount >= m_printer.failAt)
            throw PrintError("The printer failed.");
    }

    QFontMetricsF metrics() const
    {
        QFont font(m_fontName);
        font.setPointSizeF(m_fontSize > 0 ? m_fontSize : 12);
        font.setBold(m_bold);
        return QFontMetricsF(font);
    }

    PrintOp current(PrintOp::Kind kind) const
    {
        PrintOp op;
        op.kind = kind;
        op.at = QPointF(m_x, m_y);
        op.fontName = m_fontName;
        op.fontSize = m_fontSize;
        op.color = m_color;
        op.drawWidth = m_drawWidth;
        op.page = m_page;
        op.bold = m_bold;
        return op;
    }

    FakePrinter& m_printer;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 12;
    QColor m_color = Qt::black;
    double m_x = 0;
    double m_y = 0;
    int m_drawWidth = 1;
    int m_page = 0;
    bool m_bold = false;
};

} // namespace

std::unique_ptr<PrintJob> FakePrinter::startJob()
{
    if (noPrinter)
        throw PrintError("There is no default printer.");
    ++jobsStarted;
    return std::make_unique<FakePrintJob>(*this);
}

std::unique_ptr<PrintJob> FakePrinter::startFileJob(const QString& pdfPath)
{
    pdfFiles.append(pdfPath);
    return QtPrinter::startPdfJob(pdfPath);
}

bool FakePrinter::writePdf(const QString& path) const
{
    QPdfWriter writer(path);
    writer.setResolution(1200);
    // The recorded printable area with half-inch margins around it.
    const QSizeF points = pageTwips / 20.0 + QSizeF(72, 72);
    writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                                     QMarginsF(36, 36, 36, 36), QPageLayout::Point));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    PrintPage page(painter, writer);
    int currentPage = 0;
    bool startNextJob = false;
    try {
        for (const PrintOp& op : ops) {
            if (startNextJob) {
                page.newPage();
                currentPage = 0;
                startNextJob = false;
            }
            for (; currentPage < op.page; ++currentPage)
                page.newPage();
            QFont font = page.font(op.fontName, op.fontSize);
            font.setBold(op.bold);
            switch (op.kind) {
            case PrintOp::Text: page.drawText(op.at, op.text, font, op.color); break;
            case PrintOp::Line: page.drawLine(op.at, op.to, op.color, op.drawWidth); break;
            case PrintOp::Picture:
                if (op.box.isValid())
                    page.drawPicture(op.picture, op.box, op.clip);
                else
                    page.drawPicture(op.picture, op.at);
                break;
            case PrintOp::TextBox: page.drawTextBox(op.box, op.text, font, op.color, op.alignment); break;
            case PrintOp::Rectangle: page.drawRectangle(op.box, op.color, op.fill, op.outlineTwips); break;
            case PrintOp::NewPage: break; // the next operation's page number starts it
            case PrintOp::EndDoc: startNextJob = true; break;
            }
        }
    } catch (const PrintError&) {
        painter.end();
        return false;
    }
    return painter.end();
}

} // namespace bs
