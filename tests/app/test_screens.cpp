#include "ui/Controls.h"
#include "ui/LabelButton.h"
#include "ui/Screen.h"
#include "ui/Screens.h"
#include "support/TestProgram.h"

#include <QPointer>
#include <QTest>

using namespace bs;

namespace {

// A screen that counts its load events and can unload itself from inside a click handler.
class Probe : public Screen
{
public:
    Probe(Program& program, const QString& name)
        : Screen(program, name)
    {
        Label1 = makeLabelButton(this, QStringLiteral("Label1"), QStringLiteral("Design"), QRect(120, 120, 1500, 495), 12);
        QObject::connect(Label1, &LabelButton::clicked, this, [this] { Label1_Click(); });
    }
    void Form_Load() override { ++loads; }
    void Label1_Click()
    {
        Screens& screens = program().screens();
        screens.unload(formName());
        // Still safe: the screen is gone from the registry but not yet deleted.
        Label1->setCaption(QStringLiteral("after unload"));
        program().state.score = 7;
        screens.show(QStringLiteral("other"));
    }
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
        m_test->screens().registerScreen<Probe>(QStringLiteral("probe"));
        m_test->screens().registerScreen<Probe>(QStringLiteral("other"));
    }
    void cleanup() { m_test.reset(); }

    void firstTouchLoadsOnce()
    {
        Screens& screens = m_test->screens();
        QVERIFY(!screens.isLoaded(QStringLiteral("probe")));
        auto& probe = screens.get<Probe>(QStringLiteral("probe"));
        QCOMPARE(probe.loads, 1);
        QCOMPARE(probe.objectName(), QStringLiteral("probe"));
        screens.get<Probe>(QStringLiteral("probe")).Label1->setCaption(QStringLiteral("changed"));
        QCOMPARE(screens.get<Probe>(QStringLiteral("probe")).loads, 1);
        QVERIFY(!probe.isVisible());
    }

    void unloadThenTouchStartsFromDesign()
    {
        Screens& screens = m_test->screens();
        screens.get<Probe>(QStringLiteral("probe")).Label1->setCaption(QStringLiteral("changed"));
        QPointer<Screen> old = &screens.touch(QStringLiteral("probe"));
        screens.unload(QStringLiteral("probe"));
        QVERIFY(!screens.isLoaded(QStringLiteral("probe")));
        TestProgram::flushDeletes();
        QVERIFY(old.isNull());
        auto& fresh = screens.get<Probe>(QStringLiteral("probe"));
        QCOMPARE(fresh.Label1->caption(), QStringLiteral("Design"));
        QCOMPARE(fresh.loads, 1);
    }

    void handlerMayUnloadItsOwnScreen()
    {
        Screens& screens = m_test->screens();
        screens.show(QStringLiteral("probe"));
        auto& probe = screens.get<Probe>(QStringLiteral("probe"));
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        QTest::mouseClick(probe.Label1, Qt::LeftButton);
        QVERIFY(!screens.isLoaded(QStringLiteral("probe")));
        QVERIFY(screens.isLoaded(QStringLiteral("other")));
        QCOMPARE(m_test->state().score, 7);
        TestProgram::flushDeletes();
    }

    void openerStaysLoadedUnderTheScreenItOpens()
    {
        Screens& screens = m_test->screens();
        screens.show(QStringLiteral("probe"));
        screens.show(QStringLiteral("other"));
        QVERIFY(screens.isLoaded(QStringLiteral("probe")));
        QVERIFY(screens.get<Probe>(QStringLiteral("probe")).isVisible());
        QVERIFY(screens.get<Probe>(QStringLiteral("other")).isVisible());
    }

    void unknownNameIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(std::logic_error, m_test->screens().touch(QStringLiteral("nosuch")));
    }

private:
    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
