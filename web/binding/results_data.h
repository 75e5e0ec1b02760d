// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include "results/results.h"

namespace kobaru {

// The results window's fixed texts: {title, nothingSaved, copyAll, chartTitle, noWonLots,
// headings}.
emscripten::val resultsTexts();
// The session as the window shows it: {revision, summary: [{label, value, group}], rows: the
// lots' cells, newest first, points: [{lot, difference, text}]}, the chart's won lots oldest
// first with each difference's size written as the core writes prices.
emscripten::val resultsView(const Results& results);

}  // namespace kobaru
