#pragma once
// Keyboard and screen-reader access of the main window and the filter dialog:
// an explicit tab order in reading order, Alt shortcuts that open the menus,
// and accessible names for the controls whose caption stands in a separate
// label or that show only an icon. Everything is found by objectName, so the
// windows keep building their widgets as they like.

class QDialog;
class QMainWindow;

namespace lumivane::gui {

// Mnemonics of the main menus, by the pinyin of their captions, written after
// the caption: "起名功能(&Q)".
struct MenuShortcut {
    const char* menu;  // objectName of the QMenu
    char key;          // with Alt
};
inline constexpr MenuShortcut kMenuShortcuts[] = {
    {"N1", 'Q'}, {"N2", 'C'}, {"N4", 'T'}, {"N5", 'G'}};

// Input strip edt_FirstName → … → btn_SelectName, then the result pages'
// controls; menu shortcuts; accessible names. Call once the window is built.
void SetMainWindowKeyboardAccess(QMainWindow* window);

// The result pages' part of that, again once they are built (they may be
// made after the window).
void SetResultPagesKeyboardAccess(QMainWindow* window);

// The pages' controls row by row, then 重置, 确定, 取消; accessible names of
// the boxes, spin boxes and lists that stand beside a row's check box.
void SetFilterDialogKeyboardAccess(QDialog* dialog);

}  // namespace lumivane::gui
