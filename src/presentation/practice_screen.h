// SPDX-License-Identifier: MIT
#pragma once

namespace kobaru {

// The practice screen Form1: its caption, and its designed client area in twips, which every
// shell shows magnified to fit and centred on black.
struct PracticeScreenLayout {
  const char* caption;
  int width, height;
};

extern const PracticeScreenLayout kPracticeScreen;

}  // namespace kobaru
