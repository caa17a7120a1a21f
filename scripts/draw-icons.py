#!/usr/bin/env python3
"""Draw Quillary's artwork from scratch.

Regenerates, deterministically and with the Python standard library only:

  src/resources/images/Quillary.ico            program icon (6 images)
  src/resources/images/HelpPanelCFG.png        128x192 side panel of the About dialog
  src/resources/images/Icons16xColor/*.png     16x16 menu and toolbar icons, and
                                               their 32x32 "@2x" twins for screens
                                               at scale factor 2
  src/resources/icons/hicolor/NxN/apps/quillary.png   program icon, 16/32/48/128

Run from anywhere:  python3 scripts/draw-icons.py

Shapes are polygons filled by a scanline rasteriser that works on eight
sub-rows per pixel with exact horizontal coverage, which gives clean
anti-aliased edges.  PNG and ICO files are written by hand with zlib and
struct.
"""

import math
import os
import struct
import sys
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
IMAGES = os.path.join(ROOT, "src", "resources", "images")
HICOLOR = os.path.join(ROOT, "src", "resources", "icons", "hicolor")

SUBROWS = 8  # vertical sub-samples per pixel


# --------------------------------------------------------------------------
# Colours

def rgb(hexstr, alpha=1.0):
    """'#rrggbb' -> (r, g, b, a) with channels in 0..1."""
    h = hexstr.lstrip("#")
    return (int(h[0:2], 16) / 255.0, int(h[2:4], 16) / 255.0,
            int(h[4:6], 16) / 255.0, alpha)


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def vgrad(y0, c0, y1, c1):
    """Vertical linear gradient paint from c0 at y0 to c1 at y1."""
    def paint(x, y):
        return mix(c0, c1, clamp01((y - y0) / (y1 - y0)))
    return paint


def lgrad(x0, y0, c0, x1, y1, c1):
    """Linear gradient paint along the line (x0,y0)->(x1,y1)."""
    dx, dy = x1 - x0, y1 - y0
    d2 = dx * dx + dy * dy
    def paint(x, y):
        return mix(c0, c1, clamp01(((x - x0) * dx + (y - y0) * dy) / d2))
    return paint


def rgrad(cx, cy, r, c0, c1):
    """Radial gradient paint, c0 at the centre, c1 at radius r and beyond."""
    def paint(x, y):
        return mix(c0, c1, clamp01(math.hypot(x - cx, y - cy) / r))
    return paint


# Flat palette shared by every picture
INK = rgb("#1d2b40")        # outlines
NAVY = rgb("#22385a")
BLUE = rgb("#2f6fb5")
BLUE_D = rgb("#1f4f86")
BLUE_L = rgb("#5b95d6")
SCREEN = rgb("#e4f3f9")
TEAL = rgb("#1f8a84")
AMBER = rgb("#f2a541")
AMBER_L = rgb("#f8c46f")
AMBER_D = rgb("#c9731e")
RED = rgb("#d64541")
RED_D = rgb("#8e2320")
GOLD = rgb("#f0c243")
GOLD_L = rgb("#f7d978")
GOLD_D = rgb("#9a6a12")
GREY = rgb("#8a96a6")
GREY_D = rgb("#4a5566")
PAPER = rgb("#ffffff")
PAPER_2 = rgb("#eef2f6")
WHITE = rgb("#ffffff")


# --------------------------------------------------------------------------
# Shapes: every helper returns a list of closed polygons (lists of (x, y)).

def rect(x0, y0, x1, y1):
    return [[(x0, y0), (x1, y0), (x1, y1), (x0, y1)]]


def poly(*points):
    return [list(points)]


def _arc_points(cx, cy, rx, ry, a0, a1, steps=None):
    """Points on an elliptical arc, angles in degrees, y pointing down."""
    if steps is None:
        steps = max(8, int(abs(a1 - a0) / 360.0 * 96))
    pts = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


def ellipse(cx, cy, rx, ry):
    return [_arc_points(cx, cy, rx, ry, 0, 360)[:-1]]


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def rrect(x0, y0, x1, y1, r):
    """Rounded rectangle."""
    r = min(r, (x1 - x0) / 2.0, (y1 - y0) / 2.0)
    if r <= 0:
        return rect(x0, y0, x1, y1)
    pts = []
    pts += _arc_points(x1 - r, y0 + r, r, r, -90, 0, 12)
    pts += _arc_points(x1 - r, y1 - r, r, r, 0, 90, 12)
    pts += _arc_points(x0 + r, y1 - r, r, r, 90, 180, 12)
    pts += _arc_points(x0 + r, y0 + r, r, r, 180, 270, 12)
    return [pts]


def arc_path(cx, cy, r, a0, a1):
    return _arc_points(cx, cy, r, r, a0, a1)


def stroke(points, width, closed=False, cap="butt"):
    """Outline of a polyline drawn with a pen of the given width.

    Meant for smooth curves and simple polylines: the two sides are offset
    with the averaged normals of the adjacent segments (mitred joins).
    """
    hw = width / 2.0
    pts = list(points)
    if closed:
        pts = pts + [pts[0]]
    n = len(pts)
    normals = []
    for i in range(n - 1):
        (x0, y0), (x1, y1) = pts[i], pts[i + 1]
        length = math.hypot(x1 - x0, y1 - y0) or 1.0
        normals.append((-(y1 - y0) / length, (x1 - x0) / length))
    left, right = [], []
    for i in range(n):
        if closed and (i == 0 or i == n - 1):
            na, nb = normals[-1], normals[0]
        else:
            na = normals[max(i - 1, 0)]
            nb = normals[min(i, n - 2)]
        mx, my = na[0] + nb[0], na[1] + nb[1]
        ml = math.hypot(mx, my) or 1.0
        mx, my = mx / ml, my / ml
        cosang = mx * nb[0] + my * nb[1]
        scale = hw / max(cosang, 0.3)
        x, y = pts[i]
        left.append((x + mx * scale, y + my * scale))
        right.append((x - mx * scale, y - my * scale))
    if closed:
        return [left[:-1], list(reversed(right[:-1]))]
    shapes = [left + list(reversed(right))]
    if cap == "round":
        shapes += circle(pts[0][0], pts[0][1], hw) + circle(pts[-1][0], pts[-1][1], hw)
    return _oriented(shapes)


def _signed_area(p):
    a = 0.0
    for i in range(len(p)):
        x0, y0 = p[i]
        x1, y1 = p[(i + 1) % len(p)]
        a += x0 * y1 - x1 * y0
    return a / 2.0


def _oriented(shapes):
    """Give every polygon the same orientation so that a nonzero fill unites them."""
    out = []
    for p in shapes:
        out.append(p if _signed_area(p) >= 0 else list(reversed(p)))
    return out


def union(*shape_lists):
    out = []
    for s in shape_lists:
        out += _oriented(s)
    return out


def arrow_head(tip, direction_deg, length, half_width):
    """Triangle whose tip points along direction_deg."""
    a = math.radians(direction_deg)
    ux, uy = math.cos(a), math.sin(a)
    bx, by = tip[0] - ux * length, tip[1] - uy * length
    nx, ny = -uy, ux
    return [[tip, (bx + nx * half_width, by + ny * half_width),
             (bx - nx * half_width, by - ny * half_width)]]


# --------------------------------------------------------------------------
# Canvas

class Canvas:
    """RGBA canvas holding premultiplied floats, painted with anti-aliased polygons.

    Shapes and paints are given in design units; a canvas of scale 2 has two pixels
    per unit, so the same drawing comes out twice as large and as sharp.
    """

    def __init__(self, w, h, scale=1):
        self.scale = scale
        self.w, self.h = w * scale, h * scale
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.w * self.h)]

    # coverage -----------------------------------------------------------
    def coverage(self, shapes, rule="nonzero"):
        """dict {(x, y): coverage in 0..1} of the given polygons."""
        s = self.scale
        shapes = [[(x * s, y * s) for x, y in p] for p in shapes]
        edges = []
        ymin, ymax = float("inf"), float("-inf")
        for p in shapes:
            for i in range(len(p)):
                x0, y0 = p[i]
                x1, y1 = p[(i + 1) % len(p)]
                if y0 == y1:
                    continue
                edges.append((x0, y0, x1, y1))
                ymin = min(ymin, y0, y1)
                ymax = max(ymax, y0, y1)
        if not edges:
            return {}
        row0 = max(0, int(math.floor(ymin)))
        row1 = min(self.h - 1, int(math.floor(ymax)))
        buckets = {}
        for e in edges:
            lo = max(row0, int(math.floor(min(e[1], e[3]))))
            hi = min(row1, int(math.floor(max(e[1], e[3]))))
            for r in range(lo, hi + 1):
                buckets.setdefault(r, []).append(e)
        cov = {}
        w = self.w
        step = 1.0 / SUBROWS
        for row in range(row0, row1 + 1):
            row_edges = buckets.get(row)
            if not row_edges:
                continue
            acc = {}
            for k in range(SUBROWS):
                ys = row + (k + 0.5) * step
                xs = []
                for x0, y0, x1, y1 in row_edges:
                    if y0 < y1:
                        if y0 <= ys < y1:
                            xs.append((x0 + (ys - y0) * (x1 - x0) / (y1 - y0), 1))
                    else:
                        if y1 <= ys < y0:
                            xs.append((x0 + (ys - y0) * (x1 - x0) / (y1 - y0), -1))
                if len(xs) < 2:
                    continue
                xs.sort()
                wind = 0
                start = None
                for x, d in xs:
                    before = wind
                    wind += d
                    if rule == "evenodd":
                        inside_before, inside_after = before % 2 != 0, wind % 2 != 0
                    else:
                        inside_before, inside_after = before != 0, wind != 0
                    if not inside_before and inside_after:
                        start = x
                    elif inside_before and not inside_after:
                        self._span(acc, start, x, w)
            for x, a in acc.items():
                cov[(x, row)] = min(1.0, a * step)
        return cov

    @staticmethod
    def _span(acc, xa, xb, w):
        xa = max(0.0, xa)
        xb = min(float(w), xb)
        if xb <= xa:
            return
        i0 = int(math.floor(xa))
        i1 = min(w - 1, int(math.floor(xb)))
        if i0 == i1:
            acc[i0] = acc.get(i0, 0.0) + (xb - xa)
            return
        acc[i0] = acc.get(i0, 0.0) + (i0 + 1 - xa)
        for i in range(i0 + 1, i1):
            acc[i] = acc.get(i, 0.0) + 1.0
        if i1 < w:
            acc[i1] = acc.get(i1, 0.0) + (xb - i1)

    # painting -----------------------------------------------------------
    def fill(self, shapes, paint, rule="nonzero", opacity=1.0):
        cov = self.coverage(shapes, rule)
        solid = None if callable(paint) else paint
        for (x, y), c in cov.items():
            if c <= 0.0:
                continue
            r, g, b, a = solid if solid else paint((x + 0.5) / self.scale, (y + 0.5) / self.scale)
            a *= c * opacity
            d = self.px[y * self.w + x]
            k = 1.0 - a
            d[0] = r * a + d[0] * k
            d[1] = g * a + d[1] * k
            d[2] = b * a + d[2] * k
            d[3] = a + d[3] * k

    def erase(self, shapes, rule="nonzero"):
        """Make the covered area transparent (used for gaps between parts)."""
        for (x, y), c in self.coverage(shapes, rule).items():
            d = self.px[y * self.w + x]
            k = 1.0 - c
            for i in range(4):
                d[i] *= k

    def draw_canvas(self, other, ox, oy):
        """Composite another canvas onto this one at an integer offset."""
        for y in range(other.h):
            ty = y + oy
            if not 0 <= ty < self.h:
                continue
            for x in range(other.w):
                tx = x + ox
                if not 0 <= tx < self.w:
                    continue
                s = other.px[y * other.w + x]
                if s[3] <= 0.0:
                    continue
                d = self.px[ty * self.w + tx]
                k = 1.0 - s[3]
                for i in range(4):
                    d[i] = s[i] + d[i] * k

    def rgba8(self):
        """Rows of straight (not premultiplied) 8-bit RGBA tuples."""
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a <= 1e-6:
                    row.append((0, 0, 0, 0))
                    continue
                row.append((int(round(clamp01(r / a) * 255)),
                            int(round(clamp01(g / a) * 255)),
                            int(round(clamp01(b / a) * 255)),
                            int(round(clamp01(a) * 255))))
            rows.append(row)
        return rows


# --------------------------------------------------------------------------
# File writers

def png_bytes(rows):
    w, h = len(rows[0]), len(rows)
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for px in row:
            raw.extend(px)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def write_file(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", os.path.relpath(path, ROOT), len(data), "bytes")


def _and_mask(rows, transparent):
    """1-bit AND mask, bottom-up, rows padded to 32 bits."""
    w = len(rows[0])
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            if transparent(px):
                line[x >> 3] |= 0x80 >> (x & 7)
        out += line
    return bytes(out)


def _bmp_header(w, h, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bits, 0, image_size, 0, 0, colours, 0)


def dib32(rows):
    """32-bit BGRA DIB with AND mask, as stored inside an ICO."""
    w, h = len(rows[0]), len(rows)
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask = _and_mask(rows, lambda p: p[3] == 0)
    return _bmp_header(w, h, 32, len(xor) + len(mask), 0) + bytes(xor) + mask


# Colour behind half-transparent edge pixels of the 8-bit images: a light
# menu grey, since that is where these icons are mostly shown.
MATTE = (236, 236, 236)
ALPHA_CUT = 100


def _flatten(px):
    r, g, b, a = px
    if a < ALPHA_CUT:
        return None
    t = a / 255.0
    return tuple(int(round(c * t + m * (1 - t))) for c, m in zip((r, g, b), MATTE))


def _median_cut(counts, n):
    """Reduce {colour: count} to at most n colours; deterministic."""
    boxes = [sorted(counts.items())]
    while len(boxes) < n:
        best, best_range, best_ch = None, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                vals = [c[ch] for c, _ in box]
                rng = max(vals) - min(vals)
                if rng > best_range:
                    best, best_range, best_ch = i, rng, ch
        if best is None or best_range <= 0:
            break
        box = sorted(boxes[best], key=lambda item: (item[0][best_ch], item[0]))
        total = sum(cnt for _, cnt in box)
        acc, cut = 0, 1
        for j, (_, cnt) in enumerate(box):
            acc += cnt
            if acc * 2 >= total:
                cut = min(max(j + 1, 1), len(box) - 1)
                break
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(cnt for _, cnt in box)
        palette.append(tuple(int(round(sum(c[ch] * cnt for c, cnt in box) / total))
                             for ch in range(3)))
    return palette


def dib8(rows):
    """8-bit palettised DIB (256-colour palette) with AND mask."""
    w, h = len(rows[0]), len(rows)
    flat = [[_flatten(px) for px in row] for row in rows]
    counts = {}
    for row in flat:
        for c in row:
            if c is not None:
                counts[c] = counts.get(c, 0) + 1
    # index 0 is black: the colour under the AND mask for transparent pixels
    palette = [(0, 0, 0)] + _median_cut(counts, 255)
    cache = {}

    def index(c):
        if c not in cache:
            best, bestd = 1, None
            for i in range(1, len(palette)):
                p = palette[i]
                d = (p[0] - c[0]) ** 2 * 3 + (p[1] - c[1]) ** 2 * 4 + (p[2] - c[2]) ** 2 * 2
                if bestd is None or d < bestd:
                    best, bestd = i, d
            cache[c] = best
        return cache[c]

    stride = (w + 3) & ~3
    xor = bytearray()
    for row in reversed(flat):
        line = bytearray(stride)
        for x, c in enumerate(row):
            line[x] = 0 if c is None else index(c)
        xor += line
    mask = _and_mask(flat, lambda c: c is None)
    pal = bytearray()
    for i in range(256):
        r, g, b = palette[i] if i < len(palette) else (0, 0, 0)
        pal += bytes((b, g, r, 0))
    return _bmp_header(w, h, 8, len(xor) + len(mask), 256) + bytes(pal) + bytes(xor) + mask


def ico_bytes(images):
    """images: list of (width, height, bits, dib bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for w, h, bits, data in images:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
        body += data
    return out + body


# --------------------------------------------------------------------------
# The program icon: a portable player with a config screen, and a quill.

def quill_shapes(s, ox, oy, grow=0.0, fat=1.0):
    """Quill in a 128-unit box scaled by s; grow widens it (for the gap)."""
    tip = (74.0, 121.0)
    ctrl = (92.0, 82.0)
    end = (121.0, 30.0)

    def at(t):
        u = 1 - t
        return (u * u * tip[0] + 2 * u * t * ctrl[0] + t * t * end[0],
                u * u * tip[1] + 2 * u * t * ctrl[1] + t * t * end[1])

    def normal(t):
        u = 1 - t
        dx = 2 * u * (ctrl[0] - tip[0]) + 2 * t * (end[0] - ctrl[0])
        dy = 2 * u * (ctrl[1] - tip[1]) + 2 * t * (end[1] - ctrl[1])
        ln = math.hypot(dx, dy)
        return (-dy / ln, dx / ln)

    def width(t, side):
        t0 = 0.24
        if t < t0:
            return 0.0
        v = (t - t0) / (1 - t0)
        base = (15.0 if side > 0 else 11.0) * fat
        return base * (math.sin(math.pi * v ** 0.8) ** 0.75)

    def P(x, y):
        return (ox + x * s, oy + y * s)

    steps = 40
    halves = []
    for side in (1, -1):
        edge, spine = [], []
        for i in range(steps + 1):
            t = 0.22 + (1.0 - 0.22) * i / steps
            x, y = at(t)
            nx, ny = normal(t)
            wv = width(t, side) + grow
            edge.append(P(x + nx * wv * side, y + ny * wv * side))
            spine.append(P(x, y))
        halves.append([edge + list(reversed(spine))])
    shaft = [P(*at(i / 30.0)) for i in range(31)]
    return halves, shaft, P, at, normal


def draw_app_icon(c, size, ox=0, oy=0):
    """Draw the program icon into canvas c, size x size at (ox, oy).

    One design for every size; below 64 px the geometry is snapped to whole
    pixels so that edges stay crisp, and small details are left out.
    """
    s = size / 128.0
    small = size < 64

    def q(v):  # design units -> pixels, snapped on small sizes
        v = v * s
        return float(round(v)) if small else v

    def R(x0, y0, x1, y1, r):
        return rrect(ox + q(x0), oy + q(y0), ox + q(x1), oy + q(y1), r * s)

    def C(cx, cy, r):
        return circle(ox + cx * s, oy + cy * s, r * s)

    line = max(1.0, round(3.0 * s))  # outline width in pixels

    # body of the player
    bx0, by0, bx1, by1 = (18, 4, 92, 124) if size > 16 else (8, 0, 88, 128)
    c.fill(R(bx0, by0, bx1, by1, 16), INK)
    c.fill(rrect(ox + q(bx0) + line, oy + q(by0) + line, ox + q(bx1) - line, oy + q(by1) - line,
                 max(0.0, 16 * s - line)),
           vgrad(oy + by0 * s, rgb("#3f6aa3"), oy + by1 * s, rgb("#25416b")))

    # screen with "key = value" lines
    if size <= 16:
        c.fill(rect(ox + 3, oy + 2, ox + 9, oy + 7), SCREEN)
        for y, k1, v0, v1 in ((3, 6, 7, 8), (5, 5, 6, 8)):
            c.fill(rect(ox + 4, oy + y, ox + k1, oy + y + 1), TEAL)
            c.fill(rect(ox + v0, oy + y, ox + v1, oy + y + 1), AMBER_D)
    else:
        c.fill(R(29, 15, 81, 63, 6), SCREEN)
        for y, k1, v0, v1 in ((24, 52, 58, 72), (35, 44, 52, 74), (46, 56, 60, 68)):
            if small:
                y0 = oy + q(y)
                y1 = y0 + max(1.0, math.floor(6.0 * s))
                c.fill(rect(ox + q(37), y0, ox + q(k1), y1), TEAL)
                c.fill(rect(ox + q(v0), y0, ox + q(v1), y1), AMBER_D)
            else:
                c.fill(R(37, y, k1, y + 6, 3), TEAL)
                c.fill(R(v0, y, v1, y + 6, 3), AMBER_D)

    # click wheel
    if size <= 16:
        c.fill(circle(ox + 6, oy + 11, 3.0), rgb("#6d95c9"))
        c.fill(circle(ox + 6, oy + 11, 1.0), NAVY)
    else:
        c.fill(C(55, 94, 22), lgrad(ox + 40 * s, oy + 78 * s, rgb("#7ea6d8"),
                                    ox + 70 * s, oy + 112 * s, rgb("#4d77b0")))
        c.fill(C(55, 94, 8.5), NAVY)
        if size >= 48:
            for ang in (0, 90, 180, 270):
                a = math.radians(ang)
                cx, cy = 55 + math.cos(a) * 15.5, 94 + math.sin(a) * 15.5
                c.fill(C(cx, cy, 2.4), rgb("#24406a"))

    # quill over the lower right corner, set off by a transparent gap
    fat = 1.0 if size >= 48 else 1.2 if size > 16 else 1.35
    gap = max(5.0, 1.1 / s)
    halves, shaft, P, at, normal = quill_shapes(s, ox, oy, fat=fat)
    big_halves, _, _, _, _ = quill_shapes(s, ox, oy, grow=gap, fat=fat)
    c.erase(union(big_halves[0], big_halves[1],
                  stroke(shaft, 2 * gap * s + max(1.0, 2.6 * s), cap="round")))
    # vanes: lighter on the upper side, darker on the lower
    c.fill(halves[0], AMBER_L)
    c.fill(halves[1], AMBER)
    if size >= 48:
        # two little splits in the upper vane
        for t in (0.55, 0.75):
            x, y = at(t)
            nx, ny = normal(t)
            dx, dy = -ny, nx
            pts = [P(x + nx * 17, y + ny * 17),
                   P(x + nx * 4 + dx * -1.5, y + ny * 4 + dy * -1.5),
                   P(x + nx * 17 + dx * -4.0, y + ny * 17 + dy * -4.0)]
            c.erase([pts])
    c.fill(stroke(shaft[5:], max(1.0, 2.6 * s), cap="round"), AMBER_D)
    if size >= 48:
        # nib
        tx, ty = at(0.0)
        nx, ny = normal(0.12)
        bxn, byn = at(0.12)
        c.fill(poly(P(tx, ty), P(bxn + nx * 4.2, byn + ny * 4.2), P(bxn - nx * 4.2, byn - ny * 4.2)), INK)


def app_icon(size):
    c = Canvas(size, size)
    draw_app_icon(c, size)
    return c


# --------------------------------------------------------------------------
# About dialog side panel

def help_panel():
    w, h = 128, 192
    c = Canvas(w, h)
    c.fill(rect(0, 0, w, h), vgrad(0, rgb("#1b3358"), h, rgb("#1e7f86")))
    # soft light behind the icon
    c.fill(circle(64, 62, 56), rgrad(64, 62, 56, rgb("#ffffff", 0.22), rgb("#ffffff", 0.0)))
    # sound waves along the bottom
    waves = [
        (150, 9.0, 0.060, 0.0, 2.2, 0.35),
        (160, 7.0, 0.075, 1.3, 1.6, 0.25),
        (170, 5.0, 0.090, 2.4, 1.2, 0.18),
        (140, 4.0, 0.050, 3.3, 1.0, 0.14),
    ]
    for base, amp, freq, phase, width, alpha in waves:
        pts = []
        for i in range(0, 141):
            x = -6 + i
            env = 0.55 + 0.45 * math.sin(math.pi * (x + 6) / 140.0)
            pts.append((x, base + amp * env * math.sin(x * freq * 2 * math.pi / 2.0 + phase)))
        c.fill(stroke(pts, width), rgb("#ffffff", alpha))
    # drop shadow, then the icon itself
    c.fill(ellipse(62, 112, 34, 5), rgb("#000000", 0.22))
    icon = Canvas(96, 96)
    draw_app_icon(icon, 96)
    c.draw_canvas(icon, 16, 16)
    return c


# --------------------------------------------------------------------------
# 16x16 menu icons, drawn at any scale

def icon_exit(scale):
    c = Canvas(16, 16, scale)
    # door frame and dark doorway
    c.fill(rect(1, 1, 10, 15), GREY_D)
    c.fill(rect(2, 2, 9, 15), rgb("#2a3342"))
    # open door leaf, hinged on the left
    c.fill(poly((2, 2), (6.5, 3.2), (6.5, 15), (2, 15)),
           lgrad(2, 0, rgb("#c07a35"), 6.5, 0, rgb("#8a5424")))
    c.fill(circle(5.5, 9.5, 0.7), GOLD)
    # red arrow leaving through the door
    arrow = union(rect(8, 7, 12.5, 10), arrow_head((15.8, 8.5), 0, 4.3, 3.8))
    outline = union(rect(7, 6, 12, 11), arrow_head((16.0, 8.5), 0, 5.6, 5.2))
    c.fill(outline, RED_D)
    c.fill(arrow, RED)
    return c


def icon_about(scale):
    c = Canvas(16, 16, scale)
    c.fill(circle(8, 8, 7.6), BLUE_D)
    c.fill(circle(8, 8, 6.6), lgrad(3, 2, BLUE_L, 12, 14, BLUE))
    c.fill(circle(8, 4.6, 1.35), WHITE)
    c.fill(rect(6.4, 6.8, 9.1, 7.8), WHITE)
    c.fill(rect(7.1, 6.8, 9.1, 12.0), WHITE)
    c.fill(rect(6.4, 11.2, 9.8, 12.2), WHITE)
    return c


def icon_mail(scale):
    c = Canvas(16, 16, scale)
    c.fill(rect(0.5, 3, 15.5, 13), GREY_D)
    c.fill(rect(1.5, 4, 14.5, 12), vgrad(4, PAPER, 12, PAPER_2))
    # bottom folds
    c.fill(stroke([(1.5, 12), (6.5, 7.8)], 1.0), GREY)
    c.fill(stroke([(14.5, 12), (9.5, 7.8)], 1.0), GREY)
    # flap
    c.fill(poly((1.5, 4), (14.5, 4), (8, 9.3)), rgb("#dfe7ef"))
    c.fill(stroke([(1.3, 4.0), (8, 9.4), (14.7, 4.0)], 1.1), GREY_D)
    # red wax seal on the flap
    c.fill(circle(8, 9.0, 1.5), RED)
    return c


def icon_globe(scale):
    c = Canvas(16, 16, scale)
    cx = cy = 7.5  # centred on a pixel corner so the 1 px grid lines are crisp
    c.fill(circle(cx, cy, 7.5), BLUE_D)
    c.fill(circle(cx, cy, 6.5), rgrad(5.0, 4.5, 10.0, rgb("#8cc0f2"), rgb("#2f72b8")))
    # land
    land = rgb("#47ad62")
    c.fill(poly((2.0, 4.5), (5.0, 2.0), (7.0, 2.5), (6.5, 6.0), (4.0, 7.0), (3.5, 10.0), (1.5, 8.0)), land)
    c.fill(poly((9.0, 9.0), (12.5, 8.0), (13.5, 10.0), (10.0, 13.5), (8.5, 12.0)), land)
    # meridian, equator and two parallels
    grid = rgb("#ffffff", 0.8)
    c.fill(ellipse(cx, cy, 3.5, 6.5) + [list(reversed(ellipse(cx, cy, 2.5, 6.5)[0]))], grid)
    c.fill(rect(1, 7, 14, 8), grid)
    c.fill(rect(7, 1, 8, 14), grid)
    c.fill(rect(2.5, 3.6, 12.5, 4.4), rgb("#ffffff", 0.45))
    c.fill(rect(2.5, 10.6, 12.5, 11.4), rgb("#ffffff", 0.45))
    return c


def icon_save(scale):
    c = Canvas(16, 16, scale)
    body = poly((1, 1), (13, 1), (15, 3), (15, 15), (1, 15))
    c.fill(body, rgb("#173a66"))
    c.fill(poly((2, 2), (12.6, 2), (14, 3.4), (14, 14), (2, 14)),
           vgrad(2, rgb("#3d7cc4"), 14, rgb("#2a5f9e")))
    # metal shutter
    c.fill(rect(4, 2, 11, 6), rgb("#d7dde4"))
    c.fill(rect(8.5, 2.8, 10, 5.2), rgb("#3b4a5c"))
    # label
    c.fill(rect(3.5, 8.5, 12.5, 14), PAPER)
    c.fill(rect(5, 10, 11, 10.8), rgb("#9fb3c8"))
    c.fill(rect(5, 11.8, 9.5, 12.6), rgb("#9fb3c8"))
    return c


def icon_open(scale):
    c = Canvas(16, 16, scale)
    # back of the folder with its tab
    back = poly((0.5, 3), (5.5, 3), (7, 4.5), (13.5, 4.5), (13.5, 14), (0.5, 14))
    c.fill(back, GOLD_D)
    c.fill(poly((1.5, 4), (5.1, 4), (6.6, 5.5), (12.5, 5.5), (12.5, 13), (1.5, 13)), rgb("#d9a531"))
    # a sheet of paper peeking out
    c.fill(rect(3, 6, 11, 12), PAPER)
    c.fill(rect(4, 7.5, 10, 8.2), rgb("#b9c6d3"))
    # front flap, opened forwards
    front = poly((3.2, 8), (15.6, 8), (13.2, 14.5), (0.5, 14.5))
    c.fill(front, GOLD_D)
    c.fill(poly((4.0, 9), (14.2, 9), (12.5, 13.5), (2.0, 13.5)),
           vgrad(9, GOLD_L, 13.5, GOLD))
    return c


def icon_refresh(scale):
    c = Canvas(16, 16, scale)
    cx, cy, r, w = 8.0, 8.0, 5.0, 2.0
    colour = rgb("#27984c")
    # two arcs chasing each other clockwise, each ending in an arrow head
    for a0, a1 in ((195.0, 330.0), (15.0, 150.0)):
        c.fill(stroke(arc_path(cx, cy, r, a0, a1 - 12), w), colour)
        a = math.radians(a1)
        base = (cx + r * math.cos(a), cy + r * math.sin(a))
        direction = a1 + 90.0
        d = math.radians(direction)
        tip = (base[0] + math.cos(d) * 2.6, base[1] + math.sin(d) * 2.6)
        c.fill(arrow_head(tip, direction, 4.4, 3.3), colour)
    return c


def _checkbox(c, x0, y0, size, ticked):
    c.fill(rect(x0, y0, x0 + size, y0 + size), GREY_D)
    c.fill(rect(x0 + 1, y0 + 1, x0 + size - 1, y0 + size - 1),
           vgrad(y0, PAPER_2, y0 + size, PAPER))
    if ticked:
        pts = [(x0 + 1.6, y0 + size * 0.48), (x0 + size * 0.42, y0 + size - 1.8),
               (x0 + size + 0.8, y0 - 0.6)]
        c.fill(stroke(pts, 2.6), WHITE, opacity=0.9)
        c.fill(stroke(pts, 1.6), rgb("#23a04a"))


def _list_icon(ticked, scale):
    c = Canvas(16, 16, scale)
    for y in (1, 9):
        _checkbox(c, 1, y, 7, ticked)
        c.fill(rect(10, y + 2, 15, y + 4), GREY if ticked else rgb("#aab4c0"))
    return c


def icon_select_all(scale):
    return _list_icon(True, scale)


def icon_unselect_all(scale):
    return _list_icon(False, scale)


MENU_ICONS = [
    ("Exit_A.png", icon_exit),
    ("About.png", icon_about),
    ("Send_Mail.png", icon_mail),
    ("Web_Site.png", icon_globe),
    ("Save_Project.png", icon_save),
    ("Open_Project.png", icon_open),
    ("Refresh.png", icon_refresh),
    ("Select_All.png", icon_select_all),
    ("Unselect_All.png", icon_unselect_all),
]


# --------------------------------------------------------------------------

def main():
    icons = {n: app_icon(n).rgba8() for n in (16, 32, 48, 128)}
    for n, rows in sorted(icons.items()):
        write_file(os.path.join(HICOLOR, "%dx%d" % (n, n), "apps", "quillary.png"), png_bytes(rows))

    ico = [(32, 32, 8, dib8(icons[32])), (16, 16, 8, dib8(icons[16]))]
    for n in (128, 48, 32, 16):
        ico.append((n, n, 32, dib32(icons[n])))
    write_file(os.path.join(IMAGES, "Quillary.ico"), ico_bytes(ico))

    write_file(os.path.join(IMAGES, "HelpPanelCFG.png"), png_bytes(help_panel().rgba8()))

    # Qt picks "name@2x.png" beside "name.png" by itself on a screen at scale 2.
    for name, fn in MENU_ICONS:
        for scale, suffix in ((1, ""), (2, "@2x")):
            path = os.path.join(IMAGES, "Icons16xColor", name.replace(".png", suffix + ".png"))
            write_file(path, png_bytes(fn(scale).rgba8()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
