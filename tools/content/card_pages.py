"""The paged cards shared by the tabs below the main panel's header (the
trophies and the shop): a card picture, six cards a page in two columns of
three, the page buttons and the page label under them.

Card k of a window stands at the place of (k - 1) mod 6: page 2 puts its
cards where page 1 had its own.
"""

from . import menu_art as M
from . import panel_art
from . import windows as W

FOLDER = panel_art.FOLDER
CARD = (480, 190)
CARD_X = (-245, 245)
CARD_Y = (-180, 15, 210)
PAGE_Y = 342
PER_PAGE = 6
# A card's title on its header band, and the middle of its cup or picture
# on the left.
TITLE_Y = -CARD[1] // 2 + M.PANEL_HEADER // 2 + 2
PICTURE_X = -CARD[0] // 2 + 58
PAGE_BUTTONS = {
    "button_page_previous": (160, 52, "Previous", "water", 20),
    "button_page_next": (160, 52, "Next", "water", 20),
}

LABELS = {"label_page": "Page %i of %i"}


# The page widgets' ids, named as src/shell/window_paging.h and the windows'
# headers name them.
class PAGING:
    PREVIOUS_BUTTON = 20000
    PAGE_LABEL = 10000
    NEXT_BUTTON = 30000


def texture(stem):
    return "%s %s.png" % (FOLDER, stem)


def place(k):
    """The place of card k (from 1) on its page."""
    slot = (k - 1) % PER_PAGE
    return CARD_X[slot % 2], CARD_Y[slot // 2]


def card(wid, x, y, children, wide=None):
    return W.Widget("PANEL", wid, [("TEXTURE", texture("card"))], x, y, wide=wide,
                    children=children)


def page_widgets():
    """The previous and next buttons with the page label between them."""
    return [
        W.button(PAGING.PREVIOUS_BUTTON, texture("button_page_previous"), -200, PAGE_Y),
        W.label(PAGING.PAGE_LABEL, "label_page", "fnt20_blue", 0, PAGE_Y),
        W.button(PAGING.NEXT_BUTTON, texture("button_page_next"), 200, PAGE_Y),
    ]


def pictures():
    out = {"card": M.panel(*CARD)}
    for stem, (w, h, caption, scheme, size) in PAGE_BUTTONS.items():
        out[stem] = M.button_strip(w, h, caption, scheme, size)
    return out


def label_rows():
    return list(LABELS.items())


def build_all(resources):
    return M.save_pictures(resources, FOLDER, pictures())
