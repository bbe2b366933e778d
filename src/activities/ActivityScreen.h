#pragma once

#include "activities/DragEngine.h"
#include "ui/Controls.h"
#include "ui/Screen.h"

#include <QHash>

class QLabel;

namespace bs {

struct ActivityDefinition;
struct FontSpec;
class LabelButton;
class ActivityPart;

// A drag-and-drop activity screen, built from its definition ("scilly1lab", "scilly2ord",
// ...). The pupil drags the item labels Label2(i) into the target boxes Label1(i); each item
// starts in its home slot Label4(i). The item positions live in a DragEngine in twips; the
// item widgets follow it.
//
// Dragging uses the pointer hold the toolkit gives the pressed widget: while a button is held
// every move and the release go to the pressed item, also when the pointer runs ahead of it.
//
// Without dragging: a click on an item (or Space or Enter on it) picks it up; while it is held
// the target boxes and home slots take the focus (Tab, Shift+Tab, arrows) and a click, Space
// or Enter on one puts the item there through the same drop as a mouse release at that box;
// Escape puts it down where it was. Every item, box and slot carries an accessible name that
// says where things are.
class ActivityScreen : public Screen
{
    Q_OBJECT

public:
    ActivityScreen(Program& program, const QString& formName);

    void Form_Load() override;

    // Button: 1 left, 2 right, 4 middle; (X, Y): the pointer in twips from the item's corner.
    void Label2_MouseMove(int Index, int Button, float X, float Y);
    void Label2_MouseUp(int Index);
    void Label3_Click(int Index);

    // Picks item i up to be placed without dragging (-1: none); puts it where box `part`
    // lies: a target box Label1(j) or a home slot Label4(j).
    void pickUp(int i);
    void placeAt(QWidget* part);
    // Puts the held item down where it was; `rename` false when a drop follows at once.
    void putDown(bool rename = true);
    int heldItem() const { return m_held; }

    // The heading the opening topic page gives the screen, set a little smaller when it would
    // not fit its box.
    void setHeading(const QString& caption);

    const ActivityDefinition& definition() const { return m_definition; }
    const DragEngine& engine() const { return m_engine; }
    // Any control by its design name: "Label2(3)", "Label7", "Label5(1)", "Line1", "Image1(0)".
    QWidget* control(const QString& name) const { return m_controls.value(name); }

    ControlArray<QLabel> Label1; // target boxes
    ControlArray<QLabel> Label2; // items
    ControlArray<LabelButton> Label3; // "Exit", "Start Again", "Check Score"
    ControlArray<QLabel> Label4; // home slots
    ControlArray<ImageBox> Image1;
    QLabel* Label6 = nullptr; // heading, set by the opening topic page
    QWidget* Line1 = nullptr; // the timeline, on the screens that have one

Q_SIGNALS:
    // The name of an item just picked up or placed, as the screen reader is told it.
    void announced(const QString& text);

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void addControl(const QString& name, QWidget* control);
    void fitCaption(QLabel* label, const FontSpec& font);
    void placeItem(int i);
    void applyStacking();
    bool itemMouseEvent(int index, QEvent* event);
    bool partKeyEvent(QWidget* part, QKeyEvent* event);
    void partPressed(QWidget* part);
    // The boxes then the slots, each in reading order: where the focus goes while holding.
    QList<QWidget*> placesInOrder() const;
    // Names every item by where it is; the item `moved` is also announced.
    void nameParts(int moved = -1);
    enum class BoxWords { In, PlacedIn };
    QString boxPhrase(int j, BoxWords words) const;

    const ActivityDefinition& m_definition;
    DragEngine m_engine;
    QHash<QString, QWidget*> m_controls;

    int m_held = -1;
    // A press on an item that has not gone further than the drag distance is a click.
    struct Press
    {
        int item = -1;
        bool click = false;
        QPointF at;
        TwipsRect from;
    } m_press;
    std::vector<int> m_boxNumber;  // box j's number in reading order, from 1
    std::vector<int> m_slotNumber; // likewise for the home slots
};

// Every activity screen's form name.

} // namespace bs
