#include "owntopics/OurTopics.h"

#include "base/Names.h"
#include "owntopics/OwnTopicOpeners.h"
#include "topicdata/OwnTopicStore.h"
#include "topics/TopicPage.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "ui/Text.h"
#include "worksheetdata/DataError.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace bs {

namespace {

const QColor formBlue(39, 63, 137);
const QString folderPath = QStringLiteral("ourtopics");
const QString catalogueFile = QStringLiteral("multiple\\track.txt");

// RefusedMessage, for the translations.
[[maybe_unused]] const char* const refusedWords =
    QT_TRANSLATE_NOOP("bs::OurTopics", "This topic file cannot be opened: ");

OwnTopicStore storeOf(const Program& program)
{
    return OwnTopicStore(program.content().resolve(folderPath), program.content().resolve(catalogueFile));
}

QString titleOfFile(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(".json")) ? fileName.chopped(5) : fileName;
}

} // namespace

OurTopics::OurTopics(Program& program, const QString& formName) : Screen(program, formName)
{
    setSizeTwips(12000, 9000);
    const QColor yellow(255, 255, 0);
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Our Topics"), QRect(0, 0, 12000, 780),
                       uiFont(QStringLiteral("Tahoma"), 24, true), yellow, Qt::AlignHCenter | Qt::AlignTop);

    // The catalogue's way of choosing what a click on a topic does: a ticked mode.
    const struct
    {
        int index;
        QString caption;
        QRect twips;
        QColor colour;
    } modes[] = {{0, tr("Edit Topic"), QRect(120, 120, 2160, 375), yellow},
                 // Beside "Import a Topic": the other way of sharing a topic.
                 {2, tr("Export Topic"), QRect(7080, 7320, 2760, 375), yellow},
                 {1, tr("Delete Topic"), QRect(9240, 120, 2535, 375), QColor(255, 0, 0)}};
    for (const auto& mode : modes) {
        auto* box = new QCheckBox(mode.caption, this);
        box->setObjectName(QStringLiteral("Check_%1").arg(mode.index));
        box->setFont(uiFont(QStringLiteral("Tahoma"), 12, true));
        QPalette pal = box->palette();
        pal.setColor(QPalette::WindowText, mode.colour);
        box->setPalette(pal);
        placeTwips(box, mode.twips);
        Check.add(mode.index, box);
        connect(box, &QCheckBox::clicked, this, [this, index = mode.index] { Check_Click(index); });
    }

    std::vector<LabelButtonDesign> designs{{0, tr("Exit"), QRect(10560, 7920, 1245, 495), 18}};
    for (int i = 1; i <= TopicsPerPage; ++i) {
        const bool left = i <= 12;
        designs.push_back(
            {i, QString(), QRect(left ? 120 : 6120, 720 + 540 * (left ? i - 1 : i - 13), 5715, 375), 12});
    }
    makeLabelButtonRow(this, Label2, QStringLiteral("Label2"), designs,
                       [this](int index) { Label2_Click(index); });
    makeLabelButtonRow(
        this, Label3, QStringLiteral("Label3"),
        {{0, tr("<< Previous Page"), QRect(2640, 7920, 3195, 495)},
         {1, tr("Next Page >>"), QRect(6000, 7920, 3195, 495)}},
        [this](int index) { Label3_Click(index); }, Hover::LeavesAlone);
    makeLabelButtonRow(this, Label5, QStringLiteral("Label5"),
                       {{0, tr("Make a Topic"), QRect(120, 7260, 3195, 495)},
                        {1, tr("Import a Topic"), QRect(3600, 7260, 3195, 495)}},
                       [this](int index) { Label5_Click(index); });

    Label4 = makeLabel(this, QStringLiteral("Label4"), tr("Page 1"), QRect(120, 7920, 1995, 495),
                       uiFont(QStringLiteral("Tahoma"), 15.75, true), QColor(0, 0, 255),
                       Qt::AlignHCenter | Qt::AlignTop);
    setLabelColors(Label4, QColor(0, 0, 255), QColor(255, 255, 255), true);
    setLabelBorder(Label4, true);

    Label6 =
        makeLabel(this, QStringLiteral("Label6"),
                  tr("There are no topics of the school's own yet. Click \"Make a Topic\" to make one "
                     "of your locality, or \"Import a Topic\" to bring in one another school has shared."),
                  QRect(1200, 2400, 9600, 1800), uiFont(QStringLiteral("Tahoma"), 15.75, true),
                  QColor(255, 255, 255), Qt::AlignHCenter | Qt::AlignTop);
    Label6->setWordWrap(true);
    Label6->hide();
}

QList<QWidget*> OurTopics::tabOrder() const
{
    // The modes first, as they are chosen before a topic.
    QList<QWidget*> order{Check(0), Check(1), Check(2)};
    for (int i = 1; i <= TopicsPerPage; ++i)
        order << Label2(i);
    order << Label5(0) << Label5(1) << Label3(0) << Label3(1) << Label2(0);
    return order;
}

void OurTopics::Form_Load()
{
    layoutform(*this);
    for (const auto& [index, box] : Check)
        setControlBackColor(box, formBlue);
    m_page = 0;
    refresh();
}

void OurTopics::refresh()
{
    m_entries = program().topicLibrary().readOwnTopics(storeOf(program()), folderPath);
    showPage();
}

int OurTopics::lastPage() const
{
    return std::max(0, (int(m_entries.size()) - 1) / TopicsPerPage);
}

void OurTopics::showPage()
{
    m_page = std::clamp(m_page, 0, lastPage());
    const int first = TopicsPerPage * m_page;
    for (int i = 1; i <= TopicsPerPage; ++i) {
        LabelButton* slot = Label2(i);
        const int n = first + i - 1;
        if (n >= int(m_entries.size())) {
            slot->setCaption(QString());
            slot->setAccessibleDescription(QString());
            slot->hide();
            continue;
        }
        const TopicLibrary::OwnEntry& entry = m_entries[n];
        const QString caption =
            entry.topic ? entry.topic->title : titleOfFile(entry.fileName) + tr(" (cannot be opened)");
        // A long title is drawn smaller, as far as needed to fit its slot whole.
        QFont font = slot->font();
        for (double points = 12; points >= 7.5; points -= 0.75) {
            font.setPointSizeF(points);
            if (QFontMetrics(font).horizontalAdvance(caption) <= slot->width() - 8)
                break;
        }
        slot->setFont(font);
        slot->setCaption(caption);
        slot->setAccessibleDescription(entry.problem);
        slot->show();
    }
    Label3(0)->setVisible(m_page > 0);
    Label3(1)->setVisible(m_page < lastPage());
    Label4->setVisible(!m_entries.empty());
    Label6->setVisible(m_entries.empty());
    Label4->setText(tr("Page") + numberText(m_page + 1));
}

void OurTopics::Check_Click(int index)
{
    if (!Check(index)->isChecked())
        return;
    for (const auto& [other, box] : Check) {
        if (other != index)
            box->setChecked(false);
    }
}

void OurTopics::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label2);
    clearHighlights(Label5);
}

void OurTopics::Label3_Click(int index)
{
    m_page += index == 0 ? -1 : 1;
    showPage();
    if (isVisible())
        announce(Label4->text());
    program().playCue(cue::click);
}

void OurTopics::Label5_Click(int index)
{
    program().playCue(cue::click);
    if (index == 0) {
        openTopicMaker(program(), QString());
    } else if (importOwnTopic(program())) {
        refresh();
    }
}

void OurTopics::Label2_Click(int index)
{
    program().playCue(cue::click);
    Screens& screens = program().screens();
    if (index == 0) {
        if (screens.isRegistered(screenName::menu))
            screens.show(screenName::menu);
        screens.unload(formName());
        return;
    }
    const int n = TopicsPerPage * m_page + index - 1;
    if (n < 0 || n >= int(m_entries.size()))
        return;
    const TopicLibrary::OwnEntry entry = m_entries[n];
    const QString title = entry.topic ? entry.topic->title : titleOfFile(entry.fileName);
    // A refused file can still be deleted; nothing else can be done with it.
    if (Check(1)->isChecked())
        return askToDelete(title);
    if (!entry.topic) {
        program().dialogs().message(tr(RefusedMessage.toUtf8().constData()) + entry.problem);
        return;
    }
    if (Check(0)->isChecked())
        openTopicMaker(program(), title);
    else if (Check(2)->isChecked())
        exportOwnTopic(program(), title);
    else
        openTopic(*entry.topic);
}

void OurTopics::openTopic(const Topic& topic)
{
    Screens& screens = program().screens();
    // A page left from an earlier version of the topic is built again from this one.
    if (Screen* open = screens.loaded(topic.formName); open)
        screens.unload(topic.formName);
    if (!program().content().exists(folderPath + u'/' + topic.fileName)) {
        program().dialogs().message(
            QCoreApplication::translate("bs::TopicPage", TopicPage::TopicGoneMessage.toUtf8().constData()));
        refresh();
        return;
    }
    screens.show(topic.formName);
    screens.unload(formName());
}

void OurTopics::askToDelete(const QString& title)
{
    const QString question = tr("Are you sure that you want to delete the topic ") + title + u'?';
    if (!program().dialogs().confirm(question))
        return;
    try {
        storeOf(program()).remove(title);
    } catch (const DataError&) {
        program().dialogs().message(tr("The topic could not be deleted. Please try again."));
    }
    refresh();
}

void openOurTopics(Program& program)
{
    Screens& screens = program.screens();
    if (auto* list = dynamic_cast<OurTopics*>(screens.loaded(screenName::ourTopics)))
        list->refresh();
    screens.show(screenName::ourTopics);
}

} // namespace bs
