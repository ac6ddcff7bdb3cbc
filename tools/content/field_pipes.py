"""Pipe pieces, their rims, bonus pictures, the equipment and the water that
runs inside the pipes.

Geometry follows the board: 50-pixel cells, one-cell pieces 50x50, two-cell
pieces 100x50 (part 1 right of part 0), equipment 100x100. A pipe's channel
is 24 px wide on the cell's middle line; an elbow's channel is a quarter ring
of radii 14..36 about the corner its two arms share. The water pictures have
exactly these shapes, so water drawn into a cell fills the channel, and the
rim (the walls without the channel) drawn over the water hides its edges.
"""

import math

import cairo
import numpy as np
from PIL import Image

from . import palette as P
from .shapes import rounded_rect
from .atlas import canvas, surface_to_image

U, R, D, L = 0, 1, 2, 3
SIDE_VECTORS = {U: (0, -1), R: (1, 0), D: (0, 1), L: (-1, 0)}

# Open sides at angle 0, per type and part.
OPENINGS = {
    1: [{L}], 2: [{U, R, D}], 3: [{U, R, D, L}], 4: [{U, L}], 5: [{R, L}],
    6: [{R, D}, {U, L}], 7: [{U, R, D}, {U, D, L}], 8: [{R, D}, {D, L}],
    9: [{U, R, L}, {R, D, L}], 10: [{U, R}, {U, D, L}], 11: [{R, D, L}, {R, L}],
    12: [{U, R, D}, {R, L}],
}

CHANNEL = 24          # straight channel width
RING = (14, 36)       # elbow channel radii about the shared corner
WALL = 42             # outer width of the pipe walls
END_INNER = -4        # the end piece's channel stops 4 px before the centre
FLANGE = (49, 8)      # collar at every outer opening: across, deep


def _corner_of(sides):
    (a, b) = sorted(sides)
    ax, ay = SIDE_VECTORS[a]
    bx, by = SIDE_VECTORS[b]
    return (ax + bx) * 25, (ay + by) * 25


def _is_elbow(sides):
    return len(sides) == 2 and sides not in ({U, D}, {L, R})


def _cell_path(ctx, cx, cy, sides, end_extra=0.0):
    """Centre lines of one cell's channel, as sub-paths."""
    if _is_elbow(sides):
        kx, ky = _corner_of(sides)
        start = math.atan2(-ky, -kx)
        ctx.new_sub_path()
        ctx.arc(cx + kx, cy + ky, 25, start - math.pi / 4, start + math.pi / 4)
        return
    if len(sides) == 1:
        (s,) = sides
        vx, vy = SIDE_VECTORS[s]
        ctx.move_to(cx + vx * 25, cy + vy * 25)
        reach = END_INNER - CHANNEL / 2 + end_extra
        ctx.line_to(cx - vx * reach, cy - vy * reach)
        return
    for s in sorted(sides):
        vx, vy = SIDE_VECTORS[s]
        ctx.move_to(cx + vx * 25, cy + vy * 25)
        ctx.line_to(cx, cy)


def _stroke_cells(ctx, cells, width, source, cap=cairo.LINE_CAP_BUTT, dx=0.0, dy=0.0, end_extra=0.0):
    ctx.new_path()
    for cx, cy, sides in cells:
        _cell_path(ctx, cx + dx, cy + dy, sides, end_extra)
    ctx.set_line_width(width)
    ctx.set_line_cap(cap)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    if isinstance(source, cairo.Pattern):
        ctx.set_source(source)
    else:
        ctx.set_source_rgba(*source)
    ctx.stroke()


def _cells(pipe_type):
    return [(25 + 50 * part, 25, sides) for part, sides in enumerate(OPENINGS[pipe_type])]


def _outer_openings(pipe_type):
    """(cx, cy, side) of every opening on the piece's outline."""
    result = []
    cells = OPENINGS[pipe_type]
    for part, sides in enumerate(cells):
        for s in sides:
            if len(cells) == 2 and ((part == 0 and s == R) or (part == 1 and s == L)):
                continue
            result.append((25 + 50 * part, 25, s))
    return result


def _wall_gradient(w, h):
    grad = cairo.LinearGradient(0, 0, w * 0.6, h)
    grad.add_color_stop_rgb(0, *P.BRASS_LIGHT)
    grad.add_color_stop_rgb(0.55, *P.BRASS)
    grad.add_color_stop_rgb(1, *P.COPPER)
    return grad


def _flange(ctx, cx, cy, side):
    vx, vy = SIDE_VECTORS[side]
    across, deep = FLANGE
    ex, ey = cx + vx * 25, cy + vy * 25
    if vx == 0:
        x, y, w, h = ex - across / 2, ey - (deep if vy > 0 else 0), across, deep
    else:
        x, y, w, h = ex - (deep if vx > 0 else 0), ey - across / 2, deep, across
    ctx.new_path()
    ctx.rectangle(x, y, w, h)
    grad = cairo.LinearGradient(x, y, x + w, y + h)
    grad.add_color_stop_rgb(0, *P.BRASS_LIGHT)
    grad.add_color_stop_rgb(1, *P.COPPER)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(2)
    ctx.stroke()
    # Two rivets on the collar.
    for t in (-0.33, 0.33):
        rx = ex + (t * across if vx == 0 else -vx * deep / 2)
        ry = ey + (t * across if vy == 0 else -vy * deep / 2)
        ctx.new_path()
        ctx.arc(rx, ry, 1.6, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.COPPER_DARK)
        ctx.fill()


def _end_plug(ctx, cx, cy, side):
    """The closed end of the end piece: a brass cap bolted over the pipe."""
    vx, vy = SIDE_VECTORS[side]
    px, py = cx - vx * 6, cy - vy * 6
    ctx.new_path()
    ctx.arc(px, py, 15, 0, 2 * math.pi)
    grad = cairo.RadialGradient(px - 5, py - 5, 2, px, py, 16)
    grad.add_color_stop_rgb(0, *P.BRASS_LIGHT)
    grad.add_color_stop_rgb(1, *P.COPPER)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THIN + 0.5)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(px, py, 7, 0, 2 * math.pi)
    ctx.set_source_rgb(*P.COPPER_DARK)
    ctx.fill()
    ctx.set_line_width(2)
    ctx.set_source_rgb(*P.BRASS_LIGHT)
    ctx.move_to(px - 4, py - 4)
    ctx.line_to(px + 4, py + 4)
    ctx.stroke()


def _channel_sources(w, h):
    empty = cairo.LinearGradient(0, 0, w * 0.4, h)
    empty.add_color_stop_rgb(0, *P.STEEL_LIGHT)
    empty.add_color_stop_rgb(1, *P.STEEL)
    return empty


def _draw_pipe(pipe_type, rim):
    cells = _cells(pipe_type)
    w, h = 50 * len(cells), 50
    surface, ctx = canvas(w, h)
    outline = WALL + 2 * P.LINE_THICK
    if not rim:
        sx, sy = P.SHADOW_OFFSET
        _stroke_cells(ctx, cells, outline, (*P.INK, P.SHADOW_ALPHA), dx=sx, dy=sy,
                      cap=cairo.LINE_CAP_ROUND if pipe_type == 1 else cairo.LINE_CAP_BUTT, end_extra=10)
    cap = cairo.LINE_CAP_ROUND if pipe_type == 1 else cairo.LINE_CAP_BUTT
    _stroke_cells(ctx, cells, outline, (*P.INK, 1), cap=cap, end_extra=10)
    # Metal walls: a darker outer edge, brass, and a lit band toward the light.
    _stroke_cells(ctx, cells, WALL, P.COPPER + (1,), cap=cap, end_extra=10)
    _stroke_cells(ctx, cells, WALL - 4, _wall_gradient(w, h), cap=cap, end_extra=10, dx=-0.6, dy=-0.6)
    _stroke_cells(ctx, cells, WALL - 8, (*P.BRASS_LIGHT, 0.9), cap=cap, end_extra=10, dx=-1.2, dy=-1.2)
    _stroke_cells(ctx, cells, WALL - 11, P.BRASS + (1,), cap=cap, end_extra=10)
    for cx, cy, s in _outer_openings(pipe_type):
        _flange(ctx, cx, cy, s)
    # The channel: a dark inner line, then the empty inside.
    _channel(ctx, cells, CHANNEL + 2, (*P.INK, 1))
    if rim:
        ctx.set_operator(cairo.OPERATOR_CLEAR)
        _channel(ctx, cells, CHANNEL - 2, (0, 0, 0, 1))
        ctx.set_operator(cairo.OPERATOR_OVER)
    else:
        _channel(ctx, cells, CHANNEL, _channel_sources(w, h))
        _channel(ctx, cells, 4, (*P.INK_SOFT, 0.6), dx=2, dy=2)
    if pipe_type == 1:
        _end_plug(ctx, 25, 25, L)
    return surface_to_image(surface)


def _channel(ctx, cells, width, source, dx=0.0, dy=0.0):
    """Channel strokes: straight channels CHANNEL wide, elbows the ring."""
    straight = [c for c in cells if not _is_elbow(c[2])]
    bends = [c for c in cells if _is_elbow(c[2])]
    if straight:
        _stroke_cells(ctx, straight, width, source, cap=cairo.LINE_CAP_ROUND if any(
            len(c[2]) == 1 for c in straight) else cairo.LINE_CAP_BUTT, dx=dx, dy=dy)
    if bends:
        ring = RING[1] - RING[0] + (width - CHANNEL)
        _stroke_cells(ctx, bends, ring, source, dx=dx, dy=dy)


# ---------------------------------------------------------------- equipment

def _plate(ctx, size, base, light):
    """The square base plate every machine stands on."""
    sx, sy = P.SHADOW_OFFSET
    for dx, dy, color in ((sx, sy, (*P.INK, P.SHADOW_ALPHA)), (0, 0, None)):
        ctx.new_path()
        rounded_rect(ctx, 6 + dx, 6 + dy, size - 12, size - 12, 14)
        if color:
            ctx.set_source_rgba(*color)
            ctx.fill()
    grad = cairo.LinearGradient(0, 0, size, size)
    grad.add_color_stop_rgb(0, *light)
    grad.add_color_stop_rgb(1, *base)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THICK)
    ctx.stroke()
    for x, y in ((16, 16), (size - 16, 16), (16, size - 16), (size - 16, size - 16)):
        ctx.new_path()
        ctx.arc(x, y, 3, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.COPPER_DARK)
        ctx.fill()
        ctx.new_path()
        ctx.arc(x - 0.8, y - 0.8, 1.2, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.BRASS_LIGHT)
        ctx.fill()


def _disc(ctx, x, y, r, inner, outer, line=P.LINE_THICK, light=(-0.35, -0.35)):
    ctx.new_path()
    ctx.arc(x, y, r, 0, 2 * math.pi)
    grad = cairo.RadialGradient(x + light[0] * r, y + light[1] * r, r * 0.1, x, y, r)
    grad.add_color_stop_rgb(0, *inner)
    grad.add_color_stop_rgb(1, *outer)
    ctx.set_source(grad)
    ctx.fill_preserve()
    if line:
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(line)
        ctx.stroke()
    ctx.new_path()


def _water_disc(ctx, x, y, r, phase):
    _disc(ctx, x, y, r, P.WATER_LIGHT, P.WATER_DEEP, line=2)
    for k in range(3):
        rr = r * (0.3 + 0.25 * ((k + phase) % 3))
        ctx.new_path()
        ctx.arc(x, y, rr, 0, 2 * math.pi)
        ctx.set_source_rgba(1, 1, 1, 0.55 - 0.15 * ((k + phase) % 3))
        ctx.set_line_width(1.6)
        ctx.stroke()


def _blades(ctx, x, y, r, count, angle, colors):
    for i in range(count):
        a = angle + i * 2 * math.pi / count
        ctx.save()
        ctx.translate(x, y)
        ctx.rotate(a)
        ctx.new_path()
        ctx.move_to(0, -3)
        ctx.curve_to(r * 0.4, -r * 0.35, r * 0.9, -r * 0.3, r, 0)
        ctx.curve_to(r * 0.8, r * 0.2, r * 0.4, r * 0.15, 0, 3)
        ctx.close_path()
        ctx.set_source_rgb(*colors[i % len(colors)])
        ctx.fill_preserve()
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(P.LINE_THIN)
        ctx.stroke()
        ctx.restore()


def _tank(ctx):
    """Type 13: a closed cistern."""
    _plate(ctx, 100, P.INK_SOFT, P.hex_rgb("7D8FB8"))
    _disc(ctx, 50, 50, 36, P.hex_rgb("C9D6F0"), P.hex_rgb("5D6F9E"))
    _disc(ctx, 50, 50, 26, P.BRASS_LIGHT, P.COPPER, line=2)
    for i in range(8):
        a = i * math.pi / 4
        _disc(ctx, 50 + 31 * math.cos(a), 50 + 31 * math.sin(a), 2.4, P.BRASS_LIGHT, P.COPPER_DARK, line=0)
    _disc(ctx, 50, 50, 9, P.WATER_LIGHT, P.WATER_DEEP, line=2)


def _pump(ctx, frame):
    """Type 14: the pump; its fan turns while it runs."""
    _plate(ctx, 100, P.COPPER_DARK, P.COPPER)
    _disc(ctx, 50, 50, 34, P.hex_rgb("5D6F9E"), P.INK, line=P.LINE_THICK)
    _blades(ctx, 50, 50, 30, 4, frame * math.pi / 4, [P.BRASS_LIGHT, P.BRASS])
    _disc(ctx, 50, 50, 8, P.BRASS_LIGHT, P.COPPER_DARK, line=2)


def _fountain(ctx, frame):
    """Type 15: a fountain basin; a jet rises while it runs."""
    _plate(ctx, 100, P.hex_rgb("9AA7B8"), P.hex_rgb("E4E9F0"))
    _disc(ctx, 50, 50, 38, P.hex_rgb("F1F4F8"), P.hex_rgb("A9B4C6"))
    _water_disc(ctx, 50, 50, 30, frame)
    _disc(ctx, 50, 50, 11, P.hex_rgb("F1F4F8"), P.hex_rgb("A9B4C6"), line=2)
    if frame:
        for i in range(8):
            a = i * math.pi / 4 + math.pi / 8
            ctx.new_path()
            ctx.move_to(50 + 8 * math.cos(a), 50 + 8 * math.sin(a))
            ctx.curve_to(50 + 18 * math.cos(a - 0.3), 50 + 18 * math.sin(a - 0.3),
                         50 + 24 * math.cos(a), 50 + 24 * math.sin(a),
                         50 + 26 * math.cos(a + 0.1), 50 + 26 * math.sin(a + 0.1))
            ctx.set_source_rgba(*P.WATER_LIGHT, 0.95)
            ctx.set_line_width(3)
            ctx.set_line_cap(cairo.LINE_CAP_ROUND)
            ctx.stroke()
        _disc(ctx, 50, 50, 6, P.WHITE, P.WATER_LIGHT, line=1.5)


def _mill(ctx, frame):
    """Type 16: a water mill wheel seen from above, turning in 3 steps."""
    _plate(ctx, 100, P.hex_rgb("6B8F3A"), P.hex_rgb("A6D06B"))
    _water_disc(ctx, 50, 50, 36, frame)
    wood, wood_light = P.hex_rgb("9C5B2E"), P.hex_rgb("D99A5B")
    for i in range(6):
        a = frame * math.pi / 9 + i * math.pi / 3
        ctx.save()
        ctx.translate(50, 50)
        ctx.rotate(a)
        ctx.new_path()
        ctx.rectangle(-4, -34, 8, 26)
        ctx.set_source_rgb(*(wood_light if i % 2 == 0 else wood))
        ctx.fill_preserve()
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(P.LINE_THIN)
        ctx.stroke()
        ctx.restore()
    _disc(ctx, 50, 50, 12, wood_light, wood, line=2)
    _disc(ctx, 50, 50, 4, P.BRASS_LIGHT, P.COPPER, line=1.5)


def _sprinkler(ctx, frame):
    """Type 17: a flower bed with a rotating sprinkler, four steps."""
    _plate(ctx, 100, P.hex_rgb("4FA34A"), P.hex_rgb("8FD16A"))
    flowers = [(24, 24, P.CORAL), (76, 24, P.SUN), (24, 76, P.BERRY), (76, 76, P.CORAL),
               (50, 18, P.BERRY), (18, 50, P.SUN), (82, 50, P.BERRY), (50, 82, P.SUN)]
    for x, y, c in flowers:
        for k in range(5):
            a = k * 2 * math.pi / 5
            _disc(ctx, x + 4.5 * math.cos(a), y + 4.5 * math.sin(a), 3.6, P.WHITE, c, line=1)
        _disc(ctx, x, y, 2.5, P.SUN, P.ORANGE, line=0)
    angle = frame * math.pi / 8
    for i in range(2):
        a = angle + i * math.pi
        ex, ey = 50 + 26 * math.cos(a), 50 + 26 * math.sin(a)
        if frame:
            ctx.new_path()
            ctx.move_to(ex, ey)
            ctx.arc(ex, ey, 14, a + 0.9, a + 1.9)
            ctx.close_path()
            ctx.set_source_rgba(*P.WATER_LIGHT, 0.7)
            ctx.fill()
        ctx.new_path()
        ctx.move_to(50, 50)
        ctx.line_to(ex, ey)
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(7)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.stroke()
        ctx.move_to(50, 50)
        ctx.line_to(ex, ey)
        ctx.set_source_rgb(*P.BRASS)
        ctx.set_line_width(3.5)
        ctx.stroke()
    _disc(ctx, 50, 50, 9, P.BRASS_LIGHT, P.COPPER, line=2)


EQUIPMENT = {13: (_tank, 1), 14: (_pump, 2), 15: (_fountain, 2), 16: (_mill, 3), 17: (_sprinkler, 4)}


def _equipment(pipe_type, frame):
    surface, ctx = canvas(100, 100)
    draw, _ = EQUIPMENT[pipe_type]
    if pipe_type == 13:
        draw(ctx)
    else:
        draw(ctx, frame)
    return surface_to_image(surface)


# ---------------------------------------------------------------- bonus

def _bonus(image):
    """A bonus piece: the piece in a golden glow with a star badge."""
    w, h = image.size
    surface, ctx = canvas(w, h)
    glow = cairo.RadialGradient(w / 2, h / 2, 4, w / 2, h / 2, max(w, h) * 0.62)
    glow.add_color_stop_rgba(0, *P.SUN, 0.75)
    glow.add_color_stop_rgba(1, *P.SUN, 0.0)
    ctx.set_source(glow)
    ctx.paint()
    base = surface_to_image(surface)
    base.alpha_composite(image)
    surface, ctx = canvas(w, h)
    star(ctx, w - 11, 11, 9.5)
    base.alpha_composite(surface_to_image(surface))
    return base


def star(ctx, x, y, r, fill=None, line=P.LINE_THIN, shade=None):
    ctx.new_path()
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.47
        (ctx.move_to if i == 0 else ctx.line_to)(x + rr * math.cos(a), y + rr * math.sin(a))
    ctx.close_path()
    grad = cairo.LinearGradient(x - r, y - r, x + r, y + r)
    grad.add_color_stop_rgb(0, *(fill or P.hex_rgb("FFF3A6")))
    grad.add_color_stop_rgb(1, *(shade or P.ORANGE))
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(line)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.stroke()


# ---------------------------------------------------------------- water

# Water kinds: 1 vertical strip, 2 horizontal strip, 3 end cap, 4..7 elbows
# (up-left, up-right, right-down, down-left).
WATER_SIZES = {1: (24, 50), 2: (50, 24), 3: (24, 21), 4: (36, 36), 5: (36, 36), 6: (36, 36), 7: (36, 36)}
WATER_FRAMES = 16
_ELBOW_CENTRES = {4: (0, 0), 5: (36, 0), 6: (36, 36), 7: (0, 36)}


def _water_mask(kind):
    w, h = WATER_SIZES[kind]
    ys, xs = np.mgrid[0:h * 4, 0:w * 4] / 4.0 + 0.125
    if kind in (1, 2):
        mask = np.ones_like(xs)
    elif kind == 3:
        # Rounded at the top: the closed end of the end piece.
        r = 11.0
        inside = (ys >= r) | (np.hypot(np.clip(xs, r, w - r) - xs, r - ys) <= r)
        mask = inside.astype(float)
    else:
        kx, ky = _ELBOW_CENTRES[kind]
        d = np.hypot(xs - kx, ys - ky)
        mask = ((d >= RING[0]) & (d <= RING[1])).astype(float)
    return mask.reshape(h, 4, w, 4).mean(axis=(1, 3))


def _water_coords(kind):
    """Along-flow coordinate s and across coordinate t (0 at the lit side,
    1 at the far side) for every pixel of a water picture."""
    w, h = WATER_SIZES[kind]
    ys, xs = np.mgrid[0:h, 0:w] + 0.5
    if kind == 1:
        return ys, xs / w
    if kind == 2:
        return xs, ys / h
    if kind == 3:
        return ys, xs / w
    kx, ky = _ELBOW_CENTRES[kind]
    d = np.hypot(xs - kx, ys - ky)
    a = np.arctan2(ys - ky, xs - kx)
    return a * 25.0, np.clip((d - RING[0]) / (RING[1] - RING[0]), 0, 1)


def _water(kind, frame):
    w, h = WATER_SIZES[kind]
    s, t = _water_coords(kind)
    phase = 2 * math.pi * frame / WATER_FRAMES
    # Deep at the far side, light toward the light.
    across = np.clip(np.abs(t - 0.35) * 1.6, 0, 1)
    light, mid, deep = (np.array(c) for c in (P.WATER_LIGHT, P.WATER, P.WATER_DEEP))
    col = np.where(across[..., None] < 0.5, light + (mid - light) * (across[..., None] * 2),
                   mid + (deep - mid) * ((across[..., None] - 0.5) * 2))
    # A shimmer that breathes in place (it must suit either flow direction).
    k1, k2 = 2 * math.pi / 25.0, 2 * math.pi / 12.5
    shimmer = 0.5 * np.sin(k1 * s + 0.8 * np.sin(2 * math.pi * t)) * math.cos(phase) + \
        0.35 * np.sin(k2 * s + 1.7) * math.sin(2 * phase) + \
        0.3 * np.sin(k1 * s + 2.1) * math.sin(phase)
    glint = np.clip(shimmer, 0, None) * np.exp(-((t - 0.3) / 0.22) ** 2)
    col = col + glint[..., None] * 0.45
    streak = np.exp(-((t - 0.22) / 0.07) ** 2) * (0.55 + 0.25 * np.sin(k2 * s - phase))
    col = col + (1 - col) * streak[..., None] * 0.6
    rgb = np.clip(col * 255, 0, 255)
    alpha = _water_mask(kind) * 255
    image = np.dstack([rgb, alpha]).astype(np.uint8)
    return Image.fromarray(image, "RGBA")


# ---------------------------------------------------------------- all

def items():
    """(id, picture, share key or None) of every pipe-family atlas item."""
    out = []
    for t in range(1, 13):
        body = _draw_pipe(t, rim=False)
        out.append(("main_elements_pipes_pipe%d" % t, body, None))
        out.append(("main_elements_pipes_pipe%d_frame" % t, _draw_pipe(t, rim=True), None))
        out.append(("main_elements_pipes_pipe%d_bonus" % t, _bonus(body), None))
    for t in range(13, 18):
        body = _equipment(t, 0)
        out.append(("main_elements_pipes_pipe%d" % t, body, None))
        out.append(("main_elements_pipes_pipe%d_bonus" % t, _bonus(body), None))
        for f in range(1, EQUIPMENT[t][1]):
            out.append(("main_elements_pipes_pipe%d_active%d" % (t, f), _equipment(t, f), None))
    for kind in range(1, 8):
        for n in range(1, WATER_FRAMES + 1):
            out.append(("main_elements_water_%d_%d" % (kind, n), _water(kind, n - 1), None))
    return out
