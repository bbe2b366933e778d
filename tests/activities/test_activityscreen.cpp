// The activity screens driven as a pupil drives them: real presses, moves and releases of the
// pointer on the screen's window, the keys, and what the results screen then shows and plays.
// The drag rules themselves are test_dragengine's.
#include "activities/ActivityOpeners.h"
#include "activities/ActivityScreen.h"
#include "base/Names.h"
#include "base/Twips.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"
#include "topicdata/ActivityDefinition.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

using namespace bs;

namespace {

QPoint pixelsOf(const TwipsRect& box)
{
    return QPoint(toPixels(box.left + box.width / 2), toPixels(box.top + box.height / 2));
}

QPoint windowPointOf(QWidget* control)
{
    return control->mapTo(control->window(), control->rect().center());
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

// A click on the control, or with the keys: Tab until it has the focus, then the key.
void use(QWidget* control, bool keys, Qt::Key key = Qt::Key_Space)
{
    if (!keys)
        return QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {},
                                 windowPointOf(control));
    for (int step = 0; step < 40 && QApplication::focusWidget() != control; ++step)
        press(Qt::Key_Tab);
    QVERIFY2(QApplication::focusWidget() == control, qPrintable(control->objectName()));
    press(key);
}

// Presses on the item's middle, carries it to `to` (pixels) and lets go.
void drag(ActivityScreen& screen, int item, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    QWindow* window = screen.windowHandle();
    const QPoint from = windowPointOf(screen.Label2(item));
    QTest::mousePress(window, button, {}, from);
    QTest::mouseMove(window, (from + to) / 2);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, button, {}, to);
}

// An item's name says where it is, reads its text without a doubled stop, and the screen
// reader has just been told where it went.
void checkHeard(ActivityScreen& screen, int i, const QString& where, const QString& heard)
{
    const QString text = screen.definition().items[i].text;
    const QString stem = text.chopped(text.endsWith(u'.') ? 1 : 0);
    const QString name = screen.Label2(i)->accessibleName();
    QVERIFY2(name.startsWith(stem + where), qPrintable(name));
    QVERIFY2(!name.contains(QStringLiteral(".,")), qPrintable(name));
    auto* announcement = screen.findChild<QWidget*>(QStringLiteral("Announcement"));
    QVERIFY(announcement && announcement->isVisible());
    QVERIFY2(announcement->accessibleName().startsWith(stem + heard), qPrintable(announcement->accessibleName()));
}

} // namespace

class TestActivityScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    ActivityScreen& open(const QString& formName, const QString& heading = QStringLiteral("Isles of Scilly"))
    {
        m_test->state().soundon = 1;
        openActivity(m_test->program(), formName, heading);
        auto& screen = m_test->screens().get<ActivityScreen>(formName);
        if (!QTest::qWaitForWindowExposed(&screen))
            qFatal("the activity screen never appeared");
        return screen;
    }

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgram>(); }
    void cleanup() { m_test.reset(); }

    // Every item placed by dragging, by click-click or by the keys (items 0 and 1 in each
    // other's boxes when swapped), then Check Score: the results state the score out of the
    // activity's items, also after a quiz has set 10, and celebrate by the score alone.
    void finishing_data()
    {
        QTest::addColumn<QString>("formName");
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("after"); // the sounds after the thuds (none: sound off)
        const QStringList click{cue::click};
        QTest::newRow("scilly1lab dragged")
            << "scilly1lab" << false << "drag" << click + QStringList{"wav\\clown.wav"};
        QTest::newRow("scilly2lab clicked, swapped") << "scilly2lab" << true << "click" << click;
        QTest::newRow("scilly1ord by keys, swapped") << "scilly1ord" << true << "keys" << click;
        QTest::newRow("scilly2ord by keys") << "scilly2ord" << false << "keys" << click;
        QTest::newRow("groupingord dragged, sound off") << "groupingord" << false << "drag" << QStringList();
    }
    void finishing()
    {
        QFETCH(QString, formName);
        QFETCH(bool, swapped);
        QFETCH(QString, how);
        QFETCH(QStringList, after);
        const bool keys = how == QLatin1String("keys");
        const int soundon = after.isEmpty() ? 0 : 1;
        m_test->random().values = {0.6};
        ActivityScreen& screen = open(formName, QStringLiteral("Isles of Scilly: Physical Geography"));
        m_test->state().soundon = soundon;
        QTRY_VERIFY(screen.isActiveWindow());
        const ActivityDefinition& definition = screen.definition();
        const int n = int(definition.items.size());
        QCOMPARE(screen.Label6->text(), QStringLiteral("Isles of Scilly: Physical Geography"));
        for (int i = 0; i < n; ++i) {
            QCOMPARE(screen.Label2(i)->text(), definition.items[i].text);
            QCOMPARE(screen.Label2(i)->geometry(), screen.Label4(i)->geometry());
        }
        for (int i = 0; i < n; ++i) {
            QVERIFY(!screen.Label3(2)->isVisible());
            const int box = swapped && i < 2 ? 1 - i : i;
            if (how == QLatin1String("drag")) {
                drag(screen, i, pixelsOf(screen.engine().target(box)));
            } else {
                use(screen.Label2(i), keys);
                QCOMPARE(screen.heldItem(), i);
                checkHeard(screen, i, QStringLiteral(", picked up"), QStringLiteral(", picked up"));
                use(screen.Label1(box), keys, Qt::Key_Return);
                QVERIFY(!keys || QApplication::focusWidget() == screen.Label2(i));
            }
            QCOMPARE(screen.heldItem(), -1);
            QCOMPARE(screen.Label2(i)->geometry(), screen.Label1(box)->geometry());
            checkHeard(screen, i, QStringLiteral(", in "), QStringLiteral(", placed in "));
            QCOMPARE(m_test->sound().played, QStringList(soundon ? i + 1 : 0, cue::thud));
        }
        QVERIFY(screen.Label3(2)->isVisible());
        m_test->state().outof = 10;
        use(screen.Label3(2), keys);
        QVERIFY(m_test->screens().isLoaded(formName)); // beneath the results
        auto& results = m_test->screens().get<Welldone>(screenName::results);
        QVERIFY(results.isVisible());
        const int score = swapped ? n - 2 : n;
        const QString praise =
            score == n ? QStringLiteral("Excellent work. ") : QStringLiteral("Good work. ");
        QCOMPARE(results.Label1->text(),
                 praise + QStringLiteral("You have scored %1 out of %2.").arg(score).arg(n));
        QCOMPARE(results.Label3(0)->isVisible(), score == n);
        QCOMPARE(results.Label6->isVisible(), score < n); // "Read the Key Facts and try again."
        QVERIFY(!results.Label5->isVisible());
        QTRY_VERIFY(!results.Timer1.isActive() && !results.Timer2.isActive() && !results.Timer3.isActive());
        QCOMPARE(m_test->sound().played, QStringList(soundon ? n : 0, cue::thud) + after);
    }

    // The item keeps the pointer while the button is held, also running ahead of it and off
    // the screen; the right button moves nothing but its release drops; Start Again and Exit.
    void pointerStartAgainAndExit()
    {
        ActivityScreen& screen = open(QStringLiteral("scilly1lab"));
        QWindow* window = screen.windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, windowPointOf(screen.Label2(3)));
        for (const QPoint& to : {QPoint(100, 120), QPoint(700, 80), QPoint(-150, -90)}) {
            QTest::mouseMove(window, to);
            QVERIFY((screen.Label2(3)->geometry().center() - to).manhattanLength() <= 2);
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(-150, -90));
        QVERIFY(!screen.Label2(3)->geometry().intersects(screen.rect()));
        QVERIFY(m_test->sound().played.isEmpty());
        drag(screen, 0, QPoint(200, 200), Qt::RightButton);
        QCOMPARE(screen.Label2(0)->geometry(), screen.Label4(0)->geometry());
        QCOMPARE(m_test->sound().played, QStringList{cue::thud}); // snapped back into its slot

        for (int i = 0; i < 6; ++i) {
            screen.pickUp(i);
            screen.placeAt(screen.Label1(i));
        }
        QVERIFY(screen.Label3(2)->isVisible());
        m_test->sound().played.clear();
        m_test->state().score = 3;
        use(screen.Label3(1), false);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(screen.Label2(i)->geometry(), screen.Label4(i)->geometry());
        QVERIFY(!screen.Label3(2)->isVisible());
        QCOMPARE(m_test->state().score, 0);
        m_test->state().score = 6;
        use(screen.Label3(0), false);
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("scilly1lab")));
        QCOMPARE(m_test->state().score, 0);
        QCOMPARE(m_test->sound().played, QStringList(2, cue::click));
        TestProgram::flushDeletes();
        ActivityScreen& again = open(QStringLiteral("scilly1lab"), QStringLiteral("Heading from the page"));
        QCOMPARE(again.Label6->text(), QStringLiteral("Heading from the page"));
        QCOMPARE(again.Label2(3)->geometry(), again.Label4(3)->geometry());
    }

    // While an item is held Tab goes round the boxes and slots only, in reading order, and Escape puts the
    // item down unmoved, without a sound and without leaving.
    void keyboardFocusOrder()
    {
        ActivityScreen& screen = open(QStringLiteral("scilly1ord"));
        QTRY_VERIFY(screen.isActiveWindow());
        use(screen.Label2(1), true);
        QCOMPARE(screen.heldItem(), 1);
        QStringList order;
        for (int step = 0; step < 9; ++step) {
            press(step < 8 ? Qt::Key_Tab : Qt::Key_Up);
            order << QApplication::focusWidget()->objectName();
        }
        // Boxes top to bottom (12th to 19th century), then the slots; round again; back one.
        QCOMPARE(order, QStringList({"Label1(2)", "Label1(0)", "Label1(1)", "Label1(3)", "Label4(1)",
                                     "Label4(0)", "Label4(3)", "Label4(2)", "Label4(3)"}));
        press(Qt::Key_Escape);
        QCOMPARE(screen.heldItem(), -1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(screen.Label2(1)));
        QCOMPARE(screen.Label2(1)->geometry(), screen.Label4(1)->geometry());
        QVERIFY(m_test->screens().isLoaded(QStringLiteral("scilly1ord")));
        QVERIFY(m_test->sound().played.isEmpty());
    }
};

QTEST_MAIN(TestActivityScreen)
#include "test_activityscreen.moc"
