#include "topics/TopicPack.h"

#include "activities/DragEngine.h"
#include "platform/Printer.h"
#include "quiz/WorksheetPrintout.h"
#include "topicdata/Topic.h"
#include "topics/DrawingPages.h"
#include "topics/NotesViewer.h"
#include "topics/TopicPage.h"
#include "ui/Program.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace bs {

// The pack's own messages, for the translations.
[[maybe_unused]] static const char* const packMessageWords[] = {
    QT_TRANSLATE_NOOP("bs::TopicPack", "Your topic pack is now printing."),
    QT_TRANSLATE_NOOP("bs::TopicPack", "Your topic pack has been saved."),
    QT_TRANSLATE_NOOP("bs::TopicPack", "The PDF file could not be saved there. Please choose another folder."),
};

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QString serif = QStringLiteral("Times New Roman");
const QString sans = QStringLiteral("Arial");
constexpr double BoxOutline = 20;  // one point: clear on any printer, colour or not
constexpr double Gap = 200;        // between blocks of a sheet, and between word-bank cards
const QRectF form(0, 0, 12000, 9000);

QString translated(const char* context, const QString& english)
{
    return QCoreApplication::translate(context, english.toUtf8().constData());
}

enum class Audience { Pupil, Teacher };

void setFont(PrintJob& job, const QString& family, double points, bool bold)
{
    job.setFontName(family);
    job.setFontSize(points);
    job.setFontBold(bold);
    job.setForeColor(black);
}

// Lines the text takes when wrapped at word breaks to width, in the job's current font.
int wrappedLines(PrintJob& job, const QString& text, double width)
{
    int lines = 0;
    for (const QString& paragraph : text.split(u'\n')) {
        ++lines;
        double used = 0;
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const double wordWidth = job.textWidth(word);
            const double needed = used == 0 ? wordWidth : used + job.textWidth(QStringLiteral(" ")) + wordWidth;
            if (used > 0 && needed > width) {
                ++lines;
                used = wordWidth;
            } else {
                used = needed;
            }
        }
    }
    return lines;
}

// A wrapped block of text across the page at y; returns the y below it.
double block(PrintJob& job, double y, const QString& text, Qt::Alignment alignment, double indent = 0)
{
    const double width = job.scaleWidth() - indent;
    const double height = wrappedLines(job, text, width) * job.textHeight();
    job.textBox(QRectF(indent, y, width, height), text, alignment | Qt::AlignTop);
    return y + height;
}

// The top of a sheet: the topic, the sheet's name, and for pupils the name and date lines, for
// the teacher a boxed warning; returns the y below it.
double writeHeading(PrintJob& job, const Topic& topic, const QString& sheet, Audience audience)
{
    setFont(job, serif, 22, true);
    double y = block(job, 0, topic.title, Qt::AlignHCenter);
    setFont(job, serif, 16, true);
    y = block(job, y, sheet, Qt::AlignHCenter) + Gap / 2;
    if (audience == Audience::Pupil) {
        setFont(job, serif, 12, false);
        y = block(job, y, QCoreApplication::translate("bs::TopicPack", "Name: ") + QString(40, u'_') + QStringLiteral("      ") + QCoreApplication::translate("bs::TopicPack", "Date: ") +
                              QString(20, u'_'),
                  Qt::AlignLeft);
    } else {
        setFont(job, sans, 12, true);
        const QString mark = QCoreApplication::translate("bs::TopicPack", "ANSWER KEY: FOR THE TEACHER ONLY");
        const double width = job.textWidth(mark) + 400;
        const QRectF box((job.scaleWidth() - width) / 2, y, width, job.textHeight() + 120);
        job.rectangle(box, black, QColor(), BoxOutline);
        job.textBox(box, mark, Qt::AlignCenter);
        y = box.bottom();
    }
    return y + Gap;
}

const ActivityDefinition* activityNamed(const Topic& topic, const QString& formName)
{
    for (const ActivityDefinition& activity : topic.activities) {
        if (activity.formName == formName)
            return &activity;
    }
    return nullptr;
}

QRectF targetBox(const ActivityDefinition& activity, int i)
{
    return QRectF(activity.items[i].target, activity.itemSize);
}

// One sheet of an activity as the paper shows it. On paper the screen's heading (Label6) is
// the sheet's own heading, and an ordering screen's drag hint (Label9) gives way to the word
// bank; its instruction (Label8) heads the sheet. Every label of a labelling screen but the
// heading is its instruction.
struct ActivitySheet
{
    const ActivityDefinition& activity;
    bool labelling;
    std::vector<Picture> pictures; // the activity's pictures, in order

    QString instruction() const
    {
        QStringList lines;
        for (const LabelSpec& label : activity.labels) {
            if (isInstruction(label))
                lines << label.caption.simplified();
        }
        return lines.join(u' ');
    }
    bool isInstruction(const LabelSpec& label) const
    {
        return labelling ? label.name != QLatin1String("Label6") : label.name == QLatin1String("Label8");
    }
    bool drawnInLayout(const LabelSpec& label) const
    {
        return !labelling && label.name != QLatin1String("Label6") && label.name != QLatin1String("Label8") &&
               label.name != QLatin1String("Label9");
    }
    QRectF pictureRect(int k) const
    {
        return QRectF(activity.pictures[k].topLeft, pictures[k].sizeTwips());
    }

    // The part of the form the sheet shows: the map, or what the pupil reads and fills.
    QRectF region() const
    {
        QRectF region;
        for (int i = 0; i < int(activity.items.size()); ++i)
            region |= targetBox(activity, i);
        for (int k = 0; k < int(pictures.size()); ++k) {
            if (!pictures[k].isNull())
                region |= pictureRect(k);
        }
        for (const LabelSpec& label : activity.labels) {
            if (drawnInLayout(label))
                region |= QRectF(label.twips);
        }
        if (activity.line)
            region |= QRectF(QPointF(activity.line->from), QPointF(activity.line->to)).normalized().adjusted(-45, 0, 45, 0);
        if (!labelling)
            region = region.adjusted(-120, -120, 120, 120);
        return region & form;
    }

    // The items in an order that gives nothing away: fixed for a topic, so every copy and
    // every run prints the same, and never the order of the answers.
    std::vector<int> wordBankOrder() const
    {
        const int n = int(activity.items.size());
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return qHash(activity.items[a].text, 20261207) < qHash(activity.items[b].text, 20261207);
        });
        std::vector<int> answers(n);
        const std::vector<int> numbers = boxNumbers();
        for (int i = 0; i < n; ++i)
            answers[numbers[i] - 1] = i;
        // Of the order's turns, the one that leaves fewest items where their answers stand.
        auto matches = [&](const std::vector<int>& candidate) {
            int same = 0;
            for (int k = 0; k < n; ++k)
                same += candidate[k] == answers[k];
            return same;
        };
        std::vector<int> best = order;
        for (int turn = 1; turn < n && matches(best) > 0; ++turn) {
            std::rotate(order.begin(), order.begin() + 1, order.end());
            if (matches(order) < matches(best))
                best = order;
        }
        return best;
    }

    std::vector<int> boxNumbers() const
    {
        std::vector<TwipsRect> boxes;
        for (int i = 0; i < int(activity.items.size()); ++i) {
            const QRectF r = targetBox(activity, i);
            boxes.push_back({float(r.left()), float(r.top()), float(r.width()), float(r.height())});
        }
        return readingNumbers(int(boxes.size()), [&](int i) -> const TwipsRect& { return boxes[i]; });
    }
};

// Maps form twips onto the page: the region scaled into place.
struct Placement
{
    QRectF region;
    double scale = 1;
    QPointF origin;

    QPointF map(QPointF p) const { return origin + (p - region.topLeft()) * scale; }
    QRectF map(const QRectF& r) const { return QRectF(map(r.topLeft()), r.size() * scale); }
};

// An item's text as the screen shows it, in its font at the sheet's scale.
void itemText(PrintJob& job, const ActivityDefinition& activity, const QRectF& box, const QString& text, double scale)
{
    setFont(job, activity.itemFont.family, activity.itemFont.points * scale, true);
    job.textBox(box.adjusted(40, 0, -40, 0), text, Qt::AlignCenter);
}

void drawLayout(PrintJob& job, const ActivitySheet& sheet, const Placement& place, Audience audience)
{
    const ActivityDefinition& activity = sheet.activity;
    const QRectF shown = place.map(place.region);
    for (int k = 0; k < int(sheet.pictures.size()); ++k)
        job.paintPicture(sheet.pictures[k], place.map(sheet.pictureRect(k)), shown);
    if (sheet.labelling)
        job.rectangle(shown, black, QColor(), BoxOutline / 2);

    if (activity.line) {
        // The timeline in black, as thick as on screen.
        const double width = std::max(20.0, activity.line->widthPixels * 15 * place.scale);
        const QRectF span = QRectF(place.map(QPointF(activity.line->from)), place.map(QPointF(activity.line->to)))
                                .normalized()
                                .adjusted(-width / 2, -width / 2, width / 2, width / 2);
        job.rectangle(span, QColor(), black, 0);
    }
    for (const LabelSpec& label : activity.labels) {
        if (!sheet.drawnInLayout(label))
            continue;
        setFont(job, label.font.family, label.font.points * place.scale, label.font.bold);
        job.textBox(place.map(QRectF(label.twips)), label.caption, label.alignment | Qt::AlignTop);
    }

    const std::vector<int> numbers = sheet.boxNumbers();
    for (int i = 0; i < int(activity.items.size()); ++i) {
        const QRectF box = place.map(targetBox(activity, i));
        job.rectangle(box, black, white, BoxOutline);
        double textLeft = box.left();
        if (sheet.labelling) {
            setFont(job, sans, std::max(7.0, 10 * place.scale), true);
            const QString number = QString::number(numbers[i]);
            const double width = job.textWidth(number) + 80;
            job.textBox(QRectF(box.left() + 40, box.top(), width, box.height()), number, Qt::AlignLeft | Qt::AlignVCenter);
            textLeft += width;
        }
        if (audience == Audience::Teacher)
            itemText(job, activity, QRectF(textLeft, box.top(), box.right() - textLeft, box.height()),
                     activity.items[i].text, place.scale);
    }
}

// The word bank: one card per item, as big as a box on the sheet, to write from or cut out.
double wordBankHeight(const ActivityDefinition& activity, double width, double scale)
{
    const QSizeF card = QSizeF(activity.itemSize) * scale;
    const int columns = std::max(1, int((width + Gap) / (card.width() + Gap)));
    const int rows = (int(activity.items.size()) + columns - 1) / columns;
    return 900 + rows * (card.height() + Gap);
}

void drawWordBank(PrintJob& job, const ActivitySheet& sheet, double y, double scale)
{
    const ActivityDefinition& activity = sheet.activity;
    setFont(job, serif, 14, true);
    y = block(job, y, QCoreApplication::translate("bs::TopicPack", "Word bank"), Qt::AlignLeft);
    setFont(job, serif, 11, false);
    y = block(job, y,
              QCoreApplication::translate("bs::TopicPack", "Write each label in its box, or cut the labels out and stick them in the right boxes."),
              Qt::AlignLeft) + Gap / 2;
    const double W = job.scaleWidth();
    const QSizeF card = QSizeF(activity.itemSize) * scale;
    const int columns = std::max(1, int((W + Gap) / (card.width() + Gap)));
    const std::vector<int> order = sheet.wordBankOrder();
    const int used = std::min(columns, int(order.size()));
    const double left = (W - used * card.width() - (used - 1) * Gap) / 2;
    for (int k = 0; k < int(order.size()); ++k) {
        const QRectF box(left + (k % columns) * (card.width() + Gap), y + (k / columns) * (card.height() + Gap),
                         card.width(), card.height());
        job.rectangle(box, black, QColor(), BoxOutline / 2);
        itemText(job, activity, box, activity.items[order[k]].text, scale);
    }
}

// A labelling or ordering sheet: for pupils with empty boxes and the word bank, for the
// teacher with every box filled.
void writeActivitySheet(PrintJob& job, const Topic& topic, const ActivitySheet& sheet, Audience audience)
{
    const QString name = audience == Audience::Pupil
                             ? packPieceName(sheet.labelling ? PackPiece::Labelling : PackPiece::Ordering)
                         : sheet.labelling ? QCoreApplication::translate("bs::TopicPack", "Answer key: labelling sheet")
                                           : QCoreApplication::translate("bs::TopicPack", "Answer key: ordering sheet");
    double y = writeHeading(job, topic, name, audience);
    setFont(job, serif, 14, false);
    y = block(job, y, sheet.instruction(), Qt::AlignHCenter) + Gap;

    const double W = job.scaleWidth();
    const double H = job.scaleHeight();
    Placement place;
    place.region = sheet.region();
    if (place.region.isEmpty())
        return;
    // A small layout grows a little: bigger boxes to write in and texts to read.
    const double widthScale = std::min(1.25, W / place.region.width());
    const double bank = audience == Audience::Pupil ? wordBankHeight(sheet.activity, W, widthScale) : 0;
    place.scale = std::min(widthScale, std::max(0.2, (H - y - bank - Gap) / place.region.height()));
    place.origin = QPointF((W - place.region.width() * place.scale) / 2, y);
    drawLayout(job, sheet, place, audience);
    if (audience == Audience::Pupil)
        drawWordBank(job, sheet, y + place.region.height() * place.scale + Gap, place.scale);
}

// The teacher's drawing of a page, as large as the page allows and never larger than drawn.
void writeDrawing(PrintJob& job, const Picture& drawing, const QString& file)
{
    if (drawing.isNull()) {
        setFont(job, serif, 14, false);
        block(job, 0, QCoreApplication::translate("bs::TopicPack", "This page could not be found: ") + file, Qt::AlignLeft);
        return;
    }
    const QSizeF size = drawing.sizeTwips();
    const double scale = std::min({1.0, job.scaleWidth() / size.width(), job.scaleHeight() / size.height()});
    const QRectF target((job.scaleWidth() - size.width() * scale) / 2, 0, size.width() * scale, size.height() * scale);
    job.paintPicture(drawing, target, target);
}

void writeWorksheetAnswers(PrintJob& job, const Topic& topic, const QuestionBank& bank)
{
    double y = writeHeading(job, topic, QCoreApplication::translate("bs::TopicPack", "Answer key: worksheet"), Audience::Teacher);
    setFont(job, serif, 14, true);
    y = block(job, y, bank.worktitle, Qt::AlignHCenter) + Gap;
    for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
        const QString* answers[] = {&bank.answera[n], &bank.answerb[n], &bank.answerc[n], &bank.answerd[n]};
        const int right = bank.correct[n].toInt();
        setFont(job, serif, 12, false);
        y = block(job, y, QCoreApplication::translate("bs::Multiple", "Question ") + QString::number(n) + QStringLiteral("    ") + bank.question[n],
                  Qt::AlignLeft);
        setFont(job, serif, 12, true);
        const QString answer = right >= 1 && right <= 4
                                   ? QString(QChar(u'A' + right - 1)) + QStringLiteral(". ") + *answers[right - 1]
                                   : QCoreApplication::translate("bs::TopicPack", "(no right answer in the worksheet file)");
        y = block(job, y, answer, Qt::AlignLeft, job.scaleWidth() / 16) + Gap / 2;
    }
}

QuestionBank readWorksheet(const Content& content, const QString& path)
{
    QuestionBank bank;
    FieldReader reader = FieldReader::fromFile(content.resolve(path));
    loadworksheet(reader, bank);
    return bank;
}

bool chosen(const std::vector<PackPiece>& pieces, PackPiece piece)
{
    return std::find(pieces.begin(), pieces.end(), piece) != pieces.end();
}

} // namespace

std::vector<PackPiece> packPieces(const Topic& topic)
{
    std::vector<PackPiece> pieces{PackPiece::Notes, PackPiece::KeyFacts, PackPiece::Worksheet};
    if (topic.own) {
        // A school's own topic offers only the parts the teacher made.
        pieces.clear();
        if (topic.notesText)
            pieces.push_back(PackPiece::Notes);
        if (!topic.keyFactsText.empty())
            pieces.push_back(PackPiece::KeyFacts);
        if (!topic.worksheet.isEmpty())
            pieces.push_back(PackPiece::Worksheet);
    }
    if (activityNamed(topic, topic.labelling))
        pieces.push_back(PackPiece::Labelling);
    if (activityNamed(topic, topic.ordering))
        pieces.push_back(PackPiece::Ordering);
    // An own topic without a worksheet or activities has nothing to answer.
    if (!topic.own || !topic.worksheet.isEmpty() || !topic.labelling.isEmpty() || !topic.ordering.isEmpty())
        pieces.push_back(PackPiece::AnswerKey);
    return pieces;
}

QString packPieceName(PackPiece piece)
{
    switch (piece) {
    case PackPiece::Notes: return QCoreApplication::translate("bs::TopicPack", "Teacher's notes");
    case PackPiece::KeyFacts: return QCoreApplication::translate("bs::TopicPack", "Key facts");
    case PackPiece::Worksheet: return QCoreApplication::translate("bs::TopicPack", "Worksheet");
    case PackPiece::Labelling: return QCoreApplication::translate("bs::TopicPack", "Labelling sheet");
    case PackPiece::Ordering: return QCoreApplication::translate("bs::TopicPack", "Ordering sheet");
    case PackPiece::AnswerKey: return QCoreApplication::translate("bs::TopicPack", "Answer key");
    }
    return {};
}

void writeTopicPack(PrintJob& job, const Topic& topic, const Content& content, const Pictures& pictures,
                    const std::vector<PackPiece>& pieces, int copies)
{
    copies = std::clamp(copies, 1, 60);
    std::optional<QuestionBank> bank;
    if ((chosen(pieces, PackPiece::Worksheet) || chosen(pieces, PackPiece::AnswerKey)) &&
        !(topic.own && topic.worksheet.isEmpty()))
        bank = readWorksheet(content, topic.worksheet);

    // Each picture is loaded once, so every copy of a sheet shares it (in a PDF, one image).
    auto sheetFor = [&](const QString& formName, bool labelling) -> std::optional<ActivitySheet> {
        const ActivityDefinition* activity = activityNamed(topic, formName);
        if (!activity)
            return std::nullopt;
        ActivitySheet sheet{*activity, labelling, {}};
        for (const PictureSpec& picture : activity->pictures)
            sheet.pictures.push_back(pictures.load(picture.path));
        return sheet;
    };
    const auto wants = [&](PackPiece piece) { return chosen(pieces, piece); };
    const std::optional<ActivitySheet> labelling =
        wants(PackPiece::Labelling) || wants(PackPiece::AnswerKey) ? sheetFor(topic.labelling, true) : std::nullopt;
    const std::optional<ActivitySheet> ordering =
        wants(PackPiece::Ordering) || wants(PackPiece::AnswerKey) ? sheetFor(topic.ordering, false) : std::nullopt;

    bool first = true;
    auto startPage = [&] {
        if (!first)
            job.newPage();
        first = false;
    };
    auto drawing = [&](const QString& file) {
        startPage();
        writeDrawing(job, pictures.load(QStringLiteral("wmf2\\") + file), QStringLiteral("wmf2\\") + file);
    };

    // A school's own topic's typed pages, drawn for paper at the printer's resolution.
    auto typed = [&](const TextPage& page) {
        startPage();
        writeDrawing(job, textPagePicture(topic, page, PageMedium::Paper), page.heading);
    };
    if (topic.own) {
        if (wants(PackPiece::Notes) && topic.notesText)
            typed(*topic.notesText);
        for (const TextPage& page : wants(PackPiece::KeyFacts) ? topic.keyFactsText : std::vector<TextPage>{})
            typed(page);
    } else if (wants(PackPiece::Notes))
        drawing(topic.notesKey + QStringLiteral(".wmf"));
    if (wants(PackPiece::KeyFacts) && !topic.own) {
        drawing(NotesViewer::pageFileName(topic.keyFactsKey, 1));
        drawing(NotesViewer::pageFileName(topic.keyFactsKey, 2));
    }
    for (int copy = 0; copy < copies && wants(PackPiece::Worksheet) && bank; ++copy) {
        startPage();
        job.setFontBold(false);
        job.setForeColor(black);
        // The heading a topic page gives its quiz.
        writeWorksheet(job, QStringLiteral("Brellinshore"), bank->worktitle, *bank, {true, true});
    }
    for (int copy = 0; copy < copies && wants(PackPiece::Labelling) && labelling; ++copy) {
        startPage();
        writeActivitySheet(job, topic, *labelling, Audience::Pupil);
    }
    for (int copy = 0; copy < copies && wants(PackPiece::Ordering) && ordering; ++copy) {
        startPage();
        writeActivitySheet(job, topic, *ordering, Audience::Pupil);
    }
    if (wants(PackPiece::AnswerKey)) {
        if (bank) {
            startPage();
            writeWorksheetAnswers(job, topic, *bank);
        }
        if (labelling) {
            startPage();
            writeActivitySheet(job, topic, *labelling, Audience::Teacher);
        }
        if (ordering) {
            startPage();
            writeActivitySheet(job, topic, *ordering, Audience::Teacher);
        }
    }
}

QString packFileName(const Topic& topic)
{
    if (topic.own)
        return topic.title + QCoreApplication::translate("bs::TopicPack", " - topic pack.pdf");
    // The menu's words for the place and topic, in the language chosen.
    return QCoreApplication::translate("bs::Intro0", topic.place.toUtf8().constData()) + QStringLiteral(" - ") +
           QCoreApplication::translate("bs::Intro0", topic.topic.toUtf8().constData()) +
           QCoreApplication::translate("bs::TopicPack", " - topic pack.pdf");
}

void printTopicPack(Program& program, const Topic& topic)
{
    const std::vector<PackPiece> offered = packPieces(topic);
    QStringList names;
    for (PackPiece piece : offered)
        names << packPieceName(piece);
    const PackChoice choice = program.dialogs().choosePack(topic.title, names);
    std::vector<PackPiece> pieces;
    for (int i = 0; i < int(offered.size()) && i < choice.pieces.size(); ++i) {
        if (choice.pieces[i])
            pieces.push_back(offered[i]);
    }
    if (choice.action == PackChoice::Cancel || pieces.empty())
        return;

    QString path;
    if (choice.action == PackChoice::SaveAsPdf) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        path = program.dialogs().pdfFileName(QDir(folder).filePath(packFileName(topic)));
        if (path.isEmpty())
            return;
    }

    // The hourglass while the pack is drawn, however it ends.
    struct Busy
    {
        Display& display;
        explicit Busy(Display& d) : display(d) { display.setBusy(true); }
        ~Busy() { display.setBusy(false); }
    };
    QString problem;
    try {
        const Busy busy(program.display());
        std::unique_ptr<PrintJob> job =
            path.isEmpty() ? program.printer().startJob() : program.printer().startFileJob(path);
        writeTopicPack(*job, topic, program.content(), program.pictures(), pieces, choice.copies);
        job->endDoc();
    } catch (const PrintError&) {
        problem = path.isEmpty() ? translated("bs::DrawingPages", PrintProblemMessage)
                                 : translated("bs::TopicPack", PackSaveProblemMessage);
    } catch (const DataError&) {
        problem = translated("bs::TopicPage", TopicPage::CorruptWorksheetMessage);
    }
    if (problem.isEmpty())
        problem = translated("bs::TopicPack", path.isEmpty() ? PackPrintingMessage : PackSavedMessage);
    program.dialogs().message(problem);
}

} // namespace bs
