// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace kobaru {

// How a lot ended, as the trainee's results tell it.
enum class Outcome {
  Running,          // still under the hammer
  WonByTrainee,     // 自分落札
  WonByOther,       // 他人落札
  CutOffToTrainee,  // 自見切落札
  CutOffToOther,    // 他見切落札
  NoSale,           // 流札
  ForcedStop,       // left unfinished: the forced stop
  NextLotPrepared,  // left unfinished: the next lot was put on the board
  PracticeEnded,    // left unfinished: the end of practice
};

// Who held the right when the lot was sold out.
enum class RightAtSellOut { NoSellOut, Trainee, Other };

// One lot from its start to its end. Prices are in thousands of yen like the clock's, the guide
// in ten-thousands like the board's; times are the screen's clock in milliseconds.
struct LotResult {
  int lot = 0;
  bool automatic = false;  // full-automatic practice, or the operator's own lot
  double startPrice = 0;
  double guide = 0;  // 0: the lot has no guide price (manual lots)
  std::int64_t startedAt = 0;

  int bids = 0;  // the trainee's bids that raised or took the right
  std::optional<double> firstBidPrice;
  std::optional<std::int64_t> firstBidAfterMs;  // from the start

  RightAtSellOut rightAtSellOut = RightAtSellOut::NoSellOut;
  Outcome outcome = Outcome::Running;
  bool confirmedByHall = false;  // won, and 確認 given by the hall for a trainee who did not
  int reauctions = 0;
  // The award's price; after a no sale or an unfinished lot, the last bid (none: nobody bid).
  std::optional<double> finalPrice;

  std::optional<std::int64_t> startReactionMs;  // the start signal to the first press
  std::vector<std::int32_t> stopReactionsMs;    // each stop of the clock to the next press
  std::vector<std::int32_t> retakeReactionsMs;  // each right taken away to its retake

  friend bool operator==(const LotResult&, const LotResult&) = default;
};

// The lots of one session, oldest first.
using Lots = std::deque<LotResult>;

// Ended with the trainee as buyer, by decision or at a cut-off.
inline bool wonByTrainee(const LotResult& r) {
  return r.outcome == Outcome::WonByTrainee || r.outcome == Outcome::CutOffToTrainee;
}

// The final price against the guide, in ten-thousands of yen; nothing without both.
inline std::optional<double> differenceToGuide(const LotResult& r) {
  if (!r.finalPrice || !(r.guide > 0)) return std::nullopt;
  return *r.finalPrice / 10 - r.guide;
}

inline std::optional<double> differenceToGuidePercent(const LotResult& r) {
  const auto d = differenceToGuide(r);
  if (!d) return std::nullopt;
  return *d / r.guide * 100;
}

}  // namespace kobaru
