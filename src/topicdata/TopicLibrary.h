#pragma once

#include "topicdata/OwnTopicStore.h"
#include "topicdata/Topic.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <map>
#include <vector>

namespace bs {

// Every topic file of one folder, read the first time any is asked for: nothing is read at
// start-up. Refused files are left out, each with one problem line (also sent to standard
// error); the rest of the folder stands. A language other than English is read from the
// folder named by its code beside the topic files (topics/cy/) the first time it is chosen;
// a topic without a variant there, or with a refused one, stays English.
class TopicLibrary
{
public:
    explicit TopicLibrary(QString folder);

    // The language whose topics the lookups give: "cy"; "en" or empty for the English files.
    void setLanguage(const QString& code);

    // The page the menu opens for this place and topic, or nullptr.
    const Topic* topicAt(const QString& place, const QString& topic);
    const Topic* topicNamed(const QString& formName);
    const ActivityDefinition* activityNamed(const QString& formName);
    // The topic that holds this activity, or nullptr.
    const Topic* topicOfActivity(const QString& formName);

    const std::vector<Topic>& topics();
    const QStringList& problems();

    // The school's own topics, read afresh from the store: each topic file becomes a Topic
    // named "own1", "own2", ... (one name per file name for the whole run) that the lookups
    // above find too, whatever the language. Every version read stays for the run, so a
    // screen's Topic is never freed by a later reading. folder is the topics' content path
    // ("ourtopics").
    struct OwnEntry
    {
        QString fileName;
        const Topic* topic = nullptr; // nullptr when the file was refused
        QString problem;
    };
    std::vector<OwnEntry> readOwnTopics(const OwnTopicStore& store, const QString& folder);
    // The own topics as last read, in the store's order.
    const std::vector<const Topic*>& ownTopics() const { return m_own; }

private:
    void load();
    const std::vector<Topic>& variants(const QString& code);

    QString m_folder;
    QString m_language;
    bool m_loaded = false;
    std::vector<Topic> m_topics;
    std::map<QString, std::vector<Topic>> m_variants; // by language code; kept, so pointers stay good
    QStringList m_problems;
    std::deque<Topic> m_ownVersions;          // every own topic read this run
    std::vector<const Topic*> m_own;          // those of the last reading
    std::map<QString, QString> m_ownForms;    // file name to form name
    std::map<QString, std::pair<OwnTopic, const Topic*>> m_ownLatest; // by form name: the newest read
};

// An own topic as a topic page: formName its page, folder the content path of its folder.
Topic ownTopicPage(const OwnTopic& topic, const QString& fileName, const QString& formName, const QString& folder);

} // namespace bs
