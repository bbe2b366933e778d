#include "app/Titlefrm.h"

#include "base/Names.h"
#include "graphics/Fonts.h"
#include "platform/Display.h"
#include "platform/Pictures.h"
#include "ui/Controls.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace bs {

namespace {
const QColor blue(0, 0, 255);
const QString titlePicture = QStringLiteral("images\\brellinshoresm.jpg");
} // namespace

Titlefrm::Titlefrm(Program& program, const QString& formName) : Screen(program, formName)
{
    setCaption(QStringLiteral(" "));
    setSizeTwips(5460, 6570);
    setBackColor(QColor(192, 192, 192));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    placeTwips(Frame1, QRect(0, -90, 5480, 6660));

    // The controls' places are measured from the frame's own corner, as a frame's children are.
    auto inFrame = [](int l, int t, int w, int h) { return QRect(l, t, w, h); };
    const QString times = QStringLiteral("Times New Roman");

    Label4 = makeLabel(Frame1, QStringLiteral("Label4"), QStringLiteral("Brellinshore"),
                       inFrame(60, 120, 5355, 1305), uiFont(times, 24, true), blue,
                       Qt::AlignHCenter | Qt::AlignTop);
    Picture1 = new PictureBox(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Title picture"));
    placeTwips(Picture1, inFrame(300, 1200, 4800, 3600));
    Label1 =
        makeLabel(Frame1, QStringLiteral("Label1"), tr("Written by the Quenlow geography team"),
                  inFrame(360, 4980, 4695, 375), uiFont(times, 14.25), blue, Qt::AlignHCenter | Qt::AlignTop);
    Label5 =
        makeLabel(Frame1, QStringLiteral("Label5"), tr("Programmed by Quenlow Software"),
                  inFrame(480, 5310, 4455, 375), uiFont(times, 12), blue, Qt::AlignHCenter | Qt::AlignTop);
    // Centred across the whole frame, as the title is: the Welsh credit is the longest line.
    Label3 = makeLabel(
        Frame1, QStringLiteral("Label3"), tr("Series edited for Quenlow Publishing Ltd"),
        inFrame(60, 5640, 5355, 375), uiFont(times, 12), blue, Qt::AlignHCenter | Qt::AlignTop);

    auto makeCommand = [&](const QString& name, const QString& caption, int left) {
        auto* button = new QPushButton(caption, Frame1);
        button->setObjectName(name);
        QPalette pal = button->palette();
        pal.setColor(QPalette::Button, QColor(192, 192, 192));
        button->setPalette(pal);
        placeTwips(button, inFrame(left, 6000, 1335, 375));
        return button;
    };
    Command1 = makeCommand(QStringLiteral("Command1"), tr("OK"), 1320);
    Command2 = makeCommand(QStringLiteral("Command2"), tr("Exit"), 2760);
    Command1->setDefault(true);
    // Enter clicks whichever of the two has the focus.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    setTabOrder(Command1, Command2);
    connect(Command1, &QPushButton::clicked, this, &Titlefrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Titlefrm::Command2_Click);

    Label2 = makeLabel(Frame1, QStringLiteral("Label2"),
                       tr("© 2026 Quenlow Publishing Ltd. All rights reserved."),
                       inFrame(0, 6420, 5415, 255), uiFont(QStringLiteral("Arial"), 8.25), QColor(0, 128, 0),
                       Qt::AlignHCenter | Qt::AlignTop);
}

void Titlefrm::Form_Load()
{
    const QSizeF screen = program().display().screenSizeTwips();
    setTopTwips(screen.height() / 2 - heightTwips() / 2);
    setLeftTwips(screen.width() / 2 - widthTwips() / 2);
    if (program().content().exists(titlePicture)) {
        // Decoded on a second core while the title screen's fonts load. The loader has its own
        // copy of the content folder: the screen may be unloaded, and the program ended, first.
        Picture1->setPictureLoadedMeanwhile(
            [content = program().content()] { return Pictures(content).load(titlePicture); });
        return;
    }
    // A missing title picture: the screen still comes up, laid out like the others.
    layoutform(*this);
    Frame1->raise();
}

// The backdrop comes up once the title screen has painted, so the pupil sees the title
// screen as early as possible (the backdrop fills the whole screen: a costly first paint).
bool Titlefrm::event(QEvent* event)
{
    const bool handled = Screen::event(event);
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QMetaObject::invokeMethod(this, &Titlefrm::showBackdrop, Qt::QueuedConnection);
    }
    return handled;
}

void Titlefrm::showBackdrop()
{
    Screens& screens = program().screens();
    if (screens.isLoaded(screenName::backdrop))
        return;
    screens.show(screenName::backdrop);
    keepAboveBackdrop();
    raise();
    if (isVisible())
        activateWindow(); // the keyboard stays with the title screen
}

QAbstractButton* Titlefrm::escapeButton() const
{
    return Command1->text() == tr("Cancel") ? Command1 : nullptr; // the leaving screen's, in its language
}

void Titlefrm::Command1_Click()
{
    // The start does these at the first paint, which may not have come yet.
    registerFonts();
    showBackdrop();
    Screens& screens = program().screens();
    if (screens.isRegistered(screenName::menu))
        screens.show(screenName::menu);
    screens.unload(formName());
    program().playCue(cue::click);
}

void Titlefrm::Command2_Click()
{
    program().playCue(cue::click);
    program().endProgram();
}

void openLeavingScreen(Program& program)
{
    Screens& screens = program.screens();
    const QString cancel = QCoreApplication::translate("bs::Titlefrm", "Cancel");
    screens.get<Titlefrm>(screenName::title).Command1->setText(cancel);
    screens.show(screenName::title);
}

} // namespace bs
