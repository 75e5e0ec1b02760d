// SPDX-License-Identifier: MIT
// The trainee's results, lot by lot, read from the bid record's lines as they are written.
#include "results/results.h"

#include <algorithm>
#include <limits>

#include "practice/form1.h"

namespace kobaru {

namespace {

// What a record line means for the results; the other lines change nothing but the right.
enum class LineKind { Start, TraineeBid, TraineeRight, Stop, Reauction, Ending, Other };

struct LineMeaning {
  LineKind line;
  Outcome outcome = Outcome::Running;  // of an ending
};

// The trainee's own bids and right, the stops a trainee without the right answers, the lot's
// restarts and its endings; `trainee`: the line is this trainee's.
constexpr LineMeaning meaningOf(RecordKind kind, bool trainee) {
  switch (actOf(kind)) {
    case Act::Start:
      return {LineKind::Start};
    case Act::Bid:
    case Act::OnePosition:
    case Act::HeldBid:
      return {trainee ? LineKind::TraineeBid : LineKind::Other};
    case Act::Right:
      return {trainee ? LineKind::TraineeRight : LineKind::Other};
    case Act::Stop:
      return {LineKind::Stop};
    case Act::Restart:
      return {LineKind::Reauction};
    case Act::Award:
      return {LineKind::Ending, trainee ? Outcome::WonByTrainee : Outcome::WonByOther};
    case Act::CutOffAward:
      return {LineKind::Ending, trainee ? Outcome::CutOffToTrainee : Outcome::CutOffToOther};
    case Act::NoSale:
      return {LineKind::Ending, Outcome::NoSale};
    case Act::Continuous:
    case Act::Slow:
    case Act::ReauctionStop:
    case Act::CutOff:
    case Act::SellOut:
    case Act::NoCall:
    case Act::FinalBid:
      break;
  }
  return {LineKind::Other};
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
      if (open() && form.actor == bidder_) press(form.scheduler.now());
      break;
    case Moment::SellOut:
      if (LotResult* lot = open()) {
        lot->rightAtSellOut = holds(form) ? RightAtSellOut::Trainee : RightAtSellOut::Other;
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

bool Results::mine(const RecordLine& line) const {
  return partyOf(line.kind) == Party::Trainee && line.bidder == bidder_;
}

bool Results::holds(const Form1& f) const {
  return f.traineeHoldsRight() && f.rightHolder == bidder_;
}

void Results::confirmedByHall(int lot) {
  for (LotResult& r : lots_)
    if (r.lot == lot && wonByTrainee(r)) r.confirmedByHall = true;
  ++revision_;
}

void Results::recordLine(const Form1& f) {
  if (f.recordLines.empty()) return;  // told without a line: nothing to read
  const RecordLine& line = f.recordLines.back();
  const LineMeaning meaning = meaningOf(line.kind, mine(line));
  if (meaning.line == LineKind::Start) {
    start(f);
    return;
  }
  LotResult* lot = open();
  if (!lot) return;
  // Another's line mostly changes nothing here; a hall's every window is redrawn only when it
  // does.
  const LotResult before = *lot;
  const std::int64_t now = f.scheduler.now();
  const double price = line.price * 10;
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
  const bool holding = holds(f);
  if (traineeHolds_ && !holding) takenAt_ = now;
  if (!traineeHolds_ && holding && takenAt_) {
    // The retake counts from the press that made it, if that came after the right was lost.
    const std::int64_t pressedAt = lastPress_ && *lastPress_ >= *takenAt_ ? *lastPress_ : now;
    lot->retakeReactionsMs.push_back(elapsed(*takenAt_, pressedAt));
    takenAt_.reset();
  }
  traineeHolds_ = holding;
  if (!(*lot == before)) ++revision_;
}

void Results::start(const Form1& f) {
  const int number = static_cast<int>(f.syuppinbangou);
  if (LotResult* lot = open()) {
    // The same lot started again after its price was taken back: a re-auction.
    if (lot->lot == number) {
      ++lot->reauctions;
      stopAt_.reset();
      traineeHolds_ = holds(f);
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
