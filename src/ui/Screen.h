#pragma once

#include <QColor>
#include <QPointF>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QStatusBar;

namespace bs {

class Program;

// The base of every screen (a "form"): a top-level window placed and sized in twips, kept
// above the backdrop. The registry builds it in its design state, then calls Form_Load.
//
// Mouse moves: every control stops its moves from reaching the screen, so Form_MouseMove
// sees only the pointer over the screen's bare background; tracking is on throughout, so
// moves arrive without a button held.
//
// Keyboard: Tab follows reading order (or the screen's own), and showing a screen puts the
// focus on the first control; Escape clicks the screen's "Exit"; the control that had the focus when the screen
// was shown gets it back when the screen is unloaded.
class Screen : public QWidget
{
    Q_OBJECT

public:
    Screen(Program& program, const QString& formName);

    Program& program() const { return m_program; }
    const QString& formName() const { return m_formName; }

    // The load event, run by the registry once the screen is built.
    virtual void Form_Load() {}
    // Called as the screen is unloaded, before it is hidden: stop timers here.
    virtual void unloading() {}

    // Shows the screen, modeless, above the backdrop.
    virtual void showScreen();
    // Makes the screen transient for the backdrop, if the backdrop is up, so the window
    // manager keeps it above the backdrop, also when the pupil clicks on the backdrop.
    void keepAboveBackdrop();

    // Position in twips on the screen, applied as computed (negative on small screens).
    double leftTwips() const { return m_leftTwips; }
    double topTwips() const { return m_topTwips; }
    void setLeftTwips(double twips);
    void setTopTwips(double twips);
    // The size of the screen's client area in twips.
    double widthTwips() const;
    double heightTwips() const;
    void setSizeTwips(double width, double height);

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QColor backColor() const;
    void setBackColor(const QColor& color);

    // Applies the mouse rules above to every control now on the screen.
    void prepareControls();

    // The control that had the keyboard focus when this screen was shown, if it still exists.
    QWidget* opener() const { return m_opener; }
    void setOpener(QWidget* opener) { m_opener = opener; }
    // Gives the focus to the first control in tab order that can take it.
    void focusFirstControl();

    // What a screen reader calls the window: what the screen is to a pupil ("Main menu", the
    // topic's title), never its form name. The visible caption stays as designed. Applied
    // each time the screen is shown, so it follows the worksheet or page it shows.
    virtual QString accessibleTitle() const;
    // Has the screen reader say `text` at once: it becomes, for a moment, the name of the
    // control with the focus (the toolkit has no announcement of its own; a screen reader
    // speaks a change of the focused control's name). Nothing without a focused control.
    void announce(const QString& text);

protected:
    virtual void Form_MouseMove(Qt::MouseButtons /*buttons*/, QPointF /*twips*/) {}
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // The Tab order: by default every control that takes the focus, top to bottom and left to
    // right. A screen whose order is designed otherwise returns it; an empty list keeps the
    // order the screen set itself.
    virtual QList<QWidget*> tabOrder() const;
    // The button Escape clicks: the visible "Exit", or nullptr.
    virtual QAbstractButton* escapeButton() const;
    // Tab and Shift+Tab follow tabOrder(), round and round.
    bool focusNextPrevChild(bool next) override;

private:
    static void installAccessibleRoles();
    void applyPosition();
    // The control Tab (or Shift+Tab) goes to from `from` (nullptr: from the start).
    QWidget* nextControl(QWidget* from, bool next) const;

    Program& m_program;
    QString m_formName;
    double m_leftTwips = 0;
    double m_topTwips = 0;
    QPointer<QWidget> m_opener;
    QStatusBar* m_announcements = nullptr;
    QWidget* m_announcement = nullptr;
};

} // namespace bs
