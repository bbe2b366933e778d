#pragma once

#include <QString>

namespace bs {

// Where the program finds Tahoma: Debian's fonts-wine keeps it outside fontconfig's folders.
inline constexpr const char* TahomaFontFile = "/usr/share/wine/fonts/tahoma.ttf";

// Makes the screens' three families resolve: Times New Roman and Arial come from
// fonts-liberation2 through fontconfig; Tahoma is registered here from fonts-wine. Only the
// regular face is registered, because fonts-wine's bold face draws thin strokes: Qt then
// emboldens the regular face, which reads as bold. Returns false when Tahoma is missing.
bool registerFonts();

} // namespace bs
