// SPDX-License-Identifier: MIT
// What one input costs in the session every shell runs the screen through, with the changes it
// finds: the wake-up of each clock tick, and a click of the bid button.
#include <benchmark/benchmark.h>

#include "session/practice_session.h"
#include "support/inputs.h"
#include "support/recording_host.h"

namespace kobaru {
namespace {

// The full-automatic practice as it opens, its lots following one another.
struct Practice {
  RecordingHost platform;
  std::int64_t wall = 0;
  PracticeSession s{platform, scripted({0.5}), wall};
  Practice() { s.input(input(InputKind::Load), wall); }
};

void BM_sessionTick(benchmark::State& state) {
  Practice p;
  for (auto _ : state) {
    p.wall += 50;
    benchmark::DoNotOptimize(p.s.input(input(InputKind::Tick), p.wall));
  }
}
BENCHMARK(BM_sessionTick);

void BM_sessionBidClick(benchmark::State& state) {
  Practice p;
  for (auto _ : state) {
    p.wall += 50;
    benchmark::DoNotOptimize(p.s.input(down("Command12"), p.wall));
    benchmark::DoNotOptimize(p.s.input(up("Command12"), p.wall));
  }
}
BENCHMARK(BM_sessionBidClick);

}  // namespace
}  // namespace kobaru
