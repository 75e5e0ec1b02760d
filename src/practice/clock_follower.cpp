// SPDX-License-Identifier: MIT
#include "practice/clock_follower.h"

#include <algorithm>

namespace kobaru {

ClockFollower::ClockFollower(Scheduler& scheduler, std::int64_t wallNow)
    : scheduler_(scheduler), offset_(scheduler.now() - wallNow) {}

void ClockFollower::catchUp(std::int64_t wallNow) {
  if (virtualNow(wallNow) < scheduler_.now()) resumeAfterPause(wallNow);
  const auto due = scheduler_.nextDue();
  const std::int64_t late = due ? virtualNow(wallNow) - *due : 0;
  // A pause: the virtual clock stands still through it and resumes at the tick that was due.
  if (late > kLongestCatchUp) offset_ -= late;
  scheduler_.advance(virtualNow(wallNow) - scheduler_.now());
}

void ClockFollower::resumeAfterPause(std::int64_t wallNow) {
  offset_ = scheduler_.now() - wallNow;
}

std::optional<std::int64_t> ClockFollower::wait(std::int64_t wallNow) const {
  const auto due = scheduler_.nextDue();
  if (!due) return std::nullopt;
  return std::clamp<std::int64_t>(*due - virtualNow(wallNow), 0, Timer::kMaxInterval);
}

}  // namespace kobaru
