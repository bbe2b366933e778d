#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the code page of the worksheet and catalogue files. Every byte decodes to one
// character: the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep
// their Latin-1 code points, so any file survives a read and a write unchanged.
namespace bs::cp1252 {

char16_t character(unsigned char byte);
QString decode(QByteArrayView bytes);

// The byte for c, or -1 when Windows-1252 has no byte for it.
int byteFor(char16_t c);

bool canEncode(QStringView text);

// Characters without a byte become "?"; check canEncode first where that matters.
QByteArray encode(QStringView text);

} // namespace bs::cp1252
