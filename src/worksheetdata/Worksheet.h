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

// Why a worksheet's texts cannot be stored, as a message for the teacher (a character neither
// in Windows-1252 nor a Welsh letter of base/TextFile.h, a line break or other control
// character, a correct answer not 1 to 4); empty when they can. The title's use as a file name
// is titleProblem's concern.
QString worksheetProblem(const WorksheetText& worksheet);

// The 72-line file for a worksheet, byte for byte: Windows-1252 (UTF-8 after a byte-order mark
// when a text holds ŵ, ŷ or another Welsh letter that code page lacks), CR LF, commas stored
// as "&". Throws DataError with worksheetProblem's message when the texts cannot be stored.
QByteArray worksheetBytes(const WorksheetText& worksheet);

// The longest title accepted: well inside every file system's limit on a name.
constexpr int MaxTitleLength = 100;

// Why a title cannot name a worksheet file and a catalogue line safely, as a message for the
// teacher; empty when it can. Refused: empty or over-long titles, path separators and the
// other characters Windows refuses in names, control characters, characters neither in
// Windows-1252 nor Welsh letters, leading spaces or full stops, trailing spaces or full stops,
// the names Windows keeps for devices, and "track" (the catalogue's own file).
QString titleProblem(const QString& title);

// The file name of a worksheet: the title exactly as typed, then ".txt".
QString worksheetFileName(const QString& title);

// Writes multipleDir/<title>.txt whole, replacing any old file only once the new one is
// complete. Throws DataError for a title that titleProblem refuses or texts that
// worksheetProblem refuses (nothing written), or a failed write (the old file untouched).
void writeWorksheetFile(const QString& multipleDir, const WorksheetText& worksheet);

} // namespace bs
