#pragma once
// fontconfig reads its configuration (some fifty XML files) before the first
// font can be looked up, the largest single cost of the start. It needs no Qt,
// so it runs on a thread of its own while the application object, the
// single-copy check, the icon theme and every part of the main window that
// measures no text are set up; the first text measured waits for it.

namespace lumivane::gui {

// Starts the reading; a second call while it runs does nothing.
void BeginReadingFontConfiguration();

// Waits for the reading to end; does nothing when none was started. Called
// before anything measures or draws text, and before the program ends.
void FinishReadingFontConfiguration();

}  // namespace lumivane::gui
