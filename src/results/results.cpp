// SPDX-License-Identifier: MIT
// The trainee's results, lot by lot, read from the bid record's lines as they are written.
#include "results/results.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "practice/form1.h"
#include "practice/record_labels.h"

namespace kobaru {

namespace {

// What a record line means for the results; lines not listed change nothing but the right.
enum class LineKind { Start, TraineeBid, TraineeRight, Stop, Reauction, Ending, Other };

struct LineMeaning {
  std::string_view label;
  LineKind line;
  Outcome outcome;  // of an ending
};

constexpr LineMeaning kMeanings[] = {
    {labels::kOther, LineKind::Other, Outcome::Running},
    {labels::kYou, LineKind::TraineeBid, Outcome::Running},
    {labels::kOnePositionYou, LineKind::TraineeBid, Outcome::Running},
    {labels::kHeldYou, LineKind::TraineeBid, Outcome::Running},
    {labels::kRightYou, LineKind::TraineeRight, Outcome::Running},
    {labels::kStart, LineKind::Start, Outcome::Running},
    {labels::kStopCO, LineKind::Stop, Outcome::Running},
    {labels::kAutoStop, LineKind::Stop, Outcome::Running},
    {labels::kRestartCO, LineKind::Reauction, Outcome::Running},
    {labels::kAutoRestart, LineKind::Reauction, Outcome::Running},
    {labels::kAwardTrainee, LineKind::Ending, Outcome::WonByTrainee},
    {labels::kAwardOther, LineKind::Ending, Outcome::WonByOther},
    {labels::kCutOffAwardTrainee, LineKind::Ending, Outcome::CutOffToTrainee},
    {labels::kCutOffAwardOther, LineKind::Ending, Outcome::CutOffToOther},
    {labels::kNoSale, LineKind::Ending, Outcome::NoSale},
};

const LineMeaning& meaningOf(std::string_view label) {
  static constexpr LineMeaning kOtherLine{"", LineKind::Other, Outcome::Running};
  for (const LineMeaning& m : kMeanings)
    if (label == m.label) return m;  // lengths first: most labels differ there
  return kOtherLine;
}

std::int32_t elapsed(std::int64_t from, std::int64_t to) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(to - from, 0, std::numeric_limits<std::int32_t>::max()));
}

// The last bid of a lot that ended without an award; nothing when nobody bid after the start.
std::optional<double> lastBid(const Form1& f) {
  if (f.ousatukakaku == f.sutatokakaku) return std::nullopt;
  return f.ousatukakaku * 10;
}

}  // namespace

void Results::notice(const Form1& form, Moment moment) {
  switch (moment) {
    case Moment::RecordLine:
      recordLine(form);
      break;
    case Moment::BidButtonPressed:
      if (open()) press(form.scheduler.now());
      break;
    case Moment::SellOut:
      if (LotResult* lot = open()) {
        lot->rightAtSellOut =
            form.taninkenri == 0 ? RightAtSellOut::Trainee : RightAtSellOut::Other;
        ++revision_;
      }
      break;
    case Moment::LotPrepared:
      closeUnfinished(form, Outcome::NextLotPrepared);
      break;
    case Moment::ForcedStop:
      closeUnfinished(form, Outcome::ForcedStop);
      break;
    case Moment::PracticeEnded:
      closeUnfinished(form, Outcome::PracticeEnded);
      break;
  }
}

void Results::clear() {
  lots_.clear();
  open_ = false;
  ++revision_;
  ++session_;
}

void Results::recordLine(const Form1& f) {
  const LineMeaning& meaning = meaningOf(f.kirokumei);
  if (meaning.line == LineKind::Start) {
    start(f);
    return;
  }
  LotResult* lot = open();
  if (!lot) return;
  const std::int64_t now = f.scheduler.now();
  const double price = f.kakakuman * 10;
  switch (meaning.line) {
    case LineKind::TraineeBid:
      if (++lot->bids == 1) {
        lot->firstBidPrice = price;
        lot->firstBidAfterMs = now - lot->startedAt;
      }
      [[fallthrough]];
    case LineKind::TraineeRight:
      // A bid by keyboard comes without a press of the mouse: the bid is the press.
      if (!pressSinceBid_) press(now);
      pressSinceBid_ = false;
      break;
    case LineKind::Stop:
      // Only a trainee without the right has anything to react to.
      if (!traineeHolds_) stopAt_ = now;
      break;
    case LineKind::Reauction:
      ++lot->reauctions;
      stopAt_.reset();
      break;
    case LineKind::Ending:
      close(meaning.outcome,
            meaning.outcome == Outcome::NoSale ? lastBid(f) : std::optional<double>(price));
      return;
    case LineKind::Start:
    case LineKind::Other:
      break;
  }
  const bool holds = f.taninkenri == 0;
  if (traineeHolds_ && !holds) takenAt_ = now;
  if (!traineeHolds_ && holds && takenAt_) {
    // The retake counts from the press that made it, if that came after the right was lost.
    const std::int64_t pressedAt = lastPress_ && *lastPress_ >= *takenAt_ ? *lastPress_ : now;
    lot->retakeReactionsMs.push_back(elapsed(*takenAt_, pressedAt));
    takenAt_.reset();
  }
  traineeHolds_ = holds;
  ++revision_;
}

void Results::start(const Form1& f) {
  const int number = static_cast<int>(f.syuppinbangou);
  if (LotResult* lot = open()) {
    // The same lot started again after its price was taken back: a re-auction.
    if (lot->lot == number) {
      ++lot->reauctions;
      stopAt_.reset();
      traineeHolds_ = f.taninkenri == 0;
      ++revision_;
      return;
    }
    closeUnfinished(f, Outcome::NextLotPrepared);
  }
  LotResult& lot = lots_.emplace_back();
  open_ = true;
  lot.lot = number;
  lot.automatic = f.modo == 2;
  lot.startPrice = f.sutatokakaku * 10;
  lot.guide = f.meyasuti;
  lot.startedAt = f.scheduler.now();
  traineeHolds_ = false;
  pressSinceBid_ = false;
  lastPress_.reset();
  stopAt_.reset();
  takenAt_.reset();
  ++revision_;
}

void Results::press(std::int64_t at) {
  LotResult& lot = lots_.back();
  if (!lot.startReactionMs) lot.startReactionMs = at - lot.startedAt;
  if (stopAt_) {
    lot.stopReactionsMs.push_back(elapsed(*stopAt_, at));
    stopAt_.reset();
  }
  lastPress_ = at;
  pressSinceBid_ = true;
  ++revision_;
}

void Results::close(Outcome outcome, std::optional<double> price) {
  LotResult& lot = lots_.back();
  lot.outcome = outcome;
  lot.finalPrice = price;
  open_ = false;
  ++revision_;
}

void Results::closeUnfinished(const Form1& form, Outcome outcome) {
  if (open()) close(outcome, lastBid(form));
}

}  // namespace kobaru
