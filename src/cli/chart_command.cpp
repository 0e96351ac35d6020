// lumivane-cli chart [--family 王] [date options]: the birth chart alone.

#include <ostream>

#include "cli/arguments.h"
#include "cli/chart_json.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "core/app/name_input.h"

namespace lumivane::cli {

int RunChart(const std::vector<std::string>& args, CommandIo& io) {
    ArgumentSpec spec{kDateValueOptions, kDateFlagOptions, 0, 0};
    spec.valueOptions.insert("--family");
    std::string error;
    auto parsed = ParseArguments(args, spec, error);
    if (!parsed) {
        return BadInput(io, "chart", error);
    }
    // The family name only titles a link, but it is read as every command
    // reads it.
    std::string family;
    if (auto text = parsed->Value("--family")) {
        FamilyNameInput input = ParseFamilyNameInput(*text);
        if (!input.ok()) {
            return BadInput(io, "chart", input.error);
        }
        family = input.trimmed;
    }
    auto inputs = DateInputsFromOptions(*parsed, error);
    if (!inputs) {
        return BadInput(io, "chart", error);
    }
    BirthFields fields;
    SystemClock clock;
    BirthChartResult chart = ComputeBirthChart(*inputs, family, fields, clock);
    if (!chart.ok) {
        return BadInput(io, "chart", chart.error);
    }
    io.out << ChartJson(chart.chart, fields).Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
