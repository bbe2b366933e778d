#include "activities/ActivityDefinition.h"

namespace bs {

namespace {

const QColor yellow(255, 255, 0);
const QColor green(0, 255, 0);
const QColor cyan(128, 255, 255);

const QString tahoma = QStringLiteral("Tahoma");
const QString times = QStringLiteral("Times New Roman");

const FontSpec headingFont{times, 24, false};
const FontSpec instructionFont{times, 15.75, false};

LabelSpec heading(const QString& caption, const QRect& twips)
{
    return {QStringLiteral("Label6"), caption, twips, headingFont, yellow, Qt::AlignHCenter};
}

// "Label2(5)", "Label2(4)", ... "Label2(0)": the elements of an array from one index to another.
QStringList elements(const QString& array, int from, int to)
{
    QStringList names;
    const int step = from <= to ? 1 : -1;
    for (int i = from;; i += step) {
        names << QStringLiteral("%1(%2)").arg(array).arg(i);
        if (i == to)
            break;
    }
    return names;
}

// The order shared by the two labelling screens and the plant screen: whatever stands in
// front, then the buttons, items, home slot 0, "Exit", the boxes, the other slots, the pictures.
QStringList labellingStack(const QStringList& front, int n, int pictures)
{
    return QStringList(front) << elements(QStringLiteral("Label3"), 2, 1) << elements(QStringLiteral("Label2"), n - 1, 0)
                              << QStringLiteral("Label4(0)") << QStringLiteral("Label3(0)")
                              << elements(QStringLiteral("Label1"), 0, n - 1) << elements(QStringLiteral("Label4"), n - 1, 1)
                              << elements(QStringLiteral("Image1"), 0, pictures - 1);
}

ActivityDefinition scilly1lab()
{
    ActivityDefinition d;
    d.formName = QStringLiteral("scilly1lab");
    d.itemSize = QSize(1845, 375);
    d.itemFont = {tahoma, 11.25, true};
    d.items = {
        {QStringLiteral("Isles of Scilly"), {9240, 6240}, {120, 7560}},
        {QStringLiteral("Devon"), {9240, 7200}, {5400, 4200}},
        {QStringLiteral("Dorset"), {7320, 7200}, {8880, 4320}},
        {QStringLiteral("Somerset"), {7320, 6240}, {7560, 3000}},
        {QStringLiteral("Cornwall"), {9240, 6720}, {2880, 5640}},
        {QStringLiteral("Atlantic Ocean"), {7320, 6720}, {600, 3000}},
    };
    d.pictures = {{QStringLiteral("Images\\south coast.jpg"), {0, -720}}};
    d.labels = {
        {QStringLiteral("Label7"), QStringLiteral("Label the South West region of England."), QRect(7560, 5520, 3345, 705),
         instructionFont, yellow, Qt::AlignHCenter},
        heading(QStringLiteral("Isles of Scilly: History"), QRect(120, 120, 2985, 1065)),
    };
    d.stacking = labellingStack({QStringLiteral("Label7"), QStringLiteral("Label6")}, 6, 1);
    return d;
}

ActivityDefinition scilly2lab()
{
    ActivityDefinition d;
    d.formName = QStringLiteral("scilly2lab");
    d.itemSize = QSize(1845, 375);
    d.itemFont = {tahoma, 11.25, true};
    d.items = {
        {QStringLiteral("Bryher"), {9240, 5880}, {480, 2700}},
        {QStringLiteral("St Mary's"), {9240, 6840}, {3720, 4680}},
        {QStringLiteral("St Agnes"), {7320, 6840}, {1320, 7080}},
        {QStringLiteral("St Martin's"), {7320, 5880}, {4440, 1200}},
        {QStringLiteral("Tresco"), {9240, 6360}, {2760, 2640}},
        {QStringLiteral("Atlantic Ocean"), {7320, 6360}, {8520, 2880}},
    };
    d.pictures = {{QStringLiteral("Images\\scilly.jpg"), {-360, -120}}};
    d.labels = {
        {QStringLiteral("Label7"), QStringLiteral("Label the main islands of the Isles of Scilly."),
         QRect(7320, 5160, 3825, 705), instructionFont, yellow, Qt::AlignHCenter},
        heading(QStringLiteral("Isles of Scilly: Physical Geography"), QRect(5160, 120, 6705, 705)),
    };
    d.stacking = labellingStack({QStringLiteral("Label7"), QStringLiteral("Label6")}, 6, 1);
    return d;
}

ActivityDefinition scilly1ord()
{
    ActivityDefinition d;
    d.formName = QStringLiteral("scilly1ord");
    d.itemSize = QSize(4035, 675);
    d.itemFont = {tahoma, 11.25, true};
    d.items = {
        {QStringLiteral("The islands became part of the Duchy of Cornwall."), {6000, 6480}, {7560, 1920},
         QStringLiteral("14th century")},
        // 70 characters: the lease of 1571.
        {QStringLiteral("Queen Elizabeth I granted a lease of the islands to Francis Godolphin."), {1920, 6480}, {7560, 3120},
         QStringLiteral("16th century")},
        {QStringLiteral("A Benedictine priory was founded on Tresco."), {6000, 7200}, {7560, 720},
         QStringLiteral("12th century")},
        {QStringLiteral("Shipbuilding became an important occupation on the islands."), {1920, 7200}, {7560, 4560},
         QStringLiteral("19th century")},
    };
    const FontSpec markFont{times, 15.75, false};
    auto mark = [&](const QString& name, const QString& caption, int top) {
        return LabelSpec{name, caption, QRect(5280, top, 2145, 345), markFont, yellow, Qt::AlignRight};
    };
    d.labels = {
        mark(QStringLiteral("Label5"), QStringLiteral("12th century   -"), 840),
        mark(QStringLiteral("Label7"), QStringLiteral("14th century   -"), 2040),
        mark(QStringLiteral("Label10"), QStringLiteral("16th century   -"), 3240),
        mark(QStringLiteral("Label11"), QStringLiteral("19th century   -"), 4680),
        {QStringLiteral("Label8"), QStringLiteral("Put these events into the correct order along the timeline."),
         QRect(360, 4320, 4200, 1905), FontSpec{times, 20.25, false}, green, Qt::AlignHCenter},
        {QStringLiteral("Label9"), QStringLiteral("Drag the labels into the correct boxes."), QRect(240, 7920, 2745, 675),
         FontSpec{tahoma, 12, true}, cyan, Qt::AlignHCenter},
        heading(QStringLiteral("Isles of Scilly: History"), QRect(120, 240, 4905, 945)),
    };
    d.line = LineSpec{{7200, 480}, {7200, 5520}, yellow, 3};
    d.stacking = elements(QStringLiteral("Label2"), 3, 0);
    d.stacking << QStringLiteral("Line1") << QStringLiteral("Label11") << QStringLiteral("Label10") << QStringLiteral("Label7")
               << QStringLiteral("Label9") << QStringLiteral("Label8") << QStringLiteral("Label5") << QStringLiteral("Label6")
               << elements(QStringLiteral("Label3"), 2, 1) << QStringLiteral("Label4(0)") << QStringLiteral("Label3(0)")
               << elements(QStringLiteral("Label1"), 0, 3) << elements(QStringLiteral("Label4"), 3, 1);
    return d;
}

ActivityDefinition scilly2ord()
{
    ActivityDefinition d;
    d.formName = QStringLiteral("scilly2ord");
    d.itemSize = QSize(1875, 495);
    d.itemFont = {tahoma, 15.75, true};
    // Each box is named for a screen reader by the description beside it (Label5 below).
    const QString descriptions[] = {
        QStringLiteral("This is the third largest of the islands. It is the first island that you see as you "
                       "travel to the Isles of Scilly from the mainland."),
        QStringLiteral("This is the smallest community of the Isles of Scilly. In autumn many migratory "
                       "birds use this island as a resting place. "),
        QStringLiteral("This island has a deeply indented coastline. It is only a mile across and a "
                       "community of just 72 people lives here."),
        QStringLiteral("This is the largest island of the group. Most of the population of the Isles of "
                       "Scilly live on this island."),
        QStringLiteral("This is a small private island. The island has an Abbey that is famous for its "
                       "gardens."),
    };
    // The typographic apostrophe, unlike the labelling screen's names.
    d.items = {
        {QStringLiteral(u"St Martin\u2019s"), {3120, 7320}, {9240, 5010}, descriptions[0].trimmed()},
        {QStringLiteral("Bryher"), {6960, 7320}, {9240, 2130}, descriptions[1].trimmed()},
        {QStringLiteral(u"St Mary\u2019s"), {1200, 7320}, {9240, 5970}, descriptions[3].trimmed()},
        {QStringLiteral("Tresco"), {5040, 7320}, {9240, 4050}, descriptions[4].trimmed()},
        {QStringLiteral("St Agnes"), {8880, 7320}, {9240, 3090}, descriptions[2].trimmed()},
    };
    const FontSpec descriptionFont{tahoma, 12.75, true};
    auto description = [&](int k, const QString& caption, const QRect& twips) {
        return LabelSpec{QStringLiteral("Label5(%1)").arg(k), caption, twips, descriptionFont, yellow, Qt::AlignRight};
    };
    d.labels = {
        description(0,
                    QStringLiteral("This is the third largest of the islands. It is the first island that you see as you "
                                   "travel to the Isles of Scilly from the mainland."),
                    QRect(840, 4920, 8355, 675)),
        description(1,
                    QStringLiteral("This is the smallest community of the Isles of Scilly. In autumn many migratory "
                                   "birds use this island as a resting place. "),
                    QRect(960, 2040, 8175, 675)),
        description(2,
                    QStringLiteral("This island has a deeply indented coastline. It is only a mile across and a "
                                   "community of just 72 people lives here."),
                    QRect(1560, 3000, 7575, 735)),
        description(3,
                    QStringLiteral("This is the largest island of the group. Most of the population of the Isles of "
                                   "Scilly live on this island."),
                    QRect(2280, 5880, 6855, 615)),
        description(4,
                    QStringLiteral("This is a small private island. The island has an Abbey that is famous for its "
                                   "gardens."),
                    QRect(3360, 3960, 5775, 615)),
        {QStringLiteral("Label8"), QStringLiteral("Match the descriptions to the correct island."), QRect(0, 1200, 12000, 705),
         FontSpec{times, 20.25, false}, green, Qt::AlignHCenter},
        {QStringLiteral("Label9"), QStringLiteral("Drag the labels into the correct boxes."), QRect(120, 7920, 2625, 585),
         FontSpec{tahoma, 11.25, true}, cyan, Qt::AlignHCenter},
        heading(QStringLiteral("Isles of Scilly: Physical Geography"), QRect(120, 240, 7065, 705)),
    };
    d.stacking = elements(QStringLiteral("Label2"), 4, 0);
    d.stacking << elements(QStringLiteral("Label5"), 0, 4) << elements(QStringLiteral("Label4"), 0, 4)
               << QStringLiteral("Label9") << QStringLiteral("Label6") << elements(QStringLiteral("Label3"), 0, 2)
               << QStringLiteral("Label8") << elements(QStringLiteral("Label1"), 0, 4);
    return d;
}

ActivityDefinition groupingord()
{
    ActivityDefinition d;
    d.formName = QStringLiteral("groupingord");
    d.itemSize = QSize(2115, 375);
    d.itemFont = {tahoma, 9.75, true};
    // The boxes run from the simplest plant on the left to the most complicated on the right.
    d.items = {
        {QStringLiteral("Mosses"), {2160, 6480}, {4920, 5160}},
        {QStringLiteral("Algae"), {4920, 6480}, {120, 5160}},
        {QStringLiteral("Flowering Plants"), {7680, 6480}, {9720, 5160}},
        {QStringLiteral("Lichen"), {6240, 7080}, {2520, 5160}},
        {QStringLiteral("Conifer"), {3480, 7080}, {7320, 5160}},
    };
    d.pictures = {
        {QStringLiteral("Images\\algaesm.jpg"), {0, 3240}},
        {QStringLiteral("Images\\lichensm.jpg"), {2400, 3240}},
        {QStringLiteral("Images\\moss2sm.jpg"), {4800, 3240}},
        {QStringLiteral("Images\\conifersm.jpg"), {7200, 3240}},
        {QStringLiteral("Images\\flowersm.jpg"), {9600, 3240}},
    };
    const FontSpec markFont{times, 24, false};
    d.labels = {
        {QStringLiteral("Label9"), QStringLiteral("Drag the labels into the correct boxes."), QRect(7080, 0, 4785, 345),
         FontSpec{tahoma, 12, true}, cyan, Qt::AlignRight},
        {QStringLiteral("Label8"), QStringLiteral("Order these plants from the simplest to the most complicated"),
         QRect(840, 720, 10200, 1665), FontSpec{times, 36, false}, green, Qt::AlignHCenter},
        {QStringLiteral("Label7"), QStringLiteral("Most Complicated"), QRect(8280, 2640, 3585, 585), markFont, yellow,
         Qt::AlignLeft},
        {QStringLiteral("Label5"), QStringLiteral("Simplest"), QRect(120, 2640, 2145, 585), markFont, yellow, Qt::AlignLeft},
        // No topic page opens this screen, so its heading keeps this caption.
        heading(QStringLiteral("Grouping Plants"), QRect(0, 0, 4425, 705)),
    };
    d.stacking = labellingStack({QStringLiteral("Label9"), QStringLiteral("Label8"), QStringLiteral("Label7"),
                                 QStringLiteral("Label5"), QStringLiteral("Label6")},
                                5, 5);
    return d;
}

} // namespace

const std::vector<ActivityDefinition>& activityDefinitions()
{
    static const std::vector<ActivityDefinition> definitions{scilly1lab(), scilly2lab(), scilly1ord(), scilly2ord(),
                                                             groupingord()};
    return definitions;
}

const ActivityDefinition* activityDefinition(const QString& formName)
{
    for (const ActivityDefinition& definition : activityDefinitions()) {
        if (definition.formName == formName)
            return &definition;
    }
    return nullptr;
}

} // namespace bs
