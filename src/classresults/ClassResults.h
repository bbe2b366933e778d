#pragma once

#include "classresults/ResultsTable.h"
#include "results/RecordsFolder.h"
#include "ui/Controls.h"
#include "ui/Screen.h"

#include <QAbstractTableModel>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QRadioButton;
class QTableView;
class QTimer;

namespace bs {

class LabelButton;

// The table of the records shown: one row per pupil or one row per record, latest first.
class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class View { ByPupil, ByActivity };

    explicit ResultsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    void show(View view, std::vector<const ResultRecord*> records);

    View view() const { return m_view; }
    const std::vector<const ResultRecord*>& records() const { return m_records; }
    const std::vector<PupilSummary>& pupils() const { return m_pupils; }
    // The column headings of the records (the spreadsheet's and the printout's too).
    static QStringList recordHeadings();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    View m_view = View::ByActivity;
    std::vector<const ResultRecord*> m_records;
    std::vector<PupilSummary> m_pupils;
};

// The teacher's view of the class's records, read from the results folder each time it opens,
// at "Refresh", and while it is shown whenever a computer has added to the folder (looked at
// every 20 seconds, keeping the filter, the view and the row chosen): by pupil or by activity, narrowed to a class, a pupil and a span of days;
// the chart of what most of the class got wrong; the spreadsheet, the printout, and deleting
// one pupil's records or every record older than a day; the switch that keeps results for every
// computer sharing the folder. Label2(0) is "Exit".
class ClassResults : public Screen
{
    Q_OBJECT

public:
    ClassResults(Program& program, const QString& formName);

    void Form_Load() override;
    void Label2_Click(int index);

    // Reads the folder again and shows what the filter keeps.
    void refresh();
    // Shows the records read, as the controls now filter them.
    void showFiltered();
    // Shows one pupil's records, with their wrong answers (a row of the "By pupil" view).
    void openPupil(int row);

    void saveSpreadsheet();
    void printTable();
    void deletePupil();
    void deleteOlder();
    // Reads the folder again if any records file changed since it was read, keeping the
    // filter, the view and the row chosen (Timer1 calls it while the screen is shown).
    void rereadIfChanged();
    void Option3_Click();
    void Option4_Click();

    QLabel* Label1;
    QRadioButton* Option1; // by pupil
    QRadioButton* Option2; // by activity
    QComboBox* Combo1;     // class
    QComboBox* Combo2;     // pupil
    QDateEdit* Date1;      // from
    QDateEdit* Date2;      // to
    QDateEdit* Date3;      // delete older than
    QTableView* Table1;
    QChartView* Chart1;
    QLabel* Label3; // the files that could not be read whole
    ControlArray<LabelButton> Label2;
    QRadioButton* Option3; // keep results for every computer: on
    QRadioButton* Option4; // off
    QLabel* Label8;        // the switch as it stands
    QTimer* Timer1;        // looks for records added by other computers

    // How often Timer1 looks at the folder.
    static constexpr int WatchMs = 20000;

    const RecordsRead& read() const { return m_read; }
    ResultsModel& model() const { return *m_model; }
    ResultsFilter filter() const;
    // The chart's text for the screen reader.
    QString chartDescription() const;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString folder() const;
    void fillClasses();
    void fillPupils();
    void drawChart(const std::vector<const ResultRecord*>& records);
    QString filterHeading() const;
    void removeRecords(const std::function<bool(const ResultRecord&)>& chosen);
    void showSwitch();
    void writeSwitch(bool on);

    RecordsRead m_read;
    QList<RecordsFileState> m_state; // the records files as they were when read
    ResultsModel* m_model;
    bool m_filling = false;
};

} // namespace bs
