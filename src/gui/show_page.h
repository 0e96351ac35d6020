#pragma once
// The main window's page controls never show tabs: a page is chosen by number.

class QStackedWidget;

namespace lumivane::gui {

void ShowPage(QStackedWidget* pageControl, int page);

}  // namespace lumivane::gui
