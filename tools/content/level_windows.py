"""The windows of a level: the eight HUD windows ("xml/Game HUDwindows.xml"),
the bottom console, tape and press ("xml/Game HUDwindows_press_tape.xml"),
and the finish and pause windows of the application's list.

HUD windows rest at the screen's origin (fractions 0 0), so their widgets'
positions are screen positions, as the level code reads them; the wide
layout moves what stands beside the tape (it starts at x 138 at 1024, 303
at 1366) or at the right edge, with a TRANSFORM_1366. Pictures whose hot
spot the window classes set to the upper left (the belt, the press frames)
are placed by that corner.
"""

from . import hud_art as art
from . import menu_art
from . import windows as W

FOLDER = "xml/Game"
HUD_LIST = "HUDwindows.xml"
BOTTOM_LIST = "HUDwindows_press_tape.xml"

WIDE = 1366
TAPE_X = {1024: 138, WIDE: WIDE // 2 - 380}
TAPE_Y = 711        # the tape's pieces run along this line
ORIGIN = (0, 0)

# Widget ids, named as the windows' classes name them in their headers
# (src/shell/HUD_*.h, SG_FINISH_PANEL.h and SG_WINDOW_PAUSE.h); ids only a
# description uses are named here alone.
class HUD_PAUSE:
    PAUSE_BUTTON = 1


class HUD_COMPLETION:
    COMPLETION_BUTTON = 1
    COUNT_LABEL = 11


class HUD_DESTRUCTION:
    DESTROY_BUTTON = 1
    BUY_BUTTON = 2
    PLACE_BUTTON = 3
    DESTRUCTION_COUNT_LABEL = 12
    COMPLETION_COUNT_LABEL = 32


class HUD_MONEY:
    PANEL = 1
    MONEY_LABEL = 2


class HUD_WATER_INDICATOR:
    DIAL = 1
    SPENT_FACE = 2
    LOWER_FILL = 3
    UPPER_FILL = 4
    HAND = 6


class HUD_WATER_INSCRIPTION:
    TEXT_LABEL = 1


class HUD_TROPHY:
    PANEL = 50
    TITLE_LABEL = 1
    DESCRIPTION_LABEL = 2
    REWARD_LABEL = 3
    PROGRESS_LABEL = 4
    # Rank r's picture is RANK_PICTURES + r; the rank marks follow
    # FIRST_MARK - 1, odd ids empty, even ones filled.
    RANK_PICTURES = 10
    FIRST_MARK = 111


class HUD_TUTORIAL:
    END_BUTTON = 1
    TEXT_LABEL = 3
    CARD = 2000


class HUD_BOTTOM_PANEL:
    CONSOLE = 1


class HUD_TAPE:
    CALL_AREA = 1
    BELT = 2


class HUD_PRESS:
    # Frames 1 (closed) to 5 (open); frame n + 10 is the upgraded press's
    # frame n.
    CLOSED_FRAME = 1
    OPEN_FRAME = 5
    UPGRADED_FRAMES = 10
    SECONDS_LABEL = 10
    COOLDOWN_SIGN = 25


class FINISH:
    MENU_BUTTON = 1
    NEXT_BUTTON = 2
    MONEY_LABEL = 5
    SCORE_LABEL = 6
    BEST_LABEL = 7

    @staticmethod
    def empty_star_picture(star):
        return 59 + star

    @staticmethod
    def star_picture(star):
        return 110 + 2 * star


class PAUSE:
    RESTART_BUTTON = 1
    OPTIONS_BUTTON = 2
    HELP_BUTTON = 3
    MENU_BUTTON = 4
    RESUME_BUTTON = 5


LABELS = {
    "label_hud_money": "%i",
    "label_hud_count": "0",
    "label_press_countdown": "%i",
    "label_trophy_title": "Trophy!",
    "label_trophy_text": "A new trophy",
    "label_trophy_reward": "Reward",
    "label_trophy_progress": "Done",
    "label_pause_title": "Paused",
    "label_finish_title": "Level complete!",
    "label_finish_coins": "Coins: %i of %i",
    "label_finish_score": "Score: %i",
    "label_finish_best": "Best score: %i",
}


def pic(stem):
    return art.texture(stem)


def hud_windows():
    """The eight windows of "HUDwindows.xml"."""
    right = {1024: 1024, WIDE: WIDE}
    pause = W.Window("HUD_PAUSE", "HUD_BUTTON_PAUSE", [
        W.button(HUD_PAUSE.PAUSE_BUTTON, pic("hud_pause"), 42, 40),
    ], 1, "SH_MOVE_DOWN", "SH_MOVE_UP", fractions=ORIGIN)

    # Beside the tape's right end at 1024, further out at 1366.
    cx = {1024: 980, WIDE: 1140}
    completion = W.Window("HUD_COMPLETION", "HUD_BUTTON_COMPLETION", [
        W.button(HUD_COMPLETION.COMPLETION_BUTTON, pic("hud_completion"), cx[1024], 730,
                 wide=(cx[WIDE], 712)),
        # The count stands on the button's lower right, clear of the
        # screen's bottom edge at 1024.
        W.label(HUD_COMPLETION.COUNT_LABEL, "label_hud_count", "font_extra_text", cx[1024] + 24,
                740, wide=(cx[WIDE] + 24, 722)),
    ], 1, "SH_MOVE_UP", "SH_MOVE_DOWN", fractions=ORIGIN)

    # The level moves these next to the cell a bonus is meant for, in screen
    # pixels, and hit-tests them without the window's place: the window
    # rests at the origin. They wait out of sight until then.
    parked = (-200, -200)
    destruction = W.Window("HUD_DESTRUCTION", "HUD_BUTTON_DESTRUCTION", [
        W.button(HUD_DESTRUCTION.DESTROY_BUTTON, pic("hud_destroy"), *parked, visible=False,
                 children=[W.label(HUD_DESTRUCTION.DESTRUCTION_COUNT_LABEL, "label_hud_count",
                                   "font_extra_text", 24, 22)]),
        W.button(HUD_DESTRUCTION.BUY_BUTTON, pic("hud_buy_bonus"), *parked, visible=False),
        # Placing a completion bonus shows the completion button's own
        # picture, so one texture serves both.
        W.button(HUD_DESTRUCTION.PLACE_BUTTON, pic("hud_completion"), *parked, visible=False,
                 children=[W.label(HUD_DESTRUCTION.COMPLETION_COUNT_LABEL, "label_hud_count",
                                   "font_extra_text", 24, 22)]),
    ], 2, "SH_MOMENTAL", "SH_MOMENTAL", "0", pixels=ORIGIN)

    mx = {1024: 976, WIDE: 1262}
    my = {1024: 676, WIDE: 712}
    money = W.Window("HUD_MONEY", "HUD_PANEL_MONEY", [
        W.image(HUD_MONEY.PANEL, pic("money_panel"), mx[1024], my[1024], enabled=False,
                wide=(mx[WIDE], my[WIDE])),
        W.label(HUD_MONEY.MONEY_LABEL, "label_hud_money", "default", mx[1024] + 12, my[1024] - 1,
                wide=(mx[WIDE] + 12, my[WIDE] - 1)),
    ], 1, "SH_MOVE_UP", "SH_MOVE_DOWN", fractions=ORIGIN)

    dial = {1024: right[1024] - 92, WIDE: right[WIDE] - 92}
    dy = 98

    def at_dial(wid, stem, enabled=False):
        return W.image(wid, pic(stem), dial[1024], dy, enabled=enabled, wide=(dial[WIDE], dy))
    water = W.Window("HUD_WATER_INDICATOR", "HUD_PANEL_WATER_INDICATOR", [
        # The star fill is drawn over the hurry fill, so the three-star span
        # keeps its colour while the water clock runs beyond it; under both,
        # the spent face shows what the running water has used up.
        at_dial(HUD_WATER_INDICATOR.DIAL, "dial_face"),
        W.image(HUD_WATER_INDICATOR.SPENT_FACE, pic("dial_spent"), dial[1024], dy, enabled=False,
                visible=False, wide=(dial[WIDE], dy)),
        at_dial(HUD_WATER_INDICATOR.UPPER_FILL, "dial_fill_hurry"),
        at_dial(HUD_WATER_INDICATOR.LOWER_FILL, "dial_fill_stars"),
        at_dial(HUD_WATER_INDICATOR.HAND, "dial_hand"),
    ], 1, "SH_MOVE_DOWN", "SH_MOVE_UP", fractions=ORIGIN)

    inscription = W.Window("HUD_WATER_INSCRIPTION", "HUD_PANEL_WATER_INSCRIPTION", [
        W.label(HUD_WATER_INSCRIPTION.TEXT_LABEL, "hud_water_inscription", "font_big", -150, 300,
                visible=False),
    ], 3, "SH_MOMENTAL", "SH_MOMENTAL", "0", fractions=ORIGIN)

    tw, th = art.TROPHY_PANEL
    trophy = W.Window("HUD_TROPHY", "HUD_PANEL_TROPHY", [
        W.image(HUD_TROPHY.PANEL, pic("trophy_panel"), 0, 0, enabled=False),
        W.label(HUD_TROPHY.TITLE_LABEL, "label_trophy_title", "font_med", 0, -th // 2 + 39),
    ] + [W.image(HUD_TROPHY.RANK_PICTURES + r, pic("trophy_rank%d" % r), -150, 24, enabled=False)
         for r in (1, 2, 3)] + [
        W.label(HUD_TROPHY.DESCRIPTION_LABEL, "label_trophy_text", "font_text", 50, -20,
                color=W.INK),
        W.label(HUD_TROPHY.PROGRESS_LABEL, "label_trophy_progress", "fnt20_blue", 50, 22),
        W.label(HUD_TROPHY.REWARD_LABEL, "label_trophy_reward", "font_text", 50, 56, color=W.INK),
    ] + [W.image(HUD_TROPHY.FIRST_MARK - 1 + k, pic("mark_filled" if k % 2 == 0 else "mark_empty"),
                 -160 + 30 * ((k - 1) // 2), 80, enabled=False) for k in range(1, 7)],
        3, "SH_MOVE_DOWN", "SH_MOVE_UP", fractions=(0.5, 0.3))

    # The tutorial moves the card (centred on its place) beside what each
    # step points at, and off the screen between steps; the button that
    # skips the tutorial rides on it.
    tutorial = W.Window("HUD_TUTORIAL", "HUD_PANEL_TUTORIAL", [
        W.Widget("PANEL", HUD_TUTORIAL.CARD, [("TEXTURE", pic("tutorial_card")), ("MOVABLE", "0")],
                 -1000, -1000, children=[
                     W.label(HUD_TUTORIAL.TEXT_LABEL, "tutorial_text_task_1", "font_text", 0, -26,
                             color=W.INK, line_space=4),
                     W.button(HUD_TUTORIAL.END_BUTTON, pic("button_skip"), 118, 54)]),
    ], 2, "SH_FADE", "SH_FADE", fractions=ORIGIN)
    return [pause, completion, destruction, money, water, inscription, trophy, tutorial]


def bottom_windows():
    """The three windows of "HUDwindows_press_tape.xml"."""
    cw, ch = art.CONSOLE_SIZE
    console = W.Window("HUD_BOTTOM_PANEL", "HUD_INTERFACE_BOTTOM_PANEL", [
        W.image(HUD_BOTTOM_PANEL.CONSOLE, pic("console"), 512, 768 - ch // 2, enabled=False,
                wide=(683, 768 - ch // 2)),
    ], 0, "SH_MOVE_UP", "SH_MOVE_DOWN", fractions=ORIGIN)

    hw, hh = art.TAPE_HOUSING
    # The housing's right strip is the call button; the belt starts at the
    # tape's origin, 13 pixels into the housing, centred on the pieces' line.
    def housing_x(width):
        return TAPE_X[width] - 13 + hw // 2
    belt_y = TAPE_Y - art.BELT_SIZE[1] // 2
    tape = W.Window("HUD_TAPE", "HUD_PANEL_TAPE", [
        W.image(HUD_TAPE.CALL_AREA, pic("tape_housing"), housing_x(1024), TAPE_Y + 2,
                enabled=False, wide=(housing_x(WIDE), TAPE_Y + 2)),
        W.image(HUD_TAPE.BELT, pic("belt"), TAPE_X[1024], belt_y, enabled=False,
                wide=(TAPE_X[WIDE], belt_y)),
    ], 1, "SH_MOVE_UP", "SH_MOVE_DOWN", fractions=ORIGIN)

    pw, ph = art.PRESS_SIZE
    # Left of the tape: at the screen's edge at 1024, next to the tape at 1366.
    px = {1024: 3, WIDE: TAPE_X[WIDE] - 20 - pw}
    py = 768 - ph - 4
    frames = []
    plain = list(range(HUD_PRESS.CLOSED_FRAME, HUD_PRESS.OPEN_FRAME + 1))
    for n in plain + [HUD_PRESS.UPGRADED_FRAMES + n for n in plain]:
        frames.append(W.image(n, pic("press_%d" % n), px[1024], py, enabled=False,
                              wide=(px[WIDE], py), visible=n == HUD_PRESS.OPEN_FRAME))
    centre = {w: px[w] + pw // 2 for w in px}
    press = W.Window("HUD_PRESS", "HUD_PANEL_PRESS", frames + [
        W.image(HUD_PRESS.COOLDOWN_SIGN, pic("press_cooldown"), centre[1024], py + 40,
                enabled=False, wide=(centre[WIDE], py + 40), visible=False),
        W.label(HUD_PRESS.SECONDS_LABEL, "label_press_countdown", "font_cg_25_orange",
                centre[1024], py + 84, wide=(centre[WIDE], py + 84)),
    ], 1, "SH_MOVE_UP", "SH_MOVE_DOWN", fractions=ORIGIN)
    return [console, tape, press]


def app_windows():
    """The finish and pause windows, listed with the application's windows."""
    fw, fh = art.PANELS["panel_finish"]
    stars = [(-120, -92), (0, -110), (120, -92)]
    finish = W.Window("WINDOW_FINISH", "SG_FINISH_PANEL", W.panel_picture(
        pic("panel_finish"), "label_finish_title", size=(fw, fh)) + [
        W.image(FINISH.empty_star_picture(star), pic("star_big_empty"), x, y, enabled=False)
        for star, (x, y) in enumerate(stars, 1)] + [
        W.image(FINISH.star_picture(star), pic("star_big"), x, y, enabled=False)
        for star, (x, y) in enumerate(stars, 1)] + [
        W.label(FINISH.SCORE_LABEL, "label_finish_score", "font_cg_25_orange", 0, 14),
        W.label(FINISH.MONEY_LABEL, "label_finish_coins", "fnt20_blue", 0, 56),
        W.label(FINISH.BEST_LABEL, "label_finish_best", "font_text", 0, 92, color=W.INK),
        W.button(FINISH.MENU_BUTTON, pic("button_to_menu"), -115, fh // 2 - 58),
        W.button(FINISH.NEXT_BUTTON, pic("button_next"), 115, fh // 2 - 58),
    ], 2, modal=True, background=W.DIM)

    pw, ph = art.PANELS["panel_pause"]
    top = -ph // 2 + 130
    pause = W.Window("WINDOW_PAUSE", "SG_WINDOW_PAUSE", W.panel_picture(
        pic("panel_pause"), "label_pause_title", size=(pw, ph)) + [
        W.button(PAUSE.RESUME_BUTTON, pic("button_resume"), 0, top),
        W.button(PAUSE.RESTART_BUTTON, pic("button_restart"), 0, top + 72),
        # The title's Options button: the same picture, loaded once.
        W.button(PAUSE.OPTIONS_BUTTON, menu_art.texture("button_options"), 0, top + 144),
        W.button(PAUSE.HELP_BUTTON, pic("button_help"), 0, top + 216),
        W.button(PAUSE.MENU_BUTTON, pic("button_menu"), 0, top + 288),
    ], 2, modal=True, background=W.DIM)
    return [finish, pause]


def label_rows():
    return list(LABELS.items())


def build_all(resources):
    made = []
    for list_name, group in ((HUD_LIST, hud_windows()), (BOTTOM_LIST, bottom_windows())):
        made += W.write_list(resources, FOLDER, list_name, group)
    return made

