#include "app/AppScreens.h"

#include "app/Grey.h"
#include "app/Intro0.h"
#include "app/Screens.h"
#include "app/Titlefrm.h"

namespace bs {

void registerAppScreens(Screens& screens)
{
    screens.registerScreen<Grey>(QStringLiteral("Grey"));
    screens.registerScreen<Titlefrm>(QStringLiteral("Titlefrm"));
    screens.registerScreen<Intro0>(QStringLiteral("intro0"));
}

} // namespace bs
