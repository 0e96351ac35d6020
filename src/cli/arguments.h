#pragma once
// Command-line argument parsing shared by every lumivane-cli command.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lumivane::cli {

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--family" -> "王"
    std::set<std::string> flags;                 // "--leap"

    [[nodiscard]] bool Has(const std::string& name) const {
        return flags.count(name) > 0 || options.count(name) > 0;
    }
    [[nodiscard]] std::optional<std::string> Value(const std::string& name) const;
};

struct ArgumentSpec {
    std::set<std::string> valueOptions;  // options followed by a value ("--date X" or "--date=X")
    std::set<std::string> flagOptions;   // options without a value
    std::size_t minPositional = 0;
    std::size_t maxPositional = 0;
};

// Fails with a message for an unknown option, a missing value or a wrong
// number of positional arguments.
[[nodiscard]] std::optional<Arguments> ParseArguments(const std::vector<std::string>& args,
                                                      const ArgumentSpec& spec, std::string& error);

// Whole-string decimal integer within [low, high], no blanks or signs beyond a leading '-'.
[[nodiscard]] std::optional<long long> ParseInteger(const std::string& text, long long low,
                                                    long long high);

}  // namespace lumivane::cli
