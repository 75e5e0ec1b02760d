// SPDX-License-Identifier: MIT
// The results chart as both shells draw it: its texts, its zero line and a bar a won lot, in the
// chart's own pixels, for any size a window gives it.
#include "presentation/results_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "presentation/results_text.h"

namespace kobaru {
namespace {

std::vector<WonDifference> differences(std::initializer_list<double> values) {
  std::vector<WonDifference> points;
  int lot = 1001;
  for (double v : values) points.push_back({lot++, v, v});
  return points;
}

const ChartText* textOf(const ResultsChart& chart, ChartText::Kind kind, int nth = 0) {
  for (const ChartText& t : chart.texts)
    if (t.kind == kind && nth-- == 0) return &t;
  return nullptr;
}

TEST(ResultsChart, WithoutAWonLotSaysSoInTheMiddle) {
  const ResultsChart chart = resultsChart({}, 300, 130);
  ASSERT_EQ(chart.texts.size(), 2u);
  EXPECT_EQ(chart.texts[0].kind, ChartText::Title);
  EXPECT_EQ(chart.texts[0].text, kChartTitle);
  EXPECT_EQ(chart.texts[0].align, Align::Left);
  const ChartText* none = textOf(chart, ChartText::NoLots);
  ASSERT_TRUE(none);
  EXPECT_EQ(none->text, kNoWonLots);
  EXPECT_EQ(none->align, Align::Centre);
  EXPECT_EQ(none->place, (ChartRect{56, 28, 238, 96}));
  EXPECT_FALSE(chart.zero);
  EXPECT_TRUE(chart.bars.empty());
  EXPECT_EQ(chart.background, kWhite);
}

// Over the guide above the line in red, under it below in blue, scaled to the largest shown.
TEST(ResultsChart, BarsStandOnTheZeroLineScaledToTheLargestDifference) {
  const ResultsChart chart = resultsChart(differences({2.0, -1.0, 0.0}), 200, 130);
  // The plot: right of the axis texts, under the title; the zero line halfway down it.
  ASSERT_TRUE(chart.zero);
  EXPECT_EQ(chart.zero->x1, 56);
  EXPECT_EQ(chart.zero->x2, 194);
  EXPECT_EQ(chart.zero->y1, 76);
  EXPECT_EQ(chart.zero->y2, 76);
  ASSERT_EQ(chart.bars.size(), 3u);
  EXPECT_EQ(chart.bars[0].side, ChartBar::Over);
  EXPECT_EQ(chart.bars[0].lot, 1001);
  EXPECT_EQ(chart.bars[0].place, (ChartRect{56, 29, 8, 47}));
  EXPECT_EQ(chart.bars[0].color, 0xD03030u);
  EXPECT_EQ(chart.bars[1].side, ChartBar::Under);
  EXPECT_EQ(chart.bars[1].place, (ChartRect{67, 77, 8, 24}));
  EXPECT_EQ(chart.bars[1].color, 0x3070D0u);
  EXPECT_EQ(chart.bars[2].place, (ChartRect{78, 77, 8, 0}));  // paid the guide: no bar to see
  const char* axis[] = {"+2.0", "0", "-2.0"};
  const int tops[] = {28, 68, 108};
  for (int i = 0; i < 3; ++i) {
    const ChartText* t = textOf(chart, ChartText::Axis, i);
    ASSERT_TRUE(t) << i;
    EXPECT_EQ(t->text, axis[i]);
    EXPECT_EQ(t->place, (ChartRect{6, tops[i], 44, 16}));
    EXPECT_EQ(t->align, Align::Right);
  }
}

TEST(ResultsChart, ShowsTheNewestLotsThatFitOldestAtTheLeft) {
  // Room for three bars and the gaps between them.
  const ResultsChart chart =
      resultsChart(differences({9.0, 1.0, 1.0, 1.0, 1.0, -0.5, 1.5, 0.5}), 56 + 30 + 6, 130);
  ASSERT_EQ(chart.bars.size(), 3u);
  EXPECT_EQ(chart.bars[0].lot, 1006);
  EXPECT_EQ(chart.bars[2].lot, 1008);
  // The old large difference is not shown, so it sets no scale.
  EXPECT_EQ(textOf(chart, ChartText::Axis)->text, "+1.5");
  EXPECT_EQ(chart.bars[1].place.height, 47);
}

// Whatever size a window gives the chart, and whatever the differences, nothing is drawn outside
// it and no place has a negative size.
TEST(ResultsChart, StaysInsideAnySize) {
  const std::vector<WonDifference> points =
      differences({3.0, -7.5, std::numeric_limits<double>::quiet_NaN(),
                   std::numeric_limits<double>::infinity(), 0.1, -0.1});
  const struct {
    int width, height;
  } sizes[] = {{0, 0}, {-40, -10}, {12, 12}, {60, 40}, {63, 130}, {67, 130}, {4000, 2000}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(::testing::Message() << size.width << " x " << size.height);
    const ResultsChart chart = resultsChart(points, size.width, size.height);
    EXPECT_TRUE(textOf(chart, ChartText::Title));
    for (const ChartText& t : chart.texts) {
      EXPECT_GE(t.place.width, 0);
      EXPECT_GE(t.place.height, 0);
    }
    for (const ChartBar& b : chart.bars) {
      EXPECT_GE(b.place.height, 0);
      EXPECT_GE(b.place.left, 0);
      EXPECT_LE(b.place.left + b.place.width, std::max(0, size.width));
      EXPECT_GE(b.place.top, 0);
      EXPECT_LE(b.place.top + b.place.height, size.height);
    }
  }
  // A difference that is no number stands for none.
  const ResultsChart chart = resultsChart(points, 4000, 130);
  ASSERT_EQ(chart.bars.size(), points.size());
  EXPECT_EQ(chart.bars[2].place.height, 0);
  EXPECT_EQ(chart.bars[3].place.height, 0);
  EXPECT_EQ(textOf(chart, ChartText::Axis)->text, "+7.5");
}

}  // namespace
}  // namespace kobaru
