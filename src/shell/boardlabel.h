// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QPainter;

#include "practice/elements.h"
#include "presentation/magnification.h"

namespace kobaru {

// A label of the board: a caption that wraps like a label's, over its own background or over
// whatever lies behind it.
class BoardLabel : public QWidget {
 public:
  explicit BoardLabel(QWidget* parent);
  void apply(const Label& label);
  void magnify(const View& view);
  // A box lies over the caption's blanks, from `left` to `right` (twips from the label's left
  // edge): the words before the blanks end where the box begins and those after begin where it
  // ends, each condensed if it would not fit its side.
  void leaveRoom(int left, int right);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void paintAroundRoom(QPainter& p, const QString& caption);
  Label label_;
  double factor_ = 1;
  int roomLeft_ = 0, roomRight_ = 0;  // no room when equal
};

}  // namespace kobaru
