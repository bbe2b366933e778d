// The activity screens driven as a pupil drives them: real presses, moves and releases of the
// pointer on the screen's window, the keyboard, and what the results screen then shows and
// plays. The drag rules themselves are test_dragengine's.
#include "activities/ActivityOpeners.h"
#include "activities/ActivityScreen.h"
#include "base/Names.h"
#include "base/Twips.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"
#include "topicdata/ActivityDefinition.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <QWindow>

using namespace bs;

namespace {

QPoint pixelsOf(QPointF twips)
{
    return QPoint(toPixels(twips.x()), toPixels(twips.y()));
}

QPointF centreOf(const TwipsRect& box)
{
    return QPointF(box.left + box.width / 2, box.top + box.height / 2);
}

QPoint windowPointOf(QWidget* control)
{
    return control->mapTo(control->window(), control->rect().center());
}

QString accessibleName(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

void clickOn(QWidget* control)
{
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {}, windowPointOf(control));
}

void tabTo(QWidget* control)
{
    for (int step = 0; step < 40 && QApplication::focusWidget() != control; ++step)
        press(Qt::Key_Tab);
    QVERIFY2(QApplication::focusWidget() == control, qPrintable(control->objectName()));
}

// Presses on the item's middle, carries it until its centre is under `to` (twips) and lets go.
void drag(ActivityScreen& screen, int item, QPointF to)
{
    QWindow* window = screen.windowHandle();
    const QPoint from = windowPointOf(screen.Label2(item));
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, (from + pixelsOf(to)) / 2);
    QTest::mouseMove(window, pixelsOf(to));
    QTest::mouseRelease(window, Qt::LeftButton, {}, pixelsOf(to));
}

} // namespace

class TestActivityScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    ActivityScreen& open(const QString& formName, const QString& heading = QStringLiteral("From the page"))
    {
        openActivity(m_test->program(), formName, heading);
        auto& screen = m_test->screens().get<ActivityScreen>(formName);
        if (!QTest::qWaitForWindowExposed(&screen))
            qFatal("the activity screen never appeared");
        return screen;
    }

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->state().soundon = 1;
    }
    void cleanup()
    {
        m_test.reset();
        QCOMPARE(QGuiApplication::mouseButtons(), Qt::NoButton);
    }

    // Every item placed by dragging, by click-click or by the keys (items 0 and 1 in each
    // other's boxes when swapped), then Check Score: the results state the score out of the
    // activity's items, also after a quiz has set 10, and celebrate by the score alone.
    void finishing_data()
    {
        QTest::addColumn<QString>("formName");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<int>("soundon");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("celebration"); // the random draw is 0.6
        QTest::newRow("scilly1lab dragged") << "scilly1lab" << "drag" << false << 1
                                            << "Excellent work. You have scored 6 out of 6." << "wav\\clown.wav";
        QTest::newRow("scilly2lab clicked, swapped") << "scilly2lab" << "click" << true << 1
                                                     << "Good work. You have scored 4 out of 6." << "";
        QTest::newRow("scilly1ord by keys, swapped") << "scilly1ord" << "keys" << true << 1
                                                     << "Good work. You have scored 2 out of 4." << "";
        QTest::newRow("scilly2ord by keys") << "scilly2ord" << "keys" << false << 1
                                            << "Excellent work. You have scored 5 out of 5." << "";
        QTest::newRow("groupingord dragged, sound off") << "groupingord" << "drag" << false << 0
                                                        << "Excellent work. You have scored 5 out of 5." << "";
    }
    void finishing()
    {
        QFETCH(QString, formName);
        QFETCH(QString, how);
        QFETCH(bool, swapped);
        QFETCH(int, soundon);
        QFETCH(QString, words);
        QFETCH(QString, celebration);
        m_test->state().soundon = soundon;
        m_test->random().values = {0.6};
        ActivityScreen& screen = open(formName, QStringLiteral("Isles of Scilly: Physical Geography"));
        QTRY_VERIFY(screen.isActiveWindow());
        const ActivityDefinition& definition = screen.definition();
        const int n = int(definition.items.size());
        QCOMPARE(screen.Label6->text(), QStringLiteral("Isles of Scilly: Physical Geography"));
        QCOMPARE(m_test->state().outof, n);
        for (const LabelSpec& spec : definition.labels) { // every text shows whole
            auto* label = qobject_cast<QLabel*>(screen.control(spec.name));
            QVERIFY2(label->heightForWidth(label->width()) - label->height() <= QFontMetrics(label->font()).descent(),
                     qPrintable(spec.name + QStringLiteral(" is cut off")));
        }
        for (int i = 0; i < n; ++i) {
            QCOMPARE(screen.Label2(i)->text(), definition.items[i].text);
            QCOMPARE(screen.Label2(i)->geometry(), screen.Label4(i)->geometry());
        }
        for (int i = 0; i < n; ++i) {
            QVERIFY(!screen.Label3(2)->isVisible());
            const int box = swapped && i < 2 ? 1 - i : i;
            if (how == QLatin1String("drag")) {
                drag(screen, i, centreOf(screen.engine().target(box)));
            } else {
                if (how == QLatin1String("keys")) {
                    tabTo(screen.Label2(i));
                    press(Qt::Key_Space);
                } else {
                    clickOn(screen.Label2(i));
                }
                QCOMPARE(screen.heldItem(), i);
                QCOMPARE(accessibleName(screen.Label2(i)), definition.items[i].text + QStringLiteral(", picked up"));
                if (how == QLatin1String("keys")) {
                    tabTo(screen.Label1(box));
                    press(Qt::Key_Return);
                    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(screen.Label2(i)));
                } else {
                    clickOn(screen.Label1(box));
                }
            }
            QCOMPARE(screen.heldItem(), -1);
            QCOMPARE(screen.Label2(i)->geometry(), screen.Label1(box)->geometry());
            const QString& boxName = definition.items[box].boxName;
            QVERIFY(accessibleName(screen.Label2(i))
                        .startsWith(definition.items[i].text + QStringLiteral(", in ")
                                    + (boxName.isEmpty() ? QStringLiteral("box ") : QStringLiteral("the box for ") + boxName)));
            QCOMPARE(m_test->sound().played, QStringList(soundon ? i + 1 : 0, cue::thud));
        }
        QVERIFY(screen.Label3(2)->isVisible());
        m_test->state().outof = 10;
        if (how == QLatin1String("keys")) {
            tabTo(screen.Label3(2));
            press(Qt::Key_Space);
        } else {
            clickOn(screen.Label3(2));
        }
        QVERIFY(m_test->screens().isLoaded(formName)); // beneath the results
        auto& results = m_test->screens().get<Welldone>(screenName::results);
        QVERIFY(results.isVisible());
        QCOMPARE(results.Label1->text(), words);
        const bool full = words.startsWith(QStringLiteral("Excellent"));
        QCOMPARE(results.Label3(0)->isVisible(), full);
        QCOMPARE(results.Label3(0)->caption(), QString(full ? "Print Certificate" : "Check Wrong Answers"));
        QCOMPARE(results.Label6->isVisible(), !full); // "Read the Key Facts and try again."
        QVERIFY(!results.Label5->isVisible());
        QTRY_VERIFY(!results.Timer1.isActive() && !results.Timer2.isActive() && !results.Timer3.isActive());
        QStringList expected(soundon ? n : 0, cue::thud);
        if (soundon)
            expected << cue::click;
        if (!celebration.isEmpty())
            expected << celebration;
        QCOMPARE(m_test->sound().played, expected);
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
            QCOMPARE(centreOf(screen.engine().item(3)), toTwips(QPointF(to)));
            QCOMPARE(screen.Label2(3)->geometry().topLeft(), pixelsOf(QPointF(screen.engine().item(3).left,
                                                                               screen.engine().item(3).top)));
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(-150, -90));
        QVERIFY(!screen.Label2(3)->geometry().intersects(screen.rect()));
        QVERIFY(m_test->sound().played.isEmpty());

        QTest::mousePress(window, Qt::RightButton, {}, windowPointOf(screen.Label2(0)));
        QTest::mouseMove(window, QPoint(200, 200));
        QCOMPARE(screen.engine().item(0), screen.engine().home(0));
        QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(200, 200));
        QCOMPARE(m_test->sound().played, QStringList{cue::thud}); // snapped back into its slot

        for (int i = 0; i < 6; ++i) {
            screen.pickUp(i);
            screen.placeAt(screen.Label1(i));
        }
        QVERIFY(screen.Label3(2)->isVisible());
        m_test->sound().played.clear();
        m_test->state().score = 3;
        clickOn(screen.Label3(1));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(screen.Label2(i)->geometry(), screen.Label4(i)->geometry());
        QVERIFY(!screen.Label3(2)->isVisible());
        QCOMPARE(m_test->state().score, 0);

        m_test->state().score = 6;
        clickOn(screen.Label3(0));
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("scilly1lab")));
        QCOMPARE(m_test->state().score, 0);
        QCOMPARE(m_test->sound().played, QStringList(2, cue::click));
        TestProgram::flushDeletes();
        ActivityScreen& again = open(QStringLiteral("scilly1lab"), QStringLiteral("Heading from the page"));
        QCOMPARE(again.Label6->text(), QStringLiteral("Heading from the page"));
        QCOMPARE(again.engine().item(3), again.engine().home(3));
    }

    // Tab follows reading order; while an item is held it goes round the boxes and slots
    // only, and Escape puts the item down unmoved, without a sound and without leaving.
    void keyboardFocusOrder()
    {
        ActivityScreen& screen = open(QStringLiteral("scilly1ord"));
        QTRY_VERIFY(screen.isActiveWindow());
        QStringList order;
        for (int step = 0; step < 7; ++step) {
            order << QApplication::focusWidget()->objectName();
            if (step < 6)
                press(Qt::Key_Tab);
        }
        // The items' slots: two rows of two, the right-hand slot of each row holding item 0 and 2.
        QCOMPARE(order, QStringList({"Label2(1)", "Label2(0)", "Label2(3)", "Label2(2)", "Label3(1)", "Label3(0)",
                                     "Label2(1)"}));
        press(Qt::Key_Space);
        QCOMPARE(screen.heldItem(), 1);
        order.clear();
        for (int step = 0; step < 9; ++step) {
            press(step < 8 ? Qt::Key_Tab : Qt::Key_Up);
            order << QApplication::focusWidget()->objectName();
        }
        // Boxes top to bottom (12th to 19th century), then the slots; round again; back one.
        QCOMPARE(order, QStringList({"Label1(2)", "Label1(0)", "Label1(1)", "Label1(3)", "Label4(1)", "Label4(0)",
                                     "Label4(3)", "Label4(2)", "Label4(3)"}));
        press(Qt::Key_Escape);
        QCOMPARE(screen.heldItem(), -1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(screen.Label2(1)));
        QCOMPARE(screen.engine().item(1), screen.engine().home(1));
        QVERIFY(m_test->screens().isLoaded(QStringLiteral("scilly1ord")));
        QVERIFY(m_test->sound().played.isEmpty());
    }
};

QTEST_MAIN(TestActivityScreen)
#include "test_activityscreen.moc"
