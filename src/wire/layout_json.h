// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>

namespace kobaru {

class Form1;

// The practice screen's caption and designed size in twips, and the trainee's view of it: the
// area a wide screen shows ({left, top, width, height}) and the parts a narrow portrait screen
// stacks ([{name, left, top, width, height, elements}]).
nlohmann::json practiceLayoutJson(const Form1& form);

}  // namespace kobaru
