"""Stage 3, strokes: simplified and Kangxi stroke counts.

The Kangxi count is that of the traditional form with the radical counted in
full, as name numerology counts it; data/README.md states every rule."""

# The family name is written 葉, 萬, 豐 in traditional writing; the simplified
# form, also a traditional character of its own, stands there for other words
# (叶 xié, 万 a variant, 丰 'graceful').
FAMILY_NAMES_OF_TRADITIONAL_FORM = {"叶", "万", "丰"}
# Family names of at least this many bearers may keep their own form.
OWN_FORM_MIN_BEARERS = 10000
# ... when at least this share of the character's bearers bear it as a family
# name rather than in a given name (family : given >= 1 : 10).
OWN_FORM_MIN_FAMILY_RATIO = 0.1

# Name numerology counts the numerals by their value.
NUMERAL_STROKES = {"一": 1, "二": 2, "三": 3, "四": 4, "五": 5, "六": 6, "七": 7, "八": 8,
                   "九": 9, "十": 10}

# Radicals written in a reduced form inside a character, counted in full by
# Kangxi: reduced form -> (Kangxi radical numbers it stands for, strokes of the
# reduced form). 月 counts as 肉 only where Kangxi files the character under 肉.
# 艹 辶 阝 are left out: their own count differs between the mainland (3, 3, 2)
# and traditional writing (4, 4, 3), so the glyph's total does not tell it;
# 耂 is not always the whole upper part (耄 耋).
REDUCED_RADICALS = {
    "王": ((96,), 4), "氵": ((85,), 3), "扌": ((64,), 3), "忄": ((61,), 3),
    "礻": ((113,), 4), "衤": ((145,), 5), "月": ((130,), 4), "犭": ((94,), 3),
    "罒": ((122,), 5),
}


def kangxi_radical_strokes(number):
    """Full stroke count of Kangxi radical `number` (1..214)."""
    bounds = [(6, 1), (29, 2), (60, 3), (94, 4), (117, 5), (146, 6), (166, 7),
              (175, 8), (186, 9), (194, 10), (200, 11), (204, 12), (208, 13),
              (210, 14), (211, 15), (213, 16), (214, 17)]
    for last, strokes in bounds:
        if number <= last:
            return strokes
    raise ValueError(number)


def parse_rs(value):
    """'140.8' or "167'.5" -> (radical number, simplified flag, residual)."""
    first = value.split()[0]
    radical, residual = first.split(".")
    simplified = radical.endswith("'") or radical.endswith("\"")
    return int(radical.rstrip("'\"")), simplified, int(residual)


def total_strokes(unihan, ch):
    value = unihan["kTotalStrokes"].get(ch)
    return int(value.split()[0]) if value else 0


def family_names_of_own_form(opencc, family, given):
    """Family names that keep their own form in traditional writing: OpenCC
    lists the character itself among its traditional candidates, it has at
    least OWN_FORM_MIN_BEARERS bearers, and its family-name bearers are at
    least OWN_FORM_MIN_FAMILY_RATIO of its given-name bearers."""
    out = set()
    for surname, bearers in family:
        if len(surname) != 1 or surname in FAMILY_NAMES_OF_TRADITIONAL_FORM:
            continue
        candidates = opencc.get(surname, [])
        if surname not in candidates or candidates[0] == surname:
            continue
        g = given.get(surname)
        given_bearers = g.male + g.female if g else 0
        if bearers >= OWN_FORM_MIN_BEARERS and bearers >= OWN_FORM_MIN_FAMILY_RATIO * given_bearers:
            out.add(surname)
    return out


def characters_of_own_form_by_phrases(opencc, phrases):
    """Characters that keep their own form in traditional writing although
    OpenCC's first candidate is another: OpenCC lists the character itself
    among its candidates, and its phrase table (the words whose conversion the
    single-character table gets wrong) writes it unchanged in at least as many
    phrases as it writes the first candidate, and in at least one: 里 stays 里
    in 867 phrases (万里, 公里) and becomes 裏 in 542."""
    counts = {}
    for simplified, traditional in phrases:
        if len(simplified) != len(traditional):
            continue
        for s, t in zip(simplified, traditional):
            candidates = opencc.get(s, [])
            if len(candidates) > 1 and candidates[0] != s and s in candidates:
                own, first = counts.get(s, (0, 0))
                counts[s] = (own + (t == s), first + (t == candidates[0]))
    return {s for s, (own, first) in counts.items() if own > 0 and own >= first}


def traditional_form(opencc, ch, own_form):
    """OpenCC's first candidate, the character itself for a family name of its own form."""
    if ch in own_form:
        return ch
    cands = opencc.get(ch)
    return cands[0] if cands else ch


def kangxi_strokes(unihan, char_radical, ch, trad, notes):
    """(count, rule) of the traditional form `trad` of `ch`."""
    if ch in NUMERAL_STROKES:
        return NUMERAL_STROKES[ch], "numeral"
    rs = unihan["kRSKangXi"].get(trad)
    if rs is None:
        rs = unihan["kRSUnicode"].get(trad)
        notes["kangxi_from_rsunicode"].append(ch)
    if rs is None:
        notes["kangxi_missing"].append(ch)
        return 0, "missing"
    radical, _, residual = parse_rs(rs)
    glyph = total_strokes(unihan, trad)
    if residual <= 0:
        # The character is its radical or a variant form of it (王 under 玉):
        # it keeps its own count.
        return glyph, "radical"
    count = kangxi_radical_strokes(radical) + residual
    # Floor: never fewer strokes than the glyph has, with a reduced radical
    # form (王 氵 扌 …) counted in full.
    floor = glyph
    reduced = REDUCED_RADICALS.get(char_radical.get(trad) or char_radical.get(ch, ""))
    if reduced and radical in reduced[0]:
        floor = glyph - reduced[1] + kangxi_radical_strokes(radical)
    if floor > count:
        notes["kangxi_floor"].append(ch)
        return floor, "floor"
    return count, "kangxi"
