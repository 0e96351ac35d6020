// The favourites reader on any bytes: what an editor adds (byte-order mark,
// blank lines, blanks, CRs) never makes damage; every other line either loads
// as a favourite of the dictionary or is damaged; setting the damaged lines
// aside keeps every line, good or damaged, in one of the two files.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/results/favorites_file.h"
#include "fuzz_check.h"
#include "fuzz_files.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
    static const fuzz_files::ScratchFolder scratch("lumivane-fuzz-reader");
    return scratch.path();
}

using fuzz_files::Get;
using fuzz_files::Put;

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The lines as the reader should see them: BOM off, blanks and CRs trimmed,
// blank lines left out.
std::vector<std::string> MeaningfulLines(std::string bytes) {
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        bytes.erase(0, 3);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::size_t first = start;
        std::size_t last = end;
        while (last > first && Blank(bytes[last - 1])) {
            --last;
        }
        while (first < last && (bytes[first] == ' ' || bytes[first] == '\t')) {
            ++first;
        }
        if (last > first) {
            lines.push_back(bytes.substr(first, last - first));
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const fs::path path = Folder() / "Favorites.Velisora";
    const fs::path damagedPath = lumivane::DamagedLinesPath(path);
    fs::remove(damagedPath);
    Put(path, bytes);

    const std::vector<std::string> lines = MeaningfulLines(bytes);
    std::vector<std::string> good;
    std::vector<std::string> damaged;
    for (const std::string& line : lines) {
        auto favorite = lumivane::ParseFavoriteLine(line);
        if (favorite) {
            FUZZ_CHECK(lumivane::IsKnownFavorite(*favorite));
            good.push_back(lumivane::FavoriteLine(*favorite));
        } else {
            damaged.push_back(line);
        }
    }

    lumivane::FavoritesLoad load = lumivane::LoadFavorites(path);
    FUZZ_CHECK(load.ok() == damaged.empty());
    FUZZ_CHECK(load.damagedLines == damaged.size());
    if (load.ok()) {
        FUZZ_CHECK(load.shown.size() + load.beyond.size() == good.size());
        return 0;
    }
    FUZZ_CHECK(load.errorLine >= 1);

    lumivane::FavoritesRepair repair = lumivane::SetAsideDamagedLines(path);
    FUZZ_CHECK(repair.ok());
    FUZZ_CHECK(repair.moved == damaged.size());
    // The damaged lines as they were, one a line; the good ones still load.
    std::string expected;
    for (const std::string& line : damaged) {
        expected += line + "\r\n";
    }
    FUZZ_CHECK(Get(damagedPath) == expected);
    lumivane::FavoritesLoad after = lumivane::LoadFavorites(path);
    FUZZ_CHECK(after.ok());
    std::vector<std::string> kept;
    for (const auto* part : {&after.shown, &after.beyond}) {
        for (const lumivane::Favorite& favorite : *part) {
            kept.push_back(lumivane::FavoriteLine(favorite));
        }
    }
    // Rewrites drop repeats and sort; every good line is still there.
    for (const std::string& line : good) {
        FUZZ_CHECK(std::find(kept.begin(), kept.end(), line) != kept.end());
    }
    FUZZ_CHECK(kept.size() == repair.kept);
    return 0;
}
