#pragma once

#include "ui/Controls.h"
#include "ui/Screen.h"

class QFrame;
class QLabel;
class QScrollBar;

namespace bs {

class LabelButton;
struct Topic;

// A topic page ("scilly1", "scilly2", ...): the topic's title, a panorama the pupil pans with
// the scroll bar, and the activity menu. One class for every topic; the topic files
// (content/topics, read by topicdata/TopicLibrary) tell the pages apart.
class TopicPage : public Screen
{
    Q_OBJECT

public:
    TopicPage(Program& program, const QString& formName);

    void Form_Load() override;
    void HScroll1_Change();
    void Label3_Click(int index);

    const Topic& topic() const { return m_topic; }

    QLabel* Label1;
    ImageBox* Image1;
    QFrame* Frame1;
    QScrollBar* HScroll1;
    ControlArray<LabelButton> Label3;

    inline static const QString CorruptWorksheetMessage =
        QStringLiteral("This worksheet seems to be corrupted.");

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;

private:
    void panTo(int value);
    void openMultipleChoice();
    void openActivityIfPresent(const QString& formName);

    const Topic& m_topic;
};

} // namespace bs
