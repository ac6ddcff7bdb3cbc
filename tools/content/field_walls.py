"""Obstacles, the wall masses they stand on, the wall shadows, and the part
offsets of "objects.xml".

A wall mass is built by the board from small pieces (variants 2..23 of
obstacle type 3). Every piece here is a clump of the wall's material (leaves,
boulders or crystal rock) rather than a shape with a hard outline, so any
overlap of pieces reads as one growing mass. The shadow pieces are slices of
one soft shadow that every wall cell casts: the cell's square moved toward
the middle of the board and down, grown by 6 px on every side. Each piece
holds exactly the part of that shadow its drawing rule is responsible for,
so neighbouring pieces meet without gaps or doubled darkness.
"""

import math
import random

import cairo
import numpy as np
from PIL import Image, ImageFilter

from . import palette as P
from .atlas import canvas, surface_to_image

# Wall looks: 1 meadow hedge, 2 canyon sandstone, 3 cavern crystal rock.
LOOKS = {
    1: {"kind": "leaf", "dark": P.hex_rgb("2F7A3A"), "mid": P.hex_rgb("4FA34A"),
        "light": P.hex_rgb("9BDB6A"), "edge": P.hex_rgb("1F5A35"), "accent": P.CORAL},
    2: {"kind": "rock", "dark": P.hex_rgb("8E4527"), "mid": P.hex_rgb("C8683A"),
        "light": P.hex_rgb("F2A774"), "edge": P.hex_rgb("5E2A1A"), "accent": P.hex_rgb("7A4E8C")},
    3: {"kind": "crystal", "dark": P.hex_rgb("23265E"), "mid": P.hex_rgb("3B3F8C"),
        "light": P.hex_rgb("6E6FC2"), "edge": P.hex_rgb("14163A"), "accent": P.hex_rgb("5FF2E6")},
}

# (dx, dy) in the layers' code are fixed; these offsets (objects.xml) bring
# each piece where this art wants it: cores centred on their cell, corner
# clumps pulled toward the cell that draws them.
CORE = {2: (-5, -5), 3: (5, -5), 4: (0, -5)}
INWARD = {5: (-4, 4), 6: (-4, -4), 7: (4, -4), 8: (4, 4)}
PART_OFFSETS = {
    "obstacles": {
        "left_side": [("obstacle3_2", CORE[2]), ("obstacle3_5", INWARD[5]), ("obstacle3_6", INWARD[6]),
                      ("obstacle3_7", INWARD[7]), ("obstacle3_8", INWARD[8]), ("obstacle3_11", (-7, 3)),
                      ("obstacle3_13", (3, -7)), ("empty_obstacle3_9", (2, 2)),
                      ("empty_obstacle3_5", (-2, 2)), ("empty_obstacle3_6", (-2, -2)),
                      ("empty_obstacle3_7", (2, -2)), ("empty_obstacle3_8", (2, 2))],
        "center": [("obstacle3_4", CORE[4]), ("obstacle3_5", INWARD[5]), ("obstacle3_6", INWARD[6]),
                   ("obstacle3_7", INWARD[7]), ("obstacle3_8", INWARD[8]),
                   ("obstacle3_13_right", (-3, -7)), ("obstacle3_13_left", (3, -7))],
        "right_side": [("obstacle3_3", CORE[3]), ("obstacle3_5", INWARD[5]), ("obstacle3_6", INWARD[6]),
                       ("obstacle3_7", INWARD[7]), ("obstacle3_8", INWARD[8]), ("obstacle3_12", (7, 3)),
                       ("obstacle3_13", (-3, -7)), ("empty_obstacle3_10", (-2, 2)),
                       ("empty_obstacle3_5", (-2, 2)), ("empty_obstacle3_6", (-2, -2)),
                       ("empty_obstacle3_7", (2, -2)), ("empty_obstacle3_8", (2, 2))],
    },
    "shadows": {
        "left_side": [("obstacle3_%d" % v, (0, 0)) for v in (14, 15, 16, 17, 18, 19, 20, 22, 23)],
        "right_side": [("obstacle3_%d" % v, (0, 0)) for v in (14, 15, 16, 17, 18, 19, 20, 22, 21)],
    },
}


def objects_xml():
    lines = ['<?xml version="1.0" encoding="UTF-8"?>']
    for top, groups in PART_OFFSETS.items():
        lines.append("<%s>" % top)
        for group, parts in groups.items():
            lines.append("  <%s>" % group)
            for name, (x, y) in parts:
                lines.append('    <%s offsetX="%g" offsetY="%g"/>' % (name, x, y))
            lines.append("  </%s>" % group)
        lines.append("</%s>" % top)
    return "\n".join(lines) + "\n"


# ---------------------------------------------------------------- clumps

def smooth_closed(ctx, pts):
    """A closed curve through the midpoints of a polygon's edges, its
    corners as control points: a pebble-like rounded shape."""
    n = len(pts)
    ctx.new_path()
    for i in range(n + 1):
        p0, p1 = pts[i % n], pts[(i + 1) % n]
        mx, my = (p0[0] + p1[0]) / 2, (p0[1] + p1[1]) / 2
        if i == 0:
            ctx.move_to(mx, my)
        else:
            ctx.curve_to(p0[0], p0[1], p0[0], p0[1], mx, my)
    ctx.close_path()


def _blob(ctx, x, y, r, look, rng):
    kind = look["kind"]
    if kind == "leaf":
        ctx.new_path()
        ctx.arc(x, y, r, 0, 2 * math.pi)
    else:
        # A rounded boulder: a wobbly circle.
        pts = []
        for i in range(7):
            a = i * 2 * math.pi / 7 + rng.uniform(-0.2, 0.2)
            rr = r * rng.uniform(0.82, 1.05)
            pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
        smooth_closed(ctx, pts)
    grad = cairo.RadialGradient(x - r * 0.4, y - r * 0.45, r * 0.1, x, y, r * 1.1)
    grad.add_color_stop_rgb(0, *look["light"])
    grad.add_color_stop_rgb(0.55, *look["mid"])
    grad.add_color_stop_rgb(1, *look["dark"])
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*look["edge"])
    ctx.set_line_width(1.6)
    ctx.stroke()
    if kind == "leaf":
        # A leaf vein and a catch-light.
        ctx.new_path()
        ctx.arc(x - r * 0.3, y - r * 0.3, r * 0.45, math.pi * 1.05, math.pi * 1.55)
        ctx.set_source_rgba(1, 1, 1, 0.45)
        ctx.set_line_width(1.4)
        ctx.stroke()
    else:
        ctx.new_path()
        ctx.arc(x - r * 0.35, y - r * 0.4, r * 0.22, 0, 2 * math.pi)
        ctx.set_source_rgba(1, 1, 1, 0.28)
        ctx.fill()


def _crystal(ctx, x, y, size, angle, color):
    ctx.save()
    ctx.translate(x, y)
    ctx.rotate(angle)
    ctx.new_path()
    ctx.move_to(0, -size)
    ctx.line_to(size * 0.38, -size * 0.2)
    ctx.line_to(size * 0.25, size * 0.55)
    ctx.line_to(-size * 0.25, size * 0.55)
    ctx.line_to(-size * 0.38, -size * 0.2)
    ctx.close_path()
    grad = cairo.LinearGradient(-size * 0.4, -size, size * 0.4, size * 0.5)
    grad.add_color_stop_rgb(0, 1, 1, 1)
    grad.add_color_stop_rgb(0.45, *color)
    grad.add_color_stop_rgb(1, *P.hex_rgb("1E7F9A"))
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(1.5)
    ctx.stroke()
    ctx.restore()


def _clump(size, radius, count, blob, look, seed, accent=False):
    """A cluster of blobs filling a disc of the given radius, centred."""
    rng = random.Random(seed)
    surface, ctx = canvas(size, size)
    c = size / 2
    spots = [(c, c, radius * 0.62)]
    for i in range(count):
        a = i * 2 * math.pi / count + rng.uniform(-0.3, 0.3)
        d = radius - blob * rng.uniform(0.75, 1.0)
        spots.append((c + d * math.cos(a), c + d * math.sin(a), blob * rng.uniform(0.8, 1.1)))
    for i in range(count // 2):
        a = rng.uniform(0, 2 * math.pi)
        d = rng.uniform(0, radius * 0.45)
        spots.append((c + d * math.cos(a), c + d * math.sin(a), blob * rng.uniform(0.7, 0.95)))
    # Back ones first: lower-right blobs lie under the upper-left ones.
    for x, y, r in sorted(spots, key=lambda s: -(s[0] + s[1])):
        _blob(ctx, x, y, r, look, rng)
    if accent:
        _accent(ctx, c, c, look, rng)
    return surface_to_image(surface)


def _accent(ctx, x, y, look, rng):
    kind = look["kind"]
    if kind == "leaf":
        for k in range(5):
            a = k * 2 * math.pi / 5
            ctx.new_path()
            ctx.arc(x + 3.2 * math.cos(a), y + 3.2 * math.sin(a), 2.6, 0, 2 * math.pi)
            ctx.set_source_rgb(*look["accent"])
            ctx.fill_preserve()
            ctx.set_source_rgb(*look["edge"])
            ctx.set_line_width(0.8)
            ctx.stroke()
        ctx.new_path()
        ctx.arc(x, y, 2, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.SUN)
        ctx.fill()
    elif kind == "rock":
        ctx.new_path()
        ctx.move_to(x - 5, y - 3)
        ctx.line_to(x + 1, y + 1)
        ctx.line_to(x - 1, y + 6)
        ctx.set_source_rgb(*look["edge"])
        ctx.set_line_width(1.3)
        ctx.stroke()
    else:
        _crystal(ctx, x, y, 8, rng.uniform(-0.5, 0.5), look["accent"])


def _core(look, seed):
    image = _clump(64, 28, 9, 11, look, seed)
    if look["kind"] == "crystal":
        rng = random.Random(seed + 7)
        surface, ctx = canvas(64, 64)
        for _ in range(2):
            _crystal(ctx, 32 + rng.uniform(-9, 9), 32 + rng.uniform(-9, 9), rng.uniform(8, 11),
                     rng.uniform(-0.6, 0.6), look["accent"])
        image.alpha_composite(surface_to_image(surface))
    return image


def mass_pieces(look_no):
    """Variant -> picture for the mass pieces 2..13 of one wall look."""
    look = LOOKS[look_no]
    base = 100 * look_no
    pieces = {v: _core(look, base + v) for v in (2, 3, 4)}
    for v in (5, 6, 7, 8):
        pieces[v] = _clump(36, 15, 6, 8, look, base + v)
    for v in (9, 10):
        pieces[v] = _clump(30, 11, 5, 6, look, base + v)
    for v in (11, 12, 13):
        pieces[v] = _clump(26, 10, 5, 6, look, base + v, accent=True)
    return pieces


# ---------------------------------------------------------------- shadows

HALO = (-20, -19, 42, 43)    # left-half cell: its shadow rectangle, cell-relative
SHADOW_BLUR = 3.2


def _halo_mask(cells, rect):
    """The union of the shadows of wall cells (offsets from the drawing
    cell), cut to `rect` (x0, y0, x1, y1 relative to the drawing cell's
    centre), soft-edged."""
    x0, y0, x1, y1 = rect
    pad = 8
    surface, ctx = canvas(x1 - x0 + 2 * pad, y1 - y0 + 2 * pad)
    hx0, hy0, hx1, hy1 = HALO
    ww, hh, rr = hx1 - hx0, hy1 - hy0, 15
    for cx, cy in cells:
        x, y = cx + hx0 - x0 + pad, cy + hy0 - y0 + pad
        ctx.new_path()
        ctx.arc(x + ww - rr, y + rr, rr, -math.pi / 2, 0)
        ctx.arc(x + ww - rr, y + hh - rr, rr, 0, math.pi / 2)
        ctx.arc(x + rr, y + hh - rr, rr, math.pi / 2, math.pi)
        ctx.arc(x + rr, y + rr, rr, math.pi, 1.5 * math.pi)
        ctx.close_path()
        ctx.set_source_rgb(1, 1, 1)
        ctx.fill()
    mask = surface_to_image(surface).getchannel("A").filter(ImageFilter.GaussianBlur(SHADOW_BLUR))
    return mask.crop((pad, pad, pad + x1 - x0, pad + y1 - y0))


def _shadow_image(mask):
    a = (np.asarray(mask, np.float32) * P.SHADOW_ALPHA).astype(np.uint8)
    ink = [int(round(c * 255)) for c in P.INK]
    rgb = np.zeros(a.shape + (3,), np.uint8) + np.array(ink, np.uint8)
    return Image.fromarray(np.dstack([rgb, a]), "RGBA")


# Variant -> (rect relative to the drawing cell, wall cells of the situation
# it is drawn in, as offsets from that cell). The rectangles put each piece
# where its rule draws it: 14..17 by their upper-left corner, the others by
# their centre.
SHADOW_PIECES = {
    14: ((11, -19, 42, 12), [(0, 0)]),
    15: ((11, 12, 42, 43), [(0, 0)]),
    16: ((-20, 12, 11, 43), [(0, 0)]),
    17: ((-20, -19, 11, 12), [(0, 0)]),
    18: ((-20, -38, 42, 12), [(0, 0), (0, -50)]),
    19: ((-39, -19, 11, 43), [(0, 0), (-50, 0)]),
    20: ((-39, -38, 11, 12), [(0, 0), (-50, -50)]),
    22: ((11, -38, 61, 12), [(0, 0), (50, -50)]),
    # Where the halves meet: a stretch of the bottom band under two walls,
    # and the upper part of a side band (its lower part is the corner
    # piece's), both plain bands placed wherever their rules need them.
    21: ((-17, 25, 17, 53), [(-50, 0), (0, 0), (50, 0)]),
    23: ((12, -19, 32, 35), [(0, 0), (0, -50)]),
}
SIDE_BAND_ROWS = 31


def shadow_pieces():
    out = {}
    for v, (rect, cells) in SHADOW_PIECES.items():
        mask = _halo_mask(cells, rect)
        if v == 23:
            keep = Image.new("L", mask.size, 0)
            keep.paste(255, (0, 0, mask.width, SIDE_BAND_ROWS))
            mask = Image.composite(mask, keep, keep)
        out[v] = _shadow_image(mask)
    return out


# ---------------------------------------------------------------- obstacles

def _boulder(ctx, x, y, r, cracked, rng):
    sx, sy = P.SHADOW_OFFSET
    pts = []
    n = 9
    for i in range(n):
        a = i * 2 * math.pi / n + rng.uniform(-0.15, 0.15)
        pts.append((r * rng.uniform(0.85, 1.0) * math.cos(a), r * rng.uniform(0.85, 1.0) * math.sin(a)))

    def outline(dx, dy):
        smooth_closed(ctx, [(px + x + dx, py + y + dy) for px, py in pts])
    outline(sx, sy)
    ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA)
    ctx.fill()
    outline(0, 0)
    grad = cairo.RadialGradient(x - r * 0.4, y - r * 0.45, r * 0.1, x, y, r * 1.1)
    grad.add_color_stop_rgb(0, *P.hex_rgb("E8EDF5"))
    grad.add_color_stop_rgb(0.5, *P.hex_rgb("A3AEC4"))
    grad.add_color_stop_rgb(1, *P.hex_rgb("5E6A88"))
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THICK)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(x - r * 0.35, y - r * 0.4, r * 0.2, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, 0.55)
    ctx.fill()
    if cracked:
        ctx.new_path()
        ctx.move_to(x - r * 0.1, y - r * 0.85)
        ctx.line_to(x + r * 0.05, y - r * 0.35)
        ctx.line_to(x - r * 0.2, y + r * 0.05)
        ctx.line_to(x + r * 0.15, y + r * 0.5)
        ctx.move_to(x - r * 0.2, y + r * 0.05)
        ctx.line_to(x - r * 0.6, y + r * 0.25)
        ctx.move_to(x + r * 0.05, y - r * 0.35)
        ctx.line_to(x + r * 0.55, y - r * 0.45)
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(P.LINE_THIN)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.stroke()


def _bands(ctx, x, y, r):
    """Brass bands round a big rock: the sturdiest obstacle."""
    for off in (-r * 0.35, r * 0.35):
        ctx.new_path()
        ctx.rectangle(x + off - 4, y - r * 0.92, 8, r * 1.84)
        ctx.set_source_rgb(*P.BRASS)
        ctx.fill_preserve()
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(P.LINE_THIN)
        ctx.stroke()
        for t in (-0.6, 0, 0.6):
            ctx.new_path()
            ctx.arc(x + off, y + t * r, 1.8, 0, 2 * math.pi)
            ctx.set_source_rgb(*P.COPPER_DARK)
            ctx.fill()


def _shrub(ctx, x, y, r, rng, flowers):
    look = LOOKS[1]
    spots = [(x, y, r * 0.6)]
    for i in range(7):
        a = i * 2 * math.pi / 7 + rng.uniform(-0.2, 0.2)
        spots.append((x + r * 0.55 * math.cos(a), y + r * 0.55 * math.sin(a), r * 0.42))
    sx, sy = P.SHADOW_OFFSET
    for px, py, pr in spots:
        ctx.new_path()
        ctx.arc(px + sx, py + sy, pr, 0, 2 * math.pi)
        ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA * 0.6)
        ctx.fill()
    dark = {"kind": "leaf", "light": P.hex_rgb("B6EB7A"), "mid": P.hex_rgb("6CC24A"),
            "dark": P.hex_rgb("2F7A3A"), "edge": P.INK}
    for px, py, pr in sorted(spots, key=lambda s: -(s[0] + s[1])):
        _blob(ctx, px, py, pr, dark, rng)
    for i in range(flowers):
        a = rng.uniform(0, 2 * math.pi)
        d = rng.uniform(0, r * 0.7)
        _accent(ctx, x + d * math.cos(a), y + d * math.sin(a), look, rng)


def _tree(ctx, x, y, r, rng):
    """A tree crown seen from above, with a few fruits."""
    _shrub(ctx, x, y, r, rng, 0)
    for _ in range(6):
        a = rng.uniform(0, 2 * math.pi)
        d = rng.uniform(r * 0.2, r * 0.7)
        ctx.new_path()
        ctx.arc(x + d * math.cos(a), y + d * math.sin(a), 3.5, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.CORAL)
        ctx.fill_preserve()
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(1.2)
        ctx.stroke()


def obstacles():
    """Obstacle type -> its whole picture (variant 1)."""
    out = {}
    for t, size in ((1, 50), (2, 50), (7, 50), (4, 100), (5, 100), (6, 100), (8, 100)):
        rng = random.Random(1000 + t)
        surface, ctx = canvas(size, size)
        c = size / 2
        if t == 1:
            _boulder(ctx, c - 1, c - 1, 20, False, rng)
        elif t == 2:
            _boulder(ctx, c - 1, c - 1, 20, True, rng)
        elif t == 7:
            _shrub(ctx, c - 1, c - 1, 19, rng, 3)
        elif t in (4, 5, 6):
            _boulder(ctx, c - 2, c - 2, 42, False, rng)
            _bands(ctx, c - 2, c - 2, 42)
        else:
            _tree(ctx, c - 2, c - 2, 42, rng)
        out[t] = surface_to_image(surface)
    return out


def items(looks=(1, 2, 3)):
    """(id, picture, share key) of every obstacle item."""
    out = []
    for t, image in obstacles().items():
        out.append(("main_elements_obstacles_obstacle%d_1" % t, image, None))
    shadows = shadow_pieces()
    for look in looks:
        prefix = "main_elements_obstacles_obstacle3_" if look == 1 else \
            "main_elements_obstacles_%dobstacle3_" % look
        for v, image in mass_pieces(look).items():
            out.append((prefix + str(v), image, None))
        for v, image in shadows.items():
            out.append((prefix + str(v), image, "shadow_%d" % v))
    return out
