// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "practice/platform.h"

namespace kobaru {

enum class MessageIcon { Information, Warning };

// The platform services the practice screen calls: its questions, and what it has the platform
// do (the effects). The desktop shell and the tests supply them.
class Host : public PlatformQuestions {
 public:
  // Starts the cue and returns at once; a new cue replaces one still playing.
  virtual void playSound(const std::string& path) = 0;
  virtual void beep() = 0;
  // Returns when the trainee has closed the message.
  virtual void showMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // The practice screen unloads itself.
  virtual void closePracticeScreen() = 0;
  virtual void showLauncher() = 0;
  // Shows the trainee's results beside the screen; a host without that window ignores it.
  virtual void showResults() {}
};

}  // namespace kobaru
