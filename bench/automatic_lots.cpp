// SPDX-License-Identifier: MIT
// Plays the full-automatic practice in virtual time, with a random trainee, and prints how fast
// lots go by and how they end; then the same lots again with the trainee's results watching, and
// how much of the speed that keeps. Speeds are per second of the process's own processor time,
// which other work on a shared machine disturbs far less than the wall clock.
//   kobaru_automatic_lots [LOTS]   (default 100000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "results/results.h"
#include "support/automatic_practice.h"

using namespace kobaru;

namespace {

// Lots per second of processor time; 0 when the practice stopped short.
double play(long lots, LotObserver* observer, bool report) {
  AutomaticPractice practice(20261210, true, observer);
  const auto started = std::chrono::steady_clock::now();
  const std::clock_t cpuStarted = std::clock();
  while (practice.tally().lots < lots) {
    if (!practice.step([](const Form1&) {})) {
      std::fprintf(stderr, "the practice stopped after %ld lots\n", practice.tally().lots);
      return 0;
    }
  }
  const double cpu = static_cast<double>(std::clock() - cpuStarted) / CLOCKS_PER_SEC;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const PracticeTally& t = practice.tally();
  const double rate = t.lots / cpu;
  std::printf(
      "%ld lots in %.2f s of processor time (%.2f s wall): %.0f lots/s; %.1f h of "
      "practice in virtual time%s\n",
      t.lots, cpu, seconds, rate, practice.form().scheduler.now() / 3.6e6,
      observer ? ", with the results watching" : "");
  if (report) {
    const auto share = [&](LotEnd e) { return 100.0 * t.ends[static_cast<int>(e)] / t.lots; };
    std::printf(
        "trainee award %.2f %%, other award %.2f %%, cut-off award %.2f %%, no sale %.2f %%; "
        "re-auctions %.2f per 100 lots; longest lot %.1f s; abandoned %ld\n",
        share(LotEnd::TraineeAward), share(LotEnd::OtherAward), share(LotEnd::CutOffAward),
        share(LotEnd::NoSale), 100.0 * t.reauctions / t.lots, t.longestLotMs / 1000.0, t.abandoned);
  }
  return rate;
}

}  // namespace

int main(int argc, char* argv[]) {
  const long lots = argc > 1 ? std::max(1L, std::atol(argv[1])) : 100'000;
  const double bare = play(lots, nullptr, true);
  Results results;
  const double watched = play(lots, &results, false);
  if (bare == 0 || watched == 0) return 1;
  std::printf("with the results: %.1f %% of the speed; %zu lots in the results\n",
              100 * watched / bare, results.lots().size());
  return 0;
}
