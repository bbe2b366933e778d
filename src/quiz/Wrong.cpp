#include "quiz/Wrong.h"

#include "base/Names.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QLabel>

namespace bs {

Wrong::Wrong(Program& program, const QString& formName)
    : Screen(program, formName)
{
    const QString tahoma = QStringLiteral("Tahoma");
    const QColor yellow(255, 255, 0);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;

    Label6 = makeLabel(this, QStringLiteral("Label6"), QString(), QRect(0, 120, 12000, 540),
                       uiFont(tahoma, 20.25, true), yellow, centred);
    Label4 = makeLabel(this, QStringLiteral("Label4"), tr("You answered the following questions incorrectly."),
                       QRect(240, 960, 12000, 540), uiFont(tahoma, 15.75, true), yellow, left);
    for (int i = 0; i <= 9; ++i) {
        QLabel* line = makeLabel(this, QStringLiteral("Label2_%1").arg(i), QString(), QRect(120, 1680 + 600 * i, 12000, 540),
                                 uiFont(tahoma, 15.75, true), QColor(255, 255, 255), left);
        line->setWordWrap(false);
        line->hide();
        Label2.add(i, line);
    }
    Label5 = makeLabel(this, QStringLiteral("Label5"), tr("Read the Key Facts and try again."),
                       QRect(0, 7920, 12000, 540), uiFont(tahoma, 20.25, true), yellow, centred);
    makeLabelButtonRow(this, Label3, QStringLiteral("Label3"),
                       {{1, tr("Exit"), QRect(10560, 7920, 1245, 495)}},
                       [this](int index) { Label3_Click(index); }, Hover::LeavesAlone);
}

void Wrong::Form_Load()
{
    layoutform(*this);
}

void Wrong::Label3_Click(int)
{
    Screens& screens = program().screens();
    screens.unload(screenName::results);
    screens.unload(formName());
}

} // namespace bs
