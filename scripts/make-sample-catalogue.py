#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/tiles.cfg, the sample catalogue the program ships with.

The catalogue is made up: realistic in shape (numbered MM5 domains with their
grid resolution, index limits and longitude/latitude limits, data years, domain
keys and the countries each domain covers), invented in content. Run it again
after changing the tables below; the output is deterministic.
"""
import pathlib

# number: (resolution, I cells, J cells, lon from, lon to, lat from, lat to, years, countries)
HAND_MADE = {
    1: ("36", 150, 120, "-30.0", "50.0", "25.0", "72.0", "2001,2002,2003,2004,2005", "France, Spain, Portugal, Germany, Italy, United Kingdom, Ireland, Norway, Sweden, Poland"),
    2: ("36", 140, 110, "-135.0", "-55.0", "20.0", "60.0", "2001,2002,2003,2004,2005", "United States, Canada, Mexico"),
    3: ("12", 120, 100, "-10.5", "10.25", "35.5", "51.25", "2003,2004,2005", "France, Spain, Portugal, Andorra"),
    4: ("12", 110, 100, "5.5", "19.0", "45.50", "55.25", "2003,2004", "Germany, Austria, Switzerland, Czech Republic"),
    5: ("36", 130, 120, "-80.0", "-30.0", "-40.5", "-10", "2002,2004,2006", "Argentina, Uruguay, Paraguay"),
    6: ("36", 120, 120, "105.0", "160.0", "-45.0", "-10.0", "2003,2004,2005,2006", "Australia, New Zealand"),
    7: ("12", 90, 80, "-5.25", "9.75", "41.0", "51.5", "2001,2005", "France, Spain"),
    8: ("36", 120, 110, "-75.0", "-30.0", "-35.0", "6.0", "2004,2005", "Brazil, Uruguay"),
    9: ("12", 100, 90, "-120", "-60", "-40.5", "-10", "2005", "Chile, Argentina"),
    10: ("36", 140, 120, "-75.0", "-5.0", "55.0", "85.0", "2003,2004,2005", "Greenland, Iceland, Canada"),
    11: ("4.00", 120, 120, "-55.0", "-40.0", "60.0", "70.0", "2004,2005", "Greenland"),
    12: ("1.333", 90, 90, "-52.5", "-50.0", "63.5", "65.0", "2005", "Greenland"),
    13: ("12", 110, 100, "-60.0", "-20.0", "59.0", "84.0", "2004", "Greenland, Iceland"),
    14: ("36", 120, 100, "-20.0", "30.0", "0.0", "25.0", "2002,2003,2004", "Niger, Nigeria, Mali, Chad, Burkina Faso"),
    15: ("12", 100, 90, "0.0", "16.0", "11.5", "24.0", "2003,2004", "Niger"),
    16: ("12", 100, 90, "2.5", "15.0", "4.0", "14.0", "2003,2004", "Nigeria, Cameroon"),
    17: ("36", 110, 110, "10.0", "41.0", "-35.0", "-15.0", "2001,2003", "South Africa, Namibia, Botswana, Lesotho"),
    18: ("36", 120, 120, "90.0", "145.0", "-11.0", "8.0", "2004,2005", "Indonesia, Malaysia, Papua New Guinea"),
    19: ("4.00", 100, 100, "-74.5", "-73.0", "45.0", "46.0", "2005", "Canada"),
    20: ("1.333", 90, 90, "-79.6", "-79.2", "43.5", "43.8", "2005", "Canada, United States"),
}

# Smaller nested domains for a handful of regions fill the rest of the list,
# so that domains numbered with one, two and three digits all exist.
REGIONS = [
    ("France", 2.0, 46.5), ("Spain", -3.5, 40.0), ("Italy", 12.5, 42.5), ("Germany", 10.0, 51.0),
    ("United States", -98.0, 39.0), ("Canada", -100.0, 55.0), ("Australia", 134.0, -25.0),
    ("Brazil", -50.0, -12.0), ("Argentina", -64.0, -34.0), ("South Africa", 24.0, -29.0),
    ("Norway", 9.0, 61.0), ("Mexico", -102.0, 23.0), ("New Zealand", 172.0, -41.0),
    ("United Kingdom", -2.0, 54.0), ("Chile", -71.0, -30.0),
]
RESOLUTIONS = ["12", "4.00", "1.333"]
ALL_YEARS = [2001, 2002, 2003, 2004, 2005, 2006]
DOMAIN_COUNT = 125


def fmt(value):
    text = f"{value:.3f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def generated(number):
    country, lon, lat = REGIONS[number % len(REGIONS)]
    resolution = RESOLUTIONS[number % len(RESOLUTIONS)]
    half = {"12": 4.0, "4.00": 1.5, "1.333": 0.5}[resolution]
    shift = (number % 7 - 3) * half / 4
    years = ",".join(str(y) for y in ALL_YEARS[number % 4: number % 4 + 1 + number % 3])
    return (resolution, 60 + number % 5 * 10, 50 + number % 4 * 10,
            fmt(lon - half + shift), fmt(lon + half + shift),
            fmt(lat - half * 0.8), fmt(lat + half * 0.8), years, country)


def domain(number):
    return HAND_MADE.get(number) or generated(number)


def description_line(number, d):
    resolution, i_cells, j_cells, lon1, lon2, lat1, lat2 = d[:7]
    fields = [
        f"{number:03d}", "MM5", f"D{number:03d}", "LAMBERT", "TRUELAT", "30.0", "60.0", "NESTED",
        resolution, "23", "SIGMA", "BIN",
        "1", "1", str(i_cells), str(j_cells), "0", "0", lon1, lon2, lat1, lat2,
    ]
    assert len(fields) == 22
    return "  ".join(fields) if number % 2 else " ".join(fields)


def main():
    out = []
    out.append("Catalogue date: 20110419")
    out.append("3")
    out.append("QMT tiled MM5 data catalogue (sample, made-up domains)")
    out.append("Section 1: domain descriptions, 22 fields:")
    out.append("  number model name projection ... resolution(km) ... I1 J1 I2 J2 - - lon1 lon2 lat1 lat2")
    out.append("Terminator of every section: a line holding 999")
    for n in range(1, DOMAIN_COUNT + 1):
        out.append(description_line(n, domain(n)))
    out.append("999")
    out.append("Section 2: domain keys")
    for n in range(1, DOMAIN_COUNT + 1):
        out.append(f"KEY MM5_D{n:03d}_{domain(n)[0].replace('.', 'p')}km_QMT_TILES")
    out.append("999")
    out.append("Section 3: data years per domain")
    for n in range(1, DOMAIN_COUNT + 1):
        out.append(f"{n} {domain(n)[7]}")
    out.append("999")
    out.append("Section 4: key words")
    out.append("TILESIZE=20")
    out.append("PACKING=GRIB1")
    out.append("ORDERS=orders@qmt-example.com")
    out.append("999")
    out.append("Section 5: countries per domain")
    for n in range(1, DOMAIN_COUNT + 1):
        countries = domain(n)[8]
        out.append(f"{n} {countries}")
    out.append("999")
    out.append("End of catalogue")
    path = pathlib.Path(__file__).resolve().parent.parent / "data" / "tiles.cfg"
    path.write_bytes(("\r\n".join(out) + "\r\n").encode("latin-1"))


if __name__ == "__main__":
    main()
