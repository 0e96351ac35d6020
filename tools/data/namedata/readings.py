"""Stage 4, readings: the toneless reading the filter matches (HasReading) and
the toned readings shown to users, both from Unihan."""

import re
import unicodedata


def toneless(syllable):
    """Pinyin with tone marks -> lower-case ASCII, ü as v."""
    s = unicodedata.normalize("NFD", syllable.lower())
    s = s.replace("u\u0308", "v")
    s = "".join(c for c in s if not unicodedata.combining(c))
    if not re.fullmatch(r"[a-z]+", s):
        raise ValueError(syllable)
    return s


def _unique(items):
    out = []
    for item in items:
        if item not in out:
            out.append(item)
    return out


def _dictionary_syllables(value):
    """'482.140:zhōng 495.110:zhòng' (kTGHZ2013, kHanyuPinyin, kXHC1983) -> syllables."""
    out = []
    for item in value.split():
        out += item.split(":", 1)[1].split(",")
    return out


def readings_of(unihan, ch):
    """Toneless readings: kTGHZ2013 in its order, then kMandarin; repeats dropped."""
    out = [toneless(s) for s in _dictionary_syllables(unihan["kTGHZ2013"].get(ch, ""))]
    out += [toneless(s) for s in unihan["kMandarin"].get(ch, "").split()]
    return _unique(out)


def toned_readings_of(unihan, ch):
    """Readings with tone marks: kMandarin (the customary reading) first, then
    the general standard list's dictionary (kTGHZ2013), the Hanyu Da Zidian
    (kHanyuPinyin) and the Xiandai Hanyu Cidian (kXHC1983); repeats dropped.
    The dictionaries carry the name readings kMandarin lacks (晟 shèng)."""
    syllables = unihan["kMandarin"].get(ch, "").split()
    for key in ("kTGHZ2013", "kHanyuPinyin", "kXHC1983"):
        syllables += _dictionary_syllables(unihan[key].get(ch, ""))
    out = []
    for syl in syllables:
        syl = unicodedata.normalize("NFC", syl.strip().lower())
        toneless(syl)  # raises on anything that is not pinyin
        out.append(syl)
    return _unique(out)


def format_reading(readings):
    """One reading bare ("hua"), several as ",chang,zhang,"."""
    if len(readings) == 1:
        return readings[0]
    return "," + ",".join(readings) + ","
