#pragma once

#include <QString>

namespace bs {

// The content folders beside the program. Paths in the program are written with "\" or "/"
// and in any letter case ("Images\x.jpg" and "images/x.jpg" name one file); resolve() finds
// the file on a case-sensitive disk. The program writes only under its "multiple" folder (and,
// with the class's results kept, "results").
class Content
{
public:
    explicit Content(QString root);

    const QString& root() const { return m_root; }

    // The absolute path of a content path. Each existing component is matched without regard
    // to case (an exact match wins); a missing component is kept as written, so the result
    // also names a file about to be created.
    QString resolve(const QString& contentPath) const;

    bool exists(const QString& contentPath) const;

private:
    QString m_root;
};

// The content folder of the program in programFolder: the program's own folder when the
// content lies beside it (a build tree), else installedContent (relative to programFolder)
// when the content is there, else the program's folder all the same.
QString findContentFolder(const QString& programFolder, const QString& installedContent);

// The same with the installed layout of this build (lib/brellinshore -> share/brellinshore).
QString findContentFolder(const QString& programFolder);

} // namespace bs
