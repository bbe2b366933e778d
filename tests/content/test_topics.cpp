// Every topic file of the shipped content builds its page and its activities on the real
// content, and meets the content guide's checks: everything shows, every text fits its box in
// the program's fonts, every activity scores full marks with each item in its own box, no two
// target boxes overlap, and a map's boxes lie on the map.
#include "activities/ActivityScreen.h"
#include "app/ScreenCatalog.h"
#include "base/Twips.h"
#include "graphics/Fonts.h"
#include "platform/fakes/FakeServices.h"
#include "topics/TopicPage.h"
#include "ui/Language.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QFile>
#include <QLabel>
#include <QTest>

using namespace bs;

namespace {

// The text wraps within the label's width and its lines end inside the box (the descenders
// of the last line may touch the border), at no less than three quarters of its design size.
void checkFits(const QLabel* label, double designPoints, const QString& where)
{
    const int overflow = label->heightForWidth(label->width()) - label->height();
    QVERIFY2(
        overflow <= QFontMetrics(label->font()).descent(),
        qPrintable(
            QStringLiteral("%1 \"%2\" runs %3 px out of its box").arg(where, label->text()).arg(overflow)));
    QVERIFY2(label->font().pointSizeF() >= 0.75 * designPoints,
             qPrintable(QStringLiteral("%1 \"%2\" only fits at %3 pt")
                            .arg(where, label->text())
                            .arg(label->font().pointSizeF())));
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

    void cleanup() { setLanguage(Language::English); }

    // The English pages, and the pages written in Welsh.
    void pageTitlesFit_data() { languages(); }
    void pageTitlesFit()
    {
        QFETCH(int, language);
        setLanguage(Language(language));
        for (const Topic& topic : m_program->topicLibrary().topics()) {
            auto& page = m_program->screens().get<TopicPage>(topic.formName);
            checkFits(page.Label1, 27.75, topic.formName);
            QCOMPARE(page.Label1->font().pointSizeF(), 27.75);
            m_program->screens().unload(topic.formName);
        }
    }

    void activity_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("language");
        for (const Language language : {Language::English, Language::Welsh}) {
            setLanguage(language);
            for (const Topic& topic : m_program->topicLibrary().topics()) {
                if (language == Language::Welsh && !hasVariant(topic))
                    continue;
                for (const ActivityDefinition& activity : topic.activities)
                    QTest::addRow("%s %s", qPrintable(languageCode(language)), qPrintable(activity.formName))
                        << activity.formName << int(language);
            }
        }
        setLanguage(Language::English);
    }
    void activity()
    {
        QFETCH(QString, form);
        QFETCH(int, language);
        setLanguage(Language(language));
        const ActivityDefinition& definition = *m_program->topicLibrary().activityNamed(form);
        const Topic& topic = *m_program->topicLibrary().topicOfActivity(form);
        auto& screen = m_program->screens().get<ActivityScreen>(form);
        if (topic.labelling == form || topic.ordering == form)
            screen.setHeading(topic.title);

        for (const LabelSpec& spec : definition.labels)
            checkFits(qobject_cast<QLabel*>(screen.control(spec.name)), spec.font.points, spec.name);
        for (const auto& [i, item] : screen.Label2)
            checkFits(item, definition.itemFont.points, QStringLiteral("item %1").arg(i));

        // Each picture shows; a labelling map's boxes lie on it; full marks with each item in its own box.
        QList<QRectF> pictures, boxes;
        for (const auto& [k, image] : screen.Image1) {
            QVERIFY2(!image->picture().isNull(), qPrintable(definition.pictures[k].path));
            pictures << QRectF(image->leftTwips(), image->topTwips(), image->widthTwips(),
                               image->heightTwips());
        }
        DragEngine engine = screen.engine();
        for (int i = 0; i < engine.count(); ++i) {
            const TwipsRect& target = engine.target(i);
            const QRectF box(target.left, target.top, target.width, target.height);
            const auto overlaps = [&box](const QRectF& other) { return other.intersects(box); };
            QVERIFY2(std::none_of(boxes.begin(), boxes.end(), overlaps),
                     qPrintable(QStringLiteral("box %1 overlaps").arg(i)));
            const auto holds = [&box](const QRectF& picture) { return picture.contains(box); };
            QVERIFY2(topic.labelling != form || std::any_of(pictures.begin(), pictures.end(), holds),
                     qPrintable(QStringLiteral("box %1 is off the pictures").arg(i)));
            boxes << box;
            engine.moveItem(i, target.left + 30, target.top + 30);
            QCOMPARE(engine.drop(i).snaps, 1);
        }
        QVERIFY(engine.allPlaced());
        QCOMPARE(engine.score(), engine.count());
        m_program->screens().unload(form);
    }

private:
    static bool hasVariant(const Topic& topic)
    {
        return QFile::exists(QStringLiteral(BS_CONTENT_DIR "/topics/cy/") + topic.formName + QStringLiteral(".json"));
    }
    static void languages()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("en") << int(Language::English);
        QTest::newRow("cy") << int(Language::Welsh);
    }

    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestTopics)
#include "test_topics.moc"
