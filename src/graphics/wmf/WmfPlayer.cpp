#include "graphics/wmf/WmfPlayer.h"

#include "graphics/wmf/WmfRecords.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <algorithm>
#include <cmath>

namespace bs::wmf {

namespace {

constexpr std::size_t MaxObjects = 65535;
constexpr std::size_t MaxSavedStates = 4096;

QColor colorRef(std::uint32_t value)
{
    // Palette-relative colours (0x02 in the top byte) keep their RGB; palette indices draw black.
    if ((value >> 24) == 0x01)
        return Qt::black;
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace

Player::Player(const Document& document, QPainter& painter, const QRectF& target)
    : m_doc(document), m_painter(painter), m_target(target)
{
    QPaintDevice* device = painter.device();
    const double dpi = device ? device->logicalDpiX() : 96;
    m_dpiY = device ? device->logicalDpiY() : 96;
    if (m_dpiY <= 0)
        m_dpiY = 96;
    m_hairline = std::max(1.0, dpi / 96.0);
    m_rasterOps = painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    m_hadClip = painter.hasClipping();
    if (m_hadClip)
        m_baseClip = painter.clipPath();

    const QSizeF extent = m_doc.frameExtent;
    m_state.windowOrigin = m_doc.frameOrigin;
    m_state.windowExtent = QPointF(extent.width(), extent.height());
    m_state.viewportOrigin = m_doc.frameOrigin;
    m_state.viewportExtent = QPointF(std::abs(extent.width()), std::abs(extent.height()));
    m_objects.resize(std::min<std::size_t>(m_doc.objectCount, MaxObjects));
    m_maxFont = std::min(4000.0, 2 * std::max(std::abs(target.width()), std::abs(target.height())) + 16);
    updateMapping();
}

void Player::play()
{
    const QSizeF extent = m_doc.frameExtent;
    if (extent.width() == 0 || extent.height() == 0 || !m_target.isValid())
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t i = 0; i < m_doc.records.size(); ++i)
        playRecord(i);
    m_painter.restore();
}

void Player::updateMapping()
{
    const QPointF win = m_state.windowExtent;
    const QPointF vp = m_state.viewportExtent;
    const QSizeF frame = m_doc.frameExtent;
    if (win.x() == 0 || win.y() == 0 || frame.width() == 0 || frame.height() == 0)
        return; // nothing to map; play() draws nothing for an empty frame
    double kx = vp.x() / win.x();
    double ky = vp.y() / win.y();
    if (m_state.mapMode == MmIsotropic) {
        const double k = std::min(std::abs(kx), std::abs(ky));
        kx = std::copysign(k, kx);
        ky = std::copysign(k, ky);
    }
    const double tx = m_target.width() / std::abs(m_doc.frameExtent.width());
    const double ty = m_target.height() / std::abs(m_doc.frameExtent.height());
    m_sx = kx * tx;
    m_sy = ky * ty;
    m_ox = m_target.left() + (m_state.viewportOrigin.x() - m_doc.frameOrigin.x() - m_state.windowOrigin.x() * kx) * tx;
    m_oy = m_target.top() + (m_state.viewportOrigin.y() - m_doc.frameOrigin.y() - m_state.windowOrigin.y() * ky) * ty;
}

QRectF Player::mapRect(double left, double top, double right, double bottom) const
{
    return QRectF(map(left, top), map(right, bottom)).normalized();
}

void Player::restoreDC(int which)
{
    // Negative: that many levels back; positive: back to that saved level.
    const int depth = int(m_saved.size());
    const int target = which < 0 ? depth + which : which - 1;
    if (which == 0 || target < 0 || target >= depth)
        return;
    m_state = m_saved[std::size_t(target)];
    m_saved.resize(std::size_t(target));
    updateMapping();
    m_clipDirty = true;
}

void Player::playRecord(std::size_t index)
{
    const Params p = m_doc.params(index);
    const auto function = m_doc.records[index].function;
    State& s = m_state;
    switch (function) {
    case SaveDC:
        if (m_saved.size() < MaxSavedStates)
            m_saved.push_back(s);
        break;
    case RestoreDC: restoreDC(p.s16(0)); break;
    case SetMapMode:
        s.mapMode = p.u16(0);
        updateMapping();
        break;
    case SetWindowOrg: s.windowOrigin = QPointF(p.s16(1), p.s16(0)); updateMapping(); break;
    case SetViewportOrg: s.viewportOrigin = QPointF(p.s16(1), p.s16(0)); updateMapping(); break;
    case OffsetWindowOrg: s.windowOrigin += QPointF(p.s16(1), p.s16(0)); updateMapping(); break;
    case OffsetViewportOrg: s.viewportOrigin += QPointF(p.s16(1), p.s16(0)); updateMapping(); break;
    case SetWindowExt:
    case SetViewportExt:
        if (p.has(2) && p.s16(0) != 0 && p.s16(1) != 0) {
            (function == SetWindowExt ? s.windowExtent : s.viewportExtent) = QPointF(p.s16(1), p.s16(0));
            updateMapping();
        }
        break;
    case ScaleWindowExt:
    case ScaleViewportExt: {
        // yDenom, yNum, xDenom, xNum
        QPointF& extent = function == ScaleWindowExt ? s.windowExtent : s.viewportExtent;
        const int xNum = p.s16(3), xDenom = p.s16(2), yNum = p.s16(1), yDenom = p.s16(0);
        if (p.has(4) && xNum != 0 && xDenom != 0 && yNum != 0 && yDenom != 0) {
            const QPointF scaled(extent.x() * xNum / xDenom, extent.y() * yNum / yDenom);
            // Repeated scaling must not run the extent off to nothing or to infinity.
            const auto usable = [](double v) { return std::abs(v) > 1e-6 && std::abs(v) < 1e9; };
            if (usable(scaled.x()) && usable(scaled.y())) {
                extent = scaled;
                updateMapping();
            }
        }
        break;
    }
    case SetBkMode: s.backMode = p.u16(0); break;
    case SetBkColor: s.backColor = colorRef(p.u32(0)); break;
    case SetTextColor: s.textColor = colorRef(p.u32(0)); break;
    case SetTextAlign: s.textAlign = p.u16(0); break;
    case SetTextCharExtra: s.charExtra = p.s16(0); break;
    case SetPolyFillMode: s.fillRule = p.u16(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill; break;
    case SetRop2: s.rop2 = p.u16(0); break;
    case CreatePenIndirect: addObject(createPen(p)); break;
    case CreateBrushIndirect: addObject(createBrush(p)); break;
    case CreateFontIndirect: addObject(createFont(p)); break;
    case CreateRegion: addObject(createRegion(p)); break;
    case DibCreatePatternBrush:
    case CreatePatternBrush: addObject(createPatternBrush(index)); break;
    case CreatePalette: addObject(GdiObject{}); break;
    case SelectObject: selectObject(p.u16(0)); break;
    case DeleteObject: deleteObject(p.u16(0)); break;
    case IntersectClipRect:
        if (p.has(4))
            intersectClip(mapRect(p.s16(3), p.s16(2), p.s16(1), p.s16(0)));
        break;
    case ExcludeClipRect:
        if (p.has(4))
            excludeClip(mapRect(p.s16(3), p.s16(2), p.s16(1), p.s16(0)));
        break;
    case OffsetClipRgn:
        if (s.clip.on) {
            s.clip.region.translate(int(std::lround(p.s16(1) * m_sx)), int(std::lround(p.s16(0) * m_sy)));
            m_clipDirty = true;
        }
        break;
    case SelectClipRegion: selectClipRegion(p.u16(0)); break;
    case MoveTo: s.position = QPointF(p.s16(1), p.s16(0)); break;
    case LineTo: {
        const QPointF to(p.s16(1), p.s16(0));
        QPainterPath path(map(s.position.x(), s.position.y()));
        path.lineTo(map(to.x(), to.y()));
        drawShape(path, false);
        s.position = to;
        break;
    }
    case Polyline: drawPolyline(p); break;
    case Polygon: drawPolygon(p); break;
    case PolyPolygon: drawPolyPolygon(p); break;
    case Rectangle:
        if (p.has(4)) {
            QPainterPath path;
            path.addRect(mapRect(p.s16(3), p.s16(2), p.s16(1), p.s16(0)));
            drawShape(path, true);
        }
        break;
    case RoundRect:
        if (p.has(6)) {
            QPainterPath path;
            path.addRoundedRect(mapRect(p.s16(5), p.s16(4), p.s16(3), p.s16(2)), std::abs(p.s16(1) * m_sx) / 2,
                                std::abs(p.s16(0) * m_sy) / 2);
            drawShape(path, true);
        }
        break;
    case Ellipse:
        if (p.has(4)) {
            QPainterPath path;
            path.addEllipse(mapRect(p.s16(3), p.s16(2), p.s16(1), p.s16(0)));
            drawShape(path, true);
        }
        break;
    case Arc: drawArc(p, 0); break;
    case Pie: drawArc(p, 1); break;
    case Chord: drawArc(p, 2); break;
    case SetPixel:
        if (p.has(4) && beginDraw()) {
            const QPointF at = map(p.s16(3), p.s16(2));
            const double w = std::max(std::abs(m_sx), hairline());
            const double h = std::max(std::abs(m_sy), hairline());
            m_painter.setRenderHint(QPainter::Antialiasing, false);
            m_painter.fillRect(QRectF(at.x(), at.y(), w, h), colorRef(p.u32(0)));
        }
        break;
    case FillRegion:
    case PaintRegion: {
        const ObjectPtr region = object(p.u16(0));
        const ObjectPtr brush = function == FillRegion ? object(p.u16(1)) : s.brush;
        if (region && region->kind == GdiObject::Region && !region->rects.empty() && beginDraw()) {
            QPainterPath path;
            path.setFillRule(Qt::WindingFill);
            for (const QRectF& r : region->rects)
                path.addRect(mapRect(r.left(), r.top(), r.right(), r.bottom()));
            fillPath(path, brush && brush->kind == GdiObject::Brush ? brush.get() : nullptr);
        }
        break;
    }
    case TextOut: textOut(p); break;
    case ExtTextOut: extTextOut(p); break;
    case PatBlt:
        if (p.has(6))
            patBlt(p.u32(0), mapRect(p.s16(5), p.s16(4), p.s16(5) + p.s16(3), p.s16(4) + p.s16(2)));
        break;
    case StretchDib:
    case DibStretchBlt:
    case DibBitBlt:
    case StretchBlt:
    case BitBlt:
    case SetDibToDev: bitmapRecord(index, p); break;
    default: break; // escapes, palettes and the rest draw nothing
    }
}

// ---- Objects ----

void Player::addObject(GdiObject object)
{
    auto shared = std::make_shared<const GdiObject>(std::move(object));
    while (m_firstFree < m_objects.size() && m_objects[m_firstFree])
        ++m_firstFree;
    if (m_firstFree < m_objects.size())
        m_objects[m_firstFree] = std::move(shared);
    else if (m_objects.size() < MaxObjects)
        m_objects.push_back(std::move(shared));
}

Player::ObjectPtr Player::object(int index) const
{
    if (index < 0 || std::size_t(index) >= m_objects.size())
        return nullptr;
    return m_objects[std::size_t(index)];
}

void Player::selectObject(int index)
{
    ObjectPtr selected = object(index);
    if (!selected)
        return;
    switch (selected->kind) {
    case GdiObject::Pen: m_state.pen = std::move(selected); break;
    case GdiObject::Brush: m_state.brush = std::move(selected); break;
    case GdiObject::Font: m_state.font = std::move(selected); break;
    case GdiObject::Region: selectClipRegion(index); break;
    case GdiObject::BrokenRegion:
    case GdiObject::Other: break;
    }
}

void Player::deleteObject(int index)
{
    if (index >= 0 && std::size_t(index) < m_objects.size()) {
        m_objects[std::size_t(index)].reset();
        m_firstFree = std::min(m_firstFree, std::size_t(index));
    }
}

GdiObject Player::createPen(const Params& p) const
{
    // Style, width (a point: x, y), colour.
    GdiObject pen;
    pen.kind = GdiObject::Pen;
    pen.style = p.u16(0);
    pen.penWidth = std::abs(p.s16(1));
    pen.color = colorRef(p.u32(3));
    return pen;
}

GdiObject Player::createBrush(const Params& p) const
{
    GdiObject brush;
    brush.kind = GdiObject::Brush;
    brush.style = p.u16(0);
    brush.color = colorRef(p.u32(1));
    brush.hatch = p.u16(3);
    if (brush.style == 3 || brush.style == 5 || brush.style == 6)
        brush.style = 0; // a pattern brush without its bitmap: draw in its colour
    return brush;
}

GdiObject Player::createFont(const Params& p) const
{
    GdiObject font;
    font.kind = GdiObject::Font;
    font.height = p.s16(0);
    font.escapement = p.s16(2);
    font.weight = p.s16(4);
    font.italic = p.byte(10) != 0;
    font.underline = p.byte(11) != 0;
    font.strikeOut = p.byte(12) != 0;
    font.charset = p.byte(13);
    font.pitchAndFamily = p.byte(17);
    QByteArray face;
    for (qint64 i = 18; i < 18 + 32 && i < p.size() && p.byte(i) != 0; ++i)
        face.append(char(p.byte(i)));
    // Face names are in the font's character set, except for symbol fonts.
    font.face = TextDecoder(font.charset == 2 ? 0 : font.charset, {}).decode(face).trimmed();
    font.decoder = std::make_shared<TextDecoder>(font.charset, font.face);
    return font;
}

GdiObject Player::createRegion(const Params& p) const
{
    // nextInChain, objectType, objectCount (2), regionSize, scanCount, maxScan, bounds, scans;
    // each scan is a count, top, bottom, count / 2 pairs of left and right, and the count again.
    // A region that cannot be read whole is no region: selecting or filling it does nothing.
    GdiObject region;
    region.kind = GdiObject::BrokenRegion;
    const int scanCount = p.s16(5);
    if (!p.has(11) || scanCount < 0)
        return region;
    int word = 11;
    for (int scan = 0; scan < scanCount; ++scan) {
        const int count = p.u16(word);
        if (count % 2 != 0 || !p.has(word + 4 + count) || p.u16(word + 3 + count) != count) {
            region.rects.clear();
            return region;
        }
        const int top = p.s16(word + 1);
        const int bottom = p.s16(word + 2);
        for (int i = 0; i + 1 < count; i += 2)
            region.rects.emplace_back(QPointF(p.s16(word + 3 + i), top), QPointF(p.s16(word + 4 + i), bottom));
        word += 4 + count;
    }
    region.kind = GdiObject::Region;
    return region;
}

GdiObject Player::createPatternBrush(std::size_t index) const
{
    GdiObject brush;
    brush.kind = GdiObject::Brush;
    const auto found = m_doc.images.find(index);
    if (found != m_doc.images.end()) {
        brush.style = 3;
        brush.pattern = found->second;
        brush.monochrome = m_doc.monochrome.count(index) != 0;
    } else {
        brush.style = 0;
        brush.color = Qt::gray;
    }
    return brush;
}

QImage colourized(const QImage& monochrome, const QColor& dark, const QColor& light)
{
    // As the original graphics system paints a monochrome bitmap: a 0 bit (black) in the text
    // colour, a 1 bit (white) in the background colour.
    QImage result = monochrome.convertToFormat(QImage::Format_RGB32);
    const QRgb darkRgb = dark.rgb();
    const QRgb lightRgb = light.rgb();
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = qGray(line[x]) < 128 ? darkRgb : lightRgb;
    }
    return result;
}

// ---- Clipping ----

QRect Player::clipRect(const QRectF& rect) const
{
    const double limit = 1e8;
    auto clamp = [&](double v) { return int(std::lround(std::clamp(v, -limit, limit))); };
    return QRect(QPoint(clamp(rect.left()), clamp(rect.top())), QPoint(clamp(rect.right()) - 1, clamp(rect.bottom()) - 1));
}

void Player::intersectClip(const QRectF& rect)
{
    Clip& clip = m_state.clip;
    if (!clip.on)
        clip = Clip{true, QRegion(clipRect(rect))};
    else
        clip.region &= clipRect(rect);
    m_clipDirty = true;
}

void Player::excludeClip(const QRectF& rect)
{
    Clip& clip = m_state.clip;
    if (!clip.on)
        clip = Clip{true, QRegion(clipRect(m_target.adjusted(-1e5, -1e5, 1e5, 1e5)))};
    clip.region -= clipRect(rect);
    m_clipDirty = true;
}

void Player::selectClipRegion(int index)
{
    const ObjectPtr region = object(index);
    if (region && region->kind == GdiObject::BrokenRegion)
        return; // an unreadable region is no usable clip
    Clip& clip = m_state.clip;
    clip = Clip{};
    if (region && region->kind == GdiObject::Region) {
        clip.on = true;
        for (const QRectF& r : region->rects)
            clip.region += clipRect(mapRect(r.left(), r.top(), r.right(), r.bottom()));
    }
    m_clipDirty = true;
}

void Player::applyClip()
{
    if (!m_clipDirty)
        return;
    m_clipDirty = false;
    const Clip& clip = m_state.clip;
    if (m_hadClip)
        m_painter.setClipPath(m_baseClip);
    else
        m_painter.setClipping(false);
    if (!clip.on)
        return;
    m_painter.setClipRegion(clip.region, m_hadClip ? Qt::IntersectClip : Qt::ReplaceClip);
}

} // namespace bs::wmf
