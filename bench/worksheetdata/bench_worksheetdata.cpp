// How long a teacher waits on the worksheet files: loading one, saving one with its catalogue
// line, and reading a full catalogue of 1000 titles.
#include "BenchUtil.h"
#include "worksheetdata/Catalogue.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace bs;

namespace {

WorksheetText sampleWorksheet(const QString& title)
{
    WorksheetText worksheet;
    worksheet.title = title;
    for (int q = 0; q < QuestionBank::QuestionCount; ++q) {
        auto& question = worksheet.questions[q];
        question.text = QStringLiteral("Which of these rivers, lakes & seas is number %1 on the map?").arg(q + 1);
        question.answers = {QStringLiteral("The river Tamar"), QStringLiteral("The Irish Sea"),
                            QStringLiteral("Loch Ness, Scotland"), QStringLiteral("Lake Windermere")};
        question.correct = q % 4 + 1;
    }
    return worksheet;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString catalogue = dir.filePath(QStringLiteral("track.txt"));
    auto list = std::make_unique<CatalogueList>();

    writeWorksheetFile(dir.path(), sampleWorksheet(QStringLiteral("Rivers, Seas & Coasts")));
    const QString worksheetPath = dir.filePath(QStringLiteral("Rivers, Seas & Coasts.txt"));
    auto bank = std::make_unique<QuestionBank>();
    bench::report(QStringLiteral("worksheetdata/load worksheet"), bench::medianMs([&] {
                      FieldReader in = FieldReader::fromFile(worksheetPath);
                      loadworksheet(in, *bank);
                  }));

    // A catalogue of 100 titles, each save adding a new one, as a class's worksheets pile up.
    QStringList titles;
    for (int i = 1; i <= 100; ++i)
        titles.append(QStringLiteral("Worksheet number %1").arg(i));
    writeFile(catalogue, catalogueBytes(titles));
    int saved = 0;
    bench::report(QStringLiteral("worksheetdata/save worksheet and catalogue line"), bench::medianMs([&] {
                      const QString title = QStringLiteral("New worksheet %1").arg(++saved);
                      writeWorksheetFile(dir.path(), sampleWorksheet(title));
                      trackworksheets(catalogue, title, *list);
                  }));

    titles.clear();
    for (int i = 1; i <= CatalogueList::CatalogueLimit; ++i)
        titles.append(QStringLiteral("Worksheet number %1, with a longer title").arg(i));
    writeFile(catalogue, catalogueBytes(titles));
    bench::report(QStringLiteral("worksheetdata/read 1000-title catalogue"),
                  bench::medianMs([&] { readCatalogue(catalogue, *list); }));
    return list->workcount == CatalogueList::CatalogueLimit ? 0 : 1;
}
