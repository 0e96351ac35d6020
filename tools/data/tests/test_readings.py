import unittest

from namedata import readings
from helpers import sources


class TonelessTest(unittest.TestCase):
    def test_tone_marks_are_removed_and_u_umlaut_becomes_v(self):
        cases = [("míng", "ming"), ("lǜ", "lv"), ("nǚ", "nv"), ("Zhāng", "zhang"), ("ê̄", "e")]
        for toned, plain in cases:
            with self.subTest(toned):
                self.assertEqual(readings.toneless(toned), plain)

    def test_anything_but_pinyin_is_refused(self):
        for bad in ("ming1", "明", "", "a b"):
            with self.subTest(bad):
                with self.assertRaises(ValueError):
                    readings.toneless(bad)


class ReadingListsTest(unittest.TestCase):
    def setUp(self):
        self.src = sources(
            kMandarin={"晟": "chéng", "长": "zhǎng"},
            kTGHZ2013={"晟": "044.040:chéng", "长": "038.110:cháng 466.110:zhǎng"},
            kHanyuPinyin={"晟": "21506.140:shèng,chéng,jīng"},
            kXHC1983={"晟": "0138.010:chéng 1029.050:shèng", "长": "0121.040:cháng"})

    def test_toneless_readings_follow_the_standard_list_then_kmandarin(self):
        self.assertEqual(readings.readings_of(self.src.unihan, "长"), ["chang", "zhang"])
        self.assertEqual(readings.readings_of(self.src.unihan, "晟"), ["cheng"])

    def test_toned_readings_put_kmandarin_first_and_keep_dictionary_readings(self):
        self.assertEqual(readings.toned_readings_of(self.src.unihan, "晟"),
                         ["chéng", "shèng", "jīng"])
        self.assertEqual(readings.toned_readings_of(self.src.unihan, "长"), ["zhǎng", "cháng"])
        self.assertEqual(readings.toned_readings_of(self.src.unihan, "无"), [])

    def test_one_reading_is_bare_several_are_enclosed_in_commas(self):
        self.assertEqual(readings.format_reading(["hua"]), "hua")
        self.assertEqual(readings.format_reading(["chang", "zhang"]), ",chang,zhang,")


if __name__ == "__main__":
    unittest.main()
