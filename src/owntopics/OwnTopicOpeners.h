#pragma once

#include <QString>

namespace bs {

class Program;

// The ways into the school's own topics.
void openOurTopics(Program& program);                          // the "Our Topics" list
void openTopicMaker(Program& program, const QString& title);   // empty title: a new topic
// Export asks where to write the archive of the topic titled title; import asks for an archive
// and brings its topic (and worksheet) into the folders, asking before it replaces anything.
// Both report what happened with a message; import returns true when a topic came in.
void exportOwnTopic(Program& program, const QString& title);
bool importOwnTopic(Program& program);

} // namespace bs
