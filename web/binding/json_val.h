// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include <nlohmann/json.hpp>
#include <span>

namespace kobaru {

// The core's wire forms as the page's objects, through the page's own JSON: one crossing,
// whatever their size.
emscripten::val toVal(const nlohmann::json& j);
// The named fields of a page's object that hold a string, a number or a boolean; nothing of what
// is not an object.
nlohmann::json fieldsOf(const emscripten::val& v, std::span<const char* const> names);

}  // namespace kobaru
