#include "authoring/Wizard.h"

#include "base/Names.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "ui/Text.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/Worksheet.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <exception>

namespace bs {

namespace {

const QColor formBlue(39, 63, 137);
const QColor yellow(255, 255, 0);
constexpr int QuestionCount = QuestionBank::QuestionCount;
const QString letters[4] = {QStringLiteral("A."), QStringLiteral("B."), QStringLiteral("C."), QStringLiteral("D.")};

// Questions 1 to 5 stand in the left column, 6 to 10 in the right.
int columnLeft(int q)
{
    return 240 + 5880 * (q / 5);
}

int rowTop(int q)
{
    return 600 + 1440 * (q % 5);
}

// Answers A and C stand on the left of their question, B and D on the right; A and B on the
// upper row.
bool onRight(int a)
{
    return a == 1 || a == 3;
}

bool onLowerRow(int a)
{
    return a >= 2;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& objectName, const QRect& twips, double points, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setFont(uiFont(QStringLiteral("Times New Roman"), points));
    box->setMaxLength(maxLength);
    box->setFrame(true);
    placeTwips(box, twips);
    return box;
}

} // namespace

Wizard::Wizard(Program& program, const QString& formName)
    : Screen(program, formName)
{
    const QString tahoma = QStringLiteral("Tahoma");
    Label1.add(0, makeLabel(this, QStringLiteral("Label1"), tr("Multiple Choice Wizard"),
                            QRect(0, 0, 4320, 540), uiFont(tahoma, 18, true), yellow));
    Label1.add(1, makeLabel(this, QStringLiteral("Label1"), tr("Worksheet Title"),
                            QRect(5160, 120, 2280, 345), uiFont(tahoma, 14.25, true), yellow));
    Text1 = makeTextBox(this, QStringLiteral("Text1"), QRect(7560, 120, 4215, 375), 12, TitleLength);
    Text1->setAccessibleName(tr("Worksheet Title"));

    const int letterWidths[4] = {255, 240, 270, 255};
    for (int q = 0; q < QuestionCount; ++q) {
        const int x0 = columnLeft(q);
        const int y0 = rowTop(q);
        const QString questionCaption = tr("Question %1").arg(q + 1);
        Label1.add(2 + q, makeLabel(this, QStringLiteral("Label1"), questionCaption,
                                           QRect(x0, y0, q == 9 ? 1170 : 1050, 240), uiFont(tahoma, 9.75, true),
                                           yellow));
        QLineEdit* question = makeTextBox(this, QStringLiteral("Text2"), QRect(x0, y0 + 240, 5655, 375), 12,
                                          QuestionLength);
        question->setAccessibleName(questionCaption);
        Text2.add(q, question);

        for (int a = 0; a < 4; ++a) {
            const int j = 4 * q + a;
            const int row = onLowerRow(a) ? y0 + 960 : y0 + 630;
            const int letterLeft = onRight(a) ? x0 + 2850 : (a == 0 ? x0 + 15 : x0 + 30);
            Label1.add(12 + j, makeLabel(this, QStringLiteral("Label1"), letters[a],
                                               QRect(letterLeft, onLowerRow(a) ? y0 + 960 : y0 + 600,
                                                     letterWidths[a], 285),
                                               uiFont(tahoma, 12, true), yellow));

            auto* tick = new QCheckBox(this);
            tick->setObjectName(QStringLiteral("Check1"));
            tick->setAccessibleName(tr("%1 answer %2 is correct").arg(questionCaption, letters[a].left(1)));
            placeTwips(tick, QRect(onRight(a) ? x0 + 3090 : x0 + 240, row, 255, 315));
            Check1.add(j, tick);

            QLineEdit* answer = makeTextBox(this, QStringLiteral("Text3"),
                                            QRect(onRight(a) ? x0 + 3360 : x0 + 480, row, 2295, 330), 9.75,
                                            AnswerLength);
            answer->setAccessibleName(tr("%1 answer %2").arg(questionCaption, letters[a].left(1)));
            Text3.add(j, answer);
        }
    }

    makeLabelButtonRow(this, Label3, QStringLiteral("Label3"),
                       {{0, tr("Exit"), QRect(10560, 7920, 1245, 495)},
                        {1, tr("Save Worksheet"), QRect(240, 7920, 3165, 495)}},
                       [this](int index) { Label3_Click(index); });

    // The typing order: title, then each question followed by its four answers; the tick
    // boxes after all the texts.
    QWidget* previous = Text1;
    for (int q = 0; q < QuestionCount; ++q) {
        setTabOrder(previous, Text2(q));
        previous = Text2(q);
        for (int a = 0; a < 4; ++a) {
            setTabOrder(previous, Text3(4 * q + a));
            previous = Text3(4 * q + a);
        }
    }
    for (const auto& [index, tick] : Check1) {
        setTabOrder(previous, tick);
        previous = tick;
    }
    setTabOrder(previous, Label3(1));
    setTabOrder(Label3(1), Label3(0));

    Text1->installEventFilter(this);
    for (const auto& [index, box] : Text2)
        box->installEventFilter(this);
    for (const auto& [index, box] : Text3)
        box->installEventFilter(this);
}

void Wizard::Form_Load()
{
    layoutform(*this);
    for (const auto& [index, tick] : Check1)
        setControlBackColor(tick, formBlue);
}

void Wizard::Label3_Click(int index)
{
    if (index == 0)
        program().screens().unload(formName());
    else
        genwork();
    program().playCue(cue::click);
}

void Wizard::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label3);
}

bool Wizard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return Screen::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    int keyAscii = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        keyAscii = 13;
    else if (!key->text().isEmpty())
        keyAscii = key->text().at(0).unicode();
    if (keyAscii == 0)
        return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == Text1)
        Text1_KeyPress(keyAscii);
    else if (const int q = Text2.indexOf(box); q >= 0)
        Text2_KeyPress(q, keyAscii);
    else if (const int j = Text3.indexOf(box); j >= 0)
        Text3_KeyPress(j, keyAscii);
    return false; // the box still gets the key
}

void Wizard::Text1_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        Text2(0)->setFocus(Qt::TabFocusReason);
}

void Wizard::Text2_KeyPress(int index, int keyAscii)
{
    if (keyAscii == 13)
        Text3(4 * index)->setFocus(Qt::TabFocusReason);
}

void Wizard::Text3_KeyPress(int index, int keyAscii)
{
    if (keyAscii != 13)
        return;
    if (index % 4 != 3)
        Text3(index + 1)->setFocus(Qt::TabFocusReason);
    else if (index < 39)
        Text2((index + 1) / 4)->setFocus(Qt::TabFocusReason);
}

void Wizard::genwork()
{
    Dialogs& dialogs = program().dialogs();
    if (Text1->text().isEmpty()) {
        dialogs.message(tr("You have not chosen a title for your worksheet"));
        return;
    }
    for (int q = 0; q < QuestionCount; ++q) {
        const int n = q + 1;
        const QString notCompleted = tr("You have not completed Question") + numberText(n);
        if (Text2(q)->text().isEmpty()) {
            dialogs.message(notCompleted);
            return;
        }
        int ticks = 0;
        for (int a = 0; a < 4; ++a) {
            if (Text3(4 * q + a)->text().isEmpty()) {
                dialogs.message(notCompleted);
                return;
            }
            if (Check1(4 * q + a)->isChecked())
                ++ticks;
        }
        if (ticks == 0) {
            dialogs.message(tr("You have not ticked the correct answer for Question") + numberText(n));
            return;
        }
        if (ticks > 1) {
            dialogs.message(tr("You have ticked more than one correct answer for Question") + numberText(n));
            return;
        }
    }
    saveworksheet();
}

WorksheetText Wizard::worksheetFromBoxes() const
{
    WorksheetText worksheet;
    worksheet.title = Text1->text();
    for (int q = 0; q < QuestionCount; ++q) {
        WorksheetText::Question& question = worksheet.questions[q];
        question.text = Text2(q)->text();
        for (int a = 0; a < 4; ++a) {
            question.answers[a] = Text3(4 * q + a)->text();
            if (Check1(4 * q + a)->isChecked())
                question.correct = a + 1;
        }
    }
    return worksheet;
}

void Wizard::saveworksheet()
{
    Dialogs& dialogs = program().dialogs();
    const WorksheetText worksheet = worksheetFromBoxes();
    // A title that cannot name a file, or a text the file cannot hold, is the teacher's to
    // change: say which and why, and write nothing.
    QString problem = titleProblem(worksheet.title);
    if (problem.isEmpty())
        problem = worksheetProblem(worksheet);
    if (!problem.isEmpty()) {
        dialogs.message(problem);
        return;
    }
    const Content& content = program().content();
    try {
        writeWorksheetFile(content.resolve(QStringLiteral("multiple")), worksheet);
        trackworksheets(content.resolve(QStringLiteral("multiple\\track.txt")), worksheet.title, program().state);
    } catch (const std::exception&) {
        dialogs.message(tr("There was a problem saving your worksheet"));
        return;
    }
    dialogs.message(tr("Your worksheet has been saved."));
}

} // namespace bs
