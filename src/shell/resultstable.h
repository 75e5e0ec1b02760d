// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "results/results.h"

namespace kobaru {

// The table of lots for the results window, newest first. It copies the cells of each lot once:
// only the newest lot of a session changes, so a refresh redoes that one and adds the new ones.
class ResultsTable : public QAbstractTableModel {
 public:
  explicit ResultsTable(const Results& results, QObject* parent);

  void refresh();
  // The lot shown in that row.
  const LotResult& lotAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const Results& results_;
  std::uint64_t session_ = 0;
  std::vector<QStringList> cells_;  // oldest first, as the results keep them
};

}  // namespace kobaru
