// SPDX-License-Identifier: MIT
// The price display runs on every tick of the clock (50 ms at the standard speed): it must take a
// tiny fraction of that.
#include <benchmark/benchmark.h>

#include "support/screen.h"

namespace kobaru {
namespace {

void BM_hyouji(benchmark::State& state) {
  ManualScreen s;
  double price = 200;
  for (auto _ : state) {
    s.f.kakaku = price;
    s.f.hyouji();
    benchmark::DoNotOptimize(s.f.Text9.text);
    price = price < 9996 ? price + 3 : 200;
  }
}
BENCHMARK(BM_hyouji);

void BM_recordLine(benchmark::State& state) {
  ManualScreen s;
  for (auto _ : state) {
    // A lot writes some tens of lines before the next start clears them.
    if (s.f.ousatu.text.size() > 4000) s.f.recordReset();
    s.f.recordLine(RecordKind::FloorBid);
    benchmark::DoNotOptimize(s.f.ousatu.text);
  }
}
BENCHMARK(BM_recordLine);

}  // namespace
}  // namespace kobaru
