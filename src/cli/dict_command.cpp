// lumivane-cli dict CHARACTER: one record of the character dictionary as JSON.

#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/data/character_dictionary.h"
#include "core/data/radical_table.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane::cli {
namespace {

Json ElementsJson(ElementMask mask) {
    static constexpr struct {
        ElementMask bit;
        const char* name;
    } kElements[] = {{kMetal, "金"}, {kWood, "木"}, {kWater, "水"}, {kFire, "火"}, {kEarth, "土"}};
    Json list = Json::MakeArray();
    for (const auto& element : kElements) {
        if ((mask & element.bit) != 0) {
            list.Push(element.name);
        }
    }
    return list;
}

}  // namespace

int RunDict(const std::vector<std::string>& args, CommandIo& io) {
    std::string error;
    auto parsed = ParseArguments(args, ArgumentSpec{{}, {}, 1, 1}, error);
    if (!parsed) {
        return BadInput(io, "dict", error + "（用法：lumivane-cli dict 汉字）");
    }
    // Blanks at the ends are trimmed, as every command trims its names.
    const std::string text = TrimBlanks(parsed->positional[0]);
    if (text.empty()) {
        return BadInput(io, "dict", "没有给出汉字");
    }
    if (!IsValidUtf8(text)) {
        return BadInput(io, "dict", "参数不是有效的 UTF-8 文字");
    }
    if (CharacterCount(text) != 1) {
        return BadInput(io, "dict", "“" + text + "”不是一个汉字");
    }
    if (std::string message = GbkRejectionMessage(text); !message.empty()) {
        return BadInput(io, "dict", message);
    }
    std::uint32_t index = FindCharacter(text);
    if (index == DictionarySize) {
        return BadInput(io, "dict", "“" + text + "”不在字库中");
    }
    CharacterRecord record = Character(index);
    Json json = Json::MakeObject();
    json.Set("index", index)
        .Set("text", record.Text)
        .Set("reading", record.Reading)
        .Set("meaningElements", ElementsJson(record.MeaningElements))
        .Set("meaningElementMask", record.MeaningElements)
        .Set("radicalIndex", record.RadicalIndex)
        .Set("radical", Radical(record.RadicalIndex).RadicalName)
        .Set("radicalElements", ElementsJson(record.RadicalElements))
        .Set("radicalElementMask", record.RadicalElements)
        .Set("simplifiedStrokes", record.SimplifiedStrokes)
        .Set("kangxiStrokes", record.KangxiStrokes);
    io.out << json.Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
