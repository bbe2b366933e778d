// A topic page and the drawing viewers it and the menu open: panning, the buttons, paging,
// printing and the acknowledgments' logos.
#include "app/Intro0.h"
#include "base/Twips.h"
#include "support/TestProgram.h"
#include "topics/NotesViewer.h"
#include "topics/TopicPage.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace bs;

namespace {

const QString click = QStringLiteral("wav\\click.wav");
// Each drawing its own width, so a test can tell which file a picture came from; the print
// version (wmf2) is 100 twips wider.
const QStringList drawings{"key scilly1a.wmf", "key scilly1b.wmf", "scilly2.wmf", "acknowledgments.wmf",
                           "guide1.wmf",       "guide2.wmf",       "guide3.wmf"};
double drawingWidth(const QString& file)
{
    return 2000 + 200 * drawings.indexOf(file);
}

} // namespace

class TestTopicPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->state().soundon = 1; // as the main menu leaves it
        for (const QString& file : drawings) {
            m_test->writeContent("wmf/" + file, test::emptyMetafile(drawingWidth(file), 1000));
            m_test->writeContent("wmf2/" + file, test::emptyMetafile(drawingWidth(file) + 100, 1000));
        }
        for (int frame = 0; frame < 20; ++frame) // frame n is n + 1 pixels wide
            m_test->writeContent(QString("logo/quen%1.gif").arg(frame, 4, 10, QChar('0')),
                                 test::imageBytes(QSize(frame + 1, 10)));
        m_test->writeContent("logo/quenlow2.bmp", test::imageBytes(QSize(120, 89), "BMP"));
        m_renders = test::metafilesRead(m_test->program(), "wmf\\guide1.wmf");
    }
    void cleanup() { m_test.reset(); }

    // Left edge = (W - 12000) x (-v) / 100 in real numbers, W the panorama's width in twips;
    // the page loads at 50, and dragging the scroll bar's thumb pans as it goes.
    void panoramaPansByTheScrollValue_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("left");
        QTest::newRow("wider, 100") << 1000 << 100 << -3000.0;
        QTest::newRow("narrower, 50") << 600 << 50 << 1500.0;
        QTest::newRow("odd width, 33") << 1001 << 33 << -994.95;
    }
    void panoramaPansByTheScrollValue()
    {
        QFETCH(int, width);
        QFETCH(int, value);
        QFETCH(double, left);
        m_test->writeContent("images/stmary.jpg", test::imageBytes(QSize(width, 300), "JPEG"));
        TopicPage* page = showPage("scilly1");
        QScrollBar* bar = page->HScroll1;
        QCOMPARE(page->Image1->leftTwips(), (width * 15 - 12000) * -0.5);
        const QPoint thumb = bar->rect().center(),
                     dragged = thumb - QPoint(60, 0); // at 50, the thumb is central
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        QMouseEvent drag(QEvent::MouseMove, dragged, bar->mapToGlobal(dragged), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(bar, &drag);
        QVERIFY(bar->value() < 50);
        QCOMPARE(page->Image1->leftTwips(), (width * 15 - 12000) * -bar->value() / 100.0);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, dragged);
        bar->setValue(value);
        QCOMPARE(page->Image1->leftTwips(), left);
        QCOMPARE(page->Image1->pos(), QPoint(toPixels(left), toPixels(1440)));
        QVERIFY(m_test->sound().played.isEmpty());
    }

    // Each button clicks; the notes open on their first drawing with their page count, the
    // activities open headed with the page's title.
    void buttonsOpenTheirScreens_data()
    {
        QTest::addColumn<QStringList>(
            "row"); // the page, the caption, the screen opened, its drawing, its page count
        QTest::newRow("key facts") << QStringList{"scilly1", "Key Facts", "teacher", "key scilly1a.wmf",
                                                  "Page 1 of 2"};
        QTest::newRow("teacher's notes")
            << QStringList{"scilly2", "Teacher's Notes", "teacher", "scilly2.wmf", ""};
        QTest::newRow("labelling") << QStringList{"scilly1", "Labelling Activity", "scilly1lab", "", ""};
        QTest::newRow("ordering") << QStringList{"scilly2", "Ordering Activity", "scilly2ord", "", ""};
    }
    void buttonsOpenTheirScreens()
    {
        QFETCH(QStringList, row);
        const QString &form = row[0], &caption = row[1], &opened = row[2], &drawing = row[3],
                      &pageLabel = row[4];
        TopicPage* page = showPage(form);
        QTest::mouseClick(button(page, caption), Qt::LeftButton);
        QVERIFY(m_test->screens().touch(opened).isVisible() && page->isVisible());
        QCOMPARE(m_test->sound().played, QStringList{click});
        if (drawing.isEmpty()) { // an activity, headed with the page's title
            QCOMPARE(m_test->screens().touch(opened).findChild<QLabel*>("Label6")->text(),
                     page->Label1->text());
            return;
        }
        auto& viewer = m_test->screens().get<NotesViewer>(opened);
        QCOMPARE(viewer.Label1->isVisible() ? viewer.Label1->text() : QString(), pageLabel);
        QCOMPARE(viewer.Label3(2)->isVisible(), !pageLabel.isEmpty());
        checkDrawing(viewer, drawing);
    }

    // A worksheet that cannot be read whole starts no quiz and leaves the questions as they were.
    void multipleChoice_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("whole") << test::worksheetFile(test::numberedWorksheet("Tresco"));
    }
    void multipleChoice()
    {
        QFETCH(QByteArray, file);
        if (!file.isEmpty())
            m_test->writeContent("Multiple/isles of scilly - physical geography.txt", file);
        m_test->state().question[10] = "earlier question";
        TopicPage* page = showPage("scilly2");
        QTest::mouseClick(page->Label3(0), Qt::LeftButton);
        const bool whole = QTest::currentDataTag() == QLatin1String("whole");
        QCOMPARE(m_test->dialogs().messages,
                 whole ? QStringList{} : QStringList{"This worksheet seems to be corrupted."});
        QCOMPARE(m_test->state().question[10],
                 QLatin1String(whole ? "Tresco question 10" : "earlier question"));
        QCOMPARE(m_test->screens().isLoaded("multiple"), whole);
        // The quiz's first question clears the answers with its hidden option, which sounds like an answer.
        QCOMPARE(m_test->sound().played.join(u','), whole ? "wav\\typekey.wav," + click : click);
    }

    // Exit goes back to the same menu, its sound switch as it was.
    void exitReturnsToTheSameMenu()
    {
        m_test->screens().show("intro0");
        QPointer<Intro0> menu = &exposed<Intro0>("intro0");
        QTest::mouseClick(menu->Option2, Qt::LeftButton);
        QTest::mouseClick(menu->Label2(4), Qt::LeftButton);
        QTest::mouseClick(showPage("scilly1")->Label3(2), Qt::LeftButton);
        TestProgram::flushDeletes();
        QVERIFY(!m_test->screens().isLoaded("scilly1") && menu && menu->isVisible() &&
                menu->Option2->isChecked());
        QVERIFY(m_test->sound().played.isEmpty());
    }

    // Next and Previous page through the drawings (the disabled ends do nothing); Print sends
    // the page's print drawing; Exit uncovers the screen beneath. The viewers play no cues.
    void viewersPageAndPrint_data()
    {
        QTest::addColumn<bool>("guide");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("key facts") << false << QStringList{"key scilly1a.wmf", "key scilly1b.wmf"};
        QTest::newRow("guide") << true << QStringList{"guide1.wmf", "guide2.wmf", "guide3.wmf"};
    }
    void viewersPageAndPrint()
    {
        QFETCH(bool, guide);
        QFETCH(QStringList, pages);
        NotesViewer* viewer = guide ? openGuide() : openKeyFacts();
        m_test->sound().played.clear();
        LabelButton* next = viewer->Label3(2);
        LabelButton* previous = viewer->Label3(3);
        const int count = int(pages.size());
        auto check = [&](int page) {
            QCOMPARE(m_test->state().notepage, page);
            QCOMPARE(viewer->Label1->text(), QString("Page %1 of %2").arg(page).arg(count));
            QCOMPARE(previous->isEnabled(), page > 1);
            QCOMPARE(next->isEnabled(), page < count);
            checkDrawing(*viewer, pages[page - 1]);
            m_test->printer().ops.clear();
            QTest::mouseClick(viewer->Label3(0), Qt::LeftButton);
            const QList<PrintOp>& ops = m_test->printer().ops;
            QCOMPARE(ops.size(), 3);
            QVERIFY(ops[0].kind == PrintOp::Text && ops[0].endLine && ops[2].kind == PrintOp::EndDoc);
            QCOMPARE(ops[1].at, QPointF(1000, 1000));
            if (m_renders)
                QCOMPARE(ops[1].picture.sizeTwips().width(), drawingWidth(pages[page - 1]) + 100);
        };
        for (int page = 1; page <= count; ++page) {
            check(page);
            QTest::mouseClick(next, Qt::LeftButton); // the last click is on the disabled button
        }
        for (int page = count - 1; page >= 1; --page) {
            QTest::mouseClick(previous, Qt::LeftButton);
            check(page);
        }
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(m_test->state().notepage, 1);
        QTest::mouseClick(viewer->Label3(1), Qt::LeftButton);
        QVERIFY(!m_test->screens().isLoaded(guide ? "guide" : "teacher"));
        QVERIFY(m_test->screens().touch(guide ? "intro0" : "scilly1").isVisible());
        QVERIFY(m_test->sound().played.isEmpty() && m_test->dialogs().messages.isEmpty());
        TestProgram::flushDeletes();
    }

    void printFailureIsReported_data()
    {
        QTest::addColumn<int>("failAt"); // the operation that fails; 0: no printer at all
        QTest::newRow("no printer") << 0;
        QTest::newRow("fails while printing") << 2;
        QTest::newRow("fails at the end") << 3;
    }
    void printFailureIsReported()
    {
        QFETCH(int, failAt);
        m_test->printer().noPrinter = failAt == 0;
        m_test->printer().failAt = failAt;
        for (NotesViewer* viewer : {openKeyFacts(), openGuide()}) {
            m_test->dialogs().messages.clear();
            m_test->printer().opCount = 0;
            QTest::mouseClick(viewer->Label3(0), Qt::LeftButton);
            QCOMPARE(m_test->dialogs().messages,
                     QStringList{"There was a problem printing to your printer."});
            QVERIFY(viewer->isVisible());
        }
        QCOMPARE(m_test->printer().jobsEnded, 0);
    }

    // The acknowledgments: one page with the publisher's logo and the animated logo
    // (logo\quen0000.gif to quen0019.gif in turn); the viewer opened next starts again from
    // its design.
    void acknowledgments()
    {
        NotesViewer* viewer = openAcknowledgments();
        QVERIFY(!viewer->Label1->isVisible() && !viewer->Label3(2)->isVisible() &&
                !viewer->Label3(3)->isVisible());
        QCOMPARE(viewer->backColor(), QColor(49, 130, 212));
        QCOMPARE(viewer->Picture2->picture().sizePixels(), QSize(120, 89));
        checkDrawing(*viewer, "acknowledgments.wmf");
        QTRY_VERIFY(viewer->Picture1->isVisible()); // with the first tick
        QVERIFY(viewer->Picture2->isVisible());
        viewer->Timer1->stop();
        m_test->state().logoframe = 17;
        for (int frame : {18, 19, 0, 1}) {
            viewer->Timer1_Timer();
            QCOMPARE(m_test->state().logoframe, frame);
            QCOMPARE(viewer->Picture1->picture().sizePixels().width(), frame + 1);
        }
        QTest::mouseClick(viewer->Label3(1), Qt::LeftButton);
        TestProgram::flushDeletes();
        viewer = openKeyFacts();
        QCOMPARE(viewer->backColor(), QColor(39, 63, 137));
        QVERIFY(!viewer->Timer1->isActive() && viewer->Label1->isVisible() && !viewer->Picture2->isVisible());
    }

private:
    TopicPage* showPage(const QString& form)
    {
        m_test->screens().show(form);
        return &exposed<TopicPage>(form);
    }
    template <class T> T& exposed(const QString& name)
    {
        auto& screen = m_test->screens().get<T>(name);
        (void)QTest::qWaitForWindowExposed(&screen);
        return screen;
    }
    static LabelButton* button(Screen* screen, const QString& caption)
    {
        const auto all = screen->findChildren<LabelButton*>();
        return *std::find_if(all.begin(), all.end(),
                             [&](LabelButton* each) { return each->caption() == caption; });
    }
    NotesViewer* openKeyFacts()
    {
        QTest::mouseClick(showPage("scilly1")->Label3(4), Qt::LeftButton);
        return &exposed<NotesViewer>("teacher");
    }
    NotesViewer* openMenuEntry(int entry, const QString& viewer)
    {
        m_test->screens().show("intro0");
        QTest::mouseClick(exposed<Intro0>("intro0").Label2(entry), Qt::LeftButton);
        return &exposed<NotesViewer>(viewer);
    }
    NotesViewer* openAcknowledgments() { return openMenuEntry(19, "teacher"); }
    NotesViewer* openGuide()
    {
        m_test->state().notepage = 3; // the menu starts it on page 1 whatever it was
        return openMenuEntry(20, "guide");
    }
    // The screen image holds the wmf\ drawing, the hidden print image the wmf2\ one.
    void checkDrawing(NotesViewer& viewer, const QString& file)
    {
        QVERIFY(!viewer.Image2->isVisible());
        if (!m_renders)
            return;
        QCOMPARE(viewer.Image1->picture().sizeTwips().width(), drawingWidth(file));
        QCOMPARE(viewer.Image2->picture().sizeTwips().width(), drawingWidth(file) + 100);
    }

    std::unique_ptr<TestProgram> m_test;
    bool m_renders = false;
};

QTEST_MAIN(TestTopicPage)
#include "test_topicpage.moc"
