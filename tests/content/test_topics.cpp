// Every topic file of the shipped content builds its page and its activities on the real
// content, and meets the content guide's checks: everything shows, every text fits its box in
// the program's fonts, every activity scores full marks with each item in its own box, no two
// target boxes overlap, and a map's boxes lie on the map.
#include "app/ScreenCatalog.h"
#include "activities/ActivityScreen.h"
#include "graphics/Fonts.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "base/Twips.h"
#include "platform/fakes/FakeServices.h"
#include "topics/TopicPage.h"

#include <QLabel>
#include <QTest>

using namespace bs;

namespace {

// The text wraps within the label's width and its lines end inside the box (the descenders
// of the last line may touch the border), at no less than three quarters of its design size.
void checkFits(const QLabel* label, double designPoints, const QString& where)
{
    const int overflow = label->heightForWidth(label->width()) - label->height();
    QVERIFY2(overflow <= QFontMetrics(label->font()).descent(),
             qPrintable(QStringLiteral("%1 \"%2\" runs %3 px out of its box").arg(where, label->text()).arg(overflow)));
    QVERIFY2(label->font().pointSizeF() >= 0.75 * designPoints,
             qPrintable(QStringLiteral("%1 \"%2\" only fits at %3 pt").arg(where, label->text()).arg(label->font().pointSizeF())));
}

QRectF twipsRect(const TwipsRect& r)
{
    return QRectF(r.left, r.top, r.width, r.height);
}

} // namespace

class TestTopics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        registerFonts();
        m_program = std::make_unique<Program>(QStringLiteral(BS_CONTENT_DIR), fakeServices());
        registerAllScreens(m_program->screens());
        QVERIFY2(m_program->topicLibrary().problems().isEmpty(),
                 qPrintable(m_program->topicLibrary().problems().join(u'\n')));
    }
    void cleanupTestCase()
    {
        m_program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void page_data()
    {
        QTest::addColumn<QString>("form");
        for (const Topic& topic : m_program->topicLibrary().topics())
            QTest::newRow(qPrintable(topic.formName)) << topic.formName;
    }
    void page()
    {
        QFETCH(QString, form);
        const Topic& topic = *m_program->topicLibrary().topicNamed(form);
        Screens& screens = m_program->screens();
        auto& page = screens.get<TopicPage>(form);
        QVERIFY2(!page.Image1->picture().isNull(), qPrintable(topic.panorama));
        QVERIFY2(page.Image1->widthTwips() > 12000, "the panorama is too narrow to pan");
        checkFits(page.Label1, 27.75, QStringLiteral("title"));
        QCOMPARE(page.Label1->font().pointSizeF(), 27.75);
        QVERIFY2(!m_program->pictures().load(topic.quizPicture).isNull(), qPrintable(topic.quizPicture));
        QVERIFY(topic.labelling.isEmpty() || screens.isRegistered(topic.labelling));
        QVERIFY(topic.ordering.isEmpty() || screens.isRegistered(topic.ordering));
        screens.unload(form);
    }

    void activity_data()
    {
        QTest::addColumn<QString>("form");
        for (const Topic& topic : m_program->topicLibrary().topics()) {
            for (const ActivityDefinition& activity : topic.activities)
                QTest::newRow(qPrintable(activity.formName)) << activity.formName;
        }
    }
    void activity()
    {
        QFETCH(QString, form);
        const ActivityDefinition& definition = *m_program->topicLibrary().activityNamed(form);
        const Topic& topic = *m_program->topicLibrary().topicOfActivity(form);
        auto& screen = m_program->screens().get<ActivityScreen>(form);
        if (topic.labelling == form || topic.ordering == form)
            screen.setHeading(topic.title);

        for (const LabelSpec& spec : definition.labels)
            checkFits(qobject_cast<QLabel*>(screen.control(spec.name)), spec.font.points, spec.name);
        for (const auto& [i, item] : screen.Label2)
            checkFits(item, definition.itemFont.points, QStringLiteral("item %1").arg(i));

        // Each picture shows; a labelling map's boxes lie on it.
        QList<QRectF> pictures;
        for (const auto& [k, image] : screen.Image1) {
            QVERIFY2(!image->picture().isNull(), qPrintable(definition.pictures[k].path));
            pictures << QRectF(image->leftTwips(), image->topTwips(), image->widthTwips(), image->heightTwips());
        }
        DragEngine engine = screen.engine();
        for (int i = 0; i < engine.count(); ++i) {
            const QRectF box = twipsRect(engine.target(i));
            for (int j = 0; j < i; ++j)
                QVERIFY2(!box.intersects(twipsRect(engine.target(j))), qPrintable(QStringLiteral("boxes %1 and %2 overlap").arg(j).arg(i)));
            const bool onAPicture = std::any_of(pictures.begin(), pictures.end(), [&](const QRectF& p) { return p.contains(box); });
            QVERIFY2(topic.labelling != form || onAPicture, qPrintable(QStringLiteral("box %1 is off the pictures").arg(i)));
        }

        // Full marks with every item in its own box.
        for (int i = 0; i < engine.count(); ++i) {
            engine.moveItem(i, engine.target(i).left + 30, engine.target(i).top + 30);
            QCOMPARE(engine.drop(i).snaps, 1);
        }
        QVERIFY(engine.allPlaced());
        QCOMPARE(engine.score(), engine.count());
        m_program->screens().unload(form);
    }

private:
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestTopics)
#include "test_topics.moc"
