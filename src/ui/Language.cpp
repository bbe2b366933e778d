#include "ui/Language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace bs {

namespace {

Language current = Language::English;

// The program's texts, and Qt's own texts in the dialogs the program shows (Qt has no Welsh).
struct Translators
{
    QTranslator program;
    QTranslator toolkit;
};

Translators& translators()
{
    static Translators* t = new Translators; // lives as long as the application, never freed late
    return *t;
}

} // namespace

Language languageForLocale(const QLocale& locale)
{
    return locale.language() == QLocale::Welsh ? Language::Welsh : Language::English;
}

namespace {

QString machineSetting(const QString& key)
{
    const QSettings machine(QSettings::IniFormat, QSettings::SystemScope,
                            QCoreApplication::organizationName(), QCoreApplication::applicationName());
    return machine.value(key).toString();
}

} // namespace

QString machineResultsSetting()
{
    return machineSetting(QStringLiteral("Results"));
}

Language startLanguage()
{
    const QString chosen = machineSetting(QStringLiteral("Language")).trimmed().toLower();
    if (chosen == languageCode(Language::Welsh))
        return Language::Welsh;
    if (chosen == languageCode(Language::English))
        return Language::English;
    return languageForLocale(QLocale::system());
}

void setLanguage(Language language)
{
    if (language == current)
        return;
    Translators& t = translators();
    QCoreApplication::removeTranslator(&t.program);
    QCoreApplication::removeTranslator(&t.toolkit);
    current = language;
    if (language == Language::English)
        return;
    const QString code = languageCode(language);
    if (t.program.load(QStringLiteral(":/i18n/brellinshore_%1.qm").arg(code)))
        QCoreApplication::installTranslator(&t.program);
    if (t.toolkit.load(QStringLiteral(":/i18n/qt_%1.qm").arg(code)))
        QCoreApplication::installTranslator(&t.toolkit);
}

Language currentLanguage()
{
    return current;
}

QString languageCode(Language language)
{
    return language == Language::Welsh ? QStringLiteral("cy") : QStringLiteral("en");
}

} // namespace bs
