// The class's results on the pupil's side: with results kept a pupil is asked their name once
// before the first quiz or activity, each result adds one record (a quiz's with its wrong
// answers), the certificate starts with the name and Change Pupil asks again; with results off
// nothing asks, shows or writes. A results folder that cannot be written is told once.
#include "activities/ActivityScreen.h"
#include "app/Intro0.h"
#include "base/Names.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "results/RecordsFolder.h"
#include "support/TestProgram.h"
#include "topics/TopicPage.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace bs;

namespace {

const QString Page = QStringLiteral("scilly2");

void clickOn(QWidget* control)
{
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(control->window(), control->rect().center()));
}

} // namespace

class TestPupilResults : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    TopicPage& showPage()
    {
        m_test->screens().show(Page);
        return m_test->screens().get<TopicPage>(Page);
    }
    // The page's quiz, question 1 answered wrongly and the rest rightly.
    void doQuiz()
    {
        clickButton(showPage().Label3(0));
        if (!m_test->screens().isLoaded(screenName::quiz))
            return;
        auto& quiz = m_test->screens().get<Multiple>(screenName::quiz);
        for (int n = 1; n <= 10; ++n) {
            const int right = m_test->state().correct[n].toInt();
            clickOption(quiz.Option1(n == 1 ? right % 4 + 1 : right));
            clickButton(quiz.Label3(1));
        }
    }
    // The page's ordering activity, every item in its own box.
    void doActivity()
    {
        clickButton(showPage().Label3(3));
        if (!m_test->screens().isLoaded(Page + QStringLiteral("ord")))
            return;
        auto& activity = m_test->screens().get<ActivityScreen>(Page + QStringLiteral("ord"));
        for (int i = 0; i < int(activity.definition().items.size()); ++i) {
            clickOn(activity.Label2(i));
            clickOn(activity.Label1(i));
        }
        clickButton(activity.Label3(2));
    }
    QString folder() const { return m_test->contentRoot() + QStringLiteral("/results"); }

private slots:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        QVERIFY(m_test->copyTopicContent(*m_test->program().topicLibrary().topicNamed(Page)));
        writeResultPicture(*m_test);
        m_test->writeContent(QStringLiteral("results/classes.txt"), "\xEF\xBB\xBFYear 5\tAnn\nYear 5\tBryn\n");
    }
    void cleanup() { m_test.reset(); }

    void aPupilThroughAQuizAndAnActivity_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<QByteArray>("folderSwitch"); // empty: none
        QTest::addColumn<bool>("kept");
        QTest::newRow("on by the machine") << QStringLiteral("on") << QByteArray() << true;
        QTest::newRow("on by the folder") << QString() << QByteArray("on\n") << true;
        QTest::newRow("off") << QString() << QByteArray() << false;
        QTest::newRow("the folder's off wins") << QStringLiteral("on") << QByteArray("off\n") << false;
    }
    void aPupilThroughAQuizAndAnActivity()
    {
        QFETCH(QString, machine);
        QFETCH(QByteArray, folderSwitch);
        QFETCH(bool, kept);
        m_test->program().machineResults = machine;
        if (!folderSwitch.isEmpty())
            m_test->writeContent(QStringLiteral("results/switch.txt"), folderSwitch);
        const QStringList before = QDir(folder()).entryList(QDir::Files);
        m_test->dialogs().setNextPupil(PupilName{QStringLiteral("Year 5"), QStringLiteral("Bryn")});

        doQuiz();
        doActivity();
        auto& results = m_test->screens().get<Welldone>(screenName::results);
        QVERIFY(results.isVisible() && results.Text1->isVisible()); // full marks: the certificate
        QCOMPARE(results.Text1->text(), kept ? QStringLiteral("Bryn") : QString());
        QCOMPARE(m_test->dialogs().pupilClassesOffered,
                 kept ? QList<QStringList>{{QStringLiteral("Year 5")}} : QList<QStringList>{});
        QVERIFY(m_test->dialogs().messages.isEmpty());
        const RecordsRead read = readRecordsFolder(folder());
        if (!kept) {
            QCOMPARE(QDir(folder()).entryList(QDir::Files), before);
            QVERIFY(read.records.isEmpty());
        } else {
            QCOMPARE(read.records.size(), 2);
            const ResultRecord& quiz = read.records[0];
            const ResultRecord& activity = read.records[1];
            for (const ResultRecord& r : read.records) {
                QCOMPARE(r.pupil, QStringLiteral("Bryn"));
                QCOMPARE(r.pupilClass, QStringLiteral("Year 5"));
                QCOMPARE(r.computer, thisComputer());
                QVERIFY(qAbs(r.when.secsTo(QDateTime::currentDateTime())) < 3600);
                QCOMPARE(r.source, ResultRecord::Source::Topic);
                QCOMPARE(r.place, QStringLiteral("Isles of Scilly"));
                QCOMPARE(r.topic, QStringLiteral("Physical Geography"));
            }
            QCOMPARE(quiz.activity, QStringLiteral("quiz"));
            QCOMPARE(quiz.score, 9);
            QCOMPARE(quiz.outof, 10);
            QCOMPARE(quiz.wrong, (QList<WrongAnswer>{{1, m_test->state().question[1]}}));
            QCOMPARE(activity.activity, QStringLiteral("ordering"));
            QCOMPARE(activity.score, activity.outof);
            QVERIFY(activity.wrong.isEmpty());
        }

        // The menu's Change Pupil, only with results kept, asks again.
        m_test->screens().show(screenName::menu);
        auto& menu = m_test->screens().get<Intro0>(screenName::menu);
        QCOMPARE(menu.Label2(23)->isVisible(), kept);
        if (!kept)
            return;
        QCOMPARE(menu.Label2(23)->accessibleDescription(), QStringLiteral("Named now: Bryn, Year 5"));
        m_test->dialogs().setNextPupil(PupilName{QString(), QStringLiteral("Ann")});
        clickButton(menu.Label2(23));
        QCOMPARE(m_test->dialogs().pupilClassesOffered.size(), 2);
        QCOMPARE(m_test->state().pupilname, QStringLiteral("Ann"));
        QCOMPARE(menu.Label2(23)->accessibleDescription(), QStringLiteral("Named now: Ann"));
    }

    // Cancel opens nothing; a name that cannot be kept is said and asked again.
    void cancelOpensNothing()
    {
        m_test->program().machineResults = QStringLiteral("on");
        m_test->dialogs().setNextPupil(std::nullopt);
        doActivity();
        QVERIFY(!m_test->screens().isLoaded(Page + QStringLiteral("ord")));
        m_test->dialogs().setNextPupil(PupilName{QString(), QStringLiteral(" ")});
        m_test->dialogs().setNextPupil(PupilName{QString(), QStringLiteral("Ann")});
        doActivity();
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Please type your name.")});
        QCOMPARE(m_test->state().pupilname, QStringLiteral("Ann"));
        QCOMPARE(readRecordsFolder(folder()).records.size(), 1);
    }

    // A plain file where the results folder should be: told once, and the results still show.
    void anUnwritableFolderIsToldOnce()
    {
        QDir(folder()).removeRecursively();
        m_test->writeContent(QStringLiteral("results"), "not a folder");
        m_test->program().machineResults = QStringLiteral("on");
        m_test->dialogs().setNextPupil(PupilName{QString(), QStringLiteral("Ann")});
        doActivity();
        doQuiz();
        QVERIFY(m_test->screens().get<Welldone>(screenName::results).isVisible());
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your result could not be saved for your teacher.")});
    }
};

QTEST_MAIN(TestPupilResults)
#include "test_pupilresults.moc"
