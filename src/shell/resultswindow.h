// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <QWidget>
#include <vector>

#include "results/results.h"

class QLabel;
class QTableView;
class QPushButton;

namespace kobaru {

class DifferenceChart;
class ResultsTable;

// 「練習成績」: the session summary, a chart of the won lots against the guide and the table of
// lots, newest first. Modeless; it follows the practice while it plays by looking at the results
// a few times a second, and redraws only when they changed. Ctrl+A, Ctrl+C (or the copy button)
// copy it as tab-separated text.
class ResultsWindow : public QWidget {
 public:
  explicit ResultsWindow(const Results& results);

  // Brings the window up to date at once.
  void refresh();
  // The text Ctrl+C copies: the selected lots, or everything when all of them (or none) are
  // selected.
  QString copiedText() const;
  void copy();
  void selectAll();

  QTableView* table() const { return table_; }
  DifferenceChart* chart() const { return chart_; }
  // The value shown beside a summary label, or a null string.
  QString summaryValue(const QString& label) const;

 private:
  const Results& results_;
  std::uint64_t shown_ = ~std::uint64_t{0};
  std::vector<std::pair<QLabel*, QLabel*>> summary_;
  DifferenceChart* chart_;
  ResultsTable* model_;
  QTableView* table_;
  QTimer look_;
};

}  // namespace kobaru
