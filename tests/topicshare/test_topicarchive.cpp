// A school's own topic exported as one archive and imported into another pair of folders; every
// archive the import must refuse, built here by hand with libzip; an import that would replace
// a topic or worksheet of the same title, the look for one held under the catalogue's lock.
#include "topicdata/OwnTopicStore.h"
#include "topicshare/TopicArchive.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/WholeFile.h"
#include "worksheetdata/Worksheet.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <zip.h>

using namespace bs;

namespace {

const QString title = QStringLiteral("Our school grounds");

QByteArray picture(const char* format)
{
    QImage image(48, 40, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

OwnTopic topic()
{
    OwnTopic topic;
    topic.title = title;
    topic.panorama = owntopic::panoramaName(title, QStringLiteral("jpg"));
    topic.worksheet = title;
    topic.labelling = OwnLabelling{owntopic::pictureName(title, QStringLiteral("png")), QStringLiteral("Drag each label."),
                                   {{QStringLiteral("Pond"), {0, 0}}, {QStringLiteral("Hall"), {2400, 375}}}};
    topic.ordering = OwnOrdering{QStringLiteral("Put the stops in order."),
                                 {QStringLiteral("Gate"), QStringLiteral("Garden"), QStringLiteral("Pond")}};
    return topic;
}

WorksheetText worksheet(const QString& first = QStringLiteral("Where is the pond?"))
{
    WorksheetText sheet;
    sheet.title = title;
    for (int i = 0; i < QuestionBank::QuestionCount; ++i)
        sheet.questions[i] = {i == 0 ? first : QStringLiteral("Question %1").arg(i + 1),
                              {QStringLiteral("North"), QStringLiteral("South"), QStringLiteral("East"), QStringLiteral("West")},
                              1 + i % 4};
    return sheet;
}

struct Folders
{
    QTemporaryDir dir;
    TopicFolders folders;
    Folders()
    {
        folders = {dir.filePath(QStringLiteral("ourtopics")), dir.filePath(QStringLiteral("multiple")),
                   dir.filePath(QStringLiteral("multiple/track.txt"))};
        QDir().mkpath(folders.multiple);
        replaceWholeFile(folders.catalogue, catalogueBytes({}));
    }
    QStringList catalogue() const
    {
        CatalogueList list;
        readCatalogue(folders.catalogue, list);
        QStringList titles;
        for (int i = 1; i <= list.workcount; ++i)
            titles << list.worklist[std::size_t(i)];
        return titles;
    }
    // Every file under the folder pair's parent, relative to it.
    QStringList files() const
    {
        QStringList names;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            names << QDir(dir.path()).relativeFilePath(it.next());
        names.sort();
        return names;
    }
};

// A school that made the topic.
void makeTopic(const Folders& school, const WorksheetText& sheet = worksheet())
{
    const OwnTopic own = topic();
    OwnTopicStore(school.folders.topics, school.folders.catalogue)
        .save(own, {{own.panorama, picture("JPEG")}, {own.labelling->picture, picture("PNG")}});
    writeWorksheetFile(school.folders.multiple, sheet);
    CatalogueList list;
    trackworksheets(school.folders.catalogue, sheet.title, list);
}

struct Entry
{
    QString name;
    QByteArray bytes;
    zip_uint32_t mode = S_IFREG | 0644;
};

QByteArray zipOf(const std::vector<Entry>& entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_source_keep(buffer);
    for (const Entry& entry : entries) {
        const QByteArray name = entry.name.toUtf8();
        zip_source_t* source = zip_source_buffer(archive, entry.bytes.constData(), zip_uint64_t(entry.bytes.size()), 0);
        const zip_int64_t i = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
        Q_ASSERT(i >= 0);
        zip_file_set_external_attributes(archive, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, entry.mode << 16);
    }
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

quint32 le32(const QByteArray& b, qsizetype at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint32(quint8(b[at + 3])) << 24;
}
quint16 le16(const QByteArray& b, qsizetype at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

// Rewrites the uncompressed size both headers of the entry name declare.
QByteArray declareSize(QByteArray bytes, const QString& name, quint32 size)
{
    const QByteArray wanted = name.toUtf8();
    for (qsizetype at = 0; at + 46 <= bytes.size(); ++at) {
        const quint32 signature = le32(bytes, at);
        qsizetype nameAt = -1, sizeAt = -1, length = 0;
        if (signature == 0x04034b50) {
            length = le16(bytes, at + 26), nameAt = at + 30, sizeAt = at + 22;
        } else if (signature == 0x02014b50) {
            length = le16(bytes, at + 28), nameAt = at + 46, sizeAt = at + 24;
        }
        if (nameAt >= 0 && bytes.mid(nameAt, length) == wanted) {
            for (int i = 0; i < 4; ++i)
                bytes[sizeAt + i] = char((size >> (8 * i)) & 0xFF);
        }
    }
    return bytes;
}

// The exported archive's entries, to build damaged ones from.
std::vector<Entry> goodEntries()
{
    Folders school;
    makeTopic(school);
    std::vector<Entry> entries;
    const OwnTopic own = topic();
    for (const QString& name : {owntopic::fileName(title), own.panorama, own.labelling->picture}) {
        QFile file(QDir(school.folders.topics).filePath(name));
        file.open(QIODevice::ReadOnly);
        entries.push_back({QStringLiteral("ourtopics/") + name, file.readAll()});
    }
    entries.push_back({QStringLiteral("multiple/") + worksheetFileName(title), worksheetBytes(worksheet())});
    return entries;
}

} // namespace

class TestTopicArchive : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip()
    {
        Folders school, other;
        makeTopic(school);
        const QString path = school.dir.filePath(QStringLiteral("shared.zip"));
        exportTopicArchive(school.folders, title, path);
        const TopicArchive archive = readTopicArchiveFile(path);
        QCOMPARE(archive.topic, topic());
        QCOMPARE(importTopicArchive(archive, other.folders, ReplaceExisting::No), ImportConflicts{});
        const auto listed = OwnTopicStore(other.folders.topics, other.folders.catalogue).list();
        QCOMPARE(listed.size(), std::size_t(1));
        QCOMPARE(*listed[0].topic, topic());
        QCOMPARE(other.catalogue(), QStringList{title});
        for (const QString& name : {QStringLiteral("ourtopics/Our school grounds - panorama.jpg"),
                                    QStringLiteral("ourtopics/Our school grounds - picture.png"),
                                    QStringLiteral("multiple/Our school grounds.txt")}) {
            QFile mine(school.dir.filePath(name)), theirs(other.dir.filePath(name));
            QVERIFY(mine.open(QIODevice::ReadOnly) && theirs.open(QIODevice::ReadOnly));
            QCOMPARE(theirs.readAll(), mine.readAll());
        }
        // The same topic makes the same archive.
        QCOMPARE(topicArchiveBytes(school.folders, title), topicArchiveBytes(school.folders, title));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("message");
        const std::vector<Entry> good = goodEntries();
        auto with = [&](std::vector<Entry> extra) {
            std::vector<Entry> entries = good;
            entries.insert(entries.end(), extra.begin(), extra.end());
            return zipOf(entries);
        };
        auto without = [&](qsizetype index) {
            std::vector<Entry> entries = good;
            entries.erase(entries.begin() + index);
            return zipOf(entries);
        };
        auto replaced = [&](qsizetype index, QByteArray bytes) {
            std::vector<Entry> entries = good;
            entries[std::size_t(index)].bytes = bytes;
            return zipOf(entries);
        };
        const QByteArray whole = zipOf(good);
        QTest::newRow("no zip") << QByteArray("not an archive at all") << "no zip archive";
        QTest::newRow("cut short") << whole.left(whole.size() / 2) << "no zip archive";
        QTest::newRow("dot dot") << with({{QStringLiteral("ourtopics/../../evil.json"), "{}"}}) << "outside";
        QTest::newRow("dot dot in a name") << with({{QStringLiteral("ourtopics/a..b"), "x"}}) << "outside";
        QTest::newRow("absolute") << with({{QStringLiteral("/tmp/evil"), "x"}}) << "outside";
        QTest::newRow("backslash") << with({{QStringLiteral("ourtopics\\evil"), "x"}}) << "outside";
        QTest::newRow("drive letter") << with({{QStringLiteral("C:evil"), "x"}}) << "outside";
        QTest::newRow("symlink") << with({{QStringLiteral("ourtopics/link"), "/etc/passwd", S_IFLNK | 0777}}) << "link";
        QTest::newRow("folder") << with({{QStringLiteral("ourtopics/sub"), {}, S_IFDIR | 0755}}) << "link";
        QTest::newRow("unexpected name") << with({{QStringLiteral("ourtopics/notes.txt"), "x"}}) << "no part";
        QTest::newRow("second topic") << with({{QStringLiteral("ourtopics/Other.json"), good[0].bytes}}) << "more than one";
        QTest::newRow("no topic") << without(0) << "no topic";
        QTest::newRow("picture missing") << without(1) << "is missing";
        QTest::newRow("worksheet missing") << without(3) << "is missing";
        QTest::newRow("picture damaged") << replaced(1, QByteArray("JFIF not really")) << "damaged";
        QTest::newRow("png named jpg") << replaced(1, picture("PNG")) << "damaged";
        QTest::newRow("worksheet short") << replaced(3, worksheetBytes(worksheet()).left(40)) << "damaged";
        QImage noise(1000, 800, QImage::Format_RGB32);
        quint32 seed = 1;
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, (seed = seed * 1664525u + 1013904223u) >> 8);
        QByteArray large;
        QBuffer buffer(&large);
        buffer.open(QIODevice::WriteOnly);
        noise.save(&buffer, "PNG");
        QTest::newRow("larger than a saved topic") << replaced(2, large) << "larger than 2 MB";
        QTest::newRow("topic refused") << replaced(0, QByteArray("{\"format\": 99}")) << "Our school grounds.json";
        std::vector<Entry> many = good;
        for (int i = 0; i < topicarchive::MaxEntries; ++i)
            many.push_back({QStringLiteral("ourtopics/%1").arg(i), "x"});
        QTest::newRow("too many entries") << zipOf(many) << "more than a topic has";
        const QByteArray zeros(topicarchive::MaxUnpackedBytes + 1, '\0');
        QTest::newRow("declared too large") << with({{QStringLiteral("ourtopics/big"), zeros}}) << "more than 8 MB";
        QTest::newRow("lies about its size")
            << declareSize(with({{QStringLiteral("ourtopics/big"), zeros}}), QStringLiteral("ourtopics/big"), 10) << "more than it says";
        // The same name twice: made under a stand-in name of the same length, then renamed.
        const QString stand = QStringLiteral("ourtopics/Our school grounds - panorama.jp_");
        QByteArray twice = with({{stand, good[1].bytes}});
        twice.replace(stand.toUtf8(), good[1].name.toUtf8());
        QTest::newRow("duplicate name") << twice << "no zip archive";
    }

    void refused()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, message);
        try {
            readTopicArchive(archive);
            QFAIL("accepted");
        } catch (const DataError& error) {
            const QString what = QString::fromStdString(error.what());
            QVERIFY2(what.contains(message), qPrintable(what));
        }
    }

    void existing()
    {
        Folders school, other;
        makeTopic(school);
        const TopicArchive archive = readTopicArchive(topicArchiveBytes(school.folders, title));
        // The same worksheet already there is no conflict; another one of that title is.
        makeTopic(other);
        QCOMPARE(importConflicts(archive, other.folders), (ImportConflicts{true, false}));
        writeWorksheetFile(other.folders.multiple, worksheet(QStringLiteral("Where is the gate?")));
        OwnTopic changed = topic();
        changed.ordering->instruction = QStringLiteral("Our own walk.");
        OwnTopicStore(other.folders.topics, other.folders.catalogue)
            .save(changed, {{changed.panorama, picture("JPEG")}, {changed.labelling->picture, picture("PNG")}});
        const QStringList before = other.files();
        QCOMPARE(importTopicArchive(archive, other.folders, ReplaceExisting::No), (ImportConflicts{true, true}));
        QCOMPARE(*OwnTopicStore(other.folders.topics, other.folders.catalogue).list().at(0).topic, changed);
        QCOMPARE(other.files(), before);
        QCOMPARE(importTopicArchive(archive, other.folders, ReplaceExisting::Yes), ImportConflicts{});
        QCOMPARE(*OwnTopicStore(other.folders.topics, other.folders.catalogue).list().at(0).topic, topic());
        QFile sheet(QDir(other.folders.multiple).filePath(worksheetFileName(title)));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        QCOMPARE(sheet.readAll(), archive.worksheet);
        QCOMPARE(other.catalogue(), QStringList{title});
    }

    // The look for what an import would replace holds the catalogue's lock, as the writes do:
    // the import is held inside its read of the worksheet already there (a pipe the test fills
    // on demand) while another program asks whether it could take the lock.
    void theCheckForWhatIsThereHoldsTheLock()
    {
        Folders school, other;
        makeTopic(school);
        const TopicArchive archive = readTopicArchive(topicArchiveBytes(school.folders, title));
        const QByteArray pipePath = QFile::encodeName(QDir(other.folders.multiple).filePath(worksheetFileName(title)));
        QCOMPARE(::mkfifo(pipePath.constData(), 0600), 0);
        ImportConflicts conflicts;
        std::thread import([&] { conflicts = importTopicArchive(archive, other.folders, ReplaceExisting::No); });
        int fd = -1;
        const bool reading = QTest::qWaitFor(
            [&] { return (fd = ::open(pipePath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0; }, 10000);
        QProcess helper;
        helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helper.start(QStringLiteral(BS_CATALOGUE_HELPER), {QStringLiteral("locked"), other.folders.catalogue});
        const bool asked = helper.waitForFinished(30000);
        if (!reading)
            fd = ::open(pipePath.constData(), O_RDWR | O_CLOEXEC);
        ::fcntl(fd, F_SETFL, 0);
        const QByteArray another = worksheetBytes(worksheet(QStringLiteral("Where is the gate?")));
        const bool fed = ::write(fd, another.constData(), size_t(another.size())) == another.size();
        ::close(fd);
        import.join();
        QVERIFY2(reading, "the import never read the worksheet already there");
        QVERIFY(asked && fed);
        QVERIFY2(helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0,
                 "another program could take the catalogue's lock while an import looked for what is there");
        QCOMPARE(conflicts, (ImportConflicts{false, true}));
        QCOMPARE(other.catalogue(), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestTopicArchive)
#include "test_topicarchive.moc"
