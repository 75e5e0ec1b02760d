// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace kobaru {

// The number at the start of a text: leading blanks skipped, then an optional sign, digits with
// an optional decimal part and exponent, read up to the first character that cannot continue the
// number. A text that does not begin with a number gives 0 ("200" gives 200, "0.05" gives 0.05,
// "12abc" gives 12, "２００" gives 0). A number beyond the range of a double gives the largest
// finite value of its sign; one too small to represent gives 0.
double numericValue(std::string_view text);

// A price in ten-thousands of yen as the board writes it, "###.0": the whole part without leading
// zeros (nothing when it is 0), a point and one decimal: 20.0, 123.4, .5, .0, -1.0.
std::string priceText(double value);

// The largest whole number not above x: Int(r * n + k) draws a whole number from k to k + n - 1.
inline double Int(double x) {
  return std::floor(x);
}

// The shortest decimal text of a number, as a digit box shows it: "0", "7", "12", "-1", "0.5".
std::string numberText(double value);

}  // namespace kobaru
