#include "topics/Guide.h"

#include "topics/DrawingPages.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QLabel>

namespace bs {

Guide::Guide(Program& program, const QString& formName) : Screen(program, formName)
{
    setSizeTwips(12000, 9000);

    Image1 = makeShownPage(this);
    Image2 = makePrintPage(this, 120, -240);

    Label1 = makePageLabel(this, QStringLiteral("Page 1 of 3"));
    Label3 = makeViewerButtons(this);
    for (const auto& [index, button] : Label3) {
        const int i = index;
        connect(button, &LabelButton::clicked, this, [this, i] { Label3_Click(i); });
    }
}

QString Guide::pageFileName(int page)
{
    return QStringLiteral("guide%1.wmf").arg(page);
}

void Guide::Form_Load()
{
    layoutform(*this);
}

void Guide::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    // The buttons have no highlight of their own: once the pointer has crossed the
    // background they stay transparent for the rest of the visit.
    for (const auto& [index, button] : Label3)
        button->setOpaque(false);
}

void Guide::Label3_Click(int index)
{
    ProgramState& state = program().state;
    switch (index) {
    case 0:
        printDrawingPage(program(), Image2->picture());
        return;
    case 1:
        program().screens().unload(formName());
        return;
    case 2:
        state.notepage += 1;
        updatePage();
        return;
    case 3:
        state.notepage -= 1;
        updatePage();
        return;
    default:
        return;
    }
}

void Guide::updatePage()
{
    const int page = program().state.notepage;
    switch (page) {
    case 1:
        loadDrawingPair(program(), *Image1, *Image2, pageFileName(page));
        Label3(3)->setEnabled(false);
        break;
    case 2:
        loadDrawingPair(program(), *Image1, *Image2, pageFileName(page));
        Label3(3)->setEnabled(true);
        Label3(2)->setEnabled(true);
        break;
    case PageCount:
        loadDrawingPair(program(), *Image1, *Image2, pageFileName(page));
        Label3(2)->setEnabled(false);
        break;
    default:
        break;
    }
    Label1->setText(pageLabel(page, PageCount));
}

} // namespace bs
