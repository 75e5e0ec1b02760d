// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "practice/elements.h"

namespace kobaru {

// A label of the board: a caption that wraps like a label's, over its own background or over
// whatever lies behind it.
class BoardLabel : public QWidget {
 public:
  explicit BoardLabel(QWidget* parent);
  void apply(const Label& label);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Label label_;
};

}  // namespace kobaru
