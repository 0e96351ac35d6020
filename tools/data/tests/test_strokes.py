import unittest
from collections import defaultdict

from namedata import strokes
from helpers import given, sources


class RadicalStrokesTest(unittest.TestCase):
    def test_bounds_of_the_kangxi_radical_ranges(self):
        cases = [(1, 1), (6, 1), (7, 2), (85, 4), (96, 5), (140, 6), (162, 7), (163, 7),
                 (170, 8), (211, 15), (214, 17)]
        for number, count in cases:
            with self.subTest(number):
                self.assertEqual(strokes.kangxi_radical_strokes(number), count)
        with self.assertRaises(ValueError):
            strokes.kangxi_radical_strokes(215)


class FamilyNamesOfOwnFormTest(unittest.TestCase):
    def test_the_rule_and_its_overrides(self):
        opencc = {"于": ["於", "于"], "云": ["雲", "云"], "叶": ["葉", "叶"], "华": ["華"],
                  "沈": ["沈", "瀋"], "后": ["後", "后"], "台": ["臺", "台"]}
        family = [("于", 6078073), ("云", 145908), ("叶", 5447071), ("华", 710952),
                  ("沈", 5012587), ("后", 40860), ("台", 9000)]
        given_chars = {"于": given(200000, 39459), "云": given(9000000, 10836045),
                       "后": given(200000, 55439), "叶": given(1000000, 523345)}
        own = strokes.family_names_of_own_form(opencc, family, given_chars)
        cases = [("于", True, "its own form is a candidate"),
                 ("后", True, "given names use it at most ten times as often"),
                 ("云", False, "given names use it far more, as 雲"),
                 ("叶", False, "the family name is written 葉"),
                 ("华", False, "OpenCC offers only 華"),
                 ("沈", False, "OpenCC's first candidate is the character itself"),
                 ("台", False, "fewer bearers than the threshold")]
        for ch, expected, why in cases:
            with self.subTest(ch, why=why):
                self.assertEqual(ch in own, expected)
        self.assertEqual(strokes.traditional_form(opencc, "于", own), "于")
        self.assertEqual(strokes.traditional_form(opencc, "叶", own), "葉")
        self.assertEqual(strokes.traditional_form(opencc, "明", own), "明")


class KangxiStrokesTest(unittest.TestCase):
    def setUp(self):
        self.src = sources(
            kRSKangXi={"璐": "96.12", "王": "96.0", "興": "134.9", "華": "140.8", "於": "70.4"},
            kTotalStrokes={"璐": "17", "王": "4", "興": "16", "華": "10", "於": "8", "九": "2"},
            kRSUnicode={"叁": "28.6", "九": "5.1"},
        )
        self.radicals = {"璐": "王", "華": "艹"}
        self.notes = defaultdict(list)

    def count(self, ch, trad=None):
        return strokes.kangxi_strokes(self.src.unihan, self.radicals, ch, trad or ch, self.notes)

    def test_each_rule(self):
        cases = [
            ("radical in full plus residual", "华", "華", (14, "kangxi")),
            ("the radical itself keeps its own count", "王", "王", (4, "radical")),
            ("glyph floor", "兴", "興", (16, "floor")),
            ("reduced radical counted in full", "璐", "璐", (18, "floor")),
            ("numerals by value", "九", "九", (9, "numeral")),
            ("kRSUnicode where kRSKangXi lacks the character", "叁", "叁", (2 + 6, "kangxi")),
            ("no radical data", "無", "無", (0, "missing")),
        ]
        for label, ch, trad, expected in cases:
            with self.subTest(label):
                self.assertEqual(self.count(ch, trad), expected)
        self.assertIn("無", self.notes["kangxi_missing"])


if __name__ == "__main__":
    unittest.main()


class OwnFormByPhrases(unittest.TestCase):
    def test_phrases_decide_between_the_own_and_the_first_form(self):
        opencc = {"里": ["裏", "里", "哩"], "后": ["後", "后"], "志": ["志", "誌"], "华": ["華"]}
        phrases = [("万里", "萬里"), ("公里", "公里"), ("里面", "裏面"),
                   ("之后", "之後"), ("皇后", "皇后"), ("后来", "後來"),
                   ("杂志", "雜誌"), ("中华", "中華"), ("不等长", "不等")]
        own = strokes.characters_of_own_form_by_phrases(opencc, phrases)
        # 里 stays in 2 phrases against 1; 后 becomes 後 in 2 against 1; 志 has
        # its own form first already, 华 no own form.
        self.assertEqual(own, {"里"})

    def test_a_tie_keeps_the_own_form_but_no_evidence_does_not(self):
        opencc = {"咨": ["諮", "咨"], "㐹": ["㑶", "㐹"]}
        own = strokes.characters_of_own_form_by_phrases(opencc, [("咨询", "諮詢"), ("咨文", "咨文")])
        self.assertEqual(own, {"咨"})
