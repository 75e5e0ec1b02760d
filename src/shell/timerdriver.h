// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "practice/clock_follower.h"
#include "practice/scheduler.h"

namespace kobaru {

// Runs the screen's virtual clock on the wall clock: one precise timer sleeps until the next tick
// falls due, then the clock follower runs every tick due up to the wall clock.
class TimerDriver : public QObject {
 public:
  // Monotonic milliseconds.
  using WallClock = std::function<std::int64_t()>;
  // The system's monotonic clock.
  static WallClock steadyClock();

  // `onWake` runs when a tick may be due; it calls catchUp() inside the screen's event guard.
  TimerDriver(Scheduler& scheduler, std::function<void()> onWake, WallClock wallClock);

  // Runs every tick due up to now.
  void catchUp();
  // Sleeps until the next tick; call after every event, since handlers switch timers.
  void rearm();

 private:
  WallClock wallClock_;
  ClockFollower follower_;
  QTimer wake_{this};
};

}  // namespace kobaru
