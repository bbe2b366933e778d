#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace bs {

// What the teacher chose in the topic pack's dialog.
struct PackChoice
{
    enum Action { Cancel, Print, SaveAsPdf };
    Action action = Cancel;
    QList<bool> pieces; // one per piece offered: ticked or not
    int copies = 1;     // of each pupil sheet
};

// The pupil a quiz's or activity's result is kept for: their class (empty when the teacher has
// entered no class lists) and name.
struct PupilName
{
    QString pupilClass;
    QString name;
    bool operator==(const PupilName&) const = default;
};

// The program's modal dialogues: a message with OK, the OK/Cancel question before a worksheet
// is deleted (neither has an icon), and the topic pack's two: which pieces, and where the PDF
// goes.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // OK only; caption "Brellinshore".
    virtual void message(const QString& text) = 0;
    // OK and Cancel, empty caption; true for OK.
    virtual bool confirm(const QString& text) = 0;
    // The topic pack's dialog for the topic titled title: the pieces (all ticked at first), the
    // number of copies of the pupil sheets, and "Print", "Save as PDF" or "Cancel".
    virtual PackChoice choosePack(const QString& title, const QStringList& pieces) = 0;
    // A save dialog for a PDF file that starts on suggestedPath; the chosen path, empty when
    // the teacher cancels.
    virtual QString pdfFileName(const QString& suggestedPath) = 0;

    // An open dialog for a photograph (JPEG or PNG) captioned caption; the chosen path, empty
    // when the teacher cancels.
    virtual QString choosePicture(const QString& caption) = 0;
    // A school's own topic shared as an archive: a save dialog starting on suggestedPath, and
    // an open dialog; the chosen path, empty when the teacher cancels.
    virtual QString archiveSaveName(const QString& suggestedPath) = 0;
    virtual QString archiveOpenName() = 0;
    // Asks a pupil who they are: a class of classes and a name from its list (pupilsByClass,
    // one list per class), or a name typed (always offered). Empty when the pupil cancels.
    virtual std::optional<PupilName> askPupil(const QStringList& classes, const QList<QStringList>& pupilsByClass) = 0;
    // The class results' spreadsheet: a save dialog for a CSV file that starts on
    // suggestedPath; the chosen path, empty when the teacher cancels.
    virtual QString spreadsheetFileName(const QString& suggestedPath) = 0;
};

class QtDialogs : public Dialogs
{
public:
    void message(const QString& text) override;
    bool confirm(const QString& text) override;
    PackChoice choosePack(const QString& title, const QStringList& pieces) override;
    QString pdfFileName(const QString& suggestedPath) override;

    QString choosePicture(const QString& caption) override;
    QString archiveSaveName(const QString& suggestedPath) override;
    QString archiveOpenName() override;
    std::optional<PupilName> askPupil(const QStringList& classes, const QList<QStringList>& pupilsByClass) override;
    QString spreadsheetFileName(const QString& suggestedPath) override;
};

} // namespace bs
