// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <vector>

#include "results/summary.h"

namespace kobaru {

// The small bar chart of the won lots' prices against the guide, drawn as the core lays it out
// for the widget's size.
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
