// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <string>

#include "practice/elements.h"

namespace kobaru {

// The bid record: a read-only scrolling box that shows its newest line after each change, and
// appends the lines written since rather than rewriting itself.
class RecordBox : public QPlainTextEdit {
 public:
  explicit RecordBox(QWidget* parent);
  void apply(const TextBox& box);

 private:
  std::string shown_;  // the record as the box shows it
};

}  // namespace kobaru
