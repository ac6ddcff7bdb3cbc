"""The trophies tab below the main panel's header ("WINDOW_TROPHIES"): six
trophy cards a page (card_pages), its pictures and the texts of its labels.

Card n is PANEL n; inside it the goal (100n + 1), reward (+2) and progress
(+3) labels take the trophy's own texts, the cup pictures +4 (no rank yet)
and +6..+8 (bronze, silver, gold) lie on one another, +5 is the coin beside
the reward, shown while ranks are open, and the rank marks +12, +14, +16
appear under the cup as ranks are won.
"""

from . import card_pages as C
from . import hud_art as hud
from . import menu_art as M
from . import tuning
from . import windows as W

# A cup not won yet: dull slate, apart from the silver of rank 2.
SLATE = (M.H("8C96A8"), M.H("5E687A"), M.H("3F4757"))


def pictures():
    hud.RANK_METALS.setdefault(0, SLATE)
    return {"trophy_rank0": hud.trophy_cup(0)}


# Trophy n's widgets: part(n, which), as src/shell/SG_WINDOW_TROPHIES.h
# names them; the title and the empty cup are named here alone.
class TROPHY:
    CONDITION, REWARD, PROGRESS, NO_RANK, REWARD_COIN = 1, 2, 3, 4, 5
    TITLE = 20
    # Rank r's cup is NO_RANK + 1 + r, rank mark k's RANK_MARK + 2 k.
    RANK_MARK = 12

    @staticmethod
    def part(n, which):
        return 100 * n + which


def _card(n):
    ranks = len(tuning.TROPHIES[n][0])
    cup_x = C.PICTURE_X
    # The rank marks stand in a column beside the cup, clear of the card's
    # rivets and of the progress line, which may run long ("1205 of 10000").
    mark_x = cup_x + 58
    marks = [(mark_x, 28)] if ranks == 1 else [(mark_x, -28), (mark_x, 0), (mark_x, 28)]
    def part(which):
        return TROPHY.part(n, which)
    children = [
        W.label(part(TROPHY.TITLE), "trophy_item%d_title" % n, "font_med", 40, C.TITLE_Y),
        W.label(part(TROPHY.CONDITION), "trophy_item%d_description" % n, "font_text", 40, 14,
                color=W.INK, line_space=2),
        # The progress ends left of the coin whatever its length.
        W.label(part(TROPHY.PROGRESS), "trophy_item%d_progress" % n, "fnt20_blue", -22, 62,
                hot_spot=W.HS_MR),
        W.image(part(TROPHY.REWARD_COIN), hud.texture("coin"), 2, 62, enabled=False),
        W.label(part(TROPHY.REWARD), "trophy_item%d_reward" % n, "font_text", 20, 62,
                hot_spot=W.HS_ML, color=W.INK),
        W.image(part(TROPHY.NO_RANK), C.texture("trophy_rank0"), cup_x, 0, enabled=False),
    ] + [W.image(part(TROPHY.NO_RANK + 1 + r), hud.texture("trophy_rank%d" % r), cup_x, 0,
                 enabled=False, visible=False) for r in (1, 2, 3)]
    for k, (mx, my) in enumerate(marks):
        children.append(W.image(part(TROPHY.RANK_MARK + 2 * k), hud.texture("mark_filled"), mx,
                                my, enabled=False, visible=False))
    return C.card(n, *C.place(n), children)


def app_windows():
    """The trophies tab, listed with the application's windows."""
    cards = [_card(n) for n in sorted(tuning.TROPHIES)]
    return [W.Window("WINDOW_TROPHIES", "SG_WINDOW_TROPHIES", cards + C.page_widgets(), 1,
                     "SH_FADE", "SH_FADE")]


def build_all(resources):
    return M.save_pictures(resources, C.FOLDER, pictures())
