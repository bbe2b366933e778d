#include "quiz/QuizScreens.h"

#include "app/Screens.h"

namespace bs {

void registerQuizScreens(Screens&)
{
}

} // namespace bs
