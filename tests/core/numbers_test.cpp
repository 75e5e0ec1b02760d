// SPDX-License-Identifier: MIT
#include "practice/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <locale>
#include <random>
#include <string>

#if defined(__cpp_lib_to_chars)
#include <charconv>
#endif

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

// Exact, not merely close: the nearest double, ties to even, subnormals kept.
TEST(NumericValue, ReadsTheNearestDouble) {
  const double kMax = std::numeric_limits<double>::max();
  const double kTiniest = std::numeric_limits<double>::denorm_min();
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"0.1", 0.1},
      {"0.3", 0.3},
      {"20.05", 20.05},
      {"9007199254740993", 9007199254740992.0},  // a tie: to the even neighbour
      {"9007199254740993.0000000001", 9007199254740994.0},
      {"1e-320", 1e-320},
      {"2.4703282292062328e-324", kTiniest},  // just above half the tiniest value
      {"2.4703282292062327e-324", 0},
      {"1.7976931348623158e308", kMax},
      {"1.7976931348623159e308", kMax},
      {"-1.7976931348623159e308", -kMax},
  };
  for (const Case& c : cases) EXPECT_EQ(numericValue(c.text), c.expected) << c.text;
}

TEST(NumericValue, ReadsBackWhatNumberTextWrites) {
  const double values[] = {0.1, 1.0 / 3, 20.05, 123.4, 5e-324, 1e-320, 1e23, 0x1p-24, 0x1.8p+60};
  for (double v : values) {
    EXPECT_EQ(numericValue(numberText(v)), v) << numberText(v);
    EXPECT_EQ(numericValue(numberText(-v)), -v) << numberText(-v);
  }
}

// A C++ locale with a decimal comma, as a user's locale may set for the whole program.
struct DecimalComma : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(Numbers, IgnoreTheUsersLocale) {
  const std::locale before = std::locale::global(std::locale(std::locale(), new DecimalComma));
  const std::string price = priceText(1234.5);
  const std::string number = numberText(1234.5);
  const double value = numericValue("1234.5");
  std::locale::global(before);
  EXPECT_EQ(price, "1234.5");
  EXPECT_EQ(number, "1234.5");
  EXPECT_EQ(value, 1234.5);
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
      {20.05, "20.1"},  // 20.050000000000000711
      {0.15, ".1"},     // 0.14999999999999999445
      {0.25, ".2"},     // exactly halfway: to even
      {0.75, ".8"},
      {2.45, "2.5"},  // 2.4500000000000001776
      {999.9, "999.9"},
      {999.95, "1000.0"},  // 999.95000000000004547
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
  const Case cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {7, "7"},
      {12, "12"},
      {-1, "-1"},
      {0.5, "0.5"},
      {1001, "1001"},
      {1e20, "100000000000000000000"},
      {0.1, "0.1"},
      {0.1 + 0.2, "0.30000000000000004"},
      {1.0 / 3, "0.3333333333333333"},
      {-2.5, "-2.5"},
      {123.4, "123.4"},
      // Just below a power of two the steps halve: the nearest 16 digits (…062) read back as
      // another number, the next ones up (…063) as this one.
      {0x1p-24, "0.00000005960464477539063"},
      {0x1p-44, "0.00000000000005684341886080802"},
      // A whole number is written with all its digits.
      {1e23, "99999999999999991611392"},
      {123456789012345678.0, "123456789012345680"},
      {std::numeric_limits<double>::infinity(), "inf"},
  };
  for (const Case& c : cases) EXPECT_EQ(numberText(c.value), c.expected) << c.value;
  EXPECT_EQ(numberText(5e-324), "0." + std::string(323, '0') + "5");
  EXPECT_EQ(numberText(std::numeric_limits<double>::max()).size(), 309u);
}

#if defined(__cpp_lib_to_chars)
// Where the standard library has floating-point to_chars and from_chars, the numbers agree with
// them everywhere, not only in the rows above.
TEST(Numbers, AgreeWithTheStandardLibrarysConversions) {
  std::mt19937_64 bits(20240613);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t b = bits();
    double v;
    std::memcpy(&v, &b, sizeof v);
    if (!std::isfinite(v)) continue;
    char buf[400];
    auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed).ptr;
    ASSERT_EQ(numberText(v), (v == 0 ? std::string("0") : std::string(buf, end))) << v;
    end = std::to_chars(buf, buf + sizeof buf, v).ptr;  // the shortest, maybe with an exponent
    ASSERT_EQ(numericValue(std::string(buf, end)), v) << std::string(buf, end);
  }
}

// Every price a lot can reach is a whole number of tenths, and those are written by a path of
// their own: it agrees with the conversions over the board's range and at the path's edges.
TEST(Numbers, WriteEveryTenthAsTheStandardLibraryDoes) {
  std::vector<std::int64_t> tenths;
  for (std::int64_t m = -20000; m <= 120000; ++m) tenths.push_back(m);
  for (std::int64_t m : {999999999999999LL, 1000000000000000LL, 1000000000000001LL,
                         -999999999999999LL, 123456789012345LL})
    tenths.push_back(m);
  for (std::int64_t m : tenths) {
    const double v = static_cast<double>(m) / 10;
    char buf[400];
    auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed).ptr;
    ASSERT_EQ(numberText(v), (v == 0 ? std::string("0") : std::string(buf, end))) << m;
    end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1).ptr;
    std::string price(buf, end);
    if (price == "-0.0") price = ".0";
    const std::size_t sign = price[0] == '-' ? 1 : 0;
    if (price.compare(sign, 2, "0.") == 0) price.erase(sign, 1);
    ASSERT_EQ(priceText(v), price) << m;
  }
}
#endif

}  // namespace
}  // namespace kobaru
