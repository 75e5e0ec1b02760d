// SPDX-License-Identifier: MIT
#include "presentation/trainee_view.h"

#include <algorithm>

#include "practice/form1.h"

namespace kobaru {

namespace {

constexpr const char* kButtons[] = {"Command12", "Command14"};

// In the order a portrait screen stacks them.
constexpr TraineePart kParts[] = {
    {"upperBoard", {6180, 60, 5580, 3600}, {}}, {"buttons", {6240, 3720, 5415, 495}, kButtons},
    {"guide", {6180, 3640, 5580, 690}, {}},     {"lowerBoard", {6180, 4320, 5580, 4140}, {}},
    {"record", {4080, 120, 1815, 8415}, {}},
};

bool holds(const TraineeArea& a, const Element& e) {
  return e.left >= a.left && e.top >= a.top && e.left + e.width <= a.left + a.width &&
         e.top + e.height <= a.top + a.height;
}

bool names(const TraineePart& p, const std::string& name) {
  return std::find(p.named.begin(), p.named.end(), name) != p.named.end();
}

}  // namespace

// The record and the boards, with a margin of black around them.
const TraineeArea kTraineeArea = {4020, 0, 7875, 8700};

bool inTraineeArea(const Element& e) {
  const TraineeArea& a = kTraineeArea;
  return e.left < a.left + a.width && a.left < e.left + e.width && e.top < a.top + a.height &&
         a.top < e.top + e.height;
}

std::span<const TraineePart> traineeParts() {
  return kParts;
}

std::vector<std::vector<std::string>> traineePartElements(const Form1& form) {
  std::vector<std::vector<std::string>> parts(std::size(kParts));
  for (const Element* e : form.elements()) {
    const auto named = std::find_if(std::begin(kParts), std::end(kParts),
                                    [e](const TraineePart& p) { return names(p, e->name); });
    const auto holder =
        named != std::end(kParts)
            ? named
            : std::find_if(std::begin(kParts), std::end(kParts), [e](const TraineePart& p) {
                return p.named.empty() && holds(p.area, *e);
              });
    if (holder != std::end(kParts)) parts[holder - std::begin(kParts)].push_back(e->name);
  }
  return parts;
}

}  // namespace kobaru
