#include "classresults/ClassLists.h"

#include "base/Names.h"
#include "classresults/ClassResultsOpeners.h"
#include "platform/Content.h"
#include "platform/Dialogs.h"
#include "results/RecordsFolder.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "worksheetdata/DataError.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

namespace bs {

namespace {

const QColor yellow(255, 255, 0);

ClassList* listNamed(std::vector<ClassList>& lists, const QString& name)
{
    const auto found = std::find_if(lists.begin(), lists.end(), [&name](const ClassList& list) { return list.name == name; });
    return found == lists.end() ? nullptr : &*found;
}

} // namespace

ClassLists::ClassLists(Program& program, const QString& formName)
    : Screen(program, formName)
{
    const QFont labelFont = uiFont(QStringLiteral("Tahoma"), 11, true);
    const QFont listFont = uiFont(QStringLiteral("Tahoma"), 10);
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Class Lists"), QRect(0, 0, 12000, 780),
                       uiFont(QStringLiteral("Tahoma"), 24, true), yellow, Qt::AlignHCenter | Qt::AlignTop);
    makeLabel(this, QStringLiteral("Label5"), tr("Classes"), QRect(120, 840, 4000, 375), labelFont, yellow);
    makeLabel(this, QStringLiteral("Label6"), tr("Pupils in the class"), QRect(4320, 840, 4000, 375), labelFont,
              yellow);
    makeLabel(this, QStringLiteral("Label7"), tr("Name:"), QRect(8520, 840, 3360, 375), labelFont, yellow);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Classes"));
    placeTwips(List1, QRect(120, 1260, 4000, 4200));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setAccessibleName(tr("Pupils in the class"));
    placeTwips(List2, QRect(4320, 1260, 4000, 4200));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Name of a class or pupil"));
    Text1->setMaxLength(MaxPupilName);
    placeTwips(Text1, QRect(8520, 1260, 3360, 375));
    for (QWidget* control : {static_cast<QWidget*>(List1), static_cast<QWidget*>(List2), static_cast<QWidget*>(Text1)})
        control->setFont(listFont);
    connect(List1, &QListWidget::currentRowChanged, this, &ClassLists::showPupils);

    makeLabelButtonRow(this, Label2, QStringLiteral("Label2"),
                       {{1, tr("Add Class"), QRect(8520, 1800, 3360, 495), 12},
                        {2, tr("Rename Class"), QRect(8520, 2400, 3360, 495), 12},
                        {3, tr("Remove Class"), QRect(8520, 3000, 3360, 495), 12},
                        {4, tr("Add Pupil"), QRect(8520, 3720, 3360, 495), 12},
                        {5, tr("Remove Pupil"), QRect(8520, 4320, 3360, 495), 12},
                        {0, tr("Exit"), QRect(10560, 7920, 1245, 495), 18}},
                       [this](int index) { Label2_Click(index); });
}

QString ClassLists::folder() const
{
    return program().content().resolve(QString::fromUtf16(ResultsFolderName));
}

void ClassLists::Form_Load()
{
    layoutform(*this);
    reread();
}

void ClassLists::reread()
{
    const QString chosen = chosenClass();
    List1->clear();
    for (const ClassList& list : readClassLists(folder()))
        List1->addItem(list.name);
    const auto found = List1->findItems(chosen, Qt::MatchExactly);
    List1->setCurrentRow(found.isEmpty() ? (List1->count() > 0 ? 0 : -1) : List1->row(found.front()));
    showPupils();
}

QString ClassLists::chosenClass() const
{
    const QListWidgetItem* item = List1->currentItem();
    return item ? item->text() : QString();
}

void ClassLists::showPupils()
{
    List2->clear();
    const QString chosen = chosenClass();
    for (const ClassList& list : readClassLists(folder())) {
        if (list.name == chosen)
            List2->addItems(list.pupils);
    }
}

bool ClassLists::change(const std::function<void(std::vector<ClassList>&)>& apply)
{
    try {
        updateClassLists(folder(), apply);
    } catch (const DataError& error) {
        program().dialogs().message(tr("The class lists could not be written: %1").arg(QString::fromUtf8(error.what())));
        return false;
    }
    return true;
}

void ClassLists::Label2_Click(int index)
{
    program().playCue(cue::click);
    Screens& screens = program().screens();
    if (index == 0) {
        screens.unload(formName());
        openClassResults(program());
        return;
    }
    const QString name = Text1->text().trimmed();
    const QString chosen = chosenClass();
    Dialogs& dialogs = program().dialogs();
    const bool forClass = index <= 3;
    if (index >= 2 && chosen.isEmpty()) {
        dialogs.message(tr("Choose a class first."));
        return;
    }
    if (index == 1 || index == 2 || index == 4) {
        const QString problem = forClass ? classNameProblem(name) : pupilNameProblem(name);
        if (!problem.isEmpty()) {
            dialogs.message(problem);
            return;
        }
    }
    QString refused;
    QString select = chosen;
    bool changed = false;
    switch (index) {
    case 1: // add a class
    case 2: // rename the class chosen
        if (!List1->findItems(name, Qt::MatchExactly).isEmpty()) {
            dialogs.message(tr("There is already a class called %1.").arg(name));
            return;
        }
        changed = change([&](std::vector<ClassList>& lists) {
            if (index == 2) {
                if (ClassList* list = listNamed(lists, chosen))
                    list->name = name;
            } else if (int(lists.size()) >= MaxClasses) {
                refused = tr("There can be at most %1 classes.").arg(MaxClasses);
            } else {
                lists.push_back({name, {}});
            }
        });
        select = name;
        break;
    case 3: // remove the class chosen
        if (!dialogs.confirm(tr("Are you sure that you want to remove the class %1 and its list of pupils? "
                                "Their results are kept.").arg(chosen)))
            return;
        changed = change([&](std::vector<ClassList>& lists) {
            std::erase_if(lists, [&chosen](const ClassList& list) { return list.name == chosen; });
        });
        break;
    case 4: // add a pupil
        changed = change([&](std::vector<ClassList>& lists) {
            ClassList* list = listNamed(lists, chosen);
            if (!list)
                return;
            if (list->pupils.contains(name))
                refused = tr("%1 is already in the class.").arg(name);
            else if (list->pupils.size() >= MaxPupilsInClass)
                refused = tr("A class can have at most %1 pupils.").arg(MaxPupilsInClass);
            else
                list->pupils << name;
        });
        break;
    case 5: { // remove the pupil chosen
        const QListWidgetItem* pupil = List2->currentItem();
        if (!pupil) {
            dialogs.message(tr("Choose a pupil first."));
            return;
        }
        const QString pupilName = pupil->text();
        changed = change([&](std::vector<ClassList>& lists) {
            if (ClassList* list = listNamed(lists, chosen))
                list->pupils.removeAll(pupilName);
        });
        break;
    }
    default:
        return;
    }
    if (!refused.isEmpty())
        dialogs.message(refused);
    if (changed && refused.isEmpty() && index != 3 && index != 5)
        Text1->clear();
    List1->setCurrentRow(-1);
    const QString keep = select;
    List1->clear();
    for (const ClassList& list : readClassLists(folder()))
        List1->addItem(list.name);
    const auto found = List1->findItems(keep, Qt::MatchExactly);
    List1->setCurrentRow(found.isEmpty() ? (List1->count() > 0 ? 0 : -1) : List1->row(found.front()));
    showPupils();
}

void ClassLists::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label2);
}

} // namespace bs
