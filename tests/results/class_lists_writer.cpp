// Adds pupils to the class lists of a results folder for the class settings test:
// class_lists_writer <folder> <class> <count>. Pupil i of the class is "Pupil i"; each one is
// added by an update of its own, so two writers run their updates side by side.
#include "results/ClassSettings.h"
#include "worksheetdata/DataError.h"

#include <QCoreApplication>

#include <algorithm>

using namespace bs;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString className = args.at(2);
    const int count = args.at(3).toInt();
    for (int i = 0; i < count; ++i) {
        const QString pupil = QStringLiteral("Pupil %1").arg(i);
        // The other writer may hold the lock for a moment: a refused update is tried again.
        for (int attempt = 0;; ++attempt) {
            try {
                updateClassLists(args.at(1), [&](std::vector<ClassList>& lists) {
                    auto list = std::find_if(lists.begin(), lists.end(),
                                             [&](const ClassList& l) { return l.name == className; });
                    if (list == lists.end())
                        lists.push_back({className, {pupil}});
                    else
                        list->pupils.append(pupil);
                });
                break;
            } catch (const DataError&) {
                if (attempt == 100)
                    return 1;
            }
        }
    }
    return 0;
}
