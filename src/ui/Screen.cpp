#include "ui/Screen.h"

#include "base/Names.h"
#include "base/Twips.h"
#include "topicdata/TopicLibrary.h"
#include "ui/LabelButton.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStatusBar>
#include <QWindow>
#include <algorithm>

namespace bs {

Screen::Screen(Program& program, const QString& formName)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , m_program(program)
    , m_formName(formName)
{
    installAccessibleRoles();
    setObjectName(formName);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

void Screen::showScreen()
{
    const bool opening = !isVisible();
    show();
    raise();
    activateWindow();
    if (opening)
        focusFirstControl();
}

namespace {

const QString announcementName = QStringLiteral("Announcement");

QAccessibleInterface* accessibleRoleFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // A message for the screen reader: shown, it is spoken at once; inside a status bar the
    // screen reader says only its text.
    if (className == QLatin1String("QWidget") && object->objectName() == announcementName)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // A plain frame is only a box drawn round controls; read as a frame, a screen reader takes
    // it for a window of its own and ignores the focus inside it.
    if (className == QLatin1String("QFrame"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void Screen::installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleRoleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString Screen::accessibleTitle() const
{
    const QString& form = m_formName;
    if (form == screenName::title || form == screenName::backdrop)
        return QStringLiteral("Brellinshore");
    if (form == screenName::menu)
        return tr("Main menu");
    if (form == screenName::quiz) {
        const QString& worksheet = m_program.state.worktitle;
        return worksheet.isEmpty() ? tr("Quiz") : tr("Quiz: ") + worksheet;
    }
    if (form == screenName::results)
        return tr("Results");
    if (form == screenName::wrongAnswers)
        return tr("Wrong answers");
    if (form == screenName::wizard)
        return tr("Multiple choice wizard");
    if (form == screenName::catalogue)
        return tr("Worksheet catalogue");
    if (form == screenName::notes)
        return tr("Teacher's notes");
    if (form == screenName::guide)
        return tr("Teachers' guide");
    if (form == screenName::ourTopics)
        return tr("Our Topics");
    if (form == screenName::classResults)
        return tr("Class results");
    if (form == screenName::classLists)
        return tr("Class lists and the results switch");
    TopicLibrary& topics = m_program.topicLibrary();
    if (const Topic* page = topics.topicNamed(form))
        return page->title;
    if (const Topic* topic = topics.topicOfActivity(form)) {
        return topic->title + (form == topic->labelling ? tr(" \u2014 labelling activity")
                                                        : tr(" \u2014 ordering activity"));
    }
    return caption();
}

void Screen::announce(const QString& text)
{
    if (!m_announcements) {
        // Nothing to see: no size, beneath everything, never takes the focus.
        m_announcements = new QStatusBar(this);
        m_announcements->setObjectName(QStringLiteral("Announcements"));
        m_announcements->setSizeGripEnabled(false);
        m_announcements->setGeometry(0, 0, 0, 0);
        m_announcement = new QWidget(m_announcements);
        m_announcement->setObjectName(announcementName);
        m_announcement->setGeometry(0, 0, 0, 0);
        m_announcements->lower();
        m_announcements->show();
    }
    m_announcement->hide();
    m_announcement->setAccessibleName(text);
    m_announcement->show();
}

namespace {

// Radio buttons that choose one of a set are a single Tab stop, as everywhere.
bool sameChoice(const QWidget* a, const QWidget* b)
{
    const auto* first = qobject_cast<const QRadioButton*>(a);
    const auto* second = qobject_cast<const QRadioButton*>(b);
    if (!first || !second)
        return false;
    if (first->group() || second->group())
        return first->group() == second->group();
    return first->autoExclusive() && second->autoExclusive() && first->parentWidget() == second->parentWidget();
}

// The toolkit takes Tab from the unchosen buttons of a set: the set's rule is kept here.
bool isTabStop(const QWidget* control)
{
    if (qobject_cast<const QRadioButton*>(control))
        return control->focusPolicy() != Qt::NoFocus;
    return control->focusPolicy() & Qt::TabFocus;
}

} // namespace

QList<QWidget*> Screen::tabOrder() const
{
    QList<QWidget*> controls;
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!control->isWindow() && isTabStop(control))
            controls << control;
    }
    const auto place = [this](const QWidget* control) { return control->mapTo(this, QPoint(0, 0)); };
    std::stable_sort(controls.begin(), controls.end(), [&](const QWidget* a, const QWidget* b) {
        const QPoint pa = place(a);
        const QPoint pb = place(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return controls;
}

QWidget* Screen::nextControl(QWidget* from, bool next) const
{
    const QList<QWidget*> order = tabOrder();
    const qsizetype count = order.size();
    const qsizetype at = order.indexOf(from);
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype index = at < 0 ? (next ? step - 1 : count - step) : (at + (next ? step : count - step)) % count;
        QWidget* candidate = order[index];
        if (!isTabStop(candidate) || !candidate->isVisibleTo(this) || !candidate->isEnabled()
            || sameChoice(candidate, from))
            continue;
        // Into a set of radio buttons: at its chosen one, if one shows.
        for (QWidget* other : order) {
            if (sameChoice(other, candidate) && static_cast<QRadioButton*>(other)->isChecked() && other->isVisibleTo(this))
                return other;
        }
        return candidate;
    }
    return nullptr;
}

bool Screen::focusNextPrevChild(bool next)
{
    QWidget* from = focusWidget();
    if (tabOrder().isEmpty() || (from && from != this && !tabOrder().contains(from)))
        return QWidget::focusNextPrevChild(next);
    QWidget* to = nextControl(from, next);
    if (!to)
        return false;
    // Radio buttons given the focus by Tab move it on to their set's chosen one, which may be
    // the quiz's hidden "no answer": they are given it as by a program instead.
    const bool radio = qobject_cast<QRadioButton*>(to);
    to->setFocus(radio ? Qt::OtherFocusReason : next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Screen::focusFirstControl()
{
    if (QWidget* first = tabOrder().isEmpty() ? nullptr : nextControl(nullptr, true)) {
        first->setFocus(Qt::TabFocusReason);
        return;
    }
    for (QWidget* control = nextInFocusChain(); control && control != this; control = control->nextInFocusChain()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(this) && control->isEnabled()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QAbstractButton* Screen::escapeButton() const
{
    // "Exit" in the language shown: every screen's Exit button has the same Welsh.
    const QString exit = tr("Exit");
    for (LabelButton* button : findChildren<LabelButton*>()) {
        if ((button->caption() == QLatin1String("Exit") || button->caption() == exit) && button->isVisibleTo(this) &&
            button->isEnabled())
            return button;
    }
    return nullptr;
}

void Screen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (QAbstractButton* exit = escapeButton()) {
            exit->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void Screen::showEvent(QShowEvent* event)
{
    setAccessibleName(accessibleTitle());
    prepareControls();
    keepAboveBackdrop();
    QWidget::showEvent(event);
}

void Screen::keepAboveBackdrop()
{
    if (m_formName == screenName::backdrop)
        return;
    if (Screen* backdrop = m_program.screens().loaded(screenName::backdrop)) {
        if (QWindow* own = windowHandle(); own && backdrop->windowHandle())
            own->setTransientParent(backdrop->windowHandle());
    }
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
