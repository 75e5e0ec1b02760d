// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "presentation/displayed_element.h"

namespace kobaru {

class Form1;

// How some elements look otherwise to one viewer than on the shared screen.
class ElementLook {
 public:
  virtual ~ElementLook() = default;
  virtual bool alters(const Element& e) const = 0;
  virtual void apply(DisplayedElement& d) const = 0;
};

// What a viewer of the screen was last shown of each element, so that only changes travel.
class Viewer {
 public:
  // `look`, if any, must outlive the viewer.
  explicit Viewer(const Form1& form, const ElementLook* look = nullptr);

  // Every element in stacking order, as it stands; the changes start from here.
  std::vector<DisplayedElement> all();
  // The elements changed since the last call of this or all().
  std::vector<DisplayedElement> changes();
  // The viewer already shows the entry's text, as typed there.
  void typed(const TextBox& box);

 private:
  DisplayedElement shownOf(const Element& e) const;
  const Form1& form_;
  const ElementLook* look_;
  std::vector<DisplayedElement> shown_;
};

}  // namespace kobaru
