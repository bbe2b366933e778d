#include "classresults/ClassResultsScreens.h"

#include "base/Names.h"
#include "classresults/ClassLists.h"
#include "classresults/ClassResults.h"
#include "ui/Screens.h"

namespace bs {

void registerClassResultsScreens(Screens& screens)
{
    screens.registerScreen<ClassResults>(screenName::classResults);
    screens.registerScreen<ClassLists>(screenName::classLists);
}

} // namespace bs
