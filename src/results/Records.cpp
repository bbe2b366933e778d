#include "results/Records.h"

#include <QHash>
#include <QVarLengthArray>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace bs {

namespace {

constexpr QByteArrayView Mark = "BSR";
constexpr int ChecksumDigits = 8;
// time, computer, pupil, class, source, place, topic, title, activity, score, outof
constexpr int FixedFields = 11;

// The line's checksum: FNV-1a's step taken over eight bytes at a time (little-endian words,
// the last one padded with zeros), then the top half of the 64 bits. Eight times fewer steps
// than a byte at a time, for a view that checks a year's lines.
quint32 checksum(QByteArrayView bytes)
{
    quint64 hash = 14695981039346656037ull;
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, bytes.data() + i, 8);
        hash = (hash ^ qFromLittleEndian(word)) * 1099511628211ull;
    }
    if (i < bytes.size()) {
        quint64 word = 0;
        for (qsizetype k = 0; i + k < bytes.size(); ++k)
            word |= quint64(quint8(bytes[i + k])) << (8 * k);
        hash = (hash ^ word) * 1099511628211ull;
    }
    hash ^= hash >> 29;
    return quint32(hash >> 32);
}

void appendEscaped(QByteArray& line, const QString& field)
{
    const QByteArray bytes = field.toUtf8();
    for (char c : bytes) {
        switch (c) {
        case '\\': line += "\\\\"; break;
        case '\t': line += "\\t"; break;
        case '\n': line += "\\n"; break;
        case '\r': line += "\\r"; break;
        default: line += c;
        }
    }
    line += '\t';
}

// True for well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isUtf8(QByteArrayView bytes)
{
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        // Plain ASCII eight bytes at a time: nearly every byte of a records file.
        if (i + 8 <= n) {
            quint64 word;
            std::memcpy(&word, bytes.data() + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        const quint8 c = quint8(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        quint32 value = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            value = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            value = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            value = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            if (i + k >= n || (quint8(bytes[i + k]) & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (quint8(bytes[i + k]) & 0x3F);
        }
        if ((more == 2 && (value < 0x800 || (value >= 0xD800 && value <= 0xDFFF))) ||
            (more == 3 && (value < 0x10000 || value > 0x10FFFF)))
            return false;
        i += more + 1;
    }
    return true;
}

// A field as written (its line already checked to be UTF-8), else nothing.
std::optional<QString> unescaped(QByteArrayView field)
{
    if (!field.contains('\\'))
        return QString::fromUtf8(field);
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c == '\\') {
            if (++i == field.size())
                return std::nullopt;
            switch (field[i]) {
            case '\\': c = '\\'; break;
            case 't': c = '\t'; break;
            case 'n': c = '\n'; break;
            case 'r': c = '\r'; break;
            default: return std::nullopt;
            }
        }
        bytes += c;
    }
    return QString::fromUtf8(bytes);
}

std::optional<int> number(QByteArrayView field)
{
    // As written: digits, no leading zero.
    if (field.isEmpty() || field.size() > 6 || (field.size() > 1 && field[0] == '0'))
        return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "yyyy-MM-ddTHH:mm:ss+hh:mm" (or -hh:mm): the moment with the offset it was written in.
QByteArray timeText(const QDateTime& when)
{
    const int offset = when.offsetFromUtc();
    const QDateTime local = when.toOffsetFromUtc(offset);
    const int minutes = std::abs(offset) / 60;
    return local.date().toString(Qt::ISODate).toLatin1() + 'T' + local.time().toString(u"HH:mm:ss").toLatin1() +
           (offset < 0 ? '-' : '+') + QByteArray::number(minutes / 60).rightJustified(2, '0') + ':' +
           QByteArray::number(minutes % 60).rightJustified(2, '0');
}

std::optional<int> digits(QByteArrayView text, qsizetype at, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The moment timeText wrote, read without the slow general parser (a view of a year's records
// reads 100,000 of them).
QDateTime timeOf(QByteArrayView text)
{
    static constexpr QByteArrayView shape = "0000-00-00T00:00:00+00:00";
    if (text.size() != shape.size())
        return {};
    for (qsizetype i = 0; i < shape.size(); ++i) {
        if (shape[i] != '0' && shape[i] != '+' && text[i] != shape[i])
            return {};
    }
    const auto year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const auto hour = digits(text, 11, 2), minute = digits(text, 14, 2), second = digits(text, 17, 2);
    const auto offsetHours = digits(text, 20, 2), offsetMinutes = digits(text, 23, 2);
    const char sign = text[19];
    if (!year || !month || !day || !hour || !minute || !second || !offsetHours || !offsetMinutes ||
        (sign != '+' && sign != '-') || *offsetHours > 14 || *offsetMinutes > 59)
        return {};
    const QDate date(*year, *month, *day);
    const QTime time(*hour, *minute, *second);
    if (!date.isValid() || !time.isValid())
        return {};
    const int offset = (*offsetHours * 3600 + *offsetMinutes * 60) * (sign == '-' ? -1 : 1);
    if (sign == '-' && offset == 0)
        return {}; // written "+00:00"
    return QDateTime(date, time, Qt::OffsetFromUTC, offset);
}

const char* sourceName(ResultRecord::Source source)
{
    switch (source) {
    case ResultRecord::Source::Worksheet: return "worksheet";
    case ResultRecord::Source::OwnTopic: return "own";
    case ResultRecord::Source::Topic: break;
    }
    return "topic";
}

std::optional<ResultRecord::Source> sourceOf(QByteArrayView name)
{
    if (name == "topic")
        return ResultRecord::Source::Topic;
    if (name == "worksheet")
        return ResultRecord::Source::Worksheet;
    if (name == "own")
        return ResultRecord::Source::OwnTopic;
    return std::nullopt;
}

// The version of a line that starts with "BSR<digits><TAB>", else nothing.
std::optional<int> versionAt(QByteArrayView line)
{
    if (!line.startsWith(Mark))
        return std::nullopt;
    const qsizetype tab = line.indexOf('\t');
    if (tab < 0)
        return std::nullopt;
    return number(line.sliced(Mark.size(), tab - Mark.size()));
}

// The texts read before: a folder's lines mostly repeat the computers, the classes, the pupils,
// the places and the questions, and a repeated text is shared rather than made again (which
// also lets the view count by the shared texts cheaply). The line before's text of each field is
// looked at first, then every text this thread has read.
struct Recent
{
    struct Text
    {
        QByteArray bytes;
        QString text;
    };
    std::array<Text, 8 + 11> byField; // the fixed texts, then wrong answers 1 to 10 (11 for others)

    // Every text read so far on this thread, by its bytes as written; kept from file to file,
    // and forgotten when it grows past what a school's folder holds.
    static constexpr qsizetype KnownLimit = 65536;
    static QHash<QByteArray, QString>& known()
    {
        thread_local QHash<QByteArray, QString> texts;
        return texts;
    }

    std::optional<QString> shared(std::size_t slot, QByteArrayView field)
    {
        Text& recent = byField[slot];
        if (recent.bytes == field && !recent.bytes.isNull())
            return recent.text;
        QHash<QByteArray, QString>& texts = known();
        const auto found = texts.constFind(QByteArray::fromRawData(field.data(), field.size()));
        if (found != texts.cend()) {
            recent.bytes = found.key();
            recent.text = found.value();
            return recent.text;
        }
        auto text = unescaped(field);
        if (text) {
            if (texts.size() >= KnownLimit)
                texts.clear();
            recent.bytes = field.toByteArray();
            recent.text = *text;
            texts.insert(recent.bytes, recent.text);
        }
        return text;
    }
};

// The record of a whole version-1 line (without its line feed), else nothing.
std::optional<ResultRecord> parse(QByteArrayView line, Recent& recent)
{
    const qsizetype last = line.lastIndexOf('\t');
    if (last < 0 || line.size() - last - 1 != ChecksumDigits)
        return std::nullopt;
    quint32 written = 0;
    for (char c : line.sliced(last + 1)) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        written = written * 16 + quint32(digit);
    }
    if (written != checksum(line.first(last + 1)) || !isUtf8(line))
        return std::nullopt;

    QVarLengthArray<QByteArrayView, 64> fields;
    qsizetype start = line.indexOf('\t') + 1;
    while (start <= last) {
        const qsizetype end = line.indexOf('\t', start);
        fields.append(line.sliced(start, end - start));
        start = end + 1;
    }
    if (fields.size() < FixedFields || (fields.size() - FixedFields) % 2 != 0)
        return std::nullopt;

    ResultRecord record;
    QString* texts[] = {&record.computer, &record.pupil,   &record.pupilClass,
                        nullptr,          &record.place,   &record.topic,
                        &record.title,    &record.activity};
    for (int i = 0; i < 8; ++i) {
        if (!texts[i])
            continue;
        auto text = recent.shared(std::size_t(i), fields[i + 1]);
        if (!text)
            return std::nullopt;
        *texts[i] = std::move(*text);
    }
    const auto source = sourceOf(fields[4]);
    const auto score = number(fields[9]);
    const auto outof = number(fields[10]);
    if (!source || !score || !outof)
        return std::nullopt;
    record.when = timeOf(fields[0]);
    if (!record.when.isValid())
        return std::nullopt;
    record.source = *source;
    record.score = *score;
    record.outof = *outof;
    record.wrong.reserve((fields.size() - FixedFields) / 2);
    for (qsizetype i = FixedFields; i < fields.size(); i += 2) {
        const auto question = number(fields[i]);
        const std::size_t slot = 8 + std::size_t(std::clamp(question.value_or(0), 1, 11) - 1);
        auto text = question ? recent.shared(slot, fields[i + 1]) : std::nullopt;
        if (!question || !text)
            return std::nullopt;
        record.wrong.append({*question, std::move(*text)});
    }
    return record;
}

} // namespace

QByteArray recordLine(const ResultRecord& record)
{
    QByteArray line = Mark.toByteArray() + QByteArray::number(RecordsVersion) + '\t';
    line += timeText(record.when) + '\t';
    appendEscaped(line, record.computer);
    appendEscaped(line, record.pupil);
    appendEscaped(line, record.pupilClass);
    line += QByteArray(sourceName(record.source)) + '\t';
    appendEscaped(line, record.place);
    appendEscaped(line, record.topic);
    appendEscaped(line, record.title);
    appendEscaped(line, record.activity);
    line += QByteArray::number(record.score) + '\t' + QByteArray::number(record.outof) + '\t';
    for (const WrongAnswer& answer : record.wrong) {
        line += QByteArray::number(answer.number) + '\t';
        appendEscaped(line, answer.text);
    }
    line += QByteArray::number(checksum(line), 16).rightJustified(ChecksumDigits, '0') + '\n';
    return line;
}

LinesRead readRecordLines(QByteArrayView bytes,
                          const std::function<void(ResultRecord&&, QByteArrayView line)>& found,
                          const std::function<void(QByteArrayView line)>& laterLine)
{
    LinesRead read;
    Recent recent;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            break; // unfinished: being written, or torn at the end
        QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        if (line.isEmpty())
            continue;
        // A record starts at the line's start, or, after a torn line, at a later "BSR": the
        // first of them that is whole is the record (a field never holds a raw tab, so no field
        // can hold the start of a whole line).
        bool whole = false;
        bool later = false;
        for (qsizetype at = 0; at >= 0; at = line.indexOf(Mark, at + 1)) {
            const QByteArrayView candidate = line.sliced(at);
            const auto version = versionAt(candidate);
            if (!version)
                continue;
            if (*version > RecordsVersion) {
                later = true;
                if (laterLine)
                    laterLine(bytes.sliced(end - candidate.size(), candidate.size() + 1));
                break;
            }
            if (*version != RecordsVersion)
                continue;
            if (auto record = parse(candidate, recent)) {
                whole = true;
                if (at > 0)
                    ++read.damaged; // the torn line before it
                found(std::move(*record), bytes.sliced(end - candidate.size(), candidate.size() + 1));
                break;
            }
        }
        if (later)
            ++read.later;
        else if (!whole)
            ++read.damaged;
    }
    return read;
}

} // namespace bs
