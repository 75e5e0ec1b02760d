// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QPainter;

#include "presentation/displayed_element.h"
#include "presentation/magnification.h"

namespace kobaru {

// A label of the board: a caption that wraps like a label's, over its own background or over
// whatever lies behind it.
class BoardLabel : public QWidget {
 public:
  explicit BoardLabel(QWidget* parent);
  void apply(const DisplayedElement& label);
  void magnify(const View& view);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void paintAroundBox(QPainter& p, const CaptionAroundBox& around);
  Label label_;
  int wholeLines_ = 0;
  std::optional<CaptionAroundBox> aroundBox_;
  double factor_ = 1;
};

}  // namespace kobaru
