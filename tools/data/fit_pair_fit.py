#!/usr/bin/env python3
"""Derive data/pair-fit.tsv: how well each character drawn for a free pair
fits its place in a name of each sex, learned from the verdicts of native
readers (tools/data/reader-verdicts.tsv). Deterministic and offline; Python 3
standard library only.

Usage:
    tools/data/fit_pair_fit.py --sources DIR --data data \
        --verdicts tools/data/reader-verdicts.tsv --out data

DIR holds chinese-names-psychbruce/givenname.csv as published; data holds the
position tables (position-{male,female}-{first,second}.tsv).

Each character of a pair is described by what the statistics say of it in its
place: its count there, its rate in the births of 2000-2008 against those of
the 1980s, the 1990s and 1930-1959, the share of its names that hold it in
that place, the statistics' gender index, how much more it stands in names
than in other text (name.ppm over corpus.ppm), and the raters' warmth and
competence of it as a name character. A logistic model of the verdicts on
these features (standardised, with a weak ridge) scores a pair as the sum of
its two characters' parts; a pair whose sum falls below the bar, the score
below which the lowest half (boys) or quarter (girls) of the judged pairs
fall, is not proposed. The fit is
checked by leaving out each seed's samples in turn (printed). Each sex has a
fit and a bar of its own.

The fit learns from the lists drawn before it (FIT_SEEDS_UNTIL); the lists
drawn through it show their readers only pairs above its bar. Every verdict,
later ones too, makes the panel: each drawn character's good share in its
place among the judged pairs that hold it there, drawn toward the sex's share
by PANEL_WEIGHT pairs' worth of it. A character whose share falls below
PANEL_BAR times the sex's is not drawn freely in that place; a pair any reader
heard as an ill word or a well-known person is not proposed again (rows
"heard"), nor one that at least half the samples judging it found odd (rows
"odd"). The gain is checked by leaving out each seed's samples (printed).
A boy's pair is also refused when either character's part falls below
PART_FLOOR (row "floor"). After a family name, a given name's reading that
readers heard as a well-known person or an ill word in many of its samples is
refused whatever its characters (rows "sound": 李 jiā qí, 李佳琦).
"""

import argparse
import csv
import math
import os

COHORTS = ["1930_1959", "1960_1969", "1970_1979", "1980_1989", "1990_1999", "2000_2008"]
SEXES = ("male", "female")
PLACES = ("first", "second")
DRAWN_RANKS = 301  # the ranks free pairs are drawn from
RIDGE = 20.0
STEPS = 400
STEP = 0.2
# The share of the judged pairs whose score falls below the bar, by sex. A
# quarter first for both; the boys' free pairs of the lists made with that bar
# (seeds 20261215 to 20261219) read worse just above it, so boys refuse half.
REFUSED_SHARE = {"male": 0.5, "female": 0.25}
# The program's ending rule: a girl's free pair ends in a character that ends
# at least this share of the names holding it.
FEMALE_ENDING_SHARE = 0.45
# The last seed of the lists the fit of each sex learned from; those drawn
# after it were drawn through it.
FIT_SEEDS_UNTIL = {"male": 20261214, "female": 20261216}
# The panel's shrinkage toward the sex's good share, in judged pairs, and the
# share of it below which a character is refused in its place; chosen by
# leaving out each seed (data/README.md, "The readers' panel").
PANEL_WEIGHT = 4.0
PANEL_BAR = 0.85
# The least part a character may bring to a boy's pair: the score is a sum, so
# a strong character could carry a weak one over the bar (尧豪, 韬豪, 邦杰), and
# readers judge a pair by its weaker character. Chosen on the lists drawn
# through the fit, which it never learned from (printed).
PART_FLOOR = {"male": -0.8}
VERDICTS = ("good", "odd", "ill")
# A family name and a given name's reading are refused together once at least
# SOUND_ILL samples of the reading's pairs after that family name were heard as
# ill and they are at least SOUND_SHARE of its samples: what readers hear there
# is the sound (李 jiā qí: 李佳琦 in 嘉奇, 嘉琦, 佳琦, 佳麒, 佳祺), not the characters.
SOUND_ILL = 2
SOUND_SHARE = 0.2
FEATURES = ("count", "rate_1980s", "rate_1990s", "rate_1930_1959", "place_share", "gender",
            "nameness", "warmth", "competence")


def read_statistics(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        return {row["character"].strip(): row for row in csv.DictReader(f)}


def read_positions(path):
    """[(index, text, count)] in rank order."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            rank, index, text, count = line.rstrip("\n").split("\t")
            rows.append((int(index), text, int(count)))
    return rows


def table_rows(path):
    """The tab-separated fields of each line of a table but its comments and blanks."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#") and line.strip():
                yield line.rstrip("\n").split("\t")


def read_verdicts(path):
    """{sex: [(list, given, 1 good / 0 odd or ill)]}."""
    rows = {sex: [] for sex in SEXES}
    for fields in table_rows(path):
        sex, lst, given, verdict = fields
        if sex not in SEXES or verdict not in VERDICTS or len(given) != 2:
            raise SystemExit(f"{path}: bad row {fields!r}")
        rows[sex].append((lst, given, 1 if verdict == "good" else 0))
    return rows


def read_corpus(path):
    """The given names of data/corpus-*.txt."""
    return {fields[0] for fields in table_rows(path)}


def read_name_readings(path):
    """{character: the toned reading it takes in a given name} from readings.tsv:
    its name reading, else its first reading in common use."""
    readings = {}
    for text, common, _, name in table_rows(path):
        if len(text) != 1:
            continue
        if name != "-":
            readings[text] = name
        elif common != "-":
            readings[text] = common.split(",")[0]
    return readings


def heard_sounds(path, readings):
    """Sorted (family name, given name's reading) pairs readers heard as ill in
    at least SOUND_ILL samples and SOUND_SHARE of the samples of that reading."""
    tally = {}
    for _, lst, given, verdict in table_rows(path):
        if not all(c in readings for c in given):
            continue
        key = (lst.split()[0], " ".join(readings[c] for c in given))
        ill, n = tally.get(key, (0, 0))
        tally[key] = (ill + (verdict == "ill"), n + 1)
    return sorted(key for key, (ill, n) in tally.items()
                  if ill >= SOUND_ILL and ill >= SOUND_SHARE * n)


def read_heard(path):
    """{sex: sorted given names any reader heard as an ill word or a person}."""
    heard = {sex: set() for sex in SEXES}
    for sex, _, given, verdict in table_rows(path):
        if verdict == "ill":
            heard[sex].add(given)
    return {sex: sorted(names) for sex, names in heard.items()}


def seed_number(lst):
    return int(lst.split()[1])


def fit_rows(verdicts, sex):
    return [v for v in verdicts if seed_number(v[0]) <= FIT_SEEDS_UNTIL[sex]]


def number(stats, char, key):
    try:
        return float(stats[char][key])
    except (KeyError, ValueError):
        return 0.0


def rate(stats, char, cohort):
    return number(stats, char, "ppm." + COHORTS[cohort])


def fallen(stats, char):
    """Given less to the births of 2000-2008 than to those of the 1980s: the
    program never pairs such a character freely, so its verdicts teach nothing."""
    return rate(stats, char, 5) < rate(stats, char, 3)


def character_features(stats, counts, char, place):
    first = counts["first"].get(char, 0)
    second = counts["second"].get(char, 0)
    here = counts[place].get(char, 0)
    share = here / (first + second) if first + second else 0.5
    latest = rate(stats, char, 5) + 1
    return [
        math.log(here + 1),
        math.log(latest / (rate(stats, char, 3) + 1)),
        math.log(latest / (rate(stats, char, 4) + 1)),
        math.log(latest / (rate(stats, char, 0) + 1)),
        share,
        number(stats, char, "name.gender"),
        math.log((number(stats, char, "name.ppm") + 1) / (number(stats, char, "corpus.ppm") + 1)),
        number(stats, char, "name.warmth"),
        number(stats, char, "name.competence"),
    ]


def pair_features(stats, counts, given):
    return (character_features(stats, counts, given[0], "first") +
            character_features(stats, counts, given[1], "second"))


def standardisation(rows):
    n = len(rows)
    mean = [sum(r[i] for r in rows) / n for i in range(len(rows[0]))]
    spread = [math.sqrt(sum((r[i] - mean[i]) ** 2 for r in rows) / n) or 1.0
              for i in range(len(rows[0]))]
    return mean, spread


def fit(rows, labels, ridge=RIDGE, steps=STEPS, step=STEP):
    """Weights (intercept first) of a logistic model by plain gradient descent,
    the weights (not the intercept) held back by a ridge."""
    n = len(rows)
    weights = [0.0] * (len(rows[0]) + 1)
    for _ in range(steps):
        gradient = [0.0] * len(weights)
        for row, label in zip(rows, labels):
            z = weights[0] + sum(w * x for w, x in zip(weights[1:], row))
            error = 1.0 / (1.0 + math.exp(-z)) - label
            gradient[0] += error
            for i, x in enumerate(row):
                gradient[i + 1] += error * x
        weights = ([weights[0] - step * gradient[0] / n] +
                   [w - step * (g + ridge * w) / n for w, g in zip(weights[1:], gradient[1:])])
    return weights


def lowest_share(values, share):
    """The value below which `share` of the values fall."""
    ordered = sorted(values)
    return ordered[int(share * len(ordered))]


class Model:
    def __init__(self, stats, counts, verdicts, refused_share=0.25):
        self.stats, self.counts = stats, counts
        raw = [pair_features(stats, counts, given) for _, given, _ in verdicts]
        self.mean, self.spread = standardisation(raw)
        weights = fit([self.scaled(r) for r in raw], [label for _, _, label in verdicts])
        self.weights = weights[1:]
        self.bar = lowest_share([self.pair(given) for _, given, _ in verdicts], refused_share)

    def scaled(self, raw):
        return [(x - m) / s for x, m, s in zip(raw, self.mean, self.spread)]

    def part(self, char, place):
        """A character's part of a pair's score in its place."""
        offset = 0 if place == "first" else len(FEATURES)
        raw = character_features(self.stats, self.counts, char, place)
        return sum(self.weights[offset + i] * (x - self.mean[offset + i]) / self.spread[offset + i]
                   for i, x in enumerate(raw))

    def pair(self, given):
        return self.part(given[0], "first") + self.part(given[1], "second")


def ends_seldom(counts, char):
    first = counts["first"].get(char, 0)
    second = counts["second"].get(char, 0)
    return first + second > 0 and second < FEMALE_ENDING_SHARE * (first + second)


def judged(stats, verdicts, counts=None, sex="male"):
    """The verdicts on pairs the program may still draw: neither character
    fallen, and for girls an ending that ends names."""
    return [v for v in verdicts if not any(fallen(stats, c) for c in v[1])
            and not (sex == "female" and ends_seldom(counts, v[1][1]))]


def seed_of(lst):
    return " ".join(lst.split()[:2])


def cross_check(stats, counts, verdicts, refused_share):
    """Points of good share gained in each list when its seed's verdicts are
    left out of the fit."""
    gains = []
    for seed in sorted({seed_of(v[0]) for v in verdicts}):
        model = Model(stats, counts, [v for v in verdicts if seed_of(v[0]) != seed],
                      refused_share)
        for lst in sorted({v[0] for v in verdicts if seed_of(v[0]) == seed}):
            rows = [v for v in verdicts if v[0] == lst]
            kept = [v[2] for v in rows if model.pair(v[1]) >= model.bar]
            before = sum(v[2] for v in rows) / len(rows)
            gains.append((lst, 100 * (sum(kept) / len(kept) - before) if kept else 0.0))
    return gains


class Panel:
    """Each character's good share in its place among the judged pairs that
    hold it there, drawn toward the sex's share by PANEL_WEIGHT pairs."""

    def __init__(self, verdicts, pairs=True):
        self.base = sum(v[2] for v in verdicts) / len(verdicts)
        self.tally = {}
        self.pairs = {}
        for _, given, label in verdicts:
            for place, char in zip(PLACES, given):
                good, n = self.tally.get((place, char), (0, 0))
                self.tally[(place, char)] = (good + label, n + 1)
            if pairs:
                good, n = self.pairs.get(given, (0, 0))
                self.pairs[given] = (good + label, n + 1)
        self.bar = PANEL_BAR * self.base

    def share(self, char, place):
        good, n = self.tally.get((place, char), (0, 0))
        return (good + PANEL_WEIGHT * self.base) / (n + PANEL_WEIGHT)

    def judged_odd(self, given):
        """Whether at least half the samples that judged the pair found it odd."""
        good, n = self.pairs.get(given, (0, 0))
        return n > 0 and 2 * good <= n

    def keeps(self, given):
        return (all(self.share(c, p) >= self.bar for c, p in zip(given, PLACES))
                and not self.judged_odd(given))


def panel_check(model, verdicts, pairs=True):
    """Per seed left out of the panel: its pairs that reach the fit's bar, the
    good share of all of them and of those the panel keeps."""
    out = []
    for seed in sorted({seed_of(v[0]) for v in verdicts}):
        panel = Panel([v for v in verdicts if seed_of(v[0]) != seed], pairs)
        rows = [v for v in verdicts if seed_of(v[0]) == seed and model.pair(v[1]) >= model.bar]
        kept = [v for v in rows if panel.keeps(v[1])]
        if rows and kept:
            out.append((seed, len(rows), sum(v[2] for v in rows) / len(rows), len(kept),
                        sum(v[2] for v in kept) / len(kept)))
    return out


def floor_check(model, panels_without, verdicts, floor, sex):
    """On the lists drawn through the fit (which it never learned from), the
    pairs above its bar that the panel built without their seed keeps: how
    many have a part below the floor, how many of those are good, and the
    good share of the rest."""
    below, rest = [], []
    for v in verdicts:
        if seed_number(v[0]) <= FIT_SEEDS_UNTIL[sex] or model.pair(v[1]) < model.bar:
            continue
        if not panels_without[seed_of(v[0])].keeps(v[1]):
            continue
        weaker = min(model.part(v[1][0], "first"), model.part(v[1][1], "second"))
        (below if weaker < floor else rest).append(v[2])
    return len(below), sum(below), len(rest), sum(rest) / len(rest) if rest else 0.0


def table_lines(models, tables, panels=None, heard=None, sounds=()):
    lines = [
        "# Generated by tools/data/fit_pair_fit.py; do not edit by hand.",
        "# Sources: ChineseNames (Bao, H.-W.-S., 2023, Chinese Name Database 1930-2008), "
        "CC BY-NC-SA + GPL-3",
        "#          givenname.csv (ppm.*, name.gender, name.ppm, corpus.ppm, name.warmth, "
        "name.competence);",
        "#          data/position-*.tsv; the readers' verdicts of tools/data/reader-verdicts.tsv",
        "# sex\tplace\tindex\ttext\tfit\tpanel",
        "# A free pair is proposed only when the fits of its first and its second character",
        "# sum to at least the bar of its sex and the panel's share of each reaches the",
        "# panel's bar, and (floor) neither character's fit falls below the floor. Rows per",
        "# sex: the bars, the floor where the sex has one, then the characters of the first 301",
        "# ranks of each place in rank order, then the pairs no more proposed, with the indexes",
        "# of their characters: (heard) those a reader heard as an ill word or a well-known",
        "# person, (odd) those at least half the samples that judged them found odd; then",
        "# (sound) a family name and a given name's reading readers heard as ill in many of",
        "# its pairs, for either sex.",
    ]
    for sex in SEXES:
        model, panel = models[sex], panels[sex]
        lines.append(f"{sex}\tbar\t-\t-\t{model.bar:.3f}\t{panel.bar:.3f}")
        if sex in PART_FLOOR:
            lines.append(f"{sex}\tfloor\t-\t-\t{PART_FLOOR[sex]:.3f}\t-")
        index_of = {}
        for place in PLACES:
            for index, text, _ in tables[sex][place][:DRAWN_RANKS]:
                lines.append(f"{sex}\t{place}\t{index}\t{text}\t{model.part(text, place):.3f}"
                             f"\t{panel.share(text, place):.3f}")
            for index, text, _ in tables[sex][place]:
                index_of[text] = index
        odd = sorted(g for g in panel.pairs if panel.judged_odd(g) and g not in heard[sex])
        for kind, pairs in (("heard", heard[sex]), ("odd", odd)):
            for given in pairs:
                if all(c in index_of for c in given):
                    lines.append(f"{sex}\t{kind}\t{index_of[given[0]]} {index_of[given[1]]}"
                                 f"\t{given}\t-\t-")
        for family, reading in sounds:
            lines.append(f"{sex}\tsound\t{family}\t{reading}\t-\t-")
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--verdicts", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    stats = read_statistics(os.path.join(args.sources, "chinese-names-psychbruce",
                                         "givenname.csv"))
    heard = read_heard(args.verdicts)
    sounds = heard_sounds(args.verdicts,
                          read_name_readings(os.path.join(args.data, "readings.tsv")))
    print("heard sounds: " + ", ".join(f"{family} {reading}" for family, reading in sounds))
    # The corpus names beyond the national lists that readers heard as ill are
    # recorded for the heard rows alone: the fit and the panel learn from free pairs.
    corpora = {sex: read_corpus(os.path.join(args.data, f"corpus-{sex}.txt")) for sex in SEXES}
    verdicts = {sex: [v for v in rows if v[1] not in corpora[sex]]
                for sex, rows in read_verdicts(args.verdicts).items()}
    tables, models, panels = {}, {}, {}
    for sex in SEXES:
        tables[sex] = {p: read_positions(os.path.join(args.data, f"position-{sex}-{p}.tsv"))
                       for p in PLACES}
        counts = {p: {text: count for _, text, count in tables[sex][p]} for p in PLACES}
        rows = judged(stats, fit_rows(verdicts[sex], sex), counts, sex)
        models[sex] = Model(stats, counts, rows, REFUSED_SHARE[sex])
        model = models[sex]
        good = sum(v[2] for v in rows)
        print(f"{sex}: {len(rows)} judged pairs ({good} good); bar {model.bar:.3f}")
        print("  weights: " + ", ".join(
            f"{place} {name} {w:+.2f}" for place, offset in (("first", 0),
                                                              ("second", len(FEATURES)))
            for name, w in zip(FEATURES, model.weights[offset:offset + len(FEATURES)])))
        gains = cross_check(stats, counts, rows, REFUSED_SHARE[sex])
        print("  each seed left out, points of good share gained: " +
              ", ".join(f"{lst} {gain:+.1f}" for lst, gain in gains) +
              f"; mean {sum(g for _, g in gains) / len(gains):+.1f}")
        drawable = judged(stats, verdicts[sex], counts, sex)
        panels[sex] = Panel(drawable)
        print(f"  panel: {len(drawable)} judged pairs, good share {panels[sex].base:.3f}, "
              f"bar {panels[sex].bar:.3f}")
        for pairs in (False, True):
            checks = panel_check(model, drawable, pairs)
            print(f"  each seed left out, pairs above the bar, good share of all -> of the "
                  f"panel's ({'characters and pairs' if pairs else 'characters only'}): " +
                  ", ".join(f"{seed} {n} {a:.3f} -> {k} {b:.3f}" for seed, n, a, k, b in checks))
        if sex in PART_FLOOR:
            without = {seed: Panel([v for v in drawable if seed_of(v[0]) != seed])
                       for seed in {seed_of(v[0]) for v in drawable}}
            n, good, m, share = floor_check(model, without, drawable, PART_FLOOR[sex], sex)
            print(f"  floor {PART_FLOOR[sex]:.3f}: of the later lists' pairs the fit and the "
                  f"panel keep, {n} have a part below it ({good} good); the other {m} are "
                  f"{share:.3f} good")
    with open(os.path.join(args.out, "pair-fit.tsv"), "w", encoding="utf-8",
              newline="\n") as out:
        out.write("\n".join(table_lines(models, tables, panels, heard, sounds)) + "\n")


if __name__ == "__main__":
    main()
