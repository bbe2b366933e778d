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

QString FakeDialogs::choosePicture(const QString& caption)
{
    pictureCaptions.append(caption);
    if (pictures.empty())
        return {};
    const QString path = pictures.front();
    pictures.pop_front();
    return path;
}

QString FakeDialogs::archiveSaveName(const QString& suggestedPath)
{
    suggestedArchives.append(suggestedPath);
    if (archiveNames.empty())
        return {};
    const QString path = archiveNames.front();
    archiveNames.pop_front();
    return path;
}

QString FakeDialogs::archiveOpenName()
{
    ++archiveOpenDialogs;
    if (archiveNames.empty())
        return {};
    const QString path = archiveNames.front();
    archiveNames.pop_front();
    return path;
}

std::optional<PupilName> FakeDialogs::askPupil(const QStringList& classes, const QList<QStringList>& pupilsByClass)
{
    pupilClassesOffered.append(classes);
    pupilListsOffered.append(pupilsByClass);
    if (pupils.empty())
        return std::nullopt;
    const std::optional<PupilName> pupil = pupils.front();
    pupils.pop_front();
    return pupil;
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
