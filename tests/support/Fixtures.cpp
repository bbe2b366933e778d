#include "support/Fixtures.h"

#include "worksheetdata/Catalogue.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

namespace bs::test {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QStringList entriesOf(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

WorksheetText numberedWorksheet(const QString& title)
{
    WorksheetText worksheet;
    worksheet.title = title;
    for (int q = 0; q < QuestionBank::QuestionCount; ++q) {
        worksheet.questions[q].text = QStringLiteral("%1 question %2").arg(title).arg(q + 1);
        for (int a = 0; a < 4; ++a)
            worksheet.questions[q].answers[a] = QStringLiteral("Answer %1%2").arg(q + 1).arg(QChar(u'A' + a));
        worksheet.questions[q].correct = q % 4 + 1;
    }
    return worksheet;
}

WorksheetText uniformWorksheet(const QString& title, const QString& text)
{
    WorksheetText worksheet = numberedWorksheet(title);
    for (auto& question : worksheet.questions) {
        question.text = text;
        question.answers = {text, text, text, text};
    }
    return worksheet;
}

WorksheetText sampleWorksheet(const QString& title)
{
    WorksheetText sample;
    sample.title = title;
    for (int q = 0; q < QuestionBank::QuestionCount; ++q) {
        auto& question = sample.questions[q];
        question.text = QStringLiteral("Which river is number %1?").arg(q + 1);
        for (int a = 0; a < 4; ++a)
            question.answers[a] = QStringLiteral("River %1%2").arg(q + 1).arg(QChar(u'A' + a));
        question.correct = 1 + (q * 3) % 4;
    }
    sample.questions[0].text = QStringLiteral("Rivers, lakes & seas: which is salty?");
    sample.questions[1].answers[2] = QStringLiteral("Caf\u00e9, by the quay");
    sample.questions[2].answers[0] = QStringLiteral("  two spaces first");
    return sample;
}

WorksheetText versionedWorksheet(const QString& title, qint64 generation)
{
    WorksheetText sheet;
    sheet.title = title;
    const QString version = QString::number(generation);
    const QString filler = QStringLiteral(" very").repeated(int(generation % 5));
    for (int q = 0; q < QuestionBank::QuestionCount; ++q) {
        auto& question = sheet.questions[q];
        question.text = QStringLiteral("Which is the%1 long river %2 (v%3)?").arg(filler).arg(q + 1).arg(version);
        for (int a = 0; a < 4; ++a)
            question.answers[a] = QStringLiteral("%1%2 answer %3").arg(QChar(u'A' + a)).arg(q + 1).arg(version);
        question.correct = int((generation + q) % 4) + 1;
    }
    return sheet;
}

QByteArray worksheetFile(const WorksheetText& worksheet, int lines)
{
    QStringList all{worksheet.title, QStringLiteral(" ")};
    for (const auto& question : worksheet.questions) {
        all << question.text;
        for (const QString& answer : question.answers)
            all << answer;
        all << QString::number(question.correct) << QStringLiteral(" ");
    }
    QByteArray bytes;
    for (int i = 0; i < lines && i < all.size(); ++i)
        bytes += QString(all[i]).replace(u',', u'&').toLatin1() + "\r\n";
    return bytes;
}

QByteArray catalogueFile(const QStringList& titles)
{
    QByteArray bytes = " " + QByteArray::number(titles.size()) + "\r\n";
    for (const QString& title : titles)
        bytes += title.toLatin1() + "\r\n";
    return bytes;
}

QStringList numberedTitles(int count, const QString& stem)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles.append(QStringLiteral("%1 %2").arg(stem).arg(i, 4, 10, QChar(u'0')));
    return titles;
}

QStringList awkwardTitles()
{
    return {QStringLiteral("Rivers"), QStringLiteral("Weather, Climate"), QStringLiteral("Maps & Compasses"),
            QStringLiteral("Caf\u00E9s of C\u00F4te"), QStringLiteral("Coasts and Cliffs")};
}

QByteArray emptyMetafile(int widthTwips, int heightTwips)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint16 placeable[10] = {0xCDD7, 0x9AC6, 0, 0, 0, quint16(widthTwips), quint16(heightTwips), 1440, 0, 0};
    quint16 checksum = 0;
    for (quint16 word : placeable) {
        out << word;
        checksum ^= word;
    }
    out << checksum;
    out << quint16(1) << quint16(9) << quint16(0x0300) << quint32(12) << quint16(0) << quint32(3) << quint16(0);
    out << quint32(3) << quint16(0); // end of file record
    return bytes;
}

// Adds title to the catalogue while its lock files are kept fresh, as when the next save
// follows a crash at once: a lock left behind must then be taken over at once, since waiting
// for it to grow stale would end in "being changed on another computer". Returns the failure.
QString saveWithFreshLocks(const QString& cataloguePath, const QString& title)
{
    const QString lockPath = catalogueLockPath(cataloguePath);
    const QList<QByteArray> paths{QFile::encodeName(lockPath), QFile::encodeName(lockPath + QStringLiteral(".rmlock")),
                                  QFile::encodeName(lockPath + QStringLiteral(".rmlock.rmlock"))};
    std::mutex mutex;
    std::condition_variable wake;
    bool saved = false;
    std::thread toucher([&] {
        std::unique_lock lock(mutex);
        do {
            for (const QByteArray& path : paths)
                ::utimensat(AT_FDCWD, path.constData(), nullptr, 0);
        } while (!wake.wait_for(lock, std::chrono::milliseconds(50), [&] { return saved; }));
    });
    QString failure;
    auto list = std::make_unique<CatalogueList>();
    try {
        trackworksheets(cataloguePath, title, *list);
    } catch (const DataError& error) {
        failure = QString::fromUtf8(error.what());
    }
    {
        const std::lock_guard lock(mutex);
        saved = true;
    }
    wake.notify_one();
    toucher.join();
    return failure;
}

QuestionBank loadedWorksheet(const QByteArray& bytes)
{
    QuestionBank bank;
    FieldReader in(bytes);
    loadworksheet(in, bank);
    return bank;
}

} // namespace bs::test
