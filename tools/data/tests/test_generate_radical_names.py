"""The radical names: which Kangxi radical an entry of the radical table is a form of."""

import importlib.util
import os
import unittest

_HERE = os.path.dirname(os.path.abspath(__file__))
_SPEC = importlib.util.spec_from_file_location(
    "generate_radical_names", os.path.join(_HERE, "..", "generate_radical_names.py"))
generate_radical_names = importlib.util.module_from_spec(_SPEC)
_SPEC.loader.exec_module(generate_radical_names)

CJK = {"9": "人", "30": "口", "125": "老", "149": "言", "3": "丶"}


class KangxiOf(unittest.TestCase):
    def test_forms_of_a_radical(self):
        for rs, expected in [("30.0", (30, False, "口")), ("9.0", (9, False, "人")),
                             ("149'.0", (149, True, "言")), ("125.-2", (125, False, "老")),
                             ("9.0 9.1", (9, False, "人"))]:
            self.assertEqual(generate_radical_names.kangxi_of(rs, CJK), expected, rs)

    def test_a_character_under_a_radical_is_no_form_of_it(self):
        self.assertIsNone(generate_radical_names.kangxi_of("3.1", CJK))


if __name__ == "__main__":
    unittest.main()
