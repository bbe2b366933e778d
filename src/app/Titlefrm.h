#pragma once

#include "ui/Screen.h"

class QFrame;
class QLabel;
class QPushButton;

namespace bs {

class PictureBox;

// The title screen: the first screen of a run, and the leaving screen when the main menu's
// "Exit" shows it again with "Cancel" as its first button.
class Titlefrm : public Screen
{
    Q_OBJECT

public:
    Titlefrm(Program& program, const QString& formName);

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

    QFrame* Frame1;
    QLabel* Label4;
    PictureBox* Picture1;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label3;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label2;

protected:
    bool event(QEvent* event) override;
    // At start Escape does nothing (Exit ends the program); as the leaving screen it cancels.
    QAbstractButton* escapeButton() const override;

private:
    void showBackdrop();

    bool m_painted = false;
};

// The main menu's "Exit": the title screen again as the leaving screen, "Cancel" its first button.
void openLeavingScreen(Program& program);

} // namespace bs
