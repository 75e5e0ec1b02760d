// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "practice/elements.h"

namespace kobaru {

// A straight line of the board, such as an edge of the frame round the price board. The widget
// covers the line's bounding box widened by the pen.
class BoardLine : public QWidget {
 public:
  explicit BoardLine(QWidget* parent);
  void apply(const Line& line);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Line line_;
};

}  // namespace kobaru
