// The "Our Topics" list and the pages of the school's own topics, driven as a pupil and a
// teacher do: from the main menu, by clicks and keys, through the fakes.
#include "../topics/OwnTopicSample.h"
#include "activities/ActivityScreen.h"
#include "app/Intro0.h"
#include "base/Names.h"
#include "owntopics/OurTopics.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"
#include "topicdata/OwnTopicStore.h"
#include "topics/NotesViewer.h"
#include "topics/TopicPack.h"
#include "topics/TopicPage.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "worksheetdata/Worksheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace bs;

namespace {

constexpr int MenuEntry = 21;

} // namespace

class TestOurTopics : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    Screens& screens() { return m_test->screens(); }
    OwnTopicStore store()
    {
        return OwnTopicStore(m_test->contentRoot() + "/ourtopics",
                             m_test->contentRoot() + "/multiple/track.txt");
    }
    // Saves a topic as the maker would, with real pictures and its worksheet.
    void save(const QString& title, bool bare = false)
    {
        const OwnTopic topic = test::sampleOwnTopic(title, false, bare);
        std::map<QString, QByteArray> pictures;
        for (const QString& name : ownTopicPictures(topic))
            pictures[name] =
                test::imageBytes(name.contains("panorama") ? QSize(3000, 340) : QSize(480, 400), "JPEG");
        m_test->writeContent("multiple/" + worksheetFileName(topic.worksheet),
                             test::worksheetFile(test::numberedWorksheet(topic.worksheet)));
        QDir(m_test->contentRoot()).mkpath("ourtopics");
        store().save(topic, pictures);
    }
    OurTopics& openList()
    {
        screens().show(screenName::menu);
        clickButton(screens().get<Intro0>(screenName::menu).Label2(MenuEntry));
        return screens().get<OurTopics>(screenName::ourTopics);
    }
    int slotOf(OurTopics& list, const QString& caption)
    {
        for (int i = 1; i <= OurTopics::TopicsPerPage; ++i) {
            if (list.Label2(i)->isVisible() && list.Label2(i)->caption() == caption)
                return i;
        }
        return 0;
    }
    TopicPage& openTopic(const QString& title)
    {
        OurTopics& list = openList();
        const int slot = slotOf(list, title);
        if (!slot)
            qFatal("topic not listed");
        clickButton(list.Label2(slot));
        TestProgram::flushDeletes();
        for (const QString& name : screens().loadedNames()) {
            if (auto* page = dynamic_cast<TopicPage*>(screens().loaded(name)))
                return *page;
        }
        qFatal("no topic page");
    }

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->state().soundon = 1;
        writeResultPicture(*m_test);
    }
    void cleanup() { m_test.reset(); }

    // Menu, Our Topics, the topic: full marks in its quiz and in both activities by clicks,
    // each reaching the certificate.
    void pupilGetsFullMarks_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("quiz") << 0;
        QTest::newRow("labelling") << 1;
        QTest::newRow("ordering") << 3;
    }
    void pupilGetsFullMarks()
    {
        QFETCH(int, button);
        save("Our school grounds");
        TopicPage& page = openTopic("Our school grounds");
        QVERIFY(page.isVisible() && page.topic().own);
        QCOMPARE(page.Label1->text(), QStringLiteral("Our school grounds"));
        QVERIFY(!page.Image1->picture().isNull());
        QCOMPARE(page.accessibleName(), QStringLiteral("Our school grounds"));
        clickButton(page.Label3(button));
        QVERIFY2(m_test->dialogs().messages.isEmpty(), qPrintable(m_test->dialogs().messages.join(' ')));
        if (button == 0) {
            auto& quiz = screens().get<Multiple>(screenName::quiz);
            QVERIFY(quiz.isVisible());
            for (int n = 1; n <= 10; ++n) {
                clickOption(quiz.Option1((n - 1) % 4 + 1));
                clickButton(quiz.Label3(1));
            }
        } else {
            const QString form = button == 1 ? page.topic().labelling : page.topic().ordering;
            auto& activity = screens().get<ActivityScreen>(form);
            QVERIFY(QTest::qWaitForWindowExposed(&activity));
            for (int i = 0; i < int(activity.definition().items.size()); ++i) {
                clickButton(activity.Label2(i));
                clickButton(activity.Label1(i));
            }
            clickButton(activity.Label3(2)); // Check Score
        }
        auto& results = screens().get<Welldone>(screenName::results);
        QVERIFY(results.isVisible());
        QVERIFY(results.Label1->text().startsWith("Excellent work."));
        QVERIFY(results.Label3(0)->isVisible()); // the certificate
    }

    // A refused file is listed with its problem; the rest open, by the keys alone.
    void refusedFileListedAndTheRestOpen()
    {
        save("Our school grounds");
        m_test->writeContent("ourtopics/Broken.json", "{\"format\": 1");
        OurTopics& list = openList();
        QCOMPARE(list.accessibleName(), QStringLiteral("Our Topics"));
        const int broken = slotOf(list, "Broken (cannot be opened)");
        QVERIFY(broken);
        QVERIFY(list.Label2(broken)->accessibleDescription().contains("Broken.json"));
        clickButton(list.Label2(broken));
        QCOMPARE(m_test->dialogs().messages.size(), 1);
        QVERIFY(m_test->dialogs().messages[0].startsWith(OurTopics::RefusedMessage + "Broken.json"));
        QVERIFY(QTest::qWaitForWindowActive(&list));
        LabelButton* good = list.Label2(slotOf(list, "Our school grounds"));
        for (int step = 0; step < 40 && QApplication::focusWidget() != good; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), good);
        QTest::keyClick(good, Qt::Key_Return);
        const Topic* topic = m_test->program().topicLibrary().ownTopics().front();
        QVERIFY(screens().isLoaded(topic->formName) && screens().touch(topic->formName).isVisible());
    }

    // Delete asks as the catalogue does and removes the topic only when the teacher agrees.
    void deleteAsks_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteAsks()
    {
        QFETCH(bool, agree);
        save("Our school grounds");
        save("The village green", true);
        OurTopics& list = openList();
        clickButton(list.Check(1));
        m_test->dialogs().answers = {agree};
        clickButton(list.Label2(slotOf(list, "The village green")));
        QCOMPARE(m_test->dialogs().questions,
                 QStringList("Are you sure that you want to delete the topic The village green?"));
        QCOMPARE(int(store().list().size()), agree ? 1 : 2);
        QCOMPARE(bool(slotOf(list, "The village green")), !agree);
        QVERIFY(slotOf(list, "Our school grounds"));
    }

    // Another computer's new topic shows at the next look; a topic it deletes while its page
    // is open gives a message, and an empty list says how to make one.
    void anotherComputer()
    {
        OurTopics& empty = openList();
        QVERIFY(empty.Label6->isVisible());
        clickButton(empty.Label2(0)); // Exit
        TestProgram::flushDeletes();
        save("Our school grounds");
        TopicPage& page = openTopic("Our school grounds");
        store().remove("Our school grounds");
        for (int button : {4, 5, 0, 1}) {
            clickButton(page.Label3(button));
            QCOMPARE(m_test->dialogs().messages.size(), 1);
            QCOMPARE(m_test->dialogs().messages.takeFirst(), TopicPage::TopicGoneMessage);
        }
        clickButton(page.Label3(2)); // back to the list, now empty
        TestProgram::flushDeletes();
        QVERIFY(screens().get<OurTopics>(screenName::ourTopics).Label6->isVisible());
    }

    // A part the teacher left out has no button on the page, nor a piece in the pack.
    void partsLeftOutHaveNoButton_data()
    {
        QTest::addColumn<bool>("bare");
        QTest::newRow("every part") << false;
        QTest::newRow("no labelling") << true;
    }
    void partsLeftOutHaveNoButton()
    {
        QFETCH(bool, bare);
        save("Our school grounds", bare);
        TopicPage& page = openTopic("Our school grounds");
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        for (int button : {0, 2, 3, 4, 5})
            QVERIFY(page.Label3(button)->isVisible());
        QCOMPARE(page.Label3(1)->isVisible(), !bare);
        QCOMPARE(int(packPieces(page.topic()).size()), bare ? 5 : 6);
    }

    // More topics than a page holds page as the catalogue does.
    void paging()
    {
        for (int i = 0; i < 26; ++i)
            save(QStringLiteral("Topic %1").arg(i, 2, 10, QChar('0')), true);
        OurTopics& list = openList();
        QVERIFY(!list.Label3(0)->isVisible() && list.Label3(1)->isVisible());
        QVERIFY(list.Label2(24)->isVisible());
        clickButton(list.Label3(1));
        QCOMPARE(list.Label4->text(), QStringLiteral("Page 2"));
        QVERIFY(list.Label3(0)->isVisible() && !list.Label3(1)->isVisible());
        QCOMPARE(list.Label2(2)->caption(), QStringLiteral("Topic 25"));
        QVERIFY(!list.Label2(3)->isVisible());
    }

    // The typed pages show in the notes viewer and print as drawings; the notes offer the pack.
    void pagesAndPack()
    {
        save("Our school grounds");
        TopicPage& page = openTopic("Our school grounds");
        clickButton(page.Label3(4));
        auto& viewer = screens().get<NotesViewer>(screenName::notes);
        QVERIFY(viewer.isVisible() && viewer.Image1->picture().isDrawing());
        QVERIFY(viewer.accessibleDescription().contains("Our field"));
        clickButton(viewer.Label3(2)); // Next Page
        QVERIFY(viewer.accessibleDescription().contains("Our garden"));
        clickButton(viewer.Label3(1));
        TestProgram::flushDeletes();
        clickButton(page.Label3(5));
        auto& notes = screens().get<NotesViewer>(screenName::notes);
        QVERIFY(notes.Label3(4)->isVisible());
        m_test->dialogs().setNextPackChoice({PackChoice::Print, QList<bool>(6, true), 1});
        clickButton(notes.Label3(4));
        QCOMPARE(m_test->dialogs().messages, QStringList(PackPrintingMessage));
        QCOMPARE(m_test->dialogs().packPieces.size(), 6);
        int drawings = 0;
        for (const PrintOp& op : m_test->printer().ops)
            drawings += op.kind == PrintOp::Picture && op.picture.isDrawing();
        QCOMPARE(drawings, 3); // the notes and both key facts pages, drawn for paper
        QCOMPARE(m_test->printer().jobsEnded, 1);
    }
};

QTEST_MAIN(TestOurTopics)
#include "test_ourtopics.moc"
