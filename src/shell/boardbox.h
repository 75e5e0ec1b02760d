// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "practice/elements.h"
#include "presentation/magnification.h"

namespace kobaru {

// A display box of the board: one line of text that only the handlers write, such as a price
// digit or the lot number.
class BoardBox : public QWidget {
  Q_OBJECT

 public:
  explicit BoardBox(QWidget* parent);
  void apply(const TextBox& box);
  QString text() const;
  void magnify(const View& view);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  TextBox box_;
  double factor_ = 1;
};

}  // namespace kobaru
