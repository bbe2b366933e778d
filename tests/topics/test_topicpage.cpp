#include "app/Intro0.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "base/Twips.h"
#include "support/TestProgram.h"
#include "topics/Teacher.h"
#include "topics/TopicPage.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

using namespace bs;

namespace {

const QString click = QStringLiteral("wav\\click.wav");

QRect scrollPart(QScrollBar* bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
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
    }
    void cleanup() { m_test.reset(); }

    void pagesDifferOnlyByTheirTableRow_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QRect>("titleTwips");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("imageTop");
        QTest::addColumn<int>("frameTop");
        QTest::addColumn<int>("scrollWidth");
        QTest::newRow("scilly1") << "scilly1"
                                 << "Isles of Scilly: History" << QRect(240, 0, 6000, 900)
                                 << int(Qt::AlignLeft) << 1440 << 6765 << 5765;
        QTest::newRow("scilly2") << "scilly2"
                                 << "Isles of Scilly: Physical Geography" << QRect(240, 0, 4800, 1380)
                                 << int(Qt::AlignHCenter) << 1560 << 6760 << 5775;
    }
    void pagesDifferOnlyByTheirTableRow()
    {
        QFETCH(QString, form);
        QFETCH(QString, title);
        QFETCH(QRect, titleTwips);
        QFETCH(int, alignment);
        QFETCH(int, imageTop);
        QFETCH(int, frameTop);
        QFETCH(int, scrollWidth);
        auto& page = m_test->screens().get<TopicPage>(form);
        QCOMPARE(page.Label1->text(), title);
        QCOMPARE(page.Label1->geometry(),
                 twipsRect(titleTwips.x(), titleTwips.y(), titleTwips.width(), titleTwips.height()));
        QCOMPARE(int(page.Label1->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(page.Label1->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(page.Label1->font().pointSizeF(), 27.75);
        QCOMPARE(page.Image1->topTwips(), double(imageTop));
        QCOMPARE(page.Frame1->geometry(), twipsRect(3000, frameTop, 6000, 540));
        QCOMPARE(page.HScroll1->geometry(), twipsRect(3120, 6960, scrollWidth, 255));
        QCOMPARE(page.Frame1->palette().color(QPalette::Window), QColor(39, 63, 137));
        QCOMPARE(page.caption(), QStringLiteral("Brellinshore"));
        QCOMPARE(page.Label3(0)->caption(), QStringLiteral("Multiple Choice"));
        QCOMPARE(page.Label3(5)->geometry(), twipsRect(8640, 120, 3195, 495));
        QCOMPARE(page.Label3(2)->font().pointSizeF(), 15.75);
    }

    // Left edge = (W - 12000) x (-v) / 100 in real numbers, W the panorama's width in twips.
    void panoramaPansByTheScrollValue_data()
    {
        QTest::addColumn<int>("widthPixels");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("left");
        QTest::newRow("wider, 0") << 1000 << 0 << 0.0;
        QTest::newRow("wider, 50") << 1000 << 50 << -1500.0;
        QTest::newRow("wider, 100") << 1000 << 100 << -3000.0;
        QTest::newRow("narrower, 0") << 600 << 0 << 0.0;
        QTest::newRow("narrower, 50") << 600 << 50 << 1500.0;
        QTest::newRow("narrower, 100") << 600 << 100 << 3000.0;
        QTest::newRow("page wide, 0") << 800 << 0 << 0.0;
        QTest::newRow("page wide, 50") << 800 << 50 << 0.0;
        QTest::newRow("page wide, 100") << 800 << 100 << 0.0;
        QTest::newRow("odd width, 33") << 1001 << 33 << -994.95;
    }
    void panoramaPansByTheScrollValue()
    {
        QFETCH(int, widthPixels);
        QFETCH(int, value);
        QFETCH(double, left);
        m_test->writeContent(QStringLiteral("images/stmary.jpg"),
                             test::imageBytes(QSize(widthPixels, 300), "JPEG"));
        auto& page = m_test->screens().get<TopicPage>(QStringLiteral("scilly1"));
        QCOMPARE(page.Image1->widthTwips(), widthPixels * 15.0);
        page.HScroll1->setValue(value == 0 ? 1 : 0); // a change also when value is the current one
        page.HScroll1->setValue(value);
        QCOMPARE(page.Image1->leftTwips(), left);
        QCOMPARE(page.Image1->x(), toPixels(left));
        QCOMPARE(page.Image1->y(), toPixels(1440));
    }

    void loadPositionIsValueFifty()
    {
        m_test->writeContent(QStringLiteral("Images/Tresco.jpg"),
                             test::imageBytes(QSize(1333, 300), "JPEG"));
        auto& page = m_test->screens().get<TopicPage>(QStringLiteral("scilly2"));
        QCOMPARE(page.HScroll1->value(), 50);
        QCOMPARE(page.HScroll1->minimum(), 0);
        QCOMPARE(page.HScroll1->maximum(), 100);
        const double atLoad = page.Image1->leftTwips();
        QCOMPARE(atLoad, (1333 * 15 - 12000) * -0.5);
        page.HScroll1->setValue(0);
        page.HScroll1->setValue(50);
        QCOMPARE(page.Image1->leftTwips(), atLoad);
    }

    // The arrows step, clicks beside the thumb page, and dragging the thumb pans as it goes.
    void scrollBarPansSmoothly()
    {
        m_test->writeContent(QStringLiteral("images/stmary.jpg"),
                             test::imageBytes(QSize(1600, 300), "JPEG"));
        TopicPage* page = showPage(QStringLiteral("scilly1"));
        QScrollBar* bar = page->HScroll1;

        QTest::mouseClick(bar, Qt::LeftButton, {}, scrollPart(bar, QStyle::SC_ScrollBarAddLine).center());
        QCOMPARE(bar->value(), 51);
        QCOMPARE(page->Image1->leftTwips(), (24000 - 12000) * -0.51);
        QTest::mouseClick(bar, Qt::LeftButton, {}, scrollPart(bar, QStyle::SC_ScrollBarSubLine).center());
        QTest::mouseClick(bar, Qt::LeftButton, {}, scrollPart(bar, QStyle::SC_ScrollBarSubLine).center());
        QCOMPARE(bar->value(), 49);
        QTest::mouseClick(bar, Qt::LeftButton, {}, scrollPart(bar, QStyle::SC_ScrollBarSubPage).center());
        QCOMPARE(bar->value(), 39);
        QTest::mouseClick(bar, Qt::LeftButton, {}, scrollPart(bar, QStyle::SC_ScrollBarAddPage).center());
        QCOMPARE(bar->value(), 49);

        const QPoint thumb = scrollPart(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        QMouseEvent move(QEvent::MouseMove, QPointF(thumb + QPoint(80, 0)),
                         bar->mapToGlobal(QPointF(thumb + QPoint(80, 0))), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        const int whileDragging = bar->value();
        QVERIFY(whileDragging > 49);
        QCOMPARE(page->Image1->leftTwips(), (24000 - 12000) * -whileDragging / 100.0);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(80, 0));
        QCOMPARE(bar->value(), whileDragging);
        QVERIFY(m_test->sound().played.isEmpty());
    }

    void missingPanoramaLeavesAnEmptyPage()
    {
        TopicPage* page = showPage(QStringLiteral("scilly1"));
        QVERIFY(page->Image1->picture().isNull());
        page->HScroll1->setValue(100);
        QVERIFY(page->isVisible());
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    void keyFactsOpenTheNotesViewerOnPageOneOfTwo()
    {
        TopicPage* page = showPage(QStringLiteral("scilly1"));
        QTest::mouseClick(page->Label3(4), Qt::LeftButton);
        auto& viewer = m_test->screens().get<Teacher>(QStringLiteral("teacher"));
        QVERIFY(viewer.isVisible());
        QCOMPARE(m_test->state().notepages, 2);
        QCOMPARE(m_test->state().notekey, QStringLiteral("key scilly1"));
        QCOMPARE(m_test->state().notepage, 1);
        QVERIFY(viewer.Label1->isVisible());
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page 1 of 2"));
        QVERIFY(!viewer.Label3(3)->isEnabled());
        QVERIFY(viewer.Label3(2)->isEnabled());
        QVERIFY(page->isVisible());
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    void teachersNotesHaveOnePageWithoutPageButtons()
    {
        TopicPage* page = showPage(QStringLiteral("scilly2"));
        QTest::mouseClick(page->Label3(5), Qt::LeftButton);
        auto& viewer = m_test->screens().get<Teacher>(QStringLiteral("teacher"));
        QVERIFY(viewer.isVisible());
        QCOMPARE(m_test->state().notekey, QStringLiteral("scilly2"));
        QVERIFY(!viewer.Label1->isVisible());
        QVERIFY(!viewer.Label3(2)->isVisible());
        QVERIFY(!viewer.Label3(3)->isVisible());
        QVERIFY(viewer.Label3(0)->isVisible());
        QVERIFY(viewer.Label3(1)->isVisible());
    }

    void notesShowTheirOwnDrawings_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("file");
        QTest::newRow("scilly1 key facts") << "scilly1" << 4 << "key scilly1a.wmf";
        QTest::newRow("scilly1 notes") << "scilly1" << 5 << "scilly1.wmf";
        QTest::newRow("scilly2 key facts") << "scilly2" << 4 << "key scilly2a.wmf";
        QTest::newRow("scilly2 notes") << "scilly2" << 5 << "scilly2.wmf";
    }
    void notesShowTheirOwnDrawings()
    {
        QFETCH(QString, form);
        QFETCH(int, entry);
        QFETCH(QString, file);
        int size = 2000;
        for (const char* name : {"key scilly1a.wmf", "scilly1.wmf", "key scilly2a.wmf", "scilly2.wmf"}) {
            m_test->writeContent(QStringLiteral("wmf/") + QLatin1String(name),
                                 test::emptyMetafile(size, 1000));
            m_test->writeContent(QStringLiteral("wmf2/") + QLatin1String(name),
                                 test::emptyMetafile(size + 100, 1000));
            size += 200;
        }
        if (!test::metafilesRead(m_test->program(), QStringLiteral("wmf\\") + file))
            QSKIP("metafiles cannot be read yet");
        const double shownWidth =
            m_test->program().pictures().load(QStringLiteral("wmf\\") + file).sizeTwips().width();
        TopicPage* page = showPage(form);
        QTest::mouseClick(page->Label3(entry), Qt::LeftButton);
        auto& viewer = m_test->screens().get<Teacher>(QStringLiteral("teacher"));
        QCOMPARE(viewer.Image1->picture().sizeTwips().width(), shownWidth);
        QCOMPARE(viewer.Image2->picture().sizeTwips().width(), shownWidth + 100);
        QVERIFY(!viewer.Image2->isVisible());
    }

    // A worksheet that cannot be read whole must not start a quiz, nor touch the questions.
    void unreadableWorksheetShowsTheCorruptedMessage_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("ten lines") << test::worksheetFile(test::numberedWorksheet(QStringLiteral("Short")), 10);
        QTest::newRow("71 lines") << test::worksheetFile(test::numberedWorksheet(QStringLiteral("Short")), 71);
    }
    void unreadableWorksheetShowsTheCorruptedMessage()
    {
        QFETCH(QByteArray, file);
        if (!file.isEmpty())
            m_test->writeContent(QStringLiteral("multiple/Isles of Scilly - History.txt"), file);
        m_test->state().question[1] = QStringLiteral("earlier question");
        m_test->state().worktitle = QStringLiteral("earlier title");
        TopicPage* page = showPage(QStringLiteral("scilly1"));
        QTest::mouseClick(page->Label3(0), Qt::LeftButton);
        QCOMPARE(m_test->dialogs().messages, QStringList{TopicPage::CorruptWorksheetMessage});
        QCOMPARE(TopicPage::CorruptWorksheetMessage, QStringLiteral("This worksheet seems to be corrupted."));
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("multiple")));
        QCOMPARE(m_test->state().question[1], QStringLiteral("earlier question"));
        QCOMPARE(m_test->state().worktitle, QStringLiteral("earlier title"));
        QVERIFY(page->isVisible());
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    void wholeWorksheetFillsTheQuestions()
    {
        if (!test::worksheetLoaderWorks())
            QSKIP("the worksheet loader is not built yet");
        m_test->writeContent(QStringLiteral("Multiple/isles of scilly - physical geography.txt"),
                             test::worksheetFile(test::numberedWorksheet(QStringLiteral("Tresco"))));
        TopicPage* page = showPage(QStringLiteral("scilly2"));
        QTest::mouseClick(page->Label3(0), Qt::LeftButton);
        QVERIFY(m_test->dialogs().messages.isEmpty());
        QCOMPARE(m_test->state().worktitle, QStringLiteral("Tresco"));
        QCOMPARE(m_test->state().question[10], QStringLiteral("Tresco question 10"));
        QVERIFY(m_test->screens().touch(QStringLiteral("multiple")).isVisible());
        // The quiz's first question clears the answers by selecting its hidden option, which
        // sounds like any answer chosen; the page's click follows.
        QCOMPARE(m_test->sound().played, (QStringList{QStringLiteral("wav\\typekey.wav"), click}));
    }

    void activitiesOpenWhenTheyExist_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("activity");
        QTest::newRow("labelling") << 1 << "scilly1lab";
        QTest::newRow("ordering") << 3 << "scilly1ord";
    }
    void activitiesOpenWhenTheyExist()
    {
        QFETCH(int, entry);
        QFETCH(QString, activity);
        TopicPage* page = showPage(QStringLiteral("scilly1"));
        QTest::mouseClick(page->Label3(entry), Qt::LeftButton);
        QCOMPARE(m_test->screens().isLoaded(activity), m_test->screens().isRegistered(activity));
        QVERIFY(page->isVisible());
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    void exitReturnsToTheSameMenu()
    {
        Screens& screens = m_test->screens();
        screens.show(QStringLiteral("intro0"));
        QPointer<Intro0> menu = &screens.get<Intro0>(QStringLiteral("intro0"));
        QVERIFY(QTest::qWaitForWindowExposed(menu.data()));
        QTest::mouseClick(menu->Option2, Qt::LeftButton);
        QTest::mouseClick(menu->Label2(4), Qt::LeftButton);
        auto* page = &screens.get<TopicPage>(QStringLiteral("scilly1"));
        QVERIFY(QTest::qWaitForWindowExposed(page));
        QTest::mouseClick(page->Label3(2), Qt::LeftButton);
        QVERIFY(!screens.isLoaded(QStringLiteral("scilly1")));
        TestProgram::flushDeletes();
        QCOMPARE(&screens.get<Intro0>(QStringLiteral("intro0")), menu.data());
        QVERIFY(menu->isVisible());
        QCOMPARE(m_test->state().soundon, 0);
        QVERIFY(m_test->sound().played.isEmpty());
    }

    void exitWithSoundOnClicks()
    {
        TopicPage* page = showPage(QStringLiteral("scilly2"));
        QTest::mouseClick(page->Label3(2), Qt::LeftButton);
        QVERIFY(m_test->screens().isLoaded(QStringLiteral("intro0")));
        // The fresh menu turned sound on before the click.
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    void hoverHighlightsTheEntryUnderThePointer()
    {
        TopicPage* page = showPage(QStringLiteral("scilly1"));
        for (const auto& [index, entry] : page->Label3)
            QVERIFY(entry->isOpaque());
        QTest::mouseMove(page, QPoint(700, 560)); // bare background below the scroll bar
        QTRY_VERIFY(!page->Label3(0)->isOpaque());
        for (const auto& [index, entry] : page->Label3)
            QVERIFY(!entry->isOpaque());
        QTest::mouseMove(page->Label3(4));
        QTRY_VERIFY(page->Label3(4)->isOpaque());
        QVERIFY(!page->Label3(5)->isOpaque());
    }

private:
    TopicPage* showPage(const QString& form)
    {
        m_test->screens().show(form);
        auto* page = &m_test->screens().get<TopicPage>(form);
        if (!QTest::qWaitForWindowExposed(page))
            qWarning("page not exposed");
        return page;
    }

    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestTopicPage)
#include "test_topicpage.moc"
