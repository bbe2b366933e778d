// The topic file reader refuses every kind of fault with the file and the field named, and a
// folder keeps its good files when one is refused.
#include "topicdata/TopicFile.h"
#include "topicdata/TopicLibrary.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace bs;

namespace {

QByteArray shipped()
{
    QFile file(BS_CONTENT_DIR "/topics/scilly1.json");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets (or, with an undefined value, removes) the field at a path such as "activities.0.items.2.target".
QJsonValue changed(const QJsonValue& at, QStringList path, const QJsonValue& value)
{
    if (path.isEmpty())
        return value;
    bool isIndex = false;
    const QString step = path.takeFirst();
    const int index = step.toInt(&isIndex);
    if (isIndex) {
        QJsonArray array = at.toArray();
        array.replace(index, changed(array.at(index), path, value));
        return array;
    }
    QJsonObject object = at.toObject();
    const QJsonValue inner = changed(object.value(step), path, value);
    inner.isUndefined() ? void(object.remove(step)) : void(object.insert(step, inner));
    return object;
}

// A row: scilly1.json with one field changed, refused for that field (the path unless given).
void refusal(const char* name, const QString& path, const QJsonValue& value, QString field = {})
{
    const QJsonObject file =
        changed(QJsonDocument::fromJson(shipped()).object(), path.split(u'.'), value).toObject();
    QTest::newRow(name) << QJsonDocument(file).toJson() << (field.isNull() ? path : field);
}

QJsonArray numbers(std::initializer_list<int> values)
{
    QJsonArray array;
    for (int value : values)
        array.append(value);
    return array;
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
        QTest::newRow("not JSON") << QByteArray("{\"form\": ") << QString();
        QTest::newRow("a list, not an object") << QByteArray("[1, 2]") << QString();
        const QString label = "activities.0.labels.0.";
        refusal("wrong type", "titleBox", "wide");
        refusal("text for a number", "panoramaTop", "1440");
        refusal("fraction of a twip", "frameTop", 6765.5);
        refusal("missing field", "worksheet", QJsonValue(QJsonValue::Undefined));
        refusal("unknown field", "panoramma", "x");
        refusal("unknown place", "place", "Atlantis");
        refusal("unknown topic", "topic", "Weather");
        refusal("title box outside the form", "titleBox", numbers({240, 0, 12000, 900}));
        refusal("item box outside the form", "activities.0.items.2.target", numbers({11000, 100}),
                "activities[0].items[2].target");
        refusal("negative label box", label + "box", numbers({-15, 0, 100, 100}),
                "activities[0].labels[0].box[0]");
        refusal("path up out of the folder", "panorama", "Images/../../secret.jpg");
        refusal("absolute path", "quizPicture", "/etc/passwd");
        refusal("worksheet in another folder", "worksheet", "Images/x.txt");
        refusal("drawing name with a folder", "keyFacts", "../key");
        refusal("picture with a backslash", "activities.0.pictures.0.path", "Images\\..\\x.jpg",
                "activities[0].pictures[0].path");
        refusal("form name of a program screen", "form", "Welldone");
        refusal("an activity named twice", "activities.1.form", "scilly1lab", "activities[1].form");
        refusal("label named as an item", label + "name", "Label2(0)", "activities[0].labels[0].name");
        refusal("colour by name", label + "color", "yellow", "activities[0].labels[0].color");
        refusal("font not shipped", label + "font.family", "Comic Sans MS",
                "activities[0].labels[0].font.family");
        refusal("label without a name", "activities.0.labels.1", QJsonObject{},
                "activities[0].labels[1].name");
        QJsonArray thirteen;
        for (int i = 0; i < 13; ++i)
            thirteen.append(
                QJsonObject{{"text", "x"}, {"start", numbers({0, 0})}, {"target", numbers({0, 0})}});
        refusal("too many items", "activities.0.items", thirteen, "activities[0].items");
        refusal("button opens an activity of another kind", "labelling", "scilly1ord");
        refusal("stacking names no control", "activities.0.stacking.0", "Label99",
                "activities[0].stacking[0]");
        refusal("item text too long", "activities.0.items.2.text", QString(101, u'x'),
                "activities[0].items[2].text");
    }
    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
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
