#include "gui/web/web_browser_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include "core/app/web_addresses.h"

namespace lumivane::gui {
namespace {

constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 33;

QToolButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QString::fromUtf8(caption));
    button->setAutoRaise(true);  // flat
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

// The icon of a button of another window (the main window, the filter
// dialog); a standard icon while that window does not exist.
QIcon IconOfButton(const char* name, QStyle::StandardPixmap fallback, const QStyle* style) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* button = window->findChild<QAbstractButton*>(QLatin1String(name))) {
            if (!button->icon().isNull()) {
                return button->icon();
            }
        }
    }
    return style->standardIcon(fallback);
}

QByteArray SchemeName() {
    return QByteArray::fromStdString(std::string(kSiteScheme));
}

// The built-in site's scheme: an address with a host, so that relative links
// and forms resolve as on any site. The web engine takes schemes until its
// first profile is made, which the first page does; the program's start never
// loads the engine for this.
void RegisterSiteScheme() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    QWebEngineUrlScheme scheme(SchemeName());
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

// Answers the built-in site's addresses from the page source.
class SiteSchemeHandler final : public QWebEngineUrlSchemeHandler {
public:
    SiteSchemeHandler(SitePageSource pages, QObject* parent)
        : QWebEngineUrlSchemeHandler(parent), m_pages(pages) {}

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        // The encoded form keeps the query's GBK escapes as they were sent.
        const QByteArray address = job->requestUrl().toEncoded();
        SitePageReply reply = m_pages(
            std::string_view(address.constData(), static_cast<std::size_t>(address.size())));
        auto* body = new QBuffer(job);
        body->setData(QByteArray::fromStdString(reply.html));
        body->open(QIODevice::ReadOnly);
        job->reply(QByteArrayLiteral("text/html;charset=utf-8"), body);
    }

private:
    SitePageSource m_pages;
};

// A link to a new window (target=_blank, window.open) opens in this page.
class SameViewPage final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    QWebEnginePage* createWindow(WebWindowType) override { return this; }
};

}  // namespace

TfrmWebbrowser::TfrmWebbrowser(SitePageSource pages, QWidget* parent)
    : QDialog(parent), m_pages(pages) {
    setObjectName(QStringLiteral("frmWebbrowser"));
    setWindowTitle(QStringLiteral("网页浏览器"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    setModal(true);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(0);
    m_back = MakeButton(bar, "sbtn_back", "后退");
    m_next = MakeButton(bar, "sbtn_Next", "前进");
    m_print = MakeButton(bar, "sbtn_Print", "打印");
    m_close = MakeButton(bar, "sbtn_close", "关闭");
    for (QToolButton* button : {m_back, m_next, m_print, m_close}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    m_layout->addWidget(bar);

    connect(m_back, &QToolButton::clicked, this, &TfrmWebbrowser::sbtn_backClick);
    connect(m_next, &QToolButton::clicked, this, &TfrmWebbrowser::sbtn_NextClick);
    connect(m_print, &QToolButton::clicked, this, &TfrmWebbrowser::sbtn_PrintClick);
    connect(m_close, &QToolButton::clicked, this, &TfrmWebbrowser::sbtn_closeClick);
}

TfrmWebbrowser::~TfrmWebbrowser() = default;

QWebEngineView* TfrmWebbrowser::EnsureView() {
    // Starting the web engine takes a while, so it waits for the first page.
    if (m_view == nullptr) {
        RegisterSiteScheme();
        QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
        if (profile->urlSchemeHandler(SchemeName()) == nullptr) {
            profile->installUrlSchemeHandler(SchemeName(), new SiteSchemeHandler(m_pages, profile));
        }
        m_view = new QWebEngineView(this);
        m_view->setPage(new SameViewPage(profile, m_view));
        m_view->setObjectName(QStringLiteral("WebBrowser1"));
        m_layout->addWidget(m_view, 1);
        connect(m_view, &QWebEngineView::printFinished, this, [this](bool) { m_printing = false; });
    }
    return m_view;
}

void TfrmWebbrowser::OpenWebPage(const std::string& address) {
    // The address is ASCII with every value percent-encoded; reading it as
    // encoded keeps the GBK escapes exactly as built.
    EnsureView()->setUrl(QUrl::fromEncoded(QByteArray::fromStdString(address)));
    // A readable size of its own first: a desktop without a window manager
    // ignores the maximised state and would leave the page at the tool bar's
    // size, and leaving the maximised state returns to this size.
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen != nullptr && !isVisible()) {
        const QRect free = screen->availableGeometry();
        resize(free.width() * 4 / 5, free.height() * 4 / 5);
        move(free.center() - rect().center());
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void TfrmWebbrowser::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmWebbrowser::FormShow() {
    const QStyle* look = style();
    m_back->setIcon(IconOfButton("btn_ReturnSimple", QStyle::SP_ArrowBack, look));
    m_next->setIcon(IconOfButton("btn_ShowNameProperty", QStyle::SP_ArrowForward, look));
    m_print->setIcon(IconOfButton("btn_Print1", QStyle::SP_FileIcon, look));
    m_close->setIcon(IconOfButton("btn_Cancel", QStyle::SP_DialogCloseButton, look));
}

// Back and forward without history, and a print that fails, do nothing and
// say nothing: the web view treats them as no-ops and the print's result is
// not reported.
void TfrmWebbrowser::sbtn_backClick() {
    if (m_view != nullptr) {
        m_view->back();
    }
}

void TfrmWebbrowser::sbtn_NextClick() {
    if (m_view != nullptr) {
        m_view->forward();
    }
}

void TfrmWebbrowser::sbtn_PrintClick() {
    if (m_view == nullptr || m_printing) {
        return;
    }
    if (!m_printer) {
        // Kept for the window's life: the web view prints asynchronously into it.
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPrintDialog dialog(m_printer.get(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_printing = true;
        m_view->print(m_printer.get());
    }
}

void TfrmWebbrowser::sbtn_closeClick() {
    close();
}

}  // namespace lumivane::gui
