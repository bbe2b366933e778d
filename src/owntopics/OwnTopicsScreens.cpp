#include "owntopics/OwnTopicsScreens.h"

#include "base/Names.h"
#include "owntopics/OurTopics.h"
#include "owntopics/TopicMaker.h"
#include "ui/Screens.h"

namespace bs {

void registerOwnTopicsScreens(Screens& screens)
{
    screens.registerScreen<OurTopics>(screenName::ourTopics);
    screens.registerScreen<TopicMaker>(screenName::topicMaker);
}

} // namespace bs
