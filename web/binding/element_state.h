// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include <variant>

#include "practice/elements.h"

namespace kobaru {

// An element as the page draws it: a plain object with the element's properties, its kind and
// its accessible name.
emscripten::val stateOf(const Element& e);
// A font as the page names it: {face, size, bold}.
emscripten::val fontOf(const Font& f);
// An alignment as the page names it: "left", "center" or "right".
emscripten::val alignmentOf(Align a);

// An element with the properties last handed to the page, so that only changes travel.
class ShownElement {
 public:
  explicit ShownElement(Element& e);
  Element& element() const { return element_; }
  // Takes the element's properties as shown; true when they had changed.
  bool refresh();
  // The page has already shown what the trainee typed into an entry.
  void typed(const std::string& text);

 private:
  Element& element_;
  std::variant<Label, Button, TextBox, Picture, Line> shown_;
};

}  // namespace kobaru
