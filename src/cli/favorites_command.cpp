// lumivane-cli favorites list [--json] | add FAMILY GIVEN | remove FAMILY GIVEN:
// the favourites file in the data folder, as the favourites view keeps it.

#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/app/data_folder.h"
#include "core/data/character_dictionary.h"
#include "core/naming/family_name.h"
#include "core/results/favorites_file.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane::cli {
namespace {

constexpr const char* kUsage =
    "用法：lumivane-cli favorites list [--json] | add 姓 名 | remove 姓 名";

std::string FamilyText(std::uint32_t code) {
    const FamilyName family = FamilyNameOfCode(code);
    return family.firstText + family.secondText;
}

std::string GivenText(GivenNameCode code) {
    return std::string(CharacterText(FirstIndexOf(code))) +
           std::string(CharacterText(SecondIndexOf(code)));
}

// Checks one or two characters GBK can hold; a message for the user, or empty.
std::string CheckName(const std::string& text, const char* what) {
    if (!IsValidUtf8(text)) {
        return std::string(what) + "不是有效的 UTF-8 文字";
    }
    std::size_t count = CharacterCount(text);
    if (count < 1 || count > 2) {
        return std::string(what) + "“" + text + "”必须是一个或两个汉字";
    }
    return GbkRejectionMessage(text);
}

std::optional<Favorite> ParseFavorite(const Arguments& args, CommandIo& io, const char* command,
                                      int& exitCode) {
    const std::string& family = args.positional[1];
    const std::string& given = args.positional[2];
    std::string message = CheckName(family, "姓氏");
    if (message.empty()) {
        message = UnknownFamilyCharacterMessage(MakeFamilyName(family));
    }
    if (message.empty()) {
        message = CheckName(given, "名字");
    }
    if (message.empty()) {
        for (const std::string& character : SplitCharacters(given)) {
            if (FindCharacter(character) == DictionarySize) {
                message = "名字中的“" + character + "”不在字库中";
                break;
            }
        }
    }
    if (!message.empty()) {
        exitCode = BadInput(io, command, message);
        return std::nullopt;
    }
    std::vector<std::string> g = SplitCharacters(given);
    GivenNameCode code = MakeGivenNameCode(FindCharacter(g[0]),
                                           g.size() > 1 ? FindCharacter(g[1]) : kNoSecondCharacter);
    return Favorite{FamilyNameCodeOf(family), code};
}

Json FavoriteJson(const Favorite& favorite, bool shown) {
    Json item = Json::MakeObject();
    item.Set("family", FamilyText(favorite.familyCode))
        .Set("given", GivenText(favorite.givenCode))
        .Set("familyCode", favorite.familyCode)
        .Set("givenNameCode", favorite.givenCode)
        .Set("line", FavoriteLine(favorite))
        .Set("shown", shown);
    return item;
}

int Fail(CommandIo& io, const std::string& message) {
    io.err << "lumivane-cli favorites: " << message << '\n';
    return kExitFailure;
}

}  // namespace

int RunFavorites(const std::vector<std::string>& args, CommandIo& io) {
    std::string error;
    auto parsed = ParseArguments(args, ArgumentSpec{{}, {"--json"}, 1, 3}, error);
    if (!parsed) {
        return BadInput(io, "favorites", error + "（" + kUsage + "）");
    }
    const std::string& action = parsed->positional[0];
    std::filesystem::path path = FavoritesFilePath();
    if (action == "list") {
        if (parsed->positional.size() != 1) {
            return BadInput(io, "favorites", std::string("list 不带姓名（") + kUsage + "）");
        }
        FavoritesLoad load = LoadFavorites(path);
        if (!load.ok()) {
            return Fail(io, load.error);
        }
        if (parsed->Has("--json")) {
            Json list = Json::MakeArray();
            for (const Favorite& f : load.shown) {
                list.Push(FavoriteJson(f, true));
            }
            for (const Favorite& f : load.beyond) {
                list.Push(FavoriteJson(f, false));
            }
            Json out = Json::MakeObject();
            out.Set("file", path.string())
                .Set("count", load.shown.size() + load.beyond.size())
                .Set("shown", load.shown.size())
                .Set("favorites", std::move(list));
            io.out << out.Dump(2) << '\n';
        } else {
            for (const Favorite& f : load.shown) {
                io.out << FamilyText(f.familyCode) << GivenText(f.givenCode) << '\t'
                       << FavoriteLine(f) << '\n';
            }
            for (const Favorite& f : load.beyond) {
                io.out << FamilyText(f.familyCode) << GivenText(f.givenCode) << '\t'
                       << FavoriteLine(f) << "\t（未显示）\n";
            }
        }
        return kExitOk;
    }
    if (action != "add" && action != "remove") {
        return BadInput(io, "favorites", "未知的操作“" + action + "”（" + kUsage + "）");
    }
    const std::string command = "favorites " + action;
    if (parsed->positional.size() != 3 || parsed->Has("--json")) {
        return BadInput(io, command.c_str(), std::string("需要姓和名（") + kUsage + "）");
    }
    int exitCode = kExitOk;
    std::optional<Favorite> favorite = ParseFavorite(*parsed, io, command.c_str(), exitCode);
    if (!favorite) {
        return exitCode;
    }
    if (action == "add") {
        FavoritesWrite write = AddFavorites(path, std::span(&*favorite, 1));
        if (!write.ok()) {
            return Fail(io, write.error + "（收藏夹未改动）");
        }
        io.out << "已加入 " << FavoriteLine(*favorite) << "（收藏夹共 " << write.lineCount
               << " 个）\n";
        return kExitOk;
    }
    bool removed = false;
    FavoritesWrite write = RemoveFavorite(path, *favorite, removed);
    if (!write.ok()) {
        return Fail(io, write.error + "（收藏夹未改动）");
    }
    if (!removed) {
        return BadInput(io, command.c_str(), FavoriteLine(*favorite) + " 不在收藏夹中");
    }
    io.out << "已移出 " << FavoriteLine(*favorite) << "（收藏夹共 " << write.lineCount << " 个）\n";
    return kExitOk;
}

}  // namespace lumivane::cli
