"""Paints the five St Lucia panoramas (3000 x 340 px) and their quiz pictures (57 x 41 px, each
a close-up of one landmark drawn at ten times the size), from shapes and seeded noise like
pictures.py, so every run gives the same files.

stlucia1.jpg  History: Pigeon Island across Rodney Bay - Fort Rodney's walls and cannons on the
              lower hill, Signal Peak, the causeway to Gros Islet, and Martinique on the
              horizon to the north, beyond the causeway.
              Quiz picture: a cannon of Fort Rodney.
stlucia2.jpg  Physical Geography: Soufriere in its bay, steam from the sulphur springs, and
              the two Pitons rising from the sea, covered in rainforest. Quiz picture: the Pitons.
stlucia3.jpg  Human Geography: Castries - houses on terraces round the harbour, the cathedral,
              the market's red roofs and a cruise ship. Quiz picture: a cruise ship at Castries.
stlucia4.jpg  Economy: banana plants on the slopes of a valley, the packing shed and a lorry,
              and across the bay a beach hotel. Quiz picture: a banana plant with its bunch.
stlucia5.jpg  Living by the sea: Anse La Raye - painted fishing boats on the beach, nets, palms,
              small wooden houses and the church. Quiz picture: a painted fishing boat.

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
    """A small house: windows on the left, the door on the right, so they never overlap."""
    wall = wall or HOUSE_COLOURS[rng.integers(len(HOUSE_COLOURS))]
    roof = ROOF_COLOURS[rng.integers(len(ROOF_COLOURS))]
    p.rect(x, base - h, x + w, base, wall)
    p.poly([(x - 2, base - h), (x + w / 2, base - h - h * 0.45), (x + w + 2, base - h)], roof)
    door_left = x + w * 0.62
    door_width = max(2.5, w * 0.18)
    p.rect(door_left, base - h * 0.5, door_left + door_width, base, (110, 70, 40))
    window = max(2.5, min(6, w * 0.2))
    count = max(1, int((door_left - x - 2) // (window + 3)))
    for k in range(count):
        wx = x + 2 + k * (window + 3)
        p.rect(wx, base - h * 0.75, wx + window, base - h * 0.75 + max(2.5, h * 0.28), (60, 60, 70))


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


def coconut_palm(p, rng, x, base, height, lean=0.0):
    """A coconut palm: a slim curved trunk and a crown of long feathery fronds hanging down."""
    top = (x + lean * height, base - height)
    p.line([(x, base), (x + lean * height * 0.3, base - height * 0.5), top], (128, 100, 66), 6)
    for k in range(11):
        angle = math.pi * (k / 10) + rng.normal(0, 0.08)
        length = height * rng.uniform(0.4, 0.5)
        bend = (top[0] + math.cos(angle) * length * 0.6, top[1] - length * 0.3 * math.sin(angle) - length * 0.1)
        tip = (top[0] + math.cos(angle) * length, top[1] + length * rng.uniform(0.15, 0.45))
        leaf(p, top, bend, tip, height * 0.08, (104, 164, 58), (150, 196, 90))
    for dx in (-4, 3):
        p.ellipse(top[0] + dx - 4, top[1] + 1, top[0] + dx + 4, top[1] + 9, (120, 92, 40))


def steam(p, rng, x, base, height):
    for k in range(26):
        y = base - k * height / 26
        r = 3 + k * 0.5
        p.ellipse(x - r + rng.normal(0, 2) + k * 0.8, y - r * 0.6, x + r + k * 0.8, y + r * 0.6, (246, 246, 240, 40))


# --- the five scenes ---------------------------------------------------------------------
def banana_plant(p, rng, x, base, height, bunch=True):
    """A banana plant as on the island's farms: a thick green stem, a few very broad paddle
    leaves arching out and drooping, one or two dry brown leaves hanging against the stem, and
    a bunch of green bananas on a stalk with its dark red flower bud below."""
    top = base - height * 0.45
    stem = max(3, height * 0.08)
    p.poly([(x - stem, base), (x - stem * 0.6, top), (x + stem * 0.6, top), (x + stem, base)], (118, 142, 70))
    p.line([(x - stem * 0.3, base), (x - stem * 0.2, top)], (96, 120, 56), max(1, stem * 0.25))
    for k in range(int(rng.integers(1, 3))):
        side = -1 if k % 2 == 0 else 1
        hang = top + height * rng.uniform(0.02, 0.1)
        p.poly([(x + side * stem * 0.5, hang), (x + side * stem * 1.6, hang + height * 0.06),
                (x + side * stem * 1.1, hang + height * 0.28), (x + side * stem * 0.6, hang + height * 0.05)],
               (132, 104, 58))
    if bunch:
        # The stalk bends out of the crown and hangs down; hands of fingers curve upwards.
        side = 1 if rng.random() < 0.5 else -1
        sx = x + side * height * 0.1
        p.line([(x, top), (sx, top + height * 0.05), (sx + side * 2, top + height * 0.34)], (108, 130, 60),
               max(1.5, stem * 0.3))
        for hand in range(5):
            hy = top + height * (0.08 + hand * 0.045)
            width = height * (0.09 - hand * 0.01)
            p.ellipse(sx - width, hy - height * 0.03, sx + width, hy + height * 0.035, (92, 150, 52))
            p.line([(sx - width * 0.8, hy + height * 0.02), (sx + width * 0.8, hy + height * 0.02)], (70, 120, 40), 1)
        bud = top + height * 0.34
        p.ellipse(sx + side * 2 - height * 0.025, bud, sx + side * 2 + height * 0.025, bud + height * 0.07,
                  (120, 40, 60))
    count = int(rng.integers(5, 8))
    for k in range(count):
        side = -1 if k % 2 == 0 else 1
        spread = rng.uniform(0.1, 1.0)
        length = height * rng.uniform(0.6, 0.8)
        rise = rng.uniform(0.6, 1.0)
        # Young leaves stand up; older ones lean out, their broad tips drooping a little.
        bend = (x + side * length * 0.35 * spread, top - length * rise)
        tip = (x + side * length * (0.3 + 0.6 * spread), top - length * rise * rng.uniform(0.6, 1.0) * (1 - 0.5 * spread))
        green = (int(rng.uniform(70, 104)), int(rng.uniform(146, 178)), int(rng.uniform(46, 70)))
        leaf(p, (x, top), bend, tip, length * rng.uniform(0.3, 0.36), green, (196, 214, 130))
        if rng.random() < 0.5:
            # The wind tears the wide blades into strips: a few pale cuts across one side.
            for cut in range(3):
                t = 0.35 + cut * 0.18
                cx = (1 - t) ** 2 * x + 2 * (1 - t) * t * bend[0] + t ** 2 * tip[0]
                cy = (1 - t) ** 2 * top + 2 * (1 - t) * t * bend[1] + t ** 2 * tip[1]
                p.line([(cx, cy), (cx + side * length * 0.05, cy + length * 0.14)], (150, 196, 100), 1)


def lorry(p, x, base, colour=(210, 60, 50)):
    p.rect(x, base - 22, x + 46, base - 5, (236, 232, 220))
    p.rect(x + 46, base - 18, x + 62, base - 5, colour)
    p.rect(x + 51, base - 16, x + 60, base - 10, (150, 190, 220))
    for wx in (x + 10, x + 50):
        p.ellipse(wx - 5, base - 10, wx + 5, base, (30, 30, 34))


def economy():
    """Looking down a banana valley on the west coast to its bay: banana plants on the slopes,
    the packing shed with a lorry, and across the bay a beach hotel at the foot of a green hill."""
    rng = np.random.default_rng(1404)
    horizon = 176
    canvas = tropical_base(41, horizon)
    xs = np.arange(WIDTH * S) / S
    # The rainforest ridge behind the valley, falling to the sea at the bay.
    ridge_x, ridge_y = [0, 400, 900, 1400, 1800, 2100, 2260, 2380, 2390], [46, 34, 62, 74, 112, 160, 230, 300, 400]
    canvas = hills(canvas, ridge_x + [3000], ridge_y + [400], 42, 340)
    # The far side of the bay: a green headland with a beach at its foot.
    head_x, head_y = [2600, 2630, 2720, 2840, 2940, 3000], [400, 206, 150, 112, 98, 104]
    canvas = hills(canvas, head_x, head_y, 45, 214, roughness=6)
    canvas = fill_profile(canvas, np.where((xs > 2612) & (xs < 3000), 205, 999).astype(int) * S, 214 * S,
                          ((238, 226, 190), (226, 210, 170)), 46)
    # The farm's slopes: lighter green, running down to the beach without a step.
    field = np.interp(xs, [0, 600, 1200, 1700, 2000, 2200, 2330, 2400], [128, 122, 142, 160, 208, 262, 302, 340])
    canvas = fill_profile(canvas, (field * S).astype(int), HEIGHT * S, ((104, 160, 62), (130, 182, 76)), 43)
    # The near beach of the bay along the bottom right.
    beach = np.interp(xs, [2040, 2200, 2320, 2600, 3000], [400, 318, 300, 294, 298])
    canvas = fill_profile(canvas, (beach * S).astype(int), HEIGHT * S, ((240, 228, 196), (226, 210, 172)), 44)
    image = to_image(canvas)
    p = Painter(image, S)
    canopy(p, rng, 0, 2280, lambda x: np.interp(x, ridge_x[:-1], ridge_y[:-1]), 900,
           200)
    canopy(p, rng, 2630, 3000, lambda x: np.interp(x, head_x[1:], head_y[1:]), 260, 205)
    # The hotel across the bay, on the sand at the foot of the headland, among palms.
    p.rect(2700, 176, 2850, 206, (246, 244, 236))
    p.poly([(2694, 176), (2775, 164), (2856, 176)], (196, 92, 62))
    for row in range(3):
        for k in range(10):
            p.rect(2707 + k * 14, 180 + row * 9, 2714 + k * 14, 185 + row * 9, (80, 140, 190))
    for x in (2650, 2680, 2880, 2920, 2965):
        coconut_palm(p, rng, x, 207, 44, 0.05)
    for x in (2720, 2790, 2830):
        p.poly([(x - 6, 209), (x, 206), (x + 6, 209)], (236, 80, 70))
    cruise_ship(p, 2360, horizon, 200)
    # Banana plants in rows down the slopes, larger nearer; green bunches on many of them.
    rows = ((150, 34), (168, 44), (190, 58), (216, 76), (248, 100), (290, 130), (338, 160))
    for row, (base, height) in enumerate(rows):
        x = rng.uniform(-20, 10) + (row % 2) * height * 0.4
        end = np.interp(base, [150, 338], [1900, 2100])
        while x < end:
            if not (1420 < x < 1800 and 180 < base < 230):  # room for the packing shed
                banana_plant(p, rng, x, base, height * rng.uniform(0.9, 1.1), rng.random() < 0.6)
            x += height * rng.uniform(1.1, 1.5)
    # The packing shed: an open shed with a tin roof, workers' tables, boxes, a lorry.
    p.rect(1470, 190, 1700, 222, (214, 208, 196))
    p.rect(1478, 198, 1692, 222, (120, 110, 96))
    p.poly([(1460, 192), (1585, 170), (1710, 192)], (150, 160, 166))
    for k in range(8):
        p.rect(1486 + (k % 4) * 16, 214 - (k // 4) * 9, 1498 + (k % 4) * 16, 222 - (k // 4) * 9, (214, 190, 130))
    lorry(p, 1712, 226)
    # Boats pulled up on the near beach.
    for x, hull in ((2500, (40, 120, 200)), (2720, (230, 70, 60))):
        fishing_boat(p, x, 318, 90, hull, (250, 220, 60))
    return finish(image, (WIDTH, HEIGHT), 114)


def fort_walls(p, x, top):
    """Fort Rodney: low stone walls round the hilltop, an embrasure and two cannons on
    carriages pointing out to sea."""
    stone, dark = (172, 160, 140), (120, 110, 96)
    p.poly([(x - 70, top + 22), (x - 64, top + 6), (x + 64, top + 6), (x + 72, top + 22)], stone)
    for k in range(-60, 60, 10):
        p.line([(x + k, top + 8), (x + k + 4, top + 21)], dark, 0.6)
    p.rect(x - 20, top + 6, x - 6, top + 13, dark)
    p.rect(x + 18, top + 6, x + 32, top + 13, dark)
    for cx, d in ((x - 36, -1), (x + 4, -1)):
        p.poly([(cx, top + 2), (cx + d * 24, top - 3), (cx + d * 24, top + 1), (cx, top + 6)], (36, 36, 40))
        p.ellipse(cx - 5, top + 1, cx + 5, top + 11, (80, 60, 42))
    p.rect(x + 40, top - 10, x + 60, top + 6, stone)
    p.rect(x + 46, top - 4, x + 53, top + 6, dark)


def history():
    """Pigeon Island seen across Rodney Bay, looking north: Fort Rodney's walls and cannons on
    the lower, left hill, Signal Peak higher on the right, the saddle between, stone ruins by the
    shore, the flat causeway to the mainland at Gros Islet, and Martinique faint on the horizon
    beyond the causeway."""
    rng = np.random.default_rng(1101)
    horizon = 196
    canvas = tropical_base(11, horizon)
    # Martinique, about 40 km to the north: its low blue-grey hills on the horizon beyond the
    # causeway, between Pigeon Island and the mainland (west of Pigeon Island, on the left, is
    # open sea).
    canvas = hills(canvas, [1820, 1900, 1990, 2080, 2170, 2260, 2360, 2440, 2520],
                   [400, 186, 178, 184, 180, 176, 182, 186, 400], 12,
                   horizon + 1, ((150, 170, 186), (160, 178, 192)), 2)
    island_x = [880, 960, 1060, 1180, 1260, 1340, 1430, 1520, 1600, 1700, 1780, 1860, 1930]
    island_y = [400, 190, 146, 110, 104, 128, 140, 100, 76, 70, 118, 176, 192]
    canvas = hills(canvas, island_x, island_y, 14, horizon + 4, ((70, 112, 52), (104, 136, 66)), roughness=5)
    # The causeway: low and flat, then the mainland's hills behind Gros Islet on the right.
    main_x = [1900, 1960, 2300, 2450, 2600, 2800, 3000]
    main_y = [400, 194, 192, 160, 120, 96, 110]
    canvas = hills(canvas, main_x, main_y, 13, horizon + 4, roughness=6)
    image = to_image(canvas)
    p = Painter(image, S)
    canopy(p, rng, 950, 1920, lambda x: np.interp(x, island_x, island_y), 700, horizon + 2,
           colours=((70, 110, 50), (86, 124, 58), (98, 138, 64), (62, 100, 46)))
    canopy(p, rng, 2300, 3000, lambda x: np.interp(x, main_x, main_y), 500, horizon + 2)
    # Bare rock on Signal Peak's steep face.
    fort_walls(p, 1260, 90)
    # Stone ruins of the barracks by the shore, and a sandy beach at the island's foot.
    for x in (1040, 1110):
        p.rect(x, 178, x + 52, 196, (176, 162, 140))
        for k in range(3):
            p.rect(x + 6 + k * 16, 183, x + 14 + k * 16, 196, (110, 100, 86))
    p.poly([(960, 198), (1200, 196), (1210, 200), (950, 201)], (236, 224, 190))
    # The causeway's beach, palms and a hotel's red roofs; Gros Islet's houses beyond.
    p.poly([(1930, 196), (2320, 194), (2330, 199), (1920, 200)], (236, 224, 190))
    for x in range(1990, 2250, 52):
        p.rect(x, 182, x + 40, 195, (244, 240, 230))
        p.poly([(x - 3, 182), (x + 20, 174), (x + 43, 182)], (196, 56, 44))
    for x in (1970, 2036, 2140, 2245):
        coconut_palm(p, rng, x, 194, 34, 0.05)
    for k in range(22):
        x = 2330 + k * 30 + rng.uniform(-6, 6)
        house(p, rng, x, 194 - rng.uniform(0, 8), rng.uniform(14, 20), rng.uniform(10, 14))
    canvas = reflect(np.asarray(image, float), (horizon + 4) * S, 40 * S, 0.25, 15)
    image = to_image(canvas)
    p = Painter(image, S)
    # Yachts at anchor in the bay.
    for x, size in ((500, 1.0), (2500, 0.8), (2750, 1.1)):
        p.poly([(x, 232), (x + 44 * size, 232), (x + 38 * size, 240), (x + 5, 240)], (250, 250, 250))
        p.line([(x + 20 * size, 232), (x + 20 * size, 232 - 60 * size)], (90, 90, 90), 1.2)
        p.poly([(x + 21 * size, 228), (x + 21 * size, 232 - 56 * size), (x + 40 * size, 228)], (246, 246, 242))
    # The beach along the front, with palms at both ends.
    sand = np.interp(np.arange(WIDTH * S) / S, [0, 1000, 2000, 3000], [304, 314, 316, 306])
    image = to_image(fill_profile(np.asarray(image, float), (sand * S).astype(int), HEIGHT * S,
                                  ((238, 226, 190), (222, 206, 166)), 16))
    p = Painter(image, S)
    for x, h, lean in ((90, 150, 0.1), (260, 130, -0.05), (2800, 140, -0.1), (2920, 120, 0.04)):
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
    # Houses climbing the hills on terraces, back rows first, each with its own plot; fewer
    # higher up, where the forest begins.
    for row, base in enumerate(range(236, 90, -24)[::-1]):
        x = rng.uniform(0, 30)
        while x < 2980:
            w = rng.uniform(16, 24)
            ground = np.interp(x, line, tops)
            thin = (236 - base) / 146
            if base > ground + 34 and rng.random() > thin * 0.7 and not (1160 < x < 1340 and base > 140):
                house(p, rng, x, base - rng.uniform(0, 4), w, rng.uniform(11, 15))
            x += w + rng.uniform(6, 30)
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


def sea_life():
    rng = np.random.default_rng(1505)
    horizon = 150
    canvas = tropical_base(51, horizon, (40, 118, 176), (70, 180, 196))
    line = [0, 300, 700, 1000, 1400, 1700, 2100, 2400, 2800, 3000]
    tops = [70, 50, 80, 110, 120, 110, 120, 90, 60, 80]
    canvas = hills(canvas, line, tops, 52, 246)
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
    # Palms at the back of the beach, in front of the houses; then the boats on the sand.
    for x, h, lean in ((40, 150, 0.1), (620, 140, -0.08), (1300, 150, 0.06), (2560, 150, -0.1), (2940, 140, 0.05)):
        coconut_palm(p, rng, x, 236, h, lean)
    # Fishing boats pulled up on the sand, nets drying.
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

    # A boat coming home across the bay.
    fishing_boat(p, 2200, 326, 110, (40, 120, 200), (250, 210, 40))
    return finish(image, (WIDTH, HEIGHT), 115)


# --- the quiz pictures: one landmark each, drawn close up at ten times 57 x 41 ---------
QW, QH = 570, 410


def quiz_base(seed, horizon, sea=True):
    canvas = sky(QH, QW, seed, top=(40, 116, 206), bottom=(176, 214, 240), cover=0.7)
    if sea:
        canvas[horizon:] = water(QH - horizon, QW, seed + 1, (40, 120, 180), (60, 170, 196))
    return canvas


def quiz_fort():
    """Fort Rodney: a cannon on its carriage behind the stone wall, on the green hilltop."""
    canvas = quiz_base(71, 250)
    top = 250 + (profile(QW, 72, base=6) - 0.5) * 10
    top = np.minimum(top, 250 - 120 * np.clip(1 - np.abs(np.arange(QW) - 300) / 420, 0, 1))
    canvas = fill_profile(canvas, top.astype(int), QH, ((70, 120, 52), (100, 146, 66)), 73)
    image = to_image(canvas)
    p = Painter(image, 1)
    p.poly([(60, 300), (80, 200), (520, 200), (540, 300)], (176, 162, 140))
    for y in (225, 250, 275):
        p.line([(70, y), (530, y)], (130, 118, 100), 3)
    for x in range(100, 520, 60):
        p.line([(x, 200), (x, 300)], (130, 118, 100), 2)
    p.rect(240, 200, 330, 240, (120, 108, 92))
    # The cannon: a long black barrel pointing out over the wall, on a wooden carriage.
    p.poly([(120, 150), (330, 168), (330, 196), (120, 176)], (34, 34, 38))
    p.ellipse(310, 160, 350, 204, (34, 34, 38))
    p.poly([(250, 190), (380, 190), (390, 232), (240, 232)], (110, 76, 46))
    for x in (270, 360):
        p.ellipse(x - 24, 212, x + 24, 260, (70, 50, 34))
        p.ellipse(x - 8, 228, x + 8, 244, (140, 110, 70))
    return image


def quiz_pitons():
    """The Pitons: Petit Piton's steep spire and the broader Gros Piton rising from the sea."""
    canvas = quiz_base(74, 300)
    xs = np.arange(QW)
    outline = np.minimum(piton(xs, 170, 95, 40, 310), piton(xs, 420, 170, 30, 310))
    outline = np.minimum(outline, np.interp(xs, [0, 170, 300, 420, 570], [300, 250, 230, 250, 300]))
    canvas = fill_profile(canvas, outline.astype(int), 302, FOREST, 75)
    image = to_image(canvas)
    p = Painter(image, 1)
    rng = np.random.default_rng(76)
    canopy(p, rng, 20, 560, lambda x: np.interp(x, xs, outline), 700, 300)
    p.poly([(160, 70), (172, 50), (184, 120), (168, 140)], (96, 104, 84))
    p.poly([(300, 306), (360, 306), (352, 316), (306, 316)], (250, 250, 250))
    return image


def quiz_castries():
    """Castries harbour: a big white cruise ship at the quay, the town's houses on the hill."""
    canvas = quiz_base(77, 300)
    canvas = fill_profile(canvas, (120 + profile(QW, 78, base=4) * 40).astype(int), 300, FOREST, 79)
    image = to_image(canvas)
    p = Painter(image, 1)
    rng = np.random.default_rng(80)
    for base in range(168, 300, 44):
        x = rng.uniform(0, 20)
        while x < QW:
            w = rng.uniform(34, 46)
            house(p, rng, x, base, w, rng.uniform(22, 28))
            x += w + rng.uniform(10, 30)
    p.rect(0, 290, QW, 304, (168, 164, 156))
    cruise_ship(p, 40, 360, 500)
    return image


def quiz_banana():
    """A banana plant close up: its thick stem, broad leaves and a big bunch of green bananas
    hanging from the crown, with the dark red flower bud at the end of the stalk."""
    canvas = quiz_base(81, 300, sea=False)
    canvas = fill_profile(canvas, (230 + profile(QW, 82, base=3) * 30).astype(int), QH, FOREST, 83)
    image = to_image(canvas)
    p = Painter(image, 1)
    p.poly([(150, 410), (170, 150), (214, 150), (236, 410)], (126, 150, 76))
    p.line([(180, 410), (186, 160)], (100, 124, 60), 6)
    for root, bend, tip, width in (((190, 150), (90, 40), (10, 60), 90), ((192, 150), (250, 10), (340, 20), 90),
                                   ((190, 150), (120, 0), (100, -60), 70), ((194, 150), (20, 150), (-20, 230), 70)):
        leaf(p, root, bend, tip, width, (82, 164, 56), (200, 220, 140))
    # The stalk arches out of the crown and hangs down to the right; the hands curve upwards.
    p.line([(200, 160), (300, 150), (330, 200), (334, 370)], (110, 134, 62), 10)
    for hand in range(5):
        y = 200 + hand * 30
        half = 74 - hand * 9
        for k in range(-3, 4):
            fx = 334 + k * half / 3.5
            p.poly([(fx - 8, y + 22), (fx - 10, y - 8), (fx, y - 18), (fx + 8, y - 6), (fx + 8, y + 22)],
                   (118, 178, 60), outline=(70, 120, 40))
    p.ellipse(316, 356, 352, 404, (128, 36, 58))
    return image


def quiz_boat():
    """A brightly painted wooden fishing boat pulled up on the beach at Anse La Raye."""
    canvas = quiz_base(85, 170)
    canvas = fill_profile(canvas, (250 + profile(QW, 86, base=3) * 10).astype(int), QH,
                          ((150, 136, 118), (170, 154, 132)), 87)
    image = to_image(canvas)
    p = Painter(image, 1)
    fishing_boat(p, 70, 340, 430, (226, 66, 54), (250, 210, 40))
    p.line([(150, 282), (470, 270)], (40, 110, 200), 10)
    return image


QUIZ = {'stlucia1': quiz_fort, 'stlucia2': quiz_pitons, 'stlucia3': quiz_castries, 'stlucia4': quiz_banana,
        'stlucia5': quiz_boat}


def quiz_picture(name):
    return QUIZ[name]().resize((57, 41), Image.LANCZOS)


SCENES = {'stlucia1': history, 'stlucia2': physical, 'stlucia3': human, 'stlucia4': economy,
          'stlucia5': sea_life}


def main(images):
    os.makedirs(images, exist_ok=True)
    for name, paint in SCENES.items():
        panorama = paint()
        assert panorama.size == (WIDTH, HEIGHT)
        panorama.save(os.path.join(images, name + '.jpg'), quality=88, optimize=True)
        quiz_picture(name).save(os.path.join(images, name + 'sm.jpg'), quality=92)


if __name__ == '__main__':
    main(sys.argv[1])
