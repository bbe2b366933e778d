#include "activities/ActivityPart.h"

#include "ui/FocusRing.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace bs {

namespace {

class ActivityPartAccessible : public QAccessibleWidget
{
public:
    explicit ActivityPartAccessible(ActivityPart* part)
        : QAccessibleWidget(part, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = part()->isLifted();
        return state;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        if (actionName == pressAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            Q_EMIT part()->pressed();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    ActivityPart* part() const { return static_cast<ActivityPart*>(widget()); }
};

QAccessibleInterface* activityPartFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("bs::ActivityPart") && object && object->isWidgetType())
        return new ActivityPartAccessible(static_cast<ActivityPart*>(object));
    return nullptr;
}

} // namespace

ActivityPart::ActivityPart(QWidget* parent)
    : QLabel(parent)
{
    registerAccessible();
}

void ActivityPart::registerAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(activityPartFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void ActivityPart::setLifted(bool lifted)
{
    if (m_lifted == lifted)
        return;
    m_lifted = lifted;
    QPalette pal = palette();
    const QColor text = pal.color(QPalette::WindowText);
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Window));
    pal.setColor(QPalette::Window, text);
    setPalette(pal);
    setFrameShadow(lifted ? QFrame::Raised : QFrame::Sunken);
    QAccessible::State changed;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ActivityPart::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusRing(painter, contentsRect());
    }
}

} // namespace bs
