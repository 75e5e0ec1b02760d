// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "presentation/displayed_element.h"

namespace kobaru {

class Form1;

// What a viewer of the screen was last shown of each element, so that only changes travel.
class Viewer {
 public:
  explicit Viewer(const Form1& form);

  // Every element in stacking order, as it stands; the changes start from here.
  std::vector<DisplayedElement> all();
  // The elements changed since the last call of this or all().
  std::vector<DisplayedElement> changes();
  // The viewer already shows the entry's text, as typed there.
  void typed(const TextBox& box);

 private:
  const Form1& form_;
  std::vector<DisplayedElement> shown_;
};

}  // namespace kobaru
