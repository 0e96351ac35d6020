// The web view's own pages speak Chinese: an address that cannot be reached
// shows Chromium's error page in the language the program sets at start.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "gui/application.h"
#include "gui/web/web_engine_setup.h"

namespace {

constexpr int kWaitMs = 60000;

// A local address nobody listens on: a port just given up by a server.
QUrl ClosedAddress() {
    QTcpServer server;
    if (!server.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0)) {
        return {};
    }
    const quint16 port = server.serverPort();
    server.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port));
}

}  // namespace

class WebErrorPageTest final : public QObject {
    Q_OBJECT

private slots:
    void anUnreachableAddressIsExplainedInChinese() {
        lumivane::gui::InstallChineseTranslations();
        const QUrl address = ClosedAddress();
        QVERIFY(address.isValid());
        QWebEngineView view;
        view.resize(760, 520);
        view.show();
        QSignalSpy finished(&view, &QWebEngineView::loadFinished);
        view.load(address);
        QVERIFY(finished.wait(kWaitMs));
        QCOMPARE(finished.first().first().toBool(), false);

        // The error page replaces the failed load; its text arrives shortly after.
        const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]{4}"));
        QString text;
        QElapsedTimer clock;
        clock.start();
        while (!text.contains(chinese) && clock.elapsed() < kWaitMs) {
            bool answered = false;
            view.page()->toPlainText([&](const QString& page) {
                text = page;
                answered = true;
            });
            QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
            if (!text.contains(chinese)) {
                QTest::qWait(200);
            }
        }
        QVERIFY2(text.contains(chinese), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("This site can")), qPrintable(text));

        // A picture for a person to look at (under xvfb-run; offscreen draws nothing).
        const QString folder = QStringLiteral(LUMIVANE_SCREENSHOT_DIR);
        QDir().mkpath(folder);
        QTest::qWait(500);
        view.grab().save(folder + QStringLiteral("/web-error-page.png"));
    }
};

int main(int argc, char** argv) {
    lumivane::gui::PrepareWebEngine(argc, argv);
    QApplication app(argc, argv);
    WebErrorPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "web_error_page_test.moc"
