#include "worksheetdata/Catalogue.h"

#include "base/Cp1252.h"
#include "base/TextFile.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/WholeFile.h"
#include "worksheetdata/Worksheet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>
#include <QThread>

#include <algorithm>

namespace bs {

namespace {

constexpr int Limit = CatalogueList::CatalogueLimit;

[[noreturn]] void fail(const QString& message)
{
    throw DataError(message.toStdString());
}

// The count line: optional spaces and sign, then digits (large values saturate).
qint64 parseCount(const QString& field)
{
    const QString text = field.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i == text.size())
        fail(
            QCoreApplication::translate("bs::Catalogue", "The first line of the catalogue is not a number."));
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            fail(QCoreApplication::translate("bs::Catalogue",
                                             "The first line of the catalogue is not a number."));
        value = std::min<qint64>(value * 10 + (text[i].unicode() - u'0'), qint64(1) << 40);
    }
    if (negative && value != 0)
        fail(QCoreApplication::translate("bs::Catalogue", "The catalogue's count of titles is negative."));
    return value;
}

QByteArray catalogueLine(const QString& title, bool utf8)
{
    // A carriage return is safe: the reader strips only the one before the line feed.
    if (title.contains(u'\n') || (utf8 ? !title.isValidUtf16() : !cp1252::canEncode(title)))
        fail(QCoreApplication::translate("bs::Catalogue", "The title “%1” cannot be stored in the catalogue.")
                 .arg(title));
    // Quoted, a comma stays inside the title and leading spaces are kept.
    const bool quoted = title.contains(u',') || title.startsWith(u' ');
    const bool opensWithQuote = title.startsWith(u'"'); // leading spaces make it quoted anyway
    if (title.contains(u'"') && (quoted || opensWithQuote))
        fail(QCoreApplication::translate("bs::Catalogue", "The title “%1” cannot be stored in the catalogue.")
                 .arg(title));
    QByteArray line = textfile::encode(title, utf8);
    if (quoted)
        line = '"' + line + '"';
    return line + "\r\n";
}

// QLockFile writes its owner into a lock file just after creating it: a program killed in
// between leaves a file naming no owner, which QLockFile takes over only after its stale time,
// every save waiting that long. The same holds for the ".rmlock" file QLockFile makes while it
// takes over a stale lock, and for the ".rmlock" of that one (a program killed twice in a row,
// seen under slow runs). Still naming no owner a moment later and locked by no living program
// (removeStaleLockFile takes the file's native locks first), such a file was abandoned.
void removeAbandonedOwnerlessLocks(const QString& lockPath)
{
    const auto namesOwner = [](const QString& path) {
        qint64 pid = 0;
        QString hostname;
        QString appname;
        return QLockFile(path).getLockInfo(&pid, &hostname, &appname);
    };
    // The lock and its chain of ".rmlock" files, deepest first; the chain is short in practice.
    constexpr int LongestChain = 8;
    QStringList chain{lockPath};
    while (chain.size() < LongestChain && QFileInfo::exists(chain.last() + QStringLiteral(".rmlock")))
        chain.append(chain.last() + QStringLiteral(".rmlock"));
    QStringList ownerless;
    for (auto path = chain.crbegin(); path != chain.crend(); ++path) {
        if (QFileInfo::exists(*path) && !namesOwner(*path))
            ownerless.append(*path);
    }
    if (ownerless.isEmpty())
        return;
    constexpr int OwnerWriteGraceMs = 200;
    QThread::msleep(OwnerWriteGraceMs);
    for (const QString& path : std::as_const(ownerless)) {
        if (!namesOwner(path))
            QLockFile(path).removeStaleLockFile();
    }
}

} // namespace

CatalogueLock::CatalogueLock(const QString& cataloguePath) : m_lock(catalogueLockPath(cataloguePath))
{
    m_lock.setStaleLockTime(StaleLockMs);
    if (m_lock.tryLock(0))
        return;
    if (m_lock.error() == QLockFile::LockFailedError)
        removeAbandonedOwnerlessLocks(catalogueLockPath(cataloguePath));
    if (m_lock.tryLock(LockWaitMs))
        return;
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        fail(QCoreApplication::translate(
            "bs::Catalogue",
            "The list of worksheets is being changed on another computer; please try again."));
    case QLockFile::PermissionError:
        fail(QCoreApplication::translate(
            "bs::Catalogue",
            "Cannot change the list of worksheets: no permission to write in its folder."));
    default:
        fail(QCoreApplication::translate(
            "bs::Catalogue", "Cannot change the list of worksheets: its lock file cannot be made."));
    }
}

QString catalogueLockPath(const QString& cataloguePath)
{
    return cataloguePath + QStringLiteral(".lock");
}

void readCatalogue(FieldReader& in, CatalogueList& list)
{
    const qint64 count = parseCount(in.readField());
    list.workcount = 0;
    const int readable = int(std::min<qint64>(count, Limit));
    for (int i = 1; i <= readable; ++i) {
        list.worklist[i] = in.readField();
        list.workcount = i;
    }
    if (count > Limit)
        fail(QCoreApplication::translate("bs::Catalogue", "The catalogue lists more than %1 worksheets.")
                 .arg(Limit));
}

void readCatalogue(const QString& cataloguePath, CatalogueList& list)
{
    FieldReader in = FieldReader::fromFile(cataloguePath);
    readCatalogue(in, list);
}

QByteArray catalogueBytes(std::span<const QString> titles)
{
    if (titles.size() > std::size_t(Limit))
        fail(QCoreApplication::translate("bs::Catalogue", "The catalogue can hold at most %1 worksheets.")
                 .arg(Limit));
    // Windows-1252 as always, unless a title needs more: a Welsh letter that code page lacks,
    // or any title read from a UTF-8 catalogue, which must write back as it was read.
    const bool utf8 =
        std::any_of(titles.begin(), titles.end(), [](const QString& t) { return !cp1252::canEncode(t); });
    QByteArray bytes = utf8 ? textfile::Utf8Mark.toByteArray() : QByteArray();
    bytes += ' ' + QByteArray::number(qsizetype(titles.size())) + "\r\n";
    for (const QString& title : titles)
        bytes += catalogueLine(title, utf8);
    return bytes;
}

void trackworksheets(const QString& cataloguePath, const QString& title, CatalogueList& list)
{
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        fail(problem);

    CatalogueLock lock(cataloguePath);
    trackworksheets(lock, cataloguePath, title, list);
}

void trackworksheets(const CatalogueLock&, const QString& cataloguePath, const QString& title, CatalogueList& list)
{
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        fail(problem);
    readCatalogue(cataloguePath, list);
    const int count = list.workcount;
    const auto titles = std::span<const QString>(list.worklist).subspan(1, count);
    if (std::find(titles.begin(), titles.end(), title) != titles.end())
        return;
    if (count >= Limit)
        fail(QCoreApplication::translate(
                 "bs::Catalogue",
                 "The catalogue already holds %1 worksheets; delete one before adding another.")
                 .arg(Limit));

    list.worklist[count + 1] = title;
    replaceWholeFile(cataloguePath, catalogueBytes(std::span<const QString>(list.worklist).subspan(1, count + 1)));
}

void delworksheet(const QString& cataloguePath, const QString& deltitle, CatalogueList& list)
{
    CatalogueLock lock(cataloguePath);
    readCatalogue(cataloguePath, list);
    int found = 0;
    for (int i = 1; i <= list.workcount; ++i) {
        if (list.worklist[i] == deltitle)
            found = i;
    }
    if (found == 0)
        return;

    QStringList remaining;
    remaining.reserve(list.workcount - 1);
    for (int i = 1; i <= list.workcount; ++i) {
        if (i != found)
            remaining.append(list.worklist[i]);
    }
    replaceWholeFile(cataloguePath, catalogueBytes(remaining));

    // Memory changes only once the file has.
    for (int i = found; i < list.workcount; ++i)
        list.worklist[i] = list.worklist[i + 1];
    --list.workcount;
}

} // namespace bs
