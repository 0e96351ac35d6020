#!/usr/bin/env python3
"""Derive data/readings.tsv, the readings a name takes: which readings of a
character are in common use, the reading of a family name (compound family
names as wholes) and the reading a character takes in given names.
Deterministic and offline; Python 3 standard library only.

Usage:
    tools/data/generate_readings.py --sources DIR --characters data/characters.tsv --out data

DIR holds, under their published file names (see data/README.md):
  unihan/Unihan_Readings.txt.bz2                   (kTGHZ2013, kHanyuPinlu)
  chinese-names-psychbruce/givenname.csv           (pinyin of name characters)
  chinese-names-psychbruce/familyname.csv          (the family names)
  pinyin-pro/index.js                              (npm pinyin-pro 3.29.5, dist/index.js)

Rules (data/README.md explains them):
  common   the record's toned readings that the general standard list's
           dictionary (kTGHZ2013) or the modern frequency count (kHanyuPinlu)
           attests, most frequent first by kHanyuPinlu, then in the record's
           order; the family-name and name readings always count as common.
  surname  the reading of pinyin-pro's family-name table (百家姓 readings),
           when it is one of the record's toned readings; a compound family
           name takes its table reading as a whole.
  name     the statistics' pinyin of the character (givenname.csv), unless
           kHanyuPinlu counts both it and another toned reading, the other at
           least PINLU_OVERRULES times as often (行 hang2 -> xíng); it must be one of the record's readings.
"""

import argparse
import csv
import json
import os
import re
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from namedata.sources import read_tsv_rows, read_unihan  # noqa: E402

# A reading kHanyuPinlu counts this many times as often as the statistics'
# reading overrules it: the statistics' pinyin was set by a conversion that
# takes one reading per character, and 行 háng (218) against xíng (2,943) is
# such a slip; 乐 lè (283) against yuè (54) stays.
PINLU_OVERRULES = 5

TONE_MARKS = {"a": "āáǎà", "e": "ēéěè", "i": "īíǐì", "o": "ōóǒò", "u": "ūúǔù", "ü": "ǖǘǚǜ"}


def numbered_to_marked(syllable):
    """'sheng4' -> 'shèng', 'lv3' -> 'lǚ'; a syllable without a tone digit stays."""
    syllable = syllable.strip().lower().replace("v", "ü").replace("u:", "ü")
    if not syllable or not syllable[-1].isdigit():
        return syllable
    tone = int(syllable[-1])
    body = syllable[:-1]
    if tone < 1 or tone > 4:
        return body
    # The mark sits on a or e, on the o of ou, else on the last vowel.
    for vowel in ("a", "e"):
        if vowel in body:
            at = body.index(vowel)
            break
    else:
        if "ou" in body:
            at = body.index("o")
        else:
            at = max(i for i, c in enumerate(body) if c in "aeiouü")
    return body[:at] + TONE_MARKS[body[at]][tone - 1] + body[at + 1:]


def strip_tone(reading):
    return "".join(c for c in unicodedata.normalize("NFD", reading) if not "\u0300" <= c <= "\u036f")


def tgh_readings(value):
    """'033.120:céng 461.030:zēng' -> ['céng', 'zēng']."""
    return [part.split(":", 1)[1] for part in value.split()]


def pinlu_counts(value):
    """'lè(283) yuè(54)' -> {'lè': 283, 'yuè': 54}."""
    return {m.group(1): int(m.group(2)) for m in re.finditer(r"(\S+?)\((\d+)\)", value)}


def read_surname_table(path):
    """pinyin-pro's family-name table: the object literal that begins with
    {"南宫":"nán gōng", in its bundled script, as {name: reading}."""
    text = open(path, encoding="utf-8").read()
    start = text.find('{"南宫"')
    if start < 0:
        raise SystemExit(f"{path}: the family-name table was not found")
    end = text.index("}", start)
    table = json.loads(text[start:end + 1])
    return {name: unicodedata.normalize("NFC", reading) for name, reading in table.items()}


def read_characters(path):
    """[(index, text, [toned readings])] of data/characters.tsv."""
    out = []
    for cols in read_tsv_rows(path):
        out.append((int(cols[0]), cols[1], cols[9].split(",")))
    return out


def common_readings(readings, tgh, pinlu, keep=()):
    """The readings in common use, most frequent first (see the module's rules)."""
    attested = [r for r in readings if r in tgh or r in pinlu or r in keep]
    order = {r: i for i, r in enumerate(readings)}
    return sorted(attested, key=lambda r: (-pinlu.get(r, 0), order[r]))


def name_reading(readings, statistics_pinyin, pinlu):
    """The reading of a character in given names, or '' when none is known."""
    if not statistics_pinyin:
        return ""
    reading = numbered_to_marked(statistics_pinyin)
    if reading not in readings:
        return ""
    # Only a toned reading that the count attests overrules one it also
    # attests; a reading it lacks (佛 fó, 绩 jì) stays, as does one beaten
    # only by a toneless particle reading (子 zi).
    toned = {r: n for r, n in pinlu.items() if r in readings and r != strip_tone(r)}
    top = max(toned.items(), key=lambda item: item[1], default=None)
    if reading in toned and top and top[1] >= PINLU_OVERRULES * toned[reading]:
        return top[0]
    return reading


def build(characters, unihan, given_pinyin, family_names, surname_table):
    """Rows (text, common, surname, name) and a summary."""
    by_text = {text: readings for _, text, readings in characters}
    rows = []
    summary = {"surname": 0, "name": 0, "reordered": 0, "overruled": [], "compound": 0,
               "surname_not_a_reading": []}
    for _, text, readings in characters:
        tgh = set(tgh_readings(unihan["kTGHZ2013"].get(text, "")))
        pinlu = pinlu_counts(unihan["kHanyuPinlu"].get(text, ""))
        surname = surname_table.get(text, "")
        if surname and surname not in readings:
            summary["surname_not_a_reading"].append(text)
            surname = ""
        name = name_reading(readings, given_pinyin.get(text, ""), pinlu)
        if name and numbered_to_marked(given_pinyin[text]) != name:
            summary["overruled"].append(f"{text} {given_pinyin[text]}->{name}")
        common = common_readings(readings, tgh, pinlu, keep={surname, name} - {""})
        if not common:
            common = readings[:1]
        summary["surname"] += bool(surname)
        summary["name"] += bool(name)
        summary["reordered"] += common != readings
        rows.append((text, ",".join(common), surname or "-", name or "-"))
    # Compound family names as wholes: the table's reading where it has one,
    # else nothing (the characters' own readings then stand).
    for family in family_names:
        if len(family) != 2 or family not in surname_table:
            continue
        reading = surname_table[family]
        parts = reading.split()
        if len(parts) != 2 or any(p not in by_text.get(c, []) for p, c in zip(parts, family)):
            summary["surname_not_a_reading"].append(family)
            continue
        rows.append((family, "-", reading, "-"))
        summary["compound"] += 1
    rows.sort(key=lambda row: row[0].encode("utf-8"))
    return rows, summary


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", required=True)
    parser.add_argument("--characters", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    characters = read_characters(args.characters)
    unihan = read_unihan(os.path.join(args.sources, "unihan"), ["Unihan_Readings.txt.bz2"],
                         ["kTGHZ2013", "kHanyuPinlu"])
    statistics = os.path.join(args.sources, "chinese-names-psychbruce")
    with open(os.path.join(statistics, "givenname.csv"), encoding="utf-8-sig", newline="") as f:
        given_pinyin = {row["character"]: row["pinyin"] for row in csv.DictReader(f)}
    with open(os.path.join(statistics, "familyname.csv"), encoding="utf-8-sig", newline="") as f:
        family_names = [row["surname"] for row in csv.DictReader(f)]
    surname_table = read_surname_table(os.path.join(args.sources, "pinyin-pro", "index.js"))

    rows, summary = build(characters, unihan, given_pinyin, family_names, surname_table)
    lines = [
        "# Generated by tools/data/generate_readings.py; do not edit by hand.",
        "# Sources: Unicode Han Database (Unihan) 15.0 kTGHZ2013 and kHanyuPinlu, Unicode License",
        "#          ChineseNames (Bao, H.-W.-S., 2023) givenname.csv pinyin, familyname.csv, "
        "CC BY-NC-SA + GPL-3",
        "#          pinyin-pro 3.29.5 (npm, zh-lx), family-name table, MIT",
        "# text\tcommon_readings\tsurname_reading\tname_reading",
        "# '-' for none; a two-character text is a compound family name read as a whole.",
    ]
    lines += ["\t".join(row) for row in rows]
    with open(os.path.join(args.out, "readings.tsv"), "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")
    print(f"readings.tsv: {len(rows)} rows; {summary['surname']} family-name readings, "
          f"{summary['compound']} compound family names, {summary['name']} name readings, "
          f"{summary['reordered']} records whose common readings differ from the full list")
    print("name readings overruled by kHanyuPinlu: " + " ".join(summary["overruled"]))
    print("table readings that are none of the character's: "
          + " ".join(summary["surname_not_a_reading"]))


if __name__ == "__main__":
    main()
