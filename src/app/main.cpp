#include "app/Fonts.h"
#include "app/Program.h"
#include "app/Screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The screens are designed at 96 dots per inch (15 twips to the pixel).
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brellinshore"));
    QApplication::setOrganizationName(QStringLiteral("Quenlow Publishing Ltd"));
    QApplication::setQuitOnLastWindowClosed(false);
    bs::registerFonts();

    bs::Program program(QApplication::applicationDirPath(), bs::Program::realServices(QApplication::applicationDirPath()));
    program.screens().show(QStringLiteral("Titlefrm"));
    return QApplication::exec();
}
