#include "ui/FocusRing.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QRect>

namespace bs {

void drawFocusRing(QPainter& painter, const QRect& bounds)
{
    constexpr int width = 2;
    // The pen is centred on the path: a rectangle one pixel in keeps both pixels inside.
    const QRectF ring = QRectF(bounds).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(ring);
    QPen dashes(Qt::white, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({2, 2});
    painter.setPen(dashes);
    painter.drawRect(ring);
    painter.restore();
}

} // namespace bs

namespace bs {

FocusScrollBar::FocusScrollBar(QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent)
{
}

void FocusScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusRing(painter, rect());
    }
}

void FocusScrollBar::keyPressEvent(QKeyEvent* event)
{
    // A scroll bar's controls are inverted by default, which sends the thumb against the key.
    if (event->modifiers() == Qt::NoModifier && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        triggerAction(event->key() == Qt::Key_Right ? SliderSingleStepAdd : SliderSingleStepSub);
        return;
    }
    QScrollBar::keyPressEvent(event);
}

} // namespace bs
