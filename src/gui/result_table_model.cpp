#include "gui/result_table_model.h"

#include <QColor>

#include <algorithm>

#include <QBrush>
#include <QColor>

#include "core/naming/name_sound.h"

namespace lumivane::gui {

ResultTableModel::ResultTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kResultColumnCount + 1;
}

bool ResultTableModel::HasVerses() const {
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [](const ResultRow& row) { return row.verse.has_value(); });
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() > kVerseColumn) {
        return {};
    }
    const ResultRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            if (column == kVerseColumn) {
                return QString::fromStdString(VerseTextOf(row));
            }
            return QString::fromStdString(row.columns[static_cast<std::size_t>(column)]);
        case Qt::CheckStateRole:
            if (column == kColumnName) {
                return row.checked ? Qt::Checked : Qt::Unchecked;
            }
            return {};
        // The names that supply the chart's favourable elements (喜用神) show it at a glance.
        case Qt::BackgroundRole:
            if (column == kColumnName && row.suppliesFavourable == 1) {
                return QColor(0xDD, 0xF3, 0xDD);
            }
            return {};
        case Qt::ForegroundRole:
        case Qt::ToolTipRole: {
            // A name from verse shows its line wherever the pointer rests on
            // the row. A name that sounds like a well-known person or is an
            // ordinary word is marked in the name column, the reason in its tip.
            std::vector<SoundAlike> alikes;
            if (column == kColumnName) {
                const GivenNameCode code = row.Code();
                alikes = SoundAlikesOf(FamilyNameOfCode(row.familyCode), FirstIndexOf(code),
                                       SecondIndexOf(code));
            }
            if (role == Qt::ForegroundRole) {
                return alikes.empty() ? QVariant() : QBrush(QColor(0xb0, 0x40, 0x10));
            }
            QString tip = row.verse ? QString::fromStdString(VerseTextOf(row)) : QString();
            for (const SoundAlike& alike : alikes) {
                tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) +
                       QString::fromStdString(alike.Words);
            }
            if (column == kColumnName && row.suppliesFavourable >= 0) {
                tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) +
                       (row.suppliesFavourable == 1 ? QStringLiteral("字义五行补八字喜用神")
                                                    : QStringLiteral("字义五行不补喜用神"));
            }
            return tip.isEmpty() ? QVariant() : QVariant(tip);
        }
        case Qt::TextAlignmentRole:
            if (column > kColumnName && column < kVisibleResultColumns) {
                return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
            }
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        default:
            return {};
    }
}

bool ResultTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != kColumnName || role != Qt::CheckStateRole) {
        return false;
    }
    SetChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section > kVerseColumn) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        if (section == kVerseColumn) {
            return QStringLiteral("出处");
        }
        if (section < kVisibleResultColumns) {
            return QString::fromUtf8(
                ResultColumnHeaders[static_cast<std::size_t>(section)].caption.data(),
                static_cast<qsizetype>(
                    ResultColumnHeaders[static_cast<std::size_t>(section)].caption.size()));
        }
        return QString();
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(
            section == kColumnName ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter));
    }
    return {};
}

Qt::ItemFlags ResultTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kColumnName) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

void ResultTableModel::SetRows(std::vector<ResultRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ResultTableModel::SetChecked(int row, bool checked) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    m_rows[static_cast<std::size_t>(row)].checked = checked;
    const QModelIndex cell = index(row, kColumnName);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

void ResultTableModel::RemoveCheckedRows() {
    for (int row = rowCount() - 1; row >= 0; --row) {
        if (m_rows[static_cast<std::size_t>(row)].checked) {
            beginRemoveRows({}, row, row);
            m_rows.erase(m_rows.begin() + row);
            endRemoveRows();
        }
    }
}

}  // namespace lumivane::gui
