"""The one palette and drawing style of the whole game (see tools/README.md).

Every generator takes its colours and line widths from here, so fonts,
interface pictures and field art keep one look.
"""


def hex_rgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


# Ink: the outline colour of everything drawn. Never pure black.
INK = hex_rgb("1B2A4A")
INK_SOFT = hex_rgb("34466E")
# The inside of an empty pipe: light enough that its shape reads against the
# ink outline on the belt and the board.
STEEL_LIGHT = hex_rgb("A3B6D2")
STEEL = hex_rgb("7088AE")

# Water.
WATER_LIGHT = hex_rgb("8BE8F7")
WATER = hex_rgb("2EC4E6")
WATER_DEEP = hex_rgb("1686C7")
WATER_DARK = hex_rgb("0E4C8A")

# Pipes and metal.
BRASS_LIGHT = hex_rgb("FFD27A")
BRASS = hex_rgb("F2A93B")
COPPER = hex_rgb("D9782D")
COPPER_DARK = hex_rgb("8C4A1F")

# Panels and paper.
CREAM = hex_rgb("FFF4DC")
PARCHMENT = hex_rgb("F6DDAE")

# Accents.
CORAL = hex_rgb("FF6B5A")
LEAF = hex_rgb("6CC24A")
SUN = hex_rgb("FFD23F")
BERRY = hex_rgb("B8487A")
WHITE = (1.0, 1.0, 1.0)

# Orange of the score pop-ups.
ORANGE_LIGHT = hex_rgb("FFE07A")
ORANGE = hex_rgb("FF9A1F")
ORANGE_DEEP = hex_rgb("E8590C")
EMBER = hex_rgb("6B2A0C")

# Blue of the blue text.
BLUE_LIGHT = hex_rgb("BFF3FF")
BLUE = hex_rgb("3FA9F5")
BLUE_DEEP = hex_rgb("1B5FC4")

# The three worlds: sky top, sky bottom, ground, ground shadow, accent.
WORLDS = {
    1: {  # Spring Meadows: fresh morning.
        "name": "Spring Meadows",
        "sky_top": hex_rgb("7FD3FF"), "sky_bottom": hex_rgb("DFF6FF"),
        "ground": hex_rgb("8FD16A"), "ground_dark": hex_rgb("4FA34A"),
        "accent": hex_rgb("FFD23F"),
    },
    2: {  # Sunstone Canyon: warm late afternoon.
        "name": "Sunstone Canyon",
        "sky_top": hex_rgb("FF9E6B"), "sky_bottom": hex_rgb("FFE3B0"),
        "ground": hex_rgb("E9A86B"), "ground_dark": hex_rgb("B8623A"),
        "accent": hex_rgb("7A4E8C"),
    },
    3: {  # Crystal Caverns: cool glow in the dark.
        "name": "Crystal Caverns",
        "sky_top": hex_rgb("1E1F4F"), "sky_bottom": hex_rgb("4A3E8F"),
        "ground": hex_rgb("3B3F8C"), "ground_dark": hex_rgb("23265E"),
        "accent": hex_rgb("5FF2E6"),
    },
}

# Line style: outline widths in pixels at the 1024x768 layout.
LINE_THICK = 3.0   # objects 40 px and larger
LINE_THIN = 2.0    # small objects and text
# Light comes from the upper left: highlights on upper-left edges, shadows
# fall to the lower right by this offset, in ink at this opacity.
SHADOW_OFFSET = (3.0, 4.0)
SHADOW_ALPHA = 0.35
