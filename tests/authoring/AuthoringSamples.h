#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace bs::samples {

// A worksheet as a teacher would type it into the wizard.
struct Sample
{
    struct Question
    {
        QString text;
        std::array<QString, 4> answers;
        int correct = 1; // 1 to 4 (A to D)
    };
    QString title;
    std::array<Question, 10> questions;
};

inline Sample rivers(const QString& title = QStringLiteral("Rivers and Seas"))
{
    Sample sample;
    sample.title = title;
    for (int q = 0; q < 10; ++q) {
        Sample::Question& question = sample.questions[q];
        question.text = QStringLiteral("Which river is number %1?").arg(q + 1);
        for (int a = 0; a < 4; ++a)
            question.answers[a] = QStringLiteral("River %1%2").arg(q + 1).arg(QChar(u'A' + a));
        question.correct = 1 + (q * 3) % 4;
    }
    // Commas, an ampersand, a leading space and a letter outside ASCII: the cases the file keeps.
    sample.questions[0].text = QStringLiteral("Rivers, lakes & seas: which is salty?");
    sample.questions[1].answers[2] = QStringLiteral("Caf\u00e9, by the quay");
    sample.questions[2].answers[0] = QStringLiteral("  two spaces first");
    return sample;
}

// The file the wizard must write for sample, byte for byte: one byte a character, CR LF,
// every comma stored as "&".
inline QByteArray fileBytes(const Sample& sample)
{
    auto line = [](const QString& text) {
        QString encoded = text;
        encoded.replace(u',', u'&');
        return encoded.toLatin1() + "\r\n";
    };
    QByteArray bytes = line(sample.title) + " \r\n";
    for (const Sample::Question& question : sample.questions) {
        bytes += line(question.text);
        for (const QString& answer : question.answers)
            bytes += line(answer);
        bytes += QByteArray::number(question.correct) + "\r\n";
        bytes += " \r\n";
    }
    return bytes;
}

// A catalogue file holding titles (none with a comma or a leading space).
inline QByteArray catalogueBytes(const QStringList& titles)
{
    QByteArray bytes = " " + QByteArray::number(titles.size()) + "\r\n";
    for (const QString& title : titles)
        bytes += title.toLatin1() + "\r\n";
    return bytes;
}

inline QStringList numberedTitles(int count, const QString& stem = QStringLiteral("Worksheet"))
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles.append(QStringLiteral("%1 %2").arg(stem).arg(i, 4, 10, QChar(u'0')));
    return titles;
}

} // namespace bs::samples
