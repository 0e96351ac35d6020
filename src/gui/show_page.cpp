#include "gui/show_page.h"

#include <QStackedWidget>

namespace lumivane::gui {

void ShowPage(QStackedWidget* pageControl, int page) {
    if (pageControl != nullptr && page >= 0 && page < pageControl->count()) {
        pageControl->setCurrentIndex(page);
    }
}

}  // namespace lumivane::gui
