#pragma once

#include "platform/Printer.h"

#include <QFont>

class QPagedPaintDevice;
class QPainter;

namespace bs {

// The default printer through QPrinter and QPainter, at the printer's own resolution. Needs
// no print service to run: with none, or no default printer, startJob throws PrintError.
class QtPrinter : public Printer
{
public:
    std::unique_ptr<PrintJob> startJob() override;

    // A job that writes a PDF file instead of printing: the same page code, for checking it.
    static std::unique_ptr<PrintJob> startPdfJob(const QString& path);
};

// Draws a printout on a paged device (a printer or a PDF writer) in twips from the top-left
// corner of the printable area, with fonts in points. Both the real printer and the fake's
// PDF go through it, so the two pages look the same.
class PrintPage
{
public:
    PrintPage(QPainter& painter, QPagedPaintDevice& device);

    QSizeF sizeTwips() const;
    QFont font(const QString& name, double points) const;
    double textWidth(const QFont& font, const QString& text) const;
    double lineHeight(const QFont& font) const;

    // Text with the top of its line at topLeft.
    void drawText(QPointF topLeft, const QString& text, const QFont& font, const QColor& color);
    // A line widthPixels device pixels wide.
    void drawLine(QPointF from, QPointF to, const QColor& color, int widthPixels);
    void drawPicture(const Picture& picture, QPointF topLeft);
    void drawPicture(const Picture& picture, const QRectF& target, const QRectF& clip);
    void drawTextBox(const QRectF& box, const QString& text, const QFont& font, const QColor& color,
                     Qt::Alignment alignment);
    void drawRectangle(const QRectF& box, const QColor& outline, const QColor& fill, double outlineTwips);
    void newPage();

private:
    QPointF toDevice(QPointF twips) const;
    QRectF toDevice(const QRectF& twips) const;

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    double m_dpiX = 1200;
    double m_dpiY = 1200;
};

} // namespace bs
