// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "practice/elements.h"

namespace kobaru {

class Form1;

// A caption read around a box lying over its blanks ("決定まであと" [box] "秒"): the words before
// the blanks end where the box begins (`left`, twips from the label's left edge), those after
// begin where it ends (`right`); each is condensed across where it would not fit its side.
struct CaptionAroundBox {
  std::string before, after;
  int left = 0, right = 0;
  friend bool operator==(const CaptionAroundBox&, const CaptionAroundBox&) = default;
};

// The control a shell makes for an element, once, when the screen opens: a text box is the bid
// record (many lines), an entry the trainee types into, or a box only the handlers write.
enum class Control { Label, Button, Entry, Record, Box, Picture, Line };
Control controlOf(const Element& e);

// An element as every shell draws it: its properties, its accessible name and, for a label, how
// its caption is laid out.
struct DisplayedElement {
  std::variant<Label, Button, TextBox, Picture, Line> state;
  std::string accessibleName;
  // A label's caption wraps; only this many lines of it show (those that nearly fit after the
  // first), so no sliver of a line peeks out below. 0: the label is not a line high.
  int wholeLines = 0;
  std::optional<CaptionAroundBox> aroundBox;

  const Element& element() const;
  friend bool operator==(const DisplayedElement&, const DisplayedElement&) = default;
};

DisplayedElement displayed(const Element& e, const Form1& form);

}  // namespace kobaru
