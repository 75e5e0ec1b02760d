// SPDX-License-Identifier: MIT
#include "shell/timerdriver.h"

#include <QElapsedTimer>
#include <memory>

namespace kobaru {

TimerDriver::WallClock TimerDriver::steadyClock() {
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  return [started] { return started->elapsed(); };
}

TimerDriver::TimerDriver(Scheduler& scheduler, std::function<void()> onWake, WallClock wallClock)
    : wallClock_(std::move(wallClock)), follower_(scheduler, wallClock_()) {
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
  connect(&wake_, &QTimer::timeout, this, std::move(onWake));
}

void TimerDriver::catchUp() {
  follower_.catchUp(wallClock_());
}

void TimerDriver::rearm() {
  const auto wait = follower_.wait(wallClock_());
  if (wait) {
    wake_.start(static_cast<int>(*wait));
  } else {
    wake_.stop();
  }
}

}  // namespace kobaru
