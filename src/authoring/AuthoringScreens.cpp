#include "authoring/AuthoringScreens.h"

#include "app/Screens.h"

namespace bs {

void registerAuthoringScreens(Screens&)
{
}

} // namespace bs
