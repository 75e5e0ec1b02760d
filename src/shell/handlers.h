// SPDX-License-Identifier: MIT
#pragma once

#include <span>

#include "practice/form1.h"

namespace kobaru {

// Which handler of the form each widget event runs; a button without a handler for an event
// ignores it.
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

}  // namespace kobaru
