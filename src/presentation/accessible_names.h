// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "practice/elements.h"

namespace kobaru {

// What a screen reader calls an element of the practice screen: its caption, or for lamps,
// indicator bars, pictures and boxes whose text changes, a short Japanese description. UTF-8, for
// every shell alike.
std::string accessibleName(const Element& e);

}  // namespace kobaru
