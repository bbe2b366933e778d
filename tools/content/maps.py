"""Draws the two maps of the labelling activities from real coastlines (GSHHG, full
resolution, through GMT), with no place names: naming the places is the pupils' task.

"south coast.jpg" (800 x 648 px): South West England. The activity places it at (0, -720)
twips, so map pixel (x, y) lies at screen pixel (x, y - 48); the frame is chosen so that the
Isles of Scilly, Cornwall, Devon, Somerset, Dorset and the Atlantic lie under the activity's
boxes, and the corner where the labels wait (bottom right) is open sea.
"scilly.jpg" (824 x 608 px): the Isles of Scilly, placed at (-360, -120) twips, so map pixel
(x, y) is screen pixel (x - 24, y - 8).
The South West map has a key with words: it is also drawn with a Welsh key, "cy south
coast.jpg", for the Welsh topic.

The frames are plain longitude/latitude boxes drawn with the east-west scale of their middle
latitude, which is true to shape at these sizes. County borders are approximated from the
shapes of the counties (rivers and well-known boundary points).

Usage: maps.py <content/Images> [<folder for check images>]
"""

import os
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

from pictures import fbm
from topicfiles import activity, picture_at, target_boxes

SUPER = 4  # drawn at four times the size, then reduced

SOUTH_COAST = {
    'file': 'south coast.jpg', 'size': (800, 648), 'region': (-6.81, -1.25, 49.424, 52.294),
}
SCILLY = {
    'file': 'scilly.jpg', 'size': (824, 608), 'region': (-6.392, -6.1675, 49.877, 49.984),
}

# County shapes: each polygon follows the county's land borders and runs out to sea around
# its coasts, so that the real coastline cuts it. Points are (longitude, latitude).
COUNTIES = {
    'Cornwall': [(-4.55, 50.93), (-4.53, 50.85), (-4.45, 50.78), (-4.37, 50.70), (-4.30, 50.60),
                 (-4.22, 50.50), (-4.19, 50.42), (-4.17, 50.33), (-4.4, 49.8), (-6.0, 49.8),
                 (-5.9, 50.3), (-4.9, 51.1)],
    'Devon': [(-4.55, 50.93), (-4.53, 50.85), (-4.45, 50.78), (-4.37, 50.70), (-4.30, 50.60),
              (-4.22, 50.50), (-4.19, 50.42), (-4.17, 50.33), (-4.0, 50.0), (-2.95, 50.55),
              (-2.95, 50.72), (-2.93, 50.80), (-2.98, 50.88), (-3.10, 50.92), (-3.25, 50.95),
              (-3.40, 50.97), (-3.50, 51.02), (-3.60, 51.08), (-3.72, 51.23), (-3.8, 51.45),
              (-4.9, 51.4), (-4.9, 51.1)],
    'Somerset': [(-3.72, 51.23), (-3.60, 51.08), (-3.50, 51.02), (-3.40, 50.97), (-3.25, 50.95),
                 (-3.10, 50.92), (-2.98, 50.88), (-2.93, 50.85), (-2.80, 50.87), (-2.65, 50.90),
                 (-2.52, 50.95), (-2.40, 51.00), (-2.33, 51.07), (-2.32, 51.15), (-2.27, 51.25),
                 (-2.35, 51.33), (-2.45, 51.40), (-2.62, 51.43), (-2.72, 51.48), (-2.80, 51.50),
                 (-2.95, 51.47), (-3.15, 51.38), (-3.6, 51.30)],
    'Dorset': [(-2.95, 50.55), (-2.95, 50.72), (-2.93, 50.80), (-2.93, 50.85), (-2.80, 50.87),
               (-2.65, 50.90), (-2.52, 50.95), (-2.40, 51.00), (-2.33, 51.07), (-2.20, 51.04),
               (-2.05, 51.00), (-1.95, 50.98), (-1.85, 50.93), (-1.80, 50.85), (-1.72, 50.80),
               (-1.68, 50.74), (-1.6, 50.5), (-2.5, 50.3)],
}
COUNTY_COLOURS = {
    'Cornwall': (138, 186, 108), 'Devon': (182, 210, 124), 'Somerset': (212, 204, 132),
    'Dorset': (150, 198, 146),
}
OTHER_LAND = (206, 202, 172)
# Moors and uplands, as soft darker patches: (longitude, latitude, radius in degrees).
UPLANDS = [(-3.92, 50.58, 0.17), (-3.65, 51.13, 0.12), (-4.60, 50.55, 0.09), (-4.97, 50.45, 0.05),
           (-3.15, 51.13, 0.06), (-2.65, 51.28, 0.08), (-3.50, 51.90, 0.25), (-4.0, 51.85, 0.2)]


def land_mask(region, size, smooth):
    """Land as 255, sea as 0, at SUPER times size, from GMT's full-resolution coastlines."""
    west, east, south, north = region
    width_in = size[0] / 100
    height_in = size[1] / 100
    with tempfile.TemporaryDirectory() as tmp:
        script = (f'gmt begin land png E{100 * SUPER}\n'
                  f'gmt coast -R{west}/{east}/{south}/{north} -JX{width_in}i/{height_in}i '
                  f'-Df -Gblack -Swhite -A0\n'
                  f'gmt end\n')
        with open(os.path.join(tmp, 'land.sh'), 'w') as out:
            out.write(script)
        subprocess.run(['bash', 'land.sh'], cwd=tmp, check=True, capture_output=True)
        image = Image.open(os.path.join(tmp, 'land.png')).convert('L')
    image = image.resize((size[0] * SUPER, size[1] * SUPER), Image.BILINEAR)
    # Round off the steps of the coastline data at large scales, then sharpen the edge again.
    image = image.filter(ImageFilter.GaussianBlur(smooth * SUPER))
    return Image.eval(image, lambda v: int(255 * min(1, max(0, (128 - v) / 48 + 0.5))))


def projector(region, size, scale=1):
    west, east, south, north = region

    def to_pixel(lon, lat):
        return ((lon - west) / (east - west) * size[0] * scale,
                (north - lat) / (north - south) * size[1] * scale)
    return to_pixel


def sea_colours(mask, deep, shallow, reach):
    """Sea deepening away from the coast: shallow colour near the land."""
    small = mask.resize((mask.width // SUPER, mask.height // SUPER), Image.BILINEAR)
    near = np.asarray(small.filter(ImageFilter.GaussianBlur(reach)), dtype=float) / 255
    near = np.clip(near * 2.2, 0, 1)
    near = np.asarray(Image.fromarray((near * 255).astype(np.uint8)).resize(mask.size, Image.BILINEAR),
                      dtype=float)[..., None] / 255
    return np.array(deep, dtype=float) * (1 - near) + np.array(shallow, dtype=float) * near


def coastline(mask, colour, width):
    edge = mask.filter(ImageFilter.MaxFilter(width * 2 + 1))
    ring = np.asarray(edge, dtype=float) - np.asarray(mask, dtype=float)
    return np.clip(ring / 255, 0, 1)[..., None], np.array(colour, dtype=float)


def texture(size, seed, amount):
    noise = fbm(size[1], size[0], seed, octaves=5, base=6)
    return 1 + (noise - 0.5) * 2 * amount


def finish(canvas, size):
    image = Image.fromarray(np.clip(canvas, 0, 255).astype(np.uint8))
    return image.resize(size, Image.LANCZOS)


def south_coast():
    spec = SOUTH_COAST
    size, region = spec['size'], spec['region']
    big = (size[0] * SUPER, size[1] * SUPER)
    mask = land_mask(region, size, 0.6)
    land = np.asarray(mask, dtype=float)[..., None] / 255
    to_px = projector(region, size, SUPER)

    sea = sea_colours(mask, (46, 104, 176), (112, 170, 214), 10)
    sea *= texture(big, 7, 0.04)[..., None]

    # Land: counties in their colours, the rest a quiet sand colour.
    regions = Image.new('L', big, 0)
    draw = ImageDraw.Draw(regions)
    names = list(COUNTIES)
    for index, name in enumerate(names, start=1):
        draw.polygon([to_px(*p) for p in COUNTIES[name]], fill=index)
    ids = np.asarray(regions)
    ground = np.empty(big[::-1] + (3,))
    ground[:] = OTHER_LAND
    for index, name in enumerate(names, start=1):
        ground[ids == index] = COUNTY_COLOURS[name]
    # Scilly belongs to none of the four: give the islands a warm sand green of their own.
    west_of_cornwall = np.zeros(big[::-1], dtype=bool)
    x_cut = int(to_px(-6.0, 50.0)[0])
    west_of_cornwall[:, :x_cut] = True
    ground[west_of_cornwall] = (188, 196, 120)
    uplands = Image.new('L', big, 0)
    up_draw = ImageDraw.Draw(uplands)
    for lon, lat, radius in UPLANDS:
        cx, cy = to_px(lon, lat)
        rx = to_px(lon + radius, lat)[0] - cx
        ry = rx * 0.64
        up_draw.ellipse([cx - rx, cy - ry, cx + rx, cy + ry], fill=110)
    uplands = np.asarray(uplands.filter(ImageFilter.GaussianBlur(12 * SUPER)), dtype=float)[..., None] / 255
    ground = ground * (1 - uplands) + np.array((150, 140, 96)) * uplands
    ground *= texture(big, 3, 0.07)[..., None]

    canvas = sea * (1 - land) + ground * land
    ring, ring_colour = coastline(mask, (30, 70, 120), SUPER)
    canvas = canvas * (1 - ring * 0.8) + ring_colour * ring * 0.8

    # County borders: dashed lines over the land only.
    borders = Image.new('L', big, 0)
    border_draw = ImageDraw.Draw(borders)
    for name in names:
        points = [to_px(*p) for p in COUNTIES[name]]
        for a, b in zip(points, points[1:] + points[:1]):
            length = np.hypot(b[0] - a[0], b[1] - a[1])
            steps = max(1, int(length / (6 * SUPER)))
            for k in range(0, steps, 2):
                t0, t1 = k / steps, min(1, (k + 1) / steps)
                border_draw.line([(a[0] + (b[0] - a[0]) * t0, a[1] + (b[1] - a[1]) * t0),
                                  (a[0] + (b[0] - a[0]) * t1, a[1] + (b[1] - a[1]) * t1)],
                                 fill=255, width=int(1.5 * SUPER))
    inland = np.asarray(mask.filter(ImageFilter.MinFilter(2 * SUPER + 1)), dtype=float) / 255
    line = (np.asarray(borders, dtype=float) / 255 * inland)[..., None]
    canvas = canvas * (1 - line * 0.75) + np.array((110, 60, 70)) * line * 0.75

    image = finish(canvas, size)
    # A scale bar in the free corner below the Scilly label.
    draw = ImageDraw.Draw(image)
    to_small = projector(region, size)
    x0, y0 = 24, 604
    x1 = x0 + (to_small(-5.0, 50.0)[0] - to_small(-5.0 - 50 / 71.6, 50.0)[0])  # 50 km
    draw.rectangle([x0, y0, x1, y0 + 5], fill=(255, 255, 255), outline=(20, 40, 80))
    draw.rectangle([x0, y0, (x0 + x1) / 2, y0 + 5], fill=(20, 40, 80))
    font = ImageFont.truetype('/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf', 13)
    draw.text((x0, y0 + 8), '0', fill=(255, 255, 255), font=font)
    draw.text((x1 - 30, y0 + 8), '50 km', fill=(255, 255, 255), font=font)
    return image


# The words of the South West map's key in each language: English, and Welsh for the Welsh
# topic's copy ("cy south coast.jpg"), named by its topic variant.
KEY_WORDS = {'': 'county border', 'cy ': 'ffin sir'}


def south_coast_key(image, words):
    """The key to the one line a pupil must tell from the coast: the dashed county border."""
    draw = ImageDraw.Draw(image)
    font = ImageFont.truetype('/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf', 13)
    kx, ky = 160, 628  # below the activity's Start Again button, which would hide half of it
    draw.rectangle([kx - 6, ky - 8, kx + 142, ky + 10], fill=(236, 230, 206), outline=(20, 40, 80))
    for k in range(3):
        draw.line([(kx + k * 10, ky + 1), (kx + k * 10 + 6, ky + 1)], fill=(110, 60, 70), width=2)
    assert kx + 34 + draw.textlength(words, font=font) <= kx + 138, words
    draw.text((kx + 34, ky - 7), words, fill=(20, 40, 80), font=font)


def scilly():
    spec = SCILLY
    size, region = spec['size'], spec['region']
    big = (size[0] * SUPER, size[1] * SUPER)
    mask = land_mask(region, size, 2.5)
    # Hugh Town stands on a sand bar too narrow for the coastline data: join the Garrison to
    # the rest of St Mary's by hand.
    to_px = projector(region, size, SUPER)
    cx, cy = to_px(-6.3172, 49.9138)
    rx, ry = 12 * SUPER, 5 * SUPER
    ImageDraw.Draw(mask).ellipse([cx - rx, cy - ry, cx + rx, cy + ry], fill=255)
    land = np.asarray(mask, dtype=float)[..., None] / 255

    # Turquoise shallows and sand flats between the islands, deep blue beyond.
    sea = sea_colours(mask, (38, 96, 168), (78, 168, 196), 16)
    sea *= texture(big, 17, 0.05)[..., None]

    # Islands: a rim of white sand and grey rock, heath and fields inland.
    inner = np.asarray(mask.filter(ImageFilter.MinFilter(4 * SUPER + 1)), dtype=float)[..., None] / 255
    inner_blur = np.asarray(Image.fromarray((inner[..., 0] * 255).astype(np.uint8))
                            .filter(ImageFilter.GaussianBlur(2 * SUPER)), dtype=float)[..., None] / 255
    heath = fbm(big[1], big[0], 23, octaves=5, base=10)[..., None]
    heath = heath ** 1.6
    green = np.array((108, 166, 82)) * (1 - heath) + np.array((146, 136, 92)) * heath
    rim = np.array((236, 222, 176))
    ground = rim * (1 - inner_blur) + green * inner_blur
    ground *= texture(big, 29, 0.06)[..., None]
    canvas = sea * (1 - land) + ground * land
    ring, ring_colour = coastline(mask, (40, 90, 130), SUPER // 2)
    canvas = canvas * (1 - ring * 0.6) + ring_colour * ring * 0.6
    image = finish(canvas, size)

    draw = ImageDraw.Draw(image)
    font = ImageFont.truetype('/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf', 14)
    # Compass, in open sea between the Atlantic label and the instructions.
    cx, cy, r = 772, 318, 22
    draw.polygon([(cx, cy - r), (cx + 7, cy), (cx, cy + r), (cx - 7, cy)], fill=(255, 255, 255),
                 outline=(20, 40, 80))
    draw.polygon([(cx, cy - r), (cx + 7, cy), (cx - 7, cy)], fill=(200, 40, 40))
    draw.text((cx - 5, cy - r - 18), 'N', fill=(255, 255, 255), font=font)
    # Scale bar, bottom left, below the St Agnes label.
    to_small = projector(region, size)
    x0, y0 = 44, 556
    km_px = to_small(-6.3 + 1 / 71.6, 49.9)[0] - to_small(-6.3, 49.9)[0]
    x1 = x0 + km_px
    draw.rectangle([x0, y0, x1, y0 + 5], fill=(255, 255, 255), outline=(20, 40, 80))
    draw.rectangle([x0, y0, (x0 + x1) / 2, y0 + 5], fill=(20, 40, 80))
    draw.text((x0, y0 + 8), '0', fill=(255, 255, 255), font=font)
    draw.text((x1 - 30, y0 + 8), '1 km', fill=(255, 255, 255), font=font)
    return image


# The labelling activities that place each map: the boxes come from their topic files.
MAP_ACTIVITIES = {'south coast.jpg': 'scilly1lab', 'scilly.jpg': 'scilly2lab'}


def screen_check(image, form, file):
    """The map as the pupil sees it on the screen, placed as activity form places it, with
    the target boxes outlined (yellow), the items' starting places (white) and the texts'
    boxes (cyan)."""
    ox, oy = picture_at(form, 'Images/' + file)
    screen = Image.new('RGB', (800, 600), (39, 63, 137))
    screen.paste(image, (ox // 15, oy // 15))
    draw = ImageDraw.Draw(screen)

    def outline(left, top, width, height, colour, thickness=1):
        draw.rectangle([left / 15, top / 15, (left + width) / 15, (top + height) / 15], outline=colour, width=thickness)

    for box in target_boxes(form):
        outline(*box, (255, 255, 0), 2)
    act = activity(form)
    width, height = act['itemSize']
    for item in act['items']:
        outline(*item['start'], width, height, (255, 255, 255))
    for label in act['labels']:
        outline(*label['box'], (0, 255, 255))
    return screen


def main(out_dir, check_dir=None):
    os.makedirs(out_dir, exist_ok=True)
    for spec, make, key in ((SOUTH_COAST, south_coast, south_coast_key), (SCILLY, scilly, None)):
        base = make()
        # A map with words in its key is drawn once for each language; one without, once.
        for prefix, words in (KEY_WORDS.items() if key else [('', None)]):
            image = base.copy()
            if key:
                key(image, words)
            assert image.size == spec['size']
            image.save(os.path.join(out_dir, prefix + spec['file']), quality=88, optimize=True)
            if check_dir:
                os.makedirs(check_dir, exist_ok=True)
                screen_check(image, MAP_ACTIVITIES[spec['file']], spec['file']).save(
                    os.path.join(check_dir, 'check ' + prefix + spec['file'][:-4] + '.png'))


if __name__ == '__main__':
    main(*sys.argv[1:])
