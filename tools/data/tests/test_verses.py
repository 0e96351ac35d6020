import json
import os
import tempfile
import unittest
import unittest.mock

from namedata import verses

TS = ["後\t后\n", "於\t于 於\n", "詩\t诗\n", "齊\t齐\n", "雲\t云\n"]


# Real names: 思, 子, 白 and 怡 stand first in one, 衿, 齐, 云, 怡 and 诗 second.
CORPUS = ("子云", "思衿", "子齐", "白怡", "怡诗")


def rules(words=(), corpus=CORPUS, eating=frozenset(), national=None):
    chars = {c: (k, r, g) for k, (c, r, g) in enumerate([
        ("思", "si", -100), ("齐", "qi", 200), ("云", "yun", 0), ("子", "zi", 0),
        ("衿", "jin", -300), ("其", "qi", 0), ("诗", "shi", -50), ("亦", "yi", 0),
        ("怡", "yi", -900), ("骨", "gu", 0), ("白", "bai", 0)])}
    ranked = {c: (k, 1000 - k) for k, c in enumerate("思子云诗白亦")}
    second = {c: (k, 1000 - k) for k, c in enumerate("齐云衿怡诗骨其")}
    positions = {(s, "first"): ranked for s in ("male", "female")}
    positions.update({(s, "second"): second for s in ("male", "female")})
    return verses.PairRules(chars, positions, {"male": set(corpus), "female": set(corpus)},
                            set(words), eating,
                            None if national is None else {s: set(national) for s in ("male", "female")})


class VerseStageTest(unittest.TestCase):
    def test_converter_marks_the_word_dependent_characters(self):
        conv = verses.Converter(TS)
        text, uncertain = conv.convert("後於詩")
        self.assertEqual(text, "后于诗")
        self.assertEqual(uncertain, {1})   # 於 is 于 or 於 by the word

    def test_lines_end_at_full_stops_and_keep_their_closing_quotes(self):
        stanza = "子曰：“思而不学则殆。”君子亦然；其余"
        self.assertEqual(verses.lines_of(stanza),
                         [(0, "子曰：“思而不学则殆。”"), (12, "君子亦然；"), (17, "其余")])
        self.assertEqual(verses.sentences_of("思齐大任，文王之母。"),
                         [(0, "思齐大任"), (5, "文王之母")])

    def test_pairs_keep_their_order_within_one_sentence(self):
        pairs = list(verses.ordered_pairs("青子衿", 0, set()))
        self.assertEqual(pairs, [("青", "子"), ("青", "衿"), ("子", "衿")])
        self.assertEqual(list(verses.ordered_pairs("子於衿", 0, {1})), [("子", "衿")])

    @unittest.mock.patch.object(verses, "LEAST_PARTNERS", 1)   # the corpus here is tiny
    def test_rules_of_a_free_pair(self):
        r = rules(words=["白骨", "子云"])
        cases = [
            ("思", "齐", "male", None),
            ("思", "齐", "female", "other sex"),      # 齐 leans male on balance
            ("齐", "思", "male", "rank"),             # 齐 is no first character
            ("白", "骨", "male", "word"),             # an ordinary word
            ("子", "云", "male", None),               # a word, but a real name of the sex
            ("亦", "怡", "female", "read alike"),
            ("诗", "衿", "female", "no evidence"),    # no real name has 诗 first
            ("诗", "怡", "female", None),             # its reverse is a real name
        ]
        for first, second, sex, reason in cases:
            with self.subTest(pair=first + second, sex=sex):
                self.assertEqual(r.check(first, second, sex), reason)
        self.assertEqual(r.check("子", "怡", "female", ranks=3), "rank")
        self.assertIsNone(r.check("子", "怡", "female"))
        self.assertIsNone(r.check("子", "云", "male", ranks=1))   # a real name: any of 301 ranks

    def test_evidence_asks_enough_partners(self):
        # No fewer than LEAST_PARTNERS partners, and one per EVIDENCE_NAMES names.
        three = CORPUS + ("思云", "思诗", "白齐", "诗齐")
        self.assertIsNone(rules(corpus=three).check("思", "齐", "male"))
        self.assertEqual(rules(corpus=three[:-1]).check("思", "齐", "male"), "no evidence")
        many = rules(corpus=three + tuple(f"x{k}" for k in range(1200)))   # 1,209 names ask five
        self.assertEqual(many.check("思", "齐", "male"), "no evidence")
        self.assertIsNone(many.check("子", "云", "male"))
        # A name found in text (not of the national statistics) is evidence
        # only in the classics; there one partner per 300 names is enough.
        found = rules(national=())
        self.assertEqual(found.check("思", "衿", "female"), "no evidence")
        self.assertIsNone(found.check("思", "衿", "female", strict=False))
        self.assertEqual(found.check("白", "云", "male"), "no evidence")
        self.assertIsNone(found.check("白", "云", "male", strict=False))
        # A character that verse uses as "eat" gives no name (美可茹, "can be eaten").
        eating = verses.eating_characters({"茹": "roots; vegetables; eat; bear", "诗": "poetry",
                                           "云": "say, speak; clouds", "食": "eat; meal; food"})
        self.assertEqual(eating, {"茹", "食"})
        self.assertEqual(rules(eating={"怡"}).check("诗", "怡", "female"), "verse use")

    def test_pairs_do_not_cut_into_words(self):
        seg = verses.Segmenter({"园林": 500, "萧瑟": 300, "白露": 200, "青青": 100, "园": 10,
                                "林": 10})
        self.assertEqual(seg.cut("几处园林萧瑟"), [(0, 1), (1, 2), (2, 4), (4, 6)])
        cases = [
            ("青青子衿", "子衿", True),     # each a word of its own
            ("几处园林萧瑟", "园萧", False),  # one character of 园林, one of 萧瑟
            ("白露为霜", "露霜", False),
            ("白露为霜", "为霜", True),
            ("园林", "园林", True),          # the two make one word
        ]
        for sentence, pair, kept in cases:
            with self.subTest(sentence=sentence, pair=pair):
                pairs = list(verses.ordered_pairs(sentence, 0, set(), seg.cut(sentence)))
                self.assertEqual((pair[0], pair[1]) in pairs, kept)

    def test_characters_bound_to_the_word_before_or_denied(self):
        seg = verses.Segmenter({"石榴裙": 50, "天空": 900, "安得": 3})
        cases = [
            ("鹍鹏势未安", {3, 4}),       # 未 and what follows it
            ("公子莫思晴", {1, 2, 3, 4}),  # 子 of 公子, and all after 莫
            ("浩思安得宁", {2, 3, 4}),     # the 安 of 安得 itself
            ("石榴裙子正芬菲", {3}),       # 子 cut from 石榴裙子
            ("子云思齐", set()),            # 子 first in its sentence
            ("天空思齐", set()),            # 空 only inside 天空
            ("一苇安可航", {2, 3, 4}),     # 安可 "how could"
            ("诗成倩鸟吟", {2}),           # 倩 "ask to" before its object
            ("巧笑倩兮", set()),            # 倩 "lovely"
        ]
        for sentence, bound in cases:
            with self.subTest(sentence=sentence):
                got = verses.bound_positions(sentence, seg.cut(sentence))
                self.assertEqual(got, bound)

    def test_colours_and_metals_qualify_the_next_thing(self):
        cases = [
            ("雨匀紫菊", "雨紫", False),   # 紫 of 紫菊
            ("丹成金鼎献", "丹金", False),  # both qualify the next character
            ("雨过紫云", "紫云", True),     # right before the other character
            ("藤花紫", "花紫", True),       # right after the first, at the end
            ("传语金阶远", "语金", False),  # 金 of 金阶
            ("晓来微雨藤花紫", "晓紫", False),  # the colour of the flowers
        ]
        for sentence, pair, kept in cases:
            with self.subTest(sentence=sentence):
                self.assertEqual((pair[0], pair[1]) in verses.ordered_pairs(sentence, 0, set()),
                                 kept)

    def test_regular_verse_tells_poems_from_notes(self):
        for text, regular in [("白日依山尽，黄河入海流。", True),
                              ("天柱山在舒州怀宁，此诗当即韦曾任舒州刺史时作。", False),
                              ("二诗可确定为仪作。", False)]:
            with self.subTest(text=text):
                self.assertEqual(verses.regular_verse(text), regular)

    def test_lines_of_ill_meaning_by_the_definitions(self):
        ill = verses.ill_meaning_characters({
            "泪": "tears; weep, cry", "鸣": "cry of bird or animal; make sound",
            "战": "war, fighting, battle", "谗": "slander, defame, misrepresent",
            "寒": "cold, wintry, chilly", "死": "die; dead; death"})
        self.assertEqual(ill, {"泪", "战", "谗", "死"})
        titles = verses.ill_meaning_characters({
            "伤": "wound, injury; fall ill from", "雪": "snow; wipe away shame, avenge"},
            first_sense=True)
        self.assertEqual(titles, {"伤"})

    def test_poems_and_lines_unfit_to_tell(self):
        for title, section, unfit in [("故郭婉仪挽歌", "", True), ("怀沙", "九章", True),
                                      ("逢尤", "九思", True), ("相和歌辞 从军行", "", True),
                                      ("三伤颂 其三", "", True), ("听郢客歌阳春白雪", "", False),
                                      ("导引", "", True), ("赤谷安禅师塔", "", True),
                                      ("燕台四首 夏", "", True), ("同诸公登慈恩寺塔", "", False),
                                      ("湘君", "九歌", False), ("入关留别主人", "", True),
                                      ("下第东归留别郑侍郎", "", True), ("庆封宅古井行", "", True),
                                      ("闻子规", "", True), ("西施咏", "", True),
                                      ("送崔使君", "", False), ("春送从叔游襄阳", "", False)]:
            with self.subTest(title=title):
                self.assertEqual(verses.unfit_poem(title, section, {"伤"}), unfit)
        for line, unfit in [("家本巫山阳，归去路何长。", True), ("出塞清沙漠，还家拜羽林。", True),
                            ("白日依山尽，黄河入海流。", False), ("泪湿罗巾梦不成。", True),
                            ("逍遥长揖辞人寰。", True)]:
            with self.subTest(line=line):
                self.assertEqual(verses.unfit_line(line, {"泪"}), unfit)
        # A stanza is read as one, for its ill characters too; 氏 and 鬓 are
        # read in the stanza only, not in an author's name (无名氏).
        for stanza, unfit in [("泛彼柏舟，亦泛其流。耿耿不寐，如有隐忧。", True),
                              ("戴星先捧祝尧觞，镜里堪惊两鬓霜。", True),
                              ("锦江滑腻蛾眉秀，幻出文君与薛涛。", True),
                              ("不须更奏幽兰曲，卓氏门前月正明。", True),
                              ("雅态妍姿正欢洽，落花流水忽西东。", True),
                              ("音书鸿不到，梦寐兔空悬。", True),
                              ("莫待曲终人去，媚语娇声娅姹。", True),
                              ("白日依山尽，黄河入海流。", False)]:
            with self.subTest(stanza=stanza):
                self.assertEqual(verses.unfit_stanza(stanza, {"忧"}), unfit)
        self.assertFalse(verses.unfit_line("水调歌头无名氏", ()))

    @unittest.mock.patch.object(verses, "LEAST_PARTNERS", 1)
    def test_build_keeps_the_best_line_of_each_pair(self):
        with tempfile.TemporaryDirectory() as root:
            def put(path, data):
                os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
                with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                    json.dump(data, f, ensure_ascii=False)
            put("shijing/shijing.json", [{"title": "思齐", "chapter": "大雅", "section": "文王之什",
                                          "content": ["思齐大任，文王之母。"]}])
            put("chuci/chuci.json", [{"title": "离骚", "section": "离骚", "author": "屈原",
                                      "content": ["子云思齐。"]},
                                     {"title": "怀沙", "section": "九章", "author": "屈原",
                                      "content": ["白齐。"]}])
            put("lunyu/lunyu.json", [])
            put("sishuwujing/daxue.json", {"chapter": "大學", "paragraphs": []})
            put("sishuwujing/zhongyong.json", {"chapter": "中庸", "paragraphs": []})
            put("sishuwujing/mengzi.json", [{"chapter": "梁惠王上", "paragraphs": ["白雲。"]}])
            put("tang/唐诗三百首.json", [])
            put("songci/宋词三百首.json", [])
            put("mengxue/qianjiashi.json", {"content": []})
            put("tang/poet.tang.0.json", [{"title": "詩", "author": "某", "paragraphs": [
                "白雲思詩，亦怡其衿。", "《全唐诗》白齊，思子衿。", "白齊思子。落淚沾衿。"]}])
            put("songci/ci.song.0.json", [{"rhythmic": "惜奴娇", "author": "巫山神女",
                                           "paragraphs": ["白齐。"]}])
            stanzas, names, notes = verses.build(
                root, verses.Converter(TS + ["淚\t泪\n"]), rules(), ("male",),
                ill={"泪"}, example_characters={"思", "怡", "泪"})
        self.assertEqual(stanzas[0], ("诗经", "思齐", "大雅", "", "思齐大任，文王之母。", True))
        by_pair = {a + b: (s, n) for a, b, s, n in names["male"]}
        self.assertEqual(by_pair["思齐"], (0, 0))         # 诗经 before 楚辞
        self.assertEqual(by_pair["子齐"], (1, 0))         # only in 楚辞
        # 全唐诗 yields only pairs of characters among the first 101 ranks: all here.
        self.assertEqual(stanzas[by_pair["白云"][0]],
                         ("全唐诗", "诗", "", "某", "白云思诗，亦怡其衿。", True))
        # The classics are kept whole, their unfit stanzas marked so (怀沙).
        self.assertIn(("楚辞", "怀沙", "九章", "屈原", "白齐。", False), stanzas)
        self.assertNotIn("云诗", by_pair)                 # leans to the other sex
        self.assertNotIn("亦怡", by_pair)                 # read alike
        # 怀沙, the editors' note, the stanza of tears (in its other line) and the
        # goddess of 巫山 give nothing; 孟子 gave no 白云 above.
        self.assertNotIn("白齐", by_pair)
        self.assertEqual(len(stanzas), 5)    # the classics whole, and the stanza that gave a pair
        # A character's example: its first line in a fit stanza (怡 of 全唐诗); 泪 stands
        # only in an unfit stanza.
        self.assertEqual(notes["examples"], {"思": (0, 0), "怡": (by_pair["白云"][0], 0)})


if __name__ == "__main__":
    unittest.main()
