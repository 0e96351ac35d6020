#include "gui/main_window.h"
#include "gui/main_window_parts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>

#include <map>

#include "core/app/favourable_condition.h"
#include "core/app/naming_request.h"
#include "core/app/services.h"
#include "core/app/settings.h"
#include "core/calendar/vocabulary.h"
#include "gui/about_dialog.h"
#include "gui/app_style.h"
#include "gui/chart_panel.h"
#include "gui/filter_dialog.h"
#include "gui/font_configuration.h"
#include "gui/gbk_length_validator.h"
#include "gui/gui_fonts.h"
#include "gui/gui_icons.h"
#include "gui/keyboard_access.h"
#include "gui/message_sink.h"
#include "gui/result_table_model.h"
#include "gui/show_page.h"
#include "report/print_service.h"

namespace lumivane::gui {

namespace main_window_parts {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString MemoText(const std::string& memo) {
    QString text = QString::fromStdString(memo);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QStringList ToStringList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) {
        list << QString::fromStdString(item);
    }
    return list;
}

std::vector<std::string> ItemsOf(const QComboBox* combo) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(combo->count()));
    for (int i = 0; i < combo->count(); ++i) {
        items.push_back(combo->itemText(i).toStdString());
    }
    return items;
}

void SetItems(QComboBox* combo, const std::vector<std::string>& items, int index) {
    const QSignalBlocker blocker(combo);
    if (ItemsOf(combo) != items) {
        combo->clear();
        combo->addItems(ToStringList(items));
    }
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace main_window_parts

using namespace main_window_parts;

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QComboBox* SetUpPickList(QComboBox* combo, const char* name, const QStringList& items = {}) {
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(false);
    combo->setMaxVisibleItems(kDropDownRows);
    combo->addItems(items);
    return combo;
}

QComboBox* MakePickList(QWidget* parent, const char* name, const QStringList& items = {}) {
    return SetUpPickList(new QComboBox(parent), name, items);
}

// A birth-date list, wide enough for the longest entry it can hold in either
// calendar, so switching to 农历 never cuts "闰十一月" short and the strip does
// not jump. That size is both its size hint and its least size: Qt's own hint
// would measure every entry (a hundred years, sixty minutes) before the window
// first shows.
class DateList final : public QComboBox {
public:
    DateList(QWidget* parent, const char* name, QStringList entries)
        : QComboBox(parent), m_entries(std::move(entries)) {
        SetUpPickList(this, name);
    }

    // Measured when first asked, which is after fontconfig has read its
    // configuration.
    [[nodiscard]] QSize sizeHint() const override {
        if (!m_hint.isValid()) {
            QStyleOptionComboBox option;
            initStyleOption(&option);
            // Qt's height for a list without icons.
            const int height = std::max(qCeil(QFontMetricsF(font()).height()), 14) + 2;
            m_hint = style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                               QSize(WidestText(font(), m_entries), height), this);
        }
        return m_hint;
    }
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QStringList m_entries;
    mutable QSize m_hint;
};

// Every month and day entry of both calendars: "12", "闰十一月", "31", "廿九" ….
QStringList MonthEntries() {
    QStringList entries = {QStringLiteral("12")};
    for (int month = 1; month <= 12; ++month) {
        entries << QString::fromStdString(LunarMonthName(month, false))
                << QString::fromStdString(LunarMonthName(month, true));
    }
    return entries;
}

// cmb_Minute: item 0 未知, item k the minute k - 1.
QStringList MinuteEntries() {
    QStringList entries = {QStringLiteral("未知")};
    for (int minute = 0; minute < 60; ++minute) {
        entries << QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
    }
    return entries;
}

QStringList DayEntries() {
    QStringList entries = {QStringLiteral("31")};
    for (int day = 1; day <= 30; ++day) {
        entries << QString::fromStdString(LunarDayName(day));
    }
    return entries;
}

QLabel* MakeCaption(QWidget* parent, const char* caption) {
    return new QLabel(QString::fromUtf8(caption), parent);
}

QStringList SortItems() {
    QStringList items;
    for (std::string_view caption : SortKeyCaptions) {
        items << Utf8(caption);
    }
    return items;
}

// One menu item with its design name, handler name and optional Tag.
QAction* AddItem(QMenu* menu, std::string_view name, std::string_view caption,
                 std::string_view handler, int tag = 0) {
    QAction* action = menu->addAction(Utf8(caption));
    action->setObjectName(Utf8(name));
    action->setProperty(kHandlerProperty, Utf8(handler));
    if (tag != 0) {
        action->setProperty(kTagProperty, tag);
    }
    return action;
}

QMenu* AddSubMenu(QMenu* parent, std::string_view name, std::string_view caption) {
    QMenu* menu = parent->addMenu(Utf8(caption));
    menu->setObjectName(Utf8(name));
    menu->menuAction()->setObjectName(Utf8(name));
    return menu;
}

}  // namespace

TfrmMain::TfrmMain(NamingState& state, const Clock& clock, MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_clock(clock), m_messages(messages) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("澜庭起名软件 V " LUMIVANE_VERSION));
    setFont(SongFont(12));

    BuildToolBar();
    BuildMenus();

    m_pcMain = new QStackedWidget(this);
    m_pcMain->setObjectName(QStringLiteral("pc_Main"));
    auto* mainPage = new QWidget(m_pcMain);
    mainPage->setObjectName(QStringLiteral("TabSheet1"));
    auto* mainLayout = new QVBoxLayout(mainPage);
    mainLayout->setContentsMargins(4, 4, 4, 4);
    mainLayout->setSpacing(4);
    // The tool bar, the menus and every part of the page but the strip's two
    // line edits, the first to measure text, are made while fontconfig still
    // reads its configuration.
    mainLayout->addWidget(BuildInputStrip());
    m_chart = new ChartPanel(mainPage);
    mainLayout->addWidget(m_chart);
    m_pcResult = new QStackedWidget(mainPage);
    m_pcResult->setObjectName(QStringLiteral("pc_Result"));
    m_model = new ResultTableModel(this);
    m_simplePage = new QWidget(m_pcResult);
    m_simplePage->setObjectName(QStringLiteral("TabSheet5"));
    m_detailedPage = new QWidget(m_pcResult);
    m_detailedPage->setObjectName(QStringLiteral("TabSheet6"));
    m_pcResult->addWidget(m_simplePage);
    m_pcResult->addWidget(m_detailedPage);
    m_pcResult->addWidget(BuildWelcomePage());
    mainLayout->addWidget(m_pcResult, 1);
    BuildContextMenu();

    PlaceAtStart();
    m_undoAction = new QAction(QStringLiteral("撤销移出"), this);
    m_undoAction->setObjectName(QStringLiteral("act_UndoRemove"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setEnabled(false);
    addAction(m_undoAction);
    connect(m_undoAction, &QAction::triggered, this, &TfrmMain::btn_UndoRemoveClick);
    FinishReadingFontConfiguration();
    AddInputStripEdits();
    BuildStatusBar();  // sized from the font's height as it is made
    // The page's layout is measured when the page joins the stack.
    m_pcMain->addWidget(mainPage);
    setCentralWidget(m_pcMain);

    // FormCreate, in its order.
    ShowPage(m_pcMain, 0);
    ShowPage(m_pcResult, kWelcomePage);
    cmb_CalendarTypeChange();
    {
        const QSignalBlocker blocker(m_hour);
        m_hour->addItems(ToStringList(HourItems()));
        m_hour->setCurrentIndex(-1);
    }
    {
        const QSignalBlocker blocker(m_minute);
        m_minute->addItems(MinuteEntries());
        m_minute->setCurrentIndex(0);
    }
    ClearBirthChart();
    connect(m_createName, &QPushButton::clicked, this, &TfrmMain::btn_CreateNameClick);
    connect(m_selectName, &QPushButton::clicked, this, &TfrmMain::btn_CreateNameClick);
    SetMainWindowKeyboardAccess(this);
    // 简单起名 looks like the button Enter presses only while Enter does press
    // it: with the focus in the input strip.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->window() == this) {
            m_createName->setDefault(m_inputStrip->isAncestorOf(now));
        }
    });
    // The first thing a user types is the family name.
    m_firstName->setFocus(Qt::OtherFocusReason);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::PlaceAtStart() {
    // 780 × 577, or on a large screen as much larger in the same proportion
    // as fills three quarters of it, so the list shows more than a handful of
    // names.
    QSize start(780, 577);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect free = screen->availableGeometry();
        const double scale =
            std::min(0.75 * free.width() / start.width(), 0.75 * free.height() / start.height());
        if (scale > 1.0) {
            start = (QSizeF(start) * scale).toSize();
        }
        start = start.boundedTo(free.size());
        QRect frame(QPoint(), start);
        frame.moveCenter(free.center());
        resize(start);
        move(frame.topLeft());
        return;
    }
    resize(start);
}

void TfrmMain::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(24, 24));
    struct Button {
        const char* name;
        const char* caption;
        const char* theme;
        const char* glyph;
        QColor colour;
    };
    const Button buttons[] = {
        {"sbtn_Qiming", "澜庭起名", "document-new", "名", QColor(0xc0, 0x39, 0x2b)},
        {"sbtn_Favorites", "名字收藏夹", "starred", "藏", QColor(0xd4, 0x8a, 0x00)},
        {"sbtn_onlineSM", "姓名测试", "applications-internet", "测", QColor(0x27, 0x6f, 0xbf)},
        {"sbtn_dict", "新华字典", "accessories-dictionary", "字", QColor(0x2e, 0x8b, 0x57)},
    };
    for (const Button& spec : buttons) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QLatin1String(spec.name));
        button->setText(QString::fromUtf8(spec.caption));
        button->setIcon(
            ThemeIcon(QLatin1String(spec.theme), QString::fromUtf8(spec.glyph), spec.colour));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setProperty(kHandlerProperty,
                            QStringLiteral("%1Click").arg(QLatin1String(spec.name)));
        bar->addWidget(button);
        if (QLatin1String(spec.name) == QLatin1String("sbtn_Favorites")) {
            m_favoritesButton = button;
        }
    }
    connect(bar->findChild<QToolButton*>(QStringLiteral("sbtn_Qiming")), &QToolButton::clicked,
            this, &TfrmMain::sbtn_QimingClick);
    connect(m_favoritesButton, &QToolButton::clicked, this, &TfrmMain::sbtn_FavoritesClick);
}

void TfrmMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* naming = bar->addMenu(QStringLiteral("起名功能"));
    naming->setObjectName(QStringLiteral("N1"));
    connect(AddItem(naming, "N6", "澜庭起名", "N6Click"), &QAction::triggered, this,
            &TfrmMain::N6Click);

    QMenu* free = bar->addMenu(QStringLiteral("免费测算"));
    free->setObjectName(QStringLiteral("N2"));
    QMenu* other = bar->addMenu(QStringLiteral("其他功能"));
    other->setObjectName(QStringLiteral("N4"));
    QMenu* about = bar->addMenu(QStringLiteral("关于"));
    about->setObjectName(QStringLiteral("N5"));
    // The services' items, submenus and lines come from the core's table.
    std::map<std::string_view, QMenu*> menus = {{"N2", free}, {"N4", other}, {"N5", about}};
    for (const Service& service : ServiceTable()) {
        const auto found = menus.find(service.menu);
        if (found == menus.end()) {
            continue;  // the window's buttons and links
        }
        QMenu* menu = found->second;
        switch (service.row) {
            case ServiceRow::SubMenu:
                menus[service.control] = AddSubMenu(menu, service.control, service.caption);
                break;
            case ServiceRow::Separator:
                menu->addSeparator();
                break;
            case ServiceRow::Item:
                AddItem(menu, service.control, service.caption, HandlerOf(service), service.tag)
                    ->setVisible(!service.hidden);
                break;
            case ServiceRow::Control:
                break;
        }
    }
    // The program's own About dialog: version, licence and the data sources.
    QAction* program = about->addAction(QStringLiteral("关于澜庭起名软件(&A)…"));
    program->setObjectName(QStringLiteral("N_About"));
    connect(program, &QAction::triggered, this, [this] { ShowAboutDialog(this); });
}

QWidget* TfrmMain::BuildInputStrip() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFrameShape(QFrame::StyledPanel);
    m_inputStrip = panel;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);

    m_nameLength =
        MakePickList(panel, "cmb_NameLength", {QStringLiteral("单字"), QStringLiteral("双字")});
    m_nameLength->setCurrentIndex(1);
    m_sex = MakePickList(panel, "cmb_Sex", {QStringLiteral("男"), QStringLiteral("女")});
    m_sex->setCurrentIndex(0);
    m_source =
        MakePickList(panel, "cmb_Source", {Utf8(kNameSourceItems[0]), Utf8(kNameSourceItems[1])});
    m_source->setCurrentIndex(0);
    m_source->setToolTip(QStringLiteral("名字的来源：常用名，或取自诗经、楚辞、唐诗、宋词等诗文"));
    QStringList collections;
    for (std::string_view item : kVerseGroupItems) {
        collections << Utf8(item);
    }
    m_collection = MakePickList(panel, "cmb_Collection", collections);
    m_collection->setCurrentIndex(0);
    m_collection->setEnabled(false);
    connect(m_source, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_collection->setEnabled(index == 1); });
    m_calendarType =
        MakePickList(panel, "cmb_CalendarType",
                     {QStringLiteral("阳历"), QStringLiteral("农历"), QStringLiteral("未知日期")});
    m_calendarType->setCurrentIndex(0);
    m_year = new DateList(panel, "cmb_Year", ToStringList(YearItems()));
    m_month = new DateList(panel, "cmb_Month", MonthEntries());
    m_day = new DateList(panel, "cmb_Day", DayEntries());
    m_hour = new DateList(panel, "cmb_Hour", ToStringList(HourItems()));
    // Minutes matter only near a solar term; 未知 takes the hour's middle.
    m_minute = new DateList(panel, "cmb_Minute", MinuteEntries());
    m_minute->setToolTip(QStringLiteral("出生的分钟：只在节气交接的那个时辰里影响年柱、月柱"));
    m_keepFavourable = new QCheckBox(QStringLiteral("补喜用神"), panel);
    m_keepFavourable->setObjectName(QStringLiteral("chk_KeepFavourable"));
    m_keepFavourable->setToolTip(
        QStringLiteral("只取字义五行含八字喜用神、又不含忌神的名字（需要出生日期）"));
    m_createName = MakeButton(panel, "btn_CreateName", "简单起名");
    m_selectName = MakeButton(panel, "btn_SelectName", "高级起名");
    m_createName->setDefault(true);
    m_createName->setMinimumHeight(26);
    m_selectName->setMinimumHeight(26);

    auto* first = new QHBoxLayout;
    first->setSpacing(4);
    QLabel* prompt = MakeCaption(panel, "请输入姓名：");
    SetEmphasis(prompt);
    first->addWidget(prompt);
    first->addWidget(MakeCaption(panel, "姓"));
    first->addSpacing(10);
    first->addWidget(MakeCaption(panel, "名字字数"));
    first->addWidget(m_nameLength);
    first->addSpacing(10);
    first->addWidget(MakeCaption(panel, "性别"));
    first->addWidget(m_sex);
    first->addSpacing(10);
    first->addWidget(MakeCaption(panel, "来源"));
    first->addWidget(m_source);
    first->addWidget(m_collection);
    first->addStretch(1);

    auto* second = new QHBoxLayout;
    second->setSpacing(4);
    QLabel* birth = MakeCaption(panel, "出生时间：");
    SetEmphasis(birth);
    second->addWidget(birth);
    second->addWidget(m_calendarType);
    second->addWidget(m_year);
    second->addWidget(MakeCaption(panel, "年"));
    second->addWidget(m_month);
    second->addWidget(MakeCaption(panel, "月"));
    second->addWidget(m_day);
    second->addWidget(MakeCaption(panel, "日"));
    second->addWidget(m_hour);
    second->addWidget(MakeCaption(panel, "时"));
    second->addWidget(m_minute);
    second->addWidget(MakeCaption(panel, "分"));
    second->addSpacing(6);
    second->addWidget(MakeCaption(panel, "出生地经度"));
    second->addSpacing(10);
    second->addWidget(m_keepFavourable);
    second->addStretch(1);

    grid->addLayout(first, 0, 0);
    grid->addLayout(second, 1, 0);
    grid->addWidget(m_createName, 0, 1, 2, 1);
    grid->addWidget(m_selectName, 0, 2, 2, 1);
    grid->setColumnStretch(0, 1);

    connect(m_calendarType, &QComboBox::activated, this, &TfrmMain::cmb_CalendarTypeChange);
    connect(m_year, &QComboBox::activated, this, &TfrmMain::cmb_YearClick);
    connect(m_month, &QComboBox::activated, this, &TfrmMain::cmb_MonthClick);
    return panel;
}

void TfrmMain::AddInputStripEdits() {
    auto* grid = static_cast<QGridLayout*>(m_inputStrip->layout());
    auto* first = static_cast<QBoxLayout*>(grid->itemAtPosition(0, 0)->layout());
    auto* second = static_cast<QBoxLayout*>(grid->itemAtPosition(1, 0)->layout());
    QWidget* panel = m_inputStrip;
    m_firstName = new QLineEdit(panel);
    m_firstName->setObjectName(QStringLiteral("edt_FirstName"));
    auto* familyValidator =
        new GbkLengthValidator(static_cast<int>(kFamilyNameMaxBytes), m_firstName);
    m_firstName->setValidator(familyValidator);
    // A refused character would otherwise vanish without a word.
    connect(m_firstName, &QLineEdit::inputRejected, this,
            [this, familyValidator] { SetStatusText(familyValidator->LastRejection()); });
    m_firstName->setFixedWidth(60);
    // After "请输入姓名：" and "姓".
    first->insertWidget(2, m_firstName);
    // The birthplace's longitude, typed: the day and hour pillars then follow its true
    // solar time. Empty: Beijing time.
    m_longitude = new QLineEdit(panel);
    m_longitude->setObjectName(QStringLiteral("edt_Longitude"));
    m_longitude->setPlaceholderText(QStringLiteral("东经度数"));
    m_longitude->setMaxLength(8);
    m_longitude->setFixedWidth(
        m_longitude->fontMetrics().horizontalAdvance(QStringLiteral("东经度数000")));
    m_longitude->setToolTip(QStringLiteral(
        "出生地的东经度数（如广州 113.26）：填了就按真太阳时定日柱、时柱；不填按北京时间"));
    // After "出生地经度", before the gap in front of 补喜用神.
    second->insertWidget(second->indexOf(m_keepFavourable) - 1, m_longitude);
    // Tab runs through the strip in its order, as if the two were made in
    // their places.
    QWidget* order[] = {
        m_firstName,      m_nameLength, m_sex,       m_source, m_collection, m_calendarType,
        m_year,           m_month,      m_day,       m_hour,   m_minute,     m_longitude,
        m_keepFavourable, m_createName, m_selectName};
    for (std::size_t k = 1; k < std::size(order); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }
}

void TfrmMain::EnsureResultPages() {
    if (m_listview != nullptr) {
        return;
    }
    BuildSimplePage(m_simplePage);
    BuildDetailedPage(m_detailedPage);
    m_print2->setIcon(m_print1->icon());
    connect(m_listview, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        // The items act on the row under the pointer; on empty space on none,
        // whatever was selected before.
        const QModelIndex index = m_listview->indexAt(pos);
        if (index.isValid()) {
            m_listview->selectRow(index.row());
        } else {
            m_listview->clearSelection();
        }
        m_popup->popup(m_listview->viewport()->mapToGlobal(pos));
    });
    SetResultPagesKeyboardAccess(this);
}

bool TfrmMain::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && m_pagesPending) {
        m_pagesPending = false;
        QTimer::singleShot(0, this, &TfrmMain::EnsureResultPages);
    }
    return handled;
}

void TfrmMain::BuildSimplePage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    m_nameList = new QPlainTextEdit(page);
    m_nameList->setObjectName(QStringLiteral("mmo_NameList"));
    SetFontWhenFirstShown(m_nameList, SongFont(14));
    m_nameList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_nameList->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(m_nameList, 1);
    // A double-click on a name, or Enter on it, opens its analysis.
    m_nameList->installEventFilter(this);
    m_nameList->viewport()->installEventFilter(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(MakeCaption(page, "排序："));
    m_sort1 = MakePickList(page, "cmb_Sort1", SortItems());
    m_sort1->setCurrentIndex(-1);
    bar->addWidget(m_sort1);
    bar->addStretch(1);
    m_showNameProperty = MakeButton(page, "btn_ShowNameProperty", "详细列表");
    m_showNameProperty->setIcon(ThemeIcon(QStringLiteral("view-list-details"), QStringLiteral("详"),
                                          QColor(0x27, 0x6f, 0xbf)));
    m_print1 = MakeButton(page, "btn_Print1", "打印");
    m_print1->setIcon(ThemeIcon(QStringLiteral("document-print"), QStringLiteral("印"),
                                QColor(0x55, 0x55, 0x55)));
    auto* export1 = MakeButton(page, "btn_ExportPdf1", "导出 PDF…");
    bar->addWidget(m_showNameProperty);
    bar->addWidget(m_print1);
    bar->addWidget(export1);
    layout->addLayout(bar);
    connect(export1, &QPushButton::clicked, this, &TfrmMain::btn_ExportPdf1Click);
    connect(m_sort1, &QComboBox::activated, this, &TfrmMain::cmb_Sort1Click);
    connect(m_showNameProperty, &QPushButton::clicked, this, &TfrmMain::btn_ShowNamePropertyClick);
    connect(m_print1, &QPushButton::clicked, this, &TfrmMain::btn_Print1Click);
}

void TfrmMain::BuildDetailedPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    m_listview = new QTableView(page);
    m_listview->setObjectName(QStringLiteral("listview_Result"));
    m_listview->setModel(m_model);
    m_listview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listview->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listview->setSortingEnabled(false);
    m_listview->setShowGrid(false);
    m_listview->setAlternatingRowColors(true);
    m_listview->setWordWrap(false);
    m_listview->verticalHeader()->hide();
    m_listview->verticalHeader()->setDefaultSectionSize(20);
    m_listview->horizontalHeader()->setSectionsClickable(true);
    m_listview->horizontalHeader()->setHighlightSections(false);
    m_listview->horizontalHeader()->setSortIndicatorShown(true);
    m_listview->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_listview->viewport()->installEventFilter(this);
    m_listview->setToolTip(QStringLiteral("双击记录可分析姓名的性格，命理，运程"));
    m_listview->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int column = 0; column < kResultColumnCount; ++column) {
        if (column < kVisibleResultColumns) {
            m_listview->setColumnWidth(column,
                                       ResultColumnHeaders[static_cast<std::size_t>(column)].width);
        } else {
            m_listview->setColumnHidden(column, true);
        }
    }
    m_listview->setColumnWidth(kVerseColumn, 420);
    m_listview->setColumnHidden(kVerseColumn, true);
    layout->addWidget(m_listview, 1);
    auto* bar = new QHBoxLayout;
    bar->addWidget(MakeCaption(page, "排序："));
    m_sort2 = MakePickList(page, "cmb_sort2", SortItems());
    m_sort2->setCurrentIndex(-1);
    bar->addWidget(m_sort2);
    m_countLabel = new QLabel(page);
    m_countLabel->setObjectName(QStringLiteral("Label27"));
    SetTextColor(m_countLabel, QColor(0x00, 0x00, 0xff));
    bar->addWidget(m_countLabel);
    bar->addStretch(1);
    m_returnSimple = MakeButton(page, "btn_ReturnSimple", "简单列表");
    m_returnSimple->setIcon(
        ThemeIcon(QStringLiteral("go-previous"), QStringLiteral("简"), QColor(0x27, 0x6f, 0xbf)));
    m_print2 = MakeButton(page, "btn_Print2", "打印");
    m_addFavorites = MakeButton(page, "btn_AddFavorites", "加入收藏");
    m_undoRemove = MakeButton(page, "btn_UndoRemove", "撤销");
    m_undoRemove->setToolTip(QStringLiteral("放回刚才移出收藏的名字（Ctrl+Z）"));
    m_undoRemove->setVisible(false);
    bar->addWidget(m_returnSimple);
    auto* export2 = MakeButton(page, "btn_ExportPdf2", "导出 PDF…");
    bar->addWidget(m_print2);
    bar->addWidget(export2);
    bar->addWidget(m_addFavorites);
    bar->addWidget(m_undoRemove);
    connect(m_undoRemove, &QPushButton::clicked, this, &TfrmMain::btn_UndoRemoveClick);
    connect(export2, &QPushButton::clicked, this, &TfrmMain::btn_ExportPdf2Click);
    layout->addLayout(bar);

    connect(m_listview->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TfrmMain::listview_ResultColumnClick);
    connect(m_listview, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        emit nameAnalysisRequested(index.isValid() ? index.row() : -1);
    });
    connect(m_sort2, &QComboBox::activated, this, &TfrmMain::cmb_Sort1Click);
    connect(m_returnSimple, &QPushButton::clicked, this, &TfrmMain::btn_ReturnSimpleClick);
    connect(m_print2, &QPushButton::clicked, this, &TfrmMain::btn_Print2Click);
    connect(m_addFavorites, &QPushButton::clicked, this, &TfrmMain::btn_AddFavoritesClick);
}

QWidget* TfrmMain::BuildWelcomePage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheet7"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(36, 12, 36, 12);
    layout->setSpacing(7);
    const QStringList lines = {
        QStringLiteral("常言道：“赐子千金，不如教一艺在身；教子一艺，不如赐子好名字”"),
        QStringLiteral("足见父母为子女取好名的重要意义。因名以定形，名以定事，事以验名。"),
        QStringLiteral("姓名关系到人一生的事业、健康、婚姻、父母和人际关系等等，一个好的名字是您送"
                       "给孩子无价的财富。"),
        QStringLiteral("孔子曰：“名不正，则言不顺；言不顺，则事不成。”"),
        QStringLiteral("老子曰：“无名天地之始，有名万物之母。”"),
        QStringLiteral("管子曰：“名正则治，名倚则乱，无名则死。”"),
        QStringLiteral("诸先贤都道出了姓名对人的重要性"),
    };
    // One plain label a line, spaced by the layout: an introduction, the three
    // sayings set in as a group, and the closing line apart, the whole block
    // in the middle of the page. (Rich text for the spacing cost the start a
    // document layout, several times over for the wrapping.)
    constexpr int kSayingsIndent = 32;
    constexpr int kGroupGap = 10;
    layout->addStretch(1);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const bool saying = k >= 3 && k <= 5;
        if (k == 3 || k == 6) {
            layout->addSpacing(kGroupGap);
        }
        auto* text = new QLabel(lines[k], page);
        text->setObjectName(QStringLiteral("lbl_Welcome%1").arg(k + 1));
        // In the window's own face and size: a second face (楷体), or a second
        // size of this one, cost the start loading it and drawing every glyph.
        text->setTextFormat(Qt::PlainText);
        // The longest line wraps when the window is made narrow.
        text->setWordWrap(k == 2);
        text->setIndent(saying ? kSayingsIndent : 0);
        layout->addWidget(text);
    }
    layout->addStretch(1);
    return page;
}

void TfrmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    const int widths[3] = {50, 350, 50};
    for (int k = 0; k < 3; ++k) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(k));
        // The middle panel grows with a long text (the path of an exported
        // file) instead of cutting it.
        if (k == 1) {
            panel->setMinimumWidth(widths[k]);
        } else {
            panel->setFixedWidth(widths[k]);
        }
        panel->setFrameShape(QFrame::StyledPanel);
        bar->addWidget(panel);
        m_statusPanels[k] = panel;
    }
}

void TfrmMain::BuildContextMenu() {
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* analysis = AddItem(m_popup, "N8", "查看名字属性", "listview_ResultDblClick");
    m_favoriteItem = AddItem(m_popup, "N9", "加入收藏夹", "N9Click");
    QAction* print = AddItem(m_popup, "N10", "打印", "btn_Print2Click");
    QMenu* sort = m_popup->addMenu(QStringLiteral("排序"));
    sort->setObjectName(QStringLiteral("N11"));
    sort->menuAction()->setObjectName(QStringLiteral("N11"));
    // Twelve entries with Tags 0 … 11; the names skip those the main menu uses.
    const int numbers[12] = {89, 90, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108};
    for (int k = 0; k < 12; ++k) {
        const QByteArray name = "N" + QByteArray::number(numbers[k]);
        QAction* entry = AddItem(sort, name.constData(),
                                 SortKeyCaptions[static_cast<std::size_t>(k)].data(), "N89Click");
        entry->setProperty(kTagProperty, k);
        connect(entry, &QAction::triggered, this, &TfrmMain::N89Click);
    }
    connect(analysis, &QAction::triggered, this,
            [this] { emit nameAnalysisRequested(SelectedRow()); });
    connect(m_favoriteItem, &QAction::triggered, this, &TfrmMain::N9Click);
    connect(print, &QAction::triggered, this, &TfrmMain::btn_Print2Click);
}

}  // namespace lumivane::gui
