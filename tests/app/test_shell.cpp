// The shell a pupil starts in: the title screen over its backdrop, the main menu (its entries,
// a topic that cannot be opened, the sound switch, the catalogue it reads) and the fonts.
#include "app/Intro0.h"
#include "app/Titlefrm.h"
#include "graphics/Fonts.h"
#include "support/TestProgram.h"
#include "ui/Controls.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QFrame>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace bs;

namespace {

const QString click = QStringLiteral("wav\\click.wav");

int inkPixels(const QFont& font)
{
    QImage image(400, 80, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Multiple Choice Wizard"));
    painter.end();
    return int(std::count_if(image.constBits(), image.constBits() + image.sizeInBytes(),
                             [](uchar v) { return v < 128; }));
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_test->writeContent("Images/brellinshoresm.jpg", test::imageBytes(QSize(320, 240), "JPEG"));
    }
    void cleanup() { m_test.reset(); }

    // Centred over the backdrop, every line readable above the frame's border; without its
    // picture it is laid out like the other screens.
    void titleScreenComesUpOverTheBackdrop()
    {
        m_test->display().size = QSizeF(15360, 11520);
        m_test->screens().show("Titlefrm");
        auto& title = m_test->screens().get<Titlefrm>("Titlefrm");
        QCOMPARE(QPointF(title.leftTwips(), title.topTwips()),
                 QPointF((15360 - 5460) / 2.0, (11520 - 6570) / 2.0));
        QVERIFY(!title.Picture1->picture().isNull() && title.isVisible());
        // Once the title screen has painted: the pupil sees it first.
        QTRY_VERIFY(m_test->screens().isLoaded("Grey") && m_test->screens().touch("Grey").isVisible());
        QVERIFY(title.isActiveWindow());
        for (QWidget* line : title.Frame1->findChildren<QWidget*>()) {
            const int bottom = line->mapTo(&title, QPoint(0, 0)).y() + line->fontMetrics().height();
            QVERIFY2(bottom <= title.Frame1->geometry().bottom(), qPrintable(line->objectName()));
        }
        m_test->screens().unload("Titlefrm");
        m_test->removeContent("Images/brellinshoresm.jpg");
        m_test->screens().show("Titlefrm");
        auto& bare = m_test->screens().get<Titlefrm>("Titlefrm");
        QVERIFY(bare.isVisible() && bare.Picture1->picture().isNull());
        QVERIFY(m_test->dialogs().messages.isEmpty());
    }

    // At start "Exit" ends the run silently and "OK" goes on to the menu; from the menu's
    // "Exit" the first button reads "Cancel" and goes back.
    // A display an odd number of pixels wide or high is an odd number of twips: a screen is
    // centred to the half twip, not shifted by rounding.
    void screensAreCentredToTheHalfTwip_data()
    {
        QTest::addColumn<QSizeF>("display");
        QTest::newRow("1024 x 768") << QSizeF(15360, 11520);
        QTest::newRow("1365 x 767") << QSizeF(20475, 11505);
    }
    void screensAreCentredToTheHalfTwip()
    {
        QFETCH(QSizeF, display);
        m_test->display().size = display;
        for (const char* name : {"Titlefrm", "intro0"}) {
            Screen& screen = m_test->screens().touch(name);
            QCOMPARE(QPointF(screen.leftTwips(), screen.topTwips()),
                     QPointF((display.width() - screen.widthTwips()) / 2, (display.height() - screen.heightTwips()) / 2));
        }
    }

    void titleScreenButtons_data()
    {
        QTest::addColumn<bool>("leaving");
        QTest::addColumn<bool>("exit");
        QTest::addColumn<QStringList>("loaded");
        QTest::newRow("Exit at start") << false << true << QStringList{};
        QTest::newRow("OK") << false << false << QStringList{"Grey", "intro0"};
        QTest::newRow("Cancel") << true << false << QStringList{"Grey", "intro0"};
    }
    void titleScreenButtons()
    {
        QFETCH(bool, leaving);
        QFETCH(bool, exit);
        QFETCH(QStringList, loaded);
        if (leaving)
            openLeavingScreen(m_test->program());
        else
            m_test->screens().show("Titlefrm");
        auto& title = m_test->screens().get<Titlefrm>("Titlefrm");
        QCOMPARE(title.Command1->text(), QLatin1String(leaving ? "Cancel" : "OK"));
        QTest::mouseClick(exit ? title.Command2 : title.Command1, Qt::LeftButton);
        QStringList loadedNow = m_test->screens().loadedNames();
        loadedNow.sort();
        QCOMPARE(loadedNow, loaded);
        QCOMPARE(m_test->endProgramCalls(), exit ? 1 : 0);
        QCOMPARE(m_test->sound().played.size(), exit ? 0 : 1);
        TestProgram::flushDeletes();
    }

    // Each entry opens its screen over the menu, which stays; the catalogue replaces it.
    void entriesOpenTheirScreens_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("opened");
        auto add = [](const QString& opened, int index, const QString& caption, const char* name = nullptr) {
            QTest::newRow(name ? name : qPrintable(opened)) << index << caption << opened;
        };
        const int indexes[3][5] = {{15, 0, 1, 2, 3}, {4, 5, 6, 7, 8}, {9, 10, 11, 12, 13}};
        const char* const places[] = {"llandudno", "scilly", "stlucia"};
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 5; ++row)
                add(QString("%1%2").arg(places[column]).arg(row + 1), indexes[column][row],
                    menuTopics()[row]);
        }
        add("guide", 20, "Teachers' Guide");
        add("teacher", 19, "Acknowledgments", "acknowledgments");
        add("wizard", 17, "Multiple Choice Wizard");
        add("worksheets", 18, "Worksheet Catalogue", "catalogue");
        add("Titlefrm", 16, "Exit", "exit");
        add("classresults", 22, "Class Results");
    }
    void entriesOpenTheirScreens()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, opened);
        Intro0* menu = showMenu();
        QCOMPARE(menu->Label2(index)->caption(), caption);
        QTest::mouseClick(menu->Label2(index), Qt::LeftButton);
        QVERIFY(m_test->screens().touch(opened).isVisible());
        QCOMPARE(m_test->screens().isLoaded("intro0"), opened != "worksheets");
        QCOMPARE(m_test->sound().played, QStringList{click});
        QVERIFY(m_test->dialogs().messages.isEmpty());
        TestProgram::flushDeletes();
    }

    // A topic whose file is missing or refused: its entry clicks and says so; the others open.
    void brokenTopicFileTellsThePupil_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("refused") << QByteArray("{\"form\": \"scilly1\", ");
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
        QTest::mouseClick(menu->Label2(16), Qt::LeftButton);
        QTest::mouseClick(screens.get<Titlefrm>("Titlefrm").Command1, Qt::LeftButton);
        TestProgram::flushDeletes();
        QCOMPARE(&screens.get<Intro0>("intro0"), menu.data());
        QVERIFY(menu->Option2->isChecked() && menu->isVisible());
        QCOMPARE(m_test->state().soundon, 0);
        QTest::mouseClick(menu->Option1, Qt::LeftButton);
        QCOMPARE(m_test->state().soundon, 1);
        QTest::mouseClick(menu->Option2, Qt::LeftButton);
        QVERIFY(m_test->sound().played.isEmpty());
        screens.unload("intro0");
        TestProgram::flushDeletes();
        menu = showMenu();
        QVERIFY(menu->Option1->isChecked() && !menu->Option2->isChecked());
        QTest::mouseClick(menu->Label2(16), Qt::LeftButton);
        QCOMPARE(m_test->sound().played, QStringList{click});
        QTest::mouseClick(screens.get<Titlefrm>("Titlefrm").Command2,
                          Qt::LeftButton); // the leaving screen's Exit
        QCOMPARE(m_test->endProgramCalls(), 1);
    }

    // The catalogue is read one tick after the menu loads (a missing one keeps what was read),
    // or at once by a click that comes first.
    void catalogueIsReadAfterLoading_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no catalogue file
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("clickFirst");
        QTest::newRow("three titles") << QByteArray(" 3\r\nCoasts\r\nRivers\r\nTowns\r\n")
                                      << QStringList{"Coasts", "Rivers", "Towns"} << false;
        QTest::newRow("no catalogue file") << QByteArray() << QStringList{"old 1", "old 2"} << false;
        QTest::newRow("click first") << QByteArray(" 1\r\nCoasts\r\n") << QStringList{"Coasts"} << true;
    }
    void catalogueIsReadAfterLoading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, titles);
        QFETCH(bool, clickFirst);
        if (!file.isEmpty())
            m_test->writeContent("multiple/track.txt", file);
        ProgramState& state = m_test->state();
        state.workcount = 2;
        for (int i = 1; i <= 3; ++i)
            state.worklist[i] = QString("old %1").arg(i);
        auto& menu = m_test->screens().get<Intro0>("intro0");
        QCOMPARE(state.workcount, 2); // not before the tick
        if (clickFirst)
            menu.Label2_Click(17); // the wizard, over the menu
        else
            QTRY_VERIFY(!menu.Timer1->isActive());
        QVERIFY(!menu.Timer1->isActive());
        QCOMPARE(state.workcount, titles.size());
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(state.worklist[i], i <= titles.size() ? titles[i - 1] : QString("old %1").arg(i));
        TestProgram::flushDeletes();
    }

    // The screens are designed for Tahoma, Times New Roman and Arial: these must resolve to the
    // fonts the set-up installs, or captions wrap and clip differently. fonts-wine's bold face has
    // thin strokes, so Tahoma's bold must be the regular face emboldened.
    void fontsResolve()
    {
        if (!QFileInfo::exists(QString::fromLatin1(TahomaFontFile)))
            QSKIP("fonts-wine is not installed");
        const std::pair<QString, QString> families[] = {
            {"Tahoma", "Tahoma"}, {"Times New Roman", "Liberation Serif"}, {"Arial", "Liberation Sans"}};
        for (const auto& [family, standIn] : families) {
            const QString resolved = QFontInfo(uiFont(family, 12)).family();
            QVERIFY2(resolved == family || resolved == standIn, qPrintable(resolved));
        }
        const int regular = inkPixels(uiFont("Tahoma", 15.75)),
                  bold = inkPixels(uiFont("Tahoma", 15.75, true));
        QVERIFY2(bold > regular * 13 / 10, qPrintable(QStringLiteral("%1 vs %2").arg(bold).arg(regular)));
    }

private:
    Intro0* showMenu()
    {
        m_test->screens().show("intro0");
        auto* menu = &m_test->screens().get<Intro0>("intro0");
        (void)QTest::qWaitForWindowExposed(menu);
        return menu;
    }

    std::unique_ptr<TestProgram> m_test;
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
