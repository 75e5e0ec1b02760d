// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

#include "practice/elements.h"

namespace kobaru {

// An entry of the operator's panel, such as the start price. It reports each typed character
// before the character goes in, and a click into it.
class BoardEntry : public QLineEdit {
  Q_OBJECT

 public:
  explicit BoardEntry(QWidget* parent);
  void apply(const TextBox& box);

 signals:
  void keyTyped(char32_t key);
  void clickedInto();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace kobaru
