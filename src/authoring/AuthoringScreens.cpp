#include "authoring/AuthoringScreens.h"

#include "app/Screens.h"
#include "authoring/Wizard.h"
#include "authoring/Worksheets.h"

namespace bs {

void registerAuthoringScreens(Screens& screens)
{
    screens.registerScreen<Wizard>(QStringLiteral("wizard"));
    screens.registerScreen<Worksheets>(QStringLiteral("worksheets"));
}

} // namespace bs
