#include "quiz/QuizScreens.h"

#include "base/Names.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "ui/Screens.h"

namespace bs {

void registerQuizScreens(Screens& screens)
{
    screens.registerScreen<Multiple>(screenName::quiz);
    screens.registerScreen<Welldone>(screenName::results);
    screens.registerScreen<Wrong>(screenName::wrongAnswers);
}

} // namespace bs
