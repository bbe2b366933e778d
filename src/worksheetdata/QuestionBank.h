#pragma once

#include <QString>
#include <array>

namespace bs {

// The loaded worksheet as the screens share it. Index n holds question n (1 to 10);
// index 0 is never used.
struct QuestionBank
{
    static constexpr int QuestionCount = 10;
    using Texts = std::array<QString, QuestionCount + 1>;

    Texts question;
    Texts answera;
    Texts answerb;
    Texts answerc;
    Texts answerd;
    Texts correct; // the right answer as the digit "1" to "4" (A to D), as read
    QString worktitle;
};

// The catalogue of teacher-made worksheets as last read. Titles 1 to workcount; 0 unused.
struct CatalogueList
{
    static constexpr int CatalogueLimit = 1000;

    int workcount = 0;
    std::array<QString, CatalogueLimit + 1> worklist;
};

} // namespace bs
