#!/usr/bin/env python3
"""Makes a small offline map to try the map under the outline without a
network: an MBTiles file (and, with --folder, a {z}/{x}/{y}.png folder)
whose tiles paint the areas of some .poly files in flat colours over a
one-degree grid, zooms 0 to 7. Only the standard library is used.

Usage: make-demo-tiles.py OUT.mbtiles [--folder DIR] POLY[:RRGGBB]...
"""
import math
import os
import sqlite3
import struct
import sys
import zlib

SEA = (170, 211, 223)
LAND = (242, 239, 233)
GRID = (200, 200, 200)


def read_rings(path):
    rings, ring = [], None
    with open(path, encoding="utf-8", errors="replace") as f:
        lines = f.read().splitlines()[1:]
    for line in lines:
        words = line.split()
        if not words:
            continue
        if words[0] == "END":
            if ring is not None:
                rings.append(ring)
                ring = None
            continue
        if ring is None:
            ring = []
            continue
        ring.append((float(words[0]), float(words[1])))
    return rings


def world(lon, lat, z):
    n = 256 * 2 ** z
    lat = max(-85.0511, min(85.0511, lat))
    y = math.log(math.tan(math.pi / 4 + math.radians(lat) / 2))
    return (lon + 180) / 360 * n, (1 - y / math.pi) / 2 * n


def fill(pixels, ring, z, tx, ty, colour):
    pts = [world(lon, lat, z) for lon, lat in ring]
    pts = [(x - tx * 256, y - ty * 256) for x, y in pts]
    ys = [p[1] for p in pts]
    if max(ys) < 0 or min(ys) > 256:
        return
    edges = list(zip(pts, pts[1:] + pts[:1]))
    for row in range(256):
        cy = row + 0.5
        xs = sorted(x1 + (cy - y1) * (x2 - x1) / (y2 - y1) for (x1, y1), (x2, y2) in edges if (y1 <= cy) != (y2 <= cy))
        for a, b in zip(xs[::2], xs[1::2]):
            for col in range(max(0, int(a + 0.5)), min(256, int(b + 0.5))):
                pixels[row][col] = colour


def png(pixels):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", 256, 256, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def tile(areas, z, x, y):
    pixels = [[SEA] * 256 for _ in range(256)]
    for rings, colour in areas:
        for ring in rings:
            fill(pixels, ring, z, x, y, colour)
    step = 1 if z >= 5 else 10
    for lon in range(-180, 181, step):
        px = world(lon, 0, z)[0] - x * 256
        if 0 <= px < 256:
            for row in pixels:
                row[int(px)] = GRID
    for lat in range(-80, 81, step):
        py = world(0, lat, z)[1] - y * 256
        if 0 <= py < 256:
            pixels[int(py)] = [GRID] * 256
    return png(pixels)


def main(argv):
    out, folder, areas = argv[1], None, []
    rest = argv[2:]
    if rest[:1] == ["--folder"]:
        folder, rest = rest[1], rest[2:]
    for word in rest:
        path, _, hexcolour = word.partition(":")
        colour = tuple(int(hexcolour[k:k + 2], 16) for k in (0, 2, 4)) if hexcolour else LAND
        areas.append((read_rings(path), colour))
    lons = [lon for rings, _ in areas for r in rings for lon, _ in r]
    lats = [lat for rings, _ in areas for r in rings for _, lat in r]
    if os.path.exists(out):
        os.remove(out)
    db = sqlite3.connect(out)
    db.execute("CREATE TABLE metadata (name TEXT, value TEXT)")
    db.execute("CREATE TABLE tiles (zoom_level INTEGER, tile_column INTEGER, tile_row INTEGER, tile_data BLOB)")
    db.executemany("INSERT INTO metadata VALUES (?, ?)", [("name", "Demo"), ("format", "png"), ("minzoom", "0"),
                                                          ("maxzoom", "7"), ("attribution", "Demo tiles made from .poly files")])
    for z in range(8):
        x0, y0 = (int(v // 256) for v in world(min(lons) - 2, max(lats) + 2, z))
        x1, y1 = (int(v // 256) for v in world(max(lons) + 2, min(lats) - 2, z))
        for x in range(x0, x1 + 1):
            for y in range(y0, y1 + 1):
                data = tile(areas, z, x, y)
                db.execute("INSERT INTO tiles VALUES (?, ?, ?, ?)", (z, x, 2 ** z - 1 - y, data))
                if folder:
                    os.makedirs(f"{folder}/{z}/{x}", exist_ok=True)
                    with open(f"{folder}/{z}/{x}/{y}.png", "wb") as f:
                        f.write(data)
    db.commit()


if __name__ == "__main__":
    main(sys.argv)
