#include "classresults/ResultsTable.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace bs {

namespace {

QString pupilKey(const ResultRecord& record)
{
    return record.pupilClass + u'\t' + record.pupil;
}

template <class Key>
std::vector<MissedItem> topItems(const QHash<Key, MissedItem>& items, int count)
{
    std::vector<MissedItem> list;
    for (const MissedItem& item : items) {
        if (item.pupils > 0)
            list.push_back(item);
    }
    std::sort(list.begin(), list.end(), [](const MissedItem& a, const MissedItem& b) {
        if (a.share() != b.share())
            return a.share() > b.share();
        if (a.pupils != b.pupils)
            return a.pupils > b.pupils;
        return a.text < b.text;
    });
    if (int(list.size()) > count)
        list.resize(std::size_t(std::max(count, 0)));
    return list;
}

} // namespace

bool ResultsFilter::keeps(const ResultRecord& record) const
{
    if (!pupilClass.isEmpty() && record.pupilClass != pupilClass)
        return false;
    if (!pupil.isEmpty() && record.pupil != pupil)
        return false;
    const QDate day = record.when.date();
    return (!from.isValid() || day >= from) && (!to.isValid() || day <= to);
}

std::vector<const ResultRecord*> filteredRecords(const QList<ResultRecord>& records, const ResultsFilter& filter)
{
    std::vector<const ResultRecord*> kept;
    kept.reserve(std::size_t(records.size()));
    for (const ResultRecord& record : records) {
        if (filter.keeps(record))
            kept.push_back(&record);
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const ResultRecord* a, const ResultRecord* b) { return a->when > b->when; });
    return kept;
}

std::vector<PupilSummary> pupilSummaries(const std::vector<const ResultRecord*>& latestFirst)
{
    std::vector<PupilSummary> pupils;
    QHash<QString, std::size_t> row;
    std::vector<int> marked;
    for (const ResultRecord* record : latestFirst) {
        const QString key = pupilKey(*record);
        auto found = row.constFind(key);
        if (found == row.constEnd()) {
            found = row.insert(key, pupils.size());
            pupils.push_back({record->pupil, record->pupilClass, 0, 0, record->when});
            marked.push_back(0);
        }
        PupilSummary& summary = pupils[*found];
        ++summary.activities;
        if (record->outof > 0) {
            summary.averagePercent += 100.0 * record->score / record->outof;
            ++marked[*found];
        }
    }
    for (std::size_t i = 0; i < pupils.size(); ++i)
        pupils[i].averagePercent = marked[i] > 0 ? pupils[i].averagePercent / marked[i] : 0;
    return pupils;
}

std::vector<MissedItem> mostMissedQuestions(const std::vector<const ResultRecord*>& latestFirst, int count)
{
    // Of the pupils who answered a quiz, how many missed each question at least once.
    QSet<QString> quizPupils;
    QHash<QString, QSet<QString>> missedBy;
    for (const ResultRecord* record : latestFirst) {
        if (record->outof <= 0 || record->activity != QLatin1String("quiz"))
            continue;
        const QString pupil = pupilKey(*record);
        quizPupils.insert(pupil);
        for (const WrongAnswer& wrong : record->wrong)
            missedBy[wrong.text].insert(pupil);
    }
    QHash<QString, MissedItem> items;
    for (auto it = missedBy.cbegin(); it != missedBy.cend(); ++it)
        items.insert(it.key(), {it.key(), int(it.value().size()), int(quizPupils.size())});
    return topItems(items, count);
}

std::vector<MissedItem> mostMissedActivities(const std::vector<const ResultRecord*>& latestFirst, int count)
{
    QHash<QString, MissedItem> items;
    QSet<QString> seen; // activity and pupil: only the latest try counts
    for (const ResultRecord* record : latestFirst) {
        if (record->outof <= 0)
            continue;
        const QString activity = workedOn(*record) + QStringLiteral(" (") + record->activity + u')';
        if (!seen.contains(activity + u'\n' + pupilKey(*record))) {
            seen.insert(activity + u'\n' + pupilKey(*record));
            MissedItem& item = items[activity];
            item.text = activity;
            ++item.of;
            if (record->score < record->outof)
                ++item.pupils;
        }
    }
    return topItems(items, count);
}

QString workedOn(const ResultRecord& record)
{
    if (record.source == ResultRecord::Source::Topic)
        return record.place + QStringLiteral(": ") + record.topic;
    return record.title;
}

QString wrongAnswersText(const ResultRecord& record)
{
    QStringList parts;
    for (const WrongAnswer& wrong : record.wrong)
        parts << QString::number(wrong.number) + QStringLiteral(". ") + wrong.text;
    return parts.join(QStringLiteral("; "));
}

QStringList recordFields(const ResultRecord& record)
{
    return {record.when.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
            record.pupil,
            record.pupilClass,
            workedOn(record),
            record.activity,
            QString::number(record.score),
            QString::number(record.outof),
            wrongAnswersText(record),
            record.computer};
}

QString spreadsheetField(const QString& text)
{
    QString field = text;
    if (!field.isEmpty() && QStringView(u"=+-@\t\r").contains(field.front()))
        field.prepend(u'\'');
    if (field.contains(u',') || field.contains(u'"') || field.contains(u'\r') || field.contains(u'\n'))
        field = u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return field;
}

QByteArray spreadsheetBytes(const QStringList& header, const std::vector<const ResultRecord*>& records)
{
    QString text;
    const auto addRow = [&text](const QStringList& fields) {
        for (int i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text += u',';
            text += spreadsheetField(fields[i]);
        }
        text += QStringLiteral("\r\n");
    };
    addRow(header);
    for (const ResultRecord* record : records)
        addRow(recordFields(*record));
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace bs
