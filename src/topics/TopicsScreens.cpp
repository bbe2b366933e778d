#include "topics/TopicsScreens.h"

#include "app/Screens.h"

namespace bs {

void registerTopicsScreens(Screens&)
{
}

} // namespace bs
