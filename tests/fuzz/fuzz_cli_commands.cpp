// Every lumivane-cli command on any argument list: it ends with 0, 1 or 2;
// bad input (2) always says why on stderr and prints nothing else; an option
// given twice is never taken; and the favourites file the commands share
// never becomes unreadable. The data folder is a scratch folder of its own.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/app/data_folder.h"
#include "core/results/favorites_file.h"
#include "fuzz_check.h"

namespace {

namespace fs = std::filesystem;
using lumivane::cli::CommandFunction;

struct Scratch {
    fs::path path = fs::temp_directory_path() / ("lumivane-fuzz-cli-" + std::to_string(::getpid()));
    Scratch() {
        fs::create_directories(path);
        ::setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

const Scratch& Home() {
    static const Scratch scratch;
    return scratch;
}

struct Entry {
    const char* name;
    CommandFunction run;
};

// "name" runs whole requests; it comes up as often as the others.
const Entry kCommands[] = {
    {"dict", lumivane::cli::RunDict},
    {"score", lumivane::cli::RunScore},
    {"name", lumivane::cli::RunName},
    {"chart", lumivane::cli::RunChart},
    {"url", lumivane::cli::RunUrl},
    {"page", lumivane::cli::RunPage},
    {"lunar", lumivane::cli::RunLunar},
    {"solar", lumivane::cli::RunSolar},
    {"pillars", lumivane::cli::RunPillars},
    {"terms", lumivane::cli::RunTerms},
    {"favorites", lumivane::cli::RunFavorites},
};

const char* const kWords[] = {
    "--family",   "--sex",      "--length",   "--advanced", "--filters",
    "--sort",     "--json",     "--tsv",      "--seed",     "--pdf",
    "--layout",   "--calendar", "--date",     "--leap",     "--hour",
    "--today",    "--from",     "--to",       "--site",     "--tag",
    "--year",     "--",         "王",         " 明 ",       "欧阳",
    "欧阳修",     "王王王",     "明华",       "丂",         "😀",
    "男",         "女",         "1",          "2",          "-1",
    "0",          "23",         "unknown",    "solar",      "lunar",
    "2024-02-29", "2024-02-31", "1949-01-01", "2039-12-31", "list",
    "add",        "remove",     "repair",     "N22Click",   "lumivane://site/sm/yuce/wnl.asp",
    "simple",     "detailed",   "/dev/zero",  "/dev/full",  "/",
    "格局评分",   "7",          "2147483647", "",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path favorites = Home().path / "Velisora" / "Favorites.Velisora";
    FuzzedDataProvider input(data, size);
    const Entry& command =
        kCommands[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kCommands) - 1)];
    std::vector<std::string> args;
    while (input.remaining_bytes() > 0 && args.size() < 12) {
        if (input.ConsumeIntegralInRange(0, 3) > 0) {
            std::string word =
                kWords[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kWords) - 1)];
            // Options also come with their value after "=".
            if (word.size() > 2 && word.rfind("--", 0) == 0 && input.ConsumeBool()) {
                word += "=";
                word += kWords[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kWords) - 1)];
            }
            args.push_back(std::move(word));
        } else {
            args.push_back(input.ConsumeRandomLengthString(16));
        }
    }
    // A PDF is only ever written into the scratch folder.
    for (std::size_t k = 0; k + 1 < args.size(); ++k) {
        if (args[k] == "--pdf" || args[k].rfind("--pdf=", 0) == 0) {
            args[k] = "--pdf=" + (Home().path / "list.pdf").string();
        }
    }

    std::ostringstream out;
    std::ostringstream err;
    lumivane::cli::CommandIo io{out, err};
    const int exitCode = command.run(args, io);

    FUZZ_CHECK(exitCode == 0 || exitCode == 1 || exitCode == 2);
    if (exitCode == 2) {
        FUZZ_CHECK(err.str().rfind("lumivane-cli ", 0) == 0);
        FUZZ_CHECK(out.str().empty());
    }
    if (exitCode != 0) {
        FUZZ_CHECK(!err.str().empty());
    }
    // The same option twice is refused before anything runs. Checked where
    // every option carries its value after "=", so that no word can be
    // another option's value.
    std::set<std::string> seen;
    bool repeated = false;
    bool allInline = true;
    for (const std::string& arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
            const std::size_t equals = arg.find('=');
            allInline &= equals != std::string::npos;
            repeated |= !seen.insert(arg.substr(0, equals)).second;
        }
    }
    repeated &= allInline;
    if (repeated) {
        FUZZ_CHECK(exitCode == 2);
    }
    // No command leaves the favourites unreadable.
    std::error_code ignored;
    if (fs::exists(favorites, ignored)) {
        FUZZ_CHECK(lumivane::LoadFavorites(favorites).ok());
    }
    return 0;
}
