// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "practice/elements.h"
#include "presentation/magnification.h"

namespace kobaru {

// A straight line of the board, such as an edge of the frame round the price board. The widget
// covers the line's bounding box widened by the pen; the pen is magnified with the board but
// never thinner than one device pixel.
class BoardLine : public QWidget {
 public:
  explicit BoardLine(QWidget* parent);
  void apply(const Line& line);
  void magnify(const View& view);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void place();
  Line line_;
  View view_;
};

}  // namespace kobaru
