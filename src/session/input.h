// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kobaru {

// What a shell forwards of the trainee's hand and of the platform, raw: the session makes the
// press, release and click of them, and runs the handlers.
enum class InputKind {
  Load,           // the screen opens: its opening handler runs
  Tick,           // a wake-up the session asked for: the ticks due by now run
  ButtonDown,     // a pointer went down on the button `name`
  ButtonUp,       // that pointer came up (`over`: over the button) or was lost (`over` false)
  KeyDown,        // Space or Enter (`key`) went down on the focused button `name`
  KeyUp,          // and came up
  EntryKey,       // a character (`key`, 8 for Backspace) typed into the entry `name`
  EntryText,      // the entry `name` holds `text` now, as the shell already shows it
  EntryClick,     // a pointer came up over the entry `name`
  Focus,          // the keyboard focus is on `name` now ("" for no element of the screen)
  Hidden,         // the screen cannot be seen: a pause begins
  Shown,          // it can again: the pause is over and is not replayed
  MessageClosed,  // the trainee closed the message the session showed
};

struct Input {
  InputKind kind = InputKind::Tick;
  std::string name;
  int pointer = 0;      // ButtonDown, ButtonUp: which pointer (mouse button, finger)
  bool primary = true;  // ButtonDown, EntryClick: the primary mouse button, or a finger
  bool over = true;     // ButtonUp, EntryClick: the pointer came up over the element
  bool repeat = false;  // KeyDown, KeyUp: the key's auto-repeat
  char32_t key = 0;     // KeyDown, KeyUp: U' ' or U'\r'; EntryKey: the character
  std::string text;     // EntryText
  friend bool operator==(const Input&, const Input&) = default;
};

// The kinds by the names the page and the replay tool write them with.
std::string_view nameOf(InputKind kind);
std::optional<InputKind> inputKindNamed(std::string_view name);

}  // namespace kobaru
