"""The string table: the fixed text ids the game code looks up.

Window label ids live with the window descriptions. Texts are drawn as
formats, so the only '%' they hold is the "%i" that a template receives.
A line feed starts a new line.
"""

from . import tuning

TUTORIAL = {
    1: "Click the pipe piece on the belt to pick\nit up, then click the marked cell to lay it.",
    2: ("Take the new piece from the belt.\nPieces turn: right-click while\n"
        "you hold one to rotate it."),
    3: "Now lay the turned piece\non the marked cell.",
    4: ("The water clock: when it runs out, the\nwater starts by itself. Finish sooner for\n"
        "more stars! Lay a piece on the marked cell."),
    5: "That shrub is in the way! Click it\ntwice: a destruction bonus clears it.",
    6: ("The belt stands still for now. Click the\nbonus button, then the marked gap: a\n"
        "completion bonus lays the pipe for you."),
    7: "Nearly there! Lead your pipeline\nall the way to the final pipe.",
    8: "Don't need a piece? Pick it up and click\nthe press: the piece is crushed and gone.",
    9: "Take the piece from the belt and\nlay it on the marked cell.",
    10: ("Well done! New pieces roll in here,\nand the green button calls one at once.\n"
         "Click anywhere to play on."),
}

WATER = {
    "hud_water_inscription": "Here comes the water!",
    "equipment_connect": "+%i seconds!",
    "hurry_warning": "Hurry up!",
}

# Title, rank description (%i = the rank's goal), progress (%i of %i) and
# reward (%i coins) of each trophy.
TROPHIES = {
    1: ("Meadow Master", "Bring the water through all of\nSpring Meadows."),
    2: ("Canyon Conqueror", "Bring the water through all of\nSunstone Canyon."),
    3: ("Cavern Keeper", "Bring the water through all of\nthe Crystal Caverns."),
    4: ("Demolition Crew", "Use %i destruction bonuses."),
    5: ("Quick Fixer", "Use %i completion bonuses."),
    6: ("Press Operator", "Earn %i press points: each\npiece you crush earns 2."),
    7: ("High Scorer", "Score %i points in total."),
    8: ("Pipe Layer", "Lay %i pipe pieces."),
    9: ("Star Collector", "Collect %i stars."),
    10: ("Perfectionist", "Earn three stars on %i levels."),
    11: ("Bonus Buddy", "Use a bonus on %i levels."),
    12: ("Lucky Find", "Lay %i golden bonus pieces."),
    13: ("Long Haul", "Send the water through %i pipes\nin a single level."),
    14: ("Steady Hand", "Earn two stars or more\non %i levels."),
    15: ("Good Customer", "Make %i purchases in the shop."),
    16: ("All In", "Use %i bonuses in a single level."),
    17: ("Rock Breaker", "Clear %i obstacles away."),
    18: ("Press Regular", "Use the press on %i levels."),
}
TROPHY_PROGRESS = "%i of %i"
TROPHY_REWARD = "Reward: %i coins"

# Title of each shop item, on its card's band.
SHOP_TITLES = {
    1: "Destruction Bonus", 2: "Destruction Refill", 3: "Completion Bonus",
    4: "Completion Refill", 5: "Lucky Coins", 6: "Star Timer", 7: "Easy Belt",
    8: "Bigger Toolbox", 9: "Quick Press", 10: "Golden Touch", 11: "Loyal Customer",
    12: "Slow Water", 13: "Bag of Coins", 14: "Chest of Coins", 15: "Cart of Coins",
    16: "Vault of Coins",
}

# Description of each level of each shop item (the next level is shown;
# the card's marks tell which one it is).
SHOP = {
    1: ["One destruction bonus:\nclears a pipe or a rock."],
    2: ["Fill up your destruction\nbonuses to the limit."],
    3: ["One completion bonus:\nlays the next pipe for you."],
    4: ["Fill up your completion\nbonuses to the limit."],
    5: ["Coins on the field are\nworth a quarter more.",
        "Coins on the field are\nworth half as much again.",
        "Coins on the field are\nworth double."],
    6: ["A little more time\nto earn your stars.",
        "More time to earn\nyour stars.",
        "Plenty of time to earn\nyour stars."],
    7: ["New pieces take a little\nlonger to arrive.",
        "New pieces take longer\nto arrive.",
        "The belt takes it\nreally easy."],
    8: ["Hold one more bonus\nof each kind.",
        "Hold two more bonuses\nof each kind.",
        "Hold three more bonuses\nof each kind."],
    9: ["The press is ready\nagain sooner.",
        "The press is ready\nagain much sooner.",
        "The press is ready\nin a flash."],
    10: ["Golden bonus pieces come\nalong the belt more often."],
    11: ["Everything in the shop\ncosts a tenth less."],
    12: ["The water clock runs\na little slower.",
         "The water clock\nruns slower.",
         "The water clock runs\nmuch slower."],
    13: ["A bag of %i coins."],
    14: ["A chest of %i coins."],
    15: ["A cart of %i coins."],
    16: ["A vault of %i coins."],
}


def rows():
    """(id, text) in table order."""
    out = [("tutorial_text_task_%d" % n, text) for n, text in sorted(TUTORIAL.items())]
    out += list(WATER.items())
    for n, (title, description) in sorted(TROPHIES.items()):
        out.append(("trophy_item%d_title" % n, title))
        out.append(("trophy_item%d_description" % n, description))
        out.append(("trophy_item%d_progress" % n, TROPHY_PROGRESS))
        out.append(("trophy_item%d_reward" % n, TROPHY_REWARD))
    for n, descriptions in sorted(SHOP.items()):
        prices = tuning.SHOP_PRICES[n]
        assert len(prices) == len(descriptions) == tuning.SHOP_LEVELS[n], n
        for k, price in enumerate(prices, 1):
            out.append(("shop_item%d_price%d" % (n, k), str(price)))
        for k, text in enumerate(descriptions, 1):
            out.append(("shop_item%d_description%d" % (n, k), text))
        out.append(("shop_item%d_title" % n, SHOP_TITLES[n]))
    return out
