"""Draws the three maps of the Llandudno labelling activities from real coastlines (GSHHG,
full resolution, through GMT), with the places the pupils label at their real coordinates and
no place names printed.

"llandudno coast.jpg": the Creuddyn peninsula, the Great and Little Orme, both shores and the
    Conwy estuary (Physical Geography, Living by the sea).
"llandudno town.jpg": the town between the two bays, with the pier, the railway, the tramway
    and the cable car (History, Human Geography).
"north wales.jpg": North Wales and north-west England, where Llandudno's visitors come from
    (Economy).
The town map and the North Wales map have a key with words: each is also drawn with a Welsh
key, "cy llandudno town.jpg" and "cy north wales.jpg", for the Welsh topics.

Each map is placed by its activities at (0, 0) twips, so map pixel (x, y) is screen pixel
(x, y); the boxes come from the topic files.

Usage: llandudno_maps.py <content/Images> [<folder for check images>]
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

from maps import SUPER, coastline, finish, land_mask, projector, screen_check, sea_colours, texture
from pictures import fbm

BOLD = '/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf'

COAST = {'file': 'llandudno coast.jpg', 'size': (800, 500), 'region': (-3.96, -3.72, 53.2664, 53.3560),
         'smooth': 1.2, 'forms': ['llandudno2lab', 'llandudno5lab']}
# Equal scale both ways: the latitude span is the longitude span times cos(latitude) times 520/800.
TOWN = {'file': 'llandudno town.jpg', 'size': (800, 520), 'region': (-3.890, -3.790, 53.3089, 53.3477),
        'smooth': 2.2, 'forms': ['llandudno1lab', 'llandudno3lab']}
REGION = {'file': 'north wales.jpg', 'size': (800, 500), 'region': (-4.80, -1.90, 52.82, 53.88),
          'smooth': 0.5, 'forms': ['llandudno4lab']}

# Real places, (longitude, latitude).
GREAT_ORME_TOP = (-3.8556, 53.3333)
LITTLE_ORME_TOP = (-3.7770, 53.3255)
PIER = [(-3.8268, 53.3290), (-3.8224, 53.3336)]
STATION = (-3.8275, 53.3208)
TRAMWAY = [(-3.8322, 53.3262), (-3.8380, 53.3282), (-3.8452, 53.3304), (-3.8510, 53.3322),
           (-3.8555, 53.3331)]
# The cable car: from its lower station on Aberdeen Hill in Happy Valley to the summit, about 1.6 km.
CABLE_CAR = [(-3.8305, 53.3297), (-3.8540, 53.3330)]
ST_TUDNO = (-3.8493, 53.3371)
COPPER_MINES = (-3.8470, 53.3306)
RAILWAY = [STATION, (-3.8262, 53.3160), (-3.8255, 53.3100), (-3.8290, 53.3030), (-3.8320, 53.2960),
           (-3.8170, 53.2880), (-3.8090, 53.2840)]
# The promenade's curve along the North Shore, and Mostyn Street behind it.
PROMENADE = [(-3.8262, 53.3282), (-3.8230, 53.3262), (-3.8190, 53.3240), (-3.8140, 53.3215),
             (-3.8090, 53.3192), (-3.8040, 53.3175)]
MOSTYN_STREET = [(-3.8300, 53.3262), (-3.8262, 53.3245), (-3.8215, 53.3225), (-3.8170, 53.3205)]
GLODDAETH_AVENUE = [(-3.8250, 53.3252), (-3.8330, 53.3215), (-3.8420, 53.3180)]
LIFEBOAT_STATION = (-3.8045, 53.3178)
STREET_SHIFT = 0.0020  # degrees of latitude, see town_map
TOWNS = {'Llandudno': (-3.8280, 53.3240), 'Liverpool': (-2.9800, 53.4080), 'Manchester': (-2.2420, 53.4800),
         'Chester': (-2.8910, 53.1900), 'Conwy': (-3.8290, 53.2810), 'Bangor': (-4.1290, 53.2270),
         'Holyhead': (-4.6330, 53.3090)}
ROADS = {  # the A55 along the coast and the A470 south from Llandudno, roughly followed
    'A55': [(-4.62, 53.30), (-4.35, 53.24), (-4.13, 53.215), (-3.93, 53.262), (-3.83, 53.279),
            (-3.70, 53.285), (-3.50, 53.275), (-3.30, 53.255), (-3.10, 53.235), (-2.95, 53.195)],
    'A470': [(-3.828, 53.318), (-3.825, 53.290), (-3.800, 53.240), (-3.795, 53.140), (-3.80, 53.07)],
}


def base_map(spec, land_colours, sea_deep, sea_shallow, seed):
    size, region = spec['size'], spec['region']
    big = (size[0] * SUPER, size[1] * SUPER)
    mask = land_mask(region, size, spec['smooth'])
    land = np.asarray(mask, dtype=float)[..., None] / 255
    sea = sea_colours(mask, sea_deep, sea_shallow, 10) * texture(big, seed, 0.04)[..., None]
    hills = fbm(big[1], big[0], seed + 1, octaves=5, base=5)[..., None]
    ground = np.array(land_colours[0], float) * (1 - hills) + np.array(land_colours[1], float) * hills
    ground *= texture(big, seed + 2, 0.05)[..., None]
    return mask, land, sea, ground


def shade_hill(ground, to_px, centre, radius_px, colour, strength):
    """A soft patch of colour: the high ground of a headland or the moors."""
    big_h, big_w = ground.shape[:2]
    patch = Image.new('L', (big_w, big_h), 0)
    cx, cy = to_px(*centre)
    r = radius_px * SUPER
    ImageDraw.Draw(patch).ellipse([cx - r, cy - r * 0.7, cx + r, cy + r * 0.7], fill=255)
    soft = np.asarray(patch.filter(ImageFilter.GaussianBlur(r / 2)), float)[..., None] / 255 * strength
    return ground * (1 - soft) + np.array(colour, float) * soft


def shore_band(mask, spec, box, colour, width, draw):
    """Colours the land's edge inside a longitude/latitude box: a beach or a promenade drawn
    along the coastline data itself, so that it always lies on the shore the map shows."""
    small_mask = np.asarray(mask.resize(spec['size'], Image.BILINEAR), float) / 255
    land = small_mask > 0.5
    inland = np.asarray(Image.fromarray((land * 255).astype(np.uint8)).filter(ImageFilter.MinFilter(width * 2 + 1))) > 0
    edge = land & ~inland
    west, east, south, north = box
    to_px = projector(spec['region'], spec['size'])
    x0, y0 = to_px(west, north)
    x1, y1 = to_px(east, south)
    ys, xs = np.nonzero(edge)
    keep = (xs >= x0) & (xs <= x1) & (ys >= y0) & (ys <= y1)
    for x, y in zip(xs[keep], ys[keep]):
        draw.point((int(x), int(y)), fill=colour)


def nearest_coast(mask, spec, place):
    """The point of the coastline data nearest a real place (a pier's foot, a slipway)."""
    small_mask = np.asarray(mask.resize(spec['size'], Image.BILINEAR), float) / 255 > 0.5
    inland = np.asarray(Image.fromarray((small_mask * 255).astype(np.uint8)).filter(ImageFilter.MinFilter(3))) > 0
    ys, xs = np.nonzero(small_mask & ~inland)
    px, py = projector(spec['region'], spec['size'])(*place)
    k = np.argmin((xs - px) ** 2 + (ys - py) ** 2)
    return float(xs[k]), float(ys[k])


def on_land(image, layer, mask):
    """Pastes a drawn layer only where there is land."""
    alpha = np.asarray(layer.split()[3], float) * np.asarray(mask.resize(image.size, Image.BILINEAR), float) / 255
    layer.putalpha(Image.fromarray(alpha.astype(np.uint8)))
    image.paste(layer, (0, 0), layer)


def compose(sea, ground, land, mask, ring_colour):
    canvas = sea * (1 - land) + ground * land
    ring, colour = coastline(mask, ring_colour, SUPER)
    return canvas * (1 - ring * 0.7) + colour * ring * 0.7


def north_arrow(draw, x, y, font):
    r = 20
    draw.polygon([(x, y - r), (x + 7, y), (x, y + r), (x - 7, y)], fill=(255, 255, 255), outline=(20, 40, 80))
    draw.polygon([(x, y - r), (x + 7, y), (x - 7, y)], fill=(200, 40, 40))
    draw.text((x - 5, y - r - 17), 'N', fill=(255, 255, 255), font=font)


def scale_bar(draw, spec, x0, y0, km, font):
    west, east, south, north = spec['region']
    middle = (south + north) / 2
    km_per_degree = 111.32 * np.cos(np.radians(middle))
    px = km / km_per_degree / (east - west) * spec['size'][0]
    x1 = x0 + px
    draw.rectangle([x0, y0, x1, y0 + 5], fill=(255, 255, 255), outline=(20, 40, 80))
    draw.rectangle([x0, y0, (x0 + x1) / 2, y0 + 5], fill=(20, 40, 80))
    draw.text((x0, y0 + 8), '0', fill=(255, 255, 255), font=font)
    label = f'{km:g} km'
    draw.text((x1 - draw.textlength(label, font=font) / 2, y0 + 8), label, fill=(255, 255, 255), font=font)


def shopping_street(draw, points, step=11, offset=7):
    """The main shopping street: a wide street with a dark edge and a row of shop roofs along
    each side, so that a pupil can tell it from the plain streets around it."""
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        length = float(np.hypot(x1 - x0, y1 - y0))
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        for k in range(int(length // step) + 1):
            cx, cy = x0 + ux * (k * step + step / 2), y0 + uy * (k * step + step / 2)
            if k * step + step / 2 > length:
                break
            for side in (-1, 1):
                sx, sy = cx - uy * offset * side, cy + ux * offset * side
                draw.rectangle([sx - 3, sy - 3, sx + 3, sy + 3], fill=(168, 74, 58), outline=(110, 48, 40))
    draw.line(points, fill=(110, 100, 90), width=7)
    draw.line(points, fill=(250, 246, 236), width=5)


def railway_line(draw, points):
    draw.line(points, fill=(40, 40, 40), width=4)
    draw.line(points, fill=(250, 250, 250), width=2)


def tramway_line(draw, points):
    draw.line(points, fill=(30, 80, 160), width=3)


def cable_car_line(draw, a, b, dashes=10):
    """Red dashes between two stations, which are small red squares."""
    for k in range(dashes):
        p = (a[0] + (b[0] - a[0]) * 2 * k / (2 * dashes - 1), a[1] + (b[1] - a[1]) * 2 * k / (2 * dashes - 1))
        q = (a[0] + (b[0] - a[0]) * (2 * k + 1) / (2 * dashes - 1),
             a[1] + (b[1] - a[1]) * (2 * k + 1) / (2 * dashes - 1))
        draw.line([p, q], fill=(200, 40, 40), width=3)
    for x, y in (a, b):
        draw.rectangle([x - 3, y - 3, x + 3, y + 3], fill=(200, 40, 40), outline=(90, 20, 20))


def map_key(draw, x, y, entries, font):
    """A key in a dark box: each entry a sample drawn by sample(draw, x0, y_middle, x1) and its
    name, side by side in one row from (x, y). A row too wide for the map from x becomes a
    column ending at the row's bottom and the map's right, clear of what lies left of x."""
    widths = [34 + 8 + draw.textlength(name, font=font) for name, _ in entries]
    width = sum(widths) + 16 * (len(entries) - 1) + 20
    if x + width <= draw.im.size[0] - 4:
        places = []
        cx = x + 10
        for w in widths:
            places.append((cx, y))
            cx += w + 16
        box = [x, y, x + width, y + 26]
    else:
        width = max(widths) + 20
        height = 26 + 22 * (len(entries) - 1)
        x, top = draw.im.size[0] - 8 - width, y + 26 - height
        places = [(x + 10, top + 22 * i) for i in range(len(entries))]
        box = [x, top, x + width, top + height]
    draw.rounded_rectangle(box, 5, fill=(20, 40, 80, 210), outline=(250, 250, 250, 200))
    for (name, sample), (cx, cy) in zip(entries, places):
        sample(draw, cx, cy + 13, cx + 34)
        draw.text((cx + 42, cy + 5), name, fill=(255, 255, 255), font=font)
    return width


def coast_map():
    spec = COAST
    mask, land, sea, ground = base_map(spec, ((118, 164, 92), (150, 176, 104)), (44, 100, 168), (104, 164, 206), 41)
    to_px = projector(spec['region'], spec['size'], SUPER)
    # Limestone headlands: grey-green grassland and crags; the hills behind Conwy darker.
    ground = shade_hill(ground, to_px, GREAT_ORME_TOP, 48, (170, 172, 140), 0.7)
    ground = shade_hill(ground, to_px, LITTLE_ORME_TOP, 22, (170, 172, 140), 0.7)
    ground = shade_hill(ground, to_px, (-3.905, 53.272), 70, (120, 112, 80), 0.5)
    canvas = compose(sea, ground, land, mask, (30, 70, 120))
    image = finish(canvas, spec['size'])
    small = projector(spec['region'], spec['size'])
    # The town on the low neck of land: a grey patch of streets between the bays.
    layer = Image.new('RGBA', image.size, (0, 0, 0, 0))
    town = [small(*p) for p in [(-3.838, 53.3275), (-3.818, 53.3265), (-3.800, 53.3215), (-3.790, 53.3150),
                                (-3.805, 53.3090), (-3.826, 53.3120), (-3.846, 53.3175), (-3.846, 53.3230)]]
    ImageDraw.Draw(layer).polygon(town, fill=(200, 190, 176, 200))
    on_land(image, layer, mask)
    draw = ImageDraw.Draw(image, 'RGBA')
    # Sandy beaches along the data's own shoreline: the West Shore and the North Shore's curve.
    shore_band(mask, spec, (-3.870, -3.830, 53.300, 53.325), (236, 218, 160), 3, draw)
    shore_band(mask, spec, (-3.828, -3.800, 53.316, 53.335), (236, 218, 160), 3, draw)
    # The lifeboat station at the east end of the promenade: an orange roof on the shore.
    lx, ly = nearest_coast(mask, spec, LIFEBOAT_STATION)
    draw.rectangle([lx - 5, ly - 2, lx + 5, ly + 6], fill=(236, 110, 30), outline=(60, 40, 30))
    foot = nearest_coast(mask, spec, PIER[0])
    head = (foot[0] + small(*PIER[1])[0] - small(*PIER[0])[0], foot[1] + small(*PIER[1])[1] - small(*PIER[0])[1])
    draw.line([foot, head], fill=(80, 60, 50), width=3)
    font = ImageFont.truetype(BOLD, 13)
    north_arrow(draw, 770, 150, font)
    scale_bar(draw, spec, 600, 470, 2, font)
    return image


def town_map():
    spec = TOWN
    mask, land, sea, ground = base_map(spec, ((120, 166, 94), (146, 174, 102)), (46, 104, 170), (108, 170, 210), 43)
    to_px = projector(spec['region'], spec['size'], SUPER)
    ground = shade_hill(ground, to_px, GREAT_ORME_TOP, 150, (172, 174, 142), 0.6)
    canvas = compose(sea, ground, land, mask, (30, 70, 120))
    image = finish(canvas, spec['size'])
    small = projector(spec['region'], spec['size'])
    # Blocks of the planned town between the two shores.
    layer = Image.new('RGBA', image.size, (0, 0, 0, 0))
    town = [small(*p) for p in [(-3.8340, 53.3275), (-3.8262, 53.3300), (-3.8140, 53.3240), (-3.8000, 53.3200),
                                (-3.7950, 53.3120), (-3.8150, 53.3100), (-3.8300, 53.3140), (-3.8450, 53.3175),
                                (-3.8420, 53.3235)]]
    ImageDraw.Draw(layer).polygon(town, fill=(208, 198, 184, 210))
    on_land(image, layer, mask)
    draw = ImageDraw.Draw(image, 'RGBA')
    # The promenade and sea wall along the North Shore, the sand of the West Shore.
    shore_band(mask, spec, (-3.830, -3.800, 53.312, 53.335), (250, 246, 236), 3, draw)
    shore_band(mask, spec, (-3.870, -3.832, 53.300, 53.324), (238, 220, 164), 5, draw)
    # At this scale the coastline data runs about 200 m south of the real promenade: draw the
    # two streets that start at the promenade as far south, so they keep their place behind it.
    draw.line([small(lon, lat - STREET_SHIFT) for lon, lat in GLODDAETH_AVENUE], fill=(250, 246, 236), width=3)
    shopping_street(draw, [small(lon, lat - STREET_SHIFT) for lon, lat in MOSTYN_STREET])
    # The pier from its foot on the shore; the railway; the tramway; the cable car; the
    # church; the mines.
    foot = nearest_coast(mask, spec, PIER[0])
    head = (foot[0] + small(*PIER[1])[0] - small(*PIER[0])[0], foot[1] + small(*PIER[1])[1] - small(*PIER[0])[1])
    draw.line([foot, head], fill=(90, 66, 52), width=5)
    draw.rectangle([head[0] - 6, head[1] - 5, head[0] + 6, head[1] + 5], fill=(90, 66, 52))
    railway_line(draw, [small(*p) for p in RAILWAY])
    sx, sy = small(*STATION)
    draw.rectangle([sx - 7, sy - 5, sx + 7, sy + 5], fill=(40, 40, 40))
    tramway_line(draw, [small(*p) for p in TRAMWAY])
    cable_car_line(draw, *[small(*p) for p in CABLE_CAR], dashes=8)
    cx, cy = small(*ST_TUDNO)
    draw.rectangle([cx - 5, cy - 4, cx + 5, cy + 4], fill=(90, 80, 70))
    draw.line([(cx, cy - 11), (cx, cy - 4)], fill=(90, 80, 70), width=2)
    draw.line([(cx - 3, cy - 8), (cx + 3, cy - 8)], fill=(90, 80, 70), width=2)
    mx, my = small(*COPPER_MINES)
    draw.ellipse([mx - 6, my - 6, mx + 6, my + 6], fill=(60, 50, 40))
    draw.ellipse([mx - 3, my - 3, mx + 3, my + 3], fill=(196, 112, 60))
    font = ImageFont.truetype(BOLD, 13)
    north_arrow(draw, 770, 420, font)
    scale_bar(draw, spec, 30, 486, 1, font)

    def key(image, words):
        # The key names kinds of line, never the places the pupils label.
        map_key(ImageDraw.Draw(image, 'RGBA'), 200, 484,
                [(words['Railway'], lambda d, x0, y, x1: railway_line(d, [(x0, y), (x1, y)])),
                 (words['Tramway'], lambda d, x0, y, x1: tramway_line(d, [(x0, y), (x1, y)])),
                 (words['Cable car'], lambda d, x0, y, x1: cable_car_line(d, (x0 + 3, y), (x1 - 3, y), 3))],
                font)
    return image, key


def region_map():
    spec = REGION
    mask, land, sea, ground = base_map(spec, ((150, 182, 112), (178, 190, 128)), (42, 98, 166), (100, 160, 204), 47)
    to_px = projector(spec['region'], spec['size'], SUPER)
    ground = shade_hill(ground, to_px, (-3.95, 53.02), 70, (120, 118, 86), 0.6)    # Eryri (Snowdonia)
    ground = shade_hill(ground, to_px, (-3.50, 52.90), 60, (132, 128, 94), 0.4)
    canvas = compose(sea, ground, land, mask, (30, 70, 120))
    image = finish(canvas, spec['size'])
    draw = ImageDraw.Draw(image, 'RGBA')
    small = projector(spec['region'], spec['size'])
    for road in ROADS.values():
        draw.line([small(*p) for p in road], fill=(200, 60, 50), width=3)
    for name, place in TOWNS.items():
        x, y = small(*place)
        r = 6 if name in ('Liverpool', 'Manchester') else 4
        draw.ellipse([x - r, y - r, x + r, y + r], fill=(250, 250, 250), outline=(30, 30, 30), width=2)
    font = ImageFont.truetype(BOLD, 13)
    north_arrow(draw, 770, 60, font)
    scale_bar(draw, spec, 560, 470, 50, font)

    def town(d, x0, y, x1):
        d.ellipse([x0 + 12, y - 5, x0 + 22, y + 5], fill=(250, 250, 250), outline=(30, 30, 30), width=2)

    def key(image, words):
        map_key(ImageDraw.Draw(image, 'RGBA'), 536, 434,
                [(words['Town or city'], town),
                 (words['Main road'], lambda d, x0, y, x1: d.line([(x0, y), (x1, y)], fill=(200, 60, 50), width=3))],
                font)
    return image, key


def places_in_twips(spec, places):
    """Where each named place falls on the screen, for laying out the boxes."""
    small = projector(spec['region'], spec['size'])
    return {name: tuple(int(v * 15) for v in small(*p)) for name, p in places.items()}


# The words of the maps' keys in each language: English, and Welsh for the Welsh topics'
# copies of the maps ("cy llandudno town.jpg"), named by their topic variants.
KEY_WORDS = {
    '': {w: w for w in ('Railway', 'Tramway', 'Cable car', 'Town or city', 'Main road')},
    'cy ': {'Railway': 'Rheilffordd', 'Tramway': 'Tramffordd', 'Cable car': 'Car cebl',
            'Town or city': 'Tref neu ddinas', 'Main road': 'Prif ffordd'},
}


def main(out_dir, check_dir=None):
    os.makedirs(out_dir, exist_ok=True)
    for spec, make in ((COAST, coast_map), (TOWN, town_map), (REGION, region_map)):
        made = make()
        base, key = made if isinstance(made, tuple) else (made, None)
        for prefix, words in KEY_WORDS.items():
            if prefix and not key:
                continue  # a map without words needs no copy
            image = base.copy()
            if key:
                key(image, words)
            assert image.size == spec['size']
            image.save(os.path.join(out_dir, prefix + spec['file']), quality=88, optimize=True)
            if check_dir:
                os.makedirs(check_dir, exist_ok=True)
                for form in spec['forms']:
                    screen_check(image, form, spec['file']).save(
                        os.path.join(check_dir, 'check ' + prefix + form + '.png'))


if __name__ == '__main__':
    main(*sys.argv[1:])
