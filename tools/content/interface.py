"""Pictures the level draws besides its atlases: the pump gutter and its
water gauge on the start pipe, the strip under a pack picture, the burst
particles (coin, star), the bonus pop-up icons, the tutorial arrow, the
destruction marker, and the nine pack pictures shown above the board at the
end of every fifth level."""

import math
import os
import random

import cairo
from PIL import Image

from . import decor, palette as P
from .atlas import canvas, surface_to_image
from .field_pipes import star
from .shapes import rounded_rect

H = P.hex_rgb
FILES = {
    "pump_gutter": "graphics/main/interface/pump_gutter.png",
    "pump_water": "graphics/main/interface/pump_water.png",
    "stripe": "graphics/main/interface/stripe.png",
    "coin": "graphics/main/interface/coin.png",
    "star": "graphics/main/interface/star.png",
    "destruction_icon": "graphics/main/interface/destruction_icon.png",
    "completion_icon": "graphics/main/interface/completion_icon.png",
    "tutorial_arrow": "graphics/main/interface/tutorial_arrow.png",
    "destruction": "graphics/gui/destruction.png",
}
BACK = "graphics/main/backs/back%d.png"
BACK_SIZE = (1366, 768)
STRIPE_SIZE = (1366, 84)


def path(name):
    return FILES[name]


def _save(image, resources, rel):
    full = os.path.join(resources, rel)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    image.save(full, optimize=True)


def _outline(ctx, width=P.LINE_THIN):
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(width)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke()


def pump_gutter():
    """A glass gauge frame over the start pipe: the countdown water rises
    inside it. Clear in the middle, so the pipe shows through."""
    surface, ctx = canvas(50, 50)
    rounded_rect(ctx, 2.5, 2.5, 45, 45, 8)
    ctx.set_source_rgba(*P.WATER_LIGHT, 0.18)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(5)
    ctx.stroke_preserve()
    grad = cairo.LinearGradient(0, 0, 50, 50)
    grad.add_color_stop_rgb(0, *P.BRASS_LIGHT)
    grad.add_color_stop_rgb(1, *P.COPPER)
    ctx.set_source(grad)
    ctx.set_line_width(2.5)
    ctx.stroke()
    for k in range(1, 5):
        y = 2.5 + 45 * k / 5
        ctx.new_path()
        ctx.move_to(4, y)
        ctx.line_to(10 if k % 2 else 8, y)
        ctx.set_source_rgba(*P.INK, 0.8)
        ctx.set_line_width(1.5)
        ctx.stroke()
    ctx.new_path()
    ctx.move_to(10, 8)
    ctx.line_to(10, 20)
    ctx.set_source_rgba(1, 1, 1, 0.7)
    ctx.set_line_width(2)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke()
    return surface_to_image(surface)


def pump_water():
    """The gauge's water, shown from its bottom up as the time runs."""
    surface, ctx = canvas(50, 50)
    ctx.rectangle(5, 0, 40, 46)
    grad = cairo.LinearGradient(5, 0, 45, 0)
    grad.add_color_stop_rgba(0, *P.WATER_LIGHT, 0.75)
    grad.add_color_stop_rgba(0.6, *P.WATER, 0.7)
    grad.add_color_stop_rgba(1, *P.WATER_DEEP, 0.8)
    ctx.set_source(grad)
    ctx.fill()
    rng = random.Random(4)
    for _ in range(7):
        x, y, r = rng.uniform(12, 40), rng.uniform(4, 42), rng.uniform(1.5, 3)
        ctx.new_path()
        ctx.arc(x, y, r, 0, 2 * math.pi)
        ctx.set_source_rgba(1, 1, 1, 0.7)
        ctx.set_line_width(1.2)
        ctx.stroke()
    return surface_to_image(surface)


def stripe():
    """The ledge between the board's top edge and a pack picture."""
    w, h = STRIPE_SIZE
    surface, ctx = canvas(w, h)
    grad = cairo.LinearGradient(0, 0, 0, h)
    grad.add_color_stop_rgb(0, *H("C9B79C"))
    grad.add_color_stop_rgb(0.5, *H("A8957A"))
    grad.add_color_stop_rgb(1, *H("7D6A55"))
    ctx.rectangle(0, 8, w, h - 16)
    ctx.set_source(grad)
    ctx.fill()
    rng = random.Random(9)
    x = -20
    while x < w:
        bw = rng.uniform(40, 70)
        for row, (y0, y1) in enumerate(((10, 42), (42, 74))):
            off = 0 if row == 0 else bw / 2
            rounded_rect(ctx, x + off + 2, y0 + 2, bw - 4, y1 - y0 - 4, 6)
            g = cairo.LinearGradient(0, y0, 0, y1)
            g.add_color_stop_rgb(0, *H("E4D6BE"))
            g.add_color_stop_rgb(1, *H("A8957A"))
            ctx.set_source(g)
            ctx.fill_preserve()
            ctx.set_source_rgba(*P.INK, 0.6)
            ctx.set_line_width(1.5)
            ctx.stroke()
        x += bw
    for y in (6, h - 10):
        ctx.rectangle(0, y, w, 5)
        g = cairo.LinearGradient(0, y, 0, y + 5)
        g.add_color_stop_rgb(0, *P.BRASS_LIGHT)
        g.add_color_stop_rgb(1, *P.COPPER)
        ctx.set_source(g)
        ctx.fill_preserve()
        _outline(ctx, 1.5)
    return surface_to_image(surface)


def coin_particle():
    surface, ctx = canvas(32, 32)
    ctx.new_path()
    ctx.arc(16, 16, 13, 0, 2 * math.pi)
    grad = cairo.LinearGradient(3, 3, 29, 29)
    grad.add_color_stop_rgb(0, *H("FFF3A6"))
    grad.add_color_stop_rgb(0.5, *P.SUN)
    grad.add_color_stop_rgb(1, *P.ORANGE_DEEP)
    ctx.set_source(grad)
    ctx.fill_preserve()
    _outline(ctx)
    ctx.new_path()
    ctx.arc(16, 16, 8.5, 0, 2 * math.pi)
    ctx.set_source_rgba(*P.ORANGE_DEEP, 0.7)
    ctx.set_line_width(1.5)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(11, 10, 2.2, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, 0.9)
    ctx.fill()
    return surface_to_image(surface)


def star_particle():
    surface, ctx = canvas(34, 34)
    star(ctx, 17, 18, 15)
    ctx.new_path()
    ctx.arc(13, 12, 2, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, 0.9)
    ctx.fill()
    return surface_to_image(surface)


def _badge(ctx, x, y, r, inner, outer):
    sx, sy = P.SHADOW_OFFSET
    ctx.new_path()
    ctx.arc(x + sx, y + sy, r, 0, 2 * math.pi)
    ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA)
    ctx.fill()
    ctx.new_path()
    ctx.arc(x, y, r, 0, 2 * math.pi)
    grad = cairo.RadialGradient(x - r * 0.4, y - r * 0.4, 1, x, y, r)
    grad.add_color_stop_rgb(0, *inner)
    grad.add_color_stop_rgb(1, *outer)
    ctx.set_source(grad)
    ctx.fill_preserve()
    _outline(ctx, P.LINE_THICK)


def destruction_icon():
    """A round bomb with a lit fuse: the destruction bonus."""
    surface, ctx = canvas(56, 56)
    draw_destruction_icon(ctx)
    return surface_to_image(surface)


def draw_destruction_icon(ctx):
    """The bomb in a 56 x 56 square at the origin."""
    _badge(ctx, 26, 31, 19, H("7D8FB8"), P.INK)
    ctx.new_path()
    ctx.arc(20, 25, 5, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, 0.6)
    ctx.fill()
    ctx.new_path()
    ctx.rectangle(31, 9, 9, 9)
    ctx.set_source_rgb(*P.BRASS)
    ctx.fill_preserve()
    _outline(ctx)
    ctx.new_path()
    ctx.move_to(38, 10)
    ctx.curve_to(42, 4, 46, 6, 48, 4)
    _outline(ctx, 2.5)
    star(ctx, 49, 5, 5.5, fill=P.WHITE, line=1.2)


def completion_icon():
    """A brass elbow with a plus: the completion bonus."""
    surface, ctx = canvas(56, 56)
    draw_completion_icon(ctx)
    return surface_to_image(surface)


def draw_completion_icon(ctx):
    """The elbow and plus in a 56 x 56 square at the origin."""
    _badge(ctx, 27, 28, 23, H("B6EB7A"), H("2F7A3A"))
    ctx.new_path()
    ctx.arc(14, 14, 20, 0, math.pi / 2)
    for w, col in ((15, P.INK), (10, P.BRASS), (3, P.BRASS_LIGHT)):
        ctx.set_line_width(w)
        ctx.set_source_rgb(*col)
        ctx.stroke_preserve()
    ctx.new_path()
    for (x0, y0, x1, y1) in ((37, 30, 37, 46), (29, 38, 45, 38)):
        ctx.move_to(x0, y0)
        ctx.line_to(x1, y1)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    for w, col in ((9, P.INK), (5, P.WHITE)):
        ctx.set_line_width(w)
        ctx.set_source_rgb(*col)
        ctx.stroke_preserve()


def tutorial_arrow():
    """Points from its middle toward its lower right corner, where its tip
    lies: the tutorial stands it up and left of what it points at (and
    turns it a quarter left to point up and right at the water clock)."""
    n = 64
    surface, ctx = canvas(n, n)
    # Drawn along +x, then laid on the diagonal; the tip 39 px out.
    pts = [(39, 0), (12, -24), (12, -10), (-32, -10), (-32, 10), (12, 10), (12, 24)]

    def shape(dx, dy):
        ctx.save()
        ctx.translate(n / 2 + dx, n / 2 + dy)
        ctx.rotate(math.pi / 4)
        ctx.new_path()
        for i, (x, y) in enumerate(pts):
            (ctx.move_to if i == 0 else ctx.line_to)(x, y)
        ctx.close_path()
        ctx.restore()
    sx, sy = P.SHADOW_OFFSET
    shape(sx * 0.5, sy * 0.5)
    ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA)
    ctx.fill()
    shape(0, 0)
    grad = cairo.LinearGradient(0, 0, n, n)
    grad.add_color_stop_rgb(0, *H("FFF3A6"))
    grad.add_color_stop_rgb(0.5, *P.SUN)
    grad.add_color_stop_rgb(1, *P.ORANGE_DEEP)
    ctx.set_source(grad)
    ctx.fill_preserve()
    _outline(ctx, P.LINE_THICK)
    # A gleam along the shaft's upper edge.
    ctx.save()
    ctx.translate(n / 2, n / 2)
    ctx.rotate(math.pi / 4)
    ctx.move_to(-28, -4)
    ctx.line_to(8, -4)
    ctx.restore()
    ctx.set_source_rgba(1, 1, 1, 0.75)
    ctx.set_line_width(3)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke()
    return surface_to_image(surface)


def destruction_marker():
    """The target ring over the cell a destruction bonus will clear; drawn
    at 0.65 scale, so about one cell across."""
    n = 90
    c = n / 2
    surface, ctx = canvas(n, n)
    for r, w, col in ((36, 11, P.INK), (36, 6, P.CORAL)):
        ctx.new_path()
        ctx.arc(c, c, r, 0, 2 * math.pi)
        ctx.set_source_rgb(*col)
        ctx.set_line_width(w)
        ctx.stroke()
    for k in range(4):
        a = k * math.pi / 2
        ctx.new_path()
        ctx.move_to(c + 24 * math.cos(a), c + 24 * math.sin(a))
        ctx.line_to(c + 44 * math.cos(a), c + 44 * math.sin(a))
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        for w, col in ((10, P.INK), (5, P.WHITE)):
            ctx.set_source_rgb(*col)
            ctx.set_line_width(w)
            ctx.stroke_preserve()
    ctx.new_path()
    ctx.arc(c, c, 6, 0, 2 * math.pi)
    ctx.set_source_rgb(*P.CORAL)
    ctx.fill_preserve()
    _outline(ctx, 2.5)
    return surface_to_image(surface)


# ---------------------------------------------------------------- backs

# Pack n: (world, landmark). Packs 3, 6 and 9 end a world.
PACKS = {1: (1, "windmill"), 2: (1, "fountain"), 3: (1, "waterfall"), 4: (2, "oasis"), 5: (2, "tower"),
         6: (2, "dam"), 7: (3, "pool"), 8: (3, "garden"), 9: (3, "palace")}


def _sky(ctx, w, h, world):
    grad = cairo.LinearGradient(0, 0, 0, h)
    grad.add_color_stop_rgb(0, *world["sky_top"])
    grad.add_color_stop_rgb(0.75, *world["sky_bottom"])
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(grad)
    ctx.fill()


def _ridge(ctx, w, base, amp, color, rng, bumps=7, jag=False):
    pts = [(w * i / bumps, base - amp * rng.uniform(0.4, 1.0)) for i in range(bumps + 1)]
    ctx.new_path()
    ctx.move_to(0, base + 400)
    for i, (x, y) in enumerate(pts):
        if jag:
            ctx.line_to(x - w / bumps * 0.3, y)
            ctx.line_to(x + w / bumps * 0.3, y)
        elif i == 0:
            ctx.line_to(x, y)
        else:
            px, py = pts[i - 1]
            ctx.curve_to((px + x) / 2, py, (px + x) / 2, y, x, y)
    ctx.line_to(w, base + 400)
    ctx.close_path()
    ctx.set_source_rgb(*color)
    ctx.fill_preserve()
    ctx.set_source_rgba(*P.INK, 0.35)
    ctx.set_line_width(2)
    ctx.stroke()


def _stalactites(ctx, w, color, rng):
    x = 0
    ctx.new_path()
    ctx.move_to(0, 0)
    while x < w:
        sw = rng.uniform(30, 80)
        ctx.line_to(x + sw / 2, rng.uniform(40, 150))
        ctx.line_to(x + sw, rng.uniform(5, 30))
        x += sw
    ctx.line_to(w, 0)
    ctx.close_path()
    ctx.set_source_rgb(*color)
    ctx.fill_preserve()
    ctx.set_source_rgba(*P.INK, 0.5)
    ctx.set_line_width(2)
    ctx.stroke()


def _pipe_run(ctx, pts, width=30):
    for w, col, a in ((width + 6, P.INK, 1), (width, P.COPPER, 1), (width * 0.6, P.BRASS, 1),
                      (width * 0.18, P.BRASS_LIGHT, 0.9)):
        ctx.new_path()
        for i, (x, y) in enumerate(pts):
            (ctx.move_to if i == 0 else ctx.line_to)(x - (width * 0.1 if w < width else 0),
                                                     y - (width * 0.1 if w < width else 0))
        ctx.set_source_rgba(*col, a)
        ctx.set_line_width(w)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.stroke()


def _fill_outline(ctx, fill, width=P.LINE_THICK):
    if isinstance(fill, cairo.Pattern):
        ctx.set_source(fill)
    else:
        ctx.set_source_rgb(*fill)
    ctx.fill_preserve()
    _outline(ctx, width)


def _vgrad(y0, y1, a, b):
    g = cairo.LinearGradient(0, y0, 0, y1)
    g.add_color_stop_rgb(0, *a)
    g.add_color_stop_rgb(1, *b)
    return g


def _water_body(ctx, x, y, w, h):
    ctx.new_path()
    ctx.save()
    ctx.translate(x, y)
    ctx.scale(w / 2, h / 2)
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    _fill_outline(ctx, _vgrad(y - h / 2, y + h / 2, P.WATER_LIGHT, P.WATER_DEEP))
    for k in range(3):
        ctx.new_path()
        ctx.save()
        ctx.translate(x - w * 0.1 * k, y - h * 0.1 + k * h * 0.12)
        ctx.scale(w * (0.3 - 0.05 * k), h * 0.08)
        ctx.arc(0, 0, 1, math.pi * 1.1, math.pi * 1.9)
        ctx.restore()
        ctx.set_source_rgba(1, 1, 1, 0.7)
        ctx.set_line_width(2.5)
        ctx.stroke()


def _house(ctx, x, y, s, wall, roof):
    ctx.new_path()
    ctx.rectangle(x - s / 2, y - s * 0.7, s, s * 0.7)
    _fill_outline(ctx, wall)
    ctx.new_path()
    ctx.move_to(x - s * 0.65, y - s * 0.65)
    ctx.line_to(x, y - s * 1.2)
    ctx.line_to(x + s * 0.65, y - s * 0.65)
    ctx.close_path()
    _fill_outline(ctx, roof)
    ctx.new_path()
    ctx.rectangle(x - s * 0.15, y - s * 0.45, s * 0.3, s * 0.45)
    _fill_outline(ctx, P.COPPER_DARK, 2)


def _landmark(ctx, kind, w, h, rng):
    cx, ground = w / 2, h - 150
    if kind == "windmill":
        _house(ctx, cx - 230, ground + 30, 70, P.CREAM, P.CORAL)
        ctx.new_path()
        ctx.move_to(cx - 50, ground + 40)
        ctx.line_to(cx - 30, ground - 200)
        ctx.line_to(cx + 30, ground - 200)
        ctx.line_to(cx + 50, ground + 40)
        ctx.close_path()
        _fill_outline(ctx, _vgrad(ground - 200, ground, P.CREAM, P.PARCHMENT))
        ctx.new_path()
        ctx.move_to(cx - 42, ground - 200)
        ctx.line_to(cx, ground - 250)
        ctx.line_to(cx + 42, ground - 200)
        ctx.close_path()
        _fill_outline(ctx, P.CORAL)
        sails(ctx, cx, ground - 190, 0.4)
        _water_body(ctx, cx + 220, ground + 60, 200, 50)
    elif kind == "fountain":
        for i, dx in enumerate((-330, -220, 220, 330)):
            _house(ctx, cx + dx, ground + 10, 80 + 10 * (i % 2), P.CREAM, (P.CORAL, P.BERRY)[i % 2])
        ctx.new_path()
        ctx.save()
        ctx.translate(cx, ground + 40)
        ctx.scale(150, 40)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        _fill_outline(ctx, H("C9D6F0"))
        _water_body(ctx, cx, ground + 34, 260, 56)
        ctx.new_path()
        ctx.rectangle(cx - 12, ground - 90, 24, 120)
        _fill_outline(ctx, _vgrad(ground - 90, ground + 30, H("E8EDF5"), H("A3AEC4")))
        ctx.new_path()
        ctx.save()
        ctx.translate(cx, ground - 90)
        ctx.scale(60, 14)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        _fill_outline(ctx, H("C9D6F0"))
        for sgn in (-1, 1):
            ctx.new_path()
            ctx.move_to(cx, ground - 130)
            ctx.curve_to(cx + sgn * 40, ground - 180, cx + sgn * 90, ground - 120, cx + sgn * 110, ground + 20)
            ctx.set_source_rgba(*P.WATER_LIGHT, 0.95)
            ctx.set_line_width(7)
            ctx.stroke()
        ctx.new_path()
        ctx.move_to(cx, ground - 90)
        ctx.line_to(cx, ground - 160)
        ctx.set_source_rgb(*P.WATER_LIGHT)
        ctx.set_line_width(9)
        ctx.stroke()
    elif kind == "waterfall":
        ctx.new_path()
        ctx.move_to(cx - 260, ground + 60)
        ctx.line_to(cx - 200, ground - 260)
        ctx.line_to(cx + 200, ground - 260)
        ctx.line_to(cx + 260, ground + 60)
        ctx.close_path()
        _fill_outline(ctx, _vgrad(ground - 260, ground, H("8FA4C8"), H("5D6F9E")))
        ctx.new_path()
        ctx.rectangle(cx - 110, ground - 262, 220, 300)
        _fill_outline(ctx, _vgrad(ground - 260, ground + 40, P.WATER_LIGHT, P.WATER))
        for k in range(9):
            x = cx - 95 + 24 * k
            ctx.new_path()
            ctx.move_to(x, ground - 250 + 20 * (k % 3))
            ctx.line_to(x, ground + 20 - 10 * (k % 2))
            ctx.set_source_rgba(1, 1, 1, 0.6)
            ctx.set_line_width(3)
            ctx.stroke()
        _water_body(ctx, cx, ground + 70, 560, 90)
        for k in range(7):
            ctx.new_path()
            ctx.arc(cx - 90 + 30 * k, ground + 35, 16, 0, 2 * math.pi)
            ctx.set_source_rgba(1, 1, 1, 0.9)
            ctx.fill()
        for dx in (-380, -320, 330, 390):
            _tree(ctx, cx + dx, ground + 20, 50)
    elif kind == "oasis":
        _water_body(ctx, cx, ground + 50, 420, 90)
        for dx, lean in ((-190, -0.3), (-120, 0.2), (170, 0.3), (230, -0.1)):
            _palm(ctx, cx + dx, ground + 40, lean)
        _tent(ctx, cx - 380, ground + 40)
        _tent(ctx, cx + 380, ground + 40)
    elif kind == "tower":
        for dx in (-300, -200, 220, 320):
            _adobe(ctx, cx + dx, ground + 30, 90)
        for sx in (-50, 50):
            strut(ctx, (cx + sx * 0.5, ground - 120), (cx + sx, ground + 40), 5)
        ctx.new_path()
        ctx.rectangle(cx - 70, ground - 240, 140, 120)
        _fill_outline(ctx, _vgrad(ground - 240, ground - 120, P.BRASS_LIGHT, P.COPPER))
        for y in (ground - 210, ground - 160):
            ctx.new_path()
            ctx.rectangle(cx - 70, y, 140, 8)
            _fill_outline(ctx, P.COPPER_DARK, 2)
        ctx.new_path()
        ctx.move_to(cx - 80, ground - 240)
        ctx.line_to(cx, ground - 290)
        ctx.line_to(cx + 80, ground - 240)
        ctx.close_path()
        _fill_outline(ctx, P.CORAL)
    elif kind == "dam":
        dam_wall(ctx, w, ground - 120, 30, ground + 70, 12, 0.3)
        for dx in (-200, 0, 200):
            ctx.new_path()
            ctx.rectangle(cx + dx - 35, ground - 60, 70, 140)
            _fill_outline(ctx, _vgrad(ground - 60, ground + 80, P.WATER_LIGHT, P.WATER))
            ctx.new_path()
            ctx.arc(cx + dx, ground - 60, 35, math.pi, 2 * math.pi)
            _fill_outline(ctx, P.INK_SOFT)
    elif kind == "pool":
        _water_body(ctx, cx, ground + 50, 520, 110)
        for dx, s, col in ((-300, 70, H("5FF2E6")), (-200, 45, H("B38CFF")), (230, 80, H("5FF2E6")),
                           (320, 50, H("FF6B9E")), (-40, 30, H("B38CFF")), (60, 36, H("5FF2E6"))):
            _crystal_big(ctx, cx + dx, ground + 40, s, col)
    elif kind == "garden":
        for dx, s, col in ((-330, 90, H("FF6B9E")), (-220, 60, H("5FF2E6")), (240, 80, H("B38CFF")),
                           (340, 55, H("FFD23F")), (-120, 40, H("B38CFF")), (140, 45, H("FF6B9E"))):
            glow_mushroom(ctx, cx + dx, ground + 40, s, col)
        ctx.new_path()
        ctx.save()
        ctx.translate(cx, ground + 40)
        ctx.scale(70, 22)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        _fill_outline(ctx, H("8C8FD6"))
        _water_body(ctx, cx, ground + 36, 110, 30)
        for sx in (-60, 60):
            ctx.new_path()
            ctx.rectangle(cx + sx - 6, ground - 90, 12, 130)
            _fill_outline(ctx, P.COPPER_DARK)
        ctx.new_path()
        ctx.move_to(cx - 85, ground - 80)
        ctx.line_to(cx, ground - 130)
        ctx.line_to(cx + 85, ground - 80)
        ctx.close_path()
        _fill_outline(ctx, P.BERRY)
    else:  # palace
        for dx, tw, th in ((-180, 70, 230), (180, 70, 230), (0, 130, 300), (-290, 50, 150), (290, 50, 150)):
            crystal_tower(ctx, cx + dx, ground + 40, tw, th, 40)
        _water_body(ctx, cx, ground + 60, 420, 70)
        ctx.new_path()
        ctx.move_to(cx, ground + 40)
        ctx.line_to(cx, ground - 60)
        ctx.set_source_rgb(*P.WATER_LIGHT)
        ctx.set_line_width(12)
        ctx.stroke()
        for k in range(6):
            star(ctx, cx + rng.uniform(-400, 400), rng.uniform(40, 200), rng.uniform(6, 11), fill=P.WHITE)


def dam_wall(ctx, w, top, sag, bottom, blocks, alpha, overhang=0):
    """A dam across the width w: its crest bows up by `sag` in the middle,
    its face shows `blocks` courses in ink of `alpha`."""
    ctx.new_path()
    ctx.move_to(-overhang, top)
    ctx.curve_to(w * 0.3, top - sag, w * 0.7, top - sag, w + overhang, top)
    ctx.line_to(w + overhang, bottom)
    ctx.line_to(-overhang, bottom)
    ctx.close_path()
    _fill_outline(ctx, _vgrad(top - sag, bottom, H("E4D6BE"), H("A8957A")))
    for k in range(blocks):
        x = w * (k + 0.5) / blocks
        ctx.new_path()
        ctx.move_to(x, top - sag / 2)
        ctx.line_to(x, bottom)
        ctx.set_source_rgba(*P.INK, alpha)
        ctx.set_line_width(2)
        ctx.stroke()


def crystal_tower(ctx, x, base, tw, th, shade):
    """A palace tower tw wide and th high standing at (x, base) under its
    crystal spire; its light fades downward ending `shade` above the base."""
    ctx.new_path()
    ctx.rectangle(x - tw / 2, base - th, tw, th)
    _fill_outline(ctx, _vgrad(base - shade - th, base, H("E4F8FF"), H("8C8FD6")))
    ctx.new_path()
    ctx.move_to(x - tw / 2 - 8, base - th)
    ctx.line_to(x, base - th - tw * 0.9)
    ctx.line_to(x + tw / 2 + 8, base - th)
    ctx.close_path()
    _fill_outline(ctx, _vgrad(base - shade - th - tw, base - shade - th, H("FFFFFF"), H("5FF2E6")))


def strut(ctx, start, end, width):
    """A dark copper beam from start to end, outlined in ink."""
    for line, colour in ((width + 4, P.INK), (width, P.COPPER_DARK)):
        ctx.new_path()
        ctx.move_to(*start)
        ctx.line_to(*end)
        if colour == P.INK:
            _outline(ctx, line)
        else:
            ctx.set_source_rgb(*colour)
            ctx.set_line_width(line)
            ctx.stroke()


def sails(ctx, x, y, angle):
    """A windmill's four sails about their brass hub at (x, y), the first
    turned by `angle`."""
    for k in range(4):
        ctx.save()
        ctx.translate(x, y)
        ctx.rotate(k * math.pi / 2 + angle)
        ctx.new_path()
        ctx.rectangle(6, -14, 120, 28)
        _fill_outline(ctx, P.CREAM)
        for j in range(1, 4):
            ctx.new_path()
            ctx.move_to(6 + 30 * j, -14)
            ctx.line_to(6 + 30 * j, 14)
            ctx.set_source_rgba(*P.INK, 0.5)
            ctx.set_line_width(1.5)
            ctx.stroke()
        ctx.restore()
    ctx.new_path()
    ctx.arc(x, y, 10, 0, 2 * math.pi)
    _fill_outline(ctx, P.BRASS)


def _tree(ctx, x, y, s):
    ctx.new_path()
    ctx.rectangle(x - s * 0.1, y - s * 0.6, s * 0.2, s * 0.6)
    _fill_outline(ctx, P.COPPER_DARK, 2)
    for dx, dy, r in ((0, -s * 1.0, s * 0.5), (-s * 0.3, -s * 0.7, s * 0.35), (s * 0.3, -s * 0.7, s * 0.35)):
        ctx.new_path()
        ctx.arc(x + dx, y + dy, r, 0, 2 * math.pi)
        _fill_outline(ctx, _vgrad(y + dy - r, y + dy + r, H("9BDB6A"), H("2F7A3A")), 2.5)


def _palm(ctx, x, y, lean):
    tx, ty = x + lean * 120, y - 170
    ctx.new_path()
    ctx.move_to(x, y)
    ctx.curve_to(x, y - 80, tx, ty + 60, tx, ty)
    for w, col in ((14, P.INK), (9, H("9C5B2E"))):
        ctx.set_source_rgb(*col)
        ctx.set_line_width(w)
        ctx.stroke_preserve()
    for k in range(6):
        a = -math.pi / 2 + (k - 2.5) * 0.55
        ex, ey = tx + 80 * math.cos(a), ty + 50 * math.sin(a) + 25
        ctx.new_path()
        ctx.move_to(tx, ty)
        ctx.curve_to(tx + 40 * math.cos(a), ty - 30, ex, ey - 20, ex, ey)
        ctx.curve_to(ex - 10, ey - 5, tx + 30 * math.cos(a), ty - 10, tx, ty)
        _fill_outline(ctx, P.LEAF, 2)


def _tent(ctx, x, y):
    ctx.new_path()
    ctx.move_to(x - 70, y)
    ctx.line_to(x, y - 90)
    ctx.line_to(x + 70, y)
    ctx.close_path()
    _fill_outline(ctx, _vgrad(y - 90, y, H("F2A774"), H("B8623A")))
    ctx.new_path()
    ctx.move_to(x, y - 90)
    ctx.line_to(x - 15, y)
    ctx.line_to(x + 15, y)
    ctx.close_path()
    _fill_outline(ctx, H("7A4E8C"), 2)


def _adobe(ctx, x, y, s):
    rounded_rect(ctx, x - s / 2, y - s * 0.8, s, s * 0.8, 10)
    _fill_outline(ctx, _vgrad(y - s, y, H("FFE3B0"), H("E9A86B")))
    ctx.new_path()
    ctx.rectangle(x - s * 0.15, y - s * 0.45, s * 0.3, s * 0.45)
    _fill_outline(ctx, H("8E4527"), 2)


def _crystal_big(ctx, x, y, s, col):
    g = cairo.RadialGradient(x, y - s * 0.5, 0, x, y - s * 0.5, s * 1.6)
    g.add_color_stop_rgba(0, *col, 0.45)
    g.add_color_stop_rgba(1, *col, 0)
    ctx.set_source(g)
    ctx.arc(x, y - s * 0.5, s * 1.6, 0, 2 * math.pi)
    ctx.fill()
    ctx.new_path()
    ctx.move_to(x, y - s * 1.6)
    ctx.line_to(x + s * 0.4, y - s * 1.0)
    ctx.line_to(x + s * 0.3, y)
    ctx.line_to(x - s * 0.3, y)
    ctx.line_to(x - s * 0.4, y - s * 1.0)
    ctx.close_path()
    g = cairo.LinearGradient(x - s * 0.4, 0, x + s * 0.4, 0)
    g.add_color_stop_rgb(0, 1, 1, 1)
    g.add_color_stop_rgb(0.5, *col)
    g.add_color_stop_rgb(1, *tuple(v * 0.55 for v in col))
    _fill_outline(ctx, g)


def glow_mushroom(ctx, x, y, s, col, glow=1.0, cap=None):
    """A mushroom glowing in `col` with strength `glow`; its cap fades from
    white to `cap` (the glow colour unless given)."""
    g = cairo.RadialGradient(x, y - s, 0, x, y - s, s * 1.5)
    g.add_color_stop_rgba(0, *col, 0.5 * glow)
    g.add_color_stop_rgba(1, *col, 0)
    ctx.set_source(g)
    ctx.arc(x, y - s, s * 1.5, 0, 2 * math.pi)
    ctx.fill()
    ctx.new_path()
    ctx.rectangle(x - s * 0.12, y - s, s * 0.24, s)
    _fill_outline(ctx, P.CREAM, 2)
    ctx.new_path()
    ctx.arc(x, y - s, s * 0.6, math.pi, 2 * math.pi)
    ctx.close_path()
    _fill_outline(ctx, _vgrad(y - s * 1.6, y - s, P.WHITE, cap or col))


def _foreground(ctx, world_no, w, h, rng):
    """Small things of the world along the picture's lower edge, drawn with
    the decor's own shapes at a larger scale."""
    things = {1: [(decor.flower, (P.CORAL,)), (decor.flower, (P.WHITE,)), (decor.tuft, (P.LEAF,)),
                  (decor.flower, (P.SUN, P.ORANGE, 8, 15)), (decor.stone, (H("E8EDF5"), H("7D8FB8")))],
              2: [(decor.stone, (H("F2A774"), H("8E4527"))), (decor.tuft, (H("C9B458"),)),
                  (decor.tumbleweed, ())],
              3: [(decor.crystals, (H("5FF2E6"),)), (decor.crystals, (H("B38CFF"),)),
                  (decor.mushroom, (H("5FF2E6"), P.WHITE, 11, H("5FF2E6"))),
                  (decor.stone, (H("8C8FD6"), H("23265E")))]}[world_no]
    x = rng.uniform(10, 60)
    while x < w:
        if abs(x - w / 2 - 60) > 110:
            draw, args = things[rng.randrange(len(things))]
            ctx.save()
            ctx.translate(x, h - rng.uniform(18, 60))
            ctx.scale(1.7, 1.7)
            ctx.translate(-24, -24)
            draw(ctx, 24, rng, *args)
            ctx.restore()
        x += rng.uniform(70, 150)


def landscape(ctx, world_no, w, h, rng):
    """A world's sky, far ridges and ground band over (0, 0, w, h), the
    ground band the lowest 110 px."""
    world = P.WORLDS[world_no]
    _sky(ctx, w, h, world)
    if world_no == 1:
        for k in range(5):
            x, y = rng.uniform(0, w), rng.uniform(30, 170)
            for dx, r in ((-30, 24), (0, 34), (32, 26)):
                ctx.new_path()
                ctx.arc(x + dx, y, r, 0, 2 * math.pi)
                ctx.set_source_rgba(1, 1, 1, 0.85)
                ctx.fill()
        ctx.new_path()
        ctx.arc(w * 0.82, 90, 45, 0, 2 * math.pi)
        _fill_outline(ctx, P.SUN)
        _ridge(ctx, w, h - 230, 90, H("B6E39A"), rng)
        _ridge(ctx, w, h - 170, 60, world["ground"], rng, 5)
    elif world_no == 2:
        ctx.new_path()
        ctx.arc(w * 0.2, 120, 60, 0, 2 * math.pi)
        _fill_outline(ctx, H("FFE07A"))
        _ridge(ctx, w, h - 240, 120, H("D98A5E"), rng, 6, jag=True)
        _ridge(ctx, w, h - 170, 50, world["ground"], rng, 5)
    else:
        _ridge(ctx, w, h - 240, 110, H("2A2D6B"), rng, 8)
        _stalactites(ctx, w, H("14163A"), rng)
        _ridge(ctx, w, h - 170, 50, world["ground"], rng, 5)
        for _ in range(30):
            x, y = rng.uniform(0, w), rng.uniform(150, h - 200)
            ctx.new_path()
            ctx.arc(x, y, rng.uniform(1, 2.5), 0, 2 * math.pi)
            ctx.set_source_rgba(*world["accent"], 0.8)
            ctx.fill()
    ctx.new_path()
    ctx.rectangle(0, h - 110, w, 110)
    ctx.set_source(_vgrad(h - 110, h, world["ground"], world["ground_dark"]))
    ctx.fill()


def back(pack):
    world_no, kind = PACKS[pack]
    w, h = BACK_SIZE
    surface, ctx = canvas(w, h)
    rng = random.Random(pack)
    landscape(ctx, world_no, w, h, rng)
    _landmark(ctx, kind, w, h, rng)
    _foreground(ctx, world_no, w, h, rng)
    # The pipeline arrives from the board below and pours out.
    end = (w / 2 + 120, h - 118)
    _pipe_run(ctx, [(w / 2, h + 10), (w / 2, h - 60), (end[0], h - 60), end])
    ctx.new_path()
    ctx.rectangle(end[0] - 22, end[1] - 4, 44, 12)
    _fill_outline(ctx, _vgrad(end[1] - 4, end[1] + 8, P.BRASS_LIGHT, P.COPPER), 2.5)
    for k in range(5):
        a = -math.pi / 2 + (k - 2) * 0.35
        ctx.new_path()
        ctx.arc(end[0] + 22 * math.cos(a), end[1] - 8 + 16 * math.sin(a), 4 - abs(k - 2), 0, 2 * math.pi)
        ctx.set_source_rgba(*P.WATER_LIGHT, 0.95)
        ctx.fill_preserve()
        ctx.set_source_rgba(*P.INK, 0.6)
        ctx.set_line_width(1.2)
        ctx.stroke()
    image = surface_to_image(surface).convert("RGB")
    return image.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)


def build_all(resources):
    made = []
    pictures = {"pump_gutter": pump_gutter, "pump_water": pump_water, "stripe": stripe,
                "coin": coin_particle, "star": star_particle, "destruction_icon": destruction_icon,
                "completion_icon": completion_icon, "tutorial_arrow": tutorial_arrow,
                "destruction": destruction_marker}
    for name, make in pictures.items():
        _save(make(), resources, FILES[name])
        made.append(FILES[name])
    for pack in PACKS:
        _save(back(pack), resources, BACK % pack)
        made.append(BACK % pack)
    return made
