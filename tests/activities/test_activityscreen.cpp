// The activity screens driven as a pupil drives them: real presses, moves and releases of the
// pointer on the screen's window, which the toolkit routes to the controls.
#include "topicdata/ActivityDefinition.h"
#include "activities/ActivityOpeners.h"
#include "activities/ActivityScreen.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "base/Twips.h"
#include "support/TestProgram.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace bs;

namespace {

const QString thud = QStringLiteral("wav\\thud3.wav");
const QString click = QStringLiteral("wav\\click.wav");
const QString results = QStringLiteral("Welldone");

// Stands in for the results screen when the real one is not part of the build: it notes
// what it was given when it loaded.
class ResultsProbe : public Screen
{
public:
    ResultsProbe(Program& program, const QString& name)
        : Screen(program, name)
    {
    }
    void Form_Load() override
    {
        score = program().state.score;
        outof = program().state.outof;
    }
    int score = -1;
    int outof = -1;
};

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
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class TestActivityScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->state().soundon = 1;
        if (!m_test->screens().isRegistered(results))
            m_test->screens().registerScreen<ResultsProbe>(results);
    }
    void cleanup()
    {
        m_test.reset();
        QCOMPARE(QGuiApplication::mouseButtons(), Qt::NoButton);
    }

    void opensInItsDesignState_data() { addForms(); }
    void opensInItsDesignState()
    {
        QFETCH(QString, formName);
        QFETCH(int, items);
        m_test->state().outof = 10;
        ActivityScreen& screen = open(formName);
        const ActivityDefinition& definition = screen.definition();
        QCOMPARE(m_test->state().outof, items);
        QCOMPARE(int(screen.Label2.size()), items);
        for (int i = 0; i < items; ++i) {
            const QRect start = twipsRect(definition.items[i].start.x(), definition.items[i].start.y(),
                                          definition.itemSize.width(), definition.itemSize.height());
            QCOMPARE(screen.Label2(i)->text(), definition.items[i].text);
            QCOMPARE(screen.Label2(i)->geometry(), start);
            QCOMPARE(screen.Label4(i)->geometry(), start);
            QVERIFY(screen.Label1(i)->text().isEmpty());
            QVERIFY(screen.Label1(i)->isVisible());
            QVERIFY(screen.Label2(i)->isVisible());
        }
        QVERIFY(screen.Label3(0)->isVisible());
        QVERIFY(screen.Label3(1)->isVisible());
        QVERIFY(!screen.Label3(2)->isVisible());
        for (int k = 0; k < 3; ++k)
            QVERIFY(screen.Label3(k)->isOpaque());
        QCOMPARE(screen.Label3(1)->caption(), QStringLiteral("Start Again"));
    }

    void stacksItsControlsAsDesigned_data() { addForms(); }
    // Every control is named in the stacking order, and the windows stand in that order,
    // so a dragged item passes over and under the right things.
    void stacksItsControlsAsDesigned()
    {
        QFETCH(QString, formName);
        ActivityScreen& screen = open(formName);
        QStringList backToFront;
        for (QObject* child : screen.children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && screen.control(widget->objectName()) == widget)
                backToFront.prepend(widget->objectName());
        }
        QCOMPARE(backToFront, screen.definition().stacking);
    }

    void pupilPlacesEveryItem_data() { addForms(); }
    void pupilPlacesEveryItem()
    {
        QFETCH(QString, formName);
        QFETCH(int, items);
        ActivityScreen& screen = open(formName);
        for (int i = 0; i < items; ++i) {
            QVERIFY(!screen.Label3(2)->isVisible());
            drag(screen, i, centreOf(screen.engine().target(i)));
            QCOMPARE(screen.engine().item(i), screen.engine().target(i));
            QCOMPARE(screen.Label2(i)->geometry(), screen.Label1(i)->geometry());
            QCOMPARE(m_test->sound().played.count(thud), i + 1);
        }
        QVERIFY(screen.Label3(2)->isVisible());
        m_test->state().outof = 10; // as a quiz opened meanwhile leaves it
        clickOn(screen.Label3(2));
        QCOMPARE(m_test->state().score, items);
        QCOMPARE(m_test->state().outof, items);
        QVERIFY(m_test->screens().isLoaded(results));
        if (auto* probe = dynamic_cast<ResultsProbe*>(m_test->screens().loaded(results))) {
            QCOMPARE(probe->score, items);
            QCOMPARE(probe->outof, items);
        }
        // The results screen may follow with a celebration of its own.
        QCOMPARE(m_test->sound().played.at(items), click);
        QVERIFY(m_test->screens().isLoaded(formName)); // stays beneath the results
    }

    void itemFollowsThePointerRunningAhead()
    {
        ActivityScreen& screen = open(QStringLiteral("scilly1lab"));
        QWindow* window = screen.windowHandle();
        const QPoint pressAt = windowPointOf(screen.Label2(3));
        QTest::mousePress(window, Qt::LeftButton, {}, pressAt);
        // Each step leaves the item far behind the pointer; the item still gets the move.
        for (const QPoint& to : {QPoint(100, 120), QPoint(700, 80), QPoint(40, 560)}) {
            QTest::mouseMove(window, to);
            const TwipsRect& item = screen.engine().item(3);
            QCOMPARE(centreOf(item), toTwips(QPointF(to)));
            QCOMPARE(screen.Label2(3)->geometry().topLeft(), QPoint(toPixels(item.left), toPixels(item.top)));
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(40, 560));
        QVERIFY(m_test->sound().played.isEmpty());
    }

    void rightButtonMovesNothingButItsReleaseDrops()
    {
        ActivityScreen& screen = open(QStringLiteral("scilly2lab"));
        QWindow* window = screen.windowHandle();
        const TwipsRect home = screen.engine().home(0);
        QTest::mousePress(window, Qt::RightButton, {}, windowPointOf(screen.Label2(0)));
        QTest::mouseMove(window, QPoint(200, 200));
        QCOMPARE(screen.engine().item(0), home);
        QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(200, 200));
        // The drop ran: the item, still in its home slot, snapped into it with a thud.
        QCOMPARE(m_test->sound().played, QStringList{thud});
        QCOMPARE(screen.engine().item(0), home);
    }

    void leftAndRightTogetherMoveNothing()
    {
        ActivityScreen& screen = open(QStringLiteral("scilly2lab"));
        QWindow* window = screen.windowHandle();
        const QPoint nearTarget = pixelsOf(centreOf(screen.engine().target(0))) + QPoint(5, 3);
        QTest::mousePress(window, Qt::LeftButton, {}, windowPointOf(screen.Label2(0)));
        QTest::mouseMove(window, nearTarget);
        const TwipsRect carried = screen.engine().item(0);
        QTest::mousePress(window, Qt::RightButton, {}, nearTarget);
        QTest::mouseMove(window, QPoint(600, 500));
        QCOMPARE(screen.engine().item(0), carried);
        // Letting go of the right button drops the item although the left is still held.
        QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(600, 500));
        QCOMPARE(screen.engine().item(0), screen.engine().target(0));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(600, 500));
        QCOMPARE(screen.engine().item(0), screen.engine().target(0));
    }

    void startAgainBringsBackAnItemDroppedOffTheScreen()
    {
        ActivityScreen& screen = open(QStringLiteral("scilly1ord"));
        QWindow* window = screen.windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, windowPointOf(screen.Label2(1)));
        QTest::mouseMove(window, QPoint(-150, -90));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(-150, -90));
        const TwipsRect& item = screen.engine().item(1);
        QCOMPARE(centreOf(item), QPointF(-2250, -1350));
        QVERIFY(!screen.Label2(1)->geometry().intersects(screen.rect()));
        QVERIFY(m_test->sound().played.isEmpty());
        m_test->state().score = 3;
        clickOn(screen.Label3(1));
        QCOMPARE(screen.engine().item(1), screen.engine().home(1));
        QCOMPARE(screen.Label2(1)->geometry(), screen.Label4(1)->geometry());
        QCOMPARE(m_test->state().score, 0);
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    // Check Score counts only item i in box i, counts afresh each time, stays once shown
    // and goes only with Start Again.
    void checkScoreCountsOnlyItemsInTheirOwnBoxes()
    {
        ActivityScreen& screen = open(QStringLiteral("groupingord"));
        const DragEngine& engine = screen.engine();
        drag(screen, 0, centreOf(engine.target(1)));
        drag(screen, 1, centreOf(engine.target(0)));
        for (int i = 2; i < 5; ++i)
            drag(screen, i, centreOf(engine.target(i)));
        QVERIFY(screen.Label3(2)->isVisible());
        clickOn(screen.Label3(2));
        QCOMPARE(m_test->state().score, 3);
        clickOn(screen.Label3(2));
        QCOMPARE(m_test->state().score, 3);
        if (auto* probe = dynamic_cast<ResultsProbe*>(m_test->screens().loaded(results)))
            QCOMPARE(probe->score, 3);

        drag(screen, 4, QPointF(6000, 1500));
        QVERIFY(screen.Label3(2)->isVisible());
        clickOn(screen.Label3(1));
        QVERIFY(!screen.Label3(2)->isVisible());
    }

    void twoItemsInOneBoxRevealCheckScore()
    {
        ActivityScreen& screen = open(QStringLiteral("scilly1lab"));
        const DragEngine& engine = screen.engine();
        for (int i = 1; i < 6; ++i)
            drag(screen, i, centreOf(engine.target(i)));
        QVERIFY(!screen.Label3(2)->isVisible());
        drag(screen, 0, centreOf(engine.target(1)) + QPointF(45, 30));
        QCOMPARE(screen.Label2(0)->geometry(), screen.Label2(1)->geometry());
        QVERIFY(screen.Label3(2)->isVisible());
        clickOn(screen.Label3(2));
        QCOMPARE(m_test->state().score, 5);
    }

    void soundOffStillSnaps()
    {
        m_test->state().soundon = 0;
        ActivityScreen& screen = open(QStringLiteral("scilly2ord"));
        drag(screen, 1, centreOf(screen.engine().target(1)));
        QCOMPARE(screen.engine().item(1), screen.engine().target(1));
        clickOn(screen.Label3(1));
        QVERIFY(m_test->sound().played.isEmpty());
    }

    void buttonsHighlightUnderThePointerUntilTheBareBackground()
    {
        // A small map, so the picture lies under part of the screen.
        QImage map(300, 200, QImage::Format_RGB32);
        map.fill(Qt::darkGreen);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        map.save(&buffer, "JPEG");
        m_test->writeContent(QStringLiteral("Images/south coast.jpg"), jpeg);

        ActivityScreen& screen = open(QStringLiteral("scilly1lab"));
        QCOMPARE(screen.Image1(0)->size(), QSize(300, 200));
        QCOMPARE(screen.Image1(0)->pos(), QPoint(0, -48));
        QWindow* window = screen.windowHandle();
        auto opaque = [&] {
            return QList<bool>{screen.Label3(0)->isOpaque(), screen.Label3(1)->isOpaque(), screen.Label3(2)->isOpaque()};
        };
        const QPoint bareBackground(780, 480);
        QVERIFY(!screen.childAt(bareBackground));
        QTest::mouseMove(window, bareBackground);
        QCOMPARE(opaque(), QList<bool>({false, false, false}));
        QTest::mouseMove(window, windowPointOf(screen.Label3(1)));
        QCOMPARE(opaque(), QList<bool>({false, true, false}));
        QTest::mouseMove(window, QPoint(150, 100)); // over the map
        QTest::mouseMove(window, windowPointOf(screen.control(QStringLiteral("Label7"))));
        QTest::mouseMove(window, windowPointOf(screen.Label3(0)));
        QCOMPARE(opaque(), QList<bool>({true, true, false}));
        QTest::mouseMove(window, bareBackground);
        QCOMPARE(opaque(), QList<bool>({false, false, false}));
        QVERIFY(m_test->sound().played.isEmpty());
    }

    void exitThenReopenStartsAfresh()
    {
        ActivityScreen* screen = &open(QStringLiteral("scilly1lab"));
        const QString heading = QStringLiteral("Isles of Scilly: History");
        QCOMPARE(screen->Label6->text(), heading);
        const DragEngine& engine = screen->engine();
        for (int i = 0; i < 6; ++i)
            drag(*screen, i, centreOf(engine.target(i)));
        m_test->state().score = 6;
        clickOn(screen->Label3(0));
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("scilly1lab")));
        QCOMPARE(m_test->state().score, 0);
        QCOMPARE(m_test->sound().played.last(), click);
        TestProgram::flushDeletes();

        openActivity(m_test->program(), QStringLiteral("scilly1lab"), QStringLiteral("Heading from the page"));
        screen = &m_test->screens().get<ActivityScreen>(QStringLiteral("scilly1lab"));
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->Label6->text(), QStringLiteral("Heading from the page"));
        QVERIFY(!screen->Label3(2)->isVisible());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(screen->engine().item(i), screen->engine().home(i));
    }

    void openerSetsTheHeadingAfterTheLoad()
    {
        m_test->state().outof = 10;
        openActivity(m_test->program(), QStringLiteral("scilly2ord"), QStringLiteral("Isles of Scilly: Physical Geography"));
        auto& screen = m_test->screens().get<ActivityScreen>(QStringLiteral("scilly2ord"));
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(screen.Label6->text(), QStringLiteral("Isles of Scilly: Physical Geography"));
        QCOMPARE(m_test->state().outof, 5);
        QCOMPARE(screen.caption(), QStringLiteral("Brellinshore"));
    }

    // The topic page's title, as long as "Isles of Scilly: Physical Geography", shows whole in
    // the heading box, as does every other text; a text that fits keeps its design size.
    void everyTextShowsWhole_data()
    {
        QTest::addColumn<QString>("formName");
        QTest::addColumn<QString>("heading");
        QTest::newRow("scilly1lab") << "scilly1lab" << "Isles of Scilly: History";
        QTest::newRow("scilly2lab") << "scilly2lab" << "Isles of Scilly: Physical Geography";
        QTest::newRow("scilly1ord") << "scilly1ord" << "Isles of Scilly: History";
        QTest::newRow("scilly2ord") << "scilly2ord" << "Isles of Scilly: Physical Geography";
        QTest::newRow("groupingord") << "groupingord" << "Grouping Plants";
    }
    void everyTextShowsWhole()
    {
        QFETCH(QString, formName);
        QFETCH(QString, heading);
        openActivity(m_test->program(), formName, heading);
        auto& screen = m_test->screens().get<ActivityScreen>(formName);
        QCOMPARE(screen.Label6->text(), heading);
        for (const LabelSpec& spec : screen.definition().labels) {
            auto* label = qobject_cast<QLabel*>(screen.control(spec.name));
            QVERIFY2(label->heightForWidth(label->width()) - label->height() <= QFontMetrics(label->font()).descent(),
                     qPrintable(spec.name + QStringLiteral(" is cut off")));
            QVERIFY(label->font().pointSizeF() > spec.font.points - 3);
        }
        if (formName == QLatin1String("scilly1ord"))
            QCOMPARE(screen.Label6->font().pointSizeF(), 24.0);
    }


    // Full marks without dragging, by the keyboard and by click-click: each placement goes
    // through the same drop as a mouse release at the box, with the drag path's thuds, boxes,
    // Check Score and score.
    void placingWithoutDragging_data()
    {
        QTest::addColumn<QString>("formName");
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("keyboard");
        const std::pair<const char*, int> forms[] = {
            {"scilly1lab", 6}, {"scilly2lab", 6}, {"scilly1ord", 4}, {"scilly2ord", 5}, {"groupingord", 5}};
        for (const auto& [form, items] : forms) {
            QTest::addRow("%s by keys", form) << QString::fromLatin1(form) << items << true;
            QTest::addRow("%s by clicks", form) << QString::fromLatin1(form) << items << false;
        }
    }
    void placingWithoutDragging()
    {
        QFETCH(QString, formName);
        QFETCH(int, items);
        QFETCH(bool, keyboard);
        ActivityScreen& screen = open(formName);
        QTRY_VERIFY(screen.isActiveWindow());
        for (int i = 0; i < items; ++i) {
            QVERIFY(!screen.Label3(2)->isVisible());
            if (keyboard) {
                tabTo(screen, screen.Label2(i));
                press(Qt::Key_Space);
            } else {
                clickOn(screen.Label2(i));
            }
            QCOMPARE(screen.heldItem(), i);
            QVERIFY(m_test->sound().played.count(thud) == i); // picking up makes no sound
            if (keyboard) {
                tabTo(screen, screen.Label1(i));
                press(Qt::Key_Return);
                QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(screen.Label2(i)));
            } else {
                clickOn(screen.Label1(i));
            }
            QCOMPARE(screen.heldItem(), -1);
            QCOMPARE(screen.engine().item(i), screen.engine().target(i));
            QCOMPARE(screen.Label2(i)->geometry(), screen.Label1(i)->geometry());
            QCOMPARE(m_test->sound().played.count(thud), i + 1);
        }
        QVERIFY(screen.Label3(2)->isVisible());
        if (keyboard) {
            tabTo(screen, screen.Label3(2));
            press(Qt::Key_Space);
        } else {
            clickOn(screen.Label3(2));
        }
        QCOMPARE(m_test->state().score, items);
        QCOMPARE(m_test->sound().played.at(items), click);
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

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("formName");
        QTest::addColumn<QString>("itemName");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("placedName");
        QTest::newRow("numbered boxes") << "scilly2lab" << "Bryher" << "Box 3 of 6" << "Bryher, in box 3 of 6";
        QTest::newRow("centuries") << "scilly1ord" << "A Benedictine priory was founded on Tresco."
                                   << "12th century" << "A Benedictine priory was founded on Tresco., in the box for 12th century";
    }
    void accessibleNames()
    {
        QFETCH(QString, formName);
        QFETCH(QString, itemName);
        QFETCH(QString, boxName);
        QFETCH(QString, placedName);
        ActivityScreen& screen = open(formName);
        int i = 0;
        while (screen.Label2(i)->text() != itemName)
            ++i;
        QCOMPARE(accessibleName(screen.Label2(i)), itemName + QStringLiteral(", not placed"));
        QCOMPARE(QAccessible::queryAccessibleInterface(screen.Label2(i))->role(), QAccessible::Button);
        QCOMPARE(accessibleName(screen.Label1(i)), boxName);
        QVERIFY(accessibleName(screen.Label4(i)).startsWith(QStringLiteral("Starting place ")));

        QSignalSpy announced(&screen, &ActivityScreen::announced);
        clickOn(screen.Label2(i));
        QVERIFY(QAccessible::queryAccessibleInterface(screen.Label2(i))->state().pressed);
        clickOn(screen.Label1(i));
        QCOMPARE(announced.size(), 2);
        QCOMPARE(announced.at(0).at(0).toString(), itemName + QStringLiteral(", picked up"));
        QCOMPARE(announced.at(1).at(0).toString(), placedName);
        QCOMPARE(accessibleName(screen.Label2(i)), placedName);
        QVERIFY(!QAccessible::queryAccessibleInterface(screen.Label2(i))->state().pressed);
    }

    // A press that moves the item further than a click is a drag, as before; a right-button
    // click still drops at once.
    void aClickPicksUpAndADragDoesNot()
    {
        ActivityScreen& screen = open(QStringLiteral("scilly2lab"));
        drag(screen, 0, centreOf(screen.engine().target(0)));
        QCOMPARE(screen.heldItem(), -1);
        clickOn(screen.Label2(1));
        QCOMPARE(screen.heldItem(), 1);
        clickOn(screen.Label2(1)); // a second click puts it down
        QCOMPARE(screen.heldItem(), -1);
        clickOn(screen.Label2(2));
        clickOn(screen.Label2(3)); // another item: that one is picked up instead
        QCOMPARE(screen.heldItem(), 3);
        QCOMPARE(screen.engine().item(2), screen.engine().home(2));
        QCOMPARE(m_test->sound().played, QStringList{thud});
    }

private:
    void addForms()
    {
        QTest::addColumn<QString>("formName");
        QTest::addColumn<int>("items");
        QTest::newRow("scilly1lab") << "scilly1lab" << 6;
        QTest::newRow("scilly2lab") << "scilly2lab" << 6;
        QTest::newRow("scilly1ord") << "scilly1ord" << 4;
        QTest::newRow("scilly2ord") << "scilly2ord" << 5;
        QTest::newRow("groupingord") << "groupingord" << 5;
    }

    ActivityScreen& open(const QString& formName)
    {
        m_test->screens().show(formName);
        auto& screen = m_test->screens().get<ActivityScreen>(formName);
        if (!QTest::qWaitForWindowExposed(&screen))
            qFatal("the activity screen never appeared");
        return screen;
    }

    // Presses on the item's middle, carries it until its centre is under `to` (twips) and lets go.
    void drag(ActivityScreen& screen, int item, QPointF to)
    {
        QWindow* window = screen.windowHandle();
        const QPoint target = pixelsOf(to);
        const QPoint from = windowPointOf(screen.Label2(item));
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, (from + target) / 2);
        QTest::mouseMove(window, target);
        QTest::mouseRelease(window, Qt::LeftButton, {}, target);
    }

    void tabTo(ActivityScreen& screen, QWidget* control)
    {
        for (int step = 0; step < 40 && QApplication::focusWidget() != control; ++step)
            press(Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() == control, qPrintable(screen.formName() + u' ' + control->objectName()));
    }

    void clickOn(QWidget* control)
    {
        QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {}, windowPointOf(control));
    }

    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestActivityScreen)
#include "test_activityscreen.moc"
