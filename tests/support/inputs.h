// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "session/input.h"

namespace kobaru {

// Raw inputs as a shell sends them.
inline Input input(InputKind kind, std::string name = "") {
  Input in;
  in.kind = kind;
  in.name = std::move(name);
  return in;
}
inline Input down(std::string name, int pointer = 0, bool primary = true) {
  Input in = input(InputKind::ButtonDown, std::move(name));
  in.pointer = pointer;
  in.primary = primary;
  return in;
}
inline Input up(std::string name, bool over = true, int pointer = 0) {
  Input in = input(InputKind::ButtonUp, std::move(name));
  in.over = over;
  in.pointer = pointer;
  return in;
}
inline Input key(InputKind kind, std::string name, char32_t k, bool repeat = false) {
  Input in = input(kind, std::move(name));
  in.key = k;
  in.repeat = repeat;
  return in;
}
inline Input typed(std::string name, std::string text) {
  Input in = input(InputKind::EntryText, std::move(name));
  in.text = std::move(text);
  return in;
}
inline Input entryClick(std::string name, bool over = true, bool primary = true) {
  Input in = input(InputKind::EntryClick, std::move(name));
  in.over = over;
  in.primary = primary;
  return in;
}

}  // namespace kobaru
