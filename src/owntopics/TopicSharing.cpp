#include "owntopics/OwnTopicOpeners.h"

#include "platform/Dialogs.h"
#include "topicshare/TopicArchive.h"
#include "ui/Program.h"
#include "worksheetdata/DataError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace bs {

// A school's own topic sent to another school as one archive, and one received: the teacher
// chooses the file, is asked before anything of the same title is replaced, and is told what
// happened.

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("bs::TopicSharing", text);
}

TopicFolders foldersOf(const Program& program)
{
    const Content& content = program.content();
    return {content.resolve(QStringLiteral("ourtopics")), content.resolve(QStringLiteral("multiple")),
            content.resolve(QStringLiteral("multiple\\track.txt"))};
}

QString reason(const DataError& error)
{
    return QString::fromUtf8(error.what());
}

// The question before an import replaces what the school has of the same title.
QString replaceQuestion(const TopicArchive& archive, const ImportConflicts& conflicts)
{
    if (conflicts.topic && conflicts.worksheet)
        return tr("This school already has a topic called “%1” and a different worksheet called “%2”. "
                  "Replace both with the imported ones?")
            .arg(archive.topic.title, archive.topic.worksheet);
    if (conflicts.topic)
        return tr("This school already has a topic called “%1”. Replace it with the imported one?")
            .arg(archive.topic.title);
    return tr("This school already has a different worksheet called “%1”. Replace it with the imported one?")
        .arg(archive.topic.worksheet);
}

} // namespace

void exportOwnTopic(Program& program, const QString& title)
{
    const QString path = program.dialogs().archiveSaveName(QDir::home().filePath(title + QStringLiteral(".zip")));
    if (path.isEmpty())
        return;
    try {
        exportTopicArchive(foldersOf(program), title, path);
    } catch (const DataError& error) {
        program.dialogs().message(tr("The topic “%1” could not be exported.").arg(title) + QStringLiteral("\n\n") + reason(error));
        return;
    }
    program.dialogs().message(tr("The topic “%1” has been exported to “%2”. Another school can import this file "
                                 "on its “Our Topics” list.")
                                  .arg(title, QDir::toNativeSeparators(path)));
}

bool importOwnTopic(Program& program)
{
    const QString path = program.dialogs().archiveOpenName();
    if (path.isEmpty())
        return false;
    const QString fileName = QFileInfo(path).fileName();
    const QString notImported = tr("“%1” could not be imported.").arg(fileName) + QStringLiteral("\n\n");
    const TopicFolders folders = foldersOf(program);
    try {
        const TopicArchive archive = readTopicArchiveFile(path);
        const ImportConflicts conflicts = importTopicArchive(archive, folders, ImportConflicts{});
        if (conflicts.any()) {
            if (!program.dialogs().confirm(replaceQuestion(archive, conflicts)))
                return false;
            // Checked again under the catalogue's lock: what another computer saved meanwhile is
            // not replaced unasked.
            if (importTopicArchive(archive, folders, conflicts).any()) {
                program.dialogs().message(notImported +
                                          tr("Another computer has just saved a topic or worksheet of the same title. "
                                             "Nothing has been changed; please import the file again."));
                return false;
            }
        }
        program.dialogs().message(tr("The topic “%1” has been imported. It is on the “Our Topics” list.")
                                      .arg(archive.topic.title));
    } catch (const DataError& error) {
        program.dialogs().message(notImported + reason(error));
        return false;
    }
    return true;
}

} // namespace bs
