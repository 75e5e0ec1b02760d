// SPDX-License-Identifier: MIT
// Plays the full-automatic practice in virtual time, with a random trainee, and prints how fast
// lots go by on the wall clock and how they end.
//   kobaru_automatic_lots [LOTS]   (default 100000)
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "support/automatic_practice.h"

using namespace kobaru;

int main(int argc, char* argv[]) {
  const long lots = argc > 1 ? std::max(1L, std::atol(argv[1])) : 100'000;
  AutomaticPractice practice(20261210, true);
  const auto started = std::chrono::steady_clock::now();
  while (practice.tally().lots < lots) {
    if (!practice.step([](const Form1&) {})) {
      std::fprintf(stderr, "the practice stopped after %ld lots\n", practice.tally().lots);
      return 1;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const PracticeTally& t = practice.tally();
  const auto share = [&](LotEnd e) { return 100.0 * t.ends[static_cast<int>(e)] / t.lots; };
  std::printf("%ld lots in %.2f s: %.0f lots/s; %.1f h of practice in virtual time\n", t.lots,
              seconds, t.lots / seconds, practice.form().scheduler.now() / 3.6e6);
  std::printf(
      "trainee award %.2f %%, other award %.2f %%, cut-off award %.2f %%, no sale %.2f %%; "
      "re-auctions %.2f per 100 lots; longest lot %.1f s; abandoned %ld\n",
      share(LotEnd::TraineeAward), share(LotEnd::OtherAward), share(LotEnd::CutOffAward),
      share(LotEnd::NoSale), 100.0 * t.reauctions / t.lots, t.longestLotMs / 1000.0, t.abandoned);
  return 0;
}
