#include "quiz/QuizScreens.h"

#include "app/Screens.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"

namespace bs {

void registerQuizScreens(Screens& screens)
{
    screens.registerScreen<Multiple>(QStringLiteral("multiple"));
    screens.registerScreen<Welldone>(QStringLiteral("Welldone"));
    screens.registerScreen<Wrong>(QStringLiteral("Wrong"));
}

} // namespace bs
