#pragma once

#include "results/ClassSettings.h"
#include "ui/Controls.h"
#include "ui/Screen.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace bs {

class LabelButton;

// The class lists pupils choose their names from, written into the results folder, so they hold
// for the whole classroom. Label2(0) is "Exit", back to the class results.
class ClassLists : public Screen
{
    Q_OBJECT

public:
    ClassLists(Program& program, const QString& formName);

    void Form_Load() override;
    void Label2_Click(int index);

    // Reads the lists again.
    void reread();

    QLabel* Label1;
    QListWidget* List1; // the classes
    QListWidget* List2; // the pupils of the class chosen
    QLineEdit* Text1;   // the name to add or rename to
    ControlArray<LabelButton> Label2;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;

private:
    QString folder() const;
    void showPupils();
    // Runs change under the lists' lock; false (after saying why) when it cannot be written.
    bool change(const std::function<void(std::vector<ClassList>&)>& apply);
    QString chosenClass() const;
};

} // namespace bs
