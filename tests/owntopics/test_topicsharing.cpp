// A teacher sharing the school's own topic: exported through the save dialog and imported at
// another school (another content folder) through the open dialog, the same topic and
// worksheet arrive and the worksheet is listed; an archive the import refuses is named in a
// message and writes nothing; a topic or worksheet of the same title is replaced only after a
// question, Cancel changing nothing; what another computer saved after the question is not
// replaced unasked.
#include "owntopics/OwnTopicOpeners.h"
#include "support/TestProgram.h"
#include "topicdata/OwnTopicStore.h"
#include "topicshare/TopicArchive.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/Worksheet.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTest>

#include <zip.h>

using namespace bs;

namespace {

const QString title = QStringLiteral("Our school grounds");

QByteArray picture(const char* format, QColor color)
{
    QImage image(48, 40, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A school with its own topic and worksheet of the title; which tells two schools' apart.
void makeTopic(TestProgram& school, const QString& which)
{
    OwnTopic topic;
    topic.title = title;
    topic.panorama = owntopic::panoramaName(title, QStringLiteral("jpg"));
    topic.worksheet = title;
    topic.ordering = OwnOrdering{QStringLiteral("Put the stops in order."),
                                 {QStringLiteral("Gate"), QStringLiteral("Garden"), which}};
    const QString root = school.contentRoot();
    OwnTopicStore(root + QStringLiteral("/ourtopics"), root + QStringLiteral("/multiple/track.txt"))
        .save(topic, {{topic.panorama, picture("JPEG", which == u"Pond" ? Qt::darkGreen : Qt::blue)}});
    WorksheetText sheet = test::numberedWorksheet(title);
    sheet.questions[0].text = QStringLiteral("Where is the %1?").arg(which);
    writeWorksheetFile(root + QStringLiteral("/multiple"), sheet);
    CatalogueList list;
    trackworksheets(root + QStringLiteral("/multiple/track.txt"), title, list);
}

// Every file of the school's topics and worksheets, by path, with its bytes.
std::map<QString, QByteArray> filesOf(TestProgram& school)
{
    std::map<QString, QByteArray> files;
    for (const QString& folder : {QStringLiteral("ourtopics"), QStringLiteral("multiple")}) {
        const QString path = school.contentRoot() + u'/' + folder;
        for (const QString& name : test::entriesOf(path))
            files[folder + u'/' + name] = test::readBytes(path + u'/' + name);
    }
    return files;
}

// A new school with an empty catalogue.
std::unique_ptr<TestProgram> newSchool()
{
    auto school = std::make_unique<TestProgram>();
    school->writeContent(QStringLiteral("multiple/track.txt"), catalogueBytes({}));
    return school;
}

QByteArray zipOf(const QString& name, const QByteArray& data)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_source_keep(buffer);
    zip_file_add(archive, name.toUtf8().constData(), zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0),
                 ZIP_FL_ENC_UTF_8);
    zip_close(archive);
    zip_stat_t stat;
    zip_source_stat(buffer, &stat);
    QByteArray bytes(qsizetype(stat.size), '\0');
    zip_source_open(buffer);
    zip_source_read(buffer, bytes.data(), stat.size);
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}

} // namespace

class TestTopicSharing : public QObject
{
    Q_OBJECT

private slots:
    void exportedTopicArrivesWholeAtAnotherSchool()
    {
        const auto made = newSchool();
        TestProgram& school = *made;
        makeTopic(school, QStringLiteral("Pond"));
        const QString archive = school.contentRoot() + QStringLiteral("/shared.zip");
        school.dialogs().setNextArchiveName(archive);
        exportOwnTopic(school.program(), title);
        QCOMPARE(school.dialogs().suggestedArchives, QStringList{QDir::home().filePath(title + QStringLiteral(".zip"))});
        QCOMPARE(school.dialogs().messages.size(), 1);
        QVERIFY(school.dialogs().messages[0].contains(QStringLiteral("has been exported")));

        const auto other = newSchool();
        other->dialogs().setNextArchiveName(archive);
        QVERIFY(importOwnTopic(other->program()));
        QCOMPARE(other->dialogs().questions, QStringList{});
        QCOMPARE(other->dialogs().messages.size(), 1);
        QVERIFY(other->dialogs().messages[0].contains(QStringLiteral("has been imported")));
        QCOMPARE(filesOf(*other), filesOf(school));
    }

    void aFailedExportSaysSoAndCancelWritesNothing()
    {
        const auto made = newSchool();
        TestProgram& school = *made;
        const QString archive = school.contentRoot() + QStringLiteral("/shared.zip");
        exportOwnTopic(school.program(), title); // the save dialog cancelled
        QCOMPARE(school.dialogs().messages, QStringList{});
        school.dialogs().setNextArchiveName(archive);
        exportOwnTopic(school.program(), title); // no such topic
        QCOMPARE(school.dialogs().messages.size(), 1);
        QVERIFY(school.dialogs().messages[0].startsWith(QStringLiteral("The topic “Our school grounds” could not be exported.")));
        QVERIFY(!QFile::exists(archive));
    }

    void refusedArchivesWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << QByteArray("PK\3\4 no more of a zip") << QStringLiteral("no zip archive");
        QTest::newRow("path outside") << zipOf(QStringLiteral("ourtopics/../../evil.json"), "{}")
                                      << QStringLiteral("points outside the topic's folders");
        QTest::newRow("too large") << QByteArray(topicarchive::MaxArchiveBytes + 1, 'x')
                                   << QStringLiteral("larger than a topic can be");
    }

    void refusedArchivesWriteNothing()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, reason);
        const auto school = newSchool();
        const QString path = school->contentRoot() + QStringLiteral("/shared.zip");
        QVERIFY(test::writeBytes(path, archive));
        const auto before = filesOf(*school);
        school->dialogs().setNextArchiveName(path);
        QVERIFY(!importOwnTopic(school->program()));
        QCOMPARE(school->dialogs().messages.size(), 1);
        QVERIFY2(school->dialogs().messages[0].startsWith(QStringLiteral("“shared.zip” could not be imported.")) &&
                     school->dialogs().messages[0].contains(reason),
                 qPrintable(school->dialogs().messages[0]));
        QCOMPARE(filesOf(*school), before);
    }

    void aConflictIsReplacedOnlyOnOk_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Cancel") << false;
        QTest::newRow("OK") << true;
    }

    void aConflictIsReplacedOnlyOnOk()
    {
        QFETCH(bool, ok);
        const auto made = newSchool();
        TestProgram& school = *made;
        makeTopic(school, QStringLiteral("Pond"));
        const QString archive = school.contentRoot() + QStringLiteral("/shared.zip");
        school.dialogs().setNextArchiveName(archive);
        exportOwnTopic(school.program(), title);
        const auto other = newSchool();
        makeTopic(*other, QStringLiteral("Hall"));
        const auto before = filesOf(*other);

        other->dialogs().answers.push_back(ok);
        other->dialogs().setNextArchiveName(archive);
        QCOMPARE(importOwnTopic(other->program()), ok);
        QCOMPARE(other->dialogs().questions,
                 QStringList{QStringLiteral("This school already has a topic called “Our school grounds” and a "
                                            "different worksheet called “Our school grounds”. Replace both with "
                                            "the imported ones?")});
        QCOMPARE(other->dialogs().messages.size(), ok ? 1 : 0);
        QCOMPARE(filesOf(*other), ok ? filesOf(school) : before);
    }

    // A worksheet saved on another computer after the teacher agreed to replace only the topic
    // is found under the catalogue's lock and not replaced.
    void aConflictAfterTheQuestionIsNotReplaced()
    {
        const auto made = newSchool();
        TestProgram& school = *made;
        makeTopic(school, QStringLiteral("Pond"));
        const QString path = school.contentRoot() + QStringLiteral("/shared.zip");
        const QString root = school.contentRoot();
        const TopicFolders mine{root + QStringLiteral("/ourtopics"), root + QStringLiteral("/multiple"),
                                root + QStringLiteral("/multiple/track.txt")};
        exportTopicArchive(mine, title, path);
        const auto other = newSchool();
        makeTopic(*other, QStringLiteral("Hall"));
        const auto before = filesOf(*other);
        const QString otherRoot = other->contentRoot();
        const TopicFolders theirs{otherRoot + QStringLiteral("/ourtopics"), otherRoot + QStringLiteral("/multiple"),
                                  otherRoot + QStringLiteral("/multiple/track.txt")};
        QCOMPARE(importTopicArchive(readTopicArchiveFile(path), theirs, ImportConflicts{true, false}),
                 (ImportConflicts{true, true}));
        QCOMPARE(filesOf(*other), before);
    }
};

QTEST_MAIN(TestTopicSharing)
#include "test_topicsharing.moc"
