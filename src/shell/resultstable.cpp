// SPDX-License-Identifier: MIT
#include "shell/resultstable.h"

#include "presentation/results_text.h"

namespace kobaru {

namespace {

// Columns of words rather than numbers: the mode, the right at the sell-out and the outcome.
bool isWords(int column) {
  return column == 1 || column == 7 || column == 8;
}

QStringList toQStrings(const std::vector<std::string>& cells) {
  QStringList list;
  for (const std::string& c : cells) list << QString::fromStdString(c);
  return list;
}

}  // namespace

ResultsTable::ResultsTable(const Results& results, QObject* parent)
    : QAbstractTableModel(parent), results_(results) {
  refresh();
}

void ResultsTable::refresh() {
  const Lots& lots = results_.lots();
  if (results_.session() != session_ || lots.size() < cells_.size()) {
    beginResetModel();
    cells_.clear();
    for (const LotResult& lot : lots) cells_.push_back(toQStrings(lotCells(lot)));
    session_ = results_.session();
    endResetModel();
    return;
  }
  // Rows change in place and new ones come in at the top, so a selection stays where it was.
  if (!cells_.empty()) {
    QStringList newest = toQStrings(lotCells(lots[cells_.size() - 1]));
    if (newest != cells_.back()) {
      cells_.back() = std::move(newest);
      emit dataChanged(index(0, 0), index(0, columnCount() - 1));
    }
  }
  const int added = static_cast<int>(lots.size() - cells_.size());
  if (added == 0) return;
  beginInsertRows({}, 0, added - 1);
  for (std::size_t i = cells_.size(); i < lots.size(); ++i)
    cells_.push_back(toQStrings(lotCells(lots[i])));
  endInsertRows();
}

const LotResult& ResultsTable::lotAt(int row) const {
  return results_.lots()[cells_.size() - 1 - static_cast<std::size_t>(row)];
}

int ResultsTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int ResultsTable::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lotHeadings().size());
}

QVariant ResultsTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole)
    return cells_[cells_.size() - 1 - static_cast<std::size_t>(index.row())].value(index.column());
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::AlignVCenter |
                               (isWords(index.column()) ? Qt::AlignLeft : Qt::AlignRight));
  return {};
}

QVariant ResultsTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return {};
  if (section < 0 || section >= columnCount()) return {};
  // The unit on a line of its own keeps the columns narrow enough to see them all.
  return QString::fromUtf8(lotHeadings()[static_cast<std::size_t>(section)])
      .replace(QStringLiteral("（"), QStringLiteral("\n（"));
}

}  // namespace kobaru
