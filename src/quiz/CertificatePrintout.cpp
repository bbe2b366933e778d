#include "base/Twips.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "quiz/Welldone.h"
#include "ui/Program.h"
#include "ui/Text.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineEdit>

namespace bs {

namespace {

const QString times = QStringLiteral("Times New Roman");
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor darkBlue(0, 0, 128);
const QColor black(0, 0, 0);
// Printed twice joined; at 25 pt it runs off the right-hand edge of the page.
QString banner()
{
    return QCoreApplication::translate("bs::Welldone",
                                       "   Well Done      Well Done     Well Done     Well Done    ");
}

} // namespace

void Welldone::Printpage()
{
    const ProgramState& state = program().state;
    try {
        std::unique_ptr<PrintJob> job = program().printer().startJob();
        PrintJob& page = *job;
        const double W = page.scaleWidth();
        auto blank = [&](int lines) {
            for (int i = 0; i < lines; ++i)
                page.print(QStringLiteral(" "), true);
        };
        auto centre = [&](const QString& text) {
            page.setCurrentX((W - page.textWidth(text)) / 2);
            page.print(text, true);
        };

        page.setForeColor(blue);
        page.setFontSize(25);
        page.setFontName(times);
        page.setCurrentX(W / 8);
        blank(1);
        page.print(banner() + banner(), false);
        blank(1);
        blank(2);

        page.setForeColor(red);
        page.setFontSize(36);
        page.setFontName(times);
        centre(QStringLiteral("Brellinshore"));
        blank(1);

        page.setForeColor(blue);
        page.setFontSize(36);
        // A long heading, measured as the screen would show it, gets the smaller size.
        const double headingTwips = QFontMetricsF(font()).horizontalAdvance(state.certtitle) * TwipsPerPixel;
        if (headingTwips > W / 4)
            page.setFontSize(28);
        centre(state.certtitle);
        centre(QString());

        page.setFontSize(36);
        blank(3);

        page.setForeColor(darkBlue);
        page.setFontSize(28);
        centre(tr("Excellent Work"));
        page.setFontSize(28);
        blank(1);
        centre(Text1->text());
        centre(QString());

        page.setFontSize(28);
        centre(tr("You have scored") + numberText(state.score) + tr(" out of") +
               numberText(state.outof) + QStringLiteral("."));
        blank(1);

        page.setFontSize(36);
        blank(2);

        page.setForeColor(blue);
        page.setFontSize(25);
        page.setFontName(times);
        blank(1);

        page.setForeColor(black);
        page.print(banner() + banner(), false);

        page.setDrawWidth(2);
        const double H = page.scaleHeight();
        auto frame = [&](double left, double top, double right, double bottom) {
            page.line({left, top}, {right, top}, black);
            page.line({left, top}, {left, bottom}, black);
            page.line({right, top}, {right, bottom}, black);
            page.line({left, bottom}, {right, bottom}, black);
        };
        for (int k = 1; k <= 5; ++k) {
            const double x = 45.0 * k;
            const double y = 225.0 + 45.0 * k;
            frame(x, y, W - x, H - y);
            if (k <= 3)
                frame(x + 600, y + 7050, W - x - 600, H - y - 3750);
        }
        page.endDoc();
    } catch (const PrintError&) {
        program().dialogs().message(tr("There was a problem printing to your printer."));
        return;
    }
    program().dialogs().message(tr("Your certificate is now printing."));
}

} // namespace bs
