"""Pictures of the menu windows: the title backdrop and logo, the button
strips with their captions, the check box and slider strips, the list box,
line box, name plate and dialog panels. Same ink, palette and light as the
splash cards and the field art."""

import math
import os
import random

import cairo
from PIL import Image

from . import images, palette as P
from .atlas import canvas, surface_to_image
from .shapes import rounded_rect

FOLDER = "graphics/gui"
H = P.hex_rgb

# Gradient stops of a button face, top to bottom: highlight, body, shade.
SCHEMES = {
    "water": (P.WATER_LIGHT, P.WATER, P.WATER_DEEP),
    "leaf": (H("B7EB8F"), P.LEAF, H("3E8F2E")),
    "coral": (H("FFB4A8"), P.CORAL, H("D23F2C")),
    "brass": (P.BRASS_LIGHT, P.BRASS, P.COPPER),
}
DISABLED = (H("D5DAE2"), H("AEB6C3"), H("7F8A9C"))

# The five looks of a strip, in frame order.
NORMAL, HOVER, PRESSED, SELECTED, DISABLED_FRAME = range(5)

# Button strips: file stem -> (frame width, frame height, caption, scheme,
# caption size). Caption sizes keep the longest caption inside its face.
BUTTONS = {
    "button_play": (300, 78, "Play", "leaf", 36),
    "button_options": (264, 62, "Options", "water", 27),
    "button_players": (264, 62, "Players", "water", 27),
    "button_buy": (264, 62, "Full version", "brass", 25),
    "button_exit": (264, 62, "Exit", "coral", 27),
    "button_ok": (180, 58, "OK", "leaf", 25),
    "button_cancel": (180, 58, "Cancel", "coral", 25),
    "button_yes": (180, 58, "Yes", "leaf", 25),
    "button_no": (180, 58, "No", "coral", 25),
    "button_credits": (180, 58, "Credits", "water", 25),
    "button_close": (180, 58, "Close", "water", 25),
    "button_later": (180, 58, "Later", "water", 25),
}
# Small round buttons with a sign in place of a caption: stem -> (size,
# sign, scheme).
ROUND_BUTTONS = {
    "button_delete": (46, "cross", "coral"),
    "button_new": (46, "plus", "leaf"),
}

BACKDROP_SIZE = (1366, 768)
LOGO_SIZE = (720, 210)
SLIDER_FRAME = 40
SLIDER_FRAMES = 13
CHECKBOX_FRAME = 44
LIST_SIZE = (400, 360)
LIST_ROWS = 8
LINE_BOX_SIZE = (380, 58)
NAME_PLATE_SIZE = (380, 62)
# Dialog panels: file stem -> size. Each has a blue header band for its
# title.
PANELS = {
    "panel_options": (580, 560),
    "panel_credits": (640, 600),
    "panel_players": (600, 630),
    "panel_editbox": (520, 310),
    "panel_confirm": (540, 310),
    "panel_buy": (640, 330),
}
PANEL_HEADER = 74
# The inside of a slider's groove.
GROOVE = H("3E5080")


def texture(stem):
    """The resource name the descriptions use for a picture."""
    return "%s %s.png" % (FOLDER, stem)


def _vgrad(y0, y1, stops):
    grad = cairo.LinearGradient(0, y0, 0, y1)
    for i, c in enumerate(stops):
        grad.add_color_stop_rgb(i / (len(stops) - 1), *c)
    return grad


def _ink(ctx, width):
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(width)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke()


def _shadow(ctx, path_fn, alpha=P.SHADOW_ALPHA):
    sx, sy = P.SHADOW_OFFSET
    ctx.save()
    ctx.translate(sx, sy)
    path_fn()
    ctx.set_source_rgba(*P.INK, alpha)
    ctx.fill()
    ctx.restore()


def _lighter(color, t):
    return tuple(c + (1.0 - c) * t for c in color)


def _darker(color, t):
    return tuple(c * (1.0 - t) for c in color)


def _caption_path(ctx, text, cx, cy, size):
    ctx.select_font_face("DejaVu Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(size)
    ext = ctx.text_extents(text)
    ascent = ctx.font_extents()[0]
    ctx.new_path()
    ctx.move_to(cx - ext.x_advance / 2, cy + ascent * 0.36)
    ctx.text_path(text)
    return ctx.copy_path()


def _caption(ctx, text, cx, cy, size, fill_top, fill_bottom, alpha=1.0):
    """Display text: ink outline, a small drop shadow, white lit from the
    top."""
    path = _caption_path(ctx, text, cx, cy, size)
    grad = cairo.LinearGradient(0, cy - size * 0.5, 0, cy + size * 0.4)
    grad.add_color_stop_rgba(0, *fill_top, alpha)
    grad.add_color_stop_rgba(1, *fill_bottom, alpha)
    images.paint_text_path(ctx, path, max(P.LINE_THIN, size * 0.09), (1, 2), 0.5, grad, alpha)


def _face_colours(scheme, frame):
    stops = DISABLED if frame == DISABLED_FRAME else SCHEMES[scheme]
    if frame == HOVER:
        return tuple(_lighter(c, 0.22) for c in stops)
    if frame == PRESSED:
        return tuple(_darker(c, 0.12) for c in stops)
    return stops


def _button_face(ctx, x, y, w, h, r, scheme, frame):
    """One look of a button body at (x, y), size w x h, corner radius r."""
    pressed = frame == PRESSED
    if not pressed:
        _shadow(ctx, lambda: rounded_rect(ctx, x, y, w, h, r))
    else:
        x, y = x + 2, y + 3
    top, body, shade = _face_colours(scheme, frame)
    rounded_rect(ctx, x, y, w, h, r)
    ctx.set_source(_vgrad(y, y + h, (top, body, shade)))
    ctx.fill_preserve()
    _ink(ctx, P.LINE_THICK)
    # The lit upper half: a soft white band inside the top edge.
    inset = 5
    rounded_rect(ctx, x + inset, y + inset - 1, w - 2 * inset, h * 0.42, max(2, r - inset))
    gloss = cairo.LinearGradient(0, y + inset, 0, y + h * 0.45)
    gloss.add_color_stop_rgba(0, 1, 1, 1, 0.55 if frame != DISABLED_FRAME else 0.35)
    gloss.add_color_stop_rgba(1, 1, 1, 1, 0.05)
    ctx.set_source(gloss)
    ctx.fill()
    if frame == SELECTED:
        rounded_rect(ctx, x + 4, y + 4, w - 8, h - 8, max(2, r - 4))
        ctx.set_source_rgb(*P.SUN)
        ctx.set_line_width(4)
        ctx.stroke()
    if frame == HOVER:
        rounded_rect(ctx, x + 3, y + 3, w - 6, h - 6, max(2, r - 3))
        ctx.set_source_rgba(1, 1, 1, 0.7)
        ctx.set_line_width(2)
        ctx.stroke()
    return x, y


def face_strip(w, h, scheme, draw):
    """The five looks of a button, side by side; `draw`(ctx, left, middle y,
    frame) puts what stands on each face."""
    surface, ctx = canvas(w * 5, h)
    for frame in range(5):
        ctx.save()
        ctx.translate(frame * w, 0)
        ctx.rectangle(0, 0, w, h)
        ctx.clip()
        bx, by = _button_face(ctx, 3, 2, w - 10, h - 9, (h - 9) * 0.42, scheme, frame)
        draw(ctx, bx, by + (h - 9) / 2, frame)
        ctx.restore()
    return surface_to_image(surface)


def face_caption(ctx, text, cx, cy, size, frame):
    """A button's caption, greyed on the disabled face."""
    if frame == DISABLED_FRAME:
        _caption(ctx, text, cx, cy, size, H("F2F4F7"), H("C9CFD8"), 0.9)
    else:
        _caption(ctx, text, cx, cy, size, P.WHITE, P.CREAM)


def button_strip(w, h, caption, scheme, size):
    def draw(ctx, left, cy, frame):
        face_caption(ctx, caption, left + (w - 10) / 2, cy, size, frame)
    return face_strip(w, h, scheme, draw)


# The strokes of each sign, as angles of lines through the centre.
SIGNS = {"plus": (0.0, math.pi / 2), "cross": (math.pi / 4, 3 * math.pi / 4), "minus": (0.0,)}


def _sign(ctx, kind, cx, cy, s):
    """A plus, a cross or a minus in white with an ink outline."""
    ctx.new_path()
    for a in SIGNS[kind]:
        dx, dy = math.cos(a) * s, math.sin(a) * s
        ctx.move_to(cx - dx, cy - dy)
        ctx.line_to(cx + dx, cy + dy)
    path = ctx.copy_path()
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(s * 0.62 + 2 * P.LINE_THIN)
    ctx.stroke()
    ctx.new_path()
    ctx.append_path(path)
    ctx.set_source_rgb(*P.WHITE)
    ctx.set_line_width(s * 0.62)
    ctx.stroke()


def sign_icon(kind):
    """An icon drawer for round buttons: the sign at a quarter of the face."""
    return lambda ctx, cx, cy, size: _sign(ctx, kind, cx, cy, size * 0.26)


def round_button_strip(d, scheme, icon):
    """Five looks of a round button; icon(ctx, cx, cy, size) draws what its
    face shows."""
    surface, ctx = canvas(d * 5, d)
    for frame in range(5):
        ctx.save()
        ctx.translate(frame * d, 0)
        ctx.rectangle(0, 0, d, d)
        ctx.clip()
        size = d - 8
        bx, by = _button_face(ctx, 2, 1, size, size, size / 2, scheme, frame)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        icon(ctx, bx + size / 2, by + size / 2, size)
        ctx.restore()
    return surface_to_image(surface)


def checkbox_strip():
    """Box, box under the pointer, box pressed, the check mark alone (drawn
    over a box), and a greyed box."""
    s = CHECKBOX_FRAME
    surface, ctx = canvas(s * 5, s)
    for frame in range(5):
        ctx.save()
        ctx.translate(frame * s, 0)
        ctx.rectangle(0, 0, s, s)
        ctx.clip()
        if frame == 3:
            ctx.new_path()
            pts = [(9, 22), (18, 31), (36, 9)]
            for i, (x, y) in enumerate(pts):
                (ctx.move_to if i == 0 else ctx.line_to)(x, y)
            path = ctx.copy_path()
            ctx.set_line_cap(cairo.LINE_CAP_ROUND)
            ctx.set_line_join(cairo.LINE_JOIN_ROUND)
            ctx.set_source_rgb(*P.INK)
            ctx.set_line_width(11)
            ctx.stroke()
            ctx.new_path()
            ctx.append_path(path)
            ctx.set_source(_vgrad(9, 31, (H("B7EB8F"), P.LEAF)))
            ctx.set_line_width(6)
            ctx.stroke()
        else:
            pressed = frame == 2
            x, y = (5, 5) if pressed else (3, 3)
            if not pressed:
                _shadow(ctx, lambda: rounded_rect(ctx, x, y, 34, 34, 8), 0.25)
            rounded_rect(ctx, x, y, 34, 34, 8)
            if frame == 4:
                ctx.set_source(_vgrad(y, y + 34, (H("E6E9EE"), H("BFC6D1"))))
            elif frame == 1:
                ctx.set_source(_vgrad(y, y + 34, (P.WHITE, P.WATER_LIGHT)))
            elif pressed:
                ctx.set_source(_vgrad(y, y + 34, (P.PARCHMENT, P.CREAM)))
            else:
                ctx.set_source(_vgrad(y, y + 34, (P.WHITE, P.CREAM)))
            ctx.fill_preserve()
            _ink(ctx, P.LINE_THIN + 0.5)
        ctx.restore()
    return surface_to_image(surface)


def _disc(ctx, cx, cy, r, stops, outline=P.LINE_THIN + 0.5, shadow=True):
    if shadow:
        _shadow(ctx, lambda: (ctx.new_path(), ctx.arc(cx, cy, r, 0, 2 * math.pi)), 0.3)
    ctx.new_path()
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    grad = cairo.RadialGradient(cx - r * 0.4, cy - r * 0.5, r * 0.1, cx, cy, r * 1.1)
    for i, c in enumerate(stops):
        grad.add_color_stop_rgb(i / (len(stops) - 1), *c)
    ctx.set_source(grad)
    ctx.fill_preserve()
    _ink(ctx, outline)


def _water_across(c, half, along_x=False):
    """The fill's water, deep at the groove's rims and light in its middle."""
    grad = cairo.LinearGradient(c - half, 0, c + half, 0) if along_x else \
        cairo.LinearGradient(0, c - half, 0, c + half)
    for pos, col in ((0.0, P.WATER_DEEP), (0.5, P.WATER_LIGHT), (1.0, P.WATER_DEEP)):
        grad.add_color_stop_rgb(pos, *col)
    return grad


def slider_strip():
    """Thirteen square frames: the minus button (idle, hover, pressed), the
    plus button, the brass knob, the groove's start cap, its middle column,
    its end cap and the water fill column. The groove runs along the frame's
    x axis in the caps and across the x axis in the two columns, which the
    slider turns along the track."""
    s = SLIDER_FRAME
    surface, ctx = canvas(s * SLIDER_FRAMES, s)
    c = s / 2
    groove = 10.0  # half thickness of the groove
    rim = 2.5      # its ink edge

    def frame(i):
        ctx.restore()
        ctx.save()
        ctx.translate(i * s, 0)
        ctx.rectangle(0, 0, s, s)
        ctx.clip()

    ctx.save()
    for i in range(SLIDER_FRAMES):
        frame(i)
        if i < 6:
            state = i % 3
            scheme = SCHEMES["water"]
            stops = tuple(_lighter(x, 0.2) for x in scheme) if state == 1 else \
                tuple(_darker(x, 0.12) for x in scheme) if state == 2 else scheme
            off = 1.5 if state == 2 else 0.0
            _disc(ctx, c - 1 + off, c - 1 + off, 14, stops, shadow=state != 2)
            _sign(ctx, "plus" if i >= 3 else "minus", c - 1 + off, c - 1 + off, 7)
        elif i < 9:
            state = i - 6
            stops = (P.BRASS_LIGHT, P.BRASS, P.COPPER)
            if state == 1:
                stops = tuple(_lighter(x, 0.25) for x in stops)
            elif state == 2:
                stops = tuple(_darker(x, 0.1) for x in stops)
            _disc(ctx, c - 1, c - 1, 15, stops, outline=P.LINE_THICK)
            ctx.new_path()
            ctx.arc(c - 1, c - 1, 6, 0, 2 * math.pi)
            ctx.set_source_rgba(*P.COPPER_DARK, 0.6)
            ctx.fill()
            ctx.new_path()
            ctx.arc(c - 6, c - 7, 3.2, 0, 2 * math.pi)
            ctx.set_source_rgba(1, 1, 1, 0.85)
            ctx.fill()
        elif i in (9, 11):
            # Caps: the groove's round ends, open toward the middle. Each
            # end lies where the knob covers it at its stop, so the start
            # cap is water like the fill it leads into: the water starts at
            # the groove's start, and at the lowest value the knob hides it.
            left = i == 9
            cx = s - 6 if left else 6
            for r, colour in ((groove, P.INK), (groove - rim, None)):
                ctx.new_path()
                if left:
                    ctx.arc(cx, c, r, math.pi / 2, 3 * math.pi / 2)
                    ctx.line_to(s + 2, c - r)
                    ctx.line_to(s + 2, c + r)
                else:
                    ctx.arc(cx, c, r, -math.pi / 2, math.pi / 2)
                    ctx.line_to(-2, c + r)
                    ctx.line_to(-2, c - r)
                ctx.close_path()
                if colour is not None:
                    ctx.set_source_rgb(*colour)
                elif left:
                    ctx.set_source(_water_across(c, groove - rim))
                else:
                    ctx.set_source_rgb(*GROOVE)
                ctx.fill()
        else:
            # Columns: the same band across x, even along y so it repeats;
            # the fill is water inside the groove's ink rim.
            ctx.rectangle(c - groove, -2, 2 * groove, s + 4)
            ctx.set_source_rgb(*P.INK)
            ctx.fill()
            inner = groove - rim
            ctx.rectangle(c - inner, -2, 2 * inner, s + 4)
            if i == 10:
                ctx.set_source_rgb(*GROOVE)
            else:
                ctx.set_source(_water_across(c, inner, along_x=True))
            ctx.fill()
    ctx.restore()
    return surface_to_image(surface)


def _rivet(ctx, x, y):
    ctx.new_path()
    ctx.arc(x, y, 6, 0, 2 * math.pi)
    grad = cairo.RadialGradient(x - 2, y - 2, 1, x, y, 7)
    grad.add_color_stop_rgb(0, *P.BRASS_LIGHT)
    grad.add_color_stop_rgb(1, *P.COPPER)
    ctx.set_source(grad)
    ctx.fill_preserve()
    _ink(ctx, P.LINE_THIN)


def panel(w, h):
    """A parchment card with an ink outline, a brass inner rim, a water-blue
    header band for the title and brass rivets in the corners."""
    surface, ctx = canvas(w, h)
    x, y, pw, ph, r = 3, 3, w - 10, h - 10, 26
    _shadow(ctx, lambda: rounded_rect(ctx, x, y, pw, ph, r))
    rounded_rect(ctx, x, y, pw, ph, r)
    ctx.set_source(_vgrad(y, y + ph, (P.CREAM, P.CREAM, P.PARCHMENT)))
    ctx.fill()
    # Header band, clipped to the card.
    ctx.save()
    rounded_rect(ctx, x, y, pw, ph, r)
    ctx.clip()
    ctx.rectangle(x, y, pw, PANEL_HEADER)
    ctx.set_source(_vgrad(y, y + PANEL_HEADER, (P.WATER, P.WATER_DEEP)))
    ctx.fill()
    # A wavy water line under the band.
    ctx.new_path()
    base = y + PANEL_HEADER
    ctx.move_to(x, base)
    for k in range(0, pw + 12, 12):
        ctx.line_to(x + k, base + 4 * math.sin(k / 22.0))
    ctx.line_to(x + pw, y)
    ctx.line_to(x, y)
    ctx.close_path()
    ctx.set_source(_vgrad(y, base + 4, (P.WATER, P.WATER_DEEP)))
    ctx.fill()
    ctx.new_path()
    for k in range(0, pw + 12, 12):
        (ctx.move_to if k == 0 else ctx.line_to)(x + k, base + 4 * math.sin(k / 22.0))
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THIN)
    ctx.stroke()
    gloss = cairo.LinearGradient(0, y, 0, y + PANEL_HEADER * 0.5)
    gloss.add_color_stop_rgba(0, 1, 1, 1, 0.35)
    gloss.add_color_stop_rgba(1, 1, 1, 1, 0.0)
    ctx.rectangle(x, y, pw, PANEL_HEADER * 0.5)
    ctx.set_source(gloss)
    ctx.fill()
    ctx.restore()
    # Brass rim inside the outline.
    rounded_rect(ctx, x + 9, y + PANEL_HEADER + 12, pw - 18, ph - PANEL_HEADER - 21, r - 10)
    ctx.set_source_rgba(*P.BRASS, 0.55)
    ctx.set_line_width(2.5)
    ctx.stroke()
    rounded_rect(ctx, x, y, pw, ph, r)
    _ink(ctx, P.LINE_THICK)
    for rx, ry in ((x + 22, y + ph - 22), (x + pw - 22, y + ph - 22)):
        _rivet(ctx, rx, ry)
    return surface_to_image(surface)


def _inset_box(w, h, r, rows=0):
    """A white well sunk into the panel: ink outline, a shade along its top
    edge, light rules between list rows."""
    surface, ctx = canvas(w, h)
    x, y, bw, bh = 2, 2, w - 4, h - 4
    rounded_rect(ctx, x, y, bw, bh, r)
    ctx.set_source(_vgrad(y, y + bh, (H("F4FBFF"), P.WHITE)))
    ctx.fill()
    ctx.save()
    rounded_rect(ctx, x, y, bw, bh, r)
    ctx.clip()
    shade = cairo.LinearGradient(0, y, 0, y + 12)
    shade.add_color_stop_rgba(0, *P.INK, 0.28)
    shade.add_color_stop_rgba(1, *P.INK, 0.0)
    ctx.rectangle(x, y, bw, 12)
    ctx.set_source(shade)
    ctx.fill()
    for k in range(1, rows):
        ry = y + bh * k / rows
        ctx.move_to(x + 14, ry)
        ctx.line_to(x + bw - 14, ry)
        ctx.set_source_rgba(*P.WATER_DEEP, 0.18)
        ctx.set_line_width(1.5)
        ctx.stroke()
    ctx.restore()
    rounded_rect(ctx, x, y, bw, bh, r)
    _ink(ctx, P.LINE_THIN + 0.5)
    return surface_to_image(surface)


def list_selection():
    """The bar under the selected row; the list stretches it to a row."""
    w, h = LIST_SIZE[0], 40
    surface, ctx = canvas(w, h)
    rounded_rect(ctx, 8, 3, w - 16, h - 6, (h - 6) / 2)
    ctx.set_source(_vgrad(3, h - 3, (_lighter(P.WATER_LIGHT, 0.3), P.WATER_LIGHT)))
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.WATER_DEEP)
    ctx.set_line_width(2)
    ctx.stroke()
    return surface_to_image(surface)


def name_plate():
    """The plate under the player's name on the title: a parchment pill in
    a brass rim with a water drop at its left end."""
    w, h = NAME_PLATE_SIZE
    surface, ctx = canvas(w, h)
    x, y, pw, ph = 3, 3, w - 10, h - 10
    _shadow(ctx, lambda: rounded_rect(ctx, x, y, pw, ph, ph / 2))
    rounded_rect(ctx, x, y, pw, ph, ph / 2)
    ctx.set_source(_vgrad(y, y + ph, (P.BRASS_LIGHT, P.BRASS, P.COPPER)))
    ctx.fill_preserve()
    _ink(ctx, P.LINE_THICK)
    rounded_rect(ctx, x + 7, y + 7, pw - 14, ph - 14, (ph - 14) / 2)
    ctx.set_source(_vgrad(y + 7, y + ph - 7, (P.CREAM, P.PARCHMENT)))
    ctx.fill_preserve()
    _ink(ctx, P.LINE_THIN)
    images._drop(ctx, x + 30, y + ph / 2 + 6, 20)
    return surface_to_image(surface)


def logo():
    """The game's name as on the title card, with a brass pipe under it."""
    w, h = LOGO_SIZE
    surface, ctx = canvas(w, h)
    images._pipe(ctx, [(80, 172), (w - 80, 172)], 22)
    for fx in (80, w / 2, w - 80):
        images._flange(ctx, fx, 172, 22, True)
    images._title_text(ctx, "AQUAVEX", w / 2, 140, 112, P.WHITE, P.WATER_LIGHT, spacing=4,
                       outline=8)
    return surface_to_image(surface)


def backdrop():
    """The title's backdrop, as wide as the wide layout: deep water lit from
    the upper left, rising bubbles, and two brass pipes pouring into a pool.
    The middle 1024 columns hold everything that matters."""
    w, h = BACKDROP_SIZE
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(surface)
    images._radial_backdrop(ctx, w, h, P.WATER_DEEP, images.BACK, 760)
    images.light_rays(ctx, (-60, -80), 9, 10, 8, 0.045, 2000)
    vignette = cairo.RadialGradient(w / 2, h / 2, 420, w / 2, h / 2, 860)
    vignette.add_color_stop_rgba(0, *images.BACK, 0.0)
    vignette.add_color_stop_rgba(1, *images.BACK, 0.9)
    ctx.set_source(vignette)
    ctx.paint()
    rng = random.Random(16)
    for _ in range(26):
        x = rng.uniform(40, w - 40)
        y = rng.uniform(240, 660)
        # Keep the middle column, where the buttons stand, clear.
        if abs(x - w / 2) < 200:
            x += 260 if x > w / 2 else -260
        images._bubble(ctx, x, y, rng.uniform(5, 17), rng.uniform(0.45, 0.8))
    images._pool(ctx, w, h)
    left, right = w / 2 - 330, w / 2 + 330
    images._stream(ctx, [(left + 8, 600), (left + 50, 606), (left + 76, 650), (left + 82, 712)])
    images._stream(ctx, [(right - 8, 600), (right - 50, 606), (right - 76, 650), (right - 82, 712)])
    images._pipe(ctx, [(left - 150, 800), (left - 150, 600), (left, 600)], 40)
    images._pipe(ctx, [(right + 150, 800), (right + 150, 600), (right, 600)], 40)
    for x, y, vertical in ((left - 150, 700, True), (left - 70, 600, False),
                           (right + 150, 700, True), (right + 70, 600, False)):
        images._flange(ctx, x, y, 40, vertical)
    images._spout(ctx, left + 8, 600, 40, 1)
    images._spout(ctx, right - 8, 600, 40, -1)
    image = surface_to_image(surface).convert("RGB")
    return image


def pictures():
    """Every picture of the menu windows: file stem -> PIL image."""
    out = {}
    for stem, (w, h, caption, scheme, size) in BUTTONS.items():
        out[stem] = button_strip(w, h, caption, scheme, size)
    for stem, (d, kind, scheme) in ROUND_BUTTONS.items():
        out[stem] = round_button_strip(d, scheme, sign_icon(kind))
    out["checkbox"] = checkbox_strip()
    out["slider13"] = slider_strip()
    for stem, (w, h) in PANELS.items():
        out[stem] = panel(w, h)
    out["list_panel"] = _inset_box(*LIST_SIZE, 14, LIST_ROWS)
    out["list_selection"] = list_selection()
    out["line_box"] = _inset_box(*LINE_BOX_SIZE, LINE_BOX_SIZE[1] / 2)
    out["name_plate"] = name_plate()
    out["logo"] = logo()
    out["title_back"] = backdrop()
    return out


def save_pictures(resources, folder, named):
    """Writes each picture as folder/stem.png; opaque ones in a palette of
    256 colours. Returns the files written."""
    made = []
    for stem, image in named.items():
        rel = "%s/%s.png" % (folder, stem)
        full = os.path.join(resources, rel)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        if image.mode == "RGB":
            image = image.quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                                   dither=Image.Dither.NONE)
        image.save(full, optimize=True)
        made.append(rel)
    return made


def build_all(resources):
    return save_pictures(resources, FOLDER, pictures())
