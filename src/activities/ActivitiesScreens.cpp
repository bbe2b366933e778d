#include "activities/ActivitiesScreens.h"

#include "activities/ActivityScreen.h"
#include "app/Screens.h"

namespace bs {

void registerActivitiesScreens(Screens& screens)
{
    for (const QString& formName : activityFormNames())
        screens.registerScreen<ActivityScreen>(formName);
}

} // namespace bs
