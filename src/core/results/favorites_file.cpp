#include "core/results/favorites_file.h"

#include <charconv>
#include <set>

#include "core/app/data_folder.h"
#include "core/data/character_dictionary.h"
#include "core/naming/naming_state.h"
#include "core/text/characters.h"
#include "core/text/gbk_order.h"

namespace lumivane {
namespace {

struct LineOrder {
    bool operator()(const std::string& a, const std::string& b) const {
        return CompareBytes(a, b) < 0;
    }
};
using LineSet = std::set<std::string, LineOrder>;

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

// Lines as the file holds them; a last line without CR LF counts as well.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t nl = bytes.find('\n', start);
        std::size_t end = nl == std::string_view::npos ? bytes.size() : nl;
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
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

struct ReadAllResult {
    std::vector<Favorite> favorites;
    std::string error;
    std::size_t errorLine = 0;
};

ReadAllResult ReadAllFavorites(const std::filesystem::path& path) {
    ReadAllResult result;
    if (path.empty()) {
        result.error = "找不到数据文件夹，无法打开收藏夹";
        return result;
    }
    EnsureFileExists(path);
    FileReadResult read = ReadFileBytes(path, false);
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    std::vector<std::string_view> lines = SplitLines(read.bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::optional<Favorite> favorite = ParseFavoriteLine(lines[i]);
        if (!favorite) {
            result.favorites.clear();
            result.errorLine = i + 1;
            result.error = "收藏夹文件第 " + std::to_string(i + 1) + " 行无法识别：“" +
                           Printable(lines[i]) + "”";
            return result;
        }
        result.favorites.push_back(*favorite);
    }
    return result;
}

FavoritesWrite WriteLines(const std::filesystem::path& path, const LineSet& lines) {
    FavoritesWrite result;
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    if (path.empty()) {
        result.error = "找不到数据文件夹，无法保存收藏夹";
        return result;
    }
    if (path.has_parent_path()) {
        std::error_code ignored;
        std::filesystem::create_directories(path.parent_path(), ignored);
    }
    result.error = WriteFileAtomically(path, bytes);
    result.lineCount = result.error.empty() ? lines.size() : 0;
    return result;
}

void Insert(LineSet& lines, std::span<const Favorite> favorites) {
    for (const Favorite& favorite : favorites) {
        lines.insert(FavoriteLine(favorite));
    }
}

}  // namespace

std::uint32_t FamilyNameCodeOf(std::string_view familyText) {
    std::string first = CharacterAt(familyText, 0);
    std::string second = CharacterAt(familyText, 1);
    return MakeFamilyNameCode(FindCharacter(first),
                              second.empty() ? DictionarySize : FindCharacter(second));
}

std::string FavoriteLine(const Favorite& favorite) {
    return std::to_string(std::uint64_t{favorite.familyCode} + kFamilyCodeOffset) + "," +
           std::to_string(std::uint64_t{favorite.givenCode} + kGivenCodeOffset);
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
    return Favorite{static_cast<std::uint32_t>(*family - kFamilyCodeOffset),
                    static_cast<GivenNameCode>(*given - kGivenCodeOffset)};
}

std::filesystem::path FavoritesFilePath() {
    std::filesystem::path folder = DataFolderPath();
    return folder.empty() ? folder : folder / "Favorites.Velisora";
}

FavoritesLoad LoadFavorites(const std::filesystem::path& path) {
    FavoritesLoad load;
    ReadAllResult all = ReadAllFavorites(path);
    if (!all.error.empty()) {
        load.error = std::move(all.error);
        load.errorLine = all.errorLine;
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
    LineSet lines;
    Insert(lines, favorites);
    return WriteLines(path, lines);
}

FavoritesWrite AddFavorites(const std::filesystem::path& path, std::span<const Favorite> added) {
    ReadAllResult all = ReadAllFavorites(path);
    if (!all.error.empty()) {
        return {all.error, all.errorLine, 0};
    }
    LineSet lines;
    Insert(lines, all.favorites);
    Insert(lines, added);
    return WriteLines(path, lines);
}

FavoritesWrite RewriteShownFavorites(const std::filesystem::path& path,
                                     std::span<const Favorite> keptRows,
                                     std::span<const Favorite> beyondShown) {
    LineSet lines;
    Insert(lines, keptRows);
    Insert(lines, beyondShown);
    return WriteLines(path, lines);
}

FavoritesWrite RemoveFavorite(const std::filesystem::path& path, const Favorite& favorite,
                              bool& removed) {
    removed = false;
    ReadAllResult all = ReadAllFavorites(path);
    if (!all.error.empty()) {
        return {all.error, all.errorLine, 0};
    }
    LineSet lines;
    for (const Favorite& f : all.favorites) {
        if (f == favorite) {
            removed = true;
        } else {
            lines.insert(FavoriteLine(f));
        }
    }
    return WriteLines(path, lines);
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
