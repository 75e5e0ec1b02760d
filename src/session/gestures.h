// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "session/input.h"

namespace kobaru {

// What the trainee's hand did, as the handlers know it.
struct Gesture {
  enum class Kind { Press, Release, Click, EntryKey, EntryClick };
  Kind kind = Kind::Click;
  std::string name;
  char32_t key = 0;  // EntryKey
  friend bool operator==(const Gesture&, const Gesture&) = default;
};

// Makes gestures of raw input, for every shell alike. A button reports the press and the release
// of any pointer (the release goes to the pressed button wherever the pointer is then, and a
// second pointer while one holds adds nothing), and the click only when the primary button comes
// up over it; Space (on its release) or Enter (on its press) on the focused button gives the
// click alone. The trainee's bid button depends on exactly this.
class Gestures {
 public:
  std::vector<Gesture> feed(const Input& input);
  // The button held down, drawn pressed; "" for none.
  const std::string& held() const;

 private:
  struct Held {
    std::string name;
    int pointer;
    bool primary;
  };
  std::optional<Held> held_;
  std::string spaceDown_;  // the button Space went down on
};

}  // namespace kobaru
