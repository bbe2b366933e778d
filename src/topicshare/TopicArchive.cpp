#include "topicshare/TopicArchive.h"

#include "topicdata/OwnTopicStore.h"
#include "topicdata/TopicFile.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/WholeFile.h"
#include "worksheetdata/Worksheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>

#include <zip.h>

#include <memory>
#include <sys/stat.h>

namespace bs {

namespace {

const QString topicsPrefix = QStringLiteral("ourtopics/");
const QString worksheetPrefix = QStringLiteral("multiple/");

QString tr(const char* text)
{
    return QCoreApplication::translate("bs::TopicArchive", text);
}

[[noreturn]] void fail(const QString& message)
{
    throw DataError(message.toStdString());
}

[[noreturn]] void damaged(const QString& why)
{
    fail(tr("This file is not a topic this program can import: %1").arg(why));
}

QByteArray readWhole(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(tr("Cannot read “%1”: %2").arg(QFileInfo(path).fileName(), file.errorString()));
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        fail(tr("Cannot read “%1”: %2").arg(QFileInfo(path).fileName(), file.errorString()));
    if (bytes.size() > limit)
        fail(tr("“%1” is too large.").arg(QFileInfo(path).fileName()));
    return bytes;
}

// The worksheet reader's verdict on a worksheet file of this title.
void checkWorksheet(const QByteArray& bytes, const QString& title)
{
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        fail(problem);
    try {
        FieldReader reader(bytes);
        QuestionBank bank;
        loadworksheet(reader, bank);
    } catch (const DataError&) {
        fail(tr("The worksheet “%1” is damaged.").arg(title));
    }
}

// Whether bytes decode as the picture format the name's suffix says.
bool decodes(const QByteArray& bytes, const QString& name)
{
    const QByteArray format = name.endsWith(QLatin1String(".png")) ? QByteArrayLiteral("png") : QByteArrayLiteral("jpeg");
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    return reader.canRead() && !reader.read().isNull();
}

struct ZipCloser
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

// An archive opened read-only on bytes, which must outlive it.
ZipPtr openArchive(const QByteArray& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        damaged(tr("it cannot be opened."));
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) {
        zip_source_free(source);
        const QString why = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        damaged(tr("it is no zip archive, or a damaged one (%1).").arg(why));
    }
    zip_error_fini(&error);
    return ZipPtr(archive);
}

// Why an entry name may not be unpacked, or empty when it may (it still has to be one the
// format expects).
QString nameProblem(const QString& name)
{
    if (name.isEmpty())
        return tr("an entry has no name.");
    if (name.startsWith(u'/') || name.contains(u'\\') || (name.size() >= 2 && name.at(1) == u':'))
        return tr("the entry “%1” points outside the topic's folders.").arg(name);
    for (const QString& part : name.split(u'/')) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return tr("the entry “%1” points outside the topic's folders.").arg(name);
    }
    if (name.contains(QLatin1String("..")))
        return tr("the entry “%1” points outside the topic's folders.").arg(name);
    return {};
}

// Every entry of the archive, by name, each checked for its name, its kind and its size.
std::map<QString, QByteArray> readEntries(zip_t* archive)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count < 0)
        damaged(tr("its contents cannot be read."));
    if (count > topicarchive::MaxEntries)
        damaged(tr("it holds %1 files, more than a topic has.").arg(count));
    qint64 declared = 0;
    std::map<QString, zip_uint64_t> index;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!raw)
            damaged(tr("an entry's name cannot be read."));
        const QString name = QString::fromUtf8(raw);
        if (const QString problem = nameProblem(name); !problem.isEmpty())
            damaged(problem);
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(archive, zip_uint64_t(i), 0, &system, &attributes) != 0)
            damaged(tr("the kind of the entry “%1” cannot be read.").arg(name));
        const mode_t mode = mode_t(attributes >> 16);
        const bool notRegular = system == ZIP_OPSYS_UNIX ? (mode != 0 && !S_ISREG(mode))
                                                         : (system == ZIP_OPSYS_DOS && (attributes & 0x10) != 0);
        if (notRegular)
            damaged(tr("the entry “%1” is a link or a folder, not a file.").arg(name));
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
            damaged(tr("the size of the entry “%1” cannot be read.").arg(name));
        if (stat.size > zip_uint64_t(topicarchive::MaxUnpackedBytes)
            || (declared += qint64(stat.size)) > topicarchive::MaxUnpackedBytes)
            damaged(tr("it unpacks to more than %1 MB.").arg(topicarchive::MaxUnpackedBytes / (1024 * 1024)));
        if (!index.emplace(name, zip_uint64_t(i)).second)
            damaged(tr("the name “%1” is there twice.").arg(name));
    }
    // Read, counting the bytes as they come: a declared size may lie.
    std::map<QString, QByteArray> entries;
    qint64 total = 0;
    for (const auto& [name, i] : index) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        zip_stat_index(archive, i, 0, &stat);
        zip_file_t* file = zip_fopen_index(archive, i, 0);
        if (!file)
            damaged(tr("the entry “%1” cannot be unpacked (%2).").arg(name, QString::fromUtf8(zip_strerror(archive))));
        QByteArray bytes;
        char chunk[16384];
        bool tooLarge = false;
        zip_int64_t got = 0;
        while ((got = zip_fread(file, chunk, sizeof chunk)) > 0) {
            total += got;
            if (total > topicarchive::MaxUnpackedBytes || bytes.size() + got > qint64(stat.size)) {
                tooLarge = true;
                break;
            }
            bytes.append(chunk, qsizetype(got));
        }
        const QString why = got < 0 ? QString::fromUtf8(zip_file_strerror(file)) : QString();
        zip_fclose(file);
        if (tooLarge)
            damaged(tr("it unpacks to more than it says."));
        if (got < 0)
            damaged(tr("the entry “%1” is damaged (%2).").arg(name, why));
        if (bytes.size() != qint64(stat.size))
            damaged(tr("the entry “%1” is cut short.").arg(name));
        entries.emplace(name, std::move(bytes));
    }
    return entries;
}

} // namespace

QByteArray topicArchiveBytes(const TopicFolders& folders, const QString& title)
{
    const QString fileName = owntopic::fileName(title);
    const QByteArray topicBytes = readWhole(QDir(folders.topics).filePath(fileName), MaxTopicFileBytes);
    OwnTopic topic;
    try {
        topic = readOwnTopicFile(topicBytes, fileName);
    } catch (const TopicFileError& error) {
        fail(error.message());
    }
    std::vector<std::pair<QString, QByteArray>> files{{topicsPrefix + fileName, topicBytes}};
    for (const QString& picture : ownTopicPictures(topic)) {
        QByteArray bytes = readWhole(QDir(folders.topics).filePath(picture), owntopic::MaxSavedBytes);
        if (!decodes(bytes, picture))
            fail(tr("The picture “%1” of the topic is damaged.").arg(picture));
        files.emplace_back(topicsPrefix + picture, std::move(bytes));
    }
    if (!topic.worksheet.isEmpty()) {
        const QString name = worksheetFileName(topic.worksheet);
        QByteArray bytes = readWhole(QDir(folders.multiple).filePath(name), MaxTopicFileBytes);
        checkWorksheet(bytes, topic.worksheet);
        files.emplace_back(worksheetPrefix + name, std::move(bytes));
    }

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (buffer)
            zip_source_free(buffer);
        fail(tr("Cannot make the archive of the topic “%1”.").arg(title));
    }
    zip_source_keep(buffer);
    bool ok = true;
    for (const auto& [name, bytes] : files) {
        zip_source_t* source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const QByteArray utf8 = name.toUtf8();
        const zip_int64_t i = source ? zip_file_add(archive, utf8.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (i < 0) {
            if (source)
                zip_source_free(source);
            ok = false;
            break;
        }
        zip_file_set_external_attributes(archive, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, zip_uint32_t(S_IFREG | 0644) << 16);
        zip_file_set_mtime(archive, zip_uint64_t(i), 0, 0); // the same topic makes the same archive
    }
    if (!ok || zip_close(archive) != 0) {
        zip_discard(archive);
        zip_source_free(buffer);
        fail(tr("Cannot make the archive of the topic “%1”.").arg(title));
    }
    QByteArray result;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
        result.resize(qsizetype(stat.size));
        const zip_int64_t got = zip_source_read(buffer, result.data(), stat.size);
        zip_source_close(buffer);
        if (got != zip_int64_t(stat.size))
            result.clear();
    }
    zip_source_free(buffer);
    if (result.isEmpty())
        fail(tr("Cannot make the archive of the topic “%1”.").arg(title));
    return result;
}

void exportTopicArchive(const TopicFolders& folders, const QString& title, const QString& archivePath)
{
    replaceWholeFile(archivePath, topicArchiveBytes(folders, title));
}

TopicArchive readTopicArchive(const QByteArray& bytes)
{
    if (bytes.size() > topicarchive::MaxArchiveBytes)
        damaged(tr("it is larger than a topic can be."));
    const ZipPtr archive = openArchive(bytes);
    std::map<QString, QByteArray> entries = readEntries(archive.get());

    // The one topic file, then exactly the files it names.
    QString topicName;
    for (const auto& [name, data] : entries) {
        if (name.startsWith(topicsPrefix) && name.endsWith(QLatin1String(".json")) && !name.mid(topicsPrefix.size()).contains(u'/')) {
            if (!topicName.isEmpty())
                damaged(tr("it holds more than one topic."));
            topicName = name;
        }
    }
    if (topicName.isEmpty())
        damaged(tr("it holds no topic."));
    TopicArchive result;
    try {
        result.topic = readOwnTopicFile(entries.at(topicName), topicName.mid(topicsPrefix.size()));
    } catch (const TopicFileError& error) {
        fail(error.message());
    }
    QSet<QString> expected{topicName};
    qint64 saved = entries.at(topicName).size();
    for (const QString& picture : ownTopicPictures(result.topic)) {
        const auto entry = entries.find(topicsPrefix + picture);
        if (entry == entries.end())
            damaged(tr("the picture “%1” is missing.").arg(picture));
        if (!decodes(entry->second, picture))
            damaged(tr("the picture “%1” is damaged.").arg(picture));
        saved += entry->second.size();
        result.pictures.emplace(picture, entry->second);
        expected.insert(entry->first);
    }
    // Refused here rather than by the store's save, before the worksheet is written.
    if (saved > owntopic::MaxSavedBytes)
        damaged(tr("the topic with its pictures is larger than %1 MB.").arg(owntopic::MaxSavedBytes / (1024 * 1024)));
    if (!result.topic.worksheet.isEmpty()) {
        const QString name = worksheetPrefix + worksheetFileName(result.topic.worksheet);
        const auto entry = entries.find(name);
        if (entry == entries.end())
            damaged(tr("the worksheet “%1” is missing.").arg(result.topic.worksheet));
        checkWorksheet(entry->second, result.topic.worksheet);
        result.worksheet = entry->second;
        expected.insert(name);
    }
    for (const auto& [name, data] : entries) {
        if (!expected.contains(name))
            damaged(tr("it holds “%1”, which is no part of the topic.").arg(name));
    }
    return result;
}

TopicArchive readTopicArchiveFile(const QString& archivePath)
{
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        fail(tr("Cannot read “%1”: %2").arg(QFileInfo(archivePath).fileName(), file.errorString()));
    const QByteArray bytes = file.read(topicarchive::MaxArchiveBytes + 1);
    if (file.error() != QFileDevice::NoError)
        fail(tr("Cannot read “%1”: %2").arg(QFileInfo(archivePath).fileName(), file.errorString()));
    return readTopicArchive(bytes);
}

ImportConflicts importConflicts(const TopicArchive& archive, const TopicFolders& folders)
{
    ImportConflicts conflicts;
    conflicts.topic = QFile::exists(QDir(folders.topics).filePath(owntopic::fileName(archive.topic.title)));
    if (!archive.topic.worksheet.isEmpty()) {
        QFile file(QDir(folders.multiple).filePath(worksheetFileName(archive.topic.worksheet)));
        if (file.exists())
            conflicts.worksheet = !file.open(QIODevice::ReadOnly) || file.read(archive.worksheet.size() + 1) != archive.worksheet;
    }
    return conflicts;
}

ImportConflicts importTopicArchive(const TopicArchive& archive, const TopicFolders& folders, ReplaceExisting replace)
{
    return importTopicArchive(archive, folders,
                              replace == ReplaceExisting::Yes ? ImportConflicts{true, true} : ImportConflicts{});
}

ImportConflicts importTopicArchive(const TopicArchive& archive, const TopicFolders& folders,
                                   const ImportConflicts& replacing)
{
    if (!archive.topic.worksheet.isEmpty())
        checkWorksheet(archive.worksheet, archive.topic.worksheet);
    if (!QDir().mkpath(folders.multiple) || !QDir().mkpath(QFileInfo(folders.catalogue).path()))
        fail(tr("Cannot make the worksheet folder."));
    CatalogueLock lock(folders.catalogue);
    const ImportConflicts conflicts = importConflicts(archive, folders);
    if ((conflicts.topic && !replacing.topic) || (conflicts.worksheet && !replacing.worksheet))
        return conflicts;
    // The worksheet first, so the topic is listed only once its quiz is there.
    if (!archive.topic.worksheet.isEmpty()) {
        replaceWholeFile(QDir(folders.multiple).filePath(worksheetFileName(archive.topic.worksheet)), archive.worksheet);
        CatalogueList list;
        trackworksheets(lock, folders.catalogue, archive.topic.worksheet, list);
    }
    OwnTopicStore(folders.topics, folders.catalogue).save(lock, archive.topic, archive.pictures);
    return {};
}

} // namespace bs
