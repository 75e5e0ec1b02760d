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
  if (on) {
    restartPeriod();
  } else {
    scheduler_->requeue(*this);
  }
}

void Timer::setInterval(double ms) {
  interval_ = wholeMilliseconds(ms);
  restartPeriod();
}

void Timer::restartPeriod() {
  due_ = saturatingAdd(scheduler_->now(), interval_);
  scheduler_->requeue(*this);
}

Timer& Scheduler::add(int number, std::function<void()> onTick) {
  return timers_.emplace_back(Timer(*this, number, std::move(onTick)));
}

void Scheduler::place(std::size_t slot, Timer* t) {
  queue_[slot] = t;
  t->slot_ = slot;
}

void Scheduler::siftUp(std::size_t slot) {
  Timer* const t = queue_[slot];
  while (slot > 0) {
    const std::size_t parent = (slot - 1) / 2;
    if (!t->before(*queue_[parent])) break;
    place(slot, queue_[parent]);
    slot = parent;
  }
  place(slot, t);
}

void Scheduler::siftDown(std::size_t slot) {
  Timer* const t = queue_[slot];
  for (;;) {
    std::size_t child = 2 * slot + 1;
    if (child >= queue_.size()) break;
    if (child + 1 < queue_.size() && queue_[child + 1]->before(*queue_[child])) ++child;
    if (!queue_[child]->before(*t)) break;
    place(slot, queue_[child]);
    slot = child;
  }
  place(slot, t);
}

void Scheduler::requeue(Timer& t) {
  // A due time at the end of the clock was cut short by saturation: it never comes.
  const bool queued = t.ticking() && t.due_ != kEndOfTime;
  if (t.slot_ == Timer::kNotQueued) {
    if (!queued) return;
    queue_.push_back(&t);
    t.slot_ = queue_.size() - 1;
    siftUp(t.slot_);
    return;
  }
  const std::size_t slot = t.slot_;
  if (!queued) {
    t.slot_ = Timer::kNotQueued;
    Timer* const last = queue_.back();
    queue_.pop_back();
    if (last == &t) return;
    place(slot, last);
    siftUp(slot);
    siftDown(last->slot_);
    return;
  }
  siftUp(slot);
  siftDown(t.slot_);
}

void Scheduler::advance(std::int64_t ms) {
  if (ms <= 0) return;
  const std::int64_t target = saturatingAdd(now_, ms);
  while (!queue_.empty() && queue_.front()->due_ <= target) {
    Timer* const t = queue_.front();
    now_ = t->due_;
    t->due_ = saturatingAdd(t->due_, t->interval_);
    requeue(*t);
    if (t->onTick_) t->onTick_();
  }
  now_ = target;
}

std::optional<std::int64_t> Scheduler::nextDue() const {
  if (queue_.empty()) return std::nullopt;
  return queue_.front()->due_;
}

}  // namespace kobaru
