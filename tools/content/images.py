"""Pictures of the start-up: the two splash cards, the pointer and the white
pixel. Drawn with cairo in the style of tools/README.md: ink outlines, light
from the upper left, brass pipes and bright water."""

import math
import os

import cairo

from . import palette as P
from .shapes import rounded_rect

SPLASH_SIZE = (1024, 768)
# The loader paints this colour around the splashes (wider screens); every
# splash fades to it at its edges, so no seam shows.
BACK = P.INK


def _rgba(color, alpha=1.0):
    return (*color, alpha)


def _radial_backdrop(ctx, w, h, centre, edge, radius):
    ctx.set_source_rgb(*edge)
    ctx.paint()
    glow = cairo.RadialGradient(w / 2, h * 0.45, 0, w / 2, h * 0.45, radius)
    glow.add_color_stop_rgba(0, *_rgba(centre))
    glow.add_color_stop_rgba(1, *_rgba(edge))
    ctx.set_source(glow)
    ctx.paint()


def _pipe(ctx, points, width):
    """A brass pipe along a polyline: ink outline, copper body, brass face
    shifted toward the light, and a highlight stripe."""
    def stroke(color, w, dx=0.0, dy=0.0, alpha=1.0):
        ctx.new_path()
        for i, (x, y) in enumerate(points):
            (ctx.move_to if i == 0 else ctx.line_to)(x + dx, y + dy)
        ctx.set_source_rgba(*color, alpha)
        ctx.set_line_width(w)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.stroke()
    sx, sy = P.SHADOW_OFFSET
    stroke(P.INK, width + 2 * P.LINE_THICK, sx * 1.5, sy * 1.5, P.SHADOW_ALPHA)
    stroke(P.INK, width + 2 * P.LINE_THICK)
    stroke(P.COPPER, width)
    stroke(P.BRASS, width * 0.62, -width * 0.1, -width * 0.1)
    stroke(P.BRASS_LIGHT, width * 0.18, -width * 0.22, -width * 0.22, 0.9)


def _flange(ctx, x, y, width, vertical):
    w, h = (width * 1.5, width * 0.5) if vertical else (width * 0.5, width * 1.5)
    rounded_rect(ctx, x - w / 2, y - h / 2, w, h, min(w, h) * 0.3)
    grad = cairo.LinearGradient(x - w / 2, y - h / 2, x + w / 2, y + h / 2)
    grad.add_color_stop_rgb(0, *P.BRASS_LIGHT)
    grad.add_color_stop_rgb(1, *P.COPPER)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THICK)
    ctx.stroke()


def _drop_path(ctx, x, y, size):
    """A water drop with its round bottom centred at (x, y)."""
    r = size * 0.5
    ctx.new_path()
    ctx.move_to(x, y - size * 1.25)
    ctx.curve_to(x + r * 0.35, y - size * 0.8, x + r, y - r * 0.6, x + r, y)
    ctx.arc(x, y, r, 0, math.pi)
    ctx.curve_to(x - r, y - r * 0.6, x - r * 0.35, y - size * 0.8, x, y - size * 1.25)
    ctx.close_path()


def _drop(ctx, x, y, size):
    sx, sy = P.SHADOW_OFFSET
    _drop_path(ctx, x + sx, y + sy, size)
    ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA)
    ctx.fill()
    _drop_path(ctx, x, y, size)
    grad = cairo.LinearGradient(x - size * 0.5, y - size, x + size * 0.5, y + size * 0.5)
    grad.add_color_stop_rgb(0, *P.WATER_LIGHT)
    grad.add_color_stop_rgb(0.5, *P.WATER)
    grad.add_color_stop_rgb(1, *P.WATER_DEEP)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THICK)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(x - size * 0.2, y - size * 0.1, size * 0.13, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, 0.85)
    ctx.fill()


def _bubble(ctx, x, y, r, alpha):
    ctx.new_path()
    ctx.arc(x, y, r, 0, 2 * math.pi)
    ctx.set_source_rgba(*P.WATER_LIGHT, alpha * 0.25)
    ctx.fill_preserve()
    ctx.set_source_rgba(*P.WATER_LIGHT, alpha)
    ctx.set_line_width(max(1.5, r * 0.12))
    ctx.stroke()
    ctx.new_path()
    ctx.arc(x - r * 0.35, y - r * 0.35, r * 0.22, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, alpha)
    ctx.fill()


def paint_text_path(ctx, path, outline, shadow, shadow_alpha, fill, alpha=1.0):
    """Display text from its path: a shadow moved by `shadow`, the ink
    outline `outline` wide on each side, then the fill pattern."""
    ctx.save()
    ctx.translate(*shadow)
    ctx.new_path()
    ctx.append_path(path)
    ctx.set_source_rgba(*P.INK, shadow_alpha * alpha)
    ctx.set_line_width(outline * 2)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.stroke_preserve()
    ctx.fill()
    ctx.restore()
    ctx.new_path()
    ctx.append_path(path)
    ctx.set_source_rgba(*P.INK, alpha)
    ctx.set_line_width(outline * 2)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.stroke()
    ctx.new_path()
    ctx.append_path(path)
    ctx.set_source(fill)
    ctx.fill()


def _title_text(ctx, text, cx, baseline, size, top, bottom, spacing=0.0, outline=None):
    ctx.select_font_face("DejaVu Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(size)
    widths = [ctx.text_extents(ch)[4] for ch in text]
    total = sum(widths) + spacing * (len(text) - 1)
    x = cx - total / 2
    ctx.new_path()
    for ch, w in zip(text, widths):
        ctx.move_to(x, baseline)
        ctx.text_path(ch)
        x += w + spacing
    path = ctx.copy_path()
    outline = outline if outline is not None else size * 0.07
    sx, sy = P.SHADOW_OFFSET
    grad = cairo.LinearGradient(0, baseline - size * 0.75, 0, baseline)
    grad.add_color_stop_rgb(0, *top)
    grad.add_color_stop_rgb(1, *bottom)
    paint_text_path(ctx, path, outline, (sx * size / 40, sy * size / 40), 0.55, grad)
    return total


def light_rays(ctx, origin, count, first, step, spread, length):
    """Faint wedges of light fanning out from the upper left: `count` rays,
    the first at `first` degrees below the x axis, `step` degrees apart,
    each `spread` radians wide."""
    ox, oy = origin
    for i in range(count):
        a0 = math.radians(first + i * step)
        ctx.new_path()
        ctx.move_to(ox, oy)
        ctx.line_to(ox + length * math.cos(a0), oy + length * math.sin(a0))
        ctx.line_to(ox + length * math.cos(a0 + spread), oy + length * math.sin(a0 + spread))
        ctx.close_path()
        ctx.set_source_rgba(*P.WATER_LIGHT, 0.05)
        ctx.fill()


def splash_studio(path):
    w, h = SPLASH_SIZE
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(surface)
    _radial_backdrop(ctx, w, h, P.INK_SOFT, BACK, 420)
    # The company mark: a drop inside a ring of pipe.
    cx, cy = w / 2, h * 0.4
    ctx.new_path()
    ctx.arc(cx, cy, 92, 0, 2 * math.pi)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(34 + 2 * P.LINE_THICK)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(cx, cy, 92, 0, 2 * math.pi)
    ctx.set_source_rgb(*P.COPPER)
    ctx.set_line_width(34)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(cx - 3, cy - 3, 92, 0, 2 * math.pi)
    ctx.set_source_rgb(*P.BRASS)
    ctx.set_line_width(20)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(cx - 5, cy - 5, 92, math.pi * 0.95, math.pi * 1.85)
    ctx.set_source_rgb(*P.BRASS_LIGHT)
    ctx.set_line_width(8)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke()
    for angle in (0.25, 0.75, 1.25, 1.75):
        fx, fy = cx + 92 * math.cos(angle * math.pi), cy + 92 * math.sin(angle * math.pi)
        ctx.save()
        ctx.translate(fx, fy)
        ctx.rotate(angle * math.pi)
        _flange(ctx, 0, 0, 30, True)
        ctx.restore()
    _drop(ctx, cx, cy + 28, 70)
    _title_text(ctx, "KORVANE", w / 2, h * 0.7, 64, P.CREAM, P.PARCHMENT, spacing=10)
    ctx.select_font_face("DejaVu Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(20)
    tag = "G A M E S"
    ext = ctx.text_extents(tag)
    ctx.move_to(w / 2 - ext[4] / 2, h * 0.7 + 46)
    ctx.set_source_rgb(*P.WATER)
    ctx.show_text(tag)
    surface.write_to_png(path)


def _pool(ctx, w, h):
    """Water across the bottom of the card, fading into the surrounding
    colour at the left and right edges."""
    top = 700

    def surface_line(offset):
        for x in range(0, w + 16, 16):
            (ctx.move_to if x == 0 else ctx.line_to)(x, top + offset + 5 * math.sin(x / 40.0))
    ctx.new_path()
    surface_line(0)
    ctx.line_to(w, h)
    ctx.line_to(0, h)
    ctx.close_path()
    pool = ctx.copy_path()
    body = cairo.LinearGradient(0, top, 0, h)
    body.add_color_stop_rgb(0, *P.WATER)
    body.add_color_stop_rgb(1, *P.WATER_DARK)
    ctx.set_source(body)
    ctx.fill()
    ctx.new_path()
    surface_line(4)
    ctx.set_source_rgba(*P.WATER_LIGHT, 0.9)
    ctx.set_line_width(4)
    ctx.stroke()
    side = cairo.LinearGradient(0, 0, w, 0)
    side.add_color_stop_rgba(0, *BACK, 1.0)
    side.add_color_stop_rgba(0.3, *BACK, 0.0)
    side.add_color_stop_rgba(0.7, *BACK, 0.0)
    side.add_color_stop_rgba(1, *BACK, 1.0)
    ctx.new_path()
    ctx.append_path(pool)
    ctx.set_line_width(10)
    ctx.set_source(side)
    ctx.fill_preserve()
    ctx.stroke()


def _stream(ctx, points):
    """A falling stream of water along a curve of four points."""
    def curve():
        ctx.new_path()
        ctx.move_to(*points[0])
        ctx.curve_to(*points[1], *points[2], *points[3])
    curve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(22 + 2 * P.LINE_THIN)
    ctx.set_line_cap(cairo.LINE_CAP_BUTT)
    ctx.stroke()
    curve()
    ctx.set_source_rgb(*P.WATER)
    ctx.set_line_width(22)
    ctx.stroke()
    curve()
    ctx.set_source_rgba(*P.WATER_LIGHT, 0.95)
    ctx.set_line_width(6)
    ctx.stroke()


def _spout(ctx, x, y, width, direction):
    """The open end of a pipe facing left (-1) or right (1)."""
    _flange(ctx, x, y, width, False)
    ctx.save()
    ctx.translate(x + direction * width * 0.28, y)
    ctx.scale(0.35, 1.0)
    ctx.new_path()
    ctx.arc(0, 0, width * 0.42, 0, 2 * math.pi)
    ctx.restore()
    ctx.set_source_rgb(*P.COPPER_DARK)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THIN)
    ctx.stroke()


def splash_title(path):
    w, h = SPLASH_SIZE
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(surface)
    _radial_backdrop(ctx, w, h, P.WATER_DEEP, BACK, 560)
    light_rays(ctx, (-80, -80), 7, 12, 9, 0.05, 1600)
    # Fade the corners back to the surrounding colour.
    vignette = cairo.RadialGradient(w / 2, h / 2, 330, w / 2, h / 2, 640)
    vignette.add_color_stop_rgba(0, *BACK, 0.0)
    vignette.add_color_stop_rgba(1, *BACK, 1.0)
    ctx.set_source(vignette)
    ctx.paint()
    # Bubbles rising.
    bubbles = [(150, 470, 16), (215, 420, 9), (260, 520, 12), (850, 500, 18), (890, 430, 10),
               (770, 530, 8), (300, 250, 6), (740, 230, 7), (120, 330, 7), (920, 300, 12)]
    for x, y, r in bubbles:
        _bubble(ctx, x, y, r, 0.7)
    # Two pipes rise from below and pour into a pool under the title.
    _pool(ctx, w, h)
    _stream(ctx, [(330, 612), (372, 618), (398, 660), (404, 712)])
    _stream(ctx, [(694, 612), (652, 618), (626, 660), (620, 712)])
    _pipe(ctx, [(150, 800), (150, 612), (322, 612)], 40)
    _pipe(ctx, [(874, 800), (874, 612), (702, 612)], 40)
    for x, y, vertical in ((150, 700, True), (236, 612, False), (874, 700, True), (788, 612, False)):
        _flange(ctx, x, y, 40, vertical)
    _spout(ctx, 330, 612, 40, 1)
    _spout(ctx, 694, 612, 40, -1)
    for x, y, r in ((470, 690, 7), (540, 676, 10), (585, 700, 6)):
        _bubble(ctx, x, y, r, 0.8)
    # The left and right edges end in the surrounding colour.
    for x0, x1 in ((0, 90), (w, w - 90)):
        edge = cairo.LinearGradient(x0, 0, x1, 0)
        edge.add_color_stop_rgba(0, *BACK, 1.0)
        edge.add_color_stop_rgba(1, *BACK, 0.0)
        ctx.rectangle(min(x0, x1), 0, 90, h)
        ctx.set_source(edge)
        ctx.fill()
    # The name.
    _title_text(ctx, "AQUAVEX", w / 2, h * 0.5, 132, P.WHITE, P.WATER_LIGHT, spacing=4, outline=9)
    ctx.select_font_face("DejaVu Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    _title_text(ctx, "Connect the pipes. Let it flow!", w / 2, h * 0.5 + 70, 30,
                P.BRASS_LIGHT, P.BRASS, outline=3)
    surface.write_to_png(path)


def cursor(path):
    """The pointer: its tip is the image's upper-left pixel, which is the
    hot spot the game uses."""
    size = 40
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, size, size)
    ctx = cairo.Context(surface)
    outline = [(2, 2), (2, 29), (9.5, 22.5), (14.5, 34), (20.5, 31.5), (15.5, 20.5), (25.5, 20.5)]

    def shape(dx=0.0, dy=0.0):
        ctx.new_path()
        for i, (x, y) in enumerate(outline):
            (ctx.move_to if i == 0 else ctx.line_to)(x + dx, y + dy)
        ctx.close_path()
    shape(2.5, 3)
    ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA)
    ctx.fill()
    shape()
    grad = cairo.LinearGradient(2, 2, 20, 34)
    grad.add_color_stop_rgb(0, *P.WHITE)
    grad.add_color_stop_rgb(0.55, *P.WATER_LIGHT)
    grad.add_color_stop_rgb(1, *P.WATER)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THIN)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.stroke()
    ctx.new_path()
    ctx.move_to(4.5, 7)
    ctx.line_to(4.5, 21)
    ctx.set_source_rgba(1, 1, 1, 0.9)
    ctx.set_line_width(1.5)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke()
    surface.write_to_png(path)


def white_pixel(path):
    # A few pixels rather than one, so filtering at the edges stays white.
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, 4, 4)
    ctx = cairo.Context(surface)
    ctx.set_source_rgb(1, 1, 1)
    ctx.paint()
    surface.write_to_png(path)


SPLASHES = [("graphics/splash/splash_studio.png", splash_studio),
            ("graphics/splash/splash_title.png", splash_title)]
CURSOR = "graphics/gui/cursor.png"
WHITE_PIXEL = "graphics/gui/white_pixel.png"


def build_all(resources):
    made = []
    for rel, make in SPLASHES + [(CURSOR, cursor), (WHITE_PIXEL, white_pixel)]:
        path = os.path.join(resources, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        make(path)
        made.append(rel)
    return made
