// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace kobaru {

// A source of uniform draws in [0, 1).
using Rnd = std::function<double()>;

// The program's source: one generator seeded once from the system's entropy.
Rnd systemRnd();

}  // namespace kobaru
