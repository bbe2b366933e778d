#include "app/Intro0.h"

#include "app/Titlefrm.h"
#include "base/Names.h"
#include "classresults/ClassResultsOpeners.h"
#include "owntopics/OwnTopicOpeners.h"
#include "topicdata/TopicLibrary.h"
#include "topics/ViewerOpeners.h"
#include "ui/LabelButton.h"
#include "ui/Language.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "quiz/PupilResults.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace bs {

namespace {

const QColor yellow(255, 255, 0);
const QColor black(0, 0, 0);
const QColor navy(0, 0, 128);
const QColor formBlue(39, 63, 137);

struct MenuEntry
{
    int index;
    QString caption;
    QRect twips;
    double points;
    QColor back;
    QString place; // the topic entries' place and topic; empty for the others
    QString topic;
};

// The menu's words for the places and topics of the topic files, and for the teachers' entries,
// given to the translations here; the entries keep the English as the topic files' keys.
[[maybe_unused]] const char* const menuWords[] = {
    QT_TRANSLATE_NOOP("bs::Intro0", "Llandudno"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Isles of Scilly"),
    QT_TRANSLATE_NOOP("bs::Intro0", "St Lucia"),
    QT_TRANSLATE_NOOP("bs::Intro0", "History"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Physical Geography"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Human Geography"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Economy"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Living by the sea"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Teachers' Guide"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Acknowledgments"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Multiple Choice Wizard"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Worksheet Catalogue"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Exit"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Our Topics"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Change Pupil"),
    QT_TRANSLATE_NOOP("bs::Intro0", "Class Results"),
};

QString menuWord(const QString& english)
{
    return QCoreApplication::translate("bs::Intro0", english.toUtf8().constData());
}

const std::vector<MenuEntry>& menuEntries()
{
    static const std::vector<MenuEntry> entries = [] {
        const int columns[] = {120, 4440, 8760};
        const int rows[] = {4920, 5520, 6120, 6720, 7320};
        // Each place's entries, top to bottom: Llandudno's History is entry 15, the rest run on.
        const int indexes[3][5] = {{15, 0, 1, 2, 3}, {4, 5, 6, 7, 8}, {9, 10, 11, 12, 13}};
        std::vector<MenuEntry> list;
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 5; ++row) {
                list.push_back({indexes[column][row], menuTopics()[row],
                                QRect(columns[column], rows[row], 3075, 375), 12, black, menuPlaces()[column],
                                menuTopics()[row]});
            }
        }
        list.push_back(
            {20, QStringLiteral("Teachers' Guide"), QRect(120, 3480, 3075, 495), 14.25, navy, {}, {}});
        list.push_back(
            {19, QStringLiteral("Acknowledgments"), QRect(120, 7920, 2955, 495), 14.25, navy, {}, {}});
        list.push_back(
            {17, QStringLiteral("Multiple Choice Wizard"), QRect(3120, 7920, 3795, 495), 15.75, navy, {}, {}});
        list.push_back(
            {18, QStringLiteral("Worksheet Catalogue"), QRect(6960, 7920, 3555, 495), 15.75, navy, {}, {}});
        list.push_back({16, QStringLiteral("Exit"), QRect(10560, 7920, 1245, 495), 18, black, {}, {}});
        // The school's own topics, in the free space above the guide.
        list.push_back({21, QStringLiteral("Our Topics"), QRect(120, 2880, 3075, 495), 14.25, navy, {}, {}});
        // Shown only when the class's results are kept: right of the picture, across from the
        // Teachers' Guide.
        list.push_back({23, QStringLiteral("Change Pupil"), QRect(8760, 3480, 3075, 495), 14.25, navy, {}, {}});
        list.push_back(
            {22, QStringLiteral("Class Results"), QRect(120, 2280, 3075, 495), 14.25, navy, {}, {}});
        return list;
    }();
    return entries;
}

} // namespace

Intro0::Intro0(Program& program, const QString& formName) : Screen(program, formName)
{
    setSizeTwips(12000, 9000);
    const QString tahoma = QStringLiteral("Tahoma");

    Label1 =
        makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Brellinshore"), QRect(0, 0, 10560, 900),
                  uiFont(tahoma, 32.25, true), yellow, Qt::AlignHCenter | Qt::AlignTop);
    Image1 = new ImageBox(this, true);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(tr("Title picture"));
    placeTwips(Image1, QRect(3600, 840, 4800, 3600));
    Image1->setLeftTwips(3600);
    Image1->setTopTwips(840);
    Label3 =
        makeLabel(this, QStringLiteral("Label3"), QStringLiteral("\u00A9 2026 Quenlow Publishing Ltd"),
                  QRect(8865, 960, 2910, 195), uiFont(tahoma, 8.25), yellow, Qt::AlignHCenter | Qt::AlignTop);

    Option1 =
        makeOption(this, QStringLiteral("Option1"), tr("Sound On"), QRect(10440, 120, 1455, 255), 9.75);
    Option2 = makeOption(this, QStringLiteral("Option2"), tr("Sound Off"),
                         QRect(10440, 480, 1455, 255), 9.75);
    Option1->setChecked(true);
    connect(Option1, &QRadioButton::clicked, this, &Intro0::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Intro0::Option2_Click);

    // The language, under the sound switch and the copyright line: each choice in its own
    // language, and a set of its own beside the sound switch's.
    Option3 = makeOption(this, QStringLiteral("Option3"), QStringLiteral("English"),
                         QRect(10440, 1320, 1455, 255), 9.75);
    Option4 = makeOption(this, QStringLiteral("Option4"), QStringLiteral("Cymraeg"),
                         QRect(10440, 1680, 1455, 255), 9.75);
    Option3->setAccessibleName(QStringLiteral("English"));
    Option4->setAccessibleName(QStringLiteral("Cymraeg"));
    languageGroup = new QButtonGroup(this);
    languageGroup->addButton(Option3);
    languageGroup->addButton(Option4);
    connect(Option3, &QRadioButton::clicked, this, &Intro0::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &Intro0::Option4_Click);
    for (QRadioButton* option : {Option1, Option2, Option3, Option4})
        m_optionDesign << option->geometry();
    fitOptions();

    const int placeLefts[] = {120, 4440, 8760};
    for (int i = 0; i < 3; ++i) {
        Label4.add(i, makeLabel(this, QStringLiteral("Label4_%1").arg(i), menuWord(menuPlaces()[i]),
                                QRect(placeLefts[i], 4560, 3075, 420), uiFont(tahoma, 14.25, true), yellow,
                                Qt::AlignHCenter | Qt::AlignTop));
    }

    std::vector<LabelButtonDesign> designs;
    for (const MenuEntry& entry : menuEntries())
        designs.push_back({entry.index, menuWord(entry.caption), entry.twips, entry.points, entry.back});
    makeLabelButtonRow(this, Label2, QStringLiteral("Label2"), designs,
                       [this](int index) { Label2_Click(index); });
    for (const auto& [index, entry] : Label2)
        entry->installEventFilter(this); // the arrow keys

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &Intro0::Timer1_Timer);
}

QList<QWidget*> Intro0::tabOrder() const
{
    QList<QWidget*> order;
    for (int index : {15, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 22, 21, 20, 19, 17, 18, 16, 23})
        order << Label2(index);
    order << Option1 << Option2 << Option3 << Option4;
    return order;
}

bool Intro0::eventFilter(QObject* watched, QEvent* event)
{
    auto* from = qobject_cast<LabelButton*>(watched);
    if (event->type() != QEvent::KeyPress || !from || Label2.indexOf(from) < 0)
        return Screen::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    QPoint step;
    switch (key) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        return Screen::eventFilter(watched, event);
    }
    // The nearest entry lying wholly beyond this one's edge that way, a sideways distance
    // between the middles counting double.
    const QRect here = from->geometry();
    LabelButton* nearest = nullptr;
    int nearestCost = 0;
    for (const auto& [index, entry] : Label2) {
        const QRect there = entry->geometry();
        const bool beyond =
            (step.x() > 0 && there.left() > here.right()) || (step.x() < 0 && there.right() < here.left()) ||
            (step.y() > 0 && there.top() > here.bottom()) || (step.y() < 0 && there.bottom() < here.top());
        if (!beyond || !entry->isVisible() || !entry->isEnabled())
            continue;
        const QPoint offset = there.center() - here.center();
        const int ahead = offset.x() * step.x() + offset.y() * step.y();
        const int aside = std::abs(offset.x() * step.y()) + std::abs(offset.y() * step.x());
        const int cost = ahead + 2 * aside;
        if (!nearest || cost < nearestCost) {
            nearest = entry;
            nearestCost = cost;
        }
    }
    if (nearest)
        nearest->setFocus(Qt::TabFocusReason);
    return true;
}

void Intro0::Form_Load()
{
    layoutform(*this);
    Image1->setPicture(program().pictures().load(QStringLiteral("Images\\brellinshoresm.jpg")));
    for (QRadioButton* option : {Option1, Option2, Option3, Option4})
        setControlBackColor(option, formBlue);
    (currentLanguage() == Language::Welsh ? Option4 : Option3)->setChecked(true);
    program().state.soundon = 1;
    showPupil();
    Timer1->start();
}

void Intro0::unloading()
{
    Timer1->stop();
}

void Intro0::Timer1_Timer()
{
    Timer1->stop();
    try {
        readCatalogue(program().content().resolve(QStringLiteral("multiple\\track.txt")), program().state);
    } catch (const DataError&) {
        // A missing or short catalogue keeps what was read; the catalogue screen says more.
    }
}

void Intro0::Option1_Click()
{
    program().state.soundon = 1;
}

void Intro0::Option2_Click()
{
    program().state.soundon = 0;
}

void Intro0::Option3_Click()
{
    chooseLanguage(static_cast<int>(Language::English));
}

void Intro0::Option4_Click()
{
    chooseLanguage(static_cast<int>(Language::Welsh));
}

void Intro0::chooseLanguage(int language)
{
    const auto chosen = static_cast<Language>(language);
    if (chosen == currentLanguage())
        return;
    // The screens loaded behind or beside the menu were built in the other language: they are
    // built afresh when next used. The backdrop has no words.
    Screens& screens = program().screens();
    for (const QString& name : screens.loadedNames()) {
        if (name != formName() && name != screenName::backdrop)
            screens.unload(name);
    }
    setLanguage(chosen);
    retranslate();
}

void Intro0::retranslate()
{
    Image1->setAccessibleName(tr("Title picture"));
    Option1->setText(tr("Sound On"));
    Option2->setText(tr("Sound Off"));
    for (int i = 0; i < 3; ++i)
        Label4(i)->setText(menuWord(menuPlaces()[i]));
    for (const MenuEntry& entry : menuEntries())
        Label2(entry.index)->setText(menuWord(entry.caption));
    fitOptions();
    showPupil();
}

void Intro0::fitOptions()
{
    const QList<QRadioButton*> options{Option1, Option2, Option3, Option4};
    for (int i = 0; i < options.size(); ++i) {
        const QRect design = m_optionDesign[i];
        const int width = currentLanguage() == Language::English
                              ? design.width()
                              : std::max(design.width(), options[i]->sizeHint().width());
        options[i]->setGeometry(design.right() + 1 - width, design.top(), width, design.height());
    }
}

void Intro0::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label2);
}

void Intro0::Label2_Click(int index)
{
    // A click within the tick after loading: read the catalogue now, so that no screen
    // opened from here sees it unread.
    if (Timer1->isActive())
        Timer1_Timer();

    Screens& screens = program().screens();
    switch (index) {
    case 16:
        openLeavingScreen(program());
        break;
    case 17:
        if (screens.isRegistered(screenName::wizard))
            screens.show(screenName::wizard);
        break;
    case 18:
        if (screens.isRegistered(screenName::catalogue)) {
            screens.show(screenName::catalogue);
            screens.unload(formName());
        }
        break;
    case 19:
        openAcknowledgments(program());
        break;
    case 20:
        openGuide(program());
        break;
    case 21:
        if (screens.isRegistered(screenName::ourTopics)) {
            openOurTopics(program());
            screens.unload(formName());
        }
        break;
    case 23:
        askPupilName(program());
        showPupil();
        break;
    case 22:
        openClassResults(program());
        break;
    default:
        openTopic(index);
        break;
    }
    program().playCue(cue::click);
}

void Intro0::openTopic(int index)
{
    const auto entry = std::find_if(menuEntries().begin(), menuEntries().end(),
                                    [index](const MenuEntry& e) { return e.index == index; });
    if (entry == menuEntries().end() || entry->place.isEmpty())
        return;
    // The topic files are read here, at the first topic click, never at start-up.
    Screens& screens = program().screens();
    const Topic* topic = program().topicLibrary().topicAt(entry->place, entry->topic);
    if (topic && screens.isRegistered(topic->formName)) {
        screens.show(topic->formName);
        return;
    }
    program().dialogs().message(
        topicNotOpenedMessage(menuWord(entry->place) + QStringLiteral(": ") + menuWord(entry->topic)));
}

int Intro0::topicEntry(const QString& place, const QString& topic)
{
    for (const MenuEntry& entry : menuEntries()) {
        if (entry.place == place && entry.topic == topic)
            return entry.index;
    }
    return -1;
}

QString Intro0::topicNotOpenedMessage(const QString& topic)
{
    return tr("The topic “%1” could not be opened.").arg(topic);
}

void Intro0::showScreen()
{
    // The results folder's switch may have changed since the menu was last shown.
    showPupil();
    Screen::showScreen();
}

void Intro0::showPupil()
{
    LabelButton* change = Label2(23);
    const bool kept = keepingResults(program());
    change->setVisible(kept);
    if (!kept)
        return;
    const ProgramState& state = program().state;
    if (state.pupilname.isEmpty())
        change->setAccessibleDescription(tr("No pupil named yet"));
    else if (state.pupilclass.isEmpty())
        change->setAccessibleDescription(tr("Named now: %1").arg(state.pupilname));
    else
        change->setAccessibleDescription(tr("Named now: %1, %2").arg(state.pupilname, state.pupilclass));
}

} // namespace bs
