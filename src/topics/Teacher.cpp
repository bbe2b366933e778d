#include "topics/Teacher.h"

#include "topics/DrawingPages.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QLabel>
#include <QTimer>

namespace bs {

Teacher::Teacher(Program& program, const QString& formName) : Screen(program, formName)
{
    setSizeTwips(12000, 9000);

    Image1 = makeShownPage(this);
    Image2 = makePrintPage(this, 0, 0);

    Label1 = makePageLabel(this, QString());
    Label3 = makeViewerButtons(this);
    for (const auto& [index, button] : Label3) {
        const int i = index;
        connect(button, &LabelButton::clicked, this, [this, i] { Label3_Click(i); });
    }

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Animated logo"));
    placeTwips(Picture1, QRect(8520, 4320, 1800, 1800));
    Picture1->hide();
    Picture2 = new PictureBox(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAccessibleName(QStringLiteral("Publisher's logo"));
    Picture2->setBackColor(QColor(128, 128, 255));
    placeTwips(Picture2, QRect(8550, 6240, 1800, 1335));
    Picture2->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(25);
    connect(Timer1, &QTimer::timeout, this, &Teacher::Timer1_Timer);
}

void Teacher::Form_Load()
{
    layoutform(*this);
    ProgramState& state = program().state;
    if (state.notepages == 1) {
        // A single page has no page label and no page buttons.
        Label1->hide();
        Label3(2)->hide();
        Label3(3)->hide();
    }
    state.notepage = 1;
    Label1->setText(pageLabel(state.notepage, state.notepages));
}

void Teacher::unloading()
{
    Timer1->stop();
}

QString Teacher::pageFileName(const QString& key, int page)
{
    static const char* const endings[] = {"a.wmf", "b.wmf", "c.wmf"};
    if (page < 1 || page > 3)
        return {};
    return key + QLatin1String(endings[page - 1]);
}

QString Teacher::logoFrameFile(int frame)
{
    return (frame < 10 ? QStringLiteral("logo\\quen000") : QStringLiteral("logo\\quen00")) +
           QString::number(frame) + QStringLiteral(".gif");
}

void Teacher::Label3_Click(int index)
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
        Label3(3)->setEnabled(true);
        updatePage();
        return;
    case 3:
        state.notepage -= 1;
        Label3(2)->setEnabled(true);
        updatePage();
        return;
    default:
        return;
    }
}

void Teacher::updatePage()
{
    const ProgramState& state = program().state;
    if (state.notepage == state.notepages)
        Label3(2)->setEnabled(false);
    if (state.notepage == 1)
        Label3(3)->setEnabled(false);
    loadDrawingPair(program(), *Image1, *Image2, pageFileName(state.notekey, state.notepage));
    Label1->setText(pageLabel(state.notepage, state.notepages));
}

void Teacher::Timer1_Timer()
{
    int& frame = program().state.logoframe;
    frame += 1;
    if (frame == 20)
        frame = 0;
    Picture1->setPicture(program().pictures().load(logoFrameFile(frame)));
    Picture1->show();
    Picture2->show();
}

} // namespace bs
