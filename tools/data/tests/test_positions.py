import unittest

from namedata import positions


class PositionTablesTest(unittest.TestCase):
    def test_shares_come_from_the_names_of_the_sex(self):
        names = {
            "子涵": {"sexes": {"female", "male"}, "weight": {"female": 98, "male": 10}},
            "涵子": {"sexes": {"male"}, "weight": {"female": 0, "male": 1}},
        }
        female = positions.position_shares(names, "female")
        self.assertAlmostEqual(female["子"][0], 99 / 100)
        self.assertAlmostEqual(female["涵"][1], 99 / 100)
        male = positions.position_shares(names, "male")
        self.assertAlmostEqual(male["子"][0], 11 / 13)
        self.assertAlmostEqual(sum(male["涵"]), 1.0)

    def test_text_names_count_once_and_doubled_names_not_at_all(self):
        names = {
            "宁宁": {"sexes": {"female"}, "weight": {"female": 5000, "male": 0}},
            "紫涵": {"sexes": {"female"}, "weight": {"female": 2, "male": 0}, "source": "text"},
        }
        shares = positions.position_shares(names, "female", ["紫涵", "紫萱", "宁紫", "宁静"])
        self.assertAlmostEqual(shares["紫"][0], 3 / 5)      # 紫涵 once, 紫萱; 宁紫 second
        self.assertAlmostEqual(shares["宁"][0], 3 / 4)      # only 宁紫 and 宁静 count
        self.assertNotIn("涵", {c for c in shares if shares[c][0] > 0.5})

    def test_order_puts_held_back_characters_after_the_offered_ones(self):
        counted = [(500, 0), (0, 1), (9000, 2), (700, 3), (500, 4), (0, 5), (80, 6)]
        table = positions.order(counted, held_back={2: "clearly male", 6: "dated"})
        self.assertEqual(table, [(3, 700), (0, 500), (4, 500),   # offered, ties by index
                                 (2, 100), (6, 80),             # held back, capped at 100
                                 (1, 0), (5, 0)])               # uncounted by index

    def test_ranks_invert_the_table(self):
        self.assertEqual(positions.ranks([(7, 9), (3, 2)]), {7: 0, 3: 1})


if __name__ == "__main__":
    unittest.main()
