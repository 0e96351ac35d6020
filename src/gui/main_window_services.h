#pragma once
// What the online services read from the main window at the moment of a click.

#include "gui/web/online_services.h"

namespace lumivane {
class Clock;
}

namespace lumivane::gui {

class TfrmMain;

class MainWindowServicesState final : public OnlineServicesState {
public:
    MainWindowServicesState(const TfrmMain& window, const Clock& clock)
        : m_window(window), m_clock(clock) {}

    [[nodiscard]] QString FamilyNameBoxText() const override;
    [[nodiscard]] QString StarSignLabelText() const override;
    [[nodiscard]] QString ZodiacLabelText() const override;
    [[nodiscard]] int SexIndex() const override;
    [[nodiscard]] BirthFields Birth() const override;
    [[nodiscard]] BirthFields FormBirth() const override;
    [[nodiscard]] int CurrentYear() const override;
    [[nodiscard]] int ResultRowCount() const override;
    [[nodiscard]] QString ResultRowCaption(int row) const override;
    [[nodiscard]] QString ResultRowFamilyText(int row) const override;

private:
    [[nodiscard]] QString LabelText(const char* name) const;

    const TfrmMain& m_window;
    const Clock& m_clock;
};

}  // namespace lumivane::gui
