"""Paints the five Llandudno panoramas (3000 x 340 px) and the quiz pictures cut from them:

"llandudno orme.jpg"       History: the Great Orme's slopes with the tramway, St Tudno's church
                           and the copper mines, the town below.
"llandudno bay.jpg"        Physical Geography: Llandudno Bay from the sea, the Great Orme and the
                           Little Orme with the low neck of land and the town between them.
"llandudno promenade.jpg"  Human Geography: the curved promenade and its crescent of hotels,
                           the station and the shops behind, the Great Orme beyond.
"llandudno pier.jpg"       Economy: the pier with its kiosks, the Grand Hotel, the beach and the
                           cable car climbing from Happy Valley.
"llandudno westshore.jpg"  Living by the sea: the West Shore's dunes and sea wall, beach flags,
                           the Conwy estuary, the Orme's cliffs with seabirds and goats.

Painted from shapes and seeded noise at twice the size, then reduced, like pictures.py.

Usage: llandudno_pictures.py <content/Images>
"""

import math
import os
import sys

import numpy as np
from PIL import Image

from pictures import Painter, boat, fbm, fill_profile, finish, profile, reflect, sky, to_image, water

S = 2
WIDTH, HEIGHT = 3000, 340
LIMESTONE = ((176, 174, 160), (136, 134, 122))
TURF = ((110, 138, 78), (150, 160, 104))
FAR_HILLS = (118, 134, 140)


def base(seed, horizon, far=(70, 120, 160), near=(52, 100, 140), cover=0.6):
    canvas = sky(HEIGHT * S, WIDTH * S, seed, cover=cover)
    canvas[horizon * S:] = water((HEIGHT - horizon) * S, WIDTH * S, seed + 1, far, near)
    return canvas


def ridge(canvas, points, bottom, colours, seed, wobble=8):
    """Fills land from a line through (x, y) points (final pixels) down to bottom."""
    xs = np.arange(WIDTH * S) / S
    px, py = zip(*points)
    top = np.interp(xs, px, py) + (profile(WIDTH * S, seed, base=12) - 0.5) * wobble
    return fill_profile(canvas, (top * S).astype(int), bottom * S, colours, seed + 3), top


def at(line, x):
    """The height of a ridge line (one value per painted column) at final pixel x."""
    return line[min(len(line) - 1, int(x * S))]


def cliffs(canvas, top, x0, x1, depth, bottom, seed, sea_side='left'):
    """Grey limestone crags in horizontal beds below a headland's grassy lip. The crags are
    tallest on the sea side (x0 for 'left', x1 for 'right') and die away inland."""
    height, width = canvas.shape[:2]
    rows = np.arange(height)[:, None] / S
    cols = np.arange(width) / S
    t = np.clip((cols - x0) / max(1, x1 - x0), 0, 1)
    fade = 1 - t if sea_side == 'left' else t
    fade = fade * fade * (3 - 2 * fade)
    ragged = fbm(2, width, seed, 4, 24)[0]
    crag_top = top + 4 + depth * (0.3 + 0.7 * ragged) + (1 - fade) * (bottom - top)
    mask = ((rows >= crag_top[None, :]) & (rows < bottom)).astype(float)
    noise = fbm(height, width, seed + 1, octaves=6, base=10)
    beds = 0.5 + 0.5 * np.sin(rows * 1.3 + noise * 7)
    a, b = (np.asarray(c, float) for c in LIMESTONE)
    colour = a * (1 - noise[..., None]) + b * noise[..., None]
    colour *= (0.82 + 0.18 * beds)[..., None]
    # Grass ledges break up the crags.
    ledges = np.clip((fbm(height, width, seed + 2, octaves=5, base=8) - 0.62) / 0.1, 0, 1)
    colour = colour * (1 - ledges[..., None]) + np.array((112, 140, 82)) * ledges[..., None]
    return canvas * (1 - mask[..., None]) + colour * mask[..., None]


def hotels(p, rng, x0, x1, base_line, storeys=(4, 5), colours=None, curve=0.0):
    """A terrace of tall Victorian hotels; base_line(x) gives the pavement at x."""
    colours = colours or [(244, 238, 222), (236, 228, 206), (250, 248, 240), (226, 222, 214), (238, 226, 210),
                          (218, 228, 232)]
    x = x0
    while x < x1:
        w = rng.uniform(34, 62)
        base_y = base_line(x + w / 2)
        floors = rng.integers(storeys[0], storeys[1] + 1)
        h = floors * 11 * (1 + curve)
        wall = tuple(int(c) for c in colours[rng.integers(len(colours))])
        p.rect(x, base_y - h, x + w, base_y, wall, outline=(170, 164, 150), width=0.5)
        # Slate roof with dormers and chimneys.
        p.poly([(x - 1, base_y - h), (x + 4, base_y - h - 9), (x + w - 4, base_y - h - 9), (x + w + 1, base_y - h)],
               (74, 80, 94))
        for cx in (x + 4, x + w - 8):
            p.rect(cx, base_y - h - 15, cx + 4, base_y - h - 8, (150, 120, 100))
        # Windows; a bay of lighter glass every other bay.
        cols = max(2, int(w // 11))
        for f in range(floors):
            wy = base_y - h + 4 + f * (h - 8) / floors
            for c in range(cols):
                wx = x + 3 + c * (w - 6) / cols
                p.rect(wx + 1, wy, wx + 5, wy + 6, (64, 76, 98))
        p.rect(x, base_y - 6, x + w, base_y - 5, (200, 194, 180))
        x += w + rng.uniform(0, 3)


def pier(p, x0, x1, deck, sea_top, kiosks=True):
    """The pier on its iron legs, with kiosks and a pavilion at the head."""
    for x in np.arange(x0, x1, 14):
        p.line([(x, deck + 2), (x, sea_top + 14)], (70, 62, 58), 1.6)
        p.line([(x, deck + 4), (x + 14, sea_top + 10)], (90, 82, 76), 0.6)
    p.rect(x0, deck - 1, x1, deck + 3, (96, 84, 76))
    p.line([(x0, deck - 5), (x1, deck - 5)], (246, 246, 240), 1)
    for x in np.arange(x0, x1, 5):
        p.line([(x, deck - 5), (x, deck - 1)], (246, 246, 240), 0.5)
    if kiosks:
        for x in np.arange(x0 + 20, x1 - 60, 70):
            p.rect(x, deck - 16, x + 12, deck - 1, (246, 244, 236))
            p.poly([(x - 1, deck - 16), (x + 6, deck - 24), (x + 13, deck - 16)], (44, 92, 140))
        # Pavilions at the pier head with their curved roofs.
        for k, x in enumerate((x1 - 56, x1 - 30)):
            p.rect(x, deck - 22, x + 22, deck - 1, (246, 244, 236))
            p.ellipse(x + 1, deck - 32, x + 21, deck - 14, (44, 92, 140))
            p.line([(x + 11, deck - 36), (x + 11, deck - 30)], (44, 92, 140), 1)


def tram(p, x, y, angle):
    """A Great Orme tram: a blue open car, tilted on the slope."""
    c, s = math.cos(angle), math.sin(angle)
    body = [(0, 0), (30, 0), (30, -12), (0, -12)]
    pts = [(x + u * c - v * s, y + u * s + v * c) for u, v in body]
    p.poly(pts, (30, 70, 150))
    roof = [(-2, -12), (32, -12), (32, -16), (-2, -16)]
    p.poly([(x + u * c - v * s, y + u * s + v * c) for u, v in roof], (240, 236, 220))
    for k in range(5):
        win = [(3 + k * 5.5, -10), (7 + k * 5.5, -10), (7 + k * 5.5, -5), (3 + k * 5.5, -5)]
        p.poly([(x + u * c - v * s, y + u * s + v * c) for u, v in win], (210, 226, 236))


def cable_car(p, points, cabins, rng):
    p.line(points, (60, 60, 60), 0.7)
    colours = [(220, 40, 40), (250, 200, 30), (250, 130, 30), (90, 160, 220), (140, 80, 170)]
    for k in range(cabins):
        t = (k + 0.5) / cabins
        x = points[0][0] + (points[1][0] - points[0][0]) * t
        y = points[0][1] + (points[1][1] - points[0][1]) * t
        p.line([(x, y), (x, y + 5)], (60, 60, 60), 0.6)
        colour = colours[k % len(colours)]
        p.rect(x - 3, y + 5, x + 3, y + 11, colour)


def people(p, rng, x0, x1, y0, y1, count, size=1.0):
    shirts = [(200, 40, 40), (40, 80, 170), (240, 200, 40), (250, 250, 250), (40, 140, 90), (230, 110, 160)]
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        k = size * (0.8 + (y - y0) / max(1, y1 - y0) * 0.4)
        shirt = tuple(int(c) for c in shirts[rng.integers(len(shirts))])
        p.rect(x - 1.2 * k, y - 7 * k, x + 1.2 * k, y - 3 * k, shirt)
        p.rect(x - 1 * k, y - 3 * k, x + 1 * k, y, (50, 50, 70))
        p.ellipse(x - 1.2 * k, y - 9.5 * k, x + 1.2 * k, y - 7 * k, (226, 186, 150))


def gulls(p, rng, x0, x1, y0, y1, count):
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        w = rng.uniform(3, 6)
        p.line([(x - w, y - w * 0.4), (x, y), (x + w, y - w * 0.4)], (250, 250, 250), 1)


def goat(p, x, y, facing=1):
    coat = (236, 232, 220)
    p.ellipse(x - 7, y - 9, x + 7, y - 2, coat)
    for lx in (-5, -2, 3, 5):
        p.line([(x + lx, y - 3), (x + lx, y + 3)], (120, 110, 96), 1)
    hx = x + 7 * facing
    p.ellipse(hx - 3, y - 13, hx + 3, y - 7, coat)
    p.line([(hx, y - 12), (hx - 5 * facing, y - 19), (hx - 8 * facing, y - 16)], (90, 80, 64), 1)
    p.line([(hx, y - 8), (hx + 1 * facing, y - 4)], (200, 196, 186), 1.5)  # beard


def flag(p, x, ground, top_colour, bottom_colour, height=34):
    p.line([(x, ground), (x, ground - height)], (230, 230, 230), 1)
    p.rect(x + 1, ground - height, x + 15, ground - height + 5, top_colour)
    p.rect(x + 1, ground - height + 5, x + 15, ground - height + 10, bottom_colour)


def promenade(p, x0, x1, y, rail=True):
    p.rect(x0, y, x1, y + 6, (214, 208, 196))
    p.rect(x0, y + 6, x1, y + 14, (168, 160, 150))  # sea wall face
    if rail:
        p.line([(x0, y - 5), (x1, y - 5)], (90, 110, 120), 0.8)
        for x in np.arange(x0, x1, 12):
            p.line([(x, y - 5), (x, y)], (90, 110, 120), 0.6)
    for x in np.arange(x0 + 20, x1, 90):
        p.line([(x, y), (x, y - 22)], (40, 60, 70), 1)
        p.ellipse(x - 2.5, y - 27, x + 2.5, y - 21, (250, 240, 200))


# --- the five panoramas --------------------------------------------------------------------
def orme_history():
    rng = np.random.default_rng(501)
    horizon = 170
    canvas = base(51, horizon)
    # The Great Orme fills the left and middle, its slopes falling to the town on the right.
    canvas, top = ridge(canvas, [(0, 236), (90, 222), (200, 160), (420, 84), (800, 50), (1300, 54),
                                 (1800, 76), (2200, 124), (2400, 196), (3000, 214)], HEIGHT, TURF, 52)
    canvas = cliffs(canvas, top, 0, 520, 40, 300, 53)
    image = to_image(canvas)
    p = Painter(image, S)
    # Limestone pavements and scree on the upper slopes.
    for _ in range(160):
        x = rng.uniform(300, 1900)
        y = at(top, x) + rng.uniform(10, 60)
        p.ellipse(x, y, x + rng.uniform(6, 18), y + rng.uniform(2, 4), (186, 184, 172))
    # St Tudno's church in its hollow: a low stone church with a bell-cote, and its graveyard wall.
    cx, cy = 560, 150
    p.rect(cx - 70, cy + 18, cx + 110, cy + 22, (150, 146, 134))
    p.rect(cx, cy - 18, cx + 70, cy + 12, (166, 160, 146))
    p.poly([(cx - 3, cy - 18), (cx + 35, cy - 38), (cx + 73, cy - 18)], (84, 88, 96))
    p.rect(cx - 4, cy - 44, cx + 6, cy - 18, (166, 160, 146))
    p.rect(cx - 2, cy - 38, cx + 4, cy - 30, (60, 60, 64))
    for gx in range(int(cx - 60), int(cx + 100), 12):
        p.rect(gx, cy + 10, gx + 3, cy + 17, (200, 198, 190))
    # The copper mines: a grey rock face with dark tunnel mouths, and heaps of spoil below.
    p.poly([(1120, 130), (1150, 104), (1240, 98), (1290, 110), (1296, 134)], (150, 146, 134))
    for mx, my in ((1168, 128), (1214, 124), (1256, 128)):
        p.poly([(mx - 8, my), (mx - 8, my - 9), (mx - 4, my - 14), (mx + 4, my - 14), (mx + 8, my - 9), (mx + 8, my)],
               (36, 30, 28))
    p.poly([(1100, 146), (1150, 130), (1210, 134), (1250, 150)], (164, 136, 104))
    p.poly([(1220, 148), (1262, 132), (1300, 136), (1330, 150)], (150, 124, 96))
    p.rect(1300, 98, 1372, 130, (196, 190, 176))
    p.poly([(1296, 98), (1336, 84), (1376, 98)], (90, 94, 104))
    # The tramway: rails down the slope to the town, with a tram on each section.
    rail = [(900, 86), (1300, 112), (1700, 140), (2050, 176), (2300, 214), (2500, 236)]
    p.line([(x, y + 2) for x, y in rail], (150, 146, 136), 7)
    p.line(rail, (70, 62, 56), 1.4)
    p.line([(x, y + 4) for x, y in rail], (70, 62, 56), 1.4)
    for x in range(950, 2500, 110):  # the posts of the old overhead wire
        y = float(np.interp(x, [q[0] for q in rail], [q[1] for q in rail]))
        p.line([(x, y - 2), (x, y - 24)], (90, 90, 90), 0.8)
    tram(p, 1040, 92, 0.06)
    tram(p, 2120, 186, 0.14)
    # The town below: houses climbing the lower slopes.
    for row, y in enumerate((246, 262, 280)):
        x = 2250 + row * 40
        while x < 3000:
            w = rng.uniform(26, 44)
            h = rng.uniform(16, 26)
            p.rect(x, y - h, x + w, y, (232, 226, 212))
            p.poly([(x - 1, y - h), (x + w / 2, y - h - 9), (x + w + 1, y - h)], (80, 84, 96))
            p.rect(x + 5, y - h + 5, x + 10, y - h + 10, (64, 76, 98))
            x += w + rng.uniform(1, 6)
    # Dry-stone walls across the slope, gorse bushes and the Orme's goats.
    for y0, y1 in ((200, 150), (256, 210), (306, 262)):
        p.line([(300, y0), (1000, (y0 + y1) / 2), (2100, y1 + 20)], (176, 172, 160), 2.5)
    for _ in range(90):
        x = rng.uniform(100, 2200)
        y = rng.uniform(max(at(top, x) + 70, 150), 335)
        p.ellipse(x - 9, y - 5, x + 9, y + 5, (72, 100, 50))
        for _ in range(4):
            fx, fy = x + rng.uniform(-7, 7), y + rng.uniform(-4, 3)
            p.ellipse(fx - 1.5, fy - 1.5, fx + 1.5, fy + 1.5, (240, 200, 40))
    for x, y in ((700, 220), (760, 232), (1500, 260), (1560, 250), (1620, 270)):
        goat(p, x, y, 1 if x % 3 else -1)
    gulls(p, rng, 0, 3000, 10, 60, 14)
    return finish(image, (WIDTH, HEIGHT), 61)


def bay_physical():
    rng = np.random.default_rng(502)
    horizon = 186
    canvas = base(71, horizon, far=(76, 128, 166), near=(48, 96, 140))
    # Far hills of Eryri behind the low neck of land.
    canvas, _ = ridge(canvas, [(700, 160), (1000, 140), (1300, 150), (1600, 136), (2000, 156), (2200, 170)],
                      horizon + 4, ((120, 136, 142), (134, 148, 150)), 72, 10)
    # Great Orme: a whaleback headland, cliffs dropping to the sea at the left.
    canvas, orme = ridge(canvas, [(0, 120), (120, 82), (400, 62), (700, 78), (880, 130), (980, 178),
                                  (1020, 196), (3000, 196)], horizon + 24, TURF, 73, 6)
    canvas = cliffs(canvas, orme, 0, 900, 30, horizon + 24, 74)
    # Little Orme: smaller, rounder, at the right.
    canvas, little = ridge(canvas, [(2300, 204), (2460, 168), (2600, 122), (2720, 118), (2840, 138),
                                    (2950, 176), (3000, 200)], horizon + 24, TURF, 75, 4)
    canvas = cliffs(canvas, little, 2480, 3000, 26, horizon + 24, 76, sea_side='right')
    image = to_image(canvas)
    p = Painter(image, S)
    # The town on the low neck: a long curve of pale hotels behind the beach.
    hotels(p, rng, 1000, 2420, lambda x: 204 + 4 * math.sin((x - 1000) / 1420 * math.pi), storeys=(2, 3), curve=-0.25)
    # The beach between the headlands, curving round the bay.
    p.poly([(980, 206), (1700, 214), (2440, 206), (2440, 214), (980, 214)], (226, 210, 170))
    # The pier from the foot of the Orme.
    pier(p, 980, 1320, 196, 196)
    canvas = reflect(np.asarray(image, float), 214 * S, 60 * S, 0.3, 77)
    image = to_image(canvas)
    p = Painter(image, S)
    for _ in range(8):
        x, y = rng.uniform(200, 2800), rng.uniform(240, 320)
        boat(p, x, y, 0.5 + (y - 230) / 100, (240, 240, 236), sail=rng.random() < 0.5)
    gulls(p, rng, 0, 3000, 20, 90, 12)
    return finish(image, (WIDTH, HEIGHT), 78)


def promenade_human():
    rng = np.random.default_rng(503)
    horizon = 150
    canvas = base(81, horizon)
    # The Great Orme rising behind the end of the crescent.
    canvas, orme = ridge(canvas, [(0, 96), (300, 60), (700, 70), (1000, 118), (1150, 160), (1250, 200)],
                         240, TURF, 82, 6)
    canvas = cliffs(canvas, orme, 0, 500, 30, 160, 83)
    canvas, _ = ridge(canvas, [(900, 150), (1400, 140), (2000, 150), (2500, 128), (2800, 120), (3000, 132)],
                      240, ((120, 136, 120), (136, 150, 130)), 86, 8)
    # Land of the town: the promenade's pavement in front of the hotels.
    canvas, _ = ridge(canvas, [(0, 244), (3000, 244)], HEIGHT, ((202, 196, 184), (188, 182, 170)), 84, 0)
    image = to_image(canvas)
    p = Painter(image, S)
    # The crescent of hotels curving away to the right.
    hotels(p, rng, 380, 3000, lambda x: 244 - 20 * math.exp(-((x - 1800) / 900) ** 2), storeys=(4, 5), curve=0.2)
    # Gardens and benches along the promenade, lamps and people.
    p.rect(0, 252, 3000, 262, (106, 150, 80))
    promenade(p, 0, 3000, 272)
    people(p, rng, 0, 3000, 262, 272, 120, 1.1)
    # The beach and the sea in the foreground.
    p.rect(0, 286, 3000, 304, (214, 196, 156))
    p.rect(0, 304, 3000, HEIGHT, (62, 116, 156))
    for x in np.arange(0, 3000, 6):
        p.line([(x, 304 + (x * 7) % 5), (x + 4, 304 + (x * 7) % 5)], (230, 240, 246), 0.8)
    gulls(p, rng, 0, 3000, 20, 70, 10)
    return finish(image, (WIDTH, HEIGHT), 85)


def pier_economy():
    rng = np.random.default_rng(504)
    horizon = 176
    canvas = base(91, horizon)
    # The Orme's slope behind the Grand Hotel, with Happy Valley's gardens.
    canvas, orme = ridge(canvas, [(0, 60), (400, 52), (800, 80), (1100, 130), (1300, 176), (1400, 200),
                                 (1460, 240), (3000, 240)], 230, TURF, 92, 6)
    image = to_image(canvas)
    p = Painter(image, S)
    # The cable car from Happy Valley to the summit.
    cable_car(p, [(1080, 176), (240, 56)], 9, rng)
    p.rect(1070, 170, 1100, 186, (230, 226, 214))
    # The Grand Hotel: a long white block where the pier begins.
    gx = 1300
    p.rect(gx, 132, gx + 300, 226, (246, 244, 236), outline=(180, 176, 166), width=0.6)
    p.rect(gx - 6, 124, gx + 306, 134, (210, 200, 186))
    p.poly([(gx - 6, 124), (gx + 10, 110), (gx + 290, 110), (gx + 306, 124)], (84, 90, 104))
    for tx in (gx - 6, gx + 280):
        p.rect(tx, 96, tx + 32, 132, (246, 244, 236))
        p.poly([(tx - 2, 96), (tx + 16, 80), (tx + 34, 96)], (84, 90, 104))
    for f in range(6):
        for c in range(22):
            p.rect(gx + 8 + c * 13, 140 + f * 14, gx + 14 + c * 13, 148 + f * 14, (70, 84, 104))
    # The pier stretching out to sea with its kiosks and pavilions at the head.
    pier(p, 1560, 2900, 212, horizon)
    # The beach, deckchairs and visitors; the promenade behind.
    p.rect(1300, 226, 1560, 236, (214, 208, 196))
    p.poly([(0, 236), (1540, 236), (1640, 280), (1720, 340), (0, 340)], (222, 204, 164))
    p.line([(1540, 236), (1640, 280), (1720, 340)], (240, 246, 250), 2)
    for _ in range(70):
        x, y = rng.uniform(20, 1500), rng.uniform(256, 330)
        colour = [(220, 50, 50), (40, 90, 180), (250, 200, 40), (40, 150, 100)][rng.integers(4)]
        for k in range(3):
            p.rect(x + k * 2, y - 8, x + k * 2 + 2, y, colour if k % 2 == 0 else (250, 250, 250))
        p.line([(x, y), (x + 6, y - 8)], (120, 90, 60), 0.8)
    people(p, rng, 20, 1500, 250, 336, 70, 1.6)
    people(p, rng, 1600, 2850, 200, 207, 60, 0.7)
    p.rect(0, 230, 1300, 238, (214, 208, 196))
    # Waves at the water's edge under the pier.
    canvas = reflect(np.asarray(image, float), 236 * S, 30 * S, 0.25, 93)
    image = to_image(canvas)
    p = Painter(image, S)
    gulls(p, rng, 1500, 3000, 20, 120, 12)
    return finish(image, (WIDTH, HEIGHT), 94)


def westshore_living():
    rng = np.random.default_rng(505)
    horizon = 178
    canvas = base(111, horizon, far=(84, 136, 168), near=(60, 120, 150))
    # Across the estuary: Conwy Mountain and the hills, Deganwy's castle hill.
    canvas, _ = ridge(canvas, [(0, 130), (300, 112), (600, 126), (900, 150), (1200, 140), (1500, 164),
                               (1800, 172), (2000, 178)], horizon + 2, ((110, 128, 120), (126, 140, 128)), 112, 8)
    # The Great Orme's western cliffs at the right, dropping to the sea.
    canvas, orme = ridge(canvas, [(0, 400), (1880, 400), (1900, 220), (2150, 150), (2400, 90), (2700, 60),
                                  (3000, 50)], HEIGHT, TURF, 113, 6)
    canvas = cliffs(canvas, orme, 1950, 2800, 30, 262, 114, sea_side='left')
    # Dunes and the sandy beach in front.
    canvas, dunes = ridge(canvas, [(0, 236), (200, 222), (420, 240), (700, 226), (1000, 242), (1300, 230),
                                   (1700, 246), (2000, 250), (2200, 262)], HEIGHT,
                          ((226, 208, 160), (206, 188, 140)), 115, 10)
    image = to_image(canvas)
    p = Painter(image, S)
    # Marram grass on the dunes.
    for _ in range(1800):
        x = rng.uniform(0, 2150)
        y = at(dunes, x) + rng.uniform(0, 24)
        p.line([(x, y), (x + rng.uniform(-4, 4), y - rng.uniform(6, 16))], (118, 150, 84), 0.8)
    # The sea wall and promenade behind the beach, at the foot of the Orme.
    promenade(p, 1500, 2250, 268)
    # Lifeguard flags on the beach and a warning flag further along.
    flag(p, 900, 300, (220, 40, 40), (250, 210, 30))
    flag(p, 1160, 300, (220, 40, 40), (250, 210, 30))
    people(p, rng, 700, 1400, 292, 330, 30, 1.4)
    # Goats on the Orme's slopes, seabirds along the cliffs.
    for x, y in ((2480, 120), (2560, 110), (2620, 132), (2760, 96), (2840, 104)):
        goat(p, x, y, 1 if x % 2 else -1)
    gulls(p, rng, 2100, 3000, 110, 240, 30)
    gulls(p, rng, 0, 2000, 20, 80, 8)
    return finish(image, (WIDTH, HEIGHT), 116)


PANORAMAS = [('llandudno orme', orme_history, (990, 40)), ('llandudno bay', bay_physical, (900, 60)),
             ('llandudno promenade', promenade_human, (1500, 120)), ('llandudno pier', pier_economy, (1480, 96)),
             ('llandudno westshore', westshore_living, (1900, 110))]


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name, make, (cx, cy) in PANORAMAS:
        image = make()
        image.save(os.path.join(out_dir, name + '.jpg'), quality=88, optimize=True)
        quiz = image.crop((cx, cy, cx + 228, cy + 164)).resize((57, 41), Image.LANCZOS)
        quiz.save(os.path.join(out_dir, name + 'sm.jpg'), quality=92)


if __name__ == '__main__':
    main(sys.argv[1])
