// The wizard and the worksheet catalogue, driven as a teacher does (keys, clicks, the dialogs'
// answers) and checked by what the teacher sees and hears and by the files written.
#include "authoring/Wizard.h"
#include "authoring/Worksheets.h"
#include "base/Names.h"
#include "quiz/Multiple.h"
#include "support/TestProgram.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace bs;

namespace {

const QString saved = QStringLiteral("Your worksheet has been saved.");
const QString problem = QStringLiteral("There was a problem saving your worksheet");
const QString track = QStringLiteral("multiple/track.txt");
const QString rivers = QStringLiteral("multiple/Rivers and Seas.txt");
const QStringList threeTitles{QStringLiteral("Coasts"), QStringLiteral("Farming"), QStringLiteral("Weather")};

// Stands in for the main menu: the catalogue takes its picture and title, and goes back to it.
class MenuProbe : public Screen
{
public:
    using Screen::Screen;
    void Form_Load() override
    {
        QImage image(320, 240, QImage::Format_RGB32); // the size of the menu's picture
        image.fill(Qt::green);
        auto* picture = new ImageBox(this, true);
        picture->setObjectName(QStringLiteral("Image1"));
        picture->setPicture(Picture(image));
    }
};

void retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeText(box, text);
}

void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Types a worksheet by keyboard alone: Enter after each box of questions 1 to 5 (the keypad's
// Enter in question 3), Tab in questions 6 to 10, then Tab through the ticks with Space on
// each right answer. The focus ends on "Save Worksheet".
void typeSample(Wizard& wizard, const WorksheetText& sample)
{
    QVERIFY(QTest::qWaitForWindowActive(&wizard));
    wizard.Text1->setFocus();
    QTRY_VERIFY(wizard.Text1->hasFocus());
    const auto type = [](const QString& text, int q) {
        QWidget* box = QApplication::focusWidget();
        typeText(box, text);
        if (q < 5)
            QTest::keyClick(box, q == 2 ? Qt::Key_Enter : Qt::Key_Return,
                            q == 2 ? Qt::KeypadModifier : Qt::NoModifier);
        else
            QTest::keyClick(box, Qt::Key_Tab);
    };
    type(sample.title, 0);
    for (int q = 0; q < 10; ++q) {
        type(sample.questions[q].text, q);
        for (const QString& answer : sample.questions[q].answers)
            type(answer, q);
    }
    for (int j = 0; j < 40; ++j) {
        if (j % 4 == sample.questions[j / 4].correct - 1)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

} // namespace

class TestAuthoring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->screens().registerScreen<MenuProbe>(screenName::menu);
        m_test->state().soundon = 1;
    }

    void typedWorksheetIsSavedAndCatalogued()
    {
        setCatalogue(threeTitles);
        Wizard& wizard = openWizard();
        WorksheetText sample = test::sampleWorksheet();
        typeSample(wizard, sample);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(wizard.Label3(1)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_test->dialogs().messages, QStringList{saved});
        QCOMPARE(readFile(rivers), test::worksheetFile(sample));
        QCOMPARE(readFile(track), test::catalogueFile(threeTitles + QStringList{sample.title}));
        QCOMPARE(m_test->sound().played, QStringList{cue::click});

        // The wizard keeps what was typed: a change saved again replaces the file only.
        sample.questions[4].text = QStringLiteral("A changed question");
        retype(wizard.Text2(4), sample.questions[4].text);
        clickBox(wizard.Check1(16 + sample.questions[4].correct - 1)); // untick
        clickBox(wizard.Check1(19));
        sample.questions[4].correct = 4;
        clickSave(wizard);
        QCOMPARE(readFile(rivers), test::worksheetFile(sample));
        QCOMPARE(readFile(track), test::catalogueFile(threeTitles + QStringList{sample.title}));

        // A new title saves a second worksheet beside the first.
        const QByteArray first = readFile(rivers);
        retype(wizard.Text1, QStringLiteral("Rivers Two"));
        clickSave(wizard);
        QCOMPARE(readFile(rivers), first);
        sample.title = QStringLiteral("Rivers Two");
        QCOMPARE(readFile(QStringLiteral("multiple/Rivers Two.txt")), test::worksheetFile(sample));
        QCOMPARE(readFile(track),
                 test::catalogueFile(threeTitles + QStringList{"Rivers and Seas", sample.title}));
        QCOMPARE(m_test->dialogs().messages, (QStringList{saved, saved, saved}));

        QTest::mouseClick(wizard.Label3(0), Qt::LeftButton); // Exit
        QVERIFY(!m_test->screens().isLoaded(screenName::wizard));
        QCOMPARE(m_test->sound().played, QStringList(4, cue::click));
        TestProgram::flushDeletes();
        QCOMPARE(openWizard().Text1->text(), QString()); // opened again, it starts empty
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("boxes"); // the boxes retyped, as "Text3(9)"
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("ticks"); // tick boxes clicked
        QTest::addColumn<int>("disk");         // 0 fine, 1 no catalogue, 2 catalogue full, 3 no folder
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("written"); // whether Rivers and Seas.txt is written all the same
        const QString notCompleted = QStringLiteral("You have not completed Question");
        const QString noCodePage =
            QStringLiteral(" contains the character \u201C\u0141\u201D, which cannot be saved.");
        const auto row = [](const char* name, const QStringList& boxes, const QString& text, QList<int> ticks,
                            const QString& message, int disk = 0, bool written = false) {
            QTest::newRow(name) << boxes << text << ticks << disk << message << written;
        };
        row("title empty", {"Text1"}, "", {}, QStringLiteral("You have not chosen a title for your worksheet"));
        row("question 1 empty", {"Text2(0)"}, "", {}, notCompleted + " 1");
        row("question 3 answer B empty", {"Text3(9)"}, "", {}, notCompleted + " 3");
        row("question 10 answer D empty", {"Text3(39)"}, "", {}, notCompleted + " 10");
        // Several problems: the first in typing order is reported.
        row("title empty, question 4 unfinished", {"Text3(13)", "Text1"}, "", {},
            QStringLiteral("You have not chosen a title for your worksheet"));
        row("question 6 unfinished before question 8", {"Text2(7)", "Text3(22)"}, "", {}, notCompleted + " 6");
        row("question 5 not ticked", {}, "", {16},
            QStringLiteral("You have not ticked the correct answer for Question 5"));
        row("question 2 ticked twice, question 7 empty", {"Text3(27)"}, "", {4},
            QStringLiteral("You have ticked more than one correct answer for Question 2"));
        for (const char* title : {"Maps/Plans", "..\\Outside", "Why?", " Tides", "Tides.", "TRACK", "con"})
            row(title, {"Text1"}, title, {}, titleProblem(QString::fromLatin1(title)));
        row("question 3 outside the code page", {"Text2(2)"}, "\u0141\u00F3d\u017A", {},
            "Question 3" + noCodePage);
        row("answer C of question 4 outside it", {"Text3(14)"}, "\u0141\u00F3d\u017A", {},
            "Answer C of Question 4" + noCodePage);
        row("only spaces count as filled in", {"Text3(25)"}, "   ", {}, saved, 0, true);
        row("catalogue missing", {}, "", {}, problem, 1, true);
        row("catalogue full", {}, "", {}, problem, 2, true);
        row("folder missing", {}, "", {}, problem, 3);
    }

    void refusals()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QString, text);
        QFETCH(QList<int>, ticks);
        QFETCH(int, disk);
        QFETCH(QString, message);
        QFETCH(bool, written);
        setCatalogue(threeTitles);
        Wizard& wizard = openWizard();
        typeSample(wizard, test::sampleWorksheet());
        for (const QString& box : boxes)
            retype(findBox(wizard, box), text);
        for (int j : ticks)
            clickBox(wizard.Check1(j));
        if (disk == 1)
            m_test->removeContent(track);
        if (disk == 2)
            setCatalogue(test::numberedTitles(1000));
        if (disk == 3)
            QDir(path(QStringLiteral("multiple"))).removeRecursively();
        const QByteArray catalogue = readFile(track);
        clickSave(wizard);
        QCOMPARE(m_test->dialogs().messages, QStringList{message});
        QCOMPARE(m_test->sound().played, QStringList{cue::click});
        QCOMPARE(QFile::exists(path(rivers)), written);
        if (message != saved)
            QCOMPARE(readFile(track), catalogue);
    }

    void boxesHoldOnlyWhatFits()
    {
        Wizard& wizard = openWizard();
        const QString typed = QStringLiteral("abcdefghij").repeated(8);
        for (auto [box, limit] : std::initializer_list<std::pair<QLineEdit*, int>>{
                 {wizard.Text1, 25}, {wizard.Text2(7), 60}, {wizard.Text3(30), 30}}) {
            QTest::keyClicks(box, typed);
            QCOMPARE(box->text(), typed.left(limit));
        }
    }

    void cataloguePages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("nexts"); // clicks on "Next Page >>"
        QTest::addColumn<int>("slot");  // the title then clicked with "Delete Worksheet" ticked, or 0
        QTest::addColumn<bool>("ok");   // the answer to "Are you sure"
        QTest::newRow("empty") << 0 << 0 << 0 << false;
        QTest::newRow("one title") << 1 << 0 << 0 << false;
        QTest::newRow("24 titles: one full page") << 24 << 0 << 0 << false;
        QTest::newRow("25 titles: the 25th on page 2") << 25 << 1 << 0 << false;
        QTest::newRow("1000 titles: page 41 the last") << 1000 << 40 << 0 << false;
        QTest::newRow("delete cancelled") << 3 << 0 << 2 << false;
        QTest::newRow("delete: the next page's first title moves up") << 30 << 0 << 5 << true;
        QTest::newRow("delete the only title of page 2") << 25 << 1 << 1 << true;
    }

    void cataloguePages()
    {
        QFETCH(int, count);
        QFETCH(int, nexts);
        QFETCH(int, slot);
        QFETCH(bool, ok);
        QStringList titles = test::numberedTitles(count);
        setCatalogue(titles);
        Worksheets& screen = openCatalogue();
        for (int i = 0; i < nexts; ++i) {
            QVERIFY(screen.Label3(1)->isVisible());
            QTest::mouseClick(screen.Label3(1), Qt::LeftButton);
        }
        const int first = 24 * nexts;
        if (slot > 0) {
            const QString title = titles[first + slot - 1];
            writeWorksheet(test::sampleWorksheet(title));
            clickBox(screen.Check2);
            m_test->dialogs().answers = {ok};
            QTest::mouseClick(screen.Label2(slot), Qt::LeftButton);
            QCOMPARE(m_test->dialogs().questions,
                     QStringList{"Are you sure that you want to delete the worksheet " + title + "?"});
            if (ok)
                titles.removeOne(title);
            QCOMPARE(readFile(track), test::catalogueFile(titles));
            QVERIFY(QFile::exists(path("multiple/" + title + ".txt"))); // the file itself stays
        }
        QCOMPARE(m_test->dialogs().messages, QStringList{});
        QCOMPARE(visibleTitles(screen), titles.mid(first, 24));
        QCOMPARE(screen.Label3(0)->isVisible(), nexts > 0);
        QCOMPARE(screen.Label3(1)->isVisible(), nexts < 40 && titles.size() > first + 24);
        QCOMPARE(screen.Label4->text(), QStringLiteral("Page %1").arg(nexts + 1));
        QCOMPARE(m_test->sound().played, QStringList(nexts + (slot > 0), cue::click));
        if (nexts > 0) {
            QTest::mouseClick(screen.Label3(0), Qt::LeftButton);
            QCOMPARE(visibleTitles(screen), titles.mid(first - 24, 24));
            QCOMPARE(screen.Label4->text(), QStringLiteral("Page %1").arg(nexts));
        }
    }

    void modeBoxesUntickEachOther()
    {
        Worksheets& screen = openCatalogue();
        const auto click = [&](QCheckBox* box) {
            clickBox(box);
            return std::pair{screen.Check1->isChecked(), screen.Check2->isChecked()};
        };
        QCOMPARE(click(screen.Check1), std::pair(true, false));
        QCOMPARE(click(screen.Check2), std::pair(false, true));
        QCOMPARE(click(screen.Check1), std::pair(true, false));
        QCOMPARE(click(screen.Check1), std::pair(false, false));
    }

    // A teacher tries a worksheet as a quiz, then edits it and saves it as a copy: the list on
    // screen stays as it was read until the catalogue is opened again.
    void openingAsAQuizThenEditing()
    {
        WorksheetText sample = test::sampleWorksheet(QStringLiteral("Harbours"));
        sample.questions[3].answers[1] = QStringLiteral("An answer well over thirty characters long");
        setCatalogue({QStringLiteral("Beaches"), sample.title});
        writeWorksheet(sample);
        Worksheets& screen = openCatalogue();
        QTest::mouseClick(screen.Label2(2), Qt::LeftButton);
        QCOMPARE(m_test->state().correct[2], QStringLiteral("4"));
        QVERIFY(!m_test->screens().get<MenuProbe>(screenName::menu).isVisible());
        auto& quiz = m_test->screens().get<Multiple>(screenName::quiz);
        QVERIFY(quiz.isVisible());
        // The menu's whole picture, scaled down into the quiz's small picture box.
        const QSize shown = quiz.Picture1->picture().sizePixels();
        QVERIFY(shown.width() <= quiz.Picture1->width() && shown.height() <= quiz.Picture1->height());
        QVERIFY(shown.width() >= quiz.Picture1->width() - 2 || shown.height() >= quiz.Picture1->height() - 2);
        QVERIFY(qAbs(double(shown.width()) / shown.height() - 320.0 / 240.0) < 0.05);

        auto& wizard = m_test->screens().get<Wizard>(screenName::wizard);
        for (const auto& [j, tick] : wizard.Check1)
            tick->setChecked(true); // left over from earlier work
        clickBox(screen.Check1);
        QTest::mouseClick(screen.Label2(2), Qt::LeftButton);

        QVERIFY(wizard.isVisible());
        // As the file reads back: "&" stored as a comma, leading spaces gone; long texts whole.
        sample.questions[0].text.replace(u'&', u',');
        sample.questions[2].answers[0] = QStringLiteral("two spaces first");
        QCOMPARE(wizard.Text3(13)->text(), sample.questions[3].answers[1]);
        // Saved as a copy, every box and tick as loaded (a stale tick would stop the save).
        QTest::keyClick(wizard.Text1, Qt::Key_End);
        QTest::keyClicks(wizard.Text1, QStringLiteral(" copy"));
        clickSave(wizard);
        sample.title += QStringLiteral(" copy");
        QCOMPARE(m_test->dialogs().messages, QStringList{saved});
        QCOMPARE(readFile(QStringLiteral("multiple/Harbours copy.txt")), test::worksheetFile(sample));
        QTest::mouseClick(wizard.Label3(0), Qt::LeftButton);
        QCOMPARE(visibleTitles(screen), (QStringList{"Beaches", "Harbours"}));
        QTest::mouseClick(screen.Label2(0), Qt::LeftButton); // Exit
        QVERIFY(!m_test->screens().isLoaded(screenName::catalogue));
        QVERIFY(m_test->screens().get<MenuProbe>(screenName::menu).isVisible());
        QCOMPARE(m_test->sound().played.count(cue::click), 5);
        TestProgram::flushDeletes();
        const QStringList three{"Beaches", "Harbours", "Harbours copy"};
        QCOMPARE(visibleTitles(openCatalogue()), three);
        // Without a catalogue the list stays as last read.
        QTest::mouseClick(m_test->screens().get<Worksheets>(screenName::catalogue).Label2(0), Qt::LeftButton);
        TestProgram::flushDeletes();
        m_test->removeContent(track);
        QCOMPARE(visibleTitles(openCatalogue()), three);
    }

    void aDamagedWorksheetIsReported_data()
    {
        QTest::addColumn<int>("mode");        // 0 quiz, 1 edit, 2 delete
        QTest::addColumn<QByteArray>("file"); // empty: none
        const QByteArray file = test::worksheetFile(test::sampleWorksheet(QStringLiteral("Worksheet 0003")));
        // Question 5's right answer is A: "1" after its answer D.
        const auto digit = [&](const char* d) {
            return QByteArray(file).replace("5D\r\n1\r\n", "5D\r\n" + QByteArray(d) + "\r\n");
        };
        QTest::newRow("missing, as a quiz") << 0 << QByteArray();
        QTest::newRow("missing, to edit") << 1 << QByteArray();
        QTest::newRow("missing, to delete") << 2 << QByteArray();
        QTest::newRow("cut short") << 0 << file.left(300);
        // A digit outside 1 to 4 would tick a box of a neighbouring question.
        QTest::newRow("digit 5, to edit") << 1 << digit("5");
        QTest::newRow("digit 0, to edit") << 1 << digit("0");
        QTest::newRow("no digit, to edit") << 1 << digit("B");
    }

    void aDamagedWorksheetIsReported()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, file);
        const QStringList titles = test::numberedTitles(3);
        setCatalogue(titles);
        if (!file.isEmpty())
            m_test->writeContent(QStringLiteral("multiple/Worksheet 0003.txt"), file);
        Worksheets& screen = openCatalogue();
        if (mode > 0)
            clickBox(mode == 1 ? screen.Check1 : screen.Check2);
        QTest::mouseClick(screen.Label2(3), Qt::LeftButton);

        QCOMPARE(m_test->dialogs().messages, QStringList{"This worksheet seems to be corrupted."});
        QCOMPARE(m_test->dialogs().questions, QStringList{});
        QCOMPARE(readFile(track), test::catalogueFile(titles));
        QCOMPARE(visibleTitles(screen), titles);
        QVERIFY(!m_test->screens().isLoaded(screenName::wizard));
        QVERIFY(!m_test->screens().isLoaded(screenName::quiz));
        QCOMPARE(m_test->sound().played, QStringList{cue::click});
    }

private:
    template <class T> T& open(const QString& name)
    {
        m_test->screens().show(name);
        auto& screen = m_test->screens().get<T>(name);
        if (!QTest::qWaitForWindowExposed(&screen))
            qWarning("%s not exposed", qPrintable(name));
        return screen;
    }
    Wizard& openWizard() { return open<Wizard>(screenName::wizard); }
    Worksheets& openCatalogue() { return open<Worksheets>(screenName::catalogue); }
    static QLineEdit* findBox(Wizard& wizard, const QString& name)
    {
        if (name == u"Text1")
            return wizard.Text1;
        const int index = name.section(u'(', 1).chopped(1).toInt();
        return name.startsWith(u"Text2") ? wizard.Text2(index) : wizard.Text3(index);
    }
    static void clickSave(Wizard& wizard) { QTest::mouseClick(wizard.Label3(1), Qt::LeftButton); }

    static QStringList visibleTitles(Worksheets& screen)
    {
        QStringList titles;
        for (int i = 1; i <= 24; ++i)
            if (screen.Label2(i)->isVisible())
                titles.append(screen.Label2(i)->caption());
        return titles;
    }

    void setCatalogue(const QStringList& titles) { m_test->writeContent(track, test::catalogueFile(titles)); }
    void writeWorksheet(const WorksheetText& sample)
    {
        m_test->writeContent(QStringLiteral("multiple/%1.txt").arg(sample.title),
                             test::worksheetFile(sample));
    }
    QString path(const QString& contentPath) const { return m_test->contentRoot() + u'/' + contentPath; }
    QByteArray readFile(const QString& contentPath) const { return test::readBytes(path(contentPath)); }
    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestAuthoring)
#include "test_authoring.moc"
