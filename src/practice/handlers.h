// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "practice/form1.h"

namespace kobaru {

// Which handler of the form each event of an element runs, for every shell alike; a button
// without a handler for an event ignores it.
struct ButtonHandlers {
  const char* name;
  void (Form1::*click)();
  void (Form1::*mouseDown)();
  void (Form1::*mouseUp)();
};

struct EntryHandlers {
  const char* name;
  void (Form1::*keyPress)(char32_t);
  void (Form1::*click)();
};

std::span<const ButtonHandlers> buttonHandlers();
std::span<const EntryHandlers> entryHandlers();

// The handlers of the button or entry of that name, or nullptr for an element without any.
const ButtonHandlers* buttonHandlers(std::string_view name);
const EntryHandlers* entryHandlers(std::string_view name);

}  // namespace kobaru
