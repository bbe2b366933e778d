#include "base/Twips.h"
#include "platform/Display.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace bs {

QSizeF QtDisplay::screenSizeTwips() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QSizeF(800 * TwipsPerPixel, 600 * TwipsPerPixel);
    return QSizeF(screen->size()) * TwipsPerPixel;
}

void QtDisplay::setBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace bs
