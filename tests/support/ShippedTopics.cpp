#include "support/ShippedTopics.h"

#include <algorithm>

namespace bs::test {

TopicLibrary& shippedTopics()
{
    static TopicLibrary library(QStringLiteral(BS_CONTENT_DIR "/topics"));
    return library;
}

TopicLibrary& shippedTopicsInWelsh()
{
    static TopicLibrary library = [] {
        TopicLibrary welsh(QStringLiteral(BS_CONTENT_DIR "/topics"));
        welsh.setLanguage(QStringLiteral("cy"));
        return welsh;
    }();
    return library;
}

std::vector<Topic> welshTopicPages()
{
    std::vector<Topic> topics;
    std::ranges::copy_if(shippedTopicsInWelsh().topics(), std::back_inserter(topics),
                         [](const Topic& topic) { return topic.keyFactsKey.startsWith(QStringLiteral("cy ")); });
    return topics;
}

std::vector<Topic> everyTopicPage()
{
    std::vector<Topic> topics = shippedTopics().topics();
    std::ranges::move(welshTopicPages(), std::back_inserter(topics));
    return topics;
}

} // namespace bs::test
