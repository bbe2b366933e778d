#include "base/TextFile.h"

#include "base/Cp1252.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace bs::textfile {

bool isWelshLetterBeyondCp1252(char16_t c)
{
    static constexpr std::array<char16_t, 12> letters = {
        0x0174, 0x0175, 0x0176, 0x0177,                 // Ŵ ŵ Ŷ ŷ
        0x1E80, 0x1E81, 0x1E82, 0x1E83, 0x1E84, 0x1E85, // Ẁ ẁ Ẃ ẃ Ẅ ẅ
        0x1EF2, 0x1EF3,                                 // Ỳ ỳ
    };
    return std::find(letters.begin(), letters.end(), c) != letters.end();
}

bool canStore(char16_t c)
{
    return cp1252::byteFor(c) >= 0 || isWelshLetterBeyondCp1252(c);
}

bool canStore(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return canStore(c.unicode()); });
}

bool needsUtf8(QStringView text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return isWelshLetterBeyondCp1252(c.unicode()); });
}

QByteArray encode(QStringView text, bool utf8)
{
    return utf8 ? text.toUtf8() : cp1252::encode(text);
}

QString decode(QByteArrayView bytes, bool utf8)
{
    if (!utf8)
        return cp1252::decode(bytes);
    // Every character as written: a byte-order mark that starts a field inside the file is
    // part of the field (fromUtf8 would drop it, and the title written back would differ).
    QStringDecoder toUtf16(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return toUtf16(bytes);
}

} // namespace bs::textfile
