"""The game-elements atlas: pipes, equipment, obstacles and walls, water in
pipes, open-connection marks, coins, floor tiles, the explosion and the water
strip, with its description "xml/atlas/game_elements_atlas.xml", and the
part offsets "objects.xml"."""

import math
import os
import random

import cairo
import numpy as np
from PIL import Image

from . import field_pipes, field_walls, palette as P
from .atlas import Atlas, canvas, surface_to_image

ATLAS_IMAGE = "graphics/main/game_elements_atlas.png"
ATLAS_XML = "xml/atlas/game_elements_atlas.xml"
OBJECTS_XML = "objects.xml"
ATLAS_WIDTH = 2048

TILE = 200
STRIP_PERIOD = 172      # the strip's copies stand this far apart
STRIP_SIZE = (176, 56)
STRIP_FRAMES = 15
EXPLOSION_SIZE = 120
EXPLOSION_FRAMES = 9

# Floor tile sets: 1, 2, 4 meadow; 3, 6 canyon; 5, 7 caverns. The levels
# choose one per level with "tile_level"N; decor follows the tile set.
TILE_SETS = {
    1: {"base": "9ED86F", "alt": "8CCB5F", "speck": "C8F08F", "motif": "clover"},
    2: {"base": "7FC45C", "alt": "72B852", "speck": "FFF4DC", "motif": "flowers"},
    4: {"base": "B9CF7A", "alt": "A8C06A", "speck": "8C6A3F", "motif": "pebbles"},
    3: {"base": "F0C486", "alt": "E6B477", "speck": "B8623A", "motif": "cracks"},
    6: {"base": "E4A170", "alt": "D99364", "speck": "8E4527", "motif": "slabs"},
    5: {"base": "4A4E9E", "alt": "42458F", "speck": "5FF2E6", "motif": "glints"},
    7: {"base": "3A3C84", "alt": "33357A", "speck": "B38CFF", "motif": "hexes"},
}
# Wall looks of obstacle type 3 ("obstacle3_type_level"N): 1 hedge, 2
# sandstone, 3 crystal rock.
WALL_LOOKS = (1, 2, 3)


# ---------------------------------------------------------------- tiles

def _periodic_noise(rng, size, terms, scale):
    ys, xs = np.mgrid[0:size, 0:size] / float(size)
    field = np.zeros((size, size))
    for _ in range(terms):
        kx, ky = rng.randint(-4, 4), rng.randint(-4, 4)
        if kx == 0 and ky == 0:
            continue
        amp = 1.0 / math.hypot(kx, ky)
        field += amp * np.sin(2 * math.pi * (kx * xs + ky * ys) + rng.uniform(0, 2 * math.pi))
    return field / (np.abs(field).max() + 1e-6) * scale


def _wrapped(ctx, draw, x, y):
    """Draws a motif at (x, y) and at its copies across the tile's edges."""
    for dx in (-TILE, 0, TILE):
        for dy in (-TILE, 0, TILE):
            draw(ctx, x + dx, y + dy)


def _motif(kind, rng, speck):
    if kind == "clover":
        def draw(ctx, x, y):
            for k in range(3):
                a = k * 2 * math.pi / 3 + 0.3
                ctx.new_path()
                ctx.arc(x + 3 * math.cos(a), y + 3 * math.sin(a), 2.8, 0, 2 * math.pi)
                ctx.set_source_rgba(*P.hex_rgb("5FAE48"), 0.8)
                ctx.fill()
        return draw, 14
    if kind == "flowers":
        def draw(ctx, x, y):
            for k in range(5):
                a = k * 2 * math.pi / 5
                ctx.new_path()
                ctx.arc(x + 2.4 * math.cos(a), y + 2.4 * math.sin(a), 1.8, 0, 2 * math.pi)
                ctx.set_source_rgba(*P.hex_rgb(speck), 0.85)
                ctx.fill()
            ctx.new_path()
            ctx.arc(x, y, 1.3, 0, 2 * math.pi)
            ctx.set_source_rgb(*P.SUN)
            ctx.fill()
        return draw, 12
    if kind == "pebbles":
        def draw(ctx, x, y):
            r = rng.uniform(2, 3.5)
            ctx.new_path()
            ctx.save()
            ctx.translate(x, y)
            ctx.scale(1.3, 1)
            ctx.arc(0, 0, r, 0, 2 * math.pi)
            ctx.restore()
            ctx.set_source_rgba(*P.hex_rgb(speck), 0.45)
            ctx.fill()
        return draw, 18
    if kind == "cracks":
        def draw(ctx, x, y):
            ctx.new_path()
            ctx.move_to(x - 7, y - 2)
            ctx.line_to(x - 1, y + 1)
            ctx.line_to(x + 3, y - 3)
            ctx.line_to(x + 8, y - 1)
            ctx.move_to(x - 1, y + 1)
            ctx.line_to(x + 1, y + 6)
            ctx.set_source_rgba(*P.hex_rgb(speck), 0.35)
            ctx.set_line_width(1.2)
            ctx.set_line_cap(cairo.LINE_CAP_ROUND)
            ctx.stroke()
        return draw, 10
    if kind == "slabs":
        def draw(ctx, x, y):
            ctx.new_path()
            ctx.arc(x, y, rng.uniform(1.5, 2.5), 0, 2 * math.pi)
            ctx.set_source_rgba(*P.hex_rgb(speck), 0.35)
            ctx.fill()
        return draw, 24
    if kind == "glints":
        def draw(ctx, x, y):
            glow = cairo.RadialGradient(x, y, 0, x, y, 5)
            glow.add_color_stop_rgba(0, *P.hex_rgb(speck), 0.8)
            glow.add_color_stop_rgba(1, *P.hex_rgb(speck), 0)
            ctx.set_source(glow)
            ctx.arc(x, y, 5, 0, 2 * math.pi)
            ctx.fill()
        return draw, 10
    def draw(ctx, x, y):
        ctx.new_path()
        for k in range(6):
            a = k * math.pi / 3
            (ctx.move_to if k == 0 else ctx.line_to)(x + 4 * math.cos(a), y + 4 * math.sin(a))
        ctx.close_path()
        ctx.set_source_rgba(*P.hex_rgb(speck), 0.35)
        ctx.set_line_width(1)
        ctx.stroke()
    return draw, 12


def tile(number):
    """A seamless 200x200 floor tile whose 50-px cells are faintly checked,
    so the player can read the board's grid."""
    style = TILE_SETS[number]
    rng = random.Random(500 + number)
    base, alt = np.array(P.hex_rgb(style["base"])), np.array(P.hex_rgb(style["alt"]))
    ys, xs = np.mgrid[0:TILE, 0:TILE]
    checker = ((xs // 50 + ys // 50) % 2)[..., None]
    col = base * (1 - checker) + alt * checker
    col = col * (1 + _periodic_noise(rng, TILE, 14, 0.06)[..., None])
    # Soft bevel inside every cell: lighter toward the upper left.
    fx, fy = (xs % 50) / 50.0, (ys % 50) / 50.0
    edge = np.minimum(np.minimum(fx, 1 - fx), np.minimum(fy, 1 - fy))
    col = col * (1 - 0.05 * np.exp(-edge * 40)[..., None])
    pixels = np.dstack([np.clip(col * 255, 0, 255), np.full((TILE, TILE), 255)]).astype(np.uint8)
    picture = Image.fromarray(pixels, "RGBA")
    surface, ctx = canvas(TILE, TILE)
    draw, count = _motif(style["motif"], rng, style["speck"])
    for _ in range(count):
        _wrapped(ctx, draw, rng.uniform(0, TILE), rng.uniform(0, TILE))
    if style["motif"] == "slabs":
        for k in range(4):
            ctx.new_path()
            ctx.move_to(0, 50 * k + 0.5)
            ctx.line_to(TILE, 50 * k + 0.5)
            ctx.move_to(100 * (k % 2) + 0.5 + 50 * (k // 2), 0)
            ctx.set_source_rgba(*P.hex_rgb("8E4527"), 0.18)
            ctx.set_line_width(1)
            ctx.stroke()
    picture.alpha_composite(surface_to_image(surface))
    return picture


# ---------------------------------------------------------------- marks

def open_connection(glow):
    """The mark of an open connection: a pool of light at the cell's top
    edge with an arrow into the cell (the drawing turns it to each side the
    pipes open from). Glow frames 1..3 pulse warm and bright."""
    surface, ctx = canvas(50, 50)
    colour = P.WATER_LIGHT if glow == 0 else (P.hex_rgb("FFF3A6"), P.SUN, P.hex_rgb("FFF3A6"))[glow - 1]
    radius = (20, 21, 25, 23)[glow]
    halo = cairo.RadialGradient(25, 0, 2, 25, 0, radius)
    halo.add_color_stop_rgba(0, *colour, 0.95)
    halo.add_color_stop_rgba(0.55, *colour, 0.55)
    halo.add_color_stop_rgba(1, *colour, 0)
    ctx.rectangle(0, 0, 50, 50)
    ctx.set_source(halo)
    ctx.fill()
    drop = 2 + (0, 0, 2, 1)[glow]
    ctx.new_path()
    ctx.move_to(16, 5 + drop)
    ctx.line_to(25, 14 + drop)
    ctx.line_to(34, 5 + drop)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(7)
    ctx.stroke_preserve()
    ctx.set_source_rgb(*(P.WHITE if glow else P.WATER_LIGHT))
    ctx.set_line_width(3.5)
    ctx.stroke()
    return surface_to_image(surface)


def coin(frame):
    """Coin frames: 1..3 turn the coin, 4 is its resting face."""
    size = 44
    surface, ctx = canvas(size, size)
    squash = {1: 0.62, 2: 0.16, 3: 0.62, 4: 1.0}[frame]
    c, r = size / 2, 17
    sx, sy = P.SHADOW_OFFSET
    ctx.save()
    ctx.translate(c, c)
    ctx.scale(squash, 1)
    ctx.new_path()
    ctx.arc(sx / max(squash, 0.3), sy, r, 0, 2 * math.pi)
    ctx.restore()
    ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA)
    ctx.fill()
    ctx.save()
    ctx.translate(c, c)
    ctx.scale(squash, 1)
    ctx.new_path()
    ctx.arc(0, 0, r, 0, 2 * math.pi)
    ctx.restore()
    grad = cairo.LinearGradient(c - r, c - r, c + r, c + r)
    grad.add_color_stop_rgb(0, *P.hex_rgb("FFF3A6"))
    grad.add_color_stop_rgb(0.5, *P.SUN)
    grad.add_color_stop_rgb(1, *P.ORANGE_DEEP)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THIN + 0.5)
    ctx.stroke()
    if squash > 0.5:
        ctx.save()
        ctx.translate(c, c)
        ctx.scale(squash, 1)
        ctx.new_path()
        ctx.arc(0, 0, r - 5, 0, 2 * math.pi)
        ctx.restore()
        ctx.set_source_rgba(*P.ORANGE_DEEP, 0.7)
        ctx.set_line_width(1.5)
        ctx.stroke()
        # A drop stamped on the face.
        ctx.save()
        ctx.translate(c, c + 3)
        ctx.scale(squash, 1)
        ctx.new_path()
        ctx.move_to(0, -10)
        ctx.curve_to(3, -5, 6, -2, 6, 1.5)
        ctx.arc(0, 1.5, 6, 0, math.pi)
        ctx.curve_to(-6, -2, -3, -5, 0, -10)
        ctx.restore()
        ctx.set_source_rgb(*P.ORANGE)
        ctx.fill_preserve()
        ctx.set_source_rgba(*P.EMBER, 0.8)
        ctx.set_line_width(1.3)
        ctx.stroke()
        ctx.new_path()
        ctx.arc(c - r * 0.45 * squash, c - r * 0.45, 2.5, 0, 2 * math.pi)
        ctx.set_source_rgba(1, 1, 1, 0.9)
        ctx.fill()
    return surface_to_image(surface)


# ---------------------------------------------------------------- effects

def explosion(frame):
    """Frame 1..9 of the burst that removes a cell's content: a flash, a
    ring of dust puffs flung outward, chips of stone, fading out."""
    n = EXPLOSION_SIZE
    surface, ctx = canvas(n, n)
    c = n / 2
    t = (frame - 1) / (EXPLOSION_FRAMES - 1)
    rng = random.Random(77)
    if frame <= 3:
        flash = cairo.RadialGradient(c, c, 0, c, c, 18 + 30 * t)
        flash.add_color_stop_rgba(0, 1, 1, 0.9, 1 - t)
        flash.add_color_stop_rgba(0.5, *P.SUN, 0.8 * (1 - t))
        flash.add_color_stop_rgba(1, *P.ORANGE, 0)
        ctx.set_source(flash)
        ctx.paint()
    fade = 1.0 if t < 0.5 else 1 - (t - 0.5) * 2
    puffs = 10
    for i in range(puffs):
        a = i * 2 * math.pi / puffs + rng.uniform(-0.2, 0.2)
        d = 8 + 40 * (1 - (1 - t) ** 2) * rng.uniform(0.8, 1.0)
        r = 9 + 9 * t * rng.uniform(0.8, 1.2)
        x, y = c + d * math.cos(a), c + d * math.sin(a)
        grad = cairo.RadialGradient(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r)
        grad.add_color_stop_rgba(0, *P.CREAM, 0.95 * fade)
        grad.add_color_stop_rgba(1, *P.PARCHMENT, 0.75 * fade)
        ctx.new_path()
        ctx.arc(x, y, r, 0, 2 * math.pi)
        ctx.set_source(grad)
        ctx.fill_preserve()
        ctx.set_source_rgba(*P.INK_SOFT, 0.6 * fade)
        ctx.set_line_width(1.5)
        ctx.stroke()
    for i in range(8):
        a = rng.uniform(0, 2 * math.pi)
        d = 10 + 50 * t * rng.uniform(0.7, 1.1)
        x, y = c + d * math.cos(a), c + d * math.sin(a)
        s = rng.uniform(3, 5.5) * (1 - 0.4 * t)
        ctx.save()
        ctx.translate(x, y)
        ctx.rotate(a + t * 6)
        ctx.new_path()
        ctx.move_to(-s, -s * 0.6)
        ctx.line_to(s, -s * 0.3)
        ctx.line_to(s * 0.3, s * 0.8)
        ctx.close_path()
        ctx.restore()
        ctx.set_source_rgba(*P.hex_rgb("A3AEC4"), fade)
        ctx.fill_preserve()
        ctx.set_source_rgba(*P.INK, fade)
        ctx.set_line_width(1.2)
        ctx.stroke()
    if frame <= 5:
        for i in range(6):
            a = i * math.pi / 3 + 0.4
            r0, r1 = 12 + 30 * t, 22 + 40 * t
            ctx.new_path()
            ctx.move_to(c + r0 * math.cos(a), c + r0 * math.sin(a))
            ctx.line_to(c + r1 * math.cos(a), c + r1 * math.sin(a))
            ctx.set_source_rgba(*P.SUN, 1 - t * 1.5)
            ctx.set_line_width(3)
            ctx.set_line_cap(cairo.LINE_CAP_ROUND)
            ctx.stroke()
    return surface_to_image(surface)


def water_strip(frame):
    """Frame 1..15 of the water band under the board: waves roll to the
    right and repeat every STRIP_PERIOD pixels, so copies placed that far
    apart join; the frames loop."""
    w, h = STRIP_SIZE
    t = (frame - 1) / STRIP_FRAMES
    xs = np.arange(w) + 0.5
    p = STRIP_PERIOD
    surface_y = 13 + 3.2 * np.sin(2 * math.pi * (4 * xs / p - t)) + \
        1.6 * np.sin(2 * math.pi * (2 * xs / p + t) + 1.3)
    ys = np.arange(h)[:, None] + 0.5
    depth = ys - surface_y[None, :]
    alpha = np.clip(depth + 0.5, 0, 1)
    light, mid, deep = (np.array(c) for c in (P.WATER_LIGHT, P.WATER, P.WATER_DEEP))
    k = np.clip(depth / (h - 12), 0, 1)[..., None]
    col = np.where(k < 0.35, light + (mid - light) * (k / 0.35), mid + (deep - mid) * ((k - 0.35) / 0.65))
    foam = np.exp(-((depth - 2.0) / 1.6) ** 2)[..., None]
    col = col + (1 - col) * foam * 0.9
    rip = np.sin(2 * math.pi * (3 * xs[None, :] / p - 2 * t) + ys / 3.0) * \
        np.sin(2 * math.pi * (5 * xs[None, :] / p + t) - ys / 5.0)
    col = col + np.clip(rip, 0, None)[..., None] ** 3 * 0.35 * (depth[..., None] > 5)
    outline = np.exp(-((depth + 0.2) / 0.9) ** 2)[..., None]
    ink = np.array(P.INK)
    col = col * (1 - outline * 0.8) + ink * outline * 0.8
    alpha = np.maximum(alpha, outline[..., 0] * 0.9)
    pixels = np.dstack([np.clip(col * 255, 0, 255), alpha * 255]).astype(np.uint8)
    return Image.fromarray(pixels, "RGBA")


# ---------------------------------------------------------------- atlas

def items():
    out = list(field_pipes.items())
    out += field_walls.items(WALL_LOOKS)
    out.append(("main_elements_open_connection", open_connection(0), None))
    for n in (1, 2, 3):
        out.append(("main_elements_open_connection_glow%d" % n, open_connection(n), None))
    for n in range(1, 5):
        out.append(("main_elements_coin%d" % n, coin(n), None))
    for t in sorted(TILE_SETS):
        out.append(("main_elements_tiles_tile%d_1" % t, tile(t), None))
    for n in range(1, EXPLOSION_FRAMES + 1):
        out.append(("main_animations_explosion_%d" % n, explosion(n), None))
    for n in range(1, STRIP_FRAMES + 1):
        out.append(("main_animations_water_%d" % n, water_strip(n), None))
    return out


def build_all(resources):
    atlas = Atlas(ATLAS_WIDTH)
    for item_id, image, share in items():
        atlas.add(item_id, image, share)
    atlas.write(os.path.join(resources, ATLAS_IMAGE), os.path.join(resources, ATLAS_XML))
    with open(os.path.join(resources, OBJECTS_XML), "w", encoding="utf-8", newline="\n") as f:
        f.write(field_walls.objects_xml())
    return [ATLAS_IMAGE, ATLAS_XML, OBJECTS_XML]
