#include "topics/Topics.h"

namespace bs {

const std::vector<Topic>& topics()
{
    static const std::vector<Topic> table{
        {
            .formName = QStringLiteral("scilly1"),
            .menuEntry = 4,
            .title = QStringLiteral("Isles of Scilly: History"),
            .titleTwips = QRect(240, 0, 6000, 900),
            .titleAlignment = Qt::AlignLeft | Qt::AlignTop,
            .panorama = QStringLiteral("images\\stmary.jpg"),
            .imageTop = 1440,
            .frameTop = 6765,
            .scrollWidth = 5765,
            .worksheet = QStringLiteral("multiple\\Isles of Scilly - History.txt"),
            .quizPicture = QStringLiteral("images\\stmarysm.jpg"),
            .labelling = QStringLiteral("scilly1lab"),
            .ordering = QStringLiteral("scilly1ord"),
            .keyFactsKey = QStringLiteral("key scilly1"),
            .keyFactsFirstPage = QStringLiteral("key scilly1a.wmf"),
            .notesKey = QStringLiteral("scilly1"),
            .notesPage = QStringLiteral("scilly1.wmf"),
        },
        {
            .formName = QStringLiteral("scilly2"),
            .menuEntry = 5,
            .title = QStringLiteral("Isles of Scilly: Physical Geography"),
            .titleTwips = QRect(240, 0, 4800, 1380),
            .titleAlignment = Qt::AlignHCenter | Qt::AlignTop,
            .panorama = QStringLiteral("images\\tresco.jpg"),
            .imageTop = 1560,
            .frameTop = 6760,
            .scrollWidth = 5775,
            .worksheet = QStringLiteral("multiple\\Isles of Scilly - Physical Geography.txt"),
            .quizPicture = QStringLiteral("images\\trescosm.jpg"),
            .labelling = QStringLiteral("scilly2lab"),
            .ordering = QStringLiteral("scilly2ord"),
            .keyFactsKey = QStringLiteral("key scilly2"),
            .keyFactsFirstPage = QStringLiteral("key scilly2a.wmf"),
            .notesKey = QStringLiteral("scilly2"),
            .notesPage = QStringLiteral("scilly2.wmf"),
        },
    };
    return table;
}

const Topic* topicByFormName(const QString& formName)
{
    for (const Topic& topic : topics()) {
        if (topic.formName == formName)
            return &topic;
    }
    return nullptr;
}

const Topic* topicForMenuEntry(int menuEntry)
{
    for (const Topic& topic : topics()) {
        if (topic.menuEntry == menuEntry)
            return &topic;
    }
    return nullptr;
}

} // namespace bs
