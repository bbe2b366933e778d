#pragma once

#include "ui/Controls.h"
#include "ui/Screen.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace bs {

class LabelButton;

// The quiz screen: puts the ten questions of the loaded worksheet one at a time, marks each
// as the pupil moves on, and at the end scores the quiz and opens the results with the wrong
// answers (openResults). Also prints the worksheet.
class Multiple : public Screen
{
    Q_OBJECT

public:
    Multiple(Program& program, const QString& formName);

    void Form_Load() override;
    void showquest();
    void Label3_Click(int index);
    void Option1_Click(int index);
    void Label2_MouseMove() {}
    // Prints the loaded worksheet (questions and answers, no key) on the default printer.
    void Printpage();

    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label6;
    PictureBox* Picture1;
    QLabel* Label4;
    QLabel* Label2;
    // Answers A to D as 1 to 4; 5 is the hidden option that, when selected, shows the four
    // answers unselected and tells "no answer" apart from an answer.
    ControlArray<QRadioButton> Option1;
    ControlArray<LabelButton> Label3;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;

private:
    void markQuestion();
    void scoreQuiz();

    QButtonGroup* m_options;
};

} // namespace bs
