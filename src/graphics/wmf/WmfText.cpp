#include "graphics/wmf/WmfText.h"

#include "base/Cp1252.h"

#include <QStringDecoder>

namespace bs::wmf {

namespace {

enum Charset {
    AnsiCharset = 0, DefaultCharset = 1, SymbolCharset = 2, ShiftJisCharset = 128, HangulCharset = 129,
    JohabCharset = 130, Gb2312Charset = 134, Big5Charset = 136, GreekCharset = 161, TurkishCharset = 162,
    VietnameseCharset = 163, HebrewCharset = 177, ArabicCharset = 178, BalticCharset = 186,
    RussianCharset = 204, ThaiCharset = 222, EastEuropeCharset = 238, OemCharset = 255,
};

// The Symbol font's code points 0x20-0x7F and 0xA0-0xFF in Unicode.
constexpr char16_t SymbolLow[96] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0x0020,
};
constexpr char16_t SymbolHigh[96] = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    0x0020, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0x0020,
};

QChar symbolChar(unsigned char b)
{
    if (b >= 0x20 && b < 0x80)
        return QChar(SymbolLow[b - 0x20]);
    if (b >= 0xA0)
        return QChar(SymbolHigh[b - 0xA0]);
    return QChar(u' ');
}

struct SymbolMapping
{
    unsigned char code;
    char16_t unicode;
};

// The characters of the dingbat and equation fonts that drawings use: check boxes, bullets,
// arrows, ellipses and accents. Where the font's own glyph has no close Unicode character of
// the basic plane, the nearest common one stands in (plain arrows for Wingdings' barbed ones).
constexpr SymbolMapping Wingdings[] = {
    {0x4A, 0x263A}, {0x4C, 0x2639}, {0x6C, 0x25CF}, {0x6D, 0x274D}, {0x6E, 0x25A0}, {0x6F, 0x25A1},
    {0x71, 0x2751}, {0x72, 0x2752}, {0x73, 0x2B27}, {0x74, 0x29EB}, {0x75, 0x25C6}, {0x76, 0x2756},
    {0x77, 0x2B25}, {0x78, 0x2327}, {0xA1, 0x25CB}, {0xA7, 0x25AA}, {0xA8, 0x25FB}, {0xAB, 0x2605},
    {0xD8, 0x27A2}, {0xDF, 0x2190}, {0xE0, 0x2192}, {0xE1, 0x2191}, {0xE2, 0x2193}, {0xE8, 0x2794},
    {0xEF, 0x21E6}, {0xF0, 0x21E8}, {0xF1, 0x21E7}, {0xF2, 0x21E9}, {0xFB, 0x2717}, {0xFC, 0x2713},
    {0xFD, 0x2612}, {0xFE, 0x2611},
};
constexpr SymbolMapping Webdings[] = {
    {0x33, 0x25C0}, {0x34, 0x25B6}, {0x35, 0x25B2}, {0x36, 0x25BC}, {0x61, 0x2713}, {0x67, 0x25A0},
    {0x6E, 0x25CF}, {0x72, 0x2715},
};
constexpr SymbolMapping Marlett[] = {
    {0x30, 0x2581}, {0x31, 0x25A1}, {0x32, 0x2750}, {0x33, 0x25C0}, {0x34, 0x25B6}, {0x35, 0x25B2},
    {0x36, 0x25BC}, {0x61, 0x2713}, {0x68, 0x2022}, {0x72, 0x2715},
};
// Accents as their spacing forms: the equation places them over the letter itself.
constexpr SymbolMapping MtExtra[] = {
    {0x23, 0x02CB}, {0x24, 0x02C6}, {0x25, 0x02DC}, {0x26, 0x02D9}, {0x43, 0x2210}, {0x44, 0x019B},
    {0x49, 0x2229}, {0x4B, 0x2026}, {0x4C, 0x22EF}, {0x4D, 0x22EE}, {0x4E, 0x22F0}, {0x4F, 0x22F1},
    {0x51, 0x2235}, {0x55, 0x222A}, {0x60, 0x2035}, {0x61, 0x21A6}, {0x62, 0x2195}, {0x63, 0x21D5},
};

template<std::size_t N>
QChar mapped(const SymbolMapping (&table)[N], unsigned char b)
{
    if (b == 0x20)
        return QChar(u' ');
    for (const SymbolMapping& m : table) {
        if (m.code == b)
            return QChar(m.unicode);
    }
    return QChar(u'\0');
}

QByteArray encodingFor(int charset)
{
    switch (charset) {
    case ShiftJisCharset: return "Shift_JIS";
    case HangulCharset: return "windows-949";
    case JohabCharset: return "windows-949";
    case Gb2312Charset: return "GBK";
    case Big5Charset: return "Big5";
    case GreekCharset: return "windows-1253";
    case TurkishCharset: return "windows-1254";
    case VietnameseCharset: return "windows-1258";
    case HebrewCharset: return "windows-1255";
    case ArabicCharset: return "windows-1256";
    case BalticCharset: return "windows-1257";
    case RussianCharset: return "windows-1251";
    case ThaiCharset: return "windows-874";
    case EastEuropeCharset: return "windows-1250";
    default: return {};
    }
}

// DEFAULT_CHARSET means the writer's system code page; for the East Asian fonts that code
// page is the font's own, which is the best guess a reader has, and symbol fonts keep theirs.
int charsetForFace(const QString& face)
{
    static const struct { const char* name; int charset; } faces[] = {
        {"yahei", Gb2312Charset}, {"simsun", Gb2312Charset}, {"simhei", Gb2312Charset}, {"kaiti", Gb2312Charset},
        {"fangsong", Gb2312Charset}, {"dengxian", Gb2312Charset}, {"ms gothic", ShiftJisCharset},
        {"ms mincho", ShiftJisCharset}, {"ms pgothic", ShiftJisCharset}, {"ms pmincho", ShiftJisCharset},
        {"ms ui gothic", ShiftJisCharset}, {"meiryo", ShiftJisCharset}, {"yu gothic", ShiftJisCharset},
        {"mingliu", Big5Charset}, {"jhenghei", Big5Charset}, {"gulim", HangulCharset}, {"batang", HangulCharset},
        {"dotum", HangulCharset}, {"malgun", HangulCharset}, {"gungsuh", HangulCharset},
    };
    // Symbol fonts have their own character set whatever the writer asked for.
    for (const char* symbolFace : {"symbol", "wingdings", "webdings", "mt extra", "marlett"}) {
        if (face.contains(QLatin1String(symbolFace), Qt::CaseInsensitive))
            return SymbolCharset;
    }
    for (const auto& known : faces) {
        if (face.contains(QLatin1String(known.name), Qt::CaseInsensitive))
            return known.charset;
    }
    return AnsiCharset;
}

} // namespace

TextDecoder::TextDecoder(int charset, const QString& face)
    : m_charset(charset == DefaultCharset ? charsetForFace(face) : charset)
{
    charset = m_charset;
    if (charset == SymbolCharset) {
        const QString name = face.trimmed().toLower();
        if (name.contains(QLatin1String("symbol")))
            m_symbols = SymbolSet::Symbol;
        else if (name == QLatin1String("wingdings")) // Wingdings 2 and 3 hold other shapes
            m_symbols = SymbolSet::Wingdings;
        else if (name == QLatin1String("webdings"))
            m_symbols = SymbolSet::Webdings;
        else if (name == QLatin1String("marlett"))
            m_symbols = SymbolSet::Marlett;
        else if (name.startsWith(QLatin1String("mt extra")))
            m_symbols = SymbolSet::MtExtra;
        m_drawable = m_symbols != SymbolSet::None;
        return;
    }
    m_encoding = encodingFor(charset);
    if (!m_encoding.isEmpty() && !QStringDecoder(m_encoding.constData()).isValid())
        m_encoding.clear();
    m_doubleByte = charset == ShiftJisCharset || charset == HangulCharset || charset == JohabCharset
        || charset == Gb2312Charset || charset == Big5Charset;
    if (m_encoding.isEmpty())
        m_doubleByte = false;
}

bool TextDecoder::isLeadByte(unsigned char byte) const
{
    if (!m_doubleByte)
        return false;
    if (m_charset == ShiftJisCharset)
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return byte >= 0x81 && byte <= 0xFE;
}

QChar TextDecoder::singleByte(unsigned char b) const
{
    switch (m_symbols) {
    case SymbolSet::Symbol: return symbolChar(b);
    case SymbolSet::Wingdings: return mapped(Wingdings, b);
    case SymbolSet::Webdings: return mapped(Webdings, b);
    case SymbolSet::Marlett: return mapped(Marlett, b);
    case SymbolSet::MtExtra: return mapped(MtExtra, b);
    case SymbolSet::None: break;
    }
    return QChar(cp1252::character(b));
}

QString TextDecoder::decode(const QByteArray& bytes) const
{
    if (mapsSymbols() || m_encoding.isEmpty()) {
        QString text(bytes.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            text[i] = singleByte(static_cast<unsigned char>(bytes[i]));
        return text;
    }
    QStringDecoder decoder(m_encoding.constData());
    return decoder.decode(bytes);
}

QStringList TextDecoder::characters(const QByteArray& bytes, QList<int>* byteCounts) const
{
    QStringList result;
    for (qsizetype i = 0; i < bytes.size();) {
        const int n = (isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) ? 2 : 1;
        result.append(decode(bytes.mid(i, n)));
        if (byteCounts)
            byteCounts->append(n);
        i += n;
    }
    return result;
}

} // namespace bs::wmf
