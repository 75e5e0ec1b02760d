// SPDX-License-Identifier: MIT
// What the benchmarks of the real screen share: the practice screen filling the screen as the
// maximised window does on a desktop, a lot climbing at the standard speed, and a watch on the
// paints that reach the screen.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "shell/practicewindow.h"
#include "support/recording_host.h"

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

// The practice screen of the benchmarks in the program's style, with its pictures from the
// program's folder, filling the screen and opened (so playing the automatic practice).
struct FullScreenPractice {
  struct ProgramHost : RecordingHost {
    ProgramHost() { directory = QCoreApplication::applicationDirPath().toStdString(); }
  };
  explicit FullScreenPractice(Rnd rnd) : window(host, std::move(rnd)) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    fillScreen(window);
    window.load();
  }
  ProgramHost host;
  PracticeWindow window;
};

// A manual lot started at 200 and climbing at the standard speed, with `probe` ticking at the
// price tick's due times, just after it; `started` runs as the lot starts.
inline void startStandardLot(
    PracticeWindow& w, Timer& probe, const std::function<void()>& started = [] {}) {
  Form1& f = w.form();
  w.deliver([&] {
    f.Command23_Click();
    f.Text6.text = "200";
    f.Command11_Click();
    f.Command1_Click();
    probe.setInterval(f.kankaku);
    probe.setEnabled(true);
    started();
  });
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
