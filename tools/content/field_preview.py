"""Review pictures of the field art, drawn by the board's own rules: the
atlas rectangles and anchors, the part offsets of objects.xml, the layer
order, the wall and shadow tables, and the water-in-pipe segments. Not game
data: written to tools/out/ for a look before committing.

  field_board.png      a level in progress: walls, obstacles, decor, coins,
                       open connections, water half-way along the pipeline
  field_catalogue.png  every pipe type at every angle, some with water
"""

import math
import os
import random
import xml.etree.ElementTree as ET

from PIL import Image

from . import field_atlas, field_pipes, interface
from .atlas import read_description

U, R, D, L = 0, 1, 2, 3
CAPACITY = {1: 52}


def _open_sides(pipe_type, part, angle):
    if pipe_type == 3:
        return {U, R, D, L}
    sides = field_pipes.OPENINGS[pipe_type][part]
    return {(s + angle // 90) % 4 for s in sides}


def _part_cell(pipe_type, angle, x, y, part):
    if part == 0:
        return x, y
    if pipe_type <= 12:
        return {0: (x + 1, y), 90: (x, y + 1), 180: (x - 1, y), 270: (x, y - 1)}[angle]
    return {0: [(x, y - 1), (x + 1, y - 1), (x + 1, y)], 90: [(x + 1, y), (x + 1, y + 1), (x, y + 1)],
            180: [(x, y + 1), (x - 1, y + 1), (x - 1, y)],
            270: [(x - 1, y), (x - 1, y - 1), (x, y - 1)]}[angle][part - 1]


class Cell:
    def __init__(self):
        self.content = 0
        self.pipe_type = self.angle = self.part = 0
        self.obstacle = self.ob_angle = self.ob_part = 0
        self.special = False
        self.inflow = -1
        self.fill = -1.0
        self.equip_frame = 0


class Board:
    def __init__(self, width, height, scrolling):
        self.w, self.h, self.scrolling = width, height, scrolling
        self.cells = [[Cell() for _ in range(height)] for _ in range(width)]
        self.decor = []
        self.open_connections = []   # (x, y, sides)

    def pipe(self, pipe_type, angle, x, y):
        count = 1 if pipe_type <= 5 else 2 if pipe_type <= 12 else 4
        for part in range(count):
            cx, cy = _part_cell(pipe_type, angle, x, y, part)
            c = self.cells[cx][cy]
            assert c.content == 0, (pipe_type, x, y)
            c.content, c.pipe_type, c.angle, c.part = 2, pipe_type, angle, part
        return [(_part_cell(pipe_type, angle, x, y, p)) for p in range(count)]

    def obstacle(self, ob_type, x, y, angle=0):
        count = 4 if ob_type in (4, 8) else 1
        for part in range(count):
            cx, cy = _part_cell(13, angle, x, y, part) if count == 4 else (x, y)
            c = self.cells[cx][cy]
            assert c.content == 0, (ob_type, x, y)
            c.content, c.obstacle, c.ob_angle, c.ob_part = 1, ob_type, angle, part

    def wet(self, x, y, inflow, ratio):
        c = self.cells[x][y]
        c.inflow = inflow
        c.fill = ratio * CAPACITY.get(c.pipe_type, 100)

    def is_wall(self, x, y):
        if self.scrolling == 0 and x == -1:
            return True
        if x == self.w:
            return True
        if not (0 <= x < self.w and 0 <= y < self.h):
            return False
        return self.cells[x][y].content == 1


class Renderer:
    def __init__(self, resources, canvas_size, origin, tile_set=1, look=1):
        self.sheet = Image.open(os.path.join(resources, field_atlas.ATLAS_IMAGE)).convert("RGBA")
        self.items = read_description(os.path.join(resources, field_atlas.ATLAS_XML))
        decor_set = {4: 2, 6: 3}.get(tile_set, tile_set)
        decor_atlas = {1: "decor_1_2", 2: "decor_1_2", 3: "decor_3_4", 4: "decor_3_4",
                       5: "decor_5_6", 6: "decor_5_6"}.get(decor_set, "decor_7")
        self.decor_sheet = Image.open(os.path.join(
            resources, "graphics/main/%s_atlas.png" % decor_atlas)).convert("RGBA")
        self.decor_items = read_description(os.path.join(resources, "xml/atlas/%s_atlas.xml" % decor_atlas))
        self.decor_set = decor_set
        self.offsets = {}
        # Two top-level elements side by side: read them inside a wrapper.
        text = open(os.path.join(resources, field_atlas.OBJECTS_XML), encoding="utf-8").read()
        body = text.split("?>", 1)[1]
        root = ET.fromstring("<root>" + body + "</root>")
        prefixes = {("obstacles", "left_side"): "obstacles_left_", ("obstacles", "center"): "obstacles_center_",
                    ("obstacles", "right_side"): "obstacles_right_", ("shadows", "left_side"): "shadows_left_",
                    ("shadows", "right_side"): "shadows_right_"}
        for top in root:
            for group in top:
                for part in group:
                    key = prefixes[(top.tag, group.tag)] + part.tag
                    self.offsets[key] = (float(part.get("offsetX", 0)), float(part.get("offsetY", 0)))
        self.canvas = Image.new("RGBA", canvas_size, (20, 30, 50, 255))
        self.ox, self.oy = origin
        self.tile_set, self.look = tile_set, look
        self.resources = resources
        self._cache = {}

    # -- sprites
    def sprite(self, item_id, sheet=None, items=None):
        key = (item_id, id(sheet))
        if key not in self._cache:
            x, y, w, h = (items or self.items)[item_id]
            self._cache[key] = (sheet or self.sheet).crop((x, y, x + w, y + h))
        return self._cache[key]

    def put(self, image, x, y, hot="centre", rotation=0.0, alpha=1.0):
        if image.width == 0 or image.height == 0:
            return
        if alpha < 1.0:
            a = image.getchannel("A").point(lambda v: int(v * alpha))
            image = image.copy()
            image.putalpha(a)
        w, h = image.size
        anchor = (w / 2, h / 2) if hot == "centre" else (0, 0)
        deg = math.degrees(rotation) % 360
        if abs(deg) > 1e-6:
            rotated = image.rotate(-deg, expand=True, resample=Image.BICUBIC)
            vx, vy = anchor[0] - w / 2, anchor[1] - h / 2
            c, s = math.cos(rotation), math.sin(rotation)
            ax = rotated.width / 2 + vx * c - vy * s
            ay = rotated.height / 2 + vx * s + vy * c
            image = rotated
        else:
            ax, ay = anchor
        self.canvas.alpha_composite(image, (int(round(x - ax)), int(round(y - ay))))

    def centre(self, x, y):
        return self.ox + 50 * x + 25, self.oy + 50 * y + 25

    # -- layers
    def tiles(self, board):
        t = self.sprite("main_elements_tiles_tile%d_1" % self.tile_set)
        cw, ch = t.width // 50, t.height // 50
        for i in range((board.h + 8) // ch + 1):
            for j in range((board.w + 8) // cw + 1):
                self.put(t, self.ox + j * cw * 50 - 200, self.oy + i * ch * 50 - 200)

    def decor(self, board):
        for kind, x, y, dx, dy, angle in board.decor:
            cx, cy = self.centre(x, y)
            img = self.sprite("main_elements_decor_%d_%d" % (self.decor_set, kind), self.decor_sheet,
                              self.decor_items)
            self.put(img, cx + dx, cy + dy, rotation=math.radians(int(angle)))

    def open_connections(self, board):
        lead_row = max((r for _, r, _ in board.open_connections), default=-1)
        for c, r, sides in board.open_connections:
            img = self.sprite("main_elements_open_connection" if r != lead_row else
                              "main_elements_open_connection_glow2")
            cx, cy = self.centre(c, r)
            for s in sides:
                self.put(img, cx, cy, rotation=math.radians(90 * s))

    def piece(self, name, x, y, dx, dy, variant=None):
        v = variant if variant is not None else int(name.split("_")[-1])
        img = self.obstacle3(v)
        ox, oy = self.offsets.get(name, (0.0, 0.0))
        cx, cy = self.centre(x, y)
        self.put(img, cx + dx + ox, cy + dy + oy, hot="ul" if 14 <= v <= 17 else "centre")

    def obstacle3(self, v):
        prefix = "main_elements_obstacles_obstacle3_" if self.look <= 1 else \
            "main_elements_obstacles_%dobstacle3_" % self.look
        return self.sprite(prefix + str(v))

    def flags(self, board, x, y):
        w = board.is_wall
        return dict(U=w(x, y - 1), D=w(x, y + 1), L=w(x - 1, y), R=w(x + 1, y), UL=w(x - 1, y - 1),
                    UR=w(x + 1, y - 1), DL=w(x - 1, y + 1), DR=w(x + 1, y + 1))

    def shadows(self, board):
        m = board.w // 2
        order = [(x, -1) for x in range(m)] + [(x, 1) for x in range(board.w - 1, m - 1, -1)]
        for x, side in order:
            for y in range(board.h):
                if board.cells[x][y].content != 1:
                    continue
                f = self.flags(board, x, y)
                if side < 0:
                    p = "shadows_left_obstacle3_"
                    if not f["U"] and not f["UR"] and not f["R"]:
                        self.piece(p + "14", x, y, 11, -19)
                    if not f["R"] and not f["D"] and not f["DR"]:
                        self.piece(p + "15", x, y, 11, 12)
                    if not f["L"] and not f["DL"] and not f["D"]:
                        self.piece(p + "16", x, y, -20, 12)
                    if not f["UL"] and not f["U"] and not f["L"]:
                        self.piece(p + "17", x, y, -20, -19)
                    if f["U"] and not f["UR"] and not f["R"]:
                        self.piece(p + "18", x, y, 11, -13)
                    if f["L"] and not f["DL"] and not f["D"]:
                        self.piece(p + "19", x, y, -14, 12)
                    if f["UL"] and not (f["U"] and f["L"]):
                        self.piece(p + "20", x, y, -14, -13)
                    if f["UR"] and not (f["U"] and f["R"]):
                        if x == m - 1:
                            self.piece(p + "22", x, y, 8, -13)
                            self.piece(p + "23", x, y, 35, 8)
                        else:
                            self.piece(p + "22", x, y, 36, -13)
                else:
                    p = "shadows_right_obstacle3_"
                    if not f["U"] and not f["UR"] and not f["R"]:
                        self.piece(p + "14", x, y, -11, -19)
                    if not f["R"] and not f["D"] and not f["DR"]:
                        self.piece(p + "15", x, y, -11, 12)
                    if not f["L"] and not f["DL"] and not f["D"]:
                        self.piece(p + "16", x, y, -42, 12)
                    if not f["UL"] and not f["U"] and not f["L"]:
                        self.piece(p + "17", x, y, -42, -19)
                    if f["U"] and not f["UL"] and not f["L"]:
                        self.piece(p + "18", x, y, -11, -13)
                    if f["R"] and not f["D"] and not f["DR"]:
                        self.piece(p + "19", x, y, 14, 12)
                    if f["UL"] and not (f["U"] and f["L"]):
                        self.piece(p + "20", x, y, -8 if x == m else -36, -13)
                    if f["UR"] and not (f["U"] and f["R"]):
                        self.piece(p + "22", x, y, 14, -13)
                    if x == m and f["L"]:
                        self.piece(p + "21", x, y, -22, 39)
                    if x == m and f["UL"] and not f["L"]:
                        cx, cy = self.centre(x, y)
                        self.put(self.obstacle3(23), cx - 32, cy + 8)

    def side_walls(self, board, rng):
        if board.scrolling != 0:
            return
        h2 = 2
        layout, rotation = {}, {}
        for s in range(4 * h2):
            for r in range(board.h):
                layout[(s, r)] = 0
                rotation[(s, r)] = 0
        for lo, hi in ((0, 2 * h2), (2 * h2, 4 * h2)):
            for s in range(lo, hi):
                for r in range(board.h):
                    u = rng.randrange(32768)
                    if u % 2 and s < hi - 1 and r > 0 and layout[(s, r)] == 0 and \
                            layout[(s, r - 1)] == 0 and layout[(s + 1, r - 1)] == 0:
                        layout[(s, r)], layout[(s, r - 1)] = 1, 2
                        layout[(s + 1, r - 1)], layout[(s + 1, r)] = 3, 4
                        rotation[(s, r)] = rng.randrange(32768)
                    elif layout[(s, r)] == 0 and rng.randrange(32768) % 2:
                        layout[(s, r)] = 10
                        rotation[(s, r)] = rng.randrange(32768)
        W = board.w
        for y in range(1, board.h):
            if not board.is_wall(0, y):
                name = "shadows_left_obstacle3_22" if board.is_wall(0, y - 1) else "shadows_left_obstacle3_18"
                self.piece(name, -1, y, 36 if name.endswith("22") else 11, -13)
        for y in range(board.h):
            for c in range(-2 * h2, 0):
                for name, dx, dy in (("2", 5, 5), ("5", 25, -25), ("6", 25, 25), ("7", -25, 25), ("8", -25, -25)):
                    self.piece("obstacles_left_obstacle3_" + name, c, y, dx, dy)
                if c == -1 and y >= 1 and not board.is_wall(0, y) and not board.is_wall(0, y - 1):
                    self.piece("obstacles_left_obstacle3_11", c, y, 25, -25)
        self._band_decor(board, layout, rotation, range(0, 2 * h2), lambda s: s - 2 * h2)
        for y in range(1, board.h):
            if not board.is_wall(W - 1, y):
                if board.is_wall(W - 1, y - 1):
                    self.piece("shadows_right_obstacle3_20", W, y, -36, -13)
                else:
                    self.piece("shadows_right_obstacle3_18", W, y, -11, -13)
        for y in range(board.h):
            for c in range(W + 2 * h2 - 1, W - 1, -1):
                for name, dx, dy in (("3", -5, 5), ("5", 25, -25), ("6", 25, 25), ("7", -25, 25), ("8", -25, -25)):
                    self.piece("obstacles_right_obstacle3_" + name, c, y, dx, dy)
                if c == W and y >= 1 and not board.is_wall(W - 1, y) and not board.is_wall(W - 1, y - 1):
                    self.piece("obstacles_right_obstacle3_12", c, y, -25, -25)
        self._band_decor(board, layout, rotation, range(4 * h2 - 1, 2 * h2 - 1, -1), lambda s: W + s - 2 * h2)

    def _band_decor(self, board, layout, rotation, slots, column):
        for y in range(board.h):
            for s in slots:
                code, a = layout[(s, y)], rotation[(s, y)]
                cx, cy = self.centre(column(s), y)
                if code == 1:
                    self.put(self.sprite("main_elements_obstacles_obstacle8_1"), cx + 25, cy - 25,
                             rotation=a * 0.017453292)
                elif code == 10:
                    self.put(self.sprite("main_elements_obstacles_obstacle7_1"), cx, cy,
                             rotation=a * 0.017453292)

    def masses(self, board):
        m = board.w // 2
        for x in range(m):
            for y in range(board.h):
                self.mass_cell(board, x, y, -1)
        for x in range(board.w - 1, m - 1, -1):
            for y in range(board.h):
                self.mass_cell(board, x, y, 1)

    def mass_left(self, board, x, y):
        f = self.flags(board, x, y)
        p = "obstacles_left_obstacle3_"
        self.piece(p + "2", x, y, 5, 5)
        if f["R"] or f["U"] or f["UR"]:
            self.piece(p + "5", x, y, 25, -25)
        if f["R"] or f["D"] or f["DR"]:
            self.piece(p + "6", x, y, 25, 25)
        if f["L"] or f["D"] or f["DL"]:
            self.piece(p + "7", x, y, -25, 25)
        if f["L"] or f["U"] or f["UL"]:
            self.piece(p + "8", x, y, -25, -25)
        if f["U"] and not f["R"] and not f["UR"]:
            self.piece(p + "11", x, y, 25, -25)
        if f["L"] and not f["D"] and not f["DL"]:
            self.piece(p + "13", x, y, -25, 25)

    def mass_cell(self, board, x, y, side):
        f = self.flags(board, x, y)
        m = board.w // 2
        if board.cells[x][y].content == 1:
            if side < 0:
                self.mass_left(board, x, y)
            elif x == m and board.is_wall(x - 1, y):
                p = "obstacles_center_obstacle3_"
                self.piece(p + "4", x, y, 0, 5)
                if f["R"] or f["U"] or f["UR"]:
                    self.piece(p + "5", x, y, 25, -25)
                if f["R"] or f["D"] or f["DR"]:
                    self.piece(p + "6", x, y, 25, 25)
                self.piece(p + "7", x, y, -25, 25)
                self.piece(p + "8", x, y, -25, -25)
                if f["R"] and not f["D"] and not f["DR"]:
                    self.piece(p + "13_right", x, y, 25, 25, variant=13)
                if not f["D"] and not f["DL"]:
                    self.piece(p + "13_left", x, y, -25, 25, variant=13)
            else:
                p = "obstacles_right_obstacle3_"
                self.piece(p + "3", x, y, -5, 5)
                if f["R"] or f["U"] or f["UR"]:
                    self.piece(p + "5", x, y, 25, -25)
                if f["R"] or f["D"] or f["DR"]:
                    self.piece(p + "6", x, y, 25, 25)
                if f["L"] or f["D"] or f["DL"]:
                    self.piece(p + "7", x, y, -25, 25)
                if f["L"] or f["U"] or f["UL"]:
                    self.piece(p + "8", x, y, -25, -25)
                if f["U"] and not f["L"] and not f["UL"]:
                    self.piece(p + "12", x, y, -25, -25)
                if f["R"] and not f["D"] and not f["DR"]:
                    self.piece(p + "13", x, y, 25, 25)
                if x == m and board.is_wall(x - 1, y + 1):
                    self.mass_left(board, x - 1, y + 1)
        elif side < 0:
            p = "obstacles_left_empty_obstacle3_"
            for name, dx, dy, cond in (("9", -25, -25, f["L"] and f["U"]), ("5", 25, -25, f["R"] and f["U"]),
                                       ("7", -25, 25, f["L"] and f["D"]), ("6", 25, 25, f["R"] and f["D"]),
                                       ("8", -25, -25, f["L"] and f["U"])):
                if cond:
                    self.piece(p + name, x, y, dx, dy)
        else:
            p = "obstacles_right_empty_obstacle3_"
            for name, dx, dy, cond in (("10", 25, -25, f["R"] and f["U"]), ("5", 25, -25, f["R"] and f["U"]),
                                       ("6", 25, 25, f["R"] and f["D"]), ("7", -25, 25, f["L"] and f["D"]),
                                       ("8", -25, -25, f["L"] and f["U"])):
                if cond:
                    self.piece(p + name, x, y, dx, dy)

    def special_cells(self, board):
        for x in range(board.w):
            for y in range(board.h):
                c = board.cells[x][y]
                cx, cy = self.centre(x, y)
                if c.content == 0 and c.special:
                    self.put(self.sprite("main_elements_coin%d" % 4), cx, cy)
                if c.content != 2 or c.part != 0:
                    continue
                t, a = c.pipe_type, c.angle
                if t <= 5:
                    self.put(self.sprite("main_elements_pipes_pipe%d" % t), cx, cy, rotation=math.radians(a))
                elif t <= 12:
                    dx, dy = {0: (25, 0), 90: (0, 25), 180: (-25, 0), 270: (0, -25)}[a]
                    self.put(self.sprite("main_elements_pipes_pipe%d" % t), cx + dx, cy + dy,
                             rotation=math.radians(a))
                else:
                    dx, dy = {0: (25, -25), 90: (25, 25), 180: (-25, 25), 270: (-25, -25)}[a]
                    name = "main_elements_pipes_pipe%d" % t
                    if c.equip_frame:
                        name += "_active%d" % c.equip_frame
                    self.put(self.sprite(name), cx + dx, cy + dy, rotation=math.radians(a))

    def obstacles(self, board):
        for x in range(board.w):
            for y in range(board.h):
                c = board.cells[x][y]
                if c.content != 1 or c.obstacle == 3:
                    continue
                cx, cy = self.centre(x, y)
                img = self.sprite("main_elements_obstacles_obstacle%d_1" % c.obstacle)
                if c.obstacle in (1, 2, 7):
                    self.put(img, cx, cy, rotation=math.radians(c.ob_angle))
                elif c.ob_part == 0:
                    dx, dy = {0: (25, -25), 90: (25, 25), 180: (-25, 25), 270: (-25, -25)}[c.ob_angle]
                    self.put(img, cx + dx, cy + dy, rotation=math.radians(c.ob_angle))

    def rims(self, board):
        for x in range(board.w):
            for y in range(board.h):
                c = board.cells[x][y]
                if c.content != 2 or c.part != 0 or c.pipe_type > 12:
                    continue
                cx, cy = self.centre(x, y)
                t, a = c.pipe_type, c.angle
                if t > 5:
                    dx, dy = {0: (25, 0), 90: (0, 25), 180: (-25, 0), 270: (0, -25)}[a]
                    cx, cy = cx + dx, cy + dy
                self.put(self.sprite("main_elements_pipes_pipe%d_frame" % t), cx, cy, rotation=math.radians(a))

    # -- water, as the water layer draws it
    def water_piece(self, kind, left, top, right, bottom, w, h, px, py, rotation=0.0, frame=1):
        img = self.sprite("main_elements_water_%d_%d" % (kind, frame))
        iw, ih = img.size
        box = (left * iw, top * ih, right * iw, bottom * ih)
        if w <= 0 or h <= 0 or box[2] - box[0] <= 0 or box[3] - box[1] <= 0:
            return
        part = img.transform((w, h), Image.EXTENT, box, Image.BILINEAR)
        self.put(part, px, py, hot="ul", rotation=rotation)

    def water(self, board, frame=1):
        for x in range(board.w):
            for y in range(board.h):
                c = board.cells[x][y]
                if c.content == 2 and c.pipe_type <= 12 and c.inflow >= 0:
                    self.water_cell(board, x, y, frame)

    def water_cell(self, board, x, y, n):
        c = board.cells[x][y]
        cap = CAPACITY.get(c.pipe_type, 100)
        if c.fill > cap:
            return
        cx, cy = self.centre(x, y)
        f = c.fill / cap
        W = {k: self.sprite("main_elements_water_%d_1" % k).size for k in range(1, 8)}
        sides = _open_sides(c.pipe_type, c.part if c.pipe_type > 5 else 0, c.angle)
        inflow = c.inflow

        def seg(name, g, growing):
            one = 1 if growing else 0
            if name == "top":
                self.water_piece(1, 0, 0, 1, g, W[1][0], int(g * W[1][1]), cx - 12, cy - 25, frame=n)
            elif name == "bottom":
                self.water_piece(1, 0, 1 - g, 1, 1, W[1][0], int(g * W[1][1]), cx - 12, cy + 25 - 50 * g + one,
                                 frame=n)
            elif name == "left":
                self.water_piece(2, 0, 0, g, 1, int(g * W[2][0]), W[2][1], cx - 25, cy - 12, frame=n)
            elif name == "right":
                self.water_piece(2, 1 - g, 0, 1, 1, int(g * W[2][0]), W[2][1], cx + 25 - 50 * g + one, cy - 12,
                                 frame=n)

        def arm(name):
            if f <= 0.74:
                return
            e = f - 0.74
            one = 1 if f < 1 else 0
            if name == "right":
                self.water_piece(2, 0.74, 0, f, 1, int(e * W[2][0]), W[2][1], cx + 12, cy - 12, frame=n)
            elif name == "left":
                self.water_piece(2, 0, 0, e, 1, int(e * W[2][0]), W[2][1], cx - 12 - 50 * e + one, cy - 12,
                                 frame=n)
            elif name == "down":
                self.water_piece(1, 0, 0.74, 1, f, W[1][0], int(e * W[1][1]), cx - 12, cy + 12, frame=n)
            elif name == "up":
                self.water_piece(1, 0, 0, 1, e, W[1][0], int(e * W[1][1]), cx - 12, cy - 12 - 50 * e + one,
                                 frame=n)

        from_side = {U: "top", D: "bottom", L: "left", R: "right"}
        if len(sides) == 1:
            w3, h3 = W[3]
            k = int(21 * f)
            one = 1 if f < 1 else 0
            pos = {U: (cx + 12, cy - 25 + k, math.pi), R: (cx + 25 - k + one, cy + 12, 1.5 * math.pi),
                   D: (cx - 12, cy + 25 - k + one, 0.0), L: (cx - 25 + k, cy - 12, 0.5 * math.pi)}[inflow]
            self.water_piece(3, 0, 1 - f, 1, 1, w3, int(f * h3), pos[0], pos[1], pos[2], frame=n)
            return
        if len(sides) == 2 and sides not in ({U, D}, {L, R}):
            a = f / 0.8 if f <= 0.66 else 1.0
            b = 0.61 if f < 0.66 else 0.61 + (f - 0.66) * 0.39 / 0.34
            one = 1 if f <= 0.66 else 0
            kind = {frozenset({U, L}): 4, frozenset({U, R}): 5, frozenset({R, D}): 6,
                    frozenset({D, L}): 7}[frozenset(sides)]
            Wk, Hk = W[kind]
            segment = {
                (4, U): ((1 - b, 0, 1, a), (b * Wk, a * Hk), (cx - 25 + (1 - b) * Wk, cy - 25)),
                (4, L): ((0, 1 - b, a, 1), (a * Wk, b * Hk), (cx - 25, cy - 25 + (1 - b) * Hk)),
                (5, U): ((0, 0, b, a), (b * Wk, a * Hk), (cx - 11, cy - 25)),
                (5, R): ((1 - a, 1 - b, 1, 1), (a * Wk, b * Hk), (cx + 25 - a * Wk + one, cy - 25 + (1 - b) * Hk)),
                (6, R): ((1 - a, 0, 1, b), (a * Wk, b * Hk), (cx + 25 - a * Wk + one, cy - 11)),
                (6, D): ((0, 1 - a, b, 1), (b * Wk, a * Hk), (cx - 11, cy + 25 - a * Hk + one)),
                (7, D): ((1 - b, 1 - a, 1, 1), (b * Wk, a * Hk), (cx + 11 - b * Wk, cy + 25 - a * Hk + one)),
                (7, L): ((0, 0, a, b), (a * Wk, b * Hk), (cx - 25, cy - 11)),
            }[(kind, inflow)]
            (l, t, r, btm), (w, h), (px, py) = segment
            self.water_piece(kind, l, t, r, btm, int(w), int(h), px, py, frame=n)
            return
        if len(sides) == 2:
            seg(from_side[inflow], f, f < 1)
            return
        if len(sides) == 4:
            arms = {U: ("right", "left"), D: ("right", "left"), R: ("up", "down"), L: ("up", "down")}[inflow]
            for name in arms:
                arm(name)
            seg(from_side[inflow], f, f < 1)
            return
        closed = ({U, R, D, L} - sides).pop()
        stem = (closed + 2) % 4
        arm_name = {U: "up", R: "right", D: "down", L: "left"}
        if inflow == stem:
            seg(from_side[inflow], min(f, 0.74), f < 0.74)
            for s in sorted(sides - {stem}, key=lambda s: {R: 0, D: 1, U: 2, L: 3}[s]):
                arm(arm_name[s])
        else:
            seg(from_side[inflow], f, f < 1)
            arm(arm_name[stem])


def _sample_level():
    """A level in progress on a 15-wide vertical board: the water has come
    from the pump through the start pipe and is half-way into a two-cell
    piece."""
    b = Board(15, 14, 0)
    for x, y in [(0, 3), (0, 4), (1, 4), (6, 6), (7, 6), (8, 6), (7, 7), (13, 8), (14, 8), (14, 9),
                 (10, 9), (5, 1), (5, 2), (11, 6), (2, 6), (12, 9)]:
        b.obstacle(3, x, y)
    for x, y, t, a in [(11, 6, 1, 0), (2, 6, 2, 90), (12, 9, 7, 0)]:
        b.cells[x][y].obstacle, b.cells[x][y].ob_angle = t, a
    b.obstacle(4, 9, 2)
    b.obstacle(8, 0, 8)
    b.pipe(14, 0, 0, 13)
    for t, a, x, y in [(5, 0, 2, 13), (4, 0, 3, 13), (5, 90, 3, 12), (2, 0, 3, 11), (3, 0, 3, 10),
                       (9, 270, 3, 9), (1, 90, 5, 12), (12, 0, 6, 12), (4, 90, 9, 12), (5, 0, 10, 12),
                       (6, 90, 11, 10), (10, 180, 9, 8), (7, 0, 4, 4), (8, 180, 13, 5), (11, 270, 12, 3),
                       (1, 270, 7, 0), (4, 180, 6, 2)]:
        b.pipe(t, a, x, y)
    b.pipe(15, 0, 12, 13)
    b.pipe(16, 90, 7, 9)
    b.pipe(17, 0, 1, 1)
    b.cells[12][13].equip_frame = 1
    b.cells[1][1].equip_frame = 2
    for (x, y), side, ratio in [((2, 13), L, 1.0), ((3, 13), L, 1.0), ((3, 12), D, 1.0), ((3, 11), D, 1.0),
                                ((3, 10), D, 0.9), ((3, 9), D, 0.45)]:
        b.wet(x, y, side, ratio)
    for x, y in [(6, 9), (8, 10), (11, 1), (4, 6)]:
        b.cells[x][y].special = True
    b.open_connections = [(4, 11, {L}), (2, 9, {R}), (3, 7, {D}), (4, 8, {L})]
    rng = random.Random(3)
    while len(b.decor) < 12:
        x, y = rng.randrange(15), rng.randrange(14)
        if b.cells[x][y].content == 0 and not b.cells[x][y].special:
            b.decor.append((rng.randint(1, 18), x, y, rng.uniform(-12, 12), rng.uniform(-12, 12),
                            rng.uniform(0, 360)))
    return b


def _catalogue():
    b = Board(15, 33, 1)
    slots = [(t, a) for t in range(1, 13) for a in (0, 90, 180, 270)]
    for i, (t, a) in enumerate(slots):
        sx, sy = (i % 5) * 3 + 1, (i // 5) * 3 + 1
        cells = b.pipe(t, a, sx, sy)
        for k, (x, y) in enumerate(cells):
            sides = _open_sides(t, k if t > 5 else 0, a)
            if i % 3 != 2:
                b.wet(x, y, min(sides), (0.5, 1.0)[(i + k) % 2])
    for i, t in enumerate(range(13, 18)):
        b.pipe(t, 0, 3 * i, 32)
    return b


def render(resources, board, canvas_size, origin, tile_set=1, look=1, water_frame=6):
    r = Renderer(resources, canvas_size, origin, tile_set, look)
    r.tiles(board)
    r.decor(board)
    r.open_connections(board)
    r.shadows(board)
    r.side_walls(board, random.Random(11))
    r.masses(board)
    r.special_cells(board)
    r.obstacles(board)
    r.water(board, water_frame)
    r.rims(board)
    return r


def build(resources, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name, tile_set, look in (("field_board.png", 1, 1), ("field_board_canyon.png", 3, 2),
                                 ("field_board_caverns.png", 5, 3)):
        board = _sample_level()
        r = render(resources, board, (1024, 800), (137, 40), tile_set, look)
        strip = r.sprite("main_animations_water_1")
        for k in range(8):
            r.put(strip, -7 + 172 * k, 40 + 700 - 10, hot="ul")
        gutter = Image.open(os.path.join(resources, interface.path("pump_gutter")))
        gauge = Image.open(os.path.join(resources, interface.path("pump_water")))
        cx, cy = r.centre(2, 13)
        r.put(gutter, cx, cy)
        h = int(0.6 * gauge.height)
        r.put(gauge.crop((0, gauge.height - h, gauge.width, gauge.height)), cx - 25, cy + 25 - h, hot="ul")
        r.canvas.save(os.path.join(out_dir, name))
    r = render(resources, _catalogue(), (760, 1660), (5, 5), 2, 1)
    r.canvas.save(os.path.join(out_dir, "field_catalogue.png"))
