#include "app/Screen.h"

#include "app/Program.h"
#include "app/Screens.h"
#include "app/Twips.h"

#include <QMouseEvent>
#include <QWindow>

namespace bs {

Screen::Screen(Program& program, const QString& formName)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , m_program(program)
    , m_formName(formName)
{
    setObjectName(formName);
    setAccessibleName(formName);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

void Screen::showScreen()
{
    show();
    raise();
    activateWindow();
}

void Screen::showEvent(QShowEvent* event)
{
    prepareControls();
    // Transient for the backdrop: the window manager keeps every screen above it, also
    // when the pupil clicks on the backdrop.
    if (m_formName != QLatin1String("Grey")) {
        if (Screen* grey = m_program.screens().loaded(QStringLiteral("Grey"))) {
            if (QWindow* own = windowHandle(); own && grey->windowHandle())
                own->setTransientParent(grey->windowHandle());
        }
    }
    QWidget::showEvent(event);
}

void Screen::setLeftTwips(double twips)
{
    m_leftTwips = twips;
    applyPosition();
}

void Screen::setTopTwips(double twips)
{
    m_topTwips = twips;
    applyPosition();
}

void Screen::applyPosition()
{
    move(toPixels(m_leftTwips), toPixels(m_topTwips));
}

double Screen::widthTwips() const
{
    return width() * TwipsPerPixel;
}

double Screen::heightTwips() const
{
    return height() * TwipsPerPixel;
}

void Screen::setSizeTwips(double width, double height)
{
    setFixedSize(toPixels(width), toPixels(height));
}

QColor Screen::backColor() const
{
    return palette().color(QPalette::Window);
}

void Screen::setBackColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void Screen::prepareControls()
{
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (control->isWindow())
            continue;
        control->setAttribute(Qt::WA_NoMousePropagation);
        control->setMouseTracking(true);
    }
}

void Screen::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove(event->buttons(), toTwips(event->position()));
    QWidget::mouseMoveEvent(event);
}

} // namespace bs
