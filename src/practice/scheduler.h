// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace kobaru {

class Scheduler;

// An interval timer of the practice screen. It ticks every interval() milliseconds while it is
// enabled and its interval is above 0; switching it on again or setting its interval starts the
// period afresh.
class Timer {
 public:
  // The largest interval a timer takes; longer requests are clamped to it.
  static constexpr int kMaxInterval = 2'147'483'647;

  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  int interval() const { return interval_; }
  // Rounds to the nearest whole millisecond, halves to the even neighbour. Negative or NaN
  // requests give 0 (the timer stands still); requests beyond kMaxInterval give kMaxInterval.
  void setInterval(double ms);
  // The interval setInterval(ms) gives.
  static int wholeMilliseconds(double ms);
  int number() const { return number_; }

 private:
  friend class Scheduler;
  Timer(Scheduler& scheduler, int number, std::function<void()> onTick)
      : scheduler_(&scheduler), number_(number), onTick_(std::move(onTick)) {}
  bool ticking() const { return enabled_ && interval_ > 0; }
  void restartPeriod();
  // Ticks first: the earlier due time, and of two alike the lower number.
  bool before(const Timer& other) const {
    return due_ < other.due_ || (due_ == other.due_ && number_ < other.number_);
  }
  static constexpr std::size_t kNotQueued = static_cast<std::size_t>(-1);

  Scheduler* scheduler_;
  int number_;
  std::function<void()> onTick_;
  bool enabled_ = false;
  int interval_ = 0;
  std::int64_t due_ = 0;
  std::size_t slot_ = kNotQueued;  // its place in the scheduler's queue
};

// Virtual time in whole milliseconds. Nothing happens between calls of advance(), so tests step
// through any sequence of ticks exactly, and the desktop driver feeds it the wall clock.
class Scheduler {
 public:
  Scheduler() = default;
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;

  // Adds a timer (off, interval 0). Numbers order the ticks that fall due together.
  Timer& add(int number, std::function<void()> onTick);

  std::int64_t now() const { return now_; }
  // Fires every tick due up to now() + ms in order of due time, ties by timer number; a handler
  // may switch timers on and off, and its changes take effect for the ticks that follow.
  // A negative ms moves nothing.
  void advance(std::int64_t ms);
  // Due time of the next tick, or nothing while no timer ticks.
  std::optional<std::int64_t> nextDue() const;

 private:
  friend class Timer;
  // Puts the timer where its due time belongs in the queue, or takes it out when it no longer
  // ticks; called whenever its state or due time changes.
  void requeue(Timer& t);
  void place(std::size_t slot, Timer* t);
  void siftUp(std::size_t slot);
  void siftDown(std::size_t slot);

  std::deque<Timer> timers_;  // a deque keeps every Timer& valid as timers are added
  // The ticking timers as a binary heap, the next to tick on top: the next tick is found without
  // looking at every timer, which matters as it is asked for on every tick.
  std::vector<Timer*> queue_;
  std::int64_t now_ = 0;
};

}  // namespace kobaru
