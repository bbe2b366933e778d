#include "topicdata/OwnTopic.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace bs {

namespace {

QJsonObject pageObject(const TextPage& page)
{
    QJsonObject object{{QStringLiteral("heading"), page.heading},
                       {QStringLiteral("paragraphs"), QJsonArray::fromStringList(page.paragraphs)}};
    if (!page.didYouKnow.isEmpty())
        object.insert(QStringLiteral("didYouKnow"), page.didYouKnow);
    return object;
}

} // namespace

QByteArray ownTopicBytes(const OwnTopic& topic)
{
    QJsonObject object{{QStringLiteral("format"), owntopic::Format},
                       {QStringLiteral("title"), topic.title},
                       {QStringLiteral("language"), topic.language},
                       {QStringLiteral("panorama"), topic.panorama}};
    if (!topic.keyFacts.empty()) {
        QJsonArray pages;
        for (const TextPage& page : topic.keyFacts)
            pages.append(pageObject(page));
        object.insert(QStringLiteral("keyFacts"), pages);
    }
    if (topic.notes)
        object.insert(QStringLiteral("notes"), pageObject(*topic.notes));
    if (!topic.worksheet.isEmpty())
        object.insert(QStringLiteral("worksheet"), topic.worksheet);
    if (topic.labelling) {
        QJsonArray labels;
        for (const OwnLabel& label : topic.labelling->labels)
            labels.append(QJsonObject{{QStringLiteral("text"), label.text},
                                      {QStringLiteral("at"), QJsonArray{label.at.x(), label.at.y()}}});
        object.insert(QStringLiteral("labelling"),
                      QJsonObject{{QStringLiteral("picture"), topic.labelling->picture},
                                  {QStringLiteral("instruction"), topic.labelling->instruction},
                                  {QStringLiteral("labels"), labels}});
    }
    if (topic.ordering)
        object.insert(QStringLiteral("ordering"),
                      QJsonObject{{QStringLiteral("instruction"), topic.ordering->instruction},
                                  {QStringLiteral("items"), QJsonArray::fromStringList(topic.ordering->items)}});
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QStringList ownTopicPictures(const OwnTopic& topic)
{
    QStringList names{topic.panorama};
    if (topic.labelling)
        names << topic.labelling->picture;
    return names;
}

} // namespace bs
