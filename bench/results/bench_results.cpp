// How long the teacher's view waits on the records, and a pupil on their record: reading a
// school year of a large class (100,000 records over 190 days and 30 computers), and adding one
// record to a local folder (its write and its sync).
#include "BenchUtil.h"
#include "results/RecordsFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ctime>

using namespace bs;

namespace {

ResultRecord sample(int i)
{
    ResultRecord record;
    record.when = QDateTime(QDate(2026, 9, 1).addDays(i % 190), QTime(9, 0).addSecs(i % 20000));
    record.computer = QStringLiteral("room2-pc%1").arg(i % 30);
    record.pupil = QStringLiteral("Pupil number %1").arg(i % 32);
    record.pupilClass = QStringLiteral("Class 6");
    record.place = QStringLiteral("Llandudno");
    record.topic = QStringLiteral("Physical Geography");
    record.activity = i % 3 == 0 ? QStringLiteral("labelling") : QStringLiteral("quiz");
    record.score = i % 11;
    record.outof = 10;
    for (int q = 1; q <= 10 - record.score; ++q)
        record.wrong.append({q, QStringLiteral("Which sea lies to the north of the town?")});
    return record;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString year = dir.filePath(QStringLiteral("year"));
    QDir().mkpath(year);
    QMap<QString, QByteArray> files;
    for (int i = 0; i < 100000; ++i) {
        const ResultRecord record = sample(i);
        files[recordsFileName(record.when.date(), record.computer)] += recordLine(record);
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile file(QDir(year).filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            qFatal("cannot write %s", qPrintable(it.key()));
    }
    bench::report(QStringLiteral("results/read 100000 records"), bench::medianMs([&] {
                      if (readRecordsFolder(year).records.size() != 100000)
                          qFatal("records lost");
                  }, 7));

    // On a busy machine the wall-clock figure counts other programs' time too.
    const std::clock_t before = std::clock();
    readRecordsFolder(year);
    bench::report(QStringLiteral("results/read 100000 records, processor time"),
                  double(std::clock() - before) * 1000.0 / CLOCKS_PER_SEC);

    const QString local = dir.filePath(QStringLiteral("results"));
    int i = 0;
    bench::report(QStringLiteral("results/add one record"),
                  bench::medianMs([&] { appendRecord(local, sample(i++)); }, 51));
    return 0;
}
