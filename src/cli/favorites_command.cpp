// lumivane-cli favorites list [--json] | add FAMILY GIVEN | remove FAMILY GIVEN:
// the favourites file in the data folder, as the favourites view keeps it.

#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/app/data_folder.h"
#include "core/app/name_input.h"
#include "core/data/character_dictionary.h"
#include "core/naming/family_name.h"
#include "core/results/favorites_file.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane::cli {
namespace {

constexpr const char* kUsage =
    "用法：lumivane-cli favorites list [--json] | add 姓 名 | remove 姓 名 | repair";

std::string FamilyText(std::uint32_t code) {
    const FamilyName family = FamilyNameOfCode(code);
    return family.firstText + family.secondText;
}

std::string GivenText(GivenNameCode code) {
    return std::string(CharacterText(FirstIndexOf(code))) +
           std::string(CharacterText(SecondIndexOf(code)));
}

std::optional<Favorite> ParseFavorite(const Arguments& args, CommandIo& io, const char* command,
                                      int& exitCode) {
    FamilyNameInput family = ParseFamilyNameInput(args.positional[1]);
    GivenNameInput given = ParseGivenNameInput(args.positional[2]);
    const std::string& message = !family.ok() ? family.error : given.error;
    if (!message.empty()) {
        exitCode = BadInput(io, command, message);
        return std::nullopt;
    }
    return Favorite{FamilyCodeOf(family.name), given.code};
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

// A damaged file stops every change; the message says how to go on.
int FailDamaged(CommandIo& io, const std::string& message, std::size_t errorLine,
                const std::filesystem::path& path) {
    if (errorLine == 0) {
        return Fail(io, message);
    }
    return Fail(io, message +
                        "\n请用文本编辑器修改该行，或运行 "
                        "lumivane-cli favorites repair 把无法识别的行原样移到 " +
                        DamagedLinesPath(path).string() + "。");
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
    if (action == "list" || action == "repair") {
        if (parsed->positional.size() != 1 || (action == "repair" && parsed->Has("--json"))) {
            return BadInput(io, "favorites", action + " 不带姓名（" + kUsage + "）");
        }
    }
    if (action == "repair") {
        FavoritesRepair repair = SetAsideDamagedLines(path);
        if (!repair.ok()) {
            return Fail(io, repair.error + "（收藏夹未改动）");
        }
        if (repair.moved == 0) {
            io.out << "收藏夹没有无法识别的行（共 " << repair.kept << " 个）\n";
        } else {
            io.out << "已把 " << repair.moved << " 行无法识别的内容移到 "
                   << repair.damagedPath.string() << "（收藏夹共 " << repair.kept << " 个）\n";
        }
        return kExitOk;
    }
    if (action == "list") {
        // Listing only reads: a missing file is an empty list, not created.
        std::error_code missing;
        const bool exists = !path.empty() && std::filesystem::exists(path, missing);
        FavoritesLoad load = exists ? LoadFavorites(path) : FavoritesLoad{};
        if (path.empty()) {
            load.error = "找不到数据文件夹，无法打开收藏夹";
        }
        if (!load.ok()) {
            return FailDamaged(io, load.error, load.errorLine, path);
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
            return FailDamaged(io, write.error + "（收藏夹未改动）", write.errorLine, path);
        }
        io.out << "已加入 " << FavoriteLine(*favorite) << "（收藏夹共 " << write.lineCount
               << " 个）\n";
        return kExitOk;
    }
    bool removed = false;
    FavoritesWrite write = RemoveFavorite(path, *favorite, removed);
    if (!write.ok()) {
        return FailDamaged(io, write.error + "（收藏夹未改动）", write.errorLine, path);
    }
    if (!removed) {
        return BadInput(io, command.c_str(), FavoriteLine(*favorite) + " 不在收藏夹中");
    }
    io.out << "已移出 " << FavoriteLine(*favorite) << "（收藏夹共 " << write.lineCount << " 个）\n";
    return kExitOk;
}

}  // namespace lumivane::cli
