#pragma once
// The printed name lists written to a PDF file from the command line. This
// header needs no Qt; in a build without the report engine WriteReportPdf
// answers that PDF output is not built in.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/result_row.h"

namespace lumivane {

enum class ReportLayout { Simple, Detailed };

// "simple" or "detailed".
[[nodiscard]] inline std::optional<ReportLayout> ParseReportLayout(std::string_view text) {
    if (text == "simple") {
        return ReportLayout::Simple;
    }
    if (text == "detailed") {
        return ReportLayout::Detailed;
    }
    return std::nullopt;
}

// Writes the simple list (memoText, the text of RebuildNameMemo) or the
// detailed list (rows, in the order given) as an A4 PDF to path. Creates an
// application object on the offscreen platform when the process has none, so
// no display is needed. False with a reason in error when nothing was written.
// avoidText, when not empty, is named in the page header (不用的字).
[[nodiscard]] bool WriteReportPdf(const std::string& path, ReportLayout layout,
                                  const std::string& memoText, const std::vector<ResultRow>& rows,
                                  std::string& error, const std::string& avoidText = {});

}  // namespace lumivane
