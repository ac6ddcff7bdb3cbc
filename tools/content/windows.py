"""The menu windows: one description per window under Resources/xml/Windows,
the window list "all_windows.xml", and the texts of their labels.

Widgets hang from the window's placement. Every window here rests in the
middle of the screen, so positions are offsets from the screen's centre and
the window follows a switch to the wide layout by itself; a TRANSFORM_1366
is written only where the wide layout puts a widget elsewhere. Transform
lists keep their pivot at 0 0 0 and one blank between numbers: the builder
adds pivots up on every layout switch and splits at single blanks.

Every WLABEL's TEXT is an id of the string table; LABELS holds the texts.
"""

import os
from xml.sax.saxutils import quoteattr

from . import menu_art as art
from . import xml_files

FOLDER = "xml/Windows"
LIST = "all_windows.xml"

# Fonts: resource names of the glyph table and its page.
FONTS = {name: ("fonts %s.xml" % name, "fonts %s.png" % name)
         for name in ("font_big", "font_med", "font_extra_text", "font_text", "fnt20_blue",
                      "font_cg_25_orange", "font_cg_14_white", "default")}

HS_MID, HS_ML, HS_MR = 0, 7, 8
INK = "FF1B2A4A"
INK_BLUE = "FF1686C7"
# Behind a dialog the screen darkens while it opens and brightens while it
# closes: a white pixel stretched over the widest screen, tinted ink.
DIM = ("white_pixel", "0 27 42 74", "150 27 42 74", "1366 768")

# Widget ids, named as the windows' classes name them in their headers
# (src/shell/SG_WINDOW_*.h, src/framework/G_WINDOW_CONFIRM.h and
# G_WINDOW_EDITBOX.h); ids only a description uses are named here alone.
class DIALOG:
    PANEL, PANEL_TITLE = 50, 51


class LOGO:
    PICTURE = 1


class TITLE:
    PLAY_BUTTON = 1
    OPTIONS_BUTTON = 2
    PLAYERS_BUTTON = 3
    BUY_BUTTON = 4
    EXIT_BUTTON = 5
    NAME_PLATE = 6
    PLAYER_LABEL = 10


class OPTIONS:
    OK_BUTTON = 3
    CANCEL_BUTTON = 4
    CREDITS_BUTTON = 6
    FULL_SCREEN_BOX = 7
    GAME_CURSOR_BOX = 8
    SOUND_SLIDER = 9
    MUSIC_SLIDER = 10
    SOUND_LABEL, MUSIC_LABEL, FULL_SCREEN_LABEL, CURSOR_LABEL = 52, 53, 54, 55
    VERSION_LABEL = 101
    COPYRIGHT_LABEL = 102


class CREDITS:
    CLOSE_BUTTON = 1
    # The lines of the page, top to bottom.
    FIRST_LINE = 2


class PLAYERS:
    PLAYER_LIST = 4
    NEW_PLAYER_BUTTON = 5
    OK_BUTTON = 8
    FIRST_DELETE_BUTTON = 11


class EDITBOX:
    PROMPT_LABEL = 52
    LINE_BOX = 2
    OK_BUTTON = 3
    CANCEL_BUTTON = 4
    ERROR_LABEL = 10
    FULL_LABEL = 11


class CONFIRM:
    QUESTION_LABEL = 2
    YES_BUTTON = 3
    NO_BUTTON = 4


class BUY:
    TEXT_LABEL = 2
    OK_BUTTON = 4
    LATER_BUTTON = 5
    CLOSE_BUTTON = 6


# The longest player name; the note of a full name box says it in words.
NAME_LETTERS = 12

LABELS = {
    "label_title_player": "Player",
    "label_options_title": "Options",
    "label_options_sound": "Sounds",
    "label_options_music": "Music",
    "label_options_fullscreen": "Full screen",
    "label_options_cursor": "Game pointer",
    "label_options_version": xml_files.VERSION,
    "label_options_copyright": xml_files.COPYRIGHT,
    "label_credits_title": "Credits",
    "label_credits_game": "Aquavex",
    "label_credits_made": "made by the Aquavex team",
    "label_credits_roles": "Design, code, pictures, music and sounds",
    "label_credits_team": "the Aquavex team",
    "label_credits_built": "Built with",
    "label_credits_libraries": (
        "SDL2 \u00B7 OpenGL / Mesa \u00B7 OpenAL Soft\n"
        "libvorbis \u00B7 pugixml \u00B7 zlib \u00B7 minizip\n"
        "stb_image \u00B7 DejaVu fonts"),
    "label_credits_thanks": "Thank you for playing!",
    "label_players_title": "Players",
    "label_editbox_title": "Your name",
    "label_editbox_prompt": "Type a name and press OK.",
    "label_editbox_error": "That name is taken.",
    "label_editbox_full": "A name holds %d letters at most." % NAME_LETTERS,
    "label_delete_title": "Delete player",
    "label_delete_question": "Delete the player\n%s\nand all of the progress?",
    "label_exit_title": "Leave",
    "label_exit_question": "Do you really want\nto leave the game?",
    "label_buy_title": "Full version",
    "label_buy_text": "You are playing\nthe full game already!",
}


def _transform(x, y):
    return "%d %d 0 0 0 0 0 0 0 1 1 1" % (x, y)


class Widget:
    """One GUI element: its name, attributes in order, its place in both
    layouts and its nested widgets."""

    def __init__(self, element, wid, attrs, x, y, wide=None, children=(), inner=()):
        self.element = element
        self.attrs = [("ID", str(wid))] + list(attrs)
        self.x, self.y = x, y
        self.wide = wide
        self.children = list(children)
        # Settings written as child elements, (name, text).
        self.inner = list(inner)

    def lines(self, indent):
        pad = "  " * indent
        attrs = " ".join("%s=%s" % (k, quoteattr(v)) for k, v in self.attrs)
        out = ["%s<%s %s>" % (pad, self.element, attrs)]
        if self.element != "SLIDER13":
            out.append("%s  <TRANSFORM>%s</TRANSFORM>" % (pad, _transform(self.x, self.y)))
            if self.wide is not None:
                out.append("%s  <TRANSFORM_1366>%s</TRANSFORM_1366>"
                           % (pad, _transform(*self.wide)))
        for name, text in self.inner:
            out.append("%s  <%s>%s</%s>" % (pad, name, text, name))
        if self.children:
            out.append("%s  <CONTEXT>" % pad)
            for child in self.children:
                out += child.lines(indent + 2)
            out.append("%s  </CONTEXT>" % pad)
        out.append("%s</%s>" % (pad, self.element))
        return out


def _resource(stem):
    """A picture's resource name: the menu folder's unless given whole."""
    return stem if " " in stem else art.texture(stem)


def image(wid, stem, x, y, enabled=True, wide=None, visible=True, children=()):
    attrs = [("TEXTURE", _resource(stem))]
    # A picture that only decorates takes no input, so it never answers a
    # release meant for the widgets drawn over it.
    if not enabled:
        attrs.append(("ENABLE", "0"))
    if not visible:
        attrs.append(("VISIBLE", "0"))
    return Widget("IMAGE", wid, attrs, x, y, wide, children)


def button(wid, stem, x, y, enabled=True, visible=True, wide=None, children=()):
    attrs = [("TEXTURE", _resource(stem))]
    if not enabled:
        attrs.append(("ENABLE", "0"))
    if not visible:
        attrs.append(("VISIBLE", "0"))
    return Widget("BUTTON5", wid, attrs, x, y, wide, children)


def label(wid, text, font, x, y, hot_spot=HS_MID, color=None, line_space=None, wide=None,
          visible=True):
    xml, page = FONTS[font]
    attrs = [("FONT_TEXTURE", page), ("FONT", xml), ("TEXT", text), ("HOT_SPOT", str(hot_spot))]
    if color:
        attrs.append(("FONT_COLOR", color))
    if line_space is not None:
        attrs.append(("LINE_SPACE", str(line_space)))
    if not visible:
        attrs.append(("VISIBLE", "0"))
    return Widget("WLABEL", wid, attrs, x, y, wide)


def checkbox(wid, x, y):
    return Widget("CHECKBOX", wid, [("TEXTURE", art.texture("checkbox"))], x, y)


def slider(wid, x0, x1, y):
    # A strip slider is placed by its track's two ends alone; the knob stops
    # a frame inside the buttons, where the groove's round ends lie.
    return Widget("SLIDER13", wid, [
        ("TEXTURE", art.texture("slider13")), ("START", "%d %d" % (x0, y)),
        ("END", "%d %d" % (x1, y)), ("RADIUS", "16"), ("BTN_DISTANCE", "1"), ("MIN", "0"), ("MAX", "100"),
        ("STEP", "5"), ("VALUE", "50")], 0, 0)


def panel_picture(stem, title, font="font_big", size=None):
    """The dialog card and its title on the header band."""
    w, h = size or art.PANELS[stem]
    top = -h // 2
    return [image(DIALOG.PANEL, stem, 0, 0, enabled=False),
            label(DIALOG.PANEL_TITLE, title, font, 0, top + art.PANEL_HEADER // 2 + 2)]


class Window:
    def __init__(self, name, wtype, widgets, layer, opening="SH_MOVE_DOWN", closing="SH_MOVE_UP",
                 time="0.4", modal=False, background=None, settings=None, fractions=None,
                 pixels=None):
        self.name = name
        self.wtype = wtype
        self.widgets = widgets
        self.layer = layer
        self.opening = opening
        self.closing = closing
        self.time = time
        self.modal = modal
        self.background = background
        self.settings = settings
        # The shown place in screen fractions or in pixels; neither: the
        # middle of the screen.
        self.fractions = fractions
        self.pixels = pixels

    def file(self):
        return "%s.xml" % self.name

    def lines(self):
        attrs = [("_type", self.wtype), ("_name", self.name), ("_typeOpen", self.opening),
                 ("_typeClose", self.closing)]
        if self.pixels is not None:
            attrs += [("_typePos", "POS_IN_PIX"), ("_position", "%d %d" % self.pixels)]
        elif self.fractions is not None:
            attrs += [("_typePos", "POS_IN_FRACTIONS"), ("_position", "%g %g" % self.fractions)]
        else:
            attrs.append(("_typePos", "POS_MIDDLE_SCREEN"))
        attrs += [("_timeShow", self.time), ("_modal", "true" if self.modal else "false"),
                  ("layer", str(self.layer))]
        out = xml_files.header() + ["<window %s>" % " ".join(
            "%s=%s" % (k, quoteattr(v)) for k, v in attrs)]
        if self.background:
            stem, start, end, size = self.background
            size_attr = ' SIZE="%s"' % size if size else ""
            out.append('  <background START_COLOR="%s" END_COLOR="%s"%s>%s</background>'
                       % (start, end, size_attr, art.texture(stem)))
        if self.settings:
            out.append("  <SETTINGS %s/>" % " ".join(
                "%s=%s" % (k, quoteattr(v)) for k, v in self.settings))
        out.append("  <GUI>")
        for widget in self.widgets:
            out += widget.lines(2)
        out += ["  </GUI>", "</window>"]
        return out


# Row geometry of the players list: the delete buttons stand beside
# the rows, and the new-player button takes the place of the first free one.
LIST_X, LIST_Y = -34, -8
ROW_HEIGHT = art.LIST_SIZE[1] // art.LIST_ROWS
ROW_BUTTON_X = LIST_X + art.LIST_SIZE[0] // 2 + 38


def row_y(row):
    return LIST_Y - art.LIST_SIZE[1] // 2 + ROW_HEIGHT // 2 + row * ROW_HEIGHT


def windows():
    back = Window("Back", "G_WINDOW_SIMPLE", [], 0, "SH_FADE", "SH_FADE", "0.6",
                  background=("title_back", "255 40 60 110", "255 255 255 255", None))
    logo = Window("Logo", "G_WINDOW_SIMPLE",
                  [image(LOGO.PICTURE, "logo", 0, -262, enabled=False)], 1)
    title = Window("Title", "SG_WINDOW_TITLE", [
        image(TITLE.NAME_PLATE, "name_plate", 0, -106),
        label(TITLE.PLAYER_LABEL, "label_title_player", "fnt20_blue", 10, -112),
        button(TITLE.PLAY_BUTTON, "button_play", 0, -14),
        button(TITLE.OPTIONS_BUTTON, "button_options", 0, 72),
        button(TITLE.PLAYERS_BUTTON, "button_players", 0, 144),
        button(TITLE.EXIT_BUTTON, "button_exit", 0, 216),
        button(TITLE.BUY_BUTTON, "button_buy", 0, 288, enabled=False, visible=False),
    ], 1, "SH_MOVE_UP", "SH_MOVE_DOWN")

    ow, oh = art.PANELS["panel_options"]
    options = Window("Options", "SG_WINDOW_OPTIONS", panel_picture("panel_options",
                                                                   "label_options_title") + [
        label(OPTIONS.SOUND_LABEL, "label_options_sound", "fnt20_blue", -240, -154, HS_ML),
        slider(OPTIONS.SOUND_SLIDER, -60, 240, -150),
        label(OPTIONS.MUSIC_LABEL, "label_options_music", "fnt20_blue", -240, -92, HS_ML),
        slider(OPTIONS.MUSIC_SLIDER, -60, 240, -88),
        checkbox(OPTIONS.FULL_SCREEN_BOX, -220, -20),
        label(OPTIONS.FULL_SCREEN_LABEL, "label_options_fullscreen", "fnt20_blue", -188, -24,
              HS_ML),
        checkbox(OPTIONS.GAME_CURSOR_BOX, -220, 40),
        label(OPTIONS.CURSOR_LABEL, "label_options_cursor", "fnt20_blue", -188, 36, HS_ML),
        button(OPTIONS.CREDITS_BUTTON, "button_credits", 150, 10),
        label(OPTIONS.VERSION_LABEL, "label_options_version", "font_text", 0, 118, color=INK),
        label(OPTIONS.COPYRIGHT_LABEL, "label_options_copyright", "font_text", 0, 146, color=INK),
        button(OPTIONS.OK_BUTTON, "button_ok", -105, oh // 2 - 62),
        button(OPTIONS.CANCEL_BUTTON, "button_cancel", 105, oh // 2 - 62),
    ], 2, modal=True, background=DIM)

    cw, ch = art.PANELS["panel_credits"]
    credits = Window("Credits", "SG_WINDOW_CREDITS", panel_picture("panel_credits",
                                                                   "label_credits_title") + [
        label(CREDITS.FIRST_LINE, "label_credits_game", "font_med", 0, -186, color=INK_BLUE),
        label(CREDITS.FIRST_LINE + 1, "label_credits_made", "font_text", 0, -154, color=INK),
        label(CREDITS.FIRST_LINE + 2, "label_credits_roles", "fnt20_blue", 0, -108),
        label(CREDITS.FIRST_LINE + 3, "label_credits_team", "font_text", 0, -80, color=INK),
        label(CREDITS.FIRST_LINE + 4, "label_credits_built", "fnt20_blue", 0, -34),
        label(CREDITS.FIRST_LINE + 5, "label_credits_libraries", "font_text", 0, 22, color=INK,
              line_space=4),
        label(CREDITS.FIRST_LINE + 6, "label_credits_thanks", "fnt20_blue", 0, 130),
        button(CREDITS.CLOSE_BUTTON, "button_close", 0, ch // 2 - 62),
    ], 3, modal=True, background=DIM)

    pw, ph = art.PANELS["panel_players"]
    rows = [button(PLAYERS.FIRST_DELETE_BUTTON + r, "button_delete", ROW_BUTTON_X, row_y(r)) for r in range(art.LIST_ROWS)]
    list_box = Widget("LISTBOX", PLAYERS.PLAYER_LIST, [
        ("LIST_TEXTURE", art.texture("list_selection")),
        ("PANEL_TEXTURE", art.texture("list_panel")),
        ("SLIDER12_TEXTURE", art.texture("slider13")),
        ("FONT", FONTS["fnt20_blue"][0]), ("FONT_TEXTURE", FONTS["fnt20_blue"][1]),
        ("VISIBLE_COUNT", str(art.LIST_ROWS)), ("LEFT_MARGIN", "22"), ("UPPER_MARGIN", "0"),
        ("FONT_COLOR", "255 255 255 255")], LIST_X, LIST_Y)
    players = Window("Players", "SG_WINDOW_PLAYERS", panel_picture("panel_players",
                                                                   "label_players_title") + [
        list_box] + rows + [
        button(PLAYERS.NEW_PLAYER_BUTTON, "button_new", ROW_BUTTON_X, row_y(0)),
        button(PLAYERS.OK_BUTTON, "button_ok", 0, ph // 2 - 62),
    ], 2, modal=True)

    ew, eh = art.PANELS["panel_editbox"]
    editbox = Window("Players_EditBox", "G_WINDOW_EDITBOX", panel_picture(
        "panel_editbox", "label_editbox_title", "font_med") + [
        label(EDITBOX.PROMPT_LABEL, "label_editbox_prompt", "font_text", 0, -52, color=INK),
        Widget("LINEBOX", EDITBOX.LINE_BOX, [
            ("TEXTURE", art.texture("line_box")),
            ("FONT", FONTS["fnt20_blue"][0]), ("FONT_TEXTURE", FONTS["fnt20_blue"][1]),
            ("MAXLEN", str(NAME_LETTERS)), ("CARRY_BLINK_TIME", "0.5"),
            ("FONT_COLOR", "255 255 255 255")],
            # The font's cell hangs below its letters: a deeper lower margin
            # lifts the text to the middle of the box.
            0, 0, inner=[("INPUT_AREA", "4 4 4 10")]),
        label(EDITBOX.FULL_LABEL, "label_editbox_full", "font_text", 0, 44, color=INK,
              visible=False),
        label(EDITBOX.ERROR_LABEL, "label_editbox_error", "font_text", 0, 44, color="FFD23F2C"),
        button(EDITBOX.OK_BUTTON, "button_ok", -100, eh // 2 - 56),
        button(EDITBOX.CANCEL_BUTTON, "button_cancel", 100, eh // 2 - 56),
    ], 3, modal=True, background=DIM,
        settings=[("text_color", "FFFFFFFF"), ("text_color_error", "FFFF6B5A")])

    kw, kh = art.PANELS["panel_confirm"]
    confirm_del = Window("Players_Confirm_Del", "SG_WINDOW_CONFIRM_EX", panel_picture(
        "panel_confirm", "label_delete_title", "font_med") + [
        label(CONFIRM.QUESTION_LABEL, "label_delete_question", "fnt20_blue", 0, -16),
        button(CONFIRM.YES_BUTTON, "button_yes", -100, kh // 2 - 52),
        button(CONFIRM.NO_BUTTON, "button_no", 100, kh // 2 - 52),
    ], 4, modal=True, background=DIM, settings=[("font_extra_text", "font_extra_text")])

    confirm_exit = Window("Confirm_Exit", "G_WINDOW_CONFIRM", panel_picture(
        "panel_confirm", "label_exit_title", "font_med") + [
        label(CONFIRM.QUESTION_LABEL, "label_exit_question", "fnt20_blue", 0, -10),
        button(CONFIRM.YES_BUTTON, "button_yes", -100, kh // 2 - 52),
        button(CONFIRM.NO_BUTTON, "button_no", 100, kh // 2 - 52),
    ], 4, modal=True, background=DIM)

    bw, bh = art.PANELS["panel_buy"]
    buy = Window("Buy", "SG_WINDOW_BUY", panel_picture("panel_buy", "label_buy_title") + [
        label(BUY.TEXT_LABEL, "label_buy_text", "fnt20_blue", 0, -30),
        button(BUY.OK_BUTTON, "button_ok", -192, bh // 2 - 56),
        button(BUY.LATER_BUTTON, "button_later", 0, bh // 2 - 56),
        button(BUY.CLOSE_BUTTON, "button_close", 192, bh // 2 - 56),
    ], 3, modal=True, background=DIM)
    return [back, logo, title, options, credits, players, editbox, confirm_del, confirm_exit, buy]


def label_rows():
    """(id, text) of every window label, for the string table."""
    return list(LABELS.items())


def write_list(resources, folder, list_name, group):
    """Writes each window's description and the list naming them; returns
    the files written."""
    made = []
    entries = []
    for window in group:
        xml_files.write(os.path.join(resources, folder, window.file()), window.lines())
        made.append("%s/%s" % (folder, window.file()))
        entries.append("  <window file=%s/>" % quoteattr("%s %s" % (folder, window.file())))
    xml_files.write(os.path.join(resources, folder, list_name),
                    xml_files.header() + ["<windows>"] + entries + ["</windows>"])
    return made + ["%s/%s" % (folder, list_name)]


def build_all(resources, more=()):
    """The application's window list: the menu windows and `more`."""
    return write_list(resources, FOLDER, LIST, windows() + list(more))
