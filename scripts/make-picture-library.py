#!/usr/bin/python3
"""Draws the picture library of the application folder (data/Images).

    Alphabets/       A.png ... Z.png: decorative initials, 300 x 300 px
    Angles/          corner ornaments, each in its four orientations
    Images de fond/  card backgrounds, 1008 x 640 px (85 x 54 mm at 300 dpi)

Everything is drawn here from fixed seeds, so running the script again
gives the same pictures; the pictures are committed and the build only
copies data/. The letters are set in Linux Libertine; every ornament,
pattern and texture is drawn by this script.

Debian packages: python3-pil python3-numpy fonts-linuxlibertine
Run from anywhere:  /usr/bin/python3 scripts/make-picture-library.py
(use Debian's interpreter: it is the one that sees python3-pil). It
replaces the .png and .jpg files of the three folders and prints their
sizes.
"""

import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "Images")
FONT_DIR = "/usr/share/fonts/opentype/linux-libertine"
SS = 4  # supersampling factor for shapes drawn without antialiasing


# --------------------------------------------------------------- helpers

def hexrgb(code):
    code = code.lstrip("#")
    return np.array([int(code[i:i + 2], 16) / 255.0 for i in (0, 2, 4)], dtype=np.float32)


def blend(c1, c2, t):
    """Colour ramp between two colours; t is a number or an array."""
    t = np.asarray(t, dtype=np.float32)[..., None]
    return hexrgb(c1) * (1 - t) + hexrgb(c2) * t


def ramp(stops, t):
    """Colour at t (array in 0..1) along [(position, '#rrggbb'), ...]."""
    t = np.clip(np.asarray(t, dtype=np.float32), 0, 1)
    out = np.zeros(t.shape + (3,), dtype=np.float32)
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        inside = (t >= p0) & (t <= p1)
        local = (t - p0) / max(p1 - p0, 1e-6)
        out[inside] = blend(c0, c1, local)[inside]
    return out


class Canvas:
    """Premultiplied RGBA picture in floats, painted layer over layer."""

    def __init__(self, w, h, rgb=None):
        self.w, self.h = w, h
        self.px = np.zeros((h, w, 4), dtype=np.float32)
        if rgb is not None:
            self.paint(rgb, 1.0)

    def paint(self, rgb, alpha):
        rgb = np.broadcast_to(np.asarray(rgb, dtype=np.float32), (self.h, self.w, 3))
        a = np.broadcast_to(np.asarray(alpha, dtype=np.float32), (self.h, self.w))[..., None]
        self.px[..., :3] = rgb * a + self.px[..., :3] * (1 - a)
        self.px[..., 3:] = a + self.px[..., 3:] * (1 - a)

    def image(self, size=None):
        a = self.px[..., 3:]
        rgb = np.where(a > 1e-6, self.px[..., :3] / np.maximum(a, 1e-6), 0)
        arr = np.concatenate([rgb, a], axis=2)
        img = Image.fromarray(np.round(np.clip(arr, 0, 1) * 255).astype(np.uint8), "RGBA")
        if size and size != img.size:
            img = img.resize(size, Image.LANCZOS)
        return img


def new_mask(w, h):
    img = Image.new("L", (w, h), 0)
    return img, ImageDraw.Draw(img)


def arr(mask_img):
    return np.asarray(mask_img, dtype=np.float32) / 255.0


def blurred(mask_img, radius):
    return mask_img.filter(ImageFilter.GaussianBlur(radius))


def grown(mask_img, pixels):
    """Mask dilated by about `pixels` (odd MaxFilter sizes, applied in steps)."""
    out = mask_img
    while pixels > 0:
        step = min(pixels, 4)
        out = out.filter(ImageFilter.MaxFilter(2 * step + 1))
        pixels -= step
    return out


def stroke(draw, points, width, fill=255):
    """Polyline with round joins and ends."""
    pts = [(float(x), float(y)) for x, y in points]
    draw.line(pts, fill=fill, width=int(round(width)), joint="curve")
    r = width / 2.0
    for x, y in (pts[0], pts[-1]):
        draw.ellipse((x - r, y - r, x + r, y + r), fill=fill)


def taper(draw, points, w0, w1, fill=255):
    """Stroke whose width goes from w0 to w1 along the path."""
    n = len(points)
    for i, (x, y) in enumerate(points):
        r = (w0 + (w1 - w0) * i / max(n - 1, 1)) / 2.0
        draw.ellipse((x - r, y - r, x + r, y + r), fill=fill)
    for i in range(n - 1):
        w = w0 + (w1 - w0) * i / max(n - 1, 1)
        draw.line([points[i], points[i + 1]], fill=fill, width=max(1, int(round(w))))


def spiral(cx, cy, r0, r1, a0, turns, steps=120, direction=1):
    """Points of a spiral around (cx, cy) from radius r0 to r1."""
    pts = []
    for i in range(steps + 1):
        t = i / steps
        a = a0 + direction * turns * 2 * math.pi * t
        r = r0 + (r1 - r0) * t
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def bezier(p0, p1, p2, p3, steps=60):
    pts = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        x = u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0]
        y = u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]
        pts.append((x, y))
    return pts


def leaf(draw, x, y, angle, length, width, fill=255):
    """Almond-shaped leaf from (x, y) pointing along `angle`."""
    pts = []
    n = 24
    for i in range(n + 1):
        t = i / n
        pts.append((t * length, math.sin(t * math.pi) ** 0.8 * width / 2))
    for i in range(n, -1, -1):
        t = i / n
        pts.append((t * length, -math.sin(t * math.pi) ** 0.8 * width / 2))
    ca, sa = math.cos(angle), math.sin(angle)
    draw.polygon([(x + px * ca - py * sa, y + px * sa + py * ca) for px, py in pts], fill=fill)


def value_noise(w, h, cell, rs):
    """Smooth random field in 0..1 with features about `cell` pixels wide."""
    gw, gh = max(2, int(w / cell) + 3), max(2, int(h / cell) + 3)
    grid = Image.fromarray((rs.rand(gh, gw) * 255).astype(np.uint8), "L")
    big = grid.resize((int(gw * cell), int(gh * cell)), Image.BICUBIC)
    ox, oy = int(cell), int(cell)
    return arr(big.crop((ox, oy, ox + w, oy + h)))


def fractal_noise(w, h, cell, octaves, rs, gain=0.5):
    total = np.zeros((h, w), dtype=np.float32)
    amp, norm = 1.0, 0.0
    for _ in range(octaves):
        total += amp * value_noise(w, h, max(cell, 1.5), rs)
        norm += amp
        amp *= gain
        cell /= 2
    return total / norm


def grain(w, h, rs, amount):
    """Fine zero-centred noise, also used as dithering for soft gradients."""
    return (rs.rand(h, w).astype(np.float32) - 0.5) * amount


def save_png(img, path, colours=None):
    if colours:
        img = img.quantize(colours, method=Image.FASTOCTREE, dither=Image.NONE)
    img.save(path, optimize=True, compress_level=9)


def save_jpg(img, path, quality=92):
    img.convert("RGB").save(path, quality=quality, subsampling=0, optimize=True)


def clear_folder(folder):
    os.makedirs(folder, exist_ok=True)
    for name in os.listdir(folder):
        if name.lower().endswith((".png", ".jpg")):
            os.remove(os.path.join(folder, name))


# --------------------------------------------------------------- letters

LETTER_SIZE = 300
GOLD = [(0.0, "#fff4c2"), (0.42, "#e3bb55"), (0.52, "#a8741d"), (0.75, "#d9a840"), (1.0, "#f7dc85")]


def shifted(a, dx, dy):
    out = np.zeros_like(a)
    h, w = a.shape
    out[max(dy, 0):h + min(dy, 0), max(dx, 0):w + min(dx, 0)] = \
        a[max(-dy, 0):h + min(-dy, 0), max(-dx, 0):w + min(-dx, 0)]
    return out


def notched_square(size, inset, notch):
    """Square inset by `inset` with concave quarter circles at its corners."""
    img, d = new_mask(size, size)
    d.rectangle((inset, inset, size - 1 - inset, size - 1 - inset), fill=255)
    r = notch + inset
    for cx in (0, size):
        for cy in (0, size):
            d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=0)
    return img


def scroll_quadrant(draw, s):
    """One quarter of the foliage behind an initial, top-left, in units of s."""
    def branch(p):
        # along the edge: a stem from the corner ending in a curl, a tendril
        # curling the other way, leaves on both sides and a few berries
        stem = bezier((44, 38), (66, 24), (96, 22), (118, 36))
        taper(draw, [p(x, y) for x, y in stem], 3.4 * s, 2.2 * s)
        curl = spiral(122, 56, 20, 3, -math.pi * 0.62, 1.25)
        taper(draw, [p(x, y) for x, y in curl], 2.2 * s, 1.0 * s)
        tendril = bezier((78, 25), (84, 40), (72, 52), (64, 48))
        taper(draw, [p(x, y) for x, y in tendril], 1.8 * s, 1.0 * s)
        small = spiral(60, 44, 6, 1.5, -math.pi * 0.1, 0.9, direction=-1)
        taper(draw, [p(x, y) for x, y in small], 1.2 * s, 0.8 * s)
        for (x, y, a, ln, wd) in ((56, 28, -2.4, 16, 7), (68, 25, -0.9, 15, 6.5),
                                  (92, 24, -2.6, 14, 6), (104, 27, 0.2, 13, 5.5),
                                  (140, 44, 1.9, 10, 4.5)):
            px, py = p(x, y)
            qx, qy = p(x + math.cos(a), y + math.sin(a))
            leaf(draw, px, py, math.atan2(qy - py, qx - px), ln * s, wd * s)
        for (x, y, r) in ((112, 66, 2.6), (118, 72, 2.2), (106, 73, 2.0)):
            px, py = p(x, y)
            draw.ellipse((px - r * s, py - r * s, px + r * s, py + r * s), fill=255)

    branch(lambda x, y: (x * s, y * s))
    branch(lambda x, y: (y * s, x * s))
    # towards the middle: a short branch with a pair of leaves and a curl
    diag = bezier((42, 42), (50, 46), (56, 52), (66, 70))
    taper(draw, [(x * s, y * s) for x, y in diag], 3.0 * s, 1.6 * s)
    curl = spiral(74, 66, 9, 2, math.pi, 1.0, direction=-1)
    taper(draw, [(x * s, y * s) for x, y in curl], 1.6 * s, 0.9 * s)
    leaf(draw, 54 * s, 50 * s, 1.25, 15 * s, 6.5 * s)
    leaf(draw, 54 * s, 50 * s, 0.35, 15 * s, 6.5 * s)
    # a fleuron in the corner
    c = 42 * s
    for a in range(4):
        leaf(draw, c, c, a * math.pi / 2 + math.pi / 4, 12 * s, 7 * s)
    draw.ellipse((c - 5 * s, c - 5 * s, c + 5 * s, c + 5 * s), fill=255)


def letter_tile(ch, font_path):
    n = LETTER_SIZE * SS
    s = SS
    cv = Canvas(n, n)
    tile = notched_square(n, 0, 26 * s)

    # ground: a deep red, lighter towards the centre
    yy, xx = np.mgrid[0:n, 0:n].astype(np.float32) / n
    rad = np.sqrt((xx - 0.45) ** 2 + (yy - 0.42) ** 2) / 0.7
    cv.paint(ramp([(0, "#8c2433"), (0.6, "#621421"), (1, "#3d0913")], rad), arr(tile))

    # foliage, mirrored into the four quarters
    fol, d = new_mask(n, n)
    scroll_quadrant(d, s)
    quarter = np.asarray(fol)
    full = np.maximum.reduce([quarter, quarter[:, ::-1], quarter[::-1, :], quarter[::-1, ::-1]])
    inner = arr(notched_square(n, 16 * s, 26 * s))
    cv.paint(hexrgb("#d9a84a"), full / 255.0 * 0.42 * inner)

    # frame: a gold band along the edge and a fine line inside it
    band = arr(tile) - arr(notched_square(n, 7 * s, 26 * s))
    line = arr(notched_square(n, 12 * s, 26 * s)) - arr(notched_square(n, 14 * s, 26 * s))
    gold = ramp(GOLD, yy)
    cv.paint(gold, np.clip(band, 0, 1))
    cv.paint(gold, np.clip(line, 0, 1))

    # the letter, centred on its own outline (a little high, for its
    # shadow), at one size for the whole set: smaller only where a wide
    # one would touch the frame
    size = 290 * s
    l, t, r, b = ImageFont.truetype(font_path, size).getbbox(ch)
    size = int(size * min(1.0, 226 * s / (r - l), 236 * s / (b - t)))
    font = ImageFont.truetype(font_path, size)
    glyph, d = new_mask(n * 2, n * 2)
    d.text((n // 2, n // 2), ch, font=font, fill=255)
    box = glyph.getbbox()
    gx, gy = (box[0] + box[2]) // 2, (box[1] + box[3]) // 2
    glyph = glyph.crop((gx - n // 2, gy - n // 2 + 4 * s, gx + n // 2, gy + n // 2 + 4 * s))
    g = arr(glyph)
    shadow = arr(blurred(glyph, 4 * s))
    cv.paint(hexrgb("#1a0306"), shifted(shadow, 5 * s, 6 * s) * 0.6 * arr(tile))
    cv.paint(hexrgb("#2b0d06"), arr(grown(glyph, 3 * s)))
    cv.paint(ramp(GOLD, (yy - 0.2) / 0.6), g)
    edge = 2 * s
    cv.paint(hexrgb("#fffbe6"), np.clip(g - shifted(g, edge, edge), 0, 1) * 0.75)
    cv.paint(hexrgb("#5a3508"), np.clip(g - shifted(g, -edge, -edge), 0, 1) * 0.55)
    return cv.image((LETTER_SIZE, LETTER_SIZE))


def make_letters(folder):
    font = os.path.join(FONT_DIR, "LinLibertine_RB.otf")
    for ch in "ABCDEFGHIJKLMNOPQRSTUVWXYZ":
        save_png(letter_tile(ch, font), os.path.join(folder, ch + ".png"))


# --------------------------------------------------------------- corners

CORNER_SIZE = 160
ORIENTATIONS = [("haut gauche", []),
                ("haut droit", [Image.FLIP_LEFT_RIGHT]),
                ("bas gauche", [Image.FLIP_TOP_BOTTOM]),
                ("bas droit", [Image.FLIP_LEFT_RIGHT, Image.FLIP_TOP_BOTTOM])]


class Ink:
    """Masks drawn at the supersampled size, one per colour, in order."""

    def __init__(self):
        self.n = CORNER_SIZE * SS
        self.layers = []
        self.pearls = []  # (x, y, radius): shaded after any turn

    def mask(self, colour, alpha=1.0):
        img, draw = new_mask(self.n, self.n)
        self.layers.append((colour, alpha, img))
        return draw

    def scale(self, points):
        return [(x * SS, y * SS) for x, y in points]

    def canvas(self, flips):
        """The ornament turned by `flips`, lit from the top left whatever
        its orientation."""
        cv = Canvas(self.n, self.n)
        yy, xx = np.mgrid[0:self.n, 0:self.n].astype(np.float32)
        for colour, alpha, img in self.layers:
            for f in flips:
                img = img.transpose(f)
            rgb = ramp(colour, yy / self.n * 1.6) if isinstance(colour, list) else hexrgb(colour)
            cv.paint(rgb, arr(img) * alpha)
        for cx, cy, r in self.pearls:
            if Image.FLIP_LEFT_RIGHT in flips:
                cx = CORNER_SIZE - cx
            if Image.FLIP_TOP_BOTTOM in flips:
                cy = CORNER_SIZE - cy
            dist = np.hypot(xx / SS - cx, yy / SS - cy)
            disc = np.clip(r - dist + 0.5, 0, 1)
            light = np.hypot(xx / SS - (cx - r * 0.35), yy / SS - (cy - r * 0.4)) / (r * 1.45)
            cv.paint(ramp(PEARL, light), disc)
        return cv


def both_edges(fn):
    """Draws fn(p) once along the top edge and once, mirrored, down the left."""
    fn(lambda x, y: (x * SS, y * SS))
    fn(lambda x, y: (y * SS, x * SS))


def at(p, x, y, angle):
    """Point and direction of a leaf placed through the mirror p."""
    px, py = p(x, y)
    qx, qy = p(x + math.cos(angle), y + math.sin(angle))
    return px, py, math.atan2(qy - py, qx - px)


OLD_GOLD = [(0, "#c99a3c"), (0.5, "#8c6420"), (1, "#b0842e")]


def corner_filigree(ink):
    d = ink.mask(OLD_GOLD)

    def half(p):
        line = [(20, 12), (60, 10), (110, 10), (152, 12)]
        taper(d, [p(x, y) for x, y in bezier(*line)], 2.6 * SS, 0.6 * SS)
        big = spiral(50, 30, 16, 2.5, math.pi * 1.05, 1.35, steps=160, direction=1)
        taper(d, [p(x, y) for x, y in bezier((16, 20), (20, 40), (34, 48), (44, 46))], 2.4 * SS, 2.0 * SS)
        taper(d, [p(x, y) for x, y in big], 2.0 * SS, 0.9 * SS)
        mid = spiral(96, 22, 8, 1.5, math.pi * 0.2, 1.2, steps=120, direction=1)
        taper(d, [p(x, y) for x, y in bezier((76, 11), (86, 12), (100, 12), (104, 20))], 1.4 * SS, 1.2 * SS)
        taper(d, [p(x, y) for x, y in mid], 1.2 * SS, 0.7 * SS)
        small = spiral(126, 17, 4.5, 1, math.pi * 0.3, 1.1, steps=80, direction=-1)
        taper(d, [p(x, y) for x, y in small], 1.0 * SS, 0.6 * SS)
        for x, y, a, ln, wd in ((68, 14, 0.5, 11, 4.5), (62, 16, 2.2, 9, 3.8), (114, 13, 0.35, 8, 3.4)):
            px, py, ang = at(p, x, y, a)
            leaf(d, px, py, ang, ln * SS, wd * SS)

    both_edges(half)
    # on the diagonal: a drop between the two scrolls and a bead
    leaf(d, 20 * SS, 20 * SS, math.pi / 4, 26 * SS, 9 * SS)
    leaf(d, 24 * SS, 24 * SS, math.pi / 4 + 0.7, 14 * SS, 5 * SS)
    leaf(d, 24 * SS, 24 * SS, math.pi / 4 - 0.7, 14 * SS, 5 * SS)
    d.ellipse([v * SS for v in (50, 50, 56, 56)], fill=255)
    d.ellipse([v * SS for v in (7, 7, 15, 15)], fill=255)


def corner_art_deco(ink):
    navy = ink.mask("#1f2b47")
    for k, o in enumerate((8, 15, 22)):
        end = 152 - 18 * k
        pts = [(end, o), (o + 26, o), (o + 26, o + 13), (o + 13, o + 13), (o + 13, o + 26), (o, o + 26), (o, end)]
        stroke(navy, ink.scale(pts), (2.6 if k == 0 else 1.5) * SS)
    # a sunburst opening from the innermost step
    gold = ink.mask(OLD_GOLD)
    cx, cy, r = 35, 35, 40
    box = [v * SS for v in (cx - r, cy - r, cx + r, cy + r)]
    for i in range(9):
        if i % 2 == 0:
            gold.pieslice(box, i * 10 + 1.5, i * 10 + 8.5, fill=255)
    hole = [v * SS for v in (cx - 14, cy - 14, cx + 14, cy + 14)]
    gold.pieslice(hole, 0, 90, fill=0)
    gold.pieslice([v * SS for v in (cx - 9, cy - 9, cx + 9, cy + 9)], 0, 90, fill=255)
    stroke(gold, ink.scale([(cx + r + 6, cy), (cx + r + 66, cy)]), 1.2 * SS)
    stroke(gold, ink.scale([(cx, cy + r + 6), (cx, cy + r + 66)]), 1.2 * SS)
    for x, y in ((cx + r + 70, cy), (cx, cy + r + 70)):
        gold.polygon(ink.scale([(x - 4, y), (x, y - 4), (x + 4, y), (x, y + 4)]), fill=255)


def flower(ink, cx, cy, r, petals, colour, heart, turn=0.0):
    d = ink.mask(colour)
    for i in range(petals):
        leaf(d, cx * SS, cy * SS, turn + i * 2 * math.pi / petals, r * SS, r * 0.9 * SS)
    shade = ink.mask("#ffffff", 0.35)
    for i in range(petals):
        leaf(shade, cx * SS, cy * SS, turn + i * 2 * math.pi / petals, r * 0.55 * SS, r * 0.35 * SS)
    c = ink.mask(heart)
    c.ellipse([v * SS for v in (cx - r * 0.28, cy - r * 0.28, cx + r * 0.28, cy + r * 0.28)], fill=255)


def corner_floral(ink):
    stem = ink.mask("#4d7a3f")

    def half(p):
        path = bezier((26, 22), (60, 6), (100, 24), (146, 12))
        taper(stem, [p(x, y) for x, y in path], 2.6 * SS, 1.0 * SS)
        twig = bezier((84, 17), (92, 26), (102, 30), (110, 28))
        taper(stem, [p(x, y) for x, y in twig], 1.4 * SS, 0.8 * SS)
        for x, y, a, ln, wd in ((50, 13, -0.6, 16, 7.5), (64, 12, 0.9, 15, 7), (96, 20, -0.9, 13, 6.5),
                                (122, 18, 0.7, 12, 5.5), (138, 14, -0.7, 9, 4.5)):
            px, py, ang = at(p, x, y, a)
            leaf(stem, px, py, ang, ln * SS, wd * SS)

    both_edges(half)
    flower(ink, 26, 26, 19, 5, "#c9557a", "#f3c74f", turn=0.3)
    for x, y in ((112, 29), (29, 112)):
        flower(ink, x, y, 8, 5, "#e08aa5", "#f3c74f", turn=0.6)


def corner_double_rule(ink):
    d = ink.mask("#2e2e2e")
    stroke(d, ink.scale([(152, 8), (8, 8), (8, 152)]), 3.0 * SS)
    stroke(d, ink.scale([(140, 15), (30, 15), (30, 30), (15, 30), (15, 140)]), 1.2 * SS)
    d.rectangle([v * SS for v in (15, 15, 30, 30)], outline=255, width=int(1.2 * SS))
    d.polygon(ink.scale([(42, 35), (49, 42), (42, 49), (35, 42)]), fill=255)
    for x, y in ((148, 15), (15, 148)):
        d.ellipse([v * SS for v in (x - 2.5, y - 2.5, x + 2.5, y + 2.5)], fill=255)


def corner_dots(ink):
    d = ink.mask("#2a7f8a")
    step = 10.5
    for i in range(14):
        for j in range(14):
            k = i + j if i and j else max(i, j) * 0.62
            if i + j == 0:
                k = 0
            r = 4.6 - 0.42 * k
            if r < 0.9:
                continue
            x, y = 10 + i * step, 10 + j * step
            d.ellipse([v * SS for v in (x - r, y - r, x + r, y + r)], fill=255)


def corner_laurel(ink):
    green = ink.mask("#5b7a3a")
    light = ink.mask("#7f9f55")

    def half(p):
        path = bezier((18, 18), (50, 8), (100, 14), (152, 12))
        taper(green, [p(x, y) for x, y in path], 2.0 * SS, 0.8 * SS)
        for i, x in enumerate(range(32, 146, 15)):
            ln = 15 - i * 1.1
            y = 12
            for side, ink_ in ((-1, green), (1, light)):
                px, py, ang = at(p, x + side * 2, y, side * 0.85)
                leaf(ink_, px, py, ang, ln * SS, ln * 0.4 * SS)

    both_edges(half)
    berries = ink.mask("#7a2f3a")
    for x, y in ((26, 26), (33, 21), (21, 33), (36, 30), (30, 36)):
        berries.ellipse([v * SS for v in (x - 3.2, y - 3.2, x + 3.2, y + 3.2)], fill=255)


def corner_geometric(ink):
    a = ink.mask("#3b4a6b", 0.92)
    a.polygon(ink.scale([(0, 0), (124, 0), (0, 124)]), fill=255)
    b = ink.mask("#e07a5f", 0.9)
    b.polygon(ink.scale([(0, 0), (84, 0), (0, 84)]), fill=255)
    c = ink.mask("#f2cc8f", 0.95)
    c.polygon(ink.scale([(0, 0), (44, 0), (0, 44)]), fill=255)
    line = ink.mask("#3b4a6b")
    stroke(line, ink.scale([(148, 0), (0, 148)]), 1.4 * SS)
    for t in (0.72, 0.8, 0.88):
        x, y = 148 * t + 4, 148 * (1 - t) + 4
        line.ellipse([v * SS for v in (x - 1.8, y - 1.8, x + 1.8, y + 1.8)], fill=255)
        line.ellipse([v * SS for v in (y - 1.8, x - 1.8, y + 1.8, x + 1.8)], fill=255)


def corner_waves(ink):
    # three parallel lines turn round the corner on concentric arcs and
    # ripple, in step with each other, along both edges
    centre, end = 44.0, 154.0
    for offset, colour, width in ((9, "#2f5d8a", 2.6), (17, "#4f86b8", 2.0), (25, "#8cb8dc", 1.5)):
        d = ink.mask(colour)
        radius = centre - offset
        arc = []
        for i in range(61):
            a = math.pi + (math.pi / 2) * i / 60
            arc.append((centre + radius * math.cos(a), centre + radius * math.sin(a)))
        for p in (lambda x, y: (x, y), lambda x, y: (y, x)):
            pts = []
            for i in range(0, 221):
                x = centre + (end - centre) * i / 220
                u = x - centre
                amp = 2.8 * min(1.0, u / 14) * (1 - 0.5 * u / (end - centre))
                pts.append(p(x, offset + amp * math.sin(u / 6.5)))
            taper(d, [(x * SS, y * SS) for x, y in pts], width * SS, 0.6 * SS)
        stroke(d, [(x * SS, y * SS) for x, y in arc], width * SS)


PEARL = [(0.0, "#ffffff"), (0.35, "#f1eee8"), (0.8, "#b9b4c4"), (1.0, "#8c8799")]


def corner_pearls(ink):
    spots = [(13.0, 13.0, 10.0)]
    x, r = 13 + 10 + 1.5, 7.0
    while x + 2 * r < 158 and r > 2.4:
        spots.append((x + r, 13.0, r))
        spots.append((13.0, x + r, r))
        x += 2 * r + 1.5
        r *= 0.92
    chain = ink.mask(OLD_GOLD)
    stroke(chain, ink.scale([(x, 13), (13, 13), (13, x)]), 0.9 * SS)
    ink.pearls = spots


CORNERS = [("filigrane", corner_filigree), ("art déco", corner_art_deco), ("floral", corner_floral),
           ("double filet", corner_double_rule), ("pointillé", corner_dots), ("laurier", corner_laurel),
           ("géométrique", corner_geometric), ("vagues", corner_waves), ("perles", corner_pearls)]


def make_corners(folder):
    for name, fn in CORNERS:
        ink = Ink()
        fn(ink)
        for where, flips in ORIENTATIONS:
            img = ink.canvas(flips).image((CORNER_SIZE, CORNER_SIZE))
            # flat inks: a palette of 256 colours loses nothing visible
            save_png(img, os.path.join(folder, "Angle %s %s.png" % (name, where)), colours=256)


# ----------------------------------------------------------- backgrounds

BG_W, BG_H = 1008, 640  # 85 x 54 mm at 300 dpi


def grid():
    """Coordinates u (0..1 left to right) and v (0..BG_H/BG_W top to bottom)."""
    yy, xx = np.mgrid[0:BG_H, 0:BG_W].astype(np.float32)
    return xx / BG_W, yy / BG_W


def stretched_noise(w, h, cell_x, cell_y, rs):
    """Random field with features cell_x by cell_y pixels (threads, fibres)."""
    gw, gh = int(w / cell_x) + 3, int(h / cell_y) + 3
    small = Image.fromarray((rs.rand(gh, gw) * 255).astype(np.uint8), "L")
    big = small.resize((int(gw * cell_x), int(gh * cell_y)), Image.BICUBIC)
    return arr(big.crop((int(cell_x), int(cell_y), int(cell_x) + w, int(cell_y) + h)))


def vignette(u, v, strength, softness=0.55):
    cx, cy = 0.5, BG_H / BG_W / 2
    d = np.sqrt(((u - cx) / 0.5) ** 2 + ((v - cy) / cy) ** 2) / math.sqrt(2)
    return 1 - strength * np.clip((d - (1 - softness)) / softness, 0, 1) ** 2


def to_image(rgb, rs, dither=1.2):
    """Float picture to 8 bits, with a little noise so gradients do not band."""
    rgb = rgb + grain(BG_W, BG_H, rs, dither / 255.0)[..., None]
    return Image.fromarray(np.round(np.clip(rgb, 0, 1) * 255).astype(np.uint8), "RGB")


def soft_gradient(c0, c1, c2, seed):
    rs = np.random.RandomState(seed)
    u, v = grid()
    t = np.clip(0.62 * u + 0.9 * v, 0, 1)
    rgb = ramp([(0, c0), (0.55, c1), (1, c2)], t)
    glow = np.exp(-(((u - 0.28) / 0.35) ** 2 + ((v - 0.18) / 0.3) ** 2))
    rgb = rgb + (1 - rgb) * glow[..., None] * 0.35
    return to_image(rgb, rs, 2.0)


def bg_sky():
    return soft_gradient("#f4f9fd", "#d6e8f6", "#a9cbe8", 11)


def bg_peach():
    return soft_gradient("#fffaf4", "#fbe1cc", "#f2b994", 12)


def bg_sage():
    return soft_gradient("#f7f9f2", "#dfe8d3", "#b7c9a5", 13)


def paper_fibres(rs, amount):
    fine = fractal_noise(BG_W, BG_H, 6, 2, rs) - 0.5
    fibres = stretched_noise(BG_W, BG_H, 14, 1.2, rs) - 0.5
    return amount * (fine + 0.6 * fibres)


def bg_parchment():
    rs = np.random.RandomState(21)
    u, v = grid()
    cloud = fractal_noise(BG_W, BG_H, 320, 6, rs)
    spots = fractal_noise(BG_W, BG_H, 90, 4, rs)
    t = np.clip((cloud - 0.3) / 0.45, 0, 1)
    rgb = ramp([(0, "#e2c796"), (0.5, "#eedcb5"), (1, "#f8efd9")], t)
    stain = np.clip((spots - 0.6) / 0.12, 0, 1) * 0.06
    rgb = rgb * (1 - stain[..., None] * np.array([0.6, 0.9, 1.3], dtype=np.float32))
    rgb = rgb + paper_fibres(rs, 0.05)[..., None]
    edge = fractal_noise(BG_W, BG_H, 60, 3, rs)
    burn = 1 - vignette(u, v, 1.0, 0.4) + (edge - 0.5) * 0.25
    rgb = rgb * (1 - np.clip(burn, 0, 1)[..., None] * np.array([0.32, 0.4, 0.55], dtype=np.float32))
    return to_image(rgb, rs)


def linen(base, seed, contrast=1.0):
    rs = np.random.RandomState(seed)
    weft = stretched_noise(BG_W, BG_H, 60, 1.6, rs)
    warp = stretched_noise(BG_W, BG_H, 1.6, 60, rs)
    slubs = np.clip((stretched_noise(BG_W, BG_H, 90, 2.0, rs) - 0.72) * 4, 0, 1)
    yy, xx = np.mgrid[0:BG_H, 0:BG_W].astype(np.float32)
    weave = np.sin(xx * math.pi / 1.5) * np.sin(yy * math.pi / 1.5)
    cloud = fractal_noise(BG_W, BG_H, 200, 3, rs) - 0.5
    t = 0.5 * (weft + warp) - 0.5 + 0.05 * weave + 0.35 * slubs + 0.25 * cloud
    rgb = hexrgb(base) * (1 + 0.16 * contrast * t)[..., None]
    return to_image(rgb, rs, 1.0)


def bg_linen():
    return linen("#ece6da", 31)


def bg_laid_paper():
    rs = np.random.RandomState(41)
    u, v = grid()
    yy, xx = np.mgrid[0:BG_H, 0:BG_W].astype(np.float32)
    laid = 0.5 + 0.5 * np.sin(yy * 2 * math.pi / 5.0 + (fractal_noise(BG_W, BG_H, 120, 2, rs) - 0.5) * 2)
    chain = np.exp(-((np.mod(xx + 30, 112) - 56) / 2.2) ** 2)
    cloud = fractal_noise(BG_W, BG_H, 260, 4, rs) - 0.5
    t = -0.018 * laid - 0.03 * chain + 0.05 * cloud + paper_fibres(rs, 0.025)
    rgb = hexrgb("#f7f1e1") * (1 + t)[..., None]
    return to_image(rgb, rs)


def bg_kraft():
    rs = np.random.RandomState(51)
    cloud = fractal_noise(BG_W, BG_H, 240, 4, rs) - 0.5
    fibres = stretched_noise(BG_W, BG_H, 22, 1.3, rs) - 0.5
    flecks = np.clip((fractal_noise(BG_W, BG_H, 3, 1, rs) - 0.78) * 6, 0, 1)
    t = 0.12 * cloud + 0.09 * fibres + paper_fibres(rs, 0.05) - 0.12 * flecks
    rgb = hexrgb("#b8956a") * (1 + t)[..., None]
    return to_image(rgb, rs)


def bg_marble():
    rs = np.random.RandomState(61)
    u, v = grid()
    turb = fractal_noise(BG_W, BG_H, 260, 6, rs)
    phase = (u * 1.6 + v * 2.4) * 7 + turb * 9
    veins = np.abs(np.sin(phase)) ** 0.18
    fine = np.abs(np.sin(phase * 2.7 + turb * 5)) ** 0.1
    strength = 0.35 + 0.9 * fractal_noise(BG_W, BG_H, 350, 2, rs)
    t = ((1 - veins) * 0.55 + (1 - fine) * 0.2) * strength
    rgb = ramp([(0, "#fbfbfa"), (0.5, "#e3e4e6"), (1, "#a9adb3")], np.clip(t + (turb - 0.5) * 0.2, 0, 1))
    return to_image(rgb, rs)


def bg_watercolour():
    rs = np.random.RandomState(71)
    u, v = grid()
    vh = BG_H / BG_W
    paper = 1 + paper_fibres(rs, 0.03)
    rgb = np.ones((BG_H, BG_W, 3), dtype=np.float32) * hexrgb("#fdfcf9") * paper[..., None]
    # pale washes in three corners, each darker along its drying edge
    washes = [("#e9b3c2", 1.0, 0.0, 0.36), ("#9cc3e0", 0.98, vh, 0.34), ("#c9dcb0", 0.02, vh, 0.24)]
    for colour, cx, cy, r in washes:
        shape = fractal_noise(BG_W, BG_H, 140, 4, rs)
        d = np.sqrt((u - cx) ** 2 + (v - cy) ** 2) / r
        field = 1 - d + (shape - 0.5) * 0.55
        body = np.clip(field / 0.6, 0, 1) * 0.45
        rim = np.exp(-(field / 0.025) ** 2) * 0.18
        pigment = np.clip(body + rim, 0, 0.8) * (0.75 + 0.5 * fractal_noise(BG_W, BG_H, 30, 3, rs))
        rgb = rgb * (1 - pigment[..., None] * (1 - hexrgb(colour)))
    return to_image(rgb, rs)


def bg_waves():
    rs = np.random.RandomState(81)
    u, v = grid()
    rgb = ramp([(0, "#ffffff"), (1, "#eef5fa")], v / (BG_H / BG_W))
    layers = [(0.44, 0.030, 1.3, 0.0, "#cfe3f1", "#b3d2ea"),
              (0.50, 0.026, 1.8, 1.7, "#8dbbe0", "#6aa3d2"),
              (0.56, 0.022, 2.3, 3.1, "#3f7fb6", "#2b6399")]
    for base, amp, freq, ph, c0, c1 in layers:
        crest = base + amp * np.sin(u * freq * 2 * math.pi + ph) + amp * 0.4 * np.sin(u * freq * 5.1 + ph * 2)
        inside = np.clip((v - crest) * BG_W / 1.2, 0, 1)
        depth = np.clip((v - crest) / 0.2, 0, 1)
        colour = blend(c0, c1, depth)
        shadow = np.clip(1 - (crest - v) * BG_W / 10, 0, 1) * (v < crest) * 0.06
        rgb = rgb * (1 - shadow[..., None])
        rgb = rgb * (1 - inside[..., None]) + colour * inside[..., None]
    return to_image(rgb, rs)


def bg_swoosh():
    """Plain white above, a slate band with an orange ribbon sweeping up to
    the right along the bottom."""
    rs = np.random.RandomState(91)
    u, v = grid()
    vh = BG_H / BG_W
    rgb = np.ones((BG_H, BG_W, 3), dtype=np.float32) * hexrgb("#fdfdfc")

    def below(y):
        return np.clip((v - y) * BG_W / 1.2, 0, 1)[..., None]

    edge = vh * (0.93 - 0.22 * u ** 1.6 + 0.025 * np.sin(u * math.pi * 2.2))
    ribbon = vh * (0.012 + 0.05 * u ** 1.4)
    gap = vh * 0.012
    for y, colour in ((edge - ribbon * 2.2 - gap * 2, "#e4e7eb"), (edge - ribbon - gap, "#f29b45"),
                      (edge - gap, "#fdfdfc"), (edge, "#45505b")):
        rgb = rgb * (1 - below(y)) + hexrgb(colour) * below(y)
    return to_image(rgb, rs)


def bg_diamonds():
    rs = np.random.RandomState(101)
    yy, xx = np.mgrid[0:BG_H, 0:BG_W].astype(np.float32)
    size = 56.0
    a = (xx / size + yy / (size * 1.4))
    b = (xx / size - yy / (size * 1.4))
    checker = (np.floor(a) + np.floor(b)) % 2
    fa, fb = a - np.floor(a), b - np.floor(b)
    line = np.minimum(np.minimum(fa, 1 - fa), np.minimum(fb, 1 - fb))
    rule = np.clip(1 - line * size / 1.1, 0, 1)
    rgb = np.where(checker[..., None] > 0, hexrgb("#f4f1ea"), hexrgb("#ece7dc"))
    rgb = rgb * (1 - 0.05 * rule[..., None])
    rgb = rgb * (1 + paper_fibres(rs, 0.02))[..., None]
    return to_image(rgb, rs)


def bg_scallops():
    """Overlapping fans in rows, pale gold lines on ivory."""
    rs = np.random.RandomState(111)
    yy, xx = np.mgrid[0:BG_H, 0:BG_W].astype(np.float32)
    r = 48.0
    ink = np.zeros((BG_H, BG_W), dtype=np.float32)
    covered = np.zeros((BG_H, BG_W), dtype=bool)
    # each row hides the lower half of the row above it: the lowest row
    # is laid first and keeps what it covers
    rows = int(BG_H / (r / 2)) + 3
    for row in range(rows, -2, -1):
        cy = row * r / 2
        shift = (row % 2) * r
        for col in range(-1, int(BG_W / (2 * r)) + 2):
            cx = col * 2 * r + shift
            d = np.sqrt((xx - cx) ** 2 + (yy - cy) ** 2)
            disc = (d < r) & ~covered
            rings = np.abs(np.mod(d + r / 8, r / 4) - r / 8)
            ink = np.where(disc, np.clip(1.2 - rings / 0.9, 0, 1), ink)
            covered |= disc
    rgb = ramp([(0, "#fbf7ee"), (1, "#f4ede0")], yy / BG_H)
    a = (ink * 0.45)[..., None]
    rgb = rgb * (1 - a) + hexrgb("#dcc28c") * a
    return to_image(rgb, rs)


def dark_gradient(c0, c1, c2, seed, texture=0.0):
    rs = np.random.RandomState(seed)
    u, v = grid()
    d = np.sqrt((u - 0.3) ** 2 + (v - 0.2) ** 2)
    rgb = ramp([(0, c0), (0.5, c1), (1, c2)], d / 1.0)
    if texture:
        rgb = rgb * (1 + texture * (fractal_noise(BG_W, BG_H, 180, 5, rs) - 0.5))[..., None]
    return to_image(rgb, rs, 1.5)


def bg_night_blue():
    return dark_gradient("#27467a", "#172c52", "#0b1630", 121, 0.12)


def bg_bordeaux():
    return dark_gradient("#7d2034", "#561423", "#300913", 131, 0.10)


def bg_slate():
    rs = np.random.RandomState(141)
    cloud = fractal_noise(BG_W, BG_H, 300, 6, rs)
    cleft = stretched_noise(BG_W, BG_H, 220, 26, rs)
    t = 0.8 * cloud + 0.2 * cleft
    rgb = ramp([(0, "#1f2428"), (0.5, "#30373e"), (1, "#464f58")], t)
    rgb = rgb * (1 + grain(BG_W, BG_H, rs, 0.10) + 0.06 * (fractal_noise(BG_W, BG_H, 4, 2, rs) - 0.5))[..., None]
    return to_image(rgb, rs)


def bg_forest():
    return linen("#2c4a35", 151, 1.6)


BACKGROUNDS = [("Dégradé ciel", bg_sky, "jpg"), ("Dégradé pêche", bg_peach, "jpg"),
               ("Dégradé sauge", bg_sage, "jpg"), ("Parchemin", bg_parchment, "jpg"),
               ("Lin", bg_linen, "jpg"), ("Papier vergé", bg_laid_paper, "jpg"),
               ("Kraft", bg_kraft, "jpg"), ("Marbre", bg_marble, "jpg"),
               ("Aquarelle", bg_watercolour, "jpg"), ("Vagues", bg_waves, "jpg"),
               ("Courbes", bg_swoosh, "jpg"), ("Losanges", bg_diamonds, "jpg"),
               ("Éventails", bg_scallops, "jpg"), ("Bleu nuit", bg_night_blue, "jpg"),
               ("Bordeaux", bg_bordeaux, "jpg"), ("Ardoise", bg_slate, "jpg"),
               ("Vert forêt", bg_forest, "jpg")]


def make_backgrounds(folder):
    for name, fn, ext in BACKGROUNDS:
        img = fn()
        path = os.path.join(folder, "%s.%s" % (name, ext))
        if ext == "png":
            save_png(img, path)
        else:
            save_jpg(img, path)


# ------------------------------------------------------------------ main

def main():
    if not os.path.isfile(os.path.join(FONT_DIR, "LinLibertine_RB.otf")):
        sys.exit("Linux Libertine is missing: apt-get install fonts-linuxlibertine")
    folders = {"Alphabets": make_letters, "Angles": make_corners, "Images de fond": make_backgrounds}
    total = 0
    for name, make in folders.items():
        folder = os.path.normpath(os.path.join(ROOT, name))
        clear_folder(folder)
        make(folder)
        for entry in sorted(os.listdir(folder)):
            size = os.path.getsize(os.path.join(folder, entry))
            total += size
            print("%8d  %s/%s" % (size, name, entry))
    print("%8d  in all" % total)


if __name__ == "__main__":
    main()
