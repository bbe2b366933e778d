#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace bs {

class Content;
class Pictures;
class PrintJob;
class Program;
struct Topic;

// The pieces of a topic pack, in the order they print. Pupil sheets come in as many copies as
// the teacher asks for; the rest once.
enum class PackPiece { Notes, KeyFacts, Worksheet, Labelling, Ordering, AnswerKey };

// The pieces a topic offers: all six, less the labelling or ordering sheet of a topic without
// that activity.
std::vector<PackPiece> packPieces(const Topic& topic);
QString packPieceName(PackPiece piece); // "Teacher's notes", "Key facts", ...

// Writes the chosen pieces of a topic onto a job, each from the top of a new page, from its
// topic file and content alone: the print drawings of the notes and key facts, the
// worksheet file, and the activities' pictures and texts. Does not end the document.
// Throws PrintError from the job, and DataError when the worksheet is wanted and cannot be read.
void writeTopicPack(PrintJob& job, const Topic& topic, const Content& content, const Pictures& pictures,
                    const std::vector<PackPiece>& pieces, int copies);

// The file a saved pack is first offered as: "Isles of Scilly - History - topic pack.pdf".
QString packFileName(const Topic& topic);

// The "Print Topic Pack" button: asks which pieces and how many copies, then prints them or
// saves them as one PDF file where the teacher chooses, and says how it went.
void printTopicPack(Program& program, const Topic& topic);

inline const QString PackPrintingMessage = QStringLiteral("Your topic pack is now printing.");
inline const QString PackSavedMessage = QStringLiteral("Your topic pack has been saved.");
inline const QString PackSaveProblemMessage =
    QStringLiteral("The PDF file could not be saved there. Please choose another folder.");

} // namespace bs
