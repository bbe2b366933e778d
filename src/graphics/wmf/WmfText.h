#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bs::wmf {

// Turns the bytes of a metafile text into characters, by the font's character set.
class TextDecoder
{
public:
    TextDecoder(int charset, const QString& face);

    // Symbol fonts whose code points the decoder maps to Unicode.
    enum class SymbolSet { None, Symbol, Wingdings, Webdings, Marlett, MtExtra };

    // False for symbol fonts the decoder knows nothing of: their texts are not drawn rather
    // than drawn as wrong letters.
    bool drawable() const { return m_drawable; }
    // True when the text is mapped from a symbol font's code points to Unicode: drawn in an
    // ordinary font then, since fonts of those names here may lack the characters. Characters
    // of the font with no Unicode equivalent decode as U+0000 and are not drawn.
    bool mapsSymbols() const { return m_symbols != SymbolSet::None; }

    QString decode(const QByteArray& bytes) const;
    // One entry per character with the number of bytes it took (double-byte character sets
    // take two for most characters), to pair characters with a per-byte advance array.
    QStringList characters(const QByteArray& bytes, QList<int>* byteCounts) const;

private:
    bool isLeadByte(unsigned char byte) const;
    QChar singleByte(unsigned char byte) const;

    int m_charset = 0;
    QByteArray m_encoding; // empty: Windows-1252 by table
    SymbolSet m_symbols = SymbolSet::None;
    bool m_drawable = true;
    bool m_doubleByte = false;
};

} // namespace bs::wmf
