#pragma once
// A label that acts as a link of the birth-chart panel (Label32 … Label37,
// Label107, Label108): it reports clicks, and the online services connect to it.

#include <QLabel>

namespace lumivane::gui {

class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace lumivane::gui
