"""The help window ("Help"), opened from the pause window: how a level is
played, on the credits card, with the texts of its labels. Only its close
button (id 1) sends a control event; the texts are pictures' captions.
"""

from . import menu_art as art
from . import windows as W

LABELS = {
    "label_help_title": "How to play",
    "label_help_goal_title": "Lead the water home",
    "label_help_goal": "Lay pipes from the conveyor tape on the board\n"
                       "to lead the water from its start to the goal.",
    "label_help_flow_title": "Mind the water",
    "label_help_flow": "The water starts flowing after a while.\n"
                       "Finish the road before it spills out!",
    "label_help_tools_title": "Tools",
    "label_help_tools": "The press takes away a piece you don't need.\n"
                        "Bonuses clear the way or lay the next pipe.",
    "label_help_stars_title": "Stars and coins",
    "label_help_stars": "A good score earns up to three stars.\n"
                        "Spend the coins you collect in the shop.",
}


def app_windows():
    """The help window, listed with the application's windows."""
    _, ch = art.PANELS["panel_credits"]
    widgets = W.panel_picture("panel_credits", "label_help_title")
    # Each topic: its caption, and below it two lines of text.
    for k, topic in enumerate(("goal", "flow", "tools", "stars")):
        y = -184 + 100 * k
        widgets.append(W.label(2 + 2 * k, "label_help_%s_title" % topic, "fnt20_blue", 0, y))
        widgets.append(W.label(3 + 2 * k, "label_help_%s" % topic, "font_text", 0, y + 42,
                               color=W.INK, line_space=2))
    widgets.append(W.button(1, "button_close", 0, ch // 2 - 62))
    return [W.Window("Help", "SG_WINDOW_HELP", widgets, 3, modal=True, background=W.DIM)]


def label_rows():
    return list(LABELS.items())
