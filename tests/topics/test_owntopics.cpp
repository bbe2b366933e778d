// The school's own topics on disk: the file reads back as written and every fault a hand edit,
// a cut-short copy or a later version brings is refused naming its field; the folder lists
// refused files with their problem; saving writes whole files under the catalogue's lock,
// keeps a topic under 2 MB and leaves the folder as it was on a failure; deleting removes that
// topic's files only, under the lock too; two programs saving one topic at once leave it whole,
// and several saving, removing and cataloguing at once lose nothing. Its activities, as
// the program lays them out, start with nothing placed and give full marks with every item in
// its own box.
#include "OwnTopicSample.h"
#include "activities/DragEngine.h"
#include "support/Fixtures.h"
#include "topicdata/OwnTopicStore.h"
#include "topicdata/TopicFile.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace bs;

Q_DECLARE_METATYPE(bs::OwnTopic)

namespace {

const QString grounds = QStringLiteral("Our school grounds");

QJsonObject sampleObject()
{
    return QJsonDocument::fromJson(ownTopicBytes(test::sampleOwnTopic())).object();
}

QByteArray bytesOf(const QJsonObject& object)
{
    return QJsonDocument(object).toJson();
}

// The sample with one field of one part replaced (part empty: a field of the file itself).
QByteArray sampleWith(const QString& part, const QString& key, const QJsonValue& value)
{
    QJsonObject object = sampleObject();
    if (part.isEmpty()) {
        object[key] = value;
        return bytesOf(object);
    }
    QJsonObject inner = object[part].toObject();
    inner[key] = value;
    object[part] = inner;
    return bytesOf(object);
}

QJsonArray labelsAt(const QList<QPoint>& points)
{
    QJsonArray labels;
    for (int i = 0; i < points.size(); ++i)
        labels.append(QJsonObject{{QStringLiteral("text"), QStringLiteral("Label %1").arg(i + 1)},
                                  {QStringLiteral("at"), QJsonArray{points[i].x(), points[i].y()}}});
    return labels;
}

QString failureOf(const std::function<void()>& change)
{
    try {
        change();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

} // namespace

class TestOwnTopics : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = m_dir->filePath(QStringLiteral("ourtopics"));
        m_catalogue = m_dir->filePath(QStringLiteral("multiple/track.txt"));
        QVERIFY(QDir().mkpath(m_folder) && QDir().mkpath(m_dir->filePath(QStringLiteral("multiple"))));
        m_store = std::make_unique<OwnTopicStore>(m_folder, m_catalogue);
    }

    void readsBackWhatItWrites_data()
    {
        QTest::addColumn<OwnTopic>("topic");
        QTest::newRow("every part") << test::sampleOwnTopic();
        OwnTopic bare;
        bare.title = QStringLiteral("Our village then and now");
        bare.panorama = owntopic::panoramaName(bare.title, QStringLiteral("png"));
        QTest::newRow("a title and a panorama only") << bare;
        OwnTopic welsh = test::sampleOwnTopic(QStringLiteral("Ein pentref ŵyn"), true);
        welsh.language = QStringLiteral("cy");
        QTest::newRow("Welsh, PNG pictures") << welsh;
    }

    void readsBackWhatItWrites()
    {
        QFETCH(OwnTopic, topic);
        QCOMPARE(readOwnTopicFile(ownTopicBytes(topic), owntopic::fileName(topic.title)), topic);
    }

    void refusesNamingTheField_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("reason"); // a part of the reason given
        const QByteArray whole = bytesOf(sampleObject());
        QTest::newRow("written by a later version") << sampleWith({}, "format", 2) << "format" << "later version";
        QTest::newRow("cut short") << whole.left(whole.size() / 2) << "" << "is not JSON";
        QTest::newRow("renamed by hand") << sampleWith({}, "title", "Our field") << "title" << "file's name";
        QTest::newRow("a title no file can have") << sampleWith({}, "title", "Our village: then") << "title"
                                                  << "cannot contain the character :";
        QTest::newRow("a picture of another folder")
            << sampleWith({}, "panorama", "../Our school grounds - panorama.jpg") << "panorama" << "must be";
        QTest::newRow("a picture of another topic")
            << sampleWith("labelling", "picture", "Our field - picture.jpg") << "labelling.picture" << "must be";
        QTest::newRow("one key facts page")
            << sampleWith({}, "keyFacts", QJsonArray{sampleObject()["keyFacts"].toArray()[0]}) << "keyFacts"
            << "2 to 2";
        QTest::newRow("an empty paragraph")
            << sampleWith("notes", "paragraphs", QJsonArray{""}) << "notes.paragraphs[0]" << "must not be empty";
        QTest::newRow("a heading too long")
            << sampleWith("notes", "heading", QString(61, u'x')) << "notes.heading" << "longer than 60";
        QTest::newRow("one label") << sampleWith("labelling", "labels", labelsAt({{0, 0}})) << "labelling.labels"
                                   << "2 to 8";
        QTest::newRow("boxes overlapping") << sampleWith("labelling", "labels", labelsAt({{0, 0}, {2399, 374}}))
                                           << "labelling.labels[1].at" << "overlaps the box of label 1";
        QTest::newRow("a box off the picture") << sampleWith("labelling", "labels", labelsAt({{0, 0}, {4801, 0}}))
                                               << "labelling.labels[1].at[0]" << "must be from 0 to 4800";
        QTest::newRow("two items") << sampleWith("ordering", "items", QJsonArray{"Gate", "Pond"}) << "ordering.items"
                                   << "3 to 6";
        QTest::newRow("an item twice") << sampleWith("ordering", "items", QJsonArray{"Gate", "Pond", "Gate"})
                                       << "ordering.items[2]" << "repeats item 1";
        QTest::newRow("a field of no meaning") << sampleWith({}, "colour", "red") << "colour" << "unknown field";
    }

    void refusesNamingTheField()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        QFETCH(QString, reason);
        try {
            readOwnTopicFile(bytes, owntopic::fileName(grounds));
            QFAIL("the file was read");
        } catch (const TopicFileError& error) {
            QCOMPARE(error.field, field);
            QVERIFY2(error.reason.contains(reason), qPrintable(error.reason));
        }
    }

    void activitiesAreLaidOutToBePlayed_data()
    {
        QTest::addColumn<OwnTopic>("topic");
        QTest::addColumn<QStringList>("forms");
        QTest::newRow("three labels, three items") << test::sampleOwnTopic() << QStringList{"own1lab", "own1ord"};
        OwnTopic most = test::sampleOwnTopic();
        most.labelling->labels.clear();
        for (int i = 0; i < owntopic::MaxLabels; ++i)
            most.labelling->labels.push_back({QStringLiteral("Label %1").arg(i), QPoint(i % 2 * 4800, i / 2 * 1500)});
        most.ordering->items = QStringList{"One", "Two", "Three", "Four", "Five", "Six"};
        QTest::newRow("eight labels, six items") << most << QStringList{"own1lab", "own1ord"};
        QTest::newRow("no labelling") << test::sampleOwnTopic(grounds, false, true) << QStringList{"own1ord"};
    }

    void activitiesAreLaidOutToBePlayed()
    {
        QFETCH(OwnTopic, topic);
        QFETCH(QStringList, forms);
        const auto activities = ownTopicActivities(topic, QStringLiteral("own1"), QStringLiteral("ourtopics"));
        QStringList names;
        const QRect form(0, 0, 12000, 9000);
        for (const ActivityDefinition& activity : activities) {
            names << activity.formName;
            std::vector<TwipsRect> starts, targets;
            bool inside = true;
            auto rect = [&](QPoint at) {
                const QRect box(at, activity.itemSize);
                inside = inside && form.contains(box);
                return TwipsRect{float(at.x()), float(at.y()), float(box.width()), float(box.height())};
            };
            for (const ActivityItem& item : activity.items) {
                starts.push_back(rect(item.start));
                targets.push_back(rect(item.target));
            }
            QVERIFY2(inside, qPrintable(activity.formName));
            for (const LabelSpec& label : activity.labels)
                QVERIFY2(form.contains(label.twips), qPrintable(label.name));
            QCOMPARE(activity.labels.front().caption, topic.title);
            // Every control once: per item a box, the item and a slot; three buttons; the rest.
            QCOMPARE(activity.stacking.size(),
                     qsizetype(3 * activity.items.size() + 3 + activity.labels.size() + activity.pictures.size()));
            for (std::size_t i = 0; i < starts.size(); ++i) {
                for (std::size_t j = 0; j < starts.size(); ++j) {
                    const auto box = [](const TwipsRect& r) { return QRectF(r.left, r.top, r.width, r.height); };
                    QVERIFY(!box(starts[i]).intersects(box(targets[j])));
                    QVERIFY(i == j || !box(targets[i]).intersects(box(targets[j])));
                }
            }
            DragEngine engine(starts, targets);
            QCOMPARE(engine.score(), 0);
            for (int i = 0; i < engine.count(); ++i) {
                engine.moveItem(i, engine.target(i).left, engine.target(i).top);
                engine.drop(i);
            }
            QVERIFY(engine.allPlaced());
            QCOMPARE(engine.score(), engine.count());
        }
        QCOMPARE(names, forms);
        if (topic.labelling)
            QCOMPARE(activities.front().pictures.front().path, QStringLiteral("ourtopics/") + topic.labelling->picture);
    }

    // The folder as a teacher's screen lists it: whole topics, and refused files with a
    // message naming the file and what is wrong, the others unharmed.
    void listsEveryFileRefusedOnesWithTheirProblem()
    {
        const OwnTopic topic = test::sampleOwnTopic();
        m_store->save(topic, test::samplePictures(topic));
        QVERIFY(test::writeBytes(m_store->path(QStringLiteral("Our field.json")),
                                 sampleWith({}, "format", 2).replace(grounds.toUtf8(), "Our field")));
        const auto entries = m_store->list();
        QCOMPARE(entries.size(), std::size_t(2));
        QCOMPARE(entries[0].fileName, QStringLiteral("Our field.json"));
        QVERIFY(!entries[0].topic);
        QCOMPARE(entries[0].problem, QStringLiteral("Our field.json: field format: was written by a later version of the program"));
        QVERIFY(entries[1].topic && *entries[1].topic == topic && entries[1].problem.isEmpty());
    }

    // An edit that drops a picture removes it; deleting removes the topic's own files and no
    // other topic's, nor a file of the teacher's beside them.
    void savesReplacesAndDeletesItsOwnFilesOnly()
    {
        const OwnTopic neighbour = test::sampleOwnTopic(grounds + QStringLiteral(" 2"));
        m_store->save(neighbour, test::samplePictures(neighbour));
        QVERIFY(test::writeBytes(m_store->path(grounds + QStringLiteral(" - notes.txt")), "mine"));
        const QStringList others = test::entriesOf(m_folder);

        const OwnTopic topic = test::sampleOwnTopic();
        m_store->save(topic, test::samplePictures(topic));
        QVERIFY(test::entriesOf(m_folder).contains(topic.labelling->picture));
        const OwnTopic edited = test::sampleOwnTopic(grounds, true, true);
        m_store->save(edited, test::samplePictures(edited));
        QStringList expected = others;
        expected << QStringLiteral("Our school grounds - panorama.png") << QStringLiteral("Our school grounds.json");
        expected.sort();
        QCOMPARE(test::entriesOf(m_folder), expected);
        QCOMPARE(test::readBytes(m_store->path(QStringLiteral("Our school grounds.json"))), ownTopicBytes(edited));

        m_store->remove(grounds);
        QCOMPARE(test::entriesOf(m_folder), others);
        m_store->remove(grounds); // deleted meanwhile on another computer
        QCOMPARE(test::entriesOf(m_folder), others);
        QVERIFY(!QFile::exists(catalogueLockPath(m_catalogue)));
    }

    void aFailedSaveLeavesTheFolderAsItWas_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("message"); // a part of it
        QTest::newRow("over 2 MB") << 0 << "larger than 2 MB";
        QTest::newRow("a picture missing") << 1 << "is missing";
        QTest::newRow("a picture it does not use") << 2 << "does not use";
        QTest::newRow("the disk full") << 3 << "Cannot write";
        QTest::newRow("a topic that would not read back") << 4 << "labelling.labels";
    }

    void aFailedSaveLeavesTheFolderAsItWas()
    {
        QFETCH(int, fault);
        QFETCH(QString, message);
        const OwnTopic earlier = test::sampleOwnTopic(grounds, true, true);
        m_store->save(earlier, test::samplePictures(earlier));
        const QStringList before = test::entriesOf(m_folder);
        const QByteArray earlierBytes = test::readBytes(m_store->path(owntopic::fileName(grounds)));

        OwnTopic topic = test::sampleOwnTopic();
        auto pictures = test::samplePictures(topic);
        if (fault == 0)
            pictures[topic.panorama] = QByteArray(owntopic::MaxSavedBytes, 'x');
        if (fault == 1)
            pictures.erase(topic.labelling->picture);
        if (fault == 2)
            pictures[QStringLiteral("Our school grounds - extra.jpg")] = "extra";
        if (fault == 3)
            pictures[topic.panorama] = QByteArray(4096, 'p');
        if (fault == 4)
            topic.labelling->labels.resize(1);
        const QString failure = failureOf([&] {
            std::optional<test::FileSizeLimit> full;
            if (fault == 3)
                full.emplace(1024); // more than the lock file, less than the panorama
            m_store->save(topic, pictures);
        });
        QVERIFY2(failure.contains(message), qPrintable(failure));
        QCOMPARE(test::entriesOf(m_folder), before);
        QCOMPARE(test::readBytes(m_store->path(owntopic::fileName(grounds))), earlierBytes);
    }

    void aSaveHoldsTheLockUntilTheTopicIsWritten_data()
    {
        QTest::addColumn<bool>("removing");
        QTest::newRow("saving") << false;
        QTest::newRow("removing") << true;
    }

    // As a change of the catalogue: a save (or removal) that let the catalogue's lock go before
    // it had read the earlier topic and written the new one (or removed its files) would let
    // another computer's save in between. The change is held inside its read of the earlier
    // file (a pipe the test fills on demand) while another program asks whether it could take
    // the lock.
    void aSaveHoldsTheLockUntilTheTopicIsWritten()
    {
        QFETCH(bool, removing);
        const OwnTopic earlier = test::sampleOwnTopic(grounds, true, false);
        const OwnTopic topic = test::sampleOwnTopic(grounds, false, true);
        for (const auto& [name, bytes] : test::samplePictures(earlier))
            QVERIFY(test::writeBytes(m_store->path(name), bytes));
        const QByteArray pipePath = QFile::encodeName(m_store->path(owntopic::fileName(grounds)));
        QCOMPARE(::mkfifo(pipePath.constData(), 0600), 0);
        QString failure;
        std::thread save([&] {
            failure = failureOf([&] {
                if (removing)
                    m_store->remove(grounds);
                else
                    m_store->save(topic, test::samplePictures(topic));
            });
        });
        int fd = -1;
        const bool reading = QTest::qWaitFor(
            [&] { return (fd = ::open(pipePath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0; }, 10000);
        QProcess other;
        other.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        other.start(QStringLiteral(BS_CATALOGUE_HELPER), {QStringLiteral("locked"), m_catalogue});
        const bool asked = other.waitForFinished(30000);
        if (!reading)
            fd = ::open(pipePath.constData(), O_RDWR | O_CLOEXEC);
        ::fcntl(fd, F_SETFL, 0);
        const QByteArray before = ownTopicBytes(earlier);
        const bool fed = ::write(fd, before.constData(), size_t(before.size())) == before.size();
        ::close(fd);
        save.join();
        QVERIFY2(reading, "the save never read the earlier topic");
        QVERIFY(asked && fed);
        QVERIFY2(other.exitStatus() == QProcess::NormalExit && other.exitCode() == 0,
                 "another program could take the catalogue's lock while a topic was being saved");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(test::entriesOf(m_folder),
                 (removing ? QStringList{} : QStringList{"Our school grounds - panorama.jpg", "Our school grounds.json"}));
    }

    // Two computers saving one topic over and over, one with a labelling picture and one
    // without: at the end the topic reads, and the folder holds its file and exactly the
    // pictures it names.
    void twoProgramsSavingAtOnceLeaveItWhole()
    {
        std::vector<std::unique_ptr<QProcess>> programs;
        for (const QString& kind : {QStringLiteral("png"), QStringLiteral("jpg")}) {
            auto& program = programs.emplace_back(std::make_unique<QProcess>());
            program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            program->start(QStringLiteral(BS_OWNTOPIC_HELPER),
                           {QStringLiteral("save"), m_folder, m_catalogue, grounds, QStringLiteral("15"), kind});
        }
        for (auto& program : programs)
            QVERIFY(program->waitForFinished(120000) && program->exitStatus() == QProcess::NormalExit &&
                    program->exitCode() == 0);
        const auto entries = m_store->list();
        QCOMPARE(entries.size(), std::size_t(1));
        QVERIFY2(entries[0].topic, qPrintable(entries[0].problem));
        QStringList expected = ownTopicPictures(*entries[0].topic) << owntopic::fileName(grounds);
        expected.sort();
        QCOMPARE(test::entriesOf(m_folder), expected);
    }

    // Several computers at once saving and removing their own topics and one they all save,
    // while adding and deleting catalogue titles: a save or removal that let the lock go before
    // its files were written or removed would let another in between, which each program sees
    // when it next holds the lock (a topic without its pictures, a picture without its topic),
    // and a catalogue change that did would lose another's title.
    void manyProgramsChangingAtOnceLoseNothing()
    {
        QVERIFY(test::writeBytes(m_catalogue, catalogueBytes({})));
        constexpr int Programs = 3, Rounds = 12;
        std::vector<std::unique_ptr<QProcess>> programs;
        QStringList topics, titles;
        for (int p = 0; p < Programs; ++p) {
            const QString prefix = QStringLiteral("P%1").arg(p);
            for (int i = 1; i <= Rounds; ++i) {
                const QString title = prefix + u' ' + QString::number(i);
                if (i % 2 == 0)
                    topics << title;
                titles << (i % 3 == 0 ? title + QStringLiteral(" quiz") : title);
            }
            auto& program = programs.emplace_back(std::make_unique<QProcess>());
            program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            program->start(QStringLiteral(BS_OWNTOPIC_HELPER), {QStringLiteral("mix"), m_folder, m_catalogue, prefix,
                                                                QString::number(Rounds)});
        }
        for (auto& program : programs)
            QVERIFY2(program->waitForFinished(120000) && program->exitStatus() == QProcess::NormalExit &&
                         program->exitCode() == 0,
                     "a program found the folder broken, or failed");
        QStringList listed, expected;
        for (const auto& entry : m_store->list()) {
            QVERIFY2(entry.topic, qPrintable(entry.problem));
            listed << entry.topic->title;
            for (const auto& [name, bytes] : test::samplePictures(*entry.topic)) {
                QCOMPARE(test::readBytes(m_store->path(name)), bytes);
                expected << name;
            }
            expected << entry.fileName;
        }
        listed.removeOne(QStringLiteral("Shared")); // there or not, as the last change left it
        listed.sort();
        topics.sort();
        QCOMPARE(listed, topics);
        expected.sort();
        QCOMPARE(test::entriesOf(m_folder), expected);
        auto list = std::make_unique<CatalogueList>();
        readCatalogue(m_catalogue, *list);
        QStringList catalogued;
        for (int i = 1; i <= list->workcount; ++i)
            catalogued << list->worklist[std::size_t(i)];
        catalogued.sort();
        titles.sort();
        QCOMPARE(catalogued, titles);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_catalogue;
    std::unique_ptr<OwnTopicStore> m_store;
};

QTEST_GUILESS_MAIN(TestOwnTopics)
#include "test_owntopics.moc"
