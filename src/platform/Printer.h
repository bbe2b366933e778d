#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>
#include <stdexcept>

namespace bs {

class Picture;

// Any failure of the printer: no default printer, a refused job, a failing operation.
// Callers catch it, show their message and abandon the rest of the printout.
class PrintError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One print job, modelled as a page with a current position. All positions and sizes are
// twips from the top-left corner of the printable area; font sizes are points. Printing a text
// that ends its line moves to x = 0 one line height (of the current font) lower; a text that
// does not end its line leaves x just after it. Text running past the bottom goes on to a new
// page. Every operation may throw PrintError.
class PrintJob
{
public:
    virtual ~PrintJob() = default;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setForeColor(const QColor& color) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;

    virtual double scaleWidth() const = 0;  // printable width W
    virtual double scaleHeight() const = 0; // printable height H
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight() const = 0;  // the current font's line height

    virtual void print(const QString& text, bool endLine) = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual void line(QPointF from, QPointF to, const QColor& color) = 0;
    // Draws the picture at its own size with its top-left corner at the given point.
    virtual void paintPicture(const Picture& picture, QPointF topLeft) = 0;

    // For sheets laid out in boxes (the topic pack). Bold applies to later texts.
    virtual void setFontBold(bool bold) = 0;
    // The text wrapped at word breaks inside the box, in the current font and colour.
    virtual void textBox(const QRectF& box, const QString& text, Qt::Alignment alignment) = 0;
    // A rectangle filled with fill (none when invalid), outlined by a line outlineTwips wide
    // centred on its edge (none when outline is invalid).
    virtual void rectangle(const QRectF& box, const QColor& outline, const QColor& fill, double outlineTwips) = 0;
    // The picture stretched into target, showing only what falls inside clip.
    virtual void paintPicture(const Picture& picture, const QRectF& target, const QRectF& clip) = 0;
    // Ends the page and goes on at the top of a new one (x = y = 0).
    virtual void newPage() = 0;

    // Sends the document to the printer.
    virtual void endDoc() = 0;
};

// The default printer.
class Printer
{
public:
    virtual ~Printer() = default;
    // Starts a job on the default printer; throws PrintError when there is none.
    virtual std::unique_ptr<PrintJob> startJob() = 0;
    // Starts a job that writes an A4 PDF file instead, on any machine, printer or not; endDoc
    // completes the file, and a job abandoned before it leaves no file.
    virtual std::unique_ptr<PrintJob> startFileJob(const QString& pdfPath);
};

} // namespace bs
