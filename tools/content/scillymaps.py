"""Draws the maps of the labelling activities of the Isles of Scilly pages Human Geography
(scilly3lab), Economy (scilly4lab) and Living by the sea (scilly5lab) from real coastlines
(GSHHG, full resolution, through GMT), with the places at their real coordinates.

Each place is drawn as a small symbol without its name (naming it is the pupil's task), and a
thin line leads from the symbol to the box where its label belongs; the boxes come from the
topic files, so map and boxes never disagree. Every map is 800 x 600 px, placed at (0, 0).

Usage: scillymaps.py <content/Images> [<folder for check images>]
"""

import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

from maps import SUPER, coastline, finish, land_mask, projector, screen_check, sea_colours, texture
from pictures import fbm
from topicfiles import picture_at, target_boxes

FONT = '/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf'
KM_PER_DEGREE_LAT = 111.2

# Places: (symbol, longitude, latitude), in the order of the activity's items.
MAPS = [
    {
        'file': 'stmarys map.jpg', 'form': 'scilly3lab', 'size': (800, 600),
        'region': (-6.3618, -6.2028, 49.8783, 49.9553), 'smooth': 1.6, 'scale_km': 1,
        'scale_at': (24, 560), 'north_at': (770, 230),
        'places': [('town', -6.3150, 49.9150), ('quay', -6.3172, 49.9178), ('fort', -6.3225, 49.9130),
                   ('airport', -6.2917, 49.9133), ('village', -6.3030, 49.9105), ('beach', -6.3090, 49.9212)],
    },
    {
        'file': 'scilly economy.jpg', 'form': 'scilly4lab', 'size': (800, 600),
        'region': (-6.392, -6.174, 49.872, 49.980), 'smooth': 2.2, 'scale_km': 2,
        'scale_at': (24, 560), 'north_at': (780, 250),
        'places': [('fields', -6.2880, 49.9640), ('quay', -6.3172, 49.9178), ('airport', -6.2917, 49.9133),
                   ('tent', -6.3515, 49.8905), ('garden', -6.3300, 49.9490)],
    },
    {
        'file': 'scilly sea map.jpg', 'form': 'scilly5lab', 'size': (800, 600),
        'region': (-6.49, -6.13, 49.826, 50.000), 'smooth': 2.6, 'scale_km': 5,
        'scale_at': (24, 548), 'north_at': (780, 250),
        'places': [('lighthouse', -6.4457, 49.8729), ('lighthouse', -6.3233, 49.9787),
                   ('lighthouse', -6.3037, 49.9046), ('old lighthouse', -6.3457, 49.8925),
                   ('lifeboat', -6.3180, 49.9185), ('rocks', -6.4030, 49.8790)],
    },
]


def km_per_degree_lon(lat):
    return KM_PER_DEGREE_LAT * math.cos(math.radians(lat))


def land(spec):
    size, region = spec['size'], spec['region']
    mask = land_mask(region, size, spec['smooth'])
    to_px = projector(region, size, SUPER)
    # Hugh Town stands on a sand bar too narrow for the coastline data: join the Garrison to
    # the rest of St Mary's, about 470 m by 200 m.
    cx, cy = to_px(-6.3172, 49.9138)
    px_per_km = (to_px(-6.3172 + 1 / km_per_degree_lon(49.91), 49.9138)[0] - cx)
    rx, ry = 0.235 * px_per_km, 0.1 * px_per_km
    ImageDraw.Draw(mask).ellipse([cx - rx, cy - ry, cx + rx, cy + ry], fill=255)
    # Rat Island, where the quay starts, is joined to the town by the harbour's own land.
    ImageDraw.Draw(mask).line([to_px(-6.3166, 49.9172), to_px(-6.3150, 49.9148)], fill=255,
                              width=max(1, int(0.09 * px_per_km)))
    return mask


def base_map(spec):
    size = spec['size']
    big = (size[0] * SUPER, size[1] * SUPER)
    mask = land(spec)
    land_alpha = np.asarray(mask, dtype=float)[..., None] / 255
    sea = sea_colours(mask, (38, 96, 168), (78, 168, 196), 14)
    sea *= texture(big, 51, 0.05)[..., None]
    inner = np.asarray(mask.filter(ImageFilter.MinFilter(3 * SUPER + 1)), dtype=float) / 255
    inner = np.asarray(Image.fromarray((inner * 255).astype(np.uint8))
                       .filter(ImageFilter.GaussianBlur(2 * SUPER)), dtype=float)[..., None] / 255
    heath = fbm(big[1], big[0], 53, octaves=5, base=10)[..., None] ** 1.6
    green = np.array((108, 166, 82)) * (1 - heath) + np.array((146, 136, 92)) * heath
    ground = np.array((236, 222, 176)) * (1 - inner) + green * inner
    ground *= texture(big, 57, 0.06)[..., None]
    canvas = sea * (1 - land_alpha) + ground * land_alpha
    ring, ring_colour = coastline(mask, (40, 90, 130), SUPER // 2)
    canvas = canvas * (1 - ring * 0.6) + ring_colour * ring * 0.6
    return finish(canvas, size)


# --- symbols, drawn at the place's pixel (x, y) -------------------------------------------
def house(d, x, y, s, roof=(150, 60, 50)):
    d.rectangle([x - s, y - s * 0.6, x + s, y + s], fill=(246, 242, 232), outline=(70, 70, 70))
    d.polygon([(x - s - 1, y - s * 0.6), (x, y - s * 1.6), (x + s + 1, y - s * 0.6)], fill=roof, outline=(70, 70, 70))


def symbol(d, kind, x, y, seaward=(0.0, -1.0)):
    if kind == 'town':
        for dx, dy in ((-9, -4), (0, -6), (9, -3), (-5, 5), (5, 6), (13, 5)):
            house(d, x + dx, y + dy, 3.2)
    elif kind == 'village':
        for dx, dy in ((-5, 0), (5, -2), (1, 7)):
            house(d, x + dx, y + dy, 3.2)
    elif kind == 'quay':
        # The stone quay runs north-west from Rat Island into the harbour, a boat moored beside it.
        sx, sy = -math.sqrt(0.5), -math.sqrt(0.5)
        root, end = (x - sx * 3, y - sy * 3), (x + sx * 14, y + sy * 14)
        d.line([root, end], fill=(120, 116, 110), width=6)
        d.line([root, end], fill=(196, 192, 182), width=3)
        bx, by = x + sx * 10 - sy * 7, y + sy * 10 + sx * 7
        d.polygon([(bx - 4, by - 2), (bx + 4, by - 2), (bx + 3, by + 2), (bx - 3, by + 2)], fill=(240, 240, 236), outline=(40, 40, 60))
    elif kind == 'fort':
        points = []
        for k in range(16):
            r = 9 if k % 2 == 0 else 5
            a = math.pi * 2 * k / 16
            points.append((x + r * math.cos(a), y + r * math.sin(a)))
        d.polygon(points, fill=(196, 186, 166), outline=(80, 70, 60))
    elif kind == 'airport':
        # Two crossing runways, drawn along their real bearings (about 09/27 and 15/33).
        for bearing, length in ((90, 22), (150, 15)):
            a = math.radians(bearing)
            dx, dy = math.sin(a) * length, -math.cos(a) * length
            d.line([(x - dx, y - dy), (x + dx, y + dy)], fill=(90, 92, 96), width=5)
            d.line([(x - dx, y - dy), (x + dx, y + dy)], fill=(235, 235, 235), width=1)
    elif kind == 'beach':
        # A curve of sand along the shore, a house at the back of the beach.
        sx, sy = seaward
        cx, cy = x + sx * 1.5, y + sy * 1.5
        d.ellipse([cx - 9, cy - 5, cx + 9, cy + 5], fill=(246, 232, 190), outline=(200, 180, 130))
        house(d, x - sx * 9, y - sy * 9, 3)
    elif kind == 'fields':
        for row in range(2):
            for col in range(3):
                l, t = x - 15 + col * 10, y - 9 + row * 10
                d.rectangle([l, t, l + 9, t + 9], fill=(130, 170, 80), outline=(40, 90, 40), width=2)
                for k in range(3):
                    d.point((l + 2 + k * 2.5, t + 3 + (k % 2) * 3), fill=(255, 240, 120))
    elif kind == 'tent':
        d.polygon([(x - 8, y + 6), (x, y - 8), (x + 8, y + 6)], fill=(230, 120, 40), outline=(90, 40, 10))
        d.line([(x, y - 8), (x, y + 6)], fill=(90, 40, 10), width=1)
    elif kind == 'garden':
        for dx, dy in ((-6, 2), (0, -4), (6, 2)):
            d.ellipse([x + dx - 5, y + dy - 5, x + dx + 5, y + dy + 5], fill=(40, 110, 50), outline=(20, 60, 30))
        for dx, colour in ((-4, (230, 60, 90)), (2, (250, 200, 40)), (7, (150, 80, 200))):
            d.ellipse([x + dx - 2, y + 5, x + dx + 2, y + 9], fill=colour)
    elif kind in ('lighthouse', 'old lighthouse'):
        top = (250, 220, 80) if kind == 'lighthouse' else (150, 150, 150)
        d.polygon([(x - 4, y + 6), (x + 4, y + 6), (x + 2.5, y - 8), (x - 2.5, y - 8)], fill=(250, 250, 246), outline=(50, 50, 60))
        d.rectangle([x - 3, y - 12, x + 3, y - 8], fill=top, outline=(50, 50, 60))
        if kind == 'lighthouse':
            for a in (-20, 200):
                r = math.radians(a)
                d.line([(x, y - 10), (x + 14 * math.cos(r), y - 10 + 14 * math.sin(r))], fill=(255, 240, 150), width=2)
    elif kind == 'lifeboat':
        d.polygon([(x - 10, y - 2), (x + 10, y - 2), (x + 7, y + 4), (x - 8, y + 4)], fill=(20, 40, 110), outline=(10, 20, 50))
        d.rectangle([x - 3, y - 8, x + 5, y - 2], fill=(240, 110, 30), outline=(10, 20, 50))
    elif kind == 'rocks':
        for dx, dy, r in ((-10, 0, 3), (-3, -5, 2.5), (4, 2, 3.5), (10, -3, 2.5), (0, 7, 2.5), (-7, 8, 2)):
            d.ellipse([x + dx - r, y + dy - r, x + dx + r, y + dy + r], fill=(70, 64, 60), outline=(240, 240, 240))
        # A wave breaking over them.
        d.arc([x - 14, y - 12, x + 14, y + 12], 200, 340, fill=(255, 255, 255), width=2)


class Shore:
    """The drawn shoreline: land pixels next to the sea, and which way the sea lies from each."""

    def __init__(self, mask):
        land = np.asarray(mask, dtype=float) > 127
        sea_near = np.asarray(mask.filter(ImageFilter.MinFilter(5)), dtype=float) <= 127
        self.ys, self.xs = np.nonzero(land & sea_near)
        smooth = np.asarray(mask.filter(ImageFilter.GaussianBlur(6)), dtype=float)
        self.gy, self.gx = np.gradient(smooth)

    def nearest(self, x, y):
        k = np.argmin((self.xs - x) ** 2 + (self.ys - y) ** 2)
        return float(self.xs[k]), float(self.ys[k])

    def seaward(self, x, y):
        """Unit vector from the land towards the sea at (x, y)."""
        gx, gy = -self.gx[int(y), int(x)], -self.gy[int(y), int(x)]
        norm = math.hypot(gx, gy) or 1.0
        return gx / norm, gy / norm


def nearest_on_box(x, y, box):
    left, top, right, bottom = box
    return min(max(x, left), right), min(max(y, top), bottom)


def draw_map(spec):
    image = base_map(spec)
    size, region = spec['size'], spec['region']
    to_px = projector(region, size)
    d = ImageDraw.Draw(image)
    ox, oy = picture_at(spec['form'], 'Images/' + spec['file'])
    boxes = [((l - ox) / 15, (t - oy) / 15, (l - ox + w) / 15, (t - oy + h) / 15)
             for l, t, w, h in target_boxes(spec['form'])]
    places = [(kind, *to_px(lon, lat)) for kind, lon, lat in spec['places']]
    # The coastline data is coarser than a beach or a quay: set both on the drawn shore.
    shore = Shore(land(spec).resize(size, Image.BILINEAR))
    places = [(kind, *shore.nearest(x, y)) if kind in ('beach', 'quay') else (kind, x, y)
              for kind, x, y in places]
    # Leader lines first, under the symbols: white with a dark edge, so they show on land and sea.
    for (kind, x, y), box in zip(places, boxes):
        bx, by = nearest_on_box(x, y, box)
        if math.hypot(bx - x, by - y) > 6:
            d.line([(x, y), (bx, by)], fill=(20, 30, 60), width=4)
            d.line([(x, y), (bx, by)], fill=(255, 255, 255), width=2)
    for kind, x, y in places:
        symbol(d, kind, x, y, shore.seaward(x, y))
    font = ImageFont.truetype(FONT, 14)
    # North arrow.
    cx, cy, r = spec['north_at'][0], spec['north_at'][1], 20
    d.polygon([(cx, cy - r), (cx + 7, cy), (cx, cy + r), (cx - 7, cy)], fill=(255, 255, 255), outline=(20, 40, 80))
    d.polygon([(cx, cy - r), (cx + 7, cy), (cx - 7, cy)], fill=(200, 40, 40))
    d.text((cx - 5, cy - r - 18), 'N', fill=(255, 255, 255), font=font)
    # Scale bar.
    mid_lat = (region[2] + region[3]) / 2
    km = spec['scale_km']
    x0, y0 = spec['scale_at']
    x1 = x0 + to_px(region[0] + km / km_per_degree_lon(mid_lat), mid_lat)[0]
    d.rectangle([x0, y0, x1, y0 + 5], fill=(255, 255, 255), outline=(20, 40, 80))
    d.rectangle([x0, y0, (x0 + x1) / 2, y0 + 5], fill=(20, 40, 80))
    d.text((x0, y0 + 8), '0', fill=(255, 255, 255), font=font)
    d.text((x1 - 34, y0 + 8), f'{km} km', fill=(255, 255, 255), font=font)
    return image


def main(out_dir, check_dir=None):
    os.makedirs(out_dir, exist_ok=True)
    for spec in MAPS:
        image = draw_map(spec)
        assert image.size == spec['size']
        image.save(os.path.join(out_dir, spec['file']), quality=88, optimize=True)
        if check_dir:
            os.makedirs(check_dir, exist_ok=True)
            screen_check(image, spec['form'], spec['file']).save(os.path.join(check_dir, 'check ' + spec['file'][:-4] + '.png'))


if __name__ == '__main__':
    main(*sys.argv[1:])
