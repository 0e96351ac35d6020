#!/usr/bin/env python3
"""Derive Lumivane's built-in reference tables (data/*.tsv, data/*.txt) from
public raw sources. Deterministic and offline; Python 3 standard library only.

Usage:
    tools/data/generate_tables.py --sources DIR --jieba-dict FILE --out data

DIR holds the raw sources in these sub-folders (file names as published):
    unihan/        Unihan_*.txt.bz2, CJKRadicals.txt (Unicode 15.0)
    opencc/        STCharacters.txt
    cnchar/        cnchar-info_five_element.tsv, cnchar-radical_char_radical.tsv,
                   cnchar-radical_radical_list.tsv
    chinese-names-psychbruce/   givenname.csv, familyname.csv,
                   top1000name.prov.csv, top100name.year.csv
    chinese-names-corpus/       Chinese_Family_Name（1k）.xlsx
FILE is jieba's dict.txt (Debian package python3-jieba).
--unihan DIR may point at another copy of the Unihan files (for example the
one of Debian's unicode-data package).

The pipeline runs one stage per module of namedata/: sources -> characters ->
strokes -> readings -> name statistics -> corpora -> position tables -> write.
data/README.md documents every rule applied.
"""

import argparse
import os
import sys
from collections import defaultdict

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from namedata import characters, concentration, corpora, name_statistics, positions, readings, sources, strokes  # noqa: E402
from namedata import write  # noqa: E402


def build_records(src, notes):
    """The dictionary records in index order."""
    slots, reason, replaced = characters.choose_characters(src)
    notes["replaced"] = [f"{old}->{new}" for new, old in replaced.items()]
    radicals = characters.radical_table()
    radical_index = {name: i for i, (name, _) in enumerate(radicals)}
    usual = characters.usual_components(src, radical_index)
    own_form = strokes.family_names_of_own_form(src.opencc, src.family, src.given)
    notes["family_own_form"] = sorted(own_form, key=characters.gbk_key)
    by_phrases = strokes.characters_of_own_form_by_phrases(src.opencc, src.opencc_phrases)
    notes["own_form_by_phrases"] = sorted(by_phrases - own_form, key=characters.gbk_key)
    own_form |= by_phrases
    in_statistics = set(src.given) | {c for s, _ in src.family for c in s}
    records = []
    for index, ch in enumerate(slots):
        reading = readings.readings_of(src.unihan, ch)
        if not reading:
            raise SystemExit(f"no reading for {ch}")
        trad = strokes.traditional_form(src.opencc, ch, own_form)
        kangxi, _ = strokes.kangxi_strokes(src.unihan, src.char_radical, ch, trad, notes)
        radical = characters.radical_of(src, ch, radicals, radical_index, usual, notes)
        records.append({
            "index": index, "text": ch, "reading": readings.format_reading(reading),
            "toned": ",".join(readings.toned_readings_of(src.unihan, ch)),
            "radical": radical_index[radical],
            "radical_elements": characters.radical_elements(radical, ch),
            "simplified": strokes.total_strokes(src.unihan, ch), "kangxi": kangxi,
            "traditional": trad, "reason": reason[ch], "flag": 1 if ch in in_statistics else 0,
            "gender": name_statistics.gender_per_mille(src.given.get(ch)),
        })
    characters.meaning_elements(src, records, notes)
    return records, radicals


def build_names(src, records, notes):
    index_of = {r["text"]: r["index"] for r in records}
    stats = name_statistics.build(src)
    national = corpora.national_names(src, index_of, stats)
    rejected = defaultdict(int)
    candidates = corpora.text_candidates(src, stats, index_of, national, rejected)
    # The ranks come from the national names and every candidate's positions,
    # so they decide which candidates have both characters frequent in their
    # place without depending on the candidates kept.
    tables, factors, held_back = positions.build(stats, national, records, candidates)
    rank_tables = {key: {records[i]["text"]: r for i, r in positions.ranks(t).items()}
                   for key, t in tables.items()}
    found = corpora.text_names(candidates, stats, rank_tables)
    names = dict(national)
    names.update(found)
    corpus = {s: corpora.corpus_of(names, s, index_of, stats) for s in name_statistics.SEXES}
    notes["rejected"] = dict(rejected)
    notes["national names"] = len(national)
    notes["text candidates"] = len(candidates)
    notes["text names"] = len(found)
    notes["transliteration"] = "".join(sorted(stats.transliteration, key=characters.gbk_key))
    notes["family names held back"] = "".join(sorted(stats.family_names, key=characters.gbk_key))
    exponents = concentration.build(src, national, candidates)
    return tables, factors, held_back, corpus, exponents


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sources", required=True)
    parser.add_argument("--jieba-dict", required=True)
    parser.add_argument("--unihan")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    src = sources.load(args.sources, args.jieba_dict, args.unihan)
    notes = defaultdict(list)
    records, radicals = build_records(src, notes)
    tables, factors, held_back, corpus, exponents = build_names(src, records, notes)
    write.write_all(args.out, records, radicals, tables, factors, held_back, corpus, exponents)
    for key, value in sorted(notes.items()):
        shown = value if not isinstance(value, list) else (
            f"{len(value)}: " + " ".join(value[:60]))
        print(f"{key}: {shown}", file=sys.stderr)
    for s in name_statistics.SEXES:
        print(s, "factor", factors[s], "corpus", len(corpus[s]), "exponent", exponents[s],
              file=sys.stderr)


if __name__ == "__main__":
    main()
