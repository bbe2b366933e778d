#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace bs {

class Program;

// The base of every screen (a "form"): a top-level window placed and sized in twips, kept
// above the backdrop. The registry builds it in its design state, then calls Form_Load.
//
// Mouse moves: every control stops its moves from reaching the screen, so Form_MouseMove
// sees only the pointer over the screen's bare background; tracking is on throughout, so
// moves arrive without a button held.
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

protected:
    virtual void Form_MouseMove(Qt::MouseButtons /*buttons*/, QPointF /*twips*/) {}
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyPosition();

    Program& m_program;
    QString m_formName;
    double m_leftTwips = 0;
    double m_topTwips = 0;
};

} // namespace bs
