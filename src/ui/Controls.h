#pragma once

#include "graphics/Picture.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QWidget>

class QRadioButton;

#include <functional>
#include <future>
#include <map>
#include <vector>

namespace bs {

class LabelButton;

// A control array: the controls of one role, addressed by their design indexes.
template <class T>
class ControlArray
{
public:
    T* operator()(int index) const
    {
        const auto found = m_controls.find(index);
        return found == m_controls.end() ? nullptr : found->second;
    }
    void add(int index, T* control) { m_controls[index] = control; }
    bool contains(int index) const { return m_controls.count(index) != 0; }
    int indexOf(const T* control) const
    {
        for (const auto& [index, item] : m_controls) {
            if (item == control)
                return index;
        }
        return -1;
    }
    auto begin() const { return m_controls.begin(); }
    auto end() const { return m_controls.end(); }
    std::size_t size() const { return m_controls.size(); }

private:
    std::map<int, T*> m_controls;
};

QFont uiFont(const QString& family, double points, bool bold = false);

// A plain label placed in twips: transparent unless given a back colour.
QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& caption, const QRect& twips,
                  const QFont& font, const QColor& fore, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
void setLabelColors(QLabel* label, const QColor& fore, const QColor& back, bool opaque);
// A radio button of the program's look, placed in twips: yellow Tahoma bold at points.
QRadioButton* makeOption(QWidget* parent, const QString& objectName, const QString& caption, const QRect& twips,
                         double points);
void setLabelBorder(QLabel* label, bool border);

// A label button in the common look: bordered, centred bold yellow Tahoma on black.
LabelButton* makeLabelButton(QWidget* parent, const QString& objectName, const QString& caption,
                             const QRect& twips, double points, const QColor& back = QColor(0, 0, 0));

// One button of a row of label buttons, as a screen's design gives it.
struct LabelButtonDesign
{
    int index;
    QString caption;
    QRect twips;
    double points = 15.75;
    QColor back = QColor(0, 0, 0);
};

// Whether the pointer over a button of a row makes it opaque (most screens) or leaves it as it is.
enum class Hover { Highlights, LeavesAlone };

// Makes a row of label buttons, named "<name>_<index>", into `row`; a click calls onClick with
// the button's index. With Hover::Highlights the pointer over a button makes it opaque; the
// screen's Form_MouseMove calls clearHighlights, so the bare background makes all of them
// transparent again.
void makeLabelButtonRow(QWidget* screen, ControlArray<LabelButton>& row, const QString& name,
                        const std::vector<LabelButtonDesign>& designs, const std::function<void(int)>& onClick,
                        Hover hover = Hover::Highlights);
void clearHighlights(const ControlArray<LabelButton>& row);

// Fills a control's background with a colour: option buttons and tick boxes otherwise fill
// with the style's button grey.
void setControlBackColor(QWidget* control, const QColor& color);

// Places a control in twips (left, top, width, height).
void placeTwips(QWidget* control, const QRect& twips);

// An image control: shows a picture at the picture's own size (taking that size) or
// stretched to the control. Transparent where the picture does not cover it.
class ImageBox : public QWidget
{
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent = nullptr, bool stretch = false);

    const Picture& picture() const { return m_picture; }
    void setPicture(Picture picture);
    bool stretches() const { return m_stretch; }

    // Position in twips, kept exactly as set (real numbers) and shown to the nearest pixel.
    double leftTwips() const { return m_left; }
    double topTwips() const { return m_top; }
    void setLeftTwips(double twips);
    void setTopTwips(double twips);
    double widthTwips() const;
    double heightTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyPosition();

    Picture m_picture;
    bool m_stretch;
    double m_left = 0;
    double m_top = 0;
};

// A picture box: a back colour with a picture drawn at its own size from the top-left.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    const Picture& picture() const;
    void setPicture(Picture picture);
    // Loads the picture on another thread, so that it decodes while the screen builds and
    // paints its text; the box waits for it when it first needs it.
    void setPictureLoadedMeanwhile(std::function<Picture()> load);
    QColor backColor() const;
    void setBackColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable Picture m_picture;
    mutable std::shared_future<Picture> m_loading;
};

} // namespace bs
