// Adds records to a results folder for the reliability test: records_writer <folder> <writer>
// <count> [tear]. Record i of writer w has pupil "w" and score i; after each one is on disk it
// prints "i". With "tear" it then writes the first half of one more line, as a power cut
// would leave it, prints "torn" and waits to be killed.
#include "results/RecordsFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cstdio>

using namespace bs;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.at(1);
    ResultRecord record;
    record.when = QDateTime(QDate(2026, 5, 4), QTime(9, 0));
    record.computer = QStringLiteral("shared-name");
    record.pupil = args.at(2);
    record.pupilClass = QStringLiteral("Class 6");
    record.place = QStringLiteral("Isles of Scilly");
    record.topic = QStringLiteral("Human Geography");
    record.activity = QStringLiteral("quiz");
    record.outof = 1000;
    record.wrong = {{2, QStringLiteral("A question long enough to make the line a few hundred bytes, so that "
                                       "writes of different programs would interleave if they could")}};
    const int count = args.at(3).toInt();
    for (int i = 0; i < count; ++i) {
        record.score = i;
        appendRecord(folder, record);
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    if (args.value(4) == QStringLiteral("tear")) {
        record.score = count;
        const QByteArray line = recordLine(record);
        QFile file(QDir(folder).filePath(recordsFileName(record.when.date(), record.computer)));
        if (!file.open(QIODevice::Append) || file.write(line.left(line.size() / 2)) < 0 || !file.flush())
            return 1;
        std::printf("torn\n");
        std::fflush(stdout);
        QThread::sleep(600);
    }
    return 0;
}
