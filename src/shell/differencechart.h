// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <vector>

#include "results/summary.h"

namespace kobaru {

// A small bar chart of the won lots' prices against the guide: one bar a lot, oldest at the
// left, above the line when the trainee paid more than the guide, below when less. The newest
// lots that fit are shown.
class DifferenceChart : public QWidget {
 public:
  explicit DifferenceChart(QWidget* parent);
  void setPoints(std::vector<WonDifference> points);
  const std::vector<WonDifference>& points() const { return points_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::vector<WonDifference> points_;
};

}  // namespace kobaru
