// The program as its users start it: from the build tree as ./run.sh leaves it, and installed
// with `cmake --install`. Every other test assembles a content folder of its own, so only this
// one sees a fault in how the program finds its files (content folders that were never staged,
// or staged where the program does not look, open no topic).
#include "app/Intro0.h"
#include "base/Names.h"
#include "platform/Content.h"
#include "support/TestProgram.h"
#include "topicdata/Topic.h"
#include "topics/TopicPage.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace bs;

class TestAsStarted : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(BS_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(BS_BINARY_DIR), QStringLiteral("--prefix"),
                       m_prefix.path()});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().right(2000).constData());
    }

    void everyTopicOpens_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("contentFolder");
        QTest::newRow("build tree") << QStringLiteral(BS_RUNTIME_DIR) << QStringLiteral(BS_RUNTIME_DIR);
        QTest::newRow("cmake --install") << m_prefix.path() + QStringLiteral("/lib/brellinshore")
                                         << m_prefix.path() + QStringLiteral("/share/brellinshore");
    }

    // Every entry of the main menu opens its topic page with its panorama, and each page's
    // quiz and activities open, with no message; the worksheet folder can take a new worksheet.
    void everyTopicOpens()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, contentFolder);
        QVERIFY(QFileInfo::exists(programFolder + QStringLiteral("/brellinshore")));
        QCOMPARE(findContentFolder(programFolder), contentFolder);
        const auto test = TestProgram::startedIn(programFolder);
        Screens& screens = test->screens();
        screens.show(screenName::menu);
        auto& menu = screens.get<Intro0>(screenName::menu);
        int opened = 0;
        for (const QString& place : menuPlaces()) {
            for (const QString& topic : menuTopics()) {
                const QString what = place + QStringLiteral(": ") + topic;
                clickButton(menu.Label2(Intro0::topicEntry(place, topic)));
                QVERIFY2(test->dialogs().messages.isEmpty(), qPrintable(what + ": " + test->dialogs().messages.join(' ')));
                const Topic* shown = test->program().topicLibrary().topicAt(place, topic);
                QVERIFY2(shown && screens.isLoaded(shown->formName), qPrintable(what));
                auto& page = screens.get<TopicPage>(shown->formName);
                QVERIFY2(page.isVisible() && !page.Image1->picture().isNull(), qPrintable(what + ": no panorama"));
                const std::pair<int, QString> buttons[] = {
                    {0, screenName::quiz}, {1, shown->labelling}, {3, shown->ordering}};
                for (const auto& [button, form] : buttons) {
                    clickButton(page.Label3(button));
                    QVERIFY2(test->dialogs().messages.isEmpty(),
                             qPrintable(what + ": " + test->dialogs().messages.join(' ')));
                    QVERIFY2(screens.isLoaded(form) && screens.touch(form).isVisible(), qPrintable(what + ": " + form));
                    screens.unload(form);
                    TestProgram::flushDeletes();
                }
                clickButton(page.Label3(2)); // Exit
                TestProgram::flushDeletes();
                ++opened;
            }
        }
        QCOMPARE(opened, 15);
        const QFileInfo worksheets(contentFolder + QStringLiteral("/multiple"));
        QVERIFY(worksheets.isDir() && worksheets.isWritable());
        QVERIFY(QFileInfo(contentFolder + QStringLiteral("/multiple/track.txt")).isWritable());
    }

private:
    QTemporaryDir m_prefix;
};

QTEST_MAIN(TestAsStarted)
#include "test_as_started.moc"
