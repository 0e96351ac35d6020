"""Stage 7b, concentration: how much more often parents give the common pairs
of characters than the characters' counts alone predict.

A pair drawn with the chance count(first) x count(second) treats the two
places as independent. Real names are more concentrated: the most common
two-character names of the births of 2000-2008 hold a larger share of all
two-character names than the products of their characters' counts give them.
Drawing with (count(first) x count(second)) ** exponent, the exponent is the
one at which the most common pairs of the model hold the share that the
national lists give to the most common names."""

from namedata import positions
from namedata.name_statistics import SEXES, two_character_bearers

COHORT = "2000_2008"
# The characters of each place searched for the model's most common pairs;
# the lists' names stand far inside them.
SEARCHED = 150
LOW, HIGH = 1.0, 3.0


def birth_counts(src, names, text_names, sex):
    """({char: first-place count}, {char: second-place count}) of the
    two-character names given to `sex` in the births of 2000-2008."""
    shares = positions.position_shares(names, sex, text_names)
    first, second = {}, {}
    for ch, g in src.given.items():
        count = two_character_bearers(g, src.names.get(ch, (0, 0)), sex, {COHORT: 1.0})
        share = shares.get(ch, (0.5, 0.5))
        first[ch] = count * share[0]
        second[ch] = count * share[1]
    return first, second


def listed_share(src, sex, first):
    """(number, share) of the two-character names of the sex's list of the
    2000s among all two-character names of those births."""
    listed = [count for name, s, decade, count in src.decade_names
              if s == sex and decade == 2000 and len(name) == 2]
    return len(listed), sum(listed) / sum(first.values())


def model_share(first, second, top, exponent):
    """Share of the `top` most likely pairs when a pair weighs
    (first count x second count) ** exponent."""
    z = sum(v ** exponent for v in first.values()) * sum(v ** exponent for v in second.values())
    a = sorted(first.values(), reverse=True)[:SEARCHED]
    b = sorted(second.values(), reverse=True)[:SEARCHED]
    products = sorted((x * y for x in a for y in b), reverse=True)[:top]
    return sum(p ** exponent for p in products) / z


def exponent_of(first, second, top, share):
    """The exponent, to two decimals, at which the model's `top` pairs hold
    `share`; the share grows with the exponent."""
    low, high = LOW, HIGH
    if model_share(first, second, top, low) >= share:
        return low
    for _ in range(40):
        mid = (low + high) / 2
        if model_share(first, second, top, mid) < share:
            low = mid
        else:
            high = mid
    return round((low + high) / 2, 2)


def build(src, names, text_names):
    """{sex: (exponent, listed names, their share, share at exponent 1)}."""
    out = {}
    for sex in SEXES:
        first, second = birth_counts(src, names, text_names, sex)
        top, share = listed_share(src, sex, first)
        out[sex] = (exponent_of(first, second, top, share), top, share,
                    model_share(first, second, top, 1.0))
    return out
