// SPDX-License-Identifier: MIT
// The heap the trainee's results take for many lots of the full-automatic practice: what is
// given back when the results are dropped.
//   kobaru_results_memory [LOTS]   (default 10000)
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "results/results.h"
#include "support/automatic_practice.h"

using namespace kobaru;

int main(int argc, char* argv[]) {
  const long lots = argc > 1 ? std::max(1L, std::atol(argv[1])) : 10'000;
  auto results = std::make_unique<Results>();
  AutomaticPractice practice(20261210, true, results.get());
  while (practice.tally().lots < lots)
    if (!practice.step([](const Form1&) {})) return 1;
  practice.form().observer = nullptr;
  const std::size_t kept = results->lots().size();
  const std::size_t before = mallinfo2().uordblks;
  results.reset();
  const std::size_t after = mallinfo2().uordblks;
  std::printf("results of %zu lots: %.2f MB of heap (%.0f bytes a lot)\n", kept,
              (before - after) / 1048576.0, static_cast<double>(before - after) / kept);
  return 0;
}
