#pragma once
// What both start-up probes tell the benchmark: one byte on the descriptor it
// names in LUMIVANE_PROBE_FD, written once the window has been painted.

#include <unistd.h>

#include <QtGlobal>

inline void ReportFirstShown() {
    bool ok = false;
    const int fd = qEnvironmentVariableIntValue("LUMIVANE_PROBE_FD", &ok);
    if (ok) {
        const char shown = 's';
        (void)!::write(fd, &shown, 1);
    }
}
