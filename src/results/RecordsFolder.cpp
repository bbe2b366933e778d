#include "results/RecordsFolder.h"

#include "worksheetdata/DataError.h"
#include "worksheetdata/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bs {

namespace {

const QString Suffix = QStringLiteral(".records");

QString tr(const char* text)
{
    return QCoreApplication::translate("bs::RecordsFolder", text);
}

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw DataError(tr("Cannot write %1: %2").arg(path, reason).toStdString());
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Reads up to RecordsFileLimit bytes of path; a larger file gives its first part and tooLarge.
std::optional<QByteArray> readLimited(const QString& path, bool& tooLarge)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Asked for no more than the file holds: a read of the limit would reserve all of it.
    QByteArray bytes = file.read(std::min(file.size(), RecordsFileLimit));
    tooLarge = file.size() > RecordsFileLimit;
    if (tooLarge)
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    return bytes;
}

QStringList recordsFiles(const QString& folder)
{
    // Filtered here rather than by a name pattern, which costs a pattern match per file.
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    names.removeIf([](const QString& name) { return !name.endsWith(Suffix); });
    return names;
}

} // namespace

QString recordsFileName(QDate day, const QString& computer)
{
    QString name;
    // Lower case: a shared folder may not tell "PC1" from "pc1".
    for (QChar c : computer.toLower())
        name += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'.' ? c : QChar(u'_');
    if (name != computer || name.isEmpty()) {
        quint32 tag = 2166136261u;
        for (char c : computer.toUtf8())
            tag = (tag ^ quint8(c)) * 16777619u;
        name += u'_' + QString::number(tag, 16);
    }
    return day.toString(Qt::ISODate) + u'_' + name + Suffix;
}

QString thisComputer()
{
    return QSysInfo::machineHostName();
}

void appendRecord(const QString& folder, const ResultRecord& record)
{
    if (!QDir().mkpath(folder))
        fail(folder, tr("the folder cannot be made"));
    const QString path = QDir(folder).filePath(recordsFileName(record.when.date(), record.computer));
    const QByteArray line = recordLine(record);
    // Readable and writable by its owner and the folder's group, to be added to by everyone
    // else: README tells how a technician keeps the records for the teachers. A classroom
    // user's umask (often 022) would take the others' right to add away, so the file this
    // call creates is given its mode whole; a file that is there keeps the one it has.
    const QByteArray encoded = QFile::encodeName(path);
    int fd = ::open(encoded.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0662);
    if (fd >= 0)
        ::fchmod(fd, 0662);
    else if (errno == EEXIST)
        fd = ::open(encoded.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0662);
    if (fd < 0)
        fail(path, systemError());
    // One write of the whole line: appends never interleave inside a line.
    const ssize_t written = ::write(fd, line.constData(), size_t(line.size()));
    const QString writeError = written < 0 ? systemError() : tr("the disk is full");
    const bool synced = written == line.size() && ::fsync(fd) == 0;
    const QString syncError = systemError();
    ::close(fd);
    if (written != line.size())
        fail(path, writeError);
    if (!synced)
        fail(path, syncError);
}

namespace {

// One file's part of the view: its records and what was wrong with it.
struct FileRead
{
    QList<ResultRecord> records;
    QList<RecordsProblem> problems;
};

FileRead readOneFile(const QString& folder, const QString& name)
{
    FileRead read;
    bool tooLarge = false;
    const auto bytes = readLimited(folder + u'/' + name, tooLarge);
    if (!bytes) {
        read.problems.append({name, RecordsProblem::Kind::Unreadable, 0});
        return read;
    }
    const LinesRead lines = readRecordLines(
        *bytes, [&](ResultRecord&& record, QByteArrayView) { read.records.append(std::move(record)); });
    if (tooLarge)
        read.problems.append({name, RecordsProblem::Kind::TooLarge, 0});
    if (lines.damaged > 0)
        read.problems.append({name, RecordsProblem::Kind::Damaged, lines.damaged});
    if (lines.later > 0)
        read.problems.append({name, RecordsProblem::Kind::LaterVersion, lines.later});
    return read;
}

} // namespace

RecordsRead readRecordsFolder(const QString& folder)
{
    const QStringList names = recordsFiles(folder);
    std::vector<FileRead> files(std::size_t(names.size()));
    // The files are read and parsed on every core, each taking the next file not yet taken;
    // the result is put together in file-name order afterwards.
    std::atomic<qsizetype> next{0};
    const auto work = [&] {
        for (qsizetype i = next++; i < names.size(); i = next++)
            files[std::size_t(i)] = readOneFile(folder, names[i]);
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const qsizetype helpers = std::min<qsizetype>(qsizetype(std::min(cores, 8u)) - 1, names.size() / 4);
    std::vector<std::thread> threads;
    for (qsizetype t = 0; t < helpers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();

    RecordsRead read;
    qsizetype total = 0;
    for (const FileRead& file : files)
        total += file.records.size();
    read.records.reserve(total);
    for (FileRead& file : files) {
        for (ResultRecord& record : file.records)
            read.records.append(std::move(record));
        read.problems.append(file.problems);
    }
    return read;
}

QList<RecordsFileState> recordsFolderState(const QString& folder)
{
    QList<RecordsFileState> state;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        if (info.fileName().endsWith(Suffix))
            state.append({info.fileName(), info.size(), info.lastModified().toMSecsSinceEpoch()});
    }
    return state;
}

int deleteRecords(const QString& folder, const std::function<bool(const ResultRecord&)>& remove)
{
    int removed = 0;
    for (const QString& name : recordsFiles(folder)) {
        const QString path = QDir(folder).filePath(name);
        // A computer may add to the file meanwhile: written back only if it has not grown since
        // it was read (else read again), so no record added at that moment is lost.
        for (int attempt = 0; attempt < 10; ++attempt) {
            bool tooLarge = false;
            const auto bytes = readLimited(path, tooLarge);
            if (!bytes || tooLarge)
                break; // not read whole: never written back shorter
            QByteArray kept;
            int here = 0;
            readRecordLines(
                *bytes,
                [&](ResultRecord&& record, QByteArrayView line) {
                    if (remove(record))
                        ++here;
                    else
                        kept += line;
                },
                [&](QByteArrayView line) { kept += line; });
            if (here == 0)
                break;
            if (QFileInfo(path).size() != bytes->size())
                continue;
            if (kept.isEmpty()) {
                if (!QFile::remove(path))
                    fail(path, tr("the file cannot be removed"));
            } else {
                replaceWholeFile(path, kept);
            }
            removed += here;
            break;
        }
    }
    return removed;
}

} // namespace bs
