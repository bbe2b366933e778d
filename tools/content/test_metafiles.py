"""Writes the small metafiles the renderer's tests draw (tests/platform/metafiles), which are
also the fuzzer's seeds. Each file holds one thing to check: a rectangle through some window,
text in an alignment, a bitmap of some depth, a clip, or a broken or hostile record.

Usage: test_metafiles.py [folder]   (default: tests/platform/metafiles beside this tool)
"""

import os
import struct
import sys

from wmfwriter import Records

RED, GREEN, BLUE = (255, 0, 0), (0, 255, 0), (0, 0, 255)
BLACK, WHITE, YELLOW = (0, 0, 0), (255, 255, 255), (255, 255, 0)
PS_NULL, BS_SOLID = 5, 0
SRCCOPY, SRCAND, SRCINVERT = 0x00CC0020, 0x008800C6, 0x00660046
files = {}


def color(rgb):
    return [rgb[0] | rgb[1] << 8, rgb[2]]


def pen(w, style, width, rgb):
    w.record(0x012D, w.create(0x02FA, style, width, 0, *color(rgb)))


def brush(w, style, rgb, hatch=0):
    w.record(0x012D, w.create(0x02FC, style, *color(rgb), hatch))


def font(w, height, face, weight=400, charset=0, escapement=0, italic=0, underline=0):
    face = face[:31]
    data = struct.pack('<5h8B', height, 0, escapement, escapement, weight, italic, underline, 0,
                       charset, 0, 0, 0, 0) + face + bytes(32 - len(face))
    w.record(0x012D, w.create(0x02FB, data=data))


def rect(l, t, r, b):  # right and bottom exclusive, stored bottom first
    return [b, r, t, l]


def points(pts):
    return [len(pts)] + [c for p in pts for c in p]


def text_out(w, x, y, text):
    w.record(0x0521, len(text), data=text + bytes(len(text) % 2) + struct.pack('<hh', y, x))


def ext_text_out(w, x, y, text, options=0, box=None, dx=()):
    words = [y, x, len(text), options] + ([box[0], box[1], box[2], box[3]] if options & 6 else [])
    w.record(0x0A32, *words, data=text + bytes(len(text) % 2) + struct.pack(f'<{len(dx)}h', *dx))


def gray(rgb):
    return (rgb[0] * 11 + rgb[1] * 16 + rgb[2] * 5) // 32


def dib(image, bits):
    """A bottom-up DIB of 1, 4, 8, 24 or 32 bits; palettes from the image's first colours."""
    h, w = len(image), len(image[0])
    palette = []
    for row in image:
        for c in row:
            if bits <= 8 and c not in palette and len(palette) < 1 << bits:
                palette.append(c)
    palette += [BLACK] * ((1 << bits) - len(palette) if bits <= 8 else 0)
    out = struct.pack('<IiiHH6I', 40, w, h, 1, bits, 0, 0, 0, 0, 0, 0)
    out += b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    stride = (w * bits + 31) // 32 * 4
    for row in reversed(image):
        line = bytearray(stride)
        for x, c in enumerate(row):
            index = palette.index(c) if c in palette else -1  # past a full palette: all bits set
            if bits == 1:
                line[x // 8] |= (index << (7 - x % 8)) & 0xFF
            elif bits == 4:
                line[x // 2] |= (index << (0 if x % 2 else 4)) & 0xFF
            elif bits == 8:
                line[x] = index & 0xFF
            else:
                line[x * bits // 8:x * bits // 8 + 3] = bytes((c[2], c[1], c[0]))
        out += bytes(line)
    return out


def bitmap16(image, bits):
    """A top-down device-dependent bitmap of 1 bit (dark pixels are 0 bits) or 24 bits."""
    h, w = len(image), len(image[0])
    width_bytes = (w * bits + 15) // 16 * 2
    out = struct.pack('<4HBB', 0, w, h, width_bytes, 1, bits)
    for row in image:
        line = bytearray(width_bytes)
        for x, c in enumerate(row):
            if bits == 1:
                line[x // 8] |= (0x80 >> x % 8) if gray(c) >= 128 else 0
            else:
                line[3 * x:3 * x + 3] = bytes((c[2], c[1], c[0]))
        out += bytes(line)
    return out


def rop(r):
    return [r & 0xFFFF, r >> 16]


def stretch_dib(w, dest, image, bits, r=SRCCOPY):
    x, y, dw, dh = dest
    w.record(0x0F43, *rop(r), 0, len(image), len(image[0]), 0, 0, dh, dw, y, x, data=dib(image, bits))


def region(w, words):
    return w.create(0x06FF, *words)


def red_rectangle(w, box=(200, 300, 600, 700)):
    pen(w, PS_NULL, 0, BLACK)
    brush(w, BS_SOLID, RED)
    w.record(0x041B, *rect(*box))


def add(name, w, end=True):
    files[name] = w.to_bytes(end)


def window(w, org=None, ext=None, mode=None):
    if mode is not None:
        w.record(0x0103, mode)
    if org:
        w.record(0x020B, org[1], org[0])
    if ext:
        w.record(0x020C, ext[1], ext[0])
    return w


# A red rectangle on (20..60, 30..70) of a 100 x 100 picture, however the file frames it.
w = Records()
red_rectangle(w)
add('rect-placeable', w)
w = window(Records(None), (0, 0), (1000, 1000), 8)
red_rectangle(w)
add('rect-window-no-header', w)
w = window(Records((0, 0, 100, 100)), (0, 0), (1000, 1000))
red_rectangle(w)
add('rect-window-scales-box', w)
w = window(Records((5000, 5000, 6000, 6000)), (-1000, -2000), (1000, 1000))
red_rectangle(w, (-800, -1700, -400, -1300))
add('rect-window-origin', w)
w = window(Records(), (0, 1000), (1000, -1000))
red_rectangle(w)
add('rect-flipped-y', w)

# Drawn at its own size, 200 x 100 pixels.
w = window(Records((0, 500, 1000, 500), 96), (0, 0), (200, 100))
red_rectangle(w, (50, 25, 150, 75))
add('own-size-box-without-height', w)
w = window(window(Records(None), (20, 20), (300, 300), 8), (0, 0), (200, 100))
red_rectangle(w, (50, 25, 150, 75))
add('own-size-window-replaced', w)
w = Records(None)
red_rectangle(w, (200, 300, 400, 700))
brush(w, BS_SOLID, BLUE)
w.record(0x041B, *rect(400, 300, 600, 700))
add('framed-by-drawing', w)

# Sizes from the header or the window alone.
add('size-1440-an-inch', Records((0, 0, 2880, 1440), 1440))
add('size-720-an-inch', Records((-100, 50, 620, 410), 720))
add('size-page-1000-an-inch', Records((0, 0, 7639, 5417), 1000))
add('size-window-pixels', window(Records(None), None, (200, -100), 8))
add('size-window-twips', window(Records(None), None, (1440, 720), 6))
add('size-huge-box', Records((0, 0, 30000, 15000), 10))

# "HHH" 20 pixels high at (50, 50) in each alignment.
for name, align in [('left-top', 0), ('right-top', 2), ('centre-top', 6), ('left-bottom', 8),
                    ('left-baseline', 24)]:
    w = Records()
    font(w, -200, b'Liberation Sans', 700)
    w.record(0x0102, 1)
    w.record(0x012E, align)
    w.record(0x0209, *color(BLACK))
    text_out(w, 500, 500, b'HHH')
    add('text-' + name, w)
w = Records()
font(w, -200, b'Liberation Sans', 700)
w.record(0x0102, 1)
w.record(0x012E, 1 | 24)  # update the current position, baseline
w.record(0x0214, 500, 100)
ext_text_out(w, 0, 0, b'HH', dx=(150, 150))
ext_text_out(w, 0, 0, b'HH', dx=(150, 150))
add('text-current-position', w)
w = Records()
font(w, -100, b'Liberation Sans')
w.record(0x0201, *color(BLUE))
ext_text_out(w, 100, 100, b'x', 2, (100, 100, 500, 300))
add('text-opaque-box', w)
for extra in (0, 100):
    w = Records()
    font(w, -150, b'Liberation Sans')
    w.record(0x0102, 1)
    w.record(0x0108, extra)
    text_out(w, 50, 400, b'IIII')
    add(f'text-character-extra-{extra}', w)
for name, charset, face, text in [('gb2312', 134, b'SimSun', b'\xC4\xE3\xBA\xC3\xB0'),
                                  ('shift-jis', 128, b'MS Gothic', b'\x82\xA0\x82'),
                                  ('russian', 204, b'Arial', b'\xCF\xF0\xE8')]:
    w = Records()
    font(w, -150, face, 400, charset, 450)
    text_out(w, 100, 500, text)
    ext_text_out(w, 100, 800, text, dx=[60] * len(text))
    add('text-' + name, w)
for name, face, text in [('symbol', b'Symbol', b'ab'), ('wingdings', b'Wingdings', b'\xFE'),
                         ('webdings', b'Webdings', b'n'), ('marlett', b'Marlett', b'a'),
                         ('mt-extra', b'MT Extra', b'LM')]:
    w = Records()
    font(w, -300, face, 400, 2)
    w.record(0x0102, 1)
    text_out(w, 300, 300, text)
    add('symbol-' + name, w)

# Bitmaps of four quadrants, one bitmap pixel to 25 x 25 picture pixels.
for bits in (1, 4, 8, 24, 32):
    quads = [BLACK, WHITE, WHITE, BLACK] if bits == 1 else [BLACK, RED, GREEN, BLUE]
    image = [[quads[(y // 2) * 2 + x // 2] for x in range(4)] for y in range(4)]
    w = Records((0, 0, 4, 4))
    stretch_dib(w, (0, 0, 4, 4), image, bits)
    add(f'bitmap-stretchdib-{bits}', w)
    w = Records((0, 0, 4, 4))
    w.record(0x0940, *rop(SRCCOPY), 0, 0, 4, 4, 0, 0, data=dib(image, bits))
    add(f'bitmap-dibbitblt-{bits}', w)
    if bits in (1, 24):
        w = Records((0, 0, 4, 4))
        w.record(0x0922, *rop(SRCCOPY), 0, 0, 4, 4, 0, 0, data=bitmap16(image, bits))
        add(f'bitmap-bitblt-{bits}', w)
        w = Records((0, 0, 4, 4))
        w.record(0x0B23, *rop(SRCCOPY), 4, 4, 0, 0, 4, 4, 0, 0, data=bitmap16(image, bits))
        add(f'bitmap-stretchblt-{bits}', w)
# Run-length encoded: bottom row two red, two green; top row blue, white, red, green.
rle = struct.pack('<IiiHHI5I', 40, 4, 2, 1, 8, 1, 0, 0, 0, 4, 0)
rle += b''.join(bytes((b, g, r, 0)) for r, g, b in (WHITE, RED, GREEN, BLUE))
rle += b'\x02\x01\x02\x02\x00\x00\x00\x04\x03\x00\x01\x02\x00\x01'
w = Records((0, 0, 4, 2))
w.record(0x0F43, *rop(SRCCOPY), 0, 2, 4, 0, 0, 2, 4, 0, 0, data=rle)
add('bitmap-rle8', w)
# An icon as programs store it: an AND mask, then the colour image with XOR, on green.
w = Records((0, 0, 2, 2))
pen(w, PS_NULL, 0, BLACK)
brush(w, BS_SOLID, GREEN)
w.record(0x041B, *rect(0, 0, 2, 2))
stretch_dib(w, (0, 0, 2, 1), [[BLACK, WHITE]], 1, SRCAND)
stretch_dib(w, (0, 0, 2, 1), [[BLUE, BLACK]], 24, SRCINVERT)
add('bitmap-masked', w)

# Monochrome brushes and bitmaps: dark pixels in the text colour (red), light in the
# background colour (blue). Four dark columns, then four light ones.
dark_left = [[BLACK] * 4 + [WHITE] * 4 for _ in range(8)]
light_left = [row[::-1] for row in dark_left]
for name, function, data in [('dib', 0x0142, struct.pack('<HH', 5, 0) + dib(dark_left, 1)),
                             ('dib-white-first', 0x0142, struct.pack('<HH', 5, 0) + dib(light_left, 1)),
                             ('old', 0x01F9, bitmap16(dark_left, 1)[:10] + bytes(22) + bitmap16(dark_left, 1)[10:])]:
    w = Records()
    pen(w, PS_NULL, 0, BLACK)
    w.record(0x012D, w.create(function, data=data))
    w.record(0x0209, *color(RED))
    w.record(0x0201, *color(BLUE))
    w.record(0x041B, *rect(0, 0, 1000, 1000))
    add('mono-brush-' + name, w)
w = Records((0, 0, 8, 8))
w.record(0x0209, *color(RED))
w.record(0x0201, *color(BLUE))
w.record(0x0922, *rop(SRCCOPY), 0, 0, 8, 8, 0, 0, data=bitmap16(dark_left, 1))
add('mono-bitblt', w)
w = Records()
pen(w, PS_NULL, 0, BLACK)
w.record(0x012D, w.create(0x0142, 5, 0, data=dib([[YELLOW] * 2] * 2, 24)))
w.record(0x041B, *rect(0, 0, 500, 500))
add('pattern-brush', w)
w = Records()
pen(w, PS_NULL, 0, BLACK)
brush(w, 2, BLUE, 4)  # a cross hatch
w.record(0x0102, 1)
w.record(0x041B, *rect(0, 0, 1000, 1000))
add('hatch-brush', w)

# Touching shapes: no light seam between them.
w = Records()
pen(w, PS_NULL, 0, BLACK)
brush(w, BS_SOLID, BLUE)
for i in range(7):  # edges fall between pixels
    left, right = i * 1000 // 7, (i + 1) * 1000 // 7
    w.record(0x0324, *points([(left, 0), (right, 0), (right, 1000), (left, 1000)]))
add('seams-bands', w)
w = Records()
pen(w, PS_NULL, 0, BLACK)
brush(w, BS_SOLID, BLUE)
w.record(0x0324, *points([(0, 0), (1000, 0), (0, 1000)]))
w.record(0x0324, *points([(1000, 0), (1000, 1000), (0, 1000)]))
add('seams-triangles', w)

# The middle of a square drawn twice round is filled only in winding mode.
for name, mode in [('alternate', 1), ('winding', 2)]:
    w = Records()
    pen(w, PS_NULL, 0, BLACK)
    brush(w, BS_SOLID, RED)
    w.record(0x0106, mode)
    w.record(0x0324, *points([(100, 100), (900, 100), (900, 900), (100, 900), (100, 100), (300, 300),
                              (700, 300), (700, 700), (300, 700), (300, 300)]))
    add('fill-' + name, w)
for name, rop2 in [('copy-pen', 13), ('no-operation', 11), ('black', 1)]:
    w = Records()
    pen(w, 0, 60, BLUE)
    w.record(0x0104, rop2)
    w.record(0x0214, 500, 100)
    w.record(0x0213, 500, 900)
    add('line-' + name, w)

# Clips of a red rectangle over the whole picture.
unreadable = [0, 6, 0, 0, 0, 2, 4, 0, 0, 200, 200, 2, 0, 200, 0, 200, 2]  # its second scan is missing
for name, clip in [('intersect', [(0x0416, rect(200, 200, 500, 500))]),
                   ('exclude', [(0x0415, rect(200, 200, 500, 500))]),
                   ('restored', [(0x001E, []), (0x0416, rect(0, 0, 200, 200)), (0x0127, [-1])]),
                   ('offset', [(0x0416, rect(0, 0, 500, 1000)), (0x0220, [0, 500])]),
                   ('region', 'region'), ('unreadable-region', 'unreadable')]:
    w = Records()
    if isinstance(clip, str):
        words = unreadable if clip == 'unreadable' else [0, 6, 0, 0, 0, 2, 4, 0, 0, 1000, 1000,
                                                         2, 0, 300, 0, 500, 2, 2, 600, 1000, 500, 1000, 2]
        clip = [(0x012C, [region(w, words)])]
    pen(w, PS_NULL, 0, BLACK)
    brush(w, BS_SOLID, RED)
    for function, words in clip:
        w.record(function, *words)
    w.record(0x041B, *rect(0, 0, 1000, 1000))
    add('clip-' + name, w)
w = Records()
r = region(w, unreadable)
w.record(0x0228, r, w.create(0x02FC, BS_SOLID, *color(RED), 0))
add('clip-unreadable-region-filled', w)

# A word to find on a printed page, in a frame of 2 x 1 inches.
w = Records((0, 0, 2880, 1440))
font(w, -240, b'Liberation Sans')
w.record(0x0102, 1)
text_out(w, 200, 200, b'Drawingword')
pen(w, 0, 20, BLUE)
w.record(0x041B, *rect(0, 0, 2880, 1440))
add('printed-word', w)

# Damaged files: cut inside the last record, which must still show the rectangle before it.
w = Records()
red_rectangle(w)
font(w, -100, b'Arial')
ext_text_out(w, 10, 10, b'Hello', 6, (0, 0, 300, 100), (50,) * 5)
w.record(0x0324, *points([(0, 0), (100, 0), (100, 100)]))
stretch_dib(w, (700, 700, 200, 200), [[BLACK] * 3] * 3, 8)
w.record(0x0416, *rect(0, 0, 500, 500))
w.record(0x0418, *rect(0, 0, 800, 800))
files['broken-cut-short'] = w.to_bytes()[:-10]


def hostile(name, *records, raw=b''):
    w = Records()
    for function, words, *data in records:
        w.record(function, *words, data=data[0] if data else b'')
    w.raw(raw)
    add('hostile-' + name, w)


huge = struct.pack('<IiiHH', 40, 0x7FFFFFFF, 0x7FFFFFFF, 1, 24) + bytes(24)
running_off = struct.pack('<IiiHHI', 40, 64, 64, 1, 8, 1) + bytes(20 + 1024) + b'\xFF\x01\x00\x02\xFF\xFF\x00\x05'
hostile('polygon-65535-points', (0x0324, [-1, 0, 0, 10, 10]))
hostile('polypolygon-many', (0x0538, [30000, 5, 5, 0, 0, 1, 1]))
hostile('text-beyond-record', (0x0521, [30000, 0x4141]))
hostile('exttext-beyond-record', (0x0A32, [0, 0, 32000, 6, 0, 0, 10, 10]))
hostile('object-index-out-of-range', (0x012D, [60000]), (0x01F0, [-1]), (0x012C, [65535]), (0x0228, [9999, 9998]))
hostile('huge-dib', (0x0F43, [0x20, 0xCC, 0, 10, 10, 0, 0, 100, 100, 0, 0], huge))
hostile('rle-running-off', (0x0F43, [0x20, 0xCC, 0, 64, 64, 0, 0, 100, 100, 0, 0], running_off))
hostile('deep-restoredc', *[(0x001E, [])] * 5000, (0x0127, [-32768]), (0x0127, [32767]), (0x0127, [1]))
hostile('zero-extents', (0x020C, [0, 0]), (0x0410, [0, 0, 0, 0]), (0x041B, rect(0, 0, 100, 100)))
hostile('record-size-zero', raw=bytes(12))
hostile('record-size-beyond-file', raw=b'\xFF\xFF\xFF\x7F\x1B\x04')

# Seeds reaching every part of the player, for the fuzzer.
image = [[(x * 50, y * 100, 128) for x in range(5)] for y in range(3)]
w = window(Records(), (0, 0), (1000, 1000))
pen(w, 1, 10, RED)
brush(w, 2, BLUE, 3)
w.record(0x0106, 2)
w.record(0x041B, *rect(10, 10, 110, 110))
w.record(0x0418, *rect(100, 100, 400, 300))
w.record(0x061C, 30, 30, 500, 500, 300, 300)
for arc in (0x0817, 0x081A, 0x0830):
    w.record(arc, 0, 900, 900, 0, 1000, 1000, 600, 600)
w.record(0x0324, *points([(0, 0), (100, 0), (50, 80)]))
w.record(0x0325, *points([(0, 500), (100, 600), (200, 500)]))
w.record(0x0538, 2, 3, 3, 0, 0, 10, 0, 5, 5, 20, 20, 30, 20, 25, 30)
w.record(0x0214, 900, 10)
w.record(0x0213, 900, 900)
w.record(0x0104, 7)
w.record(0x041F, 0xFF, 0, 20, 20)
add('seed-shapes', w)
w = Records()
font(w, -120, b'Arial', 700, 0, 300, 1, 1)
w.record(0x012E, 1 | 24)
w.record(0x0102, 2)
w.record(0x0214, 200, 10)
text_out(w, 0, 0, b'Hello')
ext_text_out(w, 10, 400, b'Clip', 6, (0, 300, 400, 800), (50,) * 4)
font(w, -120, b'SimSun', 400, 134)
ext_text_out(w, 10, 600, b'\xC4\xE3\xBA\xC3', dx=(60, 0, 60, 0))
font(w, 150, b'Symbol', 400, 2)
text_out(w, 10, 800, b'abc')
add('seed-text', w)
w = Records()
for bits in (1, 4, 8, 24, 32):
    stretch_dib(w, (bits * 20, 0, 100, 60), image, bits)
w.record(0x0940, *rop(SRCAND), 0, 0, 3, 5, 200, 0, data=dib(image, 8))
w.record(0x012D, w.create(0x0142, 5, 0, data=dib(image, 4)))
w.record(0x061D, 0x0021, 0x00F0, 100, 100, 500, 500)
add('seed-bitmaps', w)
w = window(Records(None), None, (500, -400), 8)
w.record(0x020E, 200, 250)
w.record(0x001E)
w.record(0x0416, *rect(0, 0, 200, 200))
w.record(0x0415, *rect(50, 50, 70, 70))
w.record(0x0220, 10, 10)
w.record(0x06FF, 0, 6, 0, 0, 40, 1, 2, 0, 0, 100, 100, 2, 0, 100, 0, 100, 2)
w.record(0x012C, 0)
brush(w, 0, GREEN)
w.record(0x041B, *rect(0, 0, 400, 400))
w.record(0x0127, -1)
w.delete(0)
add('seed-clips', w)
# Device-dependent bitmaps, monochrome brushes in the text colours, dingbat text and an
# unreadable region, with no window at all: the frame is measured from what it draws.
mono = [[BLACK if (x + y) % 3 == 0 else WHITE for x in range(8)] for y in range(8)]
w = Records(None)
w.record(0x0209, *color(RED))
w.record(0x0201, *color(YELLOW))
w.record(0x0922, *rop(SRCCOPY), 0, 0, 8, 8, 0, 0, data=bitmap16(mono, 1))
w.record(0x0B23, *rop(SRCCOPY), 3, 5, 0, 0, 10, 20, 0, 10, data=bitmap16(image, 24))
w.record(0x012D, w.create(0x01F9, data=bitmap16(mono, 1)[:10] + bytes(22) + bitmap16(mono, 1)[10:]))
w.record(0x041B, *rect(0, 20, 40, 40))
w.record(0x012D, w.create(0x0142, 5, 0, data=dib(mono, 1)))
w.record(0x0324, *points([(0, 40), (40, 40), (20, 60)]))
font(w, -12, b'Wingdings', 400, 2)
text_out(w, 0, 60, b'\xFE\xFCln\xE8')
font(w, -12, b'MT Extra', 400, 2)
text_out(w, 20, 60, b'LM#$')
broken = region(w, [0, 6, 0, 0, 0, 3, 4, 0, 0, 50, 50, 2, 0, 50, 0, 50, 2])
w.record(0x012C, broken)
w.record(0x0228, broken, 0)
add('seed-older', w)

folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tests', 'platform', 'metafiles')
os.makedirs(folder, exist_ok=True)
for name, data in files.items():
    with open(os.path.join(folder, name + '.wmf'), 'wb') as out:
        out.write(data)
