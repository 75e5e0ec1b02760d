// SPDX-License-Identifier: MIT
#include "practice/numbers.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <ios>
#include <limits>
#include <locale>
#include <sstream>

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

// Streams in the classic locale read and write numbers alike on every platform and under any
// user locale (printf and strtod follow the process's locale), and both read and write exactly:
// the nearest double to a decimal, the exact decimal of a double rounded to the digits asked for.
std::string written(double value, std::ios_base::fmtflags format, int precision) {
  // One stream, kept: making a stream and its locale costs more than the writing.
  thread_local std::ostringstream out = [] {
    std::ostringstream classic;
    classic.imbue(std::locale::classic());
    return classic;
  }();
  out.str(std::string());
  out.setf(format, std::ios_base::floatfield);
  out.precision(precision);
  out << value;
  return out.str();
}

// The nearest double to an unsigned decimal number (digits, optional point and fraction,
// optional exponent). Beyond the range of a double it gives the largest finite value; too small
// to represent, 0.
double readNumber(const std::string& number) {
  thread_local std::istringstream in = [] {
    std::istringstream classic;
    classic.imbue(std::locale::classic());
    return classic;
  }();
  in.clear();
  in.str(number);
  double value = 0;
  in >> value;  // an overflow reads as the largest value or as infinity, depending on the library
  return std::isinf(value) ? std::numeric_limits<double>::max() : value;
}

// A positive decimal number: digits × 10^exponent, digits without leading zeros.
struct Decimal {
  std::string digits;
  int exponent;

  double value() const { return readNumber(digits + 'e' + std::to_string(exponent)); }
};

// A positive finite value correctly rounded to n significant digits.
Decimal rounded(double value, int n) {
  const std::string text = written(value, std::ios_base::scientific, n - 1);  // d.ddde±xx
  const std::size_t e = text.find('e');
  Decimal d;
  for (std::size_t i = 0; i < e; ++i)
    if (text[i] != '.') d.digits += text[i];
  d.exponent = std::stoi(text.substr(e + 1)) - (n - 1);
  return d;
}

// The n-digit decimal next above or below d.
Decimal neighbour(Decimal d, bool above) {
  std::string& s = d.digits;
  if (above) {
    std::size_t i = s.size();
    while (i > 0 && s[i - 1] == '9') s[--i] = '0';
    if (i == 0) {
      s.insert(s.begin(), '1');
    } else {
      ++s[i - 1];
    }
  } else if (s.find_first_not_of('0', 1) == std::string::npos && s[0] == '1') {
    // 10…0 × 10^e: below it lie the finer steps of the decade beneath, 99…9 × 10^(e-1).
    s.assign(s.size(), '9');
    --d.exponent;
  } else {
    std::size_t i = s.size();
    while (s[i - 1] == '0') s[--i] = '9';
    --s[i - 1];
    if (s[0] == '0') s.erase(0, 1);
  }
  return d;
}

// The fewest significant digits that read back as the value; of several such, the nearest.
// The nearest n-digit decimal reads back whenever any n-digit decimal on its side of the value
// does; on the other side, its neighbour there is the nearest. Seventeen digits always do.
Decimal shortest(double value) {
  for (int n = 1;; ++n) {
    const Decimal nearest = rounded(value, n);
    const double back = nearest.value();
    if (back == value || n == std::numeric_limits<double>::max_digits10) return nearest;
    const Decimal other = neighbour(nearest, back < value);
    if (other.value() == value) return other;
  }
}

// A fraction in positional notation, without trailing zeros.
std::string positional(Decimal d) {
  while (d.digits.back() == '0') {
    d.digits.pop_back();
    ++d.exponent;
  }
  const std::size_t fraction = static_cast<std::size_t>(-d.exponent);
  if (fraction < d.digits.size()) return d.digits.insert(d.digits.size() - fraction, 1, '.');
  return "0." + std::string(fraction - d.digits.size(), '0') + d.digits;
}

// Whole numbers up to here are exact doubles, and ten times them stays exact as well.
constexpr double kLargestExactTenths = 1e14;

// The decimal digits of n, exactly and alike on every target.
std::string digitsOf(std::uint64_t n) {
  char buffer[24];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, n).ptr);
}

// The value as a whole number of tenths, when it is one: every price a lot can reach. The nearest
// double to a decimal of one place reads back from that decimal, so its text is written from the
// whole number directly, without the general formatting.
bool wholeTenths(double value, std::int64_t& tenths) {
  if (!(std::fabs(value) < kLargestExactTenths)) return false;
  const double scaled = std::nearbyint(value * 10);
  if (scaled / 10 != value) return false;
  tenths = static_cast<std::int64_t>(scaled);
  return true;
}

std::uint64_t magnitude(std::int64_t n) {
  return n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
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

  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t n = digitsFrom(text, j);
    if (n > 0) i = j + n;  // "1e" and "1e+" stop before the e
  }

  const double value = readNumber(std::string(text.substr(start, i - start)));
  return negative ? -value : value;
}

std::string priceText(double value) {
  if (std::int64_t tenths; wholeTenths(value, tenths)) {
    if (tenths == 0) return ".0";  // also for -0
    const std::uint64_t m = magnitude(tenths);
    std::string text = tenths < 0 ? "-" : "";
    if (m >= 10) text += digitsOf(m / 10);
    text += '.';
    text += static_cast<char>('0' + m % 10);
    return text;
  }
  std::string text = written(value, std::ios_base::fixed, 1);
  if (text == "-0.0") return ".0";
  const std::size_t digits = text[0] == '-' ? 1 : 0;
  if (text.compare(digits, 2, "0.") == 0) text.erase(digits, 1);  // no leading zero
  return text;
}

std::string numberText(double value) {
  if (value == 0) return "0";  // also for -0
  if (!std::isfinite(value)) return written(value, std::ios_base::fixed, 0);
  if (std::int64_t tenths; wholeTenths(value, tenths)) {
    const std::uint64_t m = magnitude(tenths);
    std::string text = tenths < 0 ? "-" + digitsOf(m / 10) : digitsOf(m / 10);
    if (m % 10 != 0) {
      text += '.';
      text += static_cast<char>('0' + m % 10);
    }
    return text;
  }
  // A whole number is written out exactly, every digit of it, as printf writes it.
  if (value == std::trunc(value)) return written(value, std::ios_base::fixed, 0);
  const std::string text = positional(shortest(std::fabs(value)));
  return value < 0 ? '-' + text : text;
}

}  // namespace kobaru
