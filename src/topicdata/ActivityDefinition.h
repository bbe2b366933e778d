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
    QString boxName; // what names the target box on screen ("12th century"); empty: its number
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

// Everything that differs between one drag-and-drop screen and another; read from the topic
// files (topicdata/TopicFile).
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

} // namespace bs
