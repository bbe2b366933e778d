#include "owntopics/OwnTopicOpeners.h"

namespace bs {

void openOurTopics(Program&) {}

} // namespace bs
