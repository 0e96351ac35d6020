#include "gui/app_style.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QItemDelegate>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace lumivane::gui {
namespace {

class DropDownRowDelegate final : public QItemDelegate {
public:
    using QItemDelegate::QItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 6));
        return size;
    }
};

}  // namespace

AppStyle::AppStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int AppStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                        QStyleHintReturn* returnData) const {
    switch (hint) {
        case SH_ComboBox_Popup:
            // A list popup honours maxVisibleItems; the menu-like one does not.
            return 0;
        case SH_MenuBar_AltKeyNavigation:
            return 1;
        case SH_UnderlineShortcut:
            return 1;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void AppStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus)) {
        return;
    }
    // Two pixels in the selection colour, inside the button's edge.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    QPen pen(option->palette.color(QPalette::Highlight), 2);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    painter->restore();
}

void AppStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // A drop-down's list is made when it first opens, and polished before its
    // rows are measured: its delegate is set then. Asking the combo box for
    // its delegate earlier would make every list at start, and asking it here
    // could make a second list while the first is still in the making.
    auto* view = qobject_cast<QAbstractItemView*>(widget);
    QWidget* container = view != nullptr ? view->parentWidget() : nullptr;
    if (container != nullptr && container->inherits("QComboBoxPrivateContainer") &&
        dynamic_cast<DropDownRowDelegate*>(view->itemDelegate()) == nullptr) {
        view->setItemDelegate(new DropDownRowDelegate(view));
    }
}

void InstallAppStyle() {
    if (qobject_cast<AppStyle*>(QApplication::style()) != nullptr) {
        return;
    }
    QApplication::setStyle(new AppStyle);
}

}  // namespace lumivane::gui
