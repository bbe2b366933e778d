"""Renders a Windows metafile written by wmfwriter to PNG at 15 twips a pixel (as the program
shows it), reading the bytes back record by record, to look at the pages while writing them.

Usage: wmfpreview.py in.wmf out.png
"""

import struct
import sys

from PIL import Image, ImageDraw, ImageFont

from pages import FONT_FILES

SCALE = 4  # drawn larger, then reduced, for smooth edges


def preview(path, out, background=(39, 63, 137)):
    data = open(path, 'rb').read()
    key, _, left, top, right, bottom, inch, _, checksum = struct.unpack('<IHhhhhHIH', data[:22])
    assert key == 0x9AC6CDD7, 'not a placeable metafile'
    px = lambda v: v * SCALE * inch / 1440 / 15  # noqa: E731
    width, height = int(px(right - left)), int(px(bottom - top))
    image = Image.new('RGB', (width, height), background)
    draw = ImageDraw.Draw(image)
    objects, pen, brush, font, colour = {}, None, None, None, (0, 0, 0)
    offset = 22 + 18
    while offset < len(data):
        size, function = struct.unpack('<IH', data[offset:offset + 6])
        params = data[offset + 6:offset + size * 2]
        offset += size * 2
        if function == 0:
            break
        words = lambda n: struct.unpack('<%dh' % n, params[:2 * n])  # noqa: E731
        if function == 0x02FA:
            style, w, _ = struct.unpack('<Hhh', params[:6])
            rgb = tuple(params[6:9])
            obj = ('pen', None if style == 5 else rgb, max(1, int(px(w))))
        elif function == 0x02FC:
            style = struct.unpack('<H', params[:2])[0]
            obj = ('brush', None if style == 1 else tuple(params[2:5]))
        elif function == 0x02FB:
            h = struct.unpack('<h', params[:2])[0]
            weight = struct.unpack('<h', params[8:10])[0]
            face = params[18:50].split(b'\0')[0].decode('cp1252')
            obj = ('font', ImageFont.truetype(FONT_FILES[(face, weight >= 700)], int(px(abs(h)))))
        else:
            obj = None
        if obj:
            index = next(i for i in range(1000) if i not in objects)
            objects[index] = obj
            continue
        if function == 0x012D:
            obj = objects[struct.unpack('<H', params[:2])[0]]
            if obj[0] == 'pen':
                pen = obj
            elif obj[0] == 'brush':
                brush = obj
            else:
                font = obj
        elif function == 0x01F0:
            del objects[struct.unpack('<H', params[:2])[0]]
        elif function == 0x0209:
            colour = tuple(params[:3])
        elif function in (0x041B, 0x0418, 0x061C):
            b, r, t, l = words(4) if function != 0x061C else words(6)[2:]
            box = [px(l), px(t), px(r), px(b)]
            fill = brush[1] if brush else None
            outline = pen[1] if pen else None
            w = pen[2] if pen else 1
            if function == 0x041B:
                draw.rectangle(box, fill=fill, outline=outline, width=w if outline else 0)
            elif function == 0x0418:
                draw.ellipse(box, fill=fill, outline=outline, width=w if outline else 0)
            else:
                radius = px(words(1)[0]) / 2
                draw.rounded_rectangle(box, radius, fill=fill, outline=outline, width=w if outline else 0)
        elif function in (0x0324, 0x0325):
            n = struct.unpack('<H', params[:2])[0]
            pts = [(px(x), px(y)) for x, y in struct.iter_unpack('<hh', params[2:2 + 4 * n])]
            if function == 0x0324:
                draw.polygon(pts, fill=brush[1] if brush else None, outline=pen[1] if pen else None)
            elif pen and pen[1]:
                draw.line(pts, fill=pen[1], width=pen[2])
        elif function == 0x0A32:
            y, x, length, _ = struct.unpack('<hhHH', params[:8])
            text = params[8:8 + length].decode('cp1252')
            draw.text((px(x), px(y)), text, fill=colour, font=font[1])
    image = image.resize((width // SCALE, height // SCALE), Image.LANCZOS)
    image.save(out)


if __name__ == '__main__':
    preview(sys.argv[1], sys.argv[2], (255, 255, 255) if 'wmf2' in sys.argv[1] else (39, 63, 137))
