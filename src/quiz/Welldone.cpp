#include "quiz/Welldone.h"

#include "base/Names.h"
#include "platform/Dialogs.h"
#include "quiz/Celebration.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "ui/Text.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <exception>

namespace bs {

namespace {
const QString times = QStringLiteral("Times New Roman");
const QColor yellow(255, 255, 0);
const QString resultPicture = QStringLiteral("images\\brellinshoresm.jpg");

QString scoredText(int score, int outof)
{
    return QCoreApplication::translate("bs::Welldone", "You have scored") + numberText(score) +
           QCoreApplication::translate("bs::Welldone", " out of") + numberText(outof) + QStringLiteral(".");
}
} // namespace

QFont Welldone::defaultFont()
{
    return uiFont(QStringLiteral("Arial"), 8.25);
}

Welldone::Welldone(Program& program, const QString& formName)
    : Screen(program, formName)
{
    setFont(defaultFont());
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    Label4 = makeLabel(this, QStringLiteral("Label4"), tr("Well Done!"), QRect(0, 120, 12000, 900),
                       uiFont(QStringLiteral("Tahoma"), 36, true), yellow, centred);
    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Brellinshore picture"));
    placeTwips(Picture1, QRect(5880, 1440, 4800, 3600));

    makeLabelButtonRow(this, Label3, QStringLiteral("Label3"),
                       {{0, tr("Check Wrong Answers"), QRect(240, 1800, 3765, 495)},
                        {1, tr("Exit"), QRect(10560, 7920, 1245, 495)}},
                       [this](int index) { Label3_Click(index); });
    Label3(0)->hide();

    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       tr("Excellent work you have completed this task successfully"),
                       QRect(0, 5400, 12000, 855), uiFont(times, 24), yellow, centred);
    Label5 = makeLabel(this, QStringLiteral("Label5"), QString(), QRect(1680, 6000, 8640, 1335), uiFont(times, 24),
                       yellow, centred);
    Label5->hide();
    Label6 = makeLabel(this, QStringLiteral("Label6"), tr("Read the Key Facts and try again."),
                       QRect(0, 6240, 12000, 855), uiFont(times, 24), yellow, centred);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Your name"));
    Text1->setFont(uiFont(times, 24));
    Text1->setMaxLength(25);
    placeTwips(Text1, QRect(3120, 6600, 5760, 615));
    Text1->hide();

    Label2 = makeLabel(this, QStringLiteral("Label2"),
                       tr("Enter your name in the box above before printing your certificate"),
                       QRect(3120, 7440, 5775, 855), uiFont(times, 18), yellow, centred);
    Label2->hide();

    // One-shot steps after the screen appears: picture, focus, celebration.
    Timer1.setInterval(1);
    Timer2.setInterval(10);
    Timer3.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, &Welldone::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Welldone::Timer2_Timer);
    connect(&Timer3, &QTimer::timeout, this, &Welldone::Timer3_Timer);
}

void Welldone::Form_Load()
{
    layoutform(*this);
    const int score = program().state.score;
    const int outof = program().state.outof;
    const QString checkHint =
        tr("Click the button above to check which questions you answered incorrectly.");
    if (score == outof) {
        Label6->hide();
        Label3(0)->show();
        Label1->setText(tr("Excellent work. ") + scoredText(score, outof));
        Label3(0)->setCaption(tr("Print Certificate"));
        Text1->show();
        Label2->show();
    } else if (score == outof - 1 || score == outof - 2) {
        Label1->setText(tr("Good work. ") + scoredText(score, outof));
        Label5->setText(checkHint);
        Label3(0)->setCaption(tr("Check Wrong Answers"));
    } else if (score < outof - 2) {
        Label1->setText(scoredText(score, outof));
        Label5->setText(checkHint);
        Label3(0)->setCaption(tr("Check Wrong Answers"));
    }
    // The score is read with the screen.
    setAccessibleDescription(Label1->text());
    // The certificate starts with the name of the pupil whose results are kept (none otherwise).
    Text1->setText(program().state.pupilname);
    Timer1.start();
}

void Welldone::unloading()
{
    Timer1.stop();
    Timer2.stop();
    Timer3.stop();
}

void Welldone::Timer1_Timer()
{
    // A missing picture leaves the box empty.
    Picture1->setPicture(program().pictures().load(resultPicture));
    Timer1.stop();
    Timer2.start();
}

void Welldone::Timer2_Timer()
{
    if (!Text1->isHidden())
        Text1->setFocus();
    Timer2.stop();
    for (int i = 0; i <= 1; ++i)
        Label3(i)->setOpaque(true);
    Timer3.start();
}

void Welldone::Timer3_Timer()
{
    Timer3.stop();
    if (program().state.soundon == 1) {
        const QString sound = celebrationSound(program().state.score, program().random());
        if (!sound.isEmpty())
            program().playCue(sound);
    }
}

void Welldone::Label3_Click(int index)
{
    Screens& screens = program().screens();
    if (index == 0) {
        if (program().state.score == program().state.outof) {
            try {
                Printpage();
            } catch (const std::exception&) {
                program().dialogs().message(tr("Printing has been cancelled."));
            }
            return;
        }
        screens.show(screenName::wrongAnswers);
    } else {
        screens.unload(screenName::wrongAnswers);
        screens.unload(formName());
    }
    program().playCue(cue::click);
}

void Welldone::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label3);
}

} // namespace bs
