#include "quiz/PupilResults.h"

#include "platform/Dialogs.h"
#include "quiz/QuizOpeners.h"
#include "results/ClassSettings.h"
#include "results/RecordsFolder.h"
#include "ui/Program.h"
#include "worksheetdata/DataError.h"

#include <QCoreApplication>

namespace bs {

namespace {

QString text(const char* english)
{
    return QCoreApplication::translate("bs::PupilResults", english);
}

// Where the record says the work came from: its topic page, or the school's own topic (a topic
// with no place of the menu's), else nothing found.
bool describeTopic(const Topic* topic, ResultRecord& record)
{
    if (!topic)
        return false;
    if (topic->place.isEmpty()) {
        record.source = ResultRecord::Source::OwnTopic;
        record.title = topic->title;
    } else {
        record.source = ResultRecord::Source::Topic;
        record.place = topic->place;
        record.topic = topic->topic;
    }
    return true;
}

} // namespace

QString resultsFolder(Program& program)
{
    return program.content().resolve(QString::fromUtf16(ResultsFolderName));
}

bool keepingResults(Program& program)
{
    return resultsKept(resultsFolder(program), program.machineResults);
}

bool pupilNamedFirst(Program& program)
{
    if (!program.state.pupilname.isEmpty() || !keepingResults(program))
        return true;
    return askPupilName(program);
}

bool askPupilName(Program& program)
{
    QStringList classes;
    QList<QStringList> pupils;
    for (const ClassList& list : readClassLists(resultsFolder(program))) {
        classes << list.name;
        pupils << list.pupils;
    }
    for (;;) {
        const std::optional<PupilName> answer = program.dialogs().askPupil(classes, pupils);
        if (!answer)
            return false;
        const QString name = answer->name.trimmed();
        const QString problem = pupilNameProblem(name);
        if (!problem.isEmpty()) {
            program.dialogs().message(problem);
            continue;
        }
        program.state.pupilname = name;
        program.state.pupilclass = answer->pupilClass;
        return true;
    }
}

void recordResult(Program& program, int score, int outof, const QuizOutcome* quiz, const QString& activity)
{
    ProgramState& state = program.state;
    if (state.pupilname.isEmpty() || !keepingResults(program))
        return;
    ResultRecord record;
    record.when = QDateTime::currentDateTime();
    record.computer = thisComputer();
    record.pupil = state.pupilname;
    record.pupilClass = state.pupilclass;
    record.score = score;
    record.outof = outof;
    TopicLibrary& topics = program.topicLibrary();
    if (quiz) {
        record.activity = QStringLiteral("quiz");
        if (state.quizpage.isEmpty() || !describeTopic(topics.topicNamed(state.quizpage), record)) {
            record.source = ResultRecord::Source::Worksheet;
            record.title = quiz->worksheetTitle.trimmed();
        }
        // The pupil's own answers, whatever the screen counted on from an earlier result.
        record.score = 0;
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
            record.score += state.mark[n];
            if (state.mark[n] == 0)
                record.wrong.append({n, state.question[n]});
        }
    } else {
        const Topic* topic = topics.topicOfActivity(activity);
        if (!describeTopic(topic, record)) {
            record.source = ResultRecord::Source::OwnTopic;
            record.title = activity;
        }
        record.activity = topic && topic->labelling == activity  ? QStringLiteral("labelling")
                          : topic && topic->ordering == activity ? QStringLiteral("ordering")
                                                                 : QStringLiteral("activity");
    }
    try {
        appendRecord(resultsFolder(program), record);
    } catch (const DataError&) {
        if (!state.resultnotsaved) {
            state.resultnotsaved = true;
            program.dialogs().message(text("Your result could not be saved for your teacher."));
        }
    }
}

} // namespace bs
