// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace kobaru {

// The version window `about`: what it says, heading to foot, and its least width; its height is
// what its lines take.
struct AboutLayout {
  const char* caption;
  const char* product;
  const char* description;
  const char* makerHeading;
  // The maker's name, postal address, web address and mail address, one line each.
  std::array<const char*, 4> maker;
  const char* close;  // the button Command1
  int width;          // pixels at a magnification of 1, margins and frame within
};

extern const AboutLayout kAbout;

}  // namespace kobaru
