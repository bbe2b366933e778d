#pragma once

#include "worksheetdata/Worksheet.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>

namespace bs::test {

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline QStringList entriesOf(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

// Makes every write that would take a file past `bytes` fail part-way (a full disk, as far as
// the writer can tell), for as long as it lives. Works for root too, unlike a read-only folder.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// A complete worksheet whose every text is text, with question n's right answer ((n - 1) mod 4) + 1.
inline WorksheetText uniformWorksheet(const QString& title, const QString& text)
{
    WorksheetText worksheet;
    worksheet.title = title;
    for (int q = 0; q < QuestionBank::QuestionCount; ++q) {
        worksheet.questions[q].text = text;
        worksheet.questions[q].answers = {text, text, text, text};
        worksheet.questions[q].correct = q % 4 + 1;
    }
    return worksheet;
}

} // namespace bs::test
