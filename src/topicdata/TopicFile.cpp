#include "topicdata/TopicFile.h"

#include "base/Names.h"
#include "topicdata/OwnTopic.h"
#include "worksheetdata/Worksheet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace bs {

namespace {

// A refusal's words: a school's own topic refused is told to its teacher in the program's language.
QString tr(const char* text)
{
    return QCoreApplication::translate("bs::TopicFile", text);
}

} // namespace

TopicFileError::TopicFileError(QString file_, QString field_, QString reason_)
    : std::runtime_error((file_ + QStringLiteral(": ") + field_ + QStringLiteral(": ") + reason_).toStdString())
    , file(std::move(file_))
    , field(std::move(field_))
    , reason(std::move(reason_))
{
}

QString TopicFileError::message() const
{
    return field.isEmpty() ? file + QStringLiteral(": ") + reason : tr("%1: field %2: %3").arg(file, field, reason);
}

namespace {

constexpr int FormWidth = 12000;
constexpr int FormHeight = 9000;
constexpr int MaxItems = 12;
constexpr int MaxPictures = 12;
constexpr int MaxLabels = 40;

// Screens of the program whose names a topic file may not take.
const QStringList& programScreens()
{
    static const QStringList names{screenName::menu,    screenName::title,        screenName::backdrop,
                                   screenName::quiz,    screenName::results,      screenName::wrongAnswers,
                                   screenName::wizard,  screenName::catalogue,    screenName::notes,
                                   screenName::guide};
    return names;
}

// Walks one file's JSON, always knowing the path of the field in hand, so that every refusal
// names it.
class Reader
{
public:
    explicit Reader(QString file) : m_file(std::move(file)) {}

    [[noreturn]] void fail(const QString& field, const QString& reason) const
    {
        throw TopicFileError(m_file, field, reason);
    }

    QJsonValue field(const QJsonObject& object, const QString& path, const QString& key, bool required = true) const
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() && required)
            fail(join(path, key), tr("missing"));
        return value;
    }

    static QString join(const QString& path, const QString& key)
    {
        return path.isEmpty() ? key : path + u'.' + key;
    }

    void onlyKnownKeys(const QJsonObject& object, const QString& path, const QStringList& known) const
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!known.contains(it.key()))
                fail(join(path, it.key()), tr("unknown field"));
        }
    }

    QJsonObject object(const QJsonValue& value, const QString& path) const
    {
        if (!value.isObject())
            fail(path, tr("must be an object"));
        return value.toObject();
    }

    QJsonArray array(const QJsonValue& value, const QString& path, int least, int most) const
    {
        if (!value.isArray())
            fail(path, tr("must be a list"));
        const QJsonArray list = value.toArray();
        if (list.size() < least || list.size() > most)
            fail(path, tr("must hold %1 to %2 entries").arg(least).arg(most));
        return list;
    }

    QString text(const QJsonValue& value, const QString& path, int most, bool mayBeEmpty = false) const
    {
        if (!value.isString())
            fail(path, tr("must be text"));
        const QString text = value.toString();
        if (text.isEmpty() && !mayBeEmpty)
            fail(path, tr("must not be empty"));
        if (text.size() > most)
            fail(path, tr("is longer than %1 characters").arg(most));
        for (const QChar c : text) {
            if (c.category() == QChar::Other_Control || c.isSurrogate())
                fail(path, tr("holds a control character"));
        }
        return text;
    }

    double number(const QJsonValue& value, const QString& path, double least, double most) const
    {
        if (!value.isDouble())
            fail(path, tr("must be a number"));
        const double n = value.toDouble();
        if (!std::isfinite(n) || n < least || n > most)
            fail(path, tr("must be from %1 to %2").arg(least).arg(most));
        return n;
    }

    int whole(const QJsonValue& value, const QString& path, int least, int most) const
    {
        const double n = number(value, path, least, most);
        if (n != std::floor(n))
            fail(path, tr("must be a whole number"));
        return int(n);
    }

    bool boolean(const QJsonValue& value, const QString& path) const
    {
        if (!value.isBool())
            fail(path, tr("must be true or false"));
        return value.toBool();
    }

    QPoint point(const QJsonValue& value, const QString& path, int least, int mostX, int mostY) const
    {
        const QJsonArray xy = array(value, path, 2, 2);
        return QPoint(whole(xy[0], path + QStringLiteral("[0]"), least, mostX), whole(xy[1], path + QStringLiteral("[1]"), least, mostY));
    }

    // A box that lies wholly inside the form.
    QRect box(const QJsonValue& value, const QString& path) const
    {
        const QJsonArray list = array(value, path, 4, 4);
        const int left = whole(list[0], path + QStringLiteral("[0]"), 0, FormWidth);
        const int top = whole(list[1], path + QStringLiteral("[1]"), 0, FormHeight);
        const int width = whole(list[2], path + QStringLiteral("[2]"), 1, FormWidth);
        const int height = whole(list[3], path + QStringLiteral("[3]"), 1, FormHeight);
        if (left + width > FormWidth || top + height > FormHeight)
            fail(path, QStringLiteral("runs outside the 12000 x 9000 form"));
        return QRect(left, top, width, height);
    }

    Qt::Alignment alignment(const QJsonValue& value, const QString& path) const
    {
        const QString name = text(value, path, 10);
        if (name == QLatin1String("left"))
            return Qt::AlignLeft;
        if (name == QLatin1String("centre"))
            return Qt::AlignHCenter;
        if (name == QLatin1String("right"))
            return Qt::AlignRight;
        fail(path, QStringLiteral("must be \"left\", \"centre\" or \"right\""));
    }

    QColor colour(const QJsonValue& value, const QString& path) const
    {
        static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QString name = text(value, path, 7);
        if (!hex.match(name).hasMatch())
            fail(path, QStringLiteral("must be a colour \"#RRGGBB\""));
        return QColor::fromString(name);
    }

    FontSpec font(const QJsonValue& value, const QString& path) const
    {
        const QJsonObject object = this->object(value, path);
        onlyKnownKeys(object, path, {QStringLiteral("family"), QStringLiteral("points"), QStringLiteral("bold")});
        FontSpec font;
        font.family = text(field(object, path, QStringLiteral("family")), join(path, QStringLiteral("family")), 40);
        static const QStringList families{QStringLiteral("Tahoma"), QStringLiteral("Times New Roman"),
                                          QStringLiteral("Arial")};
        if (!families.contains(font.family))
            fail(join(path, QStringLiteral("family")), QStringLiteral("must be Tahoma, Times New Roman or Arial"));
        font.points = number(field(object, path, QStringLiteral("points")), join(path, QStringLiteral("points")), 6, 48);
        font.bold = boolean(field(object, path, QStringLiteral("bold")), join(path, QStringLiteral("bold")));
        return font;
    }

    // A form name: letters and digits, starting with a letter.
    QString formName(const QJsonValue& value, const QString& path) const
    {
        static const QRegularExpression pattern(QStringLiteral("^[A-Za-z][A-Za-z0-9]{0,31}$"));
        const QString name = text(value, path, 32);
        if (!pattern.match(name).hasMatch())
            fail(path, QStringLiteral("must be letters and digits, starting with a letter"));
        if (programScreens().contains(name, Qt::CaseInsensitive))
            fail(path, QStringLiteral("names a screen of the program"));
        return name;
    }

    // A content path inside one folder of the program ("Images/x.jpg"), written with "/".
    QString contentPath(const QJsonValue& value, const QString& path, const QString& folder, const QString& suffix = {}) const
    {
        const QString name = text(value, path, 200);
        const QStringList parts = name.split(u'/');
        if (parts.size() < 2 || parts.first().compare(folder, Qt::CaseInsensitive) != 0)
            fail(path, QStringLiteral("must be a file in the %1 folder, as \"%1/name\"").arg(folder));
        for (const QString& part : parts) {
            if (!safeFileName(part))
                fail(path, QStringLiteral("must stay inside the program's folder"));
        }
        if (!suffix.isEmpty() && !name.endsWith(suffix, Qt::CaseInsensitive))
            fail(path, QStringLiteral("must end in %1").arg(suffix));
        return name;
    }

    // The stem of a drawing's file name ("key scilly1"): one name, no folders.
    QString fileStem(const QJsonValue& value, const QString& path) const
    {
        const QString name = text(value, path, 60);
        if (!safeFileName(name))
            fail(path, QStringLiteral("must be a plain file name"));
        return name;
    }

    static bool safeFileName(const QString& name)
    {
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.startsWith(u' ')
            || name.endsWith(u' ') || name.endsWith(u'.'))
            return false;
        static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
        for (const QChar c : name) {
            if (forbidden.contains(c))
                return false;
        }
        return true;
    }

private:
    QString m_file;
};

QString element(const QString& array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

} // namespace

QStringList defaultStacking(const ActivityDefinition& activity)
{
    const int n = int(activity.items.size());
    QStringList names;
    for (int i = n - 1; i >= 0; --i)
        names << element(QStringLiteral("Label2"), i);
    for (int k = 2; k >= 0; --k)
        names << element(QStringLiteral("Label3"), k);
    for (const LabelSpec& label : activity.labels)
        names << label.name;
    if (activity.line)
        names << QStringLiteral("Line1");
    for (int i = 0; i < n; ++i)
        names << element(QStringLiteral("Label1"), i);
    for (int i = 0; i < n; ++i)
        names << element(QStringLiteral("Label4"), i);
    for (int i = 0; i < int(activity.pictures.size()); ++i)
        names << element(QStringLiteral("Image1"), i);
    return names;
}

namespace {

ActivityDefinition readActivity(const Reader& in, const QJsonValue& value, const QString& path, QString& kind)
{
    const QJsonObject object = in.object(value, path);
    in.onlyKnownKeys(object, path,
                     {QStringLiteral("form"), QStringLiteral("kind"), QStringLiteral("itemSize"), QStringLiteral("itemFont"),
                      QStringLiteral("items"), QStringLiteral("pictures"), QStringLiteral("labels"), QStringLiteral("line"),
                      QStringLiteral("stacking")});
    auto at = [&](const QString& key) { return Reader::join(path, key); };
    ActivityDefinition activity;
    activity.formName = in.formName(in.field(object, path, QStringLiteral("form")), at(QStringLiteral("form")));
    kind = in.text(in.field(object, path, QStringLiteral("kind")), at(QStringLiteral("kind")), 20);
    if (kind != QLatin1String("labelling") && kind != QLatin1String("ordering"))
        in.fail(at(QStringLiteral("kind")), QStringLiteral("must be \"labelling\" or \"ordering\""));

    const QString sizePath = at(QStringLiteral("itemSize"));
    const QJsonArray size = in.array(in.field(object, path, QStringLiteral("itemSize")), sizePath, 2, 2);
    activity.itemSize = QSize(in.whole(size[0], sizePath + QStringLiteral("[0]"), 1, FormWidth),
                              in.whole(size[1], sizePath + QStringLiteral("[1]"), 1, FormHeight));
    activity.itemFont = in.font(in.field(object, path, QStringLiteral("itemFont")), at(QStringLiteral("itemFont")));

    const QJsonArray items = in.array(in.field(object, path, QStringLiteral("items")), at(QStringLiteral("items")), 1, MaxItems);
    const QRect form(0, 0, FormWidth, FormHeight);
    for (int i = 0; i < items.size(); ++i) {
        const QString itemPath = at(QStringLiteral("items[%1]").arg(i));
        const QJsonObject item = in.object(items[i], itemPath);
        in.onlyKnownKeys(item, itemPath,
                         {QStringLiteral("text"), QStringLiteral("start"), QStringLiteral("target"), QStringLiteral("box")});
        ActivityItem parsed;
        parsed.text = in.text(in.field(item, itemPath, QStringLiteral("text")), Reader::join(itemPath, QStringLiteral("text")), 100);
        for (const auto& [key, corner] : {std::pair{QStringLiteral("start"), &ActivityItem::start},
                                          std::pair{QStringLiteral("target"), &ActivityItem::target}}) {
            const QString pointPath = Reader::join(itemPath, key);
            parsed.*corner = in.point(in.field(item, itemPath, key), pointPath, 0, FormWidth, FormHeight);
            if (!form.contains(QRect(parsed.*corner, activity.itemSize)))
                in.fail(pointPath, QStringLiteral("puts the box outside the 12000 x 9000 form"));
        }
        const QJsonValue boxName = in.field(item, itemPath, QStringLiteral("box"), false);
        if (!boxName.isUndefined())
            parsed.boxName = in.text(boxName, Reader::join(itemPath, QStringLiteral("box")), 300);
        activity.items.push_back(parsed);
    }

    const QJsonValue pictures = in.field(object, path, QStringLiteral("pictures"), false);
    if (!pictures.isUndefined()) {
        const QJsonArray list = in.array(pictures, at(QStringLiteral("pictures")), 0, MaxPictures);
        for (int i = 0; i < list.size(); ++i) {
            const QString picturePath = at(QStringLiteral("pictures[%1]").arg(i));
            const QJsonObject picture = in.object(list[i], picturePath);
            in.onlyKnownKeys(picture, picturePath, {QStringLiteral("path"), QStringLiteral("at")});
            const QString file = in.contentPath(in.field(picture, picturePath, QStringLiteral("path")),
                                                Reader::join(picturePath, QStringLiteral("path")), QStringLiteral("Images"));
            // A map may start left of or above the form; it still has to be on the form somewhere.
            const QPoint topLeft = in.point(in.field(picture, picturePath, QStringLiteral("at")),
                                            Reader::join(picturePath, QStringLiteral("at")), -FormWidth, FormWidth - 1,
                                            FormHeight - 1);
            activity.pictures.push_back({file, topLeft});
        }
    }

    static const QRegularExpression labelName(QStringLiteral("^Label([0-9]{1,3})(\\(([0-9]{1,3})\\))?$"));
    const QJsonArray labels = in.array(in.field(object, path, QStringLiteral("labels")), at(QStringLiteral("labels")), 1, MaxLabels);
    QSet<QString> names;
    for (int i = 0; i < labels.size(); ++i) {
        const QString labelPath = at(QStringLiteral("labels[%1]").arg(i));
        const QJsonObject label = in.object(labels[i], labelPath);
        in.onlyKnownKeys(label, labelPath,
                         {QStringLiteral("name"), QStringLiteral("caption"), QStringLiteral("box"), QStringLiteral("font"),
                          QStringLiteral("color"), QStringLiteral("align")});
        auto labelAt = [&](const QString& key) { return Reader::join(labelPath, key); };
        LabelSpec spec;
        spec.name = in.text(in.field(label, labelPath, QStringLiteral("name")), labelAt(QStringLiteral("name")), 20);
        const QRegularExpressionMatch match = labelName.match(spec.name);
        if (!match.hasMatch())
            in.fail(labelAt(QStringLiteral("name")), QStringLiteral("must be Label<n> or Label<n>(<k>)"));
        const int number = match.captured(1).toInt();
        if (number >= 1 && number <= 4)
            in.fail(labelAt(QStringLiteral("name")), QStringLiteral("Label1 to Label4 are the items, boxes, slots and buttons"));
        if (names.contains(spec.name))
            in.fail(labelAt(QStringLiteral("name")), QStringLiteral("repeats %1").arg(spec.name));
        names.insert(spec.name);
        spec.caption = in.text(in.field(label, labelPath, QStringLiteral("caption")), labelAt(QStringLiteral("caption")), 300, true);
        spec.twips = in.box(in.field(label, labelPath, QStringLiteral("box")), labelAt(QStringLiteral("box")));
        spec.font = in.font(in.field(label, labelPath, QStringLiteral("font")), labelAt(QStringLiteral("font")));
        spec.color = in.colour(in.field(label, labelPath, QStringLiteral("color")), labelAt(QStringLiteral("color")));
        spec.alignment = in.alignment(in.field(label, labelPath, QStringLiteral("align")), labelAt(QStringLiteral("align")));
        activity.labels.push_back(spec);
    }
    if (!names.contains(QStringLiteral("Label6")))
        in.fail(at(QStringLiteral("labels")), QStringLiteral("must include the heading, Label6"));

    const QJsonValue line = in.field(object, path, QStringLiteral("line"), false);
    if (!line.isUndefined()) {
        const QString linePath = at(QStringLiteral("line"));
        const QJsonObject spec = in.object(line, linePath);
        in.onlyKnownKeys(spec, linePath,
                         {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("color"), QStringLiteral("width")});
        LineSpec parsed;
        parsed.from = in.point(in.field(spec, linePath, QStringLiteral("from")), Reader::join(linePath, QStringLiteral("from")),
                               0, FormWidth, FormHeight);
        parsed.to = in.point(in.field(spec, linePath, QStringLiteral("to")), Reader::join(linePath, QStringLiteral("to")), 0,
                             FormWidth, FormHeight);
        parsed.color = in.colour(in.field(spec, linePath, QStringLiteral("color")), Reader::join(linePath, QStringLiteral("color")));
        parsed.widthPixels = in.whole(in.field(spec, linePath, QStringLiteral("width")),
                                      Reader::join(linePath, QStringLiteral("width")), 1, 10);
        activity.line = parsed;
    }

    const QStringList usual = defaultStacking(activity);
    const QJsonValue stacking = in.field(object, path, QStringLiteral("stacking"), false);
    if (!stacking.isUndefined()) {
        const QString stackPath = at(QStringLiteral("stacking"));
        const QJsonArray list = in.array(stacking, stackPath, 0, int(usual.size()));
        for (int i = 0; i < list.size(); ++i) {
            const QString name = in.text(list[i], stackPath + QStringLiteral("[%1]").arg(i), 20);
            if (!usual.contains(name))
                in.fail(stackPath + QStringLiteral("[%1]").arg(i), QStringLiteral("%1 is not a control of this activity").arg(name));
            if (activity.stacking.contains(name))
                in.fail(stackPath + QStringLiteral("[%1]").arg(i), QStringLiteral("repeats %1").arg(name));
            activity.stacking << name;
        }
    }
    for (const QString& name : usual) {
        if (!activity.stacking.contains(name))
            activity.stacking << name;
    }
    return activity;
}

QJsonObject fileObject(const Reader& in, const QByteArray& bytes)
{
    if (bytes.size() > MaxTopicFileBytes)
        in.fail(QString(), tr("is larger than a topic file can be"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        in.fail(QString(), tr("is not JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        in.fail(QString(), tr("must hold one object"));
    return document.object();
}

// One activity of a variant laid over its English: the item font, the items' texts and box
// names by position, the labels' captions and fonts by name.
void applyActivityVariant(const Reader& in, const QJsonObject& object, const QString& path, ActivityDefinition& activity)
{
    auto at = [&](const QString& key) { return Reader::join(path, key); };
    in.onlyKnownKeys(object, path,
                     {QStringLiteral("form"), QStringLiteral("itemFont"), QStringLiteral("items"), QStringLiteral("pictures"),
                      QStringLiteral("labels")});
    const QJsonValue font = in.field(object, path, QStringLiteral("itemFont"), false);
    if (!font.isUndefined())
        activity.itemFont = in.font(font, at(QStringLiteral("itemFont")));
    const QJsonValue items = in.field(object, path, QStringLiteral("items"), false);
    if (!items.isUndefined()) {
        const int count = int(activity.items.size());
        const QJsonArray list = in.array(items, at(QStringLiteral("items")), count, count);
        for (int i = 0; i < count; ++i) {
            const QString itemPath = at(QStringLiteral("items[%1]").arg(i));
            const QJsonObject item = in.object(list[i], itemPath);
            in.onlyKnownKeys(item, itemPath, {QStringLiteral("text"), QStringLiteral("box")});
            const QJsonValue text = in.field(item, itemPath, QStringLiteral("text"), false);
            if (!text.isUndefined())
                activity.items[i].text = in.text(text, Reader::join(itemPath, QStringLiteral("text")), 100);
            const QJsonValue boxName = in.field(item, itemPath, QStringLiteral("box"), false);
            if (!boxName.isUndefined())
                activity.items[i].boxName = in.text(boxName, Reader::join(itemPath, QStringLiteral("box")), 300);
        }
    }
    // A map whose key has words: the language's own drawing, in the English one's place.
    const QJsonValue pictures = in.field(object, path, QStringLiteral("pictures"), false);
    if (!pictures.isUndefined()) {
        const int count = int(activity.pictures.size());
        const QJsonArray list = in.array(pictures, at(QStringLiteral("pictures")), count, count);
        for (int i = 0; i < count; ++i) {
            const QString picturePath = at(QStringLiteral("pictures[%1]").arg(i));
            const QJsonObject picture = in.object(list[i], picturePath);
            in.onlyKnownKeys(picture, picturePath, {QStringLiteral("path")});
            activity.pictures[i].path = in.contentPath(in.field(picture, picturePath, QStringLiteral("path")),
                                                       Reader::join(picturePath, QStringLiteral("path")), QStringLiteral("Images"));
        }
    }
    const QJsonValue labels = in.field(object, path, QStringLiteral("labels"), false);
    if (labels.isUndefined())
        return;
    const QJsonArray list = in.array(labels, at(QStringLiteral("labels")), 0, int(activity.labels.size()));
    QSet<QString> names;
    for (int i = 0; i < list.size(); ++i) {
        const QString labelPath = at(QStringLiteral("labels[%1]").arg(i));
        const QJsonObject label = in.object(list[i], labelPath);
        in.onlyKnownKeys(label, labelPath, {QStringLiteral("name"), QStringLiteral("caption"), QStringLiteral("font")});
        const QString namePath = Reader::join(labelPath, QStringLiteral("name"));
        const QString name = in.text(in.field(label, labelPath, QStringLiteral("name")), namePath, 20);
        const auto english = std::find_if(activity.labels.begin(), activity.labels.end(),
                                          [&](const LabelSpec& spec) { return spec.name == name; });
        if (english == activity.labels.end())
            in.fail(namePath, QStringLiteral("%1 is not a label of the English activity").arg(name));
        if (names.contains(name))
            in.fail(namePath, QStringLiteral("repeats %1").arg(name));
        names.insert(name);
        const QJsonValue caption = in.field(label, labelPath, QStringLiteral("caption"), false);
        if (!caption.isUndefined())
            english->caption = in.text(caption, Reader::join(labelPath, QStringLiteral("caption")), 300, true);
        const QJsonValue labelFont = in.field(label, labelPath, QStringLiteral("font"), false);
        if (!labelFont.isUndefined())
            english->font = in.font(labelFont, Reader::join(labelPath, QStringLiteral("font")));
    }
}

} // namespace

Topic readTopicVariant(const QByteArray& bytes, const QString& fileName, const std::vector<Topic>& english)
{
    const Reader in(fileName);
    const QJsonObject object = fileObject(in, bytes);
    in.onlyKnownKeys(object, QString(),
                     {QStringLiteral("form"), QStringLiteral("title"), QStringLiteral("titleBox"),
                      QStringLiteral("titleAlign"), QStringLiteral("worksheet"), QStringLiteral("keyFacts"),
                      QStringLiteral("notes"), QStringLiteral("activities")});
    auto get = [&](const QString& key) { return in.field(object, QString(), key, false); };
    const QString form = in.formName(in.field(object, QString(), QStringLiteral("form")), QStringLiteral("form"));
    const auto base = std::find_if(english.begin(), english.end(), [&](const Topic& t) { return t.formName == form; });
    if (base == english.end())
        in.fail(QStringLiteral("form"), QStringLiteral("%1 is not a topic file").arg(form));
    Topic topic = *base;
    if (const QJsonValue v = get(QStringLiteral("title")); !v.isUndefined())
        topic.title = in.text(v, QStringLiteral("title"), 60);
    if (const QJsonValue v = get(QStringLiteral("titleBox")); !v.isUndefined())
        topic.titleTwips = in.box(v, QStringLiteral("titleBox"));
    if (const QJsonValue v = get(QStringLiteral("titleAlign")); !v.isUndefined())
        topic.titleAlignment = in.alignment(v, QStringLiteral("titleAlign"));
    if (const QJsonValue v = get(QStringLiteral("worksheet")); !v.isUndefined())
        topic.worksheet = in.contentPath(v, QStringLiteral("worksheet"), QStringLiteral("multiple"), QStringLiteral(".txt"));
    if (const QJsonValue v = get(QStringLiteral("keyFacts")); !v.isUndefined())
        topic.keyFactsKey = in.fileStem(v, QStringLiteral("keyFacts"));
    if (const QJsonValue v = get(QStringLiteral("notes")); !v.isUndefined())
        topic.notesKey = in.fileStem(v, QStringLiteral("notes"));
    if (const QJsonValue v = get(QStringLiteral("activities")); !v.isUndefined()) {
        const QJsonArray list = in.array(v, QStringLiteral("activities"), 0, int(topic.activities.size()));
        QSet<QString> given;
        for (int i = 0; i < list.size(); ++i) {
            const QString path = QStringLiteral("activities[%1]").arg(i);
            const QJsonObject activity = in.object(list[i], path);
            const QString formPath = Reader::join(path, QStringLiteral("form"));
            const QString name = in.text(in.field(activity, path, QStringLiteral("form")), formPath, 32);
            const auto match = std::find_if(topic.activities.begin(), topic.activities.end(),
                                            [&](const ActivityDefinition& a) { return a.formName == name; });
            if (match == topic.activities.end())
                in.fail(formPath, QStringLiteral("%1 is not an activity of %2").arg(name, base->fileName));
            if (given.contains(name))
                in.fail(formPath, QStringLiteral("repeats %1").arg(name));
            given.insert(name);
            applyActivityVariant(in, activity, path, *match);
        }
    }
    return topic;
}

Topic readTopicFile(const QByteArray& bytes, const QString& fileName)
{
    const Reader in(fileName);
    const QJsonObject object = fileObject(in, bytes);
    in.onlyKnownKeys(object, QString(),
                     {QStringLiteral("form"), QStringLiteral("place"), QStringLiteral("topic"), QStringLiteral("title"),
                      QStringLiteral("titleBox"), QStringLiteral("titleAlign"), QStringLiteral("panorama"),
                      QStringLiteral("panoramaTop"), QStringLiteral("frameTop"), QStringLiteral("scrollWidth"),
                      QStringLiteral("worksheet"), QStringLiteral("quizPicture"), QStringLiteral("keyFacts"),
                      QStringLiteral("notes"), QStringLiteral("labelling"), QStringLiteral("ordering"),
                      QStringLiteral("activities")});
    auto get = [&](const QString& key, bool required = true) { return in.field(object, QString(), key, required); };

    Topic topic;
    topic.fileName = fileName;
    topic.formName = in.formName(get(QStringLiteral("form")), QStringLiteral("form"));
    topic.place = in.text(get(QStringLiteral("place")), QStringLiteral("place"), 40);
    if (!menuPlaces().contains(topic.place))
        in.fail(QStringLiteral("place"), QStringLiteral("must be one of: %1").arg(menuPlaces().join(QStringLiteral(", "))));
    topic.topic = in.text(get(QStringLiteral("topic")), QStringLiteral("topic"), 40);
    if (!menuTopics().contains(topic.topic))
        in.fail(QStringLiteral("topic"), QStringLiteral("must be one of: %1").arg(menuTopics().join(QStringLiteral(", "))));
    topic.title = in.text(get(QStringLiteral("title")), QStringLiteral("title"), 60);
    topic.titleTwips = in.box(get(QStringLiteral("titleBox")), QStringLiteral("titleBox"));
    topic.titleAlignment = in.alignment(get(QStringLiteral("titleAlign")), QStringLiteral("titleAlign"));
    topic.panorama = in.contentPath(get(QStringLiteral("panorama")), QStringLiteral("panorama"), QStringLiteral("Images"));
    topic.imageTop = in.whole(get(QStringLiteral("panoramaTop")), QStringLiteral("panoramaTop"), 0, FormHeight - 1);
    topic.frameTop = in.whole(get(QStringLiteral("frameTop")), QStringLiteral("frameTop"), 0, FormHeight - 540);
    topic.scrollWidth = in.whole(get(QStringLiteral("scrollWidth")), QStringLiteral("scrollWidth"), 1, FormWidth - 3120);
    topic.worksheet = in.contentPath(get(QStringLiteral("worksheet")), QStringLiteral("worksheet"), QStringLiteral("multiple"),
                                     QStringLiteral(".txt"));
    topic.quizPicture = in.contentPath(get(QStringLiteral("quizPicture")), QStringLiteral("quizPicture"), QStringLiteral("Images"));
    topic.keyFactsKey = in.fileStem(get(QStringLiteral("keyFacts")), QStringLiteral("keyFacts"));
    topic.notesKey = in.fileStem(get(QStringLiteral("notes")), QStringLiteral("notes"));

    const QJsonArray activities = in.array(get(QStringLiteral("activities")), QStringLiteral("activities"), 0, 8);
    QStringList kinds;
    for (int i = 0; i < activities.size(); ++i) {
        QString kind;
        ActivityDefinition activity = readActivity(in, activities[i], QStringLiteral("activities[%1]").arg(i), kind);
        const bool repeated = activity.formName == topic.formName
                              || std::any_of(topic.activities.begin(), topic.activities.end(),
                                             [&](const ActivityDefinition& other) { return other.formName == activity.formName; });
        if (repeated)
            in.fail(QStringLiteral("activities[%1].form").arg(i), QStringLiteral("repeats %1").arg(activity.formName));
        topic.activities.push_back(std::move(activity));
        kinds << kind;
    }
    for (const auto& [key, member] : {std::pair{QStringLiteral("labelling"), &Topic::labelling},
                                      std::pair{QStringLiteral("ordering"), &Topic::ordering}}) {
        const QJsonValue value = get(key, false);
        if (value.isUndefined())
            continue;
        const QString name = in.text(value, key, 32);
        int found = -1;
        for (int i = 0; i < int(topic.activities.size()); ++i) {
            if (topic.activities[i].formName == name)
                found = i;
        }
        if (found < 0)
            in.fail(key, QStringLiteral("names no activity of this file"));
        if (kinds[found] != key)
            in.fail(key, QStringLiteral("names an activity of another kind"));
        topic.*member = name;
    }
    return topic;
}

} // namespace bs

namespace bs {

namespace {

TextPage readTextPage(const Reader& in, const QJsonValue& value, const QString& path)
{
    const QJsonObject object = in.object(value, path);
    in.onlyKnownKeys(object, path, {QStringLiteral("heading"), QStringLiteral("paragraphs"), QStringLiteral("didYouKnow")});
    TextPage page;
    page.heading = in.text(in.field(object, path, QStringLiteral("heading")), Reader::join(path, QStringLiteral("heading")),
                           owntopic::MaxHeading);
    const QString list = Reader::join(path, QStringLiteral("paragraphs"));
    const QJsonArray paragraphs = in.array(in.field(object, path, QStringLiteral("paragraphs")), list, 1, owntopic::MaxParagraphs);
    for (int i = 0; i < paragraphs.size(); ++i)
        page.paragraphs << in.text(paragraphs[i], QStringLiteral("%1[%2]").arg(list).arg(i), owntopic::MaxParagraph);
    const QJsonValue box = in.field(object, path, QStringLiteral("didYouKnow"), false);
    if (!box.isUndefined())
        page.didYouKnow = in.text(box, Reader::join(path, QStringLiteral("didYouKnow")), owntopic::MaxDidYouKnow);
    return page;
}

// A picture beside the topic file, named after its title as the kind says.
QString ownPicture(const Reader& in, const QJsonValue& value, const QString& path, const QString& title,
                   QString (*nameFor)(const QString&, const QString&))
{
    const QString name = in.text(value, path, 200);
    if (name != nameFor(title, QStringLiteral("jpg")) && name != nameFor(title, QStringLiteral("png")))
        in.fail(path, tr("must be “%1” or “%2”")
                          .arg(nameFor(title, QStringLiteral("jpg")), nameFor(title, QStringLiteral("png"))));
    return name;
}

OwnLabelling readOwnLabelling(const Reader& in, const QJsonValue& value, const QString& title)
{
    const QString path = QStringLiteral("labelling");
    const QJsonObject object = in.object(value, path);
    in.onlyKnownKeys(object, path, {QStringLiteral("picture"), QStringLiteral("instruction"), QStringLiteral("labels")});
    OwnLabelling labelling;
    labelling.picture = ownPicture(in, in.field(object, path, QStringLiteral("picture")), QStringLiteral("labelling.picture"),
                                   title, owntopic::pictureName);
    labelling.instruction = in.text(in.field(object, path, QStringLiteral("instruction")), QStringLiteral("labelling.instruction"),
                                    owntopic::MaxInstruction);
    const QJsonArray labels = in.array(in.field(object, path, QStringLiteral("labels")), QStringLiteral("labelling.labels"),
                                       owntopic::MinLabels, owntopic::MaxLabels);
    const QSize area = owntopic::PictureArea.size();
    for (int i = 0; i < labels.size(); ++i) {
        const QString at = QStringLiteral("labelling.labels[%1]").arg(i);
        const QJsonObject label = in.object(labels[i], at);
        in.onlyKnownKeys(label, at, {QStringLiteral("text"), QStringLiteral("at")});
        OwnLabel own;
        own.text = in.text(in.field(label, at, QStringLiteral("text")), Reader::join(at, QStringLiteral("text")), owntopic::MaxLabelText);
        own.at = in.point(in.field(label, at, QStringLiteral("at")), Reader::join(at, QStringLiteral("at")), 0,
                          area.width() - owntopic::LabelBox.width(), area.height() - owntopic::LabelBox.height());
        const QRect box(own.at, owntopic::LabelBox);
        for (int j = 0; j < int(labelling.labels.size()); ++j) {
            if (box.intersects(QRect(labelling.labels[j].at, owntopic::LabelBox)))
                in.fail(Reader::join(at, QStringLiteral("at")), tr("overlaps the box of label %1").arg(j + 1));
            if (labelling.labels[j].text == own.text)
                in.fail(Reader::join(at, QStringLiteral("text")), tr("repeats label %1").arg(j + 1));
        }
        labelling.labels.push_back(own);
    }
    return labelling;
}

OwnOrdering readOwnOrdering(const Reader& in, const QJsonValue& value)
{
    const QString path = QStringLiteral("ordering");
    const QJsonObject object = in.object(value, path);
    in.onlyKnownKeys(object, path, {QStringLiteral("instruction"), QStringLiteral("items")});
    OwnOrdering ordering;
    ordering.instruction = in.text(in.field(object, path, QStringLiteral("instruction")), QStringLiteral("ordering.instruction"),
                                   owntopic::MaxInstruction);
    const QJsonArray items = in.array(in.field(object, path, QStringLiteral("items")), QStringLiteral("ordering.items"),
                                      owntopic::MinItems, owntopic::MaxItems);
    for (int i = 0; i < items.size(); ++i) {
        const QString at = QStringLiteral("ordering.items[%1]").arg(i);
        const QString item = in.text(items[i], at, owntopic::MaxItemText);
        if (ordering.items.contains(item))
            in.fail(at, tr("repeats item %1").arg(ordering.items.indexOf(item) + 1));
        ordering.items << item;
    }
    return ordering;
}

} // namespace

OwnTopic readOwnTopicFile(const QByteArray& bytes, const QString& fileName)
{
    const Reader in(fileName);
    const QJsonObject object = fileObject(in, bytes);
    // The format first: a later version's file is refused as such, whatever else it holds.
    const QJsonValue format = in.field(object, QString(), QStringLiteral("format"));
    if (format.isDouble() && format.toDouble() > owntopic::Format)
        in.fail(QStringLiteral("format"), tr("was written by a later version of the program"));
    in.whole(format, QStringLiteral("format"), 1, owntopic::Format);
    in.onlyKnownKeys(object, QString(),
                     {QStringLiteral("format"), QStringLiteral("title"), QStringLiteral("language"), QStringLiteral("panorama"),
                      QStringLiteral("keyFacts"), QStringLiteral("notes"), QStringLiteral("worksheet"),
                      QStringLiteral("labelling"), QStringLiteral("ordering")});
    auto get = [&](const QString& key, bool required = true) { return in.field(object, QString(), key, required); };

    OwnTopic topic;
    topic.title = in.text(get(QStringLiteral("title")), QStringLiteral("title"), owntopic::MaxTitle);
    const QString titleProblem = bs::titleProblem(topic.title);
    if (!titleProblem.isEmpty())
        in.fail(QStringLiteral("title"), titleProblem);
    if (QFileInfo(fileName).fileName() != owntopic::fileName(topic.title))
        in.fail(QStringLiteral("title"), tr("does not match the file's name (the file must be “%1”)")
                                             .arg(owntopic::fileName(topic.title)));
    if (const QJsonValue language = get(QStringLiteral("language"), false); !language.isUndefined()) {
        topic.language = in.text(language, QStringLiteral("language"), 2);
        if (topic.language != QLatin1String("en") && topic.language != QLatin1String("cy"))
            in.fail(QStringLiteral("language"), tr("must be \"en\" or \"cy\""));
    }
    topic.panorama = ownPicture(in, get(QStringLiteral("panorama")), QStringLiteral("panorama"), topic.title, owntopic::panoramaName);
    if (const QJsonValue pages = get(QStringLiteral("keyFacts"), false); !pages.isUndefined()) {
        const QJsonArray list = in.array(pages, QStringLiteral("keyFacts"), 2, 2);
        for (int i = 0; i < list.size(); ++i)
            topic.keyFacts.push_back(readTextPage(in, list[i], QStringLiteral("keyFacts[%1]").arg(i)));
    }
    if (const QJsonValue notes = get(QStringLiteral("notes"), false); !notes.isUndefined())
        topic.notes = readTextPage(in, notes, QStringLiteral("notes"));
    if (const QJsonValue worksheet = get(QStringLiteral("worksheet"), false); !worksheet.isUndefined()) {
        topic.worksheet = in.text(worksheet, QStringLiteral("worksheet"), owntopic::MaxTitle);
        const QString problem = bs::titleProblem(topic.worksheet);
        if (!problem.isEmpty())
            in.fail(QStringLiteral("worksheet"), problem);
    }
    if (const QJsonValue labelling = get(QStringLiteral("labelling"), false); !labelling.isUndefined())
        topic.labelling = readOwnLabelling(in, labelling, topic.title);
    if (const QJsonValue ordering = get(QStringLiteral("ordering"), false); !ordering.isUndefined())
        topic.ordering = readOwnOrdering(in, ordering);
    return topic;
}

} // namespace bs
