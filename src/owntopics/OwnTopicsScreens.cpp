#include "owntopics/OwnTopicsScreens.h"

#include "ui/Screens.h"

// The topic maker.
#include "base/Names.h"
#include "owntopics/TopicMaker.h"

namespace bs {

void registerOwnTopicsScreens(Screens& screens)
{
    (void)screens;
    // The topic maker.
    screens.registerScreen<TopicMaker>(screenName::topicMaker);
}

} // namespace bs
