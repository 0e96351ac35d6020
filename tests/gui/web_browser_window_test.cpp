// The browser window against a small HTTP server of the test's own on
// 127.0.0.1: the address reaches the server byte for byte, the history
// carries over from one opening to the next, and back on the first page does
// nothing. Then the built-in site: its scheme answers from the core's pages,
// its forms send GBK, and new-window links open in the same view.

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineHistory>
#include <QWebEngineView>
#include <algorithm>
#include <functional>

#include "gui/web/online_services.h"
#include "gui/web/web_browser_window.h"

using namespace lumivane;
using namespace lumivane::gui;

namespace {

constexpr int kWaitMs = 30000;

// Answers every request with a small page and keeps the request lines.
class LocalSite final : public QObject {
public:
    LocalSite() {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    bool Listen() { return m_server.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0); }
    [[nodiscard]] QString Root() const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort());
    }
    [[nodiscard]] const QStringList& RequestLines() const { return m_requests; }

private:
    void Serve(QTcpSocket* socket) {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0) {
            return;
        }
        const QByteArray requestLine = buffer.left(buffer.indexOf("\r\n"));
        m_buffers.remove(socket);
        m_requests << QString::fromLatin1(requestLine);
        const QByteArray body = "<html><head><title>" +
                                QString::fromLatin1(requestLine).toHtmlEscaped().toUtf8() +
                                "</title></head><body>page</body></html>";
        socket->write(
            "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nCache-Control: no-store\r\n"
            "Connection: close\r\nContent-Length: " +
            QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QStringList m_requests;
};

class FixedState final : public OnlineServicesState {
public:
    QString family;
    [[nodiscard]] QString FamilyNameBoxText() const override { return family; }
    [[nodiscard]] QString StarSignLabelText() const override { return {}; }
    [[nodiscard]] QString ZodiacLabelText() const override { return {}; }
    [[nodiscard]] int SexIndex() const override { return 0; }
    [[nodiscard]] BirthFields Birth() const override { return {}; }
    [[nodiscard]] int CurrentYear() const override { return 2024; }
    [[nodiscard]] int ResultRowCount() const override { return 0; }
    [[nodiscard]] QString ResultRowCaption(int) const override { return {}; }
    [[nodiscard]] QString ResultRowFamilyText(int) const override { return {}; }
};

// What was seen while the modal window was open; checked once it has closed.
struct Observed {
    bool shown = false;
    bool maximised = false;
    bool loaded = false;
    QUrl urlBeforeBack;
    QUrl urlAfterBack;
    QUrl urlAfterForward;
    bool historyOfBoth = false;
    bool backWentBack = false;
    bool forwardWentForward = false;
    bool messageShown = false;
};

}  // namespace

class WebBrowserWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void buttonsAndCaption();
    void opensPagesAndKeepsHistory();
    void builtInSiteFormsAndNewWindows();
    void webEngineFlagsAreAddedOnce();
    void cleanupTestCase();

private:
    // Runs the steps once the modal window is up, then presses 关闭, so the
    // call that opened it returns; a window left open is closed after kWaitMs.
    void WhileOpen(const std::function<void()>& steps);
    void Press(const char* button);
    bool WaitForRequest(const QString& requestLine);
    bool WaitForUrl(const QUrl& url);

    LocalSite m_site;
    FixedState m_state;
    TfrmWebbrowser* m_browser = nullptr;
    OnlineServices* m_services = nullptr;
    QWidget* m_window = nullptr;
};

void WebBrowserWindowTest::initTestCase() {
    QVERIFY(m_site.Listen());
    m_browser = new TfrmWebbrowser(&BuiltInSitePage);
    WebSite site{m_site.Root().toStdString(),
                 (m_site.Root() + QStringLiteral("support/")).toStdString()};
    m_window = new QWidget;
    for (const char* name : {"N22", "N23"}) {
        auto* action = new QAction(m_window);
        action->setObjectName(QLatin1String(name));
    }
    m_services = new OnlineServices(
        m_state, [this](const std::string& address) { m_browser->OpenWebPage(address); }, site,
        m_window);
    QCOMPARE(m_services->ConnectControls(m_window), 2);
}

void WebBrowserWindowTest::buttonsAndCaption() {
    QCOMPARE(m_browser->windowTitle(), QStringLiteral("网页浏览器"));
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {{"sbtn_back", "后退"},
                   {"sbtn_Next", "前进"},
                   {"sbtn_Print", "打印"},
                   {"sbtn_close", "关闭"}};
    for (const auto& expected : buttons) {
        auto* button = m_browser->findChild<QToolButton*>(QLatin1String(expected.name));
        QVERIFY2(button != nullptr, expected.name);
        QCOMPARE(button->text(), QString::fromUtf8(expected.caption));
        QCOMPARE(button->size(), QSize(105, 33));
        QVERIFY2(button->autoRaise(), expected.name);
    }
    QVERIFY2(m_browser->WebBrowser1() == nullptr, "the web view waits for the first page");
}

void WebBrowserWindowTest::WhileOpen(const std::function<void()>& steps) {
    QTimer::singleShot(0, m_browser, [this, steps] {
        if (QTest::qWaitFor([this] { return m_browser->isVisible(); }, kWaitMs)) {
            steps();
        }
        Press("sbtn_close");
    });
    QTimer::singleShot(kWaitMs * 3, m_browser, [this] { m_browser->close(); });
}

void WebBrowserWindowTest::Press(const char* button) {
    auto* target = m_browser->findChild<QToolButton*>(QLatin1String(button));
    if (target != nullptr) {
        target->click();
    }
}

bool WebBrowserWindowTest::WaitForRequest(const QString& requestLine) {
    return QTest::qWaitFor([&] { return m_site.RequestLines().contains(requestLine); }, kWaitMs);
}

bool WebBrowserWindowTest::WaitForUrl(const QUrl& url) {
    return QTest::qWaitFor(
        [&] { return m_browser->WebBrowser1() && m_browser->WebBrowser1()->url() == url; },
        kWaitMs);
}

void WebBrowserWindowTest::opensPagesAndKeepsHistory() {
    const QString firstRequest = QStringLiteral("GET /sm/sm/sm.asp?sm=5 HTTP/1.1");
    const QUrl firstUrl(m_site.Root() + QStringLiteral("sm/sm/sm.asp?sm=5"));

    // First opening: 姓名测算, then back with nothing behind it.
    Observed first;
    WhileOpen([&] {
        first.shown = m_browser->isModal() && QApplication::activeModalWidget() == m_browser;
        first.maximised = m_browser->isMaximized();
        first.loaded = WaitForRequest(firstRequest) && WaitForUrl(firstUrl) &&
                       QTest::qWaitFor(
                           [&] {
                               return !m_browser->WebBrowser1()->title().isEmpty() &&
                                      m_browser->WebBrowser1()->title() == firstRequest;
                           },
                           kWaitMs);
        first.urlBeforeBack = m_browser->WebBrowser1()->url();
        Press("sbtn_back");
        QTest::qWait(300);
        first.urlAfterBack = m_browser->WebBrowser1()->url();
        first.messageShown = QApplication::activeModalWidget() != m_browser;
    });
    m_window->findChild<QAction*>(QStringLiteral("N22"))->trigger();

    QVERIFY2(first.shown, "the window is shown modally");
    QVERIFY2(first.maximised, "the window opens maximised");
    QVERIFY2(first.loaded, qPrintable(m_site.RequestLines().join(QLatin1Char('\n'))));
    QCOMPARE(first.urlAfterBack, first.urlBeforeBack);
    QVERIFY2(!first.messageShown, "back on the first page shows nothing");
    QVERIFY(!m_browser->isVisible());

    // Second opening: 姓氏起源 with hostile characters in the family-name box.
    // The fragment stays in the browser; the query reaches the server as built.
    m_state.family = QStringLiteral("王& #=%");
    const QString secondRequest =
        QStringLiteral("GET /sm/sm/sm.asp?sm=8&act=ok&xing=%CD%F5%26%20%23%3D%25 HTTP/1.1");
    Observed second;
    WhileOpen([&] {
        second.loaded = WaitForRequest(secondRequest);
        second.historyOfBoth = QTest::qWaitFor(
            [&] { return m_browser->WebBrowser1()->history()->count() == 2; }, kWaitMs);
        const QUrl secondUrl = m_browser->WebBrowser1()->url();
        Press("sbtn_back");
        second.backWentBack = WaitForUrl(firstUrl);
        second.urlAfterBack = m_browser->WebBrowser1()->url();
        Press("sbtn_Next");
        second.forwardWentForward = WaitForUrl(secondUrl);
        second.urlAfterForward = m_browser->WebBrowser1()->url();
    });
    m_window->findChild<QAction*>(QStringLiteral("N23"))->trigger();

    QVERIFY2(second.loaded, qPrintable(m_site.RequestLines().join(QLatin1Char('\n'))));
    QVERIFY2(second.historyOfBoth, "the history carries over from the first opening");
    QVERIFY2(second.backWentBack, qPrintable(second.urlAfterBack.toString()));
    QVERIFY2(second.forwardWentForward, qPrintable(second.urlAfterForward.toString()));
    QCOMPARE(second.urlAfterForward.toEncoded(),
             QByteArray(m_site.Root().toLatin1() +
                        "sm/sm/sm.asp?sm=8&act=ok&xing=%CD%F5%26%20%23%3D%25#body"));
    QVERIFY(!m_browser->isVisible());
}

void WebBrowserWindowTest::builtInSiteFormsAndNewWindows() {
    struct Step {
        const char* label;
        const char* script;  // run on the page shown before
        QString title;       // of the page that must follow
        QByteArray inUrl;    // part of its address
    };
    struct Seen {
        bool reached = false;
        QByteArray url;
    };
    const std::vector<Step> steps = {
        {"the form of 姓名测试", "", QStringLiteral("姓名测试"), "lumivane://site/sm/"},
        {"the form sends GBK",
         "document.querySelector('[name=xing]').value='王';"
         "document.querySelector('[name=ming]').value='明华';"
         "document.querySelector('[name=xingbie]').value='女';"
         "document.querySelector('form').submit();",
         QStringLiteral("姓名分析：王明华"), "xing=%CD%F5&ming=%C3%F7%BB%AA&xingbie=%C5%AE"},
        {"a link to a new window",
         "var a=document.createElement('a');a.href='lumivane://site/xhzd/?zi=%B3%A4';"
         "a.target='_blank';document.body.appendChild(a);a.click();",
         QStringLiteral("新华字典：长"), "xhzd/?zi=%B3%A4"},
        {"window.open", "window.open('lumivane://site/sm/24jq.asp?year=2025');",
         QStringLiteral("2025年二十四节气"), "24jq.asp?year=2025"},
    };
    std::vector<Seen> seen(steps.size());
    WhileOpen([&] {
        for (std::size_t k = 0; k < steps.size(); ++k) {
            if (*steps[k].script != '\0') {
                m_browser->WebBrowser1()->page()->runJavaScript(QString::fromUtf8(steps[k].script));
            }
            seen[k].reached = QTest::qWaitFor(
                [&] { return m_browser->WebBrowser1()->title() == steps[k].title; }, kWaitMs);
            seen[k].url = m_browser->WebBrowser1()->url().toEncoded();
            if (!seen[k].reached) {
                break;
            }
        }
    });
    m_browser->OpenWebPage("lumivane://site/sm/");
    for (std::size_t k = 0; k < steps.size(); ++k) {
        QVERIFY2(seen[k].reached, steps[k].label);
        QVERIFY2(seen[k].url.contains(steps[k].inUrl),
                 qPrintable(QString::fromLatin1(seen[k].url)));
    }
    // Every page came into the one window.
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* w) { return qobject_cast<TfrmWebbrowser*>(w) != nullptr; }),
             1);
}

void WebBrowserWindowTest::webEngineFlagsAreAddedOnce() {
    // The engine has started by now, so changing the flags here affects nothing.
    const QByteArray saved = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    char program[] = "lumivane";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* offscreen[] = {program, platformOption, platform, nullptr};
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--lang=zh-CN");
    PrepareWebEngine(3, offscreen);
    PrepareWebEngine(3, offscreen);
    const QByteArray expected =
        geteuid() == 0 ? "--lang=zh-CN --no-sandbox --disable-gpu" : "--lang=zh-CN --disable-gpu";
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", saved);
    QCOMPARE(flags, expected);
}

void WebBrowserWindowTest::cleanupTestCase() {
    delete m_window;
    delete m_browser;
}

int main(int argc, char** argv) {
    PrepareWebEngine(argc, argv);
    QApplication app(argc, argv);
    WebBrowserWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "web_browser_window_test.moc"
