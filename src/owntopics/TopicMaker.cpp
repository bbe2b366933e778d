#include "owntopics/TopicMaker.h"

#include "base/Names.h"
#include "graphics/PhotoImport.h"
#include "graphics/TextPageDrawing.h"
#include "owntopics/OwnTopicOpeners.h"
#include "topicdata/OwnTopicStore.h"
#include "topicdata/TopicFile.h"
#include "ui/Language.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/Worksheet.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <algorithm>
#include <cmath>
#include <exception>

namespace bs {

namespace {

const QColor yellow(255, 255, 0);
const QColor white(255, 255, 255);
const QColor formBlue(39, 63, 137);
const QString tahoma = QStringLiteral("Tahoma");
const QString catalogueFile = QStringLiteral("multiple\\track.txt");
const QString ownTopicsFolder = QStringLiteral("ourtopics");

// The controls stand on the left, the preview on the right.
constexpr QRect panelArea(120, 720, 4440, 7080);
constexpr QRect previewArea(4680, 720, 7200, 6000);
constexpr QRect roomArea(4680, 6780, 7200, 420);
constexpr int fieldWidth = 4320;

QLabel* note(QWidget* parent, const QString& text, int top, int height = 285)
{
    QLabel* label = makeLabel(parent, QStringLiteral("Caption"), text, QRect(0, top, fieldWidth, height),
                              uiFont(tahoma, 9.75, true), yellow);
    label->setWordWrap(true);
    return label;
}

QLineEdit* lineBox(QWidget* parent, const QString& name, const QString& accessible, int top, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFont(uiFont(QStringLiteral("Times New Roman"), 12));
    box->setMaxLength(maxLength);
    box->setAccessibleName(accessible);
    placeTwips(box, QRect(0, top, fieldWidth, 375));
    return box;
}

LabelButton* button(QWidget* parent, const QString& name, const QString& text, int top)
{
    return makeLabelButton(parent, name, text, QRect(0, top, fieldWidth, 435), 12);
}

// The items' font of the activities, in which each label must fit its box.
QFont itemFont()
{
    return uiFont(tahoma, 11.25, true);
}

bool labelFits(const QString& text)
{
    const double room = owntopic::LabelBox.width() / 15.0 - 6; // inside the border, a little air
    return QFontMetricsF(itemFont()).horizontalAdvance(text) <= room;
}

QPoint defaultBox(int i)
{
    return QPoint(240 + (i % 2) * 4560, 240 + (i / 2) * 1440);
}

QRect pictureRect(QPoint at)
{
    return QRect(at, owntopic::LabelBox);
}

// The page as the pupil's page draws it: the topic's title in the band, the kind of page
// under it, then the heading, the paragraphs and the box.
PageText pageText(const QString& title, const QString& subtitle, const TextPage& page)
{
    PageText text{title, subtitle, {}};
    text.blocks.push_back({PageBlock::Heading, page.heading});
    for (const QString& paragraph : page.paragraphs) {
        if (paragraph.startsWith(QLatin1String("- ")))
            text.blocks.push_back({PageBlock::Bullet, paragraph.mid(2).trimmed()});
        else
            text.blocks.push_back({PageBlock::Paragraph, paragraph});
    }
    if (!page.didYouKnow.isEmpty())
        text.blocks.push_back({PageBlock::Box, QCoreApplication::translate("bs::TopicMaker", "Did you know?") + u' ' + page.didYouKnow});
    return text;
}

QImage imageOf(const QByteArray& bytes)
{
    QImage image;
    image.loadFromData(bytes);
    return image;
}

// The photograph whole, upright, small enough for the preview (decoded at that size).
QImage overview(const QString& path, QSize within)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? reader.size().transposed() : reader.size();
    if (upright.isEmpty())
        return {};
    const QSize scaled = upright.scaled(within, Qt::KeepAspectRatio);
    reader.setScaledSize(turned ? scaled.transposed() : scaled);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.size() == scaled ? image : image.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString subtitleOf(int page)
{
    return page < 2 ? QCoreApplication::translate("bs::TopicMaker", "Key Facts")
                    : QCoreApplication::translate("bs::TopicMaker", "Teacher's Notes");
}

} // namespace

MakerPreview::MakerPreview(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
}

void MakerPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (paint)
        paint(painter, QRectF(rect()));
    if (hasFocus()) {
        painter.setPen(QPen(white, 2, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void MakerPreview::mousePressEvent(QMouseEvent* event)
{
    if (mouse && event->button() == Qt::LeftButton)
        mouse(Mouse::Press, event->position());
}

void MakerPreview::mouseMoveEvent(QMouseEvent* event)
{
    if (mouse)
        mouse(Mouse::Move, event->position());
}

void MakerPreview::mouseReleaseEvent(QMouseEvent* event)
{
    if (mouse && event->button() == Qt::LeftButton)
        mouse(Mouse::Release, event->position());
}

void MakerPreview::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (key && (mods == Qt::NoModifier || mods == Qt::ShiftModifier) && key(event->key(), mods == Qt::ShiftModifier)) {
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

TopicMaker::TopicMaker(Program& program, const QString& formName)
    : Screen(program, formName)
{
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Topic Maker"), QRect(120, 60, 4200, 540),
                       uiFont(tahoma, 18, true), yellow);
    StepCaption = makeLabel(this, QStringLiteral("StepCaption"), QString(), QRect(4320, 180, 7560, 420),
                            uiFont(tahoma, 12, true), yellow, Qt::AlignRight | Qt::AlignTop);
    Preview = new MakerPreview(this);
    Preview->setObjectName(QStringLiteral("Preview"));
    placeTwips(Preview, previewArea);
    Preview->paint = [this](QPainter& painter, const QRectF& area) { paintPreview(painter, area); };
    Preview->mouse = [this](MakerPreview::Mouse what, QPointF at) { previewMouse(what, at); };
    Preview->key = [this](int key, bool shift) { return previewKey(key, shift); };
    RoomLeft = makeLabel(this, QStringLiteral("RoomLeft"), QString(), roomArea, uiFont(tahoma, 11.25, true), yellow);

    for (int i = 0; i < StepCount; ++i)
        m_panels[i] = makePanel();
    buildTitleStep();
    buildPanoramaStep();
    buildPagesStep();
    buildQuizStep();
    buildLabellingStep();
    buildOrderingStep();
    note(m_panels[SaveStep], tr("Everything is ready. Look through the steps with Back if you wish, then "
                                   "click Save Topic. The topic is saved for every computer that uses this folder."),
            0, 1500);

    makeLabelButtonRow(this, Label3, QStringLiteral("Label3"),
                       {{0, tr("Cancel"), QRect(10320, 7920, 1560, 495)},
                        {1, tr("<< Back"), QRect(120, 7920, 2100, 495)},
                        {2, tr("Next >>"), QRect(2460, 7920, 2100, 495)}},
                       [this](int index) { Label3_Click(index); });
}

QWidget* TopicMaker::makePanel()
{
    auto* panel = new QWidget(this);
    placeTwips(panel, panelArea);
    panel->hide();
    return panel;
}

void TopicMaker::buildTitleStep()
{
    QWidget* panel = m_panels[TitleStep];
    note(panel, tr("The topic's title"), 0);
    TitleBox = lineBox(panel, QStringLiteral("TitleBox"), tr("The topic's title"), 300, owntopic::MaxTitle);
    note(panel, tr("At most 60 letters. It names the topic in the list and heads its page."), 780, 900);
    connect(TitleBox, &QLineEdit::textChanged, this, [this] { changed(); });
}

void TopicMaker::buildPanoramaStep()
{
    QWidget* panel = m_panels[PanoramaStep];
    note(panel, tr("A wide photograph across the top of the page."), 0, 600);
    ChoosePanorama = button(panel, QStringLiteral("ChoosePanorama"), tr("Choose Photograph..."), 660);
    connect(ChoosePanorama, &QAbstractButton::clicked, this, [this] { choosePanorama(); });
    note(panel, tr("The page shows a wide band of it. Move the band up or down by dragging it in the "
                      "preview, or with the Up and Down keys there (Shift for bigger steps)."),
            1260, 1500);
}

void TopicMaker::buildPagesStep()
{
    QWidget* panel = m_panels[PagesStep];
    note(panel, tr("Page"), 0);
    PageChoice = new QComboBox(panel);
    PageChoice->setObjectName(QStringLiteral("PageChoice"));
    PageChoice->setAccessibleName(tr("Page"));
    PageChoice->addItems({tr("Key Facts, page 1"), tr("Key Facts, page 2"), tr("Teacher's Notes")});
    placeTwips(PageChoice, QRect(0, 300, fieldWidth, 375));
    note(panel, tr("Heading"), 780);
    PageHeading = lineBox(panel, QStringLiteral("PageHeading"), tr("Heading"), 1080, owntopic::MaxHeading);
    note(panel, tr("Text: a paragraph a line; a line starting \"- \" is a bullet point"), 1560, 500);
    PageText = new QPlainTextEdit(panel);
    PageText->setObjectName(QStringLiteral("PageText"));
    PageText->setAccessibleName(tr("Text of the page"));
    PageText->setTabChangesFocus(true);
    PageText->setFont(uiFont(QStringLiteral("Times New Roman"), 12));
    placeTwips(PageText, QRect(0, 2080, fieldWidth, 3600));
    note(panel, tr("\"Did you know?\" box (may be left empty)"), 5760);
    PageBox = lineBox(panel, QStringLiteral("PageBox"), tr("Did you know? box"), 6060, owntopic::MaxDidYouKnow);
    note(panel, tr("Leave a page empty to leave it out."), 6500);

    connect(PageChoice, &QComboBox::currentIndexChanged, this, [this](int page) {
        if (m_loading || page < 0)
            return;
        storeEditors();
        m_page = page;
        loadEditors();
    });
    for (QObject* editor : {static_cast<QObject*>(PageHeading), static_cast<QObject*>(PageBox)})
        connect(static_cast<QLineEdit*>(editor), &QLineEdit::textChanged, this, [this] {
            if (m_loading)
                return;
            storeEditors();
            changed();
        });
    connect(PageText, &QPlainTextEdit::textChanged, this, [this] {
        if (m_loading)
            return;
        storeEditors();
        changed();
    });
}

void TopicMaker::buildQuizStep()
{
    QWidget* panel = m_panels[QuizStep];
    note(panel, tr("The quiz: a worksheet from the catalogue"), 0);
    WorksheetList = new QListWidget(panel);
    WorksheetList->setObjectName(QStringLiteral("WorksheetList"));
    WorksheetList->setAccessibleName(tr("The quiz: a worksheet from the catalogue"));
    WorksheetList->setFont(uiFont(tahoma, 9.75));
    placeTwips(WorksheetList, QRect(0, 300, fieldWidth, 5400));
    NewWorksheet = button(panel, QStringLiteral("NewWorksheet"), tr("Write a New Worksheet"), 5880);
    connect(NewWorksheet, &QAbstractButton::clicked, this, [this] { openWizard(); });
    connect(WorksheetList, &QListWidget::currentRowChanged, this, [this] {
        if (!m_loading)
            changed();
    });
}

void TopicMaker::buildLabellingStep()
{
    QWidget* panel = m_panels[LabellingStep];
    UseLabelling = new QCheckBox(tr("A labelling activity"), panel);
    UseLabelling->setObjectName(QStringLiteral("UseLabelling"));
    UseLabelling->setFont(uiFont(tahoma, 9.75, true));
    QPalette palette = UseLabelling->palette();
    palette.setColor(QPalette::WindowText, yellow);
    UseLabelling->setPalette(palette);
    placeTwips(UseLabelling, QRect(0, 0, 2400, 315));
    ChoosePicture = makeLabelButton(panel, QStringLiteral("ChoosePicture"), tr("Choose Picture..."),
                                    QRect(2460, 0, 1860, 375), 9.75);
    connect(ChoosePicture, &QAbstractButton::clicked, this, [this] { choosePicture(); });
    note(panel, tr("Instruction"), 420);
    LabellingInstruction = lineBox(panel, QStringLiteral("LabellingInstruction"), tr("Instruction of the labelling activity"),
                                   690, owntopic::MaxInstruction);
    note(panel, tr("Labels (2 to 8)"), 1110);
    for (int i = 0; i < owntopic::MaxLabels; ++i) {
        QLineEdit* box = lineBox(panel, QStringLiteral("LabelText"), tr("Label %1").arg(i + 1), 1380 + i * 420,
                                 owntopic::MaxLabelText);
        placeTwips(box, QRect(0, 1380 + i * 420, fieldWidth, 375));
        LabelText.add(i, box);
        connect(box, &QLineEdit::textChanged, this, [this, i](const QString& text) {
            if (m_loading)
                return;
            BoxChoice->setItemText(i, text.isEmpty() ? tr("Label %1").arg(i + 1) : text);
            if (!text.isEmpty() && !labelFits(text))
                BoxStatus->setText(tr("“%1” is too wide for its box: shorten it.").arg(text));
            changed();
        });
    }
    note(panel, tr("Box to move (then the arrow keys in the preview)"), 4770, 500);
    BoxChoice = new QComboBox(panel);
    BoxChoice->setObjectName(QStringLiteral("BoxChoice"));
    BoxChoice->setAccessibleName(tr("Box to move"));
    for (int i = 0; i < owntopic::MaxLabels; ++i)
        BoxChoice->addItem(tr("Label %1").arg(i + 1));
    placeTwips(BoxChoice, QRect(0, 5280, fieldWidth, 375));
    BoxStatus = note(panel, QString(), 5760, 1300);
    connect(UseLabelling, &QCheckBox::toggled, this, [this] {
        if (!m_loading)
            changed();
        Preview->update();
    });
    connect(LabellingInstruction, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            changed();
    });
    connect(BoxChoice, &QComboBox::currentIndexChanged, this, [this] { Preview->update(); });
}

void TopicMaker::buildOrderingStep()
{
    QWidget* panel = m_panels[OrderingStep];
    UseOrdering = new QCheckBox(tr("An ordering activity"), panel);
    UseOrdering->setObjectName(QStringLiteral("UseOrdering"));
    UseOrdering->setFont(uiFont(tahoma, 9.75, true));
    QPalette palette = UseOrdering->palette();
    palette.setColor(QPalette::WindowText, yellow);
    UseOrdering->setPalette(palette);
    placeTwips(UseOrdering, QRect(0, 0, fieldWidth, 315));
    note(panel, tr("Instruction"), 420);
    OrderingInstruction = lineBox(panel, QStringLiteral("OrderingInstruction"), tr("Instruction of the ordering activity"),
                                  690, owntopic::MaxInstruction);
    note(panel, tr("Items (3 to 6), in their right order"), 1110);
    for (int i = 0; i < owntopic::MaxItems; ++i) {
        QLineEdit* box = lineBox(panel, QStringLiteral("ItemText"), tr("Item %1").arg(i + 1), 1380 + i * 420,
                                 owntopic::MaxItemText);
        ItemText.add(i, box);
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (!m_loading)
                changed();
        });
    }
    connect(UseOrdering, &QCheckBox::toggled, this, [this] {
        if (!m_loading)
            changed();
    });
    connect(OrderingInstruction, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            changed();
    });
}

void TopicMaker::Form_Load()
{
    layoutform(*this);
    setControlBackColor(UseLabelling, formBlue);
    setControlBackColor(UseOrdering, formBlue);
    start(QString());
}

bool TopicMaker::start(const QString& title)
{
    m_loading = true;
    OwnTopic topic;
    topic.language = languageCode(currentLanguage());
    m_original.clear();
    m_panorama = {};
    m_picture = {};
    m_panoramaSource.clear();
    m_overview = {};
    m_band = 0.5;
    if (!title.isEmpty()) {
        const Content& content = program().content();
        const OwnTopicStore store(content.resolve(ownTopicsFolder), content.resolve(catalogueFile));
        std::optional<OwnTopic> saved;
        for (const OwnTopicStore::Entry& entry : store.list()) {
            if (entry.topic && entry.topic->title == title)
                saved = entry.topic;
        }
        if (!saved) {
            m_loading = false;
            program().dialogs().message(tr("The topic “%1” could not be opened.").arg(title));
            return false;
        }
        topic = *saved;
        m_original = title;
        const auto readPhoto = [&store](const QString& name) {
            QFile file(store.path(name));
            Photo photo;
            if (!name.isEmpty() && file.open(QIODevice::ReadOnly)) {
                photo.bytes = file.readAll();
                photo.suffix = QFileInfo(name).suffix().toLower();
                photo.image = imageOf(photo.bytes);
            }
            return photo;
        };
        m_panorama = readPhoto(topic.panorama);
        if (topic.labelling)
            m_picture = readPhoto(topic.labelling->picture);
    }
    m_language = topic.language;
    TitleBox->setText(topic.title);
    for (int p = 0; p < PageCount; ++p) {
        const TextPage* page = p < 2 ? (p < int(topic.keyFacts.size()) ? &topic.keyFacts[p] : nullptr)
                                     : (topic.notes ? &*topic.notes : nullptr);
        m_pages[p] = page ? Page{page->heading, page->paragraphs.join(u'\n'), page->didYouKnow} : Page{};
    }
    m_page = 0;
    PageChoice->setCurrentIndex(0);
    loadEditors();
    m_knownWorksheets.clear();
    refreshWorksheets(false);
    WorksheetList->setCurrentRow(0);
    if (!topic.worksheet.isEmpty()) {
        if (WorksheetList->findItems(topic.worksheet, Qt::MatchExactly).isEmpty())
            WorksheetList->addItem(topic.worksheet);
        WorksheetList->setCurrentItem(WorksheetList->findItems(topic.worksheet, Qt::MatchExactly).first());
    }
    UseLabelling->setChecked(topic.labelling.has_value());
    LabellingInstruction->setText(topic.labelling ? topic.labelling->instruction : QString());
    for (int i = 0; i < owntopic::MaxLabels; ++i) {
        const bool has = topic.labelling && i < int(topic.labelling->labels.size());
        LabelText(i)->setText(has ? topic.labelling->labels[i].text : QString());
        BoxChoice->setItemText(i, has ? topic.labelling->labels[i].text : tr("Label %1").arg(i + 1));
        m_boxes[i] = has ? topic.labelling->labels[i].at : defaultBox(i);
    }
    // A box of an empty line is kept clear of the saved ones.
    const int typed = topic.labelling ? int(topic.labelling->labels.size()) : 0;
    for (int i = typed; i < owntopic::MaxLabels; ++i) {
        const auto clear = [&](QPoint at) {
            for (int j = 0; j < i; ++j) {
                if (pictureRect(m_boxes[j]).intersects(pictureRect(at)))
                    return false;
            }
            return true;
        };
        for (int spot = -1; spot < 24 && !clear(m_boxes[i]); ++spot)
            m_boxes[i] = QPoint(240 + (spot + 1) % 2 * 4560, 240 + (spot + 1) / 2 * 480);
    }
    BoxChoice->setCurrentIndex(0);
    BoxStatus->clear();
    UseOrdering->setChecked(topic.ordering.has_value());
    OrderingInstruction->setText(topic.ordering ? topic.ordering->instruction : QString());
    for (int i = 0; i < owntopic::MaxItems; ++i)
        ItemText(i)->setText(topic.ordering && i < topic.ordering->items.size() ? topic.ordering->items[i] : QString());
    m_loading = false;
    m_changed = false;
    goToStep(TitleStep);
    return true;
}

void TopicMaker::changed()
{
    m_changed = true;
    if (m_step == PagesStep)
        updateRoomLeft();
    Preview->update();
}

void TopicMaker::goToStep(int step)
{
    m_step = std::clamp(step, 0, StepCount - 1);
    showStep();
}

void TopicMaker::showStep()
{
    static const char* const names[StepCount] = {
        QT_TR_NOOP("Title"), QT_TR_NOOP("Panorama"), QT_TR_NOOP("Key Facts and Teacher's Notes"), QT_TR_NOOP("Quiz"),
        QT_TR_NOOP("Labelling Activity"), QT_TR_NOOP("Ordering Activity"), QT_TR_NOOP("Save")};
    for (int i = 0; i < StepCount; ++i)
        m_panels[i]->setVisible(i == m_step);
    StepCaption->setText(tr("Step %1 of %2: %3").arg(m_step + 1).arg(StepCount).arg(tr(names[m_step])));
    Label3(1)->setVisible(m_step > TitleStep);
    Label3(2)->setCaption(m_step == SaveStep ? tr("Save Topic") : tr("Next >>"));
    const bool takesKeys = m_step == PanoramaStep || m_step == LabellingStep;
    Preview->setFocusPolicy(takesKeys ? Qt::StrongFocus : Qt::NoFocus);
    Preview->setAccessibleName(m_step == PanoramaStep ? tr("Panorama preview: the Up and Down keys move the band shown")
                               : m_step == LabellingStep ? tr("Labelling preview: the arrow keys move the chosen box")
                                                         : tr("Preview"));
    RoomLeft->setVisible(m_step == PagesStep);
    if (m_step == PagesStep)
        updateRoomLeft();
    Preview->update();
    if (isVisible())
        focusFirstControl();
}

QList<QWidget*> TopicMaker::tabOrder() const
{
    QList<QWidget*> order;
    switch (m_step) {
    case TitleStep: order << TitleBox; break;
    case PanoramaStep: order << ChoosePanorama << Preview; break;
    case PagesStep: order << PageChoice << PageHeading << PageText << PageBox; break;
    case QuizStep: order << WorksheetList << NewWorksheet; break;
    case LabellingStep:
        order << UseLabelling << ChoosePicture << LabellingInstruction;
        for (const auto& [i, box] : LabelText)
            order << box;
        order << BoxChoice << Preview;
        break;
    case OrderingStep:
        order << UseOrdering << OrderingInstruction;
        for (const auto& [i, box] : ItemText)
            order << box;
        break;
    default: break;
    }
    order << Label3(1) << Label3(2) << Label3(0);
    return order;
}

QAbstractButton* TopicMaker::escapeButton() const
{
    return Label3(0);
}

void TopicMaker::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label3);
}

void TopicMaker::Label3_Click(int index)
{
    program().playCue(cue::click);
    if (index == 0) {
        cancel();
    } else if (index == 1) {
        goToStep(m_step - 1);
    } else if (m_step == SaveStep) {
        save();
    } else if (const QString problem = stepProblem(m_step); !problem.isEmpty()) {
        program().dialogs().message(problem);
    } else {
        goToStep(m_step + 1);
    }
}

void TopicMaker::cancel()
{
    if (m_changed && !program().dialogs().confirm(tr("Throw away the changes to this topic?")))
        return;
    program().screens().unload(formName());
    openOurTopics(program());
}

// The pages step.

void TopicMaker::storeEditors()
{
    m_pages[m_page] = {PageHeading->text(), PageText->toPlainText(), PageBox->text()};
}

void TopicMaker::loadEditors()
{
    const bool was = m_loading;
    m_loading = true;
    PageHeading->setText(m_pages[m_page].heading);
    PageText->setPlainText(m_pages[m_page].text);
    PageBox->setText(m_pages[m_page].box);
    m_loading = was;
    updateRoomLeft();
    Preview->update();
}

std::optional<TextPage> TopicMaker::pageFromEditors(int p, QString* problem) const
{
    const Page& typed = m_pages[p];
    TextPage page;
    page.heading = typed.heading.trimmed();
    for (const QString& line : typed.text.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            page.paragraphs << line.trimmed();
    }
    page.didYouKnow = typed.box.trimmed();
    static const char* const names[PageCount] = {QT_TR_NOOP("Key Facts, page 1"), QT_TR_NOOP("Key Facts, page 2"),
                                                 QT_TR_NOOP("Teacher's Notes")};
    const QString name = tr(names[p]);
    QString why;
    if (page.heading.isEmpty() && page.paragraphs.isEmpty() && page.didYouKnow.isEmpty())
        return std::nullopt;
    if (page.heading.isEmpty())
        why = tr("The page “%1” has text but no heading: type a heading.").arg(name);
    else if (page.paragraphs.isEmpty())
        why = tr("The page “%1” has a heading but no text: type its text.").arg(name);
    else if (page.paragraphs.size() > owntopic::MaxParagraphs)
        why = tr("The page “%1” has more than %2 paragraphs: join some of them.").arg(name).arg(owntopic::MaxParagraphs);
    else if (std::any_of(page.paragraphs.begin(), page.paragraphs.end(),
                         [](const QString& line) { return line.size() > owntopic::MaxParagraph; }))
        why = tr("A paragraph of the page “%1” is longer than %2 letters: split it.").arg(name).arg(owntopic::MaxParagraph);
    else if (!fitPage(pageText(TitleBox->text(), subtitleOf(p), page), PageMedium::Screen).fits)
        why = tr("The page “%1” is too long for its page: shorten it.").arg(name);
    if (problem)
        *problem = why;
    return page;
}

void TopicMaker::updateRoomLeft()
{
    QString problem;
    const std::optional<TextPage> page = pageFromEditors(m_page, &problem);
    if (!page) {
        RoomLeft->setText(tr("This page is left out."));
        return;
    }
    const PageFit fit = fitPage(pageText(TitleBox->text(), subtitleOf(m_page), *page), PageMedium::Screen);
    const double line = fit.bodyEm * 1.28;
    const int lines = int(std::floor(std::abs(fit.roomLeft) / line));
    if (fit.fits)
        RoomLeft->setText(tr("Room left on this page: about %1 lines").arg(lines));
    else
        RoomLeft->setText(tr("Too long: shorten by about %1 lines").arg(std::max(1, int(std::ceil(-fit.roomLeft / line)))));
}

// The labelling and ordering steps.

std::vector<OwnLabel> TopicMaker::typedLabels(QString* problem) const
{
    std::vector<OwnLabel> labels;
    QString why;
    std::vector<int> lines;
    for (int i = 0; i < owntopic::MaxLabels; ++i) {
        const QString text = LabelText(i)->text().trimmed();
        if (text.isEmpty())
            continue;
        if (why.isEmpty() && !labelFits(text))
            why = tr("The label “%1” is too wide for its box: shorten it.").arg(text);
        for (std::size_t j = 0; j < labels.size() && why.isEmpty(); ++j) {
            if (labels[j].text == text)
                why = tr("Two labels read “%1”: every label must differ.").arg(text);
            else if (pictureRect(labels[j].at).intersects(pictureRect(m_boxes[i])))
                why = tr("The box of “%1” covers the box of “%2”: move one of them.").arg(text, labels[j].text);
        }
        labels.push_back({text, m_boxes[i]});
    }
    if (why.isEmpty() && int(labels.size()) < owntopic::MinLabels)
        why = tr("A labelling activity needs at least 2 labels.");
    if (problem)
        *problem = why;
    return labels;
}

QStringList TopicMaker::typedItems(QString* problem) const
{
    QStringList items;
    QString why;
    for (const auto& [i, box] : ItemText) {
        const QString text = box->text().trimmed();
        if (text.isEmpty())
            continue;
        if (items.contains(text) && why.isEmpty())
            why = tr("Two items read “%1”: every item must differ.").arg(text);
        items << text;
    }
    if (why.isEmpty() && items.size() < owntopic::MinItems)
        why = tr("An ordering activity needs at least 3 items.");
    if (problem)
        *problem = why;
    return items;
}

QString TopicMaker::stepProblem(int step)
{
    switch (step) {
    case TitleStep: {
        const QString title = TitleBox->text();
        if (title.isEmpty())
            return tr("Type a title for your topic.");
        if (QString problem = titleProblem(title); !problem.isEmpty())
            return problem;
        const Content& content = program().content();
        const OwnTopicStore store(content.resolve(ownTopicsFolder), content.resolve(catalogueFile));
        for (const OwnTopicStore::Entry& entry : store.list()) {
            const QString other = entry.topic ? entry.topic->title : QFileInfo(entry.fileName).completeBaseName();
            if (other.compare(title, Qt::CaseInsensitive) == 0 && other.compare(m_original, Qt::CaseInsensitive) != 0)
                return tr("There is already a topic called “%1”. Choose another title.").arg(other);
        }
        return {};
    }
    case PanoramaStep:
        return m_panorama.bytes.isEmpty() ? tr("Choose a photograph for the panorama.") : QString();
    case PagesStep: {
        QString problem;
        std::optional<TextPage> pages[PageCount];
        for (int p = 0; p < PageCount && problem.isEmpty(); ++p)
            pages[p] = pageFromEditors(p, &problem);
        if (problem.isEmpty() && pages[0].has_value() != pages[1].has_value())
            problem = tr("The key facts have two pages: write both, or leave both empty.");
        return problem;
    }
    case LabellingStep: {
        if (!UseLabelling->isChecked())
            return {};
        if (m_picture.bytes.isEmpty())
            return tr("Choose a picture for the labelling activity.");
        if (LabellingInstruction->text().trimmed().isEmpty())
            return tr("Type the instruction of the labelling activity.");
        QString problem;
        typedLabels(&problem);
        return problem;
    }
    case OrderingStep: {
        if (!UseOrdering->isChecked())
            return {};
        if (OrderingInstruction->text().trimmed().isEmpty())
            return tr("Type the instruction of the ordering activity.");
        QString problem;
        typedItems(&problem);
        return problem;
    }
    default: return {};
    }
}

OwnTopic TopicMaker::topicFromSteps() const
{
    OwnTopic topic;
    topic.title = TitleBox->text();
    topic.language = m_language;
    topic.panorama = owntopic::panoramaName(topic.title, m_panorama.suffix);
    const std::optional<TextPage> first = pageFromEditors(0, nullptr);
    const std::optional<TextPage> second = pageFromEditors(1, nullptr);
    if (first && second)
        topic.keyFacts = {*first, *second};
    topic.notes = pageFromEditors(2, nullptr);
    if (WorksheetList->currentRow() > 0)
        topic.worksheet = WorksheetList->currentItem()->text();
    if (UseLabelling->isChecked())
        topic.labelling = OwnLabelling{owntopic::pictureName(topic.title, m_picture.suffix),
                                       LabellingInstruction->text().trimmed(), typedLabels(nullptr)};
    if (UseOrdering->isChecked())
        topic.ordering = OwnOrdering{OrderingInstruction->text().trimmed(), typedItems(nullptr)};
    return topic;
}

void TopicMaker::save()
{
    Dialogs& dialogs = program().dialogs();
    for (int step = 0; step < SaveStep; ++step) {
        if (const QString problem = stepProblem(step); !problem.isEmpty()) {
            goToStep(step);
            dialogs.message(problem);
            return;
        }
    }
    const OwnTopic topic = topicFromSteps();
    std::map<QString, QByteArray> pictures{{topic.panorama, m_panorama.bytes}};
    if (topic.labelling)
        pictures[topic.labelling->picture] = m_picture.bytes;
    const Content& content = program().content();
    const OwnTopicStore store(content.resolve(ownTopicsFolder), content.resolve(catalogueFile));
    try {
        store.save(topic, pictures);
        // Renamed: the old topic goes, unless only its letter case changed on a folder that
        // does not tell letter cases apart (then the one file is the new topic).
        const QStringList names = QDir(content.resolve(ownTopicsFolder)).entryList(QDir::Files);
        if (!m_original.isEmpty() && m_original != topic.title && names.contains(owntopic::fileName(m_original)) &&
            names.contains(owntopic::fileName(topic.title)))
            store.remove(m_original);
    } catch (const std::exception& error) {
        dialogs.message(tr("The topic could not be saved: %1").arg(QString::fromUtf8(error.what())));
        return;
    }
    dialogs.message(tr("The topic “%1” has been saved.").arg(topic.title));
    m_changed = false;
    program().screens().unload(formName());
    openOurTopics(program());
}

// The pictures.

void TopicMaker::choosePanorama()
{
    const QString path = program().dialogs().choosePicture(tr("Choose a photograph for the panorama"));
    if (path.isEmpty())
        return;
    const ImportedPhoto photo = importPhoto(path, PanoramaSize, 0.5);
    if (!photo.problem.isEmpty()) {
        program().dialogs().message(photo.problem);
        return;
    }
    m_panoramaSource = path;
    m_band = 0.5;
    m_panorama = {photo.jpeg, QStringLiteral("jpg"), imageOf(photo.jpeg)};
    m_overview = overview(path, (QSizeF(previewArea.size()) / 15 * 0.6).toSize());
    changed();
}

void TopicMaker::recropPanorama()
{
    if (m_panoramaSource.isEmpty())
        return;
    const ImportedPhoto photo = importPhoto(m_panoramaSource, PanoramaSize, m_band);
    if (!photo.problem.isEmpty()) {
        program().dialogs().message(photo.problem);
        return;
    }
    m_panorama = {photo.jpeg, QStringLiteral("jpg"), imageOf(photo.jpeg)};
    changed();
}

void TopicMaker::choosePicture()
{
    const QString path = program().dialogs().choosePicture(tr("Choose a picture for the labelling activity"));
    if (path.isEmpty())
        return;
    const ImportedPhoto photo = importPhoto(path, owntopic::PictureArea.size() / 15, 0.5);
    if (!photo.problem.isEmpty()) {
        program().dialogs().message(photo.problem);
        return;
    }
    m_picture = {photo.jpeg, QStringLiteral("jpg"), imageOf(photo.jpeg)};
    UseLabelling->setChecked(true);
    changed();
}

// The quiz step.

void TopicMaker::refreshWorksheets(bool selectNew)
{
    const bool was = m_loading;
    m_loading = true;
    const QString current = WorksheetList->currentItem() ? WorksheetList->currentItem()->text() : QString();
    const int currentRow = WorksheetList->currentRow();
    try {
        readCatalogue(program().content().resolve(catalogueFile), program().state);
    } catch (const std::exception&) {
        // A missing or damaged catalogue leaves the list as last read.
    }
    QStringList titles;
    for (int i = 1; i <= std::clamp(program().state.workcount, 0, CatalogueList::CatalogueLimit); ++i)
        titles << program().state.worklist[i];
    WorksheetList->clear();
    WorksheetList->addItem(tr("(No quiz)"));
    WorksheetList->addItems(titles);
    if (!current.isEmpty() && currentRow > 0 && !titles.contains(current))
        WorksheetList->addItem(current); // the saved topic's worksheet, gone from the catalogue
    int row = 0;
    for (int i = 0; i < WorksheetList->count(); ++i) {
        if (currentRow > 0 && WorksheetList->item(i)->text() == current)
            row = i;
    }
    if (selectNew) {
        for (int i = 0; i < titles.size(); ++i) {
            if (!m_knownWorksheets.contains(titles[i]))
                row = i + 1;
        }
    }
    WorksheetList->setCurrentRow(row);
    m_knownWorksheets = titles;
    m_loading = was;
    if (selectNew && !was)
        changed();
}

void TopicMaker::openWizard()
{
    Screens& screens = program().screens();
    screens.show(screenName::wizard);
    if (Screen* wizard = screens.loaded(screenName::wizard))
        connect(wizard, &QObject::destroyed, this, [this] { refreshWorksheets(true); });
}

// The preview.

QPointF TopicMaker::previewTwips(QPointF pixels) const
{
    return pixels * (double(owntopic::PictureArea.width()) / Preview->width());
}

int TopicMaker::boxAt(QPointF twips) const
{
    for (int i = owntopic::MaxLabels - 1; i >= 0; --i) {
        if (!LabelText(i)->text().trimmed().isEmpty() && QRectF(pictureRect(m_boxes[i])).contains(twips))
            return i;
    }
    return -1;
}

bool TopicMaker::moveBox(int i, QPoint at)
{
    const QSize area = owntopic::PictureArea.size();
    if (at.x() < 0 || at.y() < 0 || at.x() + owntopic::LabelBox.width() > area.width() ||
        at.y() + owntopic::LabelBox.height() > area.height()) {
        BoxStatus->setText(tr("A box must stay on the picture."));
        announce(BoxStatus->text());
        return false;
    }
    for (int j = 0; j < owntopic::MaxLabels; ++j) {
        if (j != i && !LabelText(j)->text().trimmed().isEmpty() &&
            pictureRect(m_boxes[j]).intersects(pictureRect(at))) {
            BoxStatus->setText(tr("A box may not cover another box (“%1”).").arg(LabelText(j)->text().trimmed()));
            announce(BoxStatus->text());
            return false;
        }
    }
    m_boxes[i] = at;
    const QString name = LabelText(i)->text().trimmed();
    BoxStatus->setText(tr("Box “%1”: %2 across, %3 down (in hundredths of the picture).")
                           .arg(name.isEmpty() ? tr("Label %1").arg(i + 1) : name)
                           .arg(at.x() * 100 / area.width())
                           .arg(at.y() * 100 / area.height()));
    changed();
    return true;
}

void TopicMaker::previewMouse(MakerPreview::Mouse what, QPointF pixels)
{
    if (m_step == LabellingStep) {
        const QPointF twips = previewTwips(pixels);
        if (what == MakerPreview::Mouse::Press) {
            m_dragBox = boxAt(twips);
            if (m_dragBox >= 0) {
                BoxChoice->setCurrentIndex(m_dragBox);
                m_dragOffset = twips - QPointF(m_boxes[m_dragBox]);
            }
        } else if (m_dragBox >= 0) {
            const QPointF corner = twips - m_dragOffset;
            moveBox(m_dragBox, QPoint(int(std::lround(corner.x() / 15)) * 15, int(std::lround(corner.y() / 15)) * 15));
            if (what == MakerPreview::Mouse::Release)
                m_dragBox = -1;
        }
    } else if (m_step == PanoramaStep && !m_panoramaSource.isEmpty()) {
        if (what == MakerPreview::Mouse::Press) {
            m_dragStart = pixels;
            m_dragBand = m_band;
            m_dragBox = 0;
        } else if (m_dragBox == 0 && what == MakerPreview::Mouse::Release) {
            // The overview shows the whole photograph: a drag of its height moves the band across it.
            const double height = std::max(1.0, Preview->height() * 0.6);
            m_band = std::clamp(m_dragBand + (pixels.y() - m_dragStart.y()) / height, 0.0, 1.0);
            m_dragBox = -1;
            recropPanorama();
        }
    }
}

bool TopicMaker::previewKey(int key, bool shift)
{
    if (m_step == PanoramaStep) {
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        if (m_panoramaSource.isEmpty())
            return true;
        const double step = shift ? 0.25 : 0.05;
        m_band = std::clamp(m_band + (key == Qt::Key_Up ? -step : step), 0.0, 1.0);
        recropPanorama();
        announce(tr("Band %1 of the way down").arg(QStringLiteral("%1%").arg(int(std::lround(m_band * 100)))));
        return true;
    }
    if (m_step != LabellingStep)
        return false;
    const int step = shift ? BigBoxStep : BoxStep;
    QPoint by;
    switch (key) {
    case Qt::Key_Left: by = {-step, 0}; break;
    case Qt::Key_Right: by = {step, 0}; break;
    case Qt::Key_Up: by = {0, -step}; break;
    case Qt::Key_Down: by = {0, step}; break;
    default: return false;
    }
    const int i = BoxChoice->currentIndex();
    if (i >= 0)
        moveBox(i, m_boxes[i] + by);
    return true;
}

void TopicMaker::paintPreview(QPainter& painter, const QRectF& area)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(area, QColor(0, 0, 0));
    painter.setPen(yellow);
    const double px = area.width() / double(owntopic::PictureArea.width()); // pixels per twip
    const auto heading = [&](const QString& text, double top) {
        painter.setFont(uiFont(QStringLiteral("Times New Roman"), 27.75, true));
        painter.setPen(yellow);
        painter.drawText(QRectF(area.left(), top, area.width(), area.height() * 0.2),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    };
    const auto note = [&](const QString& text, const QRectF& box) {
        painter.setFont(uiFont(tahoma, 9.75, true));
        painter.setPen(yellow);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    };
    const auto strip = [&](double top) {
        // The panorama as the page pans it: a window of the page's width on the wide picture.
        if (m_panorama.image.isNull())
            return;
        const QImage& image = m_panorama.image;
        const double height = area.width() * image.height() / 800.0;
        painter.drawImage(QRectF(area.left(), top, area.width(), height), image, QRectF(0, 0, 800, image.height()));
    };
    switch (m_step) {
    case TitleStep:
    case QuizStep:
    case SaveStep: {
        painter.fillRect(area, formBlue);
        heading(TitleBox->text(), area.top() + 10);
        strip(area.top() + area.height() * 0.2);
        QStringList parts;
        if (m_step == QuizStep) {
            parts << (WorksheetList->currentRow() > 0 ? tr("The quiz: “%1”").arg(WorksheetList->currentItem()->text())
                                                       : tr("No quiz"));
        } else {
            QString problem;
            if (pageFromEditors(0, &problem) && pageFromEditors(1, &problem))
                parts << tr("Key Facts");
            if (pageFromEditors(2, &problem))
                parts << tr("Teacher's Notes");
            if (WorksheetList->currentRow() > 0)
                parts << tr("Quiz");
            if (UseLabelling->isChecked())
                parts << tr("Labelling Activity");
            if (UseOrdering->isChecked())
                parts << tr("Ordering Activity");
        }
        // The page's buttons under the panorama, three to a row.
        for (int i = 0; i < parts.size(); ++i) {
            const double width = area.width() / 3 - 12;
            const QRectF box(area.left() + 6 + (i % 3) * (width + 12), area.top() + area.height() * 0.74 + (i / 3) * 38,
                             width, 30);
            painter.fillRect(box, QColor(0, 0, 0));
            painter.setPen(yellow);
            painter.drawRect(box);
            painter.setFont(uiFont(tahoma, 9.75, true));
            painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, parts[i]);
        }
        break;
    }
    case PanoramaStep: {
        painter.fillRect(area, formBlue);
        if (m_panorama.image.isNull()) {
            note(tr("No photograph chosen yet."), area.adjusted(10, 10, -10, -10));
            break;
        }
        strip(area.top() + 10);
        // The whole photograph with the band that is kept.
        const QRectF overviewBox(area.left() + 10, area.top() + area.height() * 0.3, area.width() - 20, area.height() * 0.6);
        if (!m_panoramaSource.isEmpty()) {
            const QImage& whole = m_overview;
            if (!whole.isNull()) {
                const QRectF at(overviewBox.center() - QPointF(whole.width() / 2.0, whole.height() / 2.0), whole.size());
                painter.drawImage(at, whole);
                const double bandShare = std::min(1.0, double(PanoramaSize.height()) / PanoramaSize.width() * whole.width() / whole.height());
                const double bandHeight = at.height() * bandShare;
                const QRectF band(at.left(), at.top() + (at.height() - bandHeight) * m_band, at.width(), bandHeight);
                painter.setPen(QPen(yellow, 2));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(band);
            }
        } else {
            note(tr("Choose the photograph again to move the band."), overviewBox);
        }
        break;
    }
    case PagesStep: {
        QString problem;
        const std::optional<TextPage> page = pageFromEditors(m_page, &problem);
        const bs::PageText text = pageText(TitleBox->text(), subtitleOf(m_page), page.value_or(TextPage{}));
        const double scale = std::min(area.width() / 10440, area.height() / 7800);
        drawPage(painter, QRectF(area.topLeft(), QSizeF(10440 * scale, 7800 * scale)), text, PageMedium::Screen);
        break;
    }
    case LabellingStep: {
        if (m_picture.image.isNull())
            note(tr("No picture chosen yet."), area.adjusted(10, 10, -10, -10));
        else
            painter.drawImage(area, m_picture.image);
        painter.setFont(itemFont());
        for (int i = 0; i < owntopic::MaxLabels; ++i) {
            const QString text = LabelText(i)->text().trimmed();
            if (text.isEmpty())
                continue;
            const QRect box = pictureRect(m_boxes[i]);
            const QRectF on(area.left() + box.left() * px, area.top() + box.top() * px, box.width() * px, box.height() * px);
            painter.fillRect(on, QColor(0, 0, 0));
            painter.setPen(QPen(i == BoxChoice->currentIndex() ? white : yellow, i == BoxChoice->currentIndex() ? 3 : 1));
            painter.drawRect(on.adjusted(0.5, 0.5, -0.5, -0.5));
            painter.setPen(yellow);
            painter.drawText(on, Qt::AlignHCenter | Qt::AlignTop, text);
        }
        break;
    }
    case OrderingStep: {
        painter.fillRect(area, formBlue);
        note(OrderingInstruction->text(), QRectF(area.left() + 10, area.bottom() - 60, area.width() - 20, 50));
        int n = 0;
        painter.setFont(itemFont());
        for (const auto& [i, box] : ItemText) {
            if (box->text().trimmed().isEmpty())
                continue;
            const QRectF slot(area.left() + area.width() * 0.45, area.top() + 20 + n * 50, area.width() * 0.5, 25);
            painter.setPen(yellow);
            painter.drawText(QRectF(slot.left() - 40, slot.top(), 30, slot.height()), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(n + 1));
            painter.fillRect(slot, QColor(0, 0, 0));
            painter.drawRect(slot);
            painter.drawText(slot, Qt::AlignCenter, box->text().trimmed());
            ++n;
        }
        break;
    }
    default: break;
    }
}

void openTopicMaker(Program& program, const QString& title)
{
    Screens& screens = program.screens();
    auto& maker = screens.get<TopicMaker>(screenName::topicMaker);
    if (!maker.start(title)) {
        screens.unload(screenName::topicMaker);
        return;
    }
    screens.show(screenName::topicMaker);
}

} // namespace bs
