#include "topics/TopicPage.h"

#include "activities/ActivityOpeners.h"
#include "base/Names.h"
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

#include <QFrame>
#include <QLabel>
#include <QScrollBar>

#include <stdexcept>

namespace bs {

namespace {

// CorruptWorksheetMessage, for the translations.
[[maybe_unused]] const char* const corruptWorksheetWords =
    QT_TRANSLATE_NOOP("bs::TopicPage", "This worksheet seems to be corrupted.");

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
        openKeyFacts(program(), m_topic.keyFactsKey);
        break;
    case 5:
        openTeachersNotes(program(), m_topic.notesKey);
        break;
    case 2: {
        Screens& screens = program().screens();
        screens.show(screenName::menu);
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
    try {
        FieldReader reader = FieldReader::fromFile(program.content().resolve(m_topic.worksheet));
        loadworksheet(reader, bank);
    } catch (const DataError&) {
        program.dialogs().message(tr(CorruptWorksheetMessage.toUtf8().constData()));
        return;
    }
    static_cast<QuestionBank&>(program.state) = bank;
    if (program.screens().isRegistered(screenName::quiz))
        openQuiz(program, program.pictures().load(m_topic.quizPicture), QStringLiteral("Brellinshore"), formName());
}

void TopicPage::openActivityIfPresent(const QString& activity)
{
    if (program().screens().isRegistered(activity))
        openActivity(program(), activity, Label1->text());
}

} // namespace bs
