#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPointF>

namespace bs {

// A label that acts as a button: bordered, centred bold text, its back colour filled only
// while it is "opaque" (the screens' hover rule). A real button underneath, so the
// accessibility layer offers it to a screen reader as a button named by its caption.
// It takes the focus by Tab (a mouse click gives none, so the mouse look stays as it was),
// shows a focus ring inside its border, and Enter or Space click it as the mouse does.
class LabelButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit LabelButton(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    // The font the caption is drawn in: the control's own, or, outside English, when the
    // caption would not fit inside the border, the largest smaller size that does (down to
    // two thirds): Welsh runs longer than the English the controls were sized for.
    QFont drawnFont() const;

    bool isOpaque() const { return m_opaque; }
    void setOpaque(bool opaque);

    QColor backColor() const { return m_back; }
    void setBackColor(const QColor& color);
    QColor foreColor() const { return m_fore; }
    void setForeColor(const QColor& color);
    void setBorder(bool border);
    void setAlignment(Qt::Alignment alignment);

Q_SIGNALS:
    // The pointer moved over the button (position in twips within it).
    void mouseMoved(Qt::MouseButtons buttons, QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_back{0, 0, 0};
    QColor m_fore{255, 255, 0};
    bool m_opaque = true;
    bool m_border = true;
    Qt::Alignment m_alignment = Qt::AlignHCenter | Qt::AlignTop;
};

} // namespace bs
