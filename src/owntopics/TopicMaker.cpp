#include "owntopics/OwnTopicOpeners.h"

namespace bs {

void openTopicMaker(Program&, const QString&) {}

} // namespace bs
