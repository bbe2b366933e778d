// The topic file reader refuses every kind of fault with the file and the field named, and a
// folder keeps its good files when one is refused.
#include "support/Fixtures.h"
#include "topicdata/TopicFile.h"
#include "topicdata/TopicLibrary.h"

#include <QTemporaryDir>
#include <QTest>

using namespace bs;

namespace {

QByteArray shipped()
{
    return test::readBytes(BS_CONTENT_DIR "/topics/scilly1.json");
}

// A row: scilly1.json with one text changed, refused for the field named.
void refusal(const char* name, const QByteArray& from, const QByteArray& to, const QString& field)
{
    QTest::newRow(name) << shipped().replace(from, to) << field;
}

// A Welsh variant of scilly1 giving every field a variant may give.
QByteArray variant()
{
    return R"({"form": "scilly1", "title": "Ynysoedd Syllan: Hanes", "titleBox": [240, 0, 7000, 900],
"titleAlign": "centre", "worksheet": "multiple/Ynysoedd Syllan - Hanes.txt", "keyFacts": "cy key scilly1",
"notes": "cy scilly1", "activities": [{"form": "scilly1ord", "itemFont": {"family": "Tahoma", "points": 10, "bold": true},
"items": [{"text": "un"}, {"text": "dau", "box": "ail"}, {}, {"text": "pedwar"}],
"labels": [{"name": "Label8", "caption": "Rhowch mewn trefn."}, {"name": "Label9", "font": {"family": "Arial", "points": 9, "bold": false}}]},
{"form": "scilly1lab", "pictures": [{"path": "Images/cy south coast.jpg"}]}]})";
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

    // A variant replaces what it gives and keeps the rest of the English; one that does not
    // match its English file is refused with the field named.
    void variants_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field"); // empty: read
        QTest::newRow("whole") << variant() << QString();
        QTest::newRow("only the form") << QByteArray(R"({"form": "scilly1"})") << QString();
        QTest::newRow("no form") << QByteArray(R"({"title": "Hanes"})") << "form";
        QTest::newRow("form of no topic file") << variant().replace("\"form\": \"scilly1\"", "\"form\": \"scilly9\"") << "form";
        QTest::newRow("a field a variant cannot give") << variant().replace("\"titleAlign\"", "\"place\": \"St Lucia\", \"titleAlign\"") << "place";
        QTest::newRow("activity of no form") << variant().replace("\"scilly1ord\"", "\"scilly1xyz\"") << "activities[0].form";
        QTest::newRow("an item short") << variant().replace("{}, ", "") << "activities[0].items";
        QTest::newRow("an item too many") << variant().replace("{}, ", "{}, {}, ") << "activities[0].items";
        QTest::newRow("an item's position") << variant().replace("\"text\": \"un\"", "\"start\": [0, 0]") << "activities[0].items[0].start";
        QTest::newRow("label the English lacks") << variant().replace("\"Label8\"", "\"Label88\"") << "activities[0].labels[0].name";
        QTest::newRow("label given twice") << variant().replace("\"Label9\"", "\"Label8\"") << "activities[0].labels[1].name";
        QTest::newRow("label's box") << variant().replace("\"caption\": \"Rhowch", "\"box\": [0, 0, 10, 10], \"caption\": \"Rhowch") << "activities[0].labels[0].box";
        QTest::newRow("worksheet outside its folder") << variant().replace("multiple/Ynys", "../Ynys") << "worksheet";
        QTest::newRow("a picture too many") << variant().replace("}]}]}", "}, {\"path\": \"Images/x.jpg\"}]}]}") << "activities[1].pictures";
        QTest::newRow("a picture's place") << variant().replace("coast.jpg\"", "coast.jpg\", \"at\": [0, 0]") << "activities[1].pictures[0].at";
        QTest::newRow("title too long") << variant().replace("Ynysoedd Syllan: Hanes", QByteArray(61, 'x')) << "title";
    }
    void variants()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        const std::vector<Topic> english{readTopicFile(shipped(), "scilly1.json")};
        try {
            const Topic topic = readTopicVariant(bytes, "cy/scilly1.json", english);
            QVERIFY2(field.isEmpty(), "the variant was read");
            const Topic& base = english.front();
            QCOMPARE(topic.place, base.place);
            QCOMPARE(topic.panorama, base.panorama);
            QCOMPARE(topic.activities.size(), base.activities.size());
            QCOMPARE(topic.activities[1].items[2].target, base.activities[1].items[2].target);
            if (bytes != variant()) {
                QCOMPARE(topic.title, base.title);
                QCOMPARE(topic.activities[1].items[0].text, base.activities[1].items[0].text);
                return;
            }
            QCOMPARE(topic.title, QStringLiteral("Ynysoedd Syllan: Hanes"));
            QCOMPARE(topic.titleAlignment, Qt::AlignHCenter);
            QCOMPARE(topic.worksheet, QStringLiteral("multiple/Ynysoedd Syllan - Hanes.txt"));
            QCOMPARE(topic.keyFactsKey + '|' + topic.notesKey, QStringLiteral("cy key scilly1|cy scilly1"));
            QCOMPARE(topic.activities[0].items[0].text, base.activities[0].items[0].text);
            QCOMPARE(topic.activities[0].pictures[0].path, QStringLiteral("Images/cy south coast.jpg"));
            QCOMPARE(topic.activities[0].pictures[0].topLeft, base.activities[0].pictures[0].topLeft);
            const ActivityDefinition& ordering = topic.activities[1];
            QCOMPARE(ordering.itemFont.points, 10.0);
            QCOMPARE(ordering.items[1].text + '|' + ordering.items[1].boxName, QStringLiteral("dau|ail"));
            QCOMPARE(ordering.items[2].text, base.activities[1].items[2].text);
            for (const LabelSpec& label : ordering.labels) {
                if (label.name == u"Label8")
                    QCOMPARE(label.caption, QStringLiteral("Rhowch mewn trefn."));
                if (label.name == u"Label9")
                    QCOMPARE(label.font.family + label.caption.left(4), QStringLiteral("Arial") + base.activities[1].labels[5].caption.left(4));
            }
        } catch (const TopicFileError& error) {
            QCOMPARE(error.file, QStringLiteral("cy/scilly1.json"));
            QCOMPARE(error.field, field);
        }
    }

    // The library gives the chosen language's topics, the English where a language has no
    // variant or a refused one.
    void libraryChoosesLanguage()
    {
        QTemporaryDir folder;
        QVERIFY(test::writeBytes(folder.filePath("scilly1.json"), shipped()));
        QVERIFY(test::writeBytes(folder.filePath("cy/scilly1.json"), variant()));
        QVERIFY(test::writeBytes(folder.filePath("fr/scilly1.json"), variant().replace("scilly1ord", "scilly1xyz")));
        TopicLibrary library(folder.path());
        QCOMPARE(library.topicNamed("scilly1")->title, QStringLiteral("Isles of Scilly: History"));
        library.setLanguage("cy");
        QCOMPARE(library.topicAt("Isles of Scilly", "History")->title, QStringLiteral("Ynysoedd Syllan: Hanes"));
        QCOMPARE(library.activityNamed("scilly1ord")->items[0].text, QStringLiteral("un"));
        const QString problem = "fr/scilly1.json: field activities[0].form: scilly1xyz is not an activity of scilly1.json";
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Topic file refused: " + folder.filePath(problem)));
        library.setLanguage("fr");
        QCOMPARE(library.topicNamed("scilly1")->title, QStringLiteral("Isles of Scilly: History"));
        QCOMPARE(library.problems(), QStringList{problem});
        library.setLanguage("en");
        QCOMPARE(library.activityNamed("scilly1ord")->items[0].text, library.topics()[0].activities[1].items[0].text);
        QVERIFY(library.activityNamed("scilly1ord")->items[0].text != u"un");
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
        QVERIFY(test::writeBytes(folder.filePath("scilly1.json"), shipped()));
        QVERIFY(test::writeBytes(folder.filePath(name), bytes));
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
