// Started by test_owntopics as another computer sharing the folder of the school's topics:
//   owntopic_helper save <folder> <catalogue> <title> <count> <png|jpg>
// saves the sample topic of that title count times, in PNG with a labelling picture or in
// JPEG without one, so two such programs keep replacing each other's pictures.
#include "OwnTopicSample.h"
#include "topicdata/OwnTopicStore.h"
#include "worksheetdata/DataError.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7 || args[1] != u"save") {
        std::fprintf(stderr, "usage: owntopic_helper save <folder> <catalogue> <title> <count> <png|jpg>\n");
        return 2;
    }
    const bool png = args[6] == u"png";
    const bs::OwnTopic topic = bs::test::sampleOwnTopic(args[4], png, !png);
    const bs::OwnTopicStore store(args[2], args[3]);
    try {
        for (int i = 0; i < args[5].toInt(); ++i)
            store.save(topic, bs::test::samplePictures(topic));
    } catch (const bs::DataError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
