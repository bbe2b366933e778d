"""A small writer of 16-bit Windows metafiles with the placeable header.

Logical units are twips: the header says 1440 units to the inch and the window covers the
bounding box, so a drawing's size in twips is its bounding box. Only standard records are
written, and every object is deleted once it is no longer selected.
"""

import struct

PLACEABLE_KEY = 0x9AC6CDD7

META_EOF = 0x0000
META_SETBKMODE = 0x0102
META_SETMAPMODE = 0x0103
META_SETPOLYFILLMODE = 0x0106
META_SETTEXTCOLOR = 0x0209
META_SETWINDOWORG = 0x020B
META_SETWINDOWEXT = 0x020C
META_SETTEXTALIGN = 0x012E
META_SELECTOBJECT = 0x012D
META_DELETEOBJECT = 0x01F0
META_CREATEPENINDIRECT = 0x02FA
META_CREATEFONTINDIRECT = 0x02FB
META_CREATEBRUSHINDIRECT = 0x02FC
META_POLYGON = 0x0324
META_POLYLINE = 0x0325
META_ELLIPSE = 0x0418
META_RECTANGLE = 0x041B
META_ROUNDRECT = 0x061C
META_EXTTEXTOUT = 0x0A32
META_MOVETO = 0x0214

TRANSPARENT = 1
MM_ANISOTROPIC = 8
WINDING = 2
TA_LEFT_TOP = 0
TA_CENTER_TOP = 6  # x is the middle of the text: centred by the renderer in whatever font it has
TA_UPDATECP = 1
PS_SOLID, PS_DASH, PS_DOT, PS_NULL = 0, 1, 2, 5
BS_SOLID, BS_NULL = 0, 1
FW_NORMAL, FW_BOLD = 400, 700
ANSI_CHARSET = 0


def _colorref(rgb):
    r, g, b = rgb
    return struct.pack('<BBBB', r, g, b, 0)


def _encode(text):
    return text.encode('cp1252')


# Welsh letters no Windows code page has: each is its base letter with the code page's own
# accent drawn over it (0x88 is the circumflex).
ACCENTED = {
    '\u0175': ('w', '\u02c6'), '\u0177': ('y', '\u02c6'), '\u0174': ('W', '\u02c6'), '\u0176': ('Y', '\u02c6'),
    '\u1e81': ('w', '`'), '\u1e83': ('w', '\xb4'), '\u1e85': ('w', '\xa8'), '\u1ef3': ('y', '`'),
    '\u1e80': ('W', '`'), '\u1e82': ('W', '\xb4'), '\u1e84': ('W', '\xa8'), '\u1ef2': ('Y', '`'),
}


def plain(text):
    """The text with each such letter as its base letter: what the line's own record holds."""
    return ''.join(ACCENTED[c][0] if c in ACCENTED else c for c in text)


class Metafile:
    def __init__(self, width, height):
        self.width = int(width)
        self.height = int(height)
        self.records = []
        self.slots = []  # object table: True where an index is in use
        self.max_objects = 0
        self._pen = None
        self._brush = None
        self._font = None
        self._record(META_SETMAPMODE, struct.pack('<H', MM_ANISOTROPIC))
        self._record(META_SETWINDOWORG, struct.pack('<hh', 0, 0))
        self._record(META_SETWINDOWEXT, struct.pack('<hh', self.height, self.width))
        self._record(META_SETBKMODE, struct.pack('<H', TRANSPARENT))
        self._record(META_SETTEXTALIGN, struct.pack('<H', TA_LEFT_TOP))
        self._record(META_SETPOLYFILLMODE, struct.pack('<H', WINDING))
        self._text_color = None
        self._align = TA_LEFT_TOP

    # --- records and objects -------------------------------------------------------------
    def _record(self, function, params=b''):
        if len(params) % 2:
            params += b'\0'
        size_words = 3 + len(params) // 2
        self.records.append(struct.pack('<IH', size_words, function) + params)

    def _create(self, function, params):
        index = next((i for i, used in enumerate(self.slots) if not used), len(self.slots))
        if index == len(self.slots):
            self.slots.append(True)
        else:
            self.slots[index] = True
        self.max_objects = max(self.max_objects, len(self.slots))
        self._record(function, params)
        return index

    def _select(self, index):
        self._record(META_SELECTOBJECT, struct.pack('<H', index))

    def _delete(self, index):
        if index is not None:
            self._record(META_DELETEOBJECT, struct.pack('<H', index))
            self.slots[index] = False

    def _swap(self, kind, function, params):
        index = self._create(function, params)
        self._select(index)
        old = getattr(self, kind)
        self._delete(old)
        setattr(self, kind, index)

    def pen(self, rgb=None, width=0, style=PS_SOLID):
        if rgb is None:
            style, rgb = PS_NULL, (0, 0, 0)
        self._swap('_pen', META_CREATEPENINDIRECT,
                   struct.pack('<Hhh', style, int(width), 0) + _colorref(rgb))

    def brush(self, rgb=None):
        if rgb is None:
            params = struct.pack('<H', BS_NULL) + _colorref((0, 0, 0)) + struct.pack('<H', 0)
        else:
            params = struct.pack('<H', BS_SOLID) + _colorref(rgb) + struct.pack('<H', 0)
        self._swap('_brush', META_CREATEBRUSHINDIRECT, params)

    def font(self, face, em, bold=False, italic=False):
        face_bytes = _encode(face)[:31].ljust(32, b'\0')
        params = struct.pack('<hhhhhBBBBBBBB', -int(round(em)), 0, 0, 0,
                             FW_BOLD if bold else FW_NORMAL, 1 if italic else 0, 0, 0,
                             ANSI_CHARSET, 0, 0, 2, 0) + face_bytes
        self._swap('_font', META_CREATEFONTINDIRECT, params)

    def text_align(self, flags):
        self._record(META_SETTEXTALIGN, struct.pack('<H', flags))
        self._align = flags

    def text_color(self, rgb):
        if rgb != self._text_color:
            self._record(META_SETTEXTCOLOR, _colorref(rgb))
            self._text_color = rgb

    # --- drawing ---------------------------------------------------------------------------
    def rectangle(self, left, top, right, bottom):
        self._record(META_RECTANGLE, struct.pack('<hhhh', int(bottom), int(right), int(top), int(left)))

    def round_rect(self, left, top, right, bottom, corner):
        self._record(META_ROUNDRECT, struct.pack('<hhhhhh', int(corner), int(corner), int(bottom),
                                                 int(right), int(top), int(left)))

    def ellipse(self, left, top, right, bottom):
        self._record(META_ELLIPSE, struct.pack('<hhhh', int(bottom), int(right), int(top), int(left)))

    def polygon(self, points):
        self._record(META_POLYGON, struct.pack('<H', len(points)) +
                     b''.join(struct.pack('<hh', int(round(x)), int(round(y))) for x, y in points))

    def polyline(self, points):
        self._record(META_POLYLINE, struct.pack('<H', len(points)) +
                     b''.join(struct.pack('<hh', int(round(x)), int(round(y))) for x, y in points))

    def text(self, x, y, string, measure=None):
        """measure(text) is the text's width in the current font, in logical units: needed
        only for a line holding a letter of ACCENTED."""
        if not any(c in ACCENTED for c in string):
            self._ext_text_out(x, y, _encode(string))
            return
        if self._align != TA_LEFT_TOP or measure is None:
            raise ValueError(f'{string!r}: accented letters are drawn only in left-aligned, measured text')
        # The line is drawn in pieces from the current position, which the reader moves by each
        # piece's width in the font it really has; so every accent lands on its letter in any
        # font. An accent piece is a space and the accent, its advances placing the accent
        # over the letter that follows and leaving the position where it was.
        self._record(META_MOVETO, struct.pack('<hh', int(round(y)), int(round(x))))
        self._record(META_SETTEXTALIGN, struct.pack('<H', TA_LEFT_TOP | TA_UPDATECP))
        piece = ''
        for c in string:
            if c not in ACCENTED:
                piece += c
                continue
            if piece:
                self._ext_text_out(x, y, _encode(piece))
            base, accent = ACCENTED[c]
            shift = int(round((measure(base) - measure(accent)) / 2))
            self._ext_text_out(x, y, _encode(' ' + accent), [shift, -shift])
            piece = base
        self._ext_text_out(x, y, _encode(piece))
        self._record(META_SETTEXTALIGN, struct.pack('<H', self._align))

    def _ext_text_out(self, x, y, data, advances=None):
        params = struct.pack('<hhHH', int(round(y)), int(round(x)), len(data), 0) + data
        if advances is not None:
            if len(data) % 2:
                params += b'\0'
            params += b''.join(struct.pack('<h', a) for a in advances)
        self._record(META_EXTTEXTOUT, params)

    # --- output ----------------------------------------------------------------------------
    def to_bytes(self):
        # Leave the device context clean: stock objects are not ours to delete, so deselect
        # ours by deleting them last.
        for kind in ('_pen', '_brush', '_font'):
            index = getattr(self, kind)
            if index is not None:
                self._delete(index)
                setattr(self, kind, None)
        body = b''.join(self.records) + struct.pack('<IH', 3, META_EOF)
        max_record = max(len(r) for r in self.records + [b'\0' * 6]) // 2
        size_words = (18 + len(body)) // 2
        header = struct.pack('<HHHIHIH', 1, 9, 0x0300, size_words, max(self.max_objects, 1),
                             max_record, 0)
        placeable = struct.pack('<IHhhhhHI', PLACEABLE_KEY, 0, 0, 0, self.width, self.height, 1440, 0)
        checksum = 0
        for (word,) in struct.iter_unpack('<H', placeable):
            checksum ^= word
        return placeable + struct.pack('<H', checksum) + header + body

    def save(self, path):
        with open(path, 'wb') as out:
            out.write(self.to_bytes())


class Records:
    """Any records at all, for the renderer's test files and the fuzzer's seeds: parameter
    words as the format stores them (most coordinates y before x). box is (left, top, right,
    bottom) in logical units for the placeable header, or None for a file without one."""

    def __init__(self, box=(0, 0, 1000, 1000), units_per_inch=1440):
        self.box, self.units = box, units_per_inch
        self.body = b''
        self.slots = []
        self.max_record = 3

    def record(self, function, *words, data=b''):
        params = b''.join(struct.pack('<H', w & 0xFFFF) for w in words) + data
        if len(params) % 2:
            params += b'\0'
        self.body += struct.pack('<IH', 3 + len(params) // 2, function) + params
        self.max_record = max(self.max_record, 3 + len(params) // 2)

    def raw(self, data):
        self.body += data

    def create(self, function, *words, data=b''):
        """An object record; objects take the lowest free index, as in the player."""
        self.record(function, *words, data=data)
        index = self.slots.index(False) if False in self.slots else len(self.slots)
        self.slots[index:index + 1] = [True]
        return index

    def delete(self, index):
        self.record(META_DELETEOBJECT, index)
        if 0 <= index < len(self.slots):
            self.slots[index] = False

    def to_bytes(self, end=True):
        body = self.body + (struct.pack('<IH', 3, META_EOF) if end else b'')
        out = b''
        if self.box is not None:
            placeable = struct.pack('<IHhhhhHI', PLACEABLE_KEY, 0, *self.box, self.units, 0)
            checksum = 0
            for (word,) in struct.iter_unpack('<H', placeable):
                checksum ^= word
            out = placeable + struct.pack('<H', checksum)
        return out + struct.pack('<HHHIHIH', 1, 9, 0x0300, 9 + len(body) // 2, len(self.slots),
                                 self.max_record, 0) + body
