// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>

#include "presentation/displayed_element.h"

namespace kobaru {

// An element as the pages draw it, in the page and from the hall alike: its properties, its kind
// and control, its accessible name and how a label's caption is laid out.
nlohmann::json elementJson(const DisplayedElement& d);
nlohmann::json elementsJson(const std::vector<DisplayedElement>& elements);
// A font as the pages name it: {face, size, bold}.
nlohmann::json fontJson(const Font& f);
// An alignment as the pages name it: "left", "center" or "right".
const char* alignmentName(Align a);

}  // namespace kobaru
