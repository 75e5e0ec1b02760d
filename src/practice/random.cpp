// SPDX-License-Identifier: MIT
#include "practice/random.h"

#include <memory>
#include <random>

namespace kobaru {

Rnd systemRnd() {
  std::random_device entropy;
  return seededRnd((static_cast<std::uint64_t>(entropy()) << 32) ^ entropy());
}

Rnd seededRnd(std::uint64_t seed) {
  auto engine = std::make_shared<std::mt19937_64>(seed);
  // The top 53 bits of a draw, exactly: every standard library gives the same doubles, in [0, 1).
  return [engine] { return static_cast<double>((*engine)() >> 11) * 0x1.0p-53; };
}

}  // namespace kobaru
