// Started by test_crash_safety: saves and deletes worksheets the way a teacher does, in a
// loop, until it is killed. Saving follows the wizard (titleProblem, writeWorksheetFile, then
// trackworksheets); deleting follows the catalogue screen (delworksheet on a listed title).
//
//   crash_worker <multiple folder> <journal> <seed> [<steps>]
//
// Without steps it runs until killed. Around every step it appends one tab-separated line to
// the journal, so the test knows which contents each file may hold when the kill lands:
//   S <pid>             started            E <message>       a step failed (then exit 1)
//   W <title> <gen>     about to write     w <title> <gen>   <title>.txt written
//   T <title>           about to add       t <title>         added to the catalogue
//   D <title>           about to delete    d <title>         removed from the catalogue
// A line is one write() to a file opened for appending: once written it survives the
// process being killed (only a crash of the whole machine would need an fsync).
#include "support/Fixtures.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/Worksheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 && args.size() != 5) {
        std::fprintf(stderr, "usage: crash_worker <multiple folder> <journal> <seed> [<steps>]\n");
        return 2;
    }
    const int journal =
        ::open(QFile::encodeName(args[2]).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    const auto line = [journal](QChar kind, const QString& first, const QString& second = {}) {
        const QByteArray bytes =
            (QString(kind) + u'\t' + first + (second.isEmpty() ? QString() : u'\t' + second) + u'\n')
                .toUtf8();
        if (::write(journal, bytes.constData(), size_t(bytes.size())) != bytes.size())
            std::_Exit(2);
    };
    const QString multipleDir = args[1];
    const QString cataloguePath = QDir(multipleDir).filePath(QStringLiteral("track.txt"));
    const quint32 seed = args[3].toUInt();
    const qint64 steps = args.size() == 5 ? args[4].toLongLong() : -1;
    QRandomGenerator random(seed);
    const QStringList titles = bs::test::awkwardTitles();
    auto list = std::make_unique<bs::CatalogueList>();
    qint64 generation = qint64(seed) * 100000;

    line(u'S', QString::number(app.applicationPid()));
    try {
        bs::readCatalogue(cataloguePath, *list); // as the catalogue screen opens
        for (qint64 step = 0; steps < 0 || step < steps; ++step) {
            if (list->workcount > 0 && random.bounded(3) == 0) {
                const QString title = list->worklist[1 + random.bounded(list->workcount)];
                line(u'D', title);
                bs::delworksheet(cataloguePath, title, *list);
                line(u'd', title);
                continue;
            }
            const QString title = titles[random.bounded(int(titles.size()))];
            if (const QString problem = bs::titleProblem(title); !problem.isEmpty())
                throw bs::DataError(problem.toStdString());
            const QString version = QString::number(++generation);
            line(u'W', title, version);
            bs::writeWorksheetFile(multipleDir, bs::test::versionedWorksheet(title, generation));
            line(u'w', title, version);
            line(u'T', title);
            bs::trackworksheets(cataloguePath, title, *list);
            line(u't', title);
        }
    } catch (const std::exception& error) {
        line(u'E', QString::fromUtf8(error.what()));
        std::fprintf(stderr, "crash_worker: %s\n", error.what());
        return 1;
    }
    return 0;
}
