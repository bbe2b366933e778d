#include "app/ScreenCatalog.h"

#include "activities/ActivitiesScreens.h"
#include "app/AppScreens.h"
#include "authoring/AuthoringScreens.h"
#include "classresults/ClassResultsScreens.h"
#include "owntopics/OwnTopicsScreens.h"
#include "quiz/QuizScreens.h"
#include "topics/TopicsScreens.h"

namespace bs {

void registerAllScreens(Screens& screens)
{
    registerAppScreens(screens);
    registerTopicsScreens(screens);
    registerQuizScreens(screens);
    registerActivitiesScreens(screens);
    registerAuthoringScreens(screens);
    registerOwnTopicsScreens(screens);
    registerClassResultsScreens(screens);
}

} // namespace bs
