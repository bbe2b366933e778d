#include "authoring/Worksheets.h"

#include "authoring/Wizard.h"
#include "base/Names.h"
#include "quiz/Multiple.h"
#include "quiz/PupilResults.h"
#include "quiz/QuizOpeners.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "ui/Text.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <exception>

namespace bs {

namespace {

const QColor formBlue(39, 63, 137);
const QString catalogueFile = QStringLiteral("multiple\\track.txt");

QCheckBox* makeModeBox(QWidget* parent, const QString& objectName, const QString& caption, const QRect& twips,
                       const QColor& textColor)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setFont(uiFont(QStringLiteral("Tahoma"), 12, true));
    QPalette pal = box->palette();
    pal.setColor(QPalette::WindowText, textColor);
    box->setPalette(pal);
    placeTwips(box, twips);
    return box;
}

// The box's length limit holds back the teacher's typing, not a worksheet being loaded: a
// longer text (a worksheet written elsewhere) is shown whole rather than cut short.
void setBoxText(QLineEdit* box, const QString& text, int limit)
{
    box->setMaxLength(std::max<int>(limit, text.size()));
    box->setText(text);
}

} // namespace

Worksheets::Worksheets(Program& program, const QString& formName)
    : Screen(program, formName)
{
    const QColor yellow(255, 255, 0);
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Worksheets Catalogue"),
                       QRect(0, 0, 12000, 780), uiFont(QStringLiteral("Tahoma"), 24, true), yellow,
                       Qt::AlignHCenter | Qt::AlignTop);
    Check1 = makeModeBox(this, QStringLiteral("Check1"), tr("Edit Worksheet"),
                         QRect(120, 120, 2535, 375), yellow);
    Check2 = makeModeBox(this, QStringLiteral("Check2"), tr("Delete Worksheet"),
                         QRect(9240, 120, 2535, 375), QColor(255, 0, 0));
    connect(Check1, &QCheckBox::clicked, this, &Worksheets::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &Worksheets::Check2_Click);

    std::vector<LabelButtonDesign> titles{{0, tr("Exit"), QRect(10560, 7920, 1245, 495), 18}};
    for (int i = 1; i <= TitlesPerPage; ++i) {
        const bool left = i <= 12;
        titles.push_back(
            {i, QString(), QRect(left ? 120 : 6120, 720 + 600 * (left ? i - 1 : i - 13), 5715, 375), 12});
    }
    makeLabelButtonRow(this, Label2, QStringLiteral("Label2"), titles,
                       [this](int index) { Label2_Click(index); });
    makeLabelButtonRow(
        this, Label3, QStringLiteral("Label3"),
        {{0, tr("<< Previous Page"), QRect(2640, 7920, 3195, 495)},
         {1, tr("Next Page >>"), QRect(6000, 7920, 3195, 495)}},
        [this](int index) { Label3_Click(index); }, Hover::LeavesAlone);
    for (const auto& [index, button] : Label3)
        button->hide();

    Label4 = makeLabel(this, QStringLiteral("Label4"), tr("Page 1"), QRect(120, 7920, 1995, 495),
                       uiFont(QStringLiteral("Tahoma"), 15.75, true), QColor(0, 0, 255),
                       Qt::AlignHCenter | Qt::AlignTop);
    setLabelColors(Label4, QColor(0, 0, 255), QColor(255, 255, 255), true);
    setLabelBorder(Label4, true);
}

int Worksheets::titleCount() const
{
    return std::clamp(program().state.workcount, 0, CatalogueList::CatalogueLimit);
}

QString Worksheets::catalogueTitle(int i) const
{
    if (i < 1 || i > titleCount())
        return {};
    return program().state.worklist[i];
}

QList<QWidget*> Worksheets::tabOrder() const
{
    QList<QWidget*> order{Check1, Check2};
    for (int i = 1; i <= TitlesPerPage; ++i)
        order << Label2(i);
    order << Label3(0) << Label3(1) << Label2(0);
    return order;
}

void Worksheets::Form_Load()
{
    layoutform(*this);
    // A missing or damaged catalogue leaves the list as last read (none on a fresh start).
    try {
        readCatalogue(program().content().resolve(catalogueFile), program().state);
    } catch (const std::exception&) {
    }
    setControlBackColor(Check1, formBlue);
    setControlBackColor(Check2, formBlue);
    program().state.catpage = 0;
    for (int i = 1; i <= TitlesPerPage; ++i) {
        Label2(i)->hide();
        QFont font = Label2(i)->font();
        font.setPointSizeF(12);
        Label2(i)->setFont(font);
    }
    int shown = titleCount();
    if (shown > TitlesPerPage) {
        shown = TitlesPerPage;
        Label3(1)->show();
    }
    for (int i = 1; i <= shown; ++i) {
        Label2(i)->setCaption(catalogueTitle(i));
        Label2(i)->show();
    }
}

void Worksheets::workpage()
{
    int& catpage = program().state.catpage;
    catpage = std::clamp(catpage, 0, LastPage);
    for (int i = 1; i <= TitlesPerPage; ++i) {
        Label2(i)->setCaption(QString());
        Label2(i)->hide();
    }
    Label3(0)->show();
    Label3(1)->show();
    if (catpage == 0)
        Label3(0)->hide();
    if (catpage == LastPage)
        Label3(1)->hide();
    Label4->setText(tr("Page") + numberText(catpage + 1));
    if (isVisible())
        announce(Label4->text());
    const int first = TitlesPerPage * catpage;
    int last = first + TitlesPerPage;
    if (titleCount() < last + 1) {
        last = titleCount();
        Label3(1)->hide();
    }
    for (int i = first + 1; i <= last; ++i) {
        Label2(i - first)->setCaption(catalogueTitle(i));
        Label2(i - first)->show();
    }
}

void Worksheets::Check1_Click()
{
    if (Check1->isChecked())
        Check2->setChecked(false);
}

void Worksheets::Check2_Click()
{
    if (Check2->isChecked())
        Check1->setChecked(false);
}

void Worksheets::Label3_Click(int index)
{
    program().state.catpage += index == 0 ? -1 : 1;
    workpage();
    program().playCue(cue::click);
}

void Worksheets::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label2);
}

void Worksheets::Label2_Click(int index)
{
    program().playCue(cue::click);
    Screens& screens = program().screens();
    if (index == 0) {
        if (screens.isRegistered(screenName::menu))
            screens.show(screenName::menu);
        screens.unload(formName());
        return;
    }
    const QString title = Label2(index)->caption();
    // Every mode reads the worksheet first, so a missing or damaged one is reported in each.
    try {
        openWorksheet(title);
        if (Check1->isChecked())
            editworksheet();
        else if (!Check2->isChecked())
            openAsQuiz();
        else
            askToDelete(title);
    } catch (const std::exception&) {
        program().dialogs().message(tr("This worksheet seems to be corrupted."));
    }
}

void Worksheets::openWorksheet(const QString& title)
{
    // A title holding a folder separator names no file of the worksheet folder.
    if (title.contains(u'/') || title.contains(u'\\'))
        throw DataError("not a worksheet of the folder");
    const QString path = program().content().resolve(QStringLiteral("multiple/") + worksheetFileName(title));
    FieldReader reader = FieldReader::fromFile(path);
    loadworksheet(reader, program().state);
}

void Worksheets::openAsQuiz()
{
    // The pupil is named before the quiz screen is touched for its picture's size.
    if (!pupilNamedFirst(program()))
        return;
    // The quiz takes the main menu's picture and title; the menu is loaded for them, not shown.
    Picture picture;
    QString heading = QStringLiteral("Brellinshore");
    bool fromMenu = false;
    Screens& screens = program().screens();
    if (screens.isRegistered(screenName::menu)) {
        Screen& menu = screens.touch(screenName::menu);
        if (auto* image = menu.findChild<ImageBox*>(QStringLiteral("Image1"))) {
            picture = image->picture();
            fromMenu = true;
        }
        if (auto* label = menu.findChild<QLabel*>(QStringLiteral("Label1")))
            heading = label->text();
    }
    if (!fromMenu)
        picture = program().pictures().load(QStringLiteral("Images\\brellinshoresm.jpg"));
    // The menu's picture is far larger than the quiz's small picture box, which would show
    // only a patch of its top-left corner: hand it over whole, scaled down to the box.
    const QSize box = screens.get<Multiple>(screenName::quiz).Picture1->size();
    const QImage& image = picture.image();
    if (!image.isNull() && (image.width() > box.width() || image.height() > box.height()))
        picture = Picture(image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    openQuiz(program(), picture, heading);
}

void Worksheets::editworksheet()
{
    ProgramState& state = program().state;
    constexpr int questionCount = QuestionBank::QuestionCount;
    // Every digit is checked before the wizard is touched: a digit outside 1 to 4 would tick a
    // box of a neighbouring question, so such a worksheet counts as damaged.
    std::array<int, questionCount + 1> digits{};
    for (int n = 1; n <= questionCount; ++n) {
        bool isNumber = false;
        digits[n] = state.correct[n].trimmed().toInt(&isNumber);
        if (!isNumber || digits[n] < 1 || digits[n] > 4)
            throw DataError("correct answer is not 1 to 4");
    }

    Screens& screens = program().screens();
    auto& wizard = screens.get<Wizard>(screenName::wizard);
    setBoxText(wizard.Text1, state.worktitle, Wizard::TitleLength);
    for (int q = 0; q < questionCount; ++q) {
        const int n = q + 1;
        setBoxText(wizard.Text2(q), state.question[n], Wizard::QuestionLength);
        const std::array<const QString*, 4> answers{&state.answera[n], &state.answerb[n], &state.answerc[n],
                                                    &state.answerd[n]};
        for (int a = 0; a < 4; ++a) {
            setBoxText(wizard.Text3(4 * q + a), *answers[a], Wizard::AnswerLength);
            // Exactly one tick: a wizard left open from an earlier edit may hold other ticks.
            wizard.Check1(4 * q + a)->setChecked(a == digits[n] - 1);
        }
    }
    screens.show(screenName::wizard);
}

void Worksheets::askToDelete(const QString& title)
{
    const QString question = tr("Are you sure that you want to delete the worksheet ") + title + u'?';
    if (!program().dialogs().confirm(question))
        return;
    ProgramState& state = program().state;
    state.deltitle = title;
    delworksheet(program().content().resolve(catalogueFile), state.deltitle, state);
    const int first = TitlesPerPage * state.catpage;
    for (int j = 1; j <= TitlesPerPage; ++j) {
        Label2(j)->hide();
        Label2(j)->setCaption(catalogueTitle(j + first));
    }
    const int shown = std::min(TitlesPerPage, titleCount() - first);
    for (int j = 1; j <= shown; ++j)
        Label2(j)->show();
}

} // namespace bs
