// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include <string>

namespace kobaru {

// The page's strings from the core's UTF-8: a plain `val(const char*)` would read Latin-1.
inline emscripten::val utf8(const char* s) {
  return emscripten::val(std::string(s));
}

}  // namespace kobaru
