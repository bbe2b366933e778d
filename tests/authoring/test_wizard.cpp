#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "authoring/Wizard.h"
#include "support/TestProgram.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/Worksheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <functional>

using namespace bs;

namespace {

const QString saved = QStringLiteral("Your worksheet has been saved.");
const QString problem = QStringLiteral("There was a problem saving your worksheet");
const QStringList threeTitles{QStringLiteral("Coasts"), QStringLiteral("Farming"), QStringLiteral("Weather")};

// keyClicks knows only ASCII; other letters arrive as a key press carrying their text.
void typeText(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void clickTick(QCheckBox* tick)
{
    QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(tick->width() / 2, tick->height() / 2));
}

// Types the sample into the wizard as a teacher would: keys into every box, a click on each tick.
void typeSample(Wizard& wizard, const WorksheetText& sample)
{
    typeText(wizard.Text1, sample.title);
    for (int q = 0; q < 10; ++q) {
        typeText(wizard.Text2(q), sample.questions[q].text);
        for (int a = 0; a < 4; ++a)
            typeText(wizard.Text3(4 * q + a), sample.questions[q].answers[a]);
        clickTick(wizard.Check1(4 * q + sample.questions[q].correct - 1));
    }
}

void retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeText(box, text);
}

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->writeContent(QStringLiteral("multiple/track.txt"), test::catalogueFile(threeTitles));
        m_test->state().soundon = 1;
    }
    void cleanup() { m_test.reset(); }

    void typedWorksheetIsSavedByteForByteAndCatalogued()
    {
        Wizard& wizard = openWizard();
        const WorksheetText sample = test::sampleWorksheet();
        typeSample(wizard, sample);
        clickSave(wizard);

        QCOMPARE(m_test->dialogs().messages, QStringList{saved});
        QCOMPARE(readFile(QStringLiteral("multiple/Rivers and Seas.txt")), test::worksheetFile(sample));
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")),
                 test::catalogueFile(threeTitles + QStringList{sample.title}));
        QCOMPARE(m_test->sound().played, QStringList{QStringLiteral("wav\\click.wav")});
        // The wizard keeps what was typed, ready for changes.
        QCOMPARE(wizard.Text1->text(), sample.title);
        QVERIFY(wizard.isVisible());
    }

    void checksStopAtTheFirstGap_data()
    {
        QTest::addColumn<std::function<void(Wizard&)>>("spoil");
        QTest::addColumn<QString>("message");
        const QString notCompleted = QStringLiteral("You have not completed Question");
        QTest::newRow("title empty, everything else empty too")
            << std::function<void(Wizard&)>([](Wizard& w) {
                   for (const auto& [i, box] : w.Text2)
                       box->clear();
                   w.Text1->clear();
               })
            << QStringLiteral("You have not chosen a title for your worksheet");
        QTest::newRow("question 1 text empty")
            << std::function<void(Wizard&)>([](Wizard& w) { w.Text2(0)->clear(); }) << notCompleted + " 1";
        QTest::newRow("question 3 answer B empty, A ticked")
            << std::function<void(Wizard&)>([](Wizard& w) {
                   w.Text3(9)->clear();
                   w.Check1(8)->setChecked(true);
                   w.Check1(10)->setChecked(false);
               })
            << notCompleted + " 3";
        QTest::newRow("question 4 with B and D ticked")
            << std::function<void(Wizard&)>([](Wizard& w) {
                   for (int a = 0; a < 4; ++a)
                       w.Check1(12 + a)->setChecked(a == 1 || a == 3);
               })
            << QStringLiteral("You have ticked more than one correct answer for Question 4");
        QTest::newRow("question 5 not ticked")
            << std::function<void(Wizard&)>([](Wizard& w) {
                   for (int a = 0; a < 4; ++a)
                       w.Check1(16 + a)->setChecked(false);
               })
            << QStringLiteral("You have not ticked the correct answer for Question 5");
        QTest::newRow("question 10 answer D empty, question 9 also untidy")
            << std::function<void(Wizard&)>([](Wizard& w) {
                   w.Text3(39)->clear();
                   w.Text2(9)->setText(QStringLiteral("Ten"));
               })
            << notCompleted + " 10";
        QTest::newRow("earlier question reported before a later one")
            << std::function<void(Wizard&)>([](Wizard& w) {
                   w.Text3(27)->clear(); // question 7
                   for (int a = 0; a < 4; ++a)
                       w.Check1(24 + a)->setChecked(true); // question 7 too
                   w.Check1(4)->setChecked(true);         // question 2 now has two ticks
               })
            << QStringLiteral("You have ticked more than one correct answer for Question 2");
    }

    void checksStopAtTheFirstGap()
    {
        QFETCH(std::function<void(Wizard&)>, spoil);
        QFETCH(QString, message);
        Wizard& wizard = openWizard();
        typeSample(wizard, test::sampleWorksheet());
        spoil(wizard);
        clickSave(wizard);
        QCOMPARE(m_test->dialogs().messages, QStringList{message});
        QVERIFY(!QFile::exists(path(QStringLiteral("multiple/Rivers and Seas.txt"))));
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), test::catalogueFile(threeTitles));
        QCOMPARE(m_test->sound().played.size(), 1);
    }

    void onlySpacesCountAsFilled()
    {
        Wizard& wizard = openWizard();
        WorksheetText sample = test::sampleWorksheet();
        sample.questions[6].answers[1] = QStringLiteral("   ");
        typeSample(wizard, sample);
        clickSave(wizard);
        QCOMPARE(m_test->dialogs().messages, QStringList{saved});
    }

    void savingTwiceUnderOneTitleReplacesTheFileOnly()
    {
        Wizard& wizard = openWizard();
        WorksheetText sample = test::sampleWorksheet();
        typeSample(wizard, sample);
        clickSave(wizard);
        const QByteArray catalogue = readFile(QStringLiteral("multiple/track.txt"));

        sample.questions[4].text = QStringLiteral("A changed question");
        retype(wizard.Text2(4), sample.questions[4].text);
        clickTick(wizard.Check1(16 + sample.questions[4].correct - 1)); // untick
        clickTick(wizard.Check1(19));
        sample.questions[4].correct = 4;
        clickSave(wizard);

        QCOMPARE(m_test->dialogs().messages, (QStringList{saved, saved}));
        QCOMPARE(readFile(QStringLiteral("multiple/Rivers and Seas.txt")), test::worksheetFile(sample));
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), catalogue);
    }

    void changingTheTitleSavesASecondWorksheet()
    {
        Wizard& wizard = openWizard();
        WorksheetText sample = test::sampleWorksheet();
        typeSample(wizard, sample);
        clickSave(wizard);
        const QByteArray first = readFile(QStringLiteral("multiple/Rivers and Seas.txt"));

        retype(wizard.Text1, QStringLiteral("Rivers Two"));
        clickSave(wizard);
        sample.title = QStringLiteral("Rivers Two");

        QCOMPARE(m_test->dialogs().messages, (QStringList{saved, saved}));
        QCOMPARE(readFile(QStringLiteral("multiple/Rivers and Seas.txt")), first);
        QCOMPARE(readFile(QStringLiteral("multiple/Rivers Two.txt")), test::worksheetFile(sample));
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")),
                 test::catalogueFile(threeTitles + QStringList{QStringLiteral("Rivers and Seas"), sample.title}));
    }

    void aCommaInTheTitleStaysInTheFileName()
    {
        Wizard& wizard = openWizard();
        const WorksheetText sample = test::sampleWorksheet(QStringLiteral("Hills, Vales"));
        typeSample(wizard, sample);
        clickSave(wizard);

        QCOMPARE(m_test->dialogs().messages, QStringList{saved});
        const QByteArray file = readFile(QStringLiteral("multiple/Hills, Vales.txt"));
        QVERIFY(file.startsWith("Hills& Vales\r\n \r\n"));
        QCOMPARE(file, test::worksheetFile(sample));
        // The catalogue gives the title back whole, and the titles after it stay in step.
        CatalogueList list;
        readCatalogue(path(QStringLiteral("multiple/track.txt")), list);
        QCOMPARE(list.workcount, 4);
        QCOMPARE(list.worklist[4], sample.title);
        QCOMPARE(list.worklist[3], threeTitles[2]);
    }

    void refusedTitlesWriteNothing_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("slash") << QStringLiteral("Maps/Plans");
        QTest::newRow("backslash") << QStringLiteral("..\\Outside");
        QTest::newRow("question mark") << QStringLiteral("Why?");
        QTest::newRow("colon") << QStringLiteral("Part: one");
        QTest::newRow("leading space") << QStringLiteral(" Tides");
        QTest::newRow("trailing full stop") << QStringLiteral("Tides.");
        QTest::newRow("catalogue's own name") << QStringLiteral("TRACK");
        QTest::newRow("device name") << QStringLiteral("con");
    }

    void refusedTitlesWriteNothing()
    {
        QFETCH(QString, title);
        const QString reason = titleProblem(title);
        QVERIFY(!reason.isEmpty());
        const QStringList before = folderListing();

        Wizard& wizard = openWizard();
        typeSample(wizard, test::sampleWorksheet(title));
        clickSave(wizard);

        QCOMPARE(m_test->dialogs().messages, QStringList{reason});
        QCOMPARE(folderListing(), before);
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), test::catalogueFile(threeTitles));
    }

    void unsavableTextsAreNamedAndWriteNothing_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("answer"); // -1: the question itself
        QTest::addColumn<QString>("reason");
        QTest::newRow("question") << 2 << -1
                                  << QStringLiteral("Question 3 contains the character \u201C\u0141\u201D, which cannot be saved.");
        QTest::newRow("answer") << 3 << 2
                                << QStringLiteral("Answer C of Question 4 contains the character \u201C\u0141\u201D, which cannot be saved.");
    }

    // A letter outside the file's code page is the teacher's to change: the message says where.
    void unsavableTextsAreNamedAndWriteNothing()
    {
        QFETCH(int, question);
        QFETCH(int, answer);
        QFETCH(QString, reason);
        WorksheetText sample = test::sampleWorksheet();
        QString& text = answer < 0 ? sample.questions[question].text : sample.questions[question].answers[answer];
        text = QStringLiteral("\u0141\u00F3d\u017A");
        const QStringList before = folderListing();

        Wizard& wizard = openWizard();
        typeSample(wizard, sample);
        clickSave(wizard);

        QCOMPARE(m_test->dialogs().messages, QStringList{reason});
        QCOMPARE(folderListing(), before);
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), test::catalogueFile(threeTitles));
    }

    void aMissingCatalogueIsAProblemAfterTheFileIsWritten()
    {
        m_test->removeContent(QStringLiteral("multiple/track.txt"));
        Wizard& wizard = openWizard();
        const WorksheetText sample = test::sampleWorksheet();
        typeSample(wizard, sample);
        clickSave(wizard);
        QCOMPARE(m_test->dialogs().messages, QStringList{problem});
        QCOMPARE(readFile(QStringLiteral("multiple/Rivers and Seas.txt")), test::worksheetFile(sample));
        QVERIFY(!QFile::exists(path(QStringLiteral("multiple/track.txt"))));
        QCOMPARE(wizard.Text1->text(), sample.title);
    }

    void aFullCatalogueIsAProblem()
    {
        m_test->writeContent(QStringLiteral("multiple/track.txt"), test::catalogueFile(test::numberedTitles(1000)));
        const QByteArray full = readFile(QStringLiteral("multiple/track.txt"));
        Wizard& wizard = openWizard();
        typeSample(wizard, test::sampleWorksheet());
        clickSave(wizard);
        QCOMPARE(m_test->dialogs().messages, QStringList{problem});
        QCOMPARE(readFile(QStringLiteral("multiple/track.txt")), full);
    }

    void aMissingFolderIsAProblem()
    {
        QDir(path(QStringLiteral("multiple"))).removeRecursively();
        Wizard& wizard = openWizard();
        typeSample(wizard, test::sampleWorksheet());
        clickSave(wizard);
        QCOMPARE(m_test->dialogs().messages, QStringList{problem});
        QVERIFY(!QFile::exists(path(QStringLiteral("multiple"))));
    }

    void enterMovesTheFocusOn_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("title") << "Text1" << "Text2(0)";
        QTest::newRow("question 4") << "Text2(3)" << "Text3(12)";
        QTest::newRow("answer A") << "Text3(0)" << "Text3(1)";
        QTest::newRow("answer C of question 6") << "Text3(22)" << "Text3(23)";
        QTest::newRow("answer D of question 1") << "Text3(3)" << "Text2(1)";
        QTest::newRow("answer D of question 5") << "Text3(19)" << "Text2(5)";
        QTest::newRow("last answer") << "Text3(39)" << "Text3(39)";
    }

    void enterMovesTheFocusOn()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        Wizard& wizard = openWizard();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        QLineEdit* start = box(wizard, from);
        start->setFocus();
        QTRY_VERIFY(start->hasFocus());
        QTest::keyClicks(start, QStringLiteral("ab"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box(wizard, to)));
        QCOMPARE(start->text(), QStringLiteral("ab"));
        // The numeric keypad's Enter does the same.
        if (from != to) {
            start->setFocus();
            QTRY_VERIFY(start->hasFocus());
            QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box(wizard, to)));
        }
    }

    void tabRunsThroughEachQuestionThenItsAnswers()
    {
        Wizard& wizard = openWizard();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        QList<QWidget*> expected{wizard.Text1};
        for (int q = 0; q < 10; ++q) {
            expected.append(wizard.Text2(q));
            for (int a = 0; a < 4; ++a)
                expected.append(wizard.Text3(4 * q + a));
        }
        for (int j = 0; j < 40; ++j)
            expected.append(wizard.Check1(j));
        wizard.Text1->setFocus();
        QTRY_VERIFY(wizard.Text1->hasFocus());
        for (int step = 1; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() == expected[step], qPrintable(QString::number(step)));
        }
    }

    void boxesHoldOnlyWhatFits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit");
        QTest::newRow("title") << "Text1" << 25;
        QTest::newRow("question") << "Text2(7)" << 60;
        QTest::newRow("answer") << "Text3(30)" << 30;
    }

    void boxesHoldOnlyWhatFits()
    {
        QFETCH(QString, name);
        QFETCH(int, limit);
        Wizard& wizard = openWizard();
        QLineEdit* target = box(wizard, name);
        const QString typed = QStringLiteral("abcdefghij").repeated(8);
        QTest::keyClicks(target, typed);
        QCOMPARE(target->text(), typed.left(limit));
    }

    void exitUnloadsThenClicks_data()
    {
        QTest::addColumn<int>("soundon");
        QTest::addColumn<QStringList>("played");
        QTest::newRow("sound on") << 1 << QStringList{QStringLiteral("wav\\click.wav")};
        QTest::newRow("sound off") << 0 << QStringList{};
    }

    void exitUnloadsThenClicks()
    {
        QFETCH(int, soundon);
        QFETCH(QStringList, played);
        m_test->state().soundon = soundon;
        Wizard& wizard = openWizard();
        QTest::keyClicks(wizard.Text1, QStringLiteral("Unsaved"));
        QTest::mouseClick(wizard.Label3(0), Qt::LeftButton);
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("wizard")));
        QCOMPARE(m_test->sound().played, played);
        TestProgram::flushDeletes();
        // Opened again, it starts empty.
        QCOMPARE(openWizard().Text1->text(), QString());
    }

    void buttonsLightUpUnderThePointer()
    {
        Wizard& wizard = openWizard();
        QVERIFY(wizard.Label3(0)->isOpaque());
        QTest::mouseMove(&wizard, QPoint(400, 560));
        QTRY_VERIFY(!wizard.Label3(0)->isOpaque());
        QVERIFY(!wizard.Label3(1)->isOpaque());
        QTest::mouseMove(wizard.Label3(1), wizard.Label3(1)->rect().center());
        QTRY_VERIFY(wizard.Label3(1)->isOpaque());
        QVERIFY(!wizard.Label3(0)->isOpaque());
    }

    void layoutFollowsTheDesign()
    {
        Wizard& wizard = openWizard();
        QCOMPARE(wizard.size(), QSize(800, 600));
        QCOMPARE(wizard.caption(), QStringLiteral("Brellinshore"));
        // Question 7 stands second in the right column; its answer D lower right.
        QCOMPARE(wizard.Text2(6)->geometry(), QRect(408, 152, 377, 25));
        QCOMPARE(wizard.Text3(27)->pos(), QPoint((6120 + 3360) / 15, (2040 + 960) / 15));
        QCOMPARE(wizard.Check1(24)->pos(), QPoint((6120 + 240) / 15, (2040 + 630) / 15));
        const QImage tick = wizard.Check1(5)->grab().toImage();
        QCOMPARE(tick.pixelColor(tick.width() - 1, tick.height() - 1), QColor(39, 63, 137));
        QCOMPARE(wizard.Label1(11)->text(), QStringLiteral("Question 10"));
    }

private:
    Wizard& openWizard()
    {
        m_test->screens().show(QStringLiteral("wizard"));
        auto& wizard = m_test->screens().get<Wizard>(QStringLiteral("wizard"));
        if (!QTest::qWaitForWindowExposed(&wizard))
            qWarning("wizard not exposed");
        return wizard;
    }

    void clickSave(Wizard& wizard) { QTest::mouseClick(wizard.Label3(1), Qt::LeftButton); }

    static QLineEdit* box(Wizard& wizard, const QString& name)
    {
        if (name == QLatin1String("Text1"))
            return wizard.Text1;
        const int index = name.section(u'(', 1).chopped(1).toInt();
        return name.startsWith(QLatin1String("Text2")) ? wizard.Text2(index) : wizard.Text3(index);
    }

    QString path(const QString& contentPath) const { return m_test->contentRoot() + u'/' + contentPath; }

    QByteArray readFile(const QString& contentPath) const
    {
        QFile file(path(contentPath));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll();
    }

    QStringList folderListing() const
    {
        return QDir(m_test->contentRoot()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) +
               QDir(path(QStringLiteral("multiple"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
