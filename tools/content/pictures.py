"""Paints the program's pictures: the title picture, the two panoramas with their quiz
pictures (each a close-up of one landmark: Star Castle, Tresco Abbey), the five plant
pictures, and the publisher's logo with its animated frames.

Everything is painted from shapes and seeded noise, at a larger size and then reduced, so
every run gives the same pictures.

Usage: pictures.py <content>   (writes content/Images and content/logo)
"""

import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONTS = '/usr/share/fonts/truetype/liberation2'


def fbm(height, width, seed, octaves=4, base=4):
    """Smooth cloudy noise in [0, 1]: random grids of growing detail, enlarged and summed."""
    rng = np.random.default_rng(seed)
    total = np.zeros((height, width))
    weight, weights = 1.0, 0.0
    aspect = width / height
    for octave in range(octaves):
        rows = base * 2 ** octave
        cols = max(2, int(rows * aspect))
        grid = rng.random((rows, cols)).astype(np.float32)
        layer = Image.fromarray(grid, mode='F').resize((width, height), Image.BICUBIC)
        total += weight * np.asarray(layer)
        weights += weight
        weight *= 0.5
    total /= weights
    lo, hi = total.min(), total.max()
    return (total - lo) / (hi - lo) if hi > lo else total * 0


def profile(width, seed, base=8, octaves=4):
    """A smooth 1-D line in [0, 1] for hill tops and shorelines."""
    return fbm(2, width, seed, octaves, base)[0]


def vgrad(height, width, top, bottom, power=1.0):
    t = (np.linspace(0, 1, height) ** power)[:, None, None]
    return np.array(top, float) * (1 - t) + np.array(bottom, float) * t + np.zeros((1, width, 1))


def blend(canvas, colour, mask):
    mask = mask[..., None] if mask.ndim == 2 else mask
    colour = np.asarray(colour, float)
    return canvas * (1 - mask) + colour * mask


def to_image(canvas):
    return Image.fromarray(np.clip(canvas, 0, 255).astype(np.uint8))


def sky(height, width, seed, top=(62, 124, 200), bottom=(196, 222, 240), cover=0.55):
    canvas = vgrad(height, width, top, bottom, 0.8)
    clouds = fbm(height, width, seed, octaves=5, base=3)
    # Flatter, thinner clouds towards the horizon.
    rows = np.linspace(0, 1, height)[:, None]
    amount = np.clip((clouds - cover) / 0.22, 0, 1) * (1 - 0.5 * rows)
    shade = np.clip((clouds - cover - 0.12) / 0.3, 0, 1)[..., None] * 40
    return blend(canvas, (250, 250, 252), amount) - shade * amount[..., None]


def water(height, width, seed, far, near):
    canvas = vgrad(height, width, far, near, 0.7)
    streaks = fbm(height * 4, width // 6, seed, octaves=4, base=6)
    streaks = np.asarray(Image.fromarray(streaks.astype(np.float32), mode='F').resize((width, height)))
    canvas += ((streaks - 0.5) * 36)[..., None]
    glints = np.clip((streaks - 0.8) / 0.1, 0, 1)
    return blend(canvas, (235, 245, 250), glints * 0.5)


def fill_profile(canvas, tops, bottom, texture_colours, seed):
    """Fills from a top line (one y per column) down to bottom with a textured colour."""
    height, width = canvas.shape[:2]
    rows = np.arange(height)[:, None]
    mask = ((rows >= tops[None, :]) & (rows < bottom)).astype(float)
    mask = np.asarray(Image.fromarray((mask * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(1)),
                      float) / 255
    noise = fbm(height, width, seed, octaves=6, base=8)[..., None]
    a, b = (np.asarray(c, float) for c in texture_colours)
    colour = a * (1 - noise) + b * noise
    return canvas * (1 - mask[..., None]) + colour * mask[..., None]


def reflect(canvas, line, depth, strength=0.35, seed=1):
    """Mirrors what stands on the shore line into the water below it, broken by ripples."""
    height, width = canvas.shape[:2]
    rng = np.random.default_rng(seed)
    out = canvas.copy()
    for k in range(1, depth):
        y = line + k
        if y >= height:
            break
        src = canvas[max(0, line - k)]
        shift = int(rng.normal(0, 1 + k * 0.08))
        out[y] = out[y] * (1 - strength * (1 - k / depth)) + np.roll(src, shift, axis=0) * strength * (1 - k / depth)
    return out


class Painter:
    """Draws shapes given in final pixels on a canvas SCALE times larger."""

    def __init__(self, image, scale):
        self.image = image
        self.scale = scale
        self.draw = ImageDraw.Draw(image, 'RGBA')

    def s(self, points):
        return [(x * self.scale, y * self.scale) for x, y in points]

    def poly(self, points, fill, outline=None):
        self.draw.polygon(self.s(points), fill=fill, outline=outline)

    def rect(self, l, t, r, b, fill, outline=None, width=1):
        self.draw.rectangle(self.s([(l, t), (r, b)]), fill=fill, outline=outline, width=int(width * self.scale))

    def ellipse(self, l, t, r, b, fill, outline=None, width=1):
        self.draw.ellipse(self.s([(l, t), (r, b)]), fill=fill, outline=outline, width=int(width * self.scale))

    def line(self, points, fill, width):
        self.draw.line(self.s(points), fill=fill, width=max(1, int(width * self.scale)), joint='curve')


# --- scenery pieces ----------------------------------------------------------------------
def cottage(p, rng, x, base, w, h, wall=None, roof=None):
    wall = wall or tuple(int(c) for c in rng.choice([(226, 222, 210), (196, 190, 178), (240, 236, 226),
                                                      (170, 166, 158), (232, 220, 190)]))
    roof = roof or tuple(int(c) for c in rng.choice([(72, 78, 92), (92, 96, 104), (60, 64, 76)]))
    roof_h = h * 0.45
    p.rect(x, base - h, x + w, base, wall)
    p.poly([(x - 2, base - h), (x + w * 0.15, base - h - roof_h), (x + w * 0.85, base - h - roof_h),
            (x + w + 2, base - h)], roof)
    p.rect(x + w * 0.8, base - h - roof_h - 8, x + w * 0.8 + 5, base - h - roof_h + 2, wall)
    rows = max(1, int(h // 18))
    cols = max(1, int(w // 16))
    for r in range(rows):
        for c in range(cols):
            wx = x + (c + 0.5) * w / cols - 3
            wy = base - h + 5 + r * (h - 8) / rows
            p.rect(wx, wy, wx + 6, wy + 7, (52, 62, 80), outline=(250, 250, 250), width=0.6)


def boat(p, x, y, size, hull, sail=False, seed=0):
    w, h = 34 * size, 8 * size
    p.poly([(x, y), (x + w, y), (x + w * 0.86, y + h), (x + w * 0.1, y + h)], hull)
    p.line([(x, y), (x + w, y)], (250, 250, 250), 1.2 * size)
    p.rect(x + w * 0.3, y - 6 * size, x + w * 0.62, y, (244, 244, 240))
    p.rect(x + w * 0.36, y - 4.5 * size, x + w * 0.56, y - 2.5 * size, (60, 80, 110))
    if sail:
        p.line([(x + w * 0.45, y - 6 * size), (x + w * 0.45, y - 40 * size)], (230, 230, 230), 0.8 * size)


def palm(p, x, base, height, lean=0.0):
    top = (x + lean * height, base - height)
    p.line([(x, base), ((x + top[0]) / 2 + lean * 4, (base + top[1]) / 2), top], (120, 96, 66), 6)
    length = height * 0.36
    for k in range(12):
        angle = math.pi * (-0.1 + 1.2 * k / 11)
        dx, dy = math.cos(angle), -math.sin(angle)
        mid = (top[0] + dx * length * 0.55, top[1] + dy * length * 0.45 - length * 0.12)
        tip = (top[0] + dx * length, top[1] + dy * length * 0.3 + length * 0.45)
        p.line([top, mid, tip], (40, 100, 44), 5)
        p.line([top, mid, tip], (96, 160, 74), 1.5)
    p.ellipse(top[0] - 5, top[1] - 4, top[0] + 5, top[1] + 6, (150, 110, 60))


def tree_clump(p, rng, x, base, w, h, colours):
    for _ in range(int(w * h / 120)):
        cx = x + rng.uniform(0, w)
        cy = base - rng.uniform(0, h) * (1 - abs(cx - x - w / 2) / w)
        r = rng.uniform(8, 20)
        colour = tuple(int(c) for c in colours[rng.integers(len(colours))])
        p.ellipse(cx - r, cy - r, cx + r, cy + r, colour)


def flowers(p, rng, x0, x1, y0, y1, colours, count):
    for _ in range(count // 40):
        bx, by = rng.uniform(x0, x1), rng.uniform(y0, y1)
        colour = tuple(int(c) for c in colours[rng.integers(len(colours))])
        spread = rng.uniform(14, 34)
        for _ in range(40):
            x, y = bx + rng.normal(0, spread), by + rng.normal(0, spread * 0.3)
            r = rng.uniform(1.2, 2.4)
            p.ellipse(x - r, y - r, x + r, y + r, colour)


def agave(p, x, base, size):
    for k in range(9):
        angle = math.pi * (0.1 + 0.8 * k / 8)
        tip = (x + math.cos(angle) * size, base - math.sin(angle) * size * 1.2)
        p.poly([(x - 3, base), tip, (x + 3, base)], (96, 150, 140))


def finish(canvas_image, size, grain_seed, grain=5):
    image = canvas_image.resize(size, Image.LANCZOS)
    noise = np.random.default_rng(grain_seed).normal(0, grain, (size[1], size[0], 1))
    return to_image(np.asarray(image, float) + noise)


def star_castle(p, cx, cy, radius, squash, wall_height):
    """Star Castle seen from a little above: granite walls in an eight-pointed star, a dry
    ditch inside them, and the two-storey house with its central chimneys in the middle."""
    def star(scale, drop=0.0):
        points = []
        for k in range(16):
            r = radius * scale * (1.0 if k % 2 == 0 else 0.66)
            a = 2 * math.pi * k / 16
            points.append((cx + r * math.cos(a), cy + drop + r * math.sin(a) * squash))
        return points
    outer = star(1.0)
    # Wall faces, lit from the left; the top of the walls hides those at the back.
    for k in range(16):
        a, b = outer[k], outer[(k + 1) % 16]
        facing = 0.5 + 0.5 * (-(b[1] - a[1])) / (math.hypot(b[0] - a[0], b[1] - a[1]) or 1)
        shade = 0.62 + 0.3 * facing
        p.poly([a, b, (b[0], b[1] + wall_height), (a[0], a[1] + wall_height)],
               tuple(int(c * shade) for c in (170, 164, 150)))
    p.poly(outer, (186, 180, 164))
    p.poly(star(0.84), (120, 150, 86))
    p.poly(star(0.7), (150, 144, 132))
    # The house: granite walls, a slate roof and a tall stack of chimneys in the middle.
    w, h = radius * 0.78, radius * 0.3
    base = cy + radius * squash * 0.45
    p.rect(cx - w / 2, base - h, cx + w / 2, base, (214, 206, 188))
    p.poly([(cx - w / 2 - 3, base - h), (cx - w / 2 + h * 0.5, base - h * 1.55),
            (cx + w / 2 - h * 0.5, base - h * 1.55), (cx + w / 2 + 3, base - h)], (70, 76, 90))
    p.rect(cx - h * 0.28, base - h * 2.1, cx + h * 0.28, base - h * 1.45, (184, 176, 160))
    for row in (0.22, 0.6):
        for k in range(6):
            wx = cx - w / 2 + w * (k + 0.5) / 6
            p.rect(wx - h * 0.08, base - h * (1 - row), wx + h * 0.08, base - h * (1 - row) + h * 0.2, (50, 60, 78))
    p.line([(cx + w / 2 + h * 0.6, base - h * 0.2), (cx + w / 2 + h * 0.6, base - h * 1.9)], (240, 240, 240), 1.5)
    p.rect(cx + w / 2 + h * 0.6, base - h * 1.9, cx + w / 2 + h * 1.2, base - h * 1.55, (200, 30, 40))


def close_up(width, height, scale, horizon, seed, sea_far=(60, 120, 170), sea_near=(44, 110, 156)):
    """The canvas of a quiz picture: sky and sea, painted in units of a width x height frame."""
    canvas = sky(height * scale, width * scale, seed, cover=0.62)
    canvas[int(horizon * scale):] = water(height * scale - int(horizon * scale), width * scale, seed + 1, sea_far, sea_near)
    return canvas


def quiz_picture(image):
    """Reduces a painted close-up to the quiz's 57 x 41 pixels, crisp enough to name."""
    return finish(image.filter(ImageFilter.GaussianBlur(1)), (57, 41), 3, grain=1.5)


def star_castle_close():
    """History's quiz picture: Star Castle on the Garrison hill, its eight points plain to see."""
    width, height, scale = 114, 82, 4
    canvas = close_up(width, height, scale, 30, 31)
    xs = np.arange(width * scale) / scale
    top = np.interp(xs, [0, 30, 84, 114], [40, 32, 32, 42])
    canvas = fill_profile(canvas, (top * scale).astype(int), height * scale, ((86, 124, 64), (126, 150, 82)), 32)
    image = to_image(canvas)
    star_castle(Painter(image, scale), 57, 52, 52, 0.42, 7)
    return quiz_picture(image)


def abbey_close():
    """Physical Geography's quiz picture: Tresco Abbey's tower among the garden's palms."""
    width, height, scale = 114, 82, 4
    image = to_image(close_up(width, height, scale, 40, 33))
    p = Painter(image, scale)
    rng = np.random.default_rng(34)
    tree_clump(p, rng, -10, 50, 134, 30, [(40, 78, 44), (52, 96, 50), (34, 66, 40)])
    p.rect(0, 50, width, height, (104, 150, 70))
    p.rect(14, 22, 74, 62, (176, 168, 150))
    p.poly([(11, 22), (20, 12), (68, 12), (77, 22)], (76, 80, 92))
    p.rect(74, 6, 94, 62, (168, 160, 142))
    for x in range(74, 94, 5):
        p.rect(x, 2, x + 3, 7, (168, 160, 142))
    for x in range(19, 70, 10):
        p.rect(x, 28, x + 5, 36, (60, 70, 88))
        p.rect(x, 44, x + 5, 52, (60, 70, 88))
    p.rect(81, 16, 87, 26, (60, 70, 88))
    palm(p, 40, 80, 52, 0.05)
    palm(p, 104, 80, 44, -0.08)
    flowers(p, rng, 0, width, 66, 82, [(220, 40, 60), (250, 140, 30), (240, 90, 160), (255, 220, 60)], 600)
    return quiz_picture(image)


# --- the panoramas -----------------------------------------------------------------------
S = 2  # painting scale


def st_marys(width=3000, height=340):
    W, H = width * S, height * S
    rng = np.random.default_rng(101)
    horizon = 150
    canvas = sky(H, W, 1)
    sea = water(H - horizon * S, W, 2, (60, 120, 170), (40, 104, 150))
    canvas[horizon * S:] = sea
    image = to_image(canvas)
    p = Painter(image, S)
    # Distant islands across the Road (Samson's two hills among them).
    for x0, x1, hgt in ((2330, 2520, 12), (2540, 2640, 22), (2650, 2760, 20), (2780, 2990, 10)):
        xs = np.linspace(x0, x1, 30)
        ys = horizon - hgt * np.sin(np.linspace(0, math.pi, 30)) ** 0.7
        p.poly(list(zip(xs, ys)) + [(x1, horizon + 1), (x0, horizon + 1)], (128, 146, 140))
    canvas = np.asarray(image, float)
    # The land: the Garrison hill, the town's low ground, Buzza Hill, down to the sea.
    xs = np.arange(W) / S
    line = profile(W, 5, base=10)
    top = np.interp(xs, [0, 250, 450, 700, 950, 1300, 1600, 1800, 2050, 2300, 2380, 2400],
                    [140, 108, 98, 116, 156, 150, 122, 112, 142, 205, 246, 300]) + (line - 0.5) * 14
    canvas = fill_profile(canvas, (top * S).astype(int), 252 * S, ((86, 124, 64), (126, 150, 82)), 6)
    image = to_image(canvas)
    p = Painter(image, S)
    # Garrison walls along the foot of the hill, with their angled bastions.
    wall = []
    for x in range(0, 900, 60):
        wall += [(x, 214 - (x % 120 == 0) * 6), (x + 30, 208)]
    p.line(wall, (150, 146, 136), 4)
    # Star Castle on the Garrison's hilltop: the eight-pointed star of its walls round the house.
    star_castle(p, 430, 92, 125, 0.28, 12)
    # Buzza Tower on its hill.
    p.rect(1795, 88, 1823, 116, (176, 168, 152))
    for x in range(1795, 1823, 7):
        p.rect(x, 84, x + 4, 90, (176, 168, 152))
    # Hugh Town: three rows of houses climbing from the shore, and the church tower.
    for row_base, heights in ((196, (22, 34)), (218, (26, 40)), (242, (30, 48))):
        x = 880 + rng.uniform(0, 30)
        while x < 2060:
            w = rng.uniform(38, 78)
            cottage(p, rng, x, row_base, w, rng.uniform(*heights))
            x += w + rng.uniform(2, 14)
            if row_base == 196 and abs(x - 1480) < 40:
                p.rect(1478, 120, 1510, 196, (168, 160, 146))
                for bx in range(1478, 1510, 8):
                    p.rect(bx, 114, bx + 5, 122, (168, 160, 146))
                x += 40
    # The shore, the quay and its wall.
    p.rect(700, 242, 2060, 254, (222, 208, 168))
    p.poly([(1960, 240), (2360, 232), (2360, 258), (1960, 258)], (150, 146, 138))
    for x in range(1970, 2360, 26):
        p.line([(x, 236), (x, 258)], (120, 116, 110), 1)
    p.line([(1960, 240), (2360, 232)], (196, 192, 182), 2)
    canvas = reflect(np.asarray(image, float), 255 * S, 60 * S, 0.32, 7)
    image = to_image(canvas)
    p = Painter(image, S)
    # Boats in the harbour, bigger nearer the viewer.
    for k in range(26):
        y = rng.uniform(268, 326)
        size = 0.5 + (y - 262) / 70
        x = rng.uniform(0, width - 40 * size)
        hull = tuple(int(c) for c in rng.choice([(240, 240, 236), (36, 72, 140), (190, 40, 40),
                                                  (240, 200, 60), (30, 110, 90)]))
        boat(p, x, y, size, hull, sail=rng.random() < 0.4)
    return finish(image, (width, height), 11)


def tresco(width=3000, height=340):
    W, H = width * S, height * S
    rng = np.random.default_rng(202)
    horizon = 158
    canvas = sky(H, W, 21, cover=0.6)
    sea = water(H - horizon * S, W, 22, (54, 132, 178), (66, 190, 196))
    canvas[horizon * S:] = sea
    image = to_image(canvas)
    p = Painter(image, S)
    # Bryher across the channel, with a few white houses; St Mary's far off.
    xs = np.linspace(1750, 2700, 60)
    ys = horizon - 40 * np.sin(np.linspace(0, math.pi, 60)) ** 0.6 + 8 * np.sin(np.linspace(0, 9, 60))
    p.poly(list(zip(xs, ys)) + [(2700, horizon + 2), (1750, horizon + 2)], (108, 134, 98))
    for x in (1900, 1990, 2080, 2200, 2330):
        p.rect(x, horizon - 16, x + 10, horizon - 8, (236, 236, 228))
        p.poly([(x - 1, horizon - 16), (x + 5, horizon - 21), (x + 11, horizon - 16)], (90, 90, 100))
    p.poly([(2780, horizon), (2860, horizon - 14), (2990, horizon - 10), (3000, horizon)], (134, 150, 150))
    canvas = np.asarray(image, float)
    # The garden's land, falling to the beach.
    xs = np.arange(W) / S
    top = np.interp(xs, [0, 600, 1200, 1600, 1700, 1760, 3000], [150, 140, 160, 200, 250, 400, 400])
    top = top + (profile(W, 23) - 0.5) * 10
    canvas = fill_profile(canvas, (top * S).astype(int), H, ((92, 140, 62), (132, 170, 84)), 24)
    # White sand along the shore to the right.
    sand_top = np.interp(xs, [0, 1500, 1700, 3000], [400, 330, 262, 268]) + (profile(W, 25) - 0.5) * 8
    canvas = fill_profile(canvas, (sand_top * S).astype(int), H, ((246, 240, 222), (226, 216, 190)), 26)
    image = to_image(canvas)
    p = Painter(image, S)
    # Woods of pine and holm oak shelter the garden.
    tree_clump(p, rng, 0, 200, 1650, 150, [(40, 78, 44), (52, 96, 50), (34, 66, 40), (66, 108, 58)])
    # The Abbey among the trees: granite walls, a battlemented tower.
    p.rect(300, 96, 560, 170, (176, 168, 150))
    p.poly([(296, 96), (330, 70), (530, 70), (564, 96)], (76, 80, 92))
    p.rect(560, 58, 612, 170, (168, 160, 142))
    for x in range(560, 612, 10):
        p.rect(x, 50, x + 6, 60, (168, 160, 142))
    for x in range(316, 550, 30):
        p.rect(x, 110, x + 12, 128, (60, 70, 88))
        p.rect(x, 140, x + 12, 158, (60, 70, 88))
    # The ruined arches of the old priory.
    for k, x in enumerate((820, 880, 940)):
        p.rect(x, 170 - k * 6, x + 50, 250, (150, 144, 132))
        p.ellipse(x + 10, 186 - k * 6, x + 40, 216 - k * 6, (70, 100, 60))
        p.rect(x + 10, 201 - k * 6, x + 40, 250, (70, 100, 60))
    # Palms, agaves and flower beds of the terraces.
    for x, hgt, lean in ((120, 150, 0.05), (430, 170, -0.04), (700, 140, 0.08), (1130, 160, -0.06),
                         (1380, 135, 0.04), (1560, 120, 0.1)):
        palm(p, x, 300, hgt, lean)
    for x in (230, 560, 1010, 1270, 1480):
        agave(p, x, 300, 26)
    flowers(p, rng, 0, 1600, 258, 340, [(220, 40, 60), (250, 140, 30), (120, 90, 200), (240, 90, 160),
                                        (255, 220, 60), (250, 250, 250)], 2600)
    # The wet sand and a line of foam where the sea meets the beach.
    for _ in range(400):
        x = rng.uniform(1700, 3000)
        y = np.interp(x, [1700, 3000], [262, 268]) + rng.uniform(0, 4)
        p.ellipse(x - 6, y - 1, x + 6, y + 1, (240, 248, 250))
    # Marram grass on the dune at the back of the beach, in the foreground.
    dune = np.interp(xs, [0, 1760, 1900, 3000], [400, 400, 326, 318]) + (profile(W, 27) - 0.5) * 10
    dune_canvas = fill_profile(np.asarray(image, float), (dune * S).astype(int), H, ((226, 214, 182), (214, 200, 160)), 28)
    image = to_image(dune_canvas)
    p = Painter(image, S)
    for _ in range(900):
        x = rng.uniform(1800, 3000)
        y = np.interp(x, [1800, 1900, 3000], [340, 330, 322]) + rng.uniform(0, 16)
        p.line([(x, y), (x + rng.uniform(-7, 7), y - rng.uniform(10, 24))],
               (118, 146, 78) if rng.random() < 0.6 else (150, 164, 96), 1.2)
    return finish(image, (width, height), 12)


# --- the title picture -------------------------------------------------------------------
def title_picture():
    width, height = 320, 240
    scale = 3
    W, H = width * scale, height * scale
    rng = np.random.default_rng(303)
    horizon = 118
    canvas = sky(H, W, 31, cover=0.58)
    canvas[horizon * scale:] = water(H - horizon * scale, W, 32, (50, 110, 170), (72, 170, 190))
    xs = np.arange(W) / scale
    # A green headland with cliffs on the right, a sandy bay in front.
    head = np.interp(xs, [0, 170, 200, 240, 320], [400, 400, 112, 84, 80]) + (profile(W, 33) - 0.5) * 6
    canvas = fill_profile(canvas, (head * scale).astype(int), 190 * scale, ((84, 130, 64), (120, 156, 80)), 34)
    cliff = np.interp(xs, [0, 190, 205, 320], [400, 400, 132, 124])
    canvas = fill_profile(canvas, (cliff * scale).astype(int), 190 * scale, ((150, 140, 128), (190, 180, 164)), 35)
    beach = np.interp(xs, [0, 140, 260, 320], [180, 186, 204, 210]) + (profile(W, 36) - 0.5) * 6
    canvas = fill_profile(canvas, (beach * scale).astype(int), H, ((236, 222, 180), (216, 198, 156)), 37)
    image = to_image(canvas)
    p = Painter(image, scale)
    # The lighthouse on the headland.
    p.poly([(262, 84), (278, 84), (275, 40), (265, 40)], (246, 246, 242))
    p.poly([(263.5, 64), (276.5, 64), (276, 56), (264, 56)], (200, 40, 40))
    p.rect(263, 30, 277, 40, (60, 60, 66))
    p.rect(265, 32, 275, 39, (255, 230, 120))
    p.poly([(261, 30), (270, 22), (279, 30)], (200, 40, 40))
    p.rect(282, 74, 300, 84, (240, 240, 236))
    p.poly([(280, 74), (291, 68), (302, 74)], (70, 76, 90))
    # A sailing boat, gulls and rocks with pools.
    p.poly([(90, 142), (122, 142), (118, 148), (94, 148)], (240, 240, 236))
    p.poly([(106, 141), (106, 104), (124, 138)], (252, 252, 248))
    p.poly([(104, 141), (104, 112), (90, 138)], (230, 80, 60))
    for gx, gy, gs in ((60, 40, 6), (80, 54, 5), (150, 30, 7), (44, 66, 4)):
        p.line([(gx - gs, gy - gs * 0.3), (gx - gs * 0.4, gy - gs * 0.5), (gx, gy)], (250, 250, 250), 1.2)
        p.line([(gx, gy), (gx + gs * 0.4, gy - gs * 0.5), (gx + gs, gy - gs * 0.3)], (250, 250, 250), 1.2)
    for rx, ry, rw in ((20, 214, 40), (250, 220, 60), (200, 232, 30)):
        p.ellipse(rx, ry, rx + rw, ry + rw * 0.45, (110, 104, 100))
        p.ellipse(rx + rw * 0.2, ry + rw * 0.05, rx + rw * 0.7, ry + rw * 0.2, (140, 134, 128))
    p.ellipse(60, 222, 120, 236, (96, 170, 190))
    return finish(image, (width, height), 13, 3)


# --- plants ------------------------------------------------------------------------------
def plant_canvas(seed, top, bottom):
    w, h = 640, 480
    canvas = vgrad(h, w, top, bottom)
    canvas += ((fbm(h, w, seed, octaves=5, base=4) - 0.5) * 30)[..., None]
    image = to_image(canvas)
    return image, Painter(image, 4)


def algae():
    image, p = plant_canvas(41, (40, 120, 130), (24, 80, 96))
    rng = np.random.default_rng(41)
    p.ellipse(-20, 90, 80, 140, (96, 92, 88))
    p.ellipse(100, 96, 180, 140, (110, 104, 98))
    for k in range(14):
        x = 8 + k * 11 + rng.uniform(-3, 3)
        pts = [(x + 5 * math.sin(t / 7 + k), 118 - t) for t in range(0, int(rng.uniform(50, 100)), 4)]
        colour = (60, 150, 60) if k % 3 else (120, 100, 40)
        p.line(pts, colour, rng.uniform(3, 6))
        p.line(pts, (140, 200, 110) if k % 3 else (170, 140, 70), 1)
    for _ in range(20):
        x, y = rng.uniform(0, 160), rng.uniform(0, 110)
        p.ellipse(x, y, x + 2, y + 2, (200, 230, 240, 140))
    return image.resize((160, 120), Image.LANCZOS)


def lichen():
    image, p = plant_canvas(42, (150, 146, 138), (118, 114, 108))
    rng = np.random.default_rng(42)
    for _ in range(9):
        x, y, r = rng.uniform(10, 150), rng.uniform(10, 110), rng.uniform(10, 26)
        colour = tuple(int(c) for c in rng.choice([(232, 160, 40), (214, 190, 60), (170, 186, 150)]))
        for k in range(60):
            a, d = rng.uniform(0, 2 * math.pi), r * math.sqrt(rng.uniform(0, 1))
            s = rng.uniform(1.5, 4)
            cx, cy = x + math.cos(a) * d, y + math.sin(a) * d
            p.ellipse(cx - s, cy - s, cx + s, cy + s, colour)
        p.ellipse(x - r, y - r, x + r, y + r, None, outline=tuple(int(c * 0.75) for c in colour), width=1.2)
    for _ in range(40):
        x, y = rng.uniform(0, 160), rng.uniform(0, 120)
        p.ellipse(x, y, x + 1.2, y + 1.2, (80, 76, 72))
    return image.resize((160, 120), Image.LANCZOS)


def moss():
    image, p = plant_canvas(43, (120, 110, 90), (92, 82, 66))
    rng = np.random.default_rng(43)
    for cx, cy, r in ((50, 90, 46), (112, 94, 42), (82, 76, 36)):
        p.ellipse(cx - r, cy - r * 0.6, cx + r, cy + r * 0.8, (58, 110, 36))
        for _ in range(500):
            a, d = rng.uniform(math.pi, 2 * math.pi), r * math.sqrt(rng.uniform(0, 1))
            x, y = cx + math.cos(a) * d, cy + math.sin(a) * d * 0.6
            colour = (int(rng.uniform(70, 130)), int(rng.uniform(140, 190)), int(rng.uniform(40, 70)))
            p.line([(x, y), (x + rng.uniform(-1.5, 1.5), y - 2.5)], colour, 1)
    for _ in range(14):
        x, y = rng.uniform(20, 140), rng.uniform(60, 80)
        top = (x + rng.uniform(-4, 4), y - rng.uniform(20, 36))
        p.line([(x, y), top], (170, 110, 50), 1)
        p.ellipse(top[0] - 1.6, top[1] - 3.5, top[0] + 1.6, top[1] + 1, (150, 80, 40))
    return image.resize((160, 120), Image.LANCZOS)


def conifer():
    image, p = plant_canvas(44, (110, 170, 226), (200, 226, 240))
    p.rect(0, 104, 160, 120, (90, 140, 70))
    p.rect(76, 84, 84, 108, (110, 76, 50))
    for k in range(6):
        y = 90 - k * 13
        half = 40 - k * 6
        p.poly([(80 - half, y), (80, y - 26), (80 + half, y)], (34, 96 + k * 6, 52))
    # A cone hanging from a lower branch.
    p.ellipse(108, 80, 118, 96, (140, 90, 50))
    for k in range(4):
        p.line([(108, 83 + k * 4), (118, 83 + k * 4)], (100, 62, 36), 0.8)
    return image.resize((160, 120), Image.LANCZOS)


def flower():
    image, p = plant_canvas(45, (170, 210, 150), (110, 160, 90))
    p.line([(80, 120), (78, 90), (80, 62)], (60, 120, 50), 3)
    p.poly([(79, 100), (50, 86), (60, 96)], (70, 140, 60))
    p.poly([(79, 92), (110, 80), (100, 92)], (70, 140, 60))
    for k in range(10):
        a = 2 * math.pi * k / 10
        x, y = 80 + math.cos(a) * 20, 48 + math.sin(a) * 20
        p.ellipse(x - 12, y - 12, x + 12, y + 12, (226, 80, 140))
        p.ellipse(x - 7, y - 7, x + 7, y + 7, (240, 130, 180))
    p.ellipse(68, 36, 92, 60, (250, 200, 40))
    for k in range(16):
        a = 2 * math.pi * k / 16
        x, y = 80 + math.cos(a) * 7, 48 + math.sin(a) * 7
        p.ellipse(x - 1.5, y - 1.5, x + 1.5, y + 1.5, (200, 130, 30))
    return image.resize((160, 120), Image.LANCZOS)


# --- the publisher's logo ----------------------------------------------------------------
NAVY = (22, 40, 104)
GOLD = (250, 196, 40)


def logo_bitmap():
    w, h = 120 * 4, 89 * 4
    image = Image.new('RGB', (w, h), (255, 255, 255))
    d = ImageDraw.Draw(image)
    d.rounded_rectangle([6, 6, w - 6, h - 6], 28, fill=NAVY, outline=GOLD, width=8)
    # A "Q" whose tail is a wave.
    d.ellipse([36, 40, 176, 180], outline=GOLD, width=22)
    d.line([(120, 150), (150, 176), (178, 160), (206, 184)], fill=GOLD, width=18, joint='curve')
    # Sized so that the name ends inside the gold border.
    big = ImageFont.truetype(os.path.join(FONTS, 'LiberationSans-Bold.ttf'), 72)
    small = ImageFont.truetype(os.path.join(FONTS, 'LiberationSans-Bold.ttf'), 40)
    d.text((192, 66), 'uenlow', font=big, fill=(255, 255, 255))
    d.text((w / 2, 286), 'PUBLISHING', font=small, fill=GOLD, anchor='mm')
    d.line([(60, 240), (w - 60, 240)], fill=(120, 150, 220), width=4)
    return image.resize((120, 89), Image.LANCZOS)


def logo_frame(index, frames=20):
    size = 480
    image = Image.new('RGB', (size, size), (49, 130, 212))
    d = ImageDraw.Draw(image)
    c, r = size / 2, 150
    d.ellipse([c - r, c - r, c + r, c + r], fill=(36, 96, 180))
    # Meridians turn a twelfth of a turn per loop, so the last frame runs into the first.
    turn = 2 * math.pi / 12 * index / frames
    for k in range(12):
        lon = turn + 2 * math.pi * k / 12
        if math.cos(lon) < 0:
            continue
        rx = r * abs(math.sin(lon))
        shade = int(150 + 100 * math.cos(lon))
        d.ellipse([c - rx, c - r, c + rx, c + r], outline=(shade, shade, 255), width=4)
    for lat in (-60, -30, 0, 30, 60):
        y = c - r * math.sin(math.radians(lat))
        half = r * math.cos(math.radians(lat))
        d.line([(c - half, y), (c + half, y)], fill=(180, 200, 255), width=4)
    d.ellipse([c - r, c - r, c + r, c + r], outline=(255, 255, 255), width=6)
    # A golden ring with four stars riding round it, a quarter turn per loop.
    d.ellipse([c - 205, c - 70, c + 205, c + 70], outline=GOLD, width=10)
    for k in range(4):
        a = 2 * math.pi * (k / 4 + index / frames / 4)
        sx, sy = c + 205 * math.cos(a), c + 70 * math.sin(a)
        pts = []
        for j in range(10):
            rr = 26 if j % 2 == 0 else 11
            aa = math.pi / 2 + j * math.pi / 5
            pts.append((sx + rr * math.cos(aa), sy - rr * math.sin(aa)))
        d.polygon(pts, fill=(255, 240, 150), outline=GOLD)
    font = ImageFont.truetype(os.path.join(FONTS, 'LiberationSans-Bold.ttf'), 120)
    d.text((c, c), 'Q', font=font, fill=(255, 255, 255), anchor='mm', stroke_width=6, stroke_fill=NAVY)
    return image.resize((120, 120), Image.LANCZOS)


def main(content):
    images = os.path.join(content, 'Images')
    logo = os.path.join(content, 'logo')
    os.makedirs(images, exist_ok=True)
    os.makedirs(logo, exist_ok=True)
    save = lambda image, name: image.save(os.path.join(images, name), quality=88, optimize=True)  # noqa: E731
    save(title_picture(), 'brellinshoresm.jpg')
    mary = st_marys()
    save(mary, 'stmary.jpg')
    save(star_castle_close(), 'stmarysm.jpg')
    tre = tresco()
    save(tre, 'tresco.jpg')
    save(abbey_close(), 'trescosm.jpg')
    for name, make in (('algaesm.jpg', algae), ('lichensm.jpg', lichen), ('moss2sm.jpg', moss),
                       ('conifersm.jpg', conifer), ('flowersm.jpg', flower)):
        save(make(), name)
    logo_bitmap().save(os.path.join(logo, 'quenlow2.bmp'))
    for index in range(20):
        frame = logo_frame(index).quantize(colors=64, method=Image.MEDIANCUT, dither=Image.NONE)
        frame.save(os.path.join(logo, 'quen%04d.gif' % index))


if __name__ == '__main__':
    main(sys.argv[1])
