#pragma once

#include <QLabel>

namespace bs {

// An item, target box or home slot of an activity screen: a label that can take the keyboard
// focus (shown by the focus ring) and can be shown lifted (an item picked up to be placed).
// A screen reader sees it as a button named by its accessible name; pressing it does what
// Space does.
class ActivityPart : public QLabel
{
    Q_OBJECT

public:
    explicit ActivityPart(QWidget* parent = nullptr);

    bool isLifted() const { return m_lifted; }
    // A lifted item is drawn dark on its text colour, with a raised border.
    void setLifted(bool lifted);

    // Installs the accessibility layer's view of every ActivityPart; once is enough.
    static void registerAccessible();

Q_SIGNALS:
    // The screen reader's press: the same as Space on the focused part.
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_lifted = false;
};

} // namespace bs
