"""Stage 7, position tables: per sex and position every character with its
count, most frequent first; the characters a sex must not be offered stand in
the zero run with their counts kept."""

from collections import defaultdict

from namedata.name_statistics import SEXES

TOP_COUNT = 116041  # the largest position count of each sex
# The one-character generator offers every character counting more than this;
# a held-back character's count is capped at it so that no list offers it.
SINGLE_CHARACTER_MINIMUM = 100
POSITIONS = ("first", "second")


def position_shares(names, sex, text_names=()):
    """{char: (first share, second share)} from the real names of the sex:
    (F + 1) / (F + S + 2) and its complement, F and S the weights of the names
    holding the character first and second: a national name by its bearers of
    the sex, and every person name found in text (`text_names`, either sex) as
    one bearer, since the national lists alone name too few of the characters
    (紫 stands in six of their names). A doubled name (宁宁, 盼盼) says nothing
    of where the character stands beside another, so it does not count. A
    character seen in no name keeps 1/2 for each position."""
    first = defaultdict(float)
    second = defaultdict(float)

    def add(name, weight):
        if name[0] != name[1]:
            first[name[0]] += weight
            second[name[1]] += weight

    for name, info in names.items():
        if sex in info["sexes"] and info.get("source") != "text":
            add(name, info["weight"][sex])
    for name in text_names:
        add(name, 1.0)
    shares = {}
    for c in set(first) | set(second):
        share = (first[c] + 1) / (first[c] + second[c] + 2)
        shares[c] = (share, 1 - share)
    return shares


def raw_counts(stats, names, records, sex, text_names=()):
    """{position: [(value, index)]} before scaling."""
    shares = position_shares(names, sex, text_names)
    out = {}
    for k, pos in enumerate(POSITIONS):
        rows = []
        for rec in records:
            share = shares.get(rec["text"], (0.5, 0.5))[k]
            today = stats.recent.get((rec["text"], sex), 0.0) * stats.momentum.get(rec["text"], 1.0)
            rows.append((today * share, rec["index"]))
        out[pos] = rows
    return out


def order(counted, held_back):
    """[(index, count)]: the offered characters by descending count, then the
    held-back ones by descending count (capped), then the characters counting
    0; equal counts in dictionary order."""
    offered = sorted([(c, i) for c, i in counted if c > 0 and i not in held_back],
                     key=lambda e: (-e[0], e[1]))
    back = sorted([(min(c, SINGLE_CHARACTER_MINIMUM), i) for c, i in counted
                   if c > 0 and i in held_back], key=lambda e: (-e[0], e[1]))
    zero = sorted([(c, i) for c, i in counted if c == 0], key=lambda e: e[1])
    return [(i, c) for c, i in offered + back + zero]


def build(stats, names, records, text_names=()):
    """({(sex, pos): [(index, count)]}, {sex: factor}, {sex: {index: reason}})."""
    tables, factors, held_back_by_sex = {}, {}, {}
    for sex in SEXES:
        raw = raw_counts(stats, names, records, sex, text_names)
        largest = max(v for pos in POSITIONS for v, _ in raw[pos])
        factors[sex] = TOP_COUNT / largest
        held_back = {}
        for rec in records:
            reason = stats.held_back(rec["text"], sex)
            if reason:
                held_back[rec["index"]] = reason
        held_back_by_sex[sex] = held_back
        for pos in POSITIONS:
            counted = [(round(v * factors[sex]), i) for v, i in raw[pos]]
            tables[(sex, pos)] = order(counted, held_back)
    return tables, factors, held_back_by_sex


def ranks(table):
    """{index: rank} of a table."""
    return {index: rank for rank, (index, _) in enumerate(table)}
