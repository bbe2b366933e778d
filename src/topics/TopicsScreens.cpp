#include "topics/TopicsScreens.h"

#include "base/Names.h"
#include "topics/NotesViewer.h"
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
    // One viewer class under both names; the form name tells the guide from the notes.
    screens.registerScreen<NotesViewer>(screenName::notes);
    screens.registerScreen<NotesViewer>(screenName::guide);
}

} // namespace bs
