// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "practice/scheduler.h"

namespace kobaru {

// Runs the screen's virtual clock on the wall clock. One precise timer sleeps until the next tick
// falls due; then every tick due up to the wall clock runs, in the same order as in the tests'
// virtual time. Due times follow from the previous due time, so the clock keeps true time without
// drift, and a short stall is caught up. After a long pause (a suspended machine) the schedule
// resumes where it stopped rather than replaying the pause.
class TimerDriver : public QObject {
 public:
  // `onWake` runs when a tick may be due; it calls catchUp() inside the screen's event guard.
  TimerDriver(Scheduler& scheduler, std::function<void()> onWake);

  // A tick overdue by longer than this marks a pause, not a stall.
  static constexpr std::int64_t kLongestCatchUp = 1000;  // ms

  // Runs every tick due up to now.
  void catchUp();
  // Sleeps until the next tick; call after every event, since handlers switch timers.
  void rearm();

 private:
  std::int64_t wallNow() const;

  Scheduler& scheduler_;
  QElapsedTimer wall_;
  std::int64_t offset_;  // virtual time = wall time + offset
  QTimer wake_;
};

}  // namespace kobaru
