"""Decor atlases: the small things lying on a level's floor, 18 per decor
set, seen from above (the board turns them to any angle). Sets 1 and 2 are
meadow, 3 canyon, 5 and 7 caverns; they sit in the atlases
"graphics/main decor_1_2_atlas.png", "decor_3_4", "decor_5_6" and "decor_7"
with items "main_elements_decor_" + set + "_" + 1..18."""

import math
import os
import random

import cairo

from . import palette as P
from .atlas import Atlas, canvas, surface_to_image
from .field_walls import smooth_closed

ATLASES = {"decor_1_2": (1, 2), "decor_3_4": (3,), "decor_5_6": (5,), "decor_7": (7,)}
ITEMS_PER_SET = 18
H = P.hex_rgb


def _shadowed(ctx, path, fill, line=P.LINE_THIN, shadow=True):
    """Fill a path (a function drawing it at an offset) with a drop shadow
    and an ink outline."""
    if shadow:
        sx, sy = P.SHADOW_OFFSET
        path(sx * 0.6, sy * 0.6)
        ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA * 0.8)
        ctx.fill()
    path(0, 0)
    if isinstance(fill, cairo.Pattern):
        ctx.set_source(fill)
    else:
        ctx.set_source_rgb(*fill)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(line)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.stroke()


def _lit(x, y, r, light, dark):
    grad = cairo.RadialGradient(x - r * 0.4, y - r * 0.45, r * 0.1, x, y, r * 1.1)
    grad.add_color_stop_rgb(0, *light)
    grad.add_color_stop_rgb(1, *dark)
    return grad


def _circle(ctx, x, y, r):
    def path(dx, dy):
        ctx.new_path()
        ctx.arc(x + dx, y + dy, r, 0, 2 * math.pi)
    return path


def flower(ctx, c, rng, petal, heart=P.SUN, petals=6, size=13):
    def path(dx, dy):
        ctx.new_path()
        for k in range(petals):
            a = k * 2 * math.pi / petals
            ctx.new_sub_path()
            ctx.arc(c + size * 0.55 * math.cos(a) + dx, c + size * 0.55 * math.sin(a) + dy, size * 0.45, 0,
                    2 * math.pi)
    _shadowed(ctx, path, _lit(c, c, size, P.WHITE, petal))
    _shadowed(ctx, _circle(ctx, c, c, size * 0.3), heart, shadow=False)


def tuft(ctx, c, rng, color, blades=7, size=16):
    for k in range(blades):
        a = -math.pi / 2 + (k - blades / 2) * 0.35 + rng.uniform(-0.1, 0.1)
        ln = size * rng.uniform(0.7, 1.0)
        ctx.new_path()
        ctx.move_to(c, c + size * 0.4)
        ctx.curve_to(c + ln * 0.3 * math.cos(a), c + size * 0.4 + ln * 0.5 * math.sin(a),
                     c + ln * math.cos(a), c + size * 0.4 + ln * math.sin(a),
                     c + ln * 1.05 * math.cos(a), c + size * 0.4 + ln * 1.05 * math.sin(a))
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(4.5)
        ctx.stroke_preserve()
        ctx.set_source_rgb(*color)
        ctx.set_line_width(2.4)
        ctx.stroke()


def stone(ctx, c, rng, light, dark, size=12, count=1):
    for i in range(count):
        x = c + (rng.uniform(-size, size) if count > 1 else 0)
        y = c + (rng.uniform(-size, size) * 0.6 if count > 1 else 0)
        r = size * (0.45 if count > 1 else 1) * rng.uniform(0.8, 1.1)
        pts = [(x + r * rng.uniform(0.8, 1.1) * math.cos(a), y + r * 0.8 * rng.uniform(0.8, 1.1) * math.sin(a))
               for a in [k * 2 * math.pi / 7 for k in range(7)]]
        _shadowed(ctx, lambda dx, dy: smooth_closed(ctx, [(px + dx, py + dy) for px, py in pts]),
                  _lit(x, y, r, light, dark))


def mushroom(ctx, c, rng, cap, dots=P.WHITE, size=13, glow=None):
    if glow:
        g = cairo.RadialGradient(c, c, 0, c, c, size * 2)
        g.add_color_stop_rgba(0, *glow, 0.55)
        g.add_color_stop_rgba(1, *glow, 0)
        ctx.set_source(g)
        ctx.paint()
    _shadowed(ctx, _circle(ctx, c, c, size), _lit(c, c, size, H("FFFFFF") if glow else cap, cap))
    for k in range(5):
        a = k * 2 * math.pi / 5 + 0.4
        _shadowed(ctx, _circle(ctx, c + size * 0.55 * math.cos(a), c + size * 0.55 * math.sin(a), size * 0.16),
                  dots, line=1, shadow=False)


def leaf(ctx, c, rng, color, size=16, vein=True):
    def path(dx, dy):
        ctx.new_path()
        ctx.move_to(c - size + dx, c + dy)
        ctx.curve_to(c - size * 0.4 + dx, c - size * 0.7 + dy, c + size * 0.5 + dx, c - size * 0.6 + dy,
                     c + size + dx, c + dy)
        ctx.curve_to(c + size * 0.5 + dx, c + size * 0.6 + dy, c - size * 0.4 + dx, c + size * 0.7 + dy,
                     c - size + dx, c + dy)
        ctx.close_path()
    _shadowed(ctx, path, _lit(c, c, size, tuple(min(1, v + 0.25) for v in color), color))
    if vein:
        ctx.new_path()
        ctx.move_to(c - size * 0.8, c)
        ctx.line_to(c + size * 0.8, c)
        ctx.set_source_rgba(*P.INK, 0.55)
        ctx.set_line_width(1.2)
        ctx.stroke()


def puddle(ctx, c, rng, light, deep, size=18):
    pts = [(c + size * rng.uniform(0.75, 1.0) * math.cos(a), c + size * 0.7 * rng.uniform(0.75, 1.0) * math.sin(a))
           for a in [k * 2 * math.pi / 8 for k in range(8)]]
    _shadowed(ctx, lambda dx, dy: smooth_closed(ctx, [(px + dx, py + dy) for px, py in pts]),
              _lit(c, c, size, light, deep), shadow=False)
    ctx.new_path()
    ctx.arc(c - size * 0.3, c - size * 0.2, size * 0.3, math.pi * 1.1, math.pi * 1.6)
    ctx.set_source_rgba(1, 1, 1, 0.8)
    ctx.set_line_width(2)
    ctx.stroke()


def stump(ctx, c, rng, size=15):
    _shadowed(ctx, _circle(ctx, c, c, size), H("9C5B2E"), line=P.LINE_THICK)
    _shadowed(ctx, _circle(ctx, c, c, size - 3.5), _lit(c, c, size, H("F6DDAE"), H("D99A5B")), shadow=False)
    for r in (size * 0.55, size * 0.3):
        ctx.new_path()
        ctx.arc(c, c, r, 0, 2 * math.pi)
        ctx.set_source_rgba(*H("9C5B2E"), 0.7)
        ctx.set_line_width(1.2)
        ctx.stroke()


def critter(ctx, c, rng, body, spots=P.INK, size=9):
    """A ladybird-like beetle."""
    _shadowed(ctx, _circle(ctx, c, c - size * 0.95, size * 0.45), P.INK, shadow=False)
    _shadowed(ctx, _circle(ctx, c, c, size), _lit(c, c, size, tuple(min(1, v + 0.3) for v in body), body))
    ctx.new_path()
    ctx.move_to(c, c - size)
    ctx.line_to(c, c + size)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    for dx, dy in ((-4, -2), (4, -2), (-4, 4), (4, 4)):
        _shadowed(ctx, _circle(ctx, c + dx * size / 9, c + dy * size / 9, size * 0.18), spots, line=0.5,
                  shadow=False)


def butterfly(ctx, c, rng, wing, size=12):
    for sgn in (-1, 1):
        for dy, r in ((-size * 0.35, size * 0.55), (size * 0.4, size * 0.4)):
            _shadowed(ctx, _circle(ctx, c + sgn * size * 0.55, c + dy, r),
                      _lit(c + sgn * size * 0.55, c + dy, r, P.WHITE, wing), line=1.5)
    ctx.new_path()
    ctx.move_to(c, c - size * 0.8)
    ctx.line_to(c, c + size * 0.8)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(3)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke()


def snail(ctx, c, rng, shell, size=11):
    ctx.new_path()
    ctx.move_to(c - size * 1.3, c + size * 0.6)
    ctx.line_to(c + size * 1.2, c + size * 0.6)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(7)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke_preserve()
    ctx.set_source_rgb(*H("C9D6A0"))
    ctx.set_line_width(4)
    ctx.stroke()
    _shadowed(ctx, _circle(ctx, c, c, size), _lit(c, c, size, P.BRASS_LIGHT, shell))
    ctx.new_path()
    for k in range(40):
        a = k * 0.4
        r = size * 0.85 * (1 - k / 44)
        (ctx.move_to if k == 0 else ctx.line_to)(c + r * math.cos(a), c + r * math.sin(a))
    ctx.set_source_rgba(*P.INK, 0.7)
    ctx.set_line_width(1.2)
    ctx.stroke()


def cactus(ctx, c, rng, size=14):
    ribs = 8

    def path(dx, dy):
        ctx.new_path()
        for k in range(ribs * 2):
            a = k * math.pi / ribs
            r = size if k % 2 == 0 else size * 0.82
            (ctx.move_to if k == 0 else ctx.line_to)(c + r * math.cos(a) + dx, c + r * math.sin(a) + dy)
        ctx.close_path()
    _shadowed(ctx, path, _lit(c, c, size, H("B6EB7A"), H("2F7A3A")), line=P.LINE_THIN)
    for k in range(ribs):
        a = k * 2 * math.pi / ribs
        ctx.new_path()
        ctx.move_to(c + size * math.cos(a), c + size * math.sin(a))
        ctx.line_to(c + (size + 4) * math.cos(a), c + (size + 4) * math.sin(a))
        ctx.set_source_rgb(*P.CREAM)
        ctx.set_line_width(1.2)
        ctx.stroke()
    flower(ctx, c, rng, P.CORAL, petals=5, size=6)


def bone(ctx, c, rng, size=13):
    def path(dx, dy):
        ctx.new_path()
        ctx.rectangle(c - size + dx, c - 2.5 + dy, 2 * size, 5)
        for sx in (-1, 1):
            for sy in (-1, 1):
                ctx.new_sub_path()
                ctx.arc(c + sx * size + dx, c + sy * 3 + dy, 3.4, 0, 2 * math.pi)
    _shadowed(ctx, path, P.CREAM, line=1.8)


def crystals(ctx, c, rng, color, count=3, size=14, glow=True):
    if glow:
        g = cairo.RadialGradient(c, c, 0, c, c, size * 1.7)
        g.add_color_stop_rgba(0, *color, 0.5)
        g.add_color_stop_rgba(1, *color, 0)
        ctx.set_source(g)
        ctx.paint()
    for k in range(count):
        a = -math.pi / 2 + (k - (count - 1) / 2) * 0.7
        s = size * (1.0 if k == count // 2 else 0.75)
        ctx.save()
        ctx.translate(c + math.cos(a) * 3, c + 4 + math.sin(a) * 3)
        ctx.rotate(a + math.pi / 2)

        def path(dx, dy, s=s):
            ctx.new_path()
            ctx.move_to(dx, -s + dy)
            ctx.line_to(s * 0.35 + dx, -s * 0.3 + dy)
            ctx.line_to(s * 0.28 + dx, s * 0.4 + dy)
            ctx.line_to(-s * 0.28 + dx, s * 0.4 + dy)
            ctx.line_to(-s * 0.35 + dx, -s * 0.3 + dy)
            ctx.close_path()
        grad = cairo.LinearGradient(-s * 0.4, -s, s * 0.4, s * 0.4)
        grad.add_color_stop_rgb(0, 1, 1, 1)
        grad.add_color_stop_rgb(0.5, *color)
        grad.add_color_stop_rgb(1, *tuple(v * 0.5 for v in color))
        _shadowed(ctx, path, grad, line=1.6)
        ctx.restore()


def twig(ctx, c, rng, color, size=18):
    ctx.new_path()
    ctx.move_to(c - size, c + 3)
    ctx.curve_to(c - size * 0.3, c - 2, c + size * 0.3, c + 4, c + size, c - 2)
    ctx.move_to(c - size * 0.1, c + 1)
    ctx.line_to(c + size * 0.3, c - 7)
    for w, col in ((5, P.INK), (2.6, color)):
        ctx.set_source_rgb(*col)
        ctx.set_line_width(w)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.stroke_preserve()
    ctx.new_path()
    leaf_ctx = ctx
    leaf_ctx.save()
    leaf_ctx.translate(8, -6)
    leaf(leaf_ctx, c, rng, P.LEAF, size=5, vein=False)
    leaf_ctx.restore()


def tumbleweed(ctx, c, rng, size=14):
    _shadowed(ctx, _circle(ctx, c, c, size), H("E9C98B"), line=1.6)
    for _ in range(16):
        a0, a1 = rng.uniform(0, 6.3), rng.uniform(0, 6.3)
        ctx.new_path()
        ctx.move_to(c + size * 0.9 * math.cos(a0), c + size * 0.9 * math.sin(a0))
        ctx.curve_to(c, c, c, c, c + size * 0.9 * math.cos(a1), c + size * 0.9 * math.sin(a1))
        ctx.set_source_rgba(*H("8C4A1F"), 0.7)
        ctx.set_line_width(1.1)
        ctx.stroke()


def gem(ctx, c, rng, color, size=9):
    def path(dx, dy):
        ctx.new_path()
        for k in range(6):
            a = k * math.pi / 3 + math.pi / 6
            (ctx.move_to if k == 0 else ctx.line_to)(c + size * math.cos(a) + dx, c + size * math.sin(a) + dy)
        ctx.close_path()
    _shadowed(ctx, path, _lit(c, c, size, P.WHITE, color))
    ctx.new_path()
    ctx.arc(c - size * 0.3, c - size * 0.3, 1.8, 0, 2 * math.pi)
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill()


def firefly(ctx, c, rng, color, count=4):
    for _ in range(count):
        x, y = c + rng.uniform(-12, 12), c + rng.uniform(-12, 12)
        g = cairo.RadialGradient(x, y, 0, x, y, 7)
        g.add_color_stop_rgba(0, 1, 1, 1, 1)
        g.add_color_stop_rgba(0.3, *color, 0.8)
        g.add_color_stop_rgba(1, *color, 0)
        ctx.set_source(g)
        ctx.arc(x, y, 7, 0, 2 * math.pi)
        ctx.fill()


SETS = {
    1: [(flower, (P.WHITE,)), (flower, (P.CORAL,)), (flower, (P.BERRY, P.SUN, 5)), (tuft, (P.LEAF,)),
        (tuft, (H("4FA34A"), 9, 18)), (stone, (H("E8EDF5"), H("7D8FB8"))),
        (stone, (H("E8EDF5"), H("7D8FB8"), 12, 3)), (mushroom, (P.CORAL,)), (leaf, (P.LEAF,)),
        (leaf, (H("9BDB6A"), 12)), (puddle, (P.WATER_LIGHT, P.WATER)), (stump, ()), (critter, (P.CORAL,)),
        (butterfly, (P.SUN,)), (snail, (P.COPPER,)), (flower, (P.SUN, P.ORANGE, 8, 15)),
        (twig, (H("9C5B2E"),)), (tuft, (H("B6EB7A"), 5, 12))],
    2: [(flower, (H("7FB8FF"),)), (flower, (P.SUN, P.ORANGE_DEEP, 10, 17)), (flower, (H("FFC2E0"), P.SUN, 5)),
        (tuft, (H("3E8E3A"),)), (tuft, (P.LEAF, 9, 19)), (stone, (H("F1E7D0"), H("A69B83"))),
        (stone, (H("F1E7D0"), H("A69B83"), 12, 4)), (mushroom, (H("C98A4B"), P.CREAM)), (leaf, (H("2F7A3A"),)),
        (leaf, (P.SUN, 11)), (puddle, (P.WATER_LIGHT, P.WATER_DEEP, 22)), (stump, ()),
        (critter, (P.SUN,)), (butterfly, (P.BERRY,)), (snail, (P.BERRY,)),
        (mushroom, (P.BERRY, P.WHITE, 9)), (twig, (H("6B3A1C"),)), (flower, (P.WHITE, P.SUN, 12, 10))],
    3: [(cactus, ()), (cactus, (10,)), (stone, (H("F2A774"), H("8E4527"))),
        (stone, (H("F2A774"), H("8E4527"), 12, 3)), (stone, (H("FFE3B0"), H("B8623A"), 8)),
        (bone, ()), (tumbleweed, ()), (tuft, (H("C9B458"),)), (tuft, (H("9AA84A"), 5, 12)),
        (flower, (H("7A4E8C"), P.SUN, 5, 10)), (flower, (P.SUN, P.ORANGE_DEEP, 7, 9)),
        (crystals, (H("B38CFF"), 3, 11, False)), (twig, (H("B8A07A"),)), (leaf, (H("9AA84A"), 10)),
        (critter, (H("7A4E8C"), P.SUN)), (gem, (H("7A4E8C"),)), (puddle, (H("FFE3B0"), H("E9A86B"), 16)),
        (snail, (H("E9A86B"),))],
    5: [(crystals, (H("5FF2E6"),)), (crystals, (H("B38CFF"),)), (crystals, (H("5FF2E6"), 2, 10)),
        (mushroom, (H("5FF2E6"), P.WHITE, 11, H("5FF2E6"))), (mushroom, (H("B38CFF"), P.WHITE, 9, H("B38CFF"))),
        (stone, (H("8C8FD6"), H("23265E"))), (stone, (H("8C8FD6"), H("23265E"), 12, 3)),
        (gem, (H("5FF2E6"),)), (gem, (H("FF6B9E"),)), (puddle, (H("5FF2E6"), H("1E4F8C"))),
        (firefly, (H("5FF2E6"),)), (firefly, (P.SUN, 3)), (tuft, (H("4FD1B5"),)), (bone, ()),
        (leaf, (H("4FD1B5"), 12)), (crystals, (H("FF6B9E"), 3, 9)), (stone, (H("6E6FC2"), H("14163A"), 7)),
        (critter, (H("5FF2E6"), P.INK))],
    7: [(crystals, (H("B38CFF"), 4, 15)), (crystals, (H("FFD23F"), 3, 12)), (crystals, (H("5FF2E6"), 1, 13)),
        (mushroom, (H("FF6B9E"), P.WHITE, 12, H("FF6B9E"))), (mushroom, (H("FFD23F"), P.WHITE, 8, H("FFD23F"))),
        (stone, (H("A3AEC4"), H("2A2D6B"))), (stone, (H("A3AEC4"), H("2A2D6B"), 12, 4)),
        (gem, (H("FFD23F"),)), (gem, (H("B38CFF"), 11)), (puddle, (H("B38CFF"), H("3B2A7A"))),
        (firefly, (H("B38CFF"),)), (firefly, (H("FFD23F"), 5)), (tuft, (H("7F7FE0"),)), (bone, ()),
        (leaf, (H("7F7FE0"), 12)), (crystals, (H("5FF2E6"), 2, 9, False)), (stone, (H("5F6499"), H("14163A"), 6)),
        (critter, (H("B38CFF"), P.INK))],
}


def item(set_no, index):
    draw, args = SETS[set_no][index - 1]
    rng = random.Random(set_no * 100 + index)
    size = 48
    surface, ctx = canvas(size, size)
    draw(ctx, size / 2, rng, *args)
    return surface_to_image(surface)


def build_all(resources):
    made = []
    for name, sets in ATLASES.items():
        atlas = Atlas(512)
        for d in sets:
            for i in range(1, ITEMS_PER_SET + 1):
                atlas.add("main_elements_decor_%d_%d" % (d, i), item(d, i))
        image, xml = "graphics/main/%s_atlas.png" % name, "xml/atlas/%s_atlas.xml" % name
        atlas.write(os.path.join(resources, image), os.path.join(resources, xml))
        made += [image, xml]
    return made
