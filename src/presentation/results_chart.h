// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "practice/elements.h"
#include "results/summary.h"

namespace kobaru {

// A place in the chart, in its own pixels from its top-left corner.
struct ChartRect {
  int left, top, width, height;
  friend bool operator==(const ChartRect&, const ChartRect&) = default;
};

// A text written on one line within its place, aligned there as given and centred top to bottom.
struct ChartText {
  enum Kind { Title, Axis, NoLots };
  Kind kind;
  std::string text;
  ChartRect place;
  Align align;
  Color color;
};

struct ChartLine {
  int x1, y1, x2, y2;
  Color color;
};

// One won lot: above the zero line when the trainee paid more than the guide, below when less.
struct ChartBar {
  enum Side { Over, Under };
  Side side;
  int lot;
  ChartRect place;
  Color color;
};

// The results chart ready to draw: filled with `background` inside a one-pixel frame, its texts
// in `font`, then the zero line and the bars.
struct ResultsChart {
  Color background;
  Color frame;
  Font font;
  std::vector<ChartText> texts;
  std::optional<ChartLine> zero;  // none while no lot is won
  std::vector<ChartBar> bars;
};

// The won lots' differences to the guide as a chart of width x height pixels: one bar a lot,
// oldest at the left, of the newest lots that fit, scaled to the largest difference shown. A size
// too small for anything still gives the title and no bar outside the chart.
ResultsChart resultsChart(std::span<const WonDifference> points, int width, int height);

}  // namespace kobaru
