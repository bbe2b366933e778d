#pragma once

#include "graphics/TextPageDrawing.h"
#include "ui/Controls.h"

#include <QString>

class QLabel;
class QWidget;

namespace bs {

class LabelButton;
class Picture;
class Program;
struct TextPage;
struct Topic;

// Loads one drawing into a viewer's pair of images: the screen version from "wmf\" into
// shown, the print version from "wmf2\" into forPrint. An empty file name clears both.
void loadDrawingPair(Program& program, ImageBox& shown, ImageBox& forPrint, const QString& fileName);

// A fixed page of the program (the guide, the acknowledgments) in the language chosen: its
// drawing with the language's code before the name ("cy guide1.wmf") when the content has
// one, else the English drawing. A language's pages are content alone.
QString pageInLanguage(const Program& program, const QString& fileName);

// Prints one page: the drawing at its own size, 1000 twips from the top-left corner of the
// printable area. A printer failure is reported with the program's printing message.
void printDrawingPage(Program& program, const Picture& drawing);

// The page label: "Page", the page number and " of" with the count ("Page 1 of 2").
QString pageLabel(int page, int pages);

// The controls both viewers share: the white page label Label1 and the buttons Label3(0)
// "Print", (1) "Exit", (2) "Next Page" and (3) "Previous Page" (disabled), in the button look.
QLabel* makePageLabel(QWidget* parent, const QString& caption);
// The drawing pair's images: Image1, shown at (120, 0); Image2, hidden, at the given place.
ImageBox* makeShownPage(QWidget* parent);
ImageBox* makePrintPage(QWidget* parent, double leftTwips, double topTwips);
void makeViewerButtons(QWidget* parent, ControlArray<LabelButton>& row,
                       const std::function<void(int)>& onClick);

// A typed page of a school's own topic as a drawing in the shipped pages' look: its heading
// as the title, the topic's title below it, drawn afresh at any size (on paper, at the
// printer's resolution). The "Did you know?" box speaks the topic's own language.
Picture textPagePicture(const Topic& topic, const TextPage& page, PageMedium medium);
// The page's words, for the screen reader.
QString textPageWords(const TextPage& page);

inline const QString PrintProblemMessage = QStringLiteral("There was a problem printing to your printer.");

} // namespace bs
