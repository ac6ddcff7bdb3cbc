"""The pack close-ups: after the last level of a pack the place the water
was brought to grows on screen as a framed picture, then a short animation
plays over it and loops. One picture and its frames per pack, in the pack's
world look and with the landmark of its level backdrop (interface.PACKS),
and the window list "xml/Game CloseUpWindows.xml" with "CLOSE_UP_PACK_1"
.. "CLOSE_UP_PACK_9".

Each scene is drawn at a moment of its animation: `arrive` runs from 0
(before the water, the still picture) to 1 over the frames before the
pack's loop frame, `loop` turns once over the loop frames and goes on
turning during the arrival, so the loop joins its own start. A frame is the
part of the whole card that changes, cut from the card drawn at that
moment: laid over the picture at its place it shows the whole card as
drawn, with no seam.

The window rests at the screen's middle and its pictures are laid out as on
a 1024 x 768 screen by their upper left corners, as the window class moves
them; so the close-up stays centred in the wide layout too.
"""

import math
import random

import cairo
import numpy as np
from PIL import Image

from . import decor, images
from . import interface as scenery
from . import menu_art as art
from . import palette as P
from . import windows as W
from .atlas import canvas, surface_to_image
from .shapes import rounded_rect

FOLDER = "graphics/closeups"
WINDOW_FOLDER = "xml/Game"
LIST = "CloseUpWindows.xml"
H = P.hex_rgb

CARD = (720, 500)
BORDER = 14
BAND = 58                      # the caption band under the scene
SCENE = (CARD[0] - 2 * BORDER, CARD[1] - 2 * BORDER - BAND)
SCREEN = (1024, 768)
CARD_AT = ((SCREEN[0] - CARD[0]) // 2, (SCREEN[1] - CARD[1]) // 2)

# Pack -> (frames, caption). The frame the loop starts from is the window
# class's: 3 for pack 3, 7 for pack 6, 4 for pack 9, 5 for the others.
LOOP_FRAME = {3: 3, 6: 7, 9: 4}
PACKS = {
    1: (10, "The windmill farm has water!"),
    2: (10, "Water for the meadow village!"),
    3: (8, "The old mill turns again!"),
    4: (10, "The oasis is full again!"),
    5: (10, "Water for the canyon town!"),
    6: (12, "The canyon dam is full!"),
    7: (10, "The crystal pool shines again!"),
    8: (10, "The mushroom garden glows again!"),
    9: (9, "The crystal palace fountain sings!"),
}


def loop_frame(pack):
    return LOOP_FRAME.get(pack, 5)


def texture(stem):
    return "%s %s.png" % (FOLDER, stem)


class Moment:
    """Where an animation stands: `arrive` 0..1, `loop` 0..1 (one turn)."""

    def __init__(self, arrive, loop):
        self.arrive = arrive
        self.loop = loop


def moments(pack):
    """The still picture's moment, then each frame's."""
    count = PACKS[pack][0]
    first = loop_frame(pack)
    turn = count - first + 1
    out = [Moment(0.0, 0.0)]
    for k in range(1, count + 1):
        out.append(Moment(min(1.0, k / first), ((k - first) / turn) % 1.0))
    return out


# ---- small drawing helpers ---------------------------------------------------------

def _ellipse(ctx, x, y, rx, ry):
    ctx.new_path()
    ctx.save()
    ctx.translate(x, y)
    ctx.scale(rx, ry)
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()


def _fill(ctx, fill, line=P.LINE_THICK):
    scenery._fill_outline(ctx, fill, line)


def _vgrad(y0, y1, a, b):
    return scenery._vgrad(y0, y1, a, b)


def _gable(ctx, cx, base, half, rise, fill):
    """A roof: a triangle `half` wide each side of cx, `rise` high."""
    ctx.new_path()
    ctx.move_to(cx - half, base)
    ctx.line_to(cx, base - rise)
    ctx.line_to(cx + half, base)
    ctx.close_path()
    _fill(ctx, fill)


def _ripples(ctx, x, y, rx, ry, phase, count=3, alpha=0.85):
    """Rings spreading from (x, y); the ring that fades out is replaced by a
    new one, so a full turn of `phase` joins its start."""
    for k in range(count):
        t = (phase + k / count) % 1.0
        _ellipse(ctx, x, y, rx * (0.15 + 0.85 * t), ry * (0.15 + 0.85 * t))
        ctx.set_source_rgba(1, 1, 1, alpha * (1 - t))
        ctx.set_line_width(2.5)
        ctx.stroke()


def _sparkle(ctx, x, y, r, alpha=1.0):
    """A four-pointed glint."""
    if r <= 0.5 or alpha <= 0:
        return
    ctx.new_path()
    for k in range(8):
        a = k * math.pi / 4
        rr = r if k % 2 == 0 else r * 0.28
        (ctx.move_to if k == 0 else ctx.line_to)(x + rr * math.cos(a), y + rr * math.sin(a))
    ctx.close_path()
    ctx.set_source_rgba(1, 1, 1, alpha)
    ctx.fill()


def _twinkles(ctx, spots, phase, size=9):
    """Glints that swell and fade in turn, each spot at its own offset."""
    for k, (x, y) in enumerate(spots):
        t = (phase + k / len(spots)) % 1.0
        s = math.sin(math.pi * t)
        _sparkle(ctx, x, y, size * s, 0.95)


def _drops_along(ctx, points, phase, count, size):
    """Drops travelling along a curve of four points, evenly spaced."""
    (x0, y0), (x1, y1), (x2, y2), (x3, y3) = points
    for k in range(count):
        t = (phase + k / count) % 1.0
        u = 1 - t
        x = u ** 3 * x0 + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t ** 3 * x3
        y = u ** 3 * y0 + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t ** 3 * y3
        ctx.new_path()
        ctx.arc(x, y, size, 0, 2 * math.pi)
        ctx.set_source_rgba(*P.WATER_LIGHT, 1.0)
        ctx.fill_preserve()
        ctx.set_source_rgba(*P.INK, 0.7)
        ctx.set_line_width(1.5)
        ctx.stroke()


def _curve(ctx, points):
    ctx.new_path()
    ctx.move_to(*points[0])
    ctx.curve_to(*points[1], *points[2], *points[3])


def _flow(ctx, points, phase, width=18, part=1.0):
    """Running water along a curve: ink edge, water body and light dashes
    that move along it (one dash period per turn of `phase`). `part` cuts
    the stream short while it is still arriving."""
    if part <= 0:
        return
    (x0, y0), (x1, y1), (x2, y2), (x3, y3) = points
    if part < 1:
        # De Casteljau: the first `part` of the curve.
        def lerp(a, b):
            return (a[0] + (b[0] - a[0]) * part, a[1] + (b[1] - a[1]) * part)
        p0, p1, p2, p3 = points
        a, b, c = lerp(p0, p1), lerp(p1, p2), lerp(p2, p3)
        d, e = lerp(a, b), lerp(b, c)
        points = [p0, a, d, lerp(d, e)]
    period = 26
    for lw, colour, alpha, dash in ((width + 2 * P.LINE_THIN, P.INK, 1.0, None),
                                    (width, P.WATER, 1.0, None),
                                    (width * 0.55, P.WATER_LIGHT, 0.9, None),
                                    (width * 0.25, P.WHITE, 0.95, (10, period - 10))):
        _curve(ctx, points)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND if dash is None else cairo.LINE_CAP_BUTT)
        ctx.set_line_width(lw)
        ctx.set_source_rgba(*colour, alpha)
        if dash:
            ctx.set_dash(dash, -phase * period)
        ctx.stroke()
        ctx.set_dash([])


def _pipe_in(ctx, points, width=26):
    """The pipeline the player laid, arriving from the scene's lower edge,
    ending in a spout facing `points[-1]`'s direction."""
    images._pipe(ctx, points, width)
    (x0, y0), (x1, y1) = points[-2], points[-1]
    if y1 == y0:
        images._spout(ctx, x1, y1, width, 1 if x1 > x0 else -1)
    else:
        images._flange(ctx, x1, y1, width, True)


def _splash(ctx, x, y, phase, size=1.0):
    """Drops leaping up where water lands."""
    for k in range(5):
        t = (phase + k / 5) % 1.0
        a = math.pi * (0.15 + 0.7 * (k / 4))
        dist = 26 * size * t
        px = x - math.cos(a) * dist
        py = y - math.sin(a) * dist * 1.2 + 30 * size * t * t
        ctx.new_path()
        ctx.arc(px, py, 3.2 * size * (1 - 0.5 * t), 0, 2 * math.pi)
        ctx.set_source_rgba(*P.WATER_LIGHT, 1 - t * 0.6)
        ctx.fill()


def _mud(ctx, x, y, rx, ry):
    """The dry bed of a pool: cracked earth."""
    _ellipse(ctx, x, y, rx, ry)
    _fill(ctx, _vgrad(y - ry, y + ry, H("C9A878"), H("8E6E48")))
    for k in range(5):
        cx = x - rx * 0.6 + k * rx * 0.3
        ctx.new_path()
        ctx.move_to(cx, y - ry * 0.4)
        ctx.line_to(cx + 8, y)
        ctx.line_to(cx + 2, y + ry * 0.4)
        ctx.set_source_rgba(*P.COPPER_DARK, 0.8)
        ctx.set_line_width(1.5)
        ctx.stroke()


def _water_ellipse(ctx, x, y, rx, ry, level):
    """A pool surface that spreads from the middle as it fills."""
    if level <= 0:
        return
    k = 0.35 + 0.65 * level
    _ellipse(ctx, x, y, rx * k, ry * k)
    _fill(ctx, _vgrad(y - ry, y + ry, P.WATER_LIGHT, P.WATER_DEEP), P.LINE_THIN)
    _ellipse(ctx, x - rx * 0.2 * k, y - ry * 0.25 * k, rx * 0.35 * k, ry * 0.18 * k)
    ctx.set_source_rgba(1, 1, 1, 0.45)
    ctx.fill()


# ---- the nine places --------------------------------------------------------------
# Each draws over the world's landscape in a scene of SCENE's size.

def windmill_farm(ctx, w, h, m, rng):
    gy = h - 110
    scenery._house(ctx, 110, gy + 40, 90, P.CREAM, P.CORAL)
    scenery._tree(ctx, 40, gy + 30, 60)
    # The mill: tower, cap and four sails turning a quarter per loop.
    cx, top = 300, gy - 150
    ctx.new_path()
    ctx.move_to(cx - 56, gy + 50)
    ctx.line_to(cx - 34, top)
    ctx.line_to(cx + 34, top)
    ctx.line_to(cx + 56, gy + 50)
    ctx.close_path()
    _fill(ctx, _vgrad(top, gy, P.CREAM, P.PARCHMENT))
    rounded_rect(ctx, cx - 14, gy + 6, 28, 44, 12)
    _fill(ctx, P.COPPER_DARK, P.LINE_THIN)
    _gable(ctx, cx, top, 46, 52, P.CORAL)
    scenery.sails(ctx, cx, top + 8, 0.4 + m.loop * math.pi / 2)
    # The trough by the pond fills from the pipeline.
    px, py = 530, gy + 62
    _mud(ctx, px, py, 120, 34)
    _water_ellipse(ctx, px, py, 120, 34, m.arrive)
    if m.arrive > 0:
        _ripples(ctx, px - 40, py - 4, 60, 16, m.loop)
    _pipe_in(ctx, [(620, h + 20), (620, gy - 20), (590, gy - 20)])
    _flow(ctx, [(578, gy - 20), (560, gy - 20), (545, gy), (540, py - 6)], m.loop,
          part=min(1.0, m.arrive * 3))
    if m.arrive > 0:
        _splash(ctx, 540, py - 6, m.loop)
    for k, (x, y) in enumerate(((430, gy + 90), (660, gy + 96), (210, gy + 92))):
        decor_flower(ctx, x, y, (P.CORAL, P.WHITE, P.SUN)[k])


def decor_flower(ctx, x, y, colour):
    ctx.save()
    ctx.translate(x - 24 * 1.6, y - 24 * 1.6)
    ctx.scale(1.6, 1.6)
    decor.flower(ctx, 24, random.Random(1), colour)
    ctx.restore()


def _fountain(ctx, cx, gy, m, height):
    """A village fountain: basin, column and bowl; the jet rises with the
    water's arrival and its arcs run while it plays."""
    _ellipse(ctx, cx, gy + 56, 170, 40)
    _fill(ctx, _vgrad(gy + 16, gy + 96, H("DCE3F0"), H("8C98B8")))
    _ellipse(ctx, cx, gy + 50, 148, 30)
    _fill(ctx, _vgrad(gy + 20, gy + 80, H("A89372"), H("7A6A52")), P.LINE_THIN)
    _water_ellipse(ctx, cx, gy + 50, 148, 30, m.arrive)
    if m.arrive > 0:
        _ripples(ctx, cx, gy + 50, 120, 24, m.loop)
    ctx.new_path()
    ctx.rectangle(cx - 14, gy - 80, 28, 130)
    _fill(ctx, _vgrad(gy - 80, gy + 50, H("E8EDF5"), H("A3AEC4")))
    _ellipse(ctx, cx, gy - 80, 66, 16)
    _fill(ctx, H("C9D6F0"))
    rise = m.arrive
    if rise > 0:
        jet = height * rise
        for side in (-1, 1):
            pts = [(cx, gy - 84 - jet * 0.6), (cx + side * 50, gy - 90 - jet * 1.1),
                   (cx + side * 100, gy - 60 - jet * 0.3), (cx + side * 118, gy + 40)]
            _flow(ctx, pts, m.loop, 12, part=min(1.0, rise * 1.6))
        ctx.new_path()
        ctx.move_to(cx, gy - 84)
        ctx.line_to(cx, gy - 84 - jet)
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(16)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.stroke()
        ctx.new_path()
        ctx.move_to(cx, gy - 84)
        ctx.line_to(cx, gy - 84 - jet)
        ctx.set_source_rgb(*P.WATER_LIGHT)
        ctx.set_line_width(11)
        ctx.stroke()
        if rise >= 1:
            for side in (-1, 1):
                _splash(ctx, cx + side * 118, gy + 40, m.loop, 0.8)
            _twinkles(ctx, [(cx - 60, gy - 150), (cx + 70, gy - 140), (cx + 10, gy - 190)], m.loop)


def meadow_village(ctx, w, h, m, rng):
    gy = h - 110
    for i, dx in enumerate((-290, -180, 180, 290)):
        scenery._house(ctx, w / 2 + dx, gy + 20 + 6 * (i % 2), 96 + 12 * (i % 2), P.CREAM,
                       (P.CORAL, P.BERRY, P.WATER_DEEP, P.CORAL)[i])
    _fountain(ctx, w / 2, gy, m, 70)
    _pipe_in(ctx, [(w / 2 + 200, h + 20), (w / 2 + 200, gy + 86), (w / 2 + 120, gy + 86)], 22)
    for k, (x, y) in enumerate(((60, gy + 92), (640, gy + 96), (150, gy + 100))):
        decor_flower(ctx, x, y, (P.SUN, P.CORAL, P.WHITE)[k])


def _wheel(ctx, x, y, r, angle):
    """A mill wheel of eight paddles, turned by `angle`."""
    ctx.save()
    ctx.translate(x, y)
    ctx.rotate(angle)
    for k in range(8):
        ctx.save()
        ctx.rotate(k * math.pi / 4)
        ctx.new_path()
        ctx.rectangle(-6, -r - 8, 12, 30)
        _fill(ctx, P.COPPER, P.LINE_THIN)
        ctx.restore()
    ctx.new_path()
    ctx.arc(0, 0, r - 14, 0, 2 * math.pi)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(11)
    ctx.stroke_preserve()
    ctx.set_source_rgb(*P.BRASS)
    ctx.set_line_width(6)
    ctx.stroke()
    for k in range(4):
        ctx.save()
        ctx.rotate(k * math.pi / 4)
        ctx.new_path()
        ctx.move_to(-(r - 14), 0)
        ctx.line_to(r - 14, 0)
        ctx.set_source_rgb(*P.COPPER_DARK)
        ctx.set_line_width(5)
        ctx.stroke()
        ctx.restore()
    ctx.new_path()
    ctx.arc(0, 0, 11, 0, 2 * math.pi)
    _fill(ctx, P.BRASS, P.LINE_THIN)
    ctx.restore()


def falls_mill(ctx, w, h, m, rng):
    gy = h - 110
    # The cliff; the pipeline runs along its top to the lip.
    lip = 150
    ctx.new_path()
    ctx.move_to(-10, gy + 40)
    ctx.line_to(-10, lip)
    ctx.line_to(250, lip - 6)
    ctx.line_to(270, gy + 40)
    ctx.close_path()
    _fill(ctx, _vgrad(lip, gy, H("8FA4C8"), H("5D6F9E")))
    for x, y in ((60, 190), (150, 240), (90, 290), (200, 200)):
        ctx.new_path()
        ctx.move_to(x, y)
        ctx.line_to(x + 34, y - 4)
        ctx.set_source_rgba(*P.INK, 0.3)
        ctx.set_line_width(2)
        ctx.stroke()
    scenery._tree(ctx, 40, lip - 4, 52)
    scenery._tree(ctx, 120, lip - 6, 40)
    _pipe_in(ctx, [(-20, lip - 24), (236, lip - 24)], 24)
    # The water falls from the pipe onto the top of the wheel, which turns
    # an eighth of a turn per loop.
    wx, wy, r = 330, gy - 6, 70
    _flow(ctx, [(248, lip - 24), (290, lip - 24), (318, lip), (322, wy - r - 4)], m.loop, 20,
          part=min(1.0, m.arrive * 1.5))
    # The pond and the mill.
    _ellipse(ctx, 340, gy + 74, 300, 34)
    _fill(ctx, _vgrad(gy + 40, gy + 108, P.WATER_LIGHT, P.WATER_DEEP))
    scenery._house(ctx, 540, gy + 44, 160, P.CREAM, P.CORAL)
    _wheel(ctx, wx, wy, r, m.loop * math.pi / 4)
    if m.arrive > 0:
        _ripples(ctx, 330, gy + 74, 150, 22, m.loop)
        _splash(ctx, 322, wy - r - 2, m.loop, 0.8)
        _twinkles(ctx, [(250, gy + 70), (420, gy + 80), (300, lip + 10)], m.loop, 8)


def oasis(ctx, w, h, m, rng):
    gy = h - 110
    scenery._tent(ctx, 70, gy + 40)
    scenery._tent(ctx, w - 70, gy + 36)
    px, py = w / 2, gy + 56
    _mud(ctx, px, py, 220, 48)
    _water_ellipse(ctx, px, py, 220, 48, m.arrive)
    if m.arrive > 0:
        _ripples(ctx, px + 60, py - 6, 110, 24, m.loop)
    for dx, lean in ((-190, -0.3), (-130, 0.15), (170, 0.3), (220, -0.12)):
        scenery._palm(ctx, px + dx, gy + 40, lean)
    _pipe_in(ctx, [(px + 120, h + 20), (px + 120, gy - 26), (px + 90, gy - 26)], 24)
    _flow(ctx, [(px + 78, gy - 26), (px + 64, gy - 26), (px + 60, gy + 10), (px + 58, py - 8)],
          m.loop, part=min(1.0, m.arrive * 3))
    if m.arrive > 0:
        _splash(ctx, px + 58, py - 8, m.loop)
        _twinkles(ctx, [(px - 120, py - 6), (px - 30, py + 16), (px + 140, py + 10)], m.loop, 8)


def canyon_town(ctx, w, h, m, rng):
    gy = h - 110
    for dx, s in ((-280, 100), (-170, 120), (180, 110), (285, 96)):
        scenery._adobe(ctx, w / 2 + dx, gy + 40, s)
    cx = w / 2
    # Legs, tank with a glass gauge that fills, roof.
    for sx in (-56, 56):
        scenery.strut(ctx, (cx + sx * 0.6, gy - 95), (cx + sx, gy + 40), 6)
    tank_top, tank_bottom = gy - 215, gy - 95
    ctx.new_path()
    ctx.rectangle(cx - 76, tank_top, 152, tank_bottom - tank_top)
    _fill(ctx, _vgrad(tank_top, tank_bottom, P.BRASS_LIGHT, P.COPPER))
    gauge = (cx - 14, tank_top + 14, 28, tank_bottom - tank_top - 28)
    rounded_rect(ctx, *gauge, 10)
    _fill(ctx, H("E8F4FA"), P.LINE_THIN)
    if m.arrive > 0:
        level = gauge[3] * m.arrive
        ctx.save()
        rounded_rect(ctx, *gauge, 10)
        ctx.clip()
        ctx.rectangle(gauge[0], gauge[1] + gauge[3] - level, gauge[2], level)
        ctx.set_source(_vgrad(gauge[1], gauge[1] + gauge[3], P.WATER_LIGHT, P.WATER_DEEP))
        ctx.fill()
        ctx.restore()
        rounded_rect(ctx, *gauge, 10)
        scenery._outline(ctx, P.LINE_THIN)
    _gable(ctx, cx, tank_top, 88, 54, P.CORAL)
    # The pipeline climbs into the tank; the tank's spout fills a trough.
    _pipe_in(ctx, [(cx - 130, h + 20), (cx - 130, tank_bottom - 30), (cx - 76, tank_bottom - 30)], 20)
    _pipe_in(ctx, [(cx + 76, tank_bottom - 20), (cx + 120, tank_bottom - 20)], 18)
    ty = gy + 60
    rounded_rect(ctx, cx + 70, ty - 18, 150, 40, 8)
    _fill(ctx, _vgrad(ty - 18, ty + 22, H("C98A5A"), H("8E4527")))
    if m.arrive >= 1:
        rounded_rect(ctx, cx + 78, ty - 14, 134, 14, 6)
        _fill(ctx, _vgrad(ty - 14, ty, P.WATER_LIGHT, P.WATER), P.LINE_THIN)
        _flow(ctx, [(cx + 130, tank_bottom - 20), (cx + 150, tank_bottom - 20),
                    (cx + 160, ty - 60), (cx + 160, ty - 14)], m.loop, 14)
        _splash(ctx, cx + 160, ty - 12, m.loop, 0.8)


def canyon_dam(ctx, w, h, m, rng):
    gy = h - 110
    top = gy - 130
    # The lake behind the dam rises with the water's arrival.
    lake = top + 40 - 46 * m.arrive
    ctx.new_path()
    ctx.rectangle(0, lake, w, top + 60 - lake)
    ctx.set_source(_vgrad(lake, top + 60, P.WATER_LIGHT, P.WATER_DEEP))
    ctx.fill()
    ctx.new_path()
    ctx.move_to(0, lake)
    ctx.line_to(w, lake)
    scenery._outline(ctx, P.LINE_THIN)
    # The dam wall with three spillways.
    scenery.dam_wall(ctx, w, top, 20, gy + 40, 11, 0.25, overhang=10)
    # The gates open one after another as the lake reaches them.
    for k, dx in enumerate((-180, 0, 180)):
        x0 = w / 2 + dx
        ctx.new_path()
        ctx.rectangle(x0 - 34, top + 20, 68, gy + 40 - top - 20)
        _fill(ctx, H("6E6252"))
        opened = min(1.0, max(0.0, m.arrive * 3 - k))
        if opened > 0:
            end = top + 20 + (gy + 40 - top - 20) * opened
            ctx.new_path()
            ctx.rectangle(x0 - 30, top + 20, 60, end - top - 20)
            ctx.set_source(_vgrad(top, gy + 40, P.WATER_LIGHT, P.WATER))
            ctx.fill()
            ctx.save()
            ctx.rectangle(x0 - 30, top + 20, 60, end - top - 20)
            ctx.clip()
            for j in range(3):
                x = x0 - 18 + 18 * j
                ctx.new_path()
                ctx.move_to(x, top - 40)
                ctx.line_to(x, gy + 80)
                ctx.set_source_rgba(1, 1, 1, 0.8)
                ctx.set_line_width(3)
                ctx.set_dash((20, 16), -(m.loop + j * 0.33) * 36)
                ctx.stroke()
                ctx.set_dash([])
            ctx.restore()
        ctx.new_path()
        ctx.arc(x0, top + 20, 34, math.pi, 2 * math.pi)
        _fill(ctx, P.INK_SOFT)
    # The river below the dam.
    ctx.new_path()
    ctx.rectangle(0, gy + 40, w, 40)
    ctx.set_source(_vgrad(gy + 40, gy + 80, H("D9A070") if m.arrive < 1 else P.WATER,
                          H("B8623A") if m.arrive < 1 else P.WATER_DEEP))
    ctx.fill()
    ctx.new_path()
    ctx.move_to(0, gy + 40)
    ctx.line_to(w, gy + 40)
    scenery._outline(ctx, P.LINE_THIN)
    if m.arrive >= 1:
        for dx in (-180, 0, 180):
            _splash(ctx, w / 2 + dx, gy + 50, m.loop, 1.1)
        for k in range(5):
            t = (m.loop + k / 5) % 1.0
            x = (60 + 140 * k + 140 * t) % w
            ctx.new_path()
            ctx.move_to(x, gy + 62)
            ctx.line_to(x + 30, gy + 62)
            ctx.set_source_rgba(1, 1, 1, 0.8)
            ctx.set_line_width(3)
            ctx.stroke()
    _pipe_in(ctx, [(w - 60, h + 20), (w - 60, top - 50), (w - 110, top - 50)], 22)
    _flow(ctx, [(w - 122, top - 50), (w - 140, top - 50), (w - 150, top - 36), (w - 152, top - 14)],
          m.loop, 14, part=min(1.0, m.arrive * 4))
    scenery._palm(ctx, 40, gy + 100, 0.2)


def cavern_town(ctx, w, h, m, rng):
    gy = h - 110
    # Houses carved into the rock, their windows lit.
    for x, s in ((80, 110), (200, 90), (500, 96), (620, 120)):
        rounded_rect(ctx, x - s / 2, gy + 40 - s, s, s, s * 0.4)
        _fill(ctx, _vgrad(gy - s, gy + 40, H("5A5EAA"), H("2F3275")))
        ctx.new_path()
        ctx.arc(x, gy + 40 - s * 0.3, s * 0.16, math.pi, 2 * math.pi)
        ctx.line_to(x + s * 0.16, gy + 40)
        ctx.line_to(x - s * 0.16, gy + 40)
        ctx.close_path()
        _fill(ctx, H("23265E"), P.LINE_THIN)
        ctx.new_path()
        ctx.arc(x + s * 0.25, gy + 40 - s * 0.65, s * 0.1, 0, 2 * math.pi)
        _fill(ctx, P.SUN, P.LINE_THIN)
    px, py = w / 2, gy + 60
    _mud(ctx, px, py, 170, 40)
    _water_ellipse(ctx, px, py, 170, 40, m.arrive)
    # Crystals around the pool light up with the water.
    for dx, s, col in ((-190, 60, H("5FF2E6")), (-130, 36, H("B38CFF")), (150, 66, H("5FF2E6")),
                       (205, 40, H("FF6B9E"))):
        scenery._crystal_big(ctx, px + dx, py - 10, s, col)
    if m.arrive > 0:
        _ripples(ctx, px - 20, py, 110, 26, m.loop)
        glow = cairo.RadialGradient(px, py, 0, px, py, 200)
        glow.add_color_stop_rgba(0, *P.WATER_LIGHT, 0.35 * m.arrive)
        glow.add_color_stop_rgba(1, *P.WATER_LIGHT, 0.0)
        ctx.set_source(glow)
        ctx.arc(px, py, 200, 0, 2 * math.pi)
        ctx.fill()
        _twinkles(ctx, [(px - 190, py - 80), (px + 150, py - 90), (px - 130, py - 50),
                        (px + 205, py - 60)], m.loop, 11)
    _pipe_in(ctx, [(px - 60, h + 20), (px - 60, gy - 10), (px - 30, gy - 10)], 22)
    _flow(ctx, [(px - 18, gy - 10), (px, gy - 10), (px + 10, gy + 20), (px + 12, py - 8)],
          m.loop, part=min(1.0, m.arrive * 3))
    if m.arrive > 0:
        _splash(ctx, px + 12, py - 8, m.loop)


def mushroom_garden(ctx, w, h, m, rng):
    gy = h - 110
    glow = m.arrive * (0.8 + 0.2 * math.cos(2 * math.pi * m.loop))
    for dx, s, col in ((-280, 110, H("FF6B9E")), (-170, 74, H("5FF2E6")), (190, 100, H("B38CFF")),
                       (290, 70, H("FFD23F")), (-95, 48, H("B38CFF")), (110, 54, H("FF6B9E"))):
        x, y = w / 2 + dx, gy + 50
        scenery.glow_mushroom(ctx, x, y, s, col, glow, tuple(c * (0.55 + 0.45 * m.arrive) for c in col))
        for k in range(3):
            ctx.new_path()
            ctx.arc(x - s * 0.3 + k * s * 0.3, y - s * 1.2, s * 0.06, 0, 2 * math.pi)
            ctx.set_source_rgba(1, 1, 1, 0.9)
            ctx.fill()
    # The well: rim, roof on two posts, water inside.
    cx = w / 2
    _ellipse(ctx, cx, gy + 50, 80, 24)
    _fill(ctx, H("8C8FD6"))
    _ellipse(ctx, cx, gy + 46, 64, 16)
    _fill(ctx, H("23265E"), P.LINE_THIN)
    _water_ellipse(ctx, cx, gy + 46, 64, 16, m.arrive)
    if m.arrive > 0:
        _ripples(ctx, cx, gy + 46, 56, 13, m.loop)
    for sx in (-70, 70):
        ctx.new_path()
        ctx.rectangle(cx + sx - 7, gy - 100, 14, 146)
        _fill(ctx, P.COPPER_DARK)
    _gable(ctx, cx, gy - 90, 100, 60, P.BERRY)
    _pipe_in(ctx, [(cx + 130, h + 20), (cx + 130, gy - 50), (cx + 30, gy - 50),
                   (cx + 30, gy - 30)], 18)
    if m.arrive > 0:
        _drops_along(ctx, [(cx + 30, gy - 20), (cx + 30, gy), (cx + 30, gy + 20), (cx + 30, gy + 42)],
                     m.loop, 3, 4.5)
        _twinkles(ctx, [(cx - 280, gy - 90), (cx + 190, gy - 80), (cx - 170, gy - 40),
                        (cx + 290, gy - 40)], m.loop, 9)


def crystal_palace(ctx, w, h, m, rng):
    gy = h - 110
    cx = w / 2
    for dx, tw, th in ((-170, 70, 190), (170, 70, 190), (0, 120, 230), (-270, 50, 130), (270, 50, 130)):
        scenery.crystal_tower(ctx, cx + dx, gy + 30, tw, th, 30)
        for k in range(2):
            rounded_rect(ctx, cx + dx - tw * 0.15, gy + 30 - th + 30 + 60 * k, tw * 0.3, 36, tw * 0.15)
            _fill(ctx, H("5FF2E6") if m.arrive >= 1 else H("3B3F8C"), P.LINE_THIN)
    _fountain(ctx, cx, gy + 10, m, 90)
    _pipe_in(ctx, [(cx - 210, h + 20), (cx - 210, gy + 96), (cx - 130, gy + 96)], 22)
    if m.arrive >= 1:
        _twinkles(ctx, [(cx - 170, gy - 200), (cx, gy - 250), (cx + 170, gy - 200),
                        (cx - 270, gy - 130), (cx + 270, gy - 130), (cx + 60, gy - 220)], m.loop, 12)


SCENES = {1: windmill_farm, 2: meadow_village, 3: falls_mill, 4: oasis, 5: canyon_town,
          6: canyon_dam, 7: cavern_town, 8: mushroom_garden, 9: crystal_palace}


def card(pack, moment):
    """The whole framed picture of a pack at a moment of its animation."""
    world = scenery.PACKS[pack][0]
    w, h = CARD
    surface, ctx = canvas(w, h)
    x, y, cw, ch, r = 2, 2, w - 8, h - 8, 24
    art._shadow(ctx, lambda: rounded_rect(ctx, x, y, cw, ch, r))
    rounded_rect(ctx, x, y, cw, ch, r)
    ctx.set_source(art._vgrad(y, y + ch, (P.CREAM, P.PARCHMENT)))
    ctx.fill()
    sw, sh = SCENE
    ctx.save()
    rounded_rect(ctx, BORDER, BORDER, sw, sh, 14)
    ctx.clip()
    ctx.translate(BORDER, BORDER)
    rng = random.Random(pack)
    scenery.landscape(ctx, world, sw, sh, rng)
    SCENES[pack](ctx, sw, sh, moment, rng)
    ctx.restore()
    rounded_rect(ctx, BORDER, BORDER, sw, sh, 14)
    art._ink(ctx, P.LINE_THIN)
    band = BORDER + sh + BAND / 2 + 1
    art._caption(ctx, PACKS[pack][1], w / 2, band, 27, P.WHITE, P.WATER_LIGHT)
    rounded_rect(ctx, x, y, cw, ch, r)
    art._ink(ctx, P.LINE_THICK)
    return surface_to_image(surface)


def changed_box(cards):
    """The smallest box holding every pixel that differs between the cards,
    a few pixels wider, with even corners, inside the scene."""
    first = np.asarray(cards[0], dtype=np.int16)
    changed = np.zeros(first.shape[:2], dtype=bool)
    for other in cards[1:]:
        changed |= np.any(np.asarray(other, dtype=np.int16) != first, axis=2)
    ys, xs = np.nonzero(changed)
    pad = 4
    left = max(BORDER, (int(xs.min()) - pad) // 2 * 2)
    top = max(BORDER, (int(ys.min()) - pad) // 2 * 2)
    right = min(BORDER + SCENE[0], (int(xs.max()) + pad + 2) // 2 * 2)
    bottom = min(BORDER + SCENE[1], (int(ys.max()) + pad + 2) // 2 * 2)
    return left, top, right, bottom


def _palette(cards, box):
    """256 colours for a pack: of its picture and of every frame's part."""
    sheet = Image.new("RGB", (CARD[0], CARD[1] + (box[3] - box[1]) * (len(cards) - 1)))
    sheet.paste(cards[0].convert("RGB"), (0, 0))
    for k, picture in enumerate(cards[1:]):
        sheet.paste(picture.crop(box).convert("RGB"), (0, CARD[1] + k * (box[3] - box[1])))
    return sheet.quantize(colors=256, method=Image.Quantize.FASTOCTREE, dither=Image.Dither.NONE)


def pack_pictures(pack):
    """stem -> picture of one pack, where each frame lies on the card, and
    the stem each frame shows. Picture and frames share one palette without
    dithering, so a frame's pixels are the picture's wherever the card does
    not change. A frame equal to an earlier one shows that one's picture, so
    no picture is loaded twice."""
    cards = [card(pack, m) for m in moments(pack)]
    box = changed_box(cards)
    palette = _palette(cards, box)

    def reduced(image):
        return image.convert("RGB").quantize(palette=palette, dither=Image.Dither.NONE)
    picture = reduced(cards[0]).convert("RGBA")
    picture.putalpha(cards[0].getchannel("A"))
    out = {"closeup%d" % pack: picture}
    shown = []
    for k, whole in enumerate(cards[1:], 1):
        frame = reduced(whole.crop(box))
        same = [stem for stem in shown if out[stem].tobytes() == frame.tobytes()]
        if same:
            shown.append(same[0])
            continue
        stem = "closeup%d_%02d" % (pack, k)
        out[stem] = frame
        shown.append(stem)
    return out, box, shown


# The picture's id, as src/shell/CLOSE_UP_WINDOW.h names it; frame k's is k.
PICTURE = 100


def window(pack, box, shown):
    """"CLOSE_UP_PACK_n": the picture first, so the frames are drawn over it;
    all hidden until the window shows them."""
    x, y = CARD_AT
    frames = [W.image(k, texture(stem), x + box[0], y + box[1], enabled=False, visible=False)
              for k, stem in enumerate(shown, 1)]
    return W.Window("CLOSE_UP_PACK_%d" % pack, "CLOSE_UP_WINDOW", [
        W.image(PICTURE, texture("closeup%d" % pack), x, y, enabled=False, visible=False),
    ] + frames, 1, "SH_FADE", "SH_FADE", "0.5", fractions=(0.5, 0.5))


def build_all(resources):
    made = []
    group = []
    for pack in sorted(PACKS):
        named, box, shown = pack_pictures(pack)
        made += art.save_pictures(resources, FOLDER, named)
        group.append(window(pack, box, shown))
    return made + W.write_list(resources, WINDOW_FOLDER, LIST, group)
