#pragma once
// The birth-chart panel Panel4: four lines of labels. Value labels carry the
// tag 1 (emptied by ClearBirthChart), the forecast links the tag 2 (hidden
// until a chart is shown); the captions keep their fixed texts.

#include <QFrame>

#include "core/chart/birth_chart.h"

class QLabel;

namespace lumivane::gui {

inline constexpr const char* kTagProperty = "tag";

class ChartPanel final : public QFrame {
    Q_OBJECT
public:
    explicit ChartPanel(QWidget* parent = nullptr);

    // The label LabelN of the panel, or nullptr.
    [[nodiscard]] QLabel* Label(int number) const;

    void ClearBirthChart();
    void ShowChart(const BirthChart& chart);
};

}  // namespace lumivane::gui
