// The drag geometry and scoring of the activities, without any widgets.
#include "topicdata/ActivityDefinition.h"
#include "activities/DragEngine.h"
#include "topicdata/TopicLibrary.h"

#include <QTest>

#include <algorithm>

using namespace bs;

Q_DECLARE_METATYPE(bs::TwipsRect)

namespace {

std::vector<TwipsRect> rects(const ActivityDefinition& definition, bool targets)
{
    std::vector<TwipsRect> result;
    for (const ActivityItem& item : definition.items) {
        const QPoint at = targets ? item.target : item.start;
        result.push_back({float(at.x()), float(at.y()), float(definition.itemSize.width()),
                          float(definition.itemSize.height())});
    }
    return result;
}

TopicLibrary& shippedTopics()
{
    static TopicLibrary library(QStringLiteral(BS_CONTENT_DIR "/topics"));
    return library;
}

DragEngine engineFor(const QString& formName)
{
    const ActivityDefinition* definition = shippedTopics().activityNamed(formName);
    Q_ASSERT(definition);
    return DragEngine(rects(*definition, false), rects(*definition, true));
}

void placeInOwnBoxes(DragEngine& engine)
{
    for (int i = 0; i < engine.count(); ++i)
        engine.moveItem(i, engine.target(i).left, engine.target(i).top);
}

} // namespace

class TestDragEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // scilly1lab's "Devon" box: Left 5400, Top 4200, 1845 x 375. Its zone is the open
    // rectangle 4477.5 < x < 7245, 4012.5 < y < 4575; nothing else catches these corners.
    void dropAroundTheDevonBox_data()
    {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<bool>("snaps");
        QTest::newRow("on the left bound") << 4477.5f << 4300.f << false;
        QTest::newRow("on the right bound") << 7245.f << 4300.f << false;
        QTest::newRow("on the top bound") << 6000.f << 4012.5f << false;
        QTest::newRow("on the bottom bound") << 6000.f << 4575.f << false;
        QTest::newRow("just inside the left bound") << 4478.f << 4300.f << true;
        QTest::newRow("just inside the right bound") << 7244.5f << 4300.f << true;
        QTest::newRow("just inside the top bound") << 6000.f << 4013.f << true;
        QTest::newRow("just inside the bottom bound") << 6000.f << 4574.5f << true;
        QTest::newRow("top-left corner of the zone") << 4478.f << 4013.f << true;
        QTest::newRow("bottom-right corner of the zone") << 7244.5f << 4574.5f << true;
        QTest::newRow("on the box itself") << 5400.f << 4200.f << true;
    }
    void dropAroundTheDevonBox()
    {
        QFETCH(float, left);
        QFETCH(float, top);
        QFETCH(bool, snaps);
        DragEngine engine = engineFor(QStringLiteral("scilly1lab"));
        QCOMPARE(engine.target(1), (TwipsRect{5400, 4200, 1845, 375}));
        engine.moveItem(1, left, top);
        const DragEngine::Drop drop = engine.drop(1);
        QCOMPARE(drop.snaps, snaps ? 1 : 0);
        QCOMPARE(engine.item(1).left, snaps ? 5400.f : left);
        QCOMPARE(engine.item(1).top, snaps ? 4200.f : top);
        QCOMPARE(engine.score(), snaps ? 1 : 0);
    }

    void leftButtonAloneDrags_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("moves");
        QTest::newRow("left") << 1 << true;
        QTest::newRow("none") << 0 << false;
        QTest::newRow("right") << 2 << false;
        QTest::newRow("middle") << 4 << false;
        QTest::newRow("left and right") << 3 << false;
        QTest::newRow("left and middle") << 5 << false;
    }
    void leftButtonAloneDrags()
    {
        QFETCH(int, buttons);
        QFETCH(bool, moves);
        DragEngine engine = engineFor(QStringLiteral("scilly1lab"));
        // The pointer 100 twips right of and 30 below the item's corner (9240, 6240).
        QCOMPARE(engine.dragStep(0, buttons, 100, 30), moves);
        const TwipsRect expected = moves ? TwipsRect{9240 + 100 - 922.5f, 6240 + 30 - 187.5f, 1845, 375}
                                         : TwipsRect{9240, 6240, 1845, 375};
        QCOMPARE(engine.item(0), expected);
    }

    void everyDropSnapsIntoOneBoxAtMost_data()
    {
        QTest::addColumn<QString>("formName");
        for (const Topic& topic : shippedTopics().topics()) {
            for (const ActivityDefinition& definition : topic.activities)
                QTest::newRow(qPrintable(definition.formName)) << definition.formName;
        }
    }
    // No box's corner lies in another box's zone, so every box catches a drop on itself with
    // exactly one thud and keeps the item there.
    void everyDropSnapsIntoOneBoxAtMost()
    {
        QFETCH(QString, formName);
        DragEngine engine = engineFor(formName);
        std::vector<TwipsRect> boxes;
        for (int j = 0; j < engine.count(); ++j) {
            boxes.push_back(engine.target(j));
            boxes.push_back(engine.home(j));
        }
        for (std::size_t a = 0; a < boxes.size(); ++a) {
            for (std::size_t b = 0; b < boxes.size(); ++b) {
                if (a != b)
                    QVERIFY2(!inCatchZone(boxes[b], boxes[a].left, boxes[a].top),
                             qPrintable(QStringLiteral("box %1 in the zone of box %2").arg(a).arg(b)));
            }
        }
        for (const TwipsRect& box : boxes) {
            engine.moveItem(0, box.left + 10, box.top + 10);
            QCOMPARE(engine.drop(0).snaps, 1);
            QCOMPARE(engine.item(0).left, box.left);
            QCOMPARE(engine.item(0).top, box.top);
        }
    }

    void twoItemsInOneBoxCountAsAllPlaced()
    {
        DragEngine engine = engineFor(QStringLiteral("scilly1lab"));
        placeInOwnBoxes(engine);
        engine.moveItem(0, 5450, 4250); // near "Devon", which already holds item 1
        const DragEngine::Drop drop = engine.drop(0);
        QCOMPARE(drop.snaps, 1);
        QCOMPARE(engine.item(0), engine.item(1));
        // Box 0 is empty, yet every item lies in some box.
        QVERIFY(drop.allPlaced);
        // Only item i in box i scores: item 0 on top of the right item counts nothing.
        QCOMPARE(engine.score(), 5);
    }

    void notAllPlacedWhileOneItemIsOut()
    {
        DragEngine engine = engineFor(QStringLiteral("scilly2ord"));
        placeInOwnBoxes(engine);
        engine.moveItem(4, 200, 200);
        QVERIFY(!engine.drop(4).allPlaced);
        engine.moveItem(4, engine.target(4).left - 300, engine.target(4).top + 100);
        QVERIFY(engine.drop(4).allPlaced);
    }

    void dropNearAnotherItemsHomeSlotPutsItThere()
    {
        DragEngine engine = engineFor(QStringLiteral("groupingord"));
        const TwipsRect slot = engine.home(3);
        engine.moveItem(0, slot.left - 500, slot.top + 300);
        const DragEngine::Drop drop = engine.drop(0);
        QCOMPARE(drop.snaps, 1);
        QCOMPARE(engine.item(0).left, slot.left);
        QCOMPARE(engine.item(0).top, slot.top);
        QVERIFY(!drop.allPlaced);
    }

    void itemOffTheScreenStaysUntilStartAgain()
    {
        DragEngine engine = engineFor(QStringLiteral("scilly1ord"));
        engine.moveItem(2, -6000.5f, 12500.25f);
        const DragEngine::Drop drop = engine.drop(2);
        QCOMPARE(drop.snaps, 0);
        QCOMPARE(engine.item(2), (TwipsRect{-6000.5f, 12500.25f, 4035, 675}));
        engine.reset();
        for (int i = 0; i < engine.count(); ++i)
            QCOMPARE(engine.item(i), engine.home(i));
    }

    void anotherItemsBoxScoresNothing()
    {
        DragEngine engine = engineFor(QStringLiteral("scilly2lab"));
        placeInOwnBoxes(engine);
        QCOMPARE(engine.score(), 6);
        // Swap "Bryher" and "St Mary's".
        engine.moveItem(0, engine.target(1).left, engine.target(1).top);
        engine.moveItem(1, engine.target(0).left, engine.target(0).top);
        QVERIFY(engine.allPlaced());
        QCOMPARE(engine.score(), 4);
        QCOMPARE(engine.score(), 4); // a second check counts afresh
    }
};

QTEST_GUILESS_MAIN(TestDragEngine)
#include "test_dragengine.moc"
