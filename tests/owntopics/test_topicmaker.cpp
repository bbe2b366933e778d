// The topic maker driven as a teacher drives it: a topic typed, pictured, its boxes placed by
// dragging and by the arrow keys, a new worksheet written on the way, saved and read back;
// a pupil then opens it from "Our Topics" and gets full marks in its quiz and both activities; the refusals (a title taken, a page too long, an
// overlapping box, a bad picture, a folder that refuses the write) keep the teacher's work;
// editing keeps what was not changed.
#include "activities/ActivityScreen.h"
#include "authoring/Wizard.h"
#include "base/Names.h"
#include "owntopics/OurTopics.h"
#include "owntopics/OwnTopicOpeners.h"
#include "owntopics/TopicMaker.h"
#include "support/Fixtures.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"
#include "topicdata/OwnTopicStore.h"
#include "topicdata/TopicFile.h"
#include "topics/TopicPage.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QApplication>
#include <QTest>

#include <optional>
#include <unistd.h>

using namespace bs;

namespace {

const QString grounds = QStringLiteral("Our school grounds");

// Types lines into a text box, Enter between them.
void typeLines(QWidget* box, const QStringList& lines)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, lines[i]);
    }
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTopicMaker : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    QString folder() const { return m_test->contentRoot() + QStringLiteral("/ourtopics"); }
    TopicMaker& maker() { return m_test->screens().get<TopicMaker>(screenName::topicMaker); }
    // With BS_SCREENSHOTS set to a folder, each step is saved there as a picture to look at.
    void next()
    {
        if (const QString shots = qEnvironmentVariable("BS_SCREENSHOTS"); !shots.isEmpty())
            maker().grab().save(shots + QStringLiteral("/topicmaker%1.png").arg(maker().step() + 1));
        clickButton(maker().Label3(2));
    }
    // A photograph the teacher has: a JPEG of this size, taller at the bottom in red.
    QString photo(const QString& name, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString path = m_test->contentRoot() + u'/' + name;
        return image.save(path, "JPEG") ? path : QString();
    }
    std::optional<OwnTopic> saved(const QString& title)
    {
        try {
            return readOwnTopicFile(fileBytes(folder() + u'/' + owntopic::fileName(title)), owntopic::fileName(title));
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    // Types the first steps: title, panorama, the two key facts pages.
    void typeFirstSteps(const QString& title)
    {
        QTest::keyClicks(maker().TitleBox, title);
        next();
        m_test->dialogs().setNextPicture(photo(QStringLiteral("shore.jpg"), QSize(1200, 900)));
        clickButton(maker().ChoosePanorama);
        QTest::keyClick(maker().Preview, Qt::Key_Down);
        next();
        for (int page = 0; page < 2; ++page) {
            maker().PageChoice->setCurrentIndex(page);
            QTest::keyClicks(maker().PageHeading, QStringLiteral("The field"));
            typeLines(maker().PageText, {QStringLiteral("We have a big field."), QStringLiteral("- It has a pond.")});
        }
        next();
    }

    // As a pupil: "Our Topics", the topic, the part behind the page's button, every answer right.
    void fullMarksFromTheList(const QString& title, int button)
    {
        openOurTopics(m_test->program());
        auto& list = m_test->screens().get<OurTopics>(screenName::ourTopics);
        int slot = 0;
        for (int i = 1; i <= OurTopics::TopicsPerPage && !slot; ++i) {
            if (list.Label2(i)->isVisible() && list.Label2(i)->caption() == title)
                slot = i;
        }
        QVERIFY2(slot, "the topic is not listed");
        clickButton(list.Label2(slot));
        TestProgram::flushDeletes();
        TopicPage* page = nullptr;
        for (const QString& name : m_test->screens().loadedNames()) {
            if (auto* shown = dynamic_cast<TopicPage*>(m_test->screens().loaded(name)); shown && shown->isVisible())
                page = shown;
        }
        QVERIFY2(page, "no topic page");
        clickButton(page->Label3(button));
        if (button == 0) {
            auto& quiz = m_test->screens().get<Multiple>(screenName::quiz);
            for (int n = 1; n <= 10; ++n) { // the numbered worksheet's right answers go 1, 2, 3, 4, 1, ...
                clickOption(quiz.Option1((n - 1) % 4 + 1));
                clickButton(quiz.Label3(1));
            }
        } else {
            auto& activity = m_test->screens().get<ActivityScreen>(button == 1 ? page->topic().labelling
                                                                                : page->topic().ordering);
            for (int i = 0; i < int(activity.definition().items.size()); ++i) {
                clickButton(activity.Label2(i));
                clickButton(activity.Label1(i));
            }
            clickButton(activity.Label3(2)); // Check Score
        }
        auto& results = m_test->screens().get<Welldone>(screenName::results);
        QVERIFY(results.isVisible());
        QVERIFY2(results.Label1->text().startsWith(QStringLiteral("Excellent work.")), qPrintable(results.Label1->text()));
        results.hide();
    }

private slots:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        writeResultPicture(*m_test);
        QVERIFY(QDir().mkpath(folder()));
        m_test->writeContent(QStringLiteral("multiple/track.txt"), " 1\r\nOur Village Quiz\r\n");
        openTopicMaker(m_test->program(), QString());
    }
    void cleanup()
    {
        m_test.reset();
        TestProgram::flushDeletes();
    }

    void makesAndSavesATopic()
    {
        TopicMaker& m = maker();
        QCOMPARE(m.StepCaption->text(), QStringLiteral("Step 1 of 7: Title"));
        typeFirstSteps(grounds);
        QCOMPARE(m.step(), int(TopicMaker::QuizStep));
        QCOMPARE(m.panoramaBand(), 0.55);
        // A new worksheet written from here shows in the list, chosen.
        clickButton(m.NewWorksheet);
        auto& wizard = m_test->screens().get<Wizard>(screenName::wizard);
        const WorksheetText sheet = test::numberedWorksheet(QStringLiteral("Grounds Quiz"));
        wizard.Text1->setText(sheet.title);
        for (int q = 0; q < 10; ++q) {
            wizard.Text2(q)->setText(sheet.questions[q].text);
            for (int a = 0; a < 4; ++a)
                wizard.Text3(4 * q + a)->setText(sheet.questions[q].answers[a]);
            wizard.Check1(4 * q + sheet.questions[q].correct - 1)->setChecked(true);
        }
        clickButton(wizard.Label3(1));
        clickButton(wizard.Label3(0));
        TestProgram::flushDeletes();
        QCOMPARE(m.WorksheetList->currentItem()->text(), QStringLiteral("Grounds Quiz"));
        next();

        // Labelling: a picture, three labels, box 1 dragged, box 2 moved by keys.
        m_test->dialogs().setNextPicture(photo(QStringLiteral("field.jpg"), QSize(800, 600)));
        clickButton(m.ChoosePicture);
        QVERIFY(m.UseLabelling->isChecked());
        QTest::keyClicks(m.LabellingInstruction, QStringLiteral("Label the school grounds."));
        const QStringList labels{QStringLiteral("Pond"), QStringLiteral("Field"), QStringLiteral("Garden")};
        for (int i = 0; i < labels.size(); ++i)
            QTest::keyClicks(m.LabelText(i), labels[i]);
        const double px = m.Preview->width() / 7200.0;
        const QPoint from = (QPointF(m.boxPlaces()[0] + QPoint(1200, 180)) * px).toPoint();
        QTest::mousePress(m.Preview, Qt::LeftButton, {}, from);
        QTest::mouseMove(m.Preview, from + QPoint(60, 30));
        QTest::mouseRelease(m.Preview, Qt::LeftButton, {}, from + QPoint(60, 30));
        const QPoint dragged = m.boxPlaces()[0];
        QCOMPARE(dragged, QPoint(240, 240) + (QPointF(60, 30) / px).toPoint());
        QTest::keyClick(m.BoxChoice, Qt::Key_Down);
        QCOMPARE(m.BoxChoice->currentIndex(), 1);
        QTest::keyClick(m.Preview, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m.Preview, Qt::Key_Left);
        QCOMPARE(m.boxPlaces()[1], QPoint(4800 - 60, 240 + 300));
        next();

        // Ordering.
        QTest::keyClick(m.UseOrdering, Qt::Key_Space);
        QVERIFY(m.UseOrdering->isChecked());
        QTest::keyClicks(m.OrderingInstruction, QStringLiteral("Put the day in order."));
        const QStringList items{QStringLiteral("Arrive"), QStringLiteral("Play"), QStringLiteral("Go home")};
        for (int i = 0; i < items.size(); ++i)
            QTest::keyClicks(m.ItemText(i), items[i]);
        next();
        QCOMPARE(m.Label3(2)->caption(), QStringLiteral("Save Topic"));
        next();

        QCOMPARE(m_test->dialogs().messages.last(), QStringLiteral("The topic “Our school grounds” has been saved."));
        QVERIFY(!m_test->screens().isLoaded(screenName::topicMaker));
        const std::optional<OwnTopic> topic = saved(grounds);
        QVERIFY(topic);
        QCOMPARE(topic->panorama, grounds + QStringLiteral(" - panorama.jpg"));
        QCOMPARE(QImage(folder() + u'/' + topic->panorama).size(), TopicMaker::PanoramaSize);
        QCOMPARE(topic->keyFacts.size(), std::size_t(2));
        QCOMPARE(topic->keyFacts[1].paragraphs, QStringList({QStringLiteral("We have a big field."), QStringLiteral("- It has a pond.")}));
        QVERIFY(!topic->notes);
        QCOMPARE(topic->worksheet, QStringLiteral("Grounds Quiz"));
        QCOMPARE(topic->labelling->labels.size(), std::size_t(3));
        QCOMPARE(topic->labelling->labels[0].at, dragged);
        QCOMPARE(QImage(folder() + u'/' + topic->labelling->picture).size(), QSize(480, 400));
        QCOMPARE(topic->ordering->items, items);

        // On the list the save went back to, a pupil opens it and gets full marks in every part.
        QVERIFY(m_test->screens().get<OurTopics>(screenName::ourTopics).isVisible());
        for (int button : {0, 1, 3}) // Multiple Choice, Labelling Activity, Ordering Activity
            fullMarksFromTheList(grounds, button);

        // Editing keeps what was not changed.
        const QByteArray panorama = fileBytes(folder() + u'/' + topic->panorama);
        openTopicMaker(m_test->program(), grounds);
        TopicMaker& again = maker();
        QCOMPARE(again.TitleBox->text(), grounds);
        for (int step = 0; step < TopicMaker::OrderingStep; ++step)
            next();
        QCOMPARE(again.step(), int(TopicMaker::OrderingStep));
        again.OrderingInstruction->clear();
        QTest::keyClicks(again.OrderingInstruction, QStringLiteral("Put the school day in order."));
        next();
        next();
        OwnTopic expected = *topic;
        expected.ordering->instruction = QStringLiteral("Put the school day in order.");
        QCOMPARE(saved(grounds), std::optional<OwnTopic>(expected));
        QCOMPARE(fileBytes(folder() + u'/' + topic->panorama), panorama);

        // Renamed: saved under the new title, the old one gone.
        openTopicMaker(m_test->program(), grounds);
        maker().TitleBox->selectAll();
        QTest::keyClicks(maker().TitleBox, QStringLiteral("Our field"));
        while (m_test->screens().isLoaded(screenName::topicMaker) && maker().isVisible())
            next();
        QVERIFY(saved(QStringLiteral("Our field")));
        QCOMPARE(QDir(folder()).entryList(QDir::Files).filter(grounds), QStringList());
    }

    void refusesAndKeepsTheWork_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("message"); // a part of it
        QTest::newRow("a title taken") << 0 << "There is already a topic called “Our village”";
        QTest::newRow("a page too long") << 1 << "is too long for its page";
        QTest::newRow("a heading without text") << 2 << "has a heading but no text";
        QTest::newRow("a picture that is no photograph") << 3 << "not a JPEG or PNG";
        QTest::newRow("a cut-short photograph") << 4 << "incomplete";
        QTest::newRow("an overlapping box") << 5 << "may not cover another box";
        QTest::newRow("a folder that refuses the write") << 6 << "could not be saved";
    }

    void refusesAndKeepsTheWork()
    {
        QFETCH(int, fault);
        QFETCH(QString, message);
        TopicMaker& m = maker();
        FakeDialogs& dialogs = m_test->dialogs();
        if (fault == 0) {
            OwnTopic other;
            other.title = QStringLiteral("Our village");
            other.panorama = owntopic::panoramaName(other.title, QStringLiteral("jpg"));
            OwnTopicStore(folder(), m_test->contentRoot() + QStringLiteral("/multiple/track.txt"))
                .save(other, {{other.panorama, test::imageBytes(QSize(300, 34), "JPEG")}});
            QTest::keyClicks(m.TitleBox, other.title);
            next();
            QCOMPARE(m.step(), int(TopicMaker::TitleStep));
        } else if (fault <= 2) {
            typeFirstSteps(grounds);
            clickButton(m.Label3(1));
            QCOMPARE(m.step(), int(TopicMaker::PagesStep));
            m.PageChoice->setCurrentIndex(2);
            QTest::keyClicks(m.PageHeading, QStringLiteral("Notes"));
            if (fault == 1) {
                // Pasted, as notes written elsewhere are.
                m.PageText->insertPlainText(QStringList(8, QStringLiteral("A long line of notes for the class. ").repeated(10)).join(u'\n'));
                QVERIFY2(m.RoomLeft->text().startsWith(QStringLiteral("Too long: shorten by about")), qPrintable(m.RoomLeft->text()));
            }
            next();
            QCOMPARE(m.step(), int(TopicMaker::PagesStep));
            QCOMPARE(m.PageHeading->text(), QStringLiteral("Notes"));
        } else if (fault <= 4) {
            QTest::keyClicks(m.TitleBox, grounds);
            next();
            const QString path = photo(QStringLiteral("bad.jpg"), QSize(1200, 900));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (fault == 3)
                file.write("not a picture at all");
            else
                file.resize(file.size() / 2);
            file.close();
            dialogs.setNextPicture(path);
            clickButton(m.ChoosePanorama);
            next();
            QCOMPARE(dialogs.messages.last(), QStringLiteral("Choose a photograph for the panorama."));
            dialogs.messages.removeLast();
        } else if (fault == 5) {
            typeFirstSteps(grounds);
            next();
            QTest::keyClicks(m.LabelText(0), QStringLiteral("Pond"));
            QTest::keyClicks(m.LabelText(2), QStringLiteral("Field"));
            m.BoxChoice->setCurrentIndex(2);
            const QPoint before = m.boxPlaces()[2];
            for (int i = 0; i < 5; ++i)
                QTest::keyClick(m.Preview, Qt::Key_Up, Qt::ShiftModifier);
            QVERIFY(m.boxPlaces()[2].y() > m.boxPlaces()[0].y() + owntopic::LabelBox.height() - 1);
            QVERIFY(m.boxPlaces()[2] != before);
            dialogs.messages << m.BoxStatus->text();
        } else {
            typeFirstSteps(grounds);
            while (m.step() != TopicMaker::SaveStep)
                next();
            std::optional<test::FileSizeLimit> full;
            if (geteuid() == 0)
                full.emplace(1024);
            else
                QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner);
            next();
            full.reset();
            QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QVERIFY(m_test->screens().isLoaded(screenName::topicMaker));
            QCOMPARE(m.TitleBox->text(), grounds);
            QVERIFY(!QFile::exists(folder() + u'/' + owntopic::fileName(grounds)));
        }
        QVERIFY(!dialogs.messages.isEmpty());
        QVERIFY2(dialogs.messages.last().contains(message), qPrintable(dialogs.messages.last()));
    }

    void cancelAsksBeforeThrowingAwayAndTabFollowsTheTyping()
    {
        TopicMaker& m = maker();
        QTest::keyClick(&m, Qt::Key_Escape); // nothing typed: closes without a question
        QVERIFY(m_test->dialogs().questions.isEmpty());
        TestProgram::flushDeletes();
        openTopicMaker(m_test->program(), QString());
        TopicMaker& again = maker();
        QTest::keyClicks(again.TitleBox, grounds);
        m_test->dialogs().answers.push_back(false);
        QTest::keyClick(again.TitleBox, Qt::Key_Escape);
        QCOMPARE(m_test->dialogs().questions.size(), 1);
        QVERIFY(m_test->screens().isLoaded(screenName::topicMaker));
        QVERIFY(QTest::qWaitForWindowActive(&again));
        again.TitleBox->setFocus();
        const QList<QWidget*> expected{again.Label3(2), again.Label3(0), again.TitleBox};
        for (QWidget* control : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), control);
        }
    }
};

QTEST_MAIN(TestTopicMaker)
#include "test_topicmaker.moc"
