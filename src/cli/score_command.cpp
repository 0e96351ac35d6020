// lumivane-cli score FAMILY GIVEN: the five grids, the pattern and the score.

#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/app/naming_request.h"
#include "core/naming/numerology.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane::cli {

int RunScore(const std::vector<std::string>& args, CommandIo& io) {
    std::string error;
    auto parsed = ParseArguments(args, ArgumentSpec{{}, {}, 2, 2}, error);
    if (!parsed) {
        return BadInput(io, "score", error + "（用法：lumivane-cli score 姓 名）");
    }
    std::string family = TrimBlanks(parsed->positional[0]);
    std::string given = TrimBlanks(parsed->positional[1]);
    if (!IsValidUtf8(family) || !IsValidUtf8(given)) {
        return BadInput(io, "score", "参数不是有效的 UTF-8 文字");
    }
    if (std::string message = ValidateFamilyNameText(family); !message.empty()) {
        return BadInput(io, "score", message);
    }
    if (std::string message = GbkRejectionMessage(given); !message.empty()) {
        return BadInput(io, "score", message);
    }
    std::vector<std::string> givenCharacters = SplitCharacters(given);
    if (givenCharacters.empty() || givenCharacters.size() > 2) {
        return BadInput(io, "score", "名字必须是一个或两个汉字");
    }
    std::uint32_t indexes[2] = {kNoSecondCharacter, kNoSecondCharacter};
    for (std::size_t k = 0; k < givenCharacters.size(); ++k) {
        indexes[k] = FindCharacter(givenCharacters[k]);
        if (indexes[k] == DictionarySize) {
            return BadInput(io, "score", "“" + givenCharacters[k] + "”不在字库中");
        }
    }
    FamilyName familyName = MakeFamilyName(family);
    GivenNameCode code = MakeGivenNameCode(indexes[0], indexes[1]);
    FiveGrids grids = ComputeGrids(familyName, code);
    std::string pattern = SanCaiPattern(grids.TianGe, grids.DiGe, grids.WaiGe);
    int value = SanCaiValue(pattern);
    double score = GejuScore(grids, value);

    Json strokes = Json::MakeArray();
    strokes.Push(KangxiStrokesOf(familyName.firstIndex));
    if (!familyName.secondText.empty()) {
        strokes.Push(KangxiStrokesOf(familyName.secondIndex));
    }
    for (std::size_t k = 0; k < givenCharacters.size(); ++k) {
        strokes.Push(KangxiStrokesOf(indexes[k]));
    }
    Json json = Json::MakeObject();
    json.Set("family", familyName.firstText + familyName.secondText)
        .Set("given", given)
        .Set("code", code)
        .Set("kangxiStrokes", std::move(strokes))
        .Set("tianGe", grids.TianGe)
        .Set("renGe", grids.RenGe)
        .Set("diGe", grids.DiGe)
        .Set("waiGe", grids.WaiGe)
        .Set("zongGe", grids.ZongGe)
        .Set("pattern", pattern)
        .Set("patternValue", value)
        .Set("score", score)
        .Set("displayedScore", FormatGejuScore(score));
    io.out << json.Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
