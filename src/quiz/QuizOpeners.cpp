#include "quiz/QuizOpeners.h"

#include "app/Program.h"
#include "app/Screens.h"
#include "quiz/Multiple.h"

#include <QLabel>

namespace bs {

void openQuiz(Program& program, const Picture& picture, const QString& heading)
{
    Screens& screens = program.screens();
    screens.get<Multiple>(QStringLiteral("multiple")).Picture1->setPicture(picture);
    screens.get<Multiple>(QStringLiteral("multiple")).Label5->setText(heading);
    screens.show(QStringLiteral("multiple"));
}

} // namespace bs
