#pragma once

#include "ui/Controls.h"
#include "ui/Screen.h"

class QButtonGroup;
class QLabel;
class QRadioButton;
class QTimer;

namespace bs {

class LabelButton;

// The main menu: the topic entries of the three places, the teachers' entries, the sound
// switch and "Exit". Each load turns sound on and, one timer tick later, reads the worksheet
// catalogue into the shared state.
class Intro0 : public Screen
{
    Q_OBJECT

public:
    Intro0(Program& program, const QString& formName);

    void Form_Load() override;
    void showScreen() override;
    void unloading() override;
    void Label2_Click(int index);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Timer1_Timer();

    QLabel* Label1;
    ImageBox* Image1;
    QLabel* Label3;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3; // the language: "English"
    QRadioButton* Option4; // "Cymraeg"
    ControlArray<QLabel> Label4;
    ControlArray<LabelButton> Label2; // index 14 does not exist; 23 shows when results are kept
    QTimer* Timer1;

    // What a pupil is told when a topic entry has no page to open ("Isles of Scilly: Economy").
    static QString topicNotOpenedMessage(const QString& topic);
    // The index of the topic entry for a place and topic, or -1.
    static int topicEntry(const QString& place, const QString& topic);

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;
    // The places' columns top to bottom, the teachers' entries, "Exit", the sound switch, then
    // the language.
    QList<QWidget*> tabOrder() const override;
    // The arrow keys move between the entries as they lie on the screen.
    bool eventFilter(QObject* watched, QEvent* event) override;


private:
    void openTopic(int index);
    // The captions in the language now chosen.
    void retranslate();
    void chooseLanguage(int language);
    // Outside English a caption may need more than the design's width: its button grows to
    // the left, into the empty corner beside the title.
    void fitOptions();
    // "Change Pupil" (Label2(23)), shown when the class's results are kept, and whom it names.
    void showPupil();

    QButtonGroup* languageGroup;
    QList<QRect> m_optionDesign; // Option1 to Option4 as designed, in pixels
};

} // namespace bs
