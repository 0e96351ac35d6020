#pragma once
// What QtWebEngine needs from the process before the QApplication exists. It
// needs no web engine library itself, so the program can set it at start and
// load the browser window only when a page is first opened.

namespace lumivane::gui {

// Sets in this process's own environment what QtWebEngine needs, before the
// QApplication is constructed: Chromium's sandbox cannot start for root, and
// the offscreen platform has no GPU to offer. Leaves the user's own
// QTWEBENGINE_CHROMIUM_FLAGS in place and adds to them.
void PrepareWebEngine(int argc, char** argv);

}  // namespace lumivane::gui
