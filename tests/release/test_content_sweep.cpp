// Every file of content/ missing, cut to half its length, or replaced by noise, on every part
// of a tour of the program that reads it: the screens still come up as they should, with an
// empty box where a picture could not be read and the program's own message where a file it
// must read is unusable. Which part reads a file is a short table by folder and by what each
// topic names; a first run on intact content checks that each file is really read by a part
// the table gives it, so that no file goes unswept. A missing picture and one of
// noise both load as an empty picture (checked for every picture on the loader itself), so the
// tour shows pictures cut short or of noise; the other files get all three kinds of damage.
#include "activities/ActivityScreen.h"
#include "app/Intro0.h"
#include "app/Titlefrm.h"
#include "authoring/Wizard.h"
#include "authoring/Worksheets.h"
#include "base/Names.h"
#include "base/Twips.h"
#include "platform/LazySoundPlayer.h"
#include "platform/Pictures.h"
#include "quiz/Multiple.h"
#include "quiz/Welldone.h"
#include "quiz/Wrong.h"
#include "support/ShippedTopics.h"
#include "support/TestProgram.h"
#include "topics/NotesViewer.h"
#include "topics/TopicPage.h"
#include "ui/LabelButton.h"
#include "ui/Language.h"
#include "ui/Screens.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSoundEffect>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <functional>
#include <map>
#include <unistd.h>

using namespace bs;

namespace {

constexpr int Intact = 0, Deleted = 1, Truncated = 2, Garbage = 3; // kinds of damage
const char* const damageNames[] = {"intact", "deleted", "truncated", "garbage"};
const QString menuPicture = QStringLiteral("Images\\brellinshoresm.jpg");

// The topics written in Welsh are toured with the program in Welsh; their parts are named
// "cy llandudno1 page" and so on.
const QString welshFolder = QStringLiteral("topics/cy/");
const QRegularExpression pictureFile(QStringLiteral("\\.(jpg|gif|bmp|wmf)$"),
                                     QRegularExpression::CaseInsensitiveOption);

// The parts of a topic's tour, each from the menu through its page: the page alone (its topic
// file and panorama), or with its notes, its quiz or its activities.
constexpr int Page = 1, Notes = 2, Quiz = 4, Activities = 8;
const std::pair<int, const char*> topicParts[] = {
    {Page, " page"}, {Notes, " notes"}, {Quiz, " quiz"}, {Activities, " activities"}};

// The content files the parts of a topic's tour read, relative to the content folder.
QSet<QString> filesOf(const Topic& topic, int parts)
{
    const Content content(QStringLiteral(BS_CONTENT_DIR));
    QSet<QString> files;
    const auto add = [&](int part, const QString& path) {
        if (parts & part)
            files.insert(QDir(content.root()).relativeFilePath(content.resolve(path)));
    };
    add(Page, QStringLiteral("topics/") + topic.formName + QStringLiteral(".json"));
    if (topic.keyFactsKey.startsWith(QStringLiteral("cy ")))
        add(Page, welshFolder + topic.formName + QStringLiteral(".json"));
    add(Page, topic.panorama);
    add(Quiz, topic.quizPicture);
    add(Quiz, topic.worksheet);
    for (const QString& page : {topic.keyFactsKey + u'a', topic.keyFactsKey + u'b', topic.notesKey})
        for (const char* folder : {"wmf/", "wmf2/"})
            add(Notes, QLatin1String(folder) + page + QStringLiteral(".wmf"));
    for (const ActivityDefinition& activity : topic.activities)
        for (const PictureSpec& picture : activity.pictures)
            add(Activities, picture.path);
    return files;
}

// The parts of the tour that read a file: a topic's own files the parts of its topic, the rest
// by name. Sounds are not read on the tour (the sound is faked): the real player is given them.
QStringList partsUsing(const QString& file)
{
    QStringList parts;
    for (const Topic& topic : test::shippedTopics().topics())
        for (const auto& [part, name] : topicParts)
            if (filesOf(topic, part).contains(file))
                parts << topic.formName + QLatin1String(name);
    for (const Topic& topic : test::welshTopicPages())
        for (const auto& [part, name] : topicParts)
            if (filesOf(topic, part).contains(file))
                parts << QStringLiteral("cy ") + topic.formName + QLatin1String(name);
    for (const auto& [pattern, part] : {std::pair{"^wmf2?/guide", "guide"},
                                        {"^(wmf2?/acknowledgments|logo/)", "acknowledgments"},
                                        {"^wmf2?/cy guide", "cy guide"},
                                        {"^wmf2?/cy acknowledgments", "cy acknowledgments"},
                                        {"^(multiple/track|Images/brellinshoresm)", "start"},
                                        {"^(multiple/track|Images/brellinshoresm)", "wizard and catalogue"}})
        if (QRegularExpression(QLatin1String(pattern)).match(file).hasMatch())
            parts << QLatin1String(part);
    return parts;
}

void damageFile(const QString& path, int damage)
{
    QFile file(path);
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    QFile::remove(path); // never writes through a link to the template
    if (damage == Truncated)
        bytes.truncate(bytes.size() / 2);
    if (damage == Garbage) { // noise of the file's own length, the same on every run
        QRandomGenerator noise(20260);
        bytes.resize(std::max<qsizetype>(bytes.size(), 16));
        for (char& byte : bytes)
            byte = char(noise.bounded(256));
    }
    if (damage != Deleted && file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// One part of the tour: a program on a copy of content/ with at most one file damaged.
struct Tour
{
    Tour(const QString& templateRoot, const QStringList& files, const QString& damagedFile, int damage)
        : damagedFile(damagedFile), damage(damage)
    {
        for (const QString& file : files) { // the program writes only under multiple/: the rest are links
            const QString from = templateRoot + u'/' + file, to = test.contentRoot() + u'/' + file;
            QDir().mkpath(QFileInfo(to).path());
            if (file.startsWith(u"multiple/") || ::link(qPrintable(from), qPrintable(to)) != 0)
                QFile::copy(from, to);
        }
        if (damage != Intact)
            damageFile(test.contentRoot() + u'/' + damagedFile, damage);
    }
    ProgramState& state() { return test.state(); }
    template <class T> T& get(const QString& formName) { return test.screens().get<T>(formName); }
    bool shown(const QString& name)
    {
        return test.screens().loaded(name) && test.screens().loaded(name)->isVisible();
    }
    bool loaded(const QString& formName) { return test.screens().isLoaded(formName); }
    QStringList& messages() { return test.dialogs().messages; }

    // The damage done to the file a content path names ("images\stmary.jpg").
    int damageOf(const QString& contentPath)
    {
        const QString path = QDir::cleanPath(test.program().content().resolve(contentPath));
        return path == QDir::cleanPath(test.contentRoot() + u'/' + damagedFile) ? damage : Intact;
    }

    // A box shows what the program's loader makes of the file: nothing for a missing file or
    // noise, the picture for an intact photograph.
    void checkPicture(const Picture& shown, const QString& contentPath)
    {
        const Picture fromFile = test.program().pictures().load(contentPath);
        QVERIFY2(shown.isNull() == fromFile.isNull() && shown.sizeTwips() == fromFile.sizeTwips(),
                 qPrintable(contentPath));
        const int damage = damageOf(contentPath);
        if (damage == Deleted || damage == Garbage)
            QVERIFY2(shown.isNull(), qPrintable(contentPath + QStringLiteral(" should leave its box empty")));
        if (damage == Intact && !contentPath.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive))
            QVERIFY2(!shown.isNull(), qPrintable(contentPath + QStringLiteral(" should show")));
    }

    TestProgram test;
    QString damagedFile;
    int damage;
};

using Parts = std::map<QString, std::function<void(Tour&)>>;

// Stops the part at its first failed check.
#define STEP(call)                                                                                           \
    do {                                                                                                     \
        call;                                                                                                \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

void click(QWidget* control)
{
    QVERIFY2(control->isVisible() && control->isEnabled(), qPrintable(control->objectName()));
    const bool tick = control->inherits("QCheckBox") || control->inherits("QRadioButton");
    QTest::mouseClick(control, Qt::LeftButton, {},
                      tick ? QPoint(7, control->height() / 2) : control->rect().center());
}

Intro0& openMenu(Tour& tour)
{
    tour.test.screens().show(screenName::menu);
    auto& menu = tour.get<Intro0>(screenName::menu);
    if (menu.Timer1->isActive())
        menu.Timer1_Timer();
    return menu;
}

// A viewer's page: the screen and print drawings, printed as one whole job holding the print
// drawing, with no message.
template <class Viewer> void checkViewerPage(Tour& tour, Viewer& viewer, const QString& fileName)
{
    STEP(tour.checkPicture(viewer.Image1->picture(), QStringLiteral("wmf\\") + fileName));
    STEP(tour.checkPicture(viewer.Image2->picture(), QStringLiteral("wmf2\\") + fileName));
    const FakePrinter& printer = tour.test.printer();
    const int ended = printer.jobsEnded;
    STEP(click(viewer.Label3(0)));
    QCOMPARE(printer.jobsEnded, ended + 1);
    QVERIFY(tour.messages().isEmpty() && viewer.isVisible());
    const auto drawn = std::find_if(printer.ops.crbegin(), printer.ops.crend(),
                                    [](const PrintOp& op) { return op.kind == PrintOp::Picture; });
    QVERIFY(drawn != printer.ops.crend() && drawn->picture.isNull() == viewer.Image2->picture().isNull());
}

void runResults(Tour& tour, const QString& printedMessage = {})
{
    QVERIFY(tour.shown(screenName::results));
    auto& results = tour.get<Welldone>(screenName::results);
    results.Timer1_Timer(), results.Timer2_Timer(), results.Timer3_Timer();
    STEP(tour.checkPicture(results.Picture1->picture(), menuPicture));
    if (!printedMessage.isEmpty()) { // a certificate, or the wrong answers listed
        if (results.Text1->isVisible())
            QTest::keyClicks(results.Text1, QStringLiteral("Sam"));
        STEP(click(results.Label3(0)));
        QVERIFY(tour.messages().contains(printedMessage) || tour.shown(screenName::wrongAnswers));
        if (tour.shown(screenName::wrongAnswers))
            STEP(click(tour.get<Wrong>(screenName::wrongAnswers).Label3(1)));
    }
    if (tour.shown(screenName::results))
        STEP(click(results.Label3(1)));
    QVERIFY(!tour.loaded(screenName::results) && !tour.loaded(screenName::wrongAnswers));
}

// ---- the parts of the tour ----

// The title screen, the menu and a celebration, each with the program's picture.
void start(Tour& tour)
{
    tour.test.screens().show(screenName::title);
    auto& title = tour.get<Titlefrm>(screenName::title);
    STEP(tour.checkPicture(title.Picture1->picture(), menuPicture));
    STEP(click(title.Command1));
    TestProgram::flushDeletes();
    STEP(tour.checkPicture(openMenu(tour).Image1->picture(), menuPicture));
    QVERIFY(tour.state().workcount >= 0 && tour.state().workcount <= CatalogueList::CatalogueLimit);
    QVERIFY(tour.test.sound().played.contains(cue::click) && tour.shown(screenName::menu));
    tour.state().score = tour.state().outof = 10;
    tour.test.screens().show(screenName::results);
    STEP(runResults(tour));
}

// A quiz from the topic page to its results; a worksheet that could not be read is reported
// by the page, with nothing of it in the question bank.
void takeQuiz(Tour& tour, const Topic& topic, bool rightly)
{
    tour.messages().clear();
    STEP(click(tour.get<TopicPage>(topic.formName).Label3(0)));
    if (tour.damageOf(topic.worksheet) != Intact) {
        QCOMPARE(tour.messages(), QStringList{QCoreApplication::translate(
                                      "bs::TopicPage", TopicPage::CorruptWorksheetMessage.toUtf8().constData())});
        QVERIFY(!tour.loaded(screenName::quiz) && tour.state().worktitle.isEmpty());
        return;
    }
    auto& quiz = tour.get<Multiple>(screenName::quiz);
    QVERIFY(tour.shown(screenName::quiz) && !quiz.Label2->text().isEmpty());
    STEP(tour.checkPicture(quiz.Picture1->picture(), topic.quizPicture));
    STEP(click(quiz.Label3(3))); // Print Worksheet
    QCOMPARE(tour.messages().value(0), QCoreApplication::translate("bs::Multiple", "Your worksheet is now printing."));
    for (int n = 1; n <= 10; ++n) {
        if (rightly)
            STEP(click(quiz.Option1(tour.state().correct[n].toInt())));
        STEP(click(quiz.Label3(1)));
    }
    QCOMPARE(tour.state().score, rightly ? 10 : 0);
    STEP(runResults(tour, QCoreApplication::translate("bs::Welldone", "Your certificate is now printing.")));
}

// Places every item in its box, checks the score and closes the results.
void doActivity(Tour& tour, const QString& formName)
{
    auto& screen = tour.get<ActivityScreen>(formName);
    QVERIFY(tour.shown(formName) && QTest::qWaitForWindowExposed(&screen));
    for (int i = 0; i < int(screen.definition().pictures.size()); ++i)
        STEP(tour.checkPicture(screen.Image1(i)->picture(), screen.definition().pictures[i].path));
    QWindow* window = screen.windowHandle();
    for (int i = 0; i < screen.engine().count(); ++i) {
        const TwipsRect& box = screen.engine().target(i);
        const QPoint to = twipsRect(box.left, box.top, box.width, box.height).center();
        const QPoint from = screen.Label2(i)->mapTo(&screen, screen.Label2(i)->rect().center());
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, (from + to) / 2);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    }
    STEP(click(screen.Label3(2)));
    QCOMPARE(tour.state().score, screen.engine().count());
    STEP(runResults(tour));
    STEP(click(screen.Label3(0)));
    QVERIFY(!tour.loaded(formName));
}

// A topic's page and its Key Facts and Teacher's Notes, its quiz rightly and wrongly or its
// activities; a damaged topic file keeps the page shut with a message, and the menu carries on.
void topicTour(Tour& tour, const Topic& given, int parts)
{
    STEP(click(openMenu(tour).Label2(Intro0::topicEntry(given.place, given.topic))));
    if (tour.damageOf(QStringLiteral("topics/") + given.formName + QStringLiteral(".json")) != Intact) {
        if (currentLanguage() == Language::English) // in Welsh, the place and topic are named in Welsh
            QCOMPARE(tour.messages().value(0),
                     Intro0::topicNotOpenedMessage(given.place + QStringLiteral(": ") + given.topic));
        QCOMPARE(tour.messages().size(), 1);
        QVERIFY(!tour.loaded(given.formName) && tour.shown(screenName::menu));
        return;
    }
    // A Welsh page whose variant is missing or refused is the English page.
    const Topic& topic = currentLanguage() == Language::Welsh
                                 && tour.damageOf(welshFolder + given.formName + QStringLiteral(".json")) != Intact
                             ? *test::shippedTopics().topicNamed(given.formName)
                             : given;
    auto& page = tour.get<TopicPage>(topic.formName);
    QVERIFY(tour.shown(topic.formName));
    QCOMPARE(page.Label1->text(), topic.title);
    STEP(tour.checkPicture(page.Image1->picture(), topic.panorama));
    page.HScroll1->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(page.Image1->leftTwips(), 12000 - page.Image1->widthTwips());
    if (parts & Notes) {
        STEP(click(page.Label3(4))); // Key Facts, two pages
        auto* viewer = &tour.get<NotesViewer>(screenName::notes);
        STEP(checkViewerPage(tour, *viewer, NotesViewer::pageFileName(topic.keyFactsKey, 1)));
        STEP(click(viewer->Label3(2)));
        STEP(checkViewerPage(tour, *viewer, NotesViewer::pageFileName(topic.keyFactsKey, 2)));
        STEP(click(viewer->Label3(1)));
        STEP(click(page.Label3(5))); // Teacher's Notes
        viewer = &tour.get<NotesViewer>(screenName::notes);
        STEP(checkViewerPage(tour, *viewer, topic.notesKey + QStringLiteral(".wmf")));
        STEP(click(viewer->Label3(1)));
    }
    for (const bool rightly : {true, false})
        if (parts & Quiz)
            STEP(takeQuiz(tour, topic, rightly));
    if (parts & Activities) {
        STEP(click(page.Label3(1)));
        STEP(doActivity(tour, topic.labelling));
        STEP(click(page.Label3(3)));
        STEP(doActivity(tour, topic.ordering));
    }
    STEP(click(page.Label3(2)));
    QVERIFY(!tour.loaded(topic.formName) && tour.shown(screenName::menu));
}

// A teachers' page in the language chosen: its Welsh drawing, or the English where the Welsh
// one is missing.
QString teachersPage(Tour& tour, const QString& english)
{
    const QString welsh = QStringLiteral("cy ") + english;
    const bool present = tour.damageOf(QStringLiteral("wmf\\") + welsh) != Deleted &&
                         tour.damageOf(QStringLiteral("wmf2\\") + welsh) != Deleted;
    return currentLanguage() == Language::Welsh && present ? welsh : english;
}

void guide(Tour& tour)
{
    STEP(click(openMenu(tour).Label2(20)));
    auto& viewer = tour.get<NotesViewer>(screenName::guide);
    for (int page = 1; page <= NotesViewer::PageCount; ++page) {
        if (page > 1)
            STEP(click(viewer.Label3(2)));
        STEP(checkViewerPage(tour, viewer, teachersPage(tour, NotesViewer::pageFileName(page))));
    }
    STEP(click(viewer.Label3(1)));
    QVERIFY(!tour.loaded(screenName::guide));
}

void acknowledgments(Tour& tour)
{
    STEP(click(openMenu(tour).Label2(19)));
    auto& viewer = tour.get<NotesViewer>(screenName::notes);
    STEP(checkViewerPage(tour, viewer, teachersPage(tour, QStringLiteral("acknowledgments.wmf"))));
    STEP(tour.checkPicture(viewer.Picture2->picture(), QStringLiteral("logo\\quenlow2.bmp")));
    for (int tick = 0; tick <= 20; ++tick) { // every frame of the animation, and round again
        viewer.Timer1_Timer();
        STEP(tour.checkPicture(viewer.Picture1->picture(), NotesViewer::logoFrameFile(tour.state().logoframe)));
    }
    STEP(click(viewer.Label3(1)));
    QVERIFY(tour.shown(screenName::menu));
}

// A worksheet written in the wizard, then in the catalogue opened as a quiz and deleted. The
// worksheet is written whatever became of the catalogue; a catalogue that cannot be read
// says so and leaves the catalogue screen empty.
void wizardAndCatalogue(Tour& tour)
{
    Intro0& menu = openMenu(tour);
    STEP(click(menu.Label2(17)));
    auto& wizard = tour.get<Wizard>(screenName::wizard);
    QTest::keyClicks(wizard.Text1, QStringLiteral("Sweep Worksheet"));
    for (int q = 0; q < 10; ++q) {
        QTest::keyClicks(wizard.Text2(q), QStringLiteral("Q%1").arg(q + 1));
        for (int a = 0; a < 4; ++a)
            QTest::keyClicks(wizard.Text3(4 * q + a), QStringLiteral("A%1").arg(a));
        STEP(click(wizard.Check1(4 * q + q % 4)));
    }
    STEP(click(wizard.Label3(1)));
    const QStringList messages = tour.messages();
    QVERIFY(QFileInfo::exists(tour.test.contentRoot() + QStringLiteral("/multiple/Sweep Worksheet.txt")));
    const int catalogueDamage = tour.damageOf(QStringLiteral("multiple\\track.txt"));
    const bool catalogued = messages == QStringList{QStringLiteral("Your worksheet has been saved.")};
    if (catalogueDamage != Truncated)
        QCOMPARE(messages.value(0), catalogueDamage == Intact
                                        ? QStringLiteral("Your worksheet has been saved.")
                                        : QStringLiteral("There was a problem saving your worksheet"));
    STEP(click(wizard.Label3(0)));
    STEP(click(menu.Label2(18)));
    auto& catalogue = tour.get<Worksheets>(screenName::catalogue);
    QCOMPARE(!catalogue.Label2(1)->isHidden(), catalogued);
    if (catalogued) {
        QCOMPARE(catalogue.Label2(1)->caption(), QStringLiteral("Sweep Worksheet"));
        STEP(click(catalogue.Label2(1))); // as a quiz, with the menu's picture scaled down whole
        auto& quiz = tour.get<Multiple>(screenName::quiz);
        QCOMPARE(quiz.Picture1->picture().isNull(),
                 tour.test.program().pictures().load(menuPicture).isNull());
        STEP(click(quiz.Label3(2)));
        STEP(click(catalogue.Check2)); // for deletion
        STEP(click(catalogue.Label2(1)));
        QCOMPARE(tour.test.dialogs().questions.size(), 1);
        QVERIFY(catalogue.Label2(1)->isHidden());
    }
    STEP(click(catalogue.Label2(0)));
    QVERIFY(tour.shown(screenName::menu));
}

Parts tourParts()
{
    Parts parts{{QStringLiteral("start"), start},
                {QStringLiteral("guide"), guide},
                {QStringLiteral("acknowledgments"), acknowledgments},
                {QStringLiteral("wizard and catalogue"), wizardAndCatalogue}};
    for (const auto& [name, part] : {std::pair{"cy guide", &guide}, {"cy acknowledgments", &acknowledgments}})
        parts[QLatin1String(name)] = [part](Tour& tour) {
            setLanguage(Language::Welsh);
            part(tour);
            setLanguage(Language::English);
        };
    for (const Topic& topic : test::shippedTopics().topics())
        for (const auto& [part, name] : topicParts)
            parts[topic.formName + QLatin1String(name)] = [&topic, part](Tour& tour) {
                topicTour(tour, topic, part);
            };
    for (const Topic& topic : test::welshTopicPages())
        for (const auto& [part, name] : topicParts)
            parts[QStringLiteral("cy ") + topic.formName + QLatin1String(name)] = [topic, part](Tour& tour) {
                setLanguage(Language::Welsh);
                topicTour(tour, topic, part);
                setLanguage(Language::English);
            };
    return parts;
}

// Every damaged picture makes Qt's image readers complain, and the offscreen platform cannot
// raise windows: expected on every row, so kept out of the log.
QtMessageHandler testLogHandler = nullptr;
void quietLogHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtWarningMsg || !(message.startsWith(QLatin1String("This plugin does not support")) ||
                                  QByteArray(context.category).startsWith("qt.gui.imageio")))
        testLogHandler(type, context, message);
}

} // namespace

class TestContentSweep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        testLogHandler = qInstallMessageHandler(quietLogHandler);
        const QDir content(QStringLiteral(BS_CONTENT_DIR));
        for (QDirIterator it(content.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            m_files << content.relativeFilePath(it.next());
            QDir().mkpath(QFileInfo(m_template.filePath(m_files.last())).path());
            QVERIFY(QFile::copy(it.filePath(), m_template.filePath(m_files.last())));
        }
        m_parts = tourParts();
    }

    // Each file but the sounds is read (by its access time) by a part the table gives it; so none
    // goes unswept, and the table is right.
    void everyFileIsUsedOnTheTour()
    {
        const QDateTime longAgo(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
        QStringList unused = m_files.filter(QRegularExpression(QStringLiteral("^(?!wav/)")));
        const qsizetype files = unused.size();
        for (const auto& [name, run] : m_parts) {
            Tour tour(m_template.path(), m_files, QString(), Intact);
            for (const QString& file : std::as_const(m_files)) {
                QFile copy(tour.test.contentRoot() + u'/' + file);
                QVERIFY(copy.open(QIODevice::ReadWrite) &&
                        copy.setFileTime(longAgo, QFileDevice::FileAccessTime) &&
                        copy.setFileTime(longAgo, QFileDevice::FileModificationTime));
            }
            run(tour);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("the tour fails on intact content: ") + name));
            unused.removeIf([&](const QString& file) {
                const QFileInfo copy(tour.test.contentRoot() + u'/' + file);
                return copy.lastRead() > longAgo.addDays(1) && partsUsing(file).contains(name);
            });
        }
        if (unused.size() == files)
            QSKIP("this file system keeps no access times");
        QVERIFY2(unused.isEmpty(),
                 qPrintable(QStringLiteral("no part of the tour that the table names reads: ") +
                            unused.join(u", ")));
    }

    void damagedFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("damage");
        // Under the sanitizers, ten times slower, a topic's own files are swept for the first
        // topic of each place only: the same code reads every topic's files.
        QSet<QString> skipped;
#ifdef BS_SWEEP_ONE_TOPIC_A_PLACE
        QSet<QString> places, sampled;
        std::vector<Topic> topics = test::shippedTopics().topics();
        for (Topic topic : test::welshTopicPages()) {
            topic.place.prepend(QStringLiteral("cy "));
            topics.push_back(topic);
        }
        for (const Topic& topic : topics) {
            (places.contains(topic.place) ? skipped : sampled)
                .unite(filesOf(topic, Page | Notes | Quiz | Activities));
            places.insert(topic.place);
        }
        skipped.subtract(sampled);
#endif
        for (const QString& file : std::as_const(m_files))
            for (int damage = pictureFile.match(file).hasMatch() ? 2 : 1; damage <= 3; ++damage)
                if (!file.startsWith(QLatin1String("wav/")) && !skipped.contains(file))
                    QTest::addRow("%s %s", qPrintable(file), damageNames[damage]) << file << damage;
    }
    void damagedFile()
    {
        QFETCH(QString, file);
        QFETCH(int, damage);
        QStringList parts = partsUsing(file);
        for (const auto& [name, run] : m_parts)
            if (parts.isEmpty() || parts.contains(name)) { // a file the table misses gets the whole tour
                Tour tour(m_template.path(), m_files, file, damage);
                run(tour);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(QStringLiteral("in the tour's part: ") + name));
            }
    }

    // The program's loader on every damaged picture and drawing: an empty picture for a missing
    // file or noise, and whatever it gives can be drawn.
    void picturesLoadDamagedFiles()
    {
        for (const QString& file : std::as_const(m_files))
            for (int damage = 1; damage <= 3 && pictureFile.match(file).hasMatch(); ++damage) {
                QTemporaryDir folder;
                QDir().mkpath(QFileInfo(folder.filePath(file)).path());
                QVERIFY(QFile::copy(m_template.filePath(file), folder.filePath(file)));
                damageFile(folder.filePath(file), damage);
                const Content content(folder.path());
                const Picture picture = Pictures(content).load(file);
                QVERIFY2(picture.isNull() || damage == Truncated,
                         qPrintable(file + u' ' + QLatin1String(damageNames[damage])));
                QImage canvas(400, 300, QImage::Format_ARGB32_Premultiplied);
                QPainter painter(&canvas);
                if (!picture.isNull())
                    picture.draw(painter, QRectF(QPointF(0, 0),
                                                 QSizeF(picture.sizePixels()).boundedTo(QSizeF(400, 300))));
            }
    }

    // The real player, given each shipped sound missing, cut short or as noise, plays or stays
    // silent but carries on.
    void realPlayerSurvivesBrokenSounds()
    {
        QTemporaryDir folder;
        QDir().mkpath(folder.filePath(QStringLiteral("wav")));
        QStringList cues;
        for (const QString& file : m_files.filter(QRegularExpression(QStringLiteral("^wav/"))))
            for (int damage = 1; damage <= 3; ++damage) {
                cues << QStringLiteral("wav\\%1-%2.wav")
                            .arg(QFileInfo(file).completeBaseName(), QLatin1String(damageNames[damage]));
                const QString path = folder.filePath(cues.last()).replace(u'\\', u'/');
                QVERIFY(QFile::copy(m_template.filePath(file), path));
                damageFile(path, damage);
            }
        std::unique_ptr<SoundPlayer> player = makeRealSoundPlayer(folder.path());
        player->preload(cues.mid(0, 3));
        const auto* lazy = dynamic_cast<const LazySoundPlayer*>(player.get());
        QVERIFY(!cues.isEmpty() && lazy && lazy->isLoaded());
        for (const QString& cue : std::as_const(cues))
            player->play(cue);
        // Until the sound system has read every file of noise (the player shares the decoded
        // samples with any other effect of the file); a WAV cut short never finishes.
        for (const QString& cue : cues.filter(QLatin1String(damageNames[Garbage]))) {
            QSoundEffect probe;
            probe.setSource(QUrl::fromLocalFile(folder.filePath(cue).replace(u'\\', u'/')));
            QTRY_VERIFY_WITH_TIMEOUT(probe.status() != QSoundEffect::Loading, 20000);
        }
        for (const QString& cue : std::as_const(cues))
            player->play(cue);
        QCoreApplication::processEvents();
    }

private:
    QTemporaryDir m_template;
    QStringList m_files;
    Parts m_parts;
};

QTEST_MAIN(TestContentSweep)
#include "test_content_sweep.moc"
