#pragma once

#include "topicdata/Topic.h"

#include <QString>
#include <QStringList>
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

private:
    void load();
    const std::vector<Topic>& variants(const QString& code);

    QString m_folder;
    QString m_language;
    bool m_loaded = false;
    std::vector<Topic> m_topics;
    std::map<QString, std::vector<Topic>> m_variants; // by language code; kept, so pointers stay good
    QStringList m_problems;
};

} // namespace bs
