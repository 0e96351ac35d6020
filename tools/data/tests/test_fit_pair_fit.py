"""The fit of free pairs and the readers' panel, learned from the readers' verdicts."""

import importlib.util
import os
import unittest

_HERE = os.path.dirname(os.path.abspath(__file__))
_SPEC = importlib.util.spec_from_file_location(
    "fit_pair_fit", os.path.join(_HERE, "..", "fit_pair_fit.py"))
fit_pair_fit = importlib.util.module_from_spec(_SPEC)
_SPEC.loader.exec_module(fit_pair_fit)


def statistics(rows):
    """givenname.csv rows by character: {char: (ppm 1980s, ppm 2000-2008, competence)}."""
    out = {}
    for char, (eighties, latest, competence) in rows.items():
        row = {"ppm." + c: "100" for c in fit_pair_fit.COHORTS}
        row.update({"ppm.1980_1989": str(eighties), "ppm.2000_2008": str(latest),
                    "name.gender": "0.5", "name.ppm": "50", "corpus.ppm": "10",
                    "name.warmth": "3.5", "name.competence": str(competence)})
        out[char] = row
    return out


class Fit(unittest.TestCase):
    def test_the_telling_feature_outweighs_noise(self):
        # The noise is +0.3 and -0.3 alike in the good and the odd rows.
        xs = [-2, -1.5, -1, -0.5, 0.5, 1, 1.5, 2]
        noise = [0.3, -0.3, 0.3, -0.3, 0.3, -0.3, 0.3, -0.3]
        rows = [[x, n] for x, n in zip(xs, noise)]
        labels = [0, 0, 0, 0, 1, 1, 1, 1]
        weights = fit_pair_fit.fit(rows, labels, ridge=0.1)
        self.assertGreater(weights[1], 0.5)
        self.assertGreater(weights[1], 3 * abs(weights[2]))

    def test_the_bar_leaves_the_lowest_share_below_it(self):
        for values, share, bar in [([5, 1, 4, 2, 3], 0.25, 2), ([3, 1, 2, 4], 0.5, 3),
                                   ([7], 0.25, 7)]:
            self.assertEqual(fit_pair_fit.lowest_share(values, share), bar)


class Model(unittest.TestCase):
    # 甲乙丙丁 stand first, 子丑寅卯 second; the competent ones are judged good.
    STATS = statistics({"甲": (10, 20, 4.5), "乙": (10, 20, 4.4), "丙": (10, 20, 2.1),
                        "丁": (10, 20, 2.0), "子": (10, 20, 4.5), "丑": (10, 20, 4.3),
                        "寅": (10, 20, 2.2), "卯": (10, 20, 2.0), "旧": (30, 20, 4.5)})
    COUNTS = {"first": {c: 100 for c in "甲乙丙丁旧"}, "second": {c: 100 for c in "子丑寅卯"}}

    def verdicts(self):
        rows = []
        for first in "甲乙丙丁":
            for second in "子丑寅卯":
                good = first in "甲乙" and second in "子丑"
                rows.append(("李 1", first + second, 1 if good else 0))
        return rows

    def test_a_pair_scores_as_its_two_parts_and_the_bar_refuses_a_quarter(self):
        model = fit_pair_fit.Model(self.STATS, self.COUNTS, self.verdicts())
        for given in ("甲子", "丙卯", "乙寅"):
            self.assertAlmostEqual(model.pair(given),
                                   model.part(given[0], "first") + model.part(given[1], "second"))
        refused = [g for _, g, _ in self.verdicts() if model.pair(g) < model.bar]
        self.assertEqual(len(refused), 4)
        self.assertGreater(model.pair("甲子"), model.pair("丁卯"))
        self.assertIn("丁卯", refused)

    def test_pairs_the_program_never_draws_teach_nothing(self):
        verdicts = [("李 1", "甲子", 1), ("李 1", "旧子", 0), ("李 1", "甲甲", 0)]
        # 旧 fell since the 1980s; 甲 ends few names, which matters for girls only.
        counts = {"first": {"甲": 90, "子": 0}, "second": {"甲": 10, "子": 100}}
        for sex, names in [("male", ["甲子", "甲甲"]), ("female", ["甲子"])]:
            kept = fit_pair_fit.judged(self.STATS, verdicts, counts, sex)
            self.assertEqual([g for _, g, _ in kept], names, sex)

    def test_the_table_gives_per_sex_the_bars_each_place_in_rank_order_then_refused_pairs(self):
        model = fit_pair_fit.Model(self.STATS, self.COUNTS, self.verdicts())
        # Two more samples find 乙子 odd.
        panel = fit_pair_fit.Panel(self.verdicts() + [("李 2", "乙子", 0), ("李 3", "乙子", 0)])
        tables = {"first": [(3, "乙", 100), (2, "甲", 90)], "second": [(7, "子", 100)]}
        body = [l for l in fit_pair_fit.table_lines({"male": model, "female": model},
                                                    {"male": tables, "female": tables},
                                                    {"male": panel, "female": panel},
                                                    {"male": ["甲子", "甲丑"], "female": []})
                if not l.startswith("#")]
        # A refused pair whose characters the tables do not hold (丑) is left
        # out; boys have a floor, girls none.
        refused = {"male": [["male", "heard", "2 7", "甲子"], ["male", "odd", "3 7", "乙子"]],
                   "female": [["female", "odd", "3 7", "乙子"]]}
        for sex, rows in (("male", body[:7]), ("female", body[7:])):
            floor = [[sex, "floor", "-", "-"]] if sex == "male" else []
            self.assertEqual([l.split("\t")[:4] for l in rows],
                             [[sex, "bar", "-", "-"]] + floor +
                             [[sex, "first", "3", "乙"], [sex, "first", "2", "甲"],
                              [sex, "second", "7", "子"]] + refused[sex])
            if sex == "male":
                self.assertEqual(rows[1].split("\t")[4:], ["-0.800", "-"])
            for line in [rows[0]] + rows[len(floor) + 1:len(floor) + 4]:
                self.assertRegex(line.split("\t")[4], r"^-?\d+\.\d{3}$")
                self.assertRegex(line.split("\t")[5], r"^\d\.\d{3}$")

    def read(self, text, *readers):
        """What each reader makes of a verdicts file holding text."""
        import tempfile
        with tempfile.NamedTemporaryFile("w", suffix=".tsv", delete=False,
                                         encoding="utf-8") as f:
            f.write(text)
        try:
            return [reader(f.name) for reader in readers]
        finally:
            os.unlink(f.name)

    def test_verdicts_are_read_by_sex(self):
        [rows] = self.read("# sex\tlist\tgiven\tverdict\nmale\t李 1\t浩宇\tgood\n"
                           "female\t李 1\t可洁\todd\n", fit_pair_fit.read_verdicts)
        self.assertEqual(rows, {"male": [("李 1", "浩宇", 1)], "female": [("李 1", "可洁", 0)]})

    def test_ill_counts_as_odd_and_makes_a_heard_pair_of_its_sex(self):
        rows, heard = self.read("male\t李 1\t思乐\till\nmale\t李 2\t思乐\tgood\n"
                                "female\t李 1\t洁楠\till\nfemale\t李 1\t可洁\todd\n",
                                fit_pair_fit.read_verdicts, fit_pair_fit.read_heard)
        self.assertEqual(rows["male"], [("李 1", "思乐", 0), ("李 2", "思乐", 1)])
        self.assertEqual(heard, {"male": ["思乐"], "female": ["洁楠"]})

    def test_a_reading_heard_in_enough_of_its_samples_is_refused_after_its_family_name(self):
        readings = {"佳": "jiā", "嘉": "jiā", "琪": "qí", "奇": "qí", "祺": "qí", "杰": "jié"}
        text = ("male\t李 1\t嘉奇\till\nmale\t李 2\t佳祺\tgood\nfemale\t李 2\t佳琪\till\n"
                "male\t李 3\t佳祺\tgood\nmale\t王 1\t嘉奇\till\n"
                # heard once only, and in too few of its samples
                "male\t李 1\t佳杰\till\nmale\t李 2\t嘉杰\tgood\n"
                + "male\t李 3\t嘉杰\tgood\n" * 8 + "male\t李 4\t佳杰\till\n")
        [sounds] = self.read(text, lambda path: fit_pair_fit.heard_sounds(path, readings))
        # jiā qí: 2 ill of 4 after 李 (either sex), 1 after 王; jiā jié: 2 of 11.
        self.assertEqual(sounds, [("李", "jiā qí")])

    def test_the_fit_learns_only_from_the_lists_drawn_before_it(self):
        rows = [("王 1", "甲子", 1), ("李 20261214 b", "甲丑", 0), ("李 20261216", "乙子", 1),
                ("李 20261220 a", "乙丑", 0)]
        self.assertEqual([g for _, g, _ in fit_pair_fit.fit_rows(rows, "male")], ["甲子", "甲丑"])
        self.assertEqual([g for _, g, _ in fit_pair_fit.fit_rows(rows, "female")],
                         ["甲子", "甲丑", "乙子"])


class Floor(unittest.TestCase):
    def test_only_later_lists_above_the_bar_and_kept_by_the_panel_count(self):
        class Fit:
            bar = 0
            parts = {"甲": 2, "乙": -1, "丙": 0.5, "子": 2, "丑": 0.5}

            def part(self, char, place):
                return self.parts[char]

            def pair(self, given):
                return self.parts[given[0]] + self.parts[given[1]]

        class KeepsAll:
            def keeps(self, given):
                return True

        rows = [("李 20261214 a", "乙子", 0),  # the fit learned from it
                ("李 20261220 a", "乙子", 0), ("李 20261220 a", "乙子", 1),  # 乙 below the floor
                ("李 20261220 a", "乙丑", 0),  # below the bar
                ("李 20261220 a", "甲子", 1), ("李 20261220 a", "丙丑", 0)]
        self.assertEqual(fit_pair_fit.floor_check(Fit(), {"李 20261220": KeepsAll()}, rows,
                                                  -0.8, "male"), (2, 1, 2, 0.5))


class Panel(unittest.TestCase):
    def test_a_character_is_refused_in_the_place_where_its_pairs_read_odd(self):
        # Ten pairs, 8 good: 丙 stands second in the two odd ones, first in a good one.
        rows = ([("李 1", "甲子", 1)] * 4 + [("李 1", "乙子", 1)] * 3 +
                [("李 1", "甲丙", 0), ("李 1", "乙丙", 0), ("李 1", "丙甲", 1)])
        panel = fit_pair_fit.Panel(rows)
        self.assertAlmostEqual(panel.base, 0.8)
        self.assertAlmostEqual(panel.bar, fit_pair_fit.PANEL_BAR * 0.8)
        w = fit_pair_fit.PANEL_WEIGHT
        self.assertAlmostEqual(panel.share("丙", "second"), (0 + w * 0.8) / (2 + w))
        # Never judged: the sex's share. 丙 first was judged good once.
        self.assertAlmostEqual(panel.share("丁", "first"), 0.8)
        self.assertGreater(panel.share("丙", "first"), 0.8)
        for given, kept in [("甲子", True), ("丙子", True), ("甲丙", False), ("丁丙", False)]:
            self.assertEqual(panel.keeps(given), kept, given)

    def test_a_pair_at_least_half_its_samples_found_odd_is_refused(self):
        rows = ([("李 1", "甲子", 1)] * 8 + [("李 1", "乙子", 1), ("李 2", "乙子", 0),
                ("李 1", "丙子", 1), ("李 2", "丙子", 1), ("李 3", "丙子", 0)])
        panel = fit_pair_fit.Panel(rows)
        self.assertTrue(panel.judged_odd("乙子"))   # one good, one odd
        self.assertFalse(panel.judged_odd("丙子"))  # two good, one odd
        self.assertFalse(panel.judged_odd("丁子"))  # never judged
        self.assertFalse(panel.keeps("乙子"))
        self.assertTrue(panel.keeps("丙子"))
        self.assertTrue(fit_pair_fit.Panel(rows, pairs=False).keeps("乙子"))

    def test_the_check_leaves_each_seed_out_and_counts_only_pairs_above_the_fit(self):
        class Fit:
            bar = 0

            def pair(self, given):
                return -1 if given == "丁子" else 1

        rows = ([("李 1", "甲子", 1)] * 6 + [("李 1", "甲丙", 0)] * 2 + [("李 2", "乙子", 1),
                ("李 2", "乙丙", 0), ("李 2", "丁子", 0)])
        checks = dict((seed, rest) for seed, *rest in fit_pair_fit.panel_check(Fit(), rows))
        # 李 2 against the panel of 李 1: 丙 second refused, 丁子 below the fit.
        self.assertEqual(checks["李 2"], [2, 0.5, 1, 1.0])
        # 李 1 against the panel of 李 2: 丙 second refused there too.
        self.assertEqual(checks["李 1"], [8, 0.75, 6, 1.0])


if __name__ == "__main__":
    unittest.main()
