#include "app/Intro0.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "base/Twips.h"
#include "support/TestProgram.h"
#include "topics/DrawingPages.h"
#include "topics/Guide.h"
#include "topics/Teacher.h"
#include "topics/TopicPage.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace bs;

namespace {

// Each drawing gets its own width, so a test can tell which file a picture came from; the
// print version (wmf2) is 100 twips wider than the screen version.
int drawingWidth(const QString& file)
{
    const QStringList files{"key scilly1a.wmf", "key scilly1b.wmf", "acknowledgments.wmf",
                            "guide1.wmf",       "guide2.wmf",       "guide3.wmf"};
    return 2000 + 200 * int(files.indexOf(file));
}

} // namespace

class TestViewers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        for (const char* name : {"key scilly1a.wmf", "key scilly1b.wmf", "acknowledgments.wmf", "guide1.wmf",
                                 "guide2.wmf", "guide3.wmf"}) {
            const QString file = QLatin1String(name);
            m_test->writeContent(QStringLiteral("wmf/") + file,
                                 test::emptyMetafile(drawingWidth(file), 1000));
            m_test->writeContent(QStringLiteral("wmf2/") + file,
                                 test::emptyMetafile(drawingWidth(file) + 100, 1000));
        }
        // Frame n is n + 1 pixels wide (PNG bytes: the reader goes by content).
        for (int frame = 0; frame < 20; ++frame) {
            m_test->writeContent(QStringLiteral("logo/quen%1.gif").arg(frame, 4, 10, QLatin1Char('0')),
                                 test::imageBytes(QSize(frame + 1, 10)));
        }
        m_test->writeContent(QStringLiteral("logo/quenlow2.bmp"),
                             test::imageBytes(QSize(120, 89), "BMP"));
        m_renders = test::metafilesRead(m_test->program(), QStringLiteral("wmf\\guide1.wmf"));
    }
    void cleanup() { m_test.reset(); }

    void keyFactsPageThroughTwoPages()
    {
        Teacher* viewer = openKeyFacts();
        LabelButton* next = viewer->Label3(2);
        LabelButton* previous = viewer->Label3(3);
        QCOMPARE(viewer->Label1->text(), QStringLiteral("Page 1 of 2"));
        QVERIFY(next->isEnabled());
        QVERIFY(!previous->isEnabled());

        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(m_test->state().notepage, 2);
        QCOMPARE(viewer->Label1->text(), QStringLiteral("Page 2 of 2"));
        QVERIFY(!next->isEnabled());
        QVERIFY(previous->isEnabled());
        checkDrawing(viewer->Image1, viewer->Image2, QStringLiteral("key scilly1b.wmf"));

        QTest::mouseClick(next, Qt::LeftButton); // disabled: nothing happens
        QCOMPARE(m_test->state().notepage, 2);

        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(m_test->state().notepage, 1);
        QCOMPARE(viewer->Label1->text(), QStringLiteral("Page 1 of 2"));
        QVERIFY(next->isEnabled());
        QVERIFY(!previous->isEnabled());
        checkDrawing(viewer->Image1, viewer->Image2, QStringLiteral("key scilly1a.wmf"));
        QVERIFY(m_test->sound().played.isEmpty()); // the viewers play no cues
    }

    void viewerLayout()
    {
        Teacher* viewer = openKeyFacts();
        QCOMPARE(viewer->caption(), QStringLiteral("Brellinshore"));
        QCOMPARE(viewer->backColor(), QColor(39, 63, 137));
        QCOMPARE(viewer->Picture1->backColor(), QColor(49, 135, 214));
        QCOMPARE(viewer->Picture2->backColor(), QColor(128, 128, 255));
        QVERIFY(!viewer->Picture1->isVisible());
        QVERIFY(!viewer->Picture2->isVisible());
        QVERIFY(!viewer->Timer1->isActive());
        QCOMPARE(viewer->Label1->geometry(), twipsRect(4200, 7920, 2295, 495));
        QCOMPARE(viewer->Label1->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(viewer->Label3(0)->caption(), QStringLiteral("Print"));
        QCOMPARE(viewer->Label3(3)->geometry(), twipsRect(1320, 7920, 2685, 495));
        QCOMPARE(viewer->Image1->leftTwips(), 120.0);
        QVERIFY(!viewer->Image2->isVisible());
        // No hover highlighting here. (The offscreen platform keeps no stacking order: the
        // pointer would find the topic page beneath.)
        m_test->screens().unload(QStringLiteral("scilly1"));
        TestProgram::flushDeletes();
        QTest::mouseMove(viewer, QPoint(700, 300));
        QTest::mouseMove(viewer->Label3(1));
        QVERIFY(viewer->Label3(1)->isOpaque());
        QVERIFY(viewer->Label3(0)->isOpaque());
    }

    void exitUncoversTheTopicPage()
    {
        Teacher* viewer = openKeyFacts();
        QTest::mouseClick(viewer->Label3(1), Qt::LeftButton);
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("teacher")));
        QVERIFY(m_test->screens().touch(QStringLiteral("scilly1")).isVisible());
        TestProgram::flushDeletes();
    }

    void printSendsTheCurrentPrintDrawing()
    {
        Teacher* viewer = openKeyFacts();
        QTest::mouseClick(viewer->Label3(2), Qt::LeftButton);
        QTest::mouseClick(viewer->Label3(0), Qt::LeftButton);
        const QList<PrintOp>& ops = m_test->printer().ops;
        QCOMPARE(ops.size(), 3);
        QCOMPARE(ops[0].kind, PrintOp::Text);
        QVERIFY(ops[0].endLine);
        QCOMPARE(ops[1].kind, PrintOp::Picture);
        QCOMPARE(ops[1].at, QPointF(1000, 1000));
        QCOMPARE(ops[2].kind, PrintOp::EndDoc);
        QCOMPARE(m_test->printer().jobsEnded, 1);
        if (m_renders)
            QCOMPARE(ops[1].picture.sizeTwips().width(),
                     drawingWidth(QStringLiteral("key scilly1b.wmf")) + 100.0);
        QCOMPARE(m_test->state().notepage, 2); // printing changes nothing
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    void printFailureIsReported_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<int>("failAt");
        QTest::newRow("no printer") << true << 0;
        QTest::newRow("fails while printing") << false << 2;
        QTest::newRow("fails at the end") << false << 3;
    }
    void printFailureIsReported()
    {
        QFETCH(bool, noPrinter);
        QFETCH(int, failAt);
        m_test->printer().noPrinter = noPrinter;
        m_test->printer().failAt = failAt;
        for (bool guide : {false, true}) {
            m_test->dialogs().messages.clear();
            Screen* viewer = guide ? static_cast<Screen*>(openGuide()) : openKeyFacts();
            auto* print = viewer->findChild<LabelButton*>(QStringLiteral("Label3_0"));
            QTest::mouseClick(print, Qt::LeftButton);
            QCOMPARE(m_test->dialogs().messages, QStringList{PrintProblemMessage});
            QCOMPARE(PrintProblemMessage, QStringLiteral("There was a problem printing to your printer."));
            QVERIFY(viewer->isVisible());
            m_test->printer().opCount = 0;
        }
        QCOMPARE(m_test->printer().jobsEnded, 0);
    }

    void acknowledgmentsFromTheMenu()
    {
        Teacher* viewer = openAcknowledgments();
        QVERIFY(!viewer->Label1->isVisible());
        QVERIFY(!viewer->Label3(2)->isVisible());
        QVERIFY(!viewer->Label3(3)->isVisible());
        QVERIFY(viewer->Label3(0)->isVisible());
        QCOMPARE(viewer->backColor(), QColor(49, 130, 212));
        QCOMPARE(viewer->Picture2->picture().sizePixels(), QSize(120, 89));
        QVERIFY(viewer->Timer1->isActive());
        QCOMPARE(viewer->Timer1->interval(), 25);
        checkDrawing(viewer->Image1, viewer->Image2, QStringLiteral("acknowledgments.wmf"));
        // The logos appear with the first tick, about 25 ms after opening.
        QTRY_VERIFY(viewer->Picture1->isVisible());
        QVERIFY(viewer->Picture2->isVisible());
        QVERIFY(!viewer->Picture1->picture().isNull());
    }

    // logo\quen0000.gif to logo\quen0019.gif in turn; the count never resets.
    void animationFrames_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("shown");
        QTest::newRow("never set") << 0 << 1;
        QTest::newRow("to 9") << 8 << 9;
        QTest::newRow("to 10") << 9 << 10;
        QTest::newRow("to 19") << 18 << 19;
        QTest::newRow("wraps to 0") << 19 << 0;
    }
    void animationFrames()
    {
        QFETCH(int, before);
        QFETCH(int, shown);
        m_test->state().logoframe = before;
        Teacher* viewer = openAcknowledgments();
        viewer->Timer1->stop();
        viewer->Timer1_Timer();
        QCOMPARE(m_test->state().logoframe, shown);
        QCOMPARE(viewer->Picture1->picture().sizePixels().width(), shown + 1);
    }

    void animationCarriesOnAcrossVisits()
    {
        Teacher* viewer = openAcknowledgments();
        viewer->Timer1->stop();
        for (int tick = 0; tick < 3; ++tick)
            viewer->Timer1_Timer();
        QTest::mouseClick(viewer->Label3(1), Qt::LeftButton);
        QVERIFY(!viewer->Timer1->isActive());
        TestProgram::flushDeletes();

        viewer = openAcknowledgments();
        QTRY_VERIFY(viewer->Picture1->isVisible());
        QVERIFY(m_test->state().logoframe >= 4);
        QCOMPARE(viewer->Picture1->picture().sizePixels().width(), m_test->state().logoframe + 1);
    }

    // After the acknowledgments the viewer starts again from its design state.
    void notesAfterAcknowledgments()
    {
        Teacher* viewer = openAcknowledgments();
        QTest::mouseClick(viewer->Label3(1), Qt::LeftButton);
        TestProgram::flushDeletes();
        viewer = openKeyFacts();
        QCOMPARE(viewer->backColor(), QColor(39, 63, 137));
        QVERIFY(!viewer->Timer1->isActive());
        QVERIFY(viewer->Label1->isVisible());
        QVERIFY(!viewer->Picture2->isVisible());
    }

    void guidePagesThroughThree()
    {
        Guide* guide = openGuide();
        LabelButton* next = guide->Label3(2);
        LabelButton* previous = guide->Label3(3);
        QCOMPARE(guide->Label1->text(), QStringLiteral("Page 1 of 3"));
        QVERIFY(!previous->isEnabled());
        QVERIFY(next->isEnabled());
        checkDrawing(guide->Image1, guide->Image2, QStringLiteral("guide1.wmf"));

        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(guide->Label1->text(), QStringLiteral("Page 2 of 3"));
        QVERIFY(previous->isEnabled());
        QVERIFY(next->isEnabled());
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(m_test->state().notepage, 3);
        QCOMPARE(guide->Label1->text(), QStringLiteral("Page 3 of 3"));
        QVERIFY(!next->isEnabled());
        QVERIFY(previous->isEnabled());
        checkDrawing(guide->Image1, guide->Image2, QStringLiteral("guide3.wmf"));

        QTest::mouseClick(guide->Label3(0), Qt::LeftButton);
        QCOMPARE(m_test->printer().ops.size(), 3);
        QCOMPARE(m_test->printer().ops[1].at, QPointF(1000, 1000));
        if (m_renders)
            QCOMPARE(m_test->printer().ops[1].picture.sizeTwips().width(),
                     drawingWidth(QStringLiteral("guide3.wmf")) + 100.0);

        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(guide->Label1->text(), QStringLiteral("Page 2 of 3"));
        QVERIFY(previous->isEnabled());
        QVERIFY(next->isEnabled());
        checkDrawing(guide->Image1, guide->Image2, QStringLiteral("guide2.wmf"));
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(guide->Label1->text(), QStringLiteral("Page 1 of 3"));
        QVERIFY(!previous->isEnabled());

        QTest::mouseClick(guide->Label3(1), Qt::LeftButton);
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("guide")));
        QVERIFY(m_test->screens().touch(QStringLiteral("intro0")).isVisible());
        TestProgram::flushDeletes();
    }

    // Once the pointer has crossed the background the buttons stay transparent.
    void guideButtonsLoseTheirBackground()
    {
        Guide* guide = openGuide();
        // The offscreen platform keeps no stacking order: the pointer would find the menu
        // beneath the guide.
        m_test->screens().unload(QStringLiteral("intro0"));
        TestProgram::flushDeletes();
        for (const auto& [index, button] : guide->Label3)
            QVERIFY(button->isOpaque());
        QTest::mouseMove(guide, QPoint(650, 350)); // bare background
        QTRY_VERIFY(!guide->Label3(0)->isOpaque());
        QTest::mouseMove(guide->Label3(2));
        QTest::mouseMove(guide->Label3(2), QPoint(10, 10));
        for (const auto& [index, button] : guide->Label3)
            QVERIFY(!button->isOpaque());
    }

private:
    Intro0* showMenu()
    {
        Screens& screens = m_test->screens();
        screens.show(QStringLiteral("intro0"));
        auto* menu = &screens.get<Intro0>(QStringLiteral("intro0"));
        if (!QTest::qWaitForWindowExposed(menu))
            qWarning("menu not exposed");
        return menu;
    }

    Teacher* openKeyFacts()
    {
        Screens& screens = m_test->screens();
        screens.show(QStringLiteral("scilly1"));
        auto& page = screens.get<TopicPage>(QStringLiteral("scilly1"));
        if (!QTest::qWaitForWindowExposed(&page))
            qWarning("page not exposed");
        QTest::mouseClick(page.Label3(4), Qt::LeftButton);
        return exposed<Teacher>(QStringLiteral("teacher"));
    }

    Teacher* openAcknowledgments()
    {
        QTest::mouseClick(showMenu()->Label2(19), Qt::LeftButton);
        return exposed<Teacher>(QStringLiteral("teacher"));
    }

    Guide* openGuide()
    {
        QTest::mouseClick(showMenu()->Label2(20), Qt::LeftButton);
        return exposed<Guide>(QStringLiteral("guide"));
    }

    template <class T> T* exposed(const QString& name)
    {
        auto* screen = &m_test->screens().get<T>(name);
        if (!QTest::qWaitForWindowExposed(screen))
            qWarning("viewer not exposed");
        return screen;
    }

    // The screen image holds the wmf\ drawing, the hidden print image the wmf2\ one.
    void checkDrawing(ImageBox* shown, ImageBox* forPrint, const QString& file)
    {
        QVERIFY(!forPrint->isVisible());
        if (!m_renders)
            return;
        QCOMPARE(shown->picture().sizeTwips().width(), double(drawingWidth(file)));
        QCOMPARE(forPrint->picture().sizeTwips().width(), drawingWidth(file) + 100.0);
    }

    std::unique_ptr<TestProgram> m_test;
    bool m_renders = false;
};

QTEST_MAIN(TestViewers)
#include "test_viewers.moc"
