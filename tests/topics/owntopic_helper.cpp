// Started by test_owntopics as another computer sharing the folder of the school's topics:
//   owntopic_helper save <folder> <catalogue> <title> <count> <png|jpg>
// saves the sample topic of that title count times, in PNG with a labelling picture or in
// JPEG without one, so two such programs keep replacing each other's pictures.
//   owntopic_helper mix <folder> <catalogue> <prefix> <rounds>
// in round i saves the topic "<prefix> <i>", saves (and every third round removes) the topic
// "Shared" that every such program saves, removes "<prefix> <i - 1>" when i is even, adds
// "<prefix> <i>" to the catalogue and deletes it again every third round; after each round it
// takes the catalogue's lock and checks that the folder is whole (exit 1 when it is not).
#include "OwnTopicSample.h"
#include "topicdata/OwnTopicStore.h"
#include "topicdata/TopicFile.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

#include <cstdio>
#include <memory>

namespace {

// Why the folder is not whole, or empty: every topic file reads and has its pictures as
// saved, and every other file is a picture of a topic there.
QString problemOf(const QString& folder)
{
    QSet<QString> named;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (!name.endsWith(QLatin1String(".json")))
            continue;
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return name + QStringLiteral(" cannot be read");
        try {
            const bs::OwnTopic topic = bs::readOwnTopicFile(file.readAll(), name);
            for (const auto& [picture, bytes] : bs::test::samplePictures(topic)) {
                QFile pictureFile(QDir(folder).filePath(picture));
                if (!pictureFile.open(QIODevice::ReadOnly) || pictureFile.readAll() != bytes)
                    return name + QStringLiteral(" lacks its picture ") + picture;
                named.insert(picture);
            }
        } catch (const bs::TopicFileError& error) {
            return error.message();
        }
    }
    for (const QString& name : names) {
        if (!name.endsWith(QLatin1String(".json")) && !named.contains(name))
            return name + QStringLiteral(" belongs to no topic");
    }
    return {};
}

int mix(const QString& folder, const QString& catalogue, const QString& prefix, int rounds)
{
    const bs::OwnTopicStore store(folder, catalogue);
    auto list = std::make_unique<bs::CatalogueList>();
    const QString shared = QStringLiteral("Shared");
    for (int i = 1; i <= rounds; ++i) {
        const QString title = prefix + u' ' + QString::number(i);
        const bs::OwnTopic topic = bs::test::sampleOwnTopic(title, i % 2 == 0);
        store.save(topic, bs::test::samplePictures(topic));
        const bs::OwnTopic sharedTopic = bs::test::sampleOwnTopic(shared, (i + prefix.size()) % 2 == 0, i % 2 == 0);
        store.save(sharedTopic, bs::test::samplePictures(sharedTopic));
        if (i % 3 == 0)
            store.remove(shared);
        if (i % 2 == 0)
            store.remove(prefix + u' ' + QString::number(i - 1));
        bs::trackworksheets(catalogue, title, *list);
        bs::trackworksheets(catalogue, title + QStringLiteral(" quiz"), *list);
        bs::delworksheet(catalogue, (i % 3 == 0 ? title : title + QStringLiteral(" quiz")), *list);
        bs::CatalogueLock lock(catalogue);
        if (const QString problem = problemOf(folder); !problem.isEmpty()) {
            std::fprintf(stderr, "round %d of %s: %s\n", i, qPrintable(prefix), qPrintable(problem));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 6 && args[1] == u"mix")
            return mix(args[2], args[3], args[4], args[5].toInt());
        if (args.size() != 7 || args[1] != u"save") {
            std::fprintf(stderr, "usage: owntopic_helper save <folder> <catalogue> <title> <count> <png|jpg>\n"
                                 "       owntopic_helper mix <folder> <catalogue> <prefix> <rounds>\n");
            return 2;
        }
        const bool png = args[6] == u"png";
        const bs::OwnTopic topic = bs::test::sampleOwnTopic(args[4], png, !png);
        const bs::OwnTopicStore store(args[2], args[3]);
        for (int i = 0; i < args[5].toInt(); ++i)
            store.save(topic, bs::test::samplePictures(topic));
    } catch (const bs::DataError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
