// A whole topic pack saved as PDF, as "Save as PDF" writes it: every piece of the Isles of
// Scilly history topic, one copy. Targets: under 1 s, and a file under 5 MB.
#include "BenchUtil.h"
#include "graphics/Fonts.h"
#include "platform/Content.h"
#include "platform/Pictures.h"
#include "platform/QtPrinter.h"
#include "topicdata/TopicLibrary.h"
#include "topics/TopicPack.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace bs;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    registerFonts(); // the program's own, as a run has them
    TopicLibrary library(QStringLiteral(BS_CONTENT_DIR "/topics"));
    const Topic* topic = library.topicNamed(QStringLiteral("scilly1"));
    if (!topic)
        return 1;
    const Content content(QStringLiteral(BS_CONTENT_DIR));
    const Pictures pictures(content);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(packFileName(*topic));
    const double ms = bench::medianMs(
        [&] {
            auto job = QtPrinter::startPdfJob(pdf);
            writeTopicPack(*job, *topic, content, pictures, packPieces(*topic), 1);
            job->endDoc();
        },
        11);
    bench::report(QStringLiteral("topic pack to PDF (scilly1, 9 pages)"), ms);
    bench::report(QStringLiteral("topic pack PDF size (scilly1)"), QFileInfo(pdf).size() / 1e6, QStringLiteral("MB"));
    return 0;
}
