"""Bitmap fonts: one page PNG and one glyph-table XML per font.

Glyphs are drawn with cairo from DejaVu, outlined in ink and lit from the
top, then shelf-packed onto one page. The XML is the glyph-table layout the
engine reads: <font><common lineHeight/><pages/><chars><char .../></chars>.
"""

import math
import os
from xml.sax.saxutils import quoteattr

import cairo

from . import palette as P

# Every character the game's texts may use: printable ASCII, Latin-1 (player
# names are typed byte by byte) and the typographic marks of the texts.
CHARSET = (
    [chr(c) for c in range(32, 127)]
    + [chr(c) for c in range(0xA0, 0x100)]
    + ["\u2013", "\u2014", "\u2018", "\u2019", "\u201C", "\u201D", "\u2026",
       "\u2022", "\u20AC"]
)


class Style:
    def __init__(self, name, size, top, bottom, outline=0.0, outline_color=P.INK,
                 shadow=(0, 0), bold=True, face="DejaVu Sans", tracking=0):
        self.name = name
        self.size = size
        self.top = top
        self.bottom = bottom
        self.outline = outline
        self.outline_color = outline_color
        self.shadow = shadow
        self.bold = bold
        self.face = face
        self.tracking = tracking


# Text that the windows tint keeps a white fill (the label colour multiplies
# it); the named colour fonts carry their colour in the page.
STYLES = [
    Style("default", 18, P.WHITE, P.CREAM, outline=2.0, shadow=(1, 2)),
    Style("font_big", 44, P.WHITE, P.WATER_LIGHT, outline=3.5, shadow=(3, 4)),
    Style("font_med", 28, P.WHITE, P.CREAM, outline=2.5, shadow=(2, 3)),
    Style("font_extra_text", 22, P.WHITE, P.CREAM, outline=2.0, shadow=(1, 2)),
    Style("font_text", 18, P.WHITE, P.WHITE, bold=False),
    Style("font_cg_25_orange", 25, P.ORANGE_LIGHT, P.ORANGE_DEEP, outline=2.5,
          outline_color=P.EMBER, shadow=(2, 2)),
    Style("font_cg_14_white", 14, P.WHITE, P.WHITE, outline=1.5, shadow=(0, 0)),
    Style("fnt20_blue", 20, P.BLUE_LIGHT, P.BLUE_DEEP, outline=2.0, shadow=(1, 2)),
    # Ink body text for cream pages drawn from the font list, where no label
    # tints it.
    Style("font_help", 18, P.INK, P.INK, bold=False),
]


def _context(style):
    ctx = cairo.Context(cairo.ImageSurface(cairo.FORMAT_ARGB32, 8, 8))
    _configure(ctx, style)
    return ctx


def _configure(ctx, style):
    weight = cairo.FONT_WEIGHT_BOLD if style.bold else cairo.FONT_WEIGHT_NORMAL
    ctx.select_font_face(style.face, cairo.FONT_SLANT_NORMAL, weight)
    ctx.set_font_size(style.size)
    options = cairo.FontOptions()
    options.set_antialias(cairo.ANTIALIAS_GRAY)
    options.set_hint_style(cairo.HINT_STYLE_SLIGHT)
    options.set_hint_metrics(cairo.HINT_METRICS_ON)
    ctx.set_font_options(options)


class Glyph:
    pass


def _measure(style):
    ctx = _context(style)
    ascent, descent, height, _, _ = ctx.font_extents()
    pad = int(math.ceil(style.outline)) + 1
    shx, shy = style.shadow
    glyphs = []
    for ch in CHARSET:
        xb, yb, w, h, xa, _ = ctx.text_extents(ch)
        g = Glyph()
        g.ch = ch
        g.advance = int(round(xa + style.outline * 0.5)) + style.tracking
        if w == 0 or h == 0:
            g.left = g.top = 0
            g.width = g.height = 0
        else:
            g.left = int(math.floor(xb)) - pad
            g.top = int(math.floor(yb)) - pad
            right = int(math.ceil(xb + w)) + pad + max(shx, 0)
            bottom = int(math.ceil(yb + h)) + pad + max(shy, 0)
            g.width = right - g.left
            g.height = bottom - g.top
        glyphs.append(g)
    line_height = int(math.ceil(ascent + descent + style.outline))
    return glyphs, int(math.ceil(ascent)), line_height


def _pack(glyphs, width):
    """Shelf packing, tallest first; returns the used height or None."""
    spacing = 2
    x, y, shelf = spacing, spacing, 0
    for g in sorted(glyphs, key=lambda g: (-g.height, ord(g.ch))):
        if g.width == 0:
            g.x = g.y = 0
            continue
        if x + g.width + spacing > width:
            x, y, shelf = spacing, y + shelf + spacing, 0
        g.x, g.y = x, y
        x += g.width + spacing
        shelf = max(shelf, g.height)
    return y + shelf + spacing


def _draw_glyph(ctx, style, g, ascent):
    ctx.save()
    ctx.translate(g.x - g.left, g.y - g.top)
    ctx.new_path()
    ctx.move_to(0, 0)
    ctx.text_path(g.ch)
    path = ctx.copy_path()
    shx, shy = style.shadow
    if shx or shy:
        ctx.save()
        ctx.translate(shx, shy)
        ctx.new_path()
        ctx.append_path(path)
        ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA + 0.2)
        if style.outline:
            ctx.set_line_width(style.outline * 2)
            ctx.set_line_join(cairo.LINE_JOIN_ROUND)
            ctx.stroke_preserve()
        ctx.fill()
        ctx.restore()
    if style.outline:
        ctx.new_path()
        ctx.append_path(path)
        ctx.set_source_rgb(*style.outline_color)
        ctx.set_line_width(style.outline * 2)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.stroke()
    ctx.new_path()
    ctx.append_path(path)
    # Light from above: the fill runs from the top colour at the cap height
    # to the bottom colour at the baseline.
    gradient = cairo.LinearGradient(0, -ascent * 0.8, 0, 0)
    gradient.add_color_stop_rgb(0, *style.top)
    gradient.add_color_stop_rgb(1, *style.bottom)
    ctx.set_source(gradient)
    ctx.fill()
    ctx.restore()


def build(style, out_dir):
    glyphs, ascent, line_height = _measure(style)
    for width in (128, 256, 512, 1024, 2048):
        used = _pack(glyphs, width)
        if used <= width:
            break
    height = 16
    while height < used:
        height *= 2
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, width, height)
    ctx = cairo.Context(surface)
    _configure(ctx, style)
    for g in glyphs:
        if g.width:
            _draw_glyph(ctx, style, g, ascent)
    surface.flush()
    png = os.path.join(out_dir, style.name + ".png")
    surface.write_to_png(png)

    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<font>"]
    lines.append('  <info face=%s size="%d" bold="%d"/>'
                 % (quoteattr(style.face), style.size, 1 if style.bold else 0))
    lines.append('  <common lineHeight="%d" base="%d" scaleW="%d" scaleH="%d" pages="1"/>'
                 % (line_height, ascent, width, height))
    lines.append('  <pages><page id="0" file="%s.png"/></pages>' % style.name)
    lines.append('  <chars count="%d">' % len(glyphs))
    for g in glyphs:
        lines.append('    <char id="%d" x="%d" y="%d" width="%d" height="%d" xoffset="%d" '
                     'yoffset="%d" xadvance="%d" page="0" chnl="15"/>'
                     % (ord(g.ch), g.x, g.y, g.width, g.height, g.left,
                        g.top + ascent, g.advance))
    lines.append("  </chars>")
    lines.append("</font>")
    with open(os.path.join(out_dir, style.name + ".xml"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    return {"name": style.name, "page": (width, height), "line_height": line_height}


def build_all(resources):
    out_dir = os.path.join(resources, "fonts")
    os.makedirs(out_dir, exist_ok=True)
    return [build(style, out_dir) for style in STYLES]
