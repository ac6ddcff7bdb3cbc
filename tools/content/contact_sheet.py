"""A review sheet of every font and picture of the start-up content.

Fonts are set the way the engine sets them (glyph offsets and advances from
the description, one line feed = line height + 3), on the three world moods
and on a cream panel, so their outlines and colours can be judged in place.
"""

import os
import xml.etree.ElementTree as ET

from PIL import Image, ImageDraw

from . import fonts, images, palette as P, texts

LINE_SPACING = 3


def _rgb(color):
    return tuple(int(round(c * 255)) for c in color)


class BitmapFont:
    def __init__(self, resources, name):
        root = ET.parse(os.path.join(resources, "fonts", name + ".xml")).getroot()
        self.page = Image.open(os.path.join(resources, "fonts", name + ".png")).convert("RGBA")
        self.line_height = int(root.find("common").get("lineHeight"))
        self.glyphs = {int(c.get("id")): {k: int(v) for k, v in c.attrib.items()}
                       for c in root.find("chars")}

    def draw(self, sheet, x, y, text, tint=(255, 255, 255)):
        pen, line = 0, 0
        for ch in text:
            if ch == "\n":
                pen, line = 0, line + 1
                continue
            g = self.glyphs.get(ord(ch), self.glyphs.get(63))
            if g["width"]:
                glyph = self.page.crop((g["x"], g["y"], g["x"] + g["width"], g["y"] + g["height"]))
                if tint != (255, 255, 255):
                    r, gg, b, a = glyph.split()
                    r = r.point(lambda v: v * tint[0] // 255)
                    gg = gg.point(lambda v: v * tint[1] // 255)
                    b = b.point(lambda v: v * tint[2] // 255)
                    glyph = Image.merge("RGBA", (r, gg, b, a))
                sheet.alpha_composite(glyph, (x + pen + g["xoffset"],
                                              y + line * (self.line_height + LINE_SPACING) + g["yoffset"]))
            pen += g["xadvance"]
        return (line + 1) * (self.line_height + LINE_SPACING)


SAMPLES = {
    "font_cg_25_orange": "+10  +25  +250  -5  0123456789",
    "font_cg_14_white": "0\n12   3\n4   7\n15   14\n29",
}


def build(resources, out_path):
    width = 1700
    sheet = Image.new("RGBA", (width, 2000), _rgb(P.INK) + (255,))
    draw = ImageDraw.Draw(sheet)
    label_font = BitmapFont(resources, "font_text")
    y = 20
    label_font.draw(sheet, 20, y, "Aquavex content sheet: fonts on the three world moods and a panel;"
                    " start-up pictures below.")
    y += 40
    moods = [P.WORLDS[1]["ground_dark"], P.WORLDS[2]["ground_dark"], P.WORLDS[3]["ground"], P.PARCHMENT]
    for style in fonts.STYLES:
        font = BitmapFont(resources, style.name)
        sample = SAMPLES.get(style.name, "Aquavex! Level 12 \u2022 \u00C9t\u00E9 caf\u00E9 \u2014 "
                             "0123456789 ?\n" + texts.TUTORIAL[1])
        height = font.line_height * (sample.count("\n") + 1) + 3 * sample.count("\n") + 24
        x = 20
        band = (width - 260) // len(moods)
        for i, mood in enumerate(moods):
            draw.rectangle((260 + i * band, y, 260 + (i + 1) * band - 8, y + height), fill=_rgb(mood))
        label_font.draw(sheet, x, y + 6, "%s\n%d px line" % (style.name, font.line_height))
        clip = Image.new("RGBA", (band - 20, height), (0, 0, 0, 0))
        font.draw(clip, 0, 10, sample)
        for i in range(len(moods)):
            # Plain text is meant to be tinted: show it in ink on the panel.
            if style.name == "font_text" and moods[i] == P.PARCHMENT:
                clip_ink = Image.new("RGBA", clip.size, (0, 0, 0, 0))
                font.draw(clip_ink, 0, 10, sample, _rgb(P.INK))
                sheet.alpha_composite(clip_ink, (270 + i * band, y))
            else:
                sheet.alpha_composite(clip, (270 + i * band, y))
        y += height + 16

    label_font.draw(sheet, 20, y, "Splash cards (loose files) over the loader colour, the pointer"
                    " (x1 and x2) and the white pixel (x16)")
    y += 34
    x = 20
    for rel, _ in images.SPLASHES:
        pic = Image.open(os.path.join(resources, rel)).convert("RGBA")
        pic = pic.resize((pic.width // 2, pic.height // 2), Image.LANCZOS)
        sheet.alpha_composite(pic, (x, y))
        label_font.draw(sheet, x, y + pic.height + 6, rel)
        x += pic.width + 20
    cursor = Image.open(os.path.join(resources, images.CURSOR)).convert("RGBA")
    for i, mood in enumerate((P.WORLDS[1]["sky_top"], P.CREAM, P.WORLDS[3]["sky_top"])):
        draw.rectangle((x, y + i * 130, x + 200, y + i * 130 + 120), fill=_rgb(mood))
        sheet.alpha_composite(cursor, (x + 10, y + i * 130 + 10))
        big = cursor.resize((cursor.width * 4 // 2, cursor.height * 4 // 2), Image.NEAREST)
        sheet.alpha_composite(big, (x + 70, y + i * 130 + 20))
    pixel = Image.open(os.path.join(resources, images.WHITE_PIXEL)).convert("RGBA")
    sheet.alpha_composite(pixel.resize((pixel.width * 16, pixel.height * 16), Image.NEAREST),
                          (x + 220, y))
    y += 440
    sheet = sheet.crop((0, 0, width, y))
    os.makedirs(os.path.dirname(out_path), exist_ok=True)
    sheet.convert("RGB").save(out_path)
    return out_path
