#include "gui/keyboard_access.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStringList>
#include <QToolBar>

namespace lumivane::gui {

namespace {

// Chains the named widgets, skipping names the window does not have (a page
// built without one of them still gets the rest in order).
void ChainTabOrder(QWidget* window, const QStringList& names) {
    QWidget* previous = nullptr;
    for (const QString& name : names) {
        QWidget* widget = window->findChild<QWidget*>(name);
        if (widget == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

// The name, and for pick-lists the description too: on Linux a pick-list's
// accessible name is its current entry, so readers announce the description.
void NameForAccess(QWidget* window, const QString& name, const QString& accessible) {
    if (QWidget* widget = window->findChild<QWidget*>(name)) {
        widget->setAccessibleName(accessible);
        if (widget->inherits("QComboBox")) {
            widget->setAccessibleDescription(accessible);
        }
    }
}

// Makes the caption label of the strip, found by its text, the buddy of its
// control: screen readers on Linux take a pick-list's name from that relation
// (its own name is its current entry there).
void LabelBuddy(QWidget* strip, const QString& caption, const QString& name) {
    QWidget* control = strip->findChild<QWidget*>(name);
    if (control == nullptr) {
        return;
    }
    for (QLabel* label : strip->findChildren<QLabel*>()) {
        if (label->text() == caption && label->buddy() == nullptr) {
            label->setBuddy(control);
            return;
        }
    }
}

// The caption of a row's check box, without the colon, names the controls of its row.
QString RowCaption(QWidget* dialog, const QString& boxName) {
    const auto* box = dialog->findChild<QAbstractButton*>(boxName);
    if (box == nullptr) {
        return boxName;
    }
    QString caption = box->text().trimmed();
    while (caption.endsWith(QChar(0xFF1A)) || caption.endsWith(QLatin1Char(':'))) {
        caption.chop(1);
        caption = caption.trimmed();
    }
    return caption;
}

}  // namespace

void SetResultPagesKeyboardAccess(QMainWindow* window) {
    ChainTabOrder(window, {"btn_SelectName",
                           // simple list page
                           "mmo_NameList", "cmb_Sort1", "btn_ShowNameProperty", "btn_Print1",
                           // detailed list page
                           "listview_Result", "cmb_sort2", "btn_ReturnSimple", "btn_Print2",
                           "btn_AddFavorites", "btn_UndoRemove"});
    // Whole rows are selected, so Tab leaves the list instead of walking its cells.
    if (auto* view = window->findChild<QAbstractItemView*>(QStringLiteral("listview_Result"))) {
        view->setTabKeyNavigation(false);
    }
    NameForAccess(window, "mmo_NameList", QStringLiteral("名字列表"));
    NameForAccess(window, "listview_Result", QStringLiteral("详细列表"));
    NameForAccess(window, "cmb_Sort1", QStringLiteral("排序"));
    NameForAccess(window, "cmb_sort2", QStringLiteral("排序"));
}

void SetMainWindowKeyboardAccess(QMainWindow* window) {
    ChainTabOrder(window,
                  {"edt_FirstName", "cmb_NameLength", "cmb_Sex", "cmb_CalendarType", "cmb_Year",
                   "cmb_Month", "cmb_Day", "cmb_Hour", "btn_CreateName", "btn_SelectName"});
    SetResultPagesKeyboardAccess(window);

    // The captions before (年 月 日 时: after) these controls are separate
    // labels; they become the controls' labels for screen readers, and the
    // controls get names of their own as well.
    if (QWidget* strip = window->findChild<QWidget*>(QStringLiteral("Panel2"))) {
        LabelBuddy(strip, QStringLiteral("姓"), QStringLiteral("edt_FirstName"));
        LabelBuddy(strip, QStringLiteral("名字字数"), QStringLiteral("cmb_NameLength"));
        LabelBuddy(strip, QStringLiteral("性别"), QStringLiteral("cmb_Sex"));
        LabelBuddy(strip, QStringLiteral("出生时间："), QStringLiteral("cmb_CalendarType"));
        LabelBuddy(strip, QStringLiteral("年"), QStringLiteral("cmb_Year"));
        LabelBuddy(strip, QStringLiteral("月"), QStringLiteral("cmb_Month"));
        LabelBuddy(strip, QStringLiteral("日"), QStringLiteral("cmb_Day"));
        LabelBuddy(strip, QStringLiteral("时"), QStringLiteral("cmb_Hour"));
    }
    NameForAccess(window, "edt_FirstName", QStringLiteral("姓"));
    NameForAccess(window, "cmb_NameLength", QStringLiteral("名字字数"));
    NameForAccess(window, "cmb_Sex", QStringLiteral("性别"));
    NameForAccess(window, "cmb_CalendarType", QStringLiteral("出生时间的历法"));
    NameForAccess(window, "cmb_Year", QStringLiteral("出生年"));
    NameForAccess(window, "cmb_Month", QStringLiteral("出生月"));
    NameForAccess(window, "cmb_Day", QStringLiteral("出生日"));
    NameForAccess(window, "cmb_Hour", QStringLiteral("出生时辰"));
    // The overflow buttons that a narrow window shows carry only an arrow.
    for (QToolBar* bar : window->findChildren<QToolBar*>()) {
        NameForAccess(bar, "qt_toolbar_ext_button", QStringLiteral("更多工具按钮"));
    }
    NameForAccess(window->menuBar(), "qt_menubar_ext_button", QStringLiteral("更多菜单"));

    // The menu bar's own mnemonics, "起名功能(&Q)" as Chinese programs write
    // them: Alt+Q opens the menu, and in an open menu bar Q alone does.
    QMenuBar* bar = window->menuBar();
    QMenu* firstMenu = nullptr;
    for (const auto& entry : kMenuShortcuts) {
        QMenu* menu = bar->findChild<QMenu*>(QLatin1String(entry.menu));
        if (menu == nullptr) {
            continue;
        }
        if (firstMenu == nullptr) {
            firstMenu = menu;
        }
        if (!menu->title().contains(QLatin1Char('&'))) {
            menu->setTitle(
                QStringLiteral("%1(&%2)").arg(menu->title()).arg(QLatin1Char(entry.key)));
        }
    }
    // F10 opens the first menu; the arrow keys go on from there.
    if (firstMenu != nullptr) {
        auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
        f10->setObjectName(QStringLiteral("shortcut_F10"));
        QObject::connect(f10, &QShortcut::activated, bar,
                         [bar, firstMenu] { bar->setActiveAction(firstMenu->menuAction()); });
    }
    // The menus have no 退出; Ctrl+Q closes the window as its
    // close button does (the window's place is saved on the way).
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), window);
    quit->setObjectName(QStringLiteral("shortcut_Quit"));
    QObject::connect(quit, &QShortcut::activated, window, &QWidget::close);
}

void SetFilterDialogKeyboardAccess(QDialog* dialog) {
    QStringList order = {"PageControl1"};
    for (int page : {1, 4}) {
        for (int row = 1; row <= 3; ++row) {
            const QString box = QStringLiteral("chk%1_%2").arg(page).arg(row);
            const QString edit = QStringLiteral("edt%1_%2").arg(page).arg(row);
            order << box << edit;
            NameForAccess(dialog, edit, RowCaption(dialog, box));
        }
    }
    for (int page : {2, 3}) {
        for (int row = 1; row <= 3; ++row) {
            order << QStringLiteral("chk%1_%2").arg(page).arg(row);
            for (int element = 1; element <= 5; ++element) {
                order << QStringLiteral("chk%1_%2%3").arg(page).arg(row).arg(element);
            }
        }
    }
    for (int row = 1; row <= 3; ++row) {
        const QString box = QStringLiteral("chk5_%1").arg(row);
        const QString caption = RowCaption(dialog, box);
        order << box << QStringLiteral("sedt5_%1%2").arg(row).arg(1)
              << QStringLiteral("sedt5_%1%2").arg(row).arg(2);
        NameForAccess(dialog, QStringLiteral("sedt5_%1%2").arg(row).arg(1),
                      caption + QStringLiteral(" 从"));
        NameForAccess(dialog, QStringLiteral("sedt5_%1%2").arg(row).arg(2),
                      caption + QStringLiteral(" 至"));
    }
    order << "rg_Jiti"
          << "rg_fanti";
    for (int row = 1; row <= 3; ++row) {
        const QString box = QStringLiteral("chk6_%1").arg(row);
        const QString caption = RowCaption(dialog, box);
        order << box << QStringLiteral("cmb6_%1A").arg(row) << QStringLiteral("cmb6_%1B").arg(row);
        NameForAccess(dialog, QStringLiteral("cmb6_%1A").arg(row),
                      caption + QStringLiteral(" 部首笔画"));
        NameForAccess(dialog, QStringLiteral("cmb6_%1B").arg(row),
                      caption + QStringLiteral(" 部首"));
    }
    order << "btn_Reset"
          << "btn_OK"
          << "btn_Cancel";
    // Only the shown page's controls take focus, so Tab runs from the tab bar
    // through that page and on to the dialog's buttons.
    ChainTabOrder(dialog, order);
}

}  // namespace lumivane::gui
