#include "worksheetdata/Worksheet.h"

#include "base/TextFile.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace bs {

namespace {

// A comma would end the field when read back, so texts store it as "&"; reading turns every
// "&" into a comma.
QString commasStored(QString text)
{
    return text.replace(u',', u'&');
}

QString commasRestored(QString text)
{
    return text.replace(u'&', u',');
}

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// The first character of text that cannot stand on one line of the file, or 0.
char16_t unstorableCharacter(QStringView text)
{
    for (const QChar c : text) {
        if (isControl(c.unicode()) || !textfile::canStore(c.unicode()))
            return c.unicode();
    }
    return 0;
}

QString describe(char16_t c)
{
    if (isControl(c))
        return QCoreApplication::translate("bs::Worksheet", "a control character");
    if (QChar::isSurrogate(c))
        return QCoreApplication::translate("bs::Worksheet", "a character that cannot be saved");
    return QCoreApplication::translate("bs::Worksheet", "the character “%1”, which cannot be saved")
        .arg(QChar(c));
}

QString textProblem(QStringView text, const QString& where)
{
    const char16_t bad = unstorableCharacter(text);
    if (bad == 0)
        return {};
    return QCoreApplication::translate("bs::Worksheet", "%1 contains %2.").arg(where, describe(bad));
}

bool isReservedDeviceName(const QString& title)
{
    // Windows keeps these names (with any extension) for devices, in any letter case.
    QString base = title.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    base = base.toUpper();
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                        QStringLiteral("NUL"), QStringLiteral("CONIN$"),
                                        QStringLiteral("CONOUT$")};
    if (devices.contains(base))
        return true;
    if (base.size() == 4 && (base.startsWith(u"COM") || base.startsWith(u"LPT"))) {
        const QChar last = base[3];
        return (last >= u'0' && last <= u'9') || last == u'\u00B9' || last == u'\u00B2' || last == u'\u00B3';
    }
    return false;
}

} // namespace

void loadworksheet(FieldReader& in, QuestionBank& bank)
{
    // Each entry is replaced only once its field has been read: a short file leaves the rest.
    bank.worktitle = commasRestored(in.readField());
    in.readField();
    for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
        bank.question[n] = commasRestored(in.readField());
        bank.answera[n] = commasRestored(in.readField());
        bank.answerb[n] = commasRestored(in.readField());
        bank.answerc[n] = commasRestored(in.readField());
        bank.answerd[n] = commasRestored(in.readField());
        bank.correct[n] = in.readField();
        in.readField();
    }
}

QString worksheetProblem(const WorksheetText& worksheet)
{
    QString problem = textProblem(worksheet.title, QCoreApplication::translate("bs::Worksheet", "The title"));
    for (int q = 0; q < QuestionBank::QuestionCount && problem.isEmpty(); ++q) {
        const auto& question = worksheet.questions[q];
        const QString number = QString::number(q + 1);
        problem = textProblem(question.text,
                              QCoreApplication::translate("bs::Worksheet", "Question %1").arg(number));
        for (int a = 0; a < 4 && problem.isEmpty(); ++a) {
            problem = textProblem(question.answers[a],
                                  QCoreApplication::translate("bs::Worksheet", "Answer %1 of Question %2")
                                      .arg(QChar(u'A' + a))
                                      .arg(number));
        }
        if (problem.isEmpty() && (question.correct < 1 || question.correct > 4))
            problem =
                QCoreApplication::translate("bs::Worksheet", "Question %1 has no correct answer ticked.")
                    .arg(number);
    }
    return problem;
}

QByteArray worksheetBytes(const WorksheetText& worksheet)
{
    const QString problem = worksheetProblem(worksheet);
    if (!problem.isEmpty())
        throw DataError(problem.toStdString());

    // Windows-1252 as always, unless a text holds a Welsh letter that code page lacks, or the
    // title would open the file with the bytes of the UTF-8 mark ("ï»¿").
    bool utf8 =
        textfile::needsUtf8(worksheet.title) || worksheet.title.startsWith(u"\u00EF\u00BB\u00BF");
    for (const auto& question : worksheet.questions) {
        utf8 = utf8 || textfile::needsUtf8(question.text);
        for (const QString& answer : question.answers)
            utf8 = utf8 || textfile::needsUtf8(answer);
    }
    QByteArray bytes;
    bytes.reserve(4096);
    if (utf8)
        bytes += textfile::Utf8Mark;
    const auto line = [&bytes, utf8](const QString& text) {
        bytes += textfile::encode(text, utf8);
        bytes += "\r\n";
    };
    line(commasStored(worksheet.title));
    line(QStringLiteral(" "));
    for (const auto& question : worksheet.questions) {
        line(commasStored(question.text));
        for (const QString& answer : question.answers)
            line(commasStored(answer));
        line(QString::number(question.correct));
        line(QStringLiteral(" "));
    }
    return bytes;
}

QString titleProblem(const QString& title)
{
    if (title.isEmpty())
        return QCoreApplication::translate("bs::Worksheet", "You have not chosen a title for your worksheet");
    if (title.size() > MaxTitleLength)
        return QCoreApplication::translate("bs::Worksheet",
                                           "A worksheet title can have at most %1 characters.")
            .arg(MaxTitleLength);
    for (const QChar c : title) {
        if (isControl(c.unicode()))
            return QCoreApplication::translate("bs::Worksheet",
                                               "A worksheet title cannot contain a control character.");
        if (QStringView(u"\\/:*?\"<>|").contains(c))
            return QCoreApplication::translate("bs::Worksheet",
                                               "A worksheet title cannot contain the character %1")
                       .arg(c) +
                   u'.';
        if (!textfile::canStore(c.unicode())) {
            return QCoreApplication::translate("bs::Worksheet",
                                               "A worksheet title cannot contain the character “%1”.")
                .arg(c.isSurrogate() ? QStringLiteral("?") : QString(c));
        }
    }
    if (title.startsWith(u' '))
        return QCoreApplication::translate("bs::Worksheet", "A worksheet title cannot begin with a space.");
    if (title.startsWith(u'.'))
        return QCoreApplication::translate("bs::Worksheet",
                                           "A worksheet title cannot begin with a full stop.");
    if (title.endsWith(u' ') || title.endsWith(u'.'))
        return QCoreApplication::translate("bs::Worksheet",
                                           "A worksheet title cannot end with a space or a full stop.");
    if (title.compare(u"track", Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate(
                   "bs::Worksheet",
                   "The title “%1” is kept for the list of worksheets; please choose another.")
            .arg(title);
    if (isReservedDeviceName(title))
        return QCoreApplication::translate(
                   "bs::Worksheet",
                   "The title “%1” is a name Windows keeps for itself; please choose another.")
            .arg(title);
    return {};
}

QString worksheetFileName(const QString& title)
{
    return title + QStringLiteral(".txt");
}

void writeWorksheetFile(const QString& multipleDir, const WorksheetText& worksheet)
{
    const QString problem = titleProblem(worksheet.title);
    if (!problem.isEmpty())
        throw DataError(problem.toStdString());
    const QByteArray bytes = worksheetBytes(worksheet);

    const QString path = QDir(multipleDir).filePath(worksheetFileName(worksheet.title));
    // titleProblem already keeps the name inside the folder; this guards any later change to it.
    if (QDir::cleanPath(QFileInfo(path).absolutePath()) != QDir::cleanPath(QDir(multipleDir).absolutePath()))
        throw DataError("The worksheet's file would lie outside its folder.");
    replaceWholeFile(path, bytes);
}

} // namespace bs
