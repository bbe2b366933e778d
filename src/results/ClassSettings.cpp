#include "results/ClassSettings.h"

#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace bs {

namespace {

QString inFolder(const QString& folder, const char16_t* name)
{
    return QDir(folder).filePath(QString::fromUtf16(name));
}

// The files here are a few kilobytes; anything far larger is not ours.
constexpr qint64 MostSettingsBytes = 1024 * 1024;

std::optional<QByteArray> readSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(MostSettingsBytes);
}

bool holdsLineBreakOrTab(const QString& text)
{
    return text.contains(u'\t') || text.contains(u'\n') || text.contains(u'\r');
}

} // namespace

std::optional<bool> readResultsSwitch(const QString& folder)
{
    const auto bytes = readSmallFile(inFolder(folder, ResultsSwitchFileName));
    if (!bytes)
        return std::nullopt;
    const QByteArray word = bytes->trimmed().toLower();
    if (word == "on")
        return true;
    if (word == "off")
        return false;
    return std::nullopt;
}

void writeResultsSwitch(const QString& folder, bool on)
{
    if (!QDir().mkpath(folder))
        throw DataError(QCoreApplication::translate("bs::ClassSettings",
                                                    "Cannot make the results folder “%1”.")
                            .arg(QDir::toNativeSeparators(folder))
                            .toStdString());
    replaceWholeFile(inFolder(folder, ResultsSwitchFileName), on ? "on\n" : "off\n");
}

bool resultsKept(const QString& folder, const QString& machineSetting)
{
    if (const auto shared = readResultsSwitch(folder))
        return *shared;
    return machineSetting.trimmed().compare(QStringLiteral("on"), Qt::CaseInsensitive) == 0;
}

std::vector<ClassList> readClassLists(const QString& folder)
{
    std::vector<ClassList> lists;
    const auto bytes = readSmallFile(inFolder(folder, ClassListsFileName));
    if (!bytes)
        return lists;
    QByteArrayView text(*bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
            continue;
        const QString className = line.left(tab);
        const QString pupil = line.mid(tab + 1);
        if (!classNameProblem(className).isEmpty())
            continue;
        if (!pupil.isEmpty() && !pupilNameProblem(pupil).isEmpty())
            continue;
        auto list = std::find_if(lists.begin(), lists.end(),
                                 [&](const ClassList& l) { return l.name == className; });
        if (list == lists.end()) {
            if (int(lists.size()) >= MaxClasses)
                continue;
            lists.push_back({className, {}});
            list = lists.end() - 1;
        }
        if (!pupil.isEmpty() && list->pupils.size() < MaxPupilsInClass && !list->pupils.contains(pupil))
            list->pupils.append(pupil);
    }
    return lists;
}

void updateClassLists(const QString& folder, const std::function<void(std::vector<ClassList>&)>& change)
{
    if (!QDir().mkpath(folder))
        throw DataError(QCoreApplication::translate("bs::ClassSettings",
                                                    "Cannot make the results folder “%1”.")
                            .arg(QDir::toNativeSeparators(folder))
                            .toStdString());
    const QString path = inFolder(folder, ClassListsFileName);
    std::optional<CatalogueLock> lock;
    try {
        lock.emplace(path);
    } catch (const DataError&) {
        throw DataError(QCoreApplication::translate(
                            "bs::ClassSettings",
                            "The class lists are being changed on another computer; please try again.")
                            .toStdString());
    }
    std::vector<ClassList> lists = readClassLists(folder);
    change(lists);
    QByteArray bytes("\xEF\xBB\xBF");
    for (const ClassList& list : lists) {
        if (!classNameProblem(list.name).isEmpty())
            continue;
        if (list.pupils.isEmpty())
            bytes += list.name.toUtf8() + "\t\n";
        for (const QString& pupil : list.pupils) {
            if (pupilNameProblem(pupil).isEmpty())
                bytes += list.name.toUtf8() + '\t' + pupil.toUtf8() + '\n';
        }
    }
    replaceWholeFile(path, bytes);
}

QString classNameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("bs::ClassSettings", "Please type the name of the class.");
    if (name.size() > MaxClassName)
        return QCoreApplication::translate("bs::ClassSettings",
                                           "A class name can have at most %1 characters.")
            .arg(MaxClassName);
    if (holdsLineBreakOrTab(name))
        return QCoreApplication::translate("bs::ClassSettings", "A class name cannot hold a tab or a new line.");
    return {};
}

QString pupilNameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("bs::ClassSettings", "Please type your name.");
    if (name.size() > MaxPupilName)
        return QCoreApplication::translate("bs::ClassSettings", "A name can have at most %1 characters.")
            .arg(MaxPupilName);
    if (holdsLineBreakOrTab(name))
        return QCoreApplication::translate("bs::ClassSettings", "A name cannot hold a tab or a new line.");
    return {};
}

} // namespace bs
