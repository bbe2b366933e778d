#pragma once

// A school's own topic as a teacher would make it, shared by test_owntopics and the second
// program it starts.
#include "topicdata/OwnTopic.h"

#include <QByteArray>
#include <map>

namespace bs::test {

// Every part; pictures in PNG when png, else JPEG; without the labelling when bare.
inline OwnTopic sampleOwnTopic(const QString& title = QStringLiteral("Our school grounds"), bool png = false,
                               bool bare = false)
{
    const QString suffix = png ? QStringLiteral("png") : QStringLiteral("jpg");
    OwnTopic topic;
    topic.title = title;
    topic.panorama = owntopic::panoramaName(title, suffix);
    topic.keyFacts = {TextPage{QStringLiteral("Our field"),
                               {QStringLiteral("The field is behind the hall."), QStringLiteral("- It has a pond, a hedge & a bench")},
                               QStringLiteral("Frogs lay their eggs in the pond every spring.")},
                      TextPage{QStringLiteral("Our garden"), {QStringLiteral("Class 4 planted the garden, with “help”.")}, {}}};
    topic.notes = TextPage{QStringLiteral("For the teacher"), {QStringLiteral("Walk the grounds before the lesson.")}, {}};
    topic.worksheet = QStringLiteral("Our school grounds");
    if (!bare)
        topic.labelling = OwnLabelling{owntopic::pictureName(title, suffix),
                                       QStringLiteral("Drag each label to its place on the map."),
                                       {{QStringLiteral("Pond"), {0, 0}},
                                        {QStringLiteral("Hall"), {2400, 375}},
                                        {QStringLiteral("Gate"), {4800, 5625}}}};
    topic.ordering = OwnOrdering{QStringLiteral("Put the stops of our walk in order."),
                                 {QStringLiteral("Gate"), QStringLiteral("Garden"), QStringLiteral("Pond")}};
    return topic;
}

// Stand-ins for the pictures it names, told apart by name.
inline std::map<QString, QByteArray> samplePictures(const OwnTopic& topic)
{
    std::map<QString, QByteArray> pictures;
    for (const QString& name : ownTopicPictures(topic))
        pictures[name] = "picture " + name.toUtf8();
    return pictures;
}

} // namespace bs::test
