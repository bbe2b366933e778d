"""Lays out the text pages (key facts, teacher's notes, teachers' guide, acknowledgments) as
Windows metafiles: one for the screen (light text on a dark blue panel) and one for printing
(black on white, sized for paper).

Page sources (texts/pages/*.txt):
    title: <page title>            first lines, "key: value"
    subtitle: <small line under the title>
    width: <screen width in twips>  optional; narrower pages leave room beside them
    ---
    ## a heading
    a paragraph, which may run over several source lines
    * a bullet point (continuation lines start with two spaces)
    ! a highlighted box ("Did you know?")
Blank lines separate blocks. Lines are wrapped with the fonts' real metrics.

Usage: pages.py <texts/pages> <content/wmf> <content/wmf2> [<prefix of the drawings' names>]
(a language's pages: pages.py texts/cy/pages ... "cy " writes "cy key llandudno1a.wmf").
"""

import os
import sys

from PIL import ImageFont

from wmfwriter import TA_CENTER_TOP, TA_LEFT_TOP, Metafile, plain

WINE_FONTS = '/usr/share/wine/fonts'
LIBERATION = '/usr/share/fonts/truetype/liberation2'
FONT_FILES = {
    ('Tahoma', False): os.path.join(WINE_FONTS, 'tahoma.ttf'),
    ('Tahoma', True): os.path.join(WINE_FONTS, 'tahomabd.ttf'),
    ('Arial', False): os.path.join(LIBERATION, 'LiberationSans-Regular.ttf'),
    ('Arial', True): os.path.join(LIBERATION, 'LiberationSans-Bold.ttf'),
    ('Times New Roman', False): os.path.join(LIBERATION, 'LiberationSerif-Regular.ttf'),
    ('Times New Roman', True): os.path.join(LIBERATION, 'LiberationSerif-Bold.ttf'),
}
# Tahoma lies outside fontconfig's folders, so a viewer that does not register it as the
# program does draws Tahoma text in fontconfig's stand-in, DejaVu Sans, which is wider. Lines are
# measured in both and must fit in the wider, so no word runs off the page. (Arial and Times New
# Roman resolve through fontconfig to the metric-compatible Liberation faces.)
DEJAVU = '/usr/share/fonts/truetype/dejavu'
FALLBACK_FILES = dict(FONT_FILES)
FALLBACK_FILES[('Tahoma', False)] = os.path.join(DEJAVU, 'DejaVuSans.ttf')
FALLBACK_FILES[('Tahoma', True)] = os.path.join(DEJAVU, 'DejaVuSans-Bold.ttf')
# Renderers may set a face a little wider (a synthesised bold, say): measure with room to spare.
WIDTH_SLACK = 1.05

_font_cache = {}


def _font(path, em):
    key = (path, int(em))
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(path, int(em))
    return _font_cache[key]


def text_width(face, bold, em, text):
    """The width the text may take on any machine: its own font's or the fallback's, if wider."""
    text = plain(text)  # an accent drawn over a letter takes no room of its own
    widths = (_font(files[(face, bold)], em).getlength(text) for files in (FONT_FILES, FALLBACK_FILES))
    return max(widths) * WIDTH_SLACK


def wrap(face, bold, em, text, width):
    words = text.split()
    lines, current = [], ''
    for word in words:
        candidate = word if not current else current + ' ' + word
        if text_width(face, bold, em, candidate) <= width or not current:
            current = candidate
        else:
            lines.append(current)
            current = word
    if current:
        lines.append(current)
    return lines


def parse(path):
    with open(path, encoding='utf-8') as source:
        raw = source.read().split('\n')
    meta = {}
    while raw and raw[0].strip() != '---':
        line = raw.pop(0)
        if line.strip():
            key, value = line.split(':', 1)
            meta[key.strip()] = value.strip()
    raw.pop(0)
    blocks, kind, parts = [], None, []

    def flush():
        nonlocal kind, parts
        if kind:
            blocks.append((kind, ' '.join(p.strip() for p in parts)))
        kind, parts = None, []

    for line in raw:
        if not line.strip():
            flush()
        elif line.startswith('## '):
            flush()
            blocks.append(('heading', line[3:].strip()))
        elif line.startswith('* '):
            flush()
            kind, parts = 'bullet', [line[2:]]
        elif line.startswith('! '):
            flush()
            kind, parts = 'box', [line[2:]]
        elif line.startswith('  ') and kind:
            parts.append(line)
        else:
            if kind not in ('para',):
                flush()
                kind = 'para'
            parts.append(line)
    flush()
    return meta, blocks


SCREEN = {
    'height': 7800, 'margin': 300, 'title_band': 900,
    'face': 'Tahoma', 'title_em': 400, 'sub_em': 210, 'body_ems': [250, 240, 230, 220, 210, 200],
    'panel': (26, 42, 98), 'frame': (126, 166, 232), 'band': (255, 214, 64), 'title': (20, 32, 80),
    'sub': (40, 56, 110), 'heading': (255, 226, 96), 'body': (244, 246, 252),
    'bullet': (255, 214, 64), 'box_fill': (48, 82, 160), 'box_frame': (255, 214, 64), 'box_text': (255, 255, 255),
    'footer': (160, 184, 230),
}
PRINT = {
    'width': 9500, 'height': 14000, 'margin': 360, 'title_band': 1000,
    'face': 'Arial', 'body_face': 'Times New Roman', 'title_em': 440, 'sub_em': 220,
    'body_ems': [260, 250, 240, 230, 220, 210, 200],
    'panel': None, 'frame': (0, 0, 0), 'band': None, 'title': (0, 0, 0), 'sub': (0, 0, 0),
    'heading': (0, 0, 0), 'body': (0, 0, 0), 'bullet': (0, 0, 0), 'box_fill': None,
    'box_frame': (0, 0, 0), 'box_text': (0, 0, 0), 'footer': (0, 0, 0),
}


def layout(meta, blocks, style, width, body_em):
    """Returns the drawing operations for one page, or None when the text does not fit."""
    face = style['face']
    body_face = style.get('body_face', face)
    height = style['height']
    margin = style['margin']
    inner = width - 2 * margin
    ops = []
    y = style['title_band'] + 200
    line_gap = body_em * 1.28
    heading_em = int(body_em * 1.2)
    bullet_indent = int(body_em * 1.3)
    footer_top = height - margin - 220
    for kind, text in blocks:
        if kind == 'heading':
            y += body_em * 0.35
            ops.append(('text', margin, y, face, True, heading_em, style['heading'], text))
            y += heading_em * 1.35
        elif kind == 'para':
            for line in wrap(body_face, False, body_em, text, inner):
                ops.append(('text', margin, y, body_face, False, body_em, style['body'], line))
                y += line_gap
            y += body_em * 0.4
        elif kind == 'bullet':
            lines = wrap(body_face, False, body_em, text, inner - bullet_indent)
            dot = body_em * 0.34
            cy = y + body_em * 0.55
            ops.append(('dot', margin + body_em * 0.3, cy - dot / 2, dot, style['bullet']))
            for line in lines:
                ops.append(('text', margin + bullet_indent, y, body_face, False, body_em, style['body'], line))
                y += line_gap
            y += body_em * 0.3
        elif kind == 'box':
            pad = body_em * 0.6
            lines = wrap(body_face, True, body_em, text, inner - 2 * pad)
            box_top = y + body_em * 0.2
            box_bottom = box_top + 2 * pad + len(lines) * line_gap - (line_gap - body_em * 1.15)
            ops.append(('box', margin, box_top, width - margin, box_bottom))
            ty = box_top + pad
            for line in lines:
                ops.append(('text', margin + pad, ty, body_face, True, body_em, style['box_text'], line))
                ty += line_gap
            y = box_bottom + body_em * 0.6
        if y > footer_top:
            return None
    return ops


def render(meta, blocks, style, width, target):
    for body_em in style['body_ems']:
        ops = layout(meta, blocks, style, width, body_em)
        if ops is not None:
            break
    else:
        sys.exit(f'{target}: the text does not fit on the page')
    height = style['height']
    margin = style['margin']
    face = style['face']
    wmf = Metafile(width, height)
    # Panel and frame.
    if style['panel']:
        wmf.pen(style['frame'], 30)
        wmf.brush(style['panel'])
        wmf.round_rect(15, 15, width - 15, height - 15, 360)
        wmf.pen(None)
        wmf.brush(style['band'])
        wmf.round_rect(120, 120, width - 120, style['title_band'], 240)
    else:
        wmf.pen(style['frame'], 20)
        wmf.brush(None)
        wmf.rectangle(10, 10, width - 10, height - 10)
        wmf.pen(style['frame'], 30)
        wmf.polyline([(margin, style['title_band']), (width - margin, style['title_band'])])
    # Title and subtitle, centred in the band.
    title_em = style['title_em']
    while text_width(face, True, title_em, meta['title']) > width - 2 * margin - 200:
        title_em -= 10
    sub = meta.get('subtitle', '')
    block_height = title_em * 1.15 + (style['sub_em'] * 1.2 if sub else 0)
    top = 120 + (style['title_band'] - 120 - block_height) / 2
    # The renderer centres them on the page's middle, whichever font it draws them in.
    wmf.text_align(TA_CENTER_TOP)
    wmf.font(face, title_em, bold=True)
    wmf.text_color(style['title'])
    wmf.text(width / 2, top, meta['title'])
    if sub:
        wmf.font(face, style['sub_em'], bold=True)
        wmf.text_color(style['sub'])
        wmf.text(width / 2, top + title_em * 1.15, sub)
    wmf.text_align(TA_LEFT_TOP)
    # Body.
    current_font = None
    for op in ops:
        if op[0] == 'text':
            _, x, y, op_face, bold, em, colour, line = op
            if current_font != (op_face, bold, em):
                wmf.font(op_face, em, bold=bold)
                current_font = (op_face, bold, em)
            wmf.text_color(colour)
            wmf.text(x, y, line, lambda t, f=op_face, b=bold, e=em: _font(FONT_FILES[(f, b)], e).getlength(t))
        elif op[0] == 'dot':
            _, x, y, size, colour = op
            wmf.pen(None)
            wmf.brush(colour)
            wmf.ellipse(x, y, x + size, y + size)
        elif op[0] == 'box':
            _, left, top, right, bottom = op
            wmf.pen(style['box_frame'], 30 if style['box_fill'] else 20)
            wmf.brush(style['box_fill'])
            wmf.round_rect(left, top, right, bottom, 200)
    # Footer.
    footer = meta.get('footer', 'Brellinshore  -  Quenlow Publishing Ltd')
    wmf.font(face, 170)
    wmf.text_color(style['footer'])
    wmf.text(margin, height - margin - 200, footer)
    return wmf


def main(source_dir, out_screen, out_print, prefix=''):
    os.makedirs(out_screen, exist_ok=True)
    os.makedirs(out_print, exist_ok=True)
    for name in sorted(os.listdir(source_dir)):
        if not name.endswith('.txt'):
            continue
        meta, blocks = parse(os.path.join(source_dir, name))
        stem = prefix + name[:-4]
        screen_width = int(meta.get('width', 10440))
        render(meta, blocks, SCREEN, screen_width, 'wmf/' + stem).save(os.path.join(out_screen, stem + '.wmf'))
        render(meta, blocks, PRINT, PRINT['width'], 'wmf2/' + stem).save(os.path.join(out_print, stem + '.wmf'))


if __name__ == '__main__':
    main(*sys.argv[1:5])
