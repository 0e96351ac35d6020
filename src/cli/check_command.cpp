// lumivane-cli check FAMILY GIVEN: what the name analysis page says of a name
// (readings, how it sounds, how common it is, what its characters mean, the
// 三才 and the grids), as JSON.

#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/app/naming_request.h"
#include "core/data/meanings.h"
#include "core/naming/name_sound.h"
#include "core/naming/numerology.h"
#include "core/naming/readings.h"
#include "core/naming/same_name.h"
#include "core/naming/san_cai.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane::cli {
namespace {

constexpr const char* kUsage = "（用法：lumivane-cli check 姓 名 [--sex 男|女] [--json]）";

Json StringsJson(const std::vector<std::string>& texts) {
    Json list = Json::MakeArray();
    for (const std::string& text : texts) {
        list.Push(text);
    }
    return list;
}

Json CharacterJson(std::uint32_t index, const std::string& reading) {
    const CharacterMeaning meaning = MeaningOf(CharacterText(index));
    std::vector<std::string> readings = {reading};
    for (const std::string& other : CommonReadingsOf(index)) {
        if (other != reading) {
            readings.push_back(other);
        }
    }
    Json json = Json::MakeObject();
    json.Set("char", CharacterText(index))
        .Set("readings", StringsJson(readings))
        .Set("words", StringsJson(meaning.Words))
        .Set("line", VerseLineHolding(CharacterText(index)).empty()
                         ? Json(nullptr)
                         : Json(VerseLineHolding(CharacterText(index))))
        .Set("gloss", meaning.Gloss.empty() ? Json(nullptr) : Json(meaning.Gloss));
    return json;
}

}  // namespace

int RunCheck(const std::vector<std::string>& args, CommandIo& io) {
    std::string error;
    auto parsed = ParseArguments(args, ArgumentSpec{{"--sex"}, {"--json"}, 2, 2}, error);
    if (!parsed) {
        return BadInput(io, "check", error + kUsage);
    }
    const std::string family = TrimBlanks(parsed->positional[0]);
    const std::string given = TrimBlanks(parsed->positional[1]);
    if (!IsValidUtf8(family) || !IsValidUtf8(given)) {
        return BadInput(io, "check", "参数不是有效的 UTF-8 文字");
    }
    std::optional<Sex> sex;
    if (std::optional<std::string> text = parsed->Value("--sex")) {
        if (*text != "男" && *text != "女") {
            return BadInput(io, "check", "--sex 只能是 男 或 女");
        }
        sex = *text == "男" ? Sex::Male : Sex::Female;
    }
    if (std::string message = ValidateFamilyNameText(family); !message.empty()) {
        return BadInput(io, "check", message);
    }
    if (std::string message = GbkRejectionMessage(given); !message.empty()) {
        return BadInput(io, "check", message);
    }
    const std::vector<std::string> characters = SplitCharacters(given);
    if (characters.empty() || characters.size() > 2) {
        return BadInput(io, "check", "名字必须是一个或两个汉字");
    }
    // Traditional input reads as its simplified record, as in the family name.
    std::uint32_t indexes[2] = {DictionarySize, DictionarySize};
    for (std::size_t k = 0; k < characters.size(); ++k) {
        indexes[k] = FindFamilyCharacter(characters[k]);
        if (indexes[k] >= DictionarySize) {
            return BadInput(io, "check", "名字中的“" + characters[k] + "”不在字库中，无法计算笔画");
        }
    }
    const FamilyName name = MakeFamilyName(family);
    const std::uint32_t first = indexes[0];
    const std::uint32_t second = indexes[1];

    const ToneReport tones = TonesOfName(name, first, second);
    std::vector<std::string> syllables;
    for (const Syllable& syllable : tones.Syllables) {
        syllables.push_back(syllable.Toned);
    }
    Json tonesJson = Json::MakeObject();
    tonesJson.Set("syllables", StringsJson(syllables))
        .Set("pingZe", tones.PingZe)
        .Set("remarks", StringsJson(tones.Remarks))
        .Set("verdict", tones.Verdict);

    Json alikes = Json::MakeArray();
    for (const SoundAlike& alike : SoundAlikesOf(name, first, second)) {
        Json one = Json::MakeObject();
        one.Set("text", alike.Text).Set("kind", alike.Kind).Set("words", alike.Words);
        alikes.Push(std::move(one));
    }

    const SameNameEstimate estimate = EstimateSameName(name, first, second, sex);
    Json sameName = Json::MakeObject();
    sameName.Set("estimate", static_cast<long long>(estimate.People + 0.5))
        .Set("words", estimate.Words)
        .Set("basis", estimate.Basis)
        .Set("trend", estimate.Trend.empty() ? Json(nullptr) : Json(estimate.Trend))
        .Set("trendByCohort", StringsJson(estimate.DecadeTrends));

    Json chars = Json::MakeArray();
    const std::array<std::string, 2> familyReadings = FamilyCharacterReadings(name);
    chars.Push(CharacterJson(name.firstIndex, familyReadings[0]));
    if (!name.secondText.empty()) {
        chars.Push(CharacterJson(name.secondIndex, familyReadings[1]));
    }
    for (std::uint32_t index : {first, second}) {
        if (index < DictionarySize) {
            Json one = CharacterJson(index, ReadingOf(index, ReadingRole::Given));
            const std::string note = PolyphoneNote(index);
            one.Set("note", note.empty() ? Json(nullptr) : Json(note));
            chars.Push(std::move(one));
        }
    }

    const GivenNameCode code =
        MakeGivenNameCode(first, second < DictionarySize ? second : kNoSecondCharacter);
    const FiveGrids grids = ComputeGrids(name, code);
    const StandardSanCai standard = StandardSanCaiOf(grids);
    const std::string pattern = SanCaiPattern(grids.TianGe, grids.DiGe, grids.WaiGe);
    const int value = SanCaiValue(pattern);
    Json sanCai = Json::MakeObject();
    sanCai.Set("pattern", standard.Pattern)
        .Set("relation", standard.Relation)
        .Set("verdict", standard.Verdict)
        .Set("scorePattern", pattern)
        .Set("scorePatternValue", value)
        .Set("scorePatternWords", StandingOfPatternValue(value).Words);
    Json gridsJson = Json::MakeObject();
    gridsJson.Set("tianGe", grids.TianGe)
        .Set("renGe", grids.RenGe)
        .Set("diGe", grids.DiGe)
        .Set("waiGe", grids.WaiGe)
        .Set("zongGe", grids.ZongGe);

    std::string shownGiven;
    for (std::uint32_t index : {first, second}) {
        if (index < DictionarySize) {
            shownGiven += CharacterText(index);
        }
    }
    Json json = Json::MakeObject();
    json.Set("name", std::string(CharacterText(name.firstIndex)) +
                         std::string(name.secondText.empty() ? std::string_view{}
                                                             : CharacterText(name.secondIndex)) +
                         shownGiven)
        .Set("pinyin", FullNamePinyin(name, first, second))
        .Set("tones", std::move(tonesJson))
        .Set("soundAlikes", std::move(alikes))
        .Set("sameName", std::move(sameName))
        .Set("characters", std::move(chars))
        .Set("sanCai", std::move(sanCai))
        .Set("grids", std::move(gridsJson))
        .Set("score", FormatGejuScore(GejuScore(grids, value)));
    io.out << json.Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
