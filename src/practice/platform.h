// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kobaru {

// What the practice screen asks of the platform and needs answered at once, for the handler to
// go on.
class PlatformQuestions {
 public:
  virtual ~PlatformQuestions() = default;
  // The folder that holds the program, as the platform writes it.
  virtual std::string programDirectory() = 0;
  virtual bool anotherCopyRunning() = 0;
  // Whether a regular file (not a folder, pipe or device) stands at the path. A platform that
  // cannot look sees none, so the lot picture stays the first one.
  virtual bool isRegularFile(const std::string& path) {
    (void)path;
    return false;
  }
};

}  // namespace kobaru
