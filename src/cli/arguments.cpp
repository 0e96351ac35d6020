#include "cli/arguments.h"

#include <charconv>
#include <ostream>

#include "cli/commands.h"

namespace lumivane::cli {

int BadInput(CommandIo& io, const char* command, const std::string& message) {
    io.err << "lumivane-cli " << command << ": " << message << '\n';
    return kExitBadInput;
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args,
                                        const ArgumentSpec& spec, std::string& error) {
    Arguments result;
    bool onlyPositional = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyPositional || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            result.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyPositional = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        // The same option twice would silently keep only one of the two.
        if (result.Has(name)) {
            error = "选项 " + name + " 只能给一次";
            return std::nullopt;
        }
        if (spec.flagOptions.count(name) > 0) {
            if (inlineValue) {
                error = "选项 " + name + " 不带值";
                return std::nullopt;
            }
            result.flags.insert(name);
        } else if (spec.valueOptions.count(name) > 0) {
            if (inlineValue) {
                result.options[name] = *inlineValue;
            } else if (i + 1 < args.size()) {
                result.options[name] = args[++i];
            } else {
                error = "选项 " + name + " 需要一个值";
                return std::nullopt;
            }
        } else {
            error = "未知的选项 " + name;
            return std::nullopt;
        }
    }
    if (result.positional.size() < spec.minPositional ||
        result.positional.size() > spec.maxPositional) {
        error = spec.minPositional == spec.maxPositional
                    ? "需要 " + std::to_string(spec.minPositional) + " 个参数"
                    : "需要 " + std::to_string(spec.minPositional) + " 到 " +
                          std::to_string(spec.maxPositional) + " 个参数";
        error += "，实际有 " + std::to_string(result.positional.size()) + " 个";
        return std::nullopt;
    }
    return result;
}

std::optional<long long> ParseInteger(const std::string& text, long long low, long long high) {
    long long value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace lumivane::cli
