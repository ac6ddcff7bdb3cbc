"""Pictures of the road into a level: the main panel's header (money, stars
bar, tab buttons, new-trophy badge), the three world cards, the level tiles
and locks, the nine pack pictures open and locked, and the small stars.
Everything in the menu style of menu_art (same faces, outlines, captions)
and in the three worlds' looks of tools/README.md."""

import math

import cairo
from PIL import Image

from . import images
from . import menu_art as art
from . import palette as P
from .atlas import canvas, surface_to_image
from .shapes import rounded_rect

FOLDER = "graphics/gui/road"
H = P.hex_rgb

HEADER_SIZE = (1010, 96)
BAR_SIZE = (188, 22)
GROOVE_SIZE = (200, 34)
# The wells of the header (left edge, width): money, then stars.
MONEY_WELL = (20, 150)
STARS_WELL = (186, 262)
COMIC_PAGE = (920, 660)
WORLD_CARD = (270, 320)
LEVEL_TILE = (118, 104)
PACK_SIZE = (250, 92)
STAR_SMALL = 26
STAR_WORLD = 40
# The distance between the stars of a row.
STAR_SMALL_STEP = 30
STAR_WORLD_STEP = 46
BADGE = 34

# The tab buttons of the header: stem -> (frame w, h, caption, scheme, size).
TAB_BUTTONS = {
    "button_worlds": (128, 56, "Worlds", "water", 20),
    "button_trophies": (128, 56, "Trophies", "brass", 19),
    "button_shop": (128, 56, "Shop", "leaf", 20),
    "button_back": (110, 56, "Back", "coral", 20),
}


def texture(stem):
    return "%s %s.png" % (FOLDER, stem)


def _vgrad(y0, y1, stops, alpha=1.0):
    grad = cairo.LinearGradient(0, y0, 0, y1)
    for i, c in enumerate(stops):
        grad.add_color_stop_rgba(i / (len(stops) - 1), *c, alpha)
    return grad


def _ink(ctx, width=P.LINE_THICK):
    art._ink(ctx, width)


def _star_path(ctx, cx, cy, r):
    ctx.new_path()
    for k in range(10):
        radius = r if k % 2 == 0 else r * 0.46
        a = -math.pi / 2 + k * math.pi / 5
        (ctx.move_to if k == 0 else ctx.line_to)(cx + radius * math.cos(a), cy + radius * math.sin(a))
    ctx.close_path()


def star(size, filled):
    """A gold star lit from the upper left, or the empty slot it sits in."""
    surface, ctx = canvas(size, size)
    c, r = size / 2 - 1, size / 2 - 3
    if filled:
        art._shadow(ctx, lambda: _star_path(ctx, c, c, r), 0.3)
        _star_path(ctx, c, c, r)
        ctx.set_source(_vgrad(c - r, c + r, (P.ORANGE_LIGHT, P.SUN, P.ORANGE)))
        ctx.fill_preserve()
        _ink(ctx, P.LINE_THIN)
        _star_path(ctx, c - r * 0.12, c - r * 0.15, r * 0.42)
        ctx.set_source_rgba(1, 1, 1, 0.55)
        ctx.fill()
    else:
        # Made to lie on its tray: a dark star with a light rim.
        _star_path(ctx, c, c, r)
        _fill_and_rim(ctx, (*P.INK, 0.6), (*P.CREAM, 0.75))
    return surface_to_image(surface)


def _fill_and_rim(ctx, fill, rim):
    """Fills the path and draws its thin rim, both in RGBA."""
    ctx.set_source_rgba(*fill)
    ctx.fill_preserve()
    ctx.set_source_rgba(*rim)
    ctx.set_line_width(P.LINE_THIN)
    ctx.stroke()


def star_tray(size, step):
    """The dark pill under a row of three stars: the empty slots stay in
    sight over any picture, and the backdrop's bubbles pass behind it
    instead of among the stars."""
    w, h = 2 * step + size + 8, size + 8
    surface, ctx = canvas(w + 4, h + 4)
    rounded_rect(ctx, 2, 2, w, h, h / 2)
    _fill_and_rim(ctx, (*P.INK, 0.62), (*P.INK, 0.9))
    return surface_to_image(surface)


def _coin(ctx, cx, cy, r):
    ctx.new_path()
    ctx.arc(cx + 2, cy + 3, r, 0, 2 * math.pi)
    ctx.set_source_rgba(*P.INK, P.SHADOW_ALPHA)
    ctx.fill()
    ctx.new_path()
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.set_source(_vgrad(cy - r, cy + r, (P.BRASS_LIGHT, P.BRASS, P.COPPER)))
    ctx.fill_preserve()
    _ink(ctx, P.LINE_THIN)
    ctx.new_path()
    ctx.arc(cx, cy, r * 0.62, 0, 2 * math.pi)
    ctx.set_source_rgba(*P.COPPER_DARK, 0.6)
    ctx.set_line_width(2)
    ctx.stroke()
    images._drop(ctx, cx, cy + r * 0.28, r * 0.55)


def plate(wells, icons):
    """A parchment bar across the top of the screen with a water band along
    its lower edge and sunken wells (left edge, width); `icons` draws what
    stands in them."""
    w, h = HEADER_SIZE
    surface, ctx = canvas(w, h)
    x, y, pw, ph, r = 3, 2, w - 10, h - 12, 22
    art._shadow(ctx, lambda: rounded_rect(ctx, x, y, pw, ph, r))
    rounded_rect(ctx, x, y, pw, ph, r)
    ctx.set_source(_vgrad(y, y + ph, (P.CREAM, P.PARCHMENT)))
    ctx.fill_preserve()
    ctx.save()
    ctx.clip()
    ctx.new_path()
    base = y + ph - 14
    ctx.move_to(x, y + ph)
    for k in range(0, pw + 12, 12):
        ctx.line_to(x + k, base + 3 * math.sin(k / 20.0))
    ctx.line_to(x + pw, y + ph)
    ctx.close_path()
    ctx.set_source(_vgrad(base, y + ph, (P.WATER, P.WATER_DEEP)))
    ctx.fill()
    ctx.restore()
    rounded_rect(ctx, x + 7, y + 7, pw - 14, ph - 24, r - 8)
    ctx.set_source_rgba(*P.BRASS, 0.55)
    ctx.set_line_width(2.5)
    ctx.stroke()
    rounded_rect(ctx, x, y, pw, ph, r)
    _ink(ctx)
    for wx, ww in wells:
        rounded_rect(ctx, wx, 17, ww, 50, 16)
        ctx.set_source_rgba(*P.INK, 0.12)
        ctx.fill_preserve()
        ctx.set_source_rgba(*P.INK, 0.45)
        ctx.set_line_width(2)
        ctx.stroke()
    icons(ctx)
    return surface_to_image(surface)


def header():
    """The main panel's plate: a coin well on the left and a star well."""
    def icons(ctx):
        _coin(ctx, MONEY_WELL[0] + 24, 42, 16)
        _star_path(ctx, STARS_WELL[0] + 24, 42, 17)
        ctx.set_source(_vgrad(25, 59, (P.ORANGE_LIGHT, P.SUN, P.ORANGE)))
        ctx.fill_preserve()
        _ink(ctx, P.LINE_THIN)
    return plate((MONEY_WELL, STARS_WELL), icons)


def bar_groove():
    w, h = GROOVE_SIZE
    surface, ctx = canvas(w, h)
    rounded_rect(ctx, 2, 2, w - 4, h - 4, (h - 4) / 2)
    ctx.set_source(_vgrad(2, h - 2, (art.GROOVE, H("5A6C9C"))))
    ctx.fill_preserve()
    _ink(ctx, P.LINE_THIN)
    return surface_to_image(surface)


def bar_fill():
    """The stars bar: water with a glossy top; the game cuts it from the
    left, so it is drawn square-ended to show whole at any cut."""
    w, h = BAR_SIZE
    surface, ctx = canvas(w, h)
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(_vgrad(0, h, (P.WATER_LIGHT, P.WATER, P.WATER_DEEP)))
    ctx.fill()
    ctx.rectangle(0, 3, w, h * 0.32)
    ctx.set_source_rgba(1, 1, 1, 0.45)
    ctx.fill()
    for k in range(10, w, 22):
        ctx.new_path()
        ctx.arc(k, h * 0.62, 2.5, 0, 2 * math.pi)
        ctx.set_source_rgba(1, 1, 1, 0.5)
        ctx.fill()
    return surface_to_image(surface)


def trophy_badge():
    """The new-trophy marker: a coral disc with an exclamation mark."""
    surface, ctx = canvas(BADGE, BADGE)
    c, r = BADGE / 2 - 1, BADGE / 2 - 4
    ctx.new_path()
    ctx.arc(c, c, r, 0, 2 * math.pi)
    ctx.set_source(_vgrad(c - r, c + r, (H("FFB4A8"), P.CORAL, H("D23F2C"))))
    ctx.fill_preserve()
    _ink(ctx, P.LINE_THIN)
    art._caption(ctx, "!", c, c, 20, P.WHITE, P.CREAM)
    return surface_to_image(surface)


# ---- the worlds' little landscapes ---------------------------------------------

def landscape(ctx, world, x, y, w, h):
    """A small view of a world inside (x, y, w, h): meadow hills, canyon
    mesas or a cavern with crystals, each under its own sky."""
    look = P.WORLDS[world]
    ctx.save()
    ctx.rectangle(x, y, w, h)
    ctx.clip()
    ctx.rectangle(x, y, w, h)
    ctx.set_source(_vgrad(y, y + h, (look["sky_top"], look["sky_bottom"])))
    ctx.fill()
    if world == 1:
        ctx.new_path()
        ctx.arc(x + w * 0.78, y + h * 0.25, h * 0.12, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.SUN)
        ctx.fill()
        for k, (cx, cy, rx, colour) in enumerate(((0.25, 0.8, 0.55, look["ground_dark"]),
                                                  (0.8, 0.85, 0.6, look["ground"]))):
            ctx.save()
            ctx.translate(x + w * cx, y + h * cy)
            ctx.scale(w * rx, h * 0.35)
            ctx.new_path()
            ctx.arc(0, 0, 1, 0, 2 * math.pi)
            ctx.restore()
            ctx.set_source_rgb(*colour)
            ctx.fill_preserve()
            ctx.set_source_rgba(*P.INK, 0.8)
            ctx.set_line_width(2)
            ctx.stroke()
        for fx in (0.15, 0.35, 0.62, 0.9):
            ctx.new_path()
            ctx.arc(x + w * fx, y + h * 0.83, 3, 0, 2 * math.pi)
            ctx.set_source_rgb(*(P.WHITE if fx < 0.5 else P.SUN))
            ctx.fill()
    elif world == 2:
        ctx.new_path()
        ctx.arc(x + w * 0.2, y + h * 0.3, h * 0.13, 0, 2 * math.pi)
        ctx.set_source_rgb(*H("FFE3B0"))
        ctx.fill()
        for mx, mw, mh, colour in ((0.05, 0.4, 0.55, look["ground_dark"]),
                                   (0.55, 0.45, 0.45, look["ground"])):
            left, top = x + w * mx, y + h * (1 - mh)
            ctx.new_path()
            ctx.move_to(left, y + h)
            ctx.line_to(left + w * 0.05, top)
            ctx.line_to(left + w * mw - w * 0.05, top)
            ctx.line_to(left + w * mw, y + h)
            ctx.close_path()
            ctx.set_source_rgb(*colour)
            ctx.fill_preserve()
            ctx.set_source_rgba(*P.INK, 0.8)
            ctx.set_line_width(2)
            ctx.stroke()
            for band in (0.35, 0.6):
                ctx.new_path()
                ctx.move_to(left + w * 0.03, top + (y + h - top) * band)
                ctx.line_to(left + w * mw - w * 0.03, top + (y + h - top) * band)
                ctx.set_source_rgba(*P.INK, 0.25)
                ctx.stroke()
    else:
        ctx.new_path()
        ctx.move_to(x, y)
        for k in range(9):
            ctx.line_to(x + w * k / 8, y + h * (0.18 if k % 2 else 0.05))
        ctx.line_to(x + w, y)
        ctx.close_path()
        ctx.set_source_rgb(*look["ground_dark"])
        ctx.fill()
        ctx.rectangle(x, y + h * 0.8, w, h * 0.2)
        ctx.set_source_rgb(*look["ground"])
        ctx.fill()
        for cx, ch, cw in ((0.2, 0.4, 0.07), (0.28, 0.28, 0.05), (0.7, 0.5, 0.08), (0.8, 0.3, 0.05)):
            bx, top = x + w * cx, y + h * (0.8 - ch)
            ctx.new_path()
            ctx.move_to(bx - w * cw, y + h * 0.82)
            ctx.line_to(bx, top)
            ctx.line_to(bx + w * cw, y + h * 0.82)
            ctx.close_path()
            ctx.set_source(_vgrad(top, y + h * 0.82, (look["accent"], H("2E8FB0"))))
            ctx.fill_preserve()
            ctx.set_source_rgba(*P.INK, 0.9)
            ctx.set_line_width(2)
            ctx.stroke()
    ctx.restore()


def _lock(ctx, cx, cy, s):
    """A brass padlock of height about 2s."""
    ctx.new_path()
    ctx.arc(cx, cy - s * 0.2, s * 0.5, math.pi, 0)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(s * 0.32)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(cx, cy - s * 0.2, s * 0.5, math.pi, 0)
    ctx.set_source_rgb(*H("C9CFD8"))
    ctx.set_line_width(s * 0.16)
    ctx.stroke()
    rounded_rect(ctx, cx - s * 0.75, cy - s * 0.2, s * 1.5, s * 1.1, s * 0.2)
    ctx.set_source(_vgrad(cy - s * 0.2, cy + s * 0.9, (P.BRASS_LIGHT, P.BRASS, P.COPPER)))
    ctx.fill_preserve()
    _ink(ctx, P.LINE_THIN)
    ctx.new_path()
    ctx.arc(cx, cy + s * 0.25, s * 0.14, 0, 2 * math.pi)
    ctx.set_source_rgb(*P.INK)
    ctx.fill()


def _grey(image):
    """The picture in soft greys, for what is still locked."""
    grey = image.convert("LA").convert("RGBA")
    r, g, b, _ = grey.split()
    return Image.merge("RGBA", (r, g, b, image.split()[3]))


def world_card_strip(world):
    """The five looks of a world's button: a framed view of the world with
    its name; hover lifts it, pressed sinks it, disabled is grey and
    locked."""
    w, h = WORLD_CARD
    surface, ctx = canvas(w * 5, h)
    look = P.WORLDS[world]
    for frame in range(5):
        ctx.save()
        ctx.translate(frame * w, 0)
        ctx.rectangle(0, 0, w, h)
        ctx.clip()
        dx, dy = (2, 3) if frame == art.PRESSED else (0, 0)
        x, y, cw, ch, r = 4 + dx, 3 + dy, w - 12, h - 12, 22
        if frame != art.PRESSED:
            art._shadow(ctx, lambda: rounded_rect(ctx, x, y, cw, ch, r))
        rounded_rect(ctx, x, y, cw, ch, r)
        ctx.set_source(_vgrad(y, y + ch, (P.CREAM, P.PARCHMENT)))
        ctx.fill()
        ctx.save()
        rounded_rect(ctx, x + 12, y + 12, cw - 24, ch - 86, r - 10)
        ctx.clip()
        landscape(ctx, world, x + 12, y + 12, cw - 24, ch - 86)
        ctx.restore()
        rounded_rect(ctx, x + 12, y + 12, cw - 24, ch - 86, r - 10)
        _ink(ctx, P.LINE_THIN)
        art._caption(ctx, look["name"], x + cw / 2, y + ch - 50, 21, P.WHITE, P.CREAM)
        art._caption(ctx, "World %d" % world, x + cw / 2, y + ch - 24, 15,
                     look["accent"] if world != 3 else P.WATER_LIGHT, P.WHITE)
        rounded_rect(ctx, x, y, cw, ch, r)
        _ink(ctx)
        if frame in (art.HOVER, art.SELECTED):
            rounded_rect(ctx, x + 4, y + 4, cw - 8, ch - 8, r - 4)
            ctx.set_source_rgba(*P.SUN, 1.0 if frame == art.SELECTED else 0.8)
            ctx.set_line_width(4)
            ctx.stroke()
        ctx.restore()
    image = surface_to_image(surface)
    disabled = _grey(image.crop((4 * w, 0, 5 * w, h)))
    surface, ctx = canvas(w, h)
    _lock(ctx, w / 2, h / 2 - 40, 30)
    image.paste(disabled, (4 * w, 0))
    lock = surface_to_image(surface)
    image.alpha_composite(lock, (4 * w, 0))
    return image


def level_lock_strip():
    """Over a locked level: a grey tile with a padlock, the same in every
    look (it leads nowhere)."""
    w, h = LEVEL_TILE
    surface, ctx = canvas(w * 5, h)
    for frame in range(5):
        ctx.save()
        ctx.translate(frame * w, 0)
        art._button_face(ctx, 4, 3, w - 12, h - 12, 24, "water", art.DISABLED_FRAME)
        _lock(ctx, w / 2 - 2, h / 2 - 6, 18)
        ctx.restore()
    return surface_to_image(surface)


def _comic_sign(ctx, cx, cy):
    """A little open book: the first pack of a world shows the world's
    story again when clicked."""
    for side in (-1, 1):
        ctx.new_path()
        ctx.move_to(cx, cy - 11)
        ctx.curve_to(cx + side * 8, cy - 15, cx + side * 16, cy - 13, cx + side * 18, cy - 11)
        ctx.line_to(cx + side * 18, cy + 11)
        ctx.curve_to(cx + side * 16, cy + 9, cx + side * 8, cy + 8, cx, cy + 12)
        ctx.close_path()
        ctx.set_source_rgb(*P.WHITE)
        ctx.fill_preserve()
        _ink(ctx, P.LINE_THIN)
    for k in (-4, 0, 4):
        for side in (-1, 1):
            ctx.new_path()
            ctx.move_to(cx + side * 4, cy + k - 1)
            ctx.line_to(cx + side * 14, cy + k - 2)
            ctx.set_source_rgba(*P.INK, 0.6)
            ctx.set_line_width(1.5)
            ctx.stroke()


def pack_picture(pack, is_open):
    """Pack p (levels 5p-4 to 5p) in its world's look with its levels
    written on; locked packs are grey with a padlock."""
    world = (pack - 1) // 3 + 1
    w, h = PACK_SIZE
    surface, ctx = canvas(w, h)
    x, y, pw, ph, r = 3, 2, w - 10, h - 10, 18
    art._shadow(ctx, lambda: rounded_rect(ctx, x, y, pw, ph, r))
    ctx.save()
    rounded_rect(ctx, x, y, pw, ph, r)
    ctx.clip()
    landscape(ctx, world, x, y, pw, ph)
    ctx.rectangle(x, y + ph - 34, pw, 34)
    ctx.set_source_rgba(*P.INK, 0.45)
    ctx.fill()
    ctx.restore()
    art._caption(ctx, "Levels %d-%d" % (5 * pack - 4, 5 * pack), x + pw / 2, y + ph - 17, 18,
                 P.WHITE, P.CREAM)
    if is_open and pack % 3 == 1:
        rounded_rect(ctx, x + 8, y + 7, 50, 34, 10)
        ctx.set_source_rgba(*P.CREAM, 0.9)
        ctx.fill_preserve()
        _ink(ctx, P.LINE_THIN)
        _comic_sign(ctx, x + 33, y + 24)
    rounded_rect(ctx, x, y, pw, ph, r)
    _ink(ctx)
    image = surface_to_image(surface)
    if is_open:
        return image
    image = _grey(image)
    surface, ctx = canvas(w, h)
    _lock(ctx, w / 2, h / 2 - 18, 15)
    image.alpha_composite(surface_to_image(surface))
    return image


def pictures():
    """Every picture of the road's windows: stem -> PIL image."""
    out = {
        "header": header(),
        "bar_groove": bar_groove(),
        "bar_fill": bar_fill(),
        "trophy_badge": trophy_badge(),
        "star_small": star(STAR_SMALL, True),
        "star_small_slot": star(STAR_SMALL, False),
        "star_world": star(STAR_WORLD, True),
        "star_world_slot": star(STAR_WORLD, False),
        "star_small_tray": star_tray(STAR_SMALL, STAR_SMALL_STEP),
        "star_world_tray": star_tray(STAR_WORLD, STAR_WORLD_STEP),
        # The level buttons: a water-blue face whose number the game writes.
        "level_tile": art.button_strip(*LEVEL_TILE, "", "water", 20),
        "level_lock": level_lock_strip(),
        "comic_page": art.panel(*COMIC_PAGE),
    }
    for stem, (w, h, caption, scheme, size) in TAB_BUTTONS.items():
        out[stem] = art.button_strip(w, h, caption, scheme, size)
    for world in (1, 2, 3):
        out["world_%d" % world] = world_card_strip(world)
    for pack in range(1, 10):
        out["pack_%d_open" % pack] = pack_picture(pack, True)
        out["pack_%d_locked" % pack] = pack_picture(pack, False)
    return out


def build_all(resources):
    return art.save_pictures(resources, FOLDER, pictures())
