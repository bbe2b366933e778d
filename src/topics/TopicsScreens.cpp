#include "topics/TopicsScreens.h"

#include "app/Screens.h"
#include "topics/Guide.h"
#include "topics/Teacher.h"
#include "topics/TopicPage.h"
#include "topics/Topics.h"

namespace bs {

void registerTopicsScreens(Screens& screens)
{
    for (const Topic& topic : topics())
        screens.registerScreen<TopicPage>(topic.formName);
    screens.registerScreen<Teacher>(QStringLiteral("teacher"));
    screens.registerScreen<Guide>(QStringLiteral("guide"));
}

} // namespace bs
