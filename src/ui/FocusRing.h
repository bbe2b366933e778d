#pragma once

class QPainter;
class QRect;

namespace bs {

// The keyboard focus mark of every control the program draws itself: a 2-pixel ring of
// white dashes on black, just inside `bounds`. Black and white together stand out at least
// 3:1 against any colour behind them (a map, the navy entries, the blue forms).
void drawFocusRing(QPainter& painter, const QRect& bounds);

} // namespace bs

#include <QScrollBar>

namespace bs {

// A horizontal scroll bar that shows the focus ring while it has the keyboard.
class FocusScrollBar : public QScrollBar
{
public:
    explicit FocusScrollBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Left and Right move the thumb, and so the picture, the way the arrow points.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace bs
