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
                   top1000name.prov.csv, top100name.year.csv, population.csv
    chinese-names-corpus/       Chinese_Family_Name（1k）.xlsx
FILE is jieba's dict.txt (Debian package python3-jieba).
--unihan DIR may point at another copy of the Unihan files (for example the
one of Debian's unicode-data package).

data/README.md documents every rule applied here.
"""

import argparse
import bz2
import csv
import os
import re
import sys
import unicodedata
import zipfile
from collections import defaultdict

DICTIONARY_SIZE = 7227
TOP_COUNT = 116041  # the largest position count of each sex

# Indexes that the design fixes (sample rows, the first corpus codes, and the
# favourites example).
FIXED_INDEXES = {
    "华": 0, "生": 1, "明": 2, "建": 3, "文": 4, "军": 6, "海": 7, "国": 9,
    "志": 10, "红": 13, "丽": 14, "强": 18, "燕": 31, "刚": 40, "梅": 44,
    "萍": 45, "娟": 46, "长": 103, "秋": 107, "婷": 112, "坤": 128,
}

# The radical vocabulary, ordered by stroke count and fixed by the design
# (dictionary records refer to these positions).
RADICALS_BY_STROKES = [
    (1, "丨 亅 丿 乛 一 乙 乚 丶"),
    (2, "八 勹 匕 冫 卜 厂 刀 刂 儿 二 匚 阝 丷 几 卩 冂 力 冖 凵 人 亻 入 十 厶 亠 匸 讠 廴 又"),
    (3, "艹 屮 彳 巛 川 辶 寸 大 飞 干 工 弓 廾 广 己 彐 彑 巾 口 马 门 宀 女 犭 山 彡 尸 饣 士 扌 "
        "氵 纟 巳 土 囗 兀 夕 小 忄 幺 弋 尢 夂 子"),
    (4, "贝 比 灬 长 车 歹 斗 厄 方 风 父 戈 卝 户 火 旡 见 斤 耂 毛 木 肀 牛 牜 爿 片 攴 攵 气 欠 "
        "犬 日 氏 礻 手 殳 水 瓦 尣 王 韦 文 毋 心 牙 爻 曰 月 爫 支 止 爪"),
    (5, "白 癶 歺 甘 瓜 禾 钅 立 龙 矛 皿 母 目 疒 鸟 皮 生 石 矢 示 罒 田 玄 穴 疋 业 衤 用 玉"),
    (6, "耒 艸 臣 虫 而 耳 缶 艮 虍 臼 米 齐 肉 色 舌 覀 页 先 行 血 羊 聿 至 舟 衣 竹 自 羽 糸 糹"),
    (7, "貝 采 镸 車 辰 赤 辵 豆 谷 見 角 克 里 卤 麦 身 豕 辛 言 邑 酉 豸 走 足"),
    (8, "青 靑 雨 齿 長 非 阜 金 釒 隶 門 靣 飠 鱼 隹"),
    (9, "風 革 骨 鬼 韭 面 首 韋 香 頁 音"),
    (10, "髟 鬯 鬥 高 鬲 馬"),
    (11, "黄 鹵 鹿 麻 麥 鳥 魚"),
    (12, "鼎 黑 黽 黍 黹"),
    (13, "鼓 鼠"),
    (14, "鼻 齊"),
    (15, "齒 龍 龠"),
]

# Radicals that carry a five element; every other radical carries none.
RADICAL_ELEMENTS = {
    "水": "冫 氵 水 雨", "金": "刀 刂 钅 金 釒", "木": "艹 木 米 竹 禾",
    "火": "灬 火 日 月", "土": "土 山 瓦 石 田 玉 缶",
}
# Characters whose radical element is settled by the character, not its radical.
RADICAL_ELEMENT_EXCEPTIONS = {"王": "木", "香": "木", "秋": "火木"}

ELEMENT_BITS = {"金": 16, "木": 8, "水": 4, "火": 2, "土": 1}
ELEMENT_ORDER = "金木水火土"


def kangxi_radical_strokes(number):
    """Full stroke count of Kangxi radical `number` (1..214)."""
    bounds = [(6, 1), (29, 2), (60, 3), (94, 4), (117, 5), (146, 6), (166, 7),
              (175, 8), (186, 9), (194, 10), (200, 11), (204, 12), (208, 13),
              (210, 14), (211, 15), (213, 16), (214, 17)]
    for last, strokes in bounds:
        if number <= last:
            return strokes
    raise ValueError(number)


def gbk_double_byte(ch):
    try:
        return len(ch) == 1 and len(ch.encode("gbk")) == 2
    except UnicodeEncodeError:
        return False


def gbk_key(ch):
    return ch.encode("gbk")


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
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in out:
                    out[field][chr(int(code[2:], 16))] = value
    return out


def toneless(syllable):
    """Pinyin with tone marks -> lower-case ASCII, ü as v."""
    s = unicodedata.normalize("NFD", syllable.lower())
    s = s.replace("u\u0308", "v")
    s = "".join(c for c in s if not unicodedata.combining(c))
    if not re.fullmatch(r"[a-z]+", s):
        raise ValueError(syllable)
    return s


def read_csv(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        return list(csv.DictReader(f))


def read_xlsx_strings(path):
    with zipfile.ZipFile(path) as z:
        xml = z.read("xl/sharedStrings.xml").decode("utf-8")
    return [m for m in re.findall(r"<t[^>]*>([^<]*)</t>", xml)]


class Sources:
    def __init__(self, args):
        src = args.sources
        unihan_dir = args.unihan or os.path.join(src, "unihan")
        self.unihan = read_unihan(
            unihan_dir,
            ["Unihan_Readings.txt.bz2", "Unihan_RadicalStrokeCounts.txt.bz2",
             "Unihan_IRGSources.txt.bz2", "Unihan_OtherMappings.txt.bz2",
             "Unihan_Variants.txt.bz2"],
            ["kMandarin", "kTGHZ2013", "kHanyuPinyin", "kXHC1983", "kRSKangXi", "kRSUnicode", "kTotalStrokes",
             "kGB0", "kTGH", "kTraditionalVariant", "kSimplifiedVariant"])
        self.cjk_radicals = {}
        with open(os.path.join(unihan_dir, "CJKRadicals.txt"), encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                number, _, unified = [p.strip() for p in line.split(";")]
                self.cjk_radicals[number] = chr(int(unified, 16))

        self.opencc = {}
        with open(os.path.join(src, "opencc", "STCharacters.txt"), encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                simp, cands = line.rstrip("\n").split("\t")
                self.opencc[simp] = cands.split()

        cn = os.path.join(src, "cnchar")
        self.five = {}
        with open(os.path.join(cn, "cnchar-info_five_element.tsv"), encoding="utf-8") as f:
            next(f)
            for line in f:
                ch, element = line.rstrip("\n").split("\t")[:2]
                if element in ELEMENT_BITS:
                    self.five[ch] = element
        self.char_radical = {}
        with open(os.path.join(cn, "cnchar-radical_char_radical.tsv"), encoding="utf-8") as f:
            next(f)
            for line in f:
                ch, radical = line.rstrip("\n").split("\t")[:2]
                self.char_radical[ch] = radical
        self.radical_list = set()
        with open(os.path.join(cn, "cnchar-radical_radical_list.tsv"), encoding="utf-8") as f:
            next(f)
            for line in f:
                self.radical_list.add(line.split("\t")[0])

        pb = os.path.join(src, "chinese-names-psychbruce")
        self.given = {}
        for r in read_csv(os.path.join(pb, "givenname.csv")):
            self.given[r["character"]] = (int(r["n.male"]), int(r["n.female"]))
        self.family = [(r["surname"], int(r["n.1930_2008"]))
                       for r in read_csv(os.path.join(pb, "familyname.csv"))]
        self.names = {}  # real given names with national counts per sex
        for r in read_csv(os.path.join(pb, "top1000name.prov.csv")):
            self.names[r["name"]] = (int(r["n.male"]), int(r["n.female"]))
        self.decade_names = set()
        for r in read_csv(os.path.join(pb, "top100name.year.csv")):
            for key, value in r.items():
                if key.startswith("name."):
                    self.decade_names.add(value)
        self.population = {r["item"]: int(r["n"]) for r in read_csv(os.path.join(pb, "population.csv"))}
        self.corpus_surnames = read_xlsx_strings(
            os.path.join(src, "chinese-names-corpus", "Chinese_Family_Name（1k）.xlsx"))

        self.jieba = []
        with open(args.jieba_dict, encoding="utf-8") as f:
            for line in f:
                parts = line.split()
                if len(parts) == 3:
                    self.jieba.append((parts[0], int(parts[1]), parts[2]))


# ---------------------------------------------------------------- characters

def readings_of(src, ch):
    out = []
    tgh = src.unihan["kTGHZ2013"].get(ch)
    if tgh:
        for item in tgh.split():
            for syl in item.split(":", 1)[1].split(","):
                out.append(toneless(syl))
    mandarin = src.unihan["kMandarin"].get(ch)
    if mandarin:
        for syl in mandarin.split():
            out.append(toneless(syl))
    unique = []
    for r in out:
        if r not in unique:
            unique.append(r)
    return unique


def toned_readings_of(src, ch):
    """Readings with tone marks: kMandarin (the customary reading) first, then
    the general standard list's dictionary (kTGHZ2013), the Hanyu Da Zidian
    (kHanyuPinyin) and the Xiandai Hanyu Cidian (kXHC1983); repeats dropped.
    The dictionaries carry the name readings kMandarin lacks (晟 shèng)."""
    out = []

    def add(syllables):
        for syl in syllables:
            syl = unicodedata.normalize("NFC", syl.strip().lower())
            toneless(syl)  # raises on anything that is not pinyin
            if syl not in out:
                out.append(syl)

    add(src.unihan["kMandarin"].get(ch, "").split())
    for field in ("kTGHZ2013", "kHanyuPinyin", "kXHC1983"):
        for item in src.unihan[field].get(ch, "").split():
            add(item.split(":", 1)[1].split(","))
    return out


def format_reading(readings):
    if len(readings) == 1:
        return readings[0]
    return "," + ",".join(readings) + ","


def traditional_form(src, ch):
    cands = src.opencc.get(ch)
    return cands[0] if cands else ch


def parse_rs(value):
    """'140.8' or "167'.5" -> (radical number, simplified flag, residual)."""
    first = value.split()[0]
    radical, residual = first.split(".")
    simplified = radical.endswith("'") or radical.endswith("\"")
    return int(radical.rstrip("'\"")), simplified, int(residual)


def total_strokes(src, ch):
    value = src.unihan["kTotalStrokes"].get(ch)
    return int(value.split()[0]) if value else 0


def kangxi_strokes(src, ch, notes):
    trad = traditional_form(src, ch)
    rs = src.unihan["kRSKangXi"].get(trad)
    field = "kRSKangXi"
    if rs is None:
        rs = src.unihan["kRSUnicode"].get(trad)
        field = "kRSUnicode"
        notes["kangxi_from_rsunicode"].append(ch)
    if rs is None:
        notes["kangxi_missing"].append(ch)
        return 0, trad
    radical, _, residual = parse_rs(rs)
    if residual <= 0:
        # The character is its radical or a variant form of it (王 under 玉):
        # it keeps its own count.
        return total_strokes(src, trad), trad
    del field
    return kangxi_radical_strokes(radical) + residual, trad


def choose_characters(src):
    """The 7,227 characters in index order, and the reason each was chosen."""
    reason = {}
    ordered = []

    def add(ch, why):
        if ch not in reason and gbk_double_byte(ch):
            reason[ch] = why
            ordered.append(ch)

    given = sorted(src.given, key=lambda c: (-(src.given[c][0] + src.given[c][1]), gbk_key(c)))
    for ch in given:
        add(ch, "given")
    for surname, _ in sorted(src.family, key=lambda s: (-s[1], gbk_key(s[0][0]))):
        for ch in surname:
            add(ch, "family")
    for surname in sorted(src.corpus_surnames, key=lambda s: [gbk_key(c) for c in s if gbk_double_byte(c)]):
        for ch in surname:
            add(ch, "family")
    name_part = len(ordered)

    tail = [c for c in src.unihan["kGB0"] if gbk_double_byte(c) and c not in reason]
    for ch in tail:
        reason[ch] = "gb2312"
    room = DICTIONARY_SIZE - name_part - len(tail)
    if room < 0:
        raise SystemExit("the name characters and GB2312 exceed the dictionary size")
    # Further characters of the general standard list, those seen in person
    # names first.
    in_names = defaultdict(int)
    for word, _, tag in src.jieba:
        if tag == "nr":
            for ch in word:
                in_names[ch] += 1
    extra = [c for c in src.unihan["kTGH"] if gbk_double_byte(c) and c not in reason]
    extra.sort(key=lambda c: (-in_names[c], int(src.unihan["kTGH"][c].split(":")[1])))
    for ch in extra[:room]:
        reason[ch] = "tgh"
        tail.append(ch)
    tail.sort(key=lambda c: (readings_of(src, c)[0], gbk_key(c)))

    sequence = [c for c in ordered + tail if c not in FIXED_INDEXES]
    slots = [None] * DICTIONARY_SIZE
    for ch, index in FIXED_INDEXES.items():
        if ch not in reason:
            raise SystemExit(f"fixed character {ch} is not among the chosen characters")
        slots[index] = ch
    it = iter(sequence)
    for i in range(DICTIONARY_SIZE):
        if slots[i] is None:
            slots[i] = next(it)
    assert len(set(slots)) == DICTIONARY_SIZE
    return slots, reason


def radical_table():
    table = []
    for strokes, names in RADICALS_BY_STROKES:
        for name in names.split():
            table.append((name, strokes))
    assert len(table) == 267 and len({n for n, _ in table}) == 267
    return table


def build_dictionary(src):
    notes = defaultdict(list)
    chars, reason = choose_characters(src)
    radicals = radical_table()
    radical_index = {name: i for i, (name, _) in enumerate(radicals)}
    radical_element = {}
    for element, names in RADICAL_ELEMENTS.items():
        for name in names.split():
            radical_element[name] = element

    # For characters cnchar lacks: the component form that cnchar writes most
    # often for characters filed under the same Unihan radical (艹 for 140).
    component_counts = defaultdict(lambda: defaultdict(int))
    for ch, radical in src.char_radical.items():
        rs = src.unihan["kRSUnicode"].get(ch)
        if rs and radical in radical_index:
            component_counts[parse_rs(rs)[0]][radical] += 1
    usual_component = {
        number: max(counts, key=lambda r: (counts[r], -radical_index[r]))
        for number, counts in component_counts.items()}

    records = []
    for index, ch in enumerate(chars):
        readings = readings_of(src, ch)
        if not readings:
            raise SystemExit(f"no reading for {ch}")
        kangxi, trad = kangxi_strokes(src, ch, notes)
        # Radical: the component as written (cnchar); a character that is
        # itself a radical is its own; else Unihan's radical number.
        radical = src.char_radical.get(ch)
        if radical is None and ch in src.radical_list:
            radical = ch
        if radical is None or radical not in radical_index:
            rs = src.unihan["kRSUnicode"][ch]
            number, simplified, _ = parse_rs(rs)
            key = f"{number}'" if simplified else str(number)
            radical = usual_component.get(number)
            if simplified or radical is None:
                radical = src.cjk_radicals.get(key) or src.cjk_radicals[str(number)]
            notes["radical_from_unihan"].append(ch)
            if radical not in radical_index:
                radical = src.cjk_radicals[str(number)]
            if radical not in radical_index:
                # A radical the vocabulary names by another form (老 as 耂):
                # the first entry filed under the same Kangxi radical.
                radical = next(name for name, _ in radicals
                               if parse_rs(src.unihan["kRSUnicode"][name])[0] == number)
        if radical not in radical_index:
            raise SystemExit(f"radical {radical} of {ch} is not in the radical table")
        if ch in RADICAL_ELEMENT_EXCEPTIONS:
            radical_elements = RADICAL_ELEMENT_EXCEPTIONS[ch]
        else:
            radical_elements = radical_element.get(radical, "")
        records.append({
            "index": index, "text": ch, "reading": format_reading(readings),
            "toned": ",".join(toned_readings_of(src, ch)),
            "radical": radical_index[radical], "radical_elements": radical_elements,
            "simplified": total_strokes(src, ch), "kangxi": kangxi, "traditional": trad,
            "reason": reason[ch],
        })

    # Meaning element: cnchar for the character, else for its traditional form
    # or another Unihan variant; else the element of its radical; else the
    # element most characters of the same radical carry.
    by_radical = defaultdict(lambda: defaultdict(int))
    for rec in records:
        element = src.five.get(rec["text"])
        rec["meaning"] = element
        rec["meaning_source"] = "cnchar" if element else None
        if element:
            by_radical[rec["radical"]][element] += 1
    for rec in records:
        if rec["meaning"]:
            continue
        ch = rec["text"]
        variants = [rec["traditional"]]
        for field in ("kTraditionalVariant", "kSimplifiedVariant"):
            for code in src.unihan[field].get(ch, "").split():
                variants.append(chr(int(code[2:], 16)))
        for v in variants:
            if v != ch and v in src.five:
                rec["meaning"], rec["meaning_source"] = src.five[v], "variant"
                break
        if not rec["meaning"] and len(rec["radical_elements"]) == 1 and ch not in RADICAL_ELEMENT_EXCEPTIONS:
            rec["meaning"], rec["meaning_source"] = rec["radical_elements"], "radical"
        if not rec["meaning"]:
            counts = by_radical.get(rec["radical"])
            if counts:
                best = max(ELEMENT_ORDER, key=lambda e: (counts.get(e, 0), -ELEMENT_ORDER.index(e)))
                if counts.get(best, 0) > 0:
                    rec["meaning"], rec["meaning_source"] = best, "radical-majority"
        if not rec["meaning"]:
            rec["meaning"], rec["meaning_source"] = "", "none"
        notes["meaning_" + rec["meaning_source"]].append(ch)
    return records, radicals, notes


# ------------------------------------------------------------- name statistics

def sex_keys():
    return ("male", "female")


def build_names(src, records):
    index_of = {r["text"]: r["index"] for r in records}
    pop = {"male": src.population["male"], "female": src.population["female"]}
    given = src.given

    # Counts of a character in two-character names: the national count less
    # the people whose whole given name is that one character.
    two_char_count = {}
    for ch, (m, f) in given.items():
        single = src.names.get(ch, (0, 0))
        two_char_count[ch] = {"male": max(m - single[0], 0), "female": max(f - single[1], 0)}

    def char_estimate(a, b, sex):
        i = 0 if sex == "male" else 1
        return given[a][i] * given[b][i] / pop[sex]

    # Real two-character given names: the national statistics, then person
    # names mined from text by jieba (family name removed).
    family_single = {s for s, _ in src.family if len(s) == 1}
    family_compound = {s for s, _ in src.family if len(s) == 2}
    family_single |= {s for s in src.corpus_surnames if len(s) == 1}
    family_compound |= {s for s in src.corpus_surnames if len(s) == 2}
    common_words = {}
    long_words = set()
    for word, freq, tag in src.jieba:
        if not tag.startswith("nr"):
            common_words[word] = max(common_words.get(word, 0), freq)
            if len(word) >= 4:
                for k in range(len(word) - 2):
                    long_words.add(word[k:k + 3])
                    if k + 4 <= len(word):
                        long_words.add(word[k:k + 4])

    national = {}
    for name, counts in src.names.items():
        if len(name) == 2 and all(c in index_of for c in name):
            national[name] = {"male": counts[0], "female": counts[1]}
    mined = {}
    rejected = defaultdict(int)
    for word, freq, tag in src.jieba:
        if tag != "nr":
            continue
        if len(word) == 3 and word[0] in family_single:
            name = word[1:]
        elif len(word) == 4 and word[:2] in family_compound:
            name = word[2:]
        else:
            continue
        if name in national:
            continue
        if not all(c in given and c in index_of for c in name):
            rejected["character not in the given-name statistics"] += 1
            continue
        if word in long_words:
            rejected["part of a longer word"] += 1
            continue
        if common_words.get(name, 0) >= MIN_COMMON_WORD_FREQ:
            rejected["given part is a common word"] += 1
            continue
        mined[name] = mined.get(name, 0) + freq

    names = {}
    for name, counts in national.items():
        total = counts["male"] + counts["female"]
        share = {s: counts[s] / total if total else 0.5 for s in sex_keys()}
        names[name] = {"source": "national", "count": counts, "share": share}
    for name in mined:
        est = {s: char_estimate(name[0], name[1], s) for s in sex_keys()}
        total = est["male"] + est["female"]
        share = {s: est[s] / total for s in sex_keys()}
        names[name] = {"source": "text", "count": est, "share": share}

    # Position share per sex: each real name counts with its national count for
    # that sex where the statistics give one, else with its sex share (one
    # bearer found in text); add-one smoothing leaves unmeasured characters at 1/2.
    first_weight = {s: defaultdict(float) for s in sex_keys()}
    second_weight = {s: defaultdict(float) for s in sex_keys()}
    for name, info in names.items():
        for s in sex_keys():
            w = info["count"][s] if info["source"] == "national" else info["share"][s]
            first_weight[s][name[0]] += w
            second_weight[s][name[1]] += w

    tables = {}
    raw_tables = {}
    for s in sex_keys():
        for pos in ("first", "second"):
            raw = []
            for rec in records:
                ch = rec["text"]
                n = two_char_count.get(ch, {}).get(s, 0)
                f_w, s_w = first_weight[s][ch], second_weight[s][ch]
                share = (f_w + 1) / (f_w + s_w + 2)
                if pos == "second":
                    share = 1 - share
                raw.append((n * share, rec["index"]))
            raw_tables[(s, pos)] = raw
    # One factor per sex brings that sex's largest count to TOP_COUNT.
    factor = {}
    for s in sex_keys():
        largest = max(v for pos in ("first", "second") for v, _ in raw_tables[(s, pos)])
        factor[s] = TOP_COUNT / largest
    for (s, pos), raw in raw_tables.items():
        counted = [(round(v * factor[s]), idx) for v, idx in raw]
        counted.sort(key=lambda e: (-e[0], e[1]))
        tables[(s, pos)] = [(idx, count) for count, idx in counted]

    # Corpora: a name belongs to a sex when that sex holds at least the
    # threshold share of it; national names first by their count, then the
    # names from text by their estimated count, ties by code.
    corpora = {}
    for s in sex_keys():
        rows = []
        for name, info in names.items():
            if info["share"][s] < SEX_SHARE_THRESHOLD:
                continue
            code = index_of[name[0]] * 65536 + index_of[name[1]]
            if info["source"] == "national":
                key = (0, -info["count"][s], code)
            else:
                key = (1, -info["count"][s], code)
            rows.append((key, name, code, info))
        rows.sort(key=lambda r: r[0])
        corpora[s] = [(name, code, info) for _, name, code, info in rows[:50000]]
    return tables, factor, corpora, rejected, len(national), len(mined)


MIN_COMMON_WORD_FREQ = 20
SEX_SHARE_THRESHOLD = 0.25


# -------------------------------------------------------------------- writing

def header(lines, sources):
    out = ["# Generated by tools/data/generate_tables.py; do not edit by hand.",
           "# Sources: " + sources[0]]
    out += ["#          " + s for s in sources[1:]]
    out += ["# " + l for l in lines]
    return "\n".join(out) + "\n"


UNIHAN = "Unicode Han Database (Unihan) 15.0, Unicode License"
OPENCC = "OpenCC STCharacters.txt, Apache-2.0"
CNCHAR = "cnchar-info / cnchar-radical 3.2.6, MIT"
NAMES = ("ChineseNames (Bao, H.-W.-S., 2023, Chinese Name Database 1930-2008), "
         "CC BY-NC-SA + GPL-3")
JIEBA = "jieba 0.42.1 dict.txt (Debian python3-jieba), MIT"
CORPUS = "Chinese-Names-Corpus family-name list, Apache-2.0"


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def element_bits(elements):
    return sum(ELEMENT_BITS[e] for e in elements)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sources", required=True)
    parser.add_argument("--jieba-dict", required=True)
    parser.add_argument("--unihan")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    src = Sources(args)
    records, radicals, notes = build_dictionary(src)
    tables, factor, corpora, rejected, n_national, n_mined = build_names(src, records)

    in_names = set(src.given) | {c for s, _ in src.family for c in s}
    lines = [header(
        ["index\ttext\treading\tmeaning_elements\tradical_index\tradical_elements\t"
         "simplified_strokes\tkangxi_strokes\tflag\ttoned_readings",
         "flag 1: the character occurs in the national given-name or family-name statistics.",
         "Elements are written as characters (金木水火土), '-' for none."],
        [UNIHAN, OPENCC, CNCHAR, NAMES, CORPUS, JIEBA])]
    for r in records:
        lines.append("\t".join(str(x) for x in (
            r["index"], r["text"], r["reading"], r["meaning"] or "-", r["radical"],
            r["radical_elements"] or "-", r["simplified"], r["kangxi"],
            1 if r["text"] in in_names else 0, r["toned"])) + "\n")
    write(os.path.join(args.out, "characters.tsv"), "".join(lines))

    lines = [header(["index\tname\tstrokes"], ["the radical vocabulary of Lumivane (fixed order)"])]
    for i, (name, strokes) in enumerate(radicals):
        lines.append(f"{i}\t{name}\t{strokes}\n")
    write(os.path.join(args.out, "radicals.tsv"), "".join(lines))

    for s in sex_keys():
        for pos in ("first", "second"):
            table = tables[(s, pos)]
            lines = [header(
                ["rank\tindex\ttext\tcount",
                 f"Scaling factor for {s} counts: {factor[s]:.10f}",
                 f"Non-zero counts: {sum(1 for _, c in table if c > 0)}; "
                 f"counts above 100: {sum(1 for _, c in table if c > 100)}"],
                [NAMES, JIEBA])]
            for rank, (idx, count) in enumerate(table):
                lines.append(f"{rank}\t{idx}\t{records[idx]['text']}\t{count}\n")
            write(os.path.join(args.out, f"position-{s}-{pos}.tsv"), "".join(lines))
        corpus = corpora[s]
        national_rows = sum(1 for _, _, info in corpus if info["source"] == "national")
        lines = [header(
            ["name\tfirst_index\tsecond_index\tsource\tcount",
             "source N: national statistics (count: people of this sex);",
             "source T: person name found in text (count: estimate from its characters).",
             f"{len(corpus)} names ({national_rows} national, {len(corpus) - national_rows} from text)."],
            [NAMES, JIEBA])]
        for name, code, info in corpus:
            src_tag = "N" if info["source"] == "national" else "T"
            count = info["count"][s]
            count_text = str(count) if src_tag == "N" else f"{count:.1f}"
            lines.append(f"{name}\t{code >> 16}\t{code & 0xFFFF}\t{src_tag}\t{count_text}\n")
        write(os.path.join(args.out, f"corpus-{s}.txt"), "".join(lines))

    summary = {k: len(v) for k, v in notes.items()}
    print("notes:", summary, file=sys.stderr)
    for k in ("kangxi_missing", "meaning_none", "kangxi_from_rsunicode"):
        if notes.get(k):
            print(k, "".join(notes[k]), file=sys.stderr)
    print("national two-character names:", n_national, "from text:", n_mined, file=sys.stderr)
    print("rejected:", dict(rejected), file=sys.stderr)
    for s in sex_keys():
        print(s, "factor", factor[s], "corpus", len(corpora[s]), file=sys.stderr)


if __name__ == "__main__":
    main()
