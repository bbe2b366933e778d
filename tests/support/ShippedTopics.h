#pragma once

#include "topicdata/TopicLibrary.h"

#include <vector>

// The topics as shipped in the project's content/, each library read once.
namespace bs::test {

TopicLibrary& shippedTopics();
// With Welsh chosen: the Welsh pages where they are written, the English elsewhere.
TopicLibrary& shippedTopicsInWelsh();
// The topic pages written in Welsh.
std::vector<Topic> welshTopicPages();
// Every topic page as shipped: the English, then each Welsh one.
std::vector<Topic> everyTopicPage();

} // namespace bs::test
