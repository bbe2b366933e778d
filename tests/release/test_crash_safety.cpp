// Kills a program that saves and deletes worksheets (crash_worker) at random moments, over and
// over on one folder, and checks after every kill that each worksheet file and the catalogue
// hold their old or their new content, whole, and that the next program can go on saving.
#include "support/Fixtures.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/Worksheet.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <memory>
#include <optional>

using namespace bs;

namespace {

constexpr int Rounds = 200;
const QString catalogueName = QStringLiteral("track.txt");

// What the folder holds: each worksheet file's bytes by title, and the catalogue's titles.
struct Folder
{
    QMap<QString, QByteArray> files;
    QStringList catalogue;
    bool operator==(const Folder&) const = default;
};

// One step of the worker, as its journal announced it: 'W'rite, 'T'rack or 'D'elete a title.
struct Step
{
    QChar kind;
    QString title;
    qint64 generation = 0;
};

Folder after(Folder folder, const Step& step)
{
    if (step.kind == u'W')
        folder.files[step.title] = worksheetBytes(test::versionedWorksheet(step.title, step.generation));
    else if (step.kind == u'T' && !folder.catalogue.contains(step.title))
        folder.catalogue.append(step.title);
    else if (step.kind == u'D' && folder.catalogue.contains(step.title))
        folder.catalogue.removeAt(folder.catalogue.lastIndexOf(step.title));
    return folder;
}

// The journal replayed on the folder as it was before: the folder after every finished step,
// and the step the kill interrupted, if any.
struct Replay
{
    Folder finished;
    std::optional<Step> pending;
    QString problem;
};

Replay replay(const QByteArray& journal, const Folder& before)
{
    Replay run{before, {}, {}};
    // A line cut short by the kill has no line feed: it was never written whole.
    for (const QByteArray& raw : journal.left(journal.lastIndexOf('\n') + 1).split('\n')) {
        const QStringList fields = QString::fromUtf8(raw).split(u'\t');
        const QChar kind = fields[0].isEmpty() ? QChar() : fields[0][0];
        if (raw.isEmpty() || kind == u'S')
            continue;
        const Step step{kind.toUpper(), fields.value(1), fields.value(2).toLongLong()};
        const bool known =
            QStringView(u"WTD").contains(step.kind) && test::awkwardTitles().contains(step.title);
        if (known && kind.isUpper() && !run.pending) {
            run.pending = step;
        } else if (known && kind.isLower() && run.pending && run.pending->kind == step.kind &&
                   run.pending->title == step.title && run.pending->generation == step.generation) {
            run.finished = after(run.finished, *run.pending);
            run.pending.reset();
        } else {
            run.problem = QStringLiteral("a failure or a step out of order: ") + QString::fromUtf8(raw);
            return run;
        }
    }
    return run;
}

// The folder as it is on disk, or what is wrong with it: a catalogue that does not read back
// exactly, or a file that is neither a worksheet, the catalogue, its lock nor a temporary file
// of one of them.
std::pair<Folder, QString> observe(const QString& dirPath)
{
    Folder seen;
    const QDir dir(dirPath);
    auto list = std::make_unique<CatalogueList>();
    try {
        readCatalogue(dir.filePath(catalogueName), *list);
    } catch (const DataError& error) {
        return {seen, QStringLiteral("the catalogue does not read back: ") + QString::fromUtf8(error.what())};
    }
    seen.catalogue = QStringList(list->worklist.begin() + 1, list->worklist.begin() + 1 + list->workcount);
    const QByteArray catalogue = test::readBytes(dir.filePath(catalogueName));
    if (catalogue != catalogueBytes(seen.catalogue) || QStringList(seen.catalogue).removeDuplicates() > 0)
        return {seen, QStringLiteral("the catalogue is not its count and titles, each once: ") +
                          QString::fromUtf8(catalogue)};
    const QStringList titles = test::awkwardTitles();
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const bool temporary =
            name.startsWith(catalogueName) || std::any_of(titles.begin(), titles.end(), [&](auto& t) {
                return name.startsWith(worksheetFileName(t) + u'.');
            });
        if (name.endsWith(QStringLiteral(".txt")) && name != catalogueName)
            seen.files[name.chopped(4)] = test::readBytes(dir.filePath(name));
        else if (!temporary)
            return {seen, QStringLiteral("a strange file was left: ") + name};
    }
    return {seen, {}};
}

// Why the folder seen is neither as before the interrupted step nor as after it, file by file.
QString oldOrNewProblem(const Replay& run, const Folder& seen)
{
    const Folder next = run.pending ? after(run.finished, *run.pending) : run.finished;
    if (seen.catalogue != run.finished.catalogue && seen.catalogue != next.catalogue)
        return QStringLiteral("the catalogue lists \"%1\", expected \"%2\" or \"%3\"")
            .arg(seen.catalogue.join(u'|'), run.finished.catalogue.join(u'|'), next.catalogue.join(u'|'));
    for (const QString& title : seen.files.keys() + run.finished.files.keys() + next.files.keys()) {
        const QByteArray bytes = seen.files.value(title, "<none>");
        if (bytes != run.finished.files.value(title, "<none>") && bytes != next.files.value(title, "<none>"))
            return QStringLiteral("%1.txt holds %2 bytes, neither its old nor its new content")
                .arg(title)
                .arg(bytes.size());
    }
    return {};
}

} // namespace

class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    // One folder through all the rounds, as on a teacher's computer: whatever a kill leaves
    // behind (a lock, temporary files) is what the next program meets.
    void killedSavesLeaveOldOrNewFiles()
    {
        const quint32 seed = qEnvironmentVariableIsSet("BS_CRASH_SEED")
                                 ? qEnvironmentVariableIntValue("BS_CRASH_SEED")
                                 : 20240611u;
        qInfo("seed %u (set BS_CRASH_SEED to repeat another run)", seed);
        QRandomGenerator random(seed);
        QTemporaryDir work;
        const QString dir = work.filePath(QStringLiteral("multiple"));
        const QString journalPath = work.filePath(QStringLiteral("journal"));
        QVERIFY(test::writeBytes(QDir(dir).filePath(catalogueName), " 0\r\n"));
        Folder known;
        int killsInWrites = 0;
        int killsInCatalogueChanges = 0;
        for (int round = 1; round <= Rounds; ++round) {
            const QString where = QStringLiteral("round %1 (seed %2): ").arg(round).arg(seed);
            // A lock left by the killed program must not hold up the next save: a save on a copy
            // of the catalogue and its locks shows that, leaving the real ones for the next worker.
            if (QFile::exists(QDir(dir).filePath(catalogueName + QStringLiteral(".lock")))) {
                QTemporaryDir probe;
                for (const QString suffix : {"", ".lock", ".lock.rmlock"})
                    QFile::copy(QDir(dir).filePath(catalogueName + suffix),
                                probe.filePath(catalogueName + suffix));
                const QString failure =
                    test::saveWithFreshLocks(probe.filePath(catalogueName), test::awkwardTitles().first());
                QVERIFY2(failure.isEmpty(),
                         qPrintable(where + "a lock left behind holds up the next save: " + failure));
            }

            QFile::remove(journalPath);
            QProcess worker;
            worker.start(QStringLiteral(BS_CRASH_WORKER), {dir, journalPath, QString::number(round)});
            QVERIFY2(worker.waitForStarted(), qPrintable(where + worker.errorString()));
            // The kill lands after a random number of journal lines, then a random delay.
            const int lines = 1 + int(random.bounded(10));
            const QDeadlineTimer giveUp(60000);
            while (worker.state() == QProcess::Running && test::readBytes(journalPath).count('\n') < lines &&
                   !giveUp.hasExpired())
                QThread::usleep(100);
            QThread::usleep(random.bounded(12001));
            const bool wasRunning = worker.state() == QProcess::Running;
            worker.kill();
            worker.waitForFinished();
            QVERIFY2(wasRunning, qPrintable(where + "the worker stopped before the kill: " +
                                            QString::fromLocal8Bit(worker.readAllStandardError())));

            const QByteArray journal = test::readBytes(journalPath);
            const Replay run = replay(journal, known);
            const auto [seen, problem] = observe(dir);
            const QString wrong = !run.problem.isEmpty() ? run.problem
                                  : !problem.isEmpty()   ? problem
                                                         : oldOrNewProblem(run, seen);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(where + wrong + "\njournal ends:\n" + QString::fromUtf8(journal.right(400))));
            if (run.pending)
                ++(run.pending->kind == u'W' ? killsInWrites : killsInCatalogueChanges);
            known = seen;
        }

        // Whatever the last kill left, a program that runs to its end saves and deletes as usual.
        QFile::remove(journalPath);
        QProcess worker;
        worker.start(QStringLiteral(BS_CRASH_WORKER), {dir, journalPath, QString::number(Rounds + 1), "30"});
        QVERIFY(worker.waitForFinished(120000));
        QVERIFY2(worker.exitStatus() == QProcess::NormalExit && worker.exitCode() == 0,
                 qPrintable(QString::fromLocal8Bit(worker.readAllStandardError())));
        const Replay last = replay(test::readBytes(journalPath), known);
        QVERIFY2(last.problem.isEmpty() && !last.pending, qPrintable(last.problem));
        const auto [final, problem] = observe(dir);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(final == last.finished);
        qInfo("%d kills inside a worksheet write, %d inside a catalogue change", killsInWrites,
              killsInCatalogueChanges);
        // Kills must have landed inside both kinds of write, or the rounds proved little.
        QVERIFY(killsInWrites > 0 && killsInCatalogueChanges > 0);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
