// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include "results/results.h"
#include "session/practice_session.h"
#include "web_platform.h"

namespace kobaru {

// The practice screen in the page: the core's session on the page's clock (performance.now(), in
// milliseconds). The page hands it each raw input with the time and does what it returns.
class Board {
 public:
  // `results` follows the lots and must outlive the board. A seed that is not a whole number
  // from 1 to 2^53 - 1 takes the program's own draws.
  Board(emscripten::val page, Results& results, bool anotherCopy, double wallNow, double seed);

  // The screen's caption, designed size and the trainee's view of it.
  emscripten::val layout() const;
  // Every element in stacking order, as it stands; the changes start from here.
  emscripten::val elements();
  // One input, and what the page must do after it.
  emscripten::val input(const emscripten::val& in, double wallNow);
  // The form's virtual time, in milliseconds.
  double now() const { return static_cast<double>(session_.now()); }

 private:
  WebPlatform platform_;
  PracticeSession session_;
};

}  // namespace kobaru
