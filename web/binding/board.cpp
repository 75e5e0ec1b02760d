// SPDX-License-Identifier: MIT
#include "board.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "json_val.h"
#include "practice/random.h"
#include "wire/element_json.h"
#include "wire/layout_json.h"
#include "wire/session_json.h"

namespace kobaru {

namespace {

using emscripten::val;

// The page's clock in whole milliseconds; what is no time at all reads as 0.
std::int64_t millis(double wallNow) {
  constexpr double kLongest = 9.0e15;  // well inside both a double's whole numbers and int64
  if (!std::isfinite(wallNow)) return 0;
  return static_cast<std::int64_t>(std::floor(std::clamp(wallNow, -kLongest, kLongest)));
}

// A seed is a whole number the page can write exactly; anything else takes the system's draws.
Rnd drawsFor(double seed) {
  constexpr double kLargestSeed = 9007199254740991.0;  // 2^53 - 1
  if (seed >= 1 && seed <= kLargestSeed && seed == std::floor(seed))
    return seededRnd(static_cast<std::uint64_t>(seed));
  return systemRnd();
}

}  // namespace

Board::Board(val page, Results& results, bool anotherCopy, double wallNow, double seed)
    : platform_(std::move(page), anotherCopy),
      session_(platform_, drawsFor(seed), millis(wallNow)) {
  session_.form().observer = &results;
}

val Board::layout() const {
  return toVal(practiceLayoutJson(session_.form()));
}

val Board::elements() {
  return toVal(elementsJson(session_.all()));
}

val Board::input(const val& in, double wallNow) {
  const Input input = inputFrom(fieldsOf(in, kInputFields));
  return toVal(replyJson(session_.input(input, millis(wallNow))));
}

}  // namespace kobaru
