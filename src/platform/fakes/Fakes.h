#pragma once

#include "platform/Dialogs.h"
#include "platform/Display.h"
#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"

#include <QStringList>
#include <deque>

namespace bs {

// Records the cue paths it is asked to play, in order.
class FakeSound : public SoundPlayer
{
public:
    void play(const QString& contentPath) override { played.append(contentPath); }
    QStringList played;
};

// Records every message and question; answers questions from a script (OK when it runs out),
// the pack's dialog from setNextPackChoice (Cancel when it runs out) and the save dialog from
// setNextFileName (cancelled when it runs out).
class FakeDialogs : public Dialogs
{
public:
    void message(const QString& text) override;
    bool confirm(const QString& text) override;
    PackChoice choosePack(const QString& title, const QStringList& pieces) override;
    QString pdfFileName(const QString& suggestedPath) override;

    void setNextPackChoice(const PackChoice& choice) { packChoices.push_back(choice); }
    void setNextFileName(const QString& path) { fileNames.push_back(path); }

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    QStringList packTitles;     // each pack dialog's topic title
    QStringList packPieces;     // the pieces the last pack dialog offered
    QStringList suggestedFiles; // each save dialog's starting path
    std::deque<PackChoice> packChoices;
    std::deque<QString> fileNames;

    // The picture dialog answers from setNextPicture (cancelled when it runs out).
    QString choosePicture(const QString& caption) override;
    void setNextPicture(const QString& path) { pictures.push_back(path); }
    QStringList pictureCaptions; // each picture dialog's caption
    std::deque<QString> pictures;
    // The archive dialogs of a school's own topic: both answered from setNextArchiveName
    // (cancelled when it runs out); each save dialog's starting path recorded.
    QString archiveSaveName(const QString& suggestedPath) override;
    QString archiveOpenName() override;
    void setNextArchiveName(const QString& path) { archiveNames.push_back(path); }
    QStringList suggestedArchives;
    int archiveOpenDialogs = 0;
    std::deque<QString> archiveNames;
    // The pupil dialog answers from setNextPupil (cancelled when it runs out) and records the
    // classes each one offered.
    std::optional<PupilName> askPupil(const QStringList& classes, const QList<QStringList>& pupilsByClass) override;
    void setNextPupil(const std::optional<PupilName>& pupil) { pupils.push_back(pupil); }
    std::deque<std::optional<PupilName>> pupils;
    QList<QStringList> pupilClassesOffered;  // each pupil dialog's classes
    QList<QList<QStringList>> pupilListsOffered; // and their pupils
    // The spreadsheet's save dialog answers from setNextSpreadsheetName (cancelled when it
    // runs out), recording each starting path.
    QString spreadsheetFileName(const QString& suggestedPath) override;
    void setNextSpreadsheetName(const QString& path) { spreadsheetNames.push_back(path); }
    QStringList suggestedSpreadsheets;
    std::deque<QString> spreadsheetNames;
};

// Returns the given values in turn, then 0.
class FakeRandom : public RandomSource
{
public:
    double next() override;
    std::deque<double> values;
    int draws = 0;
};

class FakeDisplay : public Display
{
public:
    QSizeF screenSizeTwips() const override { return size; }
    void setBusy(bool busy) override { busy ? ++busyCalls : ++idleCalls; }

    QSizeF size{12000, 9000};
    int busyCalls = 0;
    int idleCalls = 0;
};

} // namespace bs
