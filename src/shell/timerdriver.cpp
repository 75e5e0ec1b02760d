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

TimerDriver::TimerDriver(std::function<void()> onWake, WallClock wallClock)
    : wallClock_(std::move(wallClock)) {
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
  connect(&wake_, &QTimer::timeout, this, std::move(onWake));
}

void TimerDriver::sleep(std::optional<std::int64_t> ms) {
  if (ms) {
    wake_.start(static_cast<int>(*ms));
  } else {
    wake_.stop();
  }
}

}  // namespace kobaru
