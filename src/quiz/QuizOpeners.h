#pragma once

#include <QString>
#include <QStringList>

namespace bs {

class Picture;
class Program;

// Opens the quiz on the question bank already loaded: touches the quiz screen (its load event
// shows question 1), gives it its small picture and heading line, and shows it.
void openQuiz(Program& program, const Picture& picture, const QString& heading);

// What a finished quiz adds to its result: the heading its certificate carries, the
// worksheet's title and the lines of the wrong-answers screen from the top.
struct QuizOutcome
{
    QString certificateTitle;
    QString worksheetTitle;
    QStringList wrongLines;
};

// The one way to the results screen, for a quiz (with its outcome) or an activity (without):
// sets the shared score and outof it states, starts it and the wrong-answers screen afresh and
// shows it. A quiz's result also offers the wrong answers and hides the activities' advice.
void openResults(Program& program, int score, int outof, const QuizOutcome* quiz = nullptr);

} // namespace bs
