// SPDX-License-Identifier: MIT
#pragma once

#include "practice/elements.h"

namespace kobaru {

// The results window `seiseki`: its title, the size it opens at, how often it looks at the
// results for a change while a practice plays, and what a screen reader calls its table of lots.
struct ResultsWindowLayout {
  const char* title;
  int width, height;  // pixels at a magnification of 1
  Font font;
  int refreshMs;
  const char* tableName;
  int chartHeight;  // pixels; the chart takes the window's whole width
};

extern const ResultsWindowLayout kResultsWindow;

}  // namespace kobaru
