#pragma once

#include "topicdata/TopicLibrary.h"
#include "ui/Controls.h"
#include "ui/Screen.h"

#include <vector>

class QCheckBox;
class QLabel;

namespace bs {

class LabelButton;

// "Our Topics": the school's own topics, 24 to a page in two columns as the worksheet
// catalogue shows its titles, read afresh from the "ourtopics" folder each time the list is
// shown. A click on a topic opens its page; with "Edit Topic", "Export Topic" or "Delete
// Topic" ticked it opens the topic in the maker, exports it or deletes it (after asking). A
// file the program refused is listed under its name; a click says what is wrong with it.
//
// Label2(0) is "Exit", Label2(1) to (24) the slots; Label3(0) and (1) the page buttons;
// Label5(0) "Make a Topic", Label5(1) "Import a Topic".
class OurTopics : public Screen
{
    Q_OBJECT

public:
    static constexpr int TopicsPerPage = 24;

    OurTopics(Program& program, const QString& formName);

    void Form_Load() override;

    void Check_Click(int index);
    void Label2_Click(int index);
    void Label3_Click(int index);
    void Label5_Click(int index);

    // Reads the folder again and shows the page it is on (the last page when it has shrunk).
    void refresh();
    int page() const { return m_page; }
    const std::vector<TopicLibrary::OwnEntry>& entries() const { return m_entries; }

    QLabel* Label1;
    ControlArray<QCheckBox> Check; // (0) "Edit Topic", (1) "Delete Topic", (2) "Export Topic"
    ControlArray<LabelButton> Label2;
    ControlArray<LabelButton> Label3;
    QLabel* Label4;
    ControlArray<LabelButton> Label5;
    QLabel* Label6; // how to make a topic, when there is none

    inline static const QString RefusedMessage = QStringLiteral("This topic file cannot be opened: ");

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;
    QList<QWidget*> tabOrder() const override;

private:
    void showPage();
    int lastPage() const;
    void openTopic(const Topic& topic);
    void askToDelete(const QString& title);

    std::vector<TopicLibrary::OwnEntry> m_entries;
    int m_page = 0;
};

} // namespace bs
