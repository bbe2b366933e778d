#include "authoring/AuthoringScreens.h"

#include "authoring/Wizard.h"
#include "authoring/Worksheets.h"
#include "base/Names.h"
#include "ui/Screens.h"

namespace bs {

void registerAuthoringScreens(Screens& screens)
{
    screens.registerScreen<Wizard>(screenName::wizard);
    screens.registerScreen<Worksheets>(screenName::catalogue);
}

} // namespace bs
