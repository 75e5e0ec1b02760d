// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include "presentation/displayed_element.h"

namespace kobaru {

// An element as the page draws it: a plain object with the element's properties, its kind, its
// accessible name and how a label's caption is laid out.
emscripten::val stateOf(const DisplayedElement& d);
// A font as the page names it: {face, size, bold}.
emscripten::val fontOf(const Font& f);
// An alignment as the page names it: "left", "center" or "right".
emscripten::val alignmentOf(Align a);

}  // namespace kobaru
