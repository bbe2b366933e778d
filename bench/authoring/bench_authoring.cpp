// The catalogue screen with a full catalogue, and a save from the wizard, on a Program with
// fake services and a temporary content folder.
#include "app/ScreenCatalog.h"
#include "BenchUtil.h"
#include "ui/LabelButton.h"
#include "ui/Program.h"
#include "ui/Screens.h"
#include "authoring/Wizard.h"
#include "authoring/Worksheets.h"
#include "platform/fakes/FakeServices.h"
#include "platform/fakes/FakePrinter.h"
#include "platform/fakes/Fakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>

using namespace bs;

namespace {

void writeCatalogue(const QString& root, int count)
{
    QDir().mkpath(root + QStringLiteral("/multiple"));
    QFile file(root + QStringLiteral("/multiple/track.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(" " + QByteArray::number(count) + "\r\n");
    for (int i = 1; i <= count; ++i)
        file.write("Worksheet number " + QByteArray::number(i) + "\r\n");
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void fillWizard(Wizard& wizard, const QString& title)
{
    wizard.Text1->setText(title);
    for (int q = 0; q < 10; ++q) {
        wizard.Text2(q)->setText(QStringLiteral("Which of these places, in question %1, is by the sea?").arg(q + 1));
        for (int a = 0; a < 4; ++a) {
            wizard.Text3(4 * q + a)->setText(QStringLiteral("Answer %1, a place").arg(a + 1));
            wizard.Check1(4 * q + a)->setChecked(a == q % 4);
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    writeCatalogue(dir.path(), 1000);
    Program program(dir.path(), fakeServices());
    registerAllScreens(program.screens());
    Screens& screens = program.screens();
    const QString catalogue = QStringLiteral("worksheets");

    const double openMs = bench::medianMs([&] {
        screens.show(catalogue);
        screens.unload(catalogue);
        flushDeletes();
    });
    bench::report(QStringLiteral("authoring/open_catalogue_1000_titles"), openMs);

    const double pagingMs = bench::medianMs([&] {
        screens.show(catalogue);
        auto& screen = screens.get<Worksheets>(catalogue);
        while (screen.Label3(1)->isVisible())
            screen.Label3(1)->click();
        if (program.state.catpage != Worksheets::LastPage)
            std::fprintf(stderr, "paging stopped at page %d\n", program.state.catpage + 1);
        screens.unload(catalogue);
        flushDeletes();
    });
    bench::report(QStringLiteral("authoring/open_catalogue_and_page_to_41"), pagingMs);

    // Saving under one title re-reads the catalogue and leaves it as it is; a new title each
    // time also rewrites it.
    writeCatalogue(dir.path(), 500);
    auto& wizard = screens.get<Wizard>(QStringLiteral("wizard"));
    fillWizard(wizard, QStringLiteral("Bench worksheet"));
    const double sameTitleMs = bench::medianMs([&] { wizard.Label3(1)->click(); });
    bench::report(QStringLiteral("authoring/save_worksheet_same_title_500_titles"), sameTitleMs);

    int next = 0;
    const double newTitleMs = bench::medianMs([&] {
        wizard.Text1->setText(QStringLiteral("Bench worksheet %1").arg(++next));
        wizard.Label3(1)->click();
    });
    bench::report(QStringLiteral("authoring/save_worksheet_new_title_500_titles"), newTitleMs);

    auto& dialogs = static_cast<FakeDialogs&>(program.dialogs());
    if (dialogs.messages.isEmpty() || dialogs.messages.last() != QStringLiteral("Your worksheet has been saved.")) {
        std::fprintf(stderr, "save failed: %s\n", qPrintable(dialogs.messages.value(dialogs.messages.size() - 1)));
        return 1;
    }
    screens.closeAll();
    return 0;
}
