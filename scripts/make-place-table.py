#!/usr/bin/env python3
"""Writes src/core/place_table_data.inc: the cities and countries the place finder knows, each city
with the Windows time-zone key it follows.

    scripts/make-place-table.py [--zoneinfo DIR] [--cldr FILE] [--output FILE]

Sources (Debian packages, needed only to regenerate, never to build):
  tzdata:            /usr/share/zoneinfo/{zone.tab,zone1970.tab,iso3166.tab,tzdata.zi} (public domain)
  unicode-cldr-core: /usr/share/unicode/cldr/common/supplemental/windowsZones.xml (Unicode License)

Every text lives once in one string pool; the rows hold 16-bit offsets into it and 8-bit indices of
their country and zone, so that the program reads the table where it lies.
"""

import argparse
import os
import sys
import unicodedata
import xml.etree.ElementTree as ElementTree

# Letters that decomposition leaves alone; the program's fold spells them the same way.
SPECIAL_FOLDS = {
    "ß": "ss", "Æ": "AE", "æ": "ae", "Ð": "D", "ð": "d", "Ø": "O", "ø": "o", "Þ": "TH", "þ": "th",
    "Đ": "D", "đ": "d", "Ħ": "H", "ħ": "h", "ı": "i", "Ĳ": "IJ", "ĳ": "ij", "ĸ": "k", "Ŀ": "L",
    "ŀ": "l", "Ł": "L", "ł": "l", "ŉ": "n", "Ŋ": "N", "ŋ": "n", "Œ": "OE", "œ": "oe", "Ŧ": "T",
    "ŧ": "t", "ſ": "s",
}

# Zone ids that name no place: fixed offsets and the old POSIX-style names.
NOT_CITIES = ("Etc/",)


def fold(text):
    """The ASCII spelling of a name, its case kept: "São Tomé" gives "Sao Tome"."""
    out = []
    for ch in text:
        if ch in SPECIAL_FOLDS:
            out.append(SPECIAL_FOLDS[ch])
            continue
        base = "".join(c for c in unicodedata.normalize("NFKD", ch) if not unicodedata.combining(c))
        if not base.isascii():
            sys.exit(f"no ASCII spelling for {ch!r} in {text!r}")
        out.append(base)
    return "".join(out)


def table_rows(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                yield line.rstrip("\n").split("\t")


def read_links(path):
    """Each zone id to the set of ids that name the same zone (tzdata's links)."""
    parent = {}

    def root(name):
        while parent.get(name, name) != name:
            name = parent[name]
        return name

    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.split()
            if len(fields) == 3 and fields[0] == "L":
                parent[root(fields[2])] = root(fields[1])
    return root


def city_of(zone_id):
    return zone_id.rsplit("/", 1)[-1].replace("_", " ")


def is_city(zone_id):
    return "/" in zone_id and not zone_id.startswith(NOT_CITIES)


def read_windows_zones(path):
    """[(key, territory, [zone ids])] in the file's order, and the tzdata version it maps."""
    root = ElementTree.parse(path).getroot()
    mappings = []
    for node in root.iter("mapZone"):
        mappings.append((node.get("other"), node.get("territory"), node.get("type").split()))
    return mappings, next(root.iter("mapTimezones")).get("typeVersion")


def tzdata_version(path):
    with open(path, encoding="utf-8") as f:
        first = f.readline().split()
    return first[-1] if first[:2] == ["#", "version"] else "unknown"


class Pool:
    def __init__(self):
        self.offsets = {}
        self.data = bytearray()

    def add(self, text):
        if text not in self.offsets:
            self.offsets[text] = len(self.data)
            self.data += text.encode("utf-8") + b"\0"
            if len(self.data) > 0xFFFF:
                sys.exit("the string pool outgrew 16-bit offsets")
        return self.offsets[text]


def build(zoneinfo, cldr):
    countries = {row[0]: row[1] for row in table_rows(os.path.join(zoneinfo, "iso3166.tab"))}
    canonical = read_links(os.path.join(zoneinfo, "tzdata.zi"))
    mappings, mapped_version = read_windows_zones(cldr)
    keys = [key for key, territory, _ in mappings if territory == "001"]

    by_territory = {}
    by_zone = {}
    territory_keys = {}
    for key, territory, ids in mappings:
        territory_keys.setdefault(territory, set()).add(key)
        for zone_id in ids:
            by_territory.setdefault((territory, canonical(zone_id)), key)
            if territory not in ("001", "ZZ"):
                by_zone.setdefault(canonical(zone_id), key)

    # (country, city, key), the time-zone database's own cities first, in its order: the most
    # populous zone of a country first.
    cities = []
    seen = set()
    skipped = []

    def key_of(country, zone_id):
        # A zone newer than the mapping, or spelt anew ("Asmara"), is found by its country when that
        # country keeps one clock.
        only = territory_keys.get(country, set())
        return (by_territory.get((country, canonical(zone_id))) or by_zone.get(canonical(zone_id)) or
                (next(iter(only)) if len(only) == 1 else None))

    def add_city(country, zone_id, key):
        entry = (country, city_of(zone_id), key)
        if country in countries and entry not in seen:
            seen.add(entry)
            cities.append(entry)

    for country, _, zone_id, *_ in table_rows(os.path.join(zoneinfo, "zone.tab")):
        key = key_of(country, zone_id)
        if key:
            add_city(country, zone_id, key)
        else:
            skipped.append(zone_id)
    for codes, _, zone_id, *_ in table_rows(os.path.join(zoneinfo, "zone1970.tab")):
        country = codes.split(",")[0]
        key = key_of(country, zone_id)
        if key:
            add_city(country, zone_id, key)
    # The other places CLDR gives each key in a country, old names included ("Calcutta").
    for key, territory, ids in mappings:
        if territory not in ("001", "ZZ"):
            for zone_id in ids:
                if is_city(zone_id):
                    add_city(territory, zone_id, key)

    # A key's principal place: the city of its zone for the whole world, where that is a city, by
    # its present name ("Kolkata" for CLDR's "Asia/Calcutta").
    principal = {}
    for key, territory, ids in mappings:
        if territory == "001" and is_city(ids[0]):
            principal[key] = city_of(canonical(ids[0]))
    versions = f"tzdata {tzdata_version(os.path.join(zoneinfo, 'tzdata.zi'))}, CLDR's map of tzdata {mapped_version}"
    return countries, keys, cities, principal, skipped, versions


def escape(byte):
    printable = 32 <= byte < 127 and chr(byte) not in '"\\?'
    return chr(byte) if printable else f"\\{byte:03o}"


def write(output, countries, keys, cities, principal, versions):
    used = sorted({country for country, _, _ in cities})
    if len(used) > 255 or len(keys) > 255:
        sys.exit("countries or keys outgrew 8-bit indices")
    cities.sort(key=lambda entry: used.index(entry[0]))  # stable: each country keeps its order
    key_index = {key: i for i, key in enumerate(keys)}

    pool = Pool()
    pool.add("")  # offset 0: no text
    country_rows = []
    for code in used:
        name = countries[code]
        country_rows.append((pool.add(name), pool.add(fold(name))))
    key_rows = [(pool.add(key), pool.add(principal.get(key, ""))) for key in keys]
    city_rows = [(pool.add(city), pool.add(fold(city)), used.index(code), key_index[key])
                 for code, city, key in cities]

    lines = [
        "// Generated by scripts/make-place-table.py from tzdata and CLDR's windowsZones.xml: do not edit.",
        f"// Made from {versions}.",
        "// clang-format off",
        "",
        "constexpr char kPool[] =",
    ]
    # One literal a text, so that an escape never runs into the next text's first character.
    texts = pool.data.split(b"\0")[:-1]
    line = ""
    for text in texts:
        literal = '"' + "".join(escape(byte) for byte in text) + '\\0"'
        if line and len(line) + len(literal) > 114:
            lines.append("    " + line)
            line = ""
        line += (" " if line else "") + literal
    lines.append("    " + line)
    lines[-1] += ";"

    def rows(name, kind, entries):
        lines.append("")
        lines.append(f"constexpr {kind} {name}[] = {{")
        text = ""
        for entry in entries:
            item = "{" + ", ".join(str(value) for value in entry) + "},"
            if len(text) + len(item) > 110:
                lines.append("    " + text.rstrip())
                text = ""
            text += item + " "
        lines.append("    " + text.rstrip())
        lines.append("};")

    rows("kCountries", "PlaceTableCountry", country_rows)
    rows("kZoneKeys", "PlaceTableZoneKey", key_rows)
    rows("kCities", "PlaceTableCity", city_rows)
    lines.append("")
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))
    return len(pool.data), len(country_rows), len(key_rows), len(city_rows)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--zoneinfo", default="/usr/share/zoneinfo")
    parser.add_argument("--cldr", default="/usr/share/unicode/cldr/common/supplemental/windowsZones.xml")
    parser.add_argument("--output", default=os.path.join(root, "src", "core", "place_table_data.inc"))
    args = parser.parse_args()

    countries, keys, cities, principal, skipped, versions = build(args.zoneinfo, args.cldr)
    pool, country_count, key_count, city_count = write(args.output, countries, keys, cities, principal, versions)
    # The sizes of PlaceTableCountry (4), PlaceTableZoneKey (4) and PlaceTableCity (6 bytes).
    total = pool + 4 * country_count + 4 * key_count + 6 * city_count
    print(f"{city_count} cities, {country_count} countries, {key_count} zone keys; "
          f"string pool {pool} bytes, table {total} bytes")
    if skipped:
        print("zones with no Windows key (left out): " + " ".join(skipped))


if __name__ == "__main__":
    main()
