#pragma once
// The program's start: one copy per user, then the windows in their order.

namespace lumivane::gui {

// Ends with 0 at once when another copy runs (after asking it to come to the
// front); otherwise runs until the main window is closed.
int RunApplication(int argc, char** argv);

// The application-wide settings every window relies on: title, fonts, icons.
void PrepareApplication();

}  // namespace lumivane::gui
