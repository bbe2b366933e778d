#pragma once

#include <QLocale>
#include <QString>

namespace bs {

// The program's two languages. English is the language of the code's own texts; Welsh comes
// from the translations built into the program (translations/*.ts).
enum class Language
{
    English,
    Welsh
};

// Welsh for a Welsh locale (cy), English for every other.
Language languageForLocale(const QLocale& locale);

// The language a run starts in: the machine's setting file if it names one ("Language=cy" or
// "Language=en" in the system-wide Brellinshore.ini of QSettings), else the desktop's locale.
Language startLanguage();

// Installs the translations of a language for the whole program (none for English, so an
// English start loads nothing); every widget gets a LanguageChange event.
void setLanguage(Language language);
Language currentLanguage();

// The machine's word on the class's results: the value of "Results" in the same setting file
// as "Language" ("on" keeps them, unless the results folder's own switch says otherwise);
// empty when it has none. Read once at start (Program::machineResults).
QString machineResultsSetting();

// The language's code in file names and in the setting file: "en", "cy".
QString languageCode(Language language);

} // namespace bs
