#include "topicdata/OwnTopic.h"

#include "topicdata/TopicFile.h"

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

const FontSpec itemFont{QStringLiteral("Tahoma"), 11.25, true};
const QColor yellow(0xFF, 0xFF, 0x00);

LabelSpec heading(const QString& title)
{
    return {QStringLiteral("Label6"), title, QRect(120, 120, 11760, 1065),
            FontSpec{QStringLiteral("Times New Roman"), 24, false}, yellow, Qt::AlignHCenter};
}

ActivityDefinition labellingActivity(const OwnTopic& topic, const QString& stem, const QString& folder)
{
    const OwnLabelling& labelling = *topic.labelling;
    ActivityDefinition activity;
    activity.formName = stem + QStringLiteral("lab");
    activity.itemSize = owntopic::LabelBox;
    activity.itemFont = itemFont;
    const QPoint picture = owntopic::PictureArea.topLeft();
    // The column right of the picture: its slots centred, the instruction below the eighth.
    constexpr int ColumnLeft = 8040, ColumnWidth = 3840, SlotStep = 585;
    const int slotLeft = ColumnLeft + (ColumnWidth - owntopic::LabelBox.width()) / 2;
    for (int i = 0; i < int(labelling.labels.size()); ++i) {
        const OwnLabel& label = labelling.labels[i];
        activity.items.push_back({label.text, QPoint(slotLeft, picture.y() + i * SlotStep), picture + label.at, {}});
    }
    activity.pictures.push_back({folder + u'/' + labelling.picture, picture});
    const int below = picture.y() + owntopic::MaxLabels * SlotStep;
    activity.labels = {heading(topic.title),
                       {QStringLiteral("Label7"), labelling.instruction, QRect(ColumnLeft, below, ColumnWidth, 8880 - below),
                        FontSpec{QStringLiteral("Times New Roman"), 15.75, false}, yellow, Qt::AlignHCenter}};
    activity.stacking = defaultStacking(activity);
    return activity;
}

// The drag hint in the language the topic is written in, whatever the program's.
QString dragHint(const QString& language)
{
    return language == QLatin1String("cy") ? QStringLiteral("Llusga'r labeli i'r blychau cywir.")
                                           : QStringLiteral("Drag the labels into the correct boxes.");
}

ActivityDefinition orderingActivity(const OwnTopic& topic, const QString& stem)
{
    const OwnOrdering& ordering = *topic.ordering;
    ActivityDefinition activity;
    activity.formName = stem + QStringLiteral("ord");
    activity.itemSize = QSize(4035, 675);
    activity.itemFont = itemFont;
    // Six rows a box and a gap of a third of one apart; the slots hold the items in a
    // shuffled but fixed order (each item's slot is another row than its box, where it can).
    constexpr int Top = 1320, Step = 900, SlotLeft = 600, NumberLeft = 6600, TargetLeft = 7560;
    const int n = int(ordering.items.size());
    for (int i = 0; i < n; ++i) {
        const int slot = (i + n / 2) % n;
        activity.items.push_back({ordering.items[i], QPoint(SlotLeft, Top + slot * Step), QPoint(TargetLeft, Top + i * Step),
                                  QString::number(i + 1)});
    }
    const int below = Top + owntopic::MaxItems * Step;
    activity.labels = {heading(topic.title),
                       {QStringLiteral("Label8"), ordering.instruction, QRect(SlotLeft, below, 6000, 8880 - below),
                        FontSpec{QStringLiteral("Times New Roman"), 20.25, false}, QColor(0x00, 0xFF, 0x00),
                        Qt::AlignHCenter},
                       {QStringLiteral("Label9"), dragHint(topic.language),
                        QRect(TargetLeft, below, 4035, 675), FontSpec{QStringLiteral("Tahoma"), 12, true},
                        QColor(0x80, 0xFF, 0xFF), Qt::AlignHCenter}};
    for (int i = 0; i < n; ++i)
        activity.labels.push_back({QStringLiteral("Label%1").arg(10 + i), QString::number(i + 1),
                                   QRect(NumberLeft, Top + i * Step + 165, 720, 345),
                                   FontSpec{QStringLiteral("Times New Roman"), 15.75, false}, yellow, Qt::AlignRight});
    activity.stacking = defaultStacking(activity);
    return activity;
}

} // namespace

std::vector<ActivityDefinition> ownTopicActivities(const OwnTopic& topic, const QString& stem, const QString& folder)
{
    std::vector<ActivityDefinition> activities;
    if (topic.labelling)
        activities.push_back(labellingActivity(topic, stem, folder));
    if (topic.ordering)
        activities.push_back(orderingActivity(topic, stem));
    return activities;
}

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
