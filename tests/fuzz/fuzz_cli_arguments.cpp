// The command-line parser: any argument list parses or fails with a message,
// and a parse keeps every argument in its place.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "fuzz_check.h"

namespace {

const char* const kNames[] = {"--date", "--family", "--leap", "--json", "--from",
                              "--to",   "--hour",   "--sex",  "--x",    "-"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    lumivane::cli::ArgumentSpec spec;
    for (const char* name : kNames) {
        switch (input.ConsumeIntegralInRange(0, 2)) {
            case 1:
                spec.valueOptions.insert(name);
                break;
            case 2:
                spec.flagOptions.insert(name);
                break;
            default:
                break;
        }
    }
    spec.minPositional = input.ConsumeIntegralInRange<std::size_t>(0, 4);
    spec.maxPositional = spec.minPositional + input.ConsumeIntegralInRange<std::size_t>(0, 3);
    const long long low = input.ConsumeIntegral<long long>();
    const long long high = input.ConsumeIntegral<long long>();

    std::vector<std::string> args;
    while (input.remaining_bytes() > 0 && args.size() < 32) {
        if (input.ConsumeBool()) {
            std::string arg = kNames[input.ConsumeIntegralInRange<std::size_t>(0, 9)];
            if (input.ConsumeBool())
                arg += "=" + input.ConsumeRandomLengthString(8);
            args.push_back(arg);
        } else {
            args.push_back(input.ConsumeRandomLengthString(12));
        }
    }

    std::string error;
    auto parsed = lumivane::cli::ParseArguments(args, spec, error);
    if (!parsed) {
        FUZZ_CHECK(!error.empty());
    } else {
        FUZZ_CHECK(parsed->positional.size() >= spec.minPositional);
        FUZZ_CHECK(parsed->positional.size() <= spec.maxPositional);
        FUZZ_CHECK(parsed->positional.size() + parsed->options.size() + parsed->flags.size() <=
                   args.size());
        for (const auto& [name, value] : parsed->options) {
            FUZZ_CHECK(spec.valueOptions.count(name) == 1);
            FUZZ_CHECK(parsed->Has(name));
            FUZZ_CHECK(parsed->Value(name) == value);
        }
        for (const std::string& flag : parsed->flags) {
            FUZZ_CHECK(spec.flagOptions.count(flag) == 1);
            FUZZ_CHECK(!parsed->Value(flag).has_value());
        }
        // Every positional argument is one of the inputs, in input order.
        std::size_t next = 0;
        for (const std::string& positional : parsed->positional) {
            while (next < args.size() && args[next] != positional)
                ++next;
            FUZZ_CHECK(next < args.size());
            ++next;
        }
    }

    for (const std::string& text : args) {
        auto number = lumivane::cli::ParseInteger(text, low, high);
        if (!number)
            continue;
        FUZZ_CHECK(*number >= low && *number <= high);
        FUZZ_CHECK(!text.empty());
        for (std::size_t i = 0; i < text.size(); ++i) {
            FUZZ_CHECK((text[i] >= '0' && text[i] <= '9') || (i == 0 && text[i] == '-'));
        }
        FUZZ_CHECK(std::stoll(text) == *number);
    }
    return 0;
}
