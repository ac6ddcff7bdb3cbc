"""The four comic pages of the story: a town's fountain runs dry, the
player lays pipes across the meadows, the canyon and the caverns to a hidden
spring, and the water comes home. Each page is four panels drawn like the
splash cards (ink outlines, brass pipes, bright water, light from the upper
left), each with its line of the story on a cream band."""

import math

import cairo

from . import images
from . import menu_art as art
from . import palette as P
from . import panel_art
from .atlas import canvas, surface_to_image
from .shapes import rounded_rect

FOLDER = "graphics/comics"
PANEL = (410, 236)
CAPTION = 50
H = P.hex_rgb

TITLES = {
    1: "The Dry Fountain",
    2: "Over to the Canyon",
    3: "Into the Caverns",
    4: "The Water Comes Home",
}

# Page -> its panels: (scene, line of the story).
STORY = {
    1: [("town_dry", "One morning the town fountain ran dry."),
        ("spring_dry", "The old pipe from the hills gave no water."),
        ("map", "Far away, a spring still flows."),
        ("pipes_ready", "Grab your pipes and lead the water home!")],
    2: [("meadow_flow", "The meadows are crossed: the farms drink!"),
        ("canyon_edge", "But the spring lies past the canyon."),
        ("canyon_bridge", "Over the red rock the pipes go on."),
        ("canyon_road", "On through the canyon!")],
    3: [("cave_mouth", "At the canyon's end the trail goes down."),
        ("cavern", "Deep inside, the crystals glow in the dark."),
        ("spring_near", "Listen... the hidden spring is near!"),
        ("cavern_pipe", "Lay the last pipes through the caverns!")],
    4: [("spring_found", "The spring! The last pipe clicks into place."),
        ("water_rush", "Water rushes back through every world."),
        ("town_wet", "The town fountain sprays again!"),
        ("finale", "Thank you for bringing the water home!")],
}


def texture(page, panel):
    return "%s comic%d_%d.png" % (FOLDER, page, panel)


def _fill_outline(ctx, fill, width=P.LINE_THICK):
    ctx.set_source(fill) if isinstance(fill, cairo.Pattern) else ctx.set_source_rgb(*fill)
    ctx.fill_preserve()
    art._ink(ctx, width)


def _vgrad(y0, y1, stops):
    return panel_art._vgrad(y0, y1, stops)


def _ground(ctx, w, h, world, level):
    look = P.WORLDS[world]
    ctx.new_path()
    ctx.move_to(0, h)
    for x in range(0, w + 20, 20):
        ctx.line_to(x, level + 6 * math.sin(x / 45.0))
    ctx.line_to(w, h)
    ctx.close_path()
    _fill_outline(ctx, _vgrad(level, h, (look["ground"], look["ground_dark"])))


def _sky(ctx, w, h, world):
    look = P.WORLDS[world]
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(_vgrad(0, h, (look["sky_top"], look["sky_bottom"])))
    ctx.fill()


def _sun(ctx, x, y, r, glad=True):
    for k in range(10):
        a = k * math.pi / 5
        ctx.new_path()
        ctx.move_to(x + math.cos(a) * r * 1.25, y + math.sin(a) * r * 1.25)
        ctx.line_to(x + math.cos(a) * r * 1.6, y + math.sin(a) * r * 1.6)
        ctx.set_source_rgb(*P.SUN)
        ctx.set_line_width(4)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.stroke()
    ctx.new_path()
    ctx.arc(x, y, r, 0, 2 * math.pi)
    _fill_outline(ctx, _vgrad(y - r, y + r, (P.ORANGE_LIGHT, P.SUN)), P.LINE_THIN)
    _face(ctx, x, y, r * 0.8, glad)


def _face(ctx, x, y, s, glad):
    for ex in (-0.35, 0.35):
        ctx.new_path()
        ctx.arc(x + ex * s, y - 0.15 * s, 0.1 * s, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.INK)
        ctx.fill()
    ctx.new_path()
    if glad:
        ctx.arc(x, y + 0.05 * s, 0.35 * s, 0.2 * math.pi, 0.8 * math.pi)
    else:
        ctx.arc(x, y + 0.55 * s, 0.3 * s, 1.2 * math.pi, 1.8 * math.pi)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(2)
    ctx.stroke()


def _house(ctx, x, base, w, h, wall, roof):
    ctx.rectangle(x, base - h, w, h)
    _fill_outline(ctx, wall, P.LINE_THIN)
    ctx.new_path()
    ctx.move_to(x - 6, base - h)
    ctx.line_to(x + w / 2, base - h - w * 0.55)
    ctx.line_to(x + w + 6, base - h)
    ctx.close_path()
    _fill_outline(ctx, roof, P.LINE_THIN)
    ctx.rectangle(x + w * 0.36, base - h * 0.5, w * 0.28, h * 0.5)
    _fill_outline(ctx, P.COPPER_DARK, P.LINE_THIN)
    ctx.rectangle(x + w * 0.12, base - h * 0.85, w * 0.2, h * 0.22)
    _fill_outline(ctx, P.WATER_LIGHT, 1.5)


def _town(ctx, w, base):
    for x, hw, hh, wall, roof in ((18, 60, 52, P.CREAM, P.CORAL), (90, 50, 66, P.PARCHMENT, P.BERRY),
                                  (w - 150, 56, 58, P.CREAM, P.WATER_DEEP),
                                  (w - 80, 62, 48, P.PARCHMENT, P.CORAL)):
        _house(ctx, x, base, hw, hh, wall, roof)


def _fountain(ctx, cx, base, water):
    # Basin.
    ctx.save()
    ctx.translate(cx, base - 14)
    ctx.scale(64, 16)
    ctx.new_path()
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    _fill_outline(ctx, _vgrad(base - 30, base, (H("D5DAE2"), H("8A94A8"))))
    ctx.save()
    ctx.translate(cx, base - 18)
    ctx.scale(52, 10)
    ctx.new_path()
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    if water:
        _fill_outline(ctx, _vgrad(base - 28, base - 8, (P.WATER_LIGHT, P.WATER)), P.LINE_THIN)
    else:
        _fill_outline(ctx, H("B8A27A"), P.LINE_THIN)
        for dx in (-30, -6, 18):
            ctx.new_path()
            ctx.move_to(cx + dx, base - 22)
            ctx.line_to(cx + dx + 6, base - 18)
            ctx.line_to(cx + dx + 2, base - 14)
            ctx.set_source_rgb(*P.COPPER_DARK)
            ctx.set_line_width(1.5)
            ctx.stroke()
    # Column and spout.
    ctx.rectangle(cx - 8, base - 70, 16, 52)
    _fill_outline(ctx, _vgrad(base - 70, base - 18, (H("E8ECF2"), H("A3ADBF"))), P.LINE_THIN)
    ctx.new_path()
    ctx.arc(cx, base - 74, 14, 0, 2 * math.pi)
    _fill_outline(ctx, _vgrad(base - 88, base - 60, (H("E8ECF2"), H("A3ADBF"))), P.LINE_THIN)
    if water:
        for side in (-1, 1):
            images._stream(ctx, [(cx, base - 86), (cx + side * 30, base - 120),
                                 (cx + side * 50, base - 70), (cx + side * 48, base - 26)])
        images._drop(ctx, cx, base - 96, 14)
        for x, y, r in ((cx - 70, base - 90, 6), (cx + 72, base - 100, 8), (cx + 20, base - 130, 5)):
            images._bubble(ctx, x, y, r, 0.9)


def _pipe(ctx, points, width=22):
    images._pipe(ctx, points, width)


def _water_from(ctx, x, y, direction, length=60):
    images._stream(ctx, [(x, y), (x + direction * length * 0.5, y), (x + direction * length * 0.8,
                                                                       y + length * 0.3),
                         (x + direction * length, y + length * 0.9)])


def _mesas(ctx, w, h, level):
    look = P.WORLDS[2]
    for x0, x1, top, colour in ((-20, 150, 70, look["ground_dark"]), (w - 140, w + 20, 90,
                                                                         look["ground_dark"])):
        ctx.new_path()
        ctx.move_to(x0, level)
        ctx.line_to(x0 + 14, top)
        ctx.line_to(x1 - 14, top)
        ctx.line_to(x1, level)
        ctx.close_path()
        _fill_outline(ctx, _vgrad(top, level, (look["ground"], colour)))
        for band in (0.35, 0.65):
            y = top + (level - top) * band
            ctx.new_path()
            ctx.move_to(x0 + 10, y)
            ctx.line_to(x1 - 10, y)
            ctx.set_source_rgba(*P.INK, 0.3)
            ctx.set_line_width(2)
            ctx.stroke()


def _crystal(ctx, x, base, height, width):
    ctx.new_path()
    ctx.move_to(x - width, base)
    ctx.line_to(x - width * 0.6, base - height * 0.8)
    ctx.line_to(x, base - height)
    ctx.line_to(x + width * 0.6, base - height * 0.8)
    ctx.line_to(x + width, base)
    ctx.close_path()
    _fill_outline(ctx, _vgrad(base - height, base, (H("C9FFFA"), P.WORLDS[3]["accent"], H("2E8FB0"))),
                  P.LINE_THIN)
    glow = cairo.RadialGradient(x, base - height / 2, 0, x, base - height / 2, height)
    glow.add_color_stop_rgba(0, *P.WORLDS[3]["accent"], 0.35)
    glow.add_color_stop_rgba(1, *P.WORLDS[3]["accent"], 0.0)
    ctx.set_source(glow)
    ctx.arc(x, base - height / 2, height, 0, 2 * math.pi)
    ctx.fill()


def _cave(ctx, w, h):
    look = P.WORLDS[3]
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(_vgrad(0, h, (look["sky_top"], look["sky_bottom"])))
    ctx.fill()
    ctx.new_path()
    ctx.move_to(0, 0)
    for k in range(11):
        ctx.line_to(w * k / 10, 26 if k % 2 else 8)
    ctx.line_to(w, 0)
    ctx.close_path()
    _fill_outline(ctx, look["ground_dark"], P.LINE_THIN)
    ctx.rectangle(-4, h - 70, w + 8, 80)
    _fill_outline(ctx, _vgrad(h - 70, h, (look["ground"], look["ground_dark"])), P.LINE_THIN)


def _spring(ctx, cx, base):
    glow = cairo.RadialGradient(cx, base - 20, 0, cx, base - 20, 120)
    glow.add_color_stop_rgba(0, *P.WATER_LIGHT, 0.7)
    glow.add_color_stop_rgba(1, *P.WATER_LIGHT, 0.0)
    ctx.set_source(glow)
    ctx.arc(cx, base - 20, 120, 0, 2 * math.pi)
    ctx.fill()
    ctx.save()
    ctx.translate(cx, base - 6)
    ctx.scale(70, 16)
    ctx.new_path()
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    _fill_outline(ctx, _vgrad(base - 22, base + 10, (P.WATER_LIGHT, P.WATER, P.WATER_DEEP)))
    for x, y, r in ((cx - 20, base - 40, 7), (cx + 14, base - 60, 5), (cx + 30, base - 30, 9)):
        images._bubble(ctx, x, y, r, 0.9)


def _wrench(ctx, x, y, angle):
    ctx.save()
    ctx.translate(x, y)
    ctx.rotate(angle)
    rounded_rect(ctx, -6, -4, 70, 12, 6)
    _fill_outline(ctx, _vgrad(-4, 8, (H("E8ECF2"), H("8A94A8"))), P.LINE_THIN)
    ctx.new_path()
    ctx.arc(-8, 2, 14, 0.35 * math.pi, 1.65 * math.pi)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(10)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(-8, 2, 14, 0.35 * math.pi, 1.65 * math.pi)
    ctx.set_source_rgb(*H("C9CFD8"))
    ctx.set_line_width(5)
    ctx.stroke()
    ctx.restore()


def _mini(ctx, world, x, y, w, h):
    ctx.save()
    rounded_rect(ctx, x, y, w, h, 10)
    ctx.clip()
    panel_art.landscape(ctx, world, x, y, w, h)
    ctx.restore()
    rounded_rect(ctx, x, y, w, h, 10)
    art._ink(ctx, P.LINE_THIN)


# ---- the scenes ------------------------------------------------------------------

def town_dry(ctx, w, h):
    _sky(ctx, w, h, 2)
    _sun(ctx, w - 60, 44, 24, glad=False)
    _ground(ctx, w, h, 1, h - 40)
    _town(ctx, w, h - 36)
    _fountain(ctx, w / 2, h - 22, water=False)


def spring_dry(ctx, w, h):
    _sky(ctx, w, h, 1)
    _ground(ctx, w, h, 1, h - 90)
    _pipe(ctx, [(-20, h - 120), (140, h - 120), (140, h - 60), (250, h - 60)])
    images._spout(ctx, 250, h - 60, 22, 1)
    ctx.new_path()
    ctx.arc(300, h - 58, 18, 0, 2 * math.pi)
    ctx.set_source_rgba(*P.INK, 0.15)
    ctx.fill()
    art._caption(ctx, "?", 300, h - 120, 40, P.WHITE, P.CREAM)
    art._caption(ctx, "?", 340, h - 150, 28, P.WHITE, P.CREAM)


def map_scene(ctx, w, h):
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(_vgrad(0, h, (P.CREAM, P.PARCHMENT)))
    ctx.fill()
    # The three worlds, and under them the way from the town to the
    # spring's drop, all inside the picture above the caption band.
    for k, world in enumerate((1, 2, 3)):
        _mini(ctx, world, 14 + k * 132, 14, 118, 94)
    route = h - 40
    ctx.new_path()
    ctx.move_to(40, route)
    ctx.curve_to(140, route + 24, 260, route - 24, 366, route)
    ctx.set_source_rgb(*P.CORAL)
    ctx.set_line_width(4)
    ctx.set_dash([10, 8])
    ctx.stroke()
    ctx.set_dash([])
    _house(ctx, 24, route + 14, 26, 20, P.CREAM, P.CORAL)
    images._drop(ctx, 380, route - 4, 18)


def pipes_ready(ctx, w, h):
    _sky(ctx, w, h, 1)
    _ground(ctx, w, h, 1, h - 80)
    for k in range(3):
        _pipe(ctx, [(60 + k * 12, h - 40 - k * 22), (200 + k * 12, h - 40 - k * 22)], 20)
    _pipe(ctx, [(250, h - 30), (250, h - 90), (300, h - 90)], 20)
    _wrench(ctx, 320, h - 40, -0.5)
    images._drop(ctx, w - 50, 60, 26)
    _face(ctx, w - 50, 58, 14, True)


def meadow_flow(ctx, w, h):
    _sky(ctx, w, h, 1)
    _sun(ctx, 50, 44, 20)
    _ground(ctx, w, h, 1, h - 70)
    _house(ctx, w - 110, h - 50, 70, 50, P.PARCHMENT, P.CORAL)
    _pipe(ctx, [(-20, h - 40), (200, h - 40), (200, h - 100), (w - 150, h - 100)])
    _water_from(ctx, w - 140, h - 100, 1, 50)
    for x in (90, 130):
        ctx.new_path()
        ctx.arc(x, h - 70, 10, 0, 2 * math.pi)
        _fill_outline(ctx, P.LEAF, P.LINE_THIN)


def canyon_edge(ctx, w, h):
    _sky(ctx, w, h, 2)
    _mesas(ctx, w, h, h)
    ctx.rectangle(-4, h - 60, 170, 70)
    _fill_outline(ctx, P.WORLDS[1]["ground"])
    _pipe(ctx, [(-20, h - 40), (140, h - 40)])
    images._spout(ctx, 146, h - 40, 22, 1)
    art._caption(ctx, "!", 230, 80, 44, P.WHITE, P.CREAM)


def canyon_bridge(ctx, w, h):
    _sky(ctx, w, h, 2)
    _mesas(ctx, w, h, h)
    _pipe(ctx, [(-20, 90), (w + 20, 90)], 24)
    for x in (130, 280):
        images._flange(ctx, x, 90, 24, False)
    _sun(ctx, w / 2, 40, 18)


def canyon_road(ctx, w, h):
    _sky(ctx, w, h, 2)
    _mesas(ctx, w, h, h - 30)
    _ground(ctx, w, h, 2, h - 40)
    _pipe(ctx, [(-20, h - 30), (120, h - 30), (120, h - 80), (w + 20, h - 80)])
    images._drop(ctx, 160, 60, 24)
    _face(ctx, 160, 58, 13, True)
    art._caption(ctx, "\u2192", 260, 60, 50, P.WHITE, P.CREAM)


def cave_mouth(ctx, w, h):
    _sky(ctx, w, h, 2)
    ctx.rectangle(-4, 20, w + 8, h)
    _fill_outline(ctx, _vgrad(20, h, (P.WORLDS[2]["ground"], P.WORLDS[2]["ground_dark"])))
    ctx.new_path()
    ctx.move_to(w / 2 - 80, h)
    ctx.curve_to(w / 2 - 80, 50, w / 2 + 80, 50, w / 2 + 80, h)
    ctx.close_path()
    _fill_outline(ctx, _vgrad(60, h, (P.WORLDS[3]["sky_top"], P.INK)))
    _crystal(ctx, w / 2 + 30, h - 10, 50, 12)
    _pipe(ctx, [(-20, h - 30), (w / 2 - 20, h - 30)])


def cavern(ctx, w, h):
    _cave(ctx, w, h)
    for x, ch, cw in ((60, 90, 18), (100, 60, 12), (280, 110, 22), (330, 70, 14), (190, 40, 10)):
        _crystal(ctx, x, h - 60, ch, cw)


def spring_near(ctx, w, h):
    _cave(ctx, w, h)
    _crystal(ctx, 50, h - 60, 80, 16)
    _crystal(ctx, w - 60, h - 60, 90, 18)
    glow = cairo.RadialGradient(w / 2, h - 60, 0, w / 2, h - 60, 150)
    glow.add_color_stop_rgba(0, *P.WATER_LIGHT, 0.6)
    glow.add_color_stop_rgba(1, *P.WATER_LIGHT, 0.0)
    ctx.set_source(glow)
    ctx.paint()
    for x, y in ((170, 80), (220, 60), (260, 90)):
        art._caption(ctx, "~", x, y, 30, P.WATER_LIGHT, P.WHITE)


def cavern_pipe(ctx, w, h):
    _cave(ctx, w, h)
    _crystal(ctx, 80, h - 60, 70, 14)
    _crystal(ctx, 330, h - 60, 100, 20)
    _pipe(ctx, [(-20, h - 40), (150, h - 40), (150, h - 90), (260, h - 90)])
    _wrench(ctx, 290, h - 50, 0.4)


def spring_found(ctx, w, h):
    _cave(ctx, w, h)
    _crystal(ctx, 50, h - 60, 80, 16)
    _crystal(ctx, w - 40, h - 60, 70, 14)
    _spring(ctx, w - 130, h - 46)
    _pipe(ctx, [(-20, h - 60), (200, h - 60)])
    images._spout(ctx, 206, h - 60, 22, 1)


def water_rush(ctx, w, h):
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(_vgrad(0, h, (P.CREAM, P.PARCHMENT)))
    ctx.fill()
    for k, world in enumerate((3, 2, 1)):
        _mini(ctx, world, 8 + k * 134, 14, 126, h - 28)
    _pipe(ctx, [(-20, h / 2 + 20), (w + 20, h / 2 + 20)], 22)
    for x in range(30, w, 60):
        images._drop(ctx, x, h / 2 + 2, 10)
    art._caption(ctx, "\u2192", w / 2, 50, 44, P.WHITE, P.WATER_LIGHT)


def town_wet(ctx, w, h):
    _sky(ctx, w, h, 1)
    _sun(ctx, w - 60, 44, 24)
    _ground(ctx, w, h, 1, h - 40)
    _town(ctx, w, h - 36)
    _fountain(ctx, w / 2, h - 22, water=True)


def finale(ctx, w, h):
    images._radial_backdrop(ctx, w, h, P.WATER, P.WATER_DEEP, 260)
    images.light_rays(ctx, (w / 2, h / 2), 12, 0, 30, 0.06, 400)
    images._drop(ctx, w / 2, h / 2 + 30, 70)
    _face(ctx, w / 2, h / 2 + 26, 36, True)
    for x, y, r in ((60, 60, 12), (350, 50, 9), (90, 150, 7), (330, 150, 14)):
        images._bubble(ctx, x, y, r, 0.9)


SCENES = {
    "town_dry": town_dry, "spring_dry": spring_dry, "map": map_scene, "pipes_ready": pipes_ready,
    "meadow_flow": meadow_flow, "canyon_edge": canyon_edge, "canyon_bridge": canyon_bridge,
    "canyon_road": canyon_road, "cave_mouth": cave_mouth, "cavern": cavern,
    "spring_near": spring_near, "cavern_pipe": cavern_pipe, "spring_found": spring_found,
    "water_rush": water_rush, "town_wet": town_wet, "finale": finale,
}


def comic_panel(scene, line):
    """One framed panel: the scene above, the story's line on a cream band."""
    w, h = PANEL
    surface, ctx = canvas(w, h)
    x, y, pw, ph = 3, 2, w - 9, h - 9
    art._shadow(ctx, lambda: rounded_rect(ctx, x, y, pw, ph, 12))
    ctx.save()
    rounded_rect(ctx, x, y, pw, ph, 12)
    ctx.clip()
    ctx.translate(x, y)
    SCENES[scene](ctx, pw, ph - CAPTION)
    ctx.rectangle(0, ph - CAPTION, pw, CAPTION)
    ctx.set_source(_vgrad(ph - CAPTION, ph, (P.CREAM, P.PARCHMENT)))
    ctx.fill()
    ctx.new_path()
    ctx.move_to(0, ph - CAPTION)
    ctx.line_to(pw, ph - CAPTION)
    art._ink(ctx, P.LINE_THIN)
    ctx.select_font_face("DejaVu Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    size = 17
    ctx.set_font_size(size)
    while ctx.text_extents(line).x_advance > pw - 24:
        size -= 1
        ctx.set_font_size(size)
    ext = ctx.text_extents(line)
    ctx.move_to((pw - ext.x_advance) / 2, ph - CAPTION / 2 + size * 0.36)
    ctx.set_source_rgb(*P.INK)
    ctx.show_text(line)
    ctx.restore()
    rounded_rect(ctx, x, y, pw, ph, 12)
    art._ink(ctx, P.LINE_THICK)
    return surface_to_image(surface)


def pictures():
    out = {}
    for page, panels in STORY.items():
        for k, (scene, line) in enumerate(panels, 1):
            out["comic%d_%d" % (page, k)] = comic_panel(scene, line)
    return out


def build_all(resources):
    return art.save_pictures(resources, FOLDER, pictures())
