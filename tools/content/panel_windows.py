"""The windows of the road into a level, in the application's list: the main
panel's header ("WINDOW_MAIN_PANEL"), the worlds and levels tabs below it
("WINDOW_WORLDS", "WINDOW_LEVELS") and the four comic pages
("WINDOW_COMICS1".."4"), with the texts of their labels.

All of them rest in the middle of the screen, so positions are offsets from
its centre and the wide layout needs no positions of its own. Pictures that
only decorate take no input, so no widget but a window's own buttons sends
a control event (the worlds window takes any event as a world). The stars
bar's picture is placed by its upper-left corner: the panel puts its hot
spot there when it cuts the bar.
"""

from . import comic_art
from . import panel_art as art
from . import windows as W

# Widget ids, named as the windows' classes name them in their headers
# (src/shell/SG_MAIN_PANEL.h, SG_WINDOW_WORLDS.h, SG_WINDOW_LEVELS.h,
# COMICS_WINDOW.h and star_images.h); ids only a description uses are
# named here alone.
class MAIN_PANEL:
    MONEY_LABEL = 1
    STARS_BAR = 2
    STARS_LABEL = 4
    WORLDS_TAB = 5
    TROPHIES_TAB = 6
    SHOP_TAB = 7
    BACK_BUTTON = 8
    TROPHY_BADGE = 9
    HEADER = 50
    STARS_GROOVE = 52


class WORLDS:
    TITLE_LABEL = 60

    @staticmethod
    def world_button(world):
        return world


class LEVELS:
    @staticmethod
    def level_button(place):
        return place

    @staticmethod
    def level_number_label(place):
        return 100 * place + 1

    @staticmethod
    def level_lock(place):
        return 10000 + place

    @staticmethod
    def open_pack_picture(pack):
        return 30 + pack

    @staticmethod
    def locked_pack_picture(pack):
        return 40 + pack


class STARS:
    """A row's stars in the worlds and levels tabs: its tray, its three
    empty slots and over them its three stars (k = 1, 2, 3)."""

    @staticmethod
    def tray(row):
        return 100 * row + 50

    @staticmethod
    def slot(row, k):
        return 100 * row + 50 + 2 * k

    @staticmethod
    def star(row, k):
        return 100 * row + 10 + 2 * k


class COMIC:
    PAGE = 50
    TITLE_LABEL = 51
    CLOSE_BUTTON = 20

    @staticmethod
    def panel_picture(frame):
        return frame


# The main panel's header across the top of the screen.
HEADER_Y = -332
HEADER_LEFT = -art.HEADER_SIZE[0] // 2
WELL_Y = HEADER_Y - 6

LABELS = {
    "label_panel_money": "%i",
    "label_panel_stars": "%i / %i",
    "label_worlds_title": "Choose a world",
    "label_levels_number": "1",
}
for _page, _title in comic_art.TITLES.items():
    LABELS["label_comic%d_title" % _page] = "Chapter %d: %s" % (_page, _title)


def pic(stem):
    return art.texture(stem)


def _header_x(image_x):
    """A point of the header picture in window coordinates."""
    return HEADER_LEFT + image_x


def main_panel():
    money_x = _header_x(art.MONEY_WELL[0] + 24 + (art.MONEY_WELL[1] - 24) // 2)
    groove_x = _header_x(art.STARS_WELL[0] + 48 + art.GROOVE_SIZE[0] // 2)
    bar_w, bar_h = art.BAR_SIZE
    tabs_left = _header_x(art.STARS_WELL[0] + art.STARS_WELL[1] + 18)
    x = tabs_left
    buttons = []
    for wid, stem in ((MAIN_PANEL.WORLDS_TAB, "button_worlds"),
                      (MAIN_PANEL.TROPHIES_TAB, "button_trophies"),
                      (MAIN_PANEL.SHOP_TAB, "button_shop"),
                      (MAIN_PANEL.BACK_BUTTON, "button_back")):
        w = art.TAB_BUTTONS[stem][0]
        buttons.append(W.button(wid, pic(stem), x + w // 2, HEADER_Y - 4))
        if wid == MAIN_PANEL.TROPHIES_TAB:
            badge = (x + w - 12, HEADER_Y - 30)
        x += w + 10
    return W.Window("WINDOW_MAIN_PANEL", "SG_MAIN_PANEL", [
        W.image(MAIN_PANEL.HEADER, pic("header"), 0, HEADER_Y, enabled=False),
        W.label(MAIN_PANEL.MONEY_LABEL, "label_panel_money", "fnt20_blue", money_x, WELL_Y),
        W.image(MAIN_PANEL.STARS_GROOVE, pic("bar_groove"), groove_x, WELL_Y, enabled=False),
        W.image(MAIN_PANEL.STARS_BAR, pic("bar_fill"), groove_x - bar_w // 2, WELL_Y - bar_h // 2,
                enabled=False),
        W.label(MAIN_PANEL.STARS_LABEL, "label_panel_stars", "font_cg_14_white", groove_x, WELL_Y),
    ] + buttons + [
        W.image(MAIN_PANEL.TROPHY_BADGE, pic("trophy_badge"), *badge, enabled=False,
                visible=False),
    ], 1, "SH_MOVE_DOWN", "SH_MOVE_UP", time="0.35")


def _stars(row, x, y, stem, step):
    """A row's tray, its empty star slots and over them its three stars,
    hidden until the game shows them."""
    slots = [W.image(STARS.tray(row), pic(stem + "_tray"), x, y, enabled=False)]
    slots += [W.image(STARS.slot(row, k), pic(stem + "_slot"), x + (k - 2) * step, y,
                      enabled=False) for k in (1, 2, 3)]
    stars = [W.image(STARS.star(row, k), pic(stem), x + (k - 2) * step, y, enabled=False,
                     visible=False) for k in (1, 2, 3)]
    return slots + stars


WORLD_X = (-300, 0, 300)
WORLD_Y = 10


def worlds():
    widgets = [W.label(WORLDS.TITLE_LABEL, "label_worlds_title", "font_big", 0, -232)]
    for world, x in enumerate(WORLD_X, 1):
        widgets.append(W.button(WORLDS.world_button(world), pic("world_%d" % world), x, WORLD_Y))
        # On the bottom of the card's view, clear of the backdrop below.
        widgets += _stars(world, x, WORLD_Y + 52, "star_world", art.STAR_WORLD_STEP)
    return W.Window("WINDOW_WORLDS", "SG_WINDOW_WORLDS", widgets, 1, "SH_FADE", "SH_FADE",
                    time="0.3")


PACK_X = (-270, 0, 270)
PACK_Y = -218
LEVEL_X = tuple(-300 + 150 * c for c in range(5))
LEVEL_Y = (-72, 58, 188)


def levels():
    # The packs of all worlds at their world's three places; pack 1's
    # picture is also the comic band.
    widgets = []
    for pack in range(1, 10):
        x = PACK_X[(pack - 1) % 3]
        widgets.append(W.image(LEVELS.open_pack_picture(pack), pic("pack_%d_open" % pack), x,
                               PACK_Y, enabled=False, visible=pack == 1))
        widgets.append(W.image(LEVELS.locked_pack_picture(pack), pic("pack_%d_locked" % pack), x,
                               PACK_Y, enabled=False, visible=False))
    for i in range(1, 16):
        x, y = LEVEL_X[(i - 1) % 5], LEVEL_Y[(i - 1) // 5]
        # The lock lies over the tile and its number.
        widgets.append(W.button(LEVELS.level_button(i), pic("level_tile"), x, y))
        widgets.append(W.label(LEVELS.level_number_label(i), "label_levels_number", "font_med",
                               x - 2, y - 6))
        widgets += _stars(i, x - 2, y + art.LEVEL_TILE[1] // 2 + 10, "star_small",
                          art.STAR_SMALL_STEP)
        widgets.append(W.button(LEVELS.level_lock(i), pic("level_lock"), x, y, visible=False))
    return W.Window("WINDOW_LEVELS", "SG_WINDOW_LEVELS", widgets, 1, "SH_FADE", "SH_FADE",
                    time="0.3")


PAGE_W, PAGE_H = art.COMIC_PAGE
PANEL_X = (-209, 209)
# Both rows inside the page's brass rim, under the header band.
PANEL_Y = (-114, 130)


def comic(page):
    widgets = [
        W.image(COMIC.PAGE, pic("comic_page"), 0, 0, enabled=False),
        W.label(COMIC.TITLE_LABEL, "label_comic%d_title" % page, "font_med", 0, -PAGE_H // 2 + 39),
    ]
    for k in range(1, len(comic_art.STORY[page]) + 1):
        x, y = PANEL_X[(k - 1) % 2], PANEL_Y[(k - 1) // 2]
        widgets.append(W.image(COMIC.panel_picture(k), comic_art.texture(page, k), x, y,
                               enabled=False))
    widgets.append(W.button(COMIC.CLOSE_BUTTON, W.art.texture("button_close"), PANEL_X[1] + 96,
                            PAGE_H // 2 - 48))
    return W.Window("WINDOW_COMICS%d" % page, "COMICS_WINDOW", widgets, 3, modal=True,
                    background=W.DIM)


def app_windows():
    return [main_panel(), worlds(), levels()] + [comic(page) for page in comic_art.STORY]


def label_rows():
    return list(LABELS.items())
