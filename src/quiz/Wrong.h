#pragma once

#include "ui/Controls.h"
#include "ui/Screen.h"

class QLabel;

namespace bs {

class LabelButton;

// The wrong-answers screen: openResults fills its lines for a quiz, the results screen shows
// it. Its "Exit" closes the results screen too.
class Wrong : public Screen
{
    Q_OBJECT

public:
    Wrong(Program& program, const QString& formName);

    void Form_Load() override;
    void Label3_Click(int index);

    QLabel* Label6;
    QLabel* Label4;
    // One line per wrongly answered question, 0 to 9 in question order; hidden until filled.
    ControlArray<QLabel> Label2;
    QLabel* Label5;
    ControlArray<LabelButton> Label3; // only index 1, "Exit"
};

} // namespace bs
