"""Stage 2, characters: which 7,227 characters the dictionary holds, at which
index, and their radical and five elements.

Favourites files store character indexes, so the index of a character, once
given, stays: the order of the first release is rebuilt by its own rule, and
the characters of the general standard list that it lacked take the places of
the rarest characters no name uses."""

from collections import defaultdict

from namedata.readings import readings_of
from namedata.strokes import parse_rs

DICTIONARY_SIZE = 7227

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
ELEMENT_ORDER = "金木水火土"


def gbk_double_byte(ch):
    try:
        return len(ch) == 1 and len(ch.encode("gbk")) == 2
    except UnicodeEncodeError:
        return False


def gbk_key(ch):
    return ch.encode("gbk")


def tgh_number(unihan, ch):
    """Position in the general standard list (1..8105), None outside it."""
    value = unihan["kTGH"].get(ch)
    return int(value.split(":")[1]) if value else None


def name_characters(src):
    """Characters of the given-name and family-name statistics and lists."""
    out = set(src.given)
    for surname, _ in src.family:
        out |= set(surname)
    for surname in src.corpus_surnames:
        out |= set(surname)
    return out


def first_release_order(src):
    """The 7,227 characters in the index order of the first release, and the
    reason each was chosen (given, family, gb2312, tgh)."""
    reason = {}
    ordered = []

    def add(ch, why):
        if ch not in reason and gbk_double_byte(ch):
            reason[ch] = why
            ordered.append(ch)

    for ch in sorted(src.given, key=lambda c: (-(src.given[c].male + src.given[c].female),
                                               gbk_key(c))):
        add(ch, "given")
    for surname, _ in sorted(src.family, key=lambda s: (-s[1], gbk_key(s[0][0]))):
        for ch in surname:
            add(ch, "family")
    for surname in sorted(src.corpus_surnames,
                          key=lambda s: [gbk_key(c) for c in s if gbk_double_byte(c)]):
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
    extra.sort(key=lambda c: (-in_names[c], tgh_number(src.unihan, c)))
    for ch in extra[:room]:
        reason[ch] = "tgh"
        tail.append(ch)
    tail.sort(key=lambda c: (readings_of(src.unihan, c)[0], gbk_key(c)))

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
    return slots, reason


def word_use(jieba):
    """Total frequency of the words of jieba's dictionary that contain each character."""
    use = defaultdict(int)
    for word, freq, _ in jieba:
        for ch in set(word):
            use[ch] += freq
    return use


def choose_characters(src):
    """The first release's order with replacements: every double-byte GBK
    character of the general standard list that it lacked (the name and place
    characters of the list's third level) takes the index of a character that
    no name uses, rarest first: those outside the general standard list, then
    by their use in the words of jieba's dictionary. Returns (slots, reason,
    replaced) where replaced maps new character -> the character it replaced."""
    slots, reason = first_release_order(src)
    present = set(slots)
    newcomers = [c for c in src.unihan["kTGH"] if gbk_double_byte(c) and c not in present]
    newcomers.sort(key=lambda c: tgh_number(src.unihan, c))
    names = name_characters(src)
    use = word_use(src.jieba)
    removable = [i for i, c in enumerate(slots)
                 if c not in names and c not in FIXED_INDEXES]
    removable.sort(key=lambda i: (tgh_number(src.unihan, slots[i]) is not None,
                                  use[slots[i]], i))
    if len(newcomers) > len(removable):
        raise SystemExit("not enough characters to replace")
    freed = sorted(removable[:len(newcomers)])
    replaced = {}
    for index, ch in zip(freed, newcomers):
        replaced[ch] = slots[index]
        del reason[slots[index]]
        slots[index] = ch
        reason[ch] = "tgh-name"
    assert len(set(slots)) == DICTIONARY_SIZE
    return slots, reason, replaced


def radical_table():
    table = []
    for strokes, names in RADICALS_BY_STROKES:
        for name in names.split():
            table.append((name, strokes))
    assert len(table) == 267 and len({n for n, _ in table}) == 267
    return table


def radical_of(src, ch, radicals, radical_index, usual_component, notes):
    """The radical as the character writes it: the component radical of cnchar;
    a character that is itself a radical is its own; else Unihan's number."""
    radical = src.char_radical.get(ch)
    if radical is None and ch in src.radical_list:
        radical = ch
    if radical is not None and radical in radical_index:
        return radical
    number, simplified, _ = parse_rs(src.unihan["kRSUnicode"][ch])
    key = f"{number}'" if simplified else str(number)
    radical = usual_component.get(number)
    if simplified or radical is None:
        radical = src.cjk_radicals.get(key) or src.cjk_radicals[str(number)]
    notes["radical_from_unihan"].append(ch)
    if radical not in radical_index:
        radical = src.cjk_radicals[str(number)]
    if radical not in radical_index:
        # A radical the vocabulary names by another form (老 as 耂): the first
        # entry filed under the same Kangxi radical.
        radical = next(name for name, _ in radicals
                       if parse_rs(src.unihan["kRSUnicode"][name])[0] == number)
    return radical


def usual_components(src, radical_index):
    """For characters cnchar lacks: the component form that cnchar writes most
    often for characters filed under the same Unihan radical (艹 for 140)."""
    counts = defaultdict(lambda: defaultdict(int))
    for ch, radical in src.char_radical.items():
        rs = src.unihan["kRSUnicode"].get(ch)
        if rs and radical in radical_index:
            counts[parse_rs(rs)[0]][radical] += 1
    return {number: max(c, key=lambda r: (c[r], -radical_index[r])) for number, c in counts.items()}


def radical_elements(radical, ch):
    if ch in RADICAL_ELEMENT_EXCEPTIONS:
        return RADICAL_ELEMENT_EXCEPTIONS[ch]
    for element, names in RADICAL_ELEMENTS.items():
        if radical in names.split():
            return element
    return ""


def meaning_elements(src, records, notes):
    """cnchar's element for the character, else for its traditional form or
    another Unihan variant; else the element of its radical; else the element
    most characters of the same radical carry."""
    by_radical = defaultdict(lambda: defaultdict(int))
    for rec in records:
        rec["meaning"] = src.five.get(rec["text"], "")
        if rec["meaning"]:
            by_radical[rec["radical"]][rec["meaning"]] += 1
            notes["meaning_cnchar"].append(rec["text"])
    for rec in records:
        if rec["meaning"]:
            continue
        ch = rec["text"]
        variants = [rec["traditional"]]
        for key in ("kTraditionalVariant", "kSimplifiedVariant"):
            variants += [chr(int(code[2:], 16)) for code in src.unihan[key].get(ch, "").split()]
        source = "none"
        for v in variants:
            if v != ch and v in src.five:
                rec["meaning"], source = src.five[v], "variant"
                break
        if not rec["meaning"] and len(rec["radical_elements"]) == 1 \
                and ch not in RADICAL_ELEMENT_EXCEPTIONS:
            rec["meaning"], source = rec["radical_elements"], "radical"
        if not rec["meaning"]:
            counts = by_radical.get(rec["radical"], {})
            best = max(ELEMENT_ORDER, key=lambda e: (counts.get(e, 0), -ELEMENT_ORDER.index(e)))
            if counts.get(best, 0) > 0:
                rec["meaning"], source = best, "radical-majority"
        notes["meaning_" + source].append(ch)
