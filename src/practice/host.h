// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kobaru {

enum class MessageIcon { Information, Warning };

// The platform services the practice screen calls; the desktop shell and the tests supply them.
class Host {
 public:
  virtual ~Host() = default;
  // The folder that holds the program, as the platform writes it.
  virtual std::string programDirectory() = 0;
  virtual bool anotherCopyRunning() = 0;
  // Starts the cue and returns at once; a new cue replaces one still playing.
  virtual void playSound(const std::string& path) = 0;
  virtual void beep() = 0;
  // Returns when the trainee has closed the message.
  virtual void showMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // The practice screen unloads itself.
  virtual void closePracticeScreen() = 0;
  virtual void showLauncher() = 0;
  // Whether a regular file (not a folder, pipe or device) stands at the path. A host that cannot
  // look sees none, so the lot picture stays the first one.
  virtual bool isRegularFile(const std::string& path) {
    (void)path;
    return false;
  }
  // Shows the trainee's results beside the screen; a host without that window ignores it.
  virtual void showResults() {}
};

}  // namespace kobaru
