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

QByteArray shippedFile(const QString& name)
{
    QFile file(QStringLiteral(BS_CONTENT_DIR "/topics/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets (or, with an undefined value, removes) the field at a path such as
// {"activities", 0, "items", 2, "target"}.
QJsonValue changed(const QJsonValue& at, QVariantList path, const QJsonValue& value)
{
    if (path.isEmpty())
        return value;
    const QVariant step = path.takeFirst();
    if (step.typeId() == QMetaType::QString) {
        QJsonObject object = at.toObject();
        const QString key = step.toString();
        const QJsonValue inner = changed(object.value(key), path, value);
        if (inner.isUndefined())
            object.remove(key);
        else
            object.insert(key, inner);
        return object;
    }
    QJsonArray array = at.toArray();
    const int index = step.toInt();
    array.replace(index, changed(array.at(index), path, value));
    return array;
}

QByteArray withChange(const QVariantList& path, const QJsonValue& value)
{
    const QJsonDocument document = QJsonDocument::fromJson(shippedFile(QStringLiteral("scilly1.json")));
    return QJsonDocument(changed(document.object(), path, value).toObject()).toJson();
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
        const QVariantList item2 = {QStringLiteral("activities"), 0, QStringLiteral("items"), 2};
        const QVariantList label0 = {QStringLiteral("activities"), 0, QStringLiteral("labels"), 0};
        QTest::newRow("not JSON") << QByteArray("{\"form\": ") << QString();
        QTest::newRow("a list, not an object") << QByteArray("[1, 2]") << QString();
        QTest::newRow("wrong type") << withChange({QStringLiteral("titleBox")}, QStringLiteral("wide")) << "titleBox";
        QTest::newRow("text for a number") << withChange({QStringLiteral("panoramaTop")}, QStringLiteral("1440")) << "panoramaTop";
        QTest::newRow("fraction of a twip") << withChange({QStringLiteral("frameTop")}, 6765.5) << "frameTop";
        QTest::newRow("missing field") << withChange({QStringLiteral("worksheet")}, QJsonValue(QJsonValue::Undefined)) << "worksheet";
        QTest::newRow("unknown field") << withChange({QStringLiteral("panoramma")}, QStringLiteral("x")) << "panoramma";
        QTest::newRow("unknown place") << withChange({QStringLiteral("place")}, QStringLiteral("Atlantis")) << "place";
        QTest::newRow("unknown topic") << withChange({QStringLiteral("topic")}, QStringLiteral("Weather")) << "topic";
        QTest::newRow("title box outside the form") << withChange({QStringLiteral("titleBox")}, numbers({240, 0, 12000, 900})) << "titleBox";
        QVariantList target = item2;
        target << QStringLiteral("target");
        QTest::newRow("item box outside the form") << withChange(target, numbers({11000, 100})) << "activities[0].items[2].target";
        QVariantList labelBox = label0;
        labelBox << QStringLiteral("box");
        QTest::newRow("negative label box") << withChange(labelBox, numbers({-15, 0, 100, 100})) << "activities[0].labels[0].box[0]";
        QTest::newRow("path up out of the folder") << withChange({QStringLiteral("panorama")}, QStringLiteral("Images/../../secret.jpg")) << "panorama";
        QTest::newRow("absolute path") << withChange({QStringLiteral("quizPicture")}, QStringLiteral("/etc/passwd")) << "quizPicture";
        QTest::newRow("worksheet in another folder") << withChange({QStringLiteral("worksheet")}, QStringLiteral("Images/x.txt")) << "worksheet";
        QTest::newRow("drawing name with a folder") << withChange({QStringLiteral("keyFacts")}, QStringLiteral("../key")) << "keyFacts";
        QVariantList picture = {QStringLiteral("activities"), 0, QStringLiteral("pictures"), 0, QStringLiteral("path")};
        QTest::newRow("picture with a backslash") << withChange(picture, QStringLiteral("Images\\..\\x.jpg")) << "activities[0].pictures[0].path";
        QTest::newRow("form name of a program screen") << withChange({QStringLiteral("form")}, QStringLiteral("Welldone")) << "form";
        QVariantList secondForm = {QStringLiteral("activities"), 1, QStringLiteral("form")};
        QTest::newRow("an activity named twice") << withChange(secondForm, QStringLiteral("scilly1lab")) << "activities[1].form";
        QVariantList labelName = label0;
        labelName << QStringLiteral("name");
        QTest::newRow("label named as an item") << withChange(labelName, QStringLiteral("Label2(0)")) << "activities[0].labels[0].name";
        QVariantList colour = label0;
        colour << QStringLiteral("color");
        QTest::newRow("colour by name") << withChange(colour, QStringLiteral("yellow")) << "activities[0].labels[0].color";
        QVariantList family = label0;
        family << QStringLiteral("font") << QStringLiteral("family");
        QTest::newRow("font not shipped") << withChange(family, QStringLiteral("Comic Sans MS")) << "activities[0].labels[0].font.family";
        QVariantList labels = {QStringLiteral("activities"), 0, QStringLiteral("labels"), 1};
        QTest::newRow("label without a name") << withChange(labels, QJsonObject{}) << "activities[0].labels[1].name";
        QJsonArray thirteen;
        for (int i = 0; i < 13; ++i)
            thirteen.append(QJsonObject{{"text", "x"}, {"start", numbers({0, 0})}, {"target", numbers({0, 0})}});
        QTest::newRow("too many items") << withChange({QStringLiteral("activities"), 0, QStringLiteral("items")}, thirteen) << "activities[0].items";
        QTest::newRow("button opens an activity of another kind") << withChange({QStringLiteral("labelling")}, QStringLiteral("scilly1ord")) << "labelling";
        QVariantList stacking = {QStringLiteral("activities"), 0, QStringLiteral("stacking"), 0};
        QTest::newRow("stacking names no control") << withChange(stacking, QStringLiteral("Label99")) << "activities[0].stacking[0]";
        QVariantList text = item2;
        text << QStringLiteral("text");
        QTest::newRow("item text too long") << withChange(text, QString(101, u'x')) << "activities[0].items[2].text";
    }
    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        try {
            readTopicFile(bytes, QStringLiteral("scilly1.json"));
            QFAIL("the file was read");
        } catch (const TopicFileError& error) {
            QCOMPARE(error.file, QStringLiteral("scilly1.json"));
            QCOMPARE(error.field, field);
            QVERIFY(error.message().startsWith(QStringLiteral("scilly1.json: ")));
        }
    }

    // A refused file is left out with its reason; the rest of the folder stands.
    void folderKeepsItsGoodFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray scilly1 = shippedFile(QStringLiteral("scilly1.json"));
        QByteArray sameForms = scilly1;
        sameForms.replace("\"form\": \"scilly1\"", "\"form\": \"zcopy\"").replace("\"topic\": \"History\"", "\"topic\": \"Economy\"");
        QTest::newRow("an activity's form name taken") << "zcopy.json" << sameForms << "zcopy.json: field activities[0].form: scilly1lab is already a form of scilly1.json";
        QByteArray samePlace = scilly1;
        samePlace.replace("\"form\": \"scilly1\"", "\"form\": \"zother\"").replace("scilly1lab", "otherlab").replace("scilly1ord", "otherord");
        QTest::newRow("place and topic taken") << "zother.json" << samePlace << "zother.json: field topic: Isles of Scilly / History is already the topic of scilly1.json";
        QTest::newRow("named unlike its form") << "zzz.json" << sameForms << "zzz.json: field form: must match the file's name";
    }
    void folderKeepsItsGoodFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("scilly1.json")), shippedFile(QStringLiteral("scilly1.json")));
        writeFile(folder.filePath(name), bytes);
        TopicLibrary library(folder.path());
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Topic file refused: ") + folder.filePath(problem)));
        QCOMPARE(library.problems(), QStringList{problem});
        QCOMPARE(library.topics().size(), std::size_t(1));
        QVERIFY(library.topicAt(QStringLiteral("Isles of Scilly"), QStringLiteral("History")));
        QVERIFY(library.activityNamed(QStringLiteral("scilly1ord")));
    }

    // The folder is read only when first asked for, and a missing folder is simply empty.
    void folderIsReadWhenFirstAskedFor()
    {
        QTemporaryDir folder;
        TopicLibrary library(folder.path());
        writeFile(folder.filePath(QStringLiteral("scilly1.json")), shippedFile(QStringLiteral("scilly1.json")));
        QVERIFY(library.topicNamed(QStringLiteral("scilly1")));
        TopicLibrary none(folder.filePath(QStringLiteral("absent")));
        QVERIFY(none.topics().empty() && none.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTopicFiles)
#include "test_topicfiles.moc"
