// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include "practice/host.h"

namespace kobaru {

// The platform services of the page: the JavaScript object handed in does the sounds, the
// dialogs and the windows. The page's files sit beside it, so the program's folder is ".".
class WebHost : public Host {
 public:
  WebHost(emscripten::val page, bool anotherCopy) : page_(std::move(page)), another_(anotherCopy) {}

  std::string programDirectory() override { return "."; }
  bool anotherCopyRunning() override { return another_; }
  void playSound(const std::string& path) override;
  void beep() override;
  // The page cannot wait for the trainee here: it queues the dialog, holds the board still until
  // it is closed, and runs what the handler asks after it (the launcher, closing the screen) in
  // order once it is. The handler's own work after the call changes only the form, which the page
  // shows once the dialog is closed, as the desktop does.
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  void closePracticeScreen() override;
  void showLauncher() override;
  void showResults() override;
  // The page knows the site's files from the list the site build writes beside them.
  bool isRegularFile(const std::string& path) override;

 private:
  emscripten::val page_;
  bool another_;
};

}  // namespace kobaru
