#include "platform/fakes/Fakes.h"

namespace bs {

void FakeDialogs::message(const QString& text)
{
    messages.append(text);
}

bool FakeDialogs::confirm(const QString& text)
{
    questions.append(text);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

PackChoice FakeDialogs::choosePack(const QString& title, const QStringList& pieces)
{
    packTitles.append(title);
    packPieces = pieces;
    if (packChoices.empty())
        return {};
    PackChoice choice = packChoices.front();
    packChoices.pop_front();
    return choice;
}

QString FakeDialogs::pdfFileName(const QString& suggestedPath)
{
    suggestedFiles.append(suggestedPath);
    if (fileNames.empty())
        return {};
    const QString path = fileNames.front();
    fileNames.pop_front();
    return path;
}

QString FakeDialogs::spreadsheetFileName(const QString& suggestedPath)
{
    suggestedSpreadsheets.append(suggestedPath);
    if (spreadsheetNames.empty())
        return {};
    const QString path = spreadsheetNames.front();
    spreadsheetNames.pop_front();
    return path;
}

double FakeRandom::next()
{
    ++draws;
    if (values.empty())
        return 0.0;
    const double value = values.front();
    values.pop_front();
    return value;
}

} // namespace bs
