#pragma once

#include <QColor>
#include <QPointF>
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
};

} // namespace bs
