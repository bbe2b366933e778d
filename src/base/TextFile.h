#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The program's text files (worksheets and the catalogue) are Windows-1252, one byte a
// character. Welsh needs letters that code page lacks (ŵ, ŷ and their accented forms); a file
// holding any of them is written as UTF-8 after a byte-order mark instead, and every other
// file is written exactly as before. The reader tells the two apart by the mark.
namespace bs::textfile {

// The UTF-8 byte-order mark that opens a file written as UTF-8.
inline constexpr QByteArrayView Utf8Mark("\xEF\xBB\xBF", 3);

// Ŵ ŵ Ŷ ŷ Ẁ ẁ Ẃ ẃ Ẅ ẅ Ỳ ỳ: the Welsh letters missing from Windows-1252.
bool isWelshLetterBeyondCp1252(char16_t c);

// Whether a file can hold c: a character of Windows-1252 or one of the Welsh letters above.
bool canStore(char16_t c);
bool canStore(QStringView text);

// Whether text needs the UTF-8 form of the file: it holds one of the Welsh letters above.
bool needsUtf8(QStringView text);

// One line's bytes, without its line end: UTF-8, or Windows-1252 ("?" for what it lacks).
QByteArray encode(QStringView text, bool utf8);
QString decode(QByteArrayView bytes, bool utf8);

} // namespace bs::textfile
