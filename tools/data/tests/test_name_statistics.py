import unittest

from namedata import name_statistics as ns
from helpers import given, sources


def stats_of(decade_names=(), **given_chars):
    src = sources(
        given=given_chars,
        decade_names=list(decade_names),
        family=[("王", 88465683), ("林", 11609000), ("闫", 3077000), ("禤", 20000)],
        names={"伟": (2825007, 454481)},
        jieba=[("好的", 5000, "l"), ("好人", 3000, "n"), ("克林顿", 50, "nrt"),
               ("京城", 4000, "ns")])
    return ns.build(src)


class NameStatisticsTest(unittest.TestCase):
    def test_recent_births_count_and_older_ones_do_not(self):
        g = given(100, 100, recent=1000, nineties=400)
        g.cohorts["1970_1979"] = 99999
        self.assertEqual(ns.recent_bearers(g), 1000 + 0.5 * 400)

    def test_recent_bearers_are_split_by_sex_without_one_character_names(self):
        stats = stats_of(伟=given(3000000, 500000, 0.7, recent=700000))
        male = 700000 * 3000000 / 3500000 * (3000000 - 2825007) / 3000000
        self.assertAlmostEqual(stats.recent[("伟", "male")], male)

    def test_clear_sex_needs_the_threshold(self):
        cases = [(0.4, "male"), (0.39, None), (-0.4, "female"), (-0.1, None), (0.9, "male")]
        for index, sex in cases:
            with self.subTest(index):
                self.assertEqual(ns.clear_sex_of(index), sex)

    def test_leaning_lies_between_its_threshold_and_the_clear_one(self):
        stats = stats_of(昭=given(6000, 2500, 0.36, recent=900),
                         钰=given(3000, 7000, -0.37, recent=9000),
                         宁=given(5000, 4200, 0.29, recent=3000),
                         伟=given(3000000, 500000, 0.7, recent=700000))
        self.assertEqual(stats.leaning_sex, {"昭": "male", "钰": "female"})
        self.assertEqual(stats.clear_sex, {"伟": "male"})

    def test_reasons_to_hold_a_character_back(self):
        stats = stats_of(
            伟=given(3000000, 500000, 0.7, recent=700000),
            婷=given(8000, 2600000, -0.99, recent=2000000),
            秀=given(1000, 5000000, -0.9, recent=100000, ppm2000=100, ppm_all=800),
            好=given(100, 100, 0.0, recent=2000),
            招=given(1000, 1200, -0.1, recent=500),
            王=given(100000, 200000, -0.3, recent=40000),
            林=given(9000000, 8000000, 0.06, recent=2000000),
            闫=given(5000, 3000, 0.2, recent=1000),
            禤=given(10, 10, 0.0, recent=10),
            昭=given(6000, 2500, 0.36, recent=90000),
            诺=given(3000, 7000, -0.38, recent=90000),
            海=given(6000, 3000, 0.3, recent=90000),
            京=given(5000, 4000, 0.1, recent=11000),
            城=given(5000, 4000, 0.1, recent=12500),
            淋=given(5000, 4000, 0.1, recent=90000, valence=2.3125),
            宜=given(5000, 4000, 0.1, recent=90000, valence=3.0))
        cases = [("昭", "female", "leaning male"), ("昭", "male", None),
                 ("诺", "male", "leaning female"), ("诺", "female", None),
                 ("海", "female", "leaning male"),  # the threshold itself leans
                 ("伟", "female", "clearly male"), ("伟", "male", None),
                 ("婷", "male", "clearly female"), ("秀", "female", "dated"),
                 ("好", "male", "word character"),
                 ("京", "male", "word character"),  # 11,000 bearers < 3 × 4,000 in words
                 ("城", "female", None),             # 12,500 bearers: a name character
                 ("淋", "female", "ill meaning"), ("淋", "male", "ill meaning"),
                 ("宜", "male", None),               # rated neutral: not below the middle
                 ("招", "male", "son preference"),
                 ("男", "female", "son preference"), ("王", "female", "family name"),
                 ("闫", "male", "family name"),
                 ("林", "male", None),  # given names use it more than the family name
                 ("禤", "male", None)]  # too few bearers to count as a common family name
        for ch, sex, reason in cases:
            with self.subTest(ch=ch, sex=sex):
                self.assertEqual(stats.held_back(ch, sex), reason)

    def test_a_character_of_the_names_of_the_2000s_is_current_for_that_sex(self):
        decade_names = [("玉婷", "female", 2000, 200000), ("一凡", "male", 2000, 90000),
                        ("秀英", "female", 1950, 2000000), ("玉", "male", 2000, 50000)]
        decade_names += [("子涵", "female", 2000, 180000), ("小龙", "male", 2000, 60000)]
        stats = stats_of(decade_names,
                         子=given(700000, 400000, 0.33, recent=900000),
                         玉=given(5000000, 6000000, -0.1, recent=900000, ppm2000=300, ppm_all=700),
                         秀=given(1000, 5000000, -0.9, recent=100000, ppm2000=100, ppm_all=800),
                         一=given(900000, 600000, 0.2, recent=800000),
                         凡=given(300000, 200000, 0.2, recent=300000),
                         小=given(900000, 1300000, -0.33, recent=900000, valence=2.9375))
        stats.word_characters.add("一")  # as 一 is in thousands of ordinary words
        cases = [("玉", "female", "dated"),  # 玉婷 of the 2000s does not make 玉 current today
                 ("玉", "male", "dated"),
                 ("秀", "female", "dated"),                        # only in the 1950s
                 ("一", "male", None), ("一", "female", "word character"),
                 ("子", "female", None),                          # leans male, 子涵 is current
                 ("小", "male", None), ("小", "female", "ill meaning")]  # 小龙 is current
        for ch, sex, reason in cases:
            with self.subTest(ch=ch, sex=sex):
                self.assertEqual(stats.held_back(ch, sex), reason)

    def test_a_fading_character_is_dated(self):
        def dated(ppm_nineties, ppm_2000s, ppm_all):
            g = given(100, 100, recent=1000, ppm2000=ppm_2000s, ppm_all=ppm_all)
            g.ppm["1990_1999"] = ppm_nineties
            return "燕" in stats_of(燕=g).dated
        self.assertTrue(dated(11141, 5211, 8800))    # 燕: below its long-run rate, halving
        self.assertFalse(dated(11141, 5211, 5000))   # above its long-run rate: not fading
        self.assertFalse(dated(10612, 8377, 16700))  # 金: falls, but by less than half in 20 years
        self.assertTrue(dated(10612, 8377, 16800))   # below half its long-run rate

    def test_momentum_carries_a_fall_two_decades_on_and_a_rise_one(self):
        def momentum(ppm_nineties, ppm_2000s):
            g = given(100, 100, ppm2000=ppm_2000s)
            g.ppm["1990_1999"] = ppm_nineties
            return ns.momentum_of(g)
        self.assertAlmostEqual(momentum(4115, 5517), 5517 / 4115)         # 琳, rising
        self.assertAlmostEqual(momentum(6236, 3734), (3734 / 6236) ** 2)  # 萍, falling
        self.assertEqual(momentum(1496, 9491), 2.0)    # 涵: a rise at most doubles
        self.assertEqual(momentum(20528, 9258), 0.25)  # 丽: each decade at most halves
        self.assertEqual(momentum(0, 12), 2.0)         # new in the 2000s
        self.assertEqual(momentum(0, 0), 1.0)

    def test_transliteration_characters_are_held_back_unless_current(self):
        stats = stats_of([("斯琪", "female", 2000, 1000)],
                         斯=given(5000, 4000, 0.1, recent=20000), 琪=given(1000, 90000, -0.9))
        stats.transliteration.add("斯")
        self.assertEqual(stats.held_back("斯", "male"), "transliteration")
        self.assertIsNone(stats.held_back("斯", "female"))  # 斯琪 is a name of the 2000s

    def test_gender_index_is_written_in_thousandths(self):
        self.assertEqual(ns.gender_per_mille(given(16026, 5187669, -0.994)), -994)
        self.assertEqual(ns.gender_per_mille(given(9894803, 166043, 0.967)), 967)
        self.assertEqual(ns.gender_per_mille(None), 0)

    def test_transliteration_characters_come_from_foreign_names(self):
        jieba = [(f"克{c}顿", 3, "nrt") for c in "一二三四五六七八九十甲乙丙丁戊己庚辛壬癸"]
        jieba.append(("王克明", 3, "nrt"))  # begins with a common family name
        given_chars = {"克": given(100, 100, recent=1000), "顿": given(1, 1, recent=0),
                       "一": given(1000, 1000, recent=900000)}
        found = ns.transliteration_characters(jieba, [("王", 88465683)], given_chars)
        self.assertIn("克", found)   # 20 foreign names, 1,000 recent bearers
        self.assertIn("顿", found)   # no bearers at all
        self.assertNotIn("一", found)  # one foreign name only
        self.assertNotIn("明", found)


if __name__ == "__main__":
    unittest.main()
