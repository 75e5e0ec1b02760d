// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include "practice/scheduler.h"

namespace kobaru {

// Follows a monotonic wall clock (ms) with the scheduler's virtual clock, for every shell alike.
// Every tick due up to the wall clock runs, in the same order as in virtual time. Due times follow
// from the previous due time, so the clock keeps true time without drift, and a short stall is
// caught up. After a pause (a suspended machine, a hidden browser tab) the schedule resumes where
// it stopped rather than replaying the pause.
class ClockFollower {
 public:
  // A tick overdue by longer than this marks a pause, not a stall.
  static constexpr std::int64_t kLongestCatchUp = 1000;  // ms

  ClockFollower(Scheduler& scheduler, std::int64_t wallNow);

  // Runs every tick due up to now; a tick overdue by more than kLongestCatchUp runs at once and
  // the virtual clock stands still through the pause before it. A wall clock that steps back
  // moves nothing, and the virtual clock follows it on from there.
  void catchUp(std::int64_t wallNow);
  // Counts the time since the last catch-up as a pause: nothing of it is replayed. For a pause
  // the shell knows of, such as a hidden tab shown again: catch up as it begins, call this as it
  // ends.
  void resumeAfterPause(std::int64_t wallNow);
  // How long until the next tick falls due (0 when one is due already, at most
  // Timer::kMaxInterval), or nothing while no timer ticks.
  std::optional<std::int64_t> wait(std::int64_t wallNow) const;

 private:
  std::int64_t virtualNow(std::int64_t wallNow) const { return wallNow + offset_; }

  Scheduler& scheduler_;
  std::int64_t offset_;  // virtual time = wall time + offset
};

}  // namespace kobaru
