// SPDX-License-Identifier: MIT
#include "practice/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace kobaru {
namespace {

TEST(NumericValue, ReadsTheNumberAtTheStartOfTheText) {
  const double kMax = std::numeric_limits<double>::max();
  struct Case {
    std::string text;
    double expected;
  };
  const Case cases[] = {
      {"200", 200},
      {"0.05", 0.05},
      {"  200", 200},
      {"\t7", 7},
      {"200.5", 200.5},
      {".5", 0.5},
      {"5.", 5},
      {"+12", 12},
      {"-12", -12},
      {"- 12", 0},
      {"12abc", 12},
      {"1 2", 1},
      {"0.05秒", 0.05},
      {"1,000", 1},
      {"1e3", 1000},
      {"2.5E-1", 0.25},
      {"1e", 1},
      {"1e+", 1},
      {"", 0},
      {"   ", 0},
      {".", 0},
      {"-", 0},
      {"abc", 0},
      {"２００", 0},  // full-width digits are not a number
      {"　200", 0},   // nor is an ideographic space a blank
      {"1e400", kMax},
      {"-1e400", -kMax},
      {"1e-400", 0},
      {std::string(1000, '9'), kMax},
      {"0." + std::string(1000, '0') + "1", 0},
      {"1e99999999999999999999", kMax},
  };
  for (const Case& c : cases) {
    const double v = numericValue(c.text);
    EXPECT_TRUE(std::isfinite(v)) << c.text.substr(0, 40);
    EXPECT_DOUBLE_EQ(v, c.expected) << c.text.substr(0, 40);
  }
}

TEST(PriceText, WritesTenThousandsWithOneDecimalAndNoLeadingZero) {
  struct Case {
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {20.0, "20.0"},
      {123.4, "123.4"},
      {0.5, ".5"},
      {0.0, ".0"},
      {-0.0, ".0"},
      {1234.5, "1234.5"},
      {-1.0, "-1.0"},
      {-0.5, "-.5"},
      {20.05, "20.1"},
      {999.9, "999.9"},
      {1e20, "100000000000000000000.0"},
  };
  for (const Case& c : cases) EXPECT_EQ(priceText(c.value), c.expected) << c.value;
  EXPECT_EQ(priceText(std::numeric_limits<double>::max()).size(), 311u);  // 309 digits, ".0"
}

TEST(NumberText, WritesTheShortestDecimal) {
  struct Case {
    double value;
    const char* expected;
  };
  const Case cases[] = {{0, "0"},   {-0.0, "0"},  {7, "7"},       {12, "12"},
                        {-1, "-1"}, {0.5, "0.5"}, {1001, "1001"}, {1e20, "100000000000000000000"}};
  for (const Case& c : cases) EXPECT_EQ(numberText(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace kobaru
