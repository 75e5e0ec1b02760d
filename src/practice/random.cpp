// SPDX-License-Identifier: MIT
#include "practice/random.h"

#include <cmath>
#include <memory>
#include <random>

namespace kobaru {

Rnd systemRnd() {
  std::random_device entropy;
  auto engine =
      std::make_shared<std::mt19937_64>((static_cast<std::uint64_t>(entropy()) << 32) ^ entropy());
  return [engine] {
    // generate_canonical may round up to 1.0; the draws promise [0, 1).
    double r = std::generate_canonical<double, 53>(*engine);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
  };
}

}  // namespace kobaru
