// Several programs add records to one results file at the same moment; one is killed with
// SIGKILL while it runs, after leaving half a line as a power cut would. Every record of the
// programs that finished must be there exactly once, the killed one's records up to the last it
// announced (at most the one it was writing missing), and the reader must read all of them.
// On a local folder, and on an sshfs mount of this computer where sshfs and FUSE can be used.
#include "results/RecordsFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <memory>
#include <vector>

using namespace bs;

namespace {

constexpr int Writers = 4;
constexpr int Records = 300;

// Runs the writers on folder, kills writer 0 at a random moment after it tore a line, and
// checks the folder. Returns the failure, empty when none.
QString runWriters(const QString& folder)
{
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int w = 0; w < Writers; ++w) {
        auto process = std::make_unique<QProcess>();
        QStringList args{folder, QStringLiteral("w%1").arg(w), QString::number(Records)};
        if (w == 0) {
            args[2] = QString::number(QRandomGenerator::global()->bounded(Records / 4, Records));
            args << QStringLiteral("tear");
        }
        process->start(QStringLiteral(BS_RECORDS_WRITER), args);
        writers.push_back(std::move(process));
    }
    // Killed once its half line is written, or at a random moment of its writing.
    QProcess& killed = *writers[0];
    const bool afterTearing = QRandomGenerator::global()->bounded(2) == 0;
    const int moment = QRandomGenerator::global()->bounded(1, 200);
    QByteArray announced;
    QElapsedTimer started;
    started.start();
    if (!QTest::qWaitFor(
            [&] {
                announced += killed.readAllStandardOutput();
                return afterTearing ? announced.contains("torn") : started.elapsed() >= moment;
            },
            60000))
        return QStringLiteral("the first writer never tore its line");
    ::kill(pid_t(killed.processId()), SIGKILL);
    killed.waitForFinished(60000);
    announced += killed.readAllStandardOutput();
    for (auto& process : writers) {
        if (process->state() != QProcess::NotRunning && !process->waitForFinished(120000))
            return QStringLiteral("a writer did not finish");
    }
    for (int w = 1; w < Writers; ++w) {
        if (writers[w]->exitStatus() != QProcess::NormalExit || writers[w]->exitCode() != 0)
            return QStringLiteral("writer %1 failed: %2").arg(w).arg(QString::fromLocal8Bit(writers[w]->readAllStandardError()));
    }

    const RecordsRead read = readRecordsFolder(folder);
    QMap<QString, QList<int>> scores;
    for (const ResultRecord& r : read.records)
        scores[r.pupil].append(r.score);
    QList<int> all;
    for (int i = 0; i < Records; ++i)
        all.append(i);
    for (int w = 1; w < Writers; ++w) {
        if (scores.value(QStringLiteral("w%1").arg(w)) != all)
            return QStringLiteral("writer %1's records are not each there once, in order (%2 read; %3 files with problems)")
                .arg(w)
                .arg(scores.value(QStringLiteral("w%1").arg(w)).size())
                .arg(read.problems.size());
    }
    // The killed one: every record it announced, perhaps the one it was writing, never the torn one.
    const int done = int(announced.count('\n')) - (announced.contains("torn") ? 1 : 0);
    const QList<int> got = scores.value(QStringLiteral("w0"));
    if (got != all.first(done) && got != all.first(std::min(done + 1, int(all.size()))))
        return QStringLiteral("the killed writer announced %1 records; %2 were read").arg(done).arg(got.size());
    // The torn half-line, and nothing more, is reported damaged (the next record after it is read).
    if (read.problems.size() > 1)
        return QStringLiteral("more than the torn line is damaged");
    return {};
}

} // namespace

class TestRecordsReliability : public QObject
{
    Q_OBJECT

private slots:
    void localFolder()
    {
        for (int round = 0; round < 5; ++round) {
            QTemporaryDir dir;
            const QString failure = runWriters(dir.filePath(QStringLiteral("results")));
            dir.setAutoRemove(failure.isEmpty());
            QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("round %1: %2 (in %3)").arg(round).arg(failure, dir.path())));
        }
    }

    void sshfsMountOfThisComputer()
    {
        const QString sshfs = QStandardPaths::findExecutable(QStringLiteral("sshfs"));
        const bool fuse = QFileInfo(QStringLiteral("/dev/fuse")).exists();
        if (sshfs.isEmpty() || !fuse)
            QSKIP("sshfs or FUSE is not available here: the shared-folder run is skipped");
        QTemporaryDir served, mount;
        QProcess mounting;
        mounting.start(sshfs, {QStringLiteral("localhost:") + served.path(), mount.path(), QStringLiteral("-o"),
                               QStringLiteral("BatchMode=yes,StrictHostKeyChecking=no")});
        if (!mounting.waitForFinished(30000) || mounting.exitCode() != 0)
            QSKIP("sshfs cannot mount this computer (no ssh login to localhost): the shared-folder run is skipped");
        const QString failure = runWriters(mount.filePath(QStringLiteral("results")));
        QProcess::execute(QStringLiteral("fusermount"), {QStringLiteral("-u"), mount.path()});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_GUILESS_MAIN(TestRecordsReliability)
#include "test_records_reliability.moc"
