"""Verse stage: name candidates from classical poetry, each with its best line.

Reads the chinese-poetry compilation, converts traditional text to simplified
script with OpenCC's character table, splits stanzas into lines (ended by
。！？；) and lines into sentences (at any punctuation), and keeps for each sex
the ordered character pairs of one sentence that pass the same checks as the
simple list's free pairs. data/README.md documents every rule."""

import collections
import glob
import json
import math
import os
import re

# Collections in the order in which their lines stand first; `group` is the
# collection choice of the main window that shows them (empty: only 全部).
COLLECTIONS = (
    # (name, group)
    ("诗经", "诗经"),
    ("楚辞", "楚辞"),
    ("论语", "论语"),
    ("大学", "论语"),
    ("中庸", "论语"),
    ("孟子", "论语"),
    ("唐诗三百首", "唐诗"),
    ("宋词三百首", "宋词"),
    ("千家诗", ""),
    ("全唐诗", "唐诗"),
    ("全宋词", "宋词"),
)
TIER = {name: k for k, (name, _) in enumerate(COLLECTIONS)}
GROUP = dict(COLLECTIONS)
# The collections a parent knows by name; their stanzas are kept whole so
# that the analysis page finds the lines of any name in them.
# The collections the compilation gives in traditional script.
TRADITIONAL = {"大学", "中庸", "孟子", "唐诗三百首", "千家诗", "全唐诗"}
CLASSICS = {"诗经", "楚辞", "论语", "大学", "中庸", "孟子", "唐诗三百首", "宋词三百首", "千家诗"}

LINE_END = "。！？；"
PUNCTUATION = "，。；：？！、“”‘’「」『』《》（）()〈〉·—…,.;:?! \u3000"
SENTENCE_SPLIT = re.compile("[" + re.escape(PUNCTUATION) + "]+")
# The simple list's free pairs: each character among the first 301 ranks of
# its position, never both from ranks 201-300.
PAIR_RANKS = 301
STRONG_RANKS = 201
# The large collections (全唐诗, 全宋词) yield some ten thousand pairs per sex
# from lines no parent knows; only their most name-like ones are kept: both
# characters among the first 101 ranks of their position, unless the pair is
# a real name of the sex.
LARGE_COLLECTION_RANKS = 101
# A pair is a name only with evidence from the sex's real names: each of its
# characters stands in its place in at least one name per EVIDENCE_NAMES
# names of the corpus (with other partners), and in no fewer than
# LEAST_PARTNERS, or the pair itself, or its reverse, is a name of the
# national statistics. A line holds many pairs of name characters that no
# parent puts together (宣赐, 富龙, 柯羽); a character that real names pair
# with many others is one that goes with most. Two partners can be chance in
# the girls' small corpus (411 names: 丹金), and the names found in text are
# jieba's person names, some of them no given name (圆静, 梦缘, 园竹, 语歌).
# The classics, whose few lines parents know, ask less: one partner per
# EVIDENCE_NAMES names, or the pair or its reverse a name of the corpus.
EVIDENCE_NAMES = 300
LEAST_PARTNERS = 3
# 圣 in verse is the emperor's or the sage's (圣泽, 圣谟, 圣源): a name that
# takes it is presumptuous. 亦 in a line is "also"; a name ending on it reads
# as a fragment (江亦). (若 "as if" too, but 婉若, 芷若, 洁若 read well.)
PRESUMPTUOUS = frozenset("圣")
FUNCTION_SECOND = frozenset("亦")
# A name character that verse uses as a verb of eating or enduring (Unihan's
# definition): 茹 "roots; vegetables; eat; bear" is "eat" in every line
# (美可茹，鲜可食; 宁复茹藜蕨; 柔亦不茹), so a name taken from one means
# "can be eaten". Of the name characters only 茹 has such a sense.
EATING_WORDS = frozenset("eat eating swallow devour chew drink endure".split())


def eating_characters(definitions):
    """The characters whose Unihan definition gives a sense of EATING_WORDS."""
    return {c for c, d in definitions.items()
            if set(re.findall(r"[a-z]+", d.lower())) & EATING_WORDS}


# 孟子 is argument in prose, its characters in their old sense (泰 excessive,
# 富 a state's wealth); it gives no names, its passages still show as the
# source of a name found in them.
NO_NAMES = {"孟子"}


def is_han(c):
    return "\u4e00" <= c <= "\u9fff"


class Converter:
    """Traditional to simplified by OpenCC's TSCharacters table: the first
    candidate of each line. A character with several candidates (乾 干/乾,
    於 于/於, 沈 沈/沉, 餘 余/馀) is simplified by the word it stands in, which
    the character table cannot tell: it gets its first candidate in the text
    shown, and no name pair is taken from it."""

    def __init__(self, ts_lines):
        self.table = {}
        self.ambiguous = set()
        for line in ts_lines:
            if not line.strip() or line.startswith("#"):
                continue
            key, values = line.rstrip("\n").split("\t")
            candidates = values.split(" ")
            self.table[key] = candidates[0]
            if len(set(candidates)) > 1:
                self.ambiguous.add(candidates[0])
                self.ambiguous.update(candidates)
                self.ambiguous.add(key)

    def convert(self, text):
        """(simplified text, set of positions of word-dependent characters)."""
        out, uncertain = [], set()
        for k, c in enumerate(text):
            if c in self.ambiguous:
                uncertain.add(k)
            out.append(self.table.get(c, c))
        return "".join(out), uncertain


CLOSING_QUOTES = "”’」』"


def lines_of(stanza):
    """(offset, line) of the lines of a stanza, each with its end mark and the
    closing quotation marks right after it (子曰：“…。” ends with ”)."""
    lines, start, k = [], 0, 0
    while k < len(stanza):
        if stanza[k] in LINE_END:
            while k + 1 < len(stanza) and stanza[k + 1] in CLOSING_QUOTES:
                k += 1
            lines.append((start, stanza[start:k + 1]))
            start = k + 1
        k += 1
    if start < len(stanza):
        lines.append((start, stanza[start:]))
    return lines


def sentences_of(line):
    """(offset, sentence) of the sentences of a line."""
    out, pos = [], 0
    for part in SENTENCE_SPLIT.split(line):
        if part:
            pos = line.index(part, pos)
            out.append((pos, part))
            pos += len(part)
    return out


# A colour or a metal in a line qualifies the thing after it (紫菊, 紫微,
# 金鼎, 金阶, 金母, 丹阙) or, at the end of a sentence, tells the colour of the
# thing before it (藤花紫, 兰心紫): taken from there it is cut out of that
# thing (雨紫, 丹金, 语金, 晓…紫). It gives a name only as the name's first
# character right before its second (紫琳 of 刻之以紫琳), or as its second right
# after its first at the end of the sentence (丹金 of 耀丹金).
MODIFIERS = frozenset("金紫丹朱碧翠银红绿")


def modifies_another(sentence, i, j):
    """Whether the character at i or j is a MODIFIERS character that
    qualifies something other than the pair's other character."""
    if sentence[i] in MODIFIERS and j != i + 1:
        return True
    end = j + 1 == len(sentence) or not is_han(sentence[j + 1])
    return sentence[j] in MODIFIERS and not (j == i + 1 and end)


def ordered_pairs(sentence, offset, uncertain, words=None, bound=frozenset()):
    """Every (a, b) of a sentence with a before b, once each, in order of
    first occurrence; characters of uncertain simplification and those at
    the positions `bound` are left out, and with `words` (the sentence's
    split) the pairs that cut into words."""
    seen = set()
    chars = [(k, c) for k, c in enumerate(sentence)
             if is_han(c) and (offset + k) not in uncertain and k not in bound]
    for i in range(len(chars)):
        for j in range(i + 1, len(chars)):
            pair = (chars[i][1], chars[j][1])
            if pair in seen:
                continue
            if words is not None and not apart_from_other_words(words, chars[i][0], chars[j][0]):
                continue
            if modifies_another(sentence, chars[i][0], chars[j][0]):
                continue
            seen.add(pair)
            yield pair


# --- words and moods -----------------------------------------------------------

class Segmenter:
    """The most probable split of a sentence into the words of jieba's
    dictionary, as jieba cuts without its unknown-word model: each word weighs
    its frequency over the total, a character outside the dictionary 1."""

    def __init__(self, frequencies):
        self.freq = frequencies
        self.log_total = math.log(sum(frequencies.values()) or 1)
        self.longest = max((len(w) for w in frequencies), default=1)

    def cut(self, sentence):
        """[(start, end)] of the words."""
        n = len(sentence)
        best = [(0.0, n)] * (n + 1)
        for i in range(n - 1, -1, -1):
            choice = None
            for j in range(i + 1, min(n, i + self.longest) + 1):
                word = sentence[i:j]
                if j > i + 1 and word not in self.freq:
                    continue
                value = math.log(self.freq.get(word) or 1) - self.log_total + best[j][0]
                if choice is None or value > choice[0]:
                    choice = (value, j)
            best[i] = choice
        words, i = [], 0
        while i < n:
            words.append((i, best[i][1]))
            i = best[i][1]
        return words


# A line unfit for a child's name speaks of grief, war, death, slander, vice,
# illness or want: it holds a character whose Unihan definition (kDefinition)
# has one of these words.
ILL_MEANING_WORDS = frozenset("""
weep wail sob tears sorrow sorrowful grief grieved mournful mourn sad melancholy miserable
wretched anxiety worry dejected desolate lonely solitary bitter resent hatred hate
war battle soldier troops weapon spear lance arrow sword attack invade rebel revolt kill slaughter murder blood
die dead death perish grave tomb funeral coffin ghost corpse skeleton bury
slander defame deceive cheat evil wicked thief traitor cruel shame disgrace prostitute
illness sickness disease wound injury poor impoverished hunger starving famine
enemy bandit prisoner snivel
""".split())


def ill_meaning_characters(definitions, first_sense=False):
    """The characters whose definition holds a word of ILL_MEANING_WORDS; with
    `first_sense`, only in the definition's first sense (before the first
    ";"), as a title's characters are read: 伤 "wound, injury; fall ill" and
    悼 are ill, 雪 "snow; wipe away shame" and 刘 "surname; kill" are not."""
    out = set()
    for char, definition in definitions.items():
        if first_sense:
            definition = definition.split(";")[0]
        if set(re.findall(r"[a-z]+", definition.lower())) & ILL_MEANING_WORDS:
            out.add(char)
    return out


# Poems unfit to tell as a name's source by their title or section, whatever
# the line taken from them says:
UNFIT_TITLE_WORDS = (
    "挽", "吊",                        # elegies and condolences (挽歌, 吊屈原)
    "招魂", "大招",                     # the calling of a dead man's soul
    "怀沙", "沉江",                     # 屈原's last poem, his drowning
    "九辩",                             # 宋玉's lament of autumn and of a man cast off
    "七谏", "九怀", "九叹", "九思",       # the Han poets' laments in 屈原's voice:
    "惜誓", "哀时命",                   # slander, exile and death by water
    "从军", "出塞", "入塞", "塞下", "塞上", "战城南", "老将",   # war songs
    "游仙窟",                           # a tale of a night with courtesans
    "导引",                             # the Song court's funeral songs
    "塔铭", "师塔",                      # a monk's burial stupa (赤谷安禅师塔)
    "玉台", "香奁", "燕台", "无题", "闺",  # boudoir and love-longing poems
    "后庭",                             # 后庭花, the music of a fallen state
    "绿章",                             # a Daoist petition for the dead
    "蓼莪",                             # a son's mourning for his parents
    "行路难",                           # the hardship of the world, money and rank mocked
    "留别", "送别",                      # partings
    "下第", "落第", "不第",               # written after failing the examination
    "故城", "古井",                      # a fallen city, a fallen minister's house (庆封宅古井行)
    "子规", "杜鹃",                      # the cuckoo that cries blood, the exile's homesickness
    "西施",                             # a favourite's charms that ruined a state
    "叹",                               # laments (叹老, 叹白发)
    "思归",                             # homesickness of a man far from home
)
# Lines unfit by an allusion: 巫山's goddess and the clouds and rain of
# 高唐 and 阳台 stand for love-making; war songs are quoted in lines too.
# Death has its euphemisms (辞人寰, 断魂, 黄泉, 九泉), and 书空 is 殷浩's
# despair; 后庭 is the fallen state's song. A stanza is read as one: these
# words anywhere in it make each of its lines unfit (志定功成飞九关 stands
# beside 逍遥长揖辞人寰).
UNFIT_LINE_WORDS = ("巫山", "高唐", "阳台", "行雨", "云雨", "神女",
                    "从军", "出塞", "入塞", "塞下", "塞上",
                    "人寰", "断魂", "黄泉", "九泉", "泉下", "书空", "后庭",
                    "贝锦")   # the slanderers' brocade of 巷伯


# A stanza is read as one for what it is about as well: these words anywhere
# in it make each of its lines unfit, but unlike UNFIT_LINE_WORDS they are
# not read in a title or an author's name (无名氏).
UNFIT_STANZA_WORDS = ("别思", "不归", "落花", "音书",   # parting, no return, spring gone, no letters
                      "鬓",                            # greying temples: growing old (两鬓霜)
                      "文君", "薛涛", "昭君", "西施",   # women known for an elopement, a courtesan's
                      "氏",                            # verse, exile, a ruinous charm; a clan's woman (卓氏)
                      "娇声", "妖惑")                   # a courtesan's flirting, a seductress (媚语娇声娅姹)


def unfit_stanza(stanza, ill):
    """Whether a stanza makes each of its lines unfit: a character of ill
    meaning anywhere in it (rule 6 read over the stanza: 柏舟's grief stands
    beside 泛彼柏舟), or a word of UNFIT_LINE_WORDS or UNFIT_STANZA_WORDS."""
    return unfit_line(stanza, ill) or any(w in stanza for w in UNFIT_STANZA_WORDS)


def unfit_poem(title, section, title_ill):
    """Whether a poem's title or section makes it unfit to tell: a word of
    UNFIT_TITLE_WORDS, or a character ill in its first sense (`title_ill`:
    哀郢, 国殇, 山鬼, 悼乱, 三伤颂)."""
    text = title + "·" + section
    return any(w in text for w in UNFIT_TITLE_WORDS) or any(c in title_ill for c in text)


def unfit_line(line, ill):
    return any(c in ill for c in line) or any(w in line for w in UNFIT_LINE_WORDS)


def apart_from_other_words(words, i, j):
    """Whether the characters at i and j each stand as a word of their own, or
    the two make one word: a pair that takes one character from each of two
    words (园林 萧瑟, 白露 为 霜) reads as no name."""
    def word_at(k):
        return next(w for w in words if w[0] <= k < w[1])
    a, b = word_at(i), word_at(j)
    if a == b:
        return a == (i, j + 1)
    return a == (i, i + 1) and b == (j, j + 1)


# 子 and 家 after another character are read with it: 子 as the noun suffix
# or "that man" (裙子, 蟢子, 之子, 君子, 公子), 家 as "the house of" (汉家,
# 君家, 訾家洲); taken alone they are cut out of that word (子 of 石榴裙子).
BOUND_SUFFIXES = "子家"
# Words of negation (不 弗 勿 毋 未 莫 无 非 匪 罔 靡 休; 匪 is 非 in 诗经), of vanity (徒 虚 空 枉:
# "in vain") and of rhetorical doubt (岂 何 焉 讵 "how could", 安得 安能
# 安可 焉得 宁知 那得 奈何): they govern what follows them in their sentence, so a
# character after one is denied or made vain (鹍鹏势未安, 公子莫思晴, 和靖无诗,
# 高文徒自妍, 浩思安得宁). A single character counts only where the sentence's
# split makes it a word of its own (not 空 of 天空, 无 of 无限).
NEGATION_CHARACTERS = frozenset("不弗勿毋未莫无非匪罔靡休徒虚空枉岂何焉讵")
NEGATION_WORDS = ("安得", "安能", "安可", "焉得", "宁知", "那得", "奈何")


# 倩 before another character is the verb "to ask someone to" (qìng: 诗成倩鸟吟,
# 此梦倩谁, 晓倩碧烟为绳); it is "lovely" only at the end of its sentence (葱倩)
# or before 兮 (巧笑倩兮).
VERBS_BEFORE_OBJECT = "倩"


def bound_positions(sentence, words):
    """The positions of a sentence whose characters give no name: a 子 or 家
    after another character (BOUND_SUFFIXES), a verb before its object
    (VERBS_BEFORE_OBJECT), and every character from the first word of
    negation, vanity or doubt on (NEGATION_CHARACTERS, NEGATION_WORDS;
    `words` the sentence's split)."""
    bound = {k for k in range(1, len(sentence))
             if sentence[k] in BOUND_SUFFIXES and is_han(sentence[k - 1])}
    bound.update(k for k in range(len(sentence) - 1)
                 if sentence[k] in VERBS_BEFORE_OBJECT and is_han(sentence[k + 1])
                 and sentence[k + 1] != "兮")
    starts = [sentence.find(w) for w in NEGATION_WORDS if w in sentence]
    starts += [i for i, j in words if j == i + 1 and sentence[i] in NEGATION_CHARACTERS]
    if starts:
        bound.update(range(min(starts), len(sentence)))
    return bound


# --- reading the compilation -------------------------------------------------

def _load(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def _numbered(pattern):
    def key(p):
        m = re.search(r"\.(\d+)\.json$", p)
        return (0, int(m.group(1))) if m else (1, p)
    return sorted(glob.glob(pattern), key=key)


def _strip_dynasty(author):
    m = re.match(r"^[（(](.)[）)](.*)$", author or "")
    return (m.group(1), m.group(2)) if m else ("", author or "")


def poems(root, conv):
    """Yield (collection, title, section, author, [stanza texts]) in the order
    of the collections, simplified."""
    def simp(text):
        return conv.convert(text)[0]

    for p in _load(os.path.join(root, "shijing", "shijing.json")):
        section = p["section"] if p["chapter"] == "国风" else p["chapter"]
        yield "诗经", p["title"], section, "", p["content"]
    for p in _load(os.path.join(root, "chuci", "chuci.json")):
        section = p["section"] if p["section"] != p["title"] else ""
        yield "楚辞", p["title"], section, p["author"], p["content"]
    for p in _load(os.path.join(root, "lunyu", "lunyu.json")):
        yield "论语", p["chapter"], "", "", p["paragraphs"]
    for name, file in (("大学", "daxue"), ("中庸", "zhongyong"), ("孟子", "mengzi")):
        data = _load(os.path.join(root, "sishuwujing", file + ".json"))
        for p in data if isinstance(data, list) else [data]:
            title = simp(p["chapter"])
            yield name, "" if title == name else title, "", "", p["paragraphs"]
    for p in _load(os.path.join(root, "tang", "唐诗三百首.json")):
        yield "唐诗三百首", simp(p["title"]), "", simp(p["author"]), p["paragraphs"]
    for p in _load(os.path.join(root, "songci", "宋词三百首.json")):
        yield "宋词三百首", p["rhythmic"], "", p["author"], p["paragraphs"]
    qjs = _load(os.path.join(root, "mengxue", "qianjiashi.json"))
    for part in qjs["content"]:
        for p in part["content"]:
            _, author = _strip_dynasty(simp(p.get("author", "")))
            title = simp(p["chapter"])
            flat = [x for x in p["paragraphs"] if isinstance(x, str)]
            if flat:
                yield "千家诗", title, "", author, flat
            # A poem of several parts (其一, 其二) holds one list per part.
            for sub in (x for x in p["paragraphs"] if isinstance(x, dict)):
                yield "千家诗", title + "·" + simp(sub.get("subchapter", "")), "", author, \
                    sub["paragraphs"]
    for path in _numbered(os.path.join(root, "tang", "poet.tang.*.json")):
        for p in _load(path):
            yield "全唐诗", simp(p["title"]), "", simp(p["author"]), p["paragraphs"]
    for path in _numbered(os.path.join(root, "songci", "ci.song.*.json")):
        for p in _load(path):
            yield "全宋词", p["rhythmic"], "", p["author"], p["paragraphs"]


# --- the name checks ---------------------------------------------------------

def usual_syllable(reading):
    if reading.startswith(","):
        return reading[1:].split(",")[0]
    return reading


class PairRules:
    """The checks of a free pair of the simple list, on the committed tables:
    ranks, the characters read alike, the pair leaning to the other sex, and
    jieba's ordinary words (a real name of the sex's corpus excepted)."""

    def __init__(self, chars, positions, corpus, words, eating=frozenset(), national=None):
        # chars: {text: (index, reading, gender)}; positions: {(sex, pos): {text: (rank, count)}};
        # national: the corpus's names of the national statistics (all of it when None)
        self.chars, self.positions, self.corpus, self.words = chars, positions, corpus, words
        self.eating = eating
        self.national = corpus if national is None else national
        self.partners, self.least_partners, self.lenient_partners = {}, {}, {}
        for sex, names in corpus.items():
            self.partners[sex] = (collections.Counter(n[0] for n in names),
                                  collections.Counter(n[-1] for n in names))
            self.lenient_partners[sex] = max(1, math.ceil(len(names) / EVIDENCE_NAMES))
            self.least_partners[sex] = max(LEAST_PARTNERS, self.lenient_partners[sex])

    def evidence(self, a, b, sex, strict=True):
        """Whether real names of the sex support the pair (EVIDENCE_NAMES).
        Not `strict` (the classics, whose few lines parents know), any name of
        the corpus and one partner per EVIDENCE_NAMES names do."""
        names = self.national[sex] if strict else self.corpus[sex]
        if a + b in names or b + a in names:
            return True
        first, second = self.partners[sex]
        least = self.least_partners[sex] if strict else self.lenient_partners[sex]
        return first[a] >= least and second[b] >= least

    def check(self, a, b, sex, ranks=PAIR_RANKS, strict=True):
        """None when the pair passes, else the reason; `ranks` bounds the rank
        of both characters of a pair that is not a real name of the sex,
        `strict` asks the evidence of the large collections."""
        real = a + b in self.corpus[sex]
        bound = PAIR_RANKS if real else ranks
        first = self.positions[(sex, "first")].get(a)
        second = self.positions[(sex, "second")].get(b)
        if first is None or first[0] >= bound or second is None or second[0] >= bound:
            return "rank"
        if first[0] >= STRONG_RANKS and second[0] >= STRONG_RANKS:
            return "rank"
        if a == b or usual_syllable(self.chars[a][1]) == usual_syllable(self.chars[b][1]):
            return "read alike"
        balance = self.chars[a][2] + self.chars[b][2]
        if (balance > 0) if sex == "female" else (balance < 0):
            return "other sex"
        if a + b in self.words and not real:
            return "word"
        if a in PRESUMPTUOUS or b in PRESUMPTUOUS or b in FUNCTION_SECOND:
            return "verse use"
        if a in self.eating or b in self.eating:
            return "verse use"
        if not self.evidence(a, b, sex, strict):
            return "no evidence"
        return None


# Notes of the editors among the verses of 全唐诗 and 全宋词 (《全唐诗》误以…,
# （《宿山寺》，见…）) and gaps (□) are no verse.
NOT_VERSE = re.compile(r"[《》（）()□\[\]A-Za-z0-9]")


def regular_verse(stanza):
    """A couplet or more of lines of one length, as a poem of 全唐诗 is written;
    the editors' notes among them are prose (天柱山在舒州怀宁，此诗当即…)."""
    lengths = {len(sentence) for _, line in lines_of(stanza)
               for _, sentence in sentences_of(line)}
    return len(sentences_of(stanza)) >= 2 and len(lengths) == 1


def build(root, conv, rules, sexes=("male", "female"), segmenter=None, ill=frozenset(),
          title_ill=frozenset(), example_characters=frozenset()):
    """(stanzas, names, notes). stanzas: [(collection, title, section, author,
    text, fit)] in table order, `fit` whether its lines may be told to parents
    (rules 6-8: the poem, the stanza and the collection pass); names: {sex: [(first, second, stanza id, line no)]}
    in order of their best line. `ill`: the characters that make a line
    unfit, `title_ill` those that make a title unfit (unfit_poem).
    notes["examples"]: {char: (stanza id, line no)} for each of
    `example_characters`, its first line in a fit stanza where its sentence
    neither denies it nor binds it to another word (rule 10)."""
    best = {sex: {} for sex in sexes}   # pair -> (stanza key, line no)
    all_stanzas = []                    # (collection, title, section, author, text, fit)
    keep = set()
    examples = {}                       # char -> (stanza key, line no)
    notes = {"unfit poems": 0, "bound characters": 0}
    for collection, title, section, author, stanzas in poems(root, conv):
        # A gap in the title or author (赵必□) is a name the parents could not tell.
        unfit = (unfit_poem(title, section, title_ill) or unfit_line(title + author, ())
                 or "□" in title + author)
        notes["unfit poems"] += unfit
        for raw in stanzas:
            if collection in TRADITIONAL:
                text, uncertain = conv.convert(raw.strip())
            else:
                text, uncertain = raw.strip(), set()
            if not text:
                continue
            key = len(all_stanzas)
            fit = not (unfit or collection in NO_NAMES or unfit_stanza(text, ill))
            all_stanzas.append((collection, title, section, author, text, fit))
            if collection in CLASSICS:
                keep.add(key)
                ranks = PAIR_RANKS
            elif NOT_VERSE.search(text):
                continue
            else:
                ranks = LARGE_COLLECTION_RANKS
            if not fit or (collection == "全唐诗" and not regular_verse(text)):
                continue
            for line_no, (start, line) in enumerate(lines_of(text)):
                for offset, sentence in sentences_of(line):
                    words = segmenter.cut(sentence) if segmenter else None
                    bound = bound_positions(sentence, words or [])
                    notes["bound characters"] += len(bound)
                    for k, c in enumerate(sentence):
                        if (c in example_characters and c not in examples and k not in bound
                                and start + offset + k not in uncertain):
                            examples[c] = (key, line_no)
                            keep.add(key)
                    for a, b in ordered_pairs(sentence, start + offset, uncertain, words, bound):
                        for sex in sexes:
                            if (a, b) in best[sex]:
                                continue
                            if rules.check(a, b, sex, ranks, collection not in CLASSICS):
                                continue
                            best[sex][(a, b)] = (key, line_no)
                            keep.add(key)
    new_id = {}
    stanzas = []
    for key in sorted(keep):
        new_id[key] = len(stanzas)
        stanzas.append(all_stanzas[key])
    names = {}
    for sex in sexes:
        rows = [(a, b, new_id[k], n) for (a, b), (k, n) in best[sex].items()]
        rows.sort(key=lambda r: (r[2], r[3]))
        names[sex] = rows
    notes["stanzas read"] = len(all_stanzas)
    notes["examples"] = {c: (new_id[k], n) for c, (k, n) in examples.items()}
    return stanzas, names, notes
