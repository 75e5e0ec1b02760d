// SPDX-License-Identifier: MIT
#include "practice/scheduler.h"

#include <cmath>
#include <limits>

namespace kobaru {

namespace {

constexpr std::int64_t kEndOfTime = std::numeric_limits<std::int64_t>::max();

std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) {
  return a > kEndOfTime - b ? kEndOfTime : a + b;
}

}  // namespace

int Timer::wholeMilliseconds(double ms) {
  if (!(ms > 0)) return 0;  // negative, zero and NaN
  if (ms >= kMaxInterval) return kMaxInterval;
  double whole = std::floor(ms);
  double frac = ms - whole;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  return static_cast<int>(whole);
}

void Timer::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  if (on) restartPeriod();
}

void Timer::setInterval(double ms) {
  interval_ = wholeMilliseconds(ms);
  restartPeriod();
}

void Timer::restartPeriod() {
  due_ = saturatingAdd(scheduler_->now(), interval_);
}

Timer& Scheduler::add(int number, std::function<void()> onTick) {
  return timers_.emplace_back(Timer(*this, number, std::move(onTick)));
}

Timer* Scheduler::nextTimerDueBy(std::int64_t limit) {
  Timer* next = nullptr;
  for (Timer& t : timers_) {
    // A due time at the end of the clock was cut short by saturation: it never comes.
    if (!t.ticking() || t.due_ > limit || t.due_ == kEndOfTime) continue;
    if (!next || t.due_ < next->due_ || (t.due_ == next->due_ && t.number_ < next->number_))
      next = &t;
  }
  return next;
}

void Scheduler::advance(std::int64_t ms) {
  if (ms <= 0) return;
  const std::int64_t target = saturatingAdd(now_, ms);
  while (Timer* t = nextTimerDueBy(target)) {
    now_ = t->due_;
    t->due_ = saturatingAdd(t->due_, t->interval_);
    if (t->onTick_) t->onTick_();
  }
  now_ = target;
}

std::optional<std::int64_t> Scheduler::nextDue() const {
  std::optional<std::int64_t> due;
  for (const Timer& t : timers_)
    if (t.ticking() && t.due_ != kEndOfTime && (!due || t.due_ < *due)) due = t.due_;
  return due;
}

}  // namespace kobaru
