// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

#include "practice/elements.h"

namespace kobaru {

// The bid record: a read-only scrolling box that shows its newest line after each change.
class RecordBox : public QPlainTextEdit {
 public:
  explicit RecordBox(QWidget* parent);
  void apply(const TextBox& box);
};

}  // namespace kobaru
