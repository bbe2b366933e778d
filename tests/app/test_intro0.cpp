#include "app/Intro0.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "app/Titlefrm.h"
#include "base/Twips.h"
#include "support/TestProgram.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QFile>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace bs;

namespace {

const QString click = QStringLiteral("wav\\click.wav");

QByteArray readProjectFile(const QString& contentPath)
{
    QFile file(QStringLiteral(BS_CONTENT_DIR "/") + contentPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A stand-in for a screen written elsewhere (the wizard, the worksheet catalogue).
void registerStandIn(Screens& screens, const QString& name)
{
    screens.registerScreen(
        name, [](Program& program, const QString& formName) { return new Screen(program, formName); });
}

} // namespace

class TestIntro0 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->writeContent(QStringLiteral("Images/brellinshoresm.jpg"),
                             test::imageBytes(QSize(320, 240), "JPEG"));
    }
    void cleanup() { m_test.reset(); }

    void entriesStandAtTheirPlaces_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<double>("points");
        QTest::addColumn<QColor>("back");
        const QColor black(0, 0, 0);
        const QColor navy(0, 0, 128);
        const char* const topics[] = {"History", "Physical Geography", "Human Geography", "Economy",
                                      "Living by the sea"};
        const int indexes[3][5] = {{15, 0, 1, 2, 3}, {4, 5, 6, 7, 8}, {9, 10, 11, 12, 13}};
        const int lefts[] = {120, 4440, 8760};
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 5; ++row) {
                const int index = indexes[column][row];
                QTest::addRow("entry %d", index)
                    << index << QString::fromUtf8(topics[row])
                    << QRect(lefts[column], 4920 + 600 * row, 3075, 375) << 12.0 << black;
            }
        }
        QTest::newRow("guide") << 20 << "Teachers' Guide" << QRect(120, 3480, 3075, 495) << 14.25 << navy;
        QTest::newRow("acknowledgments")
            << 19 << "Acknowledgments" << QRect(120, 7920, 2955, 495) << 14.25 << navy;
        QTest::newRow("wizard") << 17 << "Multiple Choice Wizard" << QRect(3120, 7920, 3795, 495) << 15.75
                                << navy;
        QTest::newRow("catalogue") << 18 << "Worksheet Catalogue" << QRect(6960, 7920, 3555, 495) << 15.75
                                   << navy;
        QTest::newRow("exit") << 16 << "Exit" << QRect(10560, 7920, 1245, 495) << 18.0 << black;
    }
    void entriesStandAtTheirPlaces()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(double, points);
        QFETCH(QColor, back);
        auto& menu = m_test->screens().get<Intro0>(QStringLiteral("intro0"));
        LabelButton* entry = menu.Label2(index);
        QVERIFY(entry);
        QCOMPARE(entry->caption(), caption);
        QCOMPARE(entry->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(entry->font().pointSizeF(), points);
        QCOMPARE(entry->font().family(), QStringLiteral("Tahoma"));
        QVERIFY(entry->font().bold());
        QCOMPARE(entry->backColor(), back);
        QCOMPARE(entry->foreColor(), QColor(255, 255, 0));
        QVERIFY(entry->isEnabled());
        QVERIFY(entry->isOpaque());
    }

    void menuIsLaidOutWithItsTitleAndSwitch()
    {
        auto& menu = m_test->screens().get<Intro0>(QStringLiteral("intro0"));
        QVERIFY(!menu.Label2.contains(14));
        QCOMPARE(menu.Label2.size(), std::size_t(20));
        QCOMPARE(menu.caption(), QStringLiteral("Brellinshore"));
        QCOMPARE(menu.size(), QSize(800, 600));
        QCOMPARE(menu.Label1->text(), QStringLiteral("Brellinshore"));
        QCOMPARE(menu.Label1->font().pointSizeF(), 32.25);
        QCOMPARE(menu.Image1->geometry(), twipsRect(3600, 840, 4800, 3600));
        QVERIFY(!menu.Image1->picture().isNull());
        QCOMPARE(menu.Option1->geometry(), twipsRect(10440, 120, 1455, 255));
        QCOMPARE(menu.Option2->geometry(), twipsRect(10440, 480, 1455, 255));
        QCOMPARE(menu.Option1->palette().color(QPalette::Window), QColor(39, 63, 137));
        QCOMPARE(menu.Label4(1)->text(), QStringLiteral("Isles of Scilly"));
        QCOMPARE(menu.Label4(2)->geometry(), twipsRect(8760, 4560, 3075, 420));
    }

    void missingTitlePictureStillShowsTheMenu()
    {
        m_test->removeContent(QStringLiteral("Images/brellinshoresm.jpg"));
        m_test->screens().show(QStringLiteral("intro0"));
        auto& menu = m_test->screens().get<Intro0>(QStringLiteral("intro0"));
        QVERIFY(menu.isVisible());
        QVERIFY(menu.Image1->picture().isNull());
    }

    // Sound off holds while the menu stays loaded; every fresh menu turns it on again.
    void soundSwitchAndAFreshMenu()
    {
        Screens& screens = m_test->screens();
        Intro0* menu = showMenu();
        QCOMPARE(m_test->state().soundon, 1);
        QVERIFY(menu->Option1->isChecked());

        QTest::mouseClick(menu->Option2, Qt::LeftButton);
        QCOMPARE(m_test->state().soundon, 0);
        QTest::mouseClick(menu->Label2(7), Qt::LeftButton);
        QVERIFY(m_test->sound().played.isEmpty());
        QTest::mouseClick(menu->Option1, Qt::LeftButton);
        QCOMPARE(m_test->state().soundon, 1);
        QTest::mouseClick(menu->Option2, Qt::LeftButton);

        screens.unload(QStringLiteral("intro0"));
        TestProgram::flushDeletes();
        menu = showMenu();
        QCOMPARE(m_test->state().soundon, 1);
        QVERIFY(menu->Option1->isChecked());
        QVERIFY(!menu->Option2->isChecked());
        QTest::mouseClick(menu->Label2(7), Qt::LeftButton);
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    void entriesOpenTheirScreens_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("opened");
        QTest::newRow("Isles of Scilly history") << 4 << "scilly1";
        QTest::newRow("Isles of Scilly physical geography") << 5 << "scilly2";
        QTest::newRow("Isles of Scilly human geography") << 6 << "scilly3";
        QTest::newRow("Isles of Scilly economy") << 7 << "scilly4";
        QTest::newRow("Isles of Scilly living by the sea") << 8 << "scilly5";
        QTest::newRow("teachers' guide") << 20 << "guide";
        QTest::newRow("acknowledgments") << 19 << "teacher";
        QTest::newRow("exit") << 16 << "Titlefrm";
        QTest::newRow("wizard") << 17 << "wizard";
    }
    void entriesOpenTheirScreens()
    {
        QFETCH(int, index);
        QFETCH(QString, opened);
        Screens& screens = m_test->screens();
        registerStandIn(screens, QStringLiteral("wizard"));
        Intro0* menu = showMenu();
        QTest::mouseClick(menu->Label2(index), Qt::LeftButton);
        QVERIFY(screens.isLoaded(opened));
        QVERIFY(screens.touch(opened).isVisible());
        QVERIFY(screens.isLoaded(QStringLiteral("intro0")));
        QVERIFY(menu->isVisible());
        QCOMPARE(m_test->sound().played, QStringList{click});
    }

    // A topic whose file is missing or refused: its entry clicks and says so; the menu and
    // the other topics carry on.
    void brokenTopicFileTellsThePupil_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not JSON") << QByteArray("{\"form\": \"scilly1\", ");
        QTest::newRow("cut short") << QByteArray("\x00\x01\x02", 3);
        QByteArray outside = readProjectFile(QStringLiteral("topics/scilly1.json"));
        outside.replace("\"titleBox\": [240, 0, 6000, 900]", "\"titleBox\": [240, 0, 16000, 900]");
        QTest::newRow("title outside the form") << outside;
    }
    void brokenTopicFileTellsThePupil()
    {
        QFETCH(QByteArray, file);
        m_test->removeContent(QStringLiteral("topics/scilly1.json"));
        if (!file.isEmpty())
            m_test->writeContent(QStringLiteral("topics/scilly1.json"), file);
        Screens& screens = m_test->screens();
        Intro0* menu = showMenu();
        if (!file.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Topic file refused: .*scilly1.json")));
        QTest::mouseClick(menu->Label2(4), Qt::LeftButton);
        QCOMPARE(m_test->dialogs().messages, QStringList{QString::fromUtf8("The topic \u201CIsles of Scilly: History\u201D could not be opened.")});
        QCOMPARE(screens.loadedNames(), QStringList{QStringLiteral("intro0")});
        QCOMPARE(m_test->sound().played, QStringList{click});
        QTest::mouseClick(menu->Label2(5), Qt::LeftButton);
        QVERIFY(screens.isLoaded(QStringLiteral("scilly2")));
    }

    void worksheetCatalogueUnloadsTheMenu()
    {
        Screens& screens = m_test->screens();
        registerStandIn(screens, QStringLiteral("worksheets"));
        Intro0* menu = showMenu();
        QTest::mouseClick(menu->Option2, Qt::LeftButton);
        QTest::mouseClick(menu->Label2(18), Qt::LeftButton);
        QVERIFY(screens.touch(QStringLiteral("worksheets")).isVisible());
        QVERIFY(!screens.isLoaded(QStringLiteral("intro0")));
        QVERIFY(m_test->sound().played.isEmpty());
        TestProgram::flushDeletes();
        // Coming back to the menu turns sound on again.
        screens.show(QStringLiteral("intro0"));
        QCOMPARE(m_test->state().soundon, 1);
    }

    // From the title screen to the menu, out to the leaving screen and back to the same menu.
    void leavingScreenAndBack()
    {
        Screens& screens = m_test->screens();
        screens.show(QStringLiteral("Titlefrm"));
        auto* title = &screens.get<Titlefrm>(QStringLiteral("Titlefrm"));
        QVERIFY(QTest::qWaitForWindowExposed(title));
        QCOMPARE(title->Command1->text(), QStringLiteral("OK"));
        QTest::mouseClick(title->Command1, Qt::LeftButton);
        QVERIFY(!screens.isLoaded(QStringLiteral("Titlefrm")));
        QPointer<Intro0> menu = &screens.get<Intro0>(QStringLiteral("intro0"));
        QVERIFY(menu->isVisible());
        QCOMPARE(m_test->sound().played, QStringList{click}); // the first OK already clicks
        TestProgram::flushDeletes();

        QVERIFY(QTest::qWaitForWindowExposed(menu.data()));
        QTest::mouseClick(menu->Option2, Qt::LeftButton);
        QTest::mouseClick(menu->Label2(16), Qt::LeftButton);
        title = &screens.get<Titlefrm>(QStringLiteral("Titlefrm"));
        QVERIFY(title->isVisible());
        QCOMPARE(title->Command1->text(), QStringLiteral("Cancel"));
        QVERIFY(menu->isVisible());

        QVERIFY(QTest::qWaitForWindowExposed(title));
        QTest::mouseClick(title->Command1, Qt::LeftButton);
        TestProgram::flushDeletes();
        QVERIFY(!screens.isLoaded(QStringLiteral("Titlefrm")));
        QCOMPARE(&screens.get<Intro0>(QStringLiteral("intro0")), menu.data());
        QCOMPARE(m_test->state().soundon, 0);
        QVERIFY(menu->Option2->isChecked());
        QCOMPARE(m_test->sound().played.size(), 1);
    }

    void exitClicksAfterShowingTheLeavingScreen()
    {
        Screens& screens = m_test->screens();
        Intro0* menu = showMenu();
        QTest::mouseClick(menu->Label2(16), Qt::LeftButton);
        QVERIFY(screens.isLoaded(QStringLiteral("Titlefrm")));
        QCOMPARE(m_test->sound().played, QStringList{click});
        // The leaving screen's "Exit" ends the run.
        QTest::mouseClick(screens.get<Titlefrm>(QStringLiteral("Titlefrm")).Command2, Qt::LeftButton);
        QCOMPARE(m_test->endProgramCalls(), 1);
    }

    void hoverHighlightsTheEntryUnderThePointer()
    {
        Intro0* menu = showMenu();
        for (const auto& [index, entry] : menu->Label2)
            QVERIFY(entry->isOpaque());
        QTest::mouseMove(menu, QPoint(5, 300)); // bare background, left of "Llandudno"
        QTRY_VERIFY(!menu->Label2(20)->isOpaque());
        for (const auto& [index, entry] : menu->Label2)
            QVERIFY2(!entry->isOpaque(), qPrintable(QString::number(index)));
        QTest::mouseMove(menu->Label2(6));
        QTRY_VERIFY(menu->Label2(6)->isOpaque());
        QVERIFY(!menu->Label2(5)->isOpaque());
        QTest::mouseMove(menu->Label2(16));
        QTRY_VERIFY(menu->Label2(16)->isOpaque());
        QVERIFY(menu->Label2(6)->isOpaque()); // stays until the pointer crosses the background
        QTest::mouseMove(menu, QPoint(5, 300));
        QTRY_VERIFY(!menu->Label2(6)->isOpaque());
        QVERIFY(!menu->Label2(16)->isOpaque());
    }

    void catalogueIsReadOneTickAfterLoading_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no catalogue file
        QTest::addColumn<int>("workcount");
        QTest::addColumn<QStringList>("titles"); // worklist(1..3) afterwards
        const QStringList old{QStringLiteral("old 1"), QStringLiteral("old 2"), QStringLiteral("old 3")};
        QTest::newRow("three titles") << QByteArray(" 3\r\nCoasts\r\nRivers\r\nTowns\r\n") << 3
                                      << QStringList{"Coasts", "Rivers", "Towns"};
        QTest::newRow("count 0 reads no titles") << QByteArray(" 0\r\nCoasts\r\n") << 0 << old;
        QTest::newRow("more titles than announced") << QByteArray(" 2\r\nCoasts\r\nRivers\r\nTowns\r\n") << 2
                                                    << QStringList{"Coasts", "Rivers", "old 3"};
        // The count follows the titles actually there, so no leftover title is ever listed.
        QTest::newRow("fewer titles than announced")
            << QByteArray(" 3\r\nCoasts\r\n") << 1 << QStringList{"Coasts", "old 2", "old 3"};
        QTest::newRow("no catalogue file") << QByteArray() << 2 << old;
    }
    void catalogueIsReadOneTickAfterLoading()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, workcount);
        QFETCH(QStringList, titles);
        if (!test::catalogueReaderWorks())
            QSKIP("the catalogue reader is not built yet");
        if (!file.isEmpty())
            m_test->writeContent(QStringLiteral("multiple/track.txt"), file);
        ProgramState& state = m_test->state();
        state.workcount = 2;
        state.worklist[1] = QStringLiteral("old 1");
        state.worklist[2] = QStringLiteral("old 2");
        state.worklist[3] = QStringLiteral("old 3");

        auto& menu = m_test->screens().get<Intro0>(QStringLiteral("intro0"));
        QVERIFY(menu.Timer1->isActive());
        QCOMPARE(state.workcount, 2); // not before the tick
        QTRY_VERIFY(!menu.Timer1->isActive());
        QCOMPARE(state.workcount, workcount);
        QCOMPARE((QStringList{state.worklist[1], state.worklist[2], state.worklist[3]}), titles);
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    // A click that comes before the tick finds the catalogue read, and the tick does not
    // come again later.
    void clickWhileTheReadIsPending()
    {
        m_test->writeContent(QStringLiteral("multiple/track.txt"), " 1\r\nCoasts\r\n");
        registerStandIn(m_test->screens(), QStringLiteral("worksheets"));
        m_test->screens().show(QStringLiteral("intro0"));
        auto& menu = m_test->screens().get<Intro0>(QStringLiteral("intro0"));
        QVERIFY(menu.Timer1->isActive());
        menu.Label2_Click(18);
        QVERIFY(!menu.Timer1->isActive());
        if (test::catalogueReaderWorks()) {
            QCOMPARE(m_test->state().workcount, 1);
            QCOMPARE(m_test->state().worklist[1], QStringLiteral("Coasts"));
        }
        QVERIFY(!m_test->screens().isLoaded(QStringLiteral("intro0")));
        TestProgram::flushDeletes();
    }

    void guideEntryStartsOnPageOne()
    {
        m_test->state().notepage = 3;
        Intro0* menu = showMenu();
        QTest::mouseClick(menu->Label2(20), Qt::LeftButton);
        QCOMPARE(m_test->state().notepage, 1);
        QVERIFY(m_test->screens().touch(QStringLiteral("guide")).isVisible());
    }

private:
    Intro0* showMenu()
    {
        m_test->screens().show(QStringLiteral("intro0"));
        auto* menu = &m_test->screens().get<Intro0>(QStringLiteral("intro0"));
        if (!QTest::qWaitForWindowExposed(menu))
            qWarning("menu not exposed");
        return menu;
    }

    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestIntro0)
#include "test_intro0.moc"
