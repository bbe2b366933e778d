#include "classresults/ClassResultsScreens.h"

#include "ui/Screens.h"

namespace bs {

void registerClassResultsScreens(Screens& screens)
{
    (void)screens;
}

} // namespace bs
