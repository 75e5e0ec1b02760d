// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include "practice/lot_observer.h"
#include "practice/record_labels.h"
#include "results/lot_result.h"

namespace kobaru {

// The trainee's results of one session: every lot the screen starts, how it went and how fast
// the trainee reacted. It learns everything from the moments the screen tells it and from the
// form's fields, and changes nothing on the screen.
class Results : public LotObserver {
 public:
  // The results of the trainee `bidder` (0: the single-user program's one trainee); another
  // trainee's lines count as another buyer's.
  explicit Results(int bidder = 0) : bidder_(bidder) {}
  void notice(const Form1& form, Moment moment) override;
  // The hall gave 確認 for this trainee's won lot: they did not, or had gone.
  void confirmedByHall(int lot);

  const Lots& lots() const { return lots_; }
  // Changes whenever anything in lots() does, so a window redraws only then.
  std::uint64_t revision() const { return revision_; }
  // A new session: nothing of the old one is kept.
  void clear();
  // Counts the sessions: only the newest lot of a session ever changes, so a view that has
  // copied the older ones keeps them until this changes.
  std::uint64_t session() const { return session_; }

 private:
  void recordLine(const Form1& form);
  bool mine(const RecordLine& line) const;
  bool holds(const Form1& form) const;
  void start(const Form1& form);
  void press(std::int64_t at);
  void close(Outcome outcome, std::optional<double> price);
  void closeUnfinished(const Form1& form, Outcome outcome);
  LotResult* open() { return open_ ? &lots_.back() : nullptr; }

  int bidder_;
  Lots lots_;
  bool open_ = false;
  std::uint64_t revision_ = 0;
  std::uint64_t session_ = 0;

  // The running lot's bidding, as far as the reactions need it.
  bool traineeHolds_ = false;
  bool pressSinceBid_ = false;
  std::optional<std::int64_t> lastPress_;
  std::optional<std::int64_t> stopAt_;   // a stop not yet answered by a press
  std::optional<std::int64_t> takenAt_;  // the right taken away and not yet retaken
};

}  // namespace kobaru
