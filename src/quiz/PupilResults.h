#pragma once

#include <QString>

namespace bs {

class Program;
struct QuizOutcome;

// The class's results on the pupil's side: whether they are kept, who the pupil is, and the
// one record each finished quiz or activity adds to the results folder. With results not kept
// nothing here asks, shows or writes anything.

// The results folder beside the worksheets ("results" in the content folder).
QString resultsFolder(Program& program);

// Whether results are kept now: the results folder's switch, else the machine's setting.
bool keepingResults(Program& program);

// Before a quiz or activity opens: true when it may open. With results kept and no pupil named
// yet in this run, the pupil is asked first; false when they cancel.
bool pupilNamedFirst(Program& program);

// Asks the pupil who they are (from the class lists, or typed) and keeps the answer for the rest
// of the run; false, and the pupil kept as before, when they cancel.
bool askPupilName(Program& program);

// Adds the record of a finished quiz (quiz given) or activity (its form name) for the pupil
// named, when results are kept. A record that cannot be written is told once a run; the pupil
// carries on.
void recordResult(Program& program, int score, int outof, const QuizOutcome* quiz, const QString& activity);

} // namespace bs
