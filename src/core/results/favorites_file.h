#pragma once
// The favourites file "Favorites.Velisora" in the data folder: one favourite
// a line, "family-name code + 73,given-name code + 37" in decimal, lines
// ended by CR LF. Every rewrite sorts the lines in ascending text order
// without repeats, goes through a temporary file and a rename under a lock on
// a file beside it, and writes nothing when the file holds a line it cannot
// read.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/name_corpora.h"
#include "core/results/result_row.h"

namespace lumivane {

struct CandidateList;

inline constexpr std::uint32_t kFamilyCodeOffset = 73;
inline constexpr std::uint32_t kGivenCodeOffset = 37;
// The favourites view shows at most this many, the capacity of its list.
inline constexpr std::size_t kFavoritesShown = 2000;

struct Favorite {
    std::uint32_t familyCode = 0;  // first index × 65536 + second index
    GivenNameCode givenCode = 0;
    friend bool operator==(const Favorite&, const Favorite&) = default;
};

// First × 65536 + second; a missing second character (and any character not in
// the dictionary) counts as DictionarySize.
[[nodiscard]] constexpr std::uint32_t MakeFamilyNameCode(std::uint32_t first,
                                                         std::uint32_t second) {
    return first * 65536u + second;
}
// The code of a typed family name: its first two characters looked up as the
// request does (a traditional character by its simplified record).
[[nodiscard]] std::uint32_t FamilyNameCodeOf(std::string_view familyText);

// The favourites of the rows whose check box equals checked, in row order.
[[nodiscard]] std::vector<Favorite> FavoritesOfRows(const std::vector<ResultRow>& rows,
                                                    bool checked);

[[nodiscard]] std::string FavoriteLine(const Favorite& favorite);
// Whether the codes name characters the dictionary holds: every family index
// at most DictionarySize (no character), the first given index below it, the
// second given index at most DictionarySize or kNoSecondCharacter. Anything
// else would load as an empty or wrong name with a score.
[[nodiscard]] bool IsKnownFavorite(const Favorite& favorite);
// Two decimal integers (digits only, at least the offsets) and one comma,
// whose codes IsKnownFavorite accepts.
[[nodiscard]] std::optional<Favorite> ParseFavoriteLine(std::string_view line);

// Where SetAsideDamagedLines keeps the lines it takes out of the file:
// "Favorites.Velisora.damaged" beside it.
[[nodiscard]] std::filesystem::path DamagedLinesPath(const std::filesystem::path& path);

// Beside the count of a favourites view that cannot show every line, e.g.
// "另有 500 个收藏未显示（最多显示 2000 个）"; empty when none is left out.
[[nodiscard]] std::string FavoritesNotShownText(std::size_t notShown);

struct FavoritesLoad {
    std::vector<Favorite> shown;   // the first kFavoritesShown lines, in file order
    std::vector<Favorite> beyond;  // the lines after them, kept for rewrites
    // Every line in file order, as the view was filled from it.
    [[nodiscard]] std::vector<Favorite> All() const;
    std::string error;             // empty on success
    std::size_t errorLine = 0;     // 1-based line of the first malformed line, else 0
    std::size_t damagedLines = 0;  // how many lines could not be read
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Creates a missing file empty, then reads every line in file order. What an
// editor adds is no damage: a UTF-8 byte-order mark, blank lines, blanks at
// either end of a line, LF or CR LF (or doubled CRs) as line ends. A line that
// still is not a favourite fails the whole load with a message naming its
// number and text.
[[nodiscard]] FavoritesLoad LoadFavorites(const std::filesystem::path& path);

// Fills the candidate list with the shown favourites (given codes and their
// family codes); on a failed load the list is left as it was.
[[nodiscard]] FavoritesLoad LoadFavorites(const std::filesystem::path& path,
                                          CandidateList& candidates);

struct FavoritesWrite {
    std::string error;  // empty on success; the file is unchanged otherwise
    std::size_t errorLine = 0;
    std::size_t lineCount = 0;  // lines in the file after the write
    // RemoveFavorites: the file held other lines than the view showed.
    bool changedMeanwhile = false;
    std::vector<Favorite> content;  // the file after the write, in its order
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// How long a change waits for another program that is changing the file.
inline constexpr std::chrono::milliseconds kFavoritesLockPatience{10000};

// Every change below is a read-modify-write of the file as it is at that
// moment, under a lock on a file beside it, so that the command line and the
// window changing the favourites at the same time lose nothing. Each rewrite
// sorts the lines and drops repeats; a file with a line that cannot be read is
// never rewritten.

// Writes exactly these favourites, sorted and without repeats.
[[nodiscard]] FavoritesWrite WriteFavorites(const std::filesystem::path& path,
                                            std::span<const Favorite> favorites);

// The naming view's "收藏所选": the file's lines plus the checked rows.
[[nodiscard]] FavoritesWrite AddFavorites(const std::filesystem::path& path,
                                          std::span<const Favorite> added);

// The favourites view's "移出收藏": every line of the ticked favourites is
// taken out of the file as it now is; lines added meanwhile, and those beyond
// the ones the view could show, stay. `shownFile` is the file's content when
// the view was filled (shown and beyond, in file order): when the file now
// differs from it, the result says so, so that the view can be shown again.
[[nodiscard]] FavoritesWrite RemoveFavorites(const std::filesystem::path& path,
                                             std::span<const Favorite> removed,
                                             std::span<const Favorite> shownFile);

// Removes every line of the favourite; `removed` tells whether there was one.
[[nodiscard]] FavoritesWrite RemoveFavorite(const std::filesystem::path& path,
                                            const Favorite& favorite, bool& removed);

struct FavoritesRepair {
    std::string error;      // empty on success; both files unchanged otherwise
    std::size_t moved = 0;  // damaged lines set aside
    std::size_t kept = 0;   // favourites left in the file
    std::filesystem::path damagedPath;
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// The way out of a damaged file: appends the lines that cannot be read, as
// they were, to DamagedLinesPath and rewrites the file with the others, so the
// favourites can be used again and nothing is thrown away.
[[nodiscard]] FavoritesRepair SetAsideDamagedLines(const std::filesystem::path& path);

}  // namespace lumivane
