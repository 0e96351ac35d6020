import unittest
from collections import defaultdict

from namedata import corpora
from namedata.name_statistics import NameStatistics
from helpers import sources


def statistics():
    stats = NameStatistics()
    recent = {"子": (900, 500), "轩": (800, 100), "涵": (300, 700), "欣": (50, 900),
              "怡": (20, 800), "建": (100, 10), "国": (100, 5), "胜": (300, 50), "男": (10, 10),
              "杨": (5, 5), "秀": (50, 900), "英": (50, 900), "斯": (10, 10), "先": (100, 100), "生": (100, 100), "克": (10, 10)}
    for ch, (male, female) in recent.items():
        stats.recent[(ch, "male")] = male
        stats.recent[(ch, "female")] = female
    stats.trend = {"子": 3.0, "涵": 5.0, "建": 0.35, "国": 0.36}
    stats.family_names = {"杨": "common family name"}
    stats.dated = {"秀"}
    stats.clear_sex = {"轩": "male", "欣": "female", "怡": "female"}
    stats.transliteration = {"斯", "克"}
    stats.family_single = {"王", "李", "杨"}
    stats.family_compound = {"欧阳"}
    return stats


INDEX = {c: i for i, c in enumerate("子轩涵欣怡建国胜男杨秀英斯先生克")}


class NationalNamesTest(unittest.TestCase):
    def setUp(self):
        src = sources(
            names={"建国": (900000, 3000), "欣怡": (500, 90000), "胜男": (100, 200000),
                   "杨杨": (2000, 2000), "子涵": (60000, 50000), "秀英": (2811, 3025281),
                   "子欣": (30000, 40000)},
            decade_names=[("子轩", "male", 2000, 150000), ("子轩", "male", 1990, 20000),
                          ("欣怡", "female", 2000, 93000), ("涵", "female", 2000, 5000)])
        self.names = corpora.national_names(src, INDEX, statistics())

    def test_sex_by_the_statistics(self):
        cases = [("建国", {"male"}), ("欣怡", {"female"}), ("子涵", {"male", "female"}),
                 ("子轩", {"male"}),
                 ("子欣", {"female"})]  # half its bearers are boys, but 欣 is a girl's
        for name, sexes in cases:
            with self.subTest(name):
                self.assertEqual(self.names[name]["sexes"], sexes)

    def test_no_held_back_character_and_no_one_character_name(self):
        # Son preference, a common family name, a dated character; one character.
        for name in ("胜男", "杨杨", "秀英", "涵"):
            with self.subTest(name):
                self.assertNotIn(name, self.names)

    def test_most_common_today_first(self):
        stats = statistics()
        corpus = corpora.corpus_of(self.names, "male", INDEX, stats)
        # 子涵: 60,000 × 3.0; 建国: 900,000 × 0.35.
        self.assertEqual([name for name, _, _ in corpus], ["子轩", "建国", "子涵"])
        stats.trend["建"] = 0.1
        corpus = corpora.corpus_of(self.names, "male", INDEX, stats)
        self.assertEqual([name for name, _, _ in corpus], ["子轩", "子涵", "建国"])
        self.assertEqual(corpus[0][1], INDEX["子"] * 65536 + INDEX["轩"])

    def test_the_written_corpus_tells_the_recent_lists_from_older_and_text_names(self):
        from namedata import write
        corpus = corpora.corpus_of(self.names, "male", INDEX, statistics())
        corpus.append(("先生", INDEX["先"] * 65536 + INDEX["生"],
                       {"source": "text", "count": {"male": 12.5}}))
        rows = [l.split("\t") for l in write.corpus_text(corpus, "male").splitlines()
                if not l.startswith("#")]
        # 子轩 is named in the male list of the 2000s; 建国 and 子涵 in none.
        self.assertEqual([(r[0], r[3]) for r in rows],
                         [("子轩", "L"), ("建国", "N"), ("子涵", "N"), ("先生", "T")])


class TextNamesTest(unittest.TestCase):
    def test_each_check_of_a_name_found_in_text(self):
        src = sources(jieba=[
            ("王子轩", 3, "nr"), ("欧阳欣怡", 3, "nr"), ("赵子涵", 3, "nr"), ("李斯涵", 3, "nr"),
            ("李先生", 3, "nr"), ("先生", 900, "n"), ("王子国", 3, "nr"), ("王子国家", 9, "n"),
            ("李明月", 3, "nr"), ("王子涵", 3, "nrt")])
        rejected = defaultdict(int)
        found = corpora.text_candidates(src, statistics(), INDEX, {"子轩": {}}, rejected)
        self.assertEqual(set(found), {"欣怡"})
        self.assertEqual(dict(rejected), {
            "no family name of the statistics": 1,          # 赵
            "transliteration character": 1,                 # 斯
            "the given name is an ordinary word": 1,        # 先生
            "part of a longer word": 1,                     # 王子国 in 王子国家
            "character not in the given-name statistics": 1,  # 明月
        })

    def test_sex_needs_a_clear_share_and_frequent_characters(self):
        stats = statistics()
        ranks = {(s, p): {c: i for i, c in enumerate("子轩涵欣怡建国")} for s in ("male", "female")
                 for p in ("first", "second")}
        self.assertEqual(corpora.text_name_sexes(stats, "欣怡", ranks), {"female"})
        self.assertEqual(corpora.text_name_sexes(stats, "子轩", ranks), {"male"})
        self.assertEqual(corpora.text_name_sexes(stats, "子涵", ranks), set())  # no clear share
        rare = {key: {c: corpora.FREQUENT_RANK for c in table} for key, table in ranks.items()}
        self.assertEqual(corpora.text_name_sexes(stats, "欣怡", rare), set())


if __name__ == "__main__":
    unittest.main()
