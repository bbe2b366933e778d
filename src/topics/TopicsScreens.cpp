#include "topics/TopicsScreens.h"

#include "base/Names.h"
#include "topics/Guide.h"
#include "topics/Teacher.h"
#include "topics/TopicPage.h"
#include "ui/Program.h"
#include "ui/Screens.h"

namespace bs {

void registerTopicsScreens(Screens& screens)
{
    screens.registerSource([](Program& program, const QString& formName) -> Screens::Factory {
        if (!program.topicLibrary().topicNamed(formName))
            return {};
        return [](Program& owner, const QString& name) -> Screen* { return new TopicPage(owner, name); };
    });
    screens.registerScreen<Teacher>(screenName::notes);
    screens.registerScreen<Guide>(screenName::guide);
}

} // namespace bs
