// Started by test_worksheetdata as a second program using the same catalogue:
//   catalogue_helper add <catalogue> <prefix> <count>   adds titles <prefix>1 .. <prefix><count>
//   catalogue_helper crash <catalogue>                  takes the lock and dies holding it
//   catalogue_helper locked <catalogue>                 exits 0 if another program holds the
//                                                       lock now, 1 if it could take it at once
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"

#include <QCoreApplication>
#include <QLockFile>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == u"add") {
        auto list = std::make_unique<bs::CatalogueList>();
        try {
            for (int i = 1; i <= args[4].toInt(); ++i)
                bs::trackworksheets(args[2], args[3] + QString::number(i), *list);
        } catch (const bs::DataError& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
        return 0;
    }
    QLockFile lock(bs::catalogueLockPath(args.value(2)));
    if (args.size() == 3 && args[1] == u"crash" && lock.tryLock(0))
        std::_Exit(3); // no destructors: the lock file stays behind, as after a crash
    if (args.size() == 3 && args[1] == u"locked")
        return lock.tryLock(0) ? 1 : lock.error() == QLockFile::LockFailedError ? 0 : 2;
    std::fprintf(stderr,
                 "usage: catalogue_helper add <catalogue> <prefix> <count> | crash <catalogue> | locked <catalogue>\n");
    return 2;
}
