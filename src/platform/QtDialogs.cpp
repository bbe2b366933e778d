#include "platform/Dialogs.h"

#include <QMessageBox>

namespace bs {

void QtDialogs::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brellinshore"), text, QMessageBox::Ok);
    box.exec();
}

bool QtDialogs::confirm(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

} // namespace bs
