"""The XML descriptions read at start-up, and the configuration source."""

import os
from xml.sax.saxutils import escape, quoteattr

from . import (card_pages, fonts, help_window, images, level_windows, music, panel_windows,
               shop_window, sounds, texts, tuning, windows)
from .xml_files import COMPANY, COPYRIGHT, PRODUCT, VERSION, header as _header, write as _write

# Every repository below Resources that resource names use, besides the
# main one, "xml" and the two packed ones that the game mounts itself.
REPOSITORIES = [
    "fonts", "sounds", "music",
    "graphics/gui", "graphics/main", "graphics/main/interface", "graphics/main/backs",
    "graphics/gui/road", "graphics/comics", "graphics/closeups", "graphics/gui/help",
    "xml/Windows", "xml/Game",
]

SPLASH_TIME = "2.5"
SPLASH_FADE = "0.6"


def game_xml():
    return _header() + [
        "<game>",
        "  <company value=%s/>" % quoteattr(COMPANY),
        "  <product value=%s/>" % quoteattr(PRODUCT),
        "  <version value=%s/>" % quoteattr(VERSION),
        "  <copyright value=%s/>" % quoteattr(COPYRIGHT),
        "</game>",
    ]


def resource_list_xml():
    return _header() + ["<resources>"] + [
        "  <repository value=%s/>" % quoteattr(r) for r in REPOSITORIES] + ["</resources>"]


def settings_xml():
    return _header() + ['<screen fullscreen="false" width="1024" height="768"/>']


def screen_loading_xml():
    r, g, b = (int(round(c * 255)) for c in images.BACK)
    lines = _header() + ["<screen_loading>",
                         '  <splashes time_per_splash="%s" time_fade="%s" back_color="255 %d %d %d">'
                         % (SPLASH_TIME, SPLASH_FADE, r, g, b)]
    for rel, _ in images.SPLASHES:
        lines.append("    <splash><FILE>%s</FILE><HOT_SPOT/></splash>" % escape(rel))
    return lines + ["  </splashes>", "</screen_loading>"]


def cursor_xml():
    folder, name = os.path.split(images.CURSOR)
    return _header() + ["<cursor file=%s/>" % quoteattr(folder + " " + name)]


def fonts_xml():
    lines = _header() + ["<fonts>"]
    for style in fonts.STYLES:
        lines.append("  <font name=%s texture=%s xml=%s/>" % (
            quoteattr(style.name), quoteattr("fonts %s.png" % style.name),
            quoteattr("fonts %s.xml" % style.name)))
    return lines + ["</fonts>"]


def sounds_xml():
    # Looping sounds are streamed by the sound thread ("streamed" false); the
    # short effects are decoded whole when loaded ("streamed" true).
    lines = _header() + ["<sounds>"]
    for name in music.PIECES:
        lines.append('  <sound name=%s path=%s buffcount="2" streamed="false" music="true"/>'
                     % (quoteattr(name), quoteattr("music %s.ogg" % name)))
    for name in sounds.SOUNDS:
        streamed = "false" if name in sounds.LOOPED else "true"
        lines.append('  <sound name=%s path=%s buffcount="2" streamed="%s" music="false"/>'
                     % (quoteattr(name), quoteattr("sounds %s.ogg" % name), streamed))
    return lines + ["</sounds>"]


def _cell(text):
    return "<Cell><Data>%s</Data></Cell>" % escape(text).replace("\n", "&#10;")


def strings_xml():
    rows = (texts.rows() + windows.label_rows() + level_windows.label_rows() +
            panel_windows.label_rows() + help_window.label_rows() + card_pages.label_rows() +
            shop_window.label_rows())
    keys = [k for k, _ in rows]
    assert len(keys) == len(set(keys)), "duplicate string id"
    lines = _header() + ["<Workbook>", '<Worksheet Name="Texts">', "<Table>"]
    lines += ["<Row>%s%s</Row>" % (_cell(k), _cell(v)) for k, v in rows]
    return lines + ["</Table>", "</Worksheet>", "</Workbook>"]


def config_xml():
    lines = _header() + ["<config>"]
    seen = set()
    for title, entries in tuning.sections():
        lines.append("  <!-- %s -->" % title)
        for key, value in entries:
            assert key not in seen, key
            seen.add(key)
            lines.append("  <%s text=%s/>" % (key, quoteattr(value)))
    return lines + ["</config>"]


def build_all(resources, config_dir):
    xml = os.path.join(resources, "xml")
    _write(os.path.join(xml, "game.xml"), game_xml())
    _write(os.path.join(xml, "resource_list.xml"), resource_list_xml())
    _write(os.path.join(xml, "Settings.xml"), settings_xml())
    _write(os.path.join(xml, "screen_loading.xml"), screen_loading_xml())
    _write(os.path.join(xml, "gCursor.xml"), cursor_xml())
    _write(os.path.join(xml, "fonts.xml"), fonts_xml())
    _write(os.path.join(xml, "sounds.xml"), sounds_xml())
    _write(os.path.join(xml, "strings.xml"), strings_xml())
    _write(os.path.join(config_dir, "config.xml"), config_xml())
