#pragma once

#include "ui/Controls.h"
#include "ui/Screen.h"

#include <QTimer>

class QLabel;
class QLineEdit;

namespace bs {

class LabelButton;

// The results screen that ends every quiz and activity: states `score` out of `outof` in
// words chosen by how close it is to full marks, then, one timer tick after another, shows
// its picture, puts the focus in the name box and plays a celebration. After full marks it
// prints a certificate; otherwise a quiz offers the wrong-answers screen.
class Welldone : public Screen
{
    Q_OBJECT

public:
    Welldone(Program& program, const QString& formName);

    void Form_Load() override;
    void unloading() override;
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Label3_Click(int index);
    // Prints the certificate with the pupil's name from the name box.
    void Printpage();

    // The font the screen measures a quiz heading in, to choose its size on the certificate.
    static QFont defaultFont();

    QLabel* Label4;
    PictureBox* Picture1;
    ControlArray<LabelButton> Label3;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* Text1;
    QLabel* Label2;
    QTimer Timer1;
    QTimer Timer2;
    QTimer Timer3;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;
};

} // namespace bs
