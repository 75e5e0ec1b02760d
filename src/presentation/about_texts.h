// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace kobaru {

// The version window `about`: what it says, heading to foot.
struct AboutTexts {
  const char* caption;
  const char* product;
  const char* description;
  const char* makerHeading;
  // The maker's name, postal address, web address and mail address, one line each.
  std::array<const char*, 4> maker;
  const char* close;  // the button Command1
};

extern const AboutTexts kAbout;

}  // namespace kobaru
