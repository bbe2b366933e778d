#include "ui/Controls.h"

#include "base/Twips.h"
#include "ui/LabelButton.h"

#include <QPainter>
#include <QRadioButton>

namespace bs {

QFont uiFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void placeTwips(QWidget* control, const QRect& twips)
{
    control->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void setControlBackColor(QWidget* control, const QColor& color)
{
    QPalette pal = control->palette();
    pal.setColor(QPalette::Window, color);
    pal.setColor(QPalette::Button, color);
    control->setPalette(pal);
    control->setBackgroundRole(QPalette::Window);
    control->setAutoFillBackground(true);
}

void setLabelColors(QLabel* label, const QColor& fore, const QColor& back, bool opaque)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Window, back);
    label->setPalette(pal);
    label->setAutoFillBackground(opaque);
}

void setLabelBorder(QLabel* label, bool border)
{
    label->setFrameStyle(border ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    label->setLineWidth(1);
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& caption, const QRect& twips,
                  const QFont& font, const QColor& fore, Qt::Alignment alignment)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    setLabelColors(label, fore, QColor(0, 0, 0), false);
    placeTwips(label, twips);
    return label;
}

LabelButton* makeLabelButton(QWidget* parent, const QString& objectName, const QString& caption,
                             const QRect& twips, double points, const QColor& back)
{
    auto* button = new LabelButton(parent);
    button->setObjectName(objectName);
    button->setCaption(caption);
    button->setFont(uiFont(QStringLiteral("Tahoma"), points, true));
    button->setBackColor(back);
    button->setForeColor(QColor(255, 255, 0));
    button->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeTwips(button, twips);
    return button;
}

void makeLabelButtonRow(QWidget* screen, ControlArray<LabelButton>& row, const QString& name,
                        const std::vector<LabelButtonDesign>& designs, const std::function<void(int)>& onClick,
                        Hover hover)
{
    for (const LabelButtonDesign& design : designs) {
        LabelButton* button = makeLabelButton(screen, name + u'_' + QString::number(design.index), design.caption,
                                              design.twips, design.points, design.back);
        row.add(design.index, button);
        const int index = design.index;
        QObject::connect(button, &LabelButton::clicked, screen, [onClick, index] { onClick(index); });
        if (hover == Hover::Highlights)
            QObject::connect(button, &LabelButton::mouseMoved, button, [button] { button->setOpaque(true); });
    }
}

void clearHighlights(const ControlArray<LabelButton>& row)
{
    for (const auto& [index, button] : row)
        button->setOpaque(false);
}

ImageBox::ImageBox(QWidget* parent, bool stretch)
    : QWidget(parent)
    , m_stretch(stretch)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void ImageBox::setPicture(Picture picture)
{
    m_picture = std::move(picture);
    if (!m_stretch)
        resize(m_picture.isNull() ? QSize(0, 0) : m_picture.sizePixels());
    update();
}

void ImageBox::setLeftTwips(double twips)
{
    m_left = twips;
    applyPosition();
}

void ImageBox::setTopTwips(double twips)
{
    m_top = twips;
    applyPosition();
}

double ImageBox::widthTwips() const
{
    if (!m_stretch && !m_picture.isNull())
        return m_picture.sizeTwips().width();
    return width() * TwipsPerPixel;
}

double ImageBox::heightTwips() const
{
    if (!m_stretch && !m_picture.isNull())
        return m_picture.sizeTwips().height();
    return height() * TwipsPerPixel;
}

void ImageBox::applyPosition()
{
    move(toPixels(m_left), toPixels(m_top));
}

void ImageBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_stretch);
    painter.setRenderHint(QPainter::Antialiasing);
    m_picture.draw(painter, QRectF(rect()));
}

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

const Picture& PictureBox::picture() const
{
    if (m_loading.valid())
        m_picture = std::exchange(m_loading, {}).get();
    return m_picture;
}

void PictureBox::setPicture(Picture picture)
{
    m_loading = {};
    m_picture = std::move(picture);
    update();
}

void PictureBox::setPictureLoadedMeanwhile(std::function<Picture()> load)
{
    m_picture = {};
    m_loading = std::async(std::launch::async, std::move(load)).share();
    update();
}

QColor PictureBox::backColor() const
{
    return palette().color(QPalette::Window);
}

void PictureBox::setBackColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    const Picture& shown = picture();
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    shown.draw(painter, QRectF(QPointF(0, 0), QSizeF(shown.sizePixels())));
}

QRadioButton* makeOption(QWidget* parent, const QString& objectName, const QString& caption, const QRect& twips,
                         double points)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(objectName);
    option->setFont(uiFont(QStringLiteral("Tahoma"), points, true));
    QPalette pal = option->palette();
    const QColor yellow(255, 255, 0);
    pal.setColor(QPalette::WindowText, yellow);
    pal.setColor(QPalette::ButtonText, yellow);
    option->setPalette(pal);
    placeTwips(option, twips);
    return option;
}

} // namespace bs
