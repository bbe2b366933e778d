#include "graphics/Fonts.h"

#include <QFontDatabase>

namespace bs {

bool registerFonts()
{
    static int tahoma = QFontDatabase::addApplicationFont(QString::fromLatin1(TahomaFontFile));
    return tahoma >= 0;
}

} // namespace bs
