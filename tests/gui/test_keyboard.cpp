// Keyboard and screen-reader access: Tab through the input strip and the
// filter dialog, Enter and Esc, the Alt shortcuts of the menus, accessible
// names, and the About dialog reached from the menu "关于".

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "gui/about_dialog.h"
#include "gui/keyboard_access.h"
#include "gui_test_support.h"

namespace lumivane::gui::test {

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

QString FocusedName() {
    return Focused() != nullptr ? Focused()->objectName() : QStringLiteral("(none)");
}

// What a screen reader can announce for the widget besides its value: the
// texts of its labels, else its name; for a pick-list, whose name on Linux is
// its current entry, its description.
QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible == nullptr) {
        return {};
    }
    QStringList labels;
    for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
        labels << label->text(QAccessible::Name);
    }
    if (!labels.isEmpty()) {
        return labels.join(' ');
    }
    if (qobject_cast<QComboBox*>(widget) != nullptr) {
        return accessible->text(QAccessible::Description);
    }
    return accessible->text(QAccessible::Name);
}

const QStringList kStrip = {"edt_FirstName",  "cmb_NameLength", "cmb_Sex", "cmb_CalendarType",
                            "cmb_Year",       "cmb_Month",      "cmb_Day", "cmb_Hour",
                            "btn_CreateName", "btn_SelectName"};

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_home = std::make_unique<DataHome>();
        m_w = std::make_unique<Windows>();
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_w->main));
    }
    void cleanup() {
        m_w.reset();
        m_home.reset();
    }

    void theProgramStartsInTheFamilyNameBox() {
        // Nothing focused by the test: the window as it first comes up.
        QTRY_COMPARE(FocusedName(), QStringLiteral("edt_FirstName"));
        TypeText(Focused(), QStringLiteral("李"));
        QCOMPARE(m_w->Find<QLineEdit>("edt_FirstName")->text(), QStringLiteral("李"));
    }

    void enterPressesTheFocusedButtonAtOnce() {
        m_w->Find<QLineEdit>("edt_FirstName")->setText(QStringLiteral("王"));
        // 高级起名 focused: Enter opens the filter dialog, no simple request.
        auto* select = m_w->Find<QPushButton>("btn_SelectName");
        select->setFocus();
        QTRY_COMPARE(Focused(), select);
        bool dialogShown = false;
        QTimer::singleShot(0, &m_w->select, [&] {
            dialogShown = m_w->select.isVisible();
            m_w->select.findChild<QPushButton*>("btn_Cancel")->click();
        });
        QTest::keyClick(select, Qt::Key_Return);
        QVERIFY(dialogShown);
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 0);
        m_w->main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_w->main));

        // A focused button of the result pages is pressed too, not 简单起名.
        m_w->main.EnsureResultPages();
        auto* detailed = m_w->Find<QPushButton>("btn_ShowNameProperty");
        m_w->Find<QPushButton>("btn_ReturnSimple")->click();  // the simple page with that button
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 0);
        detailed->setFocus();
        QTRY_COMPARE(Focused(), detailed);
        QTest::keyClick(detailed, Qt::Key_Enter);
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 1);
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 0);

        // Enter in the family-name box: the request has run by the time the
        // key is handled, without the animated click's 100 ms.
        auto* edit = m_w->Find<QLineEdit>("edt_FirstName");
        edit->setFocus();
        QTRY_COMPARE(Focused(), edit);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(m_w->main.ResultModel()->rowCount() > 0);

        // In the favourites view, without the input strip, as well.
        m_w->main.findChild<QToolButton*>("sbtn_Favorites")->click();
        QVERIFY(m_w->main.ShowingFavorites());
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 1);
        auto* back = m_w->Find<QPushButton>("btn_ReturnSimple");
        back->setFocus();
        QTRY_COMPARE(Focused(), back);
        QTest::keyClick(back, Qt::Key_Return);
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 0);
    }

    void tabWalksTheInputStripInOrderAndShiftTabWalksBack() {
        auto* edit = m_w->Find<QLineEdit>("edt_FirstName");
        edit->setFocus();
        QTRY_COMPARE(Focused(), edit);
        for (qsizetype k = 1; k < kStrip.size(); ++k) {
            QTest::keyClick(Focused(), Qt::Key_Tab);
            QCOMPARE(FocusedName(), kStrip[k]);
        }
        for (qsizetype k = kStrip.size() - 2; k >= 0; --k) {
            QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(FocusedName(), kStrip[k]);
        }
    }

    void inputsSetByKeysAndEnterStartsSimpleNaming() {
        auto* edit = m_w->Find<QLineEdit>("edt_FirstName");
        edit->setFocus();
        QTRY_COMPARE(Focused(), edit);
        TypeText(edit, QStringLiteral("王"));
        QTest::keyClick(Focused(), Qt::Key_Tab);
        QCOMPARE(FocusedName(), QStringLiteral("cmb_NameLength"));
        QTest::keyClick(Focused(), Qt::Key_Up);  // 双字 → 单字
        QTest::keyClick(Focused(), Qt::Key_Tab);
        QTest::keyClick(Focused(), Qt::Key_Down);  // 男 → 女
        while (FocusedName() != QLatin1String("cmb_Hour")) {
            QTest::keyClick(Focused(), Qt::Key_Tab);
        }
        QCOMPARE(m_w->Find<QComboBox>("cmb_NameLength")->currentText(), QStringLiteral("单字"));
        QCOMPARE(m_w->Find<QComboBox>("cmb_Sex")->currentText(), QStringLiteral("女"));
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 0);

        // Enter in a pick-list is the window's: the default button 简单起名 runs.
        QTest::keyClick(Focused(), Qt::Key_Return);
        QTRY_VERIFY(m_w->main.ResultModel()->rowCount() > 0);
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 1);
        const QStringList names = Captions(*m_w->main.ResultModel());
        for (const QString& name : names) {
            // One-character given names of the family 王.
            QVERIFY2(name.trimmed().size() == 2 && name.startsWith(QStringLiteral("王")),
                     qPrintable(name));
        }
        QVERIFY(!m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText().isEmpty());

        // Tab goes on from the strip into the detailed list and its bar.
        auto* select = m_w->Find<QPushButton>("btn_SelectName");
        select->setFocus();
        QTRY_COMPARE(Focused(), select);
        for (const char* next : {"listview_Result", "cmb_sort2", "btn_ReturnSimple", "btn_Print2",
                                 "btn_AddFavorites"}) {
            QTest::keyClick(Focused(), Qt::Key_Tab);
            QCOMPARE(FocusedName(), QLatin1String(next));
        }
        // Esc on the detailed page goes back to the simple list.
        QTest::keyClick(m_w->Find<QTableView>("listview_Result"), Qt::Key_Escape);
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 0);
    }

    void filterDialogTabFollowsEachPageInReadingOrder() {
        TfrmSelect& dialog = m_w->select;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        QVERIFY(pages != nullptr);
        // A row's controls are enabled by its check box (and some boxes untick
        // others), so each row is walked alone with its own box ticked.
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            for (int row = 1; row <= 3; ++row) {
                const QString boxName = QStringLiteral("chk%1_%2").arg(page + 1).arg(row);
                auto* box = dialog.findChild<QCheckBox*>(boxName);
                QVERIFY(box != nullptr);
                dialog.findChild<QPushButton*>(QStringLiteral("btn_Reset"))->click();
                box->click();
                QVERIFY2(box->isChecked(), qPrintable(boxName));
                dialog.activateWindow();
                pages->tabBar()->setFocus();
                QTRY_COMPARE(Focused(), pages->tabBar());
                // Once round: the page's controls, then 重置, 确定, 取消.
                QStringList visited;
                QPoint last(-1, -1);
                for (int step = 0; step < 60; ++step) {
                    QTest::keyClick(Focused(), Qt::Key_Tab);
                    QWidget* widget = Focused();
                    QVERIFY(widget != nullptr);
                    if (widget == pages->tabBar()) {
                        break;
                    }
                    // The inner line edit of a spin box stands for the spin box.
                    if (qobject_cast<QSpinBox*>(widget->parentWidget()) != nullptr) {
                        widget = widget->parentWidget();
                    }
                    visited << widget->objectName();
                    // 不用的字 and the buttons stand below the pages.
                    if (widget->objectName().startsWith(QLatin1String("btn_")) ||
                        widget->objectName() == QLatin1String("edt_Avoid")) {
                        continue;
                    }
                    QVERIFY2(pages->widget(page)->isAncestorOf(widget),
                             qPrintable(widget->objectName() + " is not on the shown page"));
                    // Reading order: down the rows, left to right within one.
                    const QPoint at = widget->mapTo(&dialog, QPoint(0, widget->height() / 2));
                    const bool sameRow = std::abs(at.y() - last.y()) < widget->height() / 2 + 2;
                    QVERIFY2(sameRow ? at.x() > last.x() : at.y() > last.y(),
                             qPrintable(visited.join(" > ")));
                    last = at;
                }
                const QString trail = visited.join(" > ");
                // The ticked row's box is followed by a control of its own row.
                const qsizetype at = visited.indexOf(boxName);
                QVERIFY2(at >= 0 && at + 1 < visited.size(), qPrintable(trail));
                const QRegularExpression ownControl(
                    QStringLiteral("^(edt|chk|sedt|cmb)%1_%2.?$").arg(page + 1).arg(row));
                QVERIFY2(ownControl.match(visited[at + 1]).hasMatch(), qPrintable(trail));
                QCOMPARE(visited.mid(visited.size() - 4),
                         QStringList({"edt_Avoid", "btn_Reset", "btn_OK", "btn_Cancel"}));
            }
        }
        dialog.hide();
    }

    void filterDialogEnterAcceptsAndEscCancels() {
        TfrmSelect& dialog = m_w->select;
        QTimer::singleShot(0, &dialog, [&dialog] {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("edt4_1"));
            dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(3);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QTimer::singleShot(0, &dialog, [&dialog] {
            QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("edt4_1")), Qt::Key_Escape);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    void controlsWithoutTheirOwnCaptionHaveAccessibleNames() {
        for (const QString& name : kStrip) {
            auto* widget = m_w->main.findChild<QWidget*>(name);
            QVERIFY2(widget != nullptr, qPrintable(name));
            QVERIFY2(!AccessibleName(widget).isEmpty(), qPrintable(name));
        }
        QCOMPARE(AccessibleName(m_w->Find<QWidget>("edt_FirstName")), QStringLiteral("姓"));
        QCOMPARE(AccessibleName(m_w->Find<QWidget>("cmb_NameLength")), QStringLiteral("名字字数"));
        QCOMPARE(AccessibleName(m_w->Find<QWidget>("cmb_Year")), QStringLiteral("年"));
        QCOMPARE(AccessibleName(m_w->Find<QWidget>("cmb_Hour")), QStringLiteral("时"));
        // Controls that show only an icon.
        for (QToolBar* bar : m_w->main.findChildren<QToolBar*>()) {
            auto* more = bar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
            QVERIFY(more != nullptr);
            QVERIFY(!AccessibleName(more).isEmpty());
        }
        auto* moreMenus =
            m_w->main.menuBar()->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(moreMenus != nullptr);
        QVERIFY(!AccessibleName(moreMenus).isEmpty());
        // Every box, spin box and list of the filter dialog can be told apart.
        QSet<QString> names;
        int editors = 0;
        for (QWidget* widget : m_w->select.findChildren<QWidget*>()) {
            const bool editor = qobject_cast<QLineEdit*>(widget) != nullptr ||
                                qobject_cast<QSpinBox*>(widget) != nullptr ||
                                qobject_cast<QComboBox*>(widget) != nullptr;
            if (!editor || widget->objectName().startsWith(QLatin1String("qt_"))) {
                continue;
            }
            ++editors;
            const QString name = AccessibleName(widget);
            QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
            names.insert(widget->objectName().left(4) + name);
        }
        QCOMPARE(editors, 19);  // 3 + 3 text boxes, 6 spin boxes, 6 lists, 不用的字
        QCOMPARE(names.size(), editors);
    }

    void altShortcutsOpenTheFourMenus() {
        QMenuBar* bar = m_w->main.menuBar();
        for (const MenuShortcut& entry : kMenuShortcuts) {
            auto* menu = bar->findChild<QMenu*>(QLatin1String(entry.menu));
            QVERIFY2(menu != nullptr, entry.menu);
            m_w->main.activateWindow();
            QTRY_VERIFY(m_w->main.isActiveWindow());
            QTest::keyClick(&m_w->main, Qt::Key(entry.key), Qt::AltModifier);
            QTRY_VERIFY2(menu->isVisible(), entry.menu);
            QCOMPARE(bar->activeAction(), menu->menuAction());
            QTest::keyClick(menu, Qt::Key_Escape);
            QTest::keyClick(bar, Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
        }
    }

    void aboutItemOpensTheAboutDialog() {
        auto* about = m_w->main.menuBar()->findChild<QMenu*>(QStringLiteral("N5"));
        QVERIFY(about != nullptr);
        QAction* item = nullptr;
        for (QAction* action : about->actions()) {
            if (action->objectName() == QLatin1String("N_About")) {
                item = action;
            }
        }
        QVERIFY(item != nullptr);
        QVERIFY(item->isVisible());
        QCOMPARE(about->actions().last(), item);
        QString shownTitle;
        QString shownText;
        QString focusAfterTab;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            shownTitle = dialog->findChild<QLabel*>(QStringLiteral("lbl_AboutTitle"))->text();
            shownText =
                dialog->findChild<QPlainTextEdit*>(QStringLiteral("mmo_About"))->toPlainText();
            // Tab leaves the text for the close button; Esc closes the dialog.
            auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("mmo_About"));
            text->setFocus();
            QTest::keyClick(text, Qt::Key_Tab);
            // The dialog's own focus: the offscreen platform need not activate it.
            focusAfterTab =
                dialog->focusWidget() != nullptr ? dialog->focusWidget()->objectName() : QString();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        item->trigger();
        QCOMPARE(shownTitle, QStringLiteral("澜庭起名软件 (Lumivane) " LUMIVANE_VERSION));
        for (const char* part :
             {"GPL-3.0-or-later", "CC BY-NC-SA", "non-commercial", "ChineseNames",
              "Bao, H.-W.-S. (2023). ChineseNames: Chinese Name Database 1930-2008",
              "https://CRAN.R-project.org/package=ChineseNames", "Unicode", "OpenCC", "cnchar",
              "jieba"}) {
            QVERIFY2(shownText.contains(QString::fromUtf8(part)), part);
        }
        QCOMPARE(focusAfterTab, QStringLiteral("btn_AboutClose"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

private:
    std::unique_ptr<DataHome> m_home;
    std::unique_ptr<Windows> m_w;
};

}  // namespace lumivane::gui::test

QTEST_MAIN(lumivane::gui::test::TestKeyboard)
#include "test_keyboard.moc"
