#pragma once
// The detailed result list as a table model over the core's rows: all 16
// columns are kept (the view hides the last six), the check box sits in the
// name column, and nothing is editable but the check marks.

#include <QAbstractTableModel>
#include <vector>

#include "core/results/result_row.h"

namespace lumivane::gui {

// After the 16 columns of the design: the line a name from verse was taken
// from (出处), shown only while the list holds such names.
inline constexpr int kVerseColumn = kResultColumnCount;

class ResultTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    [[nodiscard]] const std::vector<ResultRow>& Rows() const { return m_rows; }
    void SetRows(std::vector<ResultRow> rows);
    // Whether any row carries a verse.
    [[nodiscard]] bool HasVerses() const;
    // Lets a sort reorder the rows in place; the views are told afterwards.
    template <typename Function>
    void Reorder(Function&& reorder) {
        emit layoutAboutToBeChanged();
        reorder(m_rows);
        emit layoutChanged();
    }
    void SetChecked(int row, bool checked);
    // Removes the rows whose check box is ticked.
    void RemoveCheckedRows();

private:
    std::vector<ResultRow> m_rows;
};

}  // namespace lumivane::gui
