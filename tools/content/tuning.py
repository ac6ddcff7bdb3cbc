"""The configuration store: every tuning value the game reads, by key.

Times are in seconds unless a key says otherwise; the tape delays are in
milliseconds. Per-level keys ("tile_level" + n, "obstacle3_type_level" + n)
come from the level plan.
"""

from . import levels

# Number of levels of each shop item: consumables, items bought once and
# money packs have 1; the upgrades have 3.
SHOP_LEVELS = {n: 1 for n in range(1, 17)}
SHOP_LEVELS.update({5: 3, 6: 3, 7: 3, 8: 3, 9: 3, 12: 3})

# Value of each level of each item (see the shop texts for what they do).
SHOP_VALUES = {
    1: [1], 2: [1], 3: [1], 4: [1],
    5: [25, 50, 100],      # percent more per special-cell coin
    6: [10, 20, 35],       # percent longer star times
    7: [15, 30, 50],       # percent longer wait for the next tape piece
    8: [1, 2, 3],          # more bonuses of each kind
    9: [2, 4, 6],          # seconds off the press cool-down
    10: [10],              # percentage points more bonus pieces
    11: [10],              # percent discount
    12: [10, 20, 30],      # percent slower water countdown
    13: [1000], 14: [2500], 15: [6000], 16: [15000],  # money packs
}

# Prices: the coin cells of the 45 levels (about 2700 coins) pay two
# thirds of all upgrades by the last level; a bonus costs about half a
# level's coins.
SHOP_PRICES = {
    1: [30], 2: [80], 3: [40], 4: [100],
    5: [60, 140, 300],
    6: [80, 180, 360],
    7: [60, 130, 240],
    8: [100, 200, 400],
    9: [70, 150, 300],
    10: [240],
    11: [400],
    12: [120, 240, 480],
    # The money packs are never offered; their price equals their content.
    13: [1000], 14: [2500], 15: [6000], 16: [15000],
}

# Trophies: rank conditions and rewards. Trophies 1 to 3 are won at the end
# of the pack whose number is their condition (the last pack of each world).
TROPHIES = {
    1: ([3], [500]),
    2: ([6], [1000]),
    3: ([9], [2000]),
    4: ([5, 20, 50], [100, 300, 800]),
    5: ([5, 20, 50], [100, 300, 800]),
    6: ([10, 50, 150], [100, 300, 800]),
    7: ([10000, 40000, 100000], [200, 500, 1000]),
    8: ([100, 500, 1500], [100, 300, 800]),
    9: ([15, 60, 120], [200, 500, 1000]),
    10: ([5, 20, 45], [200, 500, 1000]),
    11: ([5, 15, 30], [100, 300, 800]),
    12: ([5, 25, 75], [100, 300, 800]),
    13: ([25, 50, 80], [100, 300, 800]),
    14: ([10, 25, 45], [200, 500, 1000]),
    15: ([10], [500]),
    16: ([4], [300]),
    17: ([5, 25, 75], [100, 300, 800]),
    18: ([5, 15, 30], [100, 300, 800]),
}

# Tape weights per pipe type: 1 end piece, 2 T, 3 cross, 4 elbow,
# 5 straight, 6..12 two-cell pipes, 13..17 equipment (placed by levels only).
PIPE_WEIGHTS = {1: 4, 2: 12, 3: 6, 4: 22, 5: 22, **{t: 7 for t in range(6, 13)},
                **{t: 0 for t in range(13, 18)}}
PIPE_POINTS = {1: 5, 2: 15, 3: 20, 4: 10, 5: 10, **{t: 25 for t in range(6, 13)},
               **{t: 50 for t in range(13, 18)}}
# Seconds taken off the water countdown when equipment of type n + 12 joins.
EQUIPMENT_SECONDS = {1: 5, 2: 5, 3: 10, 4: 15, 5: 20}

FIXED = [
    ("Level start and water", [
        ("timeOfScrollingFieldBeforeLevelStart", "3.0"),
        ("flowingWaterOneCycleTime", "6.0"),
        ("flowingWaterPauseTime", "0.5"),
        ("numberOfPointsPerRemainingSecond", "10"),
        ("totalWaterInscriptionFlyTime", "3"),
        ("waterInscriptionDelayTimeInCenter", "1"),
        ("interfaceHidingTime", "0.6"),
    ]),
    ("Field animations", [
        ("explosionAnimationFrameTime", "0.05"),
        ("fadeEffectDistance", "50.0"),
        ("fadeEffectTotalTime", "1.0"),
        ("bottomOpenConnectionGlowAnimationFrameTimeRender", "0.15"),
        ("coinAnimationFrameTime", "0.1"),
        ("coinAnimationDelay", "2.0"),
        ("equipmentAnimationFrameTime", "0.12"),
        ("waterAnimationFrameTime", "0.08"),
    ]),
    ("Tape", [
        ("speedOfTape", "0.8"),
        ("minimumTimeDelayBeforeAddingNewPipeOnTape", "2000"),
        ("maximumTimeDelayBeforeAddingNewPipeOnTape", "4000"),
        ("probability_pipe_step", "3.0"),
    ]),
    ("Press", [
        ("baseSpeedOfCoolDownOfPressInSeconds", "10"),
        ("pressMovingTime", "0.4"),
        ("pressAnimationFrameTime", "0.08"),
    ]),
    ("Bonuses", [
        ("maximumNumberOfCompletionBonus", "3"),
        ("maximumNumberOfDestructionBonus", "3"),
        ("startingNumberOfCompletionBonus", "3"),
        ("startingNumberOfDestructionBonus", "3"),
        ("specialPipe_getScoreProbability", "40"),
        ("specialPipe_getCompletionBonusProbability", "30"),
        ("specialPipe_getScoreProbability_scoreValue", "250"),
    ]),
    ("Windows", [
        ("timeOfShowingTrophyWindow", "3"),
        ("closeUpShowScaleTime", "1.0"),
        ("closeUpAnimationFrameTime", "0.12"),
        ("closeUpAnimationTotalTimeAfterFirstPlay", "3.0"),
        ("comicsFrameTime", "0.6"),
        ("comicsTimeTillNextFrame", "1.2"),
    ]),
]


def sections():
    """[(title, [(key, text)])] in file order."""
    out = list(FIXED)
    out.append(("Tape weights and points per pipe type",
                [("probability_pipe%d" % t, "%.1f" % w) for t, w in PIPE_WEIGHTS.items()]
                + [("pipe_%d" % t, str(p)) for t, p in PIPE_POINTS.items()]))
    out.append(("Equipment", [("equipment_type%d" % n, str(s))
                              for n, s in EQUIPMENT_SECONDS.items()]))
    shop = []
    for n in range(1, 17):
        shop.append(("shop_%d_numberOfUpgrades" % n, str(SHOP_LEVELS[n])))
        for k, value in enumerate(SHOP_VALUES[n], 1):
            shop.append(("shop_%d_upgrade%d_value" % (n, k), str(value)))
    out.append(("Shop", shop))
    trophies = []
    for n, (conditions, rewards) in TROPHIES.items():
        trophies.append(("trophy_%d_numberOfRanks" % n, str(len(conditions))))
        for r, (condition, reward) in enumerate(zip(conditions, rewards), 1):
            trophies.append(("trophy_%d_rank%d_condition" % (n, r), str(condition)))
            trophies.append(("trophy_%d_rank%d_reward" % (n, r), str(reward)))
    out.append(("Trophies", trophies))
    out.append(("Floor tiles and wall looks per level", levels.config_keys()))
    return out
