#pragma once

#include "graphics/wmf/WmfDocument.h"
#include "graphics/wmf/WmfText.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QRegion>
#include <memory>
#include <vector>

namespace bs::wmf {

// A graphics object of the metafile's object table.
struct GdiObject
{
    enum Kind { Pen, Brush, Font, Region, BrokenRegion, Other };
    Kind kind = Other;
    // Pen and brush
    int style = 0;
    QColor color;
    double penWidth = 0; // logical units
    int hatch = 0;
    QImage pattern;
    bool monochrome = false; // the pattern's black and white take the text and background colours
    // Font
    QString face;
    int height = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    int pitchAndFamily = 0;
    std::shared_ptr<TextDecoder> decoder;
    // Region, in logical units
    std::vector<QRectF> rects;
};

// A black and white bitmap in two colours: black becomes dark, white becomes light.
QImage colourized(const QImage& monochrome, const QColor& dark, const QColor& light);

// Plays a parsed metafile on a painter: the file's frame fills target. The player keeps the
// device context of the file (mapping, objects, colours, clip, current position) and draws
// through the painter only, so a screen image and a printer page get the same drawing.
class Player
{
public:
    Player(const Document& document, QPainter& painter, const QRectF& target);
    void play();

private:
    using ObjectPtr = std::shared_ptr<const GdiObject>;

    // The clip in painter coordinates; regions keep every combination cheap and bounded.
    struct Clip
    {
        bool on = false;
        QRegion region;
    };

    struct State
    {
        QPointF windowOrigin, windowExtent, viewportOrigin, viewportExtent;
        int mapMode = 1;
        ObjectPtr pen, brush, font;
        QColor textColor = Qt::black;
        QColor backColor = Qt::white;
        int backMode = 2;
        int textAlign = 0;
        int charExtra = 0; // logical units between characters
        Qt::FillRule fillRule = Qt::OddEvenFill;
        int rop2 = 13;
        QPointF position; // logical
        Clip clip;
    };

    void playRecord(std::size_t index);
    // Mapping and device context
    void updateMapping();
    QPointF map(double x, double y) const { return QPointF(x * m_sx + m_ox, y * m_sy + m_oy); }
    QRectF mapRect(double left, double top, double right, double bottom) const;
    void restoreDC(int which);
    // Objects
    void addObject(GdiObject object);
    void selectObject(int index);
    void deleteObject(int index);
    ObjectPtr object(int index) const;
    GdiObject createPen(const Params& p) const;
    GdiObject createBrush(const Params& p) const;
    GdiObject createFont(const Params& p) const;
    GdiObject createRegion(const Params& p) const;
    GdiObject createPatternBrush(std::size_t index) const;
    // Clipping
    void intersectClip(const QRectF& rect);
    void excludeClip(const QRectF& rect);
    QRect clipRect(const QRectF& rect) const;
    void selectClipRegion(int index);
    void applyClip();
    // Drawing
    bool beginDraw(); // false when the raster operation draws nothing
    QPen currentPen() const;
    QBrush brushFor(const GdiObject* brush) const;
    void fillPath(const QPainterPath& path, const GdiObject* brush);
    void drawShape(const QPainterPath& path, bool fill);
    void drawPolyline(const Params& p);
    void drawPolygon(const Params& p);
    void drawPolyPolygon(const Params& p);
    void drawArc(const Params& p, int kind);
    void drawText(double x, double y, const QByteArray& bytes, const std::vector<int>& dx,
                  int options, const QRectF& box);
    void textOut(const Params& p);
    void extTextOut(const Params& p);
    void patBlt(std::uint32_t rop, const QRectF& rect);
    void drawBitmap(std::size_t index, std::uint32_t rop, QRectF source, double x, double y, double w, double h,
                    bool sourceFromBottom);
    void bitmapRecord(std::size_t index, const Params& p);
    QFont fontFor(const GdiObject& font) const;
    double hairline() const { return m_hairline; }

    const Document& m_doc;
    QPainter& m_painter;
    QRectF m_target;
    QPainterPath m_baseClip;
    bool m_hadClip = false;
    bool m_rasterOps = false;
    double m_hairline = 1;
    double m_dpiY = 96;
    double m_maxFont = 4000; // pixels: a font far taller than the picture is garbage
    State m_state;
    std::vector<State> m_saved;
    std::vector<ObjectPtr> m_objects;
    std::size_t m_firstFree = 0; // no free slot below it
    double m_sx = 1, m_sy = 1, m_ox = 0, m_oy = 0;
    bool m_clipDirty = false;
};

} // namespace bs::wmf
