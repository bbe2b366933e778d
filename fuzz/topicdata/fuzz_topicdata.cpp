// Feeds arbitrary bytes to the topic file reader and checks what a screen relies on in
// whatever it accepts: every box inside the form, a heading, a stacking order naming each
// control once, and buttons that name activities of the file. The same bytes go to the reader
// of the school's own topics: an accepted one has its boxes on its picture, none overlapping,
// and writes back as itself.
#include "topicdata/OwnTopic.h"
#include "topicdata/TopicFile.h"

#include <QRect>

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using bs::fuzz::check;

void checkOwnTopic(const QByteArray& bytes)
{
    const QString name = QStringLiteral("Our school grounds.json");
    bs::OwnTopic topic;
    try {
        topic = bs::readOwnTopicFile(bytes, name);
    } catch (const bs::TopicFileError& error) {
        check(error.file == name && !error.reason.isEmpty());
        return;
    }
    check(topic.keyFacts.empty() || topic.keyFacts.size() == 2);
    if (topic.labelling) {
        const auto& labels = topic.labelling->labels;
        check(labels.size() >= std::size_t(bs::owntopic::MinLabels) && labels.size() <= std::size_t(bs::owntopic::MaxLabels));
        const QRect picture(QPoint(0, 0), bs::owntopic::PictureArea.size());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const QRect box(labels[i].at, bs::owntopic::LabelBox);
            check(picture.contains(box));
            for (std::size_t j = 0; j < i; ++j)
                check(!box.intersects(QRect(labels[j].at, bs::owntopic::LabelBox)));
        }
    }
    check(bs::readOwnTopicFile(bs::ownTopicBytes(topic), name) == topic);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkOwnTopic(bytes);
    bs::Topic topic;
    try {
        topic = bs::readTopicFile(bytes, QStringLiteral("fuzz.json"));
    } catch (const bs::TopicFileError& error) {
        check(error.file == QLatin1String("fuzz.json") && !error.reason.isEmpty());
        return 0;
    }
    const QRect form(0, 0, 12000, 9000);
    check(form.contains(topic.titleTwips));
    for (const bs::ActivityDefinition& activity : topic.activities) {
        check(!activity.items.empty() && activity.items.size() <= 12);
        for (const bs::ActivityItem& item : activity.items) {
            check(form.contains(QRect(item.start, activity.itemSize)));
            check(form.contains(QRect(item.target, activity.itemSize)));
        }
        bool heading = false;
        for (const bs::LabelSpec& label : activity.labels) {
            check(form.contains(label.twips));
            heading = heading || label.name == QLatin1String("Label6");
        }
        check(heading);
        QStringList stacking = activity.stacking;
        check(stacking.removeDuplicates() == 0);
        // Per item a target box, the item and a home slot; three buttons; the labels, line, pictures.
        const qsizetype controls = 3 * qsizetype(activity.items.size()) + 3 + qsizetype(activity.labels.size())
                                   + (activity.line ? 1 : 0) + qsizetype(activity.pictures.size());
        check(stacking.size() == controls);
    }
    for (const QString& button : {topic.labelling, topic.ordering}) {
        if (button.isEmpty())
            continue;
        bool found = false;
        for (const bs::ActivityDefinition& activity : topic.activities)
            found = found || activity.formName == button;
        check(found);
    }
    return 0;
}
