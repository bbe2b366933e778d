#include "app/Intro0.h"
#include "app/Titlefrm.h"
#include "support/TestProgram.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace bs;

namespace {

const QString click = QStringLiteral("wav\\click.wav");

// A stand-in for a screen written elsewhere (the wizard, the worksheet catalogue).
void registerStandIn(Screens& screens, const QString& name)
{
    screens.registerScreen(name,
                           [](Program& program, const QString& form) { return new Screen(program, form); });
}

} // namespace

class TestIntro0 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgram>(); }
    void cleanup() { m_test.reset(); }

    // Each entry opens its screen over the menu, which stays; the catalogue replaces it.
    void entriesOpenTheirScreens_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("opened");
        const int indexes[3][5] = {{15, 0, 1, 2, 3}, {4, 5, 6, 7, 8}, {9, 10, 11, 12, 13}};
        const char* const forms[] = {"llandudno", "scilly", "stlucia"};
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 5; ++row)
                QTest::addRow("%s%d", forms[column], row + 1)
                    << indexes[column][row] << menuTopics()[row]
                    << QString("%1%2").arg(forms[column]).arg(row + 1);
        }
        QTest::newRow("guide") << 20 << "Teachers' Guide"
                               << "guide";
        QTest::newRow("acknowledgments") << 19 << "Acknowledgments"
                                         << "teacher";
        QTest::newRow("wizard") << 17 << "Multiple Choice Wizard"
                                << "wizard";
        QTest::newRow("catalogue") << 18 << "Worksheet Catalogue"
                                   << "worksheets";
        QTest::newRow("exit") << 16 << "Exit"
                              << "Titlefrm";
    }
    void entriesOpenTheirScreens()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, opened);
        Screens& screens = m_test->screens();
        registerStandIn(screens, "wizard");
        registerStandIn(screens, "worksheets");
        Intro0* menu = showMenu();
        QCOMPARE(menu->Label2(index)->caption(), caption);
        QTest::mouseClick(menu->Label2(index), Qt::LeftButton);
        QVERIFY(screens.touch(opened).isVisible());
        QCOMPARE(screens.isLoaded("intro0"), opened != "worksheets");
        QCOMPARE(m_test->sound().played, QStringList{click});
        QVERIFY(m_test->dialogs().messages.isEmpty());
        TestProgram::flushDeletes();
    }

    // A topic whose file is missing or refused: its entry clicks and says so; the others open.
    void brokenTopicFileTellsThePupil_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not JSON") << QByteArray("{\"form\": \"scilly1\", ");
        QTest::newRow("cut short") << QByteArray("\x00\x01\x02", 3);
        QFile shipped(BS_CONTENT_DIR "/topics/scilly1.json");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QTest::newRow("title outside the form")
            << shipped.readAll().replace("[240, 0, 6000, 900]", "[240, 0, 16000, 900]");
    }
    void brokenTopicFileTellsThePupil()
    {
        QFETCH(QByteArray, file);
        m_test->removeContent("topics/scilly1.json");
        if (!file.isEmpty()) {
            m_test->writeContent("topics/scilly1.json", file);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Topic file refused: .*scilly1.json"));
        }
        Intro0* menu = showMenu();
        QTest::mouseClick(menu->Label2(4), Qt::LeftButton);
        QCOMPARE(m_test->dialogs().messages,
                 QStringList{
                     QStringLiteral(u"The topic \u201CIsles of Scilly: History\u201D could not be opened.")});
        QCOMPARE(m_test->screens().loadedNames(), QStringList{"intro0"});
        QCOMPARE(m_test->sound().played, QStringList{click});
        QTest::mouseClick(menu->Label2(5), Qt::LeftButton);
        QVERIFY(m_test->screens().isLoaded("scilly2"));
    }

    // Sound off holds while the menu stays loaded, even out to the leaving screen and back;
    // every fresh menu turns it on again.
    void soundSwitchAndAFreshMenu()
    {
        Screens& screens = m_test->screens();
        QPointer<Intro0> menu = showMenu();
        QVERIFY(menu->Option1->isChecked());
        QTest::mouseClick(menu->Option2, Qt::LeftButton);
        QCOMPARE(m_test->state().soundon, 0);
        QTest::mouseClick(menu->Label2(16), Qt::LeftButton);
        auto& title = screens.get<Titlefrm>("Titlefrm");
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        QTest::mouseClick(title.Command1, Qt::LeftButton);
        TestProgram::flushDeletes();
        QCOMPARE(&screens.get<Intro0>("intro0"), menu.data());
        QVERIFY(menu->Option2->isChecked() && menu->isVisible());
        QTest::mouseClick(menu->Option1, Qt::LeftButton);
        QCOMPARE(m_test->state().soundon, 1);
        QTest::mouseClick(menu->Option2, Qt::LeftButton);
        QVERIFY(m_test->sound().played.isEmpty());

        screens.unload("intro0");
        TestProgram::flushDeletes();
        menu = showMenu();
        QCOMPARE(m_test->state().soundon, 1);
        QVERIFY(menu->Option1->isChecked() && !menu->Option2->isChecked());
        QTest::mouseClick(menu->Label2(16), Qt::LeftButton);
        QCOMPARE(m_test->sound().played, QStringList{click});
        QTest::mouseClick(screens.get<Titlefrm>("Titlefrm").Command2,
                          Qt::LeftButton); // the leaving screen's Exit
        QCOMPARE(m_test->endProgramCalls(), 1);
    }

    void catalogueIsReadOneTickAfterLoading_data()
    {
        QTest::addColumn<QByteArray>("file");    // empty: no catalogue file
        QTest::addColumn<QStringList>("titles"); // worklist(1..workcount) afterwards, then the rest to 3
        QTest::newRow("three titles")
            << QByteArray(" 3\r\nCoasts\r\nRivers\r\nTowns\r\n") << QStringList{"Coasts", "Rivers", "Towns"};
        QTest::newRow("count 0 reads no titles") << QByteArray(" 0\r\nCoasts\r\n") << QStringList{};
        QTest::newRow("more titles than announced")
            << QByteArray(" 2\r\nCoasts\r\nRivers\r\nTowns\r\n") << QStringList{"Coasts", "Rivers"};
        // The count follows the titles actually there, so no leftover title is ever listed.
        QTest::newRow("fewer titles than announced")
            << QByteArray(" 3\r\nCoasts\r\n") << QStringList{"Coasts"};
        QTest::newRow("no catalogue file") << QByteArray() << QStringList{"old 1", "old 2"};
    }
    void catalogueIsReadOneTickAfterLoading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, titles);
        if (!file.isEmpty())
            m_test->writeContent("multiple/track.txt", file);
        ProgramState& state = m_test->state();
        state.workcount = 2;
        for (int i = 1; i <= 3; ++i)
            state.worklist[i] = QString("old %1").arg(i);
        auto& menu = m_test->screens().get<Intro0>("intro0");
        QCOMPARE(state.workcount, 2); // not before the tick
        QTRY_VERIFY(!menu.Timer1->isActive());
        QCOMPARE(state.workcount, titles.size());
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(state.worklist[i], i <= titles.size() ? titles[i - 1] : QString("old %1").arg(i));
    }

    // A click before the tick finds the catalogue read, and the tick does not come again.
    void clickWhileTheReadIsPending()
    {
        m_test->writeContent("multiple/track.txt", " 1\r\nCoasts\r\n");
        registerStandIn(m_test->screens(), "worksheets");
        auto& menu = m_test->screens().get<Intro0>("intro0");
        menu.Label2_Click(18);
        QVERIFY(!menu.Timer1->isActive());
        QCOMPARE(m_test->state().worklist[1], QStringLiteral("Coasts"));
        TestProgram::flushDeletes();
    }

private:
    Intro0* showMenu()
    {
        m_test->screens().show("intro0");
        auto* menu = &m_test->screens().get<Intro0>("intro0");
        if (!QTest::qWaitForWindowExposed(menu))
            qWarning("menu not exposed");
        return menu;
    }

    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestIntro0)
#include "test_intro0.moc"
