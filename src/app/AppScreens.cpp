#include "app/AppScreens.h"

#include "app/Grey.h"
#include "app/Screens.h"
#include "app/Titlefrm.h"

namespace bs {

void registerAppScreens(Screens& screens)
{
    screens.registerScreen<Grey>(QStringLiteral("Grey"));
    screens.registerScreen<Titlefrm>(QStringLiteral("Titlefrm"));
}

} // namespace bs
