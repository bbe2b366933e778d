#pragma once

#include <QString>

namespace bs {

class PrintJob;
struct QuestionBank;

// What a worksheet adds when it goes out in a topic pack for pupils to write on.
struct WorksheetPaper
{
    bool nameAndDate = false; // "Name" and "Date" lines in place of the blank line under the header
    bool tickBoxes = false;   // an empty box before each of the four answers
};

// The printed worksheet: a header line, the heading and the title centred, and the ten
// questions with their four answers two by two; never the right answers. Written from the top
// of the job's current page; the caller ends the document (or starts the next page).
void writeWorksheet(PrintJob& page, const QString& heading, const QString& title, const QuestionBank& bank,
                    WorksheetPaper paper = {});

} // namespace bs
