// Times the end of a quiz as the pupil feels it, from "Check Score >>" to the results screen's
// first paint, and the two printouts written to PDF.
#include "app/ScreenCatalog.h"
#include "BenchUtil.h"

#include "graphics/Fonts.h"
#include "ui/LabelButton.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "platform/fakes/FakeServices.h"
#include "platform/fakes/FakePrinter.h"
#include "platform/fakes/Fakes.h"
#include "platform/QtPrinter.h"
#include "quiz/Multiple.h"
#include "quiz/QuizOpeners.h"
#include "quiz/Welldone.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace bs;

namespace {

// The real printing code, writing each job to one PDF file instead of the printer.
class PdfFilePrinter : public Printer
{
public:
    explicit PdfFilePrinter(QString path) : m_path(std::move(path)) {}
    std::unique_ptr<PrintJob> startJob() override { return QtPrinter::startPdfJob(m_path); }

private:
    QString m_path;
};

Services servicesPrintingTo(std::unique_ptr<Printer> printer)
{
    Services services = fakeServices();
    services.printer = std::move(printer);
    return services;
}

void fillWorksheet(ProgramState& state)
{
    state.worktitle = QStringLiteral("Isles of Scilly - History");
    for (int n = 1; n <= 10; ++n) {
        state.question[n] = QStringLiteral("Which island of Scilly is question %1 about?").arg(n);
        state.answera[n] = QStringLiteral("St Mary's");
        state.answerb[n] = QStringLiteral("Tresco");
        state.answerc[n] = QStringLiteral("St Agnes");
        state.answerd[n] = QStringLiteral("Bryher");
        state.correct[n] = QStringLiteral("2");
    }
    state.soundon = 1;
}

// Notes the first paint of the results screen or any of its controls.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            for (QObject* o = watched; o; o = o->parent()) {
                if (o->objectName() == QLatin1String("Welldone")) {
                    painted = true;
                    break;
                }
            }
        }
        return false;
    }
    bool painted = false;
};

// The offscreen platform warns on every raise(); the figures are what matter here.
void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support raise")))
        return;
    qt_message_output(type, context, message);
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(quietRaise);
    registerFonts();
    QTemporaryDir dir;

    {
        Program program(dir.path(), fakeServices());
        registerAllScreens(program.screens());
        FirstPaint watcher;
        app.installEventFilter(&watcher);
        std::vector<double> times;
        for (int run = 0; run < 22; ++run) {
            fillWorksheet(program.state);
            openQuiz(program, Picture(), QStringLiteral("Brellinshore"));
            auto& quiz = program.screens().get<Multiple>(QStringLiteral("multiple"));
            for (int n = 1; n <= 9; ++n)
                quiz.Label3(1)->click();
            QCoreApplication::processEvents();
            watcher.painted = false;
            QElapsedTimer timer;
            timer.start();
            quiz.Label3(1)->click();
            while (!watcher.painted && timer.elapsed() < 5000)
                QCoreApplication::processEvents();
            if (!watcher.painted) {
                std::fprintf(stderr, "the results screen was never painted\n");
                return 1;
            }
            if (run > 0) // the first run warms up
                times.push_back(timer.nsecsElapsed() / 1e6);
            program.screens().closeAll();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        app.removeEventFilter(&watcher);
        bench::report(QStringLiteral("quiz/check-score-to-results-first-paint"), median(times));
    }

    const QString pdf = dir.filePath(QStringLiteral("printout.pdf"));
    Program program(dir.path(), servicesPrintingTo(std::make_unique<PdfFilePrinter>(pdf)));
    registerAllScreens(program.screens());
    fillWorksheet(program.state);
    openQuiz(program, Picture(), QStringLiteral("Brellinshore"));
    auto& quiz = program.screens().get<Multiple>(QStringLiteral("multiple"));
    bench::report(QStringLiteral("quiz/worksheet-to-pdf"), bench::medianMs([&] { quiz.Printpage(); }));

    program.state.score = 10;
    program.state.outof = 10;
    program.state.certtitle = QStringLiteral("Brellinshore");
    auto& results = program.screens().get<Welldone>(QStringLiteral("Welldone"));
    results.unloading();
    results.Text1->setText(QStringLiteral("Tom Hicks"));
    bench::report(QStringLiteral("quiz/certificate-to-pdf"), bench::medianMs([&] { results.Printpage(); }));
    program.screens().closeAll();
    return 0;
}
