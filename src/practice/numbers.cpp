// SPDX-License-Identifier: MIT
#include "practice/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kobaru {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the run of digits starting at i.
std::size_t digitsFrom(std::string_view s, std::size_t i) {
  std::size_t n = 0;
  while (i + n < s.size() && isDigit(s[i + n])) ++n;
  return n;
}

// Decimal exponent of the number's leading significant digit, estimated from its digits and
// exponent, to tell an overflow from an underflow. Saturates instead of overflowing.
long long magnitude(std::string_view mantissa, long long exponent) {
  const std::size_t point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  const std::size_t firstNonZero = whole.find_first_not_of('0');
  long long lead = 0;
  if (firstNonZero != std::string_view::npos) {
    lead = static_cast<long long>(whole.size() - firstNonZero) - 1;
  } else if (point != std::string_view::npos) {
    const std::size_t fracLead = mantissa.substr(point + 1).find_first_not_of('0');
    lead = fracLead == std::string_view::npos ? 0 : -static_cast<long long>(fracLead) - 1;
  }
  return lead + exponent;
}

}  // namespace

double numericValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  const std::size_t start = i;
  const std::size_t whole = digitsFrom(text, i);
  i += whole;
  std::size_t fraction = 0;
  if (i < text.size() && text[i] == '.') {
    fraction = digitsFrom(text, i + 1);
    if (whole + fraction > 0) i += 1 + fraction;
  }
  if (whole + fraction == 0) return 0;
  const std::string_view mantissa = text.substr(start, i - start);

  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
    const std::size_t n = digitsFrom(text, j);
    if (n > 0) {  // "1e" and "1e+" stop before the e
      for (std::size_t k = j; k < j + n; ++k)
        exponent = std::min(exponent * 10 + (text[k] - '0'), 1'000'000'000LL);
      if (negativeExponent) exponent = -exponent;
      i = j + n;
    }
  }

  const std::string_view number = text.substr(start, i - start);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = magnitude(mantissa, exponent) > 0 ? std::numeric_limits<double>::max() : 0.0;
  } else if (error != std::errc{} || end != number.data() + number.size()) {
    return 0;
  }
  return negative ? -value : value;
}

std::string priceText(double value) {
  char buf[400];
  const auto [end, error] =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 1);
  if (error != std::errc{}) return ".0";
  std::string text(buf, end);
  if (text == "-0.0") return ".0";
  const std::size_t digits = text[0] == '-' ? 1 : 0;
  if (text.compare(digits, 2, "0.") == 0) text.erase(digits, 1);  // no leading zero
  return text;
}

std::string numberText(double value) {
  if (value == 0) return "0";  // also for -0
  char buf[400];
  const auto [end, error] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  return error == std::errc{} ? std::string(buf, end) : std::string("0");
}

}  // namespace kobaru
