// Pictures of the real windows on a real X server (run under xvfb-run): the
// main window after a request, the filter dialog, the favourites view, Qt's
// own windows in Chinese, and the browser window with pages of the built-in
// site, among them the analysis page of a row.

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include "gui/application.h"
#include "gui/web/browser_loader.h"
#include "gui/web/web_engine_setup.h"
#include "gui_test_support.h"

using namespace lumivane;
using namespace lumivane::gui;
using namespace lumivane::gui::test;

class TestScreenshots : public QObject {
    Q_OBJECT
public:
    // Before the application object, as the program does at start.
    static void initMain() {
        static char name[] = "test_gui_screenshots";
        char* argv[] = {name, nullptr};
        PrepareWebEngine(1, argv);
    }

private:
    static void Save(QWidget* widget, const QString& name) {
        QDir().mkpath(QStringLiteral(LUMIVANE_SCREENSHOT_DIR));
        const QPixmap picture = widget->grab();
        QVERIFY(!picture.isNull());
        const QString path = QStringLiteral(LUMIVANE_SCREENSHOT_DIR "/") + name;
        QVERIFY(picture.save(path));
        QVERIFY(QFileInfo(path).size() > 1000);
    }

    // Saves the first modal window that opens, then closes it.
    static void SaveModalWhenShown(const QString& name, bool* saved) {
        auto* timer = new QTimer;
        auto* ticks = new int(0);
        QObject::connect(timer, &QTimer::timeout, [timer, ticks, name, saved] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr) {
                QTest::qWait(300);  // let it paint (the preview draws its pages)
                Save(modal, name);
                *saved = true;
                if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    dialog->reject();
                }
            }
            if (modal != nullptr || ++*ticks > 200) {
                timer->stop();
                timer->deleteLater();
                delete ticks;
            }
        });
        timer->start(50);
    }

private slots:
    void initTestCase() { PrepareApplication(); }

    // The chart of a child born on 2000-01-15, before 立春 and the Spring Festival, with the
    // hour 未知 and at noon.
    void chartPanel() {
        DataHome home;
        Windows w;
        w.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        w.Find<QLineEdit>("edt_FirstName")->setText(QStringLiteral("王"));
        PickText(w.Find<QComboBox>("cmb_Year"), QStringLiteral("2000"));
        PickText(w.Find<QComboBox>("cmb_Month"), QStringLiteral("01"));
        PickText(w.Find<QComboBox>("cmb_Day"), QStringLiteral("15"));
        PickText(w.Find<QComboBox>("cmb_Hour"), QStringLiteral("未知"));
        w.Find<QPushButton>("btn_CreateName")->click();
        auto* panel = w.main.findChild<QFrame*>(QStringLiteral("Panel4"));
        QVERIFY(panel != nullptr);
        QCOMPARE(w.Find<QLabel>("Label87")->text(), QStringLiteral("己卯"));
        QCOMPARE(w.Find<QLabel>("Label86")->text(), QStringLiteral("未知"));
        QTest::qWait(100);
        Save(panel, QStringLiteral("chart-panel-unknown-hour.png"));
        PickText(w.Find<QComboBox>("cmb_Hour"), QStringLiteral("12:00 - 12:59"));
        w.Find<QPushButton>("btn_CreateName")->click();
        QCOMPARE(w.Find<QLabel>("Label94")->text(), QStringLiteral("丙午"));
        QTest::qWait(100);
        Save(panel, QStringLiteral("chart-panel-noon.png"));
    }

    void windows() {
        DataHome home;
        Windows w;
        w.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        Save(&w.main, QStringLiteral("main-window-welcome.png"));

        w.Find<QLineEdit>("edt_FirstName")->setText(QStringLiteral("王"));
        PickText(w.Find<QComboBox>("cmb_Hour"), QStringLiteral("12:00 - 12:59"));
        w.Find<QPushButton>("btn_CreateName")->click();
        QVERIFY(w.main.ResultModel()->rowCount() > 0);
        ResultTableModel* model = w.main.ResultModel();
        model->setData(model->index(1, 0), Qt::Checked, Qt::CheckStateRole);
        model->setData(model->index(4, 0), Qt::Checked, Qt::CheckStateRole);
        QTest::qWait(100);
        Save(&w.main, QStringLiteral("main-window-detailed.png"));
        w.Find<QPushButton>("btn_ReturnSimple")->click();
        QTest::qWait(100);
        Save(&w.main, QStringLiteral("main-window-simple.png"));

        w.select.findChild<QCheckBox*>("chk2_1")->setChecked(true);
        w.select.chk1_1Click("chk2_1");
        w.select.findChild<QCheckBox*>("chk2_12")->setChecked(true);
        w.select.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.select));
        Save(&w.select, QStringLiteral("filter-dialog.png"));
        // The radical page with a row ticked, 三画 picked, and characters to avoid.
        w.select.findChild<QLineEdit*>("edt_Avoid")->setText(QStringLiteral("佳 子"));
        w.select.Pages()->setCurrentIndex(5);
        w.select.findChild<QCheckBox*>("chk6_1")->click();
        auto* strokes = w.select.findChild<QComboBox*>("cmb6_1A");
        strokes->setCurrentIndex(2);
        w.select.cmb6_1AClick(QStringLiteral("cmb6_1A"));
        auto* radicals = w.select.findChild<QComboBox*>("cmb6_1B");
        radicals->setCurrentIndex(radicals->findText(QStringLiteral("囗")));
        QTest::qWait(100);
        Save(&w.select, QStringLiteral("filter-dialog-radicals.png"));
        radicals->showPopup();
        QTest::qWait(200);
        Save(radicals->view()->window(), QStringLiteral("filter-dialog-radical-list.png"));
        radicals->hidePopup();
        w.select.hide();

        w.Find<QPushButton>("btn_ShowNameProperty")->click();
        w.Find<QPushButton>("btn_AddFavorites")->click();
        w.main.findChild<QToolButton*>("sbtn_Favorites")->click();
        QCOMPARE(w.main.ResultModel()->rowCount(), 2);
        QTest::qWait(100);
        Save(&w.main, QStringLiteral("favourites-view.png"));
    }

    // The window as a parent works in it on the whole screen: its first size,
    // the year list open, maximised with the columns sharing the width and a
    // sort arrow, and the favourites view after a removal, with 撤销.
    void wholeScreen() {
        DataHome home;
        Windows w;
        w.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        w.Find<QLineEdit>("edt_FirstName")->setText(QStringLiteral("陈"));
        Pick(w.Find<QComboBox>("cmb_Sex"), 1);
        w.Find<QPushButton>("btn_CreateName")->click();
        ResultTableModel* model = w.main.ResultModel();
        Pick(w.Find<QComboBox>("cmb_sort2"), 6);
        model->setData(model->index(1, 0), Qt::Checked, Qt::CheckStateRole);
        model->setData(model->index(4, 0), Qt::Checked, Qt::CheckStateRole);
        w.Find<QTableView>("listview_Result")->selectRow(2);
        QTest::qWait(100);
        Save(&w.main, QStringLiteral("whole-screen-first-size.png"));

        auto* year = w.Find<QComboBox>("cmb_Year");
        year->showPopup();
        QTest::qWait(300);
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        QVERIFY(screen.save(QStringLiteral(LUMIVANE_SCREENSHOT_DIR "/whole-screen-year-list.png")));
        year->hidePopup();
        auto* hour = w.Find<QComboBox>("cmb_Hour");
        hour->showPopup();
        QTest::qWait(300);
        QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(
            QStringLiteral(LUMIVANE_SCREENSHOT_DIR "/whole-screen-hour-list.png")));
        hour->hidePopup();

        // Without a window manager nobody answers the request to maximise;
        // the window then takes the free screen as a manager would give it.
        w.main.showMaximized();
        QTest::qWait(200);
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        if (w.main.size() != free.size()) {
            w.main.setGeometry(free);
        }
        QTest::qWait(200);
        Save(&w.main, QStringLiteral("whole-screen-maximised.png"));
        w.Find<QPushButton>("btn_ReturnSimple")->click();
        QTest::qWait(100);
        Save(&w.main, QStringLiteral("whole-screen-maximised-simple.png"));
        w.Find<QPushButton>("btn_ShowNameProperty")->click();

        w.Find<QPushButton>("btn_AddFavorites")->click();
        w.main.findChild<QToolButton*>("sbtn_Favorites")->click();
        model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole);
        w.Find<QPushButton>("btn_AddFavorites")->click();
        w.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        w.Find<QPushButton>("btn_AddFavorites")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // on to 撤销, by key
        QTest::qWait(100);
        Save(&w.main, QStringLiteral("whole-screen-favourites-undo.png"));
    }

    // Qt's own windows in Chinese, the date boxes on 农历 with the longest
    // month, the filter dialog for 单字, a message box and the print preview.
    void languageAndLayout() {
        DataHome home;
        NamingState state(RandomSource(20240520));
        FixedClock clock(TestNow());
        ApplicationWindows windows(state, clock, DefaultMessageSink());
        TfrmMain& main = windows.Main();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        Pick(main.findChild<QComboBox*>("cmb_CalendarType"), 1);
        PickText(main.findChild<QComboBox*>("cmb_Year"), QStringLiteral("2033"));
        PickText(main.findChild<QComboBox*>("cmb_Month"), QStringLiteral("闰十一月"));
        PickText(main.findChild<QComboBox*>("cmb_Day"), QStringLiteral("廿九"));
        PickText(main.findChild<QComboBox*>("cmb_Hour"), QStringLiteral("23:00 - 23:59"));
        QTest::qWait(100);
        Save(&main, QStringLiteral("main-window-lunar-leap-month.png"));

        main.findChild<QLineEdit*>("edt_FirstName")->setText(QStringLiteral("欧阳"));
        main.findChild<QComboBox*>("cmb_NameLength")->setCurrentIndex(0);
        TfrmSelect* select = main.FilterDialog();
        for (const char* row : {"chk1_3", "chk2_2", "chk5_3"}) {
            select->findChild<QCheckBox*>(row)->setChecked(true);
            select->chk1_1Click(QLatin1String(row));
        }
        bool saved = false;
        SaveModalWhenShown(QStringLiteral("filter-dialog-single-character.png"), &saved);
        main.findChild<QPushButton*>("btn_SelectName")->click();
        QVERIFY(saved);

        // Strokes 7 to 6 let nothing pass: the message box, in Chinese.
        select->btn_ResetClick();
        select->findChild<QCheckBox*>("chk5_1")->setChecked(true);
        select->chk1_1Click(QStringLiteral("chk5_1"));
        select->findChild<QSpinBox*>("sedt5_11")->setValue(7);
        select->findChild<QSpinBox*>("sedt5_12")->setValue(6);
        QTimer::singleShot(0, select,
                           [select] { select->findChild<QPushButton*>("btn_OK")->click(); });
        saved = false;
        SaveModalWhenShown(QStringLiteral("message-no-matching-names.png"), &saved);
        main.findChild<QPushButton*>("btn_SelectName")->click();
        QVERIFY(saved);

        // A simple two-character list of 欧阳 and its print preview.
        main.findChild<QComboBox*>("cmb_NameLength")->setCurrentIndex(1);
        main.findChild<QPushButton*>("btn_CreateName")->click();
        QVERIFY(main.ResultModel()->rowCount() > 0);
        main.findChild<QPushButton*>("btn_ReturnSimple")->click();
        saved = false;
        SaveModalWhenShown(QStringLiteral("print-preview.png"), &saved);
        main.findChild<QPushButton*>("btn_Print1")->click();
        QVERIFY(saved);

        // The edit menu of the family-name box.
        std::unique_ptr<QMenu> menu(
            main.findChild<QLineEdit*>("edt_FirstName")->createStandardContextMenu());
        menu->popup(main.mapToGlobal(QPoint(100, 100)));
        QTest::qWait(200);
        Save(menu.get(), QStringLiteral("edit-menu.png"));
        menu->hide();
    }

    // The rule beside the pinyin boxes, and the count of a favourites file
    // longer than the view.
    void inputEdges() {
        DataHome home;
        Windows w;
        w.select.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(3);
        w.select.findChild<QCheckBox*>("chk4_1")->setChecked(true);
        w.select.chk1_1Click("chk4_1");
        w.select.findChild<QLineEdit*>("edt4_1")->setText(QStringLiteral("Míng"));
        w.select.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.select));
        Save(&w.select, QStringLiteral("filter-dialog-pinyin.png"));
        w.select.hide();

        QDir().mkpath(home.Path(QString()));
        QFile file(home.Path(QStringLiteral("Favorites.Velisora")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < 2345; ++i) {
            file.write("7300," + QByteArray::number(65701 + i) + "\r\n");
        }
        file.close();
        w.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        w.main.findChild<QToolButton*>("sbtn_Favorites")->click();
        QTest::qWait(100);
        Save(&w.main, QStringLiteral("favourites-view-long.png"));
    }

    // A few more pages of the built-in site, as the browser window shows them.
    void sitePages() {
        DataHome home;
        NamingState state(RandomSource(7));
        FixedClock clock(TestNow());
        RecordingSink sink;
        ApplicationWindows windows(state, clock, sink);
        BrowserLoader loader(&windows.Main());
        QVERIFY2(loader.Load(), qPrintable(loader.Error()));
        const struct {
            const char* address;
            const char* title;
            const char* file;
        } pages[] = {
            {"lumivane://site/sm/yuce/wnl.asp?year=2024&month=2", "2024年2月", "site-month.png"},
            {"lumivane://site/sm/sm/bjx.asp", "百家姓", "site-family-names.png"},
            {"lumivane://site/sm/chouqian/guanyin.asp", "观音灵签", "site-online-only.png"},
            {"lumivane://site/xhzd/?zi=%B3%A4", "新华字典：长", "site-dictionary.png"},
        };
        for (const auto& page : pages) {
            bool shown = false;
            QTimer::singleShot(0, this, [&] {
                QDialog* browser = loader.Window();
                QObject* view = browser->findChild<QObject*>(QStringLiteral("WebBrowser1"));
                shown = QTest::qWaitFor(
                    [&] {
                        return view != nullptr &&
                               view->property("title").toString() == QString::fromUtf8(page.title);
                    },
                    30000);
                browser->setGeometry(0, 0, 1100, 900);
                QTest::qWait(1000);
                browser->screen()
                    ->grabWindow(browser->winId())
                    .save(QStringLiteral(LUMIVANE_SCREENSHOT_DIR "/") + QLatin1String(page.file));
                browser->reject();
            });
            QVERIFY(loader.OpenWebPage(page.address));
            QVERIFY2(shown, page.title);
        }
    }

    // A girl's two-character names born on 2024-05-01 at 08:00; the first row's analysis.
    void analysisPage() {
        DataHome home;
        NamingState state(RandomSource(7));
        FixedClock clock(TestNow());
        RecordingSink sink;
        ApplicationWindows windows(state, clock, sink);
        TfrmMain& main = windows.Main();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"))->setText(QStringLiteral("王"));
        PickText(main.findChild<QComboBox*>(QStringLiteral("cmb_NameLength")),
                 QStringLiteral("双字"));
        PickText(main.findChild<QComboBox*>(QStringLiteral("cmb_Sex")), QStringLiteral("女"));
        PickText(main.findChild<QComboBox*>(QStringLiteral("cmb_Year")), QStringLiteral("2024"));
        PickText(main.findChild<QComboBox*>(QStringLiteral("cmb_Month")), QStringLiteral("05"));
        PickText(main.findChild<QComboBox*>(QStringLiteral("cmb_Day")), QStringLiteral("01"));
        PickText(main.findChild<QComboBox*>(QStringLiteral("cmb_Hour")),
                 QStringLiteral("08:00 - 08:59"));
        main.findChild<QPushButton*>(QStringLiteral("btn_CreateName"))->click();
        QVERIFY(!main.ResultModel()->Rows().empty());
        main.findChild<QPushButton*>(QStringLiteral("btn_ShowNameProperty"))->click();
        auto* list = main.findChild<QTableView*>(QStringLiteral("listview_Result"));
        QTRY_VERIFY(list->isVisible());

        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            const ModalBrowser modal = WaitForModalBrowser();
            if (modal.dialog == nullptr) {
                return;
            }
            QDialog* browser = modal.dialog;
            QObject* view = modal.view;
            shown = WaitForPageTitle(view, QStringLiteral("姓名分析"))
                        .startsWith(QStringLiteral("姓名分析"));
            // Without a window manager nothing maximises the window; size it as one would.
            browser->setGeometry(0, 0, 1100, 1000);
            QTest::qWait(1500);  // the page's painting at that size
            const QPixmap screen = browser->screen()->grabWindow(browser->winId());
            QDir().mkpath(QStringLiteral(LUMIVANE_SCREENSHOT_DIR));
            screen.save(QStringLiteral(LUMIVANE_SCREENSHOT_DIR "/browser-analysis.png"));
            // The lower half: 三才, the score and the chart.
            QMetaObject::invokeMethod(view, "setFocus");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
            QTest::qWait(1000);
            browser->screen()
                ->grabWindow(browser->winId())
                .save(QStringLiteral(LUMIVANE_SCREENSHOT_DIR "/browser-analysis-lower.png"));
            browser->reject();
        });
        const QRect cell = list->visualRect(main.ResultModel()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(shown);
        QVERIFY(QFileInfo(QStringLiteral(LUMIVANE_SCREENSHOT_DIR "/browser-analysis.png")).size() >
                10000);
    }
};

QTEST_MAIN(TestScreenshots)
#include "test_screenshots.moc"
