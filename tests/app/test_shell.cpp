// The application shell: the common layout, the title screen and backdrop, the sound switch
// and the hover rule's mouse-move routing.
#include "ui/Controls.h"
#include "ui/Grey.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Screen.h"
#include "ui/Screens.h"
#include "app/Titlefrm.h"
#include "platform/LazySoundPlayer.h"
#include "support/TestProgram.h"

#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace bs;

namespace {

// A screen with one label button, one plain label and a Picture1, recording which mouse
// moves reach the form itself.
class HoverProbe : public Screen
{
public:
    HoverProbe(Program& program, const QString& name)
        : Screen(program, name)
    {
        setSizeTwips(12000, 9000);
        Button = makeLabelButton(this, QStringLiteral("Label3"), QStringLiteral("Exit"), QRect(1500, 1500, 3000, 495), 15.75);
        Plain = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Title"), QRect(6000, 1500, 3000, 900),
                          uiFont(QStringLiteral("Tahoma"), 14), Qt::yellow);
        Picture1 = new PictureBox(this);
        Picture1->setObjectName(QStringLiteral("Picture1"));
        placeTwips(Picture1, QRect(300, 4500, 1800, 1800));
        QObject::connect(Button, &LabelButton::mouseMoved, this, [this] { Button->setOpaque(true); });
    }
    void Form_MouseMove(Qt::MouseButtons, QPointF) override
    {
        ++formMoves;
        Button->setOpaque(false);
    }
    LabelButton* Button;
    QLabel* Plain;
    PictureBox* Picture1;
    int formMoves = 0;
};

class Plain : public Screen
{
public:
    using Screen::Screen;
};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        QImage picture(320, 240, QImage::Format_RGB32);
        picture.fill(QColor(30, 140, 200));
        QDir().mkpath(m_test->contentRoot() + QStringLiteral("/Images"));
        QVERIFY(picture.save(m_test->contentRoot() + QStringLiteral("/Images/brellinshoresm.jpg")));
    }
    void cleanup() { m_test.reset(); }

    void layoutCentresAtEverySize_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::newRow("800x600") << QSizeF(12000, 9000) << 0.0 << 0.0;
        QTest::newRow("1024x768") << QSizeF(15360, 11520) << 1260.0 << 1680.0;
        QTest::newRow("640x480") << QSizeF(9600, 7200) << -900.0 << -1200.0;
        QTest::newRow("odd twips") << QSizeF(12001, 9001) << 0.5 << 0.5;
    }
    void layoutCentresAtEverySize()
    {
        QFETCH(QSizeF, screen);
        QFETCH(double, top);
        QFETCH(double, left);
        m_test->display().size = screen;
        m_test->screens().registerScreen<HoverProbe>(QStringLiteral("probe"));
        auto& form = m_test->screens().get<HoverProbe>(QStringLiteral("probe"));
        form.setCaption(QStringLiteral("Design caption"));
        form.setSizeTwips(6000, 3000);
        layoutform(form);
        QCOMPARE(form.topTwips(), top);
        QCOMPARE(form.leftTwips(), left);
        QCOMPARE(form.caption(), QStringLiteral("Brellinshore"));
        QCOMPARE(form.size(), QSize(800, 600));
        QCOMPARE(form.backColor(), QColor(39, 63, 137));
        QCOMPARE(form.Picture1->backColor(), QColor(49, 135, 214));
        QCOMPARE(m_test->display().busyCalls, 1);
        QCOMPARE(m_test->display().idleCalls, 1);
    }

    void layoutWithoutPicture1SaysNothing()
    {
        m_test->screens().registerScreen<Plain>(QStringLiteral("plain"));
        Screen& form = m_test->screens().touch(QStringLiteral("plain"));
        layoutform(form);
        QCOMPARE(form.caption(), QStringLiteral("Brellinshore"));
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    void titleScreenComesUpOverTheBackdrop()
    {
        m_test->display().size = QSizeF(15360, 11520);
        m_test->screens().show(QStringLiteral("Titlefrm"));
        auto& title = m_test->screens().get<Titlefrm>(QStringLiteral("Titlefrm"));
        QCOMPARE(title.Command1->text(), QStringLiteral("OK"));
        QCOMPARE(title.caption(), QStringLiteral(" "));
        QCOMPARE(title.size(), QSize(364, 438));
        QCOMPARE(title.topTwips(), (11520 - 6570) / 2.0);
        QCOMPARE(title.leftTwips(), (15360 - 5460) / 2.0);
        QVERIFY(!title.Picture1->picture().isNull());
        QVERIFY(title.isVisible());
        auto* grey = m_test->screens().loaded(QStringLiteral("Grey"));
        QVERIFY(grey);
        QVERIFY(grey->isVisible());
        QCOMPARE(grey->backColor(), QColor(48, 133, 214));
    }

    void titleLinesAreNotCutOff_data()
    {
        QTest::addColumn<QString>("control");
        for (const char* name : {"Label4", "Label1", "Label5", "Label3", "Label2", "Command1", "Command2"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void titleLinesAreNotCutOff()
    {
        QFETCH(QString, control);
        m_test->screens().show(QStringLiteral("Titlefrm"));
        auto& title = m_test->screens().get<Titlefrm>(QStringLiteral("Titlefrm"));
        auto* widget = title.findChild<QWidget*>(control);
        QVERIFY(widget);
        // The first line of text must end above the frame's bottom border, which is also the
        // bottom of the screen.
        const int top = widget->mapTo(&title, QPoint(0, 0)).y();
        const int frameBorder = title.Frame1->geometry().bottom();
        QVERIFY2(top + widget->fontMetrics().height() <= frameBorder,
                 qPrintable(QStringLiteral("%1 ends at %2, the frame's border is at %3")
                                .arg(control)
                                .arg(top + widget->fontMetrics().height())
                                .arg(frameBorder)));
        QVERIFY(frameBorder < title.height());
    }

    void missingTitlePictureStillShowsTheScreen()
    {
        m_test->removeContent(QStringLiteral("Images/brellinshoresm.jpg"));
        m_test->screens().show(QStringLiteral("Titlefrm"));
        auto& title = m_test->screens().get<Titlefrm>(QStringLiteral("Titlefrm"));
        QVERIFY(title.isVisible());
        QVERIFY(title.Picture1->picture().isNull());
        // Laid out like the other screens instead.
        QCOMPARE(title.caption(), QStringLiteral("Brellinshore"));
        QCOMPARE(title.size(), QSize(800, 600));
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    void firstExitIsSilentAndEndsTheRun()
    {
        m_test->screens().show(QStringLiteral("Titlefrm"));
        auto& title = m_test->screens().get<Titlefrm>(QStringLiteral("Titlefrm"));
        QTest::mouseClick(title.Command2, Qt::LeftButton);
        QCOMPARE(m_test->endProgramCalls(), 1);
        QVERIFY(m_test->sound().played.isEmpty());
        QVERIFY(m_test->screens().loadedNames().isEmpty());
    }

    void okLeavesTheTitleScreen()
    {
        m_test->screens().show(QStringLiteral("Titlefrm"));
        auto& title = m_test->screens().get<Titlefrm>(QStringLiteral("Titlefrm"));
        QTest::mouseClick(title.Command1, Qt::LeftButton);
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("Titlefrm")));
        QVERIFY(m_test->screens().isLoaded(QStringLiteral("Grey")));
        QCOMPARE(m_test->endProgramCalls(), 0);
    }

    void reachedAgainTheFirstButtonReadsCancel()
    {
        m_test->state().soundon = 1;
        m_test->screens().get<Titlefrm>(QStringLiteral("Titlefrm")).Command1->setText(QStringLiteral("Cancel"));
        m_test->screens().show(QStringLiteral("Titlefrm"));
        auto& title = m_test->screens().get<Titlefrm>(QStringLiteral("Titlefrm"));
        QCOMPARE(title.Command1->text(), QStringLiteral("Cancel"));
        QTest::mouseClick(title.Command1, Qt::LeftButton);
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("Titlefrm")));
        QCOMPARE(m_test->sound().played, QStringList{QStringLiteral("wav\\click.wav")});
    }

    void onlySoundSwitchOnePlays_data()
    {
        QTest::addColumn<int>("soundon");
        QTest::addColumn<bool>("plays");
        QTest::newRow("unset or off") << 0 << false;
        QTest::newRow("on") << 1 << true;
        QTest::newRow("other number") << 2 << false;
        QTest::newRow("negative") << -1 << false;
    }
    void onlySoundSwitchOnePlays()
    {
        QFETCH(int, soundon);
        QFETCH(bool, plays);
        m_test->state().soundon = soundon;
        m_test->program().playCue(QStringLiteral("wav\\click.wav"));
        QCOMPARE(m_test->sound().played.size(), plays ? 1 : 0);
    }

    void realPlayerIsSilentForMissingOrBrokenFiles()
    {
        m_test->writeContent(QStringLiteral("wav/broken.wav"), QByteArray("RIFF not really a wave"));
        std::unique_ptr<SoundPlayer> player = makeRealSoundPlayer(m_test->contentRoot());
        player->preload({QStringLiteral("wav\\click.wav")});
        player->play(QStringLiteral("wav\\missing.wav"));
        player->play(QStringLiteral("wav\\broken.wav"));
        player->play(QStringLiteral("wav\\broken.wav"));
        QVERIFY(static_cast<LazySoundPlayer&>(*player).isLoaded());
        // Nothing to wait for and nothing shown: reaching here without a message box is the test.
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    void hoverReachesTheFormOnlyOverBareBackground()
    {
        m_test->screens().registerScreen<HoverProbe>(QStringLiteral("probe"));
        m_test->screens().show(QStringLiteral("probe"));
        auto& form = m_test->screens().get<HoverProbe>(QStringLiteral("probe"));
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.Button->isOpaque());

        QTest::mouseMove(&form, QPoint(700, 500)); // bare background
        QTRY_VERIFY(!form.Button->isOpaque());
        const int movesSoFar = form.formMoves;

        QTest::mouseMove(form.Button, form.Button->rect().center());
        QTRY_VERIFY(form.Button->isOpaque());
        QTest::mouseMove(form.Plain, form.Plain->rect().center());
        QTest::mouseMove(form.Picture1, form.Picture1->rect().center());
        QCOMPARE(form.formMoves, movesSoFar); // moves over controls never reach the form
        QVERIFY(form.Button->isOpaque());

        QTest::mouseMove(&form, QPoint(20, 580));
        QTRY_VERIFY(!form.Button->isOpaque());
    }

    void labelButtonsAreButtonsToAScreenReader()
    {
        m_test->screens().registerScreen<HoverProbe>(QStringLiteral("probe"));
        auto& form = m_test->screens().get<HoverProbe>(QStringLiteral("probe"));
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(form.Button);
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Exit"));
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(form.Plain);
        QVERIFY(label);
        QCOMPARE(label->text(QAccessible::Name), QStringLiteral("Title"));
    }

private:
    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
