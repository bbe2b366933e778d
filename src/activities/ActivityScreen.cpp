#include "activities/ActivityScreen.h"

#include "activities/ActivityDefinition.h"
#include "app/LabelButton.h"
#include "app/Layout.h"
#include "app/Program.h"
#include "app/Screens.h"
#include "app/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <stdexcept>

namespace bs {

namespace {

const QColor black(0, 0, 0);
const QColor yellow(255, 255, 0);
const QString thudCue = QStringLiteral("wav\\thud3.wav");
const QString clickCue = QStringLiteral("wav\\click.wav");
const QString resultsScreen = QStringLiteral("Welldone");

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

// An empty bordered box that shows only its outline: target boxes and home slots.
QLabel* makeOutline(QWidget* parent, const QString& name, const QRect& twips)
{
    QLabel* box = makeLabel(parent, name, QString(), twips, QFont(), yellow);
    setLabelBorder(box, true);
    return box;
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
        QLabel* target = makeOutline(this, element(QStringLiteral("Label1"), i), QRect(item.target, size));
        target->setText(item.text);
        Label1.add(i, target);
        addControl(target->objectName(), target);

        QLabel* home = makeOutline(this, element(QStringLiteral("Label4"), i), QRect(item.start, size));
        Label4.add(i, home);
        addControl(home->objectName(), home);

        const FontSpec& font = m_definition.itemFont;
        QLabel* label = makeLabel(this, element(QStringLiteral("Label2"), i), QStringLiteral("Label2"), QRect(item.start, size),
                                  uiFont(font.family, font.points, font.bold), yellow, Qt::AlignHCenter | Qt::AlignTop);
        setLabelColors(label, yellow, black, true);
        setLabelBorder(label, true);
        label->installEventFilter(this);
        Label2.add(i, label);
        addControl(label->objectName(), label);
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

    const QStringList captions{QStringLiteral("Exit"), QStringLiteral("Start Again"), QStringLiteral("Check Score")};
    const QList<QRect> places{QRect(10560, 7920, 1245, 495), QRect(3360, 7920, 2565, 495), QRect(6000, 7920, 2565, 495)};
    for (int k = 0; k < 3; ++k) {
        LabelButton* button = makeLabelButton(this, element(QStringLiteral("Label3"), k), captions[k], places[k], 15.75);
        connect(button, &LabelButton::clicked, this, [this, k] { Label3_Click(k); });
        connect(button, &LabelButton::mouseMoved, this, [this, k] { Label3_MouseMove(k); });
        Label3.add(k, button);
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
    for (int thud = 0; thud < drop.snaps; ++thud)
        program().playCue(thudCue);
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
        m_engine.reset();
        for (int i = 0; i < m_engine.count(); ++i)
            placeItem(i);
        Label3(2)->hide();
        break;
    case 2:
        state.score = m_engine.score();
        handOverScore();
        break;
    default:
        break;
    }
    program().playCue(clickCue);
}

void ActivityScreen::handOverScore()
{
    // A quiz opened meanwhile from the topic page beneath sets outof to 10: the result must
    // still be out of this activity's items.
    program().state.outof = m_engine.count();
    Screens& screens = program().screens();
    if (!screens.isRegistered(resultsScreen))
        return;
    // The results screen states the score it loads with, so a second check loads it afresh.
    screens.unload(resultsScreen);
    screens.show(resultsScreen);
}

void ActivityScreen::Label3_MouseMove(int Index)
{
    Label3(Index)->setOpaque(true);
}

void ActivityScreen::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    for (int k = 0; k < 3; ++k)
        Label3(k)->setOpaque(false);
}

bool ActivityScreen::eventFilter(QObject* watched, QEvent* event)
{
    const int index = Label2.indexOf(qobject_cast<QLabel*>(watched));
    if (index < 0)
        return Screen::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::MouseButtons held = mouse->buttons();
        const int button = (held & Qt::LeftButton ? DragEngine::LeftButton : 0)
                           | (held & Qt::RightButton ? DragEngine::RightButton : 0)
                           | (held & Qt::MiddleButton ? DragEngine::MiddleButton : 0);
        // Relative to the item's corner in the model, not to the widget's rounded pixels.
        const QPointF pointer = toTwips(mouse->scenePosition());
        const TwipsRect& item = m_engine.item(index);
        Label2_MouseMove(index, button, float(pointer.x()) - item.left, float(pointer.y()) - item.top);
        mouse->accept();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Taken, so that the item holds the pointer until the buttons are released.
        event->accept();
        return true;
    case QEvent::MouseButtonRelease:
        Label2_MouseUp(index);
        event->accept();
        return true;
    default:
        return Screen::eventFilter(watched, event);
    }
}

} // namespace bs
