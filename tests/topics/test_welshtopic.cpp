// Llandudno's topics in Welsh, as a pupil meets them: Cymraeg chosen on the main menu, a topic
// opened from it, its heading, buttons, key facts, quiz and both activities in Welsh, and full
// marks in each. The Isles of Scilly keep their English under the Welsh buttons.
#include "activities/ActivityScreen.h"
#include "app/Intro0.h"
#include "base/Names.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"
#include "topics/NotesViewer.h"
#include "topics/TopicPage.h"
#include "ui/LabelButton.h"
#include "ui/Language.h"
#include "ui/Screens.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace bs;

class TestWelshTopic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { setLanguage(Language::English); }

    void fullMarks_data()
    {
        QTest::addColumn<int>("entry"); // the menu's entry under Llandudno
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("title");
        QTest::newRow("Hanes") << 15 << "llandudno1" << "Llandudno: Hanes";
        QTest::newRow("Daearyddiaeth Ffisegol") << 0 << "llandudno2" << "Llandudno: Daearyddiaeth Ffisegol";
        QTest::newRow("Daearyddiaeth Ddynol") << 1 << "llandudno3" << "Llandudno: Daearyddiaeth Ddynol";
        QTest::newRow("Economi") << 2 << "llandudno4" << "Llandudno: Economi";
        QTest::newRow("Byw ger y m\u00F4r") << 3 << "llandudno5" << QStringLiteral("Llandudno: Byw ger y m\u00F4r");
    }
    void fullMarks()
    {
        QFETCH(int, entry);
        QFETCH(QString, form);
        QFETCH(QString, title);
        TestProgram test;
        Screens& screens = test.screens();
        screens.show(screenName::menu);
        auto& menu = screens.get<Intro0>(screenName::menu);
        QTest::mouseClick(menu.Option4, Qt::LeftButton, {}, QPoint(6, menu.Option4->height() / 2));
        QCOMPARE(currentLanguage(), Language::Welsh);
        const Topic& topic = *test.program().topicLibrary().topicNamed(form);
        QCOMPARE(topic.title, title);
        for (const QString& file : {topic.panorama, topic.quizPicture, topic.worksheet})
            test.copyContent(file);
        for (const ActivityDefinition& activity : topic.activities) {
            for (const PictureSpec& picture : activity.pictures)
                test.copyContent(picture.path);
        }
        for (const QString& drawing : {topic.keyFactsKey + "a.wmf", topic.keyFactsKey + "b.wmf", topic.notesKey + ".wmf"}) {
            QVERIFY2(test.copyContent("wmf/" + drawing) && test.copyContent("wmf2/" + drawing), qPrintable(drawing));
            QVERIFY(drawing.startsWith(u"cy "));
        }

        QTest::mouseClick(menu.Label2(entry), Qt::LeftButton);
        auto& page = screens.get<TopicPage>(form);
        QCOMPARE(page.Label1->text(), title);
        QCOMPARE(page.Label3(4)->caption(), QStringLiteral("Prif Ffeithiau"));
        QTest::mouseClick(page.Label3(4), Qt::LeftButton);
        QCOMPARE(test.state().notekey, topic.keyFactsKey);
        QVERIFY(test::metafilesRead(test.program(), "wmf/" + topic.keyFactsKey + "a.wmf"));
        screens.unload(screenName::notes);

        // The quiz: the Welsh worksheet, every right answer.
        QTest::mouseClick(page.Label3(0), Qt::LeftButton);
        QCOMPARE(test.dialogs().messages, QStringList());
        QCOMPARE(test.state().worktitle, "Llandudno - " + title.mid(11));
        auto& quiz = screens.get<Multiple>(screenName::quiz);
        for (int n = 1; n <= 10; ++n) {
            clickOption(quiz.Option1(test.state().correct[n].toInt()));
            QTest::mouseClick(quiz.Label3(1), Qt::LeftButton);
        }
        QCOMPARE(test.state().score, 10);
        screens.unload(screenName::results);

        // Both activities: each item picked up and put down on its own box, in Welsh.
        for (const int button : {1, 3}) {
            const QString name = button == 1 ? topic.labelling : topic.ordering;
            const ActivityDefinition& definition = *test.program().topicLibrary().activityNamed(name);
            QTest::mouseClick(page.Label3(button), Qt::LeftButton);
            auto& activity = screens.get<ActivityScreen>(name);
            QCOMPARE(qobject_cast<QLabel*>(activity.control("Label6"))->text(), title);
            for (const auto& [i, item] : activity.Label2) {
                QCOMPARE(item->text(), definition.items[std::size_t(i)].text);
                QTest::mouseClick(item, Qt::LeftButton);
                QTest::mouseClick(activity.Label1(i), Qt::LeftButton);
            }
            QVERIFY(activity.Label3(2)->isVisibleTo(&activity));
            QTest::mouseClick(activity.Label3(2), Qt::LeftButton);
            QCOMPARE(test.state().score, activity.Label2.size());
            QCOMPARE(test.state().outof, activity.Label2.size());
            screens.unload(screenName::results);
            screens.unload(name);
        }
        // Back in English, the same page is the English one.
        const QString welshItem = test.program().topicLibrary().activityNamed(topic.ordering)->items.front().text;
        setLanguage(Language::English);
        QVERIFY(test.program().topicLibrary().activityNamed(topic.ordering)->items.front().text != welshItem);
        QCOMPARE(test.program().topicLibrary().topicNamed(form)->keyFactsKey, "key " + form);
    }

    // A place without Welsh keeps its English under the Welsh buttons.
    void englishWithoutVariant()
    {
        TestProgram test;
        setLanguage(Language::Welsh);
        test.screens().show(QStringLiteral("scilly1"));
        auto& page = test.screens().get<TopicPage>(QStringLiteral("scilly1"));
        QCOMPARE(page.Label1->text(), QStringLiteral("Isles of Scilly: History"));
        QCOMPARE(page.Label3(2)->caption(), QStringLiteral("Gadael"));
    }
};

QTEST_MAIN(TestWelshTopic)
#include "test_welshtopic.moc"
