#pragma once

#include "ui/Controls.h"
#include "ui/Screen.h"

class QCheckBox;
class QLabel;

namespace bs {

class LabelButton;

// The worksheet catalogue: the catalogue's titles 24 to a page in two columns. A click on a
// title opens that worksheet as a quiz (neither box ticked), in the wizard ("Edit Worksheet")
// or for deletion from the catalogue ("Delete Worksheet"); the worksheet file itself stays.
//
// Slot i (1 to 24) of page catpage shows catalogue title 24 * catpage + i; Label2(0) is "Exit".
class Worksheets : public Screen
{
    Q_OBJECT

public:
    static constexpr int TitlesPerPage = 24;
    static constexpr int LastPage = 40; // 41 pages reach the first 984 titles

    Worksheets(Program& program, const QString& formName);

    void Form_Load() override;

    void Check1_Click();
    void Check2_Click();
    void Label2_Click(int index);
    void Label3_Click(int index);

    // Shows page catpage of the catalogue as last read.
    void workpage();
    // Fills the wizard from the question bank, ticking each question's correct answer, and shows it.
    void editworksheet();

    QLabel* Label1;
    QCheckBox* Check1;
    QCheckBox* Check2;
    ControlArray<LabelButton> Label2;
    ControlArray<LabelButton> Label3;
    QLabel* Label4;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;
    // The titles read down each column, as the list runs.
    QList<QWidget*> tabOrder() const override;

private:
    void openWorksheet(const QString& title);
    void openAsQuiz();
    void askToDelete(const QString& title);
    // Catalogue title i (1-based), or empty beyond the titles read.
    QString catalogueTitle(int i) const;
    int titleCount() const;
};

} // namespace bs
