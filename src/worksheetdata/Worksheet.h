#pragma once

#include "worksheetdata/QuestionBank.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace bs {

class FieldReader;

// Reads one worksheet (72 fields) into the bank. Each entry is replaced as it is read, so a
// short file leaves the entries before the missing field replaced and the rest as they were;
// the missing field throws DataError to the caller.
void loadworksheet(FieldReader& in, QuestionBank& bank);

// A worksheet as the wizard holds it: texts exactly as typed; correct is 1 to 4 (A to D).
struct WorksheetText
{
    struct Question
    {
        QString text;
        std::array<QString, 4> answers;
        int correct = 1;
    };
    QString title;
    std::array<Question, QuestionBank::QuestionCount> questions;
};

// The 72-line file for a worksheet, byte for byte: Windows-1252, CR LF, commas stored as "&".
QByteArray worksheetBytes(const WorksheetText& worksheet);

// Why a title cannot name a worksheet file safely, as a message for the teacher; empty when it can.
QString titleProblem(const QString& title);

// The file name of a worksheet: the title exactly as typed, then ".txt".
QString worksheetFileName(const QString& title);

// Writes multipleDir/<title>.txt whole, replacing any old file only once the new one is
// complete. Throws DataError for a refused title (nothing written) or a failed write (the old
// file untouched).
void writeWorksheetFile(const QString& multipleDir, const WorksheetText& worksheet);

} // namespace bs
