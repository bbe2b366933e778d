"""Draws the five St Lucia maps of the labelling activities from real coastlines (GSHHG, full
resolution, through GMT), with no place names: naming the places is the pupils' task.

"stlucia windward.jpg": the Windward Islands around St Lucia (History).
"stlucia<n>map.jpg" for n = 2 to 5: the island itself, each with the symbols of its topic.
Every map is 800 x 600 px and placed at (0, 0) twips, so map pixel (x, y) is screen pixel
(x, y). The frames are longitude/latitude boxes drawn with the east-west scale of their middle
latitude, which is true to shape at these sizes. The island maps leave the Atlantic side open
for the labels' starting places and the page heading.

Height is not in the coastline data: the island's land is shaded by its distance from the
coast, which follows St Lucia's shape (a mountain spine, highest in the south-centre).

Usage: stlucia_maps.py <content/Images> [<folder for check images>]
"""

import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

from maps import SUPER, coastline, finish, land_mask, projector, screen_check, sea_colours, texture

SIZE = (800, 600)
FONT = '/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf'


def frame(middle_lon, lat_south, lat_north, centre_x):
    """A region SIZE wide and high, true to shape, with middle_lon at pixel centre_x."""
    span_lat = lat_north - lat_south
    mid = math.radians((lat_north + lat_south) / 2)
    span_lon = SIZE[0] / SIZE[1] * span_lat / math.cos(mid)
    west = middle_lon - centre_x / SIZE[0] * span_lon
    return (west, west + span_lon, lat_south, lat_north)


ISLAND = frame(-60.975, 13.62, 14.14, 320)
WINDWARD = frame(-61.0, 12.45, 15.15, 330)

# Real positions (longitude, latitude) of the places the maps mark.
PLACES = {
    'Castries': (-60.989, 14.010), 'Gros Islet': (-60.953, 14.081), 'Soufriere': (-61.056, 13.856),
    'Vieux Fort': (-60.954, 13.728), 'Gros Piton': (-61.067, 13.808), 'Petit Piton': (-61.070, 13.834),
    'Mount Gimie': (-61.014, 13.863), 'Dennery': (-60.890, 13.912), 'Micoud': (-60.900, 13.820),
    'Anse La Raye': (-61.040, 13.944), 'Grande Anse': (-60.904, 14.030), 'Rodney Bay': (-60.958, 14.075),
    'Hewanorra': (-60.953, 13.733), 'Roseau valley': (-61.010, 13.962),
}


def land_colours(mask, seed):
    """Green lowlands, dark rainforest inland, olive-brown on the highest ground, with light
    from the north-west on slopes taken from the distance to the coast."""
    small = mask.resize((mask.width // SUPER, mask.height // SUPER), Image.BILINEAR)
    height = np.asarray(small, dtype=float) / 255
    for radius in (3, 6, 10):
        blurred = np.asarray(Image.fromarray((height * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(radius)),
                             dtype=float) / 255
        height = np.minimum(height, blurred * 1.15)
    from pictures import fbm
    ridges = fbm(small.height, small.width, seed, octaves=6, base=10)
    height = np.clip(height * (0.8 + 0.4 * ridges), 0, 1)
    gy, gx = np.gradient(height)
    shade = np.clip(1 + (-gx - gy) * 14, 0.7, 1.25)
    low, forest, high = np.array((160, 204, 112)), np.array((34, 128, 50)), np.array((84, 118, 58))
    t = np.clip(height / 0.3, 0, 1)[..., None]
    u = np.clip((height - 0.8) / 0.2, 0, 1)[..., None] * 0.7
    colour = (low * (1 - t) + forest * t) * (1 - u) + high * u
    colour *= shade[..., None]
    image = Image.fromarray(np.clip(colour, 0, 255).astype(np.uint8)).resize(mask.size, Image.BILINEAR)
    return np.asarray(image, dtype=float)


def base_map(region, smooth, seed):
    big = (SIZE[0] * SUPER, SIZE[1] * SUPER)
    mask = land_mask(region, SIZE, smooth)
    land = np.asarray(mask, dtype=float)[..., None] / 255
    sea = sea_colours(mask, (34, 92, 168), (70, 170, 200), 12)
    sea *= texture(big, seed, 0.04)[..., None]
    ground = land_colours(mask, seed + 1) * texture(big, seed + 2, 0.05)[..., None]
    canvas = sea * (1 - land) + ground * land
    ring, ring_colour = coastline(mask, (236, 226, 180), SUPER)
    canvas = canvas * (1 - ring * 0.85) + ring_colour * ring * 0.85
    return finish(canvas, SIZE)


def north_and_scale(image, region, at, km):
    """A north arrow above a scale bar of km kilometres, its left end at pixel `at`."""
    draw = ImageDraw.Draw(image)
    font = ImageFont.truetype(FONT, 14)
    x0, y0 = at
    cx, cy, r = x0 + 14, y0 - 48, 20
    draw.polygon([(cx, cy - r), (cx + 7, cy), (cx, cy + r), (cx - 7, cy)], fill=(255, 255, 255), outline=(20, 40, 80))
    draw.polygon([(cx, cy - r), (cx + 7, cy), (cx - 7, cy)], fill=(200, 40, 40))
    draw.text((cx - 5, cy - r - 18), 'N', fill=(255, 255, 255), font=font)
    to_px = projector(region, SIZE)
    west, east, south, north = region
    km_per_degree = 111.32 * math.cos(math.radians((south + north) / 2))
    x1 = x0 + to_px(west + km / km_per_degree, south)[0] - to_px(west, south)[0]
    draw.rectangle([x0, y0, x1, y0 + 5], fill=(255, 255, 255), outline=(20, 40, 80))
    draw.rectangle([x0, y0, (x0 + x1) / 2, y0 + 5], fill=(20, 40, 80))
    draw.text((x0, y0 + 8), '0', fill=(255, 255, 255), font=font)
    label = f'{km} km'
    draw.text((x1 - font.getlength(label) + 4, y0 + 8), label, fill=(255, 255, 255), font=font)


# --- map symbols, given in map pixels, drawn four times larger and reduced ------------------
class _Scaled:
    """An ImageDraw whose coordinates and line widths are multiplied by k."""

    def __init__(self, draw, k):
        self.draw, self.k = draw, k

    def _points(self, points):
        if len(points) == 4 and not isinstance(points[0], tuple):
            return [v * self.k for v in points]
        return [(x * self.k, y * self.k) for x, y in points]

    def __getattr__(self, name):
        method = getattr(self.draw, name)

        def call(points, *args, **kwargs):
            if 'width' in kwargs:
                kwargs['width'] = int(kwargs['width'] * self.k)
            return method(self._points(points), *args, **kwargs)
        return call


def town(draw, x, y):
    draw.ellipse([x - 6, y - 6, x + 6, y + 6], fill=(200, 30, 40), outline=(255, 255, 255), width=2)


def peak(draw, x, y, size=9):
    draw.polygon([(x, y - size), (x + size * 0.8, y + size * 0.5), (x - size * 0.8, y + size * 0.5)],
                 fill=(120, 72, 40), outline=(255, 255, 255))


def ship(draw, x, y):
    draw.polygon([(x - 16, y - 2), (x + 16, y - 2), (x + 11, y + 6), (x - 12, y + 6)], fill=(250, 250, 250),
                 outline=(20, 40, 80))
    draw.rectangle([x - 9, y - 9, x + 7, y - 2], fill=(250, 250, 250), outline=(20, 40, 80))
    draw.rectangle([x - 2, y - 14, x + 2, y - 9], fill=(200, 40, 40))


def plane(draw, x, y):
    white = (255, 255, 255)
    draw.polygon([(x - 2, y - 14), (x + 2, y - 14), (x + 2, y + 12), (x - 2, y + 12)], fill=white)
    draw.polygon([(x - 14, y + 2), (x, y - 5), (x + 14, y + 2), (x, y)], fill=white)
    draw.polygon([(x - 6, y + 13), (x, y + 9), (x + 6, y + 13)], fill=white)


def banana(draw, x, y):
    draw.arc([x - 12, y - 16, x + 12, y + 8], 20, 160, fill=(250, 214, 40), width=6)
    draw.arc([x - 10, y - 12, x + 14, y + 12], 20, 160, fill=(236, 196, 30), width=5)


def hotel(draw, x, y):
    draw.rectangle([x - 9, y - 14, x + 9, y + 6], fill=(250, 250, 250), outline=(20, 40, 80))
    for row in range(3):
        for col in range(2):
            draw.rectangle([x - 6 + col * 7, y - 11 + row * 6, x - 2 + col * 7, y - 8 + row * 6], fill=(60, 110, 180))


def fishing_boat(draw, x, y):
    draw.polygon([(x - 14, y - 3), (x + 14, y - 3), (x + 9, y + 5), (x - 10, y + 5)], fill=(250, 200, 40),
                 outline=(20, 40, 80))
    draw.line([(x - 14, y - 3), (x + 14, y - 3)], fill=(200, 40, 40), width=2)


def turtle(draw, x, y):
    green = (96, 66, 40)
    for dx, dy in ((-8, -6), (8, -6), (-7, 7), (7, 7)):
        draw.ellipse([x + dx - 4, y + dy - 3, x + dx + 4, y + dy + 3], fill=green)
    draw.ellipse([x - 4, y - 15, x + 4, y - 7], fill=green)
    draw.ellipse([x - 8, y - 10, x + 8, y + 10], fill=(150, 104, 60), outline=(255, 255, 255), width=1)


def coral(draw, x, y):
    pink = (250, 120, 140)
    for angle in (-50, -20, 10, 40):
        a = math.radians(angle - 90)
        draw.line([(x, y + 6), (x + math.cos(a) * 12, y + 6 + math.sin(a) * 12)], fill=pink, width=3)
    draw.line([(x - 10, y + 7), (x + 10, y + 7)], fill=pink, width=3)


SYMBOLS = {'town': town, 'peak': peak, 'ship': ship, 'plane': plane, 'banana': banana, 'hotel': hotel,
           'boat': fishing_boat, 'turtle': turtle, 'coral': coral}


def mark(image, region, marks):
    """Draws (symbol, (lon, lat)) marks on the map, each at its real place."""
    to_px = projector(region, SIZE)
    big = image.resize((SIZE[0] * 2, SIZE[1] * 2), Image.BICUBIC)
    layer = Image.new('RGBA', (SIZE[0] * 4, SIZE[1] * 4), (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    for symbol, where in marks:
        x, y = to_px(*where)
        SYMBOLS[symbol](_Scaled(draw, 4), x, y)
    big.paste(layer.resize(big.size, Image.LANCZOS), (0, 0), layer.resize(big.size, Image.LANCZOS))
    return big.resize(SIZE, Image.LANCZOS)


# The marks of each island map: what the topic's labels point at.
ISLAND_MAPS = {
    'stlucia2map.jpg': ('stlucia2lab', [('town', PLACES['Castries']), ('town', PLACES['Soufriere']),
                                        ('peak', PLACES['Gros Piton']), ('peak', PLACES['Petit Piton']),
                                        ('peak', PLACES['Mount Gimie'])]),
    'stlucia3map.jpg': ('stlucia3lab', [('town', PLACES[name]) for name in
                                        ('Castries', 'Gros Islet', 'Soufriere', 'Vieux Fort', 'Micoud')]),
    'stlucia4map.jpg': ('stlucia4lab', [('ship', PLACES['Castries']), ('plane', PLACES['Hewanorra']),
                                        ('banana', PLACES['Roseau valley']), ('hotel', PLACES['Rodney Bay']),
                                        ('coral', (-61.075, 13.86))]),
    'stlucia5map.jpg': ('stlucia5lab', [('boat', PLACES['Anse La Raye']), ('boat', PLACES['Dennery']),
                                        ('turtle', PLACES['Grande Anse']), ('coral', (-61.075, 13.86)),
                                        ('town', PLACES['Vieux Fort'])]),
}
WINDWARD_MAP = ('stlucia windward.jpg', 'stlucia1lab')


def island_map(marks):
    image = base_map(ISLAND, 1.2, 51)
    image = mark(image, ISLAND, marks)
    north_and_scale(image, ISLAND, (24, 470), 10)
    return image


def windward_map():
    image = base_map(WINDWARD, 0.8, 61)
    north_and_scale(image, WINDWARD, (24, 470), 50)
    return image


def main(out_dir, check_dir=None):
    os.makedirs(out_dir, exist_ok=True)
    made = [(WINDWARD_MAP[0], WINDWARD_MAP[1], windward_map())]
    for name, (form, marks) in ISLAND_MAPS.items():
        made.append((name, form, island_map(marks)))
    for name, form, image in made:
        assert image.size == SIZE
        image.save(os.path.join(out_dir, name), quality=88, optimize=True)
        if check_dir:
            os.makedirs(check_dir, exist_ok=True)
            screen_check(image, form, name).save(os.path.join(check_dir, 'check ' + name[:-4] + '.png'))


if __name__ == '__main__':
    main(*sys.argv[1:])
