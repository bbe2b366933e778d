// The program in Welsh: choosing the language (the desktop's locale, a machine's setting file,
// the main menu's pair of buttons), the menu, results and certificate in Welsh, a worksheet
// with ŵ in its title saved by the wizard and opened from the catalogue, Llandudno's and the
// Isles of Scilly's topics in their own Welsh, Qt's own buttons, and every Welsh caption of those
// screens fitting its control.
#include "activities/ActivityScreen.h"
#include "app/Intro0.h"
#include "authoring/Wizard.h"
#include "authoring/Worksheets.h"
#include "base/Names.h"
#include "graphics/PhotoImport.h"
#include "quiz/Multiple.h"
#include "quiz/QuizOpeners.h"
#include "quiz/Welldone.h"
#include "support/TestProgram.h"
#include "topicdata/OwnTopic.h"
#include "topicdata/TopicFile.h"
#include "topicshare/TopicArchive.h"
#include "topics/TopicPage.h"
#include "ui/Controls.h"
#include "ui/Language.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "worksheetdata/DataError.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

using namespace bs;

namespace {

const QString welshTitle = QStringLiteral("Dw\u0177r a'r M\u00F4r \u0175");
const QByteArray mark("\xEF\xBB\xBF");
QString shotName = QStringLiteral("-cy.png"); // the screenshots' ending

// Every caption of a screen that is shown whole: a single line within its control's width,
// wrapped text within its height. With BS_SCREENSHOTS set to a folder, the screen is also
// saved there as a picture to look at.
QStringList cutOff(QWidget& screen)
{
    if (const QString folder = qEnvironmentVariable("BS_SCREENSHOTS"); !folder.isEmpty())
        screen.grab().save(folder + u'/' + screen.objectName() + shotName);
    QStringList problems;
    const auto wrapped = [](const QFont& font, int width, const QString& text) {
        return QFontMetrics(font).boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text);
    };
    for (QWidget* control : screen.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* labelButton = qobject_cast<LabelButton*>(control);
        auto* button = qobject_cast<QAbstractButton*>(control);
        const QString text = label ? label->text() : labelButton ? labelButton->caption() : button ? button->text() : QString();
        if (text.isEmpty() || !control->isVisibleTo(&screen))
            continue;
        int needed = 0, room = control->width(), margin = 2; // a label's text may use its margin
        if (labelButton) { // drawn word-wrapped inside its border: every line within the width and the height
            const QRect used = wrapped(labelButton->drawnFont(), room - 4, text);
            needed = used.width() > room - 4 ? room + 1 : used.height();
            room = used.width() > room - 4 ? room : control->height() - 2;
            margin = 0;
        } else if (button) {
            needed = button->sizeHint().width();
        } else if (label->wordWrap()) {
            needed = wrapped(label->font(), room, text).height();
            room = control->height();
        } else {
            needed = QFontMetrics(label->font()).horizontalAdvance(text);
        }
        if (needed > room + margin)
            problems << QStringLiteral("%1 \u201C%2\u201D needs %3, has %4").arg(control->objectName(), text).arg(needed).arg(room);
    }
    return problems;
}

} // namespace

class TestCymraeg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlow Publishing Ltd"));
        QCoreApplication::setApplicationName(QStringLiteral("Brellinshore"));
    }
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->writeContent("multiple/track.txt", " 1\r\nCoasts\r\n");
    }
    void cleanup()
    {
        m_test.reset();
        setLanguage(Language::English);
    }

    // A Welsh desktop starts in Welsh, any other in English; a machine's setting file, where
    // it names a language, decides instead.
    void startLanguage_data()
    {
        QTest::addColumn<QString>("setting"); // the file's Language line; no file when null
        QTest::addColumn<int>("expected"); // a Language; the desktop's when -1
        QTest::newRow("no file") << QString() << -1;
        QTest::newRow("cy") << "cy" << int(Language::Welsh);
        QTest::newRow("EN, spaced") << " EN " << int(Language::English);
        QTest::newRow("unknown") << "fr" << -1;
    }
    void startLanguage()
    {
        QFETCH(QString, setting);
        QFETCH(int, expected);
        QCOMPARE(languageForLocale(QLocale(QStringLiteral("cy_GB"))), Language::Welsh);
        QCOMPARE(languageForLocale(QLocale(QStringLiteral("en_GB"))), Language::English);
        QCOMPARE(languageForLocale(QLocale(QStringLiteral("fr_FR"))), Language::English);
        QTemporaryDir machine;
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, machine.path());
        if (!setting.isNull()) {
            QSettings file(QSettings::IniFormat, QSettings::SystemScope, QCoreApplication::organizationName(),
                           QCoreApplication::applicationName());
            file.setValue(QStringLiteral("Language"), setting);
        }
        QCOMPARE(bs::startLanguage(), expected < 0 ? languageForLocale(QLocale::system()) : Language(expected));
    }

    // The pair of buttons under the sound switch: one Tab stop after it, the arrow keys choose,
    // the menu speaks the chosen language at once and the sound switch keeps its setting.
    void menuSwitchesLanguage()
    {
        Screens& screens = m_test->screens();
        screens.show(screenName::menu);
        auto& menu = screens.get<Intro0>(screenName::menu);
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QVERIFY(menu.Option3->isChecked() && !menu.Option4->isChecked());
        QCOMPARE(menu.Option3->text(), QStringLiteral("English"));
        QCOMPARE(menu.Option4->text(), QStringLiteral("Cymraeg"));
        QCOMPARE(menu.Option4->accessibleName(), QStringLiteral("Cymraeg"));
        QCOMPARE(menu.Label2(15)->caption(), QStringLiteral("History"));

        QTest::mouseClick(menu.Option2, Qt::LeftButton, {}, QPoint(6, menu.Option2->height() / 2));
        QCOMPARE(m_test->state().soundon, 0);
        screens.touch(screenName::wrongAnswers); // loaded, hidden, built in English
        menu.Option2->setFocus(Qt::TabFocusReason);
        QTest::keyClick(menu.Option2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(menu.Option3));
        QTest::keyClick(menu.Option3, Qt::Key_Down);
        QVERIFY(menu.Option4->isChecked());
        QCOMPARE(currentLanguage(), Language::Welsh);
        QVERIFY(menu.Option2->isChecked() && !menu.Option1->isChecked());
        QCOMPARE(m_test->state().soundon, 0);
        QVERIFY(!screens.isLoaded(screenName::wrongAnswers));

        const QStringList welsh{menu.Label2(15)->caption(), menu.Label2(0)->caption(), menu.Label2(1)->caption(),
                                menu.Label2(2)->caption(), menu.Label2(3)->caption(), menu.Label4(1)->text(),
                                menu.Label2(20)->caption(), menu.Label2(16)->caption(), menu.Option1->text()};
        QCOMPARE(welsh, (QStringList{"Hanes", "Daearyddiaeth Ffisegol", "Daearyddiaeth Ddynol", "Economi",
                                     QStringLiteral("Byw ger y m\u00F4r"), "Ynysoedd Syllan", "Canllaw i Athrawon",
                                     "Gadael", "Sain Ymlaen"}));
        QCOMPARE(cutOff(menu).join(u'\n'), QString());
        // A topic that cannot be opened is named in Welsh.
        m_test->removeContent("topics/scilly3.json");
        QTest::mouseClick(menu.Label2(6), Qt::LeftButton);
        QCOMPARE(m_test->dialogs().messages.value(0),
                 QStringLiteral("Nid oedd modd agor y pwnc \u201CYnysoedd Syllan: Daearyddiaeth Ddynol\u201D."));

        QTest::mouseClick(menu.Option3, Qt::LeftButton, {}, QPoint(6, menu.Option3->height() / 2));
        QCOMPARE(currentLanguage(), Language::English);
        QCOMPARE(menu.Label2(0)->caption(), QStringLiteral("Physical Geography"));
        QCOMPARE(menu.Option2->text(), QStringLiteral("Sound Off"));
    }

    // The score sentence, the buttons and the certificate in Welsh; every caption whole.
    void resultsAndCertificate_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("button");
        QTest::newRow("full marks") << 10 << "Gwaith ardderchog. Cest ti 10 allan o 10." << "Argraffu Tystysgrif";
        QTest::newRow("nine") << 9 << "Gwaith da. Cest ti 9 allan o 10." << QStringLiteral("Gwirio'r Atebion Anghywir");
        QTest::newRow("three") << 3 << "Cest ti 3 allan o 10." << QStringLiteral("Gwirio'r Atebion Anghywir");
    }
    void resultsAndCertificate()
    {
        QFETCH(int, score);
        QFETCH(QString, sentence);
        QFETCH(QString, button);
        setLanguage(Language::Welsh);
        const QuizOutcome outcome{QStringLiteral("Brellinshore"), QString(), {}};
        openResults(m_test->program(), score, 10, &outcome);
        auto& results = m_test->screens().get<Welldone>(screenName::results);
        results.unloading(); // no celebration to wait for
        QCOMPARE(results.Label1->text(), sentence);
        QCOMPARE(results.Label3(0)->caption(), button);
        QCOMPARE(results.Label3(1)->caption(), QStringLiteral("Gadael"));
        QCOMPARE(cutOff(results).join(u'\n'), QString());
        if (score < 10)
            return;
        QTest::keyClicks(results.Text1, QStringLiteral("Gwen"));
        QTest::mouseClick(results.Label3(0), Qt::LeftButton);
        QStringList printed;
        for (const PrintOp& op : m_test->printer().ops) {
            if (op.kind == PrintOp::Text && !op.text.trimmed().isEmpty())
                printed << op.text.trimmed();
        }
        QVERIFY2(printed.contains(QStringLiteral("Gwaith Ardderchog")), qPrintable(printed.join(u'|')));
        QVERIFY(printed.contains(QStringLiteral("Cest ti 10 allan o 10.")));
        QVERIFY(printed.value(0).startsWith(QStringLiteral("Da Iawn      Da Iawn")));
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Mae dy dystysgrif yn cael ei hargraffu nawr.")});
        if (const QString folder = qEnvironmentVariable("BS_SCREENSHOTS"); !folder.isEmpty())
            m_test->printer().writePdf(folder + QStringLiteral("/certificate-cy.pdf"));
    }

    // A teacher types ŵ in the title and an answer: the worksheet and the catalogue are saved
    // as UTF-8 after a byte-order mark, and the catalogue opens the worksheet as a quiz.
    void wizardSavesWelshLetters()
    {
        setLanguage(Language::Welsh);
        Screens& screens = m_test->screens();
        screens.show(screenName::wizard);
        auto& wizard = screens.get<Wizard>(screenName::wizard);
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        QCOMPARE(wizard.Label3(1)->caption(), QStringLiteral("Cadw'r Daflen Waith"));
        QCOMPARE(cutOff(wizard).join(u'\n'), QString());
        typeText(wizard.Text1, welshTitle);
        for (int q = 0; q < 10; ++q) {
            typeText(wizard.Text2(q), QStringLiteral("Ble mae'r d\u0175r %1?").arg(q + 1));
            for (int a = 0; a < 4; ++a)
                typeText(wizard.Text3(4 * q + a), QStringLiteral("Ateb %1 \u0177").arg(a + 1));
            QTest::mouseClick(wizard.Check1(4 * q + q % 4), Qt::LeftButton, {}, QPoint(8, 8));
        }
        QTest::mouseClick(wizard.Label3(1), Qt::LeftButton);
        QCOMPARE(m_test->dialogs().messages, QStringList{QStringLiteral("Mae eich taflen waith wedi'i chadw.")});
        const QString folder = m_test->contentRoot() + QStringLiteral("/multiple/");
        QVERIFY(test::readBytes(folder + welshTitle + QStringLiteral(".txt")).startsWith(mark + welshTitle.toUtf8() + "\r\n"));
        QCOMPARE(test::readBytes(folder + QStringLiteral("track.txt")), mark + " 2\r\nCoasts\r\n" + welshTitle.toUtf8() + "\r\n");
        QTest::mouseClick(wizard.Label3(0), Qt::LeftButton);

        screens.show(screenName::catalogue);
        auto& catalogue = screens.get<Worksheets>(screenName::catalogue);
        QVERIFY(QTest::qWaitForWindowExposed(&catalogue));
        QCOMPARE(catalogue.Label2(2)->caption(), welshTitle);
        QCOMPARE(cutOff(catalogue).join(u'\n'), QString());
        QTest::mouseClick(catalogue.Label2(2), Qt::LeftButton);
        auto& quiz = screens.get<Multiple>(screenName::quiz);
        QCOMPARE(m_test->state().worktitle, welshTitle);
        QCOMPARE(quiz.Label2->text(), QStringLiteral("Ble mae'r d\u0175r 1?"));
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Cwestiwn 1"));
        QCOMPARE(cutOff(quiz).join(u'\n'), QString());
    }

    // Llandudno's and the Isles of Scilly's topics in Welsh as a pupil meets them: Cymraeg
    // chosen on the main menu, a topic opened from it, its heading, buttons and both activities
    // in Welsh (the content sweep takes each Welsh topic's notes, quiz and activities to full
    // marks).
    void openedFromTheMenu_data()
    {
        QTest::addColumn<int>("entry"); // the menu's entry of the topic
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("title");
        QTest::newRow("Llandudno: Hanes") << 15 << "llandudno1" << "Llandudno: Hanes";
        QTest::newRow("Llandudno: Daearyddiaeth Ffisegol") << 0 << "llandudno2" << "Llandudno: Daearyddiaeth Ffisegol";
        QTest::newRow("Llandudno: Daearyddiaeth Ddynol") << 1 << "llandudno3" << "Llandudno: Daearyddiaeth Ddynol";
        QTest::newRow("Llandudno: Economi") << 2 << "llandudno4" << "Llandudno: Economi";
        QTest::newRow("Llandudno: Byw ger y m\u00F4r") << 3 << "llandudno5" << QStringLiteral("Llandudno: Byw ger y m\u00F4r");
        QTest::newRow("Ynysoedd Syllan: Hanes") << 4 << "scilly1" << "Ynysoedd Syllan: Hanes";
        QTest::newRow("Ynysoedd Syllan: Daearyddiaeth Ffisegol") << 5 << "scilly2" << "Ynysoedd Syllan: Daearyddiaeth Ffisegol";
        QTest::newRow("Ynysoedd Syllan: Daearyddiaeth Ddynol") << 6 << "scilly3" << "Ynysoedd Syllan: Daearyddiaeth Ddynol";
        QTest::newRow("Ynysoedd Syllan: Economi") << 7 << "scilly4" << "Ynysoedd Syllan: Economi";
        QTest::newRow("Ynysoedd Syllan: Byw ger y m\u00F4r") << 8 << "scilly5" << QStringLiteral("Ynysoedd Syllan: Byw ger y m\u00F4r");
        QTest::newRow("St Lucia: Hanes") << 9 << "stlucia1" << "St Lucia: Hanes";
        QTest::newRow("St Lucia: Daearyddiaeth Ffisegol") << 10 << "stlucia2" << "St Lucia: Daearyddiaeth Ffisegol";
        QTest::newRow("St Lucia: Daearyddiaeth Ddynol") << 11 << "stlucia3" << "St Lucia: Daearyddiaeth Ddynol";
        QTest::newRow("St Lucia: Economi") << 12 << "stlucia4" << "St Lucia: Economi";
        QTest::newRow("St Lucia: Byw ger y m\u00F4r") << 13 << "stlucia5" << QStringLiteral("St Lucia: Byw ger y m\u00F4r");
    }
    void openedFromTheMenu()
    {
        QFETCH(int, entry);
        QFETCH(QString, form);
        QFETCH(QString, title);
        TestProgram& test = *m_test;
        Screens& screens = test.screens();
        screens.show(screenName::menu);
        auto& menu = screens.get<Intro0>(screenName::menu);
        QTest::mouseClick(menu.Option4, Qt::LeftButton, {}, QPoint(6, menu.Option4->height() / 2));
        QCOMPARE(currentLanguage(), Language::Welsh);
        const Topic& topic = *test.program().topicLibrary().topicNamed(form);
        QVERIFY(test.copyTopicContent(topic));
        QVERIFY(topic.keyFactsKey.startsWith(u"cy ") && topic.notesKey.startsWith(u"cy "));

        QTest::mouseClick(menu.Label2(entry), Qt::LeftButton);
        auto& page = screens.get<TopicPage>(form);
        QCOMPARE(page.Label1->text(), title);
        QCOMPARE(page.Label3(4)->caption(), QStringLiteral("Prif Ffeithiau"));
        QCOMPARE(page.Label3(0)->caption(), QStringLiteral("Amlddewis")); // the education term
        QTest::mouseClick(page.Label3(5), Qt::LeftButton); // the teacher's notes, with the pack's button
        QCOMPARE(cutOff(screens.touch(screenName::notes)).join(u'\n'), QString());
        screens.unload(screenName::notes);
        for (const int button : {1, 3}) {
            const QString name = button == 1 ? topic.labelling : topic.ordering;
            const ActivityDefinition& definition = *test.program().topicLibrary().activityNamed(name);
            QTest::mouseClick(page.Label3(button), Qt::LeftButton);
            auto& activity = screens.get<ActivityScreen>(name);
            QCOMPARE(qobject_cast<QLabel*>(activity.control("Label6"))->text(), title);
            for (const auto& [i, item] : activity.Label2)
                QCOMPARE(item->text(), definition.items[std::size_t(i)].text);
            // What the screen reader says of an item picked up by keyboard and put in a box.
            QSignalSpy heard(&activity, &ActivityScreen::announced);
            activity.Label2(0)->setFocus();
            QTest::keyClick(activity.Label2(0), Qt::Key_Space);
            activity.placeAt(activity.Label1(0));
            QCOMPARE(heard.size(), 2);
            QVERIFY2(heard[0][0].toString().endsWith(u", wedi'i godi"), qPrintable(heard[0][0].toString()));
            QVERIFY2(heard[1][0].toString().contains(u", wedi'i osod y"), qPrintable(heard[1][0].toString()));
            QVERIFY(activity.Label4(0)->accessibleName().startsWith(u"Man cychwyn "));
            QTest::keyClick(&activity, Qt::Key_Escape); // its "Gadael"
            QVERIFY(!screens.loaded(name));
        }
        // Back in English, the same page is the English one (an island's name is the same in
        // both, so the ordering's instruction tells them apart).
        const auto instruction = [&test, &topic] {
            for (const LabelSpec& label : test.program().topicLibrary().activityNamed(topic.ordering)->labels)
                if (label.name == QLatin1String("Label8"))
                    return label.caption;
            return QString();
        };
        const QString welshInstruction = instruction();
        setLanguage(Language::English);
        QVERIFY(!welshInstruction.isEmpty() && instruction() != welshInstruction);
        QVERIFY(test.program().topicLibrary().topicNamed(form)->title != title);
        QCOMPARE(test.program().topicLibrary().topicNamed(form)->keyFactsKey, "key " + form);
    }

    // A topic without a Welsh variant keeps its English under the Welsh buttons.
    void topicWithoutWelsh()
    {
        TestProgram& test = *m_test;
        Screens& screens = test.screens();
        test.removeContent(QStringLiteral("topics/cy/scilly1.json"));
        screens.show(screenName::menu);
        auto& menu = screens.get<Intro0>(screenName::menu);
        QTest::mouseClick(menu.Option4, Qt::LeftButton, {}, QPoint(6, menu.Option4->height() / 2));
        QCOMPARE(currentLanguage(), Language::Welsh);
        screens.show(QStringLiteral("scilly1"));
        QCOMPARE(screens.get<TopicPage>(QStringLiteral("scilly1")).Label1->text(), QStringLiteral("Isles of Scilly: History"));
        QCOMPARE(screens.get<TopicPage>(QStringLiteral("scilly1")).Label3(2)->caption(), QStringLiteral("Gadael"));
        // Escape is a screen's "Gadael", and the leaving screen's "Canslo".
        QTest::keyClick(screens.loaded(QStringLiteral("scilly1")), Qt::Key_Escape);
        QVERIFY(!screens.loaded(QStringLiteral("scilly1")));
        QTest::mouseClick(menu.Label2(16), Qt::LeftButton);
        QTest::keyClick(screens.loaded(screenName::title), Qt::Key_Escape);
        QVERIFY(!screens.loaded(screenName::title) && menu.isVisible());
    }

    // The screens not driven above, shown in Welsh (every place's topics in their own Welsh):
    // every caption whole.
    void otherScreensFit_data()
    {
        QTest::addColumn<QString>("form");
        for (const char* form : {"Titlefrm", "scilly1", "scilly1lab", "scilly1ord", "guide", "teacher", "Wrong",
                                 "llandudno1", "llandudno2", "llandudno3", "llandudno4", "llandudno5",
                                 "llandudno1lab", "llandudno1ord", "llandudno2lab", "llandudno2ord", "llandudno3lab",
                                 "llandudno3ord", "llandudno4lab", "llandudno4ord", "llandudno5lab", "llandudno5ord",
                                 "scilly2", "scilly3", "scilly4", "scilly5", "scilly2lab", "scilly2ord", "scilly3lab",
                                 "scilly3ord", "scilly4lab", "scilly4ord", "scilly5lab", "groupingord",
                                 "stlucia1", "stlucia2", "stlucia3", "stlucia4", "stlucia5", "stlucia1lab", "stlucia1ord",
                                 "stlucia2lab", "stlucia2ord", "stlucia3lab", "stlucia3ord", "stlucia4lab", "stlucia4ord",
                                 "stlucia5lab", "stlucia5ord", "classresults", "classlists"})
            QTest::newRow(form) << QString::fromLatin1(form);
        QTest::newRow("ourtopics") << QStringLiteral("ourtopics");
    }
    void otherScreensFit()
    {
        QFETCH(QString, form);
        setLanguage(Language::Welsh);
        Screens& screens = m_test->screens();
        if (!screens.isRegistered(form))
            QSKIP("no such screen in this content");
        screens.show(form);
        QCOMPARE(cutOff(screens.touch(form)).join(u'\n'), QString());
    }

    // Wine's Tahoma has no ŵ or ŷ: every Welsh letter is still drawn, from a font that has it,
    // in each of the program's faces.
    void welshLettersDrawn()
    {
        for (const QString family : {"Tahoma", "Times New Roman", "Arial"}) {
            for (const bool bold : {false, true}) {
                QTextLayout layout(QStringLiteral("\u0175\u0177\u0174\u0176\u1E81\u1E83\u1E85\u1EF3\u00E2\u00EF"),
                                   uiFont(family, 12, bold));
                layout.beginLayout();
                layout.createLine();
                layout.endLayout();
                int drawn = 0;
                for (const QGlyphRun& run : layout.glyphRuns()) {
                    for (const quint32 glyph : run.glyphIndexes())
                        drawn += glyph != 0 ? 1 : 0; // glyph 0 is a font's "missing" box
                }
                QVERIFY2(drawn == 10, qPrintable(family));
            }
        }
    }

    // Without the program's Tahoma (a machine lacking Wine's fonts) the fallback font draws
    // the Welsh screens, still whole. Last: the program's fonts are not registered again.
    void fallbackFontFits_data() { otherScreensFit_data(); QTest::newRow("intro0") << "intro0"; }
    void fallbackFontFits()
    {
        QFETCH(QString, form);
        QFontDatabase::removeAllApplicationFonts();
        shotName = QStringLiteral("-cy-fallback.png");
        QVERIFY(QFontInfo(uiFont(QStringLiteral("Tahoma"), 12)).family() != u"Tahoma");
        setLanguage(Language::Welsh);
        Screens& screens = m_test->screens();
        screens.show(form);
        QCOMPARE(cutOff(screens.touch(form)).join(u'\n'), QString());
    }

    // Qt's own words in the program's message boxes and in the file dialog of "Save as PDF",
    // which Qt has no Welsh for.
    void toolkitButtons()
    {
        for (const auto& [language, captions] : {std::pair{Language::Welsh, "Iawn|Canslo|&Enw ffeil:|&Cadw"},
                                                 {Language::English, "OK|Cancel|File &name:|&Save"}}) {
            setLanguage(language);
            QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral("?"), QMessageBox::Ok | QMessageBox::Cancel);
            QFileDialog files;
            files.setOption(QFileDialog::DontUseNativeDialog);
            files.setAcceptMode(QFileDialog::AcceptSave);
            const auto* save = files.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
            QCOMPARE(box.button(QMessageBox::Ok)->text() + u'|' + box.button(QMessageBox::Cancel)->text() + u'|' +
                         files.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text() + u'|' + save->text(),
                     QLatin1String(captions));
        }
    }

    // What the lower layers tell a teacher, in Welsh: a photograph refused, a school's own
    // topic file refused, a shared topic's file that is no archive.
    void lowerLayersInWelsh_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("start");
        QTest::newRow("photograph") << 0 << QStringLiteral("Nid llun JPEG neu PNG yw'r ffeil hon.");
        QTest::newRow("own topic") << 1 << QStringLiteral("Coasts.json: maes format: ar goll");
        QTest::newRow("archive") << 2 << QStringLiteral("Nid yw'r ffeil hon yn bwnc y gall y rhaglen hon ei fewnforio: ");
    }
    void lowerLayersInWelsh()
    {
        QFETCH(int, which);
        QFETCH(QString, start);
        setLanguage(Language::Welsh);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("note.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
        file.close();
        QString message;
        try {
            if (which == 0)
                message = importPhoto(path, QSize(100, 100)).problem;
            else if (which == 1)
                readOwnTopicFile("{}", QStringLiteral("Coasts.json"));
            else
                readTopicArchive("not a zip archive");
        } catch (const TopicFileError& error) {
            message = error.message();
        } catch (const DataError& error) {
            message = QString::fromUtf8(error.what());
        }
        QVERIFY2(message.startsWith(start), qPrintable(message));
    }

private:
    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestCymraeg)
#include "test_cymraeg.moc"
