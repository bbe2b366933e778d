#pragma once

#include "topicdata/ActivityDefinition.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace bs {

// A topic a school made of its own locality, kept in the "ourtopics" folder beside the
// worksheets as "<title>.json" with its pictures beside it (docs/topic-files.md, "The school's
// own topics"). Every part but the title and the panorama may be left out; a page shows a
// button only for a part it has.

// A page of text drawn in the look of the shipped pages: a heading, paragraphs (one starting
// "- " is a bullet point) and an optional "Did you know?" box.
struct TextPage
{
    QString heading;
    QStringList paragraphs;
    QString didYouKnow; // empty: no box
    bool operator==(const TextPage&) const = default;
};

struct OwnLabel
{
    QString text;
    QPoint at; // the box's top left, in twips from the picture's top left
    bool operator==(const OwnLabel&) const = default;
};

struct OwnLabelling
{
    QString picture; // "<title> - picture.jpg" or ".png", beside the topic file
    QString instruction;
    std::vector<OwnLabel> labels;
    bool operator==(const OwnLabelling&) const = default;
};

struct OwnOrdering
{
    QString instruction;
    QStringList items; // in their right order
    bool operator==(const OwnOrdering&) const = default;
};

struct OwnTopic
{
    QString title;
    QString language = QStringLiteral("en"); // the language it is written in: "en" or "cy"
    QString panorama;                         // "<title> - panorama.jpg" or ".png"
    std::vector<TextPage> keyFacts;           // none or two pages
    std::optional<TextPage> notes;
    QString worksheet; // the title of a worksheet in the catalogue; empty: no quiz
    std::optional<OwnLabelling> labelling;
    std::optional<OwnOrdering> ordering;
    bool operator==(const OwnTopic&) const = default;
};

namespace owntopic {

constexpr int Format = 1; // the file format this program writes; it reads no later one
constexpr int MaxTitle = 60;
constexpr int MaxHeading = 60;
constexpr int MaxParagraph = 400;
constexpr int MaxParagraphs = 10;
constexpr int MaxDidYouKnow = 200;
constexpr int MaxInstruction = 200;
constexpr int MaxLabelText = 18;
constexpr int MinLabels = 2;
constexpr int MaxLabels = 8;
constexpr int MaxItemText = 60;
constexpr int MinItems = 3;
constexpr int MaxItems = 6;
// The labelling picture fills this part of the activity's form; every label's box has the
// one size and lies wholly on the picture. A label of 18 characters fits its box in the
// items' font of the shipped activities (Tahoma 11.25 pt bold) but for the widest letters;
// the maker measures each one in the program's fonts.
constexpr QRect PictureArea{600, 1500, 7200, 6000};
constexpr QSize LabelBox{2400, 375};
// A saved topic with its pictures is at most this large.
constexpr qint64 MaxSavedBytes = 2 * 1024 * 1024;

inline QString fileName(const QString& title)
{
    return title + QStringLiteral(".json");
}
// suffix: "jpg" or "png".
inline QString panoramaName(const QString& title, const QString& suffix)
{
    return title + QStringLiteral(" - panorama.") + suffix;
}
inline QString pictureName(const QString& title, const QString& suffix)
{
    return title + QStringLiteral(" - picture.") + suffix;
}

} // namespace owntopic

// Reads an own topic's file with the topic files' reader: every field is checked for type,
// length and range, its file name must be its title's, picture names its title's, boxes lie on
// the picture without overlapping. Throws TopicFileError (topicdata/TopicFile.h) on the first
// fault.
OwnTopic readOwnTopicFile(const QByteArray& bytes, const QString& fileName);

// The file for topic, which readOwnTopicFile reads back as topic.
QByteArray ownTopicBytes(const OwnTopic& topic);

// The files a topic's file names beside it: its pictures.
QStringList ownTopicPictures(const OwnTopic& topic);

// The drag-and-drop activities of a topic, laid out by the program as the shipped ones are:
// the labelling activity "<stem>lab" (the picture, saved at the area's size, 480 x 400
// pixels, filling owntopic::PictureArea; the labels' home slots in a column to its right, the
// instruction below them) and the ordering activity "<stem>ord" (the items' home slots in a
// column on the left, the numbered target boxes in their right order on the right, the
// instruction and the drag hint below). folder is the content path of the topic's folder
// ("ourtopics"); the heading Label6 is the topic's title. Either is left out when the topic
// has no such part.
std::vector<ActivityDefinition> ownTopicActivities(const OwnTopic& topic, const QString& stem,
                                                   const QString& folder);

} // namespace bs
