#include "quiz/QuizOpeners.h"

#include "base/Names.h"
#include "quiz/Multiple.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QLabel>

namespace bs {

void openQuiz(Program& program, const Picture& picture, const QString& heading)
{
    Screens& screens = program.screens();
    screens.get<Multiple>(screenName::quiz).Picture1->setPicture(picture);
    screens.get<Multiple>(screenName::quiz).Label5->setText(heading);
    screens.show(screenName::quiz);
}

} // namespace bs
