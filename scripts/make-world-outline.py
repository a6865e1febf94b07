#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/world-50m.bin, the country outlines the domain map draws.

Source: the npm package world-atlas (countries-50m.json), a TopoJSON edition
of Natural Earth's Admin 0 countries at 1:50 million. Natural Earth is in the
public domain; the package itself is under the ISC licence (Michael Bostock).
Run it by hand when the outlines are to be renewed; the output is
deterministic for one edition of the package:

    scripts/make-world-outline.py                 # fetches the package with npm pack
    scripts/make-world-outline.py countries-50m.json

Output format, little-endian:

    "QWO1"                       magic and version
    u32 scale                    units per degree of the coordinates below
    u32 country count
    per country:
        u8  name length, name    UTF-8, Natural Earth's short name
        u32 ring count
        per ring:
            u32 point count
            point count x (i32 lon, i32 lat), the first as it is, the rest
            as differences from the point before, each as a zig-zag varint

Rings are closed implicitly (the last point is not repeated). Longitudes are
continuous along a ring, so a ring across the 180th meridian runs past 180 or
-180. Outer rings and holes are not told apart: an odd-even fill draws both.
"""
import json
import pathlib
import struct
import subprocess
import sys
import tarfile
import tempfile

PACKAGE = "world-atlas@2.0.2"
SCALE = 1000  # 0.001 degree, about 110 m: finer than the source's own quantization


def fetch_topology():
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["npm", "pack", PACKAGE], cwd=folder, check=True, stdout=subprocess.DEVNULL)
        archive = next(pathlib.Path(folder).glob("world-atlas-*.tgz"))
        with tarfile.open(archive) as tar:
            return json.load(tar.extractfile("package/countries-50m.json"))


def decode_arcs(topology):
    (sx, sy), (tx, ty) = topology["transform"]["scale"], topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * sx + tx, y * sy + ty))
        arcs.append(points)
    return arcs


def ring_points(arcs, indices):
    ring = []
    for index in indices:
        arc = arcs[index] if index >= 0 else list(reversed(arcs[~index]))
        ring.extend(arc if not ring else arc[1:])
    # Rings that cross the 180th meridian jump from +180 to -180 in the
    # source; keep their longitudes continuous instead (past 180 or -180), so
    # that no edge runs across the whole map.
    for k in range(1, len(ring)):
        lon, lat = ring[k]
        previous = ring[k - 1][0]
        while lon - previous > 180:
            lon -= 360
        while lon - previous < -180:
            lon += 360
        ring[k] = (lon, lat)
    quantized = []
    for lon, lat in ring:
        point = (round(lon * SCALE), round(lat * SCALE))
        if not quantized or quantized[-1] != point:
            quantized.append(point)
    if len(quantized) > 1 and quantized[0] == quantized[-1]:
        quantized.pop()
    return quantized


def varint(value):
    zigzag = (value << 1) ^ (value >> 63)
    out = bytearray()
    while True:
        byte = zigzag & 0x7F
        zigzag >>= 7
        if zigzag:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return bytes(out)


def encode(topology):
    arcs = decode_arcs(topology)
    countries = []
    for geometry in topology["objects"]["countries"]["geometries"]:
        name = geometry.get("properties", {}).get("name", "")
        if geometry["type"] == "Polygon":
            polygons = [geometry["arcs"]]
        elif geometry["type"] == "MultiPolygon":
            polygons = geometry["arcs"]
        else:
            continue
        rings = [ring_points(arcs, ring) for polygon in polygons for ring in polygon]
        rings = [ring for ring in rings if len(ring) >= 3]
        if name and rings:
            countries.append((name, rings))
    countries.sort(key=lambda country: country[0])

    out = bytearray(b"QWO1")
    out += struct.pack("<II", SCALE, len(countries))
    for name, rings in countries:
        encoded = name.encode("utf-8")
        out += struct.pack("<B", len(encoded)) + encoded
        out += struct.pack("<I", len(rings))
        for ring in rings:
            out += struct.pack("<I", len(ring))
            previous = (0, 0)
            for point in ring:
                out += varint(point[0] - previous[0]) + varint(point[1] - previous[1])
                previous = point
    return bytes(out)


def main():
    if len(sys.argv) > 1:
        topology = json.loads(pathlib.Path(sys.argv[1]).read_text(encoding="utf-8"))
    else:
        topology = fetch_topology()
    target = pathlib.Path(__file__).resolve().parent.parent / "data" / "world-50m.bin"
    target.write_bytes(encode(topology))
    print(f"{target}: {target.stat().st_size} bytes")


if __name__ == "__main__":
    main()
