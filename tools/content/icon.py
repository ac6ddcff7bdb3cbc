"""The window icon: a water drop falling from a brass pipe mouth, 32 x 32,
in the style of tools/README.md (ink outline, light from the upper left)."""

import math
import os

import cairo

from . import palette as P

SIZE = 32


def _pipe_mouth(ctx):
    """A short brass pipe entering from the upper left, ending in a flange."""
    ctx.new_path()
    ctx.move_to(-2, 8)
    ctx.line_to(13, 8)
    ctx.set_line_cap(cairo.LINE_CAP_BUTT)
    for color, width in ((P.INK, 10), (P.COPPER, 6), (P.BRASS, 3)):
        ctx.set_source_rgb(*color)
        ctx.set_line_width(width)
        ctx.stroke_preserve()
    ctx.new_path()
    ctx.rectangle(12, 2.5, 5, 11)
    grad = cairo.LinearGradient(12, 2, 17, 13)
    grad.add_color_stop_rgb(0, *P.BRASS_LIGHT)
    grad.add_color_stop_rgb(1, *P.COPPER)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THIN)
    ctx.stroke()


def _drop_path(ctx, x, y, r):
    """A drop with its round bottom centred at (x, y), its tip above."""
    ctx.new_path()
    ctx.move_to(x, y - r * 2.3)
    ctx.curve_to(x + r * 0.3, y - r * 1.5, x + r, y - r * 0.8, x + r, y)
    ctx.arc(x, y, r, 0, math.pi)
    ctx.curve_to(x - r, y - r * 0.8, x - r * 0.3, y - r * 1.5, x, y - r * 2.3)
    ctx.close_path()


def _drop(ctx, x, y, r):
    _drop_path(ctx, x + 1.5, y + 2, r)
    ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA)
    ctx.fill()
    _drop_path(ctx, x, y, r)
    grad = cairo.LinearGradient(x - r, y - 2 * r, x + r, y + r)
    grad.add_color_stop_rgb(0, *P.WATER_LIGHT)
    grad.add_color_stop_rgb(0.5, *P.WATER)
    grad.add_color_stop_rgb(1, *P.WATER_DEEP)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THIN)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(x - r * 0.38, y - r * 0.25, r * 0.22, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, 0.9)
    ctx.fill()


def build(resources):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, SIZE, SIZE)
    ctx = cairo.Context(surface)
    _pipe_mouth(ctx)
    _drop(ctx, 20.5, 23.5, 6.5)
    path = os.path.join(resources, "graphics", "window_icon.png")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    surface.write_to_png(path)
