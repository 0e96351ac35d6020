"""Stage 5, name statistics: per character and sex how many children born
recently carry it in a two-character given name, and which characters the
generators must not offer to a sex."""

from collections import defaultdict
from dataclasses import dataclass, field

SEXES = ("male", "female")

# Birth cohorts weighted to describe names given today: the births of
# 2000-2008 fully, those of the 1990s at half weight, older cohorts not at all.
COHORT_WEIGHTS = {"2000_2008": 1.0, "1990_1999": 0.5}

# A character whose gender index (-1 all female .. +1 all male) reaches this
# value belongs clearly to one sex: the other sex holds at most 30 % of its
# bearers. It keeps its count in the other sex's tables but ranks in their
# zero run.
CLEAR_SEX_INDEX = 0.4

# A character whose gender index reaches this value (but not CLEAR_SEX_INDEX)
# leans to one sex: the other sex holds at most 35 % of its bearers. Paired at
# random with the other sex's characters it gives names that read as of the
# wrong sex (南 聪 昭 晖 垚 for a girl, 钰 冰 瑜 诺 for a boy), so it is held
# back from the other sex like a clear one, unless that sex's names of the
# 2000s use it (子 of 子涵, 文 of 文静 stay with girls).
LEANING_SEX_INDEX = 0.3

# The statistics end with the births of 2008 (their last cohort centres on
# 2004); the children named now are born two decades later. A character's count
# is carried forward at the pace its rate changed from the births of the 1990s
# to those of 2000-2008, that pace bounded to doubling or halving a decade:
# a fall for MOMENTUM_STEPS decades (丽 燕 萍 红 kept falling), a rise for one
# decade only, as the fastest risers of the 2000s were often that decade's
# fashions (圳 燚 炫 粤), which readers found odd in today's names.
MOMENTUM_BOUNDS = (0.5, 2.0)
MOMENTUM_STEPS = 2

# A character that the births of 2000-2008 use at less than this share of its
# rate over all births of 1930-2008 is dated (秀 桂 淑 建 国 军): held back from
# both sexes.
DATED_TREND = 0.5

# A character is dated, too, when it is fading: the births of 2000-2008 use it
# less than those of 1930-2008 did on average, and its momentum halves its
# count again by today (丽 燕 萍 娜 敏 for girls; 勇 亮 强 伟 海 for boys).
# Readers took the names these give for those of their parents' generation.
FADING_MOMENTUM = 0.5

# A character borne by fewer recent children (weighted as above) than this
# many times its frequency in the ordinary words of jieba's dictionary (the sum
# over the words that contain it) is a character of the language more than of
# names (以 好 品 非 果 上 为 理; 京 纪 科 基 路 意 音): held back from both sexes.
# Below three the characters are nearly all those of everyday words, which
# paired at random with a name character give odd names (北京 in 奕京, 纪念 in
# 韵纪); above it name characters such as 安 成 书 语 begin.
WORD_CHARACTER_RATIO = 3.0

# A character whose meaning the statistics' raters judge below the neutral
# middle of their five-point scale (name.valence < 3) is of doubtful or ill
# meaning in a name (淋 'drenched', 郁 'gloomy', 妞 'wench', 咪 'meow', 野 'wild',
# 浪 'dissolute'): held back from both sexes.
ILL_MEANING_VALENCE = 3.0

# The characters of the two-character names the national lists of a sex give
# for the births of the 2000s (一凡 一鸣 for boys, 子涵 丹丹 for girls) are
# current for that sex whatever the word-character, leaning, ill-meaning and
# transliteration rules say (一 is in thousands of words). Not the dated rule:
# those lists name the children of 2000-2008, and the characters that fade
# since (玉 of 玉婷, 丽 of 佳丽, 伟 海 强 for boys) read as dated today.
CURRENT_DECADE = 2000

# Characters of names that wished for a son; never offered to either sex.
SON_PREFERENCE = {
    "娣": "弟 with 女: 'bring a younger brother' (招娣, 来娣)",
    "弟": "招弟, 引弟, 带弟: asking for a brother",
    "招": "招弟: 'beckon a brother'",
    "引": "引弟: 'lead in a brother'",
    "带": "带弟: 'bring a brother'",
    "改": "改男: 'turn into a boy'",
    "男": "胜男, 亚男: 'better than / second to a boy'",
    "根": "命根: the son as the family's root; a son-wish name (根娣, 根生)",
}

# Family names of at least this many bearers (the 130 most common) are held
# back when more people bear them as a family name than in a given name.
COMMON_FAMILY_MIN = 1000000

# Foreign names: jieba's transliterated person names (tag nrt) of three or more
# characters that do not begin with a family name of at least this many bearers.
TRANSLITERATION_FAMILY_MIN = 100000
# A transliteration character occurs in at least this many of them, and at
# least this many times per thousand recent bearers of the character.
TRANSLITERATION_MIN_WORDS = 20
TRANSLITERATION_MIN_PER_THOUSAND = 0.5


@dataclass
class NameStatistics:
    recent: dict = field(default_factory=dict)        # (char, sex) -> recent bearers, two-character names
    clear_sex: dict = field(default_factory=dict)     # char -> 'male' / 'female'
    leaning_sex: dict = field(default_factory=dict)   # char -> 'male' / 'female', not clearly
    trend: dict = field(default_factory=dict)         # char -> 2000-2008 rate / 1930-2008 rate
    momentum: dict = field(default_factory=dict)      # char -> factor carrying its count to today
    dated: set = field(default_factory=set)
    word_characters: set = field(default_factory=set)
    ill_meaning: set = field(default_factory=set)
    current: dict = field(default_factory=dict)       # sex -> characters of its 2000s names
    family_names: dict = field(default_factory=dict)  # char -> why it is held back
    transliteration: set = field(default_factory=set)
    family_single: set = field(default_factory=set)   # real family names
    family_compound: set = field(default_factory=set)

    def held_back(self, ch, sex):
        """Why `ch` must not rank among the characters offered to `sex` (None if it may)."""
        other = self.clear_sex.get(ch)
        if other and other != sex:
            return f"clearly {other}"
        current = ch in self.current.get(sex, ())
        if ch in self.dated:
            return "dated"
        if ch in self.word_characters and not current:
            return "word character"
        leaning = self.leaning_sex.get(ch)
        if leaning and leaning != sex and not current:
            return f"leaning {leaning}"
        if ch in self.ill_meaning and not current:
            return "ill meaning"
        if ch in self.transliteration and not current:
            return "transliteration"
        if ch in SON_PREFERENCE:
            return "son preference"
        if ch in self.family_names:
            return "family name"
        return None


def recent_bearers(given_char, cohort_weights=COHORT_WEIGHTS):
    return sum(given_char.cohorts.get(c, 0) * w for c, w in cohort_weights.items())


def two_character_bearers(given_char, single, sex, cohort_weights=COHORT_WEIGHTS):
    """Bearers of `sex` in the cohorts (weighted; the recent ones by default)
    who carry the character in a two-character given name: its bearers split
    by its share of each sex over all cohorts (the statistics give no cohort by
    sex), less the share whose whole given name is the one character (`single`:
    (male, female) bearers of that name)."""
    k = SEXES.index(sex)
    bearers = (given_char.male, given_char.female)[k]
    total = given_char.male + given_char.female
    if not bearers or not total:
        return 0.0
    return (recent_bearers(given_char, cohort_weights) * bearers / total
            * max(bearers - single[k], 0) / bearers)


def gender_per_mille(given_char):
    """The gender index in thousandths (-1000 all female .. +1000 all male); 0
    for a character the statistics do not hold."""
    return round(given_char.gender * 1000) if given_char else 0


def is_fading(given_char, trend):
    return trend < 1 and momentum_of(given_char) < FADING_MOMENTUM


def momentum_of(given_char):
    """The factor that carries a character's recent count forward to today."""
    low, high = MOMENTUM_BOUNDS
    before = given_char.ppm.get("1990_1999", 0.0)
    if before <= 0:
        step = high if given_char.ppm.get("2000_2008", 0.0) > 0 else 1.0
    else:
        step = min(max(given_char.ppm.get("2000_2008", 0.0) / before, low), high)
    return step ** MOMENTUM_STEPS if step < 1 else step


def clear_sex_of(gender_index, threshold=CLEAR_SEX_INDEX):
    if gender_index >= threshold:
        return "male"
    if gender_index <= -threshold:
        return "female"
    return None


def word_use(jieba):
    """Per character the summed frequency of jieba's ordinary words (every tag
    but person names) that contain it."""
    use = defaultdict(int)
    for word, freq, tag in jieba:
        if tag not in ("nr", "nrfg", "nrt"):
            for ch in set(word):
                use[ch] += freq
    return use


def common_family_names(family, given):
    """Single family names of at least COMMON_FAMILY_MIN bearers, borne by more
    people as a family name than in given names (王 张 李 …; not 林 金 江 文,
    which given names use more)."""
    out = {}
    for surname, bearers in family:
        if len(surname) != 1 or bearers < COMMON_FAMILY_MIN:
            continue
        g = given.get(surname)
        given_bearers = g.male + g.female if g else 0
        if bearers > given_bearers:
            out[surname] = f"family name of {bearers} people, in {given_bearers} given names"
    return out


def transliteration_characters(jieba, family, given):
    common = {s for s, n in family if n >= TRANSLITERATION_FAMILY_MIN}
    words = defaultdict(int)
    for word, _, tag in jieba:
        if tag == "nrt" and len(word) >= 3 and word[0] not in common and word[:2] not in common:
            for ch in set(word):
                words[ch] += 1
    out = set()
    for ch, n in words.items():
        thousands = recent_bearers(given[ch]) / 1000 if ch in given else 0
        if n >= TRANSLITERATION_MIN_WORDS and (thousands == 0 or
                                               n / thousands >= TRANSLITERATION_MIN_PER_THOUSAND):
            out.add(ch)
    return out


def build(src):
    stats = NameStatistics()
    for ch, g in src.given.items():
        single = src.names.get(ch, (0, 0))
        for sex in SEXES:
            stats.recent[(ch, sex)] = two_character_bearers(g, single, sex)
        stats.trend[ch] = g.ppm["2000_2008"] / g.ppm["all"] if g.ppm.get("all") else 0.0
        stats.momentum[ch] = momentum_of(g)
        if g.valence < ILL_MEANING_VALENCE:
            stats.ill_meaning.add(ch)
        if stats.trend[ch] < DATED_TREND or is_fading(g, stats.trend[ch]):
            stats.dated.add(ch)
        sex = clear_sex_of(g.gender)
        if sex:
            stats.clear_sex[ch] = sex
        else:
            leaning = clear_sex_of(g.gender, LEANING_SEX_INDEX)
            if leaning:
                stats.leaning_sex[ch] = leaning
    stats.current = {s: {c for name, sex, decade, _ in src.decade_names
                         if sex == s and decade == CURRENT_DECADE and len(name) == 2
                         for c in name} for s in SEXES}
    use = word_use(src.jieba)
    stats.word_characters = {ch for ch, g in src.given.items()
                             if recent_bearers(g) < WORD_CHARACTER_RATIO * use.get(ch, 0)}
    stats.family_names = common_family_names(src.family, src.given)
    stats.transliteration = transliteration_characters(src.jieba, src.family, src.given)
    stats.family_single = {s for s, _ in src.family if len(s) == 1}
    stats.family_compound = {s for s, _ in src.family if len(s) == 2}
    return stats
