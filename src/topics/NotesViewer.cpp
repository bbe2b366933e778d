#include "topics/NotesViewer.h"

#include "base/Names.h"
#include "topics/DrawingPages.h"
#include "topics/TopicPack.h"
#include "topics/TopicPage.h"
#include "topics/ViewerOpeners.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace bs {

NotesViewer::NotesViewer(Program& program, const QString& formName) : Screen(program, formName)
{
    setSizeTwips(12000, 9000);

    Image1 = makeShownPage(this);
    // The two viewers were drawn apart: the guide's print image lies elsewhere (hidden either way).
    Image2 = isGuide() ? makePrintPage(this, 120, -240) : makePrintPage(this, 0, 0);

    Label1 = makePageLabel(this, isGuide() ? tr("Page 1 of 3") : QString());
    makeViewerButtons(this, Label3, [this](int index) { Label3_Click(index); });
    if (isGuide())
        return;
    // In the bottom row that a single page leaves empty, clear of the drawing and of "Exit".
    makeLabelButtonRow(this, Label3, QStringLiteral("Label3"),
                       {{4, tr("Print Topic Pack"), QRect(6840, 7920, 3600, 495)}},
                       [this](int index) { Label3_Click(index); }, Hover::LeavesAlone);
    Label3(4)->hide();

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Animated logo"));
    placeTwips(Picture1, QRect(8520, 4320, 1800, 1800));
    Picture1->hide();
    Picture2 = new PictureBox(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAccessibleName(tr("Publisher's logo"));
    Picture2->setBackColor(QColor(128, 128, 255));
    placeTwips(Picture2, QRect(8550, 6240, 1800, 1335));
    Picture2->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(25);
    connect(Timer1, &QTimer::timeout, this, &NotesViewer::Timer1_Timer);
}

bool NotesViewer::isGuide() const
{
    return formName() == screenName::guide;
}

int NotesViewer::pageCount() const
{
    return isGuide() ? PageCount : program().state.notepages;
}

void NotesViewer::Form_Load()
{
    layoutform(*this);
    if (isGuide()) {
        setAccessibleDescription(Label1->text());
        return; // its opener starts it on page 1
    }
    ProgramState& state = program().state;
    if (state.notepages == 1) {
        // A single page has no page label and no page buttons.
        Label1->hide();
        Label3(2)->hide();
        Label3(3)->hide();
    }
    state.notepage = 1;
    Label1->setText(pageLabel(state.notepage, state.notepages));
    // The page and the count are read with the screen when there is more than one.
    setAccessibleDescription(state.notepages == 1 ? QString() : Label1->text());
}

QString NotesViewer::accessibleTitle() const
{
    // One viewer for three kinds of pages: the acknowledgments animate the logo.
    if (isGuide())
        return Screen::accessibleTitle();
    if (Timer1 && Timer1->isActive())
        return tr("Acknowledgments");
    return program().state.notepages == 2 ? tr("Key facts") : tr("Teacher's notes");
}

void NotesViewer::unloading()
{
    if (Timer1)
        Timer1->stop();
}

void NotesViewer::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    // The guide's buttons have no highlight of their own: once the pointer has crossed the
    // background they stay transparent for the rest of the visit. The notes' never change.
    if (isGuide())
        clearHighlights(Label3);
}

QString NotesViewer::pageFileName(const QString& key, int page)
{
    static const char* const endings[] = {"a.wmf", "b.wmf", "c.wmf"};
    if (page < 1 || page > 3)
        return {};
    return key + QLatin1String(endings[page - 1]);
}

QString NotesViewer::pageFileName(int guidePage)
{
    return QStringLiteral("guide%1.wmf").arg(guidePage);
}

QString NotesViewer::logoFrameFile(int frame)
{
    return (frame < 10 ? QStringLiteral("logo\\quen000") : QStringLiteral("logo\\quen00")) +
           QString::number(frame) + QStringLiteral(".gif");
}

void NotesViewer::Label3_Click(int index)
{
    ProgramState& state = program().state;
    switch (index) {
    case 0:
        printDrawingPage(program(), Image2->picture());
        return;
    case 1:
        program().screens().unload(formName());
        return;
    case 2:
        state.notepage += 1;
        Label3(3)->setEnabled(true);
        updatePage();
        return;
    case 3:
        state.notepage -= 1;
        Label3(2)->setEnabled(true);
        updatePage();
        return;
    case 4:
        if (const Topic* topic = program().topicLibrary().topicNamed(m_packTopic))
            printTopicPack(program(), *topic);
        else if (m_typedTopic) // an own topic deleted meanwhile, on this computer or another
            program().dialogs().message(QCoreApplication::translate("bs::TopicPage", TopicPage::TopicGoneMessage.toUtf8().constData()));
        return;
    default:
        return;
    }
}

void NotesViewer::updatePage()
{
    const int page = program().state.notepage;
    if (page == pageCount())
        Label3(2)->setEnabled(false);
    if (page == 1)
        Label3(3)->setEnabled(false);
    if (!m_typedPages.empty()) {
        showTypedPage(page);
        announce(Label1->text());
        return;
    }
    const QString file =
        isGuide() ? pageInLanguage(program(), pageFileName(page)) : pageFileName(program().state.notekey, page);
    loadDrawingPair(program(), *Image1, *Image2, file);
    Label1->setText(pageLabel(page, pageCount()));
    setAccessibleDescription(Label1->text());
    announce(Label1->text());
}

void NotesViewer::showTopicPack(const QString& topicForm)
{
    m_packTopic = topicForm;
    Label3(4)->setVisible(!topicForm.isEmpty());
}

void NotesViewer::showTypedPages(const Topic* topic, std::vector<TextPage> pages)
{
    m_typedTopic = topic;
    m_typedPages = std::move(pages);
    if (m_typedTopic && !m_typedPages.empty())
        showTypedPage(1);
}

void NotesViewer::showTypedPage(int page)
{
    if (page < 1 || page > int(m_typedPages.size()))
        return;
    const TextPage& text = m_typedPages[page - 1];
    Image1->setPicture(textPagePicture(*m_typedTopic, text, PageMedium::Screen));
    Image2->setPicture(textPagePicture(*m_typedTopic, text, PageMedium::Paper));
    Label1->setText(pageLabel(page, pageCount()));
    const QString words = textPageWords(text);
    setAccessibleDescription(m_typedPages.size() == 1 ? words : Label1->text() + QStringLiteral(". ") + words);
}

void NotesViewer::Timer1_Timer()
{
    int& frame = program().state.logoframe;
    frame += 1;
    if (frame == 20)
        frame = 0;
    Picture1->setPicture(program().pictures().load(logoFrameFile(frame)));
    Picture1->show();
    Picture2->show();
}

namespace {

void openNotes(Program& program, int pages, const QString& key, const QString& firstPage)
{
    ProgramState& state = program.state;
    state.notepages = pages;
    state.notekey = key;
    auto& viewer = program.screens().get<NotesViewer>(screenName::notes);
    viewer.showTypedPages(nullptr, {});
    loadDrawingPair(program, *viewer.Image1, *viewer.Image2, firstPage);
    program.screens().show(screenName::notes);
}

} // namespace

void openKeyFacts(Program& program, const QString& key)
{
    openNotes(program, 2, key, NotesViewer::pageFileName(key, 1));
}

void openTeachersNotes(Program& program, const QString& key)
{
    openNotes(program, 1, key, key + QStringLiteral(".wmf"));
    // The notes are the teacher's place for the topic's pack.
    for (const Topic& topic : program.topicLibrary().topics()) {
        if (topic.notesKey == key) {
            program.screens().get<NotesViewer>(screenName::notes).showTopicPack(topic.formName);
            break;
        }
    }
}

namespace {

void openTypedPages(Program& program, const Topic& topic, const std::vector<TextPage>& pages)
{
    ProgramState& state = program.state;
    state.notepages = int(pages.size());
    state.notekey.clear();
    auto& viewer = program.screens().get<NotesViewer>(screenName::notes);
    viewer.showTypedPages(&topic, pages);
    program.screens().show(screenName::notes);
}

} // namespace

void openOwnKeyFacts(Program& program, const Topic& topic)
{
    openTypedPages(program, topic, topic.keyFactsText);
}

void openOwnTeachersNotes(Program& program, const Topic& topic)
{
    if (!topic.notesText)
        return;
    openTypedPages(program, topic, {*topic.notesText});
    program.screens().get<NotesViewer>(screenName::notes).showTopicPack(topic.formName);
}

void openAcknowledgments(Program& program)
{
    Screens& screens = program.screens();
    auto& viewer = screens.get<NotesViewer>(screenName::notes);
    viewer.Label1->hide();
    viewer.setAccessibleDescription(QString());
    viewer.Label3(2)->hide();
    viewer.Label3(3)->hide();
    const QString page = pageInLanguage(program, QStringLiteral("acknowledgments.wmf"));
    viewer.Image1->setPicture(program.pictures().load(QStringLiteral("wmf\\") + page));
    viewer.Picture2->setPicture(program.pictures().load(QStringLiteral("logo\\quenlow2.bmp")));
    viewer.Image2->setPicture(program.pictures().load(QStringLiteral("wmf2\\") + page));
    viewer.setBackColor(QColor(49, 130, 212));
    viewer.Timer1->start();
    screens.show(screenName::notes);
}

void openGuide(Program& program)
{
    Screens& screens = program.screens();
    auto& viewer = screens.get<NotesViewer>(screenName::guide);
    loadDrawingPair(program, *viewer.Image1, *viewer.Image2, pageInLanguage(program, NotesViewer::pageFileName(1)));
    program.state.notepage = 1;
    screens.show(screenName::guide);
}

} // namespace bs
