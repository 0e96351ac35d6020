#include "gui/app_style.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace lumivane::gui {

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

void InstallAppStyle() {
    if (qobject_cast<AppStyle*>(QApplication::style()) != nullptr) {
        return;
    }
    QApplication::setStyle(new AppStyle);
}

}  // namespace lumivane::gui
