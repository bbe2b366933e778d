#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace bs {

// The program's own words in these dialogs are translated in the context "bs::QtDialogs";
// Qt's words (its file dialog's) are in qt_cy.ts.

void QtDialogs::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brellinshore"), text, QMessageBox::Ok);
    box.exec();
}

bool QtDialogs::confirm(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

PackChoice QtDialogs::choosePack(const QString& title, const QStringList& pieces)
{
    QDialog dialog;
    dialog.setWindowTitle(QCoreApplication::translate("bs::QtDialogs", "Print Topic Pack"));
    dialog.setAccessibleName(QCoreApplication::translate("bs::QtDialogs", "Print Topic Pack") + QStringLiteral(": ") + title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* heading = new QLabel(title, &dialog);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    auto* include = new QGroupBox(QCoreApplication::translate("bs::QtDialogs", "Include"), &dialog);
    auto* includeLayout = new QVBoxLayout(include);
    QList<QCheckBox*> ticks;
    for (const QString& piece : pieces) {
        auto* tick = new QCheckBox(piece, include);
        tick->setChecked(true);
        tick->setAccessibleName(piece);
        includeLayout->addWidget(tick);
        ticks.append(tick);
    }
    layout->addWidget(include);

    auto* copiesRow = new QHBoxLayout;
    auto* copiesLabel = new QLabel(QCoreApplication::translate("bs::QtDialogs", "&Copies of the pupil sheets:"), &dialog);
    auto* copies = new QSpinBox(&dialog);
    copies->setRange(1, 60);
    copies->setAccessibleName(QCoreApplication::translate("bs::QtDialogs", "Copies of the pupil sheets"));
    copiesLabel->setBuddy(copies);
    copiesRow->addWidget(copiesLabel);
    copiesRow->addWidget(copies);
    copiesRow->addStretch();
    layout->addLayout(copiesRow);

    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(QCoreApplication::translate("bs::QtDialogs", "&Print"), &dialog);
    auto* save = new QPushButton(QCoreApplication::translate("bs::QtDialogs", "&Save as PDF"), &dialog);
    auto* cancel = new QPushButton(QCoreApplication::translate("bs::QtDialogs", "Cancel"), &dialog);
    print->setAccessibleName(QCoreApplication::translate("bs::QtDialogs", "Print"));
    save->setAccessibleName(QCoreApplication::translate("bs::QtDialogs", "Save as PDF"));
    cancel->setAccessibleName(QCoreApplication::translate("bs::QtDialogs", "Cancel"));
    print->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // Nothing ticked leaves nothing to print.
    auto updateButtons = [&] {
        bool any = false;
        for (const QCheckBox* tick : ticks)
            any = any || tick->isChecked();
        print->setEnabled(any);
        save->setEnabled(any);
    };
    for (QCheckBox* tick : ticks)
        QObject::connect(tick, &QCheckBox::toggled, &dialog, updateButtons);

    PackChoice choice;
    QObject::connect(print, &QPushButton::clicked, &dialog, [&] {
        choice.action = PackChoice::Print;
        dialog.accept();
    });
    QObject::connect(save, &QPushButton::clicked, &dialog, [&] {
        choice.action = PackChoice::SaveAsPdf;
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    if (dialog.exec() != QDialog::Accepted)
        return {};
    for (const QCheckBox* tick : ticks)
        choice.pieces.append(tick->isChecked());
    choice.copies = copies->value();
    return choice;
}

QString QtDialogs::pdfFileName(const QString& suggestedPath)
{
    QString path = QFileDialog::getSaveFileName(nullptr, QCoreApplication::translate("bs::QtDialogs", "Save as PDF"), suggestedPath, QCoreApplication::translate("bs::QtDialogs", "PDF files (*.pdf)"));
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
}

QString QtDialogs::choosePicture(const QString& caption)
{
    return QFileDialog::getOpenFileName(nullptr, caption, QString(),
                                        QCoreApplication::translate("bs::QtDialogs", "Photographs (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)"));
}

QString QtDialogs::archiveSaveName(const QString& suggestedPath)
{
    QString path = QFileDialog::getSaveFileName(nullptr, QCoreApplication::translate("bs::ArchiveDialogs", "Export Topic"), suggestedPath, QCoreApplication::translate("bs::ArchiveDialogs", "Brellinshore topics (*.zip)"));
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        path += QStringLiteral(".zip");
    return path;
}

QString QtDialogs::archiveOpenName()
{
    return QFileDialog::getOpenFileName(nullptr, QCoreApplication::translate("bs::ArchiveDialogs", "Import Topic"), QDir::homePath(), QCoreApplication::translate("bs::ArchiveDialogs", "Brellinshore topics (*.zip)"));
}

// The pupil's dialog speaks to a pupil: its words are in the context "bs::PupilDialog".
std::optional<PupilName> QtDialogs::askPupil(const QStringList& classes, const QList<QStringList>& pupilsByClass)
{
    const auto text = [](const char* english) { return QCoreApplication::translate("bs::PupilDialog", english); };
    QDialog dialog;
    dialog.setWindowTitle(text("Who are you?"));
    dialog.setAccessibleName(text("Who are you?"));
    auto* layout = new QVBoxLayout(&dialog);

    // The class lists, where the teacher has entered them: the class, then its names.
    auto* classLabel = new QLabel(text("Your &class:"), &dialog);
    auto* classBox = new QComboBox(&dialog);
    classBox->addItems(classes);
    classBox->setAccessibleName(text("Your class"));
    classLabel->setBuddy(classBox);
    auto* listLabel = new QLabel(text("Choose your &name:"), &dialog);
    auto* names = new QListWidget(&dialog);
    names->setAccessibleName(text("Your name in the list"));
    listLabel->setBuddy(names);
    for (QWidget* part : {static_cast<QWidget*>(classLabel), static_cast<QWidget*>(classBox),
                          static_cast<QWidget*>(listLabel), static_cast<QWidget*>(names)}) {
        layout->addWidget(part);
        part->setVisible(!classes.isEmpty());
    }
    const auto fillNames = [&] {
        names->clear();
        names->addItems(pupilsByClass.value(classBox->currentIndex()));
    };
    fillNames();
    QObject::connect(classBox, &QComboBox::currentIndexChanged, &dialog, fillNames);

    auto* typeLabel = new QLabel(classes.isEmpty() ? text("&Type your name:") : text("Or &type your name:"), &dialog);
    auto* typed = new QLineEdit(&dialog);
    typed->setAccessibleName(text("Type your name"));
    typed->setMaxLength(40);
    typeLabel->setBuddy(typed);
    layout->addWidget(typeLabel);
    layout->addWidget(typed);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(text("OK"), &dialog);
    auto* cancel = new QPushButton(text("Cancel"), &dialog);
    ok->setAccessibleName(text("OK"));
    cancel->setAccessibleName(text("Cancel"));
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    // A name chosen from the list and Enter, or a double click, is an answer too.
    QObject::connect(names, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    (classes.isEmpty() ? static_cast<QWidget*>(typed) : static_cast<QWidget*>(classBox))->setFocus();

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PupilName pupil;
    pupil.pupilClass = classBox->currentText();
    pupil.name = typed->text().trimmed();
    if (pupil.name.isEmpty() && names->currentItem())
        pupil.name = names->currentItem()->text();
    return pupil;
}

QString QtDialogs::spreadsheetFileName(const QString& suggestedPath)
{
    QString path = QFileDialog::getSaveFileName(nullptr, QCoreApplication::translate("bs::QtDialogs", "Save as Spreadsheet"), suggestedPath, QCoreApplication::translate("bs::QtDialogs", "Spreadsheet files (*.csv)"));
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    return path;
}

} // namespace bs
