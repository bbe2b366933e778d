"""Paints the five St Lucia panoramas (3000 x 340 px) and the quiz pictures cut from them
(57 x 41 px), from shapes and seeded noise like pictures.py, so every run gives the same files.

stlucia1.jpg  History: a sugar mill ruin on the hills, a tall ship in Rodney Bay, Pigeon
              Island's two hills with the ruins of Fort Rodney and the national flag.
stlucia2.jpg  Physical Geography: Soufriere in its bay, steam from the sulphur springs, and
              the two Pitons rising from the sea, covered in rainforest.
stlucia3.jpg  Human Geography: Castries - houses climbing the hills round the harbour, the
              cathedral, the market's red roofs and a cruise ship at the quay.
stlucia4.jpg  Economy: a banana farm in a green valley, a packing shed, and the coast with a
              beach hotel and a cruise ship.
stlucia5.jpg  Living by the sea: Anse La Raye - painted fishing boats on the beach, nets, palms,
              small wooden houses and the church.

Usage: stlucia_pictures.py <content/Images>
"""

import math
import os
import sys

import numpy as np
from PIL import Image

from pictures import Painter, fill_profile, finish, profile, reflect, sky, to_image, water

S = 2  # painting scale
WIDTH, HEIGHT = 3000, 340
HOUSE_COLOURS = [(236, 96, 80), (250, 206, 70), (96, 170, 210), (130, 196, 120), (240, 150, 60),
                 (244, 240, 228), (200, 120, 190), (90, 190, 180)]
ROOF_COLOURS = [(180, 60, 44), (120, 124, 130), (60, 110, 150), (170, 90, 50)]
FOREST = ((30, 92, 40), (74, 140, 60))


def tropical_base(seed, horizon, far=(40, 120, 180), near=(60, 176, 196)):
    canvas = sky(HEIGHT * S, WIDTH * S, seed, top=(40, 116, 206), bottom=(176, 214, 240), cover=0.62)
    canvas[horizon * S:] = water(HEIGHT * S - horizon * S, WIDTH * S, seed + 1, far, near)
    return canvas


def hills(canvas, xs, ys, seed, bottom, colours=FOREST, roughness=10):
    """Fills from a hill line through the points (xs, ys) down to bottom, as rainforest."""
    columns = np.arange(WIDTH * S) / S
    top = np.interp(columns, xs, ys) + (profile(WIDTH * S, seed, base=24) - 0.5) * roughness
    return fill_profile(canvas, (top * S).astype(int), bottom * S, colours, seed + 1)


def piton(xs, centre, half, top, base):
    """The outline of a volcanic spire: a rounded top and steep sides flaring at the foot."""
    d = np.clip(np.abs(xs - centre) / half, 0, 1)
    return base - (base - top) * (1 - d ** 1.8) ** 1.6


def canopy(p, rng, x0, x1, line, count, floor=HEIGHT,
           colours=((38, 100, 44), (52, 118, 50), (64, 132, 58), (32, 88, 40), (78, 142, 64))):
    """Round tree crowns below a hill line given as a function of x, never below floor: the
    rainforest's texture."""
    for _ in range(count):
        x = rng.uniform(x0, x1)
        r = rng.uniform(3, 7)
        y = min(line(x) + rng.uniform(1, 40) ** 1.2, floor - r)
        if y < line(x) - 1:
            continue
        colour = colours[rng.integers(len(colours))]
        p.ellipse(x - r, y - r * 0.8, x + r, y + r * 0.8, colour)


def house(p, rng, x, base, w, h, wall=None):
    wall = wall or HOUSE_COLOURS[rng.integers(len(HOUSE_COLOURS))]
    roof = ROOF_COLOURS[rng.integers(len(ROOF_COLOURS))]
    p.rect(x, base - h, x + w, base, wall)
    p.poly([(x - 2, base - h), (x + w / 2, base - h - h * 0.45), (x + w + 2, base - h)], roof)
    for k in range(max(1, int(w // 14))):
        wx = x + 4 + k * 14
        if wx + 6 < x + w:
            p.rect(wx, base - h * 0.7, wx + 6, base - h * 0.7 + 7, (60, 60, 70))
    p.rect(x + w * 0.4, base - h * 0.45, x + w * 0.4 + 6, base, (110, 70, 40))


def flag(p, x, top, size=1.0):
    """St Lucia's flag on its pole: blue, with a black triangle edged in white and a gold one."""
    w, h = 44 * size, 28 * size
    p.line([(x, top + 60 * size), (x, top)], (230, 230, 230), 1.5 * size)
    fx, fy = x + 1, top
    p.rect(fx, fy, fx + w, fy + h, (102, 204, 255))
    cx = fx + w / 2
    p.poly([(cx, fy + 3 * size), (cx + 9 * size, fy + h - 2 * size), (cx - 9 * size, fy + h - 2 * size)],
           (255, 255, 255))
    p.poly([(cx, fy + 6 * size), (cx + 6.5 * size, fy + h - 2 * size), (cx - 6.5 * size, fy + h - 2 * size)], (0, 0, 0))
    p.poly([(cx, fy + 14 * size), (cx + 9 * size, fy + h - 2 * size), (cx - 9 * size, fy + h - 2 * size)],
           (252, 209, 22))


def cruise_ship(p, x, waterline, length):
    h = length * 0.16
    p.poly([(x, waterline - h * 0.5), (x + length, waterline - h * 0.62), (x + length * 0.95, waterline),
            (x + length * 0.04, waterline)], (248, 248, 250))
    p.rect(x + length * 0.02, waterline - h * 0.12, x + length * 0.96, waterline, (30, 50, 100))
    for deck in range(4):
        y = waterline - h * 0.5 - deck * h * 0.22
        left, right = x + length * (0.08 + deck * 0.04), x + length * (0.86 - deck * 0.03)
        p.rect(left, y - h * 0.22, right, y, (244, 244, 246))
        for k in range(int((right - left) // 7)):
            p.rect(left + 3 + k * 7, y - h * 0.16, left + 6 + k * 7, y - h * 0.08, (70, 100, 150))
    p.rect(x + length * 0.62, waterline - h * 1.55, x + length * 0.7, waterline - h * 1.32, (40, 110, 180))


def fishing_boat(p, x, base, length, hull, trim, angle=0.0):
    """A painted wooden fishing boat pulled up on the sand, bow raised."""
    h = length * 0.2
    p.poly([(x, base - h), (x + length * 0.12, base), (x + length * 0.86, base), (x + length, base - h * 1.25)], hull)
    p.line([(x, base - h), (x + length, base - h * 1.25)], trim, 3)
    p.line([(x + length * 0.06, base - h * 0.5), (x + length * 0.94, base - h * 0.62)], trim, 2)
    p.rect(x + length * 0.45, base - h * 1.05, x + length * 0.48, base - h * 0.3, (110, 80, 50))


def leaf(p, root, bend, tip, width, colour, rib):
    """A broad leaf blade along a curved midrib (root, bend, tip), widest in its middle."""
    steps = 12
    rib_points, upper, lower = [], [], []
    for k in range(steps + 1):
        t = k / steps
        x = (1 - t) ** 2 * root[0] + 2 * (1 - t) * t * bend[0] + t ** 2 * tip[0]
        y = (1 - t) ** 2 * root[1] + 2 * (1 - t) * t * bend[1] + t ** 2 * tip[1]
        dx = 2 * (1 - t) * (bend[0] - root[0]) + 2 * t * (tip[0] - bend[0])
        dy = 2 * (1 - t) * (bend[1] - root[1]) + 2 * t * (tip[1] - bend[1])
        norm = math.hypot(dx, dy) or 1
        half = width * math.sin(math.pi * min(1, t * 1.15)) / 2
        rib_points.append((x, y))
        upper.append((x - dy / norm * half, y + dx / norm * half))
        lower.append((x + dy / norm * half, y - dx / norm * half))
    p.poly(upper + lower[::-1], colour)
    p.line(rib_points, rib, 1)


def banana_plant(p, rng, x, base, height):
    """A banana plant: a green stem, big paddle leaves arching out and drooping at the tips,
    and a bunch hanging in a blue bag, as on the island's farms."""
    top = base - height * 0.5  # the top of the stem; the leaves make the upper half
    p.line([(x, base), (x + 1, top)], (104, 136, 66), 7)
    crown = (x, top)
    for k in range(7):
        side = -1 if k % 2 == 0 else 1
        spread = rng.uniform(0.2, 1.0)
        length = height * rng.uniform(0.55, 0.7)
        # Leaves rise steeply out of the crown, then bend over towards their tips.
        bend = (x + side * length * 0.3 * spread, top - length * rng.uniform(0.7, 0.9))
        tip = (x + side * length * (0.5 + 0.4 * spread), top - length * rng.uniform(0.05, 0.45))
        green = (int(rng.uniform(60, 100)), int(rng.uniform(140, 180)), int(rng.uniform(44, 74)))
        leaf(p, crown, bend, tip, height * rng.uniform(0.13, 0.18), green, (176, 206, 116))
    if rng.random() < 0.7:
        p.ellipse(x + 3, top + 4, x + 15, top + 28, (40, 110, 200))


def coconut_palm(p, rng, x, base, height, lean=0.0):
    """A coconut palm: a slim curved trunk and a crown of long feathery fronds hanging down."""
    top = (x + lean * height, base - height)
    p.line([(x, base), (x + lean * height * 0.3, base - height * 0.5), top], (128, 100, 66), 6)
    for k in range(9):
        angle = math.pi * (k / 8) + rng.normal(0, 0.08)
        length = height * rng.uniform(0.35, 0.45)
        bend = (top[0] + math.cos(angle) * length * 0.6, top[1] - length * 0.3 * math.sin(angle) - length * 0.1)
        tip = (top[0] + math.cos(angle) * length, top[1] + length * rng.uniform(0.15, 0.45))
        leaf(p, top, bend, tip, height * 0.07, (46, 116, 48), (96, 160, 70))
    for dx in (-4, 3):
        p.ellipse(top[0] + dx - 4, top[1] + 1, top[0] + dx + 4, top[1] + 9, (120, 92, 40))


def sugar_mill(p, x, base):
    """The stone tower of an old windmill of a sugar plantation, roofless, its sails gone."""
    p.poly([(x - 22, base), (x - 16, base - 70), (x + 16, base - 70), (x + 22, base)], (150, 136, 116))
    p.poly([(x - 16, base - 70), (x - 12, base - 76), (x - 6, base - 70), (x, base - 78), (x + 8, base - 70),
            (x + 16, base - 70)], (150, 136, 116))
    p.rect(x - 5, base - 22, x + 5, base, (60, 50, 40))
    p.rect(x - 4, base - 52, x + 3, base - 42, (60, 50, 40))


def tall_ship(p, x, waterline):
    p.poly([(x, waterline - 10), (x + 110, waterline - 10), (x + 96, waterline + 4), (x + 10, waterline + 4)], (70, 46, 30))
    p.line([(x, waterline - 10), (x + 110, waterline - 10)], (200, 170, 90), 2)
    for mast, height in ((x + 30, 90), (x + 62, 104), (x + 90, 80)):
        p.line([(mast, waterline - 10), (mast, waterline - 10 - height)], (80, 60, 40), 2)
        for k in range(3):
            top = waterline - 10 - height + 8 + k * height * 0.3
            p.poly([(mast - 16 + k * 2, top), (mast + 16 - k * 2, top), (mast + 18 - k * 2, top + height * 0.24),
                    (mast - 18 + k * 2, top + height * 0.24)], (240, 234, 214))
    p.line([(x + 110, waterline - 12), (x + 140, waterline - 40)], (80, 60, 40), 2)


def steam(p, rng, x, base, height):
    for k in range(26):
        y = base - k * height / 26
        r = 3 + k * 0.5
        p.ellipse(x - r + rng.normal(0, 2) + k * 0.8, y - r * 0.6, x + r + k * 0.8, y + r * 0.6, (246, 246, 240, 40))


# --- the five scenes ---------------------------------------------------------------------
def history():
    rng = np.random.default_rng(1101)
    horizon = 190
    canvas = tropical_base(11, horizon)
    # Martinique faint on the horizon far to the north.
    canvas = hills(canvas, [0, 1000, 1100, 1250, 1400, 1500, 3000], [400, 400, 184, 178, 186, 400, 400], 12,
                   horizon + 1, ((150, 170, 186), (160, 178, 192)), 2)
    # Mainland hills on the left, falling to the bay.
    canvas = hills(canvas, [0, 300, 700, 1000, 1250, 1400], [100, 80, 110, 150, 200, 260], 13, horizon + 4)
    # Pigeon Island: two hills joined to the shore by a low causeway.
    canvas = hills(canvas, [1500, 1700, 1850, 1960, 2050, 2200, 2380, 2520, 2700, 2800, 3000],
                   [400, 290, 260, 250, 150, 96, 160, 176, 118, 200, 400], 14, horizon + 4, roughness=6)
    image = to_image(canvas)
    p = Painter(image, S)
    canopy(p, rng, 0, 1300, lambda x: np.interp(x, [0, 300, 700, 1000, 1250], [100, 80, 110, 150, 200]), 700, horizon)
    island = ([1700, 1850, 1960, 2050, 2200, 2380, 2520, 2700, 2800], [290, 260, 250, 150, 96, 160, 176, 118, 200])
    canopy(p, rng, 1720, 2790, lambda x: np.interp(x, *island), 500, horizon)
    # Sugar mill ruin and the old plantation house on the hills.
    sugar_mill(p, 520, 140)
    p.rect(700, 152, 820, 186, (214, 200, 176))
    p.poly([(694, 152), (760, 128), (826, 152)], (120, 80, 60))
    for k in range(5):
        p.rect(712 + k * 22, 162, 722 + k * 22, 176, (70, 60, 50))
    # Fort Rodney: ruined stone walls and cannons on the higher hill, the flag above.
    for k in range(6):
        x = 2140 + k * 22
        p.rect(x, 96 - (k % 2) * 6, x + 18, 120, (160, 150, 136))
    p.rect(2134, 118, 2280, 128, (146, 136, 122))
    for x in (2150, 2210):
        p.poly([(x, 118), (x + 30, 112), (x + 31, 116), (x + 1, 122)], (40, 40, 44))
        p.ellipse(x + 4, 118, x + 14, 128, (70, 56, 40))
    flag(p, 2250, 36, 1.1)
    # The officers' mess lower down and the stone landing.
    p.rect(2440, 156, 2520, 180, (176, 160, 140))
    p.poly([(2434, 156), (2480, 140), (2526, 156)], (120, 80, 60))
    canvas = reflect(np.asarray(image, float), (horizon + 8) * S, 50 * S, 0.25, 15)
    image = to_image(canvas)
    p = Painter(image, S)
    tall_ship(p, 1500, 236)
    # A beach along the front and palms.
    sand = np.interp(np.arange(WIDTH * S) / S, [0, 1000, 2000, 3000], [312, 318, 322, 314])
    image = to_image(fill_profile(np.asarray(image, float), (sand * S).astype(int), HEIGHT * S,
                                  ((238, 226, 190), (222, 206, 166)), 16))
    p = Painter(image, S)
    for x, h, lean in ((80, 120, 0.1), (240, 140, -0.05), (1120, 110, 0.12), (2860, 120, -0.1)):
        coconut_palm(p, rng, x, 326, h, lean)
    return finish(image, (WIDTH, HEIGHT), 111)


def physical():
    rng = np.random.default_rng(1202)
    horizon = 250
    canvas = tropical_base(21, horizon, (34, 110, 170), (50, 150, 180))
    # Hills behind Soufriere on the left; then Petit Piton, the Piton Mitan ridge, Gros Piton.
    left = ([0, 200, 500, 800, 1100, 1300, 1400], [120, 90, 110, 140, 190, 240, 252])
    canvas = hills(canvas, *left, 22, horizon + 2)
    xs = np.arange(WIDTH * S) / S
    ridge = np.interp(xs, [1300, 1700, 1900, 2100, 2500, 2900], [252, 206, 196, 210, 232, 252])
    outline = np.minimum(np.minimum(piton(xs, 1500, 105, 20, 262), piton(xs, 2330, 175, 12, 262)), ridge)
    outline = np.where((xs > 1300) & (xs < 2900), outline, 400)
    canvas = fill_profile(canvas, (outline * S).astype(int), (horizon + 2) * S, FOREST, 24)
    image = to_image(canvas)
    p = Painter(image, S)
    canopy(p, rng, 0, 1380, lambda x: np.interp(x, *left), 900, horizon)
    land = lambda x: np.interp(x, xs, outline)  # noqa: E731
    canopy(p, rng, 1340, 2880, land, 1600, horizon)
    # Bare grey rock on the steepest faces of the Pitons.
    p.poly([(1482, 70), (1490, 52), (1502, 96), (1494, 112)], (88, 98, 80))
    p.poly([(2290, 64), (2304, 44), (2312, 100), (2296, 120)], (88, 98, 80))
    # Soufriere: coloured houses round the bay, the church tower, boats.
    for k in range(34):
        x = 260 + k * 22 + rng.uniform(-4, 4)
        base = 246 - rng.uniform(0, 30) * (1 - abs(k - 17) / 17)
        house(p, rng, x, base, rng.uniform(16, 22), rng.uniform(14, 20))
    p.rect(590, 178, 612, 232, (236, 230, 214))
    p.poly([(586, 178), (601, 150), (616, 178)], (180, 60, 44))
    # The sulphur springs: bare yellow-grey ground and steam on the hillside.
    p.ellipse(1006, 192, 1074, 204, (176, 170, 120, 160))
    steam(p, rng, 1020, 196, 70)
    steam(p, rng, 1060, 200, 54)
    # Sugar Beach between the Pitons.
    p.poly([(1840, 252), (2120, 252), (2100, 244), (1860, 244)], (236, 224, 190))
    canvas = reflect(np.asarray(image, float), horizon * S, 70 * S, 0.3, 25)
    image = to_image(canvas)
    p = Painter(image, S)
    for x, size in ((700, 1.0), (1700, 0.8), (2600, 1.1)):
        p.poly([(x, 270), (x + 40 * size, 270), (x + 34 * size, 278), (x + 5, 278)], (250, 250, 250))
        p.poly([(x + 18 * size, 268), (x + 18 * size, 218), (x + 36 * size, 266)], (250, 250, 248))
    return finish(image, (WIDTH, HEIGHT), 112)


def human():
    rng = np.random.default_rng(1303)
    horizon = 262
    canvas = tropical_base(31, horizon, (40, 110, 160), (50, 130, 170))
    line = [0, 400, 800, 1200, 1600, 2000, 2400, 2800, 3000]
    tops = [60, 40, 70, 90, 60, 50, 80, 60, 70]
    canvas = hills(canvas, line, tops, 32, horizon)
    image = to_image(canvas)
    p = Painter(image, S)
    canopy(p, rng, 0, 3000, lambda x: np.interp(x, line, tops), 1200, horizon)
    # Houses climbing the hills, thicker towards the harbour.
    for _ in range(520):
        x = rng.uniform(0, 2980)
        ground = np.interp(x, line, tops)
        base = ground + 30 + (220 - ground) * math.sqrt(rng.random())
        house(p, rng, x, base, rng.uniform(14, 24), rng.uniform(10, 18))
    # The town by the water: the cathedral, the market with red roofs, the quay.
    p.rect(1180, 150, 1320, 246, (224, 206, 168))
    p.poly([(1172, 150), (1250, 112), (1328, 150)], (150, 60, 40))
    p.rect(1290, 86, 1318, 150, (230, 212, 176))
    p.poly([(1286, 86), (1304, 60), (1322, 86)], (150, 60, 40))
    for k in range(3):
        p.ellipse(1196 + k * 40, 168, 1214 + k * 40, 196, (80, 70, 90))
    for k in range(4):
        x = 1420 + k * 70
        p.rect(x, 206, x + 62, 246, (222, 210, 180))
        p.poly([(x - 4, 206), (x + 31, 186), (x + 66, 206)], (196, 50, 40))
    p.rect(0, 246, 3000, 262, (168, 164, 156))
    canvas = reflect(np.asarray(image, float), horizon * S, 60 * S, 0.3, 35)
    image = to_image(canvas)
    p = Painter(image, S)
    cruise_ship(p, 1800, 262, 620)
    for x in (400, 900, 2600):
        p.poly([(x, 290), (x + 50, 290), (x + 44, 298), (x + 6, 298)], (240, 200, 60))
        p.rect(x + 18, 282, x + 32, 290, (244, 244, 244))
    return finish(image, (WIDTH, HEIGHT), 113)


def economy():
    rng = np.random.default_rng(1404)
    horizon = 170
    canvas = tropical_base(41, horizon)
    valley = [0, 300, 700, 1100, 1500, 1800, 2000]
    valley_top = [40, 30, 70, 60, 90, 150, 175]
    canvas = hills(canvas, valley + [2001, 3000], valley_top + [400, 400], 42, HEIGHT)
    image = to_image(canvas)
    p = Painter(image, S)
    canopy(p, rng, 0, 1900, lambda x: np.interp(x, valley, valley_top), 800, 175)
    canvas = np.asarray(image, float)
    # The valley floor: bright green banana fields, and a sandy beach on the right.
    canvas = hills(canvas, [0, 1900, 2000, 2001, 3000], [150, 160, 180, 400, 400], 43, HEIGHT, ((88, 150, 60), (120, 176, 72)), roughness=4)
    beach = np.interp(np.arange(WIDTH * S) / S, [0, 2000, 2100, 3000], [400, 400, 262, 270])
    canvas = fill_profile(canvas, (beach * S).astype(int), HEIGHT * S, ((240, 228, 196), (224, 208, 170)), 44)
    image = to_image(canvas)
    p = Painter(image, S)
    # Rows of banana plants, smaller further away.
    for row, (base, height) in enumerate(((190, 60), (220, 80), (256, 104), (300, 130), (345, 150))):
        x = rng.uniform(-30, 0)
        while x < 1980 - height * 0.4:
            banana_plant(p, rng, x, base, height)
            x += height * rng.uniform(0.8, 1.1)
    # The packing shed with its green tin roof, and boxes stacked ready for the boat.
    p.rect(1560, 176, 1760, 214, (230, 226, 214))
    p.poly([(1550, 176), (1660, 154), (1770, 176)], (70, 130, 90))
    for k in range(6):
        p.rect(1780 + (k % 3) * 16, 204 - (k // 3) * 12, 1794 + (k % 3) * 16, 214 - (k // 3) * 12, (200, 170, 110))
    # The coast: a hotel among palms, umbrellas, and a cruise ship out at sea.
    p.rect(2280, 180, 2560, 250, (246, 244, 236))
    for row in range(3):
        for k in range(12):
            p.rect(2290 + k * 22, 190 + row * 20, 2302 + k * 22, 202 + row * 20, (80, 150, 200))
    p.poly([(2270, 180), (2420, 164), (2570, 180)], (200, 90, 60))
    for x in (2160, 2620, 2720, 2900):
        coconut_palm(p, rng, x, 300, 130, 0.08)
    for x in (2230, 2600, 2680, 2800):
        p.poly([(x - 20, 280), (x, 270), (x + 20, 280)], (236, 80, 70))
        p.line([(x, 280), (x, 300)], (250, 250, 250), 1.5)
    cruise_ship(p, 2450, 166, 300)
    return finish(image, (WIDTH, HEIGHT), 114)


def sea_life():
    rng = np.random.default_rng(1505)
    horizon = 150
    canvas = tropical_base(51, horizon, (40, 118, 176), (70, 180, 196))
    line = [0, 300, 700, 1000, 1400, 1700, 2100, 2400, 2800, 3000]
    tops = [70, 50, 80, 110, 120, 110, 120, 90, 60, 80]
    canvas = hills(canvas, line, tops, 52, 230)
    # The beach: dark volcanic sand in front of the village.
    beach = np.interp(np.arange(WIDTH * S) / S, [0, 600, 1500, 2400, 3000], [236, 226, 222, 230, 236])
    canvas = fill_profile(canvas, (beach * S).astype(int), HEIGHT * S, ((120, 108, 96), (150, 136, 118)), 53)
    # The sea in front of the beach.
    shore = np.interp(np.arange(WIDTH * S) / S, [0, 800, 1600, 2400, 3000], [298, 290, 294, 288, 296])
    rows = np.arange(HEIGHT * S)[:, None]
    front = (rows >= (shore * S)[None, :]).astype(float)[..., None]
    canvas = canvas * (1 - front) + np.array((70, 170, 190)) * front
    image = to_image(canvas)
    p = Painter(image, S)
    canopy(p, rng, 0, 3000, lambda x: np.interp(x, line, tops), 1000, 228)
    # Houses of the village behind the beach, and the church.
    x = 180
    while x < 2800:
        w = rng.uniform(30, 48)
        house(p, rng, x, 226, w, rng.uniform(24, 34))
        x += w + rng.uniform(6, 26)
    p.rect(1440, 140, 1470, 226, (240, 236, 226))
    p.poly([(1436, 140), (1455, 110), (1474, 140)], (120, 124, 130))
    # Fishing boats pulled up on the sand, nets drying, palms.
    colours = [((40, 120, 200), (250, 210, 40)), ((230, 70, 60), (250, 250, 250)), ((60, 170, 90), (240, 200, 40)),
               ((250, 200, 40), (40, 90, 180)), ((240, 240, 236), (220, 50, 50)), ((90, 60, 160), (250, 250, 250))]
    for k in range(15):
        hull, trim = colours[k % len(colours)]
        fishing_boat(p, 60 + k * 190 + rng.uniform(-20, 20), 274 + rng.uniform(-6, 6), rng.uniform(110, 140), hull, trim)
    for x in (900, 1700):
        for k in range(8):
            p.line([(x + k * 8, 246), (x + 30 + k * 8, 286)], (70, 60, 50), 1)
            p.line([(x + k * 8 + 40, 246), (x + k * 8, 286)], (70, 60, 50), 1)
        p.line([(x - 4, 246), (x + 110, 246)], (120, 90, 60), 3)
    for x, h, lean in ((40, 170, 0.1), (620, 150, -0.08), (1300, 160, 0.06), (2560, 170, -0.1), (2940, 150, 0.05)):
        coconut_palm(p, rng, x, 262, h, lean)
    # A boat coming home across the bay.
    fishing_boat(p, 2200, 326, 110, (40, 120, 200), (250, 210, 40))
    return finish(image, (WIDTH, HEIGHT), 115)


# Where each quiz picture is cut from its panorama: the left, top and width of the window
# (its height keeps the 57 x 41 shape), chosen to hold the scene's landmark.
SCENES = {
    'stlucia1': (history, (2060, 10, 330)),
    'stlucia2': (physical, (2140, 0, 440)),
    'stlucia3': (human, (1150, 60, 380)),
    'stlucia4': (economy, (2260, 20, 440)),
    'stlucia5': (sea_life, (60, 150, 260)),
}


def quiz_picture(panorama, window):
    left, top, width = window
    height = round(width * 41 / 57)
    return panorama.crop((left, top, left + width, top + height)).resize((57, 41), Image.LANCZOS)


def main(images):
    os.makedirs(images, exist_ok=True)
    for name, (paint, window) in SCENES.items():
        panorama = paint()
        assert panorama.size == (WIDTH, HEIGHT)
        panorama.save(os.path.join(images, name + '.jpg'), quality=88, optimize=True)
        quiz_picture(panorama, window).save(os.path.join(images, name + 'sm.jpg'), quality=92)


if __name__ == '__main__':
    main(sys.argv[1])
