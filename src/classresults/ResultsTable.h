#pragma once

#include "results/Records.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace bs {

// What the teacher narrowed the records to: a class (empty: all classes), a pupil of a class
// (empty: all pupils) and a span of days, both ends included.
struct ResultsFilter
{
    QString pupilClass;
    QString pupil;
    QDate from;
    QDate to;

    bool keeps(const ResultRecord& record) const;
};

// One pupil's line of the "By pupil" view.
struct PupilSummary
{
    QString pupil;
    QString pupilClass;
    int activities = 0;
    double averagePercent = 0; // of the records with an out-of
    QDateTime lastSeen;
};

// One bar of the chart: a question or an activity, and the share of pupils it went wrong for.
struct MissedItem
{
    QString text;
    int pupils = 0; // who missed it (a question) or fell short of full marks (an activity)
    int of = 0;     // who were asked it / did it
    double share() const { return of > 0 ? double(pupils) / of : 0; }
};

// The records of the current filter, latest first (pointers into the records read).
std::vector<const ResultRecord*> filteredRecords(const QList<ResultRecord>& records, const ResultsFilter& filter);

// One summary per pupil (pupil and class together), the latest seen first.
std::vector<PupilSummary> pupilSummaries(const std::vector<const ResultRecord*>& latestFirst);

// What most pupils got wrong, most first: the questions most pupils missed (by their text, of
// the pupils who answered a quiz), at most `questions` of them, and the activities the largest
// share of pupils fell short of full marks in at their latest try, at most `activities`.
struct MostMissed
{
    std::vector<MissedItem> questions;
    std::vector<MissedItem> activities;
};
MostMissed mostMissed(const std::vector<const ResultRecord*>& latestFirst, int questions, int activities);

// What was worked on, as the teacher reads it: "Llandudno: History" or the title.
QString workedOn(const ResultRecord& record);
// The wrong answers as "3. Which sea...; 7. ...".
QString wrongAnswersText(const ResultRecord& record);

// The spreadsheet of the records: comma-separated values with a header row, CRLF line ends,
// a field holding a comma, quote, CR or LF in quotes (quotes doubled), UTF-8 after a byte-order
// mark. A field a spreadsheet would take for a formula (starting with = + - @, tab or CR) gets a
// leading apostrophe: names are typed by pupils.
QByteArray spreadsheetBytes(const QStringList& header, const std::vector<const ResultRecord*>& records);
// One field as the spreadsheet writes it.
QString spreadsheetField(const QString& text);
// The fields of a record, in the order of the spreadsheet's and the printout's columns.
QStringList recordFields(const ResultRecord& record);

} // namespace bs
