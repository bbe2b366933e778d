// Feeds arbitrary bytes to the import of a shared topic. An archive it accepts is imported into
// a folder pair of its own inside a temporary folder, and afterwards that folder holds only
// files directly in the two folders: the topic file and its pictures, the worksheet, the
// catalogue (and its lock); nothing anywhere else. An accepted topic exports again and reads
// back as itself.
#include "topicshare/TopicArchive.h"

#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/WholeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using bs::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_topicshare";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    static QTemporaryDir root;
    check(root.isValid());

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    bs::TopicArchive archive;
    try {
        archive = bs::readTopicArchive(bytes);
    } catch (const bs::DataError& error) {
        check(*error.what() != '\0');
        return 0;
    }
    const QString school = root.filePath(QStringLiteral("school"));
    const bs::TopicFolders folders{school + QStringLiteral("/ourtopics"), school + QStringLiteral("/multiple"),
                                   school + QStringLiteral("/multiple/track.txt")};
    QDir().mkpath(folders.multiple);
    bs::replaceWholeFile(folders.catalogue, bs::catalogueBytes({}));
    try {
        check(bs::importTopicArchive(archive, folders, bs::ReplaceExisting::No) == bs::ImportConflicts{});
        check(bs::readTopicArchive(bs::topicArchiveBytes(folders, archive.topic.title)).topic == archive.topic);
    } catch (const bs::DataError&) {
        // A failed write: still nothing may lie outside the folders.
    }
    QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString parent = info.absolutePath();
        if (info.isDir() && !info.isSymLink())
            check(info.absoluteFilePath() == school || parent == school);
        else
            check(!info.isSymLink() && (parent == folders.topics || parent == folders.multiple));
    }
    check(QDir(school).removeRecursively());
    return 0;
}
