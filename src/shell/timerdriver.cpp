// SPDX-License-Identifier: MIT
#include "shell/timerdriver.h"

#include <algorithm>

namespace kobaru {

TimerDriver::TimerDriver(Scheduler& scheduler, std::function<void()> onWake)
    : scheduler_(scheduler) {
  wall_.start();
  offset_ = scheduler_.now();
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
  connect(&wake_, &QTimer::timeout, this, std::move(onWake));
}

std::int64_t TimerDriver::wallNow() const {
  return wall_.elapsed() + offset_;
}

void TimerDriver::catchUp() {
  const auto due = scheduler_.nextDue();
  const std::int64_t late = due ? wallNow() - *due : 0;
  // A pause: the virtual clock stands still through it and resumes at the tick that was due.
  if (late > kLongestCatchUp) offset_ -= late;
  scheduler_.advance(wallNow() - scheduler_.now());
}

void TimerDriver::rearm() {
  const auto due = scheduler_.nextDue();
  if (!due) {
    wake_.stop();
    return;
  }
  const std::int64_t wait = std::clamp<std::int64_t>(*due - wallNow(), 0, Timer::kMaxInterval);
  wake_.start(static_cast<int>(wait));
}

}  // namespace kobaru
