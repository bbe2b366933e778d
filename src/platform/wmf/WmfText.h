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

    // False for symbol fonts whose glyphs have no Unicode meaning (Wingdings and the like):
    // their texts are not drawn rather than drawn as wrong letters.
    bool drawable() const { return m_drawable; }
    // True when the text is mapped from the Symbol font's code points to Unicode: drawn in an
    // ordinary font then, since the fonts named Symbol here may lack those characters.
    bool mapsSymbols() const { return m_symbol; }

    QString decode(const QByteArray& bytes) const;
    // One entry per character with the number of bytes it took (double-byte character sets
    // take two for most characters), to pair characters with a per-byte advance array.
    QStringList characters(const QByteArray& bytes, QList<int>* byteCounts) const;

private:
    bool isLeadByte(unsigned char byte) const;

    int m_charset = 0;
    QByteArray m_encoding; // empty: Windows-1252 by table
    bool m_symbol = false;
    bool m_drawable = true;
    bool m_doubleByte = false;
};

} // namespace bs::wmf
