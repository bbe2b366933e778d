#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bs::bench {

// Runs work `runs` times (after one warm-up run) and returns the median in milliseconds.
inline double medianMs(const std::function<void()>& work, int runs = 21)
{
    work();
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Prints one figure in the form bench/run-all.sh collects.
inline void report(const QString& name, double value, const QString& unit = QStringLiteral("ms"))
{
    std::printf("BENCH\t%s\t%.3f\t%s\n", qPrintable(name), value, qPrintable(unit));
    std::fflush(stdout);
}

} // namespace bs::bench
