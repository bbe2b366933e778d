#include "quiz/WorksheetPrintout.h"

#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "quiz/Multiple.h"
#include "ui/Program.h"

#include <QCoreApplication>
#include <QLabel>

namespace bs {

namespace {
// The spaces alone push the publisher's name to the right-hand side of the page.
const QString worksheetHeader =
    QStringLiteral("Brellinshore") + QString(57, u' ') + QStringLiteral("Quenlow Publishing Ltd");
} // namespace

void writeWorksheet(PrintJob& page, const QString& heading, const QString& title, const QuestionBank& bank,
                    WorksheetPaper paper)
{
    const double W = page.scaleWidth();
    auto centre = [&](const QString& text) {
        page.setCurrentX((W - page.textWidth(text)) / 2);
        page.print(text, true);
    };
    // A box to tick just left of an answer's letter, in the middle of its line.
    auto answer = [&](double x, const QString& text, bool endLine) {
        if (paper.tickBoxes) {
            const double side = 200;
            const double top = page.currentY() + (page.textHeight() - side) / 2;
            if (page.currentY() + page.textHeight() <= page.scaleHeight())
                page.rectangle(QRectF(x - side - 90, top, side, side), Qt::black, QColor(), 15);
        }
        page.setCurrentX(x);
        page.print(text, endLine);
    };

    page.setFontName(QStringLiteral("Times New Roman"));
    page.setFontSize(16);
    page.setCurrentX(W / 8);
    page.print(QStringLiteral(" "), true);
    page.setCurrentX(W / 16);
    page.print(worksheetHeader, false);
    page.print(QStringLiteral(" "), true);
    if (paper.nameAndDate) {
        page.setCurrentX(W / 16);
        page.print(QCoreApplication::translate("bs::TopicPack", "Name: ") + QString(30, u'_') + QStringLiteral("      ") +
                       QCoreApplication::translate("bs::TopicPack", "Date: ") + QString(15, u'_'),
                   true);
    } else {
        page.print(QStringLiteral(" "), true);
    }

    page.setFontSize(32);
    centre(heading);
    centre(title);
    page.print(QStringLiteral(" "), true);

    page.setFontSize(12);
    for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
        page.setCurrentX(W / 16);
        page.print(QCoreApplication::translate("bs::Multiple", "Question ") + QString::number(n) + QStringLiteral("    ") +
                       bank.question[n],
                   true);
        answer(W / 3, QStringLiteral("A. ") + bank.answera[n], false);
        answer(2 * W / 3, QStringLiteral("B. ") + bank.answerb[n], true);
        answer(W / 3, QStringLiteral("C. ") + bank.answerc[n], false);
        answer(2 * W / 3, QStringLiteral("D. ") + bank.answerd[n], true);
        page.print(QStringLiteral(" "), true);
    }
}

void Multiple::Printpage()
{
    try {
        std::unique_ptr<PrintJob> job = program().printer().startJob();
        writeWorksheet(*job, Label5->text(), Label6->text(), program().state);
        job->endDoc();
    } catch (const PrintError&) {
        program().dialogs().message(tr("There was a problem printing to your printer."));
        return;
    }
    program().dialogs().message(tr("Your worksheet is now printing."));
}

} // namespace bs
