#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "quiz/Multiple.h"
#include "ui/Program.h"

#include <QLabel>

namespace bs {

namespace {
// The spaces alone push the publisher's name to the right-hand side of the page.
const QString worksheetHeader =
    QStringLiteral("Brellinshore") + QString(57, u' ') + QStringLiteral("Quenlow Publishing Ltd");
} // namespace

void Multiple::Printpage()
{
    const ProgramState& state = program().state;
    try {
        std::unique_ptr<PrintJob> job = program().printer().startJob();
        PrintJob& page = *job;
        const double W = page.scaleWidth();
        auto centre = [&](const QString& text) {
            page.setCurrentX((W - page.textWidth(text)) / 2);
            page.print(text, true);
        };

        page.setFontName(QStringLiteral("Times New Roman"));
        page.setFontSize(16);
        page.setCurrentX(W / 8);
        page.print(QStringLiteral(" "), true);
        page.setCurrentX(W / 16);
        page.print(worksheetHeader, false);
        page.print(QStringLiteral(" "), true);
        page.print(QStringLiteral(" "), true);

        page.setFontSize(32);
        centre(Label5->text());
        centre(Label6->text());
        page.print(QStringLiteral(" "), true);

        page.setFontSize(12);
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
            page.setCurrentX(W / 16);
            page.print(tr("Question ") + QString::number(n) + QStringLiteral("    ") + state.question[n], true);
            page.setCurrentX(W / 3);
            page.print(QStringLiteral("A. ") + state.answera[n], false);
            page.setCurrentX(2 * W / 3);
            page.print(QStringLiteral("B. ") + state.answerb[n], true);
            page.setCurrentX(W / 3);
            page.print(QStringLiteral("C. ") + state.answerc[n], false);
            page.setCurrentX(2 * W / 3);
            page.print(QStringLiteral("D. ") + state.answerd[n], true);
            page.print(QStringLiteral(" "), true);
        }
        page.endDoc();
    } catch (const PrintError&) {
        program().dialogs().message(tr("There was a problem printing to your printer."));
        return;
    }
    program().dialogs().message(tr("Your worksheet is now printing."));
}

} // namespace bs
