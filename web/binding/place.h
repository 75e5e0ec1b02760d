// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

namespace kobaru {

// A designed place as the page reads it: {left, top, width, height}.
template <typename Place>
emscripten::val placeOf(const Place& p) {
  emscripten::val place = emscripten::val::object();
  place.set("left", p.left);
  place.set("top", p.top);
  place.set("width", p.width);
  place.set("height", p.height);
  return place;
}

}  // namespace kobaru
