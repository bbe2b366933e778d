#pragma once

#include "topicdata/OwnTopic.h"

#include <QByteArray>
#include <QString>
#include <map>

namespace bs {

// A school's own topic as one zip archive a teacher can e-mail or carry on a USB stick: the
// topic file and its pictures under "ourtopics/", its worksheet (when it has one) under
// "multiple/", each a regular file with exactly the name it has in its folder, and nothing
// else.

namespace topicarchive {
// At most this many entries; a topic needs four at most.
constexpr int MaxEntries = 8;
// The entries together unpack to at most this (a saved topic is at most 2 MB).
constexpr qint64 MaxUnpackedBytes = 8 * 1024 * 1024;
// The archive file itself is read only up to this size.
constexpr qint64 MaxArchiveBytes = MaxUnpackedBytes + 1024 * 1024;
} // namespace topicarchive

// The folders a topic is taken from and goes into.
struct TopicFolders
{
    QString topics;    // the own topics' folder ("ourtopics")
    QString multiple;  // the worksheet folder
    QString catalogue; // the worksheet catalogue in it, whose lock every change holds
};

// The archive of the topic of this title with its pictures and worksheet, as read from the
// folders (each file checked by its reader first). Throws DataError naming what is wrong.
QByteArray topicArchiveBytes(const TopicFolders& folders, const QString& title);

// Writes that archive whole to archivePath (a new file first, which replaces any old one only
// once complete). Throws DataError; any old file at archivePath is then left as it was.
void exportTopicArchive(const TopicFolders& folders, const QString& title, const QString& archivePath);

// An archive read and checked whole, not yet written anywhere.
struct TopicArchive
{
    OwnTopic topic;
    std::map<QString, QByteArray> pictures; // file name to bytes, as OwnTopicStore::save takes them
    QByteArray worksheet;                   // the worksheet file; empty when the topic has no quiz
};

// Reads an archive and checks everything: the entries' count, names, kinds and sizes (declared
// and as read), the topic file through readOwnTopicFile, the worksheet through the worksheet
// reader, every picture decoding as the JPEG or PNG its name says. Throws DataError with a
// message for the teacher on the first fault: a damaged archive is refused whole.
TopicArchive readTopicArchive(const QByteArray& bytes);
TopicArchive readTopicArchiveFile(const QString& archivePath);

// What an import would replace: a topic of the same title, a worksheet of the same title with
// other questions (the very same worksheet is no conflict).
struct ImportConflicts
{
    bool topic = false;
    bool worksheet = false;
    bool any() const { return topic || worksheet; }
    bool operator==(const ImportConflicts&) const = default;
};
ImportConflicts importConflicts(const TopicArchive& archive, const TopicFolders& folders);

enum class ReplaceExisting { No, Yes };

// Writes the archive's worksheet (adding its title to the catalogue when new), then its topic
// through OwnTopicStore::save, all under the catalogue's lock, which also covers the check for
// something of the same title: another computer cannot save one between the check and the
// writes. When something of the same title is there and replace is No, nothing is written and
// the conflicts are returned for the caller to ask the teacher; returns no conflicts once
// written. Throws DataError when a write fails.
ImportConflicts importTopicArchive(const TopicArchive& archive, const TopicFolders& folders, ReplaceExisting replace);

// The same, replacing only what replacing names (what the teacher agreed to replace): a
// conflict found under the lock that it does not name (saved on another computer after the
// teacher was asked) writes nothing and is returned.
ImportConflicts importTopicArchive(const TopicArchive& archive, const TopicFolders& folders,
                                   const ImportConflicts& replacing);

} // namespace bs
