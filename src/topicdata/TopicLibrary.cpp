#include "topicdata/TopicLibrary.h"

#include "topicdata/TopicFile.h"
#include "worksheetdata/Worksheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace bs {

// The bytes of a topic file, refused (as `shown`) when unreadable or larger than one can be.
static QByteArray topicFileBytes(const QString& path, const QString& shown)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TopicFileError(shown, QString(), QStringLiteral("cannot be read"));
    if (file.size() > MaxTopicFileBytes)
        throw TopicFileError(shown, QString(), QStringLiteral("is larger than a topic file can be"));
    return file.readAll();
}

TopicLibrary::TopicLibrary(QString folder) : m_folder(std::move(folder)) {}

void TopicLibrary::setLanguage(const QString& code)
{
    m_language = code == QLatin1String("en") ? QString() : code;
}

const std::vector<Topic>& TopicLibrary::variants(const QString& code)
{
    load();
    if (const auto found = m_variants.find(code); found != m_variants.end())
        return found->second;
    std::vector<Topic>& topics = m_variants[code];
    topics = m_topics;
    const QDir folder(m_folder);
    const QDir languageFolder(folder.filePath(code));
    const QStringList files = languageFolder.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : files) {
        const QString shown = code + u'/' + name;
        try {
            Topic variant = readTopicVariant(topicFileBytes(languageFolder.filePath(name), shown), shown, m_topics);
            if (variant.formName + QStringLiteral(".json") != name)
                throw TopicFileError(shown, QStringLiteral("form"), QStringLiteral("must match the file's name"));
            for (Topic& topic : topics) {
                if (topic.formName == variant.formName)
                    topic = std::move(variant);
            }
        } catch (const TopicFileError& error) {
            m_problems << error.message();
            qWarning("Topic file refused: %s", qUtf8Printable(QDir::toNativeSeparators(folder.filePath(error.message()))));
        }
    }
    return topics;
}

void TopicLibrary::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    const QDir folder(m_folder);
    const QStringList files = folder.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : files) {
        try {
            Topic topic = readTopicFile(topicFileBytes(folder.filePath(name), name), name);
            if (topic.formName + QStringLiteral(".json") != name)
                throw TopicFileError(name, QStringLiteral("form"), QStringLiteral("must match the file's name"));
            // Form names are one namespace with the activities; a place and topic has one page.
            for (const Topic& other : m_topics) {
                if (other.place == topic.place && other.topic == topic.topic)
                    throw TopicFileError(name, QStringLiteral("topic"),
                                         QStringLiteral("%1 / %2 is already the topic of %3").arg(topic.place, topic.topic, other.fileName));
                QStringList otherNames{other.formName};
                for (const ActivityDefinition& activity : other.activities)
                    otherNames << activity.formName;
                for (int i = 0; i < int(topic.activities.size()); ++i) {
                    if (otherNames.contains(topic.activities[i].formName))
                        throw TopicFileError(name, QStringLiteral("activities[%1].form").arg(i),
                                             QStringLiteral("%1 is already a form of %2").arg(topic.activities[i].formName, other.fileName));
                }
                if (otherNames.contains(topic.formName))
                    throw TopicFileError(name, QStringLiteral("form"),
                                         QStringLiteral("%1 is already a form of %2").arg(topic.formName, other.fileName));
            }
            m_topics.push_back(std::move(topic));
        } catch (const TopicFileError& error) {
            m_problems << error.message();
            qWarning("Topic file refused: %s", qUtf8Printable(QDir::toNativeSeparators(folder.filePath(error.message()))));
        }
    }
}

const std::vector<Topic>& TopicLibrary::topics()
{
    load();
    return m_language.isEmpty() ? m_topics : variants(m_language);
}

const QStringList& TopicLibrary::problems()
{
    load();
    return m_problems;
}

const Topic* TopicLibrary::topicAt(const QString& place, const QString& topic)
{
    for (const Topic& candidate : topics()) {
        if (candidate.place == place && candidate.topic == topic)
            return &candidate;
    }
    return nullptr;
}

const Topic* TopicLibrary::topicNamed(const QString& formName)
{
    for (const Topic& candidate : topics()) {
        if (candidate.formName == formName)
            return &candidate;
    }
    for (const Topic* candidate : m_own) {
        if (candidate->formName == formName)
            return candidate;
    }
    return nullptr;
}

const Topic* TopicLibrary::topicOfActivity(const QString& formName)
{
    for (const Topic& candidate : topics()) {
        for (const ActivityDefinition& activity : candidate.activities) {
            if (activity.formName == formName)
                return &candidate;
        }
    }
    for (const Topic* candidate : m_own) {
        for (const ActivityDefinition& activity : candidate->activities) {
            if (activity.formName == formName)
                return candidate;
        }
    }
    return nullptr;
}

const ActivityDefinition* TopicLibrary::activityNamed(const QString& formName)
{
    if (const Topic* topic = topicOfActivity(formName)) {
        for (const ActivityDefinition& activity : topic->activities) {
            if (activity.formName == formName)
                return &activity;
        }
    }
    return nullptr;
}

Topic ownTopicPage(const OwnTopic& own, const QString& fileName, const QString& formName, const QString& folder)
{
    Topic topic;
    topic.fileName = fileName;
    topic.formName = formName;
    topic.title = own.title;
    // Where most shipped pages have theirs: the title left of the top buttons, the panorama
    // and its scroll bar below.
    topic.titleTwips = QRect(240, 0, 6000, 1380);
    topic.titleAlignment = Qt::AlignLeft;
    topic.panorama = folder + u'/' + own.panorama;
    topic.imageTop = 1440;
    topic.frameTop = 6765;
    topic.scrollWidth = 5765;
    topic.worksheetTitle = own.worksheet;
    if (!own.worksheet.isEmpty())
        topic.worksheet = QStringLiteral("multiple/") + worksheetFileName(own.worksheet);
    topic.quizPicture = topic.panorama;
    topic.activities = ownTopicActivities(own, formName, folder);
    for (const ActivityDefinition& activity : topic.activities) {
        if (activity.formName == formName + QStringLiteral("lab"))
            topic.labelling = activity.formName;
        else if (activity.formName == formName + QStringLiteral("ord"))
            topic.ordering = activity.formName;
    }
    topic.own = true;
    topic.keyFactsText = own.keyFacts;
    topic.notesText = own.notes;
    topic.language = own.language;
    return topic;
}

std::vector<TopicLibrary::OwnEntry> TopicLibrary::readOwnTopics(const OwnTopicStore& store, const QString& folder)
{
    std::vector<OwnEntry> entries;
    std::vector<const Topic*> current;
    for (const OwnTopicStore::Entry& entry : store.list()) {
        if (!entry.topic) {
            entries.push_back({entry.fileName, nullptr, entry.problem});
            continue;
        }
        QString& form = m_ownForms[entry.fileName];
        if (form.isEmpty())
            form = QStringLiteral("own%1").arg(m_ownForms.size());
        // The same version as last read is kept as it is; a changed one is added beside it.
        auto& [source, kept] = m_ownLatest[form];
        if (!kept || source != *entry.topic) {
            m_ownVersions.push_back(ownTopicPage(*entry.topic, entry.fileName, form, folder));
            source = *entry.topic;
            kept = &m_ownVersions.back();
        }
        current.push_back(kept);
        entries.push_back({entry.fileName, kept, {}});
    }
    m_own = std::move(current);
    return entries;
}

} // namespace bs
