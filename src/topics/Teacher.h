#pragma once

#include "ui/Controls.h"
#include "ui/Screen.h"

class QLabel;
class QTimer;

namespace bs {

class LabelButton;

// The notes viewer "teacher": a topic's key facts (two pages), its teacher's notes (one page)
// or the acknowledgments with the publisher's logo and the animated logo. The opener sets
// notepages and notekey, touches the viewer (which loads it), loads the first page's drawing
// pair into Image1 and Image2 and shows it; later pages are named from notekey.
class Teacher : public Screen
{
    Q_OBJECT

public:
    Teacher(Program& program, const QString& formName);

    void Form_Load() override;
    void unloading() override;
    void Label3_Click(int index);
    void Timer1_Timer();

    // The drawing of a page: "key scilly1" and page 2 give "key scilly1b.wmf"; empty beyond page 3.
    static QString pageFileName(const QString& key, int page);
    // The logo frame for a frame number: 7 gives "logo\quen0007.gif".
    static QString logoFrameFile(int frame);

    ImageBox* Image1;
    ImageBox* Image2;
    QLabel* Label1;
    ControlArray<LabelButton> Label3;
    PictureBox* Picture1;
    PictureBox* Picture2;
    QTimer* Timer1;

private:
    void updatePage();
};

} // namespace bs
