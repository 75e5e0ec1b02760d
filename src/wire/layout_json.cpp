// SPDX-License-Identifier: MIT
#include "wire/layout_json.h"

#include "presentation/practice_screen.h"
#include "presentation/trainee_view.h"

namespace kobaru {

namespace {

nlohmann::json areaJson(const TraineeArea& a) {
  return {{"left", a.left}, {"top", a.top}, {"width", a.width}, {"height", a.height}};
}

}  // namespace

nlohmann::json practiceLayoutJson(const Form1& form) {
  nlohmann::json parts = nlohmann::json::array();
  const auto elements = traineePartElements(form);
  const auto designed = traineeParts();
  for (std::size_t i = 0; i < designed.size(); ++i) {
    nlohmann::json part = areaJson(designed[i].area);
    part["name"] = designed[i].name;
    part["elements"] = elements[i];
    parts.push_back(std::move(part));
  }
  return {{"caption", kPracticeScreen.caption},
          {"width", kPracticeScreen.width},
          {"height", kPracticeScreen.height},
          {"traineeArea", areaJson(kTraineeArea)},
          {"parts", std::move(parts)}};
}

}  // namespace kobaru
