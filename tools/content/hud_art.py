"""Pictures of a level's windows: the pause, bonus and shop buttons, the
money panel, the water dial (face, the two fill halves, hand), the bottom
console, the tape housing with its call button and the belt, the press in
its five frames plain and upgraded with the cool-down sign, the trophy
pop-up, the tutorial card, and the stars and buttons of the finish and
pause windows. Same ink, palette and light as the menus and the field."""

import math

import cairo

from . import interface, menu_art as M, palette as P
from .atlas import canvas, surface_to_image
from .field_pipes import star
from .shapes import rounded_rect

FOLDER = "graphics/main/interface"
H = P.hex_rgb

DIAL = 130          # the fill squares; the game wipes them by this size
DIAL_FACE = 176
BELT_SIZE = (792, 64)   # drawn 748 wide: 17 of its 18 periods
BELT_PERIOD = 44
TAPE_HOUSING = (808, 96)
CALL_STRIP = 45     # the call button: the housing's right end
PRESS_SIZE = (120, 108)
CONSOLE_SIZE = (1366, 122)
MONEY_PANEL = (92, 38)
TROPHY_PANEL = (460, 230)
TUTORIAL_CARD = (430, 168)
BIG_STAR = 96


def texture(stem):
    return "%s %s.png" % (FOLDER, stem)


def _icon(draw):
    """A 56-px icon drawer of the interface pictures, fitted to a face."""
    def icon(ctx, cx, cy, size):
        scale = size * 0.78 / 56.0
        ctx.save()
        ctx.translate(cx - 28 * scale, cy - 28 * scale)
        ctx.scale(scale, scale)
        draw(ctx)
        ctx.restore()
    return icon


def _pause_sign(ctx, cx, cy, size):
    for dx in (-0.13, 0.13):
        x = cx + dx * size
        rounded_rect(ctx, x - size * 0.07, cy - size * 0.2, size * 0.14, size * 0.4, size * 0.05)
        ctx.set_source_rgb(*P.WHITE)
        ctx.fill_preserve()
        M._ink(ctx, P.LINE_THIN)


def _coin(ctx, cx, cy, r):
    ctx.new_path()
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    grad = cairo.RadialGradient(cx - r * 0.4, cy - r * 0.4, 1, cx, cy, r)
    grad.add_color_stop_rgb(0, *H("FFF3A6"))
    grad.add_color_stop_rgb(1, *P.BRASS)
    ctx.set_source(grad)
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    ctx.new_path()
    ctx.arc(cx, cy, r * 0.62, 0, 2 * math.pi)
    ctx.set_source_rgba(*P.COPPER, 0.7)
    ctx.set_line_width(max(1.5, r * 0.12))
    ctx.stroke()


def _buy_sign(ctx, cx, cy, size):
    _coin(ctx, cx - size * 0.06, cy + size * 0.04, size * 0.26)
    M._sign(ctx, "plus", cx + size * 0.2, cy - size * 0.2, size * 0.12)


# Round level buttons: stem -> (size, scheme, face).
BUTTONS = {
    "hud_pause": (60, "water", _pause_sign),
    "hud_completion": (64, "leaf", _icon(interface.draw_completion_icon)),
    "hud_destroy": (64, "coral", _icon(interface.draw_destruction_icon)),
    "hud_buy_bonus": (64, "brass", _buy_sign),
}
# Captioned buttons of the level's windows, as the menu buttons.
CAPTIONS = {
    "button_resume": (264, 62, "Resume", "leaf", 27),
    "button_restart": (264, 62, "Restart", "water", 27),
    "button_help": (264, 62, "Help", "water", 27),
    "button_menu": (264, 62, "Menu", "coral", 27),
    "button_next": (200, 60, "Next", "leaf", 27),
    "button_to_menu": (200, 60, "Menu", "water", 27),
    "button_skip": (150, 36, "Skip tutorial", "brass", 16),
}
PANELS = {"panel_pause": (420, 500), "panel_finish": (560, 470)}


def money_panel():
    w, h = MONEY_PANEL
    surface, ctx = canvas(w, h)
    rounded_rect(ctx, 14, 3, w - 18, h - 8, (h - 8) / 2)
    ctx.set_source(M._vgrad(3, h - 5, (P.WATER, P.WATER_DARK)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    _coin(ctx, 16, h / 2 - 1, 13)
    return surface_to_image(surface)


def dial_face():
    """The water clock: a half dial of brass over a dark glass, its centre at
    the picture's centre, where the fill halves and the hand turn."""
    s = DIAL_FACE
    c = s / 2
    surface, ctx = canvas(s, s)
    r = DIAL / 2 + 10

    def half(radius):
        ctx.new_path()
        ctx.arc(c, c, radius, math.pi, 2 * math.pi)
        ctx.line_to(c + radius, c + 14)
        ctx.arc(c + radius - 14, c + 14, 14, 0, math.pi / 2)
        ctx.line_to(c - radius + 14, c + 28)
        ctx.arc(c - radius + 14, c + 14, 14, math.pi / 2, math.pi)
        ctx.close_path()
    M._shadow(ctx, lambda: half(r))
    half(r)
    ctx.set_source(M._vgrad(c - r, c + 28, (P.BRASS_LIGHT, P.BRASS, P.COPPER)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THICK)
    ctx.new_path()
    ctx.arc(c, c, DIAL / 2 - 2, math.pi, 2 * math.pi)
    ctx.close_path()
    ctx.set_source(M._vgrad(c - DIAL / 2, c, (H("22345E"), P.INK)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    # Ticks every tenth of the way.
    for k in range(11):
        a = math.pi + k * math.pi / 10
        r0, r1 = DIAL / 2 - 2, DIAL / 2 + (7 if k % 5 == 0 else 4)
        ctx.move_to(c + r0 * math.cos(a), c + r0 * math.sin(a))
        ctx.line_to(c + r1 * math.cos(a), c + r1 * math.sin(a))
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(2.5)
    ctx.stroke()
    return surface_to_image(surface)


def dial_fill(colours, cracked=False):
    """A fill square: the half disc in its upper half, which the game wipes
    around the centre as the water clock runs. Cracked, it is the spent
    face the water gives back once it runs, so a dial emptied by the water
    reads as time up and not as the empty dial of a level just begun."""
    s = DIAL
    c = s / 2
    surface, ctx = canvas(s, s)
    ctx.new_path()
    ctx.move_to(c, c)
    ctx.arc(c, c, c - 6, math.pi, 2 * math.pi)
    ctx.close_path()
    ctx.save()
    ctx.clip_preserve()
    grad = cairo.RadialGradient(c, c, 8, c, c, c - 6)
    grad.add_color_stop_rgba(0, *colours[0], 0.95)
    grad.add_color_stop_rgba(1, *colours[1], 0.95)
    ctx.set_source(grad)
    ctx.fill()
    if cracked:
        for k in range(-6, 8):
            ctx.move_to(c + k * 13, 0)
            ctx.line_to(k * 13, c)
        ctx.set_source_rgba(*P.INK, 0.45)
        ctx.set_line_width(2.5)
        ctx.stroke()
    ctx.restore()
    return surface_to_image(surface)


def dial_hand():
    """The hand points up at rest; the game turns it about the centre."""
    s = DIAL
    c = s / 2
    surface, ctx = canvas(s, s)
    ctx.new_path()
    ctx.move_to(c - 5, c)
    ctx.line_to(c, 12)
    ctx.line_to(c + 5, c)
    ctx.close_path()
    ctx.set_source(M._vgrad(12, c, (P.WHITE, P.CREAM)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    M._disc(ctx, c, c, 9, (P.BRASS_LIGHT, P.BRASS, P.COPPER), shadow=False)
    return surface_to_image(surface)


def console():
    """The bottom console under the tape: a brass-rimmed dark blue shelf as
    wide as the wide layout."""
    w, h = CONSOLE_SIZE
    surface, ctx = canvas(w, h)
    ctx.rectangle(0, 8, w, h - 8)
    ctx.set_source(M._vgrad(8, h, (H("2F4A7E"), P.INK)))
    ctx.fill()
    ctx.rectangle(0, 0, w, 12)
    ctx.set_source(M._vgrad(0, 12, (P.BRASS_LIGHT, P.COPPER)))
    ctx.fill()
    ctx.move_to(0, 12)
    ctx.line_to(w, 12)
    ctx.move_to(0, 1)
    ctx.line_to(w, 1)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(2)
    ctx.stroke()
    for x in range(30, w, 120):
        M._rivet(ctx, x, 6)
    return surface_to_image(surface)


def tape_housing():
    """The frame the belt runs in, with the call button in its right strip:
    the game takes a release in the last CALL_STRIP pixels but two as a
    call. The belt starts 13 pixels in."""
    w, h = TAPE_HOUSING
    surface, ctx = canvas(w, h)
    rounded_rect(ctx, 2, 3, w - 4, h - 8, 18)
    ctx.set_source(M._vgrad(3, h - 5, (H("5A6C96"), H("34466E"))))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THICK)
    # The well the belt runs in.
    bx = w - CALL_STRIP - 2
    rounded_rect(ctx, 10, 14, bx - 14, h - 32, 8)
    ctx.set_source_rgb(*P.INK)
    ctx.fill()
    # The call button.
    by, bw, bh = 12, CALL_STRIP - 4, h - 28
    rounded_rect(ctx, bx, by, bw, bh, 10)
    ctx.set_source(M._vgrad(by, by + bh, (H("B7EB8F"), P.LEAF, H("3E8F2E"))))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN + 0.5)
    cx, cy = bx + bw / 2, by + bh / 2
    ctx.new_path()
    ctx.move_to(cx - 7, cy - 12)
    ctx.line_to(cx - 7, cy + 12)
    ctx.line_to(cx + 10, cy)
    ctx.close_path()
    ctx.set_source_rgb(*P.WHITE)
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    return surface_to_image(surface)


def belt():
    """The belt: a light band, so that a piece's brass walls and dark
    channel both stand out on it as they do on the field, with a rib every
    BELT_PERIOD pixels, so the picture repeats after each rib and the game
    can scroll it by whole periods. It has no slots: the pieces stand 60
    pixels apart and would sit across them."""
    w, h = BELT_SIZE
    surface, ctx = canvas(w, h)
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(M._vgrad(0, h, (H("F1F4F9"), H("DCE3EE"), H("C3CCDC"))))
    ctx.fill()
    for x0 in range(0, w, BELT_PERIOD):
        ctx.rectangle(x0, 5, 2, h - 10)
        ctx.set_source_rgba(*P.INK, 0.22)
        ctx.fill()
        ctx.rectangle(x0 + 2, 5, 1, h - 10)
        ctx.set_source_rgba(1, 1, 1, 0.8)
        ctx.fill()
    # The rails the belt runs between, in the housing's steel.
    for y0 in (0, h - 4):
        ctx.rectangle(0, y0, w, 4)
        ctx.set_source_rgb(*H("5A6C96"))
        ctx.fill()
    for y in (1, h - 1):
        ctx.move_to(0, y)
        ctx.line_to(w, y)
    ctx.set_source_rgb(*P.INK)
    ctx.set_line_width(2)
    ctx.stroke()
    return surface_to_image(surface)


def press_frame(closed, upgraded):
    """The press seen from the front: a frame with a ram that comes down by
    `closed` (0 open .. 1 shut) over the hopper. The upgraded press is
    steel-blue with a gear on its top."""
    w, h = PRESS_SIZE
    surface, ctx = canvas(w, h)
    body = (H("9FB4D6"), H("6F86B0"), H("4A5F8C")) if upgraded else (P.BRASS_LIGHT, P.BRASS,
                                                                       P.COPPER)
    # Hopper: a dark opening at the bottom that pieces drop into.
    rounded_rect(ctx, 16, h - 44, w - 32, 36, 8)
    ctx.set_source(M._vgrad(h - 44, h - 8, (H("1E2A44"), P.INK)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THICK)
    # Two columns and the top beam.
    for x in (6, w - 22):
        rounded_rect(ctx, x, 8, 16, h - 14, 5)
        ctx.set_source(M._vgrad(8, h, body))
        ctx.fill_preserve()
        M._ink(ctx, P.LINE_THIN + 0.5)
    rounded_rect(ctx, 2, 4, w - 8, 20, 7)
    ctx.set_source(M._vgrad(4, 24, body))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THICK)
    # The ram on its rod.
    travel = (h - 44) - 38
    top = 24 + travel * closed
    ctx.rectangle(w / 2 - 6, 22, 12, top - 20)
    ctx.set_source(M._vgrad(22, top, (H("D5DAE2"), H("8D97A8"))))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    rounded_rect(ctx, 24, top, w - 48, 18, 5)
    ctx.set_source(M._vgrad(top, top + 18, (H("E6E9EE"), H("7F8A9C"))))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN + 0.5)
    if upgraded:
        ctx.save()
        ctx.translate(w / 2, 14)
        ctx.new_path()
        for k in range(16):
            a = k * math.pi / 8
            rr = 11 if k % 2 == 0 else 8
            (ctx.move_to if k == 0 else ctx.line_to)(rr * math.cos(a), rr * math.sin(a))
        ctx.close_path()
        ctx.set_source_rgb(*P.SUN)
        ctx.fill_preserve()
        M._ink(ctx, P.LINE_THIN)
        ctx.arc(0, 0, 3.5, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.INK)
        ctx.fill()
        ctx.restore()
    return surface_to_image(surface)


def cooldown_sign():
    """An hourglass on a round sign: the press is cooling down."""
    s = 52
    surface, ctx = canvas(s, s)
    c = s / 2 - 2
    M._disc(ctx, c, c, 22, (P.WHITE, P.CREAM, P.PARCHMENT), outline=P.LINE_THICK)
    ctx.new_path()
    ctx.move_to(c - 9, c - 13)
    ctx.line_to(c + 9, c - 13)
    ctx.line_to(c + 2, c)
    ctx.line_to(c + 9, c + 13)
    ctx.line_to(c - 9, c + 13)
    ctx.line_to(c - 2, c)
    ctx.close_path()
    ctx.set_source_rgba(*P.WATER_LIGHT, 0.9)
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN)
    ctx.new_path()
    ctx.move_to(c - 6, c + 11)
    ctx.line_to(c + 6, c + 11)
    ctx.line_to(c, c + 5)
    ctx.close_path()
    ctx.set_source_rgb(*P.BRASS)
    ctx.fill()
    return surface_to_image(surface)


def big_star(filled):
    s = BIG_STAR
    surface, ctx = canvas(s, s)
    if filled:
        star(ctx, s / 2, s / 2 + 3, s / 2 - 6, line=P.LINE_THICK)
        ctx.new_path()
        ctx.arc(s / 2 - 10, s / 2 - 10, 5, 0, 2 * math.pi)
        ctx.set_source_rgba(1, 1, 1, 0.9)
        ctx.fill()
    else:
        # Grey all through: a star not earned must never read as a gold one.
        star(ctx, s / 2, s / 2 + 3, s / 2 - 6, fill=H("C9CFD8"), shade=H("A9B2C0"),
             line=P.LINE_THICK)
        ctx.new_path()
        for i in range(10):
            a = -math.pi / 2 + i * math.pi / 5
            rr = (s / 2 - 6) if i % 2 == 0 else (s / 2 - 6) * 0.47
            (ctx.move_to if i == 0 else ctx.line_to)(s / 2 + rr * math.cos(a),
                                                       s / 2 + 3 + rr * math.sin(a))
        ctx.close_path()
        ctx.set_source_rgba(*P.INK, 0.45)
        ctx.fill()
    return surface_to_image(surface)


def mark(filled):
    s = 30
    surface, ctx = canvas(s, s)
    if filled:
        star(ctx, s / 2, s / 2 + 1, 12)
    else:
        # Grey all through, so a rank still to win never reads as a gold one.
        star(ctx, s / 2, s / 2 + 1, 12, fill=H("EEF1F5"), shade=H("A9B2C0"))
    return surface_to_image(surface)


RANK_METALS = {
    1: (H("F2C49B"), H("C27A45"), H("8C4A1F")),   # bronze
    2: (H("FFFFFF"), H("C9CFD8"), H("7F8A9C")),   # silver
    3: (H("FFF3A6"), P.SUN, P.ORANGE),            # gold
}


def trophy_cup(rank):
    w, h = 84, 96
    surface, ctx = canvas(w, h)
    metal = RANK_METALS[rank]

    def cup():
        ctx.new_path()
        ctx.move_to(16, 10)
        ctx.line_to(w - 20, 10)
        ctx.curve_to(w - 20, 50, w / 2 + 8, 58, w / 2 + 5, 62)
        ctx.line_to(w / 2 + 5, 72)
        ctx.line_to(w / 2 + 18, 80)
        ctx.line_to(w / 2 - 22, 80)
        ctx.line_to(w / 2 - 9, 72)
        ctx.line_to(w / 2 - 9, 62)
        ctx.curve_to(w / 2 - 12, 58, 16, 50, 16, 10)
        ctx.close_path()
    M._shadow(ctx, cup)
    for side in (-1, 1):
        ctx.new_path()
        cx = w / 2 - 2 + side * 28
        ctx.arc(cx, 26, 11, 0, 2 * math.pi)
        ctx.set_source_rgb(*P.INK)
        ctx.set_line_width(9)
        ctx.stroke_preserve()
        ctx.set_source_rgb(*metal[1])
        ctx.set_line_width(4.5)
        ctx.stroke()
    cup()
    grad = cairo.LinearGradient(16, 0, w - 20, 0)
    grad.add_color_stop_rgb(0, *metal[0])
    grad.add_color_stop_rgb(0.5, *metal[1])
    grad.add_color_stop_rgb(1, *metal[2])
    ctx.set_source(grad)
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THICK)
    rounded_rect(ctx, w / 2 - 28, 80, 52, 12, 4)
    ctx.set_source(M._vgrad(80, 92, (H("7A5A8C"), H("4A3560"))))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN + 0.5)
    star(ctx, w / 2 - 2, 30, 11, fill=P.WHITE)
    return surface_to_image(surface)


def tutorial_card():
    """The card the tutorial's text stands on: cream paper in a water-blue
    frame, a drop badge at its upper left, and room at the bottom right for
    the button that skips the tutorial."""
    w, h = TUTORIAL_CARD
    surface, ctx = canvas(w, h)
    x, y, cw, ch = 3, 10, w - 10, h - 17
    M._shadow(ctx, lambda: rounded_rect(ctx, x, y, cw, ch, 20))
    rounded_rect(ctx, x, y, cw, ch, 20)
    ctx.set_source(M._vgrad(y, y + ch, (P.WHITE, P.CREAM)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THICK)
    rounded_rect(ctx, x + 7, y + 7, cw - 14, ch - 14, 14)
    ctx.set_source_rgba(*P.WATER, 0.6)
    ctx.set_line_width(2)
    ctx.stroke()
    # The drop badge.
    bx, by = x + 10, 4
    ctx.new_path()
    ctx.move_to(bx + 12, by)
    ctx.curve_to(bx + 16, by + 9, bx + 24, by + 15, bx + 24, by + 23)
    ctx.curve_to(bx + 24, by + 30, bx + 18.5, by + 35, bx + 12, by + 35)
    ctx.curve_to(bx + 5.5, by + 35, bx, by + 30, bx, by + 23)
    ctx.curve_to(bx, by + 15, bx + 8, by + 9, bx + 12, by)
    ctx.close_path()
    ctx.set_source(M._vgrad(by, by + 35, (P.WATER_LIGHT, P.WATER)))
    ctx.fill_preserve()
    M._ink(ctx, P.LINE_THIN + 0.5)
    ctx.new_path()
    ctx.arc(bx + 8, by + 24, 3, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, 0.8)
    ctx.fill()
    return surface_to_image(surface)


def pictures():
    out = {}
    for stem, (d, scheme, face) in BUTTONS.items():
        out[stem] = M.round_button_strip(d, scheme, face)
    for stem, (w, h, caption, scheme, size) in CAPTIONS.items():
        out[stem] = M.button_strip(w, h, caption, scheme, size)
    for stem, (w, h) in PANELS.items():
        out[stem] = M.panel(w, h)
    out["trophy_panel"] = M.panel(*TROPHY_PANEL)
    out["money_panel"] = money_panel()
    out["dial_face"] = dial_face()
    out["dial_fill_stars"] = dial_fill((P.WATER_LIGHT, P.WATER))
    out["dial_fill_hurry"] = dial_fill((P.ORANGE_LIGHT, P.CORAL))
    out["dial_spent"] = dial_fill((M._darker(P.BERRY, 0.35), P.BERRY), cracked=True)
    out["dial_hand"] = dial_hand()
    out["console"] = console()
    out["tape_housing"] = tape_housing()
    out["belt"] = belt()
    for n in range(1, 6):
        closed = (5 - n) / 4.0
        out["press_%d" % n] = press_frame(closed, False)
        out["press_%d" % (n + 10)] = press_frame(closed, True)
    out["press_cooldown"] = cooldown_sign()
    out["star_big"] = big_star(True)
    out["star_big_empty"] = big_star(False)
    out["mark_empty"] = mark(False)
    out["mark_filled"] = mark(True)
    for rank in (1, 2, 3):
        out["trophy_rank%d" % rank] = trophy_cup(rank)
    out["tutorial_card"] = tutorial_card()
    return out


def build_all(resources):
    return M.save_pictures(resources, FOLDER, pictures())
