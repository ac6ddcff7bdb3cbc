"""The help window ("Help"), opened from the pause window: a book of pages,
each a picture and its text, turned with the page buttons under it, and
the close button (id 1). The book file lists the pages' items; the texts
are in the string table, the pictures are composed here from the game's
own pictures (the field atlas and the level's window pictures), so the
help shows exactly what the player meets.

Every text here says only what the game does: the water clock starts the
water, it never ends a level; the level goes on until the pipeline joins.
"""

import math
import os

import cairo
import numpy as np
from PIL import Image

from . import card_pages as C
from . import menu_art as M
from . import palette as P
from . import windows as W
from . import xml_files
from .atlas import canvas, read_description, surface_to_image
from .shapes import rounded_rect

FOLDER = "graphics/gui/help"
BOOK = "help_pages.xml"
PICTURE = (240, 200)
PANEL = "panel_credits"
# The book's grid is two cells of the picture's width: a text item is drawn
# from its cell's middle, so the interval pulls the text's cell in to stand
# TEXT_GAP right of the picture.
TEXT_GAP = 22
INTERVAL_X = TEXT_GAP - PICTURE[0] // 2
# The book's place from the window's centre: the picture's left edge
# 300 px left of it.
BOOK_X = -300 + PICTURE[0] + INTERVAL_X // 2
BOOK_Y = -30

# (picture stem, text id, text) of each page, in reading order.
PAGES = [
    ("help_goal", "help_text_goal",
     "Lead the water home!\n\nLay pipes on the board so that\nthey join the start pipe to the\n"
     "final pipe with no open end\nleft. Then the water flows and\nthe level is won."),
    ("help_hand", "help_text_hand",
     "Click a piece on the belt to\npick it up, then click a cell to\nlay it. A right click turns the\n"
     "piece in your hand. A piece\nthat fits only another way is\nturned for you when you lay it."),
    ("help_belt", "help_text_belt",
     "New pieces roll in on the belt.\nThe green call button brings\nthe next piece at once. Click\n"
     "the belt while holding a piece\nto put it back."),
    ("help_press", "help_text_press",
     "Don't need a piece? Drop it\ninto the press and it is\ncrushed. Then the press must\n"
     "cool down for a while before\nit takes the next one."),
    ("help_clock", "help_text_clock",
     "The water clock runs while you\nbuild. When it runs out, the\nwater starts by itself and fills\n"
     "what you have joined; keep\nbuilding, the level goes on.\nFinish sooner for more stars\n"
     "and points for the time left."),
    ("help_bonus", "help_text_bonus",
     "Bonuses help you. Click a rock\nor a pipe, then click it again:\nthe destruction bonus blasts it\n"
     "(hard rocks take a few blasts).\nClick the completion button,\nthen an open pipe end: a piece\n"
     "that fits is laid for you."),
    ("help_coins", "help_text_coins",
     "Golden pieces on the belt give\npoints or a new bonus when\nlaid. Lay pipes over coins to\n"
     "collect them, and spend your\ncoins in the shop on bonuses\nand upgrades."),
]

LABELS = {
    "label_help_title": "How to play",
    "label_help_page": "Page %i of %i",
}

# Water-clock page: the dial's parts as the level shows them.
DIAL = ("dial_face", "dial_fill_stars", "dial_hand")


def texture(stem):
    return "%s %s.png" % (FOLDER, stem)


# ---- pictures ----------------------------------------------------------------------


def _card_path(ctx):
    w, h = PICTURE
    rounded_rect(ctx, 2, 2, w - 4, h - 4, 18)


def _backdrop():
    """The picture's card: a soft meadow sky over grass."""
    w, h = PICTURE
    world = P.WORLDS[1]
    surface, ctx = canvas(w, h)
    _card_path(ctx)
    gradient = cairo.LinearGradient(0, 0, 0, h)
    gradient.add_color_stop_rgb(0, *world["sky_top"])
    gradient.add_color_stop_rgb(0.62, *world["sky_bottom"])
    gradient.add_color_stop_rgb(0.62, *world["ground"])
    gradient.add_color_stop_rgb(1, *world["ground_dark"])
    ctx.set_source(gradient)
    ctx.fill()
    return surface_to_image(surface)


def _finished(card):
    """What was laid on the card kept inside its round corners, and the
    card inked round over it."""
    surface, ctx = canvas(*card.size)
    _card_path(ctx)
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill()
    mask = surface_to_image(surface).getchannel("A")
    alpha = Image.fromarray(np.minimum(np.asarray(card.getchannel("A")), np.asarray(mask)))
    card.putalpha(alpha)

    def outline(ctx):
        _card_path(ctx)
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(P.LINE_THICK)
        ctx.stroke()
    _ink(card, outline)
    return card


class _Sources:
    """The game's pictures the help pictures are made of."""

    def __init__(self, resources):
        self.resources = resources
        atlas_xml = os.path.join(resources, "xml/atlas/game_elements_atlas.xml")
        self.atlas_items = read_description(atlas_xml)
        self.atlas = Image.open(os.path.join(resources, "graphics/main/game_elements_atlas.png"))
        self.atlas = self.atlas.convert("RGBA")

    def atlas_item(self, item):
        x, y, w, h = self.atlas_items["main_elements_" + item]
        return self.atlas.crop((x, y, x + w, y + h))

    def interface(self, stem, frame=None, frames=1):
        image = Image.open(os.path.join(self.resources, "graphics/main/interface/%s.png" % stem))
        image = image.convert("RGBA")
        if frame is not None:
            fw = image.width // frames
            image = image.crop((frame * fw, 0, (frame + 1) * fw, image.height))
        return image


def _paste(card, image, x, y, scale=1.0, angle=0):
    """The image centred on (x, y), scaled and turned clockwise."""
    if scale != 1.0:
        image = image.resize((max(1, round(image.width * scale)),
                              max(1, round(image.height * scale))), Image.LANCZOS)
    if angle:
        image = image.rotate(-angle, resample=Image.BICUBIC, expand=True)
    card.alpha_composite(image, (round(x - image.width / 2), round(y - image.height / 2)))


def _ink(card, draw):
    """Cairo drawing over the card (arrows, the mouse, drops)."""
    surface, ctx = canvas(*card.size)
    ctx.set_line_join(1)
    ctx.set_line_cap(1)
    draw(ctx)
    card.alpha_composite(surface_to_image(surface))


def _arrow(ctx, x0, y0, x1, y1, color=P.CORAL):
    """A bold inked arrow from (x0, y0) to (x1, y1)."""
    angle = math.atan2(y1 - y0, x1 - x0)
    head = 14
    for width, rgb in ((9, P.INK), (5, color)):
        ctx.set_line_width(width)
        ctx.set_source_rgb(*rgb)
        ctx.move_to(x0, y0)
        ctx.line_to(x1 - head * 0.6 * math.cos(angle), y1 - head * 0.6 * math.sin(angle))
        ctx.stroke()
    ctx.move_to(x1, y1)
    for side in (-1, 1):
        ctx.line_to(x1 - head * math.cos(angle + side * 0.5), y1 - head * math.sin(angle + side * 0.5))
    ctx.close_path()
    ctx.set_source_rgb(*color)
    ctx.fill_preserve()
    ctx.set_line_width(P.LINE_THIN)
    ctx.set_source_rgb(*P.INK)
    ctx.stroke()


def _with_arrows(card, *arrows):
    """The card with an arrow for each (x0, y0, x1, y1)."""
    _ink(card, lambda ctx: [_arrow(ctx, *a) for a in arrows])
    return card


def _turn_arrow(ctx, cx, cy, r):
    """A round arrow turning clockwise about (cx, cy)."""
    for width, rgb in ((9, P.INK), (5, P.SUN)):
        ctx.set_line_width(width)
        ctx.set_source_rgb(*rgb)
        ctx.arc(cx, cy, r, math.radians(200), math.radians(470))
        ctx.stroke()
    end = math.radians(470)
    tip_x, tip_y = cx + r * math.cos(end), cy + r * math.sin(end)
    ctx.move_to(tip_x + 9, tip_y)
    ctx.line_to(tip_x - 7, tip_y - 9)
    ctx.line_to(tip_x - 7, tip_y + 9)
    ctx.close_path()
    ctx.set_source_rgb(*P.SUN)
    ctx.fill_preserve()
    ctx.set_line_width(P.LINE_THIN)
    ctx.set_source_rgb(*P.INK)
    ctx.stroke()


def _mouse(ctx, x, y, lit):
    """A mouse seen from above, its left (0) or right (1) button lit."""
    w, h = 52, 76
    rounded_rect(ctx, x - w / 2, y - h / 2, w, h, 24)
    ctx.set_source_rgb(*P.CREAM)
    ctx.fill_preserve()
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THICK)
    ctx.stroke()
    bx = x - w / 2 if lit == 0 else x
    ctx.rectangle(bx + 3, y - h / 2 + 3, w / 2 - 6, 28)
    ctx.set_source_rgb(*P.CORAL)
    ctx.fill()
    ctx.move_to(x, y - h / 2)
    ctx.line_to(x, y - h / 2 + 32)
    ctx.move_to(x - w / 2, y - h / 2 + 32)
    ctx.line_to(x + w / 2, y - h / 2 + 32)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(P.LINE_THIN)
    ctx.stroke()


def _tiles(card, src, cells):
    """Board cells under (cx, cy): the meadow floor, 50 px a cell."""
    floor = src.atlas_item("tiles_tile1_1")
    for cx, cy in cells:
        fx, fy = int(cx) // 50 % 4 * 50, int(cy) // 50 % 4 * 50
        _paste(card, floor.crop((fx, fy, fx + 50, fy + 50)), cx, cy)


def _goal(src):
    card = _backdrop()
    cells = [(45 + 50 * k, 110) for k in range(4)]
    _tiles(card, src, cells + [(195, 60)])
    _paste(card, src.atlas_item("pipes_pipe5"), 45, 110, angle=90)
    _paste(card, src.atlas_item("pipes_pipe5"), 95, 110, angle=90)
    _paste(card, src.atlas_item("pipes_pipe5"), 145, 110, angle=90)
    _paste(card, src.atlas_item("pipes_pipe4"), 195, 110, angle=270)
    _paste(card, src.atlas_item("pipes_pipe5"), 195, 60)

    def ink(ctx):
        # Water coming in on the left, the goal flag above.
        ctx.arc(20, 150, 11, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.WATER)
        ctx.fill_preserve()
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(P.LINE_THIN)
        ctx.stroke()
        ctx.move_to(195, 34)
        ctx.line_to(195, 8)
        ctx.stroke()
        ctx.move_to(195, 8)
        ctx.line_to(220, 15)
        ctx.line_to(195, 22)
        ctx.close_path()
        ctx.set_source_rgb(*P.CORAL)
        ctx.fill_preserve()
        ctx.set_source_rgb(*P.INK)
        ctx.stroke()
    _ink(card, ink)
    return card


def _hand(src):
    card = _backdrop()
    _tiles(card, src, [(170, 130)])
    _paste(card, src.atlas_item("pipes_pipe4"), 80, 70)
    _paste(card, src.atlas_item("pipes_pipe4"), 170, 130, angle=90)

    def ink(ctx):
        _mouse(ctx, 38, 150, 0)
        _mouse(ctx, 205, 52, 1)
        _turn_arrow(ctx, 80, 70, 38)
        _arrow(ctx, 100, 105, 145, 128)
    _ink(card, ink)
    return card


def _belt(src):
    card = _backdrop()
    housing = src.interface("tape_housing")
    # The right end of the tape: its last pieces and the call button.
    part = housing.crop((housing.width - 300, 0, housing.width, housing.height))
    _paste(card, part, 120, 130, scale=0.78)
    _paste(card, src.atlas_item("pipes_pipe4"), 70, 128, scale=0.8)
    _paste(card, src.atlas_item("pipes_pipe2"), 120, 128, scale=0.8)
    return _with_arrows(card, (200, 30, 212, 95))


def _press(src):
    card = _backdrop()
    _paste(card, src.interface("press_3"), 120, 125, scale=1.15)
    _paste(card, src.atlas_item("pipes_pipe3"), 60, 40, angle=20)
    _paste(card, src.interface("press_cooldown"), 200, 45)
    return _with_arrows(card, (82, 62, 106, 86))


def _clock(src):
    card = _backdrop()
    for stem in DIAL:
        _paste(card, src.interface(stem), 78, 100, scale=0.95)
    for k in range(3):
        _paste(card, src.interface("star"), 190, 48 + 46 * k, scale=1.1)
    return card


def _bonus(src):
    card = _backdrop()
    _tiles(card, src, [(70, 125)])
    _paste(card, src.atlas_item("obstacles_obstacle1_1"), 70, 125)
    _paste(card, src.interface("destruction_icon"), 70, 52)
    _paste(card, src.interface("completion_icon"), 180, 52)
    _tiles(card, src, [(180, 125)])
    _paste(card, src.atlas_item("pipes_pipe5"), 180, 125)
    return _with_arrows(card, (70, 82, 70, 100), (180, 82, 180, 100))


def _coins(src):
    card = _backdrop()
    _tiles(card, src, [(60, 130)])
    _paste(card, src.atlas_item("pipes_pipe5_bonus"), 60, 130, angle=90)
    # Coins as the board shows them, and the money they become.
    _paste(card, src.atlas_item("coin4"), 55, 55)
    _paste(card, src.atlas_item("coin4"), 100, 80, scale=0.8)
    _paste(card, src.interface("money_panel"), 180, 60, scale=1.2)
    _paste(card, src.interface("star_big"), 178, 135, scale=0.75)
    return card


DRAWINGS = {"help_goal": _goal, "help_hand": _hand, "help_belt": _belt, "help_press": _press,
            "help_clock": _clock, "help_bonus": _bonus, "help_coins": _coins}


def pictures(resources):
    src = _Sources(resources)
    return {stem: _finished(DRAWINGS[stem](src)) for stem, _, _ in PAGES}


# ---- descriptions ------------------------------------------------------------------


def book_lines():
    """The book file: two cells a page, the picture then its text."""
    out = xml_files.header()
    out.append('<pages cols="2" rows="1" interval_x="%d" interval_y="0" turn_type="MOMENTAL">'
               % INTERVAL_X)
    for stem, text, _ in PAGES:
        out.append('  <item picture="%s"/>' % texture(stem))
        out.append('  <item text="%s" font="font_help"/>' % text)
    out.append("</pages>")
    return out


class _HelpWindow(W.Window):
    """The window's description with the book's "PAGES" element."""

    def lines(self):
        out = super().lines()
        at = out.index("  <GUI>")
        return out[:at] + ['  <PAGES FILE="xml %s" X="%d" Y="%d"/>' % (BOOK, BOOK_X, BOOK_Y)] + \
            out[at:]


# The close button's id, as src/shell/SG_WINDOW_HELP.h names it.
CLOSE_BUTTON = 1


def app_windows():
    """The help window, listed with the application's windows."""
    _, ch = M.PANELS[PANEL]
    widgets = W.panel_picture(PANEL, "label_help_title")
    y = ch // 2 - 62
    widgets += [
        W.button(C.PAGING.PREVIOUS_BUTTON, C.texture("button_page_previous"), -200, y - 66),
        W.label(C.PAGING.PAGE_LABEL, "label_help_page", "fnt20_blue", 0, y - 66),
        W.button(C.PAGING.NEXT_BUTTON, C.texture("button_page_next"), 200, y - 66),
        W.button(CLOSE_BUTTON, "button_close", 0, y),
    ]
    return [_HelpWindow("Help", "SG_WINDOW_HELP", widgets, 3, modal=True, background=W.DIM)]


def label_rows():
    return list(LABELS.items()) + [(text_id, text) for _, text_id, text in PAGES]


def build_all(resources):
    made = M.save_pictures(resources, FOLDER, pictures(resources))
    xml_files.write(os.path.join(resources, "xml", BOOK), book_lines())
    return made + ["xml/" + BOOK]
