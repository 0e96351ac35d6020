#pragma once
// The services of the main window: each menu item, tool button and link that
// opens a service page, found by its objectName (or by its "handler" property
// where several controls share one handler), builds its address in the core
// from what the window shows at that moment and opens it in the browser
// window: on the built-in site, or on the online site config.ini names.

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "core/app/web_addresses.h"
#include "core/chart/birth_chart.h"

class QWidget;

namespace lumivane::gui {

// What the handlers read from the main window, at the moment of the click.
class OnlineServicesState {
public:
    virtual ~OnlineServicesState() = default;
    [[nodiscard]] virtual QString FamilyNameBoxText() const = 0;  // edt_FirstName
    [[nodiscard]] virtual QString StarSignLabelText() const = 0;  // Label108
    [[nodiscard]] virtual QString ZodiacLabelText() const = 0;    // Label107
    [[nodiscard]] virtual int SexIndex() const = 0;               // cmb_Sex, -1 for none
    [[nodiscard]] virtual BirthFields Birth() const = 0;          // of the last chart
    [[nodiscard]] virtual int CurrentYear() const = 0;            // local year, for Label107
    [[nodiscard]] virtual int ResultRowCount() const = 0;         // rows of listview_Result
    [[nodiscard]] virtual QString ResultRowCaption(int row) const = 0;
    [[nodiscard]] virtual QString ResultRowFamilyText(int row) const = 0;  // column 15
    // The birth the date boxes hold now, which the site's forms open with.
    [[nodiscard]] virtual BirthFields FormBirth() const { return Birth(); }
};

using WebPageOpener = std::function<void(const std::string& address)>;
// The site the addresses are built on, asked at every click.
using WebSiteSource = std::function<WebSite()>;

class OnlineServices final : public QObject {
    Q_OBJECT
public:
    OnlineServices(const OnlineServicesState& state, WebPageOpener openWebPage, WebSite site = {},
                   QObject* parent = nullptr);
    OnlineServices(const OnlineServicesState& state, WebPageOpener openWebPage,
                   WebSiteSource siteSource, QObject* parent = nullptr);

    // Connects every control of the window that opens a page: QActions by
    // triggered, buttons and clickable labels by clicked, plain labels by a
    // mouse click. Returns the number of controls connected.
    int ConnectControls(QWidget* window);

    // The handler a control runs: its "handler" property, else the handler
    // of its objectName; empty when it opens no page.
    [[nodiscard]] static QString HandlerOfControl(const QObject* control);

    // Opens the analysis page of a row; a negative row (none selected) or a
    // row past the end opens nothing.
    void OpenNameAnalysis(int row, std::string_view destination);

public slots:
    // A double-click on the detailed list, or 查看名字属性 (N8): the selected row, -1 for none.
    void listview_ResultDblClick(int selectedRow);
    void Label37Click();

private:
    void RunHandler(const QString& handler, const QObject* control);
    void Open(const std::string& address) const;
    [[nodiscard]] WebSite Site() const;

    const OnlineServicesState& m_state;
    WebPageOpener m_openWebPage;
    WebSiteSource m_siteSource;
};

// Connects the window's services to a page opener (the browser window), on
// the site of config.ini (read at each click, so a change applies at once);
// call once, after the window's widgets exist. The services live as a child
// of the window.
OnlineServices* ConnectOnlineServices(QWidget* mainWindow, const OnlineServicesState& state,
                                      WebPageOpener openWebPage);

}  // namespace lumivane::gui
