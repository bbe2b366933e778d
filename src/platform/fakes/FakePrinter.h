#pragma once

#include "graphics/Picture.h"
#include "platform/Printer.h"

#include <QList>
#include <QStringList>
#include <QSizeF>

namespace bs {

// One recorded printer operation, with the state it was done in.
struct PrintOp
{
    enum Kind { Text, Line, Picture, EndDoc, TextBox, Rectangle, NewPage };
    Kind kind = Text;
    QString text;       // Text and TextBox: the text printed
    bool endLine = false;
    QPointF at;         // Text and Picture: the position before; Line: the start
    QPointF to;         // Line: the end
    QRectF box;         // TextBox, Rectangle, and a Picture given a target: where
    QRectF clip;        // Picture given a target: the part shown
    Qt::Alignment alignment; // TextBox
    QColor fill;        // Rectangle (invalid: none); its outline is color
    double outlineTwips = 0;
    bool bold = false;
    QString fontName;
    double fontSize = 0;
    QColor color;
    int drawWidth = 1;
    bs::Picture picture;
    int page = 0;       // 0-based page of its job: a text past the bottom starts a new page
};

// A printer that records every operation of every job. It measures text with Qt's font
// metrics, so centring can be checked. failAt makes the n-th operation (1-based) throw, and
// noPrinter makes startJob throw, to drive the programs' failure paths.
class FakePrinter : public Printer
{
public:
    std::unique_ptr<PrintJob> startJob() override;
    // A real PDF file (the printer's own file job), whether or not noPrinter is set; the path
    // is recorded. failAt does not reach it.
    std::unique_ptr<PrintJob> startFileJob(const QString& pdfPath) override;

    // Draws every recorded operation into a PDF through the page code of the real printer,
    // one page per recorded page; each ended job starts on a new page. Returns false when
    // the file cannot be written.
    bool writePdf(const QString& path) const;

    QSizeF pageTwips{11520, 16320}; // the printable area of an A4 page with margins
    bool noPrinter = false;
    int failAt = 0;

    int jobsStarted = 0;
    int jobsEnded = 0;
    QList<PrintOp> ops; // every operation of every job, in order
    int opCount = 0;
    QStringList pdfFiles; // every file job's path, in order
};

} // namespace bs
