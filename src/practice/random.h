// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

namespace kobaru {

// A source of uniform draws in [0, 1).
using Rnd = std::function<double()>;

// The program's source: one generator seeded once from the system's entropy.
Rnd systemRnd();

// The same generator from a given seed: the same draws on every platform, for replaying a session.
Rnd seededRnd(std::uint64_t seed);

}  // namespace kobaru
