#include "quiz/QuizOpeners.h"

#include "base/Names.h"
#include "quiz/Multiple.h"
#include "quiz/PupilResults.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "ui/LabelButton.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QLabel>

namespace bs {

void openQuiz(Program& program, const Picture& picture, const QString& heading, const QString& topicPage)
{
    if (!pupilNamedFirst(program))
        return;
    program.state.quizpage = topicPage;
    Screens& screens = program.screens();
    screens.get<Multiple>(screenName::quiz).Picture1->setPicture(picture);
    screens.get<Multiple>(screenName::quiz).Label5->setText(heading);
    screens.show(screenName::quiz);
}

void openResults(Program& program, int score, int outof, const QuizOutcome* quiz, const QString& activity)
{
    ProgramState& state = program.state;
    state.score = score;
    state.outof = outof;
    Screens& screens = program.screens();
    // A results or wrong-answers screen left open from an earlier result would keep its old
    // score and lines: every result starts from fresh screens.
    screens.unload(screenName::wrongAnswers);
    screens.unload(screenName::results);
    if (quiz) {
        auto& wrong = screens.get<Wrong>(screenName::wrongAnswers);
        for (int k = 0; k < quiz->wrongLines.size(); ++k) {
            if (QLabel* line = wrong.Label2(k)) {
                line->setText(quiz->wrongLines[k]);
                line->show();
            }
        }
        state.certtitle = quiz->certificateTitle;
        wrong.Label6->setText(quiz->worksheetTitle);
        // The list is read with the screen.
        QStringList heard{wrong.Label4->text()};
        for (const QString& line : quiz->wrongLines)
            heard << line.trimmed();
        wrong.setAccessibleDescription(heard.join(u' '));
    }
    // Loading states the score; a quiz then shows what only its result has.
    auto& welldone = screens.get<Welldone>(screenName::results);
    if (quiz) {
        welldone.Label6->hide();
        welldone.Label5->show();
        welldone.Label3(0)->show();
    }
    screens.show(screenName::results);
    recordResult(program, score, outof, quiz, activity);
}

} // namespace bs
