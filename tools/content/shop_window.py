"""The upgrade shop ("WINDOW_SHOP"): sixteen item cards (card_pages), the
purchase bar shown in a level, their pictures and the texts of its labels.

Card n is PANEL n; inside it the item's picture (100n + 3), title (+1) and
description (+2), and the buy button (+4), a price tag that carries the
price label (+5) and hides with it once nothing is left to buy. Under the
button lies the "Owned" stamp (item 11's is the window's mark 1112; the
other upgrades keep theirs always shown, so it appears when the button
goes). Upgrades with levels show a slot per level (+13, +15, +17) and over
it the level mark (+12, +14, +16).

Cards stand at the place of (n - 1) mod 6 in both widths; the window moves
them itself (outside a level items 5 to 16 take the places of 1 to 12) and
keeps the money packs 13 to 16 off the screen. Panel 100000 is the bar
across the top shown in a level instead of the main panel's header: money,
both bonus stocks, the title and the close button.
"""

import math

import cairo

from . import card_pages as C
from . import hud_art as hud
from . import images
from . import interface
from . import menu_art as M
from . import palette as P
from . import panel_art
from . import tuning
from . import windows as W
from .atlas import canvas, surface_to_image
from .field_pipes import star
from .shapes import rounded_rect

H = P.hex_rgb
PICTURE = 88
BUY = (176, 42)
BUY_Y = 64
BUY_X = C.CARD[0] // 2 - BUY[0] // 2 - 32
STAMP = (150, 32)
PIP = 22
BAR_Y = -332
# Wells of the bar (left edge, width): money, destruction and completion
# stocks.
BAR_WELLS = ((20, 150), (186, 106), (308, 106))

LABELS = {
    "label_shop_title": "Shop",
    "label_shop_money": "%i",
    "label_shop_stock": "0",
}


# ---- item pictures -------------------------------------------------------------

def _medallion(ctx, stops):
    """The round plate every item picture stands on."""
    interface._badge(ctx, PICTURE / 2, PICTURE / 2, PICTURE / 2 - 6, *stops)


def _fill_ink(ctx, fill, width=P.LINE_THIN):
    ctx.set_source_rgb(*fill)
    ctx.fill_preserve()
    M._ink(ctx, width)


def _icon56(ctx, draw, x, y, size):
    """One of the level's 56-px bonus icons, drawn `size` wide at (x, y)."""
    ctx.save()
    ctx.translate(x, y)
    ctx.scale(size / 56.0, size / 56.0)
    draw(ctx)
    ctx.restore()


def _tag(ctx, text, cx, cy):
    """A small sun-yellow tag with a caption, such as "+1" or "Max"."""
    w = 16 + 12 * len(text)
    rounded_rect(ctx, cx - w / 2, cy - 12, w, 24, 11)
    ctx.set_source(M._vgrad(cy - 12, cy + 12, (P.SUN, P.ORANGE)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    M._caption(ctx, text, cx, cy, 16, P.WHITE, P.CREAM)


def _bonus(draw, many):
    def picture(ctx):
        _medallion(ctx, (P.CREAM, P.PARCHMENT))
        if many:
            for x in (10, 34):
                _icon56(ctx, draw, x, 10, 44)
        _icon56(ctx, draw, 20, 18, 50)
        _tag(ctx, "Max" if many else "+1", 58, 68)
    return picture


def _clock(ctx, cx, cy, r, face=P.CREAM):
    ctx.new_path()
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    _fill_ink(ctx, face)
    ctx.new_path()
    ctx.move_to(cx, cy - r * 0.65)
    ctx.line_to(cx, cy)
    ctx.line_to(cx + r * 0.45, cy + r * 0.2)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    M._ink(ctx, P.LINE_THIN + 0.5)


def _lucky_coins(ctx):
    _medallion(ctx, (P.CREAM, P.PARCHMENT))
    for cx, cy, r in ((30, 52, 16), (56, 50, 16), (43, 32, 18)):
        hud._coin(ctx, cx, cy, r)
    M._sign(ctx, "plus", 66, 22, 9)


def _star_timer(ctx):
    _medallion(ctx, (H("DFF6FF"), P.WATER_LIGHT))
    star(ctx, 38, 42, 24, fill=P.SUN)
    _clock(ctx, 60, 58, 14)


def _easy_belt(ctx):
    _medallion(ctx, (H("DFF6FF"), P.WATER_LIGHT))
    rounded_rect(ctx, 12, 48, 64, 18, 9)
    _fill_ink(ctx, H("3E5080"))
    for x in (21, 44, 67):
        ctx.new_path()
        ctx.arc(x, 57, 5, 0, 2 * math.pi)
        _fill_ink(ctx, H("AEB6C3"), 1.5)
    # A pipe piece riding on it.
    rounded_rect(ctx, 26, 30, 30, 18, 4)
    ctx.set_source(M._vgrad(30, 48, (P.BRASS_LIGHT, P.BRASS, P.COPPER)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    _clock(ctx, 64, 26, 12)


def _bigger_toolbox(ctx):
    _medallion(ctx, (P.CREAM, P.PARCHMENT))
    ctx.new_path()
    ctx.move_to(32, 34)
    ctx.line_to(32, 24)
    ctx.line_to(56, 24)
    ctx.line_to(56, 34)
    ctx.set_line_width(7)
    ctx.set_source_rgb(*P.INK)
    ctx.stroke()
    rounded_rect(ctx, 16, 32, 56, 34, 6)
    ctx.set_source(M._vgrad(32, 66, (H("FFB4A8"), P.CORAL, H("D23F2C"))))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THICK)
    ctx.rectangle(16, 44, 56, 5)
    ctx.set_source_rgba(*P.INK, 0.5)
    ctx.fill()
    M._sign(ctx, "plus", 66, 22, 9)


def _quick_press(ctx):
    _medallion(ctx, (H("D5DAE2"), H("AEB6C3")))
    rounded_rect(ctx, 20, 16, 48, 16, 4)
    _fill_ink(ctx, H("7F8A9C"))
    ctx.rectangle(38, 32, 12, 16)
    _fill_ink(ctx, H("C9CFD8"))
    rounded_rect(ctx, 24, 48, 40, 12, 3)
    ctx.set_source(M._vgrad(48, 60, (P.BRASS_LIGHT, P.BRASS)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    # A bolt: ready again in a flash.
    ctx.new_path()
    for x, y in ((66, 38), (56, 56), (64, 56), (58, 74), (74, 52), (66, 52), (72, 38)):
        ctx.line_to(x, y)
    ctx.close_path()
    _fill_ink(ctx, P.SUN)


def _golden_touch(ctx):
    _medallion(ctx, (H("DFF6FF"), P.WATER_LIGHT))
    ctx.new_path()
    ctx.arc(22, 22, 34, 0, math.pi / 2)
    ctx.set_line_cap(cairo.LINE_CAP_BUTT)
    for width, colour in ((22, P.INK), (16, P.SUN), (5, H("FFF3A6"))):
        ctx.set_line_width(width)
        ctx.set_source_rgb(*colour)
        ctx.stroke_preserve()
    ctx.new_path()
    for x, y, r in ((62, 24, 9), (24, 66, 7), (68, 60, 6)):
        star(ctx, x, y, r, fill=P.WHITE, line=1.2)


def _loyal_customer(ctx):
    _medallion(ctx, (P.CREAM, P.PARCHMENT))
    ctx.save()
    ctx.translate(44, 44)
    ctx.rotate(-math.pi / 6)
    ctx.new_path()
    for x, y in ((-28, -14), (16, -14), (30, 0), (16, 14), (-28, 14)):
        ctx.line_to(x, y)
    ctx.close_path()
    ctx.set_source(M._vgrad(-14, 14, (H("B7EB8F"), P.LEAF)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN + 0.5)
    ctx.new_path()
    ctx.arc(16, 0, 4, 0, 2 * math.pi)
    _fill_ink(ctx, P.CREAM, 1.5)
    M._caption(ctx, "%", -7, 0, 22, P.WHITE, P.CREAM)
    ctx.restore()


def _slow_water(ctx):
    _medallion(ctx, (H("DFF6FF"), P.WATER_LIGHT))
    images._drop(ctx, 36, 58, 40)
    # An hourglass beside the drop.
    ctx.new_path()
    for x, y in ((54, 24), (74, 24), (64, 40), (74, 56), (54, 56), (64, 40)):
        ctx.line_to(x, y)
    ctx.close_path()
    _fill_ink(ctx, P.CREAM)
    ctx.new_path()
    for x, y in ((58, 52), (70, 52), (64, 44)):
        ctx.line_to(x, y)
    ctx.close_path()
    ctx.set_source_rgb(*P.SUN)
    ctx.fill()


def _coin_pile(rows):
    def picture(ctx):
        _medallion(ctx, (P.CREAM, P.PARCHMENT))
        for row in range(rows):
            y = 62 - row * 12
            count = rows - row + 1
            for k in range(count):
                hud._coin(ctx, 44 + (k - (count - 1) / 2) * 16, y, 10)
    return picture


ITEM_PICTURES = {
    1: _bonus(interface.draw_destruction_icon, False),
    2: _bonus(interface.draw_destruction_icon, True),
    3: _bonus(interface.draw_completion_icon, False),
    4: _bonus(interface.draw_completion_icon, True),
    5: _lucky_coins, 6: _star_timer, 7: _easy_belt, 8: _bigger_toolbox, 9: _quick_press,
    10: _golden_touch, 11: _loyal_customer, 12: _slow_water,
    13: _coin_pile(1), 14: _coin_pile(2), 15: _coin_pile(3), 16: _coin_pile(4),
}


def item_picture(n):
    surface, ctx = canvas(PICTURE, PICTURE)
    ITEM_PICTURES[n](ctx)
    return surface_to_image(surface)


# ---- buttons, stamp, level pips, bar -------------------------------------------

def buy_strip():
    """The buy button: "Buy" and a coin on a leaf face; the price is the
    label the button carries, right of the coin."""
    def draw(ctx, left, cy, frame):
        M.face_caption(ctx, "Buy", left + 34, cy, 20, frame)
        hud._coin(ctx, left + 74, cy, 11)
    return M.face_strip(*BUY, "leaf", draw)


def stamp():
    """"Owned": where the buy button stood once nothing is left to buy."""
    w, h = STAMP
    surface, ctx = canvas(w, h)
    rounded_rect(ctx, 2, 2, w - 4, h - 4, (h - 4) / 2)
    ctx.set_source_rgba(*H("B7EB8F"), 0.6)
    ctx.fill_preserve()
    ctx.set_source_rgb(*H("3E8F2E"))
    ctx.set_line_width(2.5)
    ctx.stroke()
    ctx.new_path()
    ctx.move_to(20, h / 2)
    ctx.line_to(27, h / 2 + 7)
    ctx.line_to(40, h / 2 - 8)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_width(4)
    ctx.stroke()
    M._caption(ctx, "Owned", w / 2 + 14, h / 2, 18, P.LEAF, H("3E8F2E"))
    return surface_to_image(surface)


def pip(filled):
    surface, ctx = canvas(PIP, PIP)
    c, r = PIP / 2, PIP / 2 - 3
    ctx.new_path()
    ctx.arc(c, c, r, 0, 2 * math.pi)
    if filled:
        grad = cairo.RadialGradient(c - r * 0.4, c - r * 0.4, 1, c, c, r)
        grad.add_color_stop_rgb(0, *P.WATER_LIGHT)
        grad.add_color_stop_rgb(1, *P.WATER_DEEP)
        ctx.set_source(grad)
    else:
        ctx.set_source_rgba(*P.INK, 0.15)
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    return surface_to_image(surface)


def bar():
    """The purchase bar across the top in a level: the header's plate with
    a coin, a bomb and an elbow in its wells."""
    def icons(ctx):
        panel_art._coin(ctx, BAR_WELLS[0][0] + 24, 42, 16)
        for (wx, _), draw in zip(BAR_WELLS[1:], (interface.draw_destruction_icon,
                                                 interface.draw_completion_icon)):
            _icon56(ctx, draw, wx + 6, 22, 40)
    return panel_art.plate(BAR_WELLS, icons)


def pictures():
    out = {"shop_item%d" % n: item_picture(n) for n in ITEM_PICTURES}
    out["button_buy"] = buy_strip()
    out["shop_owned"] = stamp()
    out["shop_level_slot"] = pip(False)
    out["shop_level_mark"] = pip(True)
    out["shop_bar"] = bar()
    return out


# ---- the window ----------------------------------------------------------------

# Widget ids, named as src/shell/SG_WINDOW_SHOP.h names them; item n's
# follow from n.
class SHOP:
    LEVEL_PART = 100000
    CLOSE_IN_LEVEL = 100001
    MONEY_IN_LEVEL = 100002
    TITLE_IN_LEVEL = 100003
    DESTRUCTION_STOCK = 100005
    COMPLETION_STOCK = 100006
    DISCOUNT_MARK = 1112

    @staticmethod
    def title_label(n):
        return 100 * n + 1

    @staticmethod
    def description_label(n):
        return 100 * n + 2

    @staticmethod
    def picture(n):
        return 100 * n + 3

    @staticmethod
    def buy_button(n):
        return 100 * n + 4

    @staticmethod
    def price_label(n):
        return 100 * n + 5

    @staticmethod
    def owned_stamp(n):
        return 100 * n + 8

    @staticmethod
    def level_mark(n, j):
        return 100 * n + 10 + 2 * j

    @staticmethod
    def level_slot(n, j):
        return 100 * n + 11 + 2 * j


def _card(n):
    levels = tuning.SHOP_LEVELS[n]
    children = [
        W.image(SHOP.picture(n), C.texture("shop_item%d" % n), C.PICTURE_X, -6, enabled=False),
        W.label(SHOP.title_label(n), "shop_item%d_title" % n, "font_med", 40, C.TITLE_Y),
        W.label(SHOP.description_label(n), "shop_item%d_description1" % n, "font_text", 40, 6,
                color=W.INK, line_space=0),
    ]
    if n == 11:
        children.append(W.image(SHOP.DISCOUNT_MARK, C.texture("shop_owned"), BUY_X, BUY_Y,
                                enabled=False, visible=False))
    elif n >= 5 and n <= 12:
        children.append(W.image(SHOP.owned_stamp(n), C.texture("shop_owned"), BUY_X, BUY_Y,
                                enabled=False))
    # The digits' cell hangs below them: lifted, they stand at the height of
    # "Buy" and the coin drawn on the button.
    price = W.label(SHOP.price_label(n), "shop_item%d_price1" % n, "font_extra_text", 4, -8,
                    hot_spot=W.HS_ML)
    children.append(W.button(SHOP.buy_button(n), C.texture("button_buy"), BUY_X, BUY_Y,
                             children=[price]))
    if levels > 1:
        for j in range(1, levels + 1):
            x = C.PICTURE_X + 30 + (j - (levels + 1) / 2) * (PIP + 6)
            children.append(W.image(SHOP.level_slot(n, j), C.texture("shop_level_slot"), x, 66,
                                    enabled=False))
            children.append(W.image(SHOP.level_mark(n, j), C.texture("shop_level_mark"), x, 66,
                                    enabled=False, visible=False))
    x, y = C.place(n)
    # The window records both lists and places the cards itself.
    return C.card(n, x, y, children, wide=(x, y))


def _bar():
    left = -panel_art.HEADER_SIZE[0] // 2
    well_y = -6

    def well_middle(k, icon):
        wx, ww = BAR_WELLS[k]
        return left + wx + icon + (ww - icon) // 2

    close_w = M.BUTTONS["button_close"][0]
    children = [
        W.label(SHOP.MONEY_IN_LEVEL, "label_shop_money", "fnt20_blue", well_middle(0, 24),
                well_y),
        W.label(SHOP.DESTRUCTION_STOCK, "label_shop_stock", "fnt20_blue", well_middle(1, 46),
                well_y),
        W.label(SHOP.COMPLETION_STOCK, "label_shop_stock", "fnt20_blue", well_middle(2, 46),
                well_y),
        W.label(SHOP.TITLE_IN_LEVEL, "label_shop_title", "font_big", 120, well_y),
        W.button(SHOP.CLOSE_IN_LEVEL, "button_close", -left - close_w // 2 - 24, well_y + 2),
    ]
    return W.Widget("PANEL", SHOP.LEVEL_PART, [("TEXTURE", C.texture("shop_bar"))], 0, BAR_Y,
                    children=children)


def app_windows():
    """The shop, listed with the application's windows."""
    cards = [_card(n) for n in sorted(ITEM_PICTURES)]
    return [W.Window("WINDOW_SHOP", "SG_WINDOW_SHOP", cards + C.page_widgets() + [_bar()], 1,
                     "SH_FADE", "SH_FADE")]


def label_rows():
    return list(LABELS.items())


def build_all(resources):
    return M.save_pictures(resources, C.FOLDER, pictures())
