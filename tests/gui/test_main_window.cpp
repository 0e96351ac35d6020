// The main window as the user sees it: layout and captions, the naming request
// from the buttons and keys, the result views and their sorting, the chart panel.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QToolButton>

#include "core/app/data_folder.h"
#include "core/app/settings.h"
#include "gui/application.h"
#include "gui/gui_fonts.h"
#include "gui_test_support.h"
#include "report/print_service.h"

using namespace lumivane;
using namespace lumivane::gui;
using namespace lumivane::gui::test;

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DataHome> m_home;
    std::unique_ptr<Windows> m_w;

    void SimpleRequest(const QString& family) {
        m_w->Find<QLineEdit>("edt_FirstName")->setText(family);
        m_w->Find<QPushButton>("btn_CreateName")->click();
    }
    void ClickHeader(int column) {
        QHeaderView* header = m_w->Find<QTableView>("listview_Result")->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList Column(int column) const {
        QStringList texts;
        for (const ResultRow& row : m_w->main.ResultModel()->Rows()) {
            texts << QString::fromStdString(row.columns[static_cast<std::size_t>(column)]);
        }
        return texts;
    }
    static bool Ordered(const QStringList& texts, bool ascending) {
        for (qsizetype i = 1; i < texts.size(); ++i) {
            const int c = QString::compare(texts[i - 1], texts[i]);
            if (ascending ? c > 0 : c < 0) {
                return false;
            }
        }
        return true;
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        m_home = std::make_unique<DataHome>();
        m_w = std::make_unique<Windows>();
    }
    void cleanup() {
        m_w.reset();
        m_home.reset();
    }

    void startShowsTheWelcomePageAndTheLayout() {
        QCOMPARE(m_w->main.windowTitle(), QStringLiteral("澜庭起名软件 V 2.2.8"));
        QCOMPARE(m_w->main.size(), QSize(780, 577));
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 2);
        QStringList lines;
        for (int k = 1; k <= 7; ++k) {
            const QByteArray name = "lbl_Welcome" + QByteArray::number(k);
            auto* line = m_w->Find<QLabel>(name.constData());
            QVERIFY2(line != nullptr, name.constData());
            lines << line->text();
        }
        QCOMPARE(lines[0],
                 QStringLiteral("常言道：“赐子千金，不如教一艺在身；教子一艺，不如赐子好名字”"));
        QCOMPARE(lines[6], QStringLiteral("诸先贤都道出了姓名对人的重要性"));
        QCOMPARE(m_w->Find<QComboBox>("cmb_NameLength")->currentText(), QStringLiteral("双字"));
        QCOMPARE(m_w->Find<QComboBox>("cmb_Sex")->currentText(), QStringLiteral("男"));
        QCOMPARE(m_w->Find<QComboBox>("cmb_CalendarType")->currentText(), QStringLiteral("阳历"));
        // Today's date of the fixed clock.
        QCOMPARE(m_w->Find<QComboBox>("cmb_Year")->currentText(), QStringLiteral("2024"));
        QCOMPARE(m_w->Find<QComboBox>("cmb_Month")->currentText(), QStringLiteral("05"));
        QCOMPARE(m_w->Find<QComboBox>("cmb_Day")->currentText(), QStringLiteral("20"));
        QVERIFY(m_w->Find<QLabel>("Label83")->text().isEmpty());
        QVERIFY(m_w->Find<QLabel>("Label32")->isHidden());
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 0);
    }

    void controlsCarryTheirNamesAndCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("simple") << "btn_CreateName"
                                << "简单起名";
        QTest::newRow("advanced") << "btn_SelectName"
                                  << "高级起名";
        QTest::newRow("detailed") << "btn_ShowNameProperty"
                                  << "详细列表";
        QTest::newRow("print1") << "btn_Print1"
                                << "打印";
        QTest::newRow("back") << "btn_ReturnSimple"
                              << "简单列表";
        QTest::newRow("print2") << "btn_Print2"
                                << "打印";
        QTest::newRow("favourites") << "btn_AddFavorites"
                                    << "加入收藏";
    }
    void controlsCarryTheirNamesAndCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        auto* button = m_w->main.findChild<QPushButton*>(name);
        QVERIFY2(button != nullptr, qPrintable(name));
        QCOMPARE(button->text(), caption);
    }

    void toolBarMenusAndContextMenu() {
        const QStringList tools = {"sbtn_Qiming", "sbtn_Favorites", "sbtn_onlineSM", "sbtn_dict"};
        const QStringList captions = {"澜庭起名", "名字收藏夹", "姓名测试", "新华字典"};
        for (qsizetype k = 0; k < tools.size(); ++k) {
            auto* tool = m_w->main.findChild<QToolButton*>(tools[k]);
            QVERIFY2(tool != nullptr, qPrintable(tools[k]));
            QCOMPARE(tool->text(), captions[k]);
            QVERIFY(!tool->icon().isNull());
        }
        QStringList menus;
        for (QAction* action : m_w->main.menuBar()->actions()) {
            menus << action->text();
        }
        // With their mnemonics, as Alt+Q … open them.
        QCOMPARE(menus, QStringList({"起名功能(&Q)", "免费测算(&C)", "其他功能(&T)", "关于(&G)"}));
        auto* free = m_w->main.findChild<QMenu*>("N2");
        QVERIFY(free != nullptr);
        QCOMPARE(free->actions().size(), 10);
        auto* about = m_w->main.findChild<QMenu*>("N5");
        QStringList visible;
        for (QAction* action : about->actions()) {
            if (action->isVisible()) {
                visible << action->text();
            }
        }
        // The designed items (使用帮助 shown, as the built-in site answers it;
        // 建议反馈 still hidden), then the program's own About item.
        QCOMPARE(visible,
                 QStringList({"使用帮助", "软件升级", "关于作者", "关于澜庭起名软件(&A)…"}));
        // The forecast items share one handler and differ by Tag.
        auto* week = m_w->main.findChild<QAction*>("N37");
        QVERIFY(week != nullptr);
        QCOMPARE(week->text(), QStringLiteral("本周运势"));
        QCOMPARE(week->property("handler").toString(), QStringLiteral("N35Click"));
        QCOMPARE(week->property("tag").toInt(), 3);
        auto* popup = m_w->main.findChild<QMenu*>("PopupMenu1");
        QStringList items;
        for (QAction* action : popup->actions()) {
            items << action->text();
        }
        QCOMPARE(items, QStringList({"查看名字属性", "加入收藏夹", "打印", "排序"}));
        QCOMPARE(m_w->main.findChild<QMenu*>("N11")->actions().size(), 12);
    }

    void theListPagesAreMadeAfterTheFirstPaintingOrWhenNeeded() {
        {
            NamingState state(RandomSource(3));
            FixedClock clock(TestNow());
            RecordingSink sink;
            ApplicationWindows windows(state, clock, sink);
            TfrmMain& main = windows.Main();
            QVERIFY(!main.HasResultPages());
            QCOMPARE(main.findChild<QTableView*>(QStringLiteral("listview_Result")), nullptr);
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            QTRY_VERIFY(main.HasResultPages());
            QVERIFY(main.findChild<QTableView*>(QStringLiteral("listview_Result")) != nullptr);
            // Their keyboard and screen-reader access came with them.
            QCOMPARE(main.findChild<QWidget*>(QStringLiteral("mmo_NameList"))->accessibleName(),
                     QStringLiteral("名字列表"));
            QVERIFY(!main.findChild<QTableView*>(QStringLiteral("listview_Result"))
                         ->tabKeyNavigation());
        }
        // A request before the first painting makes them itself.
        NamingState state(RandomSource(3));
        FixedClock clock(TestNow());
        RecordingSink sink;
        ApplicationWindows windows(state, clock, sink);
        TfrmMain& main = windows.Main();
        main.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"))->setText(QStringLiteral("王"));
        main.findChild<QPushButton*>(QStringLiteral("btn_CreateName"))->click();
        QVERIFY(main.HasResultPages());
        const int rows = main.ResultModel()->rowCount();
        QVERIFY(rows > 0);
        QCOMPARE(main.findChild<QLabel*>(QStringLiteral("Label27"))->text(),
                 QStringLiteral("查询一共获得 %1 个名字").arg(rows));
        QVERIFY(main.findChild<QPlainTextEdit*>(QStringLiteral("mmo_NameList"))
                    ->toPlainText()
                    .endsWith(QStringLiteral("查询共取得 %1 个名字").arg(rows)));
        QCOMPARE(sink.errors, QStringList());
    }

    void hourListHas25EntriesWithUnknownFirst() {
        auto* hour = m_w->Find<QComboBox>("cmb_Hour");
        QCOMPARE(hour->count(), 25);
        QCOMPARE(hour->itemText(0), QStringLiteral("未知"));
        QCOMPARE(hour->itemText(1), QStringLiteral("00:00 - 00:59"));
        QCOMPARE(hour->itemText(24), QStringLiteral("23:00 - 23:59"));
        QCOMPARE(hour->currentIndex(), -1);
    }

    void blankFamilyNameShowsTheMessageAndChangesNothing() {
        SimpleRequest(QStringLiteral("   "));
        QCOMPARE(m_w->sink.infos, QStringList({"请输入姓氏!"}));
        QCOMPARE(m_w->Find<QLineEdit>("edt_FirstName")->text(), QString());
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 2);
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 0);
        QCOMPARE(m_w->Find<QPushButton>("btn_AddFavorites")->text(), QStringLiteral("加入收藏"));
        QVERIFY(
            !QFile::exists(QString::fromUtf8(qgetenv("XDG_DATA_HOME")) + "/Velisora/config.ini"));
    }

    void familyNameBoxHoldsSixGbkBytes() {
        auto* edit = m_w->Find<QLineEdit>("edt_FirstName");
        edit->setFocus();
        TypeText(edit, QStringLiteral("欧阳王李"));
        QCOMPARE(edit->text(), QStringLiteral("欧阳王"));
        edit->clear();
        TypeText(edit, QStringLiteral("ab王cdef"));
        QCOMPARE(edit->text(), QStringLiteral("ab王cd"));
    }

    void enterStartsSimpleNamingAndFillsBothLists() {
        auto* edit = m_w->Find<QLineEdit>("edt_FirstName");
        edit->setText(QStringLiteral("  王 "));
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(m_w->main.ResultModel()->rowCount() > 0);
        const int rows = m_w->main.ResultModel()->rowCount();
        QCOMPARE(edit->text(), QStringLiteral("王"));
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 1);
        QCOMPARE(m_w->Find<QLabel>("Label27")->text(),
                 QStringLiteral("查询一共获得 %1 个名字").arg(rows));
        QCOMPARE(m_w->main.StatusText(),
                 QStringLiteral("双击网格标题栏进行排序，双击记录行可分析姓名"));
        QCOMPARE(m_w->Find<QPushButton>("btn_AddFavorites")->text(), QStringLiteral("收藏所选"));
        const QStringList memo =
            m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText().split('\n');
        QCOMPARE(memo.last(), QStringLiteral("查询共取得 %1 个名字").arg(rows));
        QCOMPARE(memo[memo.size() - 2], QStringLiteral(" "));
        QVERIFY(memo[0].startsWith(Captions(*m_w->main.ResultModel()).first() + "  "));
        // A simple two-character request gives 2000 codes before de-duplication.
        QVERIFY(rows > 500 && rows <= 2000);
        QVERIFY(Captions(*m_w->main.ResultModel()).first().startsWith(QStringLiteral("王")));
        QCOMPARE(m_w->main.State().familyName.secondIndex, DictionarySize);
    }

    void detailedListShowsTenColumnsAndKeepsTheHiddenOnes() {
        SimpleRequest(QStringLiteral("欧阳"));
        auto* view = m_w->Find<QTableView>("listview_Result");
        const int widths[10] = {100, 70, 75, 85, 85, 50, 50, 50, 50, 50};
        for (int c = 0; c < 16; ++c) {
            QCOMPARE(view->isColumnHidden(c), c >= 10);
            if (c < 10) {
                QCOMPARE(view->columnWidth(c), widths[c]);
            }
        }
        ResultTableModel* model = m_w->main.ResultModel();
        QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("姓名"));
        QCOMPARE(model->headerData(9, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("总格"));
        QCOMPARE(model->data(model->index(0, 15), Qt::DisplayRole).toString(),
                 QStringLiteral("欧阳"));
        QCOMPARE(model->data(model->index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(model->data(model->index(0, 5), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                Qt::AlignHCenter);
        QVERIFY(!(model->flags(model->index(0, 1)) & Qt::ItemIsEditable));
        QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);
        // The compound family name adds a second stroke group: 00-00-00-00.
        QCOMPARE(model->data(model->index(0, 3), Qt::DisplayRole).toString().count('-'), 3);
    }

    void poetrySourceShowsEachNamesLine() {
        auto* source = m_w->Find<QComboBox>("cmb_Source");
        auto* collection = m_w->Find<QComboBox>("cmb_Collection");
        QCOMPARE(source->currentText(), QStringLiteral("常用名"));
        QVERIFY(!collection->isEnabled());
        source->setCurrentIndex(1);
        QVERIFY(collection->isEnabled());
        QCOMPARE(collection->count(), 6);
        QCOMPARE(collection->itemText(5), QStringLiteral("论语·四书"));
        collection->setCurrentIndex(1);  // 诗经
        m_w->Find<QComboBox>("cmb_Sex")->setCurrentIndex(1);
        SimpleRequest(QStringLiteral("王"));
        QTRY_VERIFY(m_w->main.ResultModel()->rowCount() > 0);
        ResultTableModel* model = m_w->main.ResultModel();
        auto* view = m_w->Find<QTableView>("listview_Result");
        QVERIFY(!view->isColumnHidden(kVerseColumn));
        QCOMPARE(model->headerData(kVerseColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("出处"));
        const QString verse =
            model->data(model->index(0, kVerseColumn), Qt::DisplayRole).toString();
        QVERIFY2(verse.contains(QStringLiteral("——《诗经·")), qPrintable(verse));
        QCOMPARE(model->data(model->index(0, 3), Qt::ToolTipRole).toString(), verse);
        const QString first =
            m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText().split('\n')[0];
        QCOMPARE(first, Captions(*model).first() + "  " +
                            QString::fromStdString(ShortVerseTextOf(model->Rows().front())));
        // The choice is kept in a section of its own.
        const NameSourceChoice stored = LoadNameSourceFrom(SettingsFilePath());
        QCOMPARE(stored.Source, 1);
        QCOMPARE(stored.Collection, 1);
        // Header clicks on 出处 do not sort.
        const QStringList before = Captions(*model);
        ClickHeader(kVerseColumn);
        QCOMPARE(Captions(*model), before);
        // Back to the common names: no verse, no column.
        source->setCurrentIndex(0);
        SimpleRequest(QStringLiteral("王"));
        QTRY_VERIFY(!model->HasVerses());
        QVERIFY(view->isColumnHidden(kVerseColumn));
        QVERIFY(model->data(model->index(0, 3), Qt::ToolTipRole).isNull());
    }

    void escapeOnTheDetailedPageReturnsToTheSimpleList() {
        SimpleRequest(QStringLiteral("王"));
        auto* pages = m_w->Find<QStackedWidget>("pc_Result");
        QCOMPARE(pages->currentIndex(), 1);
        QTest::keyClick(m_w->Find<QTableView>("listview_Result"), Qt::Key_Escape);
        QCOMPARE(pages->currentIndex(), 0);
        // The simple list takes its larger font when it first shows.
        auto* list = m_w->Find<QPlainTextEdit>("mmo_NameList");
        QCOMPARE(list->font().pixelSize(), 12);
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_w->main));
        QCOMPARE(list->font().pixelSize(), 14);
        QCOMPARE(list->font().family(), SongFont(14).family());
        m_w->Find<QPushButton>("btn_ShowNameProperty")->click();
        QCOMPARE(pages->currentIndex(), 1);
        m_w->Find<QPushButton>("btn_ReturnSimple")->click();
        QCOMPARE(pages->currentIndex(), 0);
        // A later fill keeps the page the user chose.
        SimpleRequest(QStringLiteral("李"));
        QCOMPARE(pages->currentIndex(), 0);
    }

    void namingButtonsAreDisabledWhileAListIsFilled() {
        m_w->Find<QLineEdit>("edt_FirstName")->setText(QStringLiteral("王"));
        auto* create = m_w->Find<QPushButton>("btn_CreateName");
        int fills = 0;
        connect(&m_w->main, &TfrmMain::resultListFilled, this, [&fills] { ++fills; });
        bool enabledDuringFill = true;
        QStringList progress;
        QTimer::singleShot(0, this, [&] {
            enabledDuringFill =
                create->isEnabled() || m_w->Find<QPushButton>("btn_SelectName")->isEnabled();
            progress << m_w->main.StatusText();
            create->click();  // refused: a request is running
        });
        create->click();
        QVERIFY(!enabledDuringFill);
        QCOMPARE(progress.size(), 1);
        QVERIFY(QStringLiteral("正在计算数据， 请稍等....").startsWith(progress[0]));
        QCOMPARE(fills, 1);
        QVERIFY(create->isEnabled());
    }

    void cancelledAdvancedRequestLeavesTheList() {
        SimpleRequest(QStringLiteral("王"));
        const QStringList before = Captions(*m_w->main.ResultModel());
        const QString settings =
            QString::fromUtf8(qgetenv("XDG_DATA_HOME")) + "/Velisora/config.ini";
        QFile file(settings);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        file.close();
        PickText(m_w->Find<QComboBox>("cmb_Year"), QStringLiteral("2000"));
        ClickWhenModal(m_w->select, "btn_Cancel");
        m_w->Find<QPushButton>("btn_SelectName")->click();
        QCOMPARE(Captions(*m_w->main.ResultModel()), before);
        QCOMPARE(m_w->Find<QLabel>("Label83")->text(), QStringLiteral("2000年"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);
    }

    void acceptedAdvancedRequestUsesTheFilters() {
        m_w->Find<QLineEdit>("edt_FirstName")->setText(QStringLiteral("王"));
        auto* fixed = m_w->select.findChild<QCheckBox*>("chk1_3");
        fixed->setChecked(true);
        m_w->select.chk1_1Click("chk1_3");
        m_w->select.findChild<QLineEdit*>("edt1_3")->setText(QStringLiteral(" 宇 "));
        ClickWhenModal(m_w->select, "btn_OK");
        m_w->Find<QPushButton>("btn_SelectName")->click();
        const QStringList captions = Captions(*m_w->main.ResultModel());
        QVERIFY(!captions.isEmpty());
        for (const QString& caption : captions) {
            QVERIFY2(caption.mid(1).contains(QStringLiteral("宇")), qPrintable(caption));
        }
    }

    void headerClicksAlternateStartingDescending() {
        SimpleRequest(QStringLiteral("王"));
        ClickHeader(9);
        QVERIFY(Ordered(Column(9), false));
        ClickHeader(9);
        QVERIFY(Ordered(Column(9), true));
        ClickHeader(5);
        QVERIFY(Ordered(Column(5), false));
        // The simple list follows the new order.
        const QString memo = m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText();
        QVERIFY(memo.startsWith(Captions(*m_w->main.ResultModel()).first() + "  "));
    }

    void sortCombosAndPopupEntriesSortAscending() {
        SimpleRequest(QStringLiteral("王"));
        Pick(m_w->Find<QComboBox>("cmb_sort2"), 6);  // 格局评分
        QVERIFY(Ordered(Column(1), true));
        // A header click after a combo sorts ascending once more.
        ClickHeader(9);
        QVERIFY(Ordered(Column(9), true));
        ClickHeader(9);
        QVERIFY(Ordered(Column(9), false));
        Pick(m_w->Find<QComboBox>("cmb_Sort1"), 5);  // 总格
        QVERIFY(Ordered(Column(9), true));
        QAction* byStrokes = nullptr;
        for (QAction* entry : m_w->main.findChild<QMenu*>("N11")->actions()) {
            if (entry->property("tag").toInt() == 8) {
                byStrokes = entry;
            }
        }
        QVERIFY(byStrokes != nullptr);
        QCOMPARE(byStrokes->text(), QStringLiteral("笔画总数[简]"));
        ClickHeader(0);  // descending by name first, so the entry has work to do
        byStrokes->trigger();
        QCOMPARE(m_w->Find<QComboBox>("cmb_sort2")->currentIndex(), 8);
        QVERIFY(Ordered(Column(10), true));
        const QString memo = m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText();
        QVERIFY(memo.startsWith(Captions(*m_w->main.ResultModel()).first() + "  "));
    }

    void chartPanelShowsTheBirthChart() {
        PickText(m_w->Find<QComboBox>("cmb_Year"), QStringLiteral("2000"));
        PickText(m_w->Find<QComboBox>("cmb_Month"), QStringLiteral("01"));
        PickText(m_w->Find<QComboBox>("cmb_Day"), QStringLiteral("15"));
        Pick(m_w->Find<QComboBox>("cmb_Hour"), 13);  // 12:00 - 12:59
        SimpleRequest(QStringLiteral("王"));
        auto text = [this](int n) {
            return m_w->main.findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text();
        };
        QCOMPARE(text(83), QStringLiteral("2000年"));
        QCOMPARE(text(84), QStringLiteral("1月"));
        QCOMPARE(text(85), QStringLiteral("15日"));
        QCOMPARE(text(86), QStringLiteral("12时"));
        // Before the Spring Festival and before 立春: the year of 己卯, the rabbit.
        QCOMPARE(text(87), QStringLiteral("己卯"));
        QCOMPARE(text(88), QStringLiteral("十二月"));
        QCOMPARE(text(89), QStringLiteral("初九"));
        QCOMPARE(text(90), QStringLiteral("午时"));
        QCOMPARE(QStringList({text(91), text(92), text(93), text(94)}),
                 QStringList({"己卯", "丁丑", "壬申", "丙午"}));
        QCOMPARE(QStringList({text(103), text(104), text(105), text(106)}),
                 QStringList({"城头土", "涧下水", "剑锋金", "天河水"}));
        QCOMPARE(text(107), QStringLiteral("兔"));
        QCOMPARE(text(108), QStringLiteral("摩羯座"));
        QCOMPARE(text(36), QStringLiteral("[王]姓的起源"));
        QVERIFY(text(13).startsWith(QStringLiteral("日主天干水，生于冬，")));
        for (int link = 32; link <= 35; ++link) {
            QVERIFY(!m_w->main.findChild<QLabel*>(QStringLiteral("Label%1").arg(link))->isHidden());
        }
        QCOMPARE(m_w->main.Birth().BirthYear, 2000);
    }

    void chartPanelOfAnUnknownHourHasNoHourPillar() {
        PickText(m_w->Find<QComboBox>("cmb_Year"), QStringLiteral("2000"));
        PickText(m_w->Find<QComboBox>("cmb_Month"), QStringLiteral("01"));
        PickText(m_w->Find<QComboBox>("cmb_Day"), QStringLiteral("15"));
        Pick(m_w->Find<QComboBox>("cmb_Hour"), 13);
        SimpleRequest(QStringLiteral("王"));
        auto text = [this](int n) {
            return m_w->main.findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text();
        };
        QCOMPARE(text(94), QStringLiteral("丙午"));
        const QString advice = text(13);
        // The next request with the hour 未知 empties the hour pillar left by the last one.
        Pick(m_w->Find<QComboBox>("cmb_Hour"), 0);
        SimpleRequest(QStringLiteral("王"));
        QCOMPARE(text(86), QStringLiteral("未知"));
        QCOMPARE(text(90), QStringLiteral("未知"));
        for (int label : {94, 98, 102, 106}) {
            QVERIFY2(text(label).isEmpty(), qPrintable(QStringLiteral("Label%1").arg(label)));
        }
        QCOMPARE(QStringList({text(91), text(92), text(93)}),
                 QStringList({"己卯", "丁丑", "壬申"}));
        QCOMPARE(text(13), advice);
        QCOMPARE(m_w->main.Birth().BirthHour, 12);  // what the online analysis sends
    }

    // 立春 2024 fell at 16:27: the minute box decides the year and month; without the minute
    // the panel says so and names both; 补喜用神 keeps only names that supply the elements.
    void minuteBoxDecidesThePillarsAroundATermAndFavourableNamesAreKept() {
        auto text = [this](int n) {
            return m_w->main.findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text();
        };
        auto* minute = m_w->Find<QComboBox>("cmb_Minute");
        QCOMPARE(minute->count(), 61);
        QCOMPARE(minute->itemText(0), QStringLiteral("未知"));
        PickText(m_w->Find<QComboBox>("cmb_Year"), QStringLiteral("2024"));
        PickText(m_w->Find<QComboBox>("cmb_Month"), QStringLiteral("02"));
        PickText(m_w->Find<QComboBox>("cmb_Day"), QStringLiteral("04"));
        Pick(m_w->Find<QComboBox>("cmb_Hour"), 17);  // 16:00 - 16:59
        PickText(minute, QStringLiteral("20"));
        SimpleRequest(QStringLiteral("王"));
        QCOMPARE(QStringList({text(91), text(92)}), QStringList({"癸卯", "乙丑"}));
        QCOMPARE(text(107), QStringLiteral("兔"));
        auto* note = m_w->main.findChild<QLabel*>(QStringLiteral("lbl_TermNote"));
        QVERIFY(note->text().isEmpty());
        PickText(minute, QStringLiteral("40"));
        SimpleRequest(QStringLiteral("王"));
        QCOMPARE(QStringList({text(91), text(92)}), QStringList({"甲辰", "丙寅"}));
        QCOMPARE(text(107), QStringLiteral("龙"));
        Pick(minute, 0);
        SimpleRequest(QStringLiteral("王"));
        QVERIFY2(note->text().contains(QStringLiteral("16:27 交立春")), qPrintable(note->text()));
        QVERIFY(note->text().contains(QStringLiteral("癸卯年乙丑月")));
        auto* favourable = m_w->main.findChild<QLabel*>(QStringLiteral("lbl_Favourable"));
        QVERIFY2(favourable->text().startsWith(QStringLiteral("喜用神：")),
                 qPrintable(favourable->text()));
        QVERIFY(!favourable->toolTip().isEmpty());

        auto* keep = m_w->Find<QCheckBox>("chk_KeepFavourable");
        keep->setChecked(true);
        SimpleRequest(QStringLiteral("王"));
        auto* table = m_w->Find<QTableView>("listview_Result");
        QAbstractItemModel* model = table->model();
        QVERIFY(model->rowCount() > 0);
        for (int row = 0; row < model->rowCount(); ++row) {
            QVERIFY(model->data(model->index(row, 0), Qt::ToolTipRole)
                        .toString()
                        .contains(QStringLiteral("字义五行补八字喜用神")));
        }
        keep->setChecked(false);

        // A birthplace's longitude: the day and hour follow its true solar time, and the
        // panel says which time it used.
        auto* longitude = m_w->Find<QLineEdit>("edt_Longitude");
        longitude->setText(QStringLiteral("87.6"));
        PickText(minute, QStringLiteral("40"));
        SimpleRequest(QStringLiteral("王"));
        QVERIFY2(note->text().contains(QStringLiteral("真太阳时 2024-02-04 14:")),
                 qPrintable(note->text()));
        QCOMPARE(QStringList({text(91), text(92)}), QStringList({"甲辰", "丙寅"}));
        longitude->clear();
    }

    void chartPanelDrawsCaptionsAndLinksInTheirColours() {
        auto label = [this](int n) {
            return m_w->main.findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
        };
        for (int link : {107, 108, 32, 33, 34, 35, 36, 37}) {
            QCOMPARE(label(link)->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xff));
            QCOMPARE(label(link)->cursor().shape(), Qt::PointingHandCursor);
        }
        for (int caption : {10, 11, 12, 25, 26, 31, 40, 41, 30, 47}) {
            QCOMPARE(label(caption)->palette().color(QPalette::WindowText),
                     QColor(0x80, 0x40, 0x00));
            QVERIFY(!label(caption)->font().underline());
        }
        QCOMPARE(label(13)->palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0x00));
        QCOMPARE(label(27)->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xff));
        // The chart's values keep the window's font and colour.
        QCOMPARE(label(83)->font().family(), m_w->main.font().family());
        QVERIFY(!label(83)->font().underline());
    }

    void lunarMonthListsFollowTheYear() {
        Pick(m_w->Find<QComboBox>("cmb_CalendarType"), 1);
        auto* year = m_w->Find<QComboBox>("cmb_Year");
        auto* month = m_w->Find<QComboBox>("cmb_Month");
        auto* day = m_w->Find<QComboBox>("cmb_Day");
        QCOMPARE(year->currentText(), QStringLiteral("2024"));
        QCOMPARE(month->currentIndex(), 0);
        QCOMPARE(day->currentText(), QStringLiteral("初一"));
        PickText(year, QStringLiteral("2033"));
        QCOMPARE(month->count(), 13);
        QCOMPARE(month->itemText(10), QStringLiteral("十一月"));
        QCOMPARE(month->itemText(11), QStringLiteral("闰十一月"));
        QCOMPARE(month->itemText(12), QStringLiteral("十二月"));
        QCOMPARE(month->currentIndex(), 0);
        PickText(year, QStringLiteral("2024"));
        QCOMPARE(month->count(), 12);
        // Back to 阳历: today's date again.
        Pick(m_w->Find<QComboBox>("cmb_CalendarType"), 0);
        QCOMPARE(month->currentText(), QStringLiteral("05"));
        QCOMPARE(day->currentText(), QStringLiteral("20"));
    }

    void gregorianDayListFollowsTheMonth() {
        auto* month = m_w->Find<QComboBox>("cmb_Month");
        auto* day = m_w->Find<QComboBox>("cmb_Day");
        PickText(month, QStringLiteral("02"));
        QCOMPARE(day->count(), 29);  // 2024 is a leap year
        PickText(m_w->Find<QComboBox>("cmb_Year"), QStringLiteral("2023"));
        PickText(month, QStringLiteral("02"));
        QCOMPARE(day->count(), 28);
    }

    void unknownDateHidesThePanelAndDisablesTheDateBoxes() {
        m_w->main.show();
        Pick(m_w->Find<QComboBox>("cmb_CalendarType"), 2);
        QVERIFY(m_w->main.findChild<QWidget*>("Panel4")->isHidden());
        for (const char* name : {"cmb_Year", "cmb_Month", "cmb_Day", "cmb_Hour"}) {
            QVERIFY2(!m_w->Find<QComboBox>(name)->isEnabled(), name);
        }
        QCOMPARE(m_w->Find<QComboBox>("cmb_Year")->currentText(), QStringLiteral("2024"));
        // The naming view command shows the panel whatever the calendar type.
        m_w->main.findChild<QToolButton*>("sbtn_Qiming")->click();
        QVERIFY(!m_w->main.findChild<QWidget*>("Panel4")->isHidden());
    }

    void welcomeTextStandsBalancedOnItsPage() {
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_w->main));
        QWidget* page = m_w->Find<QWidget>("TabSheet7");
        QRect block;
        QList<QRect> lines;
        for (int k = 1; k <= 7; ++k) {
            const QByteArray name = "lbl_Welcome" + QByteArray::number(k);
            auto* line = m_w->Find<QLabel>(name.constData());
            QVERIFY2(line != nullptr, name.constData());
            // Every line whole: as tall as its text needs, inside the page.
            QVERIFY2(line->height() >= line->sizeHint().height() ||
                         line->height() >= line->heightForWidth(line->width()),
                     name.constData());
            block |= line->geometry();
            lines << line->geometry();
        }
        // The block stands in the middle of the page, as much room above as below.
        const int above = block.top();
        const int below = page->height() - block.bottom() - 1;
        QVERIFY2(std::abs(above - below) <= 2,
                 qPrintable(QStringLiteral("%1/%2").arg(above).arg(below)));
        QVERIFY(above > 0 && below > 0);
        // Space between the lines, more between the three groups; the sayings set in.
        const int gap = lines[1].top() - lines[0].bottom();
        QVERIFY2(gap >= 4, qPrintable(QString::number(gap)));
        QVERIFY(lines[3].top() - lines[2].bottom() > gap);
        QVERIFY(lines[6].top() - lines[5].bottom() > gap);
        auto* saying = m_w->Find<QLabel>("lbl_Welcome4");
        auto* opening = m_w->Find<QLabel>("lbl_Welcome1");
        QVERIFY(saying->indent() > 0 && opening->indent() <= 0);
    }

    void lineEditsStandInTheStripInTheirPlacesAndTabOrder() {
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_w->main));
        const auto nextByTab = [](QWidget* widget) {
            QWidget* next = widget->nextInFocusChain();
            while (next != widget && !(next->focusPolicy() & Qt::TabFocus)) {
                next = next->nextInFocusChain();
            }
            return next;
        };
        // Neighbours on one line of the strip, left to right and in Tab's order.
        const std::pair<const char*, const char*> neighbours[] = {
            {"edt_FirstName", "cmb_NameLength"},
            {"cmb_Minute", "edt_Longitude"},
            {"edt_Longitude", "chk_KeepFavourable"},
        };
        for (const auto& [leftName, rightName] : neighbours) {
            auto* left = m_w->Find<QWidget>(leftName);
            auto* right = m_w->Find<QWidget>(rightName);
            QVERIFY2(left->isVisible() && right->isVisible(), leftName);
            QVERIFY2(std::abs(left->geometry().center().y() - right->geometry().center().y()) <= 3,
                     leftName);
            QVERIFY2(left->geometry().right() < right->geometry().left(), leftName);
            QCOMPARE(nextByTab(left), right);
        }
    }

    void dateBoxesShowTheirLongestChineseEntry() {
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_w->main));
        Pick(m_w->Find<QComboBox>("cmb_CalendarType"), 1);
        PickText(m_w->Find<QComboBox>("cmb_Year"), QStringLiteral("2033"));
        PickText(m_w->Find<QComboBox>("cmb_Month"), QStringLiteral("闰十一月"));
        PickText(m_w->Find<QComboBox>("cmb_Day"), QStringLiteral("廿九"));
        PickText(m_w->Find<QComboBox>("cmb_Hour"), QStringLiteral("23:00 - 23:59"));
        QCoreApplication::processEvents();
        for (const char* name : {"cmb_Year", "cmb_Month", "cmb_Day", "cmb_Hour"}) {
            auto* box = m_w->Find<QComboBox>(name);
            QStyleOptionComboBox option;
            option.initFrom(box);
            option.rect = box->rect();
            const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, box);
            const int needed = box->fontMetrics().horizontalAdvance(box->currentText());
            QVERIFY2(field.width() >= needed,
                     qPrintable(QStringLiteral("%1 shows %2 px of the %3 px of \"%4\"")
                                    .arg(QLatin1String(name))
                                    .arg(field.width())
                                    .arg(needed)
                                    .arg(box->currentText())));
        }
    }

    void aNewFillResetsTheSortLists() {
        SimpleRequest(QStringLiteral("王"));
        auto* sort1 = m_w->Find<QComboBox>("cmb_Sort1");
        auto* sort2 = m_w->Find<QComboBox>("cmb_sort2");
        Pick(sort2, 6);  // 格局评分
        QCOMPARE(sort1->currentIndex(), -1);
        QCOMPARE(sort2->currentIndex(), 6);
        // The rows of the next request are in generation order: no key shown.
        SimpleRequest(QStringLiteral("李"));
        QCOMPARE(sort1->currentIndex(), -1);
        QCOMPARE(sort2->currentIndex(), -1);
        QVERIFY(!Ordered(Column(1), true));
        // A header click sorts by a column, not by the key last picked.
        Pick(sort1, 5);  // 总格
        QCOMPARE(sort1->currentIndex(), 5);
        ClickHeader(1);
        QCOMPARE(sort1->currentIndex(), -1);
        QCOMPARE(sort2->currentIndex(), -1);
    }

    void filtersThatMatchNothingSayItAndKeepTheList_data() {
        QTest::addColumn<int>("nameLength");
        QTest::newRow("双字") << 1;
        QTest::newRow("单字") << 0;
    }
    void filtersThatMatchNothingSayItAndKeepTheList() {
        QFETCH(int, nameLength);
        SimpleRequest(QStringLiteral("王"));
        const QStringList before = Captions(*m_w->main.ResultModel());
        const QString memo = m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText();
        const QString count = m_w->Find<QLabel>("Label27")->text();
        QVERIFY(!before.isEmpty());

        // Strokes from 7 to 6: no first character passes.
        m_w->Find<QComboBox>("cmb_NameLength")->setCurrentIndex(nameLength);
        m_w->select.findChild<QCheckBox*>("chk5_1")->setChecked(true);
        m_w->select.chk1_1Click("chk5_1");
        m_w->select.findChild<QSpinBox*>("sedt5_11")->setValue(7);
        m_w->select.findChild<QSpinBox*>("sedt5_12")->setValue(6);
        ClickWhenModal(m_w->select, "btn_OK");
        m_w->Find<QPushButton>("btn_SelectName")->click();

        // The message says which range lets nothing pass.
        QCOMPARE(
            m_w->sink.infos,
            QStringList{QStringLiteral(
                "没有符合条件的名字：第二个字笔画数范围 7 至 6：下限大于上限，没有名字能通过。")});
        QCOMPARE(Captions(*m_w->main.ResultModel()), before);
        QCOMPARE(m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText(), memo);
        QCOMPARE(m_w->Find<QLabel>("Label27")->text(), count);
        QVERIFY(m_w->Find<QPushButton>("btn_SelectName")->isEnabled());
        // The kept list still counts its own names when it is sorted again.
        Pick(m_w->Find<QComboBox>("cmb_sort2"), 0);
        const QStringList lines =
            m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText().split('\n');
        QCOMPARE(lines.last(), QStringLiteral("查询共取得 %1 个名字").arg(before.size()));
    }

    void singleCharacterDisablesRowsTwoAndThreeAndSaysWhy() {
        m_w->Find<QLineEdit>("edt_FirstName")->setText(QStringLiteral("王"));
        m_w->Find<QComboBox>("cmb_NameLength")->setCurrentIndex(0);  // 单字
        // Set while 双字 was chosen: a fixed (still empty) third character, a
        // "must contain" character and element, and an element of the second.
        for (const char* row : {"chk1_2", "chk1_3", "chk2_3", "chk2_1"}) {
            m_w->select.findChild<QCheckBox*>(row)->setChecked(true);
            m_w->select.chk1_1Click(QLatin1String(row));
        }
        m_w->select.findChild<QCheckBox*>("chk2_11")->setChecked(true);  // 金
        m_w->select.findChild<QLineEdit*>("edt1_3")->setText(QStringLiteral("华"));

        QStringList disabled;
        QStringList enabled;
        bool noteShown = false;
        QString note;
        QTimer::singleShot(0, &m_w->select, [&] {
            for (QWidget* widget : m_w->select.findChildren<QWidget*>()) {
                const QString name = widget->objectName();
                if (!(name.startsWith("chk") || name.startsWith("edt") || name.startsWith("sedt") ||
                      name.startsWith("cmb6"))) {
                    continue;
                }
                (widget->isEnabled() ? enabled : disabled) << name;
            }
            auto* label = m_w->select.findChild<QLabel*>("lbl_SingleCharacter");
            noteShown = label != nullptr && label->isVisible();
            note = label != nullptr ? label->text() : QString();
            m_w->select.findChild<QPushButton*>("btn_OK")->click();
            if (m_w->select.isVisible()) {  // 确定 refused: the test fails below
                m_w->select.findChild<QPushButton*>("btn_Cancel")->click();
            }
        });
        m_w->Find<QPushButton>("btn_SelectName")->click();

        QVERIFY(noteShown);
        QCOMPARE(note, QStringLiteral("单字名只按“第二个字”一行筛选，其余两行不起作用，已停用。"));
        for (const char* name :
             {"chk1_2", "edt1_2", "chk1_3", "edt1_3", "chk2_2", "chk2_3", "chk2_31", "chk4_3",
              "sedt5_21", "sedt5_32", "chk6_2", "cmb6_3B"}) {
            QVERIFY2(disabled.contains(QLatin1String(name)), name);
        }
        for (const char* name : {"chk1_1", "chk2_1", "chk2_11", "chk3_1", "chk5_1", "chk6_1"}) {
            QVERIFY2(enabled.contains(QLatin1String(name)), name);
        }
        // 确定 did not ask for the empty fixed third character of a disabled
        // row; the ticks stay for the next two-character request.
        QVERIFY2(m_w->sink.infos.isEmpty(), qPrintable(m_w->sink.infos.join('\n')));
        for (const char* row : {"chk1_2", "chk1_3", "chk2_3"}) {
            QVERIFY2(m_w->select.findChild<QCheckBox*>(row)->isChecked(), row);
        }
        const QStringList captions = Captions(*m_w->main.ResultModel());
        QVERIFY(!captions.isEmpty());
        for (const QString& caption : captions) {
            QCOMPARE(caption.trimmed().size(), 2);  // 王 and one character
        }

        // Back to 双字: the rows take part again and the note goes.
        m_w->Find<QComboBox>("cmb_NameLength")->setCurrentIndex(1);
        bool rowEnabled = false;
        noteShown = true;
        QTimer::singleShot(0, &m_w->select, [&] {
            rowEnabled = m_w->select.findChild<QCheckBox*>("chk1_2")->isEnabled() &&
                         m_w->select.findChild<QCheckBox*>("chk2_3")->isEnabled() &&
                         m_w->select.findChild<QLineEdit*>("edt1_3")->isEnabled();
            noteShown = m_w->select.findChild<QLabel*>("lbl_SingleCharacter")->isVisible();
            m_w->select.findChild<QPushButton*>("btn_Cancel")->click();
        });
        m_w->Find<QPushButton>("btn_SelectName")->click();
        QVERIFY(rowEnabled);
        QVERIFY(!noteShown);
        QCOMPARE(m_w->select.size(), QSize(408, 267));
    }

    void qtsOwnTextsAreChinese() {
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        // The edit menu of the family-name box.
        std::unique_ptr<QMenu> menu(
            m_w->Find<QLineEdit>("edt_FirstName")->createStandardContextMenu());
        QStringList items;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                items << action->text();
            }
        }
        QVERIFY2(items.size() >= 6, qPrintable(items.join(',')));
        for (const QString& item : items) {
            QVERIFY2(item.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))),
                     qPrintable(items.join(',')));
        }
        // The web view takes the language of its error pages from here.
        QCOMPARE(QLocale().name(), QStringLiteral("zh_CN"));
    }

    void printControlsHandTheShownListsToThePrintService() {
        struct RecordingPrint final : PrintService {
            void PrintSimpleList(QWidget*, const QString& text) override { simple << text; }
            void PrintDetailedList(QWidget*, const std::vector<ResultRow>& rows) override {
                detailed << rows.size();
            }
            QString ExportSimpleListPdf(QWidget*, const QString& text) override {
                exported << text;
                return QStringLiteral("文档/名字.pdf");
            }
            QString ExportDetailedListPdf(QWidget*, const std::vector<ResultRow>& rows) override {
                exportedRows << rows.size();
                return {};  // cancelled
            }
            QStringList simple, exported;
            QList<std::size_t> detailed, exportedRows;
        } print;
        m_w->main.SetPrintService(&print);
        SimpleRequest(QStringLiteral("王"));
        const std::size_t rows = m_w->main.ResultModel()->Rows().size();
        // Text typed into the simple list is what prints.
        auto* memo = m_w->Find<QPlainTextEdit>("mmo_NameList");
        memo->setPlainText(memo->toPlainText() + QStringLiteral("\n王小明"));
        m_w->Find<QPushButton>("btn_Print1")->click();
        m_w->Find<QPushButton>("btn_ExportPdf1")->click();
        // The file written is told; a cancelled export says nothing new.
        QCOMPARE(m_w->main.StatusText(), QStringLiteral("已导出 PDF：文档/名字.pdf"));
        m_w->Find<QPushButton>("btn_Print2")->click();
        m_w->Find<QPushButton>("btn_ExportPdf2")->click();
        QCOMPARE(m_w->main.StatusText(), QStringLiteral("已导出 PDF：文档/名字.pdf"));
        m_w->main.findChild<QAction*>("N10")->trigger();
        QCOMPARE(print.simple, QStringList({memo->toPlainText()}));
        QVERIFY(print.simple.front().endsWith(QStringLiteral("王小明")));
        QCOMPARE(print.exported, print.simple);
        QCOMPARE(print.detailed, QList<std::size_t>({rows, rows}));
        QCOMPARE(print.exportedRows, QList<std::size_t>({rows}));
        QCOMPARE(m_w->Find<QPushButton>("btn_ExportPdf2")->text(), QStringLiteral("导出 PDF…"));
        m_w->main.SetPrintService(nullptr);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
