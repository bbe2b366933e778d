#pragma once

#include <QString>
#include <QStringList>

namespace bs {

class Picture;
class Program;

// Opens the quiz on the question bank already loaded: touches the quiz screen (its load event
// shows question 1), gives it its small picture and heading line, and shows it. topicPage is
// the form name of the topic page it is opened from (empty for a teacher's worksheet), which
// the pupil's record names. When results are kept the pupil is named first; if they cancel,
// nothing opens.
void openQuiz(Program& program, const Picture& picture, const QString& heading, const QString& topicPage = {});

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
// activity is the form name of the activity whose result it is. When results are kept, the
// result is added to the pupil's records.
void openResults(Program& program, int score, int outof, const QuizOutcome* quiz = nullptr,
                 const QString& activity = {});

} // namespace bs
