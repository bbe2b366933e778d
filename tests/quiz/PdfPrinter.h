#pragma once

#include "platform/Picture.h"
#include "platform/Printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace bs::quiztest {

// A printer that puts each job on an A4 PDF file through QPainter, at 1440 dots an inch so
// that the painter works in twips: the look of a printout can be checked by eye and timed.
class PdfPrinter : public Printer
{
public:
    explicit PdfPrinter(QString fileName)
        : m_fileName(std::move(fileName))
    {
    }

    std::unique_ptr<PrintJob> startJob() override { return std::make_unique<Job>(m_fileName); }

private:
    class Job : public PrintJob
    {
    public:
        explicit Job(const QString& fileName)
            : m_writer(fileName)
        {
            m_writer.setResolution(1440);
            m_writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                                               QPageLayout::Millimeter));
            if (!m_painter.begin(&m_writer))
                throw PrintError("The PDF file cannot be written.");
            m_painter.setRenderHint(QPainter::Antialiasing);
            applyFont();
        }
        ~Job() override
        {
            if (m_painter.isActive())
                m_painter.end();
        }

        void setFontName(const QString& name) override { m_font.setFamily(name); applyFont(); }
        void setFontSize(double points) override { m_font.setPointSizeF(points); applyFont(); }
        void setForeColor(const QColor& color) override { m_color = color; }
        double currentX() const override { return m_x; }
        double currentY() const override { return m_y; }
        void setCurrentX(double twips) override { m_x = twips; }
        void setCurrentY(double twips) override { m_y = twips; }
        double scaleWidth() const override { return m_writer.width(); }
        double scaleHeight() const override { return m_writer.height(); }
        double textWidth(const QString& text) const override { return metrics().horizontalAdvance(text); }
        double textHeight() const override { return metrics().height(); }

        void print(const QString& text, bool endLine) override
        {
            if (m_y + textHeight() > scaleHeight()) {
                m_writer.newPage();
                m_y = 0;
            }
            m_painter.setPen(m_color);
            m_painter.drawText(QPointF(m_x, m_y + metrics().ascent()), text);
            if (endLine) {
                m_x = 0;
                m_y += textHeight();
            } else {
                m_x += textWidth(text);
            }
        }

        // Device pixels of a 300 dpi printer.
        void setDrawWidth(int pixels) override { m_drawWidth = pixels * 1440.0 / 300.0; }

        void line(QPointF from, QPointF to, const QColor& color) override
        {
            m_painter.setPen(QPen(color, m_drawWidth, Qt::SolidLine, Qt::SquareCap));
            m_painter.drawLine(from, to);
        }

        void paintPicture(const Picture& picture, QPointF topLeft) override
        {
            picture.draw(m_painter, QRectF(topLeft, picture.sizeTwips()));
        }

        void endDoc() override { m_painter.end(); }

    private:
        void applyFont() { m_painter.setFont(m_font); }
        QFontMetricsF metrics() const { return QFontMetricsF(m_font, &m_writer); }

        QPdfWriter m_writer;
        QPainter m_painter;
        QFont m_font{QStringLiteral("Arial"), 12};
        QColor m_color = Qt::black;
        double m_x = 0;
        double m_y = 0;
        double m_drawWidth = 1440.0 / 300.0;
    };

    QString m_fileName;
};

} // namespace bs::quiztest
