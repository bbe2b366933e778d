// The shipped content: every file the screens name is there, loads, and has the size the
// screens depend on; drawings are well-formed metafiles that fit their viewer; worksheets keep
// the 72-line format; sounds are short PCM files at their loudness targets.

#include "platform/Content.h"
#include "platform/Pictures.h"
#include "topicdata/TopicLibrary.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <set>
#include <vector>

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
    int rate = 0;
    std::vector<double> samples; // -1 to 1
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
            for (qsizetype i = 0; i + 1 < qsizetype(size); i += 2) {
                const int sample = sword(bytes, at + 8 + i);
                facts.peak = std::max(facts.peak, std::abs(sample));
                facts.samples.push_back(sample / 32768.0);
            }
            facts.seconds = double(size) / 2 / rate;
            facts.rate = rate;
            return facts;
        }
        at += 8 + size + (size & 1);
    }
    facts.error = QStringLiteral("no data chunk");
    return facts;
}

// Integrated loudness in LUFS as ITU-R BS.1770 (the EBU R128 measure) defines it: K-weighting,
// 400 ms blocks every 100 ms, the -70 LUFS absolute and -10 LU relative gates. A sound shorter
// than a block is one block with silence after it.
double loudness(std::vector<double> x, int rate)
{
    struct Biquad
    {
        double b0, b1, b2, a1, a2;
        void run(std::vector<double>& v) const
        {
            double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
            for (double& s : v) {
                const double y = b0 * s + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
                x2 = x1, x1 = s, y2 = y1, y1 = y;
                s = y;
            }
        }
    };
    // The K-weighting filters from their analogue prototypes, for this sample rate.
    double k = std::tan(M_PI * 1681.974450955533 / rate);
    double q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20);
    const double vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1 + k / q + k * k;
    const Biquad shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
                       2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
    k = std::tan(M_PI * 38.13547087602444 / rate);
    q = 0.5003270373238773;
    a0 = 1 + k / q + k * k;
    const Biquad highPass{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
    shelf.run(x);
    highPass.run(x);

    const size_t block = size_t(0.4 * rate);
    const size_t step = size_t(0.1 * rate);
    x.resize(std::max(x.size(), block), 0.0);
    std::vector<double> powers;
    for (size_t start = 0; start + block <= x.size(); start += step) {
        double sum = 0;
        for (size_t i = start; i < start + block; ++i)
            sum += x[i] * x[i];
        powers.push_back(sum / double(block));
    }
    const auto level = [](double power) { return -0.691 + 10 * std::log10(std::max(power, 1e-20)); };
    const auto gatedMean = [&](double gate) {
        double sum = 0;
        int count = 0;
        for (double p : powers)
            if (level(p) > gate)
                sum += p, ++count;
        return count ? sum / count : 0.0;
    };
    const double ungated = gatedMean(-70);
    if (ungated <= 0)
        return -70;
    return level(gatedMean(level(ungated) - 10));
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
            QTest::newRow(qPrintable(topic.panorama))
                << topic.panorama << QSize(2400, 300) << QSize(3600, 350);
            QTest::newRow(qPrintable(topic.quizPicture)) << topic.quizPicture << quiz << quiz;
            // An activity's pictures: anything from a small photograph to a map past the screen.
            for (const ActivityDefinition& activity : topic.activities) {
                for (const PictureSpec& picture : activity.pictures)
                    QTest::newRow(qPrintable(picture.path))
                        << picture.path << QSize(40, 30) << QSize(1200, 900);
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
        QVERIFY2(size.width() >= minSize.width() && size.height() >= minSize.height() &&
                     size.width() <= maxSize.width() && size.height() <= maxSize.height(),
                 qPrintable(QStringLiteral("%1 is %2 x %3").arg(path).arg(size.width()).arg(size.height())));
    }

    void animationFramesDiffer()
    {
        // A looping animation: neighbouring frames move, and the last leads back to the first.
        const Content content(ContentRoot);
        const Pictures pictures(content);
        for (int frame = 0; frame < 20; ++frame) {
            const auto name = [](int n) {
                return QStringLiteral("logo\\quen%1.gif").arg(n, 4, 10, QLatin1Char('0'));
            };
            const QImage a = pictures.load(name(frame)).image().convertToFormat(QImage::Format_RGB32);
            const QImage b =
                pictures.load(name((frame + 1) % 20)).image().convertToFormat(QImage::Format_RGB32);
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
            QTest::newRow(qPrintable(QStringLiteral("wmf ") + page))
                << QStringLiteral("wmf\\%1.wmf").arg(page) << screen;
            QTest::newRow(qPrintable(QStringLiteral("wmf2 ") + page))
                << QStringLiteral("wmf2\\%1.wmf").arg(page) << paper;
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

        // The renderer reads it at its size; drawn without Tahoma (never registered here), in
        // the wider font standing in for it, still no word reaches the page's right margin.
        const Picture page = Pictures(Content(ContentRoot)).load(path);
        QVERIFY2(page.isDrawing(), qPrintable(path));
        const QSizeF twips = page.sizeTwips();
        QCOMPARE(twips, QSizeF(facts.widthTwips, facts.heightTwips));
        constexpr double scale = 7.5; // twips a pixel: twice the screen's detail
        QImage image((twips / scale).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        page.draw(painter, QRectF(QPointF(0, 0), twips / scale));
        painter.end();
        // The strip between the text's margin and the page's frame, below the title.
        const int fromX = int((twips.width() - 200) / scale), toX = int((twips.width() - 60) / scale);
        const QRgb ground = image.pixel(fromX, int(1100 / scale));
        for (int y = int(1100 / scale); y < int((twips.height() - 300) / scale); ++y)
            for (int x = fromX; x < toX; ++x)
                if (image.pixel(x, y) != ground)
                    QFAIL(qPrintable(QStringLiteral("%1: something drawn in the right margin at %2, %3 twips")
                                         .arg(path)
                                         .arg(x * scale)
                                         .arg(y * scale)));
    }

    void metafileCheckCatchesDamage()
    {
        // The drawing check above is only worth something if it notices a damaged file.
        const QByteArray intact = readAll(QStringLiteral("wmf\\guide1.wmf"));
        for (const auto& [offset, expected] : {std::pair{0, "no placeable header"},
                                               {20, "placeable header checksum"},
                                               {28, "file size in the header"}}) {
            QByteArray bytes = intact;
            bytes[offset] = char(bytes[offset] ^ 0x5A);
            QCOMPARE(inspectMetafile(bytes).error, QLatin1String(expected));
        }
        QVERIFY(!inspectMetafile(intact.chopped(6)).error.isEmpty());
    }

    void worksheets_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        for (const Topic& topic : shippedTopics().topics())
            QTest::newRow(qPrintable(topic.formName))
                << topic.worksheet << topic.place + QStringLiteral(" - ") + topic.topic;
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
                QVERIFY2(!text.contains(QLatin1Char(',')) && !text.startsWith(QLatin1Char('"')),
                         qPrintable(where));
                QVERIFY2(!text.contains(QLatin1Char('&')), qPrintable(where));
                texts << text;
            }
            QVERIFY2(texts[0].size() <= 60, qPrintable(where));
            for (int k = 1; k < 5; ++k)
                QVERIFY2(texts[k].size() <= 30 && texts.count(texts[k]) == 1, qPrintable(where));
            QVERIFY2(QRegularExpression(QStringLiteral("^[1-4]$")).match(lines[7 * n]).hasMatch(),
                     qPrintable(where));
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
        const QStringList files =
            QDir(ContentRoot + QStringLiteral("/topics")).entryList({QStringLiteral("*.json")});
        QCOMPARE(qsizetype(shippedTopics().topics().size()), files.size());
        // Every entry of the main menu's grid has its page.
        for (const QString& place : menuPlaces()) {
            for (const QString& topic : menuTopics())
                QVERIFY2(shippedTopics().topicAt(place, topic),
                         qPrintable(place + QStringLiteral(": ") + topic));
        }
    }

    void catalogueShipsEmpty()
    {
        QCOMPARE(readAll(QStringLiteral("multiple\\track.txt")), QByteArray(" 0\r\n"));
    }

    void loudnessMeterReadsAKnownTone()
    {
        // The meter is only worth something if it reads a known level: a 997 Hz sine of
        // amplitude 0.1 is -23.0 LUFS (a full-scale one is -3.01, as BS.1770 states).
        std::vector<double> tone(22050 * 2);
        for (size_t i = 0; i < tone.size(); ++i)
            tone[i] = 0.1 * std::sin(2 * M_PI * 997 * double(i) / 22050);
        QVERIFY(std::abs(loudness(tone, 22050) - -23.0) < 0.1);
    }

    // Short PCM files; the celebrations share one loudness, so none is a shock after another,
    // and the cues that follow every click and key press are short and well below them.
    void sounds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("maxSeconds");
        QTest::addColumn<double>("targetLufs");
        for (const char* cue : {"click", "typekey", "thud3"})
            QTest::newRow(cue) << QStringLiteral("wav\\%1.wav").arg(QLatin1String(cue)) << 0.15 << -32.0;
        for (const char* celebration :
             {"halleluj", "fanf4", "slot_payoff", "fanf2", "fanf3", "crowd", "cheer2", "klaxon", "flute",
              "gong", "clap2", "drumroll", "laser2", "whizz", "clap3", "clown"})
            QTest::newRow(celebration)
                << QStringLiteral("wav\\%1.wav").arg(QLatin1String(celebration)) << 4.0 << -18.0;
    }
    void sounds()
    {
        QFETCH(QString, path);
        QFETCH(double, maxSeconds);
        QFETCH(double, targetLufs);
        const WavFacts facts = inspectWav(readAll(path));
        QVERIFY2(facts.error.isEmpty(), qPrintable(path + QStringLiteral(": ") + facts.error));
        QVERIFY2(facts.seconds >= (maxSeconds < 1 ? 0.01 : 0.5) && facts.seconds < maxSeconds,
                 qPrintable(QStringLiteral("%1 lasts %2 s").arg(path).arg(facts.seconds)));
        const double lufs = loudness(facts.samples, facts.rate);
        QVERIFY2(std::abs(lufs - targetLufs) <= 2.0,
                 qPrintable(
                     QStringLiteral("%1 is %2 LUFS, not %3").arg(path).arg(lufs, 0, 'f', 1).arg(targetLufs)));
        // Peaks below -1 dBFS leave room for the player's own rounding.
        QVERIFY2(20 * std::log10(facts.peak / 32768.0) < -1.0,
                 qPrintable(path + QStringLiteral(" peaks too high")));
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
