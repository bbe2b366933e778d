#include "ui/Controls.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "authoring/Wizard.h"
#include "authoring/Worksheets.h"
#include "quiz/Multiple.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace bs;

namespace {

const QString corrupted = QStringLiteral("This worksheet seems to be corrupted.");
const QString click = QStringLiteral("wav\\click.wav");

// Stands in for the main menu: the catalogue needs only its picture and title, and to know
// whether it was loaded or shown.
class MenuProbe : public Screen
{
public:
    MenuProbe(Program& program, const QString& name)
        : Screen(program, name)
    {
        Image1 = new ImageBox(this, true);
        Image1->setObjectName(QStringLiteral("Image1"));
        Label1 = new QLabel(QStringLiteral("Brellinshore"), this);
        Label1->setObjectName(QStringLiteral("Label1"));
    }
    void Form_Load() override
    {
        ++loads;
        QImage image(320, 240, QImage::Format_RGB32); // the size of the menu's picture
        image.fill(Qt::green);
        Image1->setPicture(Picture(image));
    }
    ImageBox* Image1;
    QLabel* Label1;
    int loads = 0;
};

QByteArray withDigit(const WorksheetText& sample, int question, const QByteArray& digitLine)
{
    QList<QByteArray> lines = test::worksheetFile(sample).split('\n');
    lines[7 * question].chop(1); // line 7n + 1, counted from 1
    lines[7 * question] = digitLine + '\r';
    return lines.join('\n');
}

} // namespace

class TestWorksheets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->screens().registerScreen<MenuProbe>(QStringLiteral("intro0"));
        m_test->state().soundon = 1;
    }
    void cleanup() { m_test.reset(); }

    void firstPageShowsUpTo24Titles_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("nextPage");
        QTest::newRow("empty catalogue") << 0 << 0 << false;
        QTest::newRow("one title") << 1 << 1 << false;
        QTest::newRow("24 titles: full page") << 24 << 24 << false;
        QTest::newRow("25 titles") << 25 << 24 << true;
        QTest::newRow("1000 titles") << 1000 << 24 << true;
    }

    void firstPageShowsUpTo24Titles()
    {
        QFETCH(int, count);
        QFETCH(int, shown);
        QFETCH(bool, nextPage);
        const QStringList titles = test::numberedTitles(count);
        setCatalogue(titles);
        Worksheets& screen = openCatalogue();
        QCOMPARE(visibleTitles(screen), titles.mid(0, shown));
        QCOMPARE(screen.Label3(1)->isVisible(), nextPage);
        QVERIFY(!screen.Label3(0)->isVisible());
        QCOMPARE(screen.Label4->text(), QStringLiteral("Page 1"));
        QCOMPARE(m_test->state().catpage, 0);
        QCOMPARE(m_test->state().workcount, count);
    }

    void pagingThrough25Titles()
    {
        const QStringList titles = test::numberedTitles(25);
        setCatalogue(titles);
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Label3(1), Qt::LeftButton);
        QCOMPARE(visibleTitles(screen), QStringList{titles[24]});
        QCOMPARE(screen.Label2(1)->geometry(), QRect(8, 48, 381, 25));
        QVERIFY(screen.Label3(0)->isVisible());
        QVERIFY(!screen.Label3(1)->isVisible());
        QCOMPARE(screen.Label4->text(), QStringLiteral("Page 2"));

        QTest::mouseClick(screen.Label3(0), Qt::LeftButton);
        QCOMPARE(visibleTitles(screen), titles.mid(0, 24));
        QVERIFY(!screen.Label3(0)->isVisible());
        QVERIFY(screen.Label3(1)->isVisible());
        QCOMPARE(screen.Label4->text(), QStringLiteral("Page 1"));
        QCOMPARE(m_test->sound().played, (QStringList{click, click}));
    }

    void the41stPageIsTheLastReachable()
    {
        const QStringList titles = test::numberedTitles(1000);
        setCatalogue(titles);
        Worksheets& screen = openCatalogue();
        for (int page = 2; page <= 41; ++page) {
            QVERIFY2(screen.Label3(1)->isVisible(), qPrintable(QString::number(page)));
            QTest::mouseClick(screen.Label3(1), Qt::LeftButton);
        }
        QCOMPARE(screen.Label4->text(), QStringLiteral("Page 41"));
        QCOMPARE(visibleTitles(screen), titles.mid(960, 24));
        QVERIFY(!screen.Label3(1)->isVisible());
        QVERIFY(screen.Label3(0)->isVisible());
        QCOMPARE(m_test->state().catpage, 40);
    }

    void modeBoxesUntickEachOther()
    {
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(8, 12));
        QVERIFY(screen.Check1->isChecked());
        QTest::mouseClick(screen.Check2, Qt::LeftButton, {}, QPoint(8, 12));
        QVERIFY(screen.Check2->isChecked());
        QVERIFY(!screen.Check1->isChecked());
        QTest::mouseClick(screen.Check2, Qt::LeftButton, {}, QPoint(8, 12));
        QVERIFY(!screen.Check2->isChecked());
        QVERIFY(!screen.Check1->isChecked());
        QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Check2, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(8, 12));
        QVERIFY(screen.Check1->isChecked());
        QVERIFY(!screen.Check2->isChecked());
    }

    void modeBoxesSitOnTheScreensBlue()
    {
        Worksheets& screen = openCatalogue();
        for (QCheckBox* box : {screen.Check1, screen.Check2}) {
            const QImage image = box->grab().toImage();
            QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), QColor(39, 63, 137));
        }
        QCOMPARE(screen.Check2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void deleteAnsweredWithCancelChangesNothing()
    {
        const QStringList titles = test::numberedTitles(3);
        setCatalogue(titles);
        writeWorksheet(test::sampleWorksheet(titles[1]));
        const QByteArray catalogue = readFile(QStringLiteral("multiple/track.txt"));
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Check2, Qt::LeftButton, {}, QPoint(8, 12));
        m_test->dialogs().answers = {false};
        QTest::mouseClick(screen.Label2(2), Qt::LeftButton);

        QCOMPARE(m_test->dialogs().questions,
                 QStringList{QStringLiteral("Are you sure that you want to delete the worksheet Worksheet 0002?")});
        QCOMPARE(m_test->dialogs().messages, QStringList{});
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), catalogue);
        QCOMPARE(visibleTitles(screen), titles);
        // The worksheet was read all the same.
        QCOMPARE(m_test->state().worktitle, titles[1]);
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    void deleteWithOkMovesTheNextPageUp()
    {
        QStringList titles = test::numberedTitles(30);
        setCatalogue(titles);
        writeWorksheet(test::sampleWorksheet(titles[4]));
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Check2, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Label2(5), Qt::LeftButton);

        titles.removeAt(4);
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), test::catalogueFile(titles));
        QCOMPARE(m_test->state().deltitle, QStringLiteral("Worksheet 0005"));
        QCOMPARE(m_test->state().workcount, 29);
        QCOMPARE(visibleTitles(screen), titles.mid(0, 24));
        QCOMPARE(screen.Label2(24)->caption(), QStringLiteral("Worksheet 0025"));
        QVERIFY(screen.Label3(1)->isVisible());
        QCOMPARE(screen.Label4->text(), QStringLiteral("Page 1"));
        QVERIFY(QFile::exists(path(QStringLiteral("multiple/Worksheet 0005.txt"))));
        QCOMPARE(m_test->dialogs().messages, QStringList{});
    }

    void deletingTheLastTitleOfAPageLeavesThePageButtons()
    {
        QStringList titles = test::numberedTitles(25);
        setCatalogue(titles);
        writeWorksheet(test::sampleWorksheet(titles[24]));
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Label3(1), Qt::LeftButton);
        QTest::mouseClick(screen.Check2, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Label2(1), Qt::LeftButton);

        titles.removeLast();
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), test::catalogueFile(titles));
        QCOMPARE(visibleTitles(screen), QStringList{});
        QVERIFY(screen.Label3(0)->isVisible());
        QCOMPARE(screen.Label4->text(), QStringLiteral("Page 2"));
    }

    void aRemovedWorksheetIsReportedInEveryMode_data()
    {
        QTest::addColumn<int>("mode"); // 0 quiz, 1 edit, 2 delete
        QTest::newRow("quiz") << 0;
        QTest::newRow("edit") << 1;
        QTest::newRow("delete") << 2;
    }

    void aRemovedWorksheetIsReportedInEveryMode()
    {
        QFETCH(int, mode);
        const QStringList titles = test::numberedTitles(3);
        setCatalogue(titles);
        const QByteArray catalogue = readFile(QStringLiteral("multiple/track.txt"));
        Worksheets& screen = openCatalogue();
        if (mode == 1)
            QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(8, 12));
        if (mode == 2)
            QTest::mouseClick(screen.Check2, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Label2(3), Qt::LeftButton);

        QCOMPARE(m_test->dialogs().messages, QStringList{corrupted});
        QCOMPARE(m_test->dialogs().questions, QStringList{});
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), catalogue);
        QCOMPARE(visibleTitles(screen), titles);
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("wizard")));
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("intro0")));
        QVERIFY(m_test->screens().isLoaded(QStringLiteral("worksheets")));
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    void aShortWorksheetIsReported()
    {
        setCatalogue({QStringLiteral("Short")});
        m_test->writeContent(QStringLiteral("multiple/Short.txt"), test::worksheetFile(test::sampleWorksheet(QStringLiteral("Short"))).left(300));
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Label2(1), Qt::LeftButton);
        QCOMPARE(m_test->dialogs().messages, QStringList{corrupted});
    }

    void editingShowsTheWorksheetAsLoaded()
    {
        const WorksheetText sample = test::sampleWorksheet(QStringLiteral("Fish & Chips"));
        setCatalogue({sample.title});
        writeWorksheet(sample);
        // A wizard left open with ticks from earlier work.
        auto& stale = m_test->screens().get<Wizard>(QStringLiteral("wizard"));
        for (const auto& [j, tick] : stale.Check1)
            tick->setChecked(true);

        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Label2(1), Qt::LeftButton);

        QCOMPARE(m_test->dialogs().messages, QStringList{});
        auto& wizard = m_test->screens().get<Wizard>(QStringLiteral("wizard"));
        QVERIFY(wizard.isVisible());
        QVERIFY(screen.isVisible());
        QCOMPARE(wizard.Text1->text(), QStringLiteral("Fish , Chips"));
        QCOMPARE(wizard.Text2(0)->text(), QStringLiteral("Rivers, lakes , seas: which is salty?"));
        QCOMPARE(wizard.Text3(6)->text(), QStringLiteral("Caf\u00e9, by the quay"));
        QCOMPARE(wizard.Text3(8)->text(), QStringLiteral("two spaces first"));
        QCOMPARE(wizard.Text2(9)->text(), sample.questions[9].text);
        QCOMPARE(wizard.Text3(39)->text(), sample.questions[9].answers[3]);
        for (int q = 0; q < 10; ++q) {
            for (int a = 0; a < 4; ++a) {
                QVERIFY2(wizard.Check1(4 * q + a)->isChecked() == (a == sample.questions[q].correct - 1),
                         qPrintable(QStringLiteral("question %1 answer %2").arg(q + 1).arg(a)));
            }
        }
    }

    void editingThenSavingKeepsTheWorksheet()
    {
        const WorksheetText sample = test::sampleWorksheet(QStringLiteral("Tides"));
        setCatalogue({sample.title});
        writeWorksheet(sample);
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Label2(1), Qt::LeftButton);
        auto& wizard = m_test->screens().get<Wizard>(QStringLiteral("wizard"));
        QTest::mouseClick(wizard.Label3(1), Qt::LeftButton);

        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your worksheet has been saved.")});
        WorksheetText reloaded = sample;
        reloaded.questions[0].text.replace(u'&', u',');
        reloaded.questions[2].answers[0] = QStringLiteral("two spaces first");
        QCOMPARE(readFile(QStringLiteral("multiple/Tides.txt")), test::worksheetFile(reloaded));
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), test::catalogueFile({sample.title}));
    }

    // A teacher copies a worksheet under a new title: the list on screen stays as it was read
    // until the catalogue is opened again.
    void aCopySavedFromTheEditorAppearsOnTheNextOpening()
    {
        const WorksheetText sample = test::sampleWorksheet(QStringLiteral("Harbours"));
        setCatalogue({QStringLiteral("Beaches"), sample.title});
        writeWorksheet(sample);
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Label2(2), Qt::LeftButton);

        auto& wizard = m_test->screens().get<Wizard>(QStringLiteral("wizard"));
        QTest::keyClick(wizard.Text1, Qt::Key_End);
        QTest::keyClicks(wizard.Text1, QStringLiteral(" copy"));
        QTest::mouseClick(wizard.Label3(1), Qt::LeftButton);
        QTest::mouseClick(wizard.Label3(0), Qt::LeftButton);
        QCOMPARE(visibleTitles(screen), (QStringList{QStringLiteral("Beaches"), sample.title}));

        QTest::mouseClick(screen.Label2(0), Qt::LeftButton);
        TestProgram::flushDeletes();
        Worksheets& reopened = openCatalogue();
        QCOMPARE(visibleTitles(reopened),
                 (QStringList{QStringLiteral("Beaches"), sample.title, QStringLiteral("Harbours copy")}));
        QVERIFY(!reopened.Check1->isChecked());
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Your worksheet has been saved.")});
        QCOMPARE(readFile(QStringLiteral("multiple/Harbours copy.txt")).left(15), QByteArray("Harbours copy\r\n"));
    }

    void aLongerTextFromAWorksheetIsShownWhole()
    {
        WorksheetText sample = test::sampleWorksheet(QStringLiteral("Long"));
        sample.questions[3].answers[1] = QStringLiteral("An answer well over thirty characters long");
        setCatalogue({sample.title});
        writeWorksheet(sample);
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Label2(1), Qt::LeftButton);
        auto& wizard = m_test->screens().get<Wizard>(QStringLiteral("wizard"));
        QCOMPARE(wizard.Text3(13)->text(), sample.questions[3].answers[1]);
        QCOMPARE(wizard.Text3(12)->maxLength(), 30);
    }

    void aDigitOutside1To4IsReportedWhenEditing_data()
    {
        QTest::addColumn<QByteArray>("digit");
        QTest::newRow("5 would tick answer A of the next question") << QByteArray("5");
        QTest::newRow("0 would tick answer D of the question before") << QByteArray("0");
        QTest::newRow("not a number") << QByteArray("B");
        QTest::newRow("empty") << QByteArray(" ");
    }

    void aDigitOutside1To4IsReportedWhenEditing()
    {
        QFETCH(QByteArray, digit);
        const WorksheetText sample = test::sampleWorksheet(QStringLiteral("Odd"));
        setCatalogue({sample.title});
        m_test->writeContent(QStringLiteral("multiple/Odd.txt"), withDigit(sample, 4, digit));
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Check1, Qt::LeftButton, {}, QPoint(8, 12));
        QTest::mouseClick(screen.Label2(1), Qt::LeftButton);
        QCOMPARE(m_test->dialogs().messages, QStringList{corrupted});
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("wizard")));
    }

    void aTitleOpensAsAQuizWithTheMenusPicture()
    {
        const WorksheetText sample = test::sampleWorksheet(QStringLiteral("Quiz me"));
        setCatalogue({sample.title});
        writeWorksheet(sample);
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Label2(1), Qt::LeftButton);

        QCOMPARE(m_test->dialogs().messages, QStringList{});
        QCOMPARE(m_test->state().worktitle, sample.title);
        QCOMPARE(m_test->state().correct[2], QStringLiteral("4"));
        auto& menu = m_test->screens().get<MenuProbe>(QStringLiteral("intro0"));
        QCOMPARE(menu.loads, 1);
        QVERIFY(!menu.isVisible());
        QVERIFY(m_test->screens().isLoaded(QStringLiteral("worksheets")));
        auto& quiz = m_test->screens().get<Multiple>(QStringLiteral("multiple"));
        QVERIFY(quiz.isVisible());
        // The whole picture, scaled down into the quiz's small picture box.
        const QSize shown = quiz.Picture1->picture().sizePixels();
        QVERIFY(shown.width() <= quiz.Picture1->width() && shown.height() <= quiz.Picture1->height());
        QVERIFY(shown.width() >= quiz.Picture1->width() - 2 || shown.height() >= quiz.Picture1->height() - 2);
        QVERIFY(qAbs(double(shown.width()) / shown.height() - 320.0 / 240.0) < 0.05);
    }

    void exitBringsTheMenuBack()
    {
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Label2(0), Qt::LeftButton);
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("worksheets")));
        QVERIFY(m_test->screens().get<MenuProbe>(QStringLiteral("intro0")).isVisible());
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    void aMissingCatalogueShowsTheListInMemory()
    {
        m_test->state().workcount = 2;
        m_test->state().worklist[1] = QStringLiteral("Kept one");
        m_test->state().worklist[2] = QStringLiteral("Kept two");
        Worksheets& screen = openCatalogue();
        QCOMPARE(visibleTitles(screen), (QStringList{QStringLiteral("Kept one"), QStringLiteral("Kept two")}));
    }

    void anAmpersandInATitleMakesNoShortcut()
    {
        setCatalogue({QStringLiteral("Fish &Chips")});
        writeWorksheet(test::sampleWorksheet(QStringLiteral("Fish &Chips")));
        Worksheets& screen = openCatalogue();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QCOMPARE(screen.Label2(1)->caption(), QStringLiteral("Fish &Chips"));
        QTest::keyClick(&screen, Qt::Key_C, Qt::AltModifier);
        // A shortcut presses the button at once and clicks it a moment later.
        QVERIFY(!screen.Label2(1)->isDown());
    }

    void titlesLightUpUnderThePointer()
    {
        setCatalogue(test::numberedTitles(2));
        Worksheets& screen = openCatalogue();
        QVERIFY(screen.Label2(1)->isOpaque());
        QTest::mouseMove(&screen, QPoint(400, 400));
        QTRY_VERIFY(!screen.Label2(1)->isOpaque());
        QVERIFY(!screen.Label2(0)->isOpaque());
        QTest::mouseMove(screen.Label2(2), screen.Label2(2)->rect().center());
        QTRY_VERIFY(screen.Label2(2)->isOpaque());
        QVERIFY(!screen.Label2(1)->isOpaque());
        QVERIFY(screen.Label3(0)->isOpaque());
    }

private:
    Worksheets& openCatalogue()
    {
        m_test->screens().show(QStringLiteral("worksheets"));
        auto& screen = m_test->screens().get<Worksheets>(QStringLiteral("worksheets"));
        if (!QTest::qWaitForWindowExposed(&screen))
            qWarning("catalogue not exposed");
        return screen;
    }

    static QStringList visibleTitles(Worksheets& screen)
    {
        QStringList titles;
        for (int i = 1; i <= 24; ++i) {
            if (screen.Label2(i)->isVisible())
                titles.append(screen.Label2(i)->caption());
        }
        return titles;
    }

    void setCatalogue(const QStringList& titles)
    {
        m_test->writeContent(QStringLiteral("multiple/track.txt"), test::catalogueFile(titles));
    }

    void writeWorksheet(const WorksheetText& sample)
    {
        m_test->writeContent(QStringLiteral("multiple/") + sample.title + QStringLiteral(".txt"), test::worksheetFile(sample));
    }

    QString path(const QString& contentPath) const { return m_test->contentRoot() + u'/' + contentPath; }

    QByteArray readFile(const QString& contentPath) const
    {
        QFile file(path(contentPath));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll();
    }

    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestWorksheets)
#include "test_worksheets.moc"
