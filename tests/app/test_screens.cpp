// The screens' lifecycle and the shell: loading, unloading, the title screen over the backdrop
// and the sound switch.
#include "app/Titlefrm.h"
#include "platform/LazySoundPlayer.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Screens.h"

#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace bs;

namespace {

// A screen that counts its load events and unloads itself from inside a click handler.
class Probe : public Screen
{
public:
    Probe(Program& program, const QString& name) : Screen(program, name)
    {
        Label1 = makeLabelButton(this, "Label1", "Design", QRect(120, 120, 1500, 495), 12);
        QObject::connect(Label1, &LabelButton::clicked, this, [this] {
            Screen::program().screens().unload(formName());
            Label1->setCaption("after unload"); // still safe: deleted later
            Screen::program().state.score = 7;
            Screen::program().screens().show("other");
        });
    }
    void Form_Load() override { ++loads; }
    LabelButton* Label1;
    int loads = 0;
};

} // namespace

class TestScreens : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->writeContent("Images/brellinshoresm.jpg", test::imageBytes(QSize(320, 240), "JPEG"));
        m_test->screens().registerScreen<Probe>("probe");
        m_test->screens().registerScreen<Probe>("other");
    }
    void cleanup() { m_test.reset(); }

    void unloadedScreensComeBackFromTheirDesign()
    {
        Screens& screens = m_test->screens();
        auto& probe = screens.get<Probe>("probe");
        probe.Label1->setCaption("changed");
        QCOMPARE(screens.get<Probe>("probe").loads, 1);
        QVERIFY(!probe.isVisible());
        QPointer<Screen> old = &probe;
        screens.unload("probe");
        TestProgram::flushDeletes();
        QVERIFY(old.isNull());
        QCOMPARE(screens.get<Probe>("probe").Label1->caption(), QStringLiteral("Design"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, screens.touch("nosuch"));
    }

    void handlerMayUnloadItsOwnScreen()
    {
        Screens& screens = m_test->screens();
        screens.show("probe");
        auto& probe = screens.get<Probe>("probe");
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        QTest::mouseClick(probe.Label1, Qt::LeftButton);
        QVERIFY(!screens.isLoaded("probe"));
        QVERIFY(screens.touch("other").isVisible());
        QCOMPARE(m_test->state().score, 7);
        TestProgram::flushDeletes();
        screens.show("probe"); // the screen it opens lies above, the opener stays under it
        QVERIFY(screens.touch("other").isVisible() && screens.touch("probe").isVisible());
    }

    void layoutCentresAtEverySize_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<QPointF>("topLeft");
        QTest::newRow("800x600") << QSizeF(12000, 9000) << QPointF(0, 0);
        QTest::newRow("1024x768") << QSizeF(15360, 11520) << QPointF(1680, 1260);
        QTest::newRow("640x480") << QSizeF(9600, 7200) << QPointF(-1200, -900);
    }
    void layoutCentresAtEverySize()
    {
        QFETCH(QSizeF, screen);
        QFETCH(QPointF, topLeft);
        m_test->display().size = screen;
        auto& form = m_test->screens().get<Probe>("probe");
        form.setSizeTwips(6000, 3000);
        layoutform(form);
        QCOMPARE(QPointF(form.leftTwips(), form.topTwips()), topLeft);
        QCOMPARE(form.caption(), QStringLiteral("Brellinshore"));
        QCOMPARE(form.size(), QSize(800, 600));
        QCOMPARE(m_test->display().busyCalls, 1);
        QCOMPARE(m_test->display().idleCalls, 1);
    }

    // Centred over the backdrop, every line readable above the frame's border; without its
    // picture it is laid out like the other screens.
    void titleScreenComesUpOverTheBackdrop()
    {
        m_test->display().size = QSizeF(15360, 11520);
        m_test->screens().show("Titlefrm");
        auto& title = m_test->screens().get<Titlefrm>("Titlefrm");
        QCOMPARE(QPointF(title.leftTwips(), title.topTwips()),
                 QPointF((15360 - 5460) / 2.0, (11520 - 6570) / 2.0));
        QVERIFY(!title.Picture1->picture().isNull() && title.isVisible());
        QCOMPARE(title.Command1->text(), QStringLiteral("OK"));
        QVERIFY(m_test->screens().touch("Grey").isVisible());
        for (QWidget* line : title.Frame1->findChildren<QWidget*>()) {
            const int bottom = line->mapTo(&title, QPoint(0, 0)).y() + line->fontMetrics().height();
            QVERIFY2(bottom <= title.Frame1->geometry().bottom(), qPrintable(line->objectName()));
        }
        m_test->screens().unload("Titlefrm");
        m_test->removeContent("Images/brellinshoresm.jpg");
        m_test->screens().show("Titlefrm");
        auto& bare = m_test->screens().get<Titlefrm>("Titlefrm");
        QVERIFY(bare.isVisible() && bare.Picture1->picture().isNull());
        QCOMPARE(bare.size(), QSize(800, 600));
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    // At start "Exit" ends the run silently and "OK" goes on to the menu; from the menu's
    // "Exit" the first button reads "Cancel" and goes back.
    void titleScreenButtons_data()
    {
        QTest::addColumn<bool>("leaving");
        QTest::addColumn<bool>("exit");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Exit at start") << false << true << QStringList{} << 0;
        QTest::newRow("OK") << false << false << QStringList{"Grey", "intro0"} << 1;
        QTest::newRow("Cancel") << true << false << QStringList{"Grey", "intro0"} << 1;
    }
    void titleScreenButtons()
    {
        QFETCH(bool, leaving);
        QFETCH(bool, exit);
        QFETCH(QStringList, loaded);
        QFETCH(int, clicks);
        if (leaving)
            openLeavingScreen(m_test->program());
        else
            m_test->screens().show("Titlefrm");
        auto& title = m_test->screens().get<Titlefrm>("Titlefrm");
        QCOMPARE(title.Command1->text(), QLatin1String(leaving ? "Cancel" : "OK"));
        QTest::mouseClick(exit ? title.Command2 : title.Command1, Qt::LeftButton);
        QCOMPARE(m_test->screens().loadedNames(), loaded);
        QCOMPARE(m_test->endProgramCalls(), exit ? 1 : 0);
        QCOMPARE(m_test->sound().played.size(), clicks);
        TestProgram::flushDeletes();
    }

    void onlySoundSwitchOnePlays()
    {
        for (int soundon : {0, 1, 2, -1}) {
            m_test->state().soundon = soundon;
            m_test->program().playCue("wav\\click.wav");
        }
        QCOMPARE(m_test->sound().played, QStringList{"wav\\click.wav"});
    }

    void realPlayerIsSilentForMissingOrBrokenFiles()
    {
        m_test->writeContent("wav/broken.wav", QByteArray("RIFF not really a wave"));
        std::unique_ptr<SoundPlayer> player = makeRealSoundPlayer(m_test->contentRoot());
        player->preload({"wav\\click.wav"});
        player->play("wav\\missing.wav");
        player->play("wav\\broken.wav");
        QVERIFY(static_cast<LazySoundPlayer&>(*player).isLoaded());
        QVERIFY(m_test->dialogs().messages.isEmpty()); // reaching here without a message box
    }

private:
    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
