// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

namespace kobaru {

// The session's wake-ups on the desktop: the monotonic wall clock it runs on, and one precise
// timer that sleeps as long as the session says.
class TimerDriver : public QObject {
 public:
  // Monotonic milliseconds.
  using WallClock = std::function<std::int64_t()>;
  // The system's monotonic clock.
  static WallClock steadyClock();

  TimerDriver(std::function<void()> onWake, WallClock wallClock);

  std::int64_t now() const { return wallClock_(); }
  // Wakes after `ms`; nothing: no wake-up until the next sleep.
  void sleep(std::optional<std::int64_t> ms);

 private:
  WallClock wallClock_;
  QTimer wake_{this};
};

}  // namespace kobaru
