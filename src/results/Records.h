#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

namespace bs {

// One wrongly answered quiz question: its number (1 to 10) and its text.
struct WrongAnswer
{
    int number = 0;
    QString text;
    bool operator==(const WrongAnswer&) const = default;
};

// One finished quiz or activity of one pupil.
struct ResultRecord
{
    // What was worked on: a topic page (place and topic), a teacher's worksheet or the school's
    // own topic (title).
    enum class Source { Topic, Worksheet, OwnTopic };

    QDateTime when;
    QString computer;
    QString pupil;
    QString pupilClass;
    Source source = Source::Topic;
    QString place;
    QString topic;
    QString title;
    QString activity; // "quiz", "labelling", "ordering", ...
    int score = 0;
    int outof = 0;
    QList<WrongAnswer> wrong;

    bool operator==(const ResultRecord&) const = default;
};

// A records file is UTF-8 text, one record a line:
//   BSR1 <TAB> field <TAB> field ... <TAB> checksum <LF>
// "BSR" and the format's version start the line; the fields are those of ResultRecord in order
// (the time as yyyy-MM-ddTHH:mm:ss+hh:mm, to the second), then a number and a text for each
// wrong answer; a backslash, tab, line feed or carriage return in a field is written \\, \t,
// \n, \r; the checksum is eight hex digits of a hash of everything before it (checksum() in
// Records.cpp). A line is a record only when it is whole: its checksum matches and its line
// feed is there. A line torn by a power cut and continued by the next record is read from that
// record's "BSR" on.
constexpr int RecordsVersion = 1;

// The whole line of record, with its line feed.
QByteArray recordLine(const ResultRecord& record);

// What reading a file's bytes found besides its records.
struct LinesRead
{
    int damaged = 0; // lines that are no whole record of this version (blank lines aside)
    int later = 0;   // records of a later version of the format, left unread
};

// Reads the lines of bytes in order: found(record, line) for each whole record with the exact
// bytes of its line (line feed included). An unfinished last line (no line feed) is a record
// still being written, or one a power cut tore: it is left out and not counted. laterLine, if
// given, sees each line of a later version.
LinesRead readRecordLines(QByteArrayView bytes,
                          const std::function<void(ResultRecord&&, QByteArrayView line)>& found,
                          const std::function<void(QByteArrayView line)>& laterLine = {});

} // namespace bs
