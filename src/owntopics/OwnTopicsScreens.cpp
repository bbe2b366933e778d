#include "owntopics/OwnTopicsScreens.h"

#include "ui/Screens.h"

namespace bs {

void registerOwnTopicsScreens(Screens& screens)
{
    (void)screens;
}

} // namespace bs
