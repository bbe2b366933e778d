#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace bs {

// One item of an activity: its text and where it starts and belongs, in twips.
struct ActivityItem
{
    QString text;
    QPoint start;  // also its home slot
    QPoint target; // item i belongs in target box i
    // What names target box i for a screen reader: the century or description beside it.
    // Empty: the box is named by its number.
    QString boxName = {};
};

// A font as the designs name it.
struct FontSpec
{
    QString family;
    double points = 12;
    bool bold = false;
};

// A plain transparent label: instructions, the heading, century marks, descriptions.
struct LabelSpec
{
    QString name; // "Label7", or "Label5(2)" for an element of a control array
    QString caption;
    QRect twips;
    FontSpec font;
    QColor color;
    Qt::Alignment alignment = Qt::AlignHCenter;
};

struct PictureSpec
{
    QString path; // content path, "Images\scilly.jpg"
    QPoint topLeft;
};

struct LineSpec
{
    QPoint from;
    QPoint to;
    QColor color;
    int widthPixels = 1;
};

// Everything that differs between the five drag-and-drop screens.
struct ActivityDefinition
{
    QString formName;
    QSize itemSize;     // items, target boxes and home slots share it
    FontSpec itemFont;
    std::vector<ActivityItem> items;
    std::vector<PictureSpec> pictures; // Image1(0), Image1(1), ...
    std::vector<LabelSpec> labels;     // always includes the heading Label6
    std::optional<LineSpec> line;      // the timeline Line1
    // Every control of the screen, front to back: "Label2(5)", "Label6", "Line1", "Image1(0)".
    QStringList stacking;
};

// The definitions of "scilly1lab", "scilly2lab", "scilly1ord", "scilly2ord" and "groupingord".
const std::vector<ActivityDefinition>& activityDefinitions();
// The definition of one form, or nullptr.
const ActivityDefinition* activityDefinition(const QString& formName);

} // namespace bs
