#include "platform/Content.h"

#include <QDir>
#include <QFileInfo>

namespace bs {

Content::Content(QString root)
    : m_root(QDir::cleanPath(std::move(root)))
{
}

static QString matchComponent(const QString& dir, const QString& name)
{
    if (QFileInfo::exists(dir + u'/' + name))
        return name;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

QString Content::resolve(const QString& contentPath) const
{
    QString path = m_root;
    const QStringList parts = QString(contentPath).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == u"." || part == u"..") // content paths never leave the content folders
            continue;
        path += u'/' + matchComponent(path, part);
    }
    return path;
}

bool Content::exists(const QString& contentPath) const
{
    return QFileInfo(resolve(contentPath)).isFile();
}

// A folder holds the content when it has the pictures folder; the other folders go with it.
static bool holdsContent(const QString& folder)
{
    return QFileInfo(folder + QStringLiteral("/Images")).isDir();
}

QString findContentFolder(const QString& programFolder, const QString& installedContent)
{
    if (holdsContent(programFolder))
        return programFolder;
    const QString installed = QDir::cleanPath(programFolder + u'/' + installedContent);
    return holdsContent(installed) ? installed : programFolder;
}

QString findContentFolder(const QString& programFolder)
{
    return findContentFolder(programFolder, QStringLiteral(BS_INSTALLED_CONTENT));
}

} // namespace bs
