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
    const int runs = 31; // start-up times vary from run to run: a median of many
    std::vector<double> programMs, programKb, minimalMs, minimalKb, timeRatios;
    Run run;
    runOnce(QStringLiteral(BS_PROGRAM_BINARY), run); // warm the file cache
    runOnce(QStringLiteral(BS_MINIMAL_BINARY), run);
    // Each start of the program is paired with a start of the yardstick right after it: the
    // machine's slow and fast spells then touch both, and the median of the pairs' ratios
    // holds still where the ratio of two medians jumps about.
    for (int i = 0; i < runs; ++i) {
        Run program, minimal;
        if (!runOnce(QStringLiteral(BS_PROGRAM_BINARY), program) || !runOnce(QStringLiteral(BS_MINIMAL_BINARY), minimal))
            continue;
        programMs.push_back(program.ms);
        programKb.push_back(program.kb);
        minimalMs.push_back(minimal.ms);
        minimalKb.push_back(minimal.kb);
        timeRatios.push_back(program.ms / minimal.ms);
    }
    if (programMs.empty() || minimalMs.empty()) {
        std::printf("startup: a program did not reach its first paint\n");
        return 1;
    }
    using bs::bench::report;
    report(QStringLiteral("startup: program to title screen painted"), median(programMs));
    report(QStringLiteral("startup: minimal Qt program painted"), median(minimalMs));
    report(QStringLiteral("startup: time ratio (target <= 1.25)"), median(timeRatios), QStringLiteral("x"));
    report(QStringLiteral("startup: program peak memory"), median(programKb) / 1024, QStringLiteral("MiB"));
    report(QStringLiteral("startup: minimal peak memory"), median(minimalKb) / 1024, QStringLiteral("MiB"));
    report(QStringLiteral("startup: memory ratio (target <= 1.25)"), median(programKb) / median(minimalKb), QStringLiteral("x"));
    return 0;
}
