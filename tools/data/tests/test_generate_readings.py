"""The readings table: common readings, family-name and name readings."""

import importlib.util
import os
import unittest

_HERE = os.path.dirname(os.path.abspath(__file__))
_SPEC = importlib.util.spec_from_file_location(
    "generate_readings", os.path.join(_HERE, "..", "generate_readings.py"))
generate_readings = importlib.util.module_from_spec(_SPEC)
_SPEC.loader.exec_module(generate_readings)


class Syllables(unittest.TestCase):
    def test_tone_numbers_become_marks(self):
        for numbered, marked in [("sheng4", "shèng"), ("si1", "sī"), ("lv3", "lǚ"),
                                 ("gou1", "gōu"), ("hui4", "huì"), ("liu2", "liú"),
                                 ("zi", "zi")]:
            self.assertEqual(generate_readings.numbered_to_marked(numbered), marked, numbered)


class Build(unittest.TestCase):
    def build(self, characters, tgh=None, pinlu=None, given=None, families=(), table=None):
        unihan = {"kTGHZ2013": tgh or {}, "kHanyuPinlu": pinlu or {}}
        return generate_readings.build(characters, unihan, given or {}, list(families),
                                       table or {})

    def test_common_readings_by_frequency_rare_left_out(self):
        rows, _ = self.build([(0, "王", ["wáng", "wàng", "yù"]), (1, "长", ["cháng", "zhǎng"])],
                             tgh={"王": "380.080:wáng"},
                             pinlu={"王": "wáng(278)", "长": "zhǎng(1879) cháng(1179)"})
        self.assertEqual(rows, [("王", "wáng", "-", "-"), ("长", "zhǎng,cháng", "-", "-")])

    def test_family_and_name_readings(self):
        rows, summary = self.build(
            [(0, "曾", ["céng", "zēng"]), (1, "晟", ["chéng", "shèng", "jīng"]),
             (2, "行", ["xíng", "háng"]), (3, "佛", ["fó", "fú"])],
            tgh={"曾": "033.120:céng 461.030:zēng", "晟": "044.040:chéng"},
            pinlu={"行": "xíng(2943) háng(218)", "佛": "fú(252)"},
            given={"晟": "sheng4", "行": "hang2", "佛": "fo2", "曾": "ceng2"},
            table={"曾": "zēng", "行": "xìng"})
        by_text = {row[0]: row for row in rows}
        self.assertEqual(by_text["曾"], ("曾", "céng,zēng", "zēng", "céng"))
        # The name reading counts as common although the standard list lacks it.
        self.assertEqual(by_text["晟"], ("晟", "chéng,shèng", "-", "shèng"))
        # A reading the frequency count dwarfs is overruled; one it lacks stays.
        self.assertEqual(by_text["行"][3], "xíng")
        self.assertEqual(by_text["佛"][3], "fó")
        # A table reading that is none of the character's is refused.
        self.assertEqual(by_text["行"][2], "-")
        self.assertIn("行", summary["surname_not_a_reading"])

    def test_compound_family_names_as_wholes(self):
        rows, _ = self.build([(0, "万", ["wàn", "mò"]), (1, "俟", ["sì", "qí"])],
                             families=["万俟", "万"], table={"万俟": "mò qí", "万": "wàn"})
        self.assertIn(("万俟", "-", "mò qí", "-"), rows)
        self.assertEqual([row[0] for row in rows],
                         sorted((row[0] for row in rows), key=lambda t: t.encode("utf-8")))


if __name__ == "__main__":
    unittest.main()
