"""Texture atlases: many small pictures packed into one image, with an
"images" description of named rectangles ("id", "aX", "aY", "aW", "aH").

The game insets every rectangle by 1/4096 of the texture, so items sit in a
gutter whose pixels repeat the item's edge: filtering at an edge then never
reaches a neighbour, and tiles and water strips join without seams.
"""

import os
import xml.etree.ElementTree as ET

import cairo
import numpy as np
from PIL import Image

GUTTER = 2


def surface_to_image(surface):
    """A cairo ARGB32 surface as a straight-alpha PIL RGBA image."""
    surface.flush()
    w, h = surface.get_width(), surface.get_height()
    data = np.ndarray((h, surface.get_stride() // 4, 4), np.uint8, surface.get_data())[:, :w]
    bgra = data.astype(np.float32)
    alpha = bgra[..., 3:4]
    rgb = np.where(alpha > 0, bgra[..., :3] * 255.0 / np.maximum(alpha, 1), 0)
    out = np.concatenate([rgb[..., 2:3], rgb[..., 1:2], rgb[..., 0:1], alpha], axis=2)
    return Image.fromarray(np.clip(np.rint(out), 0, 255).astype(np.uint8), "RGBA")


def canvas(w, h):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
    return surface, cairo.Context(surface)


class Atlas:
    """Collects (id, picture) pairs; several ids may share one picture."""

    def __init__(self, width):
        self.width = width
        self.pictures = []   # (key, image)
        self.ids = []        # (id, key)
        self._keys = {}

    def add(self, item_id, image, share=None):
        key = share if share is not None else item_id
        if key not in self._keys:
            self._keys[key] = len(self.pictures)
            self.pictures.append((key, image))
        self.ids.append((item_id, key))

    def pack(self):
        """Shelf packing, tallest first; returns key -> (x, y, w, h)."""
        order = sorted(range(len(self.pictures)),
                       key=lambda i: (-self.pictures[i][1].height, -self.pictures[i][1].width, i))
        places, x, y, shelf = {}, 0, 0, 0
        for i in order:
            key, image = self.pictures[i]
            w, h = image.width + 2 * GUTTER, image.height + 2 * GUTTER
            if x + w > self.width:
                x, y, shelf = 0, y + shelf, 0
            places[key] = (x + GUTTER, y + GUTTER, image.width, image.height)
            x += w
            shelf = max(shelf, h)
        return places, y + shelf

    def write(self, image_path, xml_path):
        places, used = self.pack()
        height = 1
        while height < used:
            height *= 2
        sheet = np.zeros((height, self.width, 4), np.uint8)
        for key, image in self.pictures:
            x, y, w, h = places[key]
            pixels = np.asarray(image.convert("RGBA"))
            sheet[y:y + h, x:x + w] = pixels
            # Repeat the edge into the gutter.
            for g in range(1, GUTTER + 1):
                sheet[y - g, x:x + w] = pixels[0]
                sheet[y + h - 1 + g, x:x + w] = pixels[-1]
            sheet[y - GUTTER:y + h + GUTTER, x - GUTTER:x] = \
                sheet[y - GUTTER:y + h + GUTTER, x:x + 1]
            sheet[y - GUTTER:y + h + GUTTER, x + w:x + w + GUTTER] = \
                sheet[y - GUTTER:y + h + GUTTER, x + w - 1:x + w]
        os.makedirs(os.path.dirname(image_path), exist_ok=True)
        Image.fromarray(sheet, "RGBA").save(image_path, optimize=True)
        os.makedirs(os.path.dirname(xml_path), exist_ok=True)
        lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<images>"]
        for item_id, key in self.ids:
            x, y, w, h = places[key]
            lines.append('  <image id="%s" aX="%d" aY="%d" aW="%d" aH="%d"/>' % (item_id, x, y, w, h))
        lines.append("</images>")
        with open(xml_path, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(lines) + "\n")
        return places, (self.width, height)


def read_description(xml_path):
    """id -> (x, y, w, h) of an atlas description."""
    items = {}
    for child in ET.parse(xml_path).getroot():
        items.setdefault(child.get("id"), tuple(int(child.get(k)) for k in ("aX", "aY", "aW", "aH")))
    return items
