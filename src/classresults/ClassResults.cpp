#include "classresults/ClassResults.h"

#include "base/Names.h"
#include "classresults/ClassResultsOpeners.h"
#include "platform/Content.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "results/ClassSettings.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/WholeFile.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <optional>

namespace bs {

namespace {

const QColor yellow(255, 255, 0);
const QColor formBlue(39, 63, 137);
constexpr int MostMissedQuestions = 5;
constexpr int MostMissedActivities = 3;
constexpr int ProblemLinesShown = 3;

template <class T>
T* placed(T* control, const QString& name, const QString& accessibleName, const QRect& twips)
{
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
    control->setFont(uiFont(QStringLiteral("Tahoma"), 10));
    placeTwips(control, twips);
    return control;
}

QDateEdit* makeDate(QWidget* parent, const QString& name, const QString& accessibleName, const QRect& twips)
{
    auto* date = placed(new QDateEdit(parent), name, accessibleName, twips);
    date->setCalendarPopup(true);
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return date;
}

QString percentText(double percent)
{
    return QString::number(qRound(percent)) + u'%';
}

// The start of the school year that today lies in: the first of September.
QDate schoolYearStart(QDate today)
{
    const QDate thisYear(today.year(), 9, 1);
    return today >= thisYear ? thisYear : QDate(today.year() - 1, 9, 1);
}

QString shortened(const QString& text, int length)
{
    return text.size() <= length ? text : text.left(length - 1) + QChar(0x2026);
}

} // namespace

// ---- the table ----

QStringList ResultsModel::recordHeadings()
{
    return {tr("Time"),         tr("Pupil"),         tr("Class"),
            tr("Worked on"),    tr("Activity"),      tr("Score"),
            tr("Out of"),       tr("Wrong answers"), tr("Computer")};
}

void ResultsModel::show(View view, std::vector<const ResultRecord*> records)
{
    beginResetModel();
    m_view = view;
    m_records = std::move(records);
    m_pupils = view == View::ByPupil ? pupilSummaries(m_records) : std::vector<PupilSummary>{};
    endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_view == View::ByPupil ? m_pupils.size() : m_records.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_view == View::ByPupil ? 5 : int(recordHeadings().size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const int row = index.row();
    const int column = index.column();
    if (m_view == View::ByPupil) {
        const PupilSummary& pupil = m_pupils[std::size_t(row)];
        switch (column) {
        case 0:
            return pupil.pupil;
        case 1:
            return pupil.pupilClass;
        case 2:
            return pupil.activities;
        case 3:
            return percentText(pupil.averagePercent);
        default:
            return pupil.lastSeen.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
        }
    }
    const ResultRecord& record = *m_records[std::size_t(row)];
    switch (column) {
    case 0:
        return record.when.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    case 1:
        return record.pupil;
    case 2:
        return record.pupilClass;
    case 3:
        return workedOn(record);
    case 4:
        return record.activity;
    case 5:
        return record.score;
    case 6:
        return record.outof;
    case 7:
        return wrongAnswersText(record);
    default:
        return record.computer;
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (m_view == View::ByPupil) {
        const QStringList headings{tr("Pupil"), tr("Class"), tr("Activities done"), tr("Average score"),
                                   tr("Last seen")};
        return headings.value(section);
    }
    return recordHeadings().value(section);
}

// ---- the screen ----

ClassResults::ClassResults(Program& program, const QString& formName)
    : Screen(program, formName)
{
    const QFont labelFont = uiFont(QStringLiteral("Tahoma"), 11, true);
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Class Results"), QRect(0, 0, 12000, 780),
                       uiFont(QStringLiteral("Tahoma"), 24, true), yellow, Qt::AlignHCenter | Qt::AlignTop);

    Option1 = makeOption(this, QStringLiteral("Option1"), tr("By pupil"), QRect(6000, 1260, 2200, 375), 11);
    Option2 = makeOption(this, QStringLiteral("Option2"), tr("By activity"), QRect(8280, 1260, 3600, 375), 11);
    Option1->setChecked(true);
    connect(Option1, &QRadioButton::clicked, this, &ClassResults::showFiltered);
    connect(Option2, &QRadioButton::clicked, this, &ClassResults::showFiltered);

    makeLabel(this, QStringLiteral("Label4"), tr("Class:"), QRect(0, 840, 1260, 375), labelFont, yellow,
              Qt::AlignRight | Qt::AlignTop);
    Combo1 = placed(new QComboBox(this), QStringLiteral("Combo1"), tr("Class"), QRect(1320, 780, 3480, 375));
    makeLabel(this, QStringLiteral("Label5"), tr("Pupil:"), QRect(4920, 840, 1000, 375), labelFont, yellow,
              Qt::AlignRight | Qt::AlignTop);
    Combo2 = placed(new QComboBox(this), QStringLiteral("Combo2"), tr("Pupil"), QRect(6000, 780, 5880, 375));
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        fillPupils();
        showFiltered();
    });
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            showFiltered();
    });

    makeLabel(this, QStringLiteral("Label6"), tr("From:"), QRect(120, 1320, 1000, 375), labelFont, yellow,
              Qt::AlignRight | Qt::AlignTop);
    Date1 = makeDate(this, QStringLiteral("Date1"), tr("From"), QRect(1200, 1260, 1800, 375));
    makeLabel(this, QStringLiteral("Label7"), tr("To:"), QRect(3060, 1320, 900, 375), labelFont, yellow,
              Qt::AlignRight | Qt::AlignTop);
    Date2 = makeDate(this, QStringLiteral("Date2"), tr("To"), QRect(4020, 1260, 1800, 375));
    for (QDateEdit* date : {Date1, Date2}) {
        connect(date, &QDateEdit::dateChanged, this, [this] {
            if (!m_filling)
                showFiltered();
        });
    }

    m_model = new ResultsModel(this);
    Table1 = placed(new QTableView(this), QStringLiteral("Table1"), tr("Class results"),
                    QRect(120, 1740, 7320, 4140));
    Table1->setModel(m_model);
    Table1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table1->setSelectionMode(QAbstractItemView::SingleSelection);
    Table1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table1->setTabKeyNavigation(false);
    Table1->setWordWrap(false);
    Table1->verticalHeader()->hide();
    Table1->verticalHeader()->setDefaultSectionSize(Table1->fontMetrics().height() + 6);
    Table1->horizontalHeader()->setStretchLastSection(true);
    Table1->horizontalHeader()->setResizeContentsPrecision(50);
    connect(Table1, &QTableView::activated, this, [this](const QModelIndex& index) {
        if (m_model->view() == ResultsModel::View::ByPupil)
            openPupil(index.row());
    });

    Chart1 = placed(new QChartView(this), QStringLiteral("Chart1"), tr("Chart of what the class got wrong"),
                    QRect(7560, 1740, 4320, 4140));
    Chart1->setFocusPolicy(Qt::TabFocus);
    Chart1->setRenderHint(QPainter::Antialiasing);

    makeLabel(this, QStringLiteral("Label9"), tr("Keep results for every computer:"), QRect(120, 5940, 6960, 375),
              labelFont, yellow);
    Option3 = makeOption(this, QStringLiteral("Option3"), tr("On"), QRect(7200, 5940, 1800, 375), 11);
    Option4 = makeOption(this, QStringLiteral("Option4"), tr("Off"), QRect(9120, 5940, 1800, 375), 11);
    Option3->setAccessibleName(tr("Keep results for every computer: on"));
    Option4->setAccessibleName(tr("Keep results for every computer: off"));
    // Not one group with the view's options.
    for (QRadioButton* option : {Option3, Option4})
        option->setAutoExclusive(false);
    connect(Option3, &QRadioButton::clicked, this, &ClassResults::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &ClassResults::Option4_Click);
    Label8 = makeLabel(this, QStringLiteral("Label8"), QString(), QRect(120, 6330, 11760, 300),
                       uiFont(QStringLiteral("Tahoma"), 9, true), yellow);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(WatchMs);
    connect(Timer1, &QTimer::timeout, this, &ClassResults::rereadIfChanged);

    Label3 = makeLabel(this, QStringLiteral("Label3"), QString(), QRect(120, 6630, 11760, 690),
                       uiFont(QStringLiteral("Tahoma"), 9, true), QColor(255, 192, 192));
    Label3->setWordWrap(true);

    makeLabelButtonRow(this, Label2, QStringLiteral("Label2"),
                       {{0, tr("Exit"), QRect(10560, 7920, 1245, 495), 18},
                        {1, tr("Refresh"), QRect(120, 7320, 1500, 495), 12},
                        {2, tr("Save as Spreadsheet"), QRect(1740, 7320, 2700, 495), 12},
                        {3, tr("Print"), QRect(4560, 7320, 1200, 495), 12},
                        {4, tr("Delete Pupil's Records"), QRect(5880, 7320, 3000, 495), 12},
                        {6, tr("Class Lists"), QRect(9000, 7320, 2880, 495), 12},
                        {5, tr("Delete Records Before"), QRect(120, 7920, 3600, 495), 12}},
                       [this](int index) { Label2_Click(index); });
    Date3 = makeDate(this, QStringLiteral("Date3"), tr("Delete records before this day"),
                     QRect(3840, 7980, 1800, 375));
}

QString ClassResults::folder() const
{
    return program().content().resolve(QString::fromUtf16(ResultsFolderName));
}

void ClassResults::Form_Load()
{
    layoutform(*this);
    for (QRadioButton* option : {Option1, Option2, Option3, Option4})
        setControlBackColor(option, formBlue);
    showSwitch();
    Date3->setDate(schoolYearStart(QDate::currentDate()));
    refresh();
    // The span shown at first: every record read, up to today.
    QDate first = QDate::currentDate();
    QDate last = first;
    for (const ResultRecord& record : m_read.records) {
        first = std::min(first, record.when.date());
        last = std::max(last, record.when.date());
    }
    m_filling = true;
    Date1->setDate(first);
    Date2->setDate(last);
    m_filling = false;
    showFiltered();
}

void ClassResults::refresh()
{
    m_model->show(m_model->view(), {}); // the table lets go of the records read before
    // The listing before the reading: a file added to meanwhile is read again next time.
    m_state = recordsFolderState(folder());
    m_read = readRecordsFolder(folder());
    QStringList lines;
    for (const RecordsProblem& problem : m_read.problems) {
        switch (problem.kind) {
        case RecordsProblem::Kind::Damaged:
            lines << tr("%1: %2 damaged lines skipped").arg(problem.file).arg(problem.lines);
            break;
        case RecordsProblem::Kind::LaterVersion:
            lines << tr("%1: %2 lines of a later version of Brellinshore skipped").arg(problem.file).arg(problem.lines);
            break;
        case RecordsProblem::Kind::TooLarge:
            lines << tr("%1: too large, read only in part").arg(problem.file);
            break;
        case RecordsProblem::Kind::Unreadable:
            lines << tr("%1: could not be read").arg(problem.file);
            break;
        }
    }
    Label3->setToolTip(lines.join(u'\n'));
    if (lines.size() > ProblemLinesShown) {
        const qsizetype more = lines.size() - (ProblemLinesShown - 1);
        lines.resize(ProblemLinesShown - 1);
        lines << tr("and %1 more files (point here to see them all)").arg(more);
    }
    Label3->setText(lines.join(u'\n'));
    Label3->setAccessibleName(Label3->toolTip());
    fillClasses();
}

void ClassResults::fillClasses()
{
    QSet<QString> seen;
    for (const ResultRecord& record : m_read.records)
        seen.insert(record.pupilClass);
    for (const ClassList& list : readClassLists(folder()))
        seen.insert(list.name);
    QStringList classes(seen.cbegin(), seen.cend());
    classes.sort();
    const QString chosen = Combo1->currentData().toString();
    m_filling = true;
    Combo1->clear();
    Combo1->addItem(tr("All classes"), QString());
    for (const QString& name : classes) {
        if (!name.isEmpty())
            Combo1->addItem(name, name);
    }
    Combo1->setCurrentIndex(std::max(0, Combo1->findData(chosen)));
    m_filling = false;
    fillPupils();
}

void ClassResults::fillPupils()
{
    const QString pupilClass = Combo1->currentData().toString();
    QSet<std::pair<QString, QString>> seen; // name, class
    for (const ResultRecord& record : m_read.records) {
        if (pupilClass.isEmpty() || record.pupilClass == pupilClass)
            seen.insert({record.pupil, record.pupilClass});
    }
    std::vector<std::pair<QString, QString>> pupils(seen.cbegin(), seen.cend());
    std::sort(pupils.begin(), pupils.end());
    const QString chosen = Combo2->currentData().toString();
    m_filling = true;
    Combo2->clear();
    Combo2->addItem(tr("All pupils"), QString());
    for (const auto& [name, inClass] : pupils) {
        const QString shown = pupilClass.isEmpty() && !inClass.isEmpty() ? name + QStringLiteral(" (") + inClass + u')'
                                                                         : name;
        Combo2->addItem(shown, inClass + u'\t' + name);
    }
    Combo2->setCurrentIndex(std::max(0, Combo2->findData(chosen)));
    m_filling = false;
}

ResultsFilter ClassResults::filter() const
{
    ResultsFilter chosen;
    chosen.pupilClass = Combo1->currentData().toString();
    const QString pupil = Combo2->currentData().toString();
    if (!pupil.isEmpty()) {
        chosen.pupilClass = pupil.section(u'\t', 0, 0);
        chosen.pupil = pupil.section(u'\t', 1);
    }
    chosen.from = Date1->date();
    chosen.to = Date2->date();
    return chosen;
}

void ClassResults::showFiltered()
{
    std::vector<const ResultRecord*> records = filteredRecords(m_read.records, filter());
    drawChart(records);
    m_model->show(Option1->isChecked() ? ResultsModel::View::ByPupil : ResultsModel::View::ByActivity,
                  std::move(records));
    // The columns as wide as the first rows need (measuring every row of a year would cost).
    Table1->resizeColumnsToContents();
    if (m_model->rowCount() > 0)
        Table1->setCurrentIndex(m_model->index(0, 0));
}

void ClassResults::openPupil(int row)
{
    if (m_model->view() != ResultsModel::View::ByPupil || row < 0 || row >= int(m_model->pupils().size()))
        return;
    const PupilSummary pupil = m_model->pupils()[std::size_t(row)];
    m_filling = true;
    Combo1->setCurrentIndex(std::max(0, Combo1->findData(pupil.pupilClass)));
    m_filling = false;
    fillPupils();
    m_filling = true;
    Combo2->setCurrentIndex(std::max(0, Combo2->findData(pupil.pupilClass + u'\t' + pupil.pupil)));
    Option2->setChecked(true);
    m_filling = false;
    showFiltered();
    Table1->setFocus(Qt::OtherFocusReason);
    announce(tr("The records of %1, with their wrong answers").arg(pupil.pupil));
}

void ClassResults::drawChart(const std::vector<const ResultRecord*>& records)
{
    const auto [questions, activities] = mostMissed(records, MostMissedQuestions, MostMissedActivities);
    auto* chart = new QChart;
    chart->setTitle(tr("What most pupils got wrong"));
    chart->setTitleFont(uiFont(QStringLiteral("Tahoma"), 10, true));
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    auto* set = new QBarSet(tr("Share of pupils"));
    QStringList categories;
    // A horizontal bar chart draws its first category at the bottom: the most missed go last.
    std::vector<std::pair<QString, double>> bars;
    for (const MissedItem& item : questions)
        bars.push_back({tr("Q: %1").arg(shortened(item.text, 34)), 100 * item.share()});
    for (const MissedItem& item : activities)
        bars.push_back({shortened(item.text, 36), 100 * item.share()});
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
        categories << bar->first;
        *set << bar->second;
    }
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto* names = new QBarCategoryAxis;
    names->append(categories);
    names->setLabelsFont(uiFont(QStringLiteral("Tahoma"), 7));
    chart->addAxis(names, Qt::AlignLeft);
    series->attachAxis(names);
    auto* shares = new QValueAxis;
    shares->setRange(0, 100);
    shares->setLabelFormat(QStringLiteral("%d%%"));
    shares->setLabelsFont(uiFont(QStringLiteral("Tahoma"), 7));
    chart->addAxis(shares, Qt::AlignBottom);
    series->attachAxis(shares);
    QChart* old = Chart1->chart();
    Chart1->setChart(chart);
    delete old;

    QStringList parts;
    for (const MissedItem& item : questions)
        parts << tr("question “%1”: missed by %2 of %3 pupils").arg(item.text).arg(item.pupils).arg(item.of);
    for (const MissedItem& item : activities)
        parts << tr("%1: %2 of %3 pupils below full marks").arg(item.text).arg(item.pupils).arg(item.of);
    Chart1->setAccessibleDescription(parts.isEmpty() ? tr("Nothing was got wrong in these records.")
                                                     : tr("Most often wrong: ") + parts.join(QStringLiteral("; ")));
}

void ClassResults::rereadIfChanged()
{
    if (recordsFolderState(folder()) == m_state)
        return;
    // The row chosen, by what it shows: a pupil, or a record.
    const QModelIndex current = Table1->currentIndex();
    std::optional<std::pair<QString, QString>> pupil;
    std::optional<ResultRecord> record;
    if (current.isValid() && m_model->view() == ResultsModel::View::ByPupil) {
        const PupilSummary& summary = m_model->pupils()[std::size_t(current.row())];
        pupil = {summary.pupilClass, summary.pupil};
    } else if (current.isValid()) {
        record = *m_model->records()[std::size_t(current.row())];
    }
    const int column = std::max(0, current.column());
    refresh();
    showFiltered();
    int row = -1;
    if (pupil) {
        const auto& pupils = m_model->pupils();
        const auto found = std::find_if(pupils.cbegin(), pupils.cend(), [&](const PupilSummary& summary) {
            return summary.pupilClass == pupil->first && summary.pupil == pupil->second;
        });
        row = found == pupils.cend() ? -1 : int(found - pupils.cbegin());
    } else if (record) {
        const auto& records = m_model->records();
        const auto found =
            std::find_if(records.cbegin(), records.cend(), [&](const ResultRecord* shown) { return *shown == *record; });
        row = found == records.cend() ? -1 : int(found - records.cbegin());
    }
    if (row >= 0)
        Table1->setCurrentIndex(m_model->index(row, column));
}

void ClassResults::showEvent(QShowEvent* event)
{
    Screen::showEvent(event);
    Timer1->start();
}

void ClassResults::hideEvent(QHideEvent* event)
{
    Timer1->stop();
    Screen::hideEvent(event);
}

void ClassResults::showSwitch()
{
    const std::optional<bool> on = readResultsSwitch(folder());
    // Neither is ticked while no teacher has set it.
    Option3->setChecked(on.value_or(false));
    Option4->setChecked(on && !*on);
    Label8->setText(!on ? tr("Now: not set: each computer's own setting.")
                        : *on ? tr("Now: on: every computer keeps results.")
                              : tr("Now: off: no computer keeps results."));
}

void ClassResults::writeSwitch(bool on)
{
    try {
        writeResultsSwitch(folder(), on);
    } catch (const DataError& error) {
        program().dialogs().message(tr("The switch could not be written: %1").arg(QString::fromUtf8(error.what())));
    }
    showSwitch();
    announce(Label8->text());
}

void ClassResults::Option3_Click()
{
    writeSwitch(true);
}

void ClassResults::Option4_Click()
{
    writeSwitch(false);
}

QString ClassResults::chartDescription() const
{
    return Chart1->accessibleDescription();
}

void ClassResults::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label2);
}

void ClassResults::Label2_Click(int index)
{
    program().playCue(cue::click);
    Screens& screens = program().screens();
    switch (index) {
    case 0:
        if (screens.isRegistered(screenName::menu))
            screens.show(screenName::menu);
        screens.unload(formName());
        return;
    case 1:
        refresh();
        showFiltered();
        announce(tr("Records read: %1").arg(m_read.records.size()));
        return;
    case 2:
        saveSpreadsheet();
        return;
    case 3:
        printTable();
        return;
    case 4:
        deletePupil();
        return;
    case 5:
        deleteOlder();
        return;
    case 6:
        if (screens.isRegistered(screenName::classLists))
            screens.show(screenName::classLists);
        return;
    default:
        return;
    }
}

QString ClassResults::filterHeading() const
{
    const ResultsFilter chosen = filter();
    QString who = chosen.pupilClass.isEmpty() ? tr("All classes") : chosen.pupilClass;
    if (!chosen.pupil.isEmpty())
        who += QStringLiteral(", ") + chosen.pupil;
    return tr("%1, %2 to %3")
        .arg(who, chosen.from.toString(QStringLiteral("dd/MM/yyyy")), chosen.to.toString(QStringLiteral("dd/MM/yyyy")));
}

void ClassResults::saveSpreadsheet()
{
    QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (start.isEmpty() || !QDir(start).exists())
        start = QDir::homePath();
    const QString suggested =
        QDir(start).filePath(tr("Class results %1.csv").arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path = program().dialogs().spreadsheetFileName(suggested);
    if (path.isEmpty())
        return;
    const std::vector<const ResultRecord*> records = filteredRecords(m_read.records, filter());
    try {
        replaceWholeFile(path, spreadsheetBytes(ResultsModel::recordHeadings(), records));
    } catch (const DataError& error) {
        program().dialogs().message(tr("The spreadsheet could not be saved: %1").arg(QString::fromUtf8(error.what())));
        return;
    }
    program().dialogs().message(tr("The spreadsheet is saved, with %1 records.").arg(records.size()));
}

void ClassResults::printTable()
{
    const QStringList headings = ResultsModel::recordHeadings();
    // The printed columns and their shares of the width: the records' own, without the
    // wrong answers and the computer (those go in the spreadsheet).
    const bool byPupil = m_model->view() == ResultsModel::View::ByPupil;
    const std::vector<double> shares =
        byPupil ? std::vector<double>{0.3, 0.2, 0.15, 0.15, 0.2} : std::vector<double>{0.16, 0.2, 0.13, 0.31, 0.1, 0.05, 0.05};
    const int columns = int(shares.size());
    try {
        std::unique_ptr<PrintJob> job = program().printer().startJob();
        PrintJob& page = *job;
        const double width = page.scaleWidth();
        const auto printRow = [&](const QStringList& cells) {
            double x = 0;
            const double y = page.currentY();
            for (int c = 0; c < columns; ++c) {
                const double room = shares[std::size_t(c)] * width - 90;
                QString text = cells.value(c);
                if (page.textWidth(text) > room) {
                    while (!text.isEmpty() && page.textWidth(text + QChar(0x2026)) > room)
                        text.chop(1);
                    text += QChar(0x2026);
                }
                page.setCurrentX(x);
                page.setCurrentY(y);
                page.print(text, c == columns - 1);
                x += shares[std::size_t(c)] * width;
            }
        };
        QStringList columnHeadings;
        for (int c = 0; c < columns; ++c)
            columnHeadings << m_model->headerData(c, Qt::Horizontal).toString();
        const auto heading = [&] {
            page.setFontName(QStringLiteral("Arial"));
            page.setFontBold(true);
            page.setFontSize(14);
            page.print(tr("Class Results: ") + filterHeading(), true);
            page.setFontSize(10);
            printRow(columnHeadings);
            page.setFontBold(false);
            page.setDrawWidth(1);
            page.line(QPointF(0, page.currentY()), QPointF(width, page.currentY()), QColor(0, 0, 0));
            page.setCurrentY(page.currentY() + 40);
        };
        page.setForeColor(QColor(0, 0, 0));
        heading();
        for (int row = 0; row < m_model->rowCount(); ++row) {
            if (page.currentY() + 2 * page.textHeight() > page.scaleHeight()) {
                page.newPage();
                heading();
            }
            QStringList cells;
            for (int c = 0; c < columns; ++c)
                cells << m_model->data(m_model->index(row, c)).toString();
            printRow(cells);
        }
        page.endDoc();
    } catch (const PrintError&) {
        program().dialogs().message(tr("There was a problem printing to your printer."));
        return;
    }
    program().dialogs().message(tr("The class results are now printing."));
}

void ClassResults::removeRecords(const std::function<bool(const ResultRecord&)>& chosen)
{
    try {
        const int removed = deleteRecords(folder(), chosen);
        refresh();
        showFiltered();
        program().dialogs().message(tr("Records deleted: %1").arg(removed));
    } catch (const DataError& error) {
        refresh();
        showFiltered();
        program().dialogs().message(tr("The records could not all be deleted: %1").arg(QString::fromUtf8(error.what())));
    }
}

void ClassResults::deletePupil()
{
    QString pupilClass;
    QString pupil;
    const QString fromList = Combo2->currentData().toString();
    const QModelIndex current = Table1->currentIndex();
    if (!fromList.isEmpty()) {
        pupilClass = fromList.section(u'\t', 0, 0);
        pupil = fromList.section(u'\t', 1);
    } else if (m_model->view() == ResultsModel::View::ByPupil && current.isValid()) {
        pupilClass = m_model->pupils()[std::size_t(current.row())].pupilClass;
        pupil = m_model->pupils()[std::size_t(current.row())].pupil;
    } else {
        program().dialogs().message(tr("Choose a pupil first: in the list of pupils, or a row of the view by pupil."));
        return;
    }
    const auto chosen = [pupilClass, pupil](const ResultRecord& record) {
        return record.pupil == pupil && record.pupilClass == pupilClass;
    };
    const auto count = std::count_if(m_read.records.cbegin(), m_read.records.cend(), chosen);
    const QString who = pupilClass.isEmpty() ? pupil : pupil + QStringLiteral(" (") + pupilClass + u')';
    if (!program().dialogs().confirm(
            tr("Are you sure that you want to delete every record of %1? Records to delete: %2").arg(who).arg(count)))
        return;
    removeRecords(chosen);
}

void ClassResults::deleteOlder()
{
    const QDate before = Date3->date();
    const auto chosen = [before](const ResultRecord& record) { return record.when.date() < before; };
    const auto count = std::count_if(m_read.records.cbegin(), m_read.records.cend(), chosen);
    const QString day = before.toString(QStringLiteral("dd/MM/yyyy"));
    if (count == 0) {
        program().dialogs().message(tr("There are no records from before %1.").arg(day));
        return;
    }
    if (!program().dialogs().confirm(
            tr("Are you sure that you want to delete every record from before %1? Records to delete: %2").arg(day).arg(count)))
        return;
    removeRecords(chosen);
}

void openClassResults(Program& program)
{
    Screens& screens = program.screens();
    if (!screens.isRegistered(screenName::classResults))
        return;
    // Read afresh each time it opens: other computers add to the folder all day.
    if (auto* shown = dynamic_cast<ClassResults*>(screens.loaded(screenName::classResults))) {
        shown->refresh();
        shown->showFiltered();
    }
    screens.show(screenName::classResults);
}

} // namespace bs
