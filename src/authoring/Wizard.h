#pragma once

#include "ui/Controls.h"
#include "ui/Screen.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace bs {

class LabelButton;
struct WorksheetText;

// The multiple choice wizard: a teacher types a title, ten questions with four answers each
// and ticks the right answer of each; "Save Worksheet" checks everything is filled in, writes
// the worksheet file and adds its title to the catalogue. It never clears itself, so a
// teacher may change anything and save again.
//
// Question q (0 to 9) owns the answer boxes and tick boxes 4q to 4q + 3 (A, B, C, D).
class Wizard : public Screen
{
    Q_OBJECT

public:
    static constexpr int TitleLength = 25;
    static constexpr int QuestionLength = 60;
    static constexpr int AnswerLength = 30;

    Wizard(Program& program, const QString& formName);

    void Form_Load() override;

    void Label3_Click(int index);
    // Enter (character 13) moves the focus on; every key is still left to the box itself.
    void Text1_KeyPress(int keyAscii);
    void Text2_KeyPress(int index, int keyAscii);
    void Text3_KeyPress(int index, int keyAscii);

    // Checks the boxes in order and saves when all is filled in; otherwise says what is missing.
    void genwork();
    // Writes the worksheet file named by the title as typed, then catalogues the title.
    void saveworksheet();

    ControlArray<QLabel> Label1;
    QLineEdit* Text1;
    ControlArray<QLineEdit> Text2;
    ControlArray<QLineEdit> Text3;
    ControlArray<QCheckBox> Check1;
    ControlArray<LabelButton> Label3;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QList<QWidget*> tabOrder() const override { return {}; } // the typing order, set at build

private:
    WorksheetText worksheetFromBoxes() const;
};

} // namespace bs
