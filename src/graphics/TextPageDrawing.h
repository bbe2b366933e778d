#pragma once

#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;

namespace bs {

// A page of typed text drawn in the look of the shipped key facts and notes pages: a title and
// subtitle in a band at the top, then headings, paragraphs, bullet points and "Did you know?"
// boxes, and the footer. On screen light text on a dark blue panel; on paper black on white,
// sized for A4. The body text takes the largest of a few sizes at which the whole page fits.
struct PageBlock
{
    enum Kind { Heading, Paragraph, Bullet, Box };
    Kind kind = Paragraph;
    QString text;
};

struct PageText
{
    QString title;
    QString subtitle;
    std::vector<PageBlock> blocks;
};

enum class PageMedium { Screen, Paper };

struct PageFit
{
    QSize twips;      // the page's size
    int bodyEm = 0;   // the body text's em in twips, at the size chosen
    bool fits = false;
    // Twips left above the footer at the size chosen (at the smallest size when nothing fits,
    // then negative: the overflow).
    double roomLeft = 0;
};

PageFit fitPage(const PageText& page, PageMedium medium);

// Draws the page into target (the page's twips mapped onto it); a page that does not fit is
// drawn at the smallest size, its overflow cut at the footer.
void drawPage(QPainter& painter, const QRectF& target, const PageText& page, PageMedium medium);

} // namespace bs
