#include "quiz/Multiple.h"

#include "base/Names.h"
#include "quiz/QuizOpeners.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "ui/Text.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

namespace bs {

namespace {

const QString times = QStringLiteral("Times New Roman");
const QColor yellow(255, 255, 0);
const QColor formColor(39, 63, 137);
constexpr int HiddenOption = 5;

// A radio button shows "&" as a shortcut mark; answers are shown exactly as written.
QString plainCaption(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

Multiple::Multiple(Program& program, const QString& formName)
    : Screen(program, formName)
{
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Multiple Choice"), QRect(120, 120, 6240, 900),
                       uiFont(QStringLiteral("Tahoma"), 36, true), yellow, centred);
    Label5 = makeLabel(this, QStringLiteral("Label5"), QString(), QRect(120, 1200, 6465, 585), uiFont(times, 24),
                       QColor(0, 255, 0), centred);
    Label6 = makeLabel(this, QStringLiteral("Label6"), QString(), QRect(120, 1920, 6465, 1185), uiFont(times, 24),
                       QColor(128, 128, 255), centred);
    Label4 = makeLabel(this, QStringLiteral("Label4"), QString(), QRect(360, 3240, 5415, 615), uiFont(times, 24),
                       yellow, Qt::AlignLeft | Qt::AlignTop);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QString(), QRect(960, 3960, 9840, 1455), uiFont(times, 30),
                       yellow, centred);

    m_options = new QButtonGroup(this);
    m_options->setExclusive(true);
    for (int i = 1; i <= 4; ++i) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setFont(uiFont(times, 20.25));
        QPalette pal = option->palette();
        pal.setColor(QPalette::WindowText, yellow);
        pal.setColor(QPalette::ButtonText, yellow);
        option->setPalette(pal);
        placeTwips(option, QRect(2400, 5400 + 600 * (i - 1), 6975, 525));
        Option1.add(i, option);
        m_options->addButton(option, i);
    }
    auto* hidden = new QRadioButton(this);
    hidden->setObjectName(QStringLiteral("Option1_5"));
    hidden->setAccessibleName(tr("No answer"));
    // Inside the picture box's rectangle, where a toolkit that showed it would still hide it.
    placeTwips(hidden, QRect(6840 + 240, 240 + 240, 495, 375));
    hidden->hide();
    Option1.add(HiddenOption, hidden);
    m_options->addButton(hidden, HiddenOption);
    connect(m_options, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            Option1_Click(id);
    });

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Quiz picture"));
    placeTwips(Picture1, QRect(6840, 240, 855, 615));

    makeLabelButtonRow(this, Label3, QStringLiteral("Label3"),
                       {{0, tr("<< Previous Question"), QRect(2040, 7920, 3765, 495)},
                        {1, tr("Next Question >>"), QRect(6000, 7920, 3765, 495)},
                        {2, tr("Exit"), QRect(10560, 7920, 1245, 495)},
                        {3, tr("Print Worksheet"), QRect(7920, 1920, 3045, 495)}},
                       [this](int index) { Label3_Click(index); });
    Label3(0)->hide();
}

void Multiple::Form_Load()
{
    layoutform(*this);
    ProgramState& state = program().state;
    state.score = 0;
    state.outof = 10;
    state.questno = 1;
    for (int i = 1; i <= 10; ++i)
        state.mark[i] = 0;
    for (int i = 1; i <= 4; ++i)
        setControlBackColor(Option1(i), formColor);
    Label6->setText(state.worktitle);
    showquest();
}

void Multiple::showquest()
{
    const ProgramState& state = program().state;
    const int n = state.questno;
    Option1(HiddenOption)->setChecked(true);
    Label3(0)->show();
    Label3(1)->setCaption(tr("Next Question >>"));
    Label4->setText(tr("Question") + numberText(n));
    if (n >= 1 && n <= QuestionBank::QuestionCount) {
        Label2->setText(state.question[n]);
        Option1(1)->setText(plainCaption(state.answera[n]));
        Option1(2)->setText(plainCaption(state.answerb[n]));
        Option1(3)->setText(plainCaption(state.answerc[n]));
        Option1(4)->setText(plainCaption(state.answerd[n]));
    }
    if (n == 1)
        Label3(0)->hide();
    if (n == 10)
        Label3(1)->setCaption(tr("Check Score >>"));
    // The question is read with the screen (its description) and as each new one shows.
    const QString heard = Label4->text() + QStringLiteral(". ") + Label2->text();
    setAccessibleDescription(heard);
    if (isVisible())
        announce(heard);
    // No answer may carry the focus mark: a fresh question shows nothing chosen.
    if (QWidget* focused = focusWidget(); focused && Option1.indexOf(qobject_cast<QRadioButton*>(focused)) > 0)
        focused->clearFocus();
}

void Multiple::markQuestion()
{
    ProgramState& state = program().state;
    const int n = state.questno;
    // Only a key of 1 to 4 names an answer; anything else in a damaged file never scores.
    bool isNumber = false;
    const int key = state.correct[n].trimmed().toInt(&isNumber);
    const bool right = isNumber && key >= 1 && key <= 4 && Option1(key)->isChecked();
    state.mark[n] = right ? 1 : 0;
}

void Multiple::Label3_Click(int index)
{
    ProgramState& state = program().state;
    switch (index) {
    case 0:
        state.questno = state.questno - 1;
        showquest();
        break;
    case 1:
        markQuestion();
        state.questno = state.questno + 1;
        if (state.questno < 11)
            showquest();
        else
            scoreQuiz();
        break;
    case 2:
        program().screens().unload(formName());
        break;
    case 3:
        Printpage();
        break;
    default:
        break;
    }
    program().playCue(cue::click);
}

void Multiple::scoreQuiz()
{
    const ProgramState& state = program().state;
    // Counted on from the shared score (an activity checked meanwhile leaves its own there),
    // which pushes as many wrong lines off the top of the list.
    int score = state.score;
    QStringList wrongLines;
    for (int i = 1; i <= 10; ++i) {
        score += state.mark[i];
        if (state.mark[i] == 0 && (i - 1) - score >= 0)
            wrongLines.append(numberText(i) + QStringLiteral(". ") + state.question[i]);
    }
    const QuizOutcome outcome{Label5->text(), Label6->text(), wrongLines};
    openResults(program(), score, state.outof, &outcome);
    program().screens().unload(formName());
}

void Multiple::Option1_Click(int)
{
    program().playCue(cue::typeKey);
}

void Multiple::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label3);
}

} // namespace bs
