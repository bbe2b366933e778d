#include "graphics/TextPageDrawing.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>
#include <QStringList>

#include <optional>
#include <variant>

namespace bs {

namespace {

struct Style
{
    int width = 0;
    int height = 0;
    int margin = 0;
    int titleBand = 0;
    QString face;
    QString bodyFace;
    int titleEm = 0;
    int subEm = 0;
    std::vector<int> bodyEms;
    std::optional<QColor> panel;
    QColor frame, title, sub, heading, body, bullet, boxText, footer;
    std::optional<QColor> band, boxFill;
    QColor boxFrame;
};

const Style& styleOf(PageMedium medium)
{
    static const Style screen{10440, 7800, 300, 900, QStringLiteral("Tahoma"), QStringLiteral("Tahoma"), 400, 210,
                              {250, 240, 230, 220, 210, 200}, QColor(26, 42, 98), QColor(126, 166, 232),
                              QColor(20, 32, 80), QColor(40, 56, 110), QColor(255, 226, 96), QColor(244, 246, 252),
                              QColor(255, 214, 64), QColor(255, 255, 255), QColor(160, 184, 230), QColor(255, 214, 64),
                              QColor(48, 82, 160), QColor(255, 214, 64)};
    static const Style paper{9500, 14000, 360, 1000, QStringLiteral("Arial"), QStringLiteral("Times New Roman"), 440, 220,
                             {260, 250, 240, 230, 220, 210, 200}, std::nullopt, Qt::black, Qt::black, Qt::black,
                             Qt::black, Qt::black, Qt::black, Qt::black, Qt::black, std::nullopt, std::nullopt, Qt::black};
    return medium == PageMedium::Screen ? screen : paper;
}

QFont fontOf(const QString& face, int em, bool bold)
{
    QFont font(face);
    font.setPixelSize(em);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting); // drawn scaled: metrics as designed
    return font;
}

QStringList wrap(const QFont& font, const QString& text, double width)
{
    const QFontMetricsF metrics(font);
    QStringList lines;
    QString current;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString candidate = current.isEmpty() ? word : current + u' ' + word;
        if (current.isEmpty() || metrics.horizontalAdvance(candidate) <= width) {
            current = candidate;
        } else {
            lines << current;
            current = word;
        }
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}

struct TextOp
{
    QPointF at;
    QFont font;
    QColor colour;
    QString line;
};
struct DotOp
{
    QRectF box;
};
struct BoxOp
{
    QRectF box;
};
using Op = std::variant<TextOp, DotOp, BoxOp>;

struct Layout
{
    std::vector<Op> ops;
    double bottom = 0; // below the last block
    double footerTop = 0;
};

Layout layOut(const PageText& page, const Style& style, int em)
{
    Layout out;
    // Lines are measured at the layout's size; drawn at a screen's, hinted glyphs run a little
    // wider, which the wrapping leaves room for.
    const double inner = (style.width - 2 * style.margin) * 0.97;
    const double lineGap = em * 1.28;
    const int headingEm = int(em * 1.2);
    const double bulletIndent = int(em * 1.3);
    double y = style.titleBand + 200;
    const QFont body = fontOf(style.bodyFace, em, false);
    const QFont bold = fontOf(style.bodyFace, em, true);
    for (const PageBlock& block : page.blocks) {
        switch (block.kind) {
        case PageBlock::Heading:
            y += em * 0.35;
            out.ops.push_back(TextOp{{double(style.margin), y}, fontOf(style.face, headingEm, true), style.heading, block.text});
            y += headingEm * 1.35;
            break;
        case PageBlock::Paragraph:
            for (const QString& line : wrap(body, block.text, inner)) {
                out.ops.push_back(TextOp{{double(style.margin), y}, body, style.body, line});
                y += lineGap;
            }
            y += em * 0.4;
            break;
        case PageBlock::Bullet: {
            const double dot = em * 0.34;
            out.ops.push_back(DotOp{QRectF(style.margin + em * 0.3, y + em * 0.55 - dot / 2, dot, dot)});
            for (const QString& line : wrap(body, block.text, inner - bulletIndent)) {
                out.ops.push_back(TextOp{{style.margin + bulletIndent, y}, body, style.body, line});
                y += lineGap;
            }
            y += em * 0.3;
            break;
        }
        case PageBlock::Box: {
            const double pad = em * 0.6;
            const QStringList lines = wrap(bold, block.text, inner - 2 * pad);
            const double top = y + em * 0.2;
            const double bottom = top + 2 * pad + lines.size() * lineGap - (lineGap - em * 1.15);
            out.ops.push_back(BoxOp{QRectF(QPointF(style.margin, top), QPointF(style.width - style.margin, bottom))});
            double ty = top + pad;
            for (const QString& line : lines) {
                out.ops.push_back(TextOp{{style.margin + pad, ty}, bold, style.boxText, line});
                ty += lineGap;
            }
            y = bottom + em * 0.6;
            break;
        }
        }
    }
    out.bottom = y;
    out.footerTop = style.height - style.margin - 220;
    return out;
}

// The largest body size at which the page fits, else the smallest.
std::pair<int, Layout> chosenLayout(const PageText& page, const Style& style)
{
    for (const int em : style.bodyEms) {
        Layout layout = layOut(page, style, em);
        if (layout.bottom <= layout.footerTop || em == style.bodyEms.back())
            return {em, std::move(layout)};
    }
    return {};
}

} // namespace

PageFit fitPage(const PageText& page, PageMedium medium)
{
    const Style& style = styleOf(medium);
    const auto [em, layout] = chosenLayout(page, style);
    return {QSize(style.width, style.height), em, layout.bottom <= layout.footerTop, layout.footerTop - layout.bottom};
}

void drawPage(QPainter& painter, const QRectF& target, const PageText& page, PageMedium medium)
{
    const Style& style = styleOf(medium);
    const Layout layout = chosenLayout(page, style).second;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / style.width, target.height() / style.height);
    const double w = style.width;
    if (style.panel) {
        painter.setPen(QPen(style.frame, 30));
        painter.setBrush(*style.panel);
        painter.drawRoundedRect(QRectF(QPointF(15, 15), QPointF(w - 15, style.height - 15)), 180, 180);
        painter.setPen(Qt::NoPen);
        painter.setBrush(*style.band);
        painter.drawRoundedRect(QRectF(QPointF(120, 120), QPointF(w - 120, style.titleBand)), 120, 120);
    } else {
        painter.setPen(QPen(style.frame, 20));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(QPointF(10, 10), QPointF(w - 10, style.height - 10)));
        painter.setPen(QPen(style.frame, 30));
        painter.drawLine(QPointF(style.margin, style.titleBand), QPointF(w - style.margin, style.titleBand));
    }
    // Text is set at the device's own size (laid out in twips, drawn untransformed), so the
    // toolkit draws it as on any screen, the emboldened Tahoma included.
    const QTransform toDevice = painter.transform();
    const double scale = target.height() / style.height;
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    auto drawAt = [&](const QFont& font, const QColor& colour, QPointF topLeft, const QString& text, bool centred) {
        const QFontMetricsF metrics(font);
        if (centred)
            topLeft.rx() -= metrics.horizontalAdvance(text) / 2;
        QFont deviceFont = font;
        deviceFont.setPointSizeF(font.pixelSize() * scale * 72 / dpi);
        painter.save();
        painter.resetTransform();
        painter.setFont(deviceFont);
        painter.setPen(colour);
        painter.drawText(toDevice.map(QPointF(topLeft.x(), topLeft.y() + metrics.ascent())), text);
        painter.restore();
    };
    // The title shrinks until it fits the band's width.
    int titleEm = style.titleEm;
    while (titleEm > 100 && QFontMetricsF(fontOf(style.face, titleEm, true)).horizontalAdvance(page.title) >
                                w - 2 * style.margin - 200)
        titleEm -= 10;
    const double blockHeight = titleEm * 1.15 + (page.subtitle.isEmpty() ? 0 : style.subEm * 1.2);
    const double top = 120 + (style.titleBand - 120 - blockHeight) / 2;
    drawAt(fontOf(style.face, titleEm, true), style.title, {w / 2, top}, page.title, true);
    if (!page.subtitle.isEmpty())
        drawAt(fontOf(style.face, style.subEm, true), style.sub, {w / 2, top + titleEm * 1.15}, page.subtitle, true);
    painter.save();
    painter.setClipRect(QRectF(0, style.titleBand, w, layout.footerTop - style.titleBand));
    for (const Op& op : layout.ops) {
        if (const auto* text = std::get_if<TextOp>(&op)) {
            drawAt(text->font, text->colour, text->at, text->line, false);
        } else if (const auto* dot = std::get_if<DotOp>(&op)) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(style.bullet);
            painter.drawEllipse(dot->box);
        } else if (const auto* box = std::get_if<BoxOp>(&op)) {
            painter.setPen(QPen(style.boxFrame, style.boxFill ? 30 : 20));
            painter.setBrush(style.boxFill ? QBrush(*style.boxFill) : QBrush(Qt::NoBrush));
            painter.drawRoundedRect(box->box, 100, 100);
        }
    }
    painter.restore();
    drawAt(fontOf(style.face, 170, false), style.footer, {double(style.margin), style.height - style.margin - 200.0},
           QStringLiteral("Brellinshore  -  Quenlow Publishing Ltd"), false);
    painter.restore();
}

} // namespace bs
