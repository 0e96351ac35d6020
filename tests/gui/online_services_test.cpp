// The wiring of the online services: each control found by its name or its
// "handler" property opens the address of its handler, read from the window's
// state at the moment of the click. Pages are recorded instead of shown.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <vector>

#include "gui/web/online_services.h"

using namespace lumivane;
using namespace lumivane::gui;

namespace {

class FakeState final : public OnlineServicesState {
public:
    QString family = QStringLiteral("王");
    QString starSign = QStringLiteral("宝瓶座");
    QString zodiac = QStringLiteral("龙");
    int sex = 0;
    BirthFields birth{2000, 1, 15, 12};
    QStringList captions = {QStringLiteral("王明"), QStringLiteral("王王明")};

    [[nodiscard]] QString FamilyNameBoxText() const override { return family; }
    [[nodiscard]] QString StarSignLabelText() const override { return starSign; }
    [[nodiscard]] QString ZodiacLabelText() const override { return zodiac; }
    [[nodiscard]] int SexIndex() const override { return sex; }
    [[nodiscard]] BirthFields Birth() const override { return birth; }
    [[nodiscard]] int CurrentYear() const override { return 2024; }
    [[nodiscard]] int ResultRowCount() const override { return static_cast<int>(captions.size()); }
    [[nodiscard]] QString ResultRowCaption(int row) const override { return captions.at(row); }
    [[nodiscard]] QString ResultRowFamilyText(int) const override { return QStringLiteral("王"); }
};

const char* const kServices = "http://root.test/sm/";

QAction* Item(QWidget* window, const char* name, const char* caption = "",
              const char* handler = nullptr, int tag = 0) {
    auto* action = new QAction(QString::fromUtf8(caption), window);
    action->setObjectName(QLatin1String(name));
    if (handler != nullptr) {
        action->setProperty("handler", QLatin1String(handler));
    }
    if (tag != 0) {
        action->setProperty("tag", tag);
    }
    return action;
}

QLabel* Link(QWidget* window, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), window);
    label->setObjectName(QLatin1String(name));
    label->resize(40, 20);
    return label;
}

}  // namespace

class OnlineServicesTest final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menuItemsOpenTheirPages_data();
    void menuItemsOpenTheirPages();
    void chartLinksOpenTheirPages_data();
    void chartLinksOpenTheirPages();
    void toolButtonsOpenTheirPages();
    void theStateIsReadAtTheClick();
    void analysisOfTheSelectedRow();
    void controlsThatOpenNoPageStayUnconnected();

private:
    [[nodiscard]] QStringList Opened() const { return m_opened; }

    FakeState m_state;
    QWidget* m_window = nullptr;
    OnlineServices* m_services = nullptr;
    QStringList m_opened;
    int m_connected = 0;
};

void OnlineServicesTest::init() {
    m_state = FakeState{};
    m_opened.clear();
    m_window = new QWidget;
    // Named as the main window names them: shared handlers in "handler", Tags in "tag".
    Item(m_window, "N22", "姓名测算", "N22Click");
    Item(m_window, "N22", "姓名测算", "N22Click");
    Item(m_window, "N23", "姓氏起源", "N23Click");
    Item(m_window, "N34", "姓氏起源");  // no property: the name says which handler
    Item(m_window, "N25", "生辰八字");
    Item(m_window, "N57", "诸葛神算", "N57Click");
    Item(m_window, "N76", "结婚吉日", "N76Click");
    Item(m_window, "N37", "本周运势", "N35Click", 3);
    Item(m_window, "N40", "今年爱情运势", "N35Click", 6);
    Item(m_window, "N51", "魔&羯座", "N42Click", 10);
    Item(m_window, "N96", "软件升级", "N96Click");
    Item(m_window, "N97", "关于作者", "N97Click");
    Item(m_window, "N8", "查看名字属性", "listview_ResultDblClick");
    Item(m_window, "N9", "加入收藏夹", "N9Click");
    auto* online = new QToolButton(m_window);
    online->setObjectName(QStringLiteral("sbtn_onlineSM"));
    auto* dict = new QToolButton(m_window);
    dict->setObjectName(QStringLiteral("sbtn_dict"));
    auto* favourites = new QToolButton(m_window);
    favourites->setObjectName(QStringLiteral("sbtn_Favorites"));
    const char* links[][2] = {
        {"Label32", "今"},  {"Label33", "明"},           {"Label34", "周"},
        {"Label35", "年"},  {"Label36", "[王]姓的起源"}, {"Label37", "性格分析"},
        {"Label107", "龙"}, {"Label108", "宝瓶座"},      {"Label13", "建议"}};
    for (const auto& link : links) {
        Link(m_window, link[0], link[1]);
    }
    m_services = new OnlineServices(
        m_state, [this](const std::string& a) { m_opened << QString::fromStdString(a); },
        WebSite{"http://root.test/", "http://support.test/"}, m_window);
    m_connected = m_services->ConnectControls(m_window);
}

void OnlineServicesTest::cleanup() {
    delete m_window;
    m_window = nullptr;
}

void OnlineServicesTest::menuItemsOpenTheirPages_data() {
    QTest::addColumn<int>("index");  // among the items named so
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    const QString s = QLatin1String(kServices);
    QTest::newRow("姓名测算, 热门测算") << 0 << "N22" << s + "sm/sm.asp?sm=5";
    QTest::newRow("姓名测算, 免费算命") << 1 << "N22" << s + "sm/sm.asp?sm=5";
    QTest::newRow("姓氏起源 N23") << 0 << "N23" << s + "sm/sm.asp?sm=8&act=ok&xing=%CD%F5#body";
    QTest::newRow("姓氏起源 N34") << 0 << "N34" << s + "sm/sm.asp?sm=8&act=ok&xing=%CD%F5#body";
    QTest::newRow("生辰八字 by name") << 0 << "N25" << s + "sm/sm.asp?sm=1";
    QTest::newRow("诸葛神算") << 0 << "N57" << s + "chouqian/lvzu.asp";
    QTest::newRow("结婚吉日") << 0 << "N76"
                              << s + "yuce/hdjr.asp?act=xrz&word=%BC%DE%C8%A2&upto=365";
    QTest::newRow("本周运势 for 宝瓶座") << 0 << "N37" << s + "astro/xzyc.asp?type=week&xz=11";
    QTest::newRow("今年爱情运势") << 0 << "N40" << s + "astro/xzyc.asp?type=yearlove&xz=11";
    QTest::newRow("魔羯座, mnemonic dropped")
        << 0 << "N51" << s + "astro/astro_show.asp?flag=4&astro=%C4%A7%F4%C9%D7%F9";
    QTest::newRow("软件升级") << 0 << "N96"
                              << "http://support.test/?ver=LV020208";
    QTest::newRow("关于作者") << 0 << "N97"
                              << "http://support.test/author.asp";
}

void OnlineServicesTest::menuItemsOpenTheirPages() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, address);
    const QList<QAction*> items = m_window->findChildren<QAction*>(name);
    QVERIFY(index < items.size());
    items.at(index)->trigger();
    QCOMPARE(Opened(), QStringList{address});
}

void OnlineServicesTest::chartLinksOpenTheirPages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    const QString s = QLatin1String(kServices);
    QTest::newRow("今") << "Label32" << s + "astro/xzyc.asp?type=today&xz=11";
    QTest::newRow("明") << "Label33" << s + "astro/xzyc.asp?type=nextday&xz=11";
    QTest::newRow("周") << "Label34" << s + "astro/xzyc.asp?type=week&xz=11";
    QTest::newRow("年 opens the month") << "Label35" << s + "astro/xzyc.asp?type=month&xz=11";
    QTest::newRow("family origin") << "Label36" << s + "sm/sm.asp?sm=8&act=ok&xing=%CD%F5#body";
    QTest::newRow("性格分析, row 0")
        << "Label37"
        << s + "QimingTest.asp?xing=%CD%F5&ming=%C3%F7&xingbie=%C4%D0&xuexing=A&nian=2000&yue=1"
               "&ri=15&hh=12&mm=30&ver=LV020208&dest=sm3";
    QTest::newRow("zodiac") << "Label107"
                            << s + "astro/astro_show.asp?flag=12&sx=%C1%FA&astro_year=2024";
    QTest::newRow("star sign") << "Label108"
                               << s + "astro/astro_show.asp?flag=4&astro=%B1%A6%C6%BF%D7%F9";
}

void OnlineServicesTest::chartLinksOpenTheirPages() {
    QFETCH(QString, name);
    QFETCH(QString, address);
    auto* label = m_window->findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    QTest::mouseClick(label, Qt::LeftButton);
    QTRY_COMPARE(Opened(), QStringList{address});
    // A click of the other button opens nothing.
    QTest::mouseClick(label, Qt::RightButton);
    QTest::qWait(20);
    QCOMPARE(Opened().size(), 1);
}

void OnlineServicesTest::toolButtonsOpenTheirPages() {
    m_window->findChild<QToolButton*>(QStringLiteral("sbtn_onlineSM"))->click();
    m_window->findChild<QToolButton*>(QStringLiteral("sbtn_dict"))->click();
    QCOMPARE(Opened(), (QStringList{QLatin1String(kServices), "http://root.test/xhzd/"}));
}

void OnlineServicesTest::theStateIsReadAtTheClick() {
    auto* origin = m_window->findChild<QAction*>(QStringLiteral("N23"));
    auto* week = m_window->findChild<QAction*>(QStringLiteral("N37"));
    m_state.family = QStringLiteral("  ");
    m_state.starSign.clear();  // before any chart
    origin->trigger();
    week->trigger();
    m_state.family = QStringLiteral("欧阳&");
    m_state.starSign = QStringLiteral("白羊座");
    origin->trigger();
    week->trigger();
    const QString s = QLatin1String(kServices);
    QCOMPARE(Opened(), (QStringList{s + "sm/sm.asp?sm=8#body", s + "astro/xzyc.asp?type=week&xz=1",
                                    s + "sm/sm.asp?sm=8&act=ok&xing=%C5%B7%D1%F4%26#body",
                                    s + "astro/xzyc.asp?type=week&xz=1"}));
}

void OnlineServicesTest::analysisOfTheSelectedRow() {
    m_state.sex = 1;
    m_services->listview_ResultDblClick(1);
    m_services->listview_ResultDblClick(-1);  // no row selected
    m_services->listview_ResultDblClick(2);   // past the end
    QCOMPARE(Opened(), (QStringList{QLatin1String(kServices) +
                                    "QimingTest.asp?xing=%CD%F5&ming=%CD%F5%C3%F7&xingbie=%C5%AE"
                                    "&xuexing=A&nian=2000&yue=1&ri=15&hh=12&mm=30&ver=LV020208"
                                    "&dest=sm5"}));
    m_opened.clear();
    m_state.captions.clear();
    m_services->Label37Click();  // an empty list
    QCOMPARE(Opened(), QStringList{});
}

void OnlineServicesTest::controlsThatOpenNoPageStayUnconnected() {
    // 查看名字属性 runs the analysis through the main window, which knows the selection.
    m_window->findChild<QAction*>(QStringLiteral("N8"))->trigger();
    m_window->findChild<QAction*>(QStringLiteral("N9"))->trigger();
    m_window->findChild<QToolButton*>(QStringLiteral("sbtn_Favorites"))->click();
    QTest::mouseClick(m_window->findChild<QLabel*>(QStringLiteral("Label13")), Qt::LeftButton);
    QTest::qWait(20);
    QCOMPARE(Opened(), QStringList{});
    // 12 of the 14 items (not N8, N9), 2 of the 3 tool buttons, 8 of the 9 labels.
    QCOMPARE(m_connected, 12 + 2 + 8);
}

QTEST_MAIN(OnlineServicesTest)
#include "online_services_test.moc"
