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

from pictures import Painter, boat, fbm, fill_profile, finish, profile, reflect, sky, to_image, tree_clump, vgrad, water

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


def pebbles(p, rng, x0, x1, y0, y1):
    """A shingle beach: grey-brown stones of many shades."""
    p.rect(x0, y0, x1, y1, (176, 166, 148))
    for _ in range(int((x1 - x0) * (y1 - y0) / 6)):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        r = rng.uniform(0.6, 1.4)
        shade = tuple(int(c) for c in rng.choice([(150, 142, 130), (198, 190, 176), (132, 124, 116), (214, 208, 196)]))
        p.ellipse(x - r * 1.4, y - r, x + r * 1.4, y + r, shade)


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
def smooth_line(width, seed, spacing):
    """A smooth 1-D line in [0, 1] that changes over about spacing columns."""
    rng = np.random.default_rng(seed)
    knots = rng.random(width // spacing + 3)
    line = np.interp(np.arange(width) / spacing, np.arange(len(knots)), knots)
    kernel = np.hanning(max(3, spacing // 2))
    return np.convolve(np.pad(line, len(kernel), mode='edge'), kernel / kernel.sum(), 'same')[len(kernel):-len(kernel)]


def scarp(canvas, top, x0, x1, offset, thickness, seed):
    """A natural limestone scar across a slope: a ragged band of grey crag that follows the
    hill's contour offset px below its top line, swelling, thinning and breaking off."""
    height, width = canvas.shape[:2]
    rows = np.arange(height)[:, None] / S
    cols = np.arange(width) / S
    along = smooth_line(width, seed, 90 * S)
    wander = (smooth_line(width, seed + 1, 160 * S) - 0.5) * 18 + (smooth_line(width, seed + 3, 12 * S) - 0.5) * 3
    centre = top + offset + wander
    t = np.clip((cols - x0) / max(1, x1 - x0), 0, 1)
    taper = np.sin(t * np.pi) ** 0.6
    thick = thickness * np.clip((along - 0.35) / 0.3, 0, 1) * taper
    thick *= 0.75 + 0.5 * smooth_line(width, seed + 4, 8 * S)  # a ragged, blocky edge
    mask = ((rows >= (centre - thick * 0.3)[None, :]) & (rows < (centre + thick * 0.7)[None, :])).astype(float)
    noise = fbm(height, width, seed + 2, octaves=6, base=10)
    beds = 0.5 + 0.5 * np.sin(rows * 1.1 + noise * 6)
    a, b = (np.asarray(c, float) for c in LIMESTONE)
    colour = a * (1 - noise[..., None]) + b * noise[..., None]
    colour *= (0.84 + 0.16 * beds)[..., None]
    # Each crag is lit along its top edge and darker towards its foot.
    depth = np.clip((rows - (centre - thick * 0.3)[None, :]) / np.maximum(thick, 1)[None, :], 0, 1)
    colour *= (1.08 - 0.2 * depth)[..., None]
    # Shadow under each scar, where the turf meets the foot of the crag.
    shadow = ((rows >= (centre + thick * 0.7)[None, :]) & (rows < (centre + thick * 0.7 + 3)[None, :])
              & (thick > 2)[None, :]).astype(float)
    canvas = canvas * (1 - 0.25 * shadow[..., None])
    return canvas * (1 - mask[..., None]) + colour * mask[..., None]


def orme_history():
    rng = np.random.default_rng(501)
    horizon = 170
    canvas = base(51, horizon)
    # Across Llandudno Bay at the far right, the Little Orme on the horizon.
    canvas, little = ridge(canvas, [(0, 200), (2560, 200), (2620, 160), (2720, 136), (2860, 130), (3000, 146)],
                           horizon + 2, ((124, 146, 104), (140, 156, 118)), 59, 4)
    canvas = cliffs(canvas, little, 2600, 3000, 10, horizon + 2, 60, sea_side='right')
    # The Great Orme fills the left and middle, its slopes falling to the town on the right.
    canvas, top = ridge(canvas, [(0, 236), (90, 222), (200, 160), (420, 84), (800, 50), (1300, 54),
                                 (1800, 76), (2200, 124), (2400, 196), (3000, 214)], HEIGHT, TURF, 52)
    canvas = cliffs(canvas, top, 0, 520, 40, 300, 53)
    # Limestone scars across the slopes, following the ground, each its own length.
    for k, (x0, x1, offset, thick) in enumerate(((380, 1500, 40, 18), (900, 2150, 86, 24), (300, 1200, 124, 16),
                                                   (1500, 2350, 150, 20), (700, 1700, 200, 14))):
        canvas = scarp(canvas, top, x0, x1, offset, thick, 530 + k * 7)
    image = to_image(canvas)
    p = Painter(image, S)
    # Limestone pavement and loose stones on the upper slopes.
    for _ in range(110):
        x = rng.uniform(300, 1900)
        y = at(top, x) + rng.uniform(8, 40)
        p.ellipse(x, y, x + rng.uniform(5, 14), y + rng.uniform(1.5, 3), (192, 190, 178))
    # The summit building by the top of the tramway.
    p.rect(1230, 38, 1340, 58, (222, 218, 206), outline=(160, 156, 146), width=0.6)
    p.poly([(1226, 38), (1250, 28), (1320, 28), (1344, 38)], (84, 90, 104))
    for wx in range(1240, 1332, 14):
        p.rect(wx, 44, wx + 7, 51, (70, 84, 104))
    # St Tudno's church in its hollow: a low stone church with a bell-cote, its churchyard wall.
    cx, cy = 560, 150
    p.poly([(cx - 70, cy + 20), (cx - 40, cy + 15), (cx + 40, cy + 14), (cx + 110, cy + 18), (cx + 110, cy + 22),
            (cx - 70, cy + 24)], (150, 146, 134))
    p.rect(cx, cy - 18, cx + 70, cy + 12, (166, 160, 146))
    p.poly([(cx - 3, cy - 18), (cx + 35, cy - 38), (cx + 73, cy - 18)], (84, 88, 96))
    p.rect(cx - 4, cy - 44, cx + 6, cy - 18, (166, 160, 146))
    p.rect(cx - 2, cy - 38, cx + 4, cy - 30, (60, 60, 64))
    for wx in (cx + 14, cx + 32, cx + 50):
        p.poly([(wx, cy - 2), (wx, cy - 8), (wx + 3, cy - 11), (wx + 6, cy - 8), (wx + 6, cy - 2)], (70, 70, 76))
    for gx in (cx - 52, cx - 34, cx - 20, cx + 82, cx + 96):
        p.rect(gx, cy + 8, gx + 3, cy + 15, (200, 198, 190))
    for tx in (cx - 62, cx + 100):  # wind-bent trees in the churchyard
        p.ellipse(tx - 12, cy - 16, tx + 14, cy + 6, (70, 98, 58))
        p.line([(tx, cy + 6), (tx, cy + 16)], (90, 70, 50), 1.5)
    # The copper mines by the Halfway station: a grey rock face with tunnel mouths, spoil heaps
    # and the visitor building.
    p.poly([(1120, 130), (1150, 104), (1240, 98), (1290, 110), (1296, 134)], (150, 146, 134))
    for mx, my in ((1168, 128), (1214, 124), (1256, 128)):
        p.poly([(mx - 8, my), (mx - 8, my - 9), (mx - 4, my - 14), (mx + 4, my - 14), (mx + 8, my - 9), (mx + 8, my)],
               (36, 30, 28))
    p.poly([(1100, 146), (1130, 136), (1160, 130), (1210, 134), (1250, 150)], (164, 136, 104))
    p.poly([(1220, 148), (1262, 132), (1300, 136), (1330, 150)], (150, 124, 96))
    p.rect(1300, 98, 1372, 130, (196, 190, 176))
    p.poly([(1296, 98), (1336, 84), (1376, 98)], (90, 94, 104))
    # The tramway: from the town up to the Halfway station, then on to the summit.
    rail = [(1290, 58), (1330, 66), (1500, 96), (1700, 128), (1880, 150), (2050, 178), (2200, 206), (2330, 236)]
    p.line([(x, y + 2) for x, y in rail], (150, 146, 136), 7)
    p.line(rail, (70, 62, 56), 1.4)
    p.line([(x, y + 4) for x, y in rail], (70, 62, 56), 1.4)
    hx, hy = 1700, 128  # Halfway station: a long shed beside the line
    p.rect(hx - 30, hy - 26, hx + 40, hy - 4, (206, 200, 186), outline=(150, 146, 136), width=0.6)
    p.poly([(hx - 34, hy - 26), (hx + 44, hy - 26), (hx + 38, hy - 34), (hx - 28, hy - 34)], (84, 90, 104))
    for x in range(1360, 2330, 120):  # the posts of the old overhead wire
        y = float(np.interp(x, [q[0] for q in rail], [q[1] for q in rail]))
        p.line([(x, y - 2), (x, y - 24)], (90, 90, 90), 0.8)
    tram(p, 1420, 82, 0.17)
    tram(p, 2120, 192, 0.2)
    # The town below: terraces of houses in rows, stepping down the lower slopes.
    colours = [(232, 226, 212), (222, 214, 196), (238, 234, 226), (214, 208, 200), (230, 218, 198), (210, 220, 222)]
    greens = [(70, 104, 60), (84, 118, 66), (62, 92, 54)]
    for row, (x0, y) in enumerate(((2340, 244), (2270, 268), (2200, 294), (2140, 322), (2080, 350))):
        hotels(p, rng, x0, 3000, lambda x, y=y: y - (x - x0) * 0.01, storeys=(2, 3), colours=colours, curve=-0.1)
        # Gardens and street trees between the terraces, half hidden by the row in front.
        for tx in rng.uniform(x0 + 40, 2960, 3):
            tree_clump(p, rng, tx, y + 14, 40, 26, greens)
        if row == 1:  # a church tower with its spire standing above the roofs
            cx, base_y = 2620, 262
            p.rect(cx, base_y - 64, cx + 18, base_y, (150, 146, 134))
            p.poly([(cx - 1, base_y - 64), (cx + 9, base_y - 96), (cx + 19, base_y - 64)], (84, 88, 96))
            p.rect(cx + 6, base_y - 52, cx + 12, base_y - 42, (60, 60, 64))
    # Gorse bushes in flower, and the Orme's goats.
    for _ in range(45):
        x = rng.uniform(100, 2050)
        y = rng.uniform(max(at(top, x) + 60, 150), 335)
        r = rng.uniform(6, 14)
        p.ellipse(x - r, y - r * 0.55, x + r, y + r * 0.55, (72, 100, 50))
        for _ in range(int(r / 2)):
            fx, fy = x + rng.uniform(-r * 0.8, r * 0.8), y + rng.uniform(-r * 0.4, r * 0.3)
            p.ellipse(fx - 1.3, fy - 1.3, fx + 1.3, fy + 1.3, (236, 196, 40))
    for x, y in ((700, 200), (760, 212), (1500, 236), (1560, 228), (1620, 246)):
        goat(p, x, y, 1 if x % 3 else -1)
    gulls(p, rng, 0, 3000, 10, 60, 8)
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
    # The pebble beach between the headlands, curving round the bay.
    p.poly([(980, 206), (1700, 214), (2440, 206), (2440, 214), (980, 214)], (176, 166, 148))
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
    # Far, hazy hills behind the town, painted first so that the Orme stands in front of them.
    canvas, _ = ridge(canvas, [(0, 150), (900, 146), (1300, 140), (1500, 132), (1800, 140), (2100, 126),
                               (2400, 138), (3000, 140)], 240, ((138, 154, 160), (150, 164, 166)), 86, 14)
    # The Great Orme rising behind the end of the crescent.
    canvas, orme = ridge(canvas, [(0, 96), (300, 60), (700, 70), (1000, 118), (1150, 160), (1250, 200),
                                  (1300, 240)], 240, TURF, 82, 6)
    canvas = cliffs(canvas, orme, 0, 500, 30, 160, 83)
    # The Little Orme closing the bay at the right, with its own cliffs.
    canvas, little = ridge(canvas, [(0, 330), (2300, 330), (2380, 196), (2520, 140), (2680, 110), (2860, 104),
                                    (3000, 118)], 240, TURF, 87, 8)
    canvas = cliffs(canvas, little, 2380, 3000, 26, 240, 88, sea_side='right')
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
    # The North Shore's pebble beach and the sea in the foreground.
    pebbles(p, rng, 0, 3000, 286, 304)
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
    p.poly([(0, 236), (1540, 236), (1640, 280), (1720, 340), (0, 340)], (178, 168, 150))
    for _ in range(9000):  # the North Shore's pebbles, bigger nearer
        y = rng.uniform(238, 340)
        x = rng.uniform(0, 1540 + (y - 236) * 1.7)
        r = 0.6 + (y - 236) / 40
        shade = tuple(int(c) for c in rng.choice([(150, 142, 130), (198, 190, 176), (132, 124, 116), (214, 208, 196)]))
        p.ellipse(x - r * 1.4, y - r, x + r * 1.4, y + r, shade)
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


def gull(p, x, y, size, flap=0.0):
    """A gull gliding: white body, grey wings bent at the wrist, black tips."""
    span = 7 * size
    lift = (2.2 + flap) * size
    for side in (-1, 1):
        wrist = (x + side * span * 0.45, y - lift)
        tip = (x + side * span, y - lift * 0.3)
        p.poly([(x, y - 0.4 * size), wrist, tip, (x + side * span * 0.5, y - lift * 0.4), (x, y + 0.5 * size)],
               (196, 202, 210))
        p.line([(x + side * span * 0.8, y - lift * 0.55), tip], (40, 40, 44), 0.9 * size)
    p.ellipse(x - 2.2 * size, y - 0.8 * size, x + 2.2 * size, y + 0.9 * size, (250, 250, 250))
    p.ellipse(x + 1.6 * size, y - 1.1 * size, x + 2.8 * size, y + 0.2 * size, (250, 250, 250))


def westshore_living():
    rng = np.random.default_rng(505)
    horizon = 184
    canvas = base(111, horizon, far=(92, 142, 172), near=(60, 118, 150))
    # Far off, the mountains of Eryri (Snowdonia), blue in the haze.
    canvas, _ = ridge(canvas, [(0, 120), (120, 96), (200, 108), (300, 78), (380, 92), (470, 70), (560, 100),
                               (650, 86), (760, 116), (880, 102), (1000, 128), (1120, 120), (1250, 150),
                               (1350, 172), (1420, 186)], horizon + 1, ((128, 146, 170), (144, 160, 182)), 117, 6)
    # Across the estuary: Conwy Mountain, then the headland of Penmaenmawr running into the sea.
    canvas, _ = ridge(canvas, [(0, 162), (150, 150), (300, 128), (420, 118), (520, 124), (640, 140), (760, 138),
                               (860, 156), (940, 166), (1000, 150), (1070, 128), (1180, 126), (1250, 142),
                               (1310, 176), (1340, 186)], horizon + 1, ((106, 122, 90), (128, 134, 100)), 112, 4)
    # Anglesey, low and far, and Puffin Island off its end, on the horizon.
    canvas, _ = ridge(canvas, [(1380, 190), (1440, 180), (1700, 177), (1900, 179), (1980, 183), (2010, 190),
                               (2040, 181), (2065, 176), (2100, 183), (2120, 190)], horizon + 1,
                      ((150, 166, 180), (160, 174, 186)), 118, 1)
    # Deganwy's twin hills, near at the far left, at the mouth of the estuary.
    canvas, _ = ridge(canvas, [(0, 168), (60, 150), (110, 160), (160, 146), (230, 168), (300, 186), (320, 192)],
                      horizon + 2, ((96, 124, 76), (118, 140, 88)), 119, 3)
    # The Great Orme's western end at the right: grass above, cliffs dropping to the sea.
    canvas, orme = ridge(canvas, [(0, 400), (2110, 400), (2140, 232), (2250, 170), (2450, 112), (2700, 72),
                                  (3000, 58)], HEIGHT, TURF, 113, 5)
    canvas = cliffs(canvas, orme, 2150, 2850, 30, 262, 114, sea_side='left')
    # The West Shore: wet sand at the water's edge, dry sand, and dunes at the left.
    canvas, beach = ridge(canvas, [(0, 250), (3000, 256)], HEIGHT, ((214, 196, 150), (200, 182, 138)), 120, 2)
    canvas, dunes = ridge(canvas, [(0, 228), (160, 216), (330, 232), (520, 222), (700, 240), (820, 252),
                                   (900, 340)], HEIGHT, ((226, 208, 160), (206, 188, 140)), 115, 6)
    image = to_image(canvas)
    p = Painter(image, S)
    p.poly([(700, 252), (3000, 258), (3000, 262), (700, 258)], (180, 164, 128))  # wet sand
    p.line([(700, 251), (3000, 257)], (236, 242, 246), 1.5)  # the last of a wave
    # Marram grass on the dunes.
    for _ in range(1100):
        x = rng.uniform(0, 860)
        y = at(dunes, x) + rng.uniform(0, 30)
        if y < 338:
            p.line([(x, y), (x + rng.uniform(-4, 4), y - rng.uniform(6, 14))], (118, 150, 84), 0.8)
    # The promenade and its low sea wall at the foot of the Orme.
    promenade(p, 2100, 3000, 270)
    # Lifeguard flags on the beach, visitors between them.
    flag(p, 1100, 304, (220, 40, 40), (250, 210, 30))
    flag(p, 1500, 304, (220, 40, 40), (250, 210, 30))
    people(p, rng, 1060, 1560, 282, 334, 26, 1.4)
    people(p, rng, 1700, 2050, 272, 300, 8, 1.1)
    # Goats grazing on the Orme.
    for x, y in ((2560, 132), (2640, 124), (2800, 104), (2880, 110)):
        goat(p, x, y, 1 if x % 3 else -1)
    # Gulls gliding over the beach and the cliffs.
    for x, y, size in ((380, 60, 1.2), (460, 44, 0.9), (900, 80, 1.0), (1700, 50, 1.3), (2000, 120, 0.8),
                       (2250, 90, 1.1), (2380, 150, 0.7), (2950, 34, 0.9)):
        gull(p, x, y, size, rng.uniform(-0.5, 0.8))
    return finish(image, (WIDTH, HEIGHT), 116)


PANORAMAS = [('llandudno orme', orme_history), ('llandudno bay', bay_physical),
             ('llandudno promenade', promenade_human), ('llandudno pier', pier_economy),
             ('llandudno westshore', westshore_living)]


# --- the quiz pictures: one close-up landmark each, drawn at four times 57 x 41 --------------
Q = 4
QW, QH = 57, 41


def quiz_base(seed, horizon, sea=True):
    canvas = sky(QH * Q, QW * Q, seed, cover=0.68)
    if sea:
        canvas[horizon * Q:] = water((QH - horizon) * Q, QW * Q, seed + 1, (70, 124, 168), (44, 92, 138))
    return canvas


def quiz_hill(canvas, points, bottom, colours, seed):
    xs = np.arange(QW * Q) / Q
    px, py = zip(*points)
    top = np.interp(xs, px, py)
    return fill_profile(canvas, (top * Q).astype(int), bottom * Q, colours, seed), top


def quiz_finish(image, seed):
    return finish(image, (QW, QH), seed, grain=2)


def quiz_tram():
    """History: a Great Orme tram, blue and cream, on its rails up the grassy slope."""
    canvas = quiz_base(601, 41, sea=False)
    canvas, _ = quiz_hill(canvas, [(0, 14), (30, 9), (57, 4)], QH, TURF, 602)
    image = to_image(canvas)
    p = Painter(image, Q)
    # The rails climbing to the right, on a grey road bed.
    p.poly([(0, 37), (57, 25), (57, 31), (0, 43)], (150, 146, 136))
    p.line([(0, 38.5), (57, 26.5)], (70, 62, 56), 0.6)
    p.line([(0, 41), (57, 29)], (70, 62, 56), 0.6)
    angle = math.atan2(-12, 57)
    c, s = math.cos(angle), math.sin(angle)

    def shape(points, x0=9, y0=36.5):
        return [(x0 + u * c - v * s, y0 + u * s + v * c) for u, v in points]
    p.poly(shape([(0, 0), (38, 0), (38, -9), (0, -9)]), (30, 70, 150))            # blue lower body
    p.poly(shape([(0, -9), (38, -9), (38, -17), (0, -17)]), (238, 230, 206))      # cream upper body
    p.poly(shape([(-1.5, -17), (39.5, -17), (38, -20), (0, -20)]), (52, 60, 74))  # roof
    for k in range(5):
        p.poly(shape([(3 + k * 7, -15.5), (8 + k * 7, -15.5), (8 + k * 7, -10.5), (3 + k * 7, -10.5)]),
               (88, 120, 150))
    p.poly(shape([(15, -4.5), (23, -4.5), (23, -7.5), (15, -7.5)]), (236, 200, 60))  # the number board
    for u in (7, 31):
        x, y = shape([(u, 1.2)])[0]
        p.ellipse(x - 1.6, y - 1.6, x + 1.6, y + 1.6, (40, 36, 34))
    return quiz_finish(image, 603)


def quiz_orme():
    """Physical Geography: the Great Orme headland, its cliffs standing in the sea."""
    canvas = quiz_base(611, 30)
    canvas, top = quiz_hill(canvas, [(0, 30), (2, 16), (6, 10), (16, 7), (30, 7), (42, 11), (51, 18), (57, 23)],
                            31, TURF, 612)
    image = to_image(canvas)
    p = Painter(image, Q)
    # Ragged grey limestone cliffs along the foot, tallest at the seaward end on the left.
    rng = np.random.default_rng(614)
    edge = [(1, 30), (2, 17)] + [(x, 15 + x * 0.22 + rng.uniform(-1.5, 1.5)) for x in range(4, 50, 3)] + [(52, 27), (52, 30.5)]
    p.poly(edge, (170, 168, 154))
    for x in range(4, 48, 3):
        p.line([(x, 17 + x * 0.22), (x + rng.uniform(-1, 1), 30)], (138, 136, 124), 0.4)
    for y in (22, 26):
        p.line([(2, y), (46, y + 2)], (150, 148, 134), 0.4)
    p.line([(0, 30.6), (57, 30.6)], (236, 240, 244), 0.6)  # surf at the foot
    return quiz_finish(image, 613)


def quiz_cable_car():
    """Human Geography: a cable car cabin hanging from its cable above the Orme's slope."""
    canvas = quiz_base(621, 33)
    canvas, _ = quiz_hill(canvas, [(0, 22), (30, 28), (57, 36)], QH, TURF, 622)
    image = to_image(canvas)
    p = Painter(image, Q)
    p.line([(0, 4), (57, 13)], (50, 50, 50), 0.5)
    x, y = 27, 8.3
    p.line([(x, y), (x, y + 7)], (60, 60, 60), 0.8)
    p.rect(x - 2.5, y - 1, x + 2.5, y + 1, (60, 60, 60))
    p.poly([(x - 8, y + 7), (x + 8, y + 7), (x + 9, y + 20), (x - 9, y + 20)], (236, 196, 30))  # yellow cabin
    p.poly([(x - 6.5, y + 9), (x + 6.5, y + 9), (x + 7, y + 15), (x - 7, y + 15)], (120, 160, 196))
    p.line([(x, y + 9), (x, y + 15)], (236, 196, 30), 0.6)
    p.rect(x - 9, y + 19, x + 9, y + 21, (150, 110, 20))
    # A second, red cabin further down the line.
    x2, y2 = 50, 11.9
    p.line([(x2, y2), (x2, y2 + 3)], (60, 60, 60), 0.5)
    p.rect(x2 - 3, y2 + 3, x2 + 3, y2 + 8, (210, 40, 40))
    return quiz_finish(image, 623)


def quiz_pier():
    """Economy: the pier on its iron legs, with its white kiosks and pavilions."""
    canvas = quiz_base(631, 24)
    canvas, _ = quiz_hill(canvas, [(0, 8), (18, 6), (34, 13), (44, 22), (48, 24)], 25, TURF, 632)
    image = to_image(canvas)
    p = Painter(image, Q)
    deck = 27
    for x in range(2, 57, 4):
        p.line([(x, deck + 1), (x, 39)], (66, 58, 54), 0.7)
        p.line([(x, deck + 2), (x + 4, 37)], (90, 82, 76), 0.3)
    p.rect(0, deck - 0.5, 57, deck + 1.5, (96, 84, 76))
    p.line([(0, deck - 2.5), (57, deck - 2.5)], (246, 246, 240), 0.5)
    for x in (6, 18):
        p.rect(x, deck - 7, x + 5, deck - 0.5, (246, 244, 236))
        p.poly([(x - 0.5, deck - 7), (x + 2.5, deck - 10), (x + 5.5, deck - 7)], (44, 92, 140))
    for x in (30, 43):
        p.rect(x, deck - 9, x + 10, deck - 0.5, (246, 244, 236))
        p.ellipse(x + 0.5, deck - 14, x + 9.5, deck - 6, (44, 92, 140))
        p.rect(x + 2, deck - 6, x + 4, deck - 3, (70, 84, 104))
        p.rect(x + 6, deck - 6, x + 8, deck - 3, (70, 84, 104))
    return quiz_finish(image, 633)


def quiz_flags():
    """Living by the sea: the red and yellow lifeguard flags on the beach, the sea behind."""
    canvas = quiz_base(641, 21)
    canvas[30 * Q:] = vgrad((QH - 30) * Q, QW * Q, (222, 204, 160), (206, 186, 140))
    image = to_image(canvas)
    p = Painter(image, Q)
    p.poly([(0, 28), (57, 29.5), (57, 31), (0, 31)], (240, 244, 246))  # waves breaking on the sand
    for x in (12, 40):
        p.line([(x, 37), (x, 6)], (236, 236, 236), 0.8)
        p.rect(x + 0.5, 6, x + 12, 10.5, (220, 40, 40))
        p.rect(x + 0.5, 10.5, x + 12, 15, (250, 206, 30))
    return quiz_finish(image, 643)


QUIZ = {'llandudno orme': quiz_tram, 'llandudno bay': quiz_orme, 'llandudno promenade': quiz_cable_car,
        'llandudno pier': quiz_pier, 'llandudno westshore': quiz_flags}


def main(out_dir, only=None):
    os.makedirs(out_dir, exist_ok=True)
    for name, make in PANORAMAS:
        if only and only not in name:
            continue
        make().save(os.path.join(out_dir, name + '.jpg'), quality=88, optimize=True)
        QUIZ[name]().save(os.path.join(out_dir, name + 'sm.jpg'), quality=92)


if __name__ == '__main__':
    main(*sys.argv[1:])
