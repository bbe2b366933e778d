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
    // A school's own topic whose file is gone (deleted on another computer), and one whose
    // worksheet is not in the worksheet folder.
    inline static const QString TopicGoneMessage =
        QStringLiteral("This topic is no longer in Our Topics. It may have been deleted on another computer.");
    inline static const QString WorksheetMissingMessage =
        QStringLiteral("The worksheet of this topic could not be found: ");

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;

private:
    void panTo(int value);
    void openMultipleChoice();
    void openActivityIfPresent(const QString& formName);
    // An own topic: fits the title into its box and shows only the buttons of its parts.
    void layOutOwnTopic();
    // An own topic whose file is gone is reported: true when it is still there.
    bool ownTopicThere();

    const Topic& m_topic;
};

} // namespace bs
