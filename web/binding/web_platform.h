// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include "practice/platform.h"

namespace kobaru {

// What the page answers for the screen at once. Its files sit beside it, so the program's folder
// is "."; the page knows them from the list the site build writes beside them.
class WebPlatform : public PlatformQuestions {
 public:
  WebPlatform(emscripten::val page, bool anotherCopy)
      : page_(std::move(page)), another_(anotherCopy) {}

  std::string programDirectory() override { return "."; }
  bool anotherCopyRunning() override { return another_; }
  bool isRegularFile(const std::string& path) override {
    return page_.call<bool>("isRegularFile", path);
  }

 private:
  emscripten::val page_;
  bool another_;
};

}  // namespace kobaru
