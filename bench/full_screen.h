// SPDX-License-Identifier: MIT
// What the screen benchmarks share: the practice screen filling the screen as the maximised
// window does on a desktop, and a watch on the paints that reach the screen.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace kobaru::bench {

// Shows the window maximised and gives it the whole screen, which a window manager would do for a
// maximised window and a bare X server does not; returns once it has that size.
inline void fillScreen(QWidget& w) {
  w.showMaximized();
  const QRect screen = w.screen()->geometry();
  w.setGeometry(screen);
  QElapsedTimer waited;
  waited.start();
  while (w.size() != screen.size() && waited.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  if (w.size() != screen.size())
    std::fprintf(stderr, "the window did not take the screen's size within 5 s\n");
}

// Tells, after each repaint of the window that has painted `watched`, how long since the moment
// that `mark` last noted; the repaint includes the handing of the picture to the window system.
class PaintWatch : public QObject {
 public:
  PaintWatch(QWidget& window, QWidget& watched) : watched_(watched) {
    clock_.start();
    window.installEventFilter(this);
    watched.installEventFilter(this);
  }
  void mark() { markedAt_ = clock_.nsecsElapsed(); }
  // Only paints after a mark count, and only the first.
  const std::vector<double>& latenciesMs() const { return latencies_; }

  bool eventFilter(QObject* target, QEvent* e) override {
    if (target == &watched_ && e->type() == QEvent::Paint) {
      paintedWatched_ = true;
    } else if (target != &watched_ && e->type() == QEvent::UpdateRequest) {
      paintedWatched_ = false;
      target->event(e);  // the repaint and the flush, done here so their end can be timed
      if (paintedWatched_ && markedAt_ >= 0) {
        latencies_.push_back((clock_.nsecsElapsed() - markedAt_) / 1e6);
        markedAt_ = -1;
      }
      return true;
    }
    return false;
  }

 private:
  QWidget& watched_;
  QElapsedTimer clock_;
  qint64 markedAt_ = -1;
  bool paintedWatched_ = false;
  std::vector<double> latencies_;
};

inline void printPercentiles(const char* what, std::vector<double> ms, double goalP99) {
  if (ms.empty()) {
    std::printf("%s: no samples\n", what);
    return;
  }
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) { return ms[std::min(ms.size() - 1, size_t(q * ms.size()))]; };
  std::printf("%s: %zu samples, p50 %.2f ms, p99 %.2f ms, max %.2f ms (goal p99 < %.0f ms)\n", what,
              ms.size(), at(0.5), at(0.99), ms.back(), goalP99);
}

}  // namespace kobaru::bench
