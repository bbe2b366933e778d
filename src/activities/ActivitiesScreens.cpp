#include "activities/ActivitiesScreens.h"

#include "app/Screens.h"

namespace bs {

void registerActivitiesScreens(Screens&)
{
}

} // namespace bs
