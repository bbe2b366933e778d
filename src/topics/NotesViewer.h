#pragma once

#include "ui/Controls.h"
#include "topicdata/Topic.h"
#include "ui/Screen.h"

#include <vector>

class QLabel;
class QTimer;

namespace bs {

class LabelButton;

// The viewer of drawn pages with page buttons and printing, under two form names:
// "teacher" shows a topic's key facts (two pages), its teacher's notes (one page) or the
// acknowledgments with the publisher's logo and the animated logo; "guide" shows the teachers'
// guide (three fixed pages). The openers (topics/ViewerOpeners.h) set the shared state it reads.
class NotesViewer : public Screen
{
    Q_OBJECT

public:
    NotesViewer(Program& program, const QString& formName);

    void Form_Load() override;
    void unloading() override;
    QString accessibleTitle() const override;
    void Label3_Click(int index);
    void Timer1_Timer();

    // The notes' drawing of a page: "key scilly1" and page 2 give "key scilly1b.wmf"; empty beyond page 3.
    static QString pageFileName(const QString& key, int page);
    // The guide's pages: guide1.wmf to guide3.wmf.
    static constexpr int PageCount = 3;
    static QString pageFileName(int guidePage);
    // The logo frame for a frame number: 7 gives "logo\quen0007.gif".
    static QString logoFrameFile(int frame);

    // Offers the pack of the topic with this form name ("scilly1") from the notes.
    void showTopicPack(const QString& topicForm);
    // Shows a school's own topic's typed pages in place of drawings (none: drawings again).
    void showTypedPages(const Topic* topic, std::vector<TextPage> pages);

    ImageBox* Image1;
    ImageBox* Image2;
    QLabel* Label1;
    // (0) to (3) as both viewers have them; (4) "Print Topic Pack", shown only on a topic's
    // teacher's notes (showTopicPack).
    ControlArray<LabelButton> Label3;
    // The logos and their animation: the notes viewer only (nullptr on the guide).
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;

private:
    bool isGuide() const;
    int pageCount() const;
    void updatePage();

    QString m_packTopic; // the topic whose notes are shown; empty in the other uses
    // A school's own topic's pages, shown and printed as typed pages; empty for drawings.
    const Topic* m_typedTopic = nullptr;
    std::vector<TextPage> m_typedPages;
    void showTypedPage(int page);
};

} // namespace bs
