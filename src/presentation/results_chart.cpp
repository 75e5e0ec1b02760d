// SPDX-License-Identifier: MIT
#include "presentation/results_chart.h"

#include <algorithm>
#include <cmath>

#include "practice/numbers.h"
#include "presentation/results_text.h"

namespace kobaru {

namespace {

constexpr int kMargin = 6;
constexpr int kLineHeight = 16;  // one line of the chart's font
constexpr int kAxisWidth = 44;   // room for the widest axis text, "+000.0"
constexpr int kBarWidth = 8;
constexpr int kGap = 3;
constexpr Color kInk = kBlack;
constexpr Color kMuted = 0x606060;
constexpr Color kOver = 0xD03030;   // paid more than the guide
constexpr Color kUnder = 0x3070D0;  // paid less

// A difference's size; one that is no number has none.
double size(double difference) {
  return std::isfinite(difference) ? std::abs(difference) : 0;
}

}  // namespace

ResultsChart resultsChart(std::span<const WonDifference> points, int width, int height) {
  ResultsChart chart{kWhite, 0x808080, {Face::PGothic, 9, false}, {}, std::nullopt, {}};
  chart.texts.push_back({ChartText::Title,
                         kChartTitle,
                         {kMargin, kMargin, std::max(0, width - 2 * kMargin), kLineHeight},
                         Align::Left,
                         kInk});
  const int left = kMargin + kAxisWidth + kMargin;
  const int top = kMargin + kLineHeight + kMargin;
  const ChartRect area{left, top, std::max(0, width - left - kMargin),
                       std::max(0, height - top - kMargin)};
  if (points.empty()) {
    chart.texts.push_back({ChartText::NoLots, kNoWonLots, area, Align::Centre, kMuted});
    return chart;
  }

  const std::size_t fits = static_cast<std::size_t>((area.width + kGap) / (kBarWidth + kGap));
  const std::span<const WonDifference> shown = points.last(std::min(fits, points.size()));
  double largest = 0;
  for (const WonDifference& p : shown) largest = std::max(largest, size(p.difference));
  if (!(largest > 0)) largest = 1;
  const int zero = area.top + area.height / 2;
  const double scale = std::max(0.0, area.height / 2.0 - 1) / largest;

  const auto axis = [&](int y, std::string text) {
    chart.texts.push_back({ChartText::Axis,
                           std::move(text),
                           {kMargin, y, kAxisWidth, kLineHeight},
                           Align::Right,
                           kMuted});
  };
  axis(area.top, "+" + priceText(largest));
  axis(zero - kLineHeight / 2, "0");
  axis(area.top + area.height - kLineHeight, "-" + priceText(largest));
  chart.zero = ChartLine{area.left, zero, area.left + area.width, zero, kMuted};

  int x = area.left;
  for (const WonDifference& p : shown) {
    const int h = static_cast<int>(std::lround(size(p.difference) * scale));
    if (p.difference > 0)
      chart.bars.push_back({ChartBar::Over, p.lot, {x, zero - h, kBarWidth, h}, kOver});
    else
      chart.bars.push_back({ChartBar::Under, p.lot, {x, zero + 1, kBarWidth, h}, kUnder});
    x += kBarWidth + kGap;
  }
  return chart;
}

}  // namespace kobaru
