// SPDX-License-Identifier: MIT
// Plays the full-automatic practice in virtual time, with a random trainee, and prints how fast
// lots go by and how they end; then how much of the speed is kept with the trainee's results
// watching. Speeds are per second of the process's own processor time, which other work on a
// shared machine disturbs far less than the wall clock.
//
// The same lots (one seed) are played twice side by side, bare and watched, in alternate rounds:
// each round's two halves run close in time, so the machine's other work slows both alike, and
// the median of the rounds' ratios is the watching's cost (a single pair of long runs on this
// machine kind drifted by 15 % either way between runs).
//   kobaru_automatic_lots [LOTS]   (default 100000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <vector>

#include "results/results.h"
#include "support/automatic_practice.h"

using namespace kobaru;

namespace {

constexpr std::uint64_t kSeed = 20261210;
constexpr long kRounds = 50;

// One practice, played on in rounds, with the processor and wall time its rounds took.
class TimedPractice {
 public:
  explicit TimedPractice(LotObserver* observer) : practice_(kSeed, true, observer) {}

  // Plays on until `lots` lots have ended; the processor seconds that took, or a negative
  // number when the practice stopped short.
  double playTo(long lots) {
    const auto started = std::chrono::steady_clock::now();
    const std::clock_t cpuStarted = std::clock();
    while (practice_.tally().lots < lots) {
      if (!practice_.step([](const Form1&) {})) {
        std::fprintf(stderr, "the practice stopped after %ld lots\n", practice_.tally().lots);
        return -1;
      }
    }
    const double cpu = static_cast<double>(std::clock() - cpuStarted) / CLOCKS_PER_SEC;
    cpu_ += cpu;
    wall_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return cpu;
  }

  double rate() const { return practice_.tally().lots / cpu_; }

  void print(const char* watching) {
    const PracticeTally& t = practice_.tally();
    std::printf(
        "%ld lots in %.2f s of processor time (%.2f s wall): %.0f lots/s; %.1f h of "
        "practice in virtual time%s\n",
        t.lots, cpu_, wall_, rate(), practice_.form().scheduler.now() / 3.6e6, watching);
  }

  void printEndings() {
    const PracticeTally& t = practice_.tally();
    const auto share = [&](LotEnd e) { return 100.0 * t.ends[static_cast<int>(e)] / t.lots; };
    std::printf(
        "trainee award %.2f %%, other award %.2f %%, cut-off award %.2f %%, no sale %.2f %%; "
        "re-auctions %.2f per 100 lots; longest lot %.1f s; abandoned %ld\n",
        share(LotEnd::TraineeAward), share(LotEnd::OtherAward), share(LotEnd::CutOffAward),
        share(LotEnd::NoSale), 100.0 * t.reauctions / t.lots, t.longestLotMs / 1000.0, t.abandoned);
  }

 private:
  AutomaticPractice practice_;
  double cpu_ = 0;
  double wall_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  const long lots =
      argc > 1 ? std::clamp(std::atol(argv[1]), 1L, std::numeric_limits<long>::max() / kRounds)
               : 100'000;
  const long rounds = std::min(kRounds, lots);
  Results results;
  TimedPractice bare(nullptr), watched(&results);
  std::vector<double> ratios;
  for (long round = 1; round <= rounds; ++round) {
    const long upTo = lots * round / rounds;
    // Turn about, so that neither half always runs on a warmer or a busier machine.
    TimedPractice& first = round % 2 ? bare : watched;
    TimedPractice& second = round % 2 ? watched : bare;
    const double a = first.playTo(upTo), b = second.playTo(upTo);
    if (a < 0 || b < 0) return 1;
    const double bareCpu = round % 2 ? a : b, watchedCpu = round % 2 ? b : a;
    if (bareCpu > 0 && watchedCpu > 0) ratios.push_back(bareCpu / watchedCpu);
  }
  bare.print("");
  bare.printEndings();
  watched.print(", with the results watching");
  std::sort(ratios.begin(), ratios.end());
  const double median = ratios.empty() ? watched.rate() / bare.rate() : ratios[ratios.size() / 2];
  std::printf(
      "with the results: %.1f %% of the speed (median of %zu rounds; %.1f %% over all); %zu lots "
      "in the results\n",
      100 * median, ratios.size(), 100 * watched.rate() / bare.rate(), results.lots().size());
  return 0;
}
