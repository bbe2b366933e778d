// The topic file reader refuses every kind of fault with the file and the field named, and a
// folder keeps its good files when one is refused.
#include "topicdata/TopicFile.h"
#include "topicdata/TopicLibrary.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace bs;

namespace {

QByteArray shipped()
{
    QFile file(BS_CONTENT_DIR "/topics/scilly1.json");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A row: scilly1.json with one text changed, refused for the field named.
void refusal(const char* name, const QByteArray& from, const QByteArray& to, const QString& field)
{
    QTest::newRow(name) << shipped().replace(from, to) << field;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestTopicFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field");
        const QByteArray item = R"({"text": "x", "start": [0, 0], "target": [0, 0]}, )";
        QTest::newRow("not JSON") << QByteArray("{\"form\": ") << QString();
        QTest::newRow("a list, not an object") << QByteArray("[1, 2]") << QString();
        refusal("wrong type", "[240, 0, 6000, 900]", "\"wide\"", "titleBox");
        refusal("fraction of a twip", "6765", "6765.5", "frameTop");
        refusal("missing field", "\"worksheet\": \"multiple/Isles of Scilly - History.txt\",", "", "worksheet");
        refusal("unknown field", "\"panoramaTop\"", "\"panoramma\": 1, \"panoramaTop\"", "panoramma");
        refusal("unknown place", "\"place\": \"Isles of Scilly\"", "\"place\": \"Atlantis\"", "place");
        refusal("box outside the form", "[240, 0, 6000, 900]", "[240, 0, 12000, 900]", "titleBox");
        refusal("item's target box running off the form", "\"target\": [120, 6570]", "\"target\": [10200, 6570]",
                "activities[0].items[0].target");
        refusal("item starting below the form", "\"start\": [9240, 6240]", "\"start\": [9240, 8700]",
                "activities[0].items[0].start");
        refusal("path up out of the folder", "Images/stmary.jpg", "Images/../../secret.jpg", "panorama");
        refusal("absolute path", "Images/stmarysm.jpg", "/etc/passwd", "quizPicture");
        refusal("worksheet in another folder", "multiple/Isles", "Images/Isles", "worksheet");
        refusal("drawing name with a folder", "\"key scilly1\"", "\"../key\"", "keyFacts");
        refusal("form name of a program screen", "\"form\": \"scilly1\"", "\"form\": \"Welldone\"", "form");
        refusal("an activity named twice", "\"form\": \"scilly1ord\"", "\"form\": \"scilly1lab\"",
                "activities[1].form");
        refusal("label named as an item", "\"Label7\", \"caption\": \"Label the",
                "\"Label2(0)\", \"caption\": \"Label the", "activities[0].labels[0].name");
        refusal("colour by name", "\"#FFFF00\"", "\"yellow\"", "activities[0].labels[0].color");
        refusal("font not shipped", "\"Times New Roman\"", "\"Comic Sans MS\"",
                "activities[0].labels[0].font.family");
        refusal("too many items", "{\"text\": \"Devon\"", item.repeated(7) + "{\"text\": \"Devon\"",
                "activities[0].items");
        refusal("button opens an activity of another kind", "\"labelling\": \"scilly1lab\"",
                "\"labelling\": \"scilly1ord\"", "labelling");
        refusal("stacking names no control", "[\"Label7\"", "[\"Label99\"", "activities[0].stacking[0]");
        refusal("item text too long", "\"Isles of Scilly\", \"start\"",
                "\"" + QByteArray(101, 'x') + "\", \"start\"", "activities[0].items[0].text");
    }
    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        QVERIFY(bytes != shipped());
        try {
            readTopicFile(bytes, "scilly1.json");
            QFAIL("the file was read");
        } catch (const TopicFileError& error) {
            QCOMPARE(error.file, QStringLiteral("scilly1.json"));
            QCOMPARE(error.field, field);
            QVERIFY(error.message().startsWith("scilly1.json: "));
        }
    }

    // A refused file is left out with its reason; the rest of the folder stands. The folder is
    // read when first asked for, and a missing folder is simply empty.
    void folderKeepsItsGoodFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QByteArray copy = shipped().replace("\"form\": \"scilly1\"", "\"form\": \"zcopy\"");
        copy.replace("\"topic\": \"History\"", "\"topic\": \"Economy\"");
        QTest::newRow("an activity's form name taken")
            << "zcopy.json" << copy
            << "zcopy.json: field activities[0].form: scilly1lab is already a form of scilly1.json";
        QByteArray other = shipped().replace("\"form\": \"scilly1\"", "\"form\": \"zother\"");
        other.replace("scilly1lab", "otherlab").replace("scilly1ord", "otherord");
        QTest::newRow("place and topic taken")
            << "zother.json" << other
            << "zother.json: field topic: Isles of Scilly / History is already the topic of scilly1.json";
        QTest::newRow("named unlike its form")
            << "zzz.json" << copy << "zzz.json: field form: must match the file's name";
    }
    void folderKeepsItsGoodFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        TopicLibrary library(folder.path());
        writeFile(folder.filePath("scilly1.json"), shipped());
        writeFile(folder.filePath(name), bytes);
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Topic file refused: " + folder.filePath(problem)));
        QCOMPARE(library.problems(), QStringList{problem});
        QCOMPARE(library.topics().size(), std::size_t(1));
        QVERIFY(library.topicAt("Isles of Scilly", "History") && library.activityNamed("scilly1ord"));
        TopicLibrary none(folder.filePath("absent"));
        QVERIFY(none.topics().empty() && none.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTopicFiles)
#include "test_topicfiles.moc"
