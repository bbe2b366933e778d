#include "ui/Layout.h"

#include "platform/Display.h"
#include "ui/Controls.h"
#include "ui/Program.h"
#include "ui/Screen.h"

namespace bs {

void layoutform(Screen& form)
{
    form.setBackColor(QColor(39, 63, 137));
    form.setCaption(QStringLiteral("Brellinshore"));
    // Only the notes viewer, the quiz and the results screen have a Picture1; elsewhere
    // there is nothing to colour and nothing to say.
    if (auto* picture = form.findChild<PictureBox*>(QStringLiteral("Picture1")))
        picture->setBackColor(QColor(49, 135, 214));
    const double formWidth = 12000;
    const double formHeight = 9000;
    form.setSizeTwips(formWidth, formHeight);
    Display& display = form.program().display();
    const QSizeF screen = display.screenSizeTwips();
    display.setBusy(true);
    form.setTopTwips(screen.height() / 2 - formHeight / 2);
    form.setLeftTwips(screen.width() / 2 - formWidth / 2);
    display.setBusy(false);
}

} // namespace bs
