// Starts the program and the minimal Qt program in turn, timing each from process start to
// its first paint and reading its peak memory; prints the medians and the ratios.
#include "BenchUtil.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <vector>

namespace {

struct Run
{
    double ms = 0;
    double kb = 0;
};

bool runOnce(const QString& binary, Run& run)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(binary, {});
    while (process.state() != QProcess::NotRunning || process.bytesAvailable()) {
        process.waitForReadyRead(50);
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            if (line.startsWith("PAINTED ")) {
                run.ms = timer.nsecsElapsed() / 1e6;
                run.kb = line.mid(8).toDouble();
                process.waitForFinished(5000);
                return true;
            }
        }
        if (timer.elapsed() > 20000)
            break;
    }
    process.kill();
    process.waitForFinished();
    return false;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main()
{
    const int runs = 15;
    std::vector<double> programMs, programKb, minimalMs, minimalKb;
    Run run;
    runOnce(QStringLiteral(BS_PROGRAM_BINARY), run); // warm the file cache
    runOnce(QStringLiteral(BS_MINIMAL_BINARY), run);
    for (int i = 0; i < runs; ++i) {
        if (runOnce(QStringLiteral(BS_PROGRAM_BINARY), run)) {
            programMs.push_back(run.ms);
            programKb.push_back(run.kb);
        }
        if (runOnce(QStringLiteral(BS_MINIMAL_BINARY), run)) {
            minimalMs.push_back(run.ms);
            minimalKb.push_back(run.kb);
        }
    }
    if (programMs.empty() || minimalMs.empty()) {
        std::printf("startup: a program did not reach its first paint\n");
        return 1;
    }
    using bs::bench::report;
    report(QStringLiteral("startup: program to title screen painted"), median(programMs));
    report(QStringLiteral("startup: minimal Qt program painted"), median(minimalMs));
    report(QStringLiteral("startup: time ratio (target <= 1.25)"), median(programMs) / median(minimalMs), QStringLiteral("x"));
    report(QStringLiteral("startup: program peak memory"), median(programKb) / 1024, QStringLiteral("MiB"));
    report(QStringLiteral("startup: minimal peak memory"), median(minimalKb) / 1024, QStringLiteral("MiB"));
    report(QStringLiteral("startup: memory ratio (target <= 1.25)"), median(programKb) / median(minimalKb), QStringLiteral("x"));
    return 0;
}
