// SPDX-License-Identifier: MIT
#pragma once

namespace kobaru {

// The manual viewer `help`: its caption and the size it opens at.
struct HelpWindowLayout {
  const char* caption;
  // Pixels at a magnification of 1: room for the manual's full-size picture of the screen.
  int width, height;
};

extern const HelpWindowLayout kHelpWindow;

}  // namespace kobaru
