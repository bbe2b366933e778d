// The teacher's view of a school year of a large class: the "Class Results" screen opened on
// 100,000 records (190 days, 30 computers, 32 pupils), and a change of filter, on a Program
// with fake services and a temporary content folder.
#include "app/ScreenCatalog.h"
#include "BenchUtil.h"
#include "base/Names.h"
#include "classresults/ClassResults.h"
#include "classresults/ClassResultsOpeners.h"
#include "platform/fakes/FakeServices.h"
#include "results/RecordsFolder.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

using namespace bs;

namespace {

ResultRecord sample(int i)
{
    ResultRecord record;
    record.when = QDateTime(QDate(2026, 9, 1).addDays(i % 190), QTime(9, 0).addSecs(i % 20000));
    record.computer = QStringLiteral("room2-pc%1").arg(i % 30);
    record.pupil = QStringLiteral("Pupil number %1").arg(i % 32);
    record.pupilClass = QStringLiteral("Class %1").arg(5 + i % 2);
    record.place = QStringLiteral("Llandudno");
    record.topic = QStringLiteral("Physical Geography");
    record.activity = i % 3 == 0 ? QStringLiteral("labelling") : QStringLiteral("quiz");
    record.score = i % 11;
    record.outof = 10;
    for (int q = 1; q <= 10 - record.score; ++q)
        record.wrong.append({q, QStringLiteral("Which sea lies to the north of the town? (%1)").arg(q)});
    return record;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("results"));
    QDir().mkpath(folder);
    QMap<QString, QByteArray> files;
    for (int i = 0; i < 100000; ++i) {
        const ResultRecord record = sample(i);
        files[recordsFileName(record.when.date(), record.computer)] += recordLine(record);
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile file(QDir(folder).filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            qFatal("cannot write %s", qPrintable(it.key()));
    }
    Program program(dir.path(), fakeServices());
    registerAllScreens(program.screens());
    Screens& screens = program.screens();

    bench::report(QStringLiteral("classresults/open on 100000 records"), bench::medianMs([&] {
                      openClassResults(program);
                      QCoreApplication::processEvents();
                      if (screens.get<ClassResults>(screenName::classResults).read().records.size() != 100000)
                          qFatal("records lost");
                      screens.unload(screenName::classResults);
                      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                  }, 7));

    // On a busy machine the wall-clock figure counts other programs' time too.
    const std::clock_t before = std::clock();
    openClassResults(program);
    QCoreApplication::processEvents();
    bench::report(QStringLiteral("classresults/open on 100000 records, processor time"),
                  double(std::clock() - before) * 1000.0 / CLOCKS_PER_SEC);
    auto& screen = screens.get<ClassResults>(screenName::classResults);
    int step = 0;
    bench::report(QStringLiteral("classresults/change class and view, 100000 records"), bench::medianMs([&] {
                      screen.Combo1->setCurrentIndex(++step % screen.Combo1->count());
                      (step % 2 ? screen.Option2 : screen.Option1)->click();
                      QCoreApplication::processEvents();
                  }, 7));
    screens.closeAll();
    return 0;
}
