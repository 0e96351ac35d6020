#include "core/results/favorites_file.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "core/data/character_dictionary.h"
#include "core/naming/family_name.h"
#include "core/naming/naming_state.h"
#include "core/platform/file_io.h"
#include "core/text/characters.h"
#include "core/text/gbk_order.h"

namespace lumivane {
namespace {

struct LineOrder {
    bool operator()(const std::string& a, const std::string& b) const {
        return CompareBytes(a, b) < 0;
    }
};
using LineSet = std::map<std::string, Favorite, LineOrder>;

// Far beyond any real list (a line is at most 22 bytes); a bigger file is not
// a favourites file and is not read into memory.
constexpr std::uintmax_t kFavoritesMaxBytes = 64u << 20;

std::optional<std::uint64_t> ParseDigits(std::string_view text) {
    if (text.empty() || text.size() > 12) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Lines as the file holds them, with what editors add taken off: the
// byte-order mark, blanks at either end, the CRs before LF.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t nl = bytes.find('\n', start);
        std::size_t end = nl == std::string_view::npos ? bytes.size() : nl;
        std::string_view line = bytes.substr(start, end - start);
        while (!line.empty() &&
               (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string Printable(std::string_view line) {
    std::string text;
    for (unsigned char c : line) {
        if (c < 0x20 || c >= 0x7F) {
            static const char kHex[] = "0123456789ABCDEF";
            text += "\\x";
            text += kHex[c >> 4];
            text += kHex[c & 15];
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

struct DamagedLine {
    std::size_t number = 0;  // 1-based
    std::string text;        // as trimmed
};

struct ReadAllResult {
    std::vector<Favorite> favorites;
    std::vector<DamagedLine> damaged;
    std::string error;
    std::size_t errorLine = 0;
};

std::string DamageMessage(const std::vector<DamagedLine>& damaged) {
    std::string message = "收藏夹文件第 " + std::to_string(damaged.front().number) +
                          " 行无法识别：“" + Printable(damaged.front().text) + "”";
    if (damaged.size() > 1) {
        message += "（另有 " + std::to_string(damaged.size() - 1) + " 行无法识别）";
    }
    return message;
}

// Reads every line; a damaged file has its damaged lines listed, an error
// naming the first, and no favourites.
ReadAllResult ReadAllFavorites(const std::filesystem::path& path) {
    ReadAllResult result;
    if (path.empty()) {
        result.error = "找不到数据文件夹，无法打开收藏夹";
        return result;
    }
    EnsureFileExists(path);
    FileReadResult read = ReadFileBytes(path, false, kFavoritesMaxBytes);
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    std::vector<std::string_view> lines = SplitLines(read.bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) {
            continue;  // a blank line is what an editor leaves, not a favourite
        }
        std::optional<Favorite> favorite = ParseFavoriteLine(lines[i]);
        if (!favorite) {
            result.damaged.push_back({i + 1, std::string(lines[i])});
            continue;
        }
        result.favorites.push_back(*favorite);
    }
    if (!result.damaged.empty()) {
        result.errorLine = result.damaged.front().number;
        result.error = DamageMessage(result.damaged);
    }
    return result;
}

FavoritesWrite WriteLines(const std::filesystem::path& path, const std::vector<Favorite>& all) {
    LineSet lines;
    for (const Favorite& favorite : all) {
        lines.emplace(FavoriteLine(favorite), favorite);
    }
    FavoritesWrite result;
    std::string bytes;
    for (const auto& [line, favorite] : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    result.error = WriteFileAtomically(path, bytes);
    if (result.error.empty()) {
        result.lineCount = lines.size();
        for (const auto& [line, favorite] : lines) {
            result.content.push_back(favorite);
        }
    }
    return result;
}

// Under the lock: the file as it is now (unless the change replaces it
// whole), the change, the rewrite. A file that cannot be read is left alone.
template <typename Change>
FavoritesWrite ChangeFile(const std::filesystem::path& path, bool readFirst, Change change) {
    if (path.empty()) {
        return {"找不到数据文件夹，无法保存收藏夹", 0, 0, false, {}};
    }
    FileLockBeside lock(path, kFavoritesLockPatience);
    if (!lock.locked()) {
        return {lock.error(), 0, 0, false, {}};
    }
    std::vector<Favorite> all;
    if (readFirst) {
        ReadAllResult read = ReadAllFavorites(path);
        if (!read.error.empty()) {
            return {read.error, read.errorLine, 0, false, {}};
        }
        all = std::move(read.favorites);
    }
    change(all);
    return WriteLines(path, all);
}

}  // namespace

std::uint32_t FamilyNameCodeOf(std::string_view familyText) {
    FamilyName name = MakeFamilyName(familyText);
    return MakeFamilyNameCode(name.firstIndex, name.secondIndex);
}

std::string FavoriteLine(const Favorite& favorite) {
    return std::to_string(std::uint64_t{favorite.familyCode} + kFamilyCodeOffset) + "," +
           std::to_string(std::uint64_t{favorite.givenCode} + kGivenCodeOffset);
}

bool IsKnownFavorite(const Favorite& favorite) {
    const std::uint32_t familyFirst = favorite.familyCode >> 16;
    const std::uint32_t familySecond = favorite.familyCode & 0xFFFF;
    const std::uint32_t givenFirst = FirstIndexOf(favorite.givenCode);
    const std::uint32_t givenSecond = SecondIndexOf(favorite.givenCode);
    return familyFirst <= DictionarySize && familySecond <= DictionarySize &&
           givenFirst < DictionarySize &&
           (givenSecond <= DictionarySize || givenSecond == kNoSecondCharacter);
}

std::filesystem::path DamagedLinesPath(const std::filesystem::path& path) {
    std::filesystem::path damaged = path;
    damaged += ".damaged";
    return damaged;
}

std::optional<Favorite> ParseFavoriteLine(std::string_view line) {
    std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    std::optional<std::uint64_t> family = ParseDigits(line.substr(0, comma));
    std::optional<std::uint64_t> given = ParseDigits(line.substr(comma + 1));
    if (!family || !given || *family < kFamilyCodeOffset || *given < kGivenCodeOffset ||
        *family - kFamilyCodeOffset > 0xFFFFFFFFu || *given - kGivenCodeOffset > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    Favorite favorite{static_cast<std::uint32_t>(*family - kFamilyCodeOffset),
                      static_cast<GivenNameCode>(*given - kGivenCodeOffset)};
    if (!IsKnownFavorite(favorite)) {
        return std::nullopt;
    }
    return favorite;
}

std::string FavoritesNotShownText(std::size_t notShown) {
    if (notShown == 0) {
        return {};
    }
    return "另有 " + std::to_string(notShown) + " 个收藏未显示（最多显示 " +
           std::to_string(kFavoritesShown) + " 个）";
}

std::vector<Favorite> FavoritesLoad::All() const {
    std::vector<Favorite> all = shown;
    all.insert(all.end(), beyond.begin(), beyond.end());
    return all;
}

FavoritesLoad LoadFavorites(const std::filesystem::path& path) {
    FavoritesLoad load;
    ReadAllResult all = ReadAllFavorites(path);
    if (!all.error.empty()) {
        load.error = std::move(all.error);
        load.errorLine = all.errorLine;
        load.damagedLines = all.damaged.size();
        return load;
    }
    std::size_t shown = std::min(all.favorites.size(), kFavoritesShown);
    load.shown.assign(all.favorites.begin(), all.favorites.begin() + shown);
    load.beyond.assign(all.favorites.begin() + shown, all.favorites.end());
    return load;
}

FavoritesLoad LoadFavorites(const std::filesystem::path& path, CandidateList& candidates) {
    FavoritesLoad load = LoadFavorites(path);
    if (!load.ok()) {
        return load;
    }
    candidates.Clear();
    for (const Favorite& favorite : load.shown) {
        candidates.codes.push_back(favorite.givenCode);
        candidates.familyCodes.push_back(favorite.familyCode);
    }
    return load;
}

FavoritesWrite WriteFavorites(const std::filesystem::path& path,
                              std::span<const Favorite> favorites) {
    for (const Favorite& favorite : favorites) {
        if (!IsKnownFavorite(favorite)) {
            return {"名字的编码 " + FavoriteLine(favorite) + " 不在字库中，收藏夹未改动",
                    0,
                    0,
                    false,
                    {}};
        }
    }
    return ChangeFile(path, false, [&](std::vector<Favorite>& all) {
        all.assign(favorites.begin(), favorites.end());
    });
}

FavoritesWrite AddFavorites(const std::filesystem::path& path, std::span<const Favorite> added) {
    for (const Favorite& favorite : added) {
        if (!IsKnownFavorite(favorite)) {
            return {"名字的编码 " + FavoriteLine(favorite) + " 不在字库中，未加入收藏夹",
                    0,
                    0,
                    false,
                    {}};
        }
    }
    return ChangeFile(path, true, [&](std::vector<Favorite>& all) {
        all.insert(all.end(), added.begin(), added.end());
    });
}

FavoritesWrite RemoveFavorites(const std::filesystem::path& path, std::span<const Favorite> removed,
                               std::span<const Favorite> shownFile) {
    bool changed = false;
    FavoritesWrite result = ChangeFile(path, true, [&](std::vector<Favorite>& all) {
        changed = !std::equal(all.begin(), all.end(), shownFile.begin(), shownFile.end());
        std::erase_if(all, [&](const Favorite& f) {
            return std::find(removed.begin(), removed.end(), f) != removed.end();
        });
    });
    result.changedMeanwhile = result.ok() && changed;
    return result;
}

FavoritesWrite RemoveFavorite(const std::filesystem::path& path, const Favorite& favorite,
                              bool& removed) {
    removed = false;
    return ChangeFile(path, true,
                      [&](std::vector<Favorite>& all) { removed = std::erase(all, favorite) > 0; });
}

FavoritesRepair SetAsideDamagedLines(const std::filesystem::path& path) {
    FavoritesRepair repair;
    repair.damagedPath = DamagedLinesPath(path);
    if (path.empty()) {
        repair.error = "找不到数据文件夹，无法打开收藏夹";
        return repair;
    }
    FileLockBeside lock(path, kFavoritesLockPatience);
    if (!lock.locked()) {
        repair.error = lock.error();
        return repair;
    }
    ReadAllResult read = ReadAllFavorites(path);
    if (read.damaged.empty()) {
        repair.error = read.error;  // unreadable as a whole, or nothing to do
        repair.kept = read.favorites.size();
        return repair;
    }
    // The set-aside lines are written first: a failure after it loses nothing.
    FileReadResult earlier = ReadFileBytes(repair.damagedPath, true);
    if (!earlier.ok()) {
        repair.error = earlier.error;
        return repair;
    }
    std::string bytes = std::move(earlier.bytes);
    if (!bytes.empty() && bytes.back() != '\n') {
        bytes += "\r\n";
    }
    for (const DamagedLine& line : read.damaged) {
        bytes.append(line.text);
        bytes += "\r\n";
    }
    repair.error = WriteFileAtomically(repair.damagedPath, bytes);
    if (!repair.error.empty()) {
        return repair;
    }
    FavoritesWrite write = WriteLines(path, read.favorites);
    if (!write.ok()) {
        repair.error = write.error;
        return repair;
    }
    repair.moved = read.damaged.size();
    repair.kept = write.lineCount;
    return repair;
}

std::vector<Favorite> FavoritesOfRows(const std::vector<ResultRow>& rows, bool checked) {
    std::vector<Favorite> favorites;
    for (const ResultRow& row : rows) {
        if (row.checked == checked) {
            favorites.push_back({row.familyCode, row.Code()});
        }
    }
    return favorites;
}

}  // namespace lumivane
