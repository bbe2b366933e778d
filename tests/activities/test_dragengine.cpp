// The drag rules of every activity the topics hold: snapping, catch zones, home slots, all
// placed and the score, on the engine alone.
#include "activities/DragEngine.h"
#include "topicdata/ActivityDefinition.h"
#include "support/ShippedTopics.h"

#include <QTest>

using namespace bs;

namespace {

DragEngine engineFor(const QString& formName)
{
    const ActivityDefinition& definition = *test::shippedTopics().activityNamed(formName);
    std::vector<TwipsRect> starts, targets;
    const float w = definition.itemSize.width(), h = definition.itemSize.height();
    auto rect = [&](QPoint at) { return TwipsRect{float(at.x()), float(at.y()), w, h}; };
    for (const ActivityItem& item : definition.items) {
        starts.push_back(rect(item.start));
        targets.push_back(rect(item.target));
    }
    return DragEngine(starts, targets);
}

// Where a dropped item's corner is caught: from half a box left of and above the box to its
// right and bottom edges, the edges themselves not.
bool caught(const TwipsRect& box, float x, float y)
{
    return x > box.left - box.width / 2 && x < box.left + box.width && y > box.top - box.height / 2 &&
           y < box.top + box.height;
}

} // namespace

class TestDragEngine : public QObject
{
    Q_OBJECT

    void everyActivity()
    {
        QTest::addColumn<QString>("formName");
        for (const Topic& topic : test::shippedTopics().topics()) {
            for (const ActivityDefinition& definition : topic.activities)
                QTest::newRow(qPrintable(definition.formName)) << definition.formName;
        }
    }

private Q_SLOTS:
    // A drop snaps into the first box or slot (box j, then slot j, for j = 0, 1, ...) whose
    // zone holds the item's corner, with one thud, and nowhere else; on a zone's edge it does
    // not snap into that box.
    void snapping_data() { everyActivity(); }
    void snapping()
    {
        QFETCH(QString, formName);
        DragEngine engine = engineFor(formName);
        std::vector<TwipsRect> boxes;
        for (int j = 0; j < engine.count(); ++j)
            boxes.insert(boxes.end(), {engine.target(j), engine.home(j)});
        for (const TwipsRect& box : boxes) {
            const float left = box.left - box.width / 2, right = box.left + box.width;
            const float top = box.top - box.height / 2, bottom = box.top + box.height;
            const float x = box.left + box.width / 4, y = box.top + box.height / 4;
            const QList<QPointF> corners{{left, y},        {left + 0.5, y},   {right, y},
                                         {right - 0.5, y}, {x, top},          {x, top + 0.5},
                                         {x, bottom},      {x, bottom - 0.5}, {box.left, box.top}};
            for (const QPointF& corner : corners) {
                const auto first = std::find_if(boxes.begin(), boxes.end(), [&](const TwipsRect& b) {
                    return caught(b, corner.x(), corner.y());
                });
                engine.moveItem(0, corner.x(), corner.y());
                const int snaps = engine.drop(0).snaps;
                const TwipsRect at = engine.item(0);
                QVERIFY2(first == boxes.end()
                             ? snaps == 0 && at.left == float(corner.x()) && at.top == float(corner.y())
                             : snaps == 1 && at == *first,
                         qPrintable(formName + QStringLiteral(" at %1, %2").arg(corner.x()).arg(corner.y())));
            }
        }
    }

    // Only the left button alone drags, the item's centre to the pointer. Only item i in box i
    // scores; every item in some box, even two in one, shows Check Score.
    void draggingAndScoring_data() { everyActivity(); }
    void draggingAndScoring()
    {
        QFETCH(QString, formName);
        DragEngine engine = engineFor(formName);
        const int n = engine.count();
        for (const int buttons : {0, 2, 3, 4, 5, 1}) {
            const TwipsRect before = engine.item(0);
            QCOMPARE(engine.dragStep(0, buttons, 100, 30), buttons == DragEngine::LeftButton);
            QCOMPARE(engine.item(0).left, before.left + (buttons == 1 ? 100 - before.width / 2 : 0));
            QCOMPARE(engine.item(0).top, before.top + (buttons == 1 ? 30 - before.height / 2 : 0));
        }
        auto dropNear = [&](int i, const TwipsRect& box) {
            engine.moveItem(i, box.left + 10, box.top + 10);
            return engine.drop(i);
        };
        for (int i = 0; i < n; ++i) {
            const DragEngine::Drop drop = dropNear(i, engine.target(i));
            QCOMPARE(drop.snaps, 1);
            QCOMPARE(drop.allPlaced, i == n - 1);
        }
        QCOMPARE(engine.score(), n);
        dropNear(0, engine.target(1));
        QVERIFY(dropNear(1, engine.target(0)).allPlaced);
        QCOMPARE(engine.score(), n - 2);
        QCOMPARE(engine.score(), n - 2);                  // a second check counts afresh
        QVERIFY(dropNear(1, engine.target(1)).allPlaced); // box 0 empty, box 1 holding two
        QCOMPARE(engine.item(0), engine.item(1));
        QCOMPARE(engine.score(), n - 1);
        QVERIFY(!dropNear(n - 1, engine.home(0)).allPlaced); // another item's starting place
        QCOMPARE(engine.item(n - 1), engine.home(0));
        engine.reset();
        for (int i = 0; i < n; ++i)
            QCOMPARE(engine.item(i), engine.home(i));
        QCOMPARE(engine.score(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDragEngine)
#include "test_dragengine.moc"
