import unittest
from unittest import mock

from namedata import characters
from helpers import given, sources


def small_world():
    """Three name characters, three GB2312 characters, one more character of
    the general standard list that the first release lacked."""
    return sources(
        given={"甲": given(10, 10), "乙": given(30, 30)},
        family=[("丙", 1000)],
        corpus_surnames=[],
        kGB0={"丁": "1", "戊": "1", "己": "1"},
        kTGH={"戊": "2013:00005", "己": "2013:00006", "庚": "2013:06600"},
        kMandarin={"甲": "jiǎ", "乙": "yǐ", "丙": "bǐng", "丁": "dīng", "戊": "wù", "己": "jǐ",
                   "庚": "gēng"},
        jieba=[("自己", 9000, "r"), ("戊戌", 20, "t")])


class ChooseCharactersTest(unittest.TestCase):
    def test_first_release_order(self):
        with mock.patch.object(characters, "DICTIONARY_SIZE", 6), \
                mock.patch.object(characters, "FIXED_INDEXES", {"丙": 0}):
            slots, reason = characters.first_release_order(small_world())
        # Fixed first, then name characters by bearers, then the tail in pinyin order.
        self.assertEqual(slots, ["丙", "乙", "甲", "丁", "己", "戊"])
        self.assertEqual(reason["丁"], "gb2312")

    def test_newcomers_take_the_places_of_the_rarest_characters_no_name_uses(self):
        with mock.patch.object(characters, "DICTIONARY_SIZE", 6), \
                mock.patch.object(characters, "FIXED_INDEXES", {"丙": 0}):
            before, _ = characters.first_release_order(small_world())
            slots, reason, replaced = characters.choose_characters(small_world())
        # 丁 lies outside the general standard list: it goes first, and every
        # other character keeps its index.
        self.assertEqual(replaced, {"庚": "丁"})
        self.assertEqual(slots[before.index("丁")], "庚")
        for index, ch in enumerate(before):
            if ch != "丁":
                self.assertEqual(slots[index], ch)
        self.assertEqual(reason["庚"], "tgh-name")

    def test_gbk_double_byte(self):
        cases = [("华", True), ("a", False), ("𠀀", False), ("华生", False)]
        for ch, expected in cases:
            with self.subTest(ch):
                self.assertEqual(characters.gbk_double_byte(ch), expected)


class RadicalsAndElementsTest(unittest.TestCase):
    def test_the_radical_table_keeps_its_fixed_order(self):
        table = characters.radical_table()
        self.assertEqual(len(table), 267)
        cases = [(0, ("丨", 1)), (28, ("亻", 2)), (30, ("十", 2)), (67, ("氵", 3)),
                 (223, ("金", 8)), (266, ("龠", 15))]
        for index, entry in cases:
            with self.subTest(index):
                self.assertEqual(table[index], entry)

    def test_radical_elements_follow_the_radical_with_three_exceptions(self):
        cases = [("氵", "海", "水"), ("钅", "钱", "金"), ("日", "明", "火"), ("口", "吴", ""),
                 ("王", "王", "木"), ("禾", "秋", "火木"), ("禾", "秀", "木")]
        for radical, ch, expected in cases:
            with self.subTest(ch):
                self.assertEqual(characters.radical_elements(radical, ch), expected)


if __name__ == "__main__":
    unittest.main()
