#include "owntopics/OwnTopicOpeners.h"

namespace bs {

void exportOwnTopic(Program&, const QString&) {}
bool importOwnTopic(Program&) { return false; }

} // namespace bs
