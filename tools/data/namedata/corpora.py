"""Stage 6, corpora: real two-character given names per sex, with evidence.

Every two-character name of the national top lists is in (but those no list
may offer); a name found in jieba's dictionary of person names enters only
when it passes every check of `text_candidates` and `text_name_sexes`."""

from namedata.name_statistics import SEXES

MAX_CORPUS = 50000
# A national name belongs to a sex that holds at least this share of its bearers.
NATIONAL_SHARE = 0.4
# A name found in text belongs to a sex whose estimated share reaches this.
TEXT_SHARE = 2 / 3
# Both characters of a name found in text rank within this many characters of
# their position for the sex: the ranks 0-300 the simple lists draw pairs from.
FREQUENT_RANK = 301
# Decades of the national lists that count for 'most common today'.
DECADE_WEIGHTS = {2000: 1.0, 1990: 0.5}
PERSON_TAGS = ("nr", "nrfg")


def national_names(src, index_of, stats):
    """{name: info} of the two-character names of the national top lists. A
    name belongs to no sex from which one of its characters is held back: no
    list may offer a son-preference character (胜男) or a common family name
    (杨杨), and the names of older generations (秀英, 建国) would fill the
    first screen of today's parents."""
    names = {}

    def entry(name):
        return names.setdefault(name, {
            "source": "national", "count": {s: 0 for s in SEXES},
            "recent": {s: 0.0 for s in SEXES}, "listed": set(),
            "listed_count": {s: 0 for s in SEXES}})

    for name, (male, female) in src.names.items():
        if len(name) == 2 and all(c in index_of for c in name):
            entry(name)["count"].update(male=male, female=female)
    for name, sex, decade, count in src.decade_names:
        if len(name) != 2 or not all(c in index_of for c in name):
            continue
        info = entry(name)
        if sex:
            info["listed"].add(sex)
            info["listed_count"][sex] += count
            info["recent"][sex] += DECADE_WEIGHTS.get(decade, 0) * count
        elif not any(info["count"].values()):
            # Only in the lists of both sexes together: split by the characters.
            est = estimate(stats, name)
            for s in SEXES:
                info["count"][s] += count * est[s]
    for name, info in names.items():
        total = sum(info["count"].values())
        info["share"] = {s: info["count"][s] / total if total else 0.0 for s in SEXES}
        info["sexes"] = {s for s in SEXES
                         if (s in info["listed"] or info["share"][s] >= NATIONAL_SHARE)
                         and not any(stats.held_back(c, s) for c in name)}
        info["weight"] = {s: max(info["count"][s], info["listed_count"][s]) for s in SEXES}

    return {name: info for name, info in names.items() if info["sexes"]}


def estimate(stats, name):
    """Share of each sex estimated from the characters' recent bearers."""
    est = {s: stats.recent.get((name[0], s), 0.0) * stats.recent.get((name[1], s), 0.0)
           for s in SEXES}
    total = sum(est.values())
    return {s: est[s] / total if total else 0.0 for s in SEXES}


def ordinary_words(jieba):
    """Words of jieba's dictionary with any tag but a person name, and the
    three- and four-character pieces of its longer words (阿拉伯 in 阿拉伯语)."""
    words = set()
    pieces = set()
    for word, _, tag in jieba:
        if tag in PERSON_TAGS:
            continue
        words.add(word)
        if len(word) >= 4:
            for k in range(len(word) - 2):
                pieces.add(word[k:k + 3])
                if k + 4 <= len(word):
                    pieces.add(word[k:k + 4])
    return words, pieces


def text_candidates(src, stats, index_of, national, rejected):
    """{given name: full names} of jieba's person names that pass every check
    but the position ranks."""
    words, pieces = ordinary_words(src.jieba)
    out = {}
    for word, _, tag in src.jieba:
        if tag not in PERSON_TAGS:
            continue
        if len(word) == 3 and word[0] in stats.family_single:
            name = word[1:]
        elif len(word) == 4 and word[:2] in stats.family_compound:
            name = word[2:]
        else:
            rejected["no family name of the statistics"] += 1
            continue
        if name in national:
            continue
        if not all(c in index_of and (c, "male") in stats.recent for c in name):
            rejected["character not in the given-name statistics"] += 1
        elif any(c in stats.transliteration for c in name):
            rejected["transliteration character"] += 1
        elif name in words:
            rejected["the given name is an ordinary word"] += 1
        elif word in pieces:
            rejected["part of a longer word"] += 1
        else:
            out.setdefault(name, []).append(word)
    return out


def text_name_sexes(stats, name, rank_tables):
    """The sexes a name found in text belongs to: a clear estimated share, no
    character held back from the sex, both characters frequent in their place."""
    est = estimate(stats, name)
    out = set()
    for s in SEXES:
        first_rank = rank_tables[(s, "first")].get(name[0], FREQUENT_RANK)
        second_rank = rank_tables[(s, "second")].get(name[1], FREQUENT_RANK)
        if (est[s] >= TEXT_SHARE and not stats.held_back(name[0], s)
                and not stats.held_back(name[1], s)
                and first_rank < FREQUENT_RANK and second_rank < FREQUENT_RANK):
            out.add(s)
    return out


def text_names(candidates, stats, rank_tables):
    names = {}
    for name in candidates:
        sexes = text_name_sexes(stats, name, rank_tables)
        if not sexes:
            continue
        est = estimate(stats, name)
        names[name] = {"source": "text", "sexes": sexes, "share": est,
                       "weight": {s: 1.0 for s in SEXES},
                       "count": {s: stats.recent.get((name[0], s), 0.0) *
                                 stats.recent.get((name[1], s), 0.0) for s in SEXES}}
    return names


def today_key(info, sex, stats, name):
    """Most common today first: the national names by their bearers in the
    lists of the 1990s and 2000s, then the other national names by their
    bearers times the trend of their less current character; then the names
    found in text by their estimate."""
    if info["source"] == "national":
        if info["recent"][sex] > 0:
            return (0, -info["recent"][sex])
        return (1, -info["count"][sex] * min(stats.trend.get(c, 0.0) for c in name))
    return (2, -info["count"][sex])


def corpus_of(names, sex, index_of, stats):
    rows = []
    for name, info in names.items():
        if sex not in info["sexes"]:
            continue
        code = index_of[name[0]] * 65536 + index_of[name[1]]
        rows.append((today_key(info, sex, stats, name) + (code,), name, code, info))
    rows.sort(key=lambda r: r[0])
    return [(name, code, info) for _, name, code, info in rows[:MAX_CORPUS]]
