#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace bs {

// What the teacher sets for every computer sharing the results folder: whether results are
// kept, and the class lists pupils choose their names from. Both live in the results folder,
// so a change on the "Class Results" screen holds for the whole classroom at the next look.

// "switch.txt": "on" or "off". Without it (or unreadable) the machine's own setting decides.
inline constexpr char16_t ResultsSwitchFileName[] = u"switch.txt";
// "classes.txt": UTF-8 after a byte-order mark, one pupil a line, "class<TAB>name"; a line
// "class<TAB>" holds a class with no pupils yet.
inline constexpr char16_t ClassListsFileName[] = u"classes.txt";

// The shared switch in folder: empty when no teacher has set it (no file, or a file holding
// anything but "on" or "off").
std::optional<bool> readResultsSwitch(const QString& folder);
// Writes the switch whole (creating the folder). Throws DataError when it cannot be written.
void writeResultsSwitch(const QString& folder, bool on);

// Whether results are kept on this computer: the shared switch when a teacher has set it, else
// the machine's setting (machineSetting: the value of Results in the system's setting file;
// "on", in any letter case and spacing, switches it on).
bool resultsKept(const QString& folder, const QString& machineSetting);

struct ClassList
{
    QString name;        // "Year 5", "Dosbarth Ffion"
    QStringList pupils;  // in the order the teacher entered them
    bool operator==(const ClassList&) const = default;
};

constexpr int MaxClassName = 30;
constexpr int MaxPupilName = 40;
constexpr int MaxClasses = 50;
constexpr int MaxPupilsInClass = 60;

// The class lists of folder, in the order they were entered; none when there is no file. A
// damaged line (no tab, an empty or over-long name) is skipped; lists past the limits are cut.
std::vector<ClassList> readClassLists(const QString& folder);

// Changes the class lists under their lock ("classes.txt.lock", taken over from a crashed
// program) around read, change and replace, so two teachers editing at once both land.
// Throws DataError when the lock cannot be had or the file cannot be written; the file is then
// as it was.
void updateClassLists(const QString& folder, const std::function<void(std::vector<ClassList>&)>& change);

// Why a class or pupil name cannot be kept (empty: it can): empty, too long, or holding a tab
// or line break.
QString classNameProblem(const QString& name);
QString pupilNameProblem(const QString& name);

} // namespace bs
