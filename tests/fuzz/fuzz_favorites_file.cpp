// The favourites file: any bytes on disk load or fail with the line they
// stopped at; a file that cannot be read is never rewritten; every change
// keeps every other favourite.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/results/favorites_file.h"
#include "fuzz_check.h"
#include "fuzz_files.h"

namespace {

namespace fs = std::filesystem;
using lumivane::Favorite;

const fs::path& Folder() {
    static const fuzz_files::ScratchFolder scratch("lumivane-fuzz-favorites");
    return scratch.path();
}

using fuzz_files::Get;
using fuzz_files::Put;

// The file's favourites as their lines, the order every rewrite keeps.
std::set<std::string> Lines(const lumivane::FavoritesLoad& load) {
    std::set<std::string> lines;
    for (const auto* part : {&load.shown, &load.beyond}) {
        for (const Favorite& favorite : *part)
            lines.insert(lumivane::FavoriteLine(favorite));
    }
    return lines;
}

Favorite AnyFavorite(FuzzedDataProvider& input) {
    return {input.ConsumeIntegral<std::uint32_t>(), input.ConsumeIntegral<std::uint32_t>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Favorite added = AnyFavorite(input);
    const bool removeOne = input.ConsumeBool();
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const fs::path path = Folder() / "Favorites.Velisora";
    Put(path, bytes);

    // Any line parses back from the text it prints to.
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        if (auto favorite = lumivane::ParseFavoriteLine(bytes.substr(start, end - start))) {
            FUZZ_CHECK(lumivane::ParseFavoriteLine(lumivane::FavoriteLine(*favorite)) == favorite);
        }
        start = end + 1;
    }

    lumivane::FavoritesLoad load = lumivane::LoadFavorites(path);
    if (!load.ok()) {
        FUZZ_CHECK(load.errorLine >= 1);
        FUZZ_CHECK(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1 >=
                   load.errorLine);
        FUZZ_CHECK(load.shown.empty() && load.beyond.empty());
        // Neither adding nor removing may overwrite what could not be read.
        FUZZ_CHECK(!lumivane::AddFavorites(path, {&added, 1}).ok());
        bool removed = true;
        FUZZ_CHECK(!lumivane::RemoveFavorite(path, added, removed).ok());
        FUZZ_CHECK(!removed);
        FUZZ_CHECK(Get(path) == bytes);
        return 0;
    }
    FUZZ_CHECK(load.shown.size() <= lumivane::kFavoritesShown);
    FUZZ_CHECK(load.beyond.empty() || load.shown.size() == lumivane::kFavoritesShown);
    const std::set<std::string> before = Lines(load);

    std::set<std::string> expected = before;
    lumivane::FavoritesWrite write;
    if (!removeOne && !lumivane::IsKnownFavorite(added)) {
        // Codes of no character are never written.
        FUZZ_CHECK(!lumivane::AddFavorites(path, {&added, 1}).ok());
        FUZZ_CHECK(Get(path) == bytes);
        return 0;
    }
    if (removeOne) {
        bool removed = false;
        write = lumivane::RemoveFavorite(path, added, removed);
        FUZZ_CHECK(removed == (expected.erase(lumivane::FavoriteLine(added)) == 1));
    } else {
        write = lumivane::AddFavorites(path, {&added, 1});
        expected.insert(lumivane::FavoriteLine(added));
    }
    FUZZ_CHECK(write.ok());
    FUZZ_CHECK(write.lineCount == expected.size());

    lumivane::FavoritesLoad after = lumivane::LoadFavorites(path);
    FUZZ_CHECK(after.ok());
    FUZZ_CHECK(Lines(after) == expected);
    // Rewritten files are sorted, without repeats, each line ended by CR LF.
    std::string sorted;
    for (const std::string& line : expected)
        sorted += line + "\r\n";
    FUZZ_CHECK(Get(path) == sorted);
    return 0;
}
