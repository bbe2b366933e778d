#pragma once

#include "topicdata/Topic.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

namespace bs {

// Why a topic file was refused: the file, the field (a path such as
// "activities[0].items[2].target") and what is wrong with it.
class TopicFileError : public std::runtime_error
{
public:
    TopicFileError(QString file, QString field, QString reason);
    QString file;
    QString field;
    QString reason;
    QString message() const;
};

// The largest topic file read; a real one is a few kilobytes.
constexpr qint64 MaxTopicFileBytes = 1 << 20;

// The usual front-to-back order of an activity's controls: items in front (a dragged item
// passes over everything), then the buttons, the labels, the line, the target boxes, the home
// slots and the pictures.
QStringList defaultStacking(const ActivityDefinition& activity);

// Reads one topic file, checking every field for type and range; throws TopicFileError on the
// first fault, so a topic is either whole or refused.
Topic readTopicFile(const QByteArray& bytes, const QString& fileName);

// Reads a topic in another language (topics/<code>/<form>.json): every field but `form` is
// optional, and each one given replaces the English topic's; activities are matched by form,
// their items by position and labels by name. Throws TopicFileError as readTopicFile does.
Topic readTopicVariant(const QByteArray& bytes, const QString& fileName, const std::vector<Topic>& english);

} // namespace bs
