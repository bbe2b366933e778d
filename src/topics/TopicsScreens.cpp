#include "topics/TopicsScreens.h"

#include "app/Program.h"
#include "app/Screens.h"
#include "topics/Guide.h"
#include "topics/Teacher.h"
#include "topics/TopicPage.h"

namespace bs {

void registerTopicsScreens(Screens& screens)
{
    screens.registerSource([](Program& program, const QString& formName) -> Screens::Factory {
        if (!program.topicLibrary().topicNamed(formName))
            return {};
        return [](Program& owner, const QString& name) -> Screen* { return new TopicPage(owner, name); };
    });
    screens.registerScreen<Teacher>(QStringLiteral("teacher"));
    screens.registerScreen<Guide>(QStringLiteral("guide"));
}

} // namespace bs
