// The drawing records of the metafile player: shapes, text and bitmaps.
#include "graphics/wmf/WmfPlayer.h"

#include "graphics/wmf/WmfRecords.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bs::wmf {

namespace {

enum PenStyle { PsSolid, PsDash, PsDot, PsDashDot, PsDashDotDot, PsNull, PsInsideFrame };
enum BrushStyle { BsSolid = 0, BsNull = 1, BsHatched = 2, BsPattern = 3 };
enum TextAlign { TaUpdateCp = 1, TaRight = 2, TaCenter = 6, TaBottom = 8, TaBaseline = 24 };
enum TextOptions { EtoOpaque = 2, EtoClipped = 4 };
constexpr int BkOpaque = 2;

// The hatch as an 8 x 8 tile, so it scales with the device like the pattern brushes do (the
// toolkit's own hatch styles stay one device pixel fine on a printer).
QImage hatchTile(int hatch, const QColor& color)
{
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    const QRgb ink = color.rgba();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            bool on = false;
            switch (hatch) {
            case 0: on = y == 4; break;                    // horizontal
            case 1: on = x == 4; break;                    // vertical
            case 2: on = x == y; break;                    // forward diagonal
            case 3: on = x + y == 7; break;                // backward diagonal
            case 4: on = x == 4 || y == 4; break;          // cross
            default: on = x == y || x + y == 7; break;     // diagonal cross
            }
            if (on)
                tile.setPixel(x, y, ink);
        }
    }
    return tile;
}

// Pixels of the given colour become transparent: how an AND mask (white) or an OR/XOR image
// (black) combines with a white page, on any device.
QImage withoutColor(const QImage& image, QRgb key)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (key & 0x00FFFFFF))
                line[x] = 0;
        }
    }
    return result;
}

} // namespace

bool Player::beginDraw()
{
    applyClip();
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (m_state.rop2) {
    case 11: return false; // R2_NOP
    case 6: // R2_NOT
        if (!m_rasterOps)
            return false;
        mode = QPainter::RasterOp_NotDestination;
        break;
    case 7: if (m_rasterOps) mode = QPainter::RasterOp_SourceXorDestination; break;
    case 10: if (m_rasterOps) mode = QPainter::RasterOp_NotSourceXorDestination; break;
    case 9: if (m_rasterOps) mode = QPainter::RasterOp_SourceAndDestination; break;
    case 15: if (m_rasterOps) mode = QPainter::RasterOp_SourceOrDestination; break;
    default: break;
    }
    m_painter.setCompositionMode(mode);
    m_painter.setRenderHint(QPainter::Antialiasing, mode == QPainter::CompositionMode_SourceOver);
    return true;
}

namespace {

QColor ropColor(int rop2, const QColor& color)
{
    switch (rop2) {
    case 1: return Qt::black;
    case 16: return Qt::white;
    case 4: return QColor(255 - color.red(), 255 - color.green(), 255 - color.blue());
    default: return color;
    }
}

} // namespace

QPen Player::currentPen() const
{
    const GdiObject* pen = m_state.pen.get();
    if (!pen) { // the stock black pen
        QPen stock(QColor(Qt::black), hairline());
        stock.setCosmetic(true);
        return stock;
    }
    const int style = pen->style & 0x0F;
    if (style == PsNull)
        return Qt::NoPen;
    QPen result(ropColor(m_state.rop2, pen->color));
    const double width = pen->penWidth * std::abs(m_sx);
    if (pen->penWidth == 0 || width < hairline()) {
        result.setCosmetic(true);
        result.setWidthF(hairline());
    } else {
        result.setWidthF(width);
    }
    switch (style) {
    case PsDash: result.setStyle(Qt::DashLine); break;
    case PsDot: result.setStyle(Qt::DotLine); break;
    case PsDashDot: result.setStyle(Qt::DashDotLine); break;
    case PsDashDotDot: result.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    const int cap = pen->style & 0x0F00;
    result.setCapStyle(cap == 0x100 ? Qt::SquareCap : cap == 0x200 ? Qt::FlatCap : Qt::RoundCap);
    const int join = pen->style & 0xF000;
    result.setJoinStyle(join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
    return result;
}

QBrush Player::brushFor(const GdiObject* brush) const
{
    if (!brush)
        return QBrush(ropColor(m_state.rop2, Qt::white)); // the stock white brush
    QBrush result;
    switch (brush->style) {
    case BsNull: return Qt::NoBrush;
    case BsHatched: result = QBrush(hatchTile(brush->hatch, ropColor(m_state.rop2, brush->color))); break;
    case BsPattern:
        if (brush->pattern.isNull())
            return QBrush(Qt::gray);
        result = QBrush(brush->monochrome ? colourized(brush->pattern, m_state.textColor, m_state.backColor)
                                          : brush->pattern);
        break;
    default: return QBrush(ropColor(m_state.rop2, brush->color));
    }
    // Patterns are in device pixels; keep them the size they have on a screen.
    result.setTransform(QTransform::fromScale(hairline(), hairline()));
    return result;
}

void Player::fillPath(const QPainterPath& path, const GdiObject* brush)
{
    const QBrush fill = brushFor(brush);
    if (fill.style() == Qt::NoBrush)
        return;
    // Fills cover whole pixels, as the original graphics system does, so shapes that touch
    // leave no light seam between them.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    if (brush && brush->style == BsHatched && m_state.backMode == BkOpaque)
        m_painter.fillPath(path, m_state.backColor);
    m_painter.fillPath(path, fill);
}

void Player::drawShape(const QPainterPath& shape, bool fill)
{
    if (!beginDraw())
        return;
    if (fill) {
        QPainterPath path = shape;
        path.setFillRule(m_state.fillRule);
        fillPath(path, m_state.brush.get());
    }
    const QPen pen = currentPen();
    if (pen.style() != Qt::NoPen) {
        m_painter.setRenderHint(QPainter::Antialiasing,
                                m_painter.compositionMode() == QPainter::CompositionMode_SourceOver);
        m_painter.strokePath(shape, pen);
    }
}

void Player::drawPolyline(const Params& p)
{
    const int count = std::min<int>(p.u16(0), (p.words() - 1) / 2);
    if (count < 2)
        return;
    QPainterPath path(map(p.s16(1), p.s16(2)));
    for (int i = 1; i < count; ++i)
        path.lineTo(map(p.s16(1 + 2 * i), p.s16(2 + 2 * i)));
    drawShape(path, false);
}

void Player::drawPolygon(const Params& p)
{
    const int count = std::min<int>(p.u16(0), (p.words() - 1) / 2);
    if (count < 2)
        return;
    QPainterPath path(map(p.s16(1), p.s16(2)));
    for (int i = 1; i < count; ++i)
        path.lineTo(map(p.s16(1 + 2 * i), p.s16(2 + 2 * i)));
    path.closeSubpath();
    drawShape(path, true);
}

void Player::drawPolyPolygon(const Params& p)
{
    const int polygons = p.u16(0);
    if (!p.has(1 + polygons))
        return;
    int word = 1 + polygons;
    QPainterPath path;
    for (int n = 0; n < polygons; ++n) {
        const int count = std::min<int>(p.u16(1 + n), (p.words() - word) / 2);
        if (count >= 2) {
            path.moveTo(map(p.s16(word), p.s16(word + 1)));
            for (int i = 1; i < count; ++i)
                path.lineTo(map(p.s16(word + 2 * i), p.s16(word + 1 + 2 * i)));
            path.closeSubpath();
        }
        word += 2 * std::max(count, 0);
    }
    if (!path.isEmpty())
        drawShape(path, true);
}

void Player::drawArc(const Params& p, int kind)
{
    // yEnd, xEnd, yStart, xStart, bottom, right, top, left
    if (!p.has(8))
        return;
    const QRectF box = mapRect(p.s16(7), p.s16(6), p.s16(5), p.s16(4));
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const QPointF centre = box.center();
    const double a = box.width() / 2;
    const double b = box.height() / 2;
    // Radial directions become the ellipse's own angles; arcs run counter-clockwise on the page.
    auto angle = [&](QPointF radial) {
        const QPointF d = radial - centre;
        return std::atan2(-d.y() / b, d.x() / a) * 180 / std::numbers::pi;
    };
    const double start = angle(map(p.s16(3), p.s16(2)));
    double sweep = angle(map(p.s16(1), p.s16(0))) - start;
    if (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    if (kind == 1) {
        path.moveTo(centre);
        path.arcTo(box, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        if (kind == 2)
            path.closeSubpath();
    }
    drawShape(path, kind != 0);
}

// ---- Text ----

QFont Player::fontFor(const GdiObject& font) const
{
    QFont result;
    const bool symbols = font.decoder && font.decoder->mapsSymbols();
    if (!font.face.isEmpty() && !symbols)
        result.setFamily(font.face);
    if (symbols)
        result.setStyleHint(QFont::Serif);
    switch (symbols ? 0 : (font.pitchAndFamily >> 4) & 0x0F) {
    case 1: result.setStyleHint(QFont::Serif); break;
    case 2: result.setStyleHint(QFont::SansSerif); break;
    case 3: result.setStyleHint(QFont::Monospace); break;
    case 4: result.setStyleHint(QFont::Cursive); break;
    case 5: result.setStyleHint(QFont::Decorative); break;
    default: break;
    }
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setWeight(QFont::Weight(std::clamp(font.weight <= 0 ? 400 : font.weight, 1, 1000)));
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);

    double em = font.height == 0 ? 16 * hairline() : std::abs(font.height * m_sy);
    if (font.height > 0) { // a cell height: ascent plus descent
        QFont probe = result;
        probe.setPixelSize(100);
        const QFontMetricsF metrics(probe);
        const double cell = metrics.ascent() + metrics.descent();
        if (cell > 0)
            em = em * 100 / cell;
    }
    em = std::clamp(em, 0.05, m_maxFont);
    result.setPointSizeF(em * 72 / m_dpiY);
    return result;
}

void Player::drawText(double x, double y, const QByteArray& bytes, const std::vector<int>& dx, int options,
                      const QRectF& box)
{
    applyClip();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setRenderHint(QPainter::Antialiasing, false); // the boxes behind, as fills
    const QRectF mappedBox = box.isNull() ? QRectF() : mapRect(box.left(), box.top(), box.right(), box.bottom());
    if ((options & EtoOpaque) && !mappedBox.isNull())
        m_painter.fillRect(mappedBox, m_state.backColor);

    static const GdiObject defaultFont = [] {
        GdiObject f;
        f.kind = GdiObject::Font;
        f.decoder = std::make_shared<TextDecoder>(0, QString());
        return f;
    }();
    const GdiObject& font = m_state.font ? *m_state.font : defaultFont;
    const TextDecoder& decoder = *font.decoder;
    if (!decoder.drawable() || bytes.isEmpty())
        return;

    QFont qfont = fontFor(font);
    if (m_state.charExtra != 0 && dx.empty())
        qfont.setLetterSpacing(QFont::AbsoluteSpacing, m_state.charExtra * std::abs(m_sx));
    const QFontMetricsF metrics(qfont, m_painter.device());
    QStringList characters;
    std::vector<double> offsets; // painter units along the baseline, one per character
    double width = 0;
    if (!dx.empty()) {
        QList<int> byteCounts;
        characters = decoder.characters(bytes, &byteCounts);
        std::size_t at = 0;
        for (int count : byteCounts) {
            offsets.push_back(width);
            for (int i = 0; i < count && at < dx.size(); ++i, ++at)
                width += dx[at] * std::abs(m_sx);
        }
    } else {
        QString text = decoder.decode(bytes);
        text.remove(QChar(u'\0'));
        width = metrics.horizontalAdvance(text);
        characters.append(text);
        offsets.push_back(0);
    }

    const int align = m_state.textAlign;
    const QPointF reference = (align & TaUpdateCp) ? m_state.position : QPointF(x, y);
    double left = 0;
    if ((align & TaCenter) == TaCenter)
        left = -width / 2;
    else if (align & TaRight)
        left = -width;
    double baseline = metrics.ascent();
    if ((align & TaBaseline) == TaBaseline)
        baseline = 0;
    else if (align & TaBottom)
        baseline = -metrics.descent();

    m_painter.save();
    if ((options & EtoClipped) && !mappedBox.isNull())
        m_painter.setClipRect(mappedBox, m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    m_painter.translate(map(reference.x(), reference.y()));
    if (font.escapement != 0)
        m_painter.rotate(-font.escapement / 10.0);
    if (m_state.backMode == BkOpaque && !(options & EtoOpaque))
        m_painter.fillRect(QRectF(left, baseline - metrics.ascent(), width, metrics.height()), m_state.backColor);
    m_painter.setRenderHint(QPainter::Antialiasing); // the glyphs stay smooth
    m_painter.setFont(qfont);
    m_painter.setPen(m_state.textColor);
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (!characters[i].isEmpty() && characters[i] != QLatin1String("\0", 1))
            m_painter.drawText(QPointF(left + offsets[std::size_t(i)], baseline), characters[i]);
    }
    m_painter.restore();

    if (align & TaUpdateCp) {
        const double advance = m_sx != 0 ? width / m_sx : 0;
        if ((align & TaCenter) == TaCenter)
            ;
        else if (align & TaRight)
            m_state.position.rx() -= advance;
        else
            m_state.position.rx() += advance;
    }
}

void Player::textOut(const Params& p)
{
    const int count = std::min<int>(p.s16(0), p.size() - 2);
    if (count <= 0)
        return;
    const int after = 1 + (count + 1) / 2;
    drawText(p.s16(after + 1), p.s16(after), QByteArray(p.bytes(2), count), {}, 0, {});
}

void Player::extTextOut(const Params& p)
{
    // y, x, count, options, [rectangle], text (padded to a word), [advances]
    if (!p.has(4))
        return;
    const int options = p.u16(3);
    int word = 4;
    QRectF box;
    if (options & (EtoOpaque | EtoClipped)) {
        if (!p.has(8))
            return;
        box = QRectF(QPointF(p.s16(4), p.s16(5)), QPointF(p.s16(6), p.s16(7)));
        word = 8;
    }
    const int count = std::clamp<int>(p.s16(2), 0, p.size() - word * 2);
    const QByteArray bytes(p.bytes(qint64(word) * 2), count);
    std::vector<int> dx;
    const int dxWord = word + (count + 1) / 2;
    if (count > 0 && p.has(dxWord + count)) {
        dx.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
            dx.push_back(p.s16(dxWord + i));
    }
    drawText(p.s16(1), p.s16(0), bytes, dx, options, box);
}

// ---- Bitmaps ----

void Player::patBlt(std::uint32_t rop, const QRectF& rect)
{
    applyClip();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    switch (rop) {
    case RopBlackness: m_painter.fillRect(rect, Qt::black); break;
    case RopWhiteness: m_painter.fillRect(rect, Qt::white); break;
    case RopDstInvert:
        if (m_rasterOps) {
            m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
            m_painter.fillRect(rect, Qt::black);
        }
        break;
    case RopPatInvert:
        if (m_rasterOps) {
            m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            m_painter.fillRect(rect, brushFor(m_state.brush.get()));
        }
        break;
    case RopPatCopy: {
        const QBrush brush = brushFor(m_state.brush.get());
        if (brush.style() != Qt::NoBrush)
            m_painter.fillRect(rect, brush);
        break;
    }
    default: break; // operations that keep the destination or need a source draw nothing
    }
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Player::bitmapRecord(std::size_t index, const Params& p)
{
    const auto function = m_doc.records[index].function;
    const int words = p.words();
    switch (function) {
    case StretchDib:
        // rop, usage, srcHeight, srcWidth, ySrc, xSrc, destHeight, destWidth, yDest, xDest
        drawBitmap(index, p.u32(0), QRectF(p.s16(6), p.s16(5), p.s16(4), p.s16(3)), p.s16(10), p.s16(9), p.s16(8),
                   p.s16(7), true);
        break;
    case DibStretchBlt:
    case StretchBlt:
        if (words == (function >> 8)) // no bitmap: a pattern fill
            patBlt(p.u32(0), mapRect(p.s16(10), p.s16(9), p.s16(10) + p.s16(8), p.s16(9) + p.s16(7)));
        else
            drawBitmap(index, p.u32(0), QRectF(p.s16(5), p.s16(4), p.s16(3), p.s16(2)), p.s16(9), p.s16(8),
                       p.s16(7), p.s16(6), false);
        break;
    case DibBitBlt:
    case BitBlt:
        if (words == (function >> 8))
            patBlt(p.u32(0), mapRect(p.s16(8), p.s16(7), p.s16(8) + p.s16(6), p.s16(7) + p.s16(5)));
        else
            drawBitmap(index, p.u32(0), QRectF(p.s16(3), p.s16(2), p.s16(5), p.s16(4)), p.s16(7), p.s16(6), p.s16(5),
                       p.s16(4), false);
        break;
    case SetDibToDev:
        // usage, scanCount, startScan, yDib, xDib, height, width, yDest, xDest
        drawBitmap(index, RopSrcCopy, QRectF(p.s16(4), p.s16(3), p.s16(6), p.s16(5)), p.s16(8), p.s16(7), p.s16(6),
                   p.s16(5), true);
        break;
    default: break;
    }
}

void Player::drawBitmap(std::size_t index, std::uint32_t rop, QRectF source, double x, double y, double w, double h,
                        bool sourceFromBottom)
{
    const QPointF from = map(x, y);
    const QPointF to = map(x + w, y + h);
    const QRectF dest = QRectF(from, to).normalized();
    if (rop == RopBlackness || rop == RopWhiteness || rop == RopPatCopy || rop == RopPatInvert || rop == RopDstInvert) {
        patBlt(rop, dest);
        return;
    }
    const auto found = m_doc.images.find(index);
    if (found == m_doc.images.end() || dest.isEmpty() || rop == RopDestination)
        return;
    // A monochrome bitmap takes the text colour for black, the background colour for white.
    const QImage image = m_doc.monochrome.count(index)
        ? colourized(found->second, m_state.textColor, m_state.backColor)
        : found->second;
    source = source.normalized();
    if (sourceFromBottom)
        source.moveTop(image.height() - source.bottom());
    source = source.intersected(QRectF(image.rect()));
    if (source.isEmpty())
        return;

    const bool mirrorX = to.x() < from.x();
    const bool mirrorY = to.y() < from.y();
    QImage drawn;
    QRectF drawnSource = source;
    if (mirrorX || mirrorY || rop == RopSrcAnd || rop == RopSrcPaint || rop == RopSrcInvert || rop == RopNotSrcCopy) {
        drawn = image.copy(source.toAlignedRect()).mirrored(mirrorX, mirrorY);
        drawnSource = QRectF(drawn.rect());
        if (rop == RopSrcAnd)
            drawn = withoutColor(drawn, qRgb(255, 255, 255));
        else if (rop == RopSrcPaint || rop == RopSrcInvert)
            drawn = withoutColor(drawn, qRgb(0, 0, 0));
        else if (rop == RopNotSrcCopy)
            drawn.invertPixels();
    }
    applyClip();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setRenderHint(QPainter::Antialiasing, false); // whole pixels, as fills
    const QRectF device = m_painter.transform().mapRect(dest);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, device.width() < source.width());
    m_painter.drawImage(dest, drawn.isNull() ? image : drawn, drawnSource);
}

} // namespace bs::wmf
