#pragma once
// TfrmWebbrowser: the one modal browser window that shows the service pages,
// of the built-in site (its own scheme, answered from the page source) or of
// an online site. It is kept until the end, so the history of its web view
// carries over from one opening to the next. Links that would open a new
// window (target=_blank, window.open) open in the same view.

#include <QDialog>
#include <memory>
#include <string>

#include "gui/web/site_page_source.h"
#include "gui/web/web_engine_setup.h"

class QPrinter;
class QToolButton;
class QVBoxLayout;
class QWebEngineView;

namespace lumivane::gui {

class TfrmWebbrowser final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWebbrowser(SitePageSource pages, QWidget* parent = nullptr);
    ~TfrmWebbrowser() override;

    // Navigates to the address (percent-encoded, as the core builds it), then
    // shows the window maximised and modal; returns when the user closes it.
    // The page goes on loading while the window is shown.
    void OpenWebPage(const std::string& address);

    // The web view WebBrowser1, null until the first page.
    [[nodiscard]] QWebEngineView* WebBrowser1() const { return m_view; }

public slots:
    void sbtn_backClick();
    void sbtn_NextClick();
    void sbtn_PrintClick();
    void sbtn_closeClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWebEngineView* EnsureView();
    void FormShow();

    QVBoxLayout* m_layout = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_close = nullptr;
    QWebEngineView* m_view = nullptr;
    SitePageSource m_pages;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printing = false;  // the printer is busy until the web view has finished
};

}  // namespace lumivane::gui
