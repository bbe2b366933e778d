#include "app/AppScreens.h"

#include "app/Intro0.h"
#include "app/Titlefrm.h"
#include "base/Names.h"
#include "ui/Screens.h"

namespace bs {

void registerAppScreens(Screens& screens)
{
    screens.registerScreen<Titlefrm>(screenName::title);
    screens.registerScreen<Intro0>(screenName::menu);
}

} // namespace bs
