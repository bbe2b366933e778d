#pragma once

#include "ui/Controls.h"
#include "ui/Screen.h"

class QLabel;

namespace bs {

class LabelButton;

// The teachers' guide viewer "guide": three fixed pages (wmf\guide1.wmf to guide3.wmf) with
// page buttons and printing. The main menu loads page 1 and sets notepage to 1 before showing it.
class Guide : public Screen
{
    Q_OBJECT

public:
    Guide(Program& program, const QString& formName);

    static constexpr int PageCount = 3;
    static QString pageFileName(int page); // "guide2.wmf"

    void Form_Load() override;
    void Label3_Click(int index);

    ImageBox* Image1;
    ImageBox* Image2;
    QLabel* Label1;
    ControlArray<LabelButton> Label3;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;

private:
    void updatePage();
};

} // namespace bs
