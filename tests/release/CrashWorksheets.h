#pragma once

#include "worksheetdata/Worksheet.h"

#include <QString>
#include <QStringList>

// The worksheets that crash_worker saves and the crash-safety test expects: one fixed set of
// titles, each file's texts made from a generation number, so the test can rebuild every
// content the worker announced byte for byte.
namespace bs::crash {

// Titles a teacher might type: a comma (quoted in the catalogue), an ampersand, accents.
inline QStringList titles()
{
    return {QStringLiteral("Rivers"), QStringLiteral("Weather, Climate"), QStringLiteral("Maps & Compasses"),
            QStringLiteral("Caf\u00E9s of C\u00F4te"), QStringLiteral("Coasts and Cliffs")};
}

inline WorksheetText worksheet(const QString& title, qint64 generation)
{
    WorksheetText sheet;
    sheet.title = title;
    const QString version = QString::number(generation);
    // Lengths vary with the generation, so a cut-short file never passes for another.
    const QString filler = QStringLiteral(" very").repeated(int(generation % 5));
    for (int q = 0; q < QuestionBank::QuestionCount; ++q) {
        auto& question = sheet.questions[q];
        question.text = QStringLiteral("Which is the%1 long river %2 (v%3)?").arg(filler).arg(q + 1).arg(version);
        for (int a = 0; a < 4; ++a)
            question.answers[a] = QStringLiteral("%1%2 answer %3").arg(QChar(u'A' + a)).arg(q + 1).arg(version);
        question.correct = int((generation + q) % 4) + 1;
    }
    return sheet;
}

} // namespace bs::crash
