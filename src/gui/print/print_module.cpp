// The printed lists as a module of their own: the program loads it with the
// first print or PDF export, so Qt Print Support stays out of its start.

#include "report/report_print_service.h"

extern "C" {

__attribute__((visibility("default"))) lumivane::gui::PrintService* LumivaneCreatePrintService() {
    return new lumivane::report::ReportPrintService;
}
}
