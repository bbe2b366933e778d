#pragma once

#include "activities/DragEngine.h"
#include "app/Controls.h"
#include "app/Screen.h"

#include <QHash>

class QLabel;

namespace bs {

struct ActivityDefinition;
struct FontSpec;
class LabelButton;

// A drag-and-drop activity screen, built from its definition ("scilly1lab", "scilly2ord",
// ...). The pupil drags the item labels Label2(i) into the target boxes Label1(i); each item
// starts in its home slot Label4(i). The item positions live in a DragEngine in twips; the
// item widgets follow it.
//
// Dragging uses the pointer hold the toolkit gives the pressed widget: while a button is held
// every move and the release go to the pressed item, also when the pointer runs ahead of it.
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
    void Label3_MouseMove(int Index);

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

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPointF twips) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addControl(const QString& name, QWidget* control);
    void fitCaption(QLabel* label, const FontSpec& font);
    void placeItem(int i);
    void applyStacking();
    void handOverScore();

    const ActivityDefinition& m_definition;
    DragEngine m_engine;
    QHash<QString, QWidget*> m_controls;
};

// Every activity screen's form name.

} // namespace bs
