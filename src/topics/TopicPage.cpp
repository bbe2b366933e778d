#include "topics/TopicPage.h"

#include "activities/ActivityOpeners.h"
#include "base/Names.h"
#include "quiz/Multiple.h"
#include "quiz/QuizOpeners.h"
#include "topics/ViewerOpeners.h"
#include "ui/FocusRing.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>

#include <stdexcept>

namespace bs {

namespace {

// CorruptWorksheetMessage, for the translations.
[[maybe_unused]] const char* const corruptWorksheetWords =
    QT_TRANSLATE_NOOP("bs::TopicPage", "This worksheet seems to be corrupted.");
[[maybe_unused]] const char* const ownTopicWords[] = {
    QT_TRANSLATE_NOOP("bs::TopicPage", "This topic is no longer in Our Topics. It may have been deleted on another computer."),
    QT_TRANSLATE_NOOP("bs::TopicPage", "The worksheet of this topic could not be found: "),
};

constexpr double PageWidthTwips = 12000;
const QColor pageBlue(39, 63, 137);

const Topic& topicNamed(Program& program, const QString& formName)
{
    const Topic* topic = program.topicLibrary().topicNamed(formName);
    if (!topic)
        throw std::logic_error("no topic named " + formName.toStdString());
    return *topic;
}

} // namespace

TopicPage::TopicPage(Program& program, const QString& formName)
    : Screen(program, formName), m_topic(topicNamed(program, formName))
{
    setSizeTwips(PageWidthTwips, 9000);

    // Made first, so it lies under everything else when panned across the page.
    Image1 = new ImageBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(tr("Panorama"));
    Image1->setTopTwips(m_topic.imageTop);

    Label1 = makeLabel(this, QStringLiteral("Label1"), m_topic.title, m_topic.titleTwips,
                       uiFont(QStringLiteral("Times New Roman"), 27.75, true), QColor(255, 255, 0),
                       m_topic.titleAlignment);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setAutoFillBackground(true);
    placeTwips(Frame1, QRect(3000, m_topic.frameTop, 6000, 540));

    HScroll1 = new FocusScrollBar(this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setAccessibleName(tr("Pan the picture"));
    HScroll1->setRange(0, 100);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);
    HScroll1->setTracking(true); // dragging the thumb pans as it goes
    HScroll1->setValue(50);      // where the panorama is placed at load
    placeTwips(HScroll1, QRect(3120, 6960, m_topic.scrollWidth, 255));
    connect(HScroll1, &QScrollBar::valueChanged, this, &TopicPage::HScroll1_Change);
    // Left and Right pan the picture once Tab has reached the bar.
    HScroll1->setFocusPolicy(Qt::TabFocus);

    makeLabelButtonRow(this, Label3, QStringLiteral("Label3"),
                       {{0, tr("Multiple Choice"), QRect(120, 7920, 3195, 495)},
                        {1, tr("Labelling Activity"), QRect(3600, 7920, 3195, 495)},
                        {2, tr("Exit"), QRect(10560, 7920, 1245, 495)},
                        {3, tr("Ordering Activity"), QRect(7080, 7920, 3195, 495)},
                        {4, tr("Key Facts"), QRect(6360, 120, 1995, 495)},
                        {5, tr("Teacher's Notes"), QRect(8640, 120, 3195, 495)}},
                       [this](int index) { Label3_Click(index); });
    if (m_topic.own)
        layOutOwnTopic();
}

void TopicPage::layOutOwnTopic()
{
    // A title of up to 60 characters: the largest size, down to half, at which it fits its box.
    const QRect box = Label1->geometry();
    QFont font = Label1->font();
    for (double points = 27.75; points >= 14; points -= 1.5) {
        font.setPointSizeF(points);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, box.width(), 10000),
                                                             Qt::TextWordWrap | int(m_topic.titleAlignment), m_topic.title);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
    }
    Label1->setFont(font);
    Label1->setWordWrap(true);
    // A part the teacher left out has no button.
    Label3(0)->setVisible(!m_topic.worksheet.isEmpty());
    Label3(1)->setVisible(!m_topic.labelling.isEmpty());
    Label3(3)->setVisible(!m_topic.ordering.isEmpty());
    Label3(4)->setVisible(m_topic.keyFactsText.size() == 2);
    Label3(5)->setVisible(m_topic.notesText.has_value());
}

bool TopicPage::ownTopicThere()
{
    if (!m_topic.own || program().content().exists(QStringLiteral("ourtopics/") + m_topic.fileName))
        return true;
    program().dialogs().message(tr(TopicGoneMessage.toUtf8().constData()));
    return false;
}

void TopicPage::Form_Load()
{
    layoutform(*this);
    setBackColor(pageBlue);
    QPalette framePalette = Frame1->palette();
    framePalette.setColor(QPalette::Window, pageBlue);
    Frame1->setPalette(framePalette);
    Image1->setPicture(program().pictures().load(m_topic.panorama));
    panTo(50);
}

void TopicPage::panTo(int value)
{
    // Value 0 puts the panorama's left edge at the page's left edge, 100 its right edge at
    // the page's right edge; a narrower picture moves the other way.
    const double width = Image1->widthTwips();
    Image1->setLeftTwips((width - PageWidthTwips) * -value / 100.0);
}

void TopicPage::HScroll1_Change()
{
    panTo(HScroll1->value());
}

void TopicPage::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label3);
}

void TopicPage::Label3_Click(int index)
{
    if (index != 2 && !ownTopicThere()) {
        program().playCue(cue::click);
        return;
    }
    switch (index) {
    case 0:
        openMultipleChoice();
        break;
    case 1:
        openActivityIfPresent(m_topic.labelling);
        break;
    case 3:
        openActivityIfPresent(m_topic.ordering);
        break;
    case 4:
        if (m_topic.own)
            openOwnKeyFacts(program(), m_topic);
        else
            openKeyFacts(program(), m_topic.keyFactsKey);
        break;
    case 5:
        if (m_topic.own)
            openOwnTeachersNotes(program(), m_topic);
        else
            openTeachersNotes(program(), m_topic.notesKey);
        break;
    case 2: {
        Screens& screens = program().screens();
        // An own topic goes back to the list it was opened from.
        screens.show(m_topic.own && screens.isRegistered(screenName::ourTopics) ? screenName::ourTopics
                                                                                 : screenName::menu);
        screens.unload(formName());
        break;
    }
    default:
        break;
    }
    program().playCue(cue::click);
}

void TopicPage::openMultipleChoice()
{
    Program& program = this->program();
    // Read into a copy: a worksheet that cannot be read whole leaves the questions as they
    // were, and no quiz opens on a mixture of two worksheets.
    QuestionBank bank = program.state;
    if (m_topic.own && !program.content().exists(m_topic.worksheet)) {
        program.dialogs().message(tr(WorksheetMissingMessage.toUtf8().constData()) + m_topic.worksheetTitle);
        return;
    }
    try {
        FieldReader reader = FieldReader::fromFile(program.content().resolve(m_topic.worksheet));
        loadworksheet(reader, bank);
    } catch (const DataError&) {
        program.dialogs().message(tr(CorruptWorksheetMessage.toUtf8().constData()));
        return;
    }
    static_cast<QuestionBank&>(program.state) = bank;
    if (!program.screens().isRegistered(screenName::quiz))
        return;
    Picture picture = program.pictures().load(m_topic.quizPicture);
    if (m_topic.own) {
        // The panorama stands for the quiz's small picture, scaled down to it whole.
        const QSize box = program.screens().get<Multiple>(screenName::quiz).Picture1->size();
        const QImage& image = picture.image();
        if (!image.isNull())
            picture = Picture(image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    openQuiz(program, picture, QStringLiteral("Brellinshore"), formName());
}

void TopicPage::openActivityIfPresent(const QString& activity)
{
    if (program().screens().isRegistered(activity))
        openActivity(program(), activity, Label1->text());
}

} // namespace bs
