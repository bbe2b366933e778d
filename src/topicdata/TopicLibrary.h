#pragma once

#include "topicdata/Topic.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace bs {

// Every topic file of one folder, read the first time any is asked for: nothing is read at
// start-up. Refused files are left out, each with one problem line (also sent to standard
// error); the rest of the folder stands.
class TopicLibrary
{
public:
    explicit TopicLibrary(QString folder);

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

    QString m_folder;
    bool m_loaded = false;
    std::vector<Topic> m_topics;
    QStringList m_problems;
};

} // namespace bs
