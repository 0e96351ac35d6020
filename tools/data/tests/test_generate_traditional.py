"""The traditional -> simplified table: which OpenCC lines it keeps."""

import importlib.util
import os
import tempfile
import unittest

_HERE = os.path.dirname(os.path.abspath(__file__))
_SPEC = importlib.util.spec_from_file_location(
    "generate_traditional", os.path.join(_HERE, "..", "generate_traditional.py"))
generate_traditional = importlib.util.module_from_spec(_SPEC)
_SPEC.loader.exec_module(generate_traditional)


class ReadPairs(unittest.TestCase):
    def read(self, text):
        with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt",
                                         delete=False) as source:
            source.write(text)
        try:
            return generate_traditional.read_pairs(source.name)
        finally:
            os.remove(source.name)

    def test_first_candidate_and_kept_forms(self):
        pairs = self.read("# comment\n\n張\t张\n於\t于 於\n㑮\t㑮 𫝈\n")
        self.assertEqual(pairs, [("張", "张"), ("於", "于")],
                         "first candidates taken; a form OpenCC keeps is left out")

    def test_malformed_line_stops(self):
        with self.assertRaises(SystemExit):
            self.read("張張\t张\n")


class GbkDoubleByte(unittest.TestCase):
    def test_only_two_byte_gbk_characters(self):
        for character, expected in (("張", True), ("张", True), ("𫝈", False), ("한", False),
                                    ("A", False)):
            self.assertEqual(generate_traditional.is_gbk_double_byte(character), expected,
                             character)


if __name__ == "__main__":
    unittest.main()
