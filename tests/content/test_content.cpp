// The shipped content: every file the screens name is there, loads, and has the size the
// screens depend on; drawings are well-formed metafiles that fit their viewer; worksheets keep
// the 72-line format; sounds are short PCM files.

#include "platform/Content.h"
#include "platform/Pictures.h"
#include "topicdata/TopicLibrary.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <QtEndian>

#include <set>

using namespace bs;

namespace {

const QString ContentRoot = QStringLiteral(BS_CONTENT_DIR);

TopicLibrary& shippedTopics()
{
    static TopicLibrary library(ContentRoot + QStringLiteral("/topics"));
    return library;
}
constexpr int TwipsPerPixel = 15;

QByteArray readAll(const QString& contentPath)
{
    QFile file(Content(ContentRoot).resolve(contentPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint16 word(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

qint16 sword(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<qint16>(bytes.constData() + at);
}

quint32 dword(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// What a metafile check needs to know of a drawing.
struct MetafileFacts
{
    QString error;
    int widthTwips = 0;
    int heightTwips = 0;
    int textRecords = 0;
};

// Reads a placeable 16-bit metafile record by record, as a player would.
MetafileFacts inspectMetafile(const QByteArray& bytes)
{
    MetafileFacts facts;
    auto fail = [&facts](const QString& why) {
        facts.error = why;
        return facts;
    };
    if (bytes.size() < 22 + 18 + 6)
        return fail(QStringLiteral("too short"));
    if (dword(bytes, 0) != 0x9AC6CDD7u)
        return fail(QStringLiteral("no placeable header"));
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= word(bytes, i * 2);
    if (checksum != word(bytes, 20))
        return fail(QStringLiteral("placeable header checksum"));
    if (word(bytes, 14) != 1440)
        return fail(QStringLiteral("units per inch should be 1440 (twips)"));
    facts.widthTwips = sword(bytes, 10) - sword(bytes, 6);
    facts.heightTwips = sword(bytes, 12) - sword(bytes, 8);
    const qsizetype header = 22;
    if (word(bytes, header) != 1 || word(bytes, header + 2) != 9)
        return fail(QStringLiteral("metafile header"));
    if (qsizetype(dword(bytes, header + 6)) * 2 != bytes.size() - header)
        return fail(QStringLiteral("file size in the header"));
    const int objectSlots = word(bytes, header + 10);

    // Records that the drawings use: mapping, objects, state, shapes and text.
    const std::set<quint16> known = {0x0103, 0x020B, 0x020C, 0x0102, 0x012E, 0x0106, 0x0209,
                                      0x02FA, 0x02FB, 0x02FC, 0x012D, 0x01F0, 0x041B, 0x061C,
                                      0x0418, 0x0324, 0x0325, 0x0A32, 0x0000};
    std::vector<bool> inUse(size_t(objectSlots), false);
    qsizetype at = header + 18;
    bool ended = false;
    while (at + 6 <= bytes.size()) {
        const quint32 size = dword(bytes, at);
        const quint16 function = word(bytes, at + 4);
        if (size < 3 || at + qsizetype(size) * 2 > bytes.size())
            return fail(QStringLiteral("record size at %1").arg(at));
        if (!known.count(function))
            return fail(QStringLiteral("unexpected record 0x%1").arg(function, 4, 16, QLatin1Char('0')));
        if (function == 0x0000) {
            ended = at + qsizetype(size) * 2 == bytes.size();
            break;
        }
        if (function == 0x02FA || function == 0x02FB || function == 0x02FC) {
            auto free = std::find(inUse.begin(), inUse.end(), false);
            if (free == inUse.end())
                return fail(QStringLiteral("more objects than the header allows"));
            *free = true;
        }
        if (function == 0x012D || function == 0x01F0) {
            const quint16 index = word(bytes, at + 6);
            if (index >= inUse.size() || !inUse[index])
                return fail(QStringLiteral("object %1 used before it is made").arg(index));
            if (function == 0x01F0)
                inUse[index] = false;
        }
        if (function == 0x0A32) {
            const quint16 length = word(bytes, at + 10);
            if (12 + length > qsizetype(size) * 2)
                return fail(QStringLiteral("text longer than its record"));
            ++facts.textRecords;
        }
        at += qsizetype(size) * 2;
    }
    if (!ended)
        return fail(QStringLiteral("no end-of-file record at the end"));
    return facts;
}

struct WavFacts
{
    QString error;
    double seconds = 0;
    int peak = 0;
};

WavFacts inspectWav(const QByteArray& bytes)
{
    WavFacts facts;
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        facts.error = QStringLiteral("not a RIFF WAVE file");
        return facts;
    }
    int rate = 0;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = dword(bytes, at + 4);
        if (id == "fmt ") {
            if (word(bytes, at + 8) != 1 || word(bytes, at + 10) != 1 || word(bytes, at + 22) != 16) {
                facts.error = QStringLiteral("not 16-bit PCM mono");
                return facts;
            }
            rate = int(dword(bytes, at + 12));
        } else if (id == "data") {
            if (rate != 22050 && rate != 44100) {
                facts.error = QStringLiteral("rate %1").arg(rate);
                return facts;
            }
            if (at + 8 + qsizetype(size) > bytes.size()) {
                facts.error = QStringLiteral("data chunk runs past the end");
                return facts;
            }
            for (qsizetype i = 0; i + 1 < qsizetype(size); i += 2)
                facts.peak = std::max(facts.peak, std::abs(int(sword(bytes, at + 8 + i))));
            facts.seconds = double(size) / 2 / rate;
            return facts;
        }
        at += 8 + size + (size & 1);
    }
    facts.error = QStringLiteral("no data chunk");
    return facts;
}

QStringList worksheetLines(const QString& contentPath, QString* error)
{
    const QByteArray bytes = readAll(contentPath);
    if (bytes.isEmpty()) {
        *error = QStringLiteral("missing");
        return {};
    }
    if (!bytes.endsWith("\r\n") || bytes.count('\n') != bytes.count("\r\n")) {
        *error = QStringLiteral("every line must end with CR LF");
        return {};
    }
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D) {
            *error = QStringLiteral("a byte that Windows-1252 does not define");
            return {};
        }
    }
    QStringDecoder decoder("windows-1252");
    QStringList lines = QString(decoder(bytes)).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rasterPictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("minSize");
        QTest::addColumn<QSize>("maxSize");
        const QSize title(320, 240);
        const QSize quiz(57, 41);
        // Paths as the screens spell them.
        QTest::newRow("title") << "images\\brellinshoresm.jpg" << title << title;
        QTest::newRow("menu title") << "Images\\brellinshoresm.jpg" << title << title;
        for (const Topic& topic : shippedTopics().topics()) {
            // Panoramas pan across the 800-pixel page and fit between title and scroll bar.
            QTest::newRow(qPrintable(topic.panorama)) << topic.panorama << QSize(2400, 300) << QSize(3600, 350);
            QTest::newRow(qPrintable(topic.quizPicture)) << topic.quizPicture << quiz << quiz;
            // An activity's pictures: anything from a small photograph to a map past the screen.
            for (const ActivityDefinition& activity : topic.activities) {
                for (const PictureSpec& picture : activity.pictures)
                    QTest::newRow(qPrintable(picture.path)) << picture.path << QSize(40, 30) << QSize(1200, 900);
            }
        }
        QTest::newRow("logo") << "logo\\quenlow2.bmp" << QSize(120, 89) << QSize(120, 89);
        for (int frame = 0; frame < 20; ++frame) {
            const QString name = frame < 10 ? QStringLiteral("logo\\quen000%1.gif").arg(frame)
                                            : QStringLiteral("logo\\quen00%1.gif").arg(frame);
            QTest::newRow(qPrintable(name)) << name << QSize(120, 120) << QSize(120, 120);
        }
    }
    void rasterPictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, minSize);
        QFETCH(QSize, maxSize);
        const Content content(ContentRoot);
        const Picture picture = Pictures(content).load(path);
        QVERIFY2(!picture.isNull(), qPrintable(path));
        QVERIFY(!picture.isDrawing());
        const QSize size = picture.sizePixels();
        QVERIFY2(size.width() >= minSize.width() && size.height() >= minSize.height()
                     && size.width() <= maxSize.width() && size.height() <= maxSize.height(),
                 qPrintable(QStringLiteral("%1 is %2 x %3").arg(path).arg(size.width()).arg(size.height())));
    }

    void logoSizesInTwips()
    {
        const Content content(ContentRoot);
        QCOMPARE(Pictures(content).load(QStringLiteral("logo\\quenlow2.bmp")).sizeTwips(), QSizeF(1800, 1335));
        QCOMPARE(Pictures(content).load(QStringLiteral("logo\\quen0007.gif")).sizeTwips(), QSizeF(1800, 1800));
    }

    void animationFramesDiffer()
    {
        // A looping animation: neighbouring frames move, and the last leads back to the first.
        const Content content(ContentRoot);
        const Pictures pictures(content);
        for (int frame = 0; frame < 20; ++frame) {
            const auto name = [](int n) { return QStringLiteral("logo\\quen%1.gif").arg(n, 4, 10, QLatin1Char('0')); };
            const QImage a = pictures.load(name(frame)).image().convertToFormat(QImage::Format_RGB32);
            const QImage b = pictures.load(name((frame + 1) % 20)).image().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(a != b, qPrintable(name(frame)));
        }
    }

    void drawings_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("maxTwips");
        // On screen a page stands at (120, 0): it ends above the page buttons at 7920 and left
        // of the Print button at 10680; the acknowledgments also leave the logos at 8520 clear.
        // On paper a page is printed 1000 twips in from the corner of the printable area.
        const QSize screen(10560, 7920);
        const QSize paper(9500, 14000);
        QStringList pages = {QStringLiteral("guide1"), QStringLiteral("guide2"), QStringLiteral("guide3")};
        for (const Topic& topic : shippedTopics().topics())
            pages << topic.keyFactsKey + u'a' << topic.keyFactsKey + u'b' << topic.notesKey;
        for (const QString& page : pages) {
            QTest::newRow(qPrintable(QStringLiteral("wmf ") + page)) << QStringLiteral("wmf\\%1.wmf").arg(page) << screen;
            QTest::newRow(qPrintable(QStringLiteral("wmf2 ") + page)) << QStringLiteral("wmf2\\%1.wmf").arg(page) << paper;
        }
        QTest::newRow("wmf acknowledgments") << "wmf\\acknowledgments.wmf" << QSize(8400, 7920);
        QTest::newRow("wmf2 acknowledgments") << "wmf2\\acknowledgments.wmf" << paper;
    }
    void drawings()
    {
        QFETCH(QString, path);
        QFETCH(QSize, maxTwips);
        const MetafileFacts facts = inspectMetafile(readAll(path));
        QVERIFY2(facts.error.isEmpty(), qPrintable(path + QStringLiteral(": ") + facts.error));
        QVERIFY2(facts.widthTwips > maxTwips.width() / 2 && facts.widthTwips <= maxTwips.width(),
                 qPrintable(QStringLiteral("%1 is %2 twips wide").arg(path).arg(facts.widthTwips)));
        QVERIFY2(facts.heightTwips > maxTwips.height() / 2 && facts.heightTwips <= maxTwips.height(),
                 qPrintable(QStringLiteral("%1 is %2 twips high").arg(path).arg(facts.heightTwips)));
        QVERIFY2(facts.textRecords >= 10, qPrintable(path));

        const Content content(ContentRoot);
        const Picture picture = Pictures(content).load(path);
        if (picture.isNull())
            QSKIP("the metafile renderer does not read this drawing yet");
        QVERIFY(picture.isDrawing());
        QCOMPARE(picture.sizeTwips(), QSizeF(facts.widthTwips, facts.heightTwips));
    }

    void metafileCheckCatchesDamage_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("key") << 0 << "no placeable header";
        QTest::newRow("checksum") << 20 << "placeable header checksum";
        QTest::newRow("header size") << 22 + 6 << "file size in the header";
    }
    void metafileCheckCatchesDamage()
    {
        // The drawing check above is only worth something if it notices a damaged file.
        QFETCH(int, offset);
        QFETCH(QString, expected);
        QByteArray bytes = readAll(QStringLiteral("wmf\\guide1.wmf"));
        QVERIFY(!bytes.isEmpty());
        bytes[offset] = char(bytes[offset] ^ 0x5A);
        QCOMPARE(inspectMetafile(bytes).error, expected);
        QByteArray cut = readAll(QStringLiteral("wmf\\guide1.wmf"));
        cut.chop(6);
        QVERIFY(!inspectMetafile(cut).error.isEmpty());
    }

    void worksheets_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        for (const Topic& topic : shippedTopics().topics())
            QTest::newRow(qPrintable(topic.formName)) << topic.worksheet << topic.place + QStringLiteral(" - ") + topic.topic;
    }
    void worksheets()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QString error;
        const QStringList lines = worksheetLines(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(path + QStringLiteral(": ") + error));
        QCOMPARE(lines.size(), 72);
        QCOMPARE(lines[0], title);
        QCOMPARE(lines[1], QStringLiteral(" "));
        for (int n = 1; n <= 10; ++n) {
            const QString where = QStringLiteral("question %1").arg(n);
            QStringList texts;
            for (int k = 0; k < 5; ++k) {
                const QString& text = lines[7 * n - 5 + k];
                // One field a line: no comma, no leading blank or quote, nothing the reader changes.
                QVERIFY2(!text.trimmed().isEmpty() && text == text.trimmed(), qPrintable(where));
                QVERIFY2(!text.contains(QLatin1Char(',')) && !text.startsWith(QLatin1Char('"')), qPrintable(where));
                QVERIFY2(!text.contains(QLatin1Char('&')), qPrintable(where));
                texts << text;
            }
            QVERIFY2(texts[0].size() <= 60, qPrintable(where));
            for (int k = 1; k < 5; ++k)
                QVERIFY2(texts[k].size() <= 30 && texts.count(texts[k]) == 1, qPrintable(where));
            QVERIFY2(QRegularExpression(QStringLiteral("^[1-4]$")).match(lines[7 * n]).hasMatch(), qPrintable(where));
            QCOMPARE(lines[7 * n + 1], QStringLiteral(" "));
        }
        // The right answers do not all sit in one place.
        QSet<QString> digits;
        for (int n = 1; n <= 10; ++n)
            digits.insert(lines[7 * n]);
        QCOMPARE(digits.size(), 4);
    }

    void everyTopicFileIsRead()
    {
        QVERIFY2(shippedTopics().problems().isEmpty(), qPrintable(shippedTopics().problems().join(u'\n')));
        const QStringList files = QDir(ContentRoot + QStringLiteral("/topics")).entryList({QStringLiteral("*.json")});
        QCOMPARE(qsizetype(shippedTopics().topics().size()), files.size());
    }

    void catalogueShipsEmpty()
    {
        QCOMPARE(readAll(QStringLiteral("multiple\\track.txt")), QByteArray(" 0\r\n"));
    }

    void sounds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("minSeconds");
        QTest::addColumn<double>("maxSeconds");
        for (const char* cue : {"click", "typekey", "thud3"})
            QTest::newRow(cue) << QStringLiteral("wav\\%1.wav").arg(QLatin1String(cue)) << 0.01 << 0.15;
        for (const char* celebration : {"halleluj", "fanf4", "slot_payoff", "fanf2", "fanf3", "crowd",
                                        "cheer2", "klaxon", "flute", "gong", "clap2", "drumroll",
                                        "laser2", "whizz", "clap3", "clown"})
            QTest::newRow(celebration) << QStringLiteral("wav\\%1.wav").arg(QLatin1String(celebration)) << 0.5 << 4.0;
    }
    void sounds()
    {
        QFETCH(QString, path);
        QFETCH(double, minSeconds);
        QFETCH(double, maxSeconds);
        const WavFacts facts = inspectWav(readAll(path));
        QVERIFY2(facts.error.isEmpty(), qPrintable(path + QStringLiteral(": ") + facts.error));
        QVERIFY2(facts.seconds >= minSeconds && facts.seconds < maxSeconds,
                 qPrintable(QStringLiteral("%1 lasts %2 s").arg(path).arg(facts.seconds)));
        QVERIFY2(facts.peak > 8000, qPrintable(path + QStringLiteral(" is nearly silent")));
    }

    void contentStaysSmall()
    {
        qint64 total = 0;
        QDirIterator it(ContentRoot, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            total += QFileInfo(it.next()).size();
        QVERIFY(total > 0);
        QVERIFY2(total < 40 * 1024 * 1024, qPrintable(QString::number(total)));
    }
};

QTEST_MAIN(TestContent)
#include "test_content.moc"
