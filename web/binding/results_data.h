// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include "results/results.h"

namespace kobaru {

// The results window's fixed part: {title, width, height, font, refreshMs, tableName,
// chartHeight, nothingSaved (hallNothingSaved for a hall's trainee), copyAll, chartTitle,
// headings}.
emscripten::val resultsLayout();
// The session as the window shows it: {revision, summary: columns of [{label, value}], rows: the
// lots' cells, newest first, differences: the chart's points}.
emscripten::val resultsView(const Results& results);
// The chart of a view's differences (the won lots'), width x height pixels, ready to draw:
// {background, frame, font, texts: [{kind, text, place, align, color}], zero: {x1, y1, x2, y2,
// color} or null, bars:
// [{side, lot, place, color}]}, each place as {left, top, width, height}; kinds and sides by
// name ("title", "axis", "noLots"; "over", "under").
emscripten::val resultsChart(const emscripten::val& differences, double width, double height);

}  // namespace kobaru
