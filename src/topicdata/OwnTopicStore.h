#pragma once

#include "topicdata/OwnTopic.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

namespace bs {

class CatalogueLock;

// The school's own topics: the "ourtopics" folder, read afresh each time it is listed, so a
// topic saved on another computer sharing the folder shows at the next look. Every change
// holds the catalogue's lock (worksheetdata/Catalogue.h) and writes each file whole, pictures
// first and the topic file last, so a topic is either all there or not listed.
class OwnTopicStore
{
public:
    // folder: the own topics' folder; cataloguePath: the worksheet catalogue whose lock
    // every change holds.
    OwnTopicStore(QString folder, QString cataloguePath);

    struct Entry
    {
        QString fileName;            // "Our school grounds.json"
        std::optional<OwnTopic> topic; // empty when the file was refused
        QString problem;             // why it was refused: the file, the field, what is wrong
    };
    // Every topic file of the folder by name, refused ones with their problem.
    std::vector<Entry> list() const;

    // Saves topic with its pictures (file name to bytes: every picture the topic names, and
    // no other). The pictures an earlier version of the same topic named and this one does not
    // are removed. Throws DataError, the folder left as it was, when the topic would not read
    // back, a picture is missing or extra, the whole is larger than owntopic::MaxSavedBytes,
    // or a write fails.
    void save(const OwnTopic& topic, const std::map<QString, QByteArray>& pictures) const;
    // The same save by a caller that already holds the catalogue's lock (held) for a larger
    // change, such as a shared topic's import.
    void save(const CatalogueLock& held, const OwnTopic& topic, const std::map<QString, QByteArray>& pictures) const;

    // Removes the topic of this title: its file and the pictures it names, nothing else.
    // A topic already gone (deleted on another computer) is no failure.
    void remove(const QString& title) const;

    QString path(const QString& fileName) const;

private:
    void save(const OwnTopic& topic, const std::map<QString, QByteArray>& pictures, const CatalogueLock* held) const;

    QString m_folder;
    QString m_cataloguePath;
};

} // namespace bs
