// SPDX-License-Identifier: MIT
#include "presentation/magnification.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kobaru {
namespace {

struct Fit {
  const char* what;
  double designedW, designedH, clientW, clientH;
  View expected;
};

TEST(FitDesigned, LargestFactorThatFitsCentredInTheClientArea) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const double nan = std::nan("");
  const Fit cases[] = {
      {"as designed", 793, 580, 793, 580, {1, 0, 0}},
      {"full HD: the height decides, margins left and right",
       793,
       580,
       1920,
       1080,
       {1080.0 / 580, (1920 - 793 * (1080.0 / 580)) / 2, 0}},
      {"a tall window: the width decides, margins above and below",
       800,
       600,
       800,
       1000,
       {1, 0, 200}},
      {"twice the size", 800, 600, 1600, 1200, {2, 0, 0}},
      {"smaller than designed", 800, 600, 512, 384, {0.64, 0, 0}},
      {"in twips, as the layout gives them",
       11895,
       8700,
       1920.0 * 15,
       1080.0 * 15,
       {1080.0 / 580, (1920 * 15 - 11895 * (1080.0 / 580)) / 2, 0}},
      {"no room: a zero client area", 800, 600, 0, 0, {0, 0, 0}},
      {"no room: a negative width", 800, 600, -10, 600, {0, 0, 300}},
      {"no room: not a number", 800, 600, nan, 600, {0, 0, 300}},
      {"an endless client area has no finite fit", 800, 600, inf, inf, {0, 0, 0}},
      {"a designed area without size", 0, 600, 1920, 1080, {1, 0, 0}},
      {"a designed area that is not a number", nan, 600, 1920, 1080, {1, 0, 0}},
  };
  for (const Fit& c : cases) {
    SCOPED_TRACE(c.what);
    const View v = fitDesigned(c.designedW, c.designedH, c.clientW, c.clientH);
    EXPECT_DOUBLE_EQ(v.factor, c.expected.factor);
    EXPECT_DOUBLE_EQ(v.left, c.expected.left);
    EXPECT_DOUBLE_EQ(v.top, c.expected.top);
  }
}

TEST(FitDesigned, TheDesignedAreaTouchesTwoOppositeEdges) {
  for (auto [w, h] :
       {std::pair{1024.0, 768.0}, {1920.0, 1080.0}, {3840.0, 2160.0}, {700.0, 900.0}}) {
    SCOPED_TRACE(testing::Message() << w << " x " << h);
    const View v = fitDesigned(11895, 8700, w, h);
    const double right = v.left + 11895 * v.factor, bottom = v.top + 8700 * v.factor;
    EXPECT_GE(v.left, 0);
    EXPECT_GE(v.top, 0);
    EXPECT_NEAR(v.left, w - right, 1e-9);
    EXPECT_NEAR(v.top, h - bottom, 1e-9);
    EXPECT_TRUE(std::abs(right - w) < 1e-9 || std::abs(bottom - h) < 1e-9);
  }
}

}  // namespace
}  // namespace kobaru
