#include "gui/web/online_services.h"

#include "core/app/online_site.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <memory>

namespace lumivane::gui {
namespace {

constexpr const char* kHandlerProperty = "handler";
constexpr const char* kTagProperty = "tag";

// The forecast links stand for the Tags 1 to 4, in the order Label32 … Label35.
constexpr const char* kForecastLinks[] = {"Label32", "Label33", "Label34", "Label35"};

bool OpensAPage(const std::string& handler) {
    // The analysis of the selected row is started by the main window, which
    // knows the selection; the services only open the page.
    return handler != "listview_ResultDblClick" && FindServiceOfHandler(handler) != nullptr;
}

// A caption without its mnemonic marks ("&&" stands for "&").
std::string CaptionText(QString text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    return plain.toStdString();
}

std::string CaptionOf(const QObject* control) {
    if (const auto* action = qobject_cast<const QAction*>(control)) {
        return CaptionText(action->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return CaptionText(button->text());
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text().toStdString();
    }
    return {};
}

std::optional<int> TagOf(const QObject* control) {
    QVariant tag = control->property(kTagProperty);
    if (!tag.isValid()) {
        if (const auto* action = qobject_cast<const QAction*>(control)) {
            tag = action->data();
        }
    }
    bool ok = false;
    const int value = tag.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> ForecastTagOfLinkControl(const QObject* control) {
    for (int k = 0; k < 4; ++k) {
        if (control->objectName() == QLatin1String(kForecastLinks[k])) {
            return k + 1;
        }
    }
    return ForecastTagOfLink(CaptionOf(control));
}

// Runs a handler once a label's mouse event is over, so that the modal
// browser window does not open from inside the label's event handling.
class LabelClickFilter final : public QObject {
public:
    LabelClickFilter(std::function<void(QObject*)> onClick, QObject* parent)
        : QObject(parent), m_onClick(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* label = qobject_cast<QLabel*>(watched);
            if (label != nullptr && mouse->button() == Qt::LeftButton &&
                label->rect().contains(mouse->position().toPoint())) {
                QPointer<QObject> target(watched);
                QTimer::singleShot(0, this, [this, target] {
                    if (target) {
                        m_onClick(target.data());
                    }
                });
            }
        }
        return false;
    }

private:
    std::function<void(QObject*)> m_onClick;
};

}  // namespace

OnlineServices::OnlineServices(const OnlineServicesState& state, WebPageOpener openWebPage,
                               WebSite site, QObject* parent)
    : OnlineServices(
          state, std::move(openWebPage), [site = std::move(site)] { return site; }, parent) {}

OnlineServices::OnlineServices(const OnlineServicesState& state, WebPageOpener openWebPage,
                               WebSiteSource siteSource, QObject* parent)
    : QObject(parent),
      m_state(state),
      m_openWebPage(std::move(openWebPage)),
      m_siteSource(std::move(siteSource)) {}

WebSite OnlineServices::Site() const {
    return m_siteSource();
}

QString OnlineServices::HandlerOfControl(const QObject* control) {
    std::string handler = control->property(kHandlerProperty).toString().toStdString();
    if (handler.empty()) {
        const std::string name = control->objectName().toStdString();
        if (name.empty()) {
            return {};
        }
        handler = lumivane::HandlerOfControl(name);
    }
    return OpensAPage(handler) ? QString::fromStdString(handler) : QString();
}

int OnlineServices::ConnectControls(QWidget* window) {
    auto* labelFilter = new LabelClickFilter(
        [this](QObject* control) { RunHandler(HandlerOfControl(control), control); }, this);
    int connected = 0;
    for (QObject* control : window->findChildren<QObject*>()) {
        const QString handler = HandlerOfControl(control);
        if (handler.isEmpty()) {
            continue;
        }
        if (auto* action = qobject_cast<QAction*>(control)) {
            connect(action, &QAction::triggered, this,
                    [this, handler, action] { RunHandler(handler, action); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, handler, button] { RunHandler(handler, button); });
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            label->installEventFilter(labelFilter);
            label->setCursor(Qt::PointingHandCursor);
        } else {
            continue;
        }
        ++connected;
    }
    return connected;
}

void OnlineServices::Open(const std::string& address) const {
    m_openWebPage(address);
}

void OnlineServices::RunHandler(const QString& handler, const QObject* control) {
    const std::string name = handler.toStdString();
    if (name == "Label37Click") {
        Label37Click();
        return;
    }
    WebPageInputs inputs;
    inputs.familyNameBox = m_state.FamilyNameBoxText().toStdString();
    inputs.starSignLabel = m_state.StarSignLabelText().toStdString();
    inputs.zodiacLabel = m_state.ZodiacLabelText().toStdString();
    inputs.caption = CaptionOf(control);
    inputs.tag = name == "Label32Click" ? ForecastTagOfLinkControl(control) : TagOf(control);
    inputs.currentYear = m_state.CurrentYear();
    inputs.prefill.familyText = inputs.familyNameBox;
    inputs.prefill.sexIndex = m_state.SexIndex();
    inputs.prefill.birth = m_state.FormBirth();
    // A failure (no Tag on a forecast item) is a programming slip in the
    // menus' table; nothing sensible can be opened then.
    if (const WebAddressResult result = AddressOfHandler(name, inputs, Site()); result.ok()) {
        Open(result.address);
    }
}

void OnlineServices::OpenNameAnalysis(int row, std::string_view destination) {
    if (row < 0 || row >= m_state.ResultRowCount()) {
        return;
    }
    NameAnalysisInputs inputs;
    inputs.familyText = m_state.ResultRowFamilyText(row).toStdString();
    inputs.rowCaption = m_state.ResultRowCaption(row).toStdString();
    inputs.sexIndex = m_state.SexIndex();
    inputs.birth = m_state.Birth();
    inputs.destination = std::string(destination);
    Open(NameAnalysisAddress(inputs, Site()));
}

void OnlineServices::listview_ResultDblClick(int selectedRow) {
    OpenNameAnalysis(selectedRow, kAnalysisFromList);
}

void OnlineServices::Label37Click() {
    if (m_state.ResultRowCount() > 0) {
        OpenNameAnalysis(0, kAnalysisFromLink);
    }
}

OnlineServices* ConnectOnlineServices(QWidget* mainWindow, const OnlineServicesState& state,
                                      WebPageOpener openWebPage) {
    // An unusable SiteRoot falls back to the built-in site; the user hears of
    // it once, not at every click.
    auto told = std::make_shared<bool>(false);
    QPointer<QWidget> window(mainWindow);
    WebSiteSource source = [told, window] {
        std::string note;
        WebSite site = LoadWebSite(&note);
        auto* main = qobject_cast<QMainWindow*>(window.data());
        if (!note.empty() && !*told && main != nullptr) {
            *told = true;
            main->statusBar()->showMessage(QString::fromStdString(note), 15000);
        }
        return site;
    };
    auto* services = new OnlineServices(state, std::move(openWebPage), source, mainWindow);
    services->ConnectControls(mainWindow);
    return services;
}

}  // namespace lumivane::gui
