#include "ui/LabelButton.h"

#include "base/Twips.h"
#include "ui/FocusRing.h"
#include "ui/Language.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>

namespace bs {

LabelButton::LabelButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void LabelButton::setCaption(const QString& caption)
{
    setText(caption);
    // A caption is shown as written: an "&" in a worksheet title is no keyboard shortcut.
    setShortcut(QKeySequence());
    setAccessibleName(caption);
}

QFont LabelButton::drawnFont() const
{
    QFont drawn = font();
    if (currentLanguage() == Language::English || text().isEmpty())
        return drawn;
    const int edge = m_border ? 1 : 0; // as paintEvent draws it
    const QRect area = rect().adjusted(1 + edge, edge, -1 - edge, -edge);
    const double smallest = drawn.pointSizeF() * 2 / 3;
    while (drawn.pointSizeF() - 0.5 >= smallest) {
        const QRect used = QFontMetrics(drawn).boundingRect(area, int(m_alignment) | Qt::TextWordWrap, text());
        if (used.width() <= area.width() && used.height() <= area.height())
            break;
        drawn.setPointSizeF(drawn.pointSizeF() - 0.5);
    }
    return drawn;
}

void LabelButton::setOpaque(bool opaque)
{
    if (m_opaque == opaque)
        return;
    m_opaque = opaque;
    update();
}

void LabelButton::setBackColor(const QColor& color)
{
    m_back = color;
    update();
}

void LabelButton::setForeColor(const QColor& color)
{
    m_fore = color;
    update();
}

void LabelButton::setBorder(bool border)
{
    m_border = border;
    update();
}

void LabelButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LabelButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect area = rect();
    if (m_opaque)
        painter.fillRect(area, m_back);
    if (m_border) {
        // The sunken single-line border of a classic label.
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(area.topLeft(), area.topRight());
        painter.drawLine(area.topLeft(), area.bottomLeft());
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomRight());
        area.adjust(1, 1, -1, -1);
    }
    // Inside the border and under the caption, which some captions touch: never over it.
    if (hasFocus())
        drawFocusRing(painter, area);
    painter.setFont(drawnFont());
    painter.setPen(isEnabled() ? m_fore : QColor(128, 128, 128));
    painter.drawText(area.adjusted(1, 0, -1, 0), int(m_alignment) | Qt::TextWordWrap, text());

}

void LabelButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void LabelButton::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved(event->buttons(), toTwips(event->position()));
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}

} // namespace bs
