// The shipped content: every picture the screens name loads at the size they depend on;
// drawings are well-formed metafiles that fit their viewer; worksheets keep the 72-line format;
// sounds are short PCM files at their loudness targets.
#include "platform/Content.h"
#include "platform/Pictures.h"
#include "support/ShippedTopics.h"

#include <QDirIterator>
#include <QMap>
#include <QSet>
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

// The words of a text, lower case, a number's digits without their thousands commas.
QStringList wordsOf(QString text)
{
    text = text.toLower().replace(QRegularExpression(QStringLiteral("(\\d),(\\d{3})")), QStringLiteral("\\1\\2"));
    return text.split(QRegularExpression(QStringLiteral("[^\\p{L}\\p{N}]+")), Qt::SkipEmptyParts);
}

// Every word of the key facts pages of the topic whose worksheet is at worksheetPath, from the
// pages' texts beside their generator.
QSet<QString> keyFactsWords(const QString& worksheetPath)
{
    QSet<QString> words;
    for (const Topic& topic : test::everyTopicPage()) {
        if (topic.worksheet != worksheetPath)
            continue;
        for (const char* page : {"a", "b"}) {
            // "key x1" in texts/pages, "cy key x1" in texts/cy/pages
            const QString& key = topic.keyFactsKey;
            QFile file(QStringLiteral(BS_SOURCE_DIR "/tools/content/texts/") +
                       (key.startsWith(QStringLiteral("cy ")) ? QStringLiteral("cy/pages/") + key.mid(3) : QStringLiteral("pages/") + key) +
                       QLatin1String(page) + QStringLiteral(".txt"));
            if (file.open(QIODevice::ReadOnly))
                for (const QString& word : wordsOf(QString::fromUtf8(file.readAll())))
                    words.insert(word);
        }
    }
    return words;
}

// Words too common to tell one answer or question from another, in English and Welsh.
bool isPlainWord(const QString& word)
{
    static const QStringList plainWords = QStringLiteral(
        "about after before just only more most than with from into over that this there their they were what "
        "when where which very many much some also have them these those been along beside near round "
        "beth pryd faint sawl sydd gyda mewn wedi roedd oedd ydych ydyn").split(u' ');
    static const QSet<QString> plain(plainWords.begin(), plainWords.end());
    return plain.contains(word);
}

// Another ending of the word will do ("bubbling" for "bubbles", "season" for "seasonal").
bool sameStem(const QString& a, const QString& b)
{
    const auto stem = [](const QString& word) { return word.left(std::max<qsizetype>(4, word.size() - 3)); };
    return a.startsWith(stem(b)) || b.startsWith(stem(a));
}

// The words of a question or answer a pupil could match with the other unread: four letters
// or more, not plain, and not part of a name (capitalised after the first word, or a text that
// is a name throughout, like "Mount Gimie").
QStringList matchableWords(const QString& text)
{
    const QStringList words = text.split(QRegularExpression(QStringLiteral("[^\\p{L}\\p{N}]+")), Qt::SkipEmptyParts);
    if (std::all_of(words.begin(), words.end(), [](const QString& word) { return word.front().isUpper() || word.front().isDigit(); }))
        return {};
    QStringList matchable;
    for (qsizetype i = 0; i < words.size(); ++i)
        if (words[i].size() >= 4 && (i == 0 || !words[i].front().isUpper()) && !isPlainWord(words[i].toLower()))
            matchable << words[i].toLower();
    return matchable;
}

bool repeatsTheQuestion(const QString& answer, const QString& question)
{
    const QStringList asked = matchableWords(question);
    const QStringList answered = matchableWords(answer);
    return std::any_of(answered.begin(), answered.end(), [&](const QString& word) {
        return std::any_of(asked.begin(), asked.end(), [&](const QString& other) { return sameStem(word, other); });
    });
}

// A full sentence rather than a phrase: it ends as a sentence does, or holds a finite verb
// that is not in a clause of a phrase ("A beach where turtles nest"); Welsh puts its verb first.
bool isSentence(const QString& answer)
{
    static const QRegularExpression ending(QStringLiteral("[.!?]$|^(Mae|Maen|Roedd|Bydd|Nid|Dydy|Doedd)\\b"));
    static const QRegularExpression finite(QStringLiteral(
        "^(?:(?!\\b(?:where|that|which|who|when|lle|sy|sydd)\\b).)*?"
        "\\b(is|are|was|were|has|have|had|can|may|will|does|do|did|mae|maen|roedd|oedd|bydd|yw|ydy)\\b"));
    return ending.match(answer).hasMatch() || finite.match(answer).hasMatch();
}

bool startsWithArticle(const QString& answer)
{
    static const QRegularExpression article(QStringLiteral("^(a|an|the|y|yr)\\s|^y'"),
                                            QRegularExpression::CaseInsensitiveOption);
    return article.match(answer).hasMatch();
}

// What makes a question test nothing: two answers alike but for case and spaces; a number
// among answers that are not numbers, or numbers in other units (the word after the number),
// which a pupil can rule out unread; a right answer whose words the key facts never use; a
// right answer that stands out by its form alone.
QString quizProblem(const QString& question, const QStringList& answers, int right, const QSet<QString>& keyFacts)
{
    const QRegularExpression number(QStringLiteral("\\d[\\d,.]*\\s*(\\p{L}*)"));
    QSet<QString> seen;
    for (const QString& answer : answers) {
        QString folded = answer.toLower();
        folded.remove(u' ');
        if (seen.contains(folded))
            return QStringLiteral("two answers alike: ") + answer;
        seen.insert(folded);
        const auto inRight = number.match(answers[right]);
        const auto inAnswer = number.match(answer);
        if (inRight.hasMatch() != inAnswer.hasMatch())
            return QStringLiteral("a number beside answers without one: ") + answer;
        if (inRight.hasMatch() && inRight.captured(1).toLower() != inAnswer.captured(1).toLower())
            return QStringLiteral("a number in another unit: ") + answer;
    }
    for (const QString& word : wordsOf(answers[right])) {
        const bool telling = (word.size() >= 4 && !isPlainWord(word)) || word.front().isDigit();
        const QString stem = word.left(std::max<qsizetype>(4, word.size() - 3));
        if (telling && std::none_of(keyFacts.begin(), keyFacts.end(), [&](const QString& fact) {
                return fact == word || (!word.front().isDigit() && fact.startsWith(stem));
            }))
            return QStringLiteral("the right answer's \u201C%1\u201D is not on the key facts pages").arg(word);
    }
    QStringList wrong = answers;
    wrong.removeAt(right);
    const auto onlyTheRightOne = [&](auto&& has) {
        return has(answers[right]) && std::none_of(wrong.begin(), wrong.end(), has);
    };
    if (onlyTheRightOne(isSentence))
        return QStringLiteral("the right answer is the only full sentence");
    if (onlyTheRightOne([](const QString& answer) { return !startsWithArticle(answer); }))
        return QStringLiteral("the right answer is the only one without an article");
    if (onlyTheRightOne([&](const QString& answer) { return repeatsTheQuestion(answer, question); }))
        return QStringLiteral("the right answer is the only one that repeats a word of the question");
    return {};
}

// A shipped worksheet's 72 lines, or none when it does not keep the format's line ends.
QStringList worksheetLines(const QByteArray& bytes)
{
    if (!bytes.endsWith("\r\n") || bytes.count('\n') != bytes.count("\r\n"))
        return {};
    const bool utf8 = bytes.startsWith("\xEF\xBB\xBF");
    QStringList lines = QString(utf8 ? QStringDecoder(QStringDecoder::Utf8)(bytes.mid(3))
                                     : QStringDecoder("windows-1252")(bytes))
                            .split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QByteArray readAll(const QString& contentPath)
{
    QFile file(Content(ContentRoot).resolve(contentPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <class T = quint16> T le(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

// Reads a placeable 16-bit metafile record by record, as a player would: an error, or its size
// in twips and the number of its text records.
QString inspectMetafile(const QByteArray& bytes, QSize* twips, int* texts)
{
    if (bytes.size() < 22 + 18 + 6 || le<quint32>(bytes, 0) != 0x9AC6CDD7u)
        return QStringLiteral("no placeable header");
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= le(bytes, i * 2);
    if (checksum != le(bytes, 20) || le(bytes, 14) != 1440) // units per inch: twips
        return QStringLiteral("placeable header");
    *twips =
        QSize(le<qint16>(bytes, 10) - le<qint16>(bytes, 6), le<qint16>(bytes, 12) - le<qint16>(bytes, 8));
    const qsizetype header = 22;
    if (le(bytes, header) != 1 || le(bytes, header + 2) != 9 ||
        qsizetype(le<quint32>(bytes, header + 6)) * 2 != bytes.size() - header)
        return QStringLiteral("metafile header");
    // Records that the drawings use: mapping, objects, state, shapes and text (with MoveTo
    // before a line drawn in pieces for its Welsh letters).
    const std::set<quint16> known = {0x0103, 0x020B, 0x020C, 0x0102, 0x012E, 0x0106, 0x0209,
                                     0x02FA, 0x02FB, 0x02FC, 0x012D, 0x01F0, 0x041B, 0x061C,
                                     0x0418, 0x0324, 0x0325, 0x0A32, 0x0214, 0x0000};
    std::vector<bool> inUse(le(bytes, header + 10), false);
    for (qsizetype at = header + 18; at + 6 <= bytes.size();) {
        const qsizetype size = qsizetype(le<quint32>(bytes, at)) * 2;
        const quint16 function = le(bytes, at + 4), index = le(bytes, at + 6);
        if (size < 6 || at + size > bytes.size() || !known.count(function))
            return QStringLiteral("record 0x%1 at %2").arg(function, 4, 16, QLatin1Char('0')).arg(at);
        if (function == 0x0000)
            return at + size == bytes.size() ? QString() : QStringLiteral("data after the end record");
        if (function == 0x02FA || function == 0x02FB || function == 0x02FC) {
            const auto free = std::find(inUse.begin(), inUse.end(), false);
            if (free == inUse.end())
                return QStringLiteral("more objects than the header allows");
            *free = true;
        }
        if ((function == 0x012D || function == 0x01F0) && (index >= inUse.size() || !inUse[index]))
            return QStringLiteral("object %1 used before it is made").arg(index);
        if (function == 0x01F0)
            inUse[index] = false;
        if (function == 0x0A32 && 12 + le(bytes, at + 10) > size)
            return QStringLiteral("text longer than its record");
        *texts += function == 0x0A32;
        at += size;
    }
    return QStringLiteral("no end record");
}

// A 16-bit mono PCM file's samples (-1 to 1) and rate, or an error.
QString inspectWav(const QByteArray& bytes, std::vector<double>* samples, int* rate)
{
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QStringLiteral("not a RIFF WAVE file");
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = le<quint32>(bytes, at + 4);
        if (id == "fmt ") {
            if (le(bytes, at + 8) != 1 || le(bytes, at + 10) != 1 || le(bytes, at + 22) != 16)
                return QStringLiteral("not 16-bit PCM mono");
            *rate = int(le<quint32>(bytes, at + 12));
        } else if (id == "data") {
            if (*rate != 22050 && *rate != 44100)
                return QStringLiteral("rate %1").arg(*rate);
            if (at + 8 + qsizetype(size) > bytes.size())
                return QStringLiteral("data chunk runs past the end");
            for (qsizetype i = 0; i + 1 < qsizetype(size); i += 2)
                samples->push_back(le<qint16>(bytes, at + 8 + i) / 32768.0);
            return {};
        }
        at += 8 + size + (size & 1);
    }
    return QStringLiteral("no data chunk");
}

// Integrated loudness in LUFS as ITU-R BS.1770 (the EBU R128 measure) defines it: K-weighting,
// 400 ms blocks every 100 ms, the -70 LUFS absolute and -10 LU relative gates. A sound shorter
// than a block is one block with silence after it.
double loudness(std::vector<double> x, int rate)
{
    // The K-weighting's two filters (a shelf, then a high pass) from their analogue prototypes.
    const auto filter = [&x](double b0, double b1, double b2, double a1, double a2) {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (double& s : x) {
            const double y = b0 * s + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1, x1 = s, y2 = y1, y1 = y, s = y;
        }
    };
    double k = std::tan(M_PI * 1681.974450955533 / rate), q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20), vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1 + k / q + k * k;
    filter((vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
           2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0);
    k = std::tan(M_PI * 38.13547087602444 / rate), q = 0.5003270373238773, a0 = 1 + k / q + k * k;
    filter(1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0);

    const size_t block = size_t(0.4 * rate), step = size_t(0.1 * rate);
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
    return ungated <= 0 ? -70 : level(gatedMean(level(ungated) - 10));
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
        const QSize title(320, 240), quiz(57, 41), logo(120, 89), frame(120, 120);
        // Paths as the screens spell them.
        QTest::newRow("title") << "images\\brellinshoresm.jpg" << title << title;
        QTest::newRow("menu title") << "Images\\brellinshoresm.jpg" << title << title;
        QTest::newRow("logo") << "logo\\quenlow2.bmp" << logo << logo;
        for (int n = 0; n < 20; ++n) {
            const QString name = QStringLiteral("logo\\quen%1.gif").arg(n, 4, 10, QLatin1Char('0'));
            QTest::newRow(qPrintable(name)) << name << frame << frame;
        }
        for (const Topic& topic : test::shippedTopics().topics()) {
            // Panoramas pan across the 800-pixel page and fit between title and scroll bar.
            QTest::newRow(qPrintable(topic.panorama))
                << topic.panorama << QSize(2400, 300) << QSize(3600, 350);
            QTest::newRow(qPrintable(topic.quizPicture)) << topic.quizPicture << quiz << quiz;
            // An activity's pictures: anything from a small photograph to a map past the screen.
            for (const ActivityDefinition& activity : topic.activities)
                for (const PictureSpec& picture : activity.pictures)
                    QTest::newRow(qPrintable(picture.path))
                        << picture.path << QSize(40, 30) << QSize(1200, 900);
        }
    }
    void rasterPictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, minSize);
        QFETCH(QSize, maxSize);
        const Content content(ContentRoot);
        const Pictures pictures(content);
        const Picture picture = pictures.load(path);
        QVERIFY2(!picture.isNull() && !picture.isDrawing(), qPrintable(path));
        const QSize size = picture.sizePixels();
        QVERIFY2(size.expandedTo(minSize) == size && size.boundedTo(maxSize) == size,
                 qPrintable(QStringLiteral("%1 is %2 x %3").arg(path).arg(size.width()).arg(size.height())));
        // The logo's animation loops: each frame moves on from the one before, the first from the last.
        const QRegularExpressionMatch frame = QRegularExpression(QStringLiteral("quen(\\d+)")).match(path);
        if (frame.hasMatch()) {
            const int before = (frame.captured(1).toInt() + 19) % 20;
            const QString previous = QStringLiteral("logo\\quen%1.gif").arg(before, 4, 10, QLatin1Char('0'));
            QVERIFY(picture.image().convertToFormat(QImage::Format_RGB32) !=
                    pictures.load(previous).image().convertToFormat(QImage::Format_RGB32));
        }
    }

    void drawings_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("maxTwips");
        // On screen a page stands at (120, 0): it ends above the page buttons at 7920 and left
        // of the Print button at 10680; the acknowledgments also leave the logos at 8520 clear.
        // On paper a page is printed 1000 twips in from the corner of the printable area.
        const QSize screen(10560, 7920), paper(9500, 14000);
        QStringList pages = {QStringLiteral("guide1"), QStringLiteral("guide2"), QStringLiteral("guide3"),
                             QStringLiteral("cy guide1"), QStringLiteral("cy guide2"), QStringLiteral("cy guide3")};
        for (const Topic& topic : test::everyTopicPage())
            pages << topic.keyFactsKey + u'a' << topic.keyFactsKey + u'b' << topic.notesKey;
        for (const QString& page : std::as_const(pages)) {
            QTest::addRow("wmf %s", qPrintable(page)) << QStringLiteral("wmf\\%1.wmf").arg(page) << screen;
            QTest::addRow("wmf2 %s", qPrintable(page)) << QStringLiteral("wmf2\\%1.wmf").arg(page) << paper;
        }
        for (const char* page : {"acknowledgments", "cy acknowledgments"}) {
            QTest::addRow("wmf %s", page) << QStringLiteral("wmf\\%1.wmf").arg(QLatin1String(page)) << QSize(8400, 7920);
            QTest::addRow("wmf2 %s", page) << QStringLiteral("wmf2\\%1.wmf").arg(QLatin1String(page)) << paper;
        }
    }
    void drawings()
    {
        QFETCH(QString, path);
        QFETCH(QSize, maxTwips);
        QSize size;
        int texts = 0;
        const QString error = inspectMetafile(readAll(path), &size, &texts);
        QVERIFY2(error.isEmpty(), qPrintable(path + QStringLiteral(": ") + error));
        QVERIFY2(
            size.boundedTo(maxTwips) == size && size.expandedTo(maxTwips / 2 + QSize(1, 1)) == size,
            qPrintable(QStringLiteral("%1 is %2 x %3 twips").arg(path).arg(size.width()).arg(size.height())));
        QVERIFY2(texts >= 10, qPrintable(path));

        // The renderer reads it at its size; drawn without Tahoma (never registered here), in
        // the wider font standing in for it, still no word reaches the page's right margin.
        const Content content(ContentRoot);
        const Picture page = Pictures(content).load(path);
        QVERIFY2(page.isDrawing(), qPrintable(path));
        const QSizeF twips = page.sizeTwips();
        QCOMPARE(twips, QSizeF(size));
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
                    QFAIL(qPrintable(QStringLiteral("%1: drawn in the right margin at %2, %3 twips")
                                         .arg(path)
                                         .arg(x * scale)
                                         .arg(y * scale)));
    }

    void worksheets_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        // A Welsh worksheet is titled as its page, "Ynysoedd Syllan: Hanes" as "Ynysoedd Syllan - Hanes".
        for (const Topic& topic : test::everyTopicPage()) {
            const bool welsh = topic.keyFactsKey.startsWith(QStringLiteral("cy "));
            QTest::addRow("%s%s", welsh ? "cy " : "", qPrintable(topic.formName))
                << topic.worksheet
                << (welsh ? QString(topic.title).replace(QStringLiteral(": "), QStringLiteral(" - "))
                          : topic.place + QStringLiteral(" - ") + topic.topic);
        }
    }
    void worksheets()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        const QByteArray bytes = readAll(path);
        const QStringList lines = worksheetLines(bytes);
        QVERIFY2(!lines.isEmpty(), "every line ends with CR LF");
        // UTF-8 after a byte-order mark only when a text needs a Welsh letter Windows-1252 lacks.
        if (bytes.startsWith("\xEF\xBB\xBF"))
            QVERIFY(QString(lines.join(QString())).contains(QRegularExpression(QStringLiteral("[\u0174-\u0177\u1E80-\u1E85\u1EF2\u1EF3]"))));
        else
            QVERIFY2(std::none_of(bytes.begin(), bytes.end(),
                                  [](char c) { return QByteArray("\x81\x8D\x8F\x90\x9D").contains(c); }),
                     "a byte that Windows-1252 does not define");
        QCOMPARE(lines.size(), 72);
        QCOMPARE(lines[0], title);
        QCOMPARE(lines[1], QStringLiteral(" "));
        const QSet<QString> keyFacts = keyFactsWords(path);
        QVERIFY2(!keyFacts.isEmpty(), "the key facts pages' texts");
        QMap<QString, int> rightAnswers;
        for (int n = 1; n <= 10; ++n) {
            const QStringList texts = lines.mid(7 * n - 5, 5);
            const QString where = QStringLiteral("question %1").arg(n);
            // One field a line: no comma, no leading blank or quote, nothing the reader changes.
            for (const QString& text : texts)
                QVERIFY2(!text.isEmpty() && text == text.trimmed() &&
                             !text.contains(QRegularExpression(QStringLiteral("[,&]"))) &&
                             !text.startsWith(u'"'),
                         qPrintable(where));
            QVERIFY2(texts[0].size() <= 60, qPrintable(where));
            for (const QString& answer : texts.mid(1))
                QVERIFY2(answer.size() <= 30 && texts.count(answer) == 1, qPrintable(where));
            QVERIFY2(QRegularExpression(QStringLiteral("^[1-4]$")).match(lines[7 * n]).hasMatch(),
                     qPrintable(where));
            QCOMPARE(lines[7 * n + 1], QStringLiteral(" "));
            ++rightAnswers[lines[7 * n]];
            const QString problem = quizProblem(texts[0], texts.mid(1), lines[7 * n].toInt() - 1, keyFacts);
            QVERIFY2(problem.isEmpty(), qPrintable(where + QStringLiteral(": ") + problem));
        }
        // The right answers do not sit in one place, nor mostly in one.
        QCOMPARE(rightAnswers.size(), 4);
        for (int count : rightAnswers)
            QVERIFY(count <= 4);
    }

    // A class that does a place's five quizzes meets each question once: two questions ask the
    // same thing when most of their telling words are shared (two at least), or some are and so
    // is the answer.
    void noTwoQuizzesOfAPlaceAskTheSameThing()
    {
        struct Asked {
            QString worksheet;
            int number;
            QSet<QString> words;
            QString answer;
        };
        QMap<QString, std::vector<Asked>> byPlaceAndLanguage;
        for (const Topic& topic : test::everyTopicPage()) {
            const QStringList lines = worksheetLines(readAll(topic.worksheet));
            QCOMPARE(lines.size(), 72);
            auto& asked = byPlaceAndLanguage[topic.place + topic.keyFactsKey.left(3)];
            for (int n = 1; n <= 10; ++n) {
                const QStringList words = matchableWords(lines[7 * n - 5]);
                asked.push_back({lines[0], n, QSet<QString>(words.begin(), words.end()),
                                 lines[7 * n - 5 + lines[7 * n].toInt()].toLower()});
            }
        }
        for (const auto& asked : byPlaceAndLanguage)
            for (size_t i = 0; i < asked.size(); ++i)
                for (size_t j = i + 1; j < asked.size(); ++j) {
                    const Asked &a = asked[i], &b = asked[j];
                    if (a.worksheet == b.worksheet)
                        continue;
                    const qsizetype common = (a.words & b.words).size();
                    const double shared = double(common) / std::max<qsizetype>(1, (a.words | b.words).size());
                    QVERIFY2(!(common >= 2 && shared >= 0.5) && !(shared >= 0.25 && a.answer == b.answer),
                             qPrintable(QStringLiteral("%1 question %2 and %3 question %4")
                                            .arg(a.worksheet).arg(a.number).arg(b.worksheet).arg(b.number)));
                }
    }

    // The celebrations share one loudness, so none is a shock after another, and the cues that
    // follow every click and key press are short and well below them.
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
        std::vector<double> samples;
        int rate = 0;
        const QString error = inspectWav(readAll(path), &samples, &rate);
        QVERIFY2(error.isEmpty(), qPrintable(path + QStringLiteral(": ") + error));
        const double seconds = double(samples.size()) / rate;
        QVERIFY2(seconds >= (maxSeconds < 1 ? 0.01 : 0.5) && seconds < maxSeconds,
                 qPrintable(QStringLiteral("%1 lasts %2 s").arg(path).arg(seconds)));
        const double lufs = loudness(samples, rate);
        QVERIFY2(std::abs(lufs - targetLufs) <= 2.0,
                 qPrintable(
                     QStringLiteral("%1 is %2 LUFS, not %3").arg(path).arg(lufs, 0, 'f', 1).arg(targetLufs)));
        // Peaks below -1 dBFS leave room for the player's own rounding.
        const double peak = std::abs(*std::max_element(
            samples.begin(), samples.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }));
        QVERIFY2(20 * std::log10(peak) < -1.0, qPrintable(path + QStringLiteral(" peaks too high")));
    }

    void loudnessMeterReadsAKnownTone()
    {
        // A 997 Hz sine of amplitude 0.1 is -23.0 LUFS (a full-scale one is -3.01, as BS.1770 states).
        std::vector<double> tone(22050 * 2);
        for (size_t i = 0; i < tone.size(); ++i)
            tone[i] = 0.1 * std::sin(2 * M_PI * 997 * double(i) / 22050);
        QVERIFY(std::abs(loudness(tone, 22050) - -23.0) < 0.1);
    }

    // Every topic file is read, every entry of the main menu's grid has its page, the catalogue
    // ships empty and the whole content stays small.
    void topicsCatalogueAndSize()
    {
        QVERIFY2(test::shippedTopics().problems().isEmpty(), qPrintable(test::shippedTopics().problems().join(u'\n')));
        QVERIFY2(test::shippedTopicsInWelsh().problems().isEmpty(), qPrintable(test::shippedTopicsInWelsh().problems().join(u'\n')));
        QCOMPARE(qsizetype(test::shippedTopics().topics().size()),
                 QDir(ContentRoot + QStringLiteral("/topics")).entryList({QStringLiteral("*.json")}).size());
        for (const QString& place : menuPlaces())
            for (const QString& topic : menuTopics())
                QVERIFY2(test::shippedTopics().topicAt(place, topic),
                         qPrintable(place + QStringLiteral(": ") + topic));
        QCOMPARE(readAll(QStringLiteral("multiple\\track.txt")), QByteArray(" 0\r\n"));
        qint64 total = 0;
        for (QDirIterator it(ContentRoot, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            total += QFileInfo(it.next()).size();
        QVERIFY2(total > 0 && total < 40 * 1024 * 1024, qPrintable(QString::number(total)));
    }
};

QTEST_MAIN(TestContent)
#include "test_content.moc"
