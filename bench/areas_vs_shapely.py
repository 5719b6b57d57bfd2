#!/usr/bin/python3
# Union, clip and area side by side with shapely (python3-shapely, GEOS
# underneath) and pyproj's geodesic area (python3-pyproj), on a ring of a
# million vertices and on the Highland file. Each figure is the best of
# three runs, in seconds of CPU time.
#   /usr/bin/python3 bench/areas_vs_shapely.py [TESSALINE] [HIGHLAND.poly]
# Two kinds of figure: the whole command (read the file, do it, write the
# result), as a user meets it; and the operation alone, shapely on
# polygons already built, tessaline on rings already read (bench_areas_bench).
import math, os, resource, subprocess, sys, tempfile, time

import shapely.ops
from shapely.geometry import Polygon, box
from shapely.validation import make_valid
from pyproj import Geod

tessaline = sys.argv[1] if len(sys.argv) > 1 else "build/src/tessaline"
highland = sys.argv[2] if len(sys.argv) > 2 else "/work/shared/realdata/poly/cities_highland_scotland.poly"
work = tempfile.mkdtemp()


def cpu():
    children = resource.getrusage(resource.RUSAGE_CHILDREN)
    return time.process_time() + children.ru_utime + children.ru_stime


def best(run, times=3):
    # The CPU time, ours and the commands' we start: the machine is shared,
    # and wall times swing with the load.
    out = []
    for _ in range(times):
        start = cpu()
        run()
        out.append(cpu() - start)
    return min(out)


def coastline(n, lon, lat):
    # The ring of bench/memory.sh: rippled, closed, seven decimals.
    for i in range(n + 1):
        a = 2 * math.pi * (i % n) / n
        r = 1 + 0.001 * math.sin(37 * a) + 0.0003 * math.sin(311 * a)
        yield round(lon + r * math.cos(a), 7), round(lat + 0.6 * r * math.sin(a), 7)


def write_poly(path, rings):
    with open(path, "w") as f:
        f.write("bench\n")
        for k, (name, ring) in enumerate(rings):
            f.write(f"{name}\n" + "".join(f"   {x:.7f} {y:.7f}\n" for x, y in ring) + "END\n")
        f.write("END\n")


def read_poly(path):
    rings, name, ring = [], None, None
    with open(path) as f:
        next(f)
        for line in f:
            words = line.split()
            if not words:
                continue
            if words[0].upper() == "END":
                if ring is not None:
                    rings.append((name, ring))
                ring = None
                continue
            if ring is None:
                name, ring = line.strip(), []
                continue
            ring.append((float(words[0]), float(words[1])))
    return rings


def valid(ring):
    # As tessaline does: a ring that crosses itself is repaired first.
    p = Polygon(ring)
    return p if p.is_valid else make_valid(p)


def area_of(rings):
    outer = shapely.ops.unary_union([valid(r) for n, r in rings if not n.startswith("!")])
    holes = [valid(r) for n, r in rings if n.startswith("!")]
    return outer.difference(shapely.ops.unary_union(holes)) if holes else outer


def write_area(path, geometry):
    rings = []
    for polygon in getattr(geometry, "geoms", [geometry]):
        if polygon.geom_type != "Polygon":
            continue
        rings.append((str(len(rings) + 1), list(polygon.exterior.coords)))
        rings += [("!" + str(len(rings) + 1), list(h.coords)) for h in polygon.interiors]
    write_poly(path, rings)


geod = Geod(ellps="WGS84")

million = f"{work}/million.poly"
write_poly(million, [("1", list(coastline(1_000_000, 10, 50))), ("2", list(coastline(1_000_000, 10.5, 50.2)))])
inputs = {"1M-vertex rings (2 x 1,000,000)": million, "Highland": highland}

print(f"{'input':34} {'operation':8} {'tessaline':>10} {'shapely':>10} {'ratio':>6}   {'shapely op alone':>16}")
for label, path in inputs.items():
    rings = read_poly(path)
    xs = [x for n, r in rings for x, y in r]
    ys = [y for n, r in rings for x, y in r]
    # The clip keeps the western half, with a margin.
    west, south, east, north = min(xs), min(ys), max(xs), max(ys)
    clip = f"{work}/clip.poly"
    middle = (west + east) / 2
    write_poly(clip, [("1", [(west - 1, south - 1), (middle, south - 1), (middle, north + 1), (west - 1, north + 1), (west - 1, south - 1)])])
    clip_box = box(west - 1, south - 1, middle, north + 1)
    polygons = [(n, valid(r)) for n, r in rings]

    def tess(*words):
        return lambda: subprocess.run([tessaline, *words], check=False, capture_output=True)

    def whole_union():
        write_area(f"{work}/out-py.poly", area_of(read_poly(path)))

    def whole_clip():
        write_area(f"{work}/out-py.poly", area_of(read_poly(path)).intersection(clip_box))

    def whole_area():
        a = area_of(read_poly(path))
        geod.geometry_area_perimeter(a)

    outer = [p for n, p in polygons if not n.startswith("!")]
    holes = [p for n, p in polygons if n.startswith("!")]

    def op_union():
        u = shapely.ops.unary_union(outer)
        if holes:
            u = u.difference(shapely.ops.unary_union(holes))
        return u

    united = op_union()
    rows = [
        ("union", tess("--union", path, "-o", f"{work}/out.poly"), whole_union, op_union),
        ("clip", tess("--clip", clip, path, "-o", f"{work}/out.poly"), whole_clip, lambda: op_union().intersection(clip_box)),
        ("area", tess("--check", path), whole_area, lambda: geod.geometry_area_perimeter(united)),
    ]
    for name, ours, theirs, op in rows:
        a, b, c = best(ours), best(theirs), best(op)
        print(f"{label:34} {name:8} {a:10.3f} {b:10.3f} {a / b:6.2f}   {c:16.3f}")
    print(f"{label:34} {'planar area (shapely .area)':>30} {best(lambda: united.area):10.4f}")
