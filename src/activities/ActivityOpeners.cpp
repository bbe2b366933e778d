#include "activities/ActivityOpeners.h"

#include "activities/ActivityScreen.h"
#include "quiz/PupilResults.h"
#include "ui/Program.h"
#include "ui/Screens.h"

namespace bs {

void openActivity(Program& program, const QString& formName, const QString& heading)
{
    if (!pupilNamedFirst(program))
        return;
    Screens& screens = program.screens();
    // The first touch loads the activity, so its load event runs before the heading is set.
    screens.get<ActivityScreen>(formName).setHeading(heading);
    screens.show(formName);
}

} // namespace bs
