#include "ui/Grey.h"

#include <QGuiApplication>
#include <QScreen>

namespace bs {

Grey::Grey(Program& program, const QString& formName)
    : Screen(program, formName)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setCaption(QStringLiteral("Form1"));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
}

void Grey::Form_Load()
{
    setBackColor(QColor(48, 133, 214));
}

void Grey::showScreen()
{
    if (isVisible())
        return;
    show();
    lower();
}

} // namespace bs
