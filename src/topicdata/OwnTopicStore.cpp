#include "topicdata/OwnTopicStore.h"

#include "topicdata/TopicFile.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>

namespace bs {

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw DataError(message.toStdString());
}

// The topic file at path, or nothing when there is none; throws TopicFileError when it is
// unreadable or refused.
std::optional<OwnTopic> readTopicAt(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly))
        throw TopicFileError(name, QString(), QCoreApplication::translate("bs::OwnTopicStore", "cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.read(MaxTopicFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw TopicFileError(name, QString(), QCoreApplication::translate("bs::OwnTopicStore", "cannot be read: %1").arg(file.errorString()));
    return readOwnTopicFile(bytes, name);
}

} // namespace

OwnTopicStore::OwnTopicStore(QString folder, QString cataloguePath)
    : m_folder(std::move(folder)), m_cataloguePath(std::move(cataloguePath))
{
}

QString OwnTopicStore::path(const QString& fileName) const
{
    return QDir(m_folder).filePath(fileName);
}

std::vector<OwnTopicStore::Entry> OwnTopicStore::list() const
{
    std::vector<Entry> entries;
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        Entry entry{name, std::nullopt, {}};
        try {
            entry.topic = readTopicAt(path(name));
            if (!entry.topic)
                continue; // removed meanwhile
        } catch (const TopicFileError& error) {
            entry.problem = error.message();
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void OwnTopicStore::save(const OwnTopic& topic, const std::map<QString, QByteArray>& pictures) const
{
    save(topic, pictures, nullptr);
}

void OwnTopicStore::save(const CatalogueLock& held, const OwnTopic& topic,
                         const std::map<QString, QByteArray>& pictures) const
{
    save(topic, pictures, &held);
}

void OwnTopicStore::save(const OwnTopic& topic, const std::map<QString, QByteArray>& pictures,
                         const CatalogueLock* held) const
{
    const QByteArray bytes = ownTopicBytes(topic);
    const QString fileName = owntopic::fileName(topic.title);
    try {
        if (readOwnTopicFile(bytes, fileName) != topic)
            fail(QCoreApplication::translate("bs::OwnTopicStore", "The topic “%1” would not read back as it is.")
                     .arg(topic.title));
    } catch (const TopicFileError& error) {
        fail(error.message());
    }
    const QStringList wanted = ownTopicPictures(topic);
    qint64 total = bytes.size();
    for (const QString& name : wanted) {
        const auto picture = pictures.find(name);
        if (picture == pictures.end() || picture->second.isEmpty())
            fail(QCoreApplication::translate("bs::OwnTopicStore", "The picture “%1” of the topic is missing.").arg(name));
        total += picture->second.size();
    }
    if (pictures.size() != std::size_t(wanted.size()))
        fail(QCoreApplication::translate("bs::OwnTopicStore", "The topic “%1” was given a picture it does not use.")
                 .arg(topic.title));
    if (total > owntopic::MaxSavedBytes)
        fail(QCoreApplication::translate("bs::OwnTopicStore",
                                         "The topic “%1” with its pictures is larger than %2 MB; choose smaller pictures.")
                 .arg(topic.title)
                 .arg(owntopic::MaxSavedBytes / (1024 * 1024)));
    if (!QDir().mkpath(m_folder))
        fail(QCoreApplication::translate("bs::OwnTopicStore", "Cannot make the folder of the school's topics."));

    std::optional<CatalogueLock> lock;
    if (!held)
        lock.emplace(m_cataloguePath);
    QStringList earlierPictures;
    try {
        if (const std::optional<OwnTopic> earlier = readTopicAt(path(fileName)))
            earlierPictures = ownTopicPictures(*earlier);
    } catch (const TopicFileError&) {
        // A refused earlier file is simply replaced.
    }
    for (const QString& name : wanted)
        replaceWholeFile(path(name), pictures.at(name));
    replaceWholeFile(path(fileName), bytes);
    for (const QString& name : std::as_const(earlierPictures)) {
        if (!wanted.contains(name))
            QFile::remove(path(name));
    }
}

void OwnTopicStore::remove(const QString& title) const
{
    CatalogueLock lock(m_cataloguePath);
    // The pictures the file names (read under the lock, as a save reads the earlier version),
    // and any its title would name, left by a refused file or a removal cut short.
    const QString file = path(owntopic::fileName(title));
    QStringList pictures;
    try {
        if (const std::optional<OwnTopic> topic = readTopicAt(file))
            pictures = ownTopicPictures(*topic);
    } catch (const TopicFileError&) {
        // A refused file is removed all the same.
    }
    for (const QString& suffix : {QStringLiteral("jpg"), QStringLiteral("png")})
        pictures << owntopic::panoramaName(title, suffix) << owntopic::pictureName(title, suffix);
    pictures.removeDuplicates();
    // The topic file first, so a removal cut short leaves no listed topic without its pictures.
    if (QFile::exists(file) && !QFile::remove(file))
        fail(QCoreApplication::translate("bs::OwnTopicStore", "Cannot delete the topic “%1”.").arg(title));
    for (const QString& name : std::as_const(pictures))
        QFile::remove(path(name));
}

} // namespace bs
