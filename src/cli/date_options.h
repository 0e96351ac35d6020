#pragma once
// The birth-date options shared by the commands that build a chart:
// --calendar solar|lunar|unknown, --date YYYY-MM-DD, --leap, --hour 0-23|unknown,
// --time HH:MM (the hour with its minute), --longitude DEG (the birthplace, for true solar
// time).

#include <optional>
#include <string>

#include "cli/arguments.h"
#include "core/chart/birth_chart.h"

namespace lumivane::cli {

inline const std::set<std::string> kDateValueOptions = {"--calendar", "--date", "--hour", "--time",
                                                        "--longitude"};
inline const std::set<std::string> kDateFlagOptions = {"--leap"};

// The date boxes as the window would show them for these options. Without
// --calendar the calendar is solar when --date is given, unknown otherwise.
// A date that does not exist, or lies outside the years the lists offer, is an error.
[[nodiscard]] std::optional<DateInputs> DateInputsFromOptions(const Arguments& arguments,
                                                              std::string& error);

}  // namespace lumivane::cli
