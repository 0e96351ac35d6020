"""The sound-word and meaning tables and the same-name model."""

import importlib.util
import os
import unittest

_HERE = os.path.dirname(os.path.abspath(__file__))


def _load(name):
    spec = importlib.util.spec_from_file_location(name, os.path.join(_HERE, "..", name + ".py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


sound = _load("generate_sound_words")
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


class Meanings(unittest.TestCase):
    def test_words_most_used_first_without_ill_characters(self):
        entries = [("明天", 500, "t"), ("明白", 900, "v"), ("死明", 5000, "v"),
                   ("明朝", 800, "nr"), ("明亮", 50, "a")]
        rows = meanings.build(["明", "偲"], entries, {"明": "bright"}, ill={"死"})
        self.assertEqual(rows, [("偲", "-", "-"), ("明", "明白,明天", "bright")])


class NameCounts(unittest.TestCase):
    def test_model_share(self):
        chars = {"伟": (300, 0), "明": (100, 0), "华": (100, 50)}
        # 500 slots for 400 boys: a quarter have two characters.
        share = counts.model_share("明", "华", chars, (400, 100), "male")
        self.assertAlmostEqual(share, 0.25 * 100 / 500 * 100 / 500)
        self.assertEqual(counts.model_share("明", "缺", chars, (400, 100), "male"), 0.0)


if __name__ == "__main__":
    unittest.main()
