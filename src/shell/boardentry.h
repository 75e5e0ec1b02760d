// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

#include "practice/elements.h"

namespace kobaru {

// An entry of the operator's panel, such as the start price. It reports each typed character
// before the character goes in, every other edit by the user once (a character 0 for an edit
// made without a key), and a click into it.
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

 private:
  bool keyEditing_ = false;   // a key press is being handled
  bool keyReported_ = false;  // ... and its character was reported already
  bool editedByKey_ = false;  // ... and it changed the text
};

}  // namespace kobaru
