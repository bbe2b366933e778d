#pragma once

#include "worksheetdata/QuestionBank.h"

#include <QString>
#include <array>

namespace bs {

// The variables every screen shares. Numbers start at 0, which also stands for "never set":
// the program never needs to tell the two apart. Element 0 of every array is unused.
// The question bank (question, answera..answerd, correct, worktitle) and the catalogue
// (workcount, worklist) are the data layer's own types, so its routines fill them directly.
struct ProgramState : QuestionBank, CatalogueList
{
    // The quiz or activity in progress and the last result.
    int questno = 0;
    std::array<int, QuestionCount + 1> mark{};
    int score = 0;
    int outof = 0;
    QString certtitle;

    // The catalogue screen.
    int catpage = 0;
    QString deltitle;

    int soundon = 0; // cues play only when this is exactly 1

    // The notes and guide viewers.
    int notepage = 0;
    int notepages = 0;
    QString notekey;
    int logoframe = 0;

    // The class's results, when they are kept: the pupil named for this run (empty until the
    // first quiz or activity asks), the topic page whose quiz is open (its form name; empty for
    // a teacher's worksheet), and whether a failed save has been told already.
    QString pupilname;
    QString pupilclass;
    QString quizpage;
    bool resultnotsaved = false;
};

} // namespace bs
