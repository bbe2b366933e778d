#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

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

QString QtDialogs::spreadsheetFileName(const QString& suggestedPath)
{
    QString path = QFileDialog::getSaveFileName(nullptr, QCoreApplication::translate("bs::QtDialogs", "Save as Spreadsheet"), suggestedPath, QCoreApplication::translate("bs::QtDialogs", "Spreadsheet files (*.csv)"));
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    return path;
}

} // namespace bs
