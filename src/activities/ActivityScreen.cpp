#include "activities/ActivityScreen.h"

#include "activities/ActivityPart.h"
#include "base/Names.h"
#include "base/Twips.h"
#include "quiz/QuizOpeners.h"
#include "topicdata/ActivityDefinition.h"
#include "ui/LabelButton.h"
#include "ui/Layout.h"
#include "ui/Program.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <numeric>
#include <stdexcept>

namespace bs {

namespace {

const QColor black(0, 0, 0);
const QColor yellow(255, 255, 0);

const ActivityDefinition& definitionOf(Program& program, const QString& formName)
{
    const ActivityDefinition* definition = program.topicLibrary().activityNamed(formName);
    if (!definition)
        throw std::logic_error("no activity named " + formName.toStdString());
    return *definition;
}

std::vector<TwipsRect> rects(const ActivityDefinition& definition, QPoint ActivityItem::*corner)
{
    std::vector<TwipsRect> result;
    for (const ActivityItem& item : definition.items) {
        const QPoint at = item.*corner;
        result.push_back({float(at.x()), float(at.y()), float(definition.itemSize.width()),
                          float(definition.itemSize.height())});
    }
    return result;
}

QString element(const QString& array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

// A bordered label in the look of makeLabel, able to take the focus and be lifted.
ActivityPart* makePart(QWidget* parent, const QString& name, const QRect& twips, const QFont& font)
{
    auto* part = new ActivityPart(parent);
    part->setObjectName(name);
    part->setFont(font);
    part->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    part->setWordWrap(true);
    part->setTextFormat(Qt::PlainText);
    setLabelColors(part, yellow, black, false);
    setLabelBorder(part, true);
    part->setFocusPolicy(Qt::NoFocus);
    placeTwips(part, twips);
    return part;
}

bool isActivation(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// A straight line between two points in twips. The pointer passes through it to whatever
// lies beneath.
class LineControl : public QWidget
{
public:
    LineControl(QWidget* parent, const LineSpec& line)
        : QWidget(parent)
        , m_color(line.color)
        , m_width(line.widthPixels)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        const QPoint from(toPixels(line.from.x()), toPixels(line.from.y()));
        const QPoint to(toPixels(line.to.x()), toPixels(line.to.y()));
        const QRect bounds = QRect(from, to).normalized().adjusted(-m_width, -m_width, m_width, m_width);
        setGeometry(bounds);
        m_from = from - bounds.topLeft();
        m_to = to - bounds.topLeft();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(m_from, m_to);
    }

private:
    QColor m_color;
    int m_width;
    QPoint m_from;
    QPoint m_to;
};

} // namespace

ActivityScreen::ActivityScreen(Program& program, const QString& formName)
    : Screen(program, formName)
    , m_definition(definitionOf(program, formName))
    , m_engine(rects(m_definition, &ActivityItem::start), rects(m_definition, &ActivityItem::target))
{
    const QSize size = m_definition.itemSize;
    const int n = m_engine.count();

    for (int i = 0; i < int(m_definition.pictures.size()); ++i) {
        auto* image = new ImageBox(this);
        image->setObjectName(element(QStringLiteral("Image1"), i));
        image->setLeftTwips(m_definition.pictures[i].topLeft.x());
        image->setTopTwips(m_definition.pictures[i].topLeft.y());
        Image1.add(i, image);
        addControl(image->objectName(), image);
    }

    for (int i = 0; i < n; ++i) {
        const ActivityItem& item = m_definition.items[i];
        // As designed, the target box holds the item's text until the load event moves it across.
        ActivityPart* target = makePart(this, element(QStringLiteral("Label1"), i), QRect(item.target, size), QFont());
        target->setText(item.text);
        Label1.add(i, target);
        addControl(target->objectName(), target);

        ActivityPart* home = makePart(this, element(QStringLiteral("Label4"), i), QRect(item.start, size), QFont());
        Label4.add(i, home);
        addControl(home->objectName(), home);

        const FontSpec& font = m_definition.itemFont;
        ActivityPart* label = makePart(this, element(QStringLiteral("Label2"), i), QRect(item.start, size),
                                       uiFont(font.family, font.points, font.bold));
        label->setText(QStringLiteral("Label2"));
        setLabelColors(label, yellow, black, true);
        label->setFocusPolicy(Qt::TabFocus);
        label->setAccessibleDescription(
            tr("Press Space to pick it up, then choose a box with Tab and press Space to put it there."));
        Label2.add(i, label);
        addControl(label->objectName(), label);
        for (ActivityPart* part : {target, home, label}) {
            part->installEventFilter(this);
            connect(part, &ActivityPart::pressed, this, [this, part] { partPressed(part); });
        }
    }
    m_boxNumber = readingNumbers(n, [this](int j) -> const TwipsRect& { return m_engine.target(j); });
    m_slotNumber = readingNumbers(n, [this](int j) -> const TwipsRect& { return m_engine.home(j); });
    for (int j = 0; j < n; ++j) {
        const QString& name = m_definition.items[j].boxName;
        Label1(j)->setAccessibleName(name.isEmpty() ? tr("Box %1 of %2").arg(m_boxNumber[j]).arg(n) : name);
        Label4(j)->setAccessibleName(tr("Starting place %1 of %2").arg(m_slotNumber[j]).arg(n));
    }

    for (const LabelSpec& spec : m_definition.labels) {
        QLabel* label = makeLabel(this, spec.name, spec.caption, spec.twips,
                                  uiFont(spec.font.family, spec.font.points, spec.font.bold), spec.color,
                                  spec.alignment | Qt::AlignTop);
        addControl(spec.name, label);
        fitCaption(label, spec.font);
        if (spec.name == QLatin1String("Label6"))
            Label6 = label;
    }

    if (m_definition.line) {
        Line1 = new LineControl(this, *m_definition.line);
        Line1->setObjectName(QStringLiteral("Line1"));
        addControl(QStringLiteral("Line1"), Line1);
    }

    makeLabelButtonRow(this, Label3, QStringLiteral("Label3"),
                       {{0, tr("Exit"), QRect(10560, 7920, 1245, 495)},
                        {1, tr("Start Again"), QRect(3360, 7920, 2565, 495)},
                        {2, tr("Check Score"), QRect(6000, 7920, 2565, 495)}},
                       [this](int index) { Label3_Click(index); });
    // Named as the rest of the screen's controls, as its stacking order names them.
    for (const auto& [k, button] : Label3) {
        button->setObjectName(element(QStringLiteral("Label3"), k));
        addControl(button->objectName(), button);
    }
    Label3(2)->hide();

    applyStacking();
}

void ActivityScreen::addControl(const QString& name, QWidget* control)
{
    m_controls.insert(name, control);
}

void ActivityScreen::fitCaption(QLabel* label, const FontSpec& font)
{
    // The boxes were measured for the design fonts; a stand-in font that runs wider would wrap
    // the last words below the box, out of sight. Only the descenders of the last line may go.
    constexpr double smallestPoints = 8;
    QFont fitted = uiFont(font.family, font.points, font.bold);
    label->setFont(fitted);
    while (fitted.pointSizeF() > smallestPoints
           && label->heightForWidth(label->width()) - label->height() > QFontMetrics(fitted).descent()) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.75);
        label->setFont(fitted);
    }
}

void ActivityScreen::setHeading(const QString& caption)
{
    Label6->setText(caption);
    for (const LabelSpec& spec : m_definition.labels) {
        if (spec.name == QLatin1String("Label6"))
            fitCaption(Label6, spec.font);
    }
}

void ActivityScreen::applyStacking()
{
    // Raising from the back forwards leaves the first-named control in front.
    for (auto name = m_definition.stacking.crbegin(); name != m_definition.stacking.crend(); ++name) {
        if (QWidget* widget = control(*name))
            widget->raise();
    }
}

void ActivityScreen::Form_Load()
{
    layoutform(*this);
    const int n = m_engine.count();
    program().state.outof = n;
    for (int i = 0; i < int(m_definition.pictures.size()); ++i)
        Image1(i)->setPicture(program().pictures().load(m_definition.pictures[i].path));
    for (int i = 0; i < n; ++i) {
        Label2(i)->setText(Label1(i)->text());
        fitCaption(Label2(i), m_definition.itemFont);
        Label1(i)->setText(QString());
        Label1(i)->setAutoFillBackground(false);
        Label1(i)->show();
        Label4(i)->setGeometry(Label2(i)->geometry());
        Label2(i)->show();
        Label4(i)->show();
        placeItem(i);
    }
    nameParts();
}

void ActivityScreen::placeItem(int i)
{
    const TwipsRect& item = m_engine.item(i);
    Label2(i)->setGeometry(toPixels(item.left), toPixels(item.top), toPixels(item.width), toPixels(item.height));
}

void ActivityScreen::Label2_MouseMove(int Index, int Button, float X, float Y)
{
    if (m_engine.dragStep(Index, Button, X, Y))
        placeItem(Index);
}

void ActivityScreen::Label2_MouseUp(int Index)
{
    const DragEngine::Drop drop = m_engine.drop(Index);
    placeItem(Index);
    nameParts(Index);
    for (int thud = 0; thud < drop.snaps; ++thud)
        program().playCue(cue::thud);
    // Only Start Again hides the button again.
    if (drop.allPlaced)
        Label3(2)->show();
}

void ActivityScreen::Label3_Click(int Index)
{
    ProgramState& state = program().state;
    state.score = 0;
    switch (Index) {
    case 0:
        program().screens().unload(formName());
        break;
    case 1:
        putDown();
        m_engine.reset();
        for (int i = 0; i < m_engine.count(); ++i)
            placeItem(i);
        nameParts();
        Label3(2)->hide();
        break;
    case 2:
        // Out of this activity's items, also when a quiz opened meanwhile has set outof to 10.
        openResults(program(), m_engine.score(), m_engine.count(), nullptr, formName());
        break;
    default:
        break;
    }
    program().playCue(cue::click);
}

void ActivityScreen::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    clearHighlights(Label3);
}

bool ActivityScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* part = qobject_cast<ActivityPart*>(watched);
    if (!part)
        return Screen::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return partKeyEvent(part, static_cast<QKeyEvent*>(event)) || Screen::eventFilter(watched, event);
    if (const int index = Label2.indexOf(part); index >= 0)
        return itemMouseEvent(index, event) || Screen::eventFilter(watched, event);
    // A box or slot: a click there places the held item.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_held >= 0 && mouse->button() == Qt::LeftButton && part->rect().contains(mouse->position().toPoint()))
            placeAt(part);
        return true;
    }
    return Screen::eventFilter(watched, event);
}

bool ActivityScreen::itemMouseEvent(int index, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::MouseButtons held = mouse->buttons();
        const int button = (held & Qt::LeftButton ? DragEngine::LeftButton : 0)
                           | (held & Qt::RightButton ? DragEngine::RightButton : 0)
                           | (held & Qt::MiddleButton ? DragEngine::MiddleButton : 0);
        if (m_press.click && (mouse->scenePosition() - m_press.at).manhattanLength() >= QApplication::startDragDistance())
            m_press.click = false;
        // Relative to the item's corner in the model, not to the widget's rounded pixels.
        const QPointF pointer = toTwips(mouse->scenePosition());
        const TwipsRect& item = m_engine.item(index);
        Label2_MouseMove(index, button, float(pointer.x()) - item.left, float(pointer.y()) - item.top);
        mouse->accept();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool first = mouse->buttons() == mouse->button();
        if (first) {
            m_press = {index, mouse->button() == Qt::LeftButton, mouse->scenePosition(), m_engine.item(index)};
        } else {
            m_press.click = false;
        }
        // Taken, so that the item holds the pointer until the buttons are released.
        event->accept();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_press.click && m_press.item == index && mouse->button() == Qt::LeftButton
            && mouse->buttons() == Qt::NoButton) {
            // A click, not a drag: any small shift while the button was down is undone.
            m_engine.moveItem(index, m_press.from.left, m_press.from.top);
            placeItem(index);
            m_press.click = false;
            if (m_held == index)
                putDown();
            else
                pickUp(index);
        } else {
            putDown(false);
            Label2_MouseUp(index);
        }
        event->accept();
        return true;
    }
    default:
        return false;
    }
}

bool ActivityScreen::partKeyEvent(QWidget* part, QKeyEvent* event)
{
    if (!isActivation(event) || event->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (!event->isAutoRepeat())
        partPressed(part);
    return true;
}

void ActivityScreen::partPressed(QWidget* part)
{
    const int item = Label2.indexOf(qobject_cast<QLabel*>(part));
    if (item >= 0) {
        if (m_held == item)
            putDown();
        else
            pickUp(item);
        return;
    }
    if (m_held >= 0)
        placeAt(part);
}

void ActivityScreen::keyPressEvent(QKeyEvent* event)
{
    const bool holding = m_held >= 0;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (holding) {
            putDown();
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (holding || Label2.indexOf(qobject_cast<QLabel*>(focusWidget())) >= 0) {
            focusNextPrevChild(event->key() == Qt::Key_Right || event->key() == Qt::Key_Down);
            return;
        }
        break;
    default:
        break;
    }
    Screen::keyPressEvent(event);
}

QList<QWidget*> ActivityScreen::placesInOrder() const
{
    const int n = m_engine.count();
    QList<QWidget*> places(2 * n);
    for (int j = 0; j < n; ++j) {
        places[m_boxNumber[j] - 1] = Label1(j);
        places[n + m_slotNumber[j] - 1] = Label4(j);
    }
    return places;
}

bool ActivityScreen::focusNextPrevChild(bool next)
{
    if (m_held < 0)
        return Screen::focusNextPrevChild(next);
    // While an item is held the focus goes round the places it can be put, and only them.
    const QList<QWidget*> places = placesInOrder();
    const qsizetype at = places.indexOf(focusWidget());
    qsizetype to = 0;
    if (at < 0)
        to = next ? 0 : places.size() - 1;
    else
        to = (at + (next ? 1 : places.size() - 1)) % places.size();
    places[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void ActivityScreen::pickUp(int i)
{
    putDown();
    m_held = i;
    static_cast<ActivityPart*>(Label2(i))->setLifted(true);
    for (QWidget* place : placesInOrder())
        place->setFocusPolicy(Qt::TabFocus);
    nameParts(i);
}

void ActivityScreen::putDown(bool rename)
{
    if (m_held < 0)
        return;
    const int i = std::exchange(m_held, -1);
    static_cast<ActivityPart*>(Label2(i))->setLifted(false);
    const bool placeFocused = placesInOrder().contains(focusWidget());
    for (QWidget* place : placesInOrder())
        place->setFocusPolicy(Qt::NoFocus);
    if (placeFocused)
        Label2(i)->setFocus(Qt::OtherFocusReason);
    if (rename)
        nameParts(i);
}

void ActivityScreen::placeAt(QWidget* part)
{
    const int i = m_held;
    int j = Label1.indexOf(qobject_cast<QLabel*>(part));
    const TwipsRect* box = j >= 0 ? &m_engine.target(j) : nullptr;
    if (j = Label4.indexOf(qobject_cast<QLabel*>(part)); !box && j >= 0)
        box = &m_engine.home(j);
    if (i < 0 || !box)
        return;
    const bool keyboard = part->hasFocus();
    const TwipsRect at = *box;
    putDown(false); // the drop names it where it lands
    // Exactly a mouse release with the item's corner on the box's corner.
    m_engine.moveItem(i, at.left, at.top);
    Label2_MouseUp(i);
    if (keyboard)
        Label2(i)->setFocus(Qt::OtherFocusReason);
}

QString ActivityScreen::boxPhrase(int j, BoxWords words) const
{
    // Whole phrases, so a language can join "in" and "placed" to the box as its grammar needs.
    const QString& name = m_definition.items[j].boxName;
    if (!name.isEmpty()) {
        switch (words) {
        case BoxWords::In: return tr("in the box for %1").arg(name);
        case BoxWords::PlacedIn: return tr("placed in the box for %1").arg(name);
        }
    }
    const int number = m_boxNumber[j];
    const int count = m_engine.count();
    switch (words) {
    case BoxWords::In: return tr("in box %1 of %2").arg(number).arg(count);
    case BoxWords::PlacedIn: return tr("placed in box %1 of %2").arg(number).arg(count);
    }
    return {};
}

namespace {

// An item's text with where it is, read as one phrase: a full stop that ends the text gives
// way to the comma ("The winds spin, not placed"); a question or exclamation mark stays and
// starts a new sentence.
QString itemPhrase(const QString& text, const QString& where)
{
    QString stem = text.trimmed();
    while (stem.endsWith(u'.') || stem.endsWith(u',') || stem.endsWith(u';') || stem.endsWith(u':'))
        stem.chop(1);
    if (stem.endsWith(u'?') || stem.endsWith(u'!'))
        return stem + u' ' + where.left(1).toUpper() + where.mid(1);
    return stem + QStringLiteral(", ") + where;
}

} // namespace

void ActivityScreen::nameParts(int moved)
{
    const int n = m_engine.count();
    for (int i = 0; i < n; ++i) {
        const TwipsRect& item = m_engine.item(i);
        QString where = tr("not placed");
        int box = -1;
        for (int j = 0; j < n; ++j) {
            if (item.left == m_engine.target(j).left && item.top == m_engine.target(j).top)
                box = j;
        }
        if (box >= 0)
            where = boxPhrase(box, BoxWords::In);
        if (i == m_held) {
            where = tr("picked up");
            box = -1;
        }
        const QString name = itemPhrase(Label2(i)->text(), where);
        if (Label2(i)->accessibleName() != name)
            Label2(i)->setAccessibleName(name);
        // The item just picked up or put somewhere is said at once, wherever the focus is.
        if (i == moved) {
            const QString heard = box >= 0 ? itemPhrase(Label2(i)->text(), boxPhrase(box, BoxWords::PlacedIn)) : name;
            announce(heard);
            Q_EMIT announced(heard);
        }
    }
}

} // namespace bs
