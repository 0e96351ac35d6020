// WriteReportPdf for builds without Qt (the sanitizer build of the core and
// the command line): PDF output is reported as missing, never faked.
#include "report/report_pdf.h"

namespace lumivane {

bool WriteReportPdf(const std::string& /*path*/, ReportLayout /*layout*/,
                    const std::string& /*memoText*/, const std::vector<ResultRow>& /*rows*/,
                    std::string& error, const std::string& /*avoidText*/) {
    error = "本版本未包含 PDF 输出功能";
    return false;
}

}  // namespace lumivane
