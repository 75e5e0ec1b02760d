// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/displayed_element.h"

namespace kobaru {

class Form1;

// How some elements look otherwise to one viewer than on the shared screen, and which of them
// the viewer sees at all.
class ElementLook {
 public:
  virtual ~ElementLook() = default;
  // A viewer is never sent what they are not shown.
  virtual bool shows(const Element&) const { return true; }
  virtual bool alters(const Element& e) const = 0;
  virtual void apply(DisplayedElement& d) const = 0;
  // What the look of an element it alters follows from besides the element itself: while this
  // and the element stay the same, so does the look.
  virtual std::uint64_t inputsOf(const Element& e) const = 0;
};

// What a viewer of the screen was last shown of each element, so that only changes travel.
class Viewer {
 public:
  // Which elements it follows: all, or with a look, only those the look alters (what is the
  // viewer's own) or only the others (what every viewer with such a look shares).
  enum class Scope { All, Altered, Unaltered };
  // `look`, if any, must outlive the viewer.
  explicit Viewer(const Form1& form, const ElementLook* look = nullptr, Scope scope = Scope::All);

  // Every element in stacking order, as it stands; the changes start from here.
  std::vector<DisplayedElement> all();
  // The elements changed since the last call of this or all().
  std::vector<DisplayedElement> changes();
  // The viewer already shows the entry's text, as typed there.
  void typed(const TextBox& box);

 private:
  // An element as last shown, with what it was made from.
  struct Shown {
    DisplayedElement displayed;
    std::variant<Label, Button, TextBox, Picture, Line> from;
    bool altered = false;  // by the look
    std::uint64_t inputs = 0;
  };
  Shown shownOf(const Element& e) const;
  bool unchanged(const Element& e, const Shown& shown) const;
  bool follows(bool altered) const;
  const Form1& form_;
  const ElementLook* look_;
  Scope scope_;
  // The elements of its scope, by index in the form's, and each as last shown.
  std::vector<std::size_t> followed_;
  std::vector<Shown> shown_;
};

}  // namespace kobaru
