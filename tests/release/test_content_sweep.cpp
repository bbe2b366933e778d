// Every file of content/ missing, cut to half its length, or replaced by noise, on every path
// of the program that uses it: the screens still come up as they should, with an empty box
// where a picture could not be read and the program's own message where a file it must read
// is unusable.
//
// The tour is cut into parts that each start from a fresh program. Which parts use which file
// is learnt on intact content by watching the files the program opens (and the cues it asks
// for), so a file added to content/ is swept without changing this test.
#include "topicdata/ActivityDefinition.h"
#include "activities/ActivityScreen.h"
#include "app/Intro0.h"
#include "ui/LabelButton.h"
#include "ui/Screens.h"
#include "app/Titlefrm.h"
#include "base/Twips.h"
#include "authoring/Wizard.h"
#include "authoring/Worksheets.h"
#include "platform/LazySoundPlayer.h"
#include "platform/Pictures.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "support/TestProgram.h"
#include "topics/Guide.h"
#include "topics/Teacher.h"
#include "topics/TopicPage.h"
#include "topicdata/TopicLibrary.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <functional>
#include <map>
#include <set>

#include <errno.h>
#include <sys/inotify.h>
#include <unistd.h>

using namespace bs;

namespace {

enum class Damage { None, Deleted, Truncated, Garbage };

QString damageName(Damage damage)
{
    switch (damage) {
    case Damage::None: return QStringLiteral("intact");
    case Damage::Deleted: return QStringLiteral("deleted");
    case Damage::Truncated: return QStringLiteral("truncated");
    case Damage::Garbage: return QStringLiteral("garbage");
    }
    return {};
}

const QString clickCue = QStringLiteral("wav\\click.wav");
const QString corrupted = QStringLiteral("This worksheet seems to be corrupted.");
const QString certificatePrinting = QStringLiteral("Your certificate is now printing.");
const QString worksheetPrinting = QStringLiteral("Your worksheet is now printing.");
const QString savingProblem = QStringLiteral("There was a problem saving your worksheet");
const QString saved = QStringLiteral("Your worksheet has been saved.");
const QString sweepTitle = QStringLiteral("Sweep Worksheet");

TopicLibrary& shippedTopics()
{
    static TopicLibrary library(QStringLiteral(BS_CONTENT_DIR "/topics"));
    return library;
}

QString topicFile(const Topic& topic)
{
    return QStringLiteral("topics/") + topic.formName + QStringLiteral(".json");
}

// The content files a topic alone names, as paths relative to the content folder.
QSet<QString> filesOf(const Topic& topic)
{
    const Content content(QStringLiteral(BS_CONTENT_DIR));
    QStringList paths{topicFile(topic), topic.panorama, topic.quizPicture, topic.worksheet};
    for (const QString& folder : {QStringLiteral("wmf/"), QStringLiteral("wmf2/")}) {
        paths << folder + topic.keyFactsKey + QStringLiteral("a.wmf") << folder + topic.keyFactsKey + QStringLiteral("b.wmf")
              << folder + topic.notesKey + QStringLiteral(".wmf");
    }
    for (const ActivityDefinition& activity : topic.activities) {
        for (const PictureSpec& picture : activity.pictures)
            paths << picture.path;
    }
    QSet<QString> files;
    for (const QString& path : std::as_const(paths))
        files.insert(QDir(content.root()).relativeFilePath(content.resolve(path)));
    return files;
}

// The files to damage. Under the sanitizers, ten times slower, a topic's own files are
// swept for the first topic of each place only: the same code reads every topic's files,
// and the normal build sweeps them all.
QStringList sweptFiles(const QStringList& files)
{
#ifdef BS_SWEEP_ONE_TOPIC_A_PLACE
    QSet<QString> sampled;
    QSet<QString> others;
    QSet<QString> places;
    for (const Topic& topic : shippedTopics().topics()) {
        (places.contains(topic.place) ? others : sampled).unite(filesOf(topic));
        places.insert(topic.place);
    }
    QStringList swept;
    for (const QString& file : files) {
        if (!others.contains(file) || sampled.contains(file))
            swept << file;
    }
    return swept;
#else
    return files;
#endif
}

// Noise of the file's own length, the same on every run.
QByteArray garbageBytes(qsizetype length)
{
    QRandomGenerator generator(20260);
    QByteArray bytes(std::max<qsizetype>(length, 16), Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file by a new one, never writing through a link to the template.
void replaceFile(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void damageFile(const QString& path, Damage damage)
{
    const QByteArray original = readAll(path);
    switch (damage) {
    case Damage::None:
        break;
    case Damage::Deleted:
        QFile::remove(path);
        break;
    case Damage::Truncated:
        replaceFile(path, original.left(original.size() / 2));
        break;
    case Damage::Garbage:
        replaceFile(path, garbageBytes(original.size()));
        break;
    }
}

// The files the program opens under a folder, from the kernel's notes of every open.
class OpenWatch
{
public:
    explicit OpenWatch(const QString& root)
        : m_root(root)
    {
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd < 0)
            return;
        QStringList folders{QString()};
        QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            folders << QDir(root).relativeFilePath(it.next());
        for (const QString& folder : folders) {
            const int wd = inotify_add_watch(m_fd, QFile::encodeName(root + u'/' + folder).constData(), IN_OPEN);
            if (wd >= 0)
                m_folders.insert(wd, folder);
        }
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool works() const { return m_fd >= 0 && !m_folders.isEmpty(); }

    QSet<QString> opened()
    {
        QSet<QString> files;
        alignas(inotify_event) char buffer[16384];
        for (;;) {
            const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
            if (length <= 0)
                break;
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && !(event->mask & IN_ISDIR)) {
                    const QString folder = m_folders.value(event->wd);
                    const QString name = QFile::decodeName(event->name);
                    files.insert(folder.isEmpty() ? name : folder + u'/' + name);
                }
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return files;
    }

private:
    QString m_root;
    int m_fd = -1;
    QHash<int, QString> m_folders;
};

// One run of one part of the tour: a program on a full copy of content/ with at most one
// file damaged, and the checks of what a pupil sees.
class Tour
{
public:
    Tour(const QString& templateRoot, const QStringList& files, const QString& damagedFile, Damage damage)
        : m_damagedFile(damagedFile)
        , m_damage(damage)
    {
        const QString root = m_test.contentRoot();
        for (const QString& file : files) {
            const QString from = templateRoot + u'/' + file;
            const QString to = root + u'/' + file;
            QDir().mkpath(QFileInfo(to).path());
            // The program writes only under multiple/: those files are copies, the rest links.
            const bool written = file.startsWith(QLatin1String("multiple/"), Qt::CaseInsensitive);
            if (written || ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
                QFile::copy(from, to);
        }
        if (damage != Damage::None)
            damageFile(root + u'/' + damagedFile, damage);
    }

    TestProgram& test() { return m_test; }
    Program& program() { return m_test.program(); }
    ProgramState& state() { return m_test.state(); }
    Screens& screens() { return m_test.screens(); }

    // The damage done to the file a content path names ("images\stmary.jpg").
    Damage damageOf(const QString& contentPath) const
    {
        if (m_damage == Damage::None)
            return Damage::None;
        const QString path = m_test.program().content().resolve(contentPath);
        const QString damaged = QDir::cleanPath(m_test.contentRoot() + u'/' + m_damagedFile);
        return QDir::cleanPath(path) == damaged ? m_damage : Damage::None;
    }
    bool usable(const QString& contentPath) const { return damageOf(contentPath) == Damage::None; }
    bool damages(const QString& file) const { return m_damage != Damage::None && m_damagedFile == file; }

    // A box shows what the program's loader makes of the file: nothing for a missing file or
    // noise, the picture for an intact photograph.
    void checkPicture(const Picture& shown, const QString& contentPath)
    {
        const Picture fromFile = program().pictures().load(contentPath);
        QVERIFY2(shown.isNull() == fromFile.isNull(), qPrintable(contentPath));
        QCOMPARE(shown.sizeTwips(), fromFile.sizeTwips());
        const Damage damage = damageOf(contentPath);
        if (damage == Damage::Deleted || damage == Damage::Garbage)
            QVERIFY2(shown.isNull(), qPrintable(contentPath + QStringLiteral(" should leave its box empty")));
        const bool drawing = contentPath.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive);
        if (damage == Damage::None && !drawing)
            QVERIFY2(!shown.isNull(), qPrintable(contentPath + QStringLiteral(" should show")));
    }

    // Every sound path the tour asked for, as content files of the run's folder.
    QSet<QString> cueFiles() const
    {
        QSet<QString> files;
        const QDir root(m_test.contentRoot());
        for (const QString& cue : m_test.sound().played)
            files.insert(root.relativeFilePath(m_test.program().content().resolve(cue)));
        return files;
    }

    bool shown(const QString& formName) const
    {
        Screen* screen = m_test.screens().loaded(formName);
        return screen && screen->isVisible();
    }

private:
    mutable TestProgram m_test;
    QString m_damagedFile;
    Damage m_damage;
};

#define STEP(call)                                                                                   \
    do {                                                                                             \
        call;                                                                                        \
        if (QTest::currentTestFailed())                                                              \
            return;                                                                                  \
    } while (false)

void click(QWidget* control)
{
    QVERIFY(control);
    QVERIFY2(control->isVisible() && control->isEnabled(), qPrintable(control->objectName()));
    QTest::mouseClick(control, Qt::LeftButton);
}

void clickIndicator(QAbstractButton* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

Intro0& openMenu(Tour& tour)
{
    tour.screens().show(QStringLiteral("intro0"));
    auto& menu = tour.screens().get<Intro0>(QStringLiteral("intro0"));
    if (menu.Timer1->isActive())
        menu.Timer1_Timer();
    return menu;
}

void checkMenu(Tour& tour)
{
    QVERIFY(tour.shown(QStringLiteral("intro0")));
    auto& menu = tour.screens().get<Intro0>(QStringLiteral("intro0"));
    STEP(tour.checkPicture(menu.Image1->picture(), QStringLiteral("Images\\brellinshoresm.jpg")));
    QVERIFY(tour.state().workcount >= 0 && tour.state().workcount <= CatalogueList::CatalogueLimit);
}

// Fires the results screen's three timers in turn, as their ticks would.
void runResultTimers(Tour& tour)
{
    auto& results = tour.screens().get<Welldone>(QStringLiteral("Welldone"));
    QVERIFY(tour.shown(QStringLiteral("Welldone")));
    results.Timer1_Timer();
    results.Timer2_Timer();
    results.Timer3_Timer();
    STEP(tour.checkPicture(results.Picture1->picture(), QStringLiteral("images\\brellinshoresm.jpg")));
}

void closeResults(Tour& tour)
{
    auto& results = tour.screens().get<Welldone>(QStringLiteral("Welldone"));
    STEP(click(results.Label3(1)));
    QVERIFY(!tour.screens().isLoaded(QStringLiteral("Welldone")));
    QVERIFY(!tour.screens().isLoaded(QStringLiteral("Wrong")));
}

// ---- the parts of the tour ----

void startAndLeave(Tour& tour)
{
    Screens& screens = tour.screens();
    screens.show(QStringLiteral("Titlefrm"));
    QVERIFY(tour.shown(QStringLiteral("Titlefrm")));
    QVERIFY(tour.shown(QStringLiteral("Grey")));
    auto* title = &screens.get<Titlefrm>(QStringLiteral("Titlefrm"));
    STEP(tour.checkPicture(title->Picture1->picture(), QStringLiteral("images\\brellinshoresm.jpg")));
    STEP(click(title->Command1));
    TestProgram::flushDeletes();
    QVERIFY(!screens.isLoaded(QStringLiteral("Titlefrm")));
    STEP(openMenu(tour));
    STEP(checkMenu(tour));
    QVERIFY(tour.state().soundon == 1);
    QVERIFY(tour.test().sound().played.contains(clickCue));

    // The menu's "Exit" brings the title screen back as the leaving screen; "Cancel" returns.
    auto& menu = screens.get<Intro0>(QStringLiteral("intro0"));
    STEP(click(menu.Label2(16)));
    QVERIFY(tour.shown(QStringLiteral("Titlefrm")));
    title = &screens.get<Titlefrm>(QStringLiteral("Titlefrm"));
    QCOMPARE(title->Command1->text(), QStringLiteral("Cancel"));
    STEP(tour.checkPicture(title->Picture1->picture(), QStringLiteral("images\\brellinshoresm.jpg")));
    STEP(click(title->Command1));
    QVERIFY(tour.shown(QStringLiteral("intro0")));
    QCOMPARE(tour.test().endProgramCalls(), 0);
}

TopicPage& openTopic(Tour& tour, const Topic& topic)
{
    Intro0& menu = openMenu(tour);
    click(menu.Label2(Intro0::topicEntry(topic.place, topic.topic)));
    return tour.screens().get<TopicPage>(topic.formName);
}

// A damaged topic file: its entry tells the pupil, and the menu carries on.
bool topicRefused(Tour& tour, const Topic& topic)
{
    if (!tour.damages(topicFile(topic)))
        return false;
    Intro0& menu = openMenu(tour);
    click(menu.Label2(Intro0::topicEntry(topic.place, topic.topic)));
    [&] {
        QCOMPARE(tour.test().dialogs().messages.value(0),
                 Intro0::topicNotOpenedMessage(topic.place + QStringLiteral(": ") + topic.topic));
        QVERIFY(!tour.screens().isLoaded(topic.formName));
        QVERIFY(tour.shown(QStringLiteral("intro0")));
        QVERIFY(tour.test().sound().played.contains(clickCue));
    }();
    return true;
}

void checkTopicPage(Tour& tour, const Topic& topic)
{
    QVERIFY(tour.shown(topic.formName));
    auto& page = tour.screens().get<TopicPage>(topic.formName);
    QCOMPARE(page.Label1->text(), topic.title);
    STEP(tour.checkPicture(page.Image1->picture(), topic.panorama));
    const double width = page.Image1->widthTwips();
    page.HScroll1->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(page.Image1->leftTwips(), 0.0);
    page.HScroll1->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(page.Image1->leftTwips(), 12000 - width);
    page.HScroll1->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(page.HScroll1->value(), 90);
}

void leaveTopic(Tour& tour, const Topic& topic)
{
    auto& page = tour.screens().get<TopicPage>(topic.formName);
    STEP(click(page.Label3(2)));
    QVERIFY(!tour.screens().isLoaded(topic.formName));
    QVERIFY(tour.shown(QStringLiteral("intro0")));
}

void checkDrawingPage(Tour& tour, Teacher& viewer, const QString& fileName)
{
    STEP(tour.checkPicture(viewer.Image1->picture(), QStringLiteral("wmf\\") + fileName));
    STEP(tour.checkPicture(viewer.Image2->picture(), QStringLiteral("wmf2\\") + fileName));
}

// Prints the viewer's page: one whole job holding the print drawing, and no message.
void printPage(Tour& tour, LabelButton* printButton, const Picture& printed)
{
    FakePrinter& printer = tour.test().printer();
    const int ended = printer.jobsEnded;
    STEP(click(printButton));
    QCOMPARE(printer.jobsEnded, ended + 1);
    QVERIFY(tour.test().dialogs().messages.isEmpty());
    const PrintOp* drawn = nullptr;
    for (const PrintOp& op : printer.ops) {
        if (op.kind == PrintOp::Picture)
            drawn = &op;
    }
    QVERIFY(drawn);
    QCOMPARE(drawn->picture.isNull(), printed.isNull());
    QCOMPARE(drawn->at, QPointF(1000, 1000));
}

void topicNotes(Tour& tour, const Topic& topic)
{
    if (topicRefused(tour, topic))
        return;
    auto& page = openTopic(tour, topic);
    STEP(checkTopicPage(tour, topic));

    STEP(click(page.Label3(4))); // Key Facts
    QVERIFY(tour.shown(QStringLiteral("teacher")));
    auto* viewer = &tour.screens().get<Teacher>(QStringLiteral("teacher"));
    QCOMPARE(viewer->Label1->text(), QStringLiteral("Page 1 of 2"));
    STEP(checkDrawingPage(tour, *viewer, Teacher::pageFileName(topic.keyFactsKey, 1)));
    STEP(printPage(tour, viewer->Label3(0), viewer->Image2->picture()));
    STEP(click(viewer->Label3(2)));
    QCOMPARE(viewer->Label1->text(), QStringLiteral("Page 2 of 2"));
    STEP(checkDrawingPage(tour, *viewer, Teacher::pageFileName(topic.keyFactsKey, 2)));
    STEP(printPage(tour, viewer->Label3(0), viewer->Image2->picture()));
    STEP(click(viewer->Label3(3)));
    STEP(checkDrawingPage(tour, *viewer, Teacher::pageFileName(topic.keyFactsKey, 1)));
    STEP(click(viewer->Label3(1)));
    QVERIFY(!tour.screens().isLoaded(QStringLiteral("teacher")));
    QVERIFY(tour.shown(topic.formName));

    STEP(click(page.Label3(5))); // Teacher's Notes
    viewer = &tour.screens().get<Teacher>(QStringLiteral("teacher"));
    QVERIFY(tour.shown(QStringLiteral("teacher")));
    QVERIFY(viewer->Label1->isHidden());
    STEP(checkDrawingPage(tour, *viewer, topic.notesKey + QStringLiteral(".wmf")));
    STEP(printPage(tour, viewer->Label3(0), viewer->Image2->picture()));
    STEP(click(viewer->Label3(1)));
    STEP(leaveTopic(tour, topic));
}

// Opens the topic's quiz; false when the worksheet could not be read, which the page reports.
bool openTopicQuiz(Tour& tour, const Topic& topic)
{
    auto& page = tour.screens().get<TopicPage>(topic.formName);
    tour.test().dialogs().messages.clear();
    click(page.Label3(0));
    if (!tour.usable(topic.worksheet)) {
        [&] {
            QCOMPARE(tour.test().dialogs().messages, QStringList{corrupted});
            QVERIFY(!tour.screens().isLoaded(QStringLiteral("multiple")));
            // Nothing of the unreadable worksheet reaches the question bank.
            QVERIFY(tour.state().worktitle.isEmpty());
            QVERIFY(tour.shown(topic.formName));
        }();
        return false;
    }
    [&] {
        QVERIFY(tour.shown(QStringLiteral("multiple")));
        auto& quiz = tour.screens().get<Multiple>(QStringLiteral("multiple"));
        QCOMPARE(quiz.Label4->text(), QStringLiteral("Question 1"));
        QVERIFY(!quiz.Label2->text().isEmpty());
        STEP(tour.checkPicture(quiz.Picture1->picture(), topic.quizPicture));
    }();
    return !QTest::currentTestFailed();
}

// Answers every question, rightly or not at all, up to the results screen.
void answerQuiz(Tour& tour, bool rightly)
{
    auto& quiz = tour.screens().get<Multiple>(QStringLiteral("multiple"));
    for (int n = 1; n <= 10; ++n) {
        QCOMPARE(tour.state().questno, n);
        if (rightly)
            STEP(clickIndicator(quiz.Option1(tour.state().correct[n].toInt())));
        STEP(click(quiz.Label3(1)));
    }
    QVERIFY(!tour.screens().isLoaded(QStringLiteral("multiple")));
    QCOMPARE(tour.state().score, rightly ? 10 : 0);
}

void topicQuiz(Tour& tour, const Topic& topic)
{
    if (topicRefused(tour, topic))
        return;
    STEP(openTopic(tour, topic));
    STEP(checkTopicPage(tour, topic));
    if (openTopicQuiz(tour, topic)) {
        auto& quiz = tour.screens().get<Multiple>(QStringLiteral("multiple"));
        STEP(click(quiz.Label3(3))); // Print Worksheet
        QCOMPARE(tour.test().dialogs().messages, QStringList{worksheetPrinting});
        STEP(answerQuiz(tour, true));
        STEP(runResultTimers(tour));
        auto& results = tour.screens().get<Welldone>(QStringLiteral("Welldone"));
        QCOMPARE(results.Label3(0)->caption(), QStringLiteral("Print Certificate"));
        QTest::keyClicks(results.Text1, QStringLiteral("Sam"));
        STEP(click(results.Label3(0)));
        QCOMPARE(tour.test().dialogs().messages.last(), certificatePrinting);
        QVERIFY(tour.test().sound().played.contains(QStringLiteral("wav\\fanf2.wav")));
        STEP(closeResults(tour));

        QVERIFY(openTopicQuiz(tour, topic));
        STEP(answerQuiz(tour, false));
        STEP(runResultTimers(tour));
        auto& again = tour.screens().get<Welldone>(QStringLiteral("Welldone"));
        QCOMPARE(again.Label3(0)->caption(), QStringLiteral("Check Wrong Answers"));
        STEP(click(again.Label3(0)));
        QVERIFY(tour.shown(QStringLiteral("Wrong")));
        auto& wrong = tour.screens().get<Wrong>(QStringLiteral("Wrong"));
        for (int i = 0; i <= 9; ++i)
            QVERIFY(!wrong.Label2(i)->isHidden());
        STEP(click(wrong.Label3(1)));
        QVERIFY(!tour.screens().isLoaded(QStringLiteral("Wrong")));
        QVERIFY(!tour.screens().isLoaded(QStringLiteral("Welldone")));
    }
    QVERIFY(tour.shown(topic.formName));
    STEP(leaveTopic(tour, topic));
}

QPoint windowPointOf(QWidget* control)
{
    return control->mapTo(control->window(), control->rect().center());
}

// Places every item in its box, checks the score and closes the results.
void doActivity(Tour& tour, const QString& formName)
{
    QVERIFY(tour.shown(formName));
    auto& screen = tour.screens().get<ActivityScreen>(formName);
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    const ActivityDefinition& definition = screen.definition();
    for (int i = 0; i < int(definition.pictures.size()); ++i)
        STEP(tour.checkPicture(screen.Image1(i)->picture(), definition.pictures[i].path));
    QWindow* window = screen.windowHandle();
    for (int i = 0; i < screen.engine().count(); ++i) {
        const TwipsRect& box = screen.engine().target(i);
        const QPoint to(toPixels(box.left + box.width / 2), toPixels(box.top + box.height / 2));
        const QPoint from = windowPointOf(screen.Label2(i));
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, (from + to) / 2);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        QCOMPARE(screen.engine().item(i), box);
    }
    QVERIFY(tour.test().sound().played.contains(QStringLiteral("wav\\thud3.wav")));
    QTest::mouseClick(window, Qt::LeftButton, {}, windowPointOf(screen.Label3(2)));
    QCOMPARE(tour.state().score, screen.engine().count());
    STEP(runResultTimers(tour));
    STEP(closeResults(tour));
    QVERIFY(tour.shown(formName));
    QTest::mouseClick(window, Qt::LeftButton, {}, windowPointOf(screen.Label3(0)));
    QVERIFY(!tour.screens().isLoaded(formName));
}

void topicActivities(Tour& tour, const Topic& topic)
{
    if (topicRefused(tour, topic))
        return;
    auto& page = openTopic(tour, topic);
    STEP(checkTopicPage(tour, topic));
    STEP(click(page.Label3(1)));
    STEP(doActivity(tour, topic.labelling));
    STEP(click(page.Label3(3)));
    STEP(doActivity(tour, topic.ordering));
    STEP(leaveTopic(tour, topic));
}

void guide(Tour& tour)
{
    Intro0& menu = openMenu(tour);
    STEP(click(menu.Label2(20)));
    QVERIFY(tour.shown(QStringLiteral("guide")));
    auto& viewer = tour.screens().get<Guide>(QStringLiteral("guide"));
    for (int page = 1; page <= Guide::PageCount; ++page) {
        if (page > 1)
            STEP(click(viewer.Label3(2)));
        QCOMPARE(viewer.Label1->text(), QStringLiteral("Page %1 of 3").arg(page));
        STEP(tour.checkPicture(viewer.Image1->picture(), QStringLiteral("wmf\\") + Guide::pageFileName(page)));
        STEP(tour.checkPicture(viewer.Image2->picture(), QStringLiteral("wmf2\\") + Guide::pageFileName(page)));
        STEP(printPage(tour, viewer.Label3(0), viewer.Image2->picture()));
    }
    STEP(click(viewer.Label3(3)));
    STEP(tour.checkPicture(viewer.Image1->picture(), QStringLiteral("wmf\\guide2.wmf")));
    STEP(click(viewer.Label3(1)));
    QVERIFY(!tour.screens().isLoaded(QStringLiteral("guide")));
}

void acknowledgments(Tour& tour)
{
    Intro0& menu = openMenu(tour);
    STEP(click(menu.Label2(19)));
    QVERIFY(tour.shown(QStringLiteral("teacher")));
    auto& viewer = tour.screens().get<Teacher>(QStringLiteral("teacher"));
    STEP(checkDrawingPage(tour, viewer, QStringLiteral("acknowledgments.wmf")));
    STEP(tour.checkPicture(viewer.Picture2->picture(), QStringLiteral("logo\\quenlow2.bmp")));
    // Every frame once, and round again to the first.
    for (int tick = 0; tick <= 20; ++tick) {
        viewer.Timer1_Timer();
        STEP(tour.checkPicture(viewer.Picture1->picture(), Teacher::logoFrameFile(tour.state().logoframe)));
        QVERIFY(viewer.Picture1->isVisible() && viewer.Picture2->isVisible());
    }
    STEP(printPage(tour, viewer.Label3(0), viewer.Image2->picture()));
    STEP(click(viewer.Label3(1)));
    QVERIFY(!tour.screens().isLoaded(QStringLiteral("teacher")));
    QVERIFY(tour.shown(QStringLiteral("intro0")));
}

// Writes a worksheet in the wizard, then opens it from the catalogue as a quiz, for editing
// and for deletion.
void wizardAndCatalogue(Tour& tour)
{
    Intro0& menu = openMenu(tour);
    STEP(click(menu.Label2(17)));
    QVERIFY(tour.shown(QStringLiteral("wizard")));
    auto& wizard = tour.screens().get<Wizard>(QStringLiteral("wizard"));
    QTest::keyClicks(wizard.Text1, sweepTitle);
    for (int q = 0; q < 10; ++q) {
        QTest::keyClicks(wizard.Text2(q), QStringLiteral("Q%1").arg(q + 1));
        for (int a = 0; a < 4; ++a)
            QTest::keyClicks(wizard.Text3(4 * q + a), QStringLiteral("A%1").arg(a));
        STEP(clickIndicator(wizard.Check1(4 * q + q % 4)));
    }
    STEP(click(wizard.Label3(1)));
    const QStringList messages = tour.test().dialogs().messages;
    QCOMPARE(messages.size(), 1);
    // The worksheet itself is written whatever became of the catalogue.
    FieldReader reader = FieldReader::fromFile(tour.program().content().resolve(QStringLiteral("multiple/") + sweepTitle + QStringLiteral(".txt")));
    QuestionBank bank;
    loadworksheet(reader, bank);
    QCOMPARE(bank.worktitle, sweepTitle);
    const Damage catalogueDamage = tour.damageOf(QStringLiteral("multiple\\track.txt"));
    if (catalogueDamage == Damage::None)
        QCOMPARE(messages.first(), saved);
    else if (catalogueDamage != Damage::Truncated)
        QCOMPARE(messages.first(), savingProblem);
    const bool catalogued = messages.first() == saved;
    STEP(click(wizard.Label3(0)));
    QVERIFY(!tour.screens().isLoaded(QStringLiteral("wizard")));

    STEP(click(menu.Label2(18)));
    QVERIFY(tour.shown(QStringLiteral("worksheets")));
    QVERIFY(!tour.screens().isLoaded(QStringLiteral("intro0")));
    auto& catalogue = tour.screens().get<Worksheets>(QStringLiteral("worksheets"));
    if (!catalogued) {
        // A catalogue that cannot be read leaves the screen empty.
        for (int i = 1; i <= Worksheets::TitlesPerPage; ++i)
            QVERIFY(catalogue.Label2(i)->isHidden());
    } else {
        QVERIFY(!catalogue.Label2(1)->isHidden());
        QCOMPARE(catalogue.Label2(1)->caption(), sweepTitle);

        STEP(click(catalogue.Label2(1))); // as a quiz
        QVERIFY(tour.shown(QStringLiteral("multiple")));
        auto& quiz = tour.screens().get<Multiple>(QStringLiteral("multiple"));
        // The menu's picture, scaled down whole into the quiz's small box.
        const Picture menuPicture = tour.program().pictures().load(QStringLiteral("Images\\brellinshoresm.jpg"));
        QCOMPARE(quiz.Picture1->picture().isNull(), menuPicture.isNull());
        QVERIFY(quiz.Picture1->picture().sizePixels().width() <= quiz.Picture1->width());
        QVERIFY(quiz.Picture1->picture().sizePixels().height() <= quiz.Picture1->height());
        STEP(click(quiz.Label3(2)));

        STEP(clickIndicator(catalogue.Check1)); // for editing
        STEP(click(catalogue.Label2(1)));
        QVERIFY(tour.shown(QStringLiteral("wizard")));
        QCOMPARE(tour.screens().get<Wizard>(QStringLiteral("wizard")).Text1->text(), sweepTitle);
        STEP(click(tour.screens().get<Wizard>(QStringLiteral("wizard")).Label3(0)));

        STEP(clickIndicator(catalogue.Check2)); // for deletion
        QVERIFY(!catalogue.Check1->isChecked());
        STEP(click(catalogue.Label2(1)));
        QCOMPARE(tour.test().dialogs().questions.size(), 1);
        QVERIFY(catalogue.Label2(1)->isHidden());
    }
    QCOMPARE(tour.test().dialogs().messages, messages);
    STEP(click(catalogue.Label2(0)));
    QVERIFY(tour.shown(QStringLiteral("intro0")));
    STEP(checkMenu(tour));
}

// Every celebration: each score from 6 to 12 with each choice of the random draw.
void celebrations(Tour& tour)
{
    STEP(openMenu(tour));
    for (int score = 6; score <= 12; ++score) {
        for (double draw : {0.0, 0.5, 0.9}) {
            tour.state().score = score;
            tour.state().outof = score;
            tour.test().random().values = {draw};
            const qsizetype before = tour.test().sound().played.size();
            tour.screens().show(QStringLiteral("Welldone"));
            STEP(runResultTimers(tour));
            QCOMPARE(tour.test().sound().played.size(), before + 1);
            QVERIFY(tour.test().sound().played.last().startsWith(QLatin1String("wav\\")));
            STEP(closeResults(tour));
        }
    }
}

QtMessageHandler testLogHandler = nullptr;

// Every damaged picture makes Qt's image readers complain, and the offscreen platform cannot
// raise or lower windows: expected on every row, so kept out of the log.
void quietLogHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool expected = message.startsWith(QLatin1String("This plugin does not support"))
                          || (context.category && QByteArray(context.category).startsWith("qt.gui.imageio"));
    if (type == QtWarningMsg && expected)
        return;
    testLogHandler(type, context, message);
}

struct Part
{
    QString name;
    std::function<void(Tour&)> run;
};

std::vector<Part> tourParts()
{
    std::vector<Part> parts{
        {QStringLiteral("start and leave"), startAndLeave},
        {QStringLiteral("guide"), guide},
        {QStringLiteral("acknowledgments"), acknowledgments},
        {QStringLiteral("wizard and catalogue"), wizardAndCatalogue},
        {QStringLiteral("celebrations"), celebrations},
    };
    for (const Topic& topic : shippedTopics().topics()) {
        parts.push_back({topic.formName + QStringLiteral(" notes"), [&topic](Tour& t) { topicNotes(t, topic); }});
        parts.push_back({topic.formName + QStringLiteral(" quiz"), [&topic](Tour& t) { topicQuiz(t, topic); }});
        parts.push_back(
            {topic.formName + QStringLiteral(" activities"), [&topic](Tour& t) { topicActivities(t, topic); }});
    }
    return parts;
}

} // namespace

class TestContentSweep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_clock.start();
        testLogHandler = qInstallMessageHandler(quietLogHandler);
        QVERIFY(m_template.isValid());
        QDirIterator it(QStringLiteral(BS_CONTENT_DIR), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString file = QDir(QStringLiteral(BS_CONTENT_DIR)).relativeFilePath(from);
            const QString to = m_template.path() + u'/' + file;
            QDir().mkpath(QFileInfo(to).path());
            QVERIFY(QFile::copy(from, to));
            m_files << file;
        }
        m_files.sort();
        QVERIFY(!m_files.isEmpty());
        m_swept = sweptFiles(m_files);
        m_parts = tourParts();

        // Learn which parts use which file: each part once on intact content.
        for (std::size_t p = 0; p < m_parts.size(); ++p) {
            Tour tour(m_template.path(), m_files, QString(), Damage::None);
            OpenWatch watch(tour.test().contentRoot());
            m_watching = watch.works();
            m_parts[p].run(tour);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("the tour fails on intact content: ") + m_parts[p].name));
            QSet<QString> used = tour.cueFiles();
            if (m_watching)
                used.unite(watch.opened());
            for (const QString& file : std::as_const(used))
                m_usedBy[file].insert(p);
        }
        // Every topic part reads the whole topics folder; a topic file matters to the parts
        // that show its page or its activities.
        for (const Topic& topic : shippedTopics().topics()) {
            QStringList forms{topic.formName};
            for (const ActivityDefinition& activity : topic.activities)
                forms << activity.formName;
            std::set<std::size_t> parts;
            for (std::size_t p = 0; p < m_parts.size(); ++p) {
                if (forms.contains(m_parts[p].name.section(u' ', 0, 0)))
                    parts.insert(p);
            }
            m_usedBy[topicFile(topic)] = parts;
        }
    }

    void cleanupTestCase()
    {
        qInfo("content sweep: %lld of %lld files x 3 damages, %d tour parts run in %.1f s",
              qlonglong(m_swept.size()), qlonglong(m_files.size()), m_partRuns, m_clock.elapsed() / 1000.0);
    }

    // Without it, a file could go unswept because no part of the tour reaches it.
    void everyFileIsUsedOnTheTour()
    {
        if (!m_watching)
            QSKIP("the kernel does not report file opens here");
        QStringList unused;
        for (const QString& file : std::as_const(m_files)) {
            if (!m_usedBy.contains(file))
                unused << file;
        }
        QVERIFY2(unused.isEmpty(), qPrintable(QStringLiteral("no part of the tour uses: ") + unused.join(u", ")));
    }

    void damagedFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("damageCode");
        for (const QString& file : std::as_const(m_swept)) {
            for (Damage damage : {Damage::Deleted, Damage::Truncated, Damage::Garbage})
                QTest::addRow("%s %s", qPrintable(file), qPrintable(damageName(damage))) << file << int(damage);
        }
    }
    void damagedFile()
    {
        QFETCH(QString, file);
        QFETCH(int, damageCode);
        const auto damage = Damage(damageCode);
        // A file no part was seen to use gets the whole tour.
        std::set<std::size_t> parts = m_usedBy.value(file);
        if (parts.empty()) {
            for (std::size_t p = 0; p < m_parts.size(); ++p)
                parts.insert(p);
        }
        for (std::size_t p : parts) {
            Tour tour(m_template.path(), m_files, file, damage);
            ++m_partRuns;
            m_parts[p].run(tour);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("in the tour's part: ") + m_parts[p].name));
        }
    }

    // The program's own loaders on every damaged picture and drawing: a picture or an empty
    // one, and whatever they give can be drawn.
    void picturesLoadDamagedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("damageCode");
        for (const QString& file : std::as_const(m_files)) {
            const QString suffix = QFileInfo(file).suffix().toLower();
            if (!QStringList{"jpg", "gif", "bmp", "wmf"}.contains(suffix))
                continue;
            for (Damage damage : {Damage::Deleted, Damage::Truncated, Damage::Garbage})
                QTest::addRow("%s %s", qPrintable(file), qPrintable(damageName(damage))) << file << int(damage);
        }
    }
    void picturesLoadDamagedFiles()
    {
        QFETCH(QString, file);
        QFETCH(int, damageCode);
        const auto damage = Damage(damageCode);
        QTemporaryDir folder;
        const QString path = folder.path() + u'/' + file;
        QDir().mkpath(QFileInfo(path).path());
        QVERIFY(QFile::copy(m_template.path() + u'/' + file, path));
        damageFile(path, damage);
        const Content content(folder.path());
        const Pictures pictures(content);
        const Picture picture = pictures.load(file);
        if (damage != Damage::Truncated)
            QVERIFY(picture.isNull());
        if (!picture.isNull()) {
            QVERIFY(picture.sizeTwips().width() >= 0 && picture.sizeTwips().height() >= 0);
            QImage canvas(400, 300, QImage::Format_ARGB32_Premultiplied);
            canvas.fill(Qt::white);
            QPainter painter(&canvas);
            picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(picture.sizePixels()).boundedTo(QSizeF(400, 300))));
        }
    }

    // The real player, given each broken sound, plays or stays silent but carries on.
    void realPlayerSurvivesBrokenSounds()
    {
        QTemporaryDir folder;
        QStringList cues;
        for (const QString& file : std::as_const(m_files)) {
            if (!file.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
                continue;
            for (Damage damage : {Damage::Deleted, Damage::Truncated, Damage::Garbage}) {
                const QString name = QFileInfo(file).completeBaseName() + u'-' + damageName(damage) + QStringLiteral(".wav");
                const QString path = folder.path() + QStringLiteral("/wav/") + name;
                QDir().mkpath(QFileInfo(path).path());
                QVERIFY(QFile::copy(m_template.path() + u'/' + file, path));
                damageFile(path, damage);
                cues << QStringLiteral("wav\\") + name;
            }
        }
        QVERIFY(!cues.isEmpty());
        std::unique_ptr<SoundPlayer> player = makeRealSoundPlayer(folder.path());
        player->preload(cues.mid(0, 3));
        // Without the sound library the program is silent and there is nothing to check.
        const auto* lazy = dynamic_cast<const LazySoundPlayer*>(player.get());
        QVERIFY(lazy && lazy->isLoaded());
        for (const QString& cue : std::as_const(cues))
            player->play(cue);
        // Wait until the sound system has finished reading every file that exists: the player
        // shares the decoded samples with any other sound effect of the same file. A WAV cut
        // short never finishes: the decoder waits for the rest, and the player stays silent.
        std::vector<std::unique_ptr<QSoundEffect>> probes;
        for (const QString& cue : std::as_const(cues)) {
            const QString path = Content(folder.path()).resolve(cue);
            if (!QFileInfo::exists(path) || cue.contains(damageName(Damage::Truncated)))
                continue;
            auto probe = std::make_unique<QSoundEffect>();
            probe->setSource(QUrl::fromLocalFile(path));
            probes.push_back(std::move(probe));
        }
        QVERIFY(!probes.empty());
        for (const auto& probe : probes)
            QTRY_VERIFY_WITH_TIMEOUT(probe->status() != QSoundEffect::Loading, 20000);
        for (const QString& cue : std::as_const(cues))
            player->play(cue);
        QCoreApplication::processEvents();
        player.reset();
    }

private:
    QTemporaryDir m_template;
    QStringList m_files;
    QStringList m_swept;
    std::vector<Part> m_parts;
    QHash<QString, std::set<std::size_t>> m_usedBy;
    bool m_watching = false;
    int m_partRuns = 0;
    QElapsedTimer m_clock;
};

QTEST_MAIN(TestContentSweep)
#include "test_content_sweep.moc"
