"""What every XML generator shares: the file header, the writer, and the
game's own name and version texts."""

import os

COMPANY = "Korvane"
PRODUCT = "Aquavex"
VERSION = "Version 1.0"
COPYRIGHT = "\u00A9 2026 Korvane. All rights reserved."


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def header():
    return ['<?xml version="1.0" encoding="UTF-8"?>']
