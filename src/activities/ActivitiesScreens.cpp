#include "activities/ActivitiesScreens.h"

#include "activities/ActivityScreen.h"
#include "ui/Program.h"
#include "ui/Screens.h"

namespace bs {

void registerActivitiesScreens(Screens& screens)
{
    screens.registerSource([](Program& program, const QString& formName) -> Screens::Factory {
        if (!program.topicLibrary().activityNamed(formName))
            return {};
        return [](Program& owner, const QString& name) -> Screen* { return new ActivityScreen(owner, name); };
    });
}

} // namespace bs
