// The topic pack: the button on the teacher's notes, its dialog, printing and saving as PDF,
// and what the sheets carry (read back from real PDF files with poppler's tools).
#include "base/Names.h"
#include "platform/Dialogs.h"
#include "platform/PdfText.h"
#include "support/ShippedTopics.h"
#include "support/TestProgram.h"
#include "topics/DrawingPages.h"
#include "topics/NotesViewer.h"
#include "topics/TopicPack.h"
#include "topics/ViewerOpeners.h"
#include "ui/LabelButton.h"
#include "ui/Language.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMap>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <numeric>

using namespace bs;

namespace {

const QStringList allPieces{"Teacher's notes", "Key facts",      "Worksheet",
                            "Labelling sheet", "Ordering sheet", "Answer key"};

PackChoice choice(PackChoice::Action action, const QList<bool>& pieces = QList<bool>(6, true), int copies = 1)
{
    return PackChoice{action, pieces, copies};
}

int pageCount(const QList<PrintOp>& ops)
{
    return ops.isEmpty() ? 0 : ops.last().page + 1;
}

} // namespace

class TestTopicPack : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    const Topic& topic(const QString& form) { return *m_test->program().topicLibrary().topicNamed(form); }
    NotesViewer& openNotesOf(const QString& form)
    {
        [&] { QVERIFY(m_test->copyTopicContent(topic(form))); }();
        openTeachersNotes(m_test->program(), topic(form).notesKey);
        auto& viewer = m_test->screens().get<NotesViewer>(screenName::notes);
        (void)QTest::qWaitForWindowExposed(&viewer);
        return viewer;
    }

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        m_test.reset();
        setLanguage(Language::English);
    }

    // The button sits in the notes' empty bottom row, over nothing specified, and only there;
    // Tab reaches it and Enter opens the dialog; Cancel prints nothing.
    void buttonOnTheTeachersNotesOnly()
    {
        NotesViewer& viewer = openNotesOf("scilly2");
        LabelButton* pack = viewer.Label3(4);
        QVERIFY(pack->isVisible() && viewer.rect().contains(pack->geometry()));
        QCOMPARE(pack->caption() + '|' + pack->accessibleName(), QStringLiteral("Print Topic Pack|Print Topic Pack"));
        for (QWidget* other : {static_cast<QWidget*>(viewer.Image1), static_cast<QWidget*>(viewer.Label3(0)), static_cast<QWidget*>(viewer.Label3(1))})
            QVERIFY(!pack->geometry().intersects(other->geometry()));
        for (int tab = 0; tab < 6 && QApplication::focusWidget() != pack; ++tab)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &viewer, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), pack);
        QTest::keyClick(pack, Qt::Key_Return);
        QCOMPARE(m_test->dialogs().packTitles, QStringList{"Isles of Scilly: Physical Geography"});
        QCOMPARE(m_test->dialogs().packPieces, allPieces);
        QCOMPARE(m_test->printer().jobsStarted, 0);
        QVERIFY(m_test->dialogs().messages.isEmpty());

        clickButton(viewer.Label3(1));
        TestProgram::flushDeletes();
        openKeyFacts(m_test->program(), topic("scilly2").keyFactsKey);
        QVERIFY(!m_test->screens().get<NotesViewer>(screenName::notes).Label3(4)->isVisible());
        m_test->screens().unload(screenName::notes);
        TestProgram::flushDeletes();
        openGuide(m_test->program());
        QVERIFY(!m_test->screens().get<NotesViewer>(screenName::guide).Label3.contains(4));
    }

    // The real dialog: every piece ticked at first; the teacher's changes come back.
    void realDialogReturnsTheChoice()
    {
        QtDialogs dialogs;
        QList<QCheckBox*> ticks;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            ticks = dialog->findChildren<QCheckBox*>();
            for (QCheckBox* tick : ticks)
                QVERIFY(tick->isChecked() && tick->focusPolicy() & Qt::TabFocus);
            ticks[1]->setChecked(false);
            dialog->findChild<QSpinBox*>()->setValue(3);
            const auto buttons = dialog->findChildren<QPushButton*>();
            const auto save = std::find_if(buttons.begin(), buttons.end(),
                                           [](QPushButton* b) { return b->accessibleName() == "Save as PDF"; });
            QVERIFY(save != buttons.end());
            (*save)->click();
        });
        const PackChoice chosen = dialogs.choosePack("Isles of Scilly: History", allPieces);
        QCOMPARE(ticks.size(), 6);
        QCOMPARE(chosen.action, PackChoice::SaveAsPdf);
        QCOMPARE(chosen.pieces, (QList<bool>{true, false, true, true, true, true}));
        QCOMPARE(chosen.copies, 3);
    }

    // Pieces in their order, each on new pages, pupil sheets repeated, one job.
    void printsTheChosenPieces_data()
    {
        QTest::addColumn<QList<bool>>("pieces");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("pages");
        QTest::newRow("all") << QList<bool>(6, true) << 1 << 9;
        QTest::newRow("all, 3 copies") << QList<bool>(6, true) << 3 << 15;
        QTest::newRow("key facts") << QList<bool>{false, true, false, false, false, false} << 5 << 2;
        QTest::newRow("answer key") << QList<bool>{false, false, false, false, false, true} << 1 << 3;
        QTest::newRow("sheets, 2 copies") << QList<bool>{false, false, true, true, true, false} << 2 << 6;
    }
    void printsTheChosenPieces()
    {
        QFETCH(QList<bool>, pieces);
        QFETCH(int, copies);
        QFETCH(int, pages);
        NotesViewer& viewer = openNotesOf("scilly1");
        m_test->dialogs().setNextPackChoice(choice(PackChoice::Print, pieces, copies));
        clickButton(viewer.Label3(4));
        QCOMPARE(m_test->dialogs().messages, QStringList{PackPrintingMessage});
        QCOMPARE(m_test->printer().jobsEnded, 1);
        QCOMPARE(pageCount(m_test->printer().ops), pages);
        QVERIFY(m_test->dialogs().suggestedFiles.isEmpty());
    }

    // With no printer, printing says so and saving as PDF still works, any part of it.
    void noPrinterStillSavesPdf()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("key facts.pdf");
        m_test->printer().noPrinter = true;
        NotesViewer& viewer = openNotesOf("stlucia3");
        m_test->dialogs().setNextPackChoice(choice(PackChoice::Print));
        clickButton(viewer.Label3(4));
        QCOMPARE(m_test->dialogs().messages, QStringList{PrintProblemMessage});

        m_test->dialogs().setNextPackChoice(choice(PackChoice::SaveAsPdf, {false, true, false, false, false, false}));
        m_test->dialogs().setNextFileName(pdf);
        clickButton(viewer.Label3(4));
        QCOMPARE(m_test->dialogs().messages.last(), PackSavedMessage);
        QVERIFY(m_test->dialogs().suggestedFiles.last().endsWith("/St Lucia - Human Geography - topic pack.pdf"));
        QCOMPARE(m_test->printer().pdfFiles, QStringList{pdf});
        QVERIFY(QFile::exists(pdf));
        if (test::havePdfTools())
            QCOMPARE(test::pdfPages(pdf), 2);
        // Cancelling the save dialog writes nothing and says nothing.
        m_test->dialogs().setNextPackChoice(choice(PackChoice::SaveAsPdf));
        clickButton(viewer.Label3(4));
        QCOMPARE(m_test->printer().pdfFiles.size(), 1);
        QCOMPARE(m_test->dialogs().messages.size(), 2);
    }

    // A folder that cannot be written, or a worksheet cut short, stops the pack with its
    // message; an earlier file of the chosen name stays as it was, nothing else is left behind.
    void failedSaveLeavesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such folder") << "no such folder/pack.pdf" << PackSaveProblemMessage;
        QTest::newRow("worksheet cut short") << "pack.pdf" << "This worksheet seems to be corrupted.";
    }
    void failedSaveLeavesNothing()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(test::writeBytes(dir.filePath("pack.pdf"), "earlier"));
        NotesViewer& viewer = openNotesOf("scilly3");
        if (file == u"pack.pdf")
            m_test->writeContent(topic("scilly3").worksheet, "Only one line\r\n");
        m_test->dialogs().setNextPackChoice(choice(PackChoice::SaveAsPdf));
        m_test->dialogs().setNextFileName(dir.filePath(file));
        clickButton(viewer.Label3(4));
        QCOMPARE(m_test->dialogs().messages, QStringList{message});
        QCOMPARE(test::entriesOf(dir.path()), QStringList{"pack.pdf"});
        QCOMPARE(test::readBytes(dir.filePath("pack.pdf")), QByteArray("earlier"));
    }

    // One topic of each kind of ordering sheet (timeline, descriptions, pictures), and one of
    // each place in Welsh, saved whole and read back: pages in order, headings, word banks, the
    // key, and no answer for pupils.
    void savedPackReadsBack_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("welsh");
        // The name and date line, the sheets' headings, the word bank, the key's mark and
        // headings, the file first offered and the message.
        QTest::addColumn<QStringList>("words");
        const QStringList english{"Name:", "Labelling sheet", "Ordering sheet", "Word bank",
                                  "ANSWER KEY: FOR THE TEACHER ONLY", "Answer key: worksheet",
                                  "Answer key: labelling sheet", "Answer key: ordering sheet"};
        QTest::newRow("timeline, Llandudno") << "llandudno1" << false << english + QStringList{"Llandudno - History - topic pack.pdf", PackSavedMessage};
        QTest::newRow("descriptions, St Lucia") << "stlucia3" << false << english + QStringList{"St Lucia - Human Geography - topic pack.pdf", PackSavedMessage};
        QTest::newRow("pictures, Isles of Scilly") << "scilly5" << false << english + QStringList{"Isles of Scilly - Living by the sea - topic pack.pdf", PackSavedMessage};
        const QStringList welsh{"Enw:", "Taflen labelu", "Taflen drefnu", "Banc geiriau",
                                "ATEBION: AR GYFER ATHRAWON YN UNIG", "Atebion: taflen waith",
                                "Atebion: taflen labelu", "Atebion: taflen drefnu"};
        QTest::newRow("Llandudno in Welsh") << "llandudno1" << true
                                            << welsh + QStringList{"Llandudno - Hanes - pecyn pwnc.pdf",
                                                                   "Mae eich pecyn pwnc wedi'i gadw."};
        QTest::newRow("Isles of Scilly in Welsh") << "scilly2" << true
                                                  << welsh + QStringList{"Ynysoedd Syllan - Daearyddiaeth Ffisegol - pecyn pwnc.pdf",
                                                                         "Mae eich pecyn pwnc wedi'i gadw."};
        QTest::newRow("St Lucia in Welsh") << "stlucia3" << true
                                           << welsh + QStringList{"St Lucia - Daearyddiaeth Ddynol - pecyn pwnc.pdf",
                                                                  "Mae eich pecyn pwnc wedi'i gadw."};
    }
    void savedPackReadsBack()
    {
        QFETCH(QString, form);
        QFETCH(bool, welsh);
        QFETCH(QStringList, words);
        if (!test::havePdfTools())
            QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
        setLanguage(welsh ? Language::Welsh : Language::English);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("pack.pdf");
        const Topic& page = topic(form);
        NotesViewer& viewer = openNotesOf(form);
        m_test->dialogs().setNextPackChoice(choice(PackChoice::SaveAsPdf));
        m_test->dialogs().setNextFileName(pdf);
        clickButton(viewer.Label3(4));
        QVERIFY(m_test->dialogs().suggestedFiles.value(0).endsWith(u'/' + words[8]));
        QCOMPARE(m_test->dialogs().messages, QStringList{words[9]});
        QCOMPARE(test::pdfPages(pdf), 9);

        const QuestionBank bank = test::loadedWorksheet(test::readBytes(m_test->program().content().resolve(page.worksheet)));
        const QString worksheet = test::pdfPageText(pdf, 4);
        QVERIFY(worksheet.contains(words[0]) && worksheet.contains(bank.worktitle));
        for (int n = 1; n <= 10; ++n)
            QVERIFY2(worksheet.contains(bank.question[n].simplified().left(20)), qPrintable(bank.question[n]));

        const QString key = test::pdfPageText(pdf, 7);
        QVERIFY(key.contains(words[4]) && key.contains(words[5]));
        for (int n = 1; n <= 10; ++n) {
            const QString* answers[] = {&bank.answera[n], &bank.answerb[n], &bank.answerc[n], &bank.answerd[n]};
            const int right = bank.correct[n].toInt();
            const QString line = QString(QChar(u'A' + right - 1)) + ". " + answers[right - 1]->simplified();
            QVERIFY2(key.contains(line), qPrintable(line));
        }

        const struct { int pupil; int answers; QString form; QString heading; QString keyHeading; } sheets[] = {
            {5, 8, page.labelling, words[1], words[6]}, {6, 9, page.ordering, words[2], words[7]}};
        for (const auto& sheet : sheets) {
            const QString pupil = test::pdfPageText(pdf, sheet.pupil);
            const QString filled = test::pdfPageText(pdf, sheet.answers);
            QVERIFY2(pupil.contains(page.title) && pupil.contains(sheet.heading) && pupil.contains(words[3]),
                     qPrintable(pupil));
            QVERIFY(filled.contains(sheet.keyHeading));
            for (const ActivityItem& item : m_test->program().topicLibrary().activityNamed(sheet.form)->items) {
                QVERIFY2(pupil.contains(item.text.simplified()), qPrintable(item.text));
                QVERIFY2(filled.contains(item.text.simplified()), qPrintable(item.text));
            }
        }
        for (int pupilPage = 1; pupilPage <= 6; ++pupilPage)
            QVERIFY(!test::pdfPageText(pdf, pupilPage).contains(words[4].left(7)));
    }

    // Every topic file's pack builds, and each Welsh variant's; the pupils' sheets show each
    // item once, on a card of the word bank and in no box; the key puts every item in the box
    // it belongs in: the filled boxes lie in the same order, across and down, as the items'
    // targets.
    void everyTopicBuildsItsPack()
    {
        Content content(QStringLiteral(BS_CONTENT_DIR));
        Pictures pictures(content);
        const std::vector<Topic> topics = test::everyTopicPage();
        const QDir welsh(QStringLiteral(BS_CONTENT_DIR "/topics/cy"));
        const int variants = int(welsh.entryList({QStringLiteral("*.json")}, QDir::Files).size());
        QCOMPARE(int(topics.size()), 15 + variants);
        for (const Topic& each : topics) {
            FakePrinter printer;
            auto job = printer.startJob();
            writeTopicPack(*job, each, content, pictures, packPieces(each), 1);
            job->endDoc();
            QVERIFY2(pageCount(printer.ops) == 9, qPrintable(each.formName));
            // Everything drawn in boxes lies on its page (the worksheet's lines run as they run).
            const QRectF page(QPointF(-1, -1), printer.pageTwips + QSizeF(2, 2));
            for (const PrintOp& op : printer.ops) {
                const QRectF drawn = op.kind == PrintOp::Picture ? op.clip : op.box; // a map shows its clip
                if (drawn.isValid())
                    QVERIFY2(page.contains(drawn), qPrintable(each.formName + ": " + op.text));
            }
            for (const QString& form : {each.labelling, each.ordering}) {
                const ActivityDefinition& definition =
                    *std::find_if(each.activities.begin(), each.activities.end(),
                                  [&](const ActivityDefinition& activity) { return activity.formName == form; });
                const int pupilPage = form == each.labelling ? 4 : 5;
                const int keyPage = pupilPage + 3;
                QList<QRectF> boxes; // the white target boxes of the pupil's sheet
                QStringList bank, answers; // the word bank's cards, and the items in the order the boxes are read
                QList<QRectF> cards;
                QMap<QString, QRectF> filled; // the key's cards
                for (const PrintOp& op : printer.ops) {
                    if (op.page == pupilPage && op.kind == PrintOp::Rectangle && op.fill == Qt::white)
                        boxes << op.box;
                    if (op.page == pupilPage && op.kind == PrintOp::TextBox) {
                        bank << op.text;
                        cards << op.box;
                    }
                    if (op.page == keyPage && op.kind == PrintOp::TextBox && !filled.contains(op.text))
                        filled.insert(op.text, op.box);
                }
                QCOMPARE(boxes.size(), int(definition.items.size()));
                // The word bank gives nothing away: not in the order the boxes are read.
                std::vector<int> byBox(definition.items.size());
                std::iota(byBox.begin(), byBox.end(), 0);
                std::sort(byBox.begin(), byBox.end(), [&](int a, int b) {
                    const QPoint p = definition.items[a].target, q = definition.items[b].target;
                    return std::abs(p.y() - q.y()) > definition.itemSize.height() / 2 ? p.y() < q.y() : p.x() < q.x();
                });
                for (int i : byBox)
                    answers << definition.items[i].text;
                QVERIFY2(!bank.join(u'|').contains(answers.join(u'|')), qPrintable(form));
                for (const ActivityItem& item : definition.items) {
                    const int at = bank.indexOf(item.text);
                    QVERIFY2(at >= 0 && bank.count(item.text) == 1 && filled.contains(item.text),
                             qPrintable(each.formName + ": " + item.text));
                    for (const QRectF& box : boxes)
                        QVERIFY2(!box.contains(cards[at].center()), qPrintable(item.text));
                }
                for (const ActivityItem& a : definition.items) {
                    for (const ActivityItem& b : definition.items) {
                        // Apart by more than a number's width: the same order on paper.
                        if (b.target.x() - a.target.x() > 300)
                            QVERIFY2(filled[a.text].center().x() < filled[b.text].center().x(), qPrintable(form));
                        if (b.target.y() - a.target.y() > 300)
                            QVERIFY2(filled[a.text].center().y() < filled[b.text].center().y(), qPrintable(form));
                    }
                }
            }
        }
    }
};

QTEST_MAIN(TestTopicPack)
#include "test_topicpack.moc"
