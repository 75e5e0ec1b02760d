// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <vector>

namespace kobaru {

class Form1;
struct Element;

// The practice screen as a trainee sees it, without the operator's panel: on a wide screen the
// designed area right of the panel, magnified to fit; on a narrow portrait screen its parts one
// under the other, each across the width and keeping its own designed look, the bid button and
// 確認 side by side across the width, so that a finger finds them.
struct TraineeArea {
  int left, top, width, height;  // twips of the designed screen
};

struct TraineePart {
  const char* name;
  TraineeArea area;
  // Its elements are those lying inside its area, but for the buttons', which it names.
  std::span<const char* const> named;
};

extern const TraineeArea kTraineeArea;
// Whether any of the element lies in the trainee's area (all the parts' elements do).
bool inTraineeArea(const Element& e);
std::span<const TraineePart> traineeParts();

// Each part's elements in stacking order: an element named by a part is that part's, any other
// belongs to the first part whose area holds it whole; what lies in none is the operator's.
std::vector<std::vector<std::string>> traineePartElements(const Form1& form);

}  // namespace kobaru
