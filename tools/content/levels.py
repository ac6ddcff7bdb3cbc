"""The 45 levels: their boards, pieces, star times and looks, and a solution
for each that the level tests play.

Every level is grown from a route: a path of cells from the starting pipe to
the final pipe. Walls, rocks, trees, coin cells and bonus equipment are laid
around it, so the level can always be won along its route while the player is
free to find another. The pieces of the route are the solution: one line per
action, in an order the placement rules accept.

Levels 1 and 2 carry the tutorial: their routes and the cells around them are
set by hand to hold what each tutorial step points at and waits for.
"""

import os
import random

UP, RIGHT, DOWN, LEFT = 0, 1, 2, 3
STEP = {UP: (0, -1), RIGHT: (1, 0), DOWN: (0, 1), LEFT: (-1, 0)}
SCROLL_NAMES = {0: "up", 1: "right", 2: "down", 3: "left"}

# Openings at angle 0 (a one-cell piece; part 0 and part 1 of a two-cell
# piece). Other angles turn them clockwise.
ONE_CELL = {1: {LEFT}, 2: {UP, RIGHT, DOWN}, 3: {UP, RIGHT, DOWN, LEFT}, 4: {UP, LEFT},
            5: {RIGHT, LEFT}}
TWO_CELL = {
    6: ({RIGHT, DOWN}, {UP, LEFT}),
    7: ({UP, RIGHT, DOWN}, {UP, DOWN, LEFT}),
    8: ({RIGHT, DOWN}, {DOWN, LEFT}),
    9: ({UP, RIGHT, LEFT}, {RIGHT, DOWN, LEFT}),
    10: ({UP, RIGHT}, {UP, DOWN, LEFT}),
    11: ({RIGHT, DOWN, LEFT}, {RIGHT, LEFT}),
    12: ({UP, RIGHT, DOWN}, {RIGHT, LEFT}),
}
ANGLES = (0, 90, 180, 270)
# Where part 1 lies from part 0, by angle.
PART1 = {0: (1, 0), 90: (0, 1), 180: (-1, 0), 270: (0, -1)}
# A 2x2 block at angle 0: parts 0..3 from its lower-left cell.
BLOCK = ((0, 0), (0, -1), (1, -1), (1, 0))

# Obstacle types: 1 boulder, 2 cracked boulder, 3 wall, 4 banded boulder
# block, 7 shrub, 8 tree block; strength 3, 2, -, 3, 1, 1.
WALL = 3


def turned(sides, angle):
    return {(s + angle // 90) % 4 for s in sides}


def fit_one_cell(sides):
    """(type, angle) of the one-cell piece open exactly on these sides."""
    for t in (1, 4, 5, 2, 3):
        for a in ANGLES:
            if turned(ONE_CELL[t], a) == set(sides):
                return t, a
    raise ValueError(sides)


def side_toward(a, b):
    d = (b[0] - a[0], b[1] - a[1])
    return next(s for s, v in STEP.items() if v == d)


def neighbour(c, side):
    return (c[0] + STEP[side][0], c[1] + STEP[side][1])


def block_cells(x, y):
    """The four cells of a 2x2 block whose lower-left cell is (x, y)."""
    return [(x + dx, y + dy) for dx, dy in BLOCK]


# ---------------------------------------------------------------- the plan

WORLDS = {
    1: dict(tiles=(1, 2, 4), wall_look=1, pump=13, coin=10, bonus=25,
            singles=(7,), blocks=(8,)),
    2: dict(tiles=(3, 6), wall_look=2, pump=14, coin=15, bonus=20,
            singles=(7, 2, 1), blocks=(8,)),
    3: dict(tiles=(5, 7), wall_look=3, pump=14, coin=20, bonus=15,
            singles=(7, 2, 1), blocks=(8, 4)),
}

BASIC = (1, 2, 3, 4, 5)
NO_CROSS = (1, 2, 4, 5)
FIRST_TWO_CELL = (1, 2, 4, 5, 6, 8)
ALL_TWO_CELL = (1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12)
TIGHT = (1, 4, 5, 6, 8, 11, 12)
TIGHTEST = (1, 4, 5, 6, 9, 10)

# n: (width, height, scrolling, pieces the tape may bring, two-cell share,
#     bonus equipment on the route, bonus equipment beside it, walls,
#     obstacles to clear, coin cells, wiggle, gauge step, what it introduces)
PLAN = {
    3: (15, 22, 0, BASIC, 0, (), 0, .10, 3, 2, .35, 1.0, "coin cells on the route"),
    4: (22, 13, 1, BASIC, 0, (), 0, .10, 3, 2, .3, 1.0, "the board scrolls to the right"),
    5: (15, 26, 0, BASIC, 0, (15,), 0, .12, 4, 2, .35, 1.0,
        "bonus equipment: water time back when joined"),
    6: (15, 24, 2, BASIC, 0, (), 0, .12, 4, 2, .4, 1.0, "the board scrolls down"),
    7: (26, 13, 1, BASIC, 0, (), 1, .12, 5, 3, .4, 1.0, "trees (2x2 blocks to clear)"),
    8: (15, 28, 0, BASIC, 0, (15,), 1, .14, 5, 3, .45, 1.0, "longer winding route"),
    9: (15, 26, 2, BASIC, 0, (), 1, .15, 5, 3, .45, 1.0, "denser walls"),
    10: (15, 30, 0, BASIC, 0, (15, 15), 0, .15, 5, 3, .5, 1.0, "two bonus stations in a row"),
    11: (28, 13, 1, NO_CROSS, 0, (), 1, .16, 6, 3, .6, 1.0, "no cross pieces on the tape"),
    12: (15, 32, 2, NO_CROSS, 0, (15,), 1, .16, 6, 3, .6, 1.0, "long downward board"),
    13: (30, 13, 1, NO_CROSS, 0, (15,), 1, .17, 6, 3, .6, 1.05, "faster water clock"),
    14: (15, 34, 2, NO_CROSS, 0, (15,), 1, .18, 7, 3, .6, 1.1, "tight corridors"),
    15: (15, 38, 0, NO_CROSS, 0, (15, 15), 1, .18, 7, 3, .65, 1.1, "first world's finale"),
    16: (24, 13, 3, NO_CROSS, 0, (), 1, .16, 5, 3, .6, 1.1, "the board scrolls to the left"),
    17: (15, 28, 0, FIRST_TWO_CELL, .6, (), 1, .18, 5, 3, .7, 1.1, "two-cell pieces"),
    18: (28, 13, 3, FIRST_TWO_CELL, .5, (), 1, .18, 7, 3, .7, 1.1,
         "boulders that take two or three blasts"),
    19: (15, 32, 2, FIRST_TWO_CELL, .5, (16,), 1, .2, 7, 3, .7, 1.15, "bonus equipment, bigger kind"),
    20: (15, 34, 0, FIRST_TWO_CELL, .5, (16,), 1, .2, 7, 4, .7, 1.15, "second pack's finale"),
    21: (30, 13, 1, ALL_TWO_CELL, .6, (), 1, .2, 7, 4, .7, 1.15,
         "every two-cell piece; end caps for spare openings"),
    22: (15, 36, 2, ALL_TWO_CELL, .6, (16,), 1, .22, 8, 4, .7, 1.15, "capped branches downward"),
    23: (32, 13, 3, ALL_TWO_CELL, .6, (16,), 1, .22, 8, 4, .75, 1.2, "long leftward board"),
    24: (17, 36, 0, ALL_TWO_CELL, .6, (16,), 2, .22, 8, 4, .75, 1.2, "wider board"),
    25: (15, 40, 0, ALL_TWO_CELL, .6, (15, 16), 1, .23, 8, 4, .75, 1.2, "third pack's finale"),
    26: (34, 13, 3, ALL_TWO_CELL, .6, (16,), 2, .24, 9, 4, .75, 1.2, "denser rocks"),
    27: (15, 42, 2, ALL_TWO_CELL, .65, (16,), 2, .24, 9, 4, .8, 1.2, "long winding descent"),
    28: (36, 13, 1, ALL_TWO_CELL, .65, (16, 16), 1, .25, 9, 4, .8, 1.25, "two big stations"),
    29: (17, 44, 2, ALL_TWO_CELL, .65, (16,), 2, .25, 10, 4, .8, 1.25, "wide descent"),
    30: (15, 46, 0, ALL_TWO_CELL, .65, (15, 16), 2, .26, 10, 5, .8, 1.25, "second world's finale"),
    31: (15, 40, 0, TIGHT, .6, (16,), 1, .26, 9, 4, .8, 1.25,
         "banded boulder blocks; no T or cross pieces"),
    32: (38, 13, 3, TIGHT, .6, (16,), 1, .27, 10, 4, .8, 1.25, "tight tape, leftward"),
    33: (15, 44, 2, TIGHT, .6, (17,), 1, .27, 10, 4, .8, 1.3, "the grand bonus equipment"),
    34: (40, 13, 1, TIGHT, .65, (17,), 2, .28, 10, 5, .85, 1.3, "long rightward board"),
    35: (15, 48, 0, TIGHT, .65, (16, 17), 1, .28, 10, 5, .85, 1.3, "fourth pack's finale"),
    36: (17, 44, 2, TIGHTEST, .7, (17,), 2, .29, 11, 5, .85, 1.3,
         "tightest tape: elbows, straights, few two-cell kinds"),
    37: (42, 13, 3, TIGHTEST, .7, (17,), 2, .29, 11, 5, .85, 1.3, "tightest tape, leftward"),
    38: (15, 46, 0, TIGHT, .7, (16, 17), 2, .3, 11, 5, .85, 1.35, "faster water still"),
    39: (44, 13, 1, TIGHTEST, .7, (17, 16), 2, .3, 12, 5, .9, 1.35, "three-screen corridor"),
    40: (15, 50, 0, TIGHT, .7, (17, 17), 2, .3, 12, 5, .9, 1.35, "fifth pack's finale"),
    41: (17, 48, 2, TIGHTEST, .7, (17,), 2, .31, 12, 5, .9, 1.35, "deep wide descent"),
    42: (46, 13, 3, TIGHTEST, .75, (16, 17), 2, .31, 12, 5, .9, 1.4, "longest leftward board"),
    43: (48, 13, 1, TIGHT, .75, (17, 17), 2, .32, 13, 5, .9, 1.4, "longest rightward board"),
    44: (19, 50, 2, TIGHTEST, .75, (17, 16), 3, .32, 13, 6, .9, 1.4, "widest board"),
    45: (15, 54, 0, TIGHT, .75, (16, 17, 17), 3, .33, 14, 6, .9, 1.45, "the last climb"),
}


def world_of(n):
    return (n - 1) // 15 + 1


def looks(n):
    """("tile_level" value, "obstacle3_type_level" value) of level n."""
    w = WORLDS[world_of(n)]
    return w["tiles"][(n - 1) % len(w["tiles"])], w["wall_look"]


def config_keys():
    """The per-level keys of the configuration store."""
    out = []
    for n in range(1, 46):
        tile, wall = looks(n)
        out.append(("tile_level%d" % n, str(tile)))
        out.append(("obstacle3_type_level%d" % n, str(wall)))
    return out


# ---------------------------------------------------------------- a level

class Level:
    def __init__(self, n, width, height, scrolling):
        self.n = n
        self.width, self.height, self.scrolling = width, height, scrolling
        self.cells = {}        # (x, y) -> attribute dict of the level file
        self.decor = []
        self.actions = []      # solution lines
        self.available = ()
        self.pieces = 0
        self.step = 1.0
        self.bonus = 25
        self.times = (0, 0)
        self.introduces = ""

    def inside(self, c):
        return 0 <= c[0] < self.width and 0 <= c[1] < self.height

    def free(self, c):
        return self.inside(c) and c not in self.cells

    def pipe(self, c, t, a, part=0, **flags):
        self.cells[c] = dict(contentType=2, pipeType=t, pipeAngle=a, pipePartNumber=part,
                             isDestructible=False, **flags)

    def equipment(self, x, y, t):
        for part, c in enumerate(block_cells(x, y)):
            self.pipe(c, t, 0, part)

    def obstacle(self, c, t, destructible=True, part=0):
        self.cells[c] = dict(contentType=1, obstacleType=t, obstacleAngle=0,
                             obstaclePartNumber=part, isDestructible=destructible)

    def coin(self, c, t, a, money):
        self.cells[c] = dict(contentType=2, pipeType=t, pipeAngle=a, pipePartNumber=0,
                             isSpecial=True, givesMoney=money, isDestructible=True)

    def place(self, t, a, c):
        self.actions.append("place %d %d %d %d" % (t, a, c[0], c[1]))
        self.pieces += 1

    def xml(self):
        lines = ['<?xml version="1.0" encoding="utf-8"?>',
                 '<level fieldWidth="%d" fieldHeight="%d" scrollingType="%d" '
                 'percentOfBonusPipesOnTape="%d" timeFor2Stars="%d" timeFor3Stars="%d" '
                 'stepOfWaterFlowingOut="%s">' % (self.width, self.height, self.scrolling,
                                                  self.bonus, self.times[0], self.times[1],
                                                  _number(self.step))]
        pipes = " ".join('pipe%d="%s"' % (t, "true" if t in self.available else "false")
                         for t in range(1, 17))
        lines.append("  <availablePipes %s/>" % pipes)
        for (x, y), attrs in sorted(self.cells.items(), key=_cell_order):
            text = " ".join('%s="%s"' % (k, _value(v)) for k, v in attrs.items())
            lines.append('  <cell x="%d" y="%d" %s/>' % (x, y, text))
        for t, (x, y), ox, oy, angle in self.decor:
            lines.append('  <decor type="%d" x="%d" y="%d" offsetX="%s" offsetY="%s" angle="%s"/>'
                         % (t, x, y, _number(ox), _number(oy), _number(angle)))
        lines.append("</level>")
        return lines


def _value(v):
    if isinstance(v, bool):
        return "true" if v else "false"
    return str(v)


def _number(f):
    return "%.1f" % f if float(f).is_integer() else ("%.2f" % f).rstrip("0")


def _cell_order(item):
    (x, y), attrs = item
    # Pipes first (equipment, start, final, coins), then obstacles.
    return (attrs["contentType"] != 2, x, y)


# ---------------------------------------------------------------- routes

def route_pieces(level, start, route, final, into=None, out_of=None, two_cell=(), share=0.0,
                 rng=None, coins=0, money=10):
    """Lays the pieces of a route from the starting pipe to the final pipe.

    `route` lists the cells between them in order. A cell of `into` opens
    into a bonus equipment cell instead of the next route cell; a cell of
    `out_of` is entered from an equipment cell instead of the previous one.
    Two neighbouring route cells may become one two-cell piece of the types
    `two_cell` when its openings cover theirs; a spare opening gets an end
    cap. Coin cells go on elbows.
    """
    into, out_of = into or {}, out_of or {}
    chain = [start] + route + [final]
    sides = {}
    for i, c in enumerate(route, 1):
        back = out_of.get(c, chain[i - 1])
        ahead = into.get(c, chain[i + 1])
        sides[c] = {side_toward(c, back), side_toward(c, ahead)}
    plain = {c for c in route if c not in into and c not in out_of}
    taken = set(route) | set(level.cells)

    pieces = []   # (type, angle, part-0 cell, cells covered, caps)
    i = 0
    while i < len(route):
        c = route[i]
        merged = None
        if i + 1 < len(route) and c in plain and route[i + 1] in plain and two_cell and \
                rng.random() < share:
            merged = _two_cell_piece(level, c, route[i + 1], sides, two_cell, taken, rng)
        if merged:
            pieces.append(merged)
            taken |= set(merged[3])
            i += 2
            continue
        t, a = fit_one_cell(sides[c])
        pieces.append((t, a, c, [c], []))
        i += 1

    elbows = [p for p in pieces if p[0] == 4]
    for p in rng.sample(elbows, min(coins, len(elbows))) if coins else []:
        level.coin(p[2], p[0], p[1], money)

    # Order: along the route, except that the first piece after a station is
    # laid before the piece that opens into the station, so joining the
    # station never leaves the starting pipe's system without an open end.
    order = list(pieces)
    for k, p in enumerate(pieces):
        if p[2] in out_of:
            order.remove(p)
            order.insert(order.index(pieces[k - 1]), p)
    for t, a, c, _, caps in order:
        level.place(t, a, c)
        for cap, side in caps:
            ct, ca = fit_one_cell({side})
            level.place(ct, ca, cap)


def _two_cell_piece(level, c0, c1, sides, types, taken, rng):
    options = []
    for t in types:
        for a in ANGLES:
            for p0, p1 in ((c0, c1), (c1, c0)):
                off = PART1[a]
                if (p0[0] + off[0], p0[1] + off[1]) != p1:
                    continue
                open0, open1 = turned(TWO_CELL[t][0], a), turned(TWO_CELL[t][1], a)
                if not (sides[p0] <= open0 and sides[p1] <= open1):
                    continue
                caps = []
                for cell, extra in ((p0, open0 - sides[p0]), (p1, open1 - sides[p1])):
                    for s in extra:
                        caps.append((neighbour(cell, s), (s + 2) % 4))
                if len(caps) > 1 or (caps and 1 not in level.available):
                    continue
                cap_cells = [cc for cc, _ in caps]
                if any(not level.inside(cc) or cc in taken for cc in cap_cells) or \
                        len(set(cap_cells)) != len(cap_cells):
                    continue
                options.append((len(caps), t, a, p0, [c0, c1] + cap_cells, caps))
    # A spare opening costs an end cap: take one only now and then.
    plain = [o for o in options if not o[0]]
    if not plain and (not options or rng.random() < 0.6):
        return None
    _, t, a, p0, covered, caps = rng.choice(plain or options)
    return (t, a, p0, covered, caps)


# ---------------------------------------------------------------- grown levels

HIDDEN_ROWS_LEFT = 2

class Frame:
    """Maps route coordinates (lane u across, step v along the growth) to
    board cells for each scrolling type."""

    def __init__(self, level):
        self.level = level
        vertical = level.scrolling in (0, 2)
        self.lanes = level.width if vertical else level.height
        # A board scrolling left stands 100 px lower than the others, so
        # its two bottom rows lie under the bottom panel, where no click
        # reaches: the route keeps above them.
        if level.scrolling == 3:
            self.lanes -= HIDDEN_ROWS_LEFT
        self.length = level.height if vertical else level.width

    def cell(self, u, v):
        lv = self.level
        return {0: (u, lv.height - 1 - v), 2: (u, v), 1: (v, u),
                3: (lv.width - 1 - v, u)}[lv.scrolling]

    def block(self, u, v):
        """Lower-left cell of the 2x2 block covering lanes u, u+1 and steps v, v+1."""
        cells = [self.cell(u + du, v + dv) for du in (0, 1) for dv in (0, 1)]
        return min(x for x, _ in cells), max(y for _, y in cells)


def grow(n):
    width, height, scrolling, available, share, stations, spare_stations, walls, \
        blasts, coins, wiggle, step, introduces = PLAN[n]
    world = WORLDS[world_of(n)]
    rng = random.Random(1000 + n)
    level = Level(n, width, height, scrolling)
    level.available, level.step, level.bonus = available, step, world["bonus"]
    level.introduces = introduces
    frame = Frame(level)
    lanes, length = frame.lanes, frame.length

    # The pump beside the starting pipe, which opens toward it and onward.
    u0 = rng.randint(2, lanes - 3)
    pump_side = rng.choice((-1, 1))
    pu = u0 - 2 if pump_side < 0 else u0 + 1
    level.equipment(*frame.block(pu, 0), world["pump"])
    start = frame.cell(u0, 0)
    first = frame.cell(u0, 1)
    t, a = fit_one_cell({side_toward(start, frame.cell(u0 + pump_side, 0)),
                         side_toward(start, first)})
    level.pipe(start, t, a, isStarting=True)

    # The route: a staircase along the growth direction, through the bonus
    # stations, ending one step before the far edge.
    last = length - 3
    station_steps = _station_steps(rng, len(stations), last)
    route, into, out_of = [], {}, {}
    u, v = u0, 1
    route.append((u, v))
    v += 1
    route.append((u, v))
    lateral = {1: 3, 2: 4, 3: 4}[world_of(n)]
    while v < last:
        if station_steps and v == station_steps[0] - 1:
            station_steps.pop(0)
            cu = u if u + 1 < lanes else u - 1
            level.equipment(*frame.block(cu, v + 1), stations[len(out_of)])
            into[(u, v)] = (u, v + 1)
            u = rng.choice((cu, cu + 1))
            v += 3
            route.append((u, v))
            out_of[(u, v)] = (u, v - 1)
            continue
        assert not station_steps or v < station_steps[0] - 1, "station missed"
        if rng.random() < wiggle:
            target = rng.choice([t for t in range(max(0, u - lateral), min(lanes, u + lateral + 1))
                                 if t != u])
            d = 1 if target > u else -1
            while u != target:
                u += d
                route.append((u, v))
        for _ in range(rng.randint(1, 4)):
            if v >= last or (station_steps and v == station_steps[0] - 1):
                break
            v += 1
            route.append((u, v))
    final = frame.cell(u, v + 1)
    cells = [frame.cell(*c) for c in route]
    assert not station_steps, "station missed"
    t, a = fit_one_cell({side_toward(final, cells[-1])})
    level.pipe(final, t, a, isFinal=True)

    route_pieces(level, start, cells, final,
                 {frame.cell(*c): frame.cell(*b) for c, b in into.items()},
                 {frame.cell(*c): frame.cell(*b) for c, b in out_of.items()},
                 tuple(t for t in available if t >= 6), share, rng, coins, world["coin"])
    covered = set(level.cells)
    for action in level.actions:
        _, t, a, x, y = action.split()
        covered.add((int(x), int(y)))
        if int(t) >= 6:
            off = PART1[int(a)]
            covered.add((int(x) + off[0], int(y) + off[1]))
    reserved = covered | set(cells)

    _spare_stations(level, rng, spare_stations, world, reserved)
    _obstacles(level, rng, walls, blasts, world, reserved)
    _decor(level, rng, reserved)
    _star_times(level, world_of(n))
    return level


def _station_steps(rng, count, last):
    """Steps at which the route meets its bonus stations, spread along it."""
    steps = []
    for k in range(count):
        lo = 4 + (last - 6) * k // count
        hi = 4 + (last - 6) * (k + 1) // count - 4
        steps.append(rng.randint(lo, max(lo, hi)))
    return steps


def _spare_stations(level, rng, count, world, reserved):
    """Bonus equipment off the route, for a player who branches to it."""
    types = (15, 16, 17)[:world_of(level.n)]
    for _ in range(count):
        for _ in range(200):
            x = rng.randint(0, level.width - 2)
            y = rng.randint(1, level.height - 1)
            cells = block_cells(x, y)
            ring = {(cx + dx, cy + dy) for cx, cy in cells for dx in (-1, 0, 1) for dy in (-1, 0, 1)}
            if all(level.free(c) and c not in reserved for c in cells) and \
                    any(c in reserved for c in ring):
                level.equipment(x, y, rng.choice(types))
                reserved |= set(cells)
                break


def _obstacles(level, rng, walls, blasts, world, reserved):
    def open_cell(c):
        return level.free(c) and c not in reserved

    free = [(x, y) for x in range(level.width) for y in range(level.height)
            if open_cell((x, y))]
    target = int(walls * len(free))
    placed = 0
    for _ in range(10 * target):
        if placed >= target:
            break
        c = rng.choice(free)
        for _ in range(rng.randint(2, 6)):
            if not open_cell(c):
                break
            level.obstacle(c, WALL, destructible=False)
            placed += 1
            c = neighbour(c, rng.randrange(4))
    for k in range(blasts):
        if k % 3 == 2:
            for _ in range(100):
                x, y = rng.randint(0, level.width - 2), rng.randint(1, level.height - 1)
                cells = block_cells(x, y)
                if all(open_cell(c) for c in cells):
                    t = rng.choice(world["blocks"])
                    for part, c in enumerate(cells):
                        level.obstacle(c, t, part=part)
                    break
        else:
            for _ in range(100):
                c = rng.choice(free)
                if open_cell(c):
                    level.obstacle(c, rng.choice(world["singles"]))
                    break


def _decor(level, rng, reserved):
    free = [(x, y) for x in range(level.width) for y in range(level.height)
            if level.free((x, y)) and (x, y) not in reserved]
    for c in rng.sample(free, min(len(free), level.width * level.height // 30)):
        level.decor.append((rng.randint(1, 18), c, rng.randint(-12, 12), rng.randint(-12, 12),
                            rng.choice((0, 0, 45, 90, 135, 180, 270))))


# Seconds a good player needs per piece, by world: the pieces come from a
# random tape, so this is the pace of a player who calls pieces early and
# presses the ones that do not fit.
PACE = {1: 4.5, 2: 4.2, 3: 4.0}


def _star_times(level, world):
    """Three stars below timeFor2Stars seconds of the water clock (which runs
    stepOfWaterFlowingOut times real time); the water starts by itself at
    timeFor3Stars."""
    real = 15 + level.pieces * PACE[world]
    three = int(5 * round(real * level.step / 5 + 0.5))
    level.times = (three, int(5 * round(three * 0.6 / 5)))


# ---------------------------------------------------------------- tutorials

def straight_run(a, b):
    """The cells from a (exclusive) to b (inclusive) along one row or column."""
    dx = (b[0] > a[0]) - (b[0] < a[0])
    dy = (b[1] > a[1]) - (b[1] < a[1])
    out = []
    c = a
    while c != b:
        c = (c[0] + dx, c[1] + dy)
        out.append(c)
    return out


def tutorial_1():
    """Steps: a straight on (7, 18); a T turned once on (7, 17), which the
    wall at (7, 16) allows only that way; a straight on (14, 14) beside a
    bonus station; the completion bonus on (6, 14) between an old pipe and
    another station; then the final pipe, two rows below the top and clear
    of the water clock, once the board has scrolled it into view. Three
    rows of meadow below the starting pipe keep the first cells above the
    card of the first step."""
    level = Level(1, 15, 23, 0)
    level.available, level.step, level.bonus = BASIC, 1.0, 25
    level.introduces = "tutorial: laying, turning, water clock, completion bonus"
    level.equipment(8, 19, 13)
    level.pipe((7, 19), 4, 90, isStarting=True)
    level.obstacle((7, 16), WALL, destructible=False)
    # The old pipe from the T's left side up to the completion cell, and the
    # stations at both ends of the tutorial's branches.
    level.pipe((6, 17), 4, 90)
    level.pipe((6, 16), 5, 90)
    level.pipe((6, 15), 5, 90)
    level.equipment(5, 13, 15)
    level.equipment(13, 16, 16)
    # Left of the column the water clock stands over, so it shows.
    level.pipe((11, 2), 1, 270, isFinal=True)

    level.place(5, 90, (7, 18))
    level.place(2, 90, (7, 17))
    level.place(5, 90, (14, 14))
    level.place(5, 90, (6, 14))
    for c in straight_run((7, 17), (12, 17)):
        level.place(5, 0, c)
    level.coin((13, 17), 4, 0, 10)
    level.place(4, 0, (13, 17))
    for c in straight_run((14, 14), (14, 4)):
        level.place(5, 90, c)
    level.place(4, 270, (14, 3))
    for c in straight_run((14, 3), (12, 3)):
        level.place(5, 0, c)
    level.place(4, 90, (11, 3))
    top = set(straight_run((14, 14), (14, 3))) | set(straight_run((14, 3), (11, 3)))

    for c in [(2, 8), (3, 8), (3, 9), (2, 9), (4, 9), (9, 6), (10, 6), (10, 7), (11, 11),
              (12, 11), (11, 10), (4, 3), (5, 3), (5, 4), (0, 14), (1, 14), (0, 15)]:
        level.obstacle(c, WALL, destructible=False)
    for c in [(9, 12), (3, 5), (12, 7)]:
        level.obstacle(c, 7)
    for part, c in enumerate(block_cells(8, 3)):
        level.obstacle(c, 8, part=part)
    _decor(level, random.Random(1), {(7, 18), (7, 17), (14, 14), (6, 14), (13, 17)}
           | set(straight_run((7, 17), (12, 17))) | top | {(11, 2)})
    level.times = (180, 120)
    return level


def tutorial_2():
    """Steps: a straight on (9, 24) above the starting pipe; the destruction
    bonus on the shrub at (9, 21), the only obstacle there that one blast
    clears; a two-cell piece into the press; then the route on to the final
    pipe. Three rows below the starting pipe, as on level 1."""
    level = Level(2, 15, 29, 0)
    level.available, level.step, level.bonus = BASIC, 1.0, 25
    level.introduces = "tutorial: destruction bonus, the press"
    level.equipment(10, 25, 13)
    level.pipe((9, 25), 4, 90, isStarting=True)
    level.pipe((5, 6), 1, 270, isFinal=True)
    level.obstacle((9, 21), 7)
    for c in [(8, 20), (8, 21), (8, 22), (10, 20), (10, 21), (10, 22), (7, 21), (11, 21),
              (11, 20), (6, 21)]:
        level.obstacle(c, WALL, destructible=False)

    route = straight_run((9, 25), (9, 13)) + straight_run((9, 13), (5, 13)) + \
        straight_run((5, 13), (5, 7))
    route_pieces(level, (9, 25), route, (5, 6), rng=random.Random(2), coins=2, money=10)
    level.actions.insert(1, "destroy 9 21")

    for c in [(2, 18), (3, 18), (3, 19), (12, 10), (13, 10), (12, 9), (1, 4), (2, 4),
              (7, 3), (8, 3), (12, 15), (13, 15), (13, 16), (3, 10), (2, 10)]:
        level.obstacle(c, WALL, destructible=False)
    for c in [(6, 16), (11, 6), (2, 13)]:
        level.obstacle(c, 7)
    _decor(level, random.Random(2), set(route))
    level.times = (150, 90)
    return level


def build(n):
    return {1: tutorial_1, 2: tutorial_2}.get(n, lambda: grow(n))()


# ---------------------------------------------------------------- output

def _write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def table(levels):
    lines = ["# Levels", "",
             "Made by `tools/make_levels`; do not edit by hand. `solutions/level_N.txt`",
             "holds a winning order of pieces for each level, which the level tests play.",
             "",
             "Star times are seconds of the water clock, which runs at the gauge step",
             "times real time: three stars below the 3-star time, two below twice it;",
             "the water starts by itself at the water-start time.", "",
             "| level | world | board | scrolls | pieces | 3 stars | water starts | gauge step "
             "| introduces |",
             "|---|---|---|---|---|---|---|---|---|"]
    for lv in levels:
        lines.append("| %d | %d | %d x %d | %s | %d | %d s | %d s | %s | %s |" % (
            lv.n, world_of(lv.n), lv.width, lv.height, SCROLL_NAMES[lv.scrolling], lv.pieces,
            lv.times[0], lv.times[1], _number(lv.step), lv.introduces))
    return lines


def build_all(levels_dir):
    levels = [build(n) for n in range(1, 46)]
    for lv in levels:
        _write(os.path.join(levels_dir, "level_%d.xml" % lv.n), lv.xml())
        header = ["# Level %d: one action a line. \"place type angle x y\" lays a piece with"
                  % lv.n,
                  "# its part 0 on cell (x, y); \"destroy x y\" spends a destruction bonus there."]
        _write(os.path.join(levels_dir, "solutions", "level_%d.txt" % lv.n),
               header + lv.actions)
    _write(os.path.join(levels_dir, "README.md"), table(levels))
