"""Paints the panoramas of the Isles of Scilly pages Human Geography, Economy and Living by
the sea, and their quiz pictures, each a close-up of one thing a pupil can name (the ferry,
narcissi, a pilot gig):

    hughtown.jpg    St Mary's quay: the ferry from Penzance alongside, inter-island boats
                    taking people to the off-islands, Hugh Town behind, a small plane and the
                    helicopter overhead.
    flowerfarm.jpg  a winter flower farm: small fields of narcissi inside tall hedges,
                    pickers, the packing shed, and holiday cottages and tents by the beach.
    gigrace.jpg     pilot gigs racing on a calm sea, the lifeboat, rocks with seaweed, and
                    Bishop Rock Lighthouse and St Agnes's old lighthouse on the horizon.

Painted from shapes and seeded noise with the helpers of pictures.py, so every run gives the
same pictures. Usage: scillypictures.py <content/Images>
"""

import math
import os
import sys

import numpy as np
from PIL import Image

from pictures import (Painter, boat, close_up, cottage, fill_profile, finish, profile, quiz_picture, reflect, sky,
                      to_image, tree_clump, water)

S = 2  # painting scale
WIDTH, HEIGHT = 3000, 340


def island(p, x0, x1, base, height, colour, seed):
    xs = np.linspace(x0, x1, 40)
    bumps = profile(40, seed, base=4)
    ys = base - height * np.sin(np.linspace(0, math.pi, 40)) ** 0.6 * (0.8 + 0.4 * bumps)
    p.poly(list(zip(xs, ys)) + [(x1, base + 1), (x0, base + 1)], colour)


def plane(p, x, y):
    """A small high-wing passenger plane with two engines, seen from the side."""
    p.poly([(x, y), (x + 70, y - 2), (x + 84, y - 8), (x + 92, y - 4), (x + 80, y + 6), (x + 4, y + 8)], (246, 246, 246))
    p.poly([(x + 80, y - 4), (x + 88, y - 22), (x + 96, y - 22), (x + 90, y - 2)], (30, 70, 150))
    p.rect(x + 20, y - 6, x + 56, y - 3, (210, 210, 214))
    p.ellipse(x + 30, y - 4, x + 42, y + 4, (120, 124, 132))
    for wx in range(x + 12, x + 64, 8):
        p.rect(wx, y, wx + 4, y + 3, (40, 60, 90))
    p.line([(x + 4, y + 3), (x + 80, y + 1)], (30, 70, 150), 1.5)


def helicopter(p, x, y):
    p.ellipse(x, y - 10, x + 40, y + 10, (230, 230, 234))
    p.poly([(x + 36, y - 4), (x + 80, y - 2), (x + 80, y + 2), (x + 36, y + 6)], (230, 230, 234))
    p.poly([(x + 78, y - 12), (x + 84, y - 12), (x + 84, y + 4), (x + 78, y + 4)], (40, 60, 120))
    p.ellipse(x + 3, y - 7, x + 18, y + 3, (60, 90, 130))
    p.line([(x + 20, y - 10), (x + 20, y - 15)], (60, 60, 66), 2)
    p.line([(x - 22, y - 16), (x + 62, y - 14)], (70, 70, 76), 1.5)
    p.line([(x + 8, y + 12), (x + 34, y + 12)], (60, 60, 66), 1.5)


def person(p, x, base, coat, height=16):
    p.rect(x - 2.5, base - height * 0.62, x + 2.5, base - height * 0.2, coat)
    p.rect(x - 2, base - height * 0.2, x + 2, base, (50, 54, 70))
    p.ellipse(x - 2.5, base - height, x + 2.5, base - height * 0.66, (230, 190, 160))


def ferry(p, x, waterline, length):
    """A passenger ferry alongside the quay: dark hull, white decks, a funnel, a crane."""
    h = length * 0.09
    p.poly([(x, waterline - h), (x + length, waterline - h * 1.1), (x + length * 0.97, waterline),
            (x + length * 0.05, waterline)], (34, 40, 60))
    p.rect(x + length * 0.02, waterline - h * 1.15, x + length * 0.98, waterline - h * 0.98, (240, 240, 236))
    p.rect(x + length * 0.22, waterline - h * 2.0, x + length * 0.8, waterline - h * 1.1, (246, 246, 242))
    p.rect(x + length * 0.4, waterline - h * 2.7, x + length * 0.72, waterline - h * 2.0, (246, 246, 242))
    for wx in np.arange(x + length * 0.25, x + length * 0.78, 12):
        p.rect(wx, waterline - h * 1.8, wx + 7, waterline - h * 1.45, (40, 56, 84))
    p.rect(x + length * 0.48, waterline - h * 2.55, x + length * 0.66, waterline - h * 2.3, (40, 56, 84))
    p.poly([(x + length * 0.56, waterline - h * 2.7), (x + length * 0.62, waterline - h * 3.6),
            (x + length * 0.68, waterline - h * 3.6), (x + length * 0.66, waterline - h * 2.7)], (250, 250, 248))
    p.rect(x + length * 0.61, waterline - h * 3.75, x + length * 0.69, waterline - h * 3.5, (30, 30, 36))
    # The cargo crane on the fore deck lifts freight on and off.
    p.line([(x + length * 0.12, waterline - h * 1.15), (x + length * 0.12, waterline - h * 3.2)], (220, 170, 40), 3)
    p.line([(x + length * 0.12, waterline - h * 3.2), (x - length * 0.02, waterline - h * 2.4)], (220, 170, 40), 2.5)


def launch(p, x, waterline, length, hull, people_seed):
    """An inter-island passenger boat with a canopy and passengers on board."""
    rng = np.random.default_rng(people_seed)
    h = length * 0.09
    p.poly([(x, waterline - h), (x + length * 0.8, waterline - h), (x + length, waterline - h * 1.5),
            (x + length * 0.9, waterline), (x + length * 0.06, waterline)], hull)
    p.line([(x, waterline - h), (x + length, waterline - h * 1.2)], (250, 250, 250), 1.5)
    for k in range(int(length // 9)):
        px = x + 6 + k * 9
        person(p, px, waterline - h, tuple(int(c) for c in rng.choice(
            [(200, 40, 40), (40, 90, 180), (240, 200, 40), (40, 140, 90), (240, 240, 240)])), 13)
    p.rect(x + length * 0.1, waterline - h - 18, x + length * 0.9, waterline - h - 15, (30, 60, 120))
    for px in (x + length * 0.12, x + length * 0.88):
        p.line([(px, waterline - h - 15), (px, waterline - h)], (200, 200, 200), 1)


def hughtown():
    W, H = WIDTH * S, HEIGHT * S
    rng = np.random.default_rng(301)
    horizon = 150
    canvas = sky(H, W, 311, cover=0.62)
    canvas[horizon * S:] = water(H - horizon * S, W, 312, (64, 130, 176), (46, 120, 150))
    image = to_image(canvas)
    p = Painter(image, S)
    # Tresco and Bryher across the Road, to the right.
    island(p, 2200, 2520, horizon, 26, (116, 138, 112), 3)
    island(p, 2560, 2990, horizon, 20, (124, 144, 120), 4)
    canvas = np.asarray(image, float)
    # Low land behind the harbour: Hugh Town's slope and Buzza Hill.
    xs = np.arange(W) / S
    top = np.interp(xs, [0, 300, 700, 1200, 1700, 2100, 2150, 3000],
                    [116, 104, 118, 112, 126, 150, 400, 400]) + (profile(W, 315) - 0.5) * 10
    canvas = fill_profile(canvas, (top * S).astype(int), 232 * S, ((88, 128, 66), (126, 152, 84)), 316)
    image = to_image(canvas)
    p = Painter(image, S)
    tree_clump(p, rng, 0, 150, 600, 40, [(52, 92, 50), (66, 108, 58), (44, 80, 46)])
    # Hugh Town: rows of granite and white houses, the church tower in the middle.
    for row_base, heights in ((178, (22, 32)), (204, (26, 38)), (230, (30, 44))):
        x = 100 + rng.uniform(0, 40)
        while x < 2060:
            w = rng.uniform(40, 80)
            cottage(p, rng, x, row_base, w, rng.uniform(*heights))
            x += w + rng.uniform(3, 14)
    p.rect(1180, 106, 1214, 178, (168, 160, 146))
    for bx in range(1180, 1214, 8):
        p.rect(bx, 100, bx + 5, 108, (168, 160, 146))
    # The harbour wall and the quay running out into the sea from the left.
    p.rect(0, 230, 2140, 240, (222, 208, 168))
    p.poly([(1500, 232), (2140, 228), (2140, 262), (1500, 262)], (150, 146, 138))
    for x in range(1510, 2140, 28):
        p.line([(x, 230), (x, 262)], (122, 118, 112), 1)
    p.line([(1500, 232), (2140, 228)], (198, 194, 184), 2)
    # People waiting on the quay, with luggage.
    for k in range(26):
        x = 1540 + k * 22 + rng.uniform(-4, 4)
        person(p, x, 231, tuple(int(c) for c in rng.choice(
            [(200, 40, 40), (40, 90, 180), (240, 200, 40), (40, 140, 90), (90, 60, 120)])))
        if k % 3 == 0:
            p.rect(x + 3, 225, x + 9, 231, (90, 70, 50))
    canvas = reflect(np.asarray(image, float), 262 * S, 50 * S, 0.3, 317)
    image = to_image(canvas)
    p = Painter(image, S)
    # The ferry alongside the quay, the freight boxes on deck.
    ferry(p, 1560, 300, 560)
    # Inter-island boats waiting at the steps and heading out.
    launch(p, 2200, 288, 160, (236, 236, 230), 321)
    launch(p, 2420, 312, 190, (30, 100, 150), 322)
    launch(p, 2700, 270, 120, (190, 50, 40), 323)
    launch(p, 900, 300, 170, (240, 240, 236), 324)
    for k in range(10):
        y = rng.uniform(262, 326)
        size = 0.5 + (y - 262) / 80
        x = rng.uniform(0, 800)
        boat(p, x, y, size, tuple(int(c) for c in rng.choice(
            [(240, 240, 236), (36, 72, 140), (190, 40, 40), (240, 200, 60)])), sail=rng.random() < 0.4)
    plane(p, 700, 46)
    helicopter(p, 2380, 60)
    return finish(image, (WIDTH, HEIGHT), 318)


def hedge_row(p, rng, x0, x1, base, height):
    """A tall windbreak hedge: a dense line of dark round bushes."""
    x = x0
    while x < x1:
        r = rng.uniform(9, 15)
        shade = rng.uniform(0.8, 1.1)
        colour = tuple(int(c * shade) for c in (46, 88, 48))
        p.ellipse(x - r, base - height - r * 0.6, x + r, base, colour)
        x += r * 0.9


def narcissi(p, rng, x0, x1, y0, y1, rows):
    for row in range(rows):
        y = y0 + (y1 - y0) * row / max(1, rows - 1)
        p.line([(x0, y + 2), (x1, y + 2)], (70, 120, 60), 3)
        for x in np.arange(x0 + rng.uniform(0, 4), x1, 5.5):
            colour = (252, 252, 240) if rng.random() < 0.6 else (255, 222, 60)
            p.ellipse(x - 1.8, y - 2.5, x + 1.8, y + 1, colour)


def flowerfarm():
    W, H = WIDTH * S, HEIGHT * S
    rng = np.random.default_rng(401)
    horizon = 118
    canvas = sky(H, W, 411, top=(92, 140, 200), bottom=(206, 220, 232), cover=0.5)
    canvas[horizon * S:] = water(H - horizon * S, W, 412, (70, 120, 160), (60, 110, 150))
    image = to_image(canvas)
    p = Painter(image, S)
    island(p, 150, 520, horizon, 14, (120, 136, 120), 5)
    island(p, 1900, 2300, horizon, 18, (118, 134, 118), 6)
    canvas = np.asarray(image, float)
    # Gently rolling farmland down to a bay on the right.
    xs = np.arange(W) / S
    top = np.interp(xs, [0, 800, 1600, 2200, 2400, 3000], [128, 122, 132, 150, 172, 176]) + (profile(W, 415) - 0.5) * 8
    canvas = fill_profile(canvas, (top * S).astype(int), H, ((104, 140, 70), (134, 160, 86)), 416)
    sand = np.interp(xs, [0, 2360, 2480, 3000], [400, 330, 206, 196]) + (profile(W, 417) - 0.5) * 6
    canvas = fill_profile(canvas, (sand * S).astype(int), H, ((240, 230, 200), (222, 208, 170)), 418)
    # The bay in front of the beach.
    bay = np.interp(xs, [0, 2440, 2600, 2800, 3000], [400, 340, 284, 270, 262]) + (profile(W, 420) - 0.5) * 4
    canvas = fill_profile(canvas, (bay * S).astype(int), H, ((72, 160, 180), (52, 130, 164)), 421)
    image = to_image(canvas)
    p = Painter(image, S)
    # Rows of small fields: each a bed of narcissi inside tall hedges (back rows smaller).
    for band, (y_top, y_bottom, hedge_h, rows) in enumerate(((150, 176, 10, 3), (186, 226, 16, 4), (240, 318, 26, 6))):
        x = -20 + band * 40
        while x < 2200:
            width = rng.uniform(170, 260) * (0.7 + 0.15 * band)
            narcissi(p, rng, x + 10, x + width - 10, y_top + 4, y_bottom - 4, rows)
            hedge_row(p, rng, x, x + width, y_top, hedge_h)
            p.rect(x + width - 8, y_top - hedge_h, x + width + 4, y_bottom, (40, 80, 44))
            x += width + 8
    # The farmhouse and the packing shed, with flower boxes stacked outside.
    cottage(p, rng, 1380, 150, 110, 46, wall=(206, 198, 182), roof=(70, 74, 86))
    p.rect(1520, 112, 1680, 150, (196, 196, 192))
    p.poly([(1514, 112), (1600, 92), (1686, 112)], (120, 124, 130))
    for k in range(6):
        p.rect(1530 + k * 22, 138, 1548 + k * 22, 150, (240, 236, 220), outline=(120, 100, 60))
    # Pickers with buckets of flowers in the nearest field.
    for x in (260, 300, 720, 1010, 1460, 1720):
        person(p, x, 300, (60, 110, 170), 24)
        p.rect(x + 4, 292, x + 12, 300, (230, 230, 226))
        p.ellipse(x + 3, 286, x + 13, 294, (255, 240, 120))
    # Tourism by the bay: holiday cottages, a campsite and visitors on the beach.
    for x in (2230, 2310, 2390):
        cottage(p, rng, x, 174, 64, 30)
    for x, colour in ((2520, (230, 120, 40)), (2580, (60, 130, 200)), (2640, (220, 60, 60)), (2700, (80, 160, 80))):
        p.poly([(x - 18, 196), (x, 172), (x + 18, 196)], colour)
        p.line([(x, 172), (x, 196)], (60, 40, 30), 1)
    for x, colour in ((2560, (240, 200, 40)), (2700, (200, 40, 60)), (2760, (40, 90, 180)), (2880, (240, 240, 240))):
        person(p, x, 244, colour, 20)
    boat(p, 2800, 318, 1.1, (240, 240, 236), sail=True)
    return finish(image, (WIDTH, HEIGHT), 419)


def gig(p, x, waterline, length, colour, stroke):
    """A pilot gig: a long narrow rowing boat, six rowers pulling oars, a cox at the stern."""
    h = 7
    p.poly([(x, waterline - h), (x + length, waterline - h - 3), (x + length * 0.96, waterline),
            (x + length * 0.04, waterline)], colour)
    p.line([(x, waterline - h), (x + length, waterline - h - 3)], (240, 230, 200), 1.5)
    for k in range(6):
        rx = x + length * (0.2 + 0.11 * k)
        lean = -5 if stroke else 3
        p.rect(rx - 3, waterline - h - 14, rx + 3, waterline - h - 4, (250, 250, 250) if k % 2 else (200, 30, 40))
        p.ellipse(rx - 3 + lean * 0.4, waterline - h - 20, rx + 3 + lean * 0.4, waterline - h - 14, (230, 190, 160))
        # Oars out on alternate sides, blades in the water.
        p.line([(rx, waterline - h - 8), (rx + lean * 3 - 14, waterline + 6)], (200, 170, 110), 1.5)
        p.ellipse(rx + lean * 3 - 19, waterline + 3, rx + lean * 3 - 9, waterline + 8, (200, 170, 110))
    cx = x + length * 0.08
    p.rect(cx - 3, waterline - h - 14, cx + 3, waterline - h - 3, (30, 40, 70))
    p.ellipse(cx - 3, waterline - h - 20, cx + 3, waterline - h - 14, (230, 190, 160))


def lifeboat(p, x, waterline, length):
    h = length * 0.12
    p.poly([(x, waterline - h), (x + length, waterline - h * 1.3), (x + length * 0.94, waterline),
            (x + length * 0.08, waterline)], (24, 44, 110))
    p.rect(x + length * 0.3, waterline - h * 2.4, x + length * 0.75, waterline - h * 1.1, (240, 110, 30))
    p.rect(x + length * 0.45, waterline - h * 3.2, x + length * 0.62, waterline - h * 2.4, (240, 110, 30))
    for wx in np.arange(x + length * 0.34, x + length * 0.72, 10):
        p.rect(wx, waterline - h * 2.1, wx + 6, waterline - h * 1.7, (30, 40, 60))
    p.line([(x + length * 0.53, waterline - h * 3.2), (x + length * 0.53, waterline - h * 4.2)], (230, 230, 230), 1.5)


def rock_tower(p, x, base, height, width):
    """Bishop Rock Lighthouse: a tapering granite tower on a wave-washed rock."""
    p.ellipse(x - width * 1.4, base - 6, x + width * 1.4, base + 4, (84, 80, 78))
    p.poly([(x - width / 2, base), (x + width / 2, base), (x + width * 0.3, base - height),
            (x - width * 0.3, base - height)], (150, 146, 140))
    p.rect(x - width * 0.35, base - height - 4, x + width * 0.35, base - height, (90, 90, 96))
    p.rect(x - width * 0.22, base - height - 13, x + width * 0.22, base - height - 4, (240, 240, 236))
    p.rect(x - width * 0.16, base - height - 11, x + width * 0.16, base - height - 6, (255, 240, 150))
    p.poly([(x - width * 0.25, base - height - 13), (x, base - height - 18), (x + width * 0.25, base - height - 13)], (60, 60, 70))
    for k in range(4):
        ly = base - height * (0.2 + 0.2 * k)
        p.line([(x - width * 0.4, ly), (x + width * 0.4, ly)], (128, 124, 118), 0.8)


def gigrace():
    W, H = WIDTH * S, HEIGHT * S
    rng = np.random.default_rng(501)
    horizon = 140
    canvas = sky(H, W, 511, cover=0.58)
    canvas[horizon * S:] = water(H - horizon * S, W, 512, (58, 124, 176), (50, 140, 170))
    image = to_image(canvas)
    p = Painter(image, S)
    # St Agnes with its old white lighthouse, Bishop Rock far out on the horizon to the left.
    island(p, 1500, 2100, horizon, 30, (112, 136, 104), 7)
    p.rect(1770, horizon - 52, 1786, horizon - 22, (246, 246, 242))
    p.rect(1768, horizon - 58, 1788, horizon - 52, (230, 230, 226))
    rock_tower(p, 420, horizon + 2, 58, 16)
    # Rocks with white surf scattered on the way out to it.
    for x, w in ((560, 30), (640, 18), (760, 40), (900, 22)):
        p.ellipse(x - w, horizon - 4, x + w, horizon + 6, (80, 76, 74))
        p.ellipse(x - w - 8, horizon + 2, x + w + 8, horizon + 8, (236, 244, 248))
    canvas = np.asarray(image, float)
    # Granite rocks in the foreground, left, with seaweed at the water line.
    xs = np.arange(W) / S
    rocks = np.interp(xs, [0, 120, 260, 380, 420, 3000], [232, 200, 214, 258, 400, 400]) + (profile(W, 515) - 0.5) * 16
    canvas = fill_profile(canvas, (rocks * S).astype(int), H, ((120, 112, 104), (168, 160, 148)), 516)
    image = to_image(canvas)
    p = Painter(image, S)
    for _ in range(220):
        x = rng.uniform(0, 400)
        y = np.interp(x, [0, 120, 260, 380, 400], [300, 286, 292, 312, 330]) + rng.uniform(0, 30)
        p.line([(x, y), (x + rng.uniform(-6, 6), y + rng.uniform(8, 18))], (96, 84, 30), 2.5)
    for _ in range(60):
        x, y = rng.uniform(10, 360), rng.uniform(215, 280)
        r = rng.uniform(3, 8)
        p.ellipse(x - r, y - r * 0.6, x + r, y + r * 0.6, (222, 170, 60) if rng.random() < 0.5 else (196, 196, 176))
    # Foam where the swell meets the rocks.
    for _ in range(120):
        x = rng.uniform(300, 470)
        y = rng.uniform(300, 338)
        p.ellipse(x - 4, y - 1.5, x + 4, y + 1.5, (244, 248, 250))
    # The gigs racing from left to right, in a staggered line.
    for k, (x, y, colour) in enumerate(((700, 232, (30, 80, 150)), (1000, 262, (180, 40, 40)),
                                        (1320, 244, (20, 110, 80)), (1650, 286, (240, 200, 60)),
                                        (2000, 256, (240, 240, 236)), (2330, 300, (40, 40, 50)))):
        gig(p, x, y, 230 + (y - 230) * 1.2, colour, stroke=k % 2 == 0)
        # Foam in the wake, behind the stern.
        for w in range(8):
            p.ellipse(x - 16 - w * 11, y - 3 + w * 0.3, x - 6 - w * 11, y, (236, 244, 248))
    lifeboat(p, 2650, 210, 200)
    p.line([(2630, 212), (2540, 216)], (236, 244, 248), 3)
    for gx, gy, gs in ((1100, 40, 7), (1140, 56, 6), (2200, 30, 8), (2500, 70, 5)):
        p.line([(gx - gs, gy - gs * 0.3), (gx - gs * 0.4, gy - gs * 0.5), (gx, gy)], (250, 250, 250), 1.5)
        p.line([(gx, gy), (gx + gs * 0.4, gy - gs * 0.5), (gx + gs, gy - gs * 0.3)], (250, 250, 250), 1.5)
    return finish(image, (WIDTH, HEIGHT), 519)


# --- the quiz pictures: one close-up each, of a thing a pupil can name ----------------------
def ferry_close():
    """Human Geography's quiz picture: the passenger ferry coming in to Hugh Town."""
    width, height, scale = 114, 82, 4
    image = to_image(close_up(width, height, scale, 36, 331))
    canvas = np.asarray(image, float)
    xs = np.arange(width * scale) / scale
    top = np.interp(xs, [0, 40, 80, 114], [30, 26, 28, 33])
    canvas = fill_profile(canvas, (top * scale).astype(int), 38 * scale, ((88, 128, 66), (126, 152, 84)), 333)
    image = to_image(canvas)
    p = Painter(image, scale)
    rng = np.random.default_rng(332)
    x = 2
    while x < 112:
        # Hugh Town's houses, too far off for windows: white and granite walls, slate roofs.
        w, h = rng.uniform(7, 11), rng.uniform(5, 8)
        wall = tuple(int(c) for c in rng.choice([(236, 232, 222), (196, 190, 178), (226, 218, 196)]))
        p.rect(x, 38 - h, x + w, 38, wall)
        p.poly([(x - 0.5, 38 - h), (x + w * 0.2, 38 - h - 3), (x + w * 0.8, 38 - h - 3), (x + w + 0.5, 38 - h)], (72, 78, 92))
        x += w + 1
    p.rect(0, 37, width, 39, (222, 208, 168))
    ferry(p, 6, 68, 100)
    for w in range(8):
        p.ellipse(104 + w * 2, 66, 110 + w * 2, 69, (236, 244, 248))
    return quiz_picture(image)


def narcissus(p, x, y, r, petals, cup):
    """One narcissus flower seen from the front: six pointed petals round a small cup."""
    for k in range(6):
        a = 2 * math.pi * k / 6 + 0.3
        tip = (x + math.cos(a) * r, y + math.sin(a) * r)
        left = (x + math.cos(a - 0.5) * r * 0.45, y + math.sin(a - 0.5) * r * 0.45)
        right = (x + math.cos(a + 0.5) * r * 0.45, y + math.sin(a + 0.5) * r * 0.45)
        p.poly([(x, y), left, tip, right], petals)
    p.ellipse(x - r * 0.32, y - r * 0.32, x + r * 0.32, y + r * 0.32, cup)
    p.ellipse(x - r * 0.16, y - r * 0.16, x + r * 0.16, y + r * 0.16, tuple(int(c * 0.8) for c in cup))


def narcissi_close():
    """Economy's quiz picture: bunches of scented narcissi in front of a tall hedge."""
    width, height, scale = 114, 82, 4
    image = to_image(close_up(width, height, scale, 20, 431))
    p = Painter(image, scale)
    rng = np.random.default_rng(432)
    hedge_row(p, rng, -6, 120, 30, 14)
    p.rect(0, 30, width, height, (96, 136, 66))
    # Several flowers to a stem, as narcissi grow: white ones and golden ones.
    for x, y, petals, cup in ((20, 46, (252, 252, 240), (255, 200, 40)), (56, 40, (255, 222, 60), (240, 130, 30)),
                              (92, 46, (252, 252, 240), (255, 200, 40)), (38, 64, (255, 222, 60), (240, 130, 30)),
                              (76, 66, (252, 252, 240), (255, 200, 40))):
        p.line([(x, y), (x + 2, height)], (60, 110, 50), 2)
        p.line([(x - 6, height), (x - 3, y + 10)], (70, 124, 56), 1.5)
        p.line([(x + 8, height), (x + 5, y + 12)], (70, 124, 56), 1.5)
        for dx, dy, r in ((-6, -2, 7), (6, -3, 7), (0, 6, 7.5)):
            p.line([(x, y + 2), (x + dx, y + dy)], (60, 110, 50), 1)
            narcissus(p, x + dx, y + dy, r, petals, cup)
    return quiz_picture(image)


def gig_close():
    """Living by the sea's quiz picture: a pilot gig, six rowers and the cox, racing."""
    width, height, scale = 114, 82, 4
    image = to_image(close_up(width, height, scale, 34, 531, (58, 124, 176), (50, 140, 170)))
    p = Painter(image, scale)
    island(p, 50, 110, 34, 9, (112, 136, 104), 9)
    p.rect(80, 20, 84, 30, (246, 246, 242))
    gig(p, 8, 60, 100, (30, 80, 150), True)
    for w in range(6):
        p.ellipse(2 - w * 4, 58, 8 - w * 4, 61, (236, 244, 248))
    return quiz_picture(image)


# name, panorama painter, quiz picture painter
PANORAMAS = [('hughtown', hughtown, ferry_close), ('flowerfarm', flowerfarm, narcissi_close),
             ('gigrace', gigrace, gig_close)]


def main(images):
    os.makedirs(images, exist_ok=True)
    for name, paint, close in PANORAMAS:
        paint().save(os.path.join(images, name + '.jpg'), quality=88, optimize=True)
        close().save(os.path.join(images, name + 'sm.jpg'), quality=90, optimize=True)


if __name__ == '__main__':
    main(sys.argv[1])
