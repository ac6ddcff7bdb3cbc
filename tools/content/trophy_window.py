"""The trophies tab below the main panel's header ("WINDOW_TROPHIES"): six
trophy cards a page, two columns of three, with the page buttons and the
page label under them, its pictures and the texts of its labels.

Card n is PANEL n; inside it the goal (100n + 1), reward (+2) and progress
(+3) labels take the trophy's own texts, the cup pictures +4 (no rank yet)
and +6..+8 (bronze, silver, gold) lie on one another, +5 is the coin beside
the reward, shown while ranks are open, and the rank marks +12, +14, +16
appear under the cup as ranks are won.
"""

from . import hud_art as hud
from . import menu_art as M
from . import panel_art
from . import tuning
from . import windows as W

FOLDER = panel_art.FOLDER
CARD = (480, 190)
CARD_X = (-245, 245)
CARD_Y = (-180, 15, 210)
PAGE_Y = 342
PER_PAGE = 6
PAGE_BUTTONS = {
    "button_page_previous": (160, 52, "Previous", "water", 20),
    "button_page_next": (160, 52, "Next", "water", 20),
}

LABELS = {"label_page": "Page %i of %i"}

# A cup not won yet: dull slate, apart from the silver of rank 2.
SLATE = (M.H("8C96A8"), M.H("5E687A"), M.H("3F4757"))


def texture(stem):
    return "%s %s.png" % (FOLDER, stem)


def pictures():
    out = {"trophy_card": M.panel(*CARD)}
    hud.RANK_METALS.setdefault(0, SLATE)
    out["trophy_rank0"] = hud.trophy_cup(0)
    for stem, (w, h, caption, scheme, size) in PAGE_BUTTONS.items():
        out[stem] = M.button_strip(w, h, caption, scheme, size)
    return out


def _card(n):
    slot = (n - 1) % PER_PAGE
    x, y = CARD_X[slot % 2], CARD_Y[slot // 2]
    top = -CARD[1] // 2
    ranks = len(tuning.TROPHIES[n][0])
    cup_x = -CARD[0] // 2 + 58
    marks = [cup_x] if ranks == 1 else [cup_x - 30, cup_x, cup_x + 30]
    base = 100 * n
    children = [
        W.label(base + 20, "trophy_item%d_title" % n, "font_med", 40, top + M.PANEL_HEADER // 2 + 2),
        W.label(base + 1, "trophy_item%d_description" % n, "font_text", 40, 14, color=W.INK,
                line_space=2),
        W.label(base + 3, "trophy_item%d_progress" % n, "fnt20_blue", -74, 62),
        W.image(base + 5, hud.texture("coin"), 2, 62, enabled=False),
        W.label(base + 2, "trophy_item%d_reward" % n, "font_text", 20, 62, hot_spot=W.HS_ML,
                color=W.INK),
        W.image(base + 4, texture("trophy_rank0"), cup_x, 0, enabled=False),
    ] + [W.image(base + 5 + r, hud.texture("trophy_rank%d" % r), cup_x, 0, enabled=False,
                 visible=False) for r in (1, 2, 3)]
    for k, mx in enumerate(marks):
        children.append(W.image(base + 12 + 2 * k, hud.texture("mark_filled"), mx, 66,
                                enabled=False, visible=False))
    return W.Widget("PANEL", n, [("TEXTURE", texture("trophy_card"))], x, y,
                    children=children)


def app_windows():
    """The trophies tab, listed with the application's windows."""
    cards = [_card(n) for n in sorted(tuning.TROPHIES)]
    return [W.Window("WINDOW_TROPHIES", "SG_WINDOW_TROPHIES", cards + [
        W.button(20000, texture("button_page_previous"), -200, PAGE_Y),
        W.label(10000, "label_page", "fnt20_blue", 0, PAGE_Y),
        W.button(30000, texture("button_page_next"), 200, PAGE_Y),
    ], 1, "SH_FADE", "SH_FADE")]


def label_rows():
    return list(LABELS.items())


def build_all(resources):
    return M.save_pictures(resources, FOLDER, pictures())
