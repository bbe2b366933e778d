#include "classresults/ResultsTable.h"

#include <QHash>

#include <algorithm>

namespace bs {

namespace {

using PupilKey = std::pair<QString, QString>; // class, name

// Each record's pupil as a number (pupil and class together), counted from 0 in order of
// first appearance; count is the number of pupils.
std::vector<int> pupilNumbers(const std::vector<const ResultRecord*>& records, int& count)
{
    // The reader shares repeated texts: looked up first by where the texts are, which is quick,
    // then by the texts themselves.
    QHash<std::pair<const QChar*, const QChar*>, int> byPlace;
    QHash<PupilKey, int> numbers;
    std::vector<int> pupils;
    pupils.reserve(records.size());
    for (const ResultRecord* record : records) {
        const std::pair<const QChar*, const QChar*> place(record->pupilClass.constData(), record->pupil.constData());
        auto known = byPlace.constFind(place);
        if (known == byPlace.constEnd()) {
            auto found = numbers.constFind(PupilKey(record->pupilClass, record->pupil));
            if (found == numbers.constEnd())
                found = numbers.insert(PupilKey(record->pupilClass, record->pupil), int(numbers.size()));
            known = byPlace.insert(place, *found);
        }
        pupils.push_back(*known);
    }
    count = int(numbers.size());
    return pupils;
}

std::vector<MissedItem> topItems(std::vector<MissedItem> items, int count)
{
    std::vector<MissedItem> list;
    for (MissedItem& item : items) {
        if (item.pupils > 0)
            list.push_back(std::move(item));
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
    // Each time is turned into a number once: comparing the times themselves is slow.
    std::vector<std::pair<qint64, const ResultRecord*>> kept;
    kept.reserve(std::size_t(records.size()));
    for (const ResultRecord& record : records) {
        if (filter.keeps(record))
            kept.push_back({record.when.toMSecsSinceEpoch(), &record});
    }
    std::stable_sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<const ResultRecord*> latestFirst;
    latestFirst.reserve(kept.size());
    for (const auto& [time, record] : kept)
        latestFirst.push_back(record);
    return latestFirst;
}

std::vector<PupilSummary> pupilSummaries(const std::vector<const ResultRecord*>& latestFirst)
{
    int count = 0;
    const std::vector<int> numbers = pupilNumbers(latestFirst, count);
    std::vector<PupilSummary> pupils(static_cast<std::size_t>(count));
    std::vector<int> marked(static_cast<std::size_t>(count), 0);
    for (std::size_t i = 0; i < latestFirst.size(); ++i) {
        const ResultRecord& record = *latestFirst[i];
        PupilSummary& summary = pupils[std::size_t(numbers[i])];
        if (summary.activities++ == 0) {
            summary.pupil = record.pupil;
            summary.pupilClass = record.pupilClass;
            summary.lastSeen = record.when;
        }
        if (record.outof > 0) {
            summary.averagePercent += 100.0 * record.score / record.outof;
            ++marked[std::size_t(numbers[i])];
        }
    }
    for (std::size_t i = 0; i < pupils.size(); ++i)
        pupils[i].averagePercent = marked[i] > 0 ? pupils[i].averagePercent / marked[i] : 0;
    return pupils;
}

MostMissed mostMissed(const std::vector<const ResultRecord*>& latestFirst, int questions, int activities)
{
    int pupilCount = 0;
    const std::vector<int> numbers = pupilNumbers(latestFirst, pupilCount);
    const auto pupils = static_cast<std::size_t>(pupilCount);
    // Activities: what was worked on and how (place and topic, title and kind), as a number,
    // its text made once; only each pupil's latest try counts.
    using ActivityKey = std::pair<std::pair<QString, QString>, std::pair<QString, QString>>;
    QHash<ActivityKey, int> activityNumbers;
    using Places = std::pair<std::pair<const QChar*, const QChar*>, std::pair<const QChar*, const QChar*>>;
    QHash<Places, int> activityByPlace; // by where the shared texts are, looked up first
    std::vector<MissedItem> activityItems;
    std::vector<std::vector<bool>> tried; // activity, pupil
    // Questions: a quiz's question by its number (its text from the latest record), and of the
    // pupils who answered that quiz, who missed it at least once.
    struct Question
    {
        QString text;
        std::vector<bool> missedBy;
    };
    std::vector<std::vector<Question>> quizQuestions; // activity, question number
    std::vector<std::vector<bool>> answered;          // activity, pupil (quizzes only)
    for (std::size_t i = 0; i < latestFirst.size(); ++i) {
        const ResultRecord& record = *latestFirst[i];
        if (record.outof <= 0)
            continue;
        const auto pupil = static_cast<std::size_t>(numbers[i]);
        const Places places({record.place.constData(), record.topic.constData()},
                            {record.title.constData(), record.activity.constData()});
        auto known = activityByPlace.constFind(places);
        if (known == activityByPlace.constEnd()) {
            const ActivityKey key({record.place, record.topic}, {record.title, record.activity});
            auto found = activityNumbers.constFind(key);
            if (found == activityNumbers.constEnd()) {
                found = activityNumbers.insert(key, int(activityItems.size()));
                activityItems.push_back({workedOn(record) + QStringLiteral(" (") + record.activity + u')', 0, 0});
                tried.emplace_back(pupils, false);
                quizQuestions.emplace_back();
                answered.emplace_back(pupils, false);
            }
            known = activityByPlace.insert(places, *found);
        }
        const auto activity = std::size_t(*known);
        if (record.activity == QLatin1String("quiz")) {
            answered[activity][pupil] = true;
            std::vector<Question>& asked = quizQuestions[activity];
            for (const WrongAnswer& wrong : record.wrong) {
                if (wrong.number < 1 || wrong.number > 100)
                    continue;
                if (asked.size() < std::size_t(wrong.number))
                    asked.resize(std::size_t(wrong.number));
                Question& question = asked[std::size_t(wrong.number - 1)];
                if (question.missedBy.empty()) {
                    question.text = wrong.text;
                    question.missedBy.assign(pupils, false);
                }
                question.missedBy[pupil] = true;
            }
        }
        if (tried[activity][pupil])
            continue;
        tried[activity][pupil] = true;
        ++activityItems[activity].of;
        if (record.score < record.outof)
            ++activityItems[activity].pupils;
    }
    std::vector<MissedItem> questionItems;
    for (std::size_t activity = 0; activity < quizQuestions.size(); ++activity) {
        const int quizPupils = int(std::count(answered[activity].begin(), answered[activity].end(), true));
        for (const Question& question : quizQuestions[activity]) {
            if (!question.missedBy.empty())
                questionItems.push_back({question.text,
                                         int(std::count(question.missedBy.begin(), question.missedBy.end(), true)),
                                         quizPupils});
        }
    }
    return {topItems(std::move(questionItems), questions), topItems(std::move(activityItems), activities)};
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
