#pragma once

#include <QString>

#include <array>

namespace bs {

// The variables every screen shares. Numbers start at 0, which also stands for "never set":
// the program never needs to tell the two apart. Element 0 of every array is unused.
struct ProgramState
{
    static constexpr int QuestionCount = 10;
    static constexpr int CatalogueLimit = 1000;

    using QuestionTexts = std::array<QString, QuestionCount + 1>;

    // The question bank of the loaded worksheet.
    QuestionTexts question;
    QuestionTexts answera;
    QuestionTexts answerb;
    QuestionTexts answerc;
    QuestionTexts answerd;
    QuestionTexts correct; // "1" to "4" for A to D
    QString worktitle;

    // The quiz or activity in progress and the last result.
    int questno = 0;
    std::array<int, QuestionCount + 1> mark{};
    int score = 0;
    int outof = 0;
    QString certtitle;

    // The worksheet catalogue.
    int workcount = 0;
    std::array<QString, CatalogueLimit + 1> worklist;
    int catpage = 0;
    QString deltitle;

    int soundon = 0; // cues play only when this is exactly 1

    // The notes and guide viewers.
    int notepage = 0;
    int notepages = 0;
    QString notekey;
    int logoframe = 0;
};

} // namespace bs
