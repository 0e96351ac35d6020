import unittest

from namedata import concentration


class ConcentrationTest(unittest.TestCase):
    FIRST = {"子": 900.0, "雨": 600.0, "欣": 300.0, "梦": 100.0, "思": 50.0}
    SECOND = {"涵": 800.0, "怡": 500.0, "轩": 200.0, "琪": 90.0, "萱": 40.0}

    def test_a_higher_exponent_gathers_more_on_the_common_pairs(self):
        shares = [concentration.model_share(self.FIRST, self.SECOND, 3, e) for e in (1.0, 1.5, 2.0)]
        self.assertLess(shares[0], shares[1])
        self.assertLess(shares[1], shares[2])
        # At 1 the pairs are independent: 子涵 holds 900/1950 x 800/1630.
        self.assertAlmostEqual(
            concentration.model_share(self.FIRST, self.SECOND, 1, 1.0), 900 / 1950 * 800 / 1630)

    def test_the_exponent_reproduces_the_listed_share(self):
        share = concentration.model_share(self.FIRST, self.SECOND, 3, 1.37)
        self.assertEqual(concentration.exponent_of(self.FIRST, self.SECOND, 3, share), 1.37)
        # Names no more concentrated than independent characters keep 1.
        low = concentration.model_share(self.FIRST, self.SECOND, 3, 1.0) / 2
        self.assertEqual(concentration.exponent_of(self.FIRST, self.SECOND, 3, low), 1.0)

    def test_the_listed_share_counts_the_two_character_names_of_the_2000s(self):
        class Src:
            decade_names = [("子涵", "female", 2000, 300), ("婷", "female", 2000, 900),
                            ("欣怡", "female", 2000, 100), ("欣怡", "female", 1990, 700),
                            ("子轩", "male", 2000, 500)]
        top, share = concentration.listed_share(Src, "female", {"子": 1000.0, "欣": 1000.0})
        self.assertEqual(top, 2)
        self.assertAlmostEqual(share, 400 / 2000)


if __name__ == "__main__":
    unittest.main()
