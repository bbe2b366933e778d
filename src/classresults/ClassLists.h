#pragma once

#include "results/ClassSettings.h"
#include "ui/Controls.h"
#include "ui/Screen.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace bs {

class LabelButton;

// The class lists pupils choose their names from, and the switch that keeps results for every
// computer sharing the results folder: both written into the folder, so they hold for the
// whole classroom. Label2(0) is "Exit", back to the class results.
class ClassLists : public Screen
{
    Q_OBJECT

public:
    ClassLists(Program& program, const QString& formName);

    void Form_Load() override;
    void Label2_Click(int index);
    void Option1_Click();
    void Option2_Click();

    // Reads the lists and the switch again.
    void reread();

    QLabel* Label1;
    QListWidget* List1; // the classes
    QListWidget* List2; // the pupils of the class chosen
    QLineEdit* Text1;   // the name to add or rename to
    QRadioButton* Option1; // on
    QRadioButton* Option2; // off
    QLabel* Label4;        // the switch as it stands
    ControlArray<LabelButton> Label2;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;

private:
    QString folder() const;
    void showPupils();
    void showSwitch();
    void writeSwitch(bool on);
    // Runs change under the lists' lock; false (after saying why) when it cannot be written.
    bool change(const std::function<void(std::vector<ClassList>&)>& apply);
    QString chosenClass() const;
};

} // namespace bs
