// SPDX-License-Identifier: MIT
// How true the real clock keeps time: a lot started at the standard speed (0.05 s a step) runs
// for 20 seconds of wall-clock time on the Qt timer driver, offscreen. Prints the price climbed
// against the ideal 1200, the mean tick interval and the tick lateness.
//   kobaru_clock_timing [--load] [--seconds N]
// --load keeps the other core busy meanwhile.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

#include "screen_bench.h"

using namespace kobaru;

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const bool load = args.contains("--load");
  const int seconds =
      args.contains("--seconds") ? args.value(args.indexOf("--seconds") + 1).toInt() : 20;

  std::atomic<bool> running{true};
  std::thread busy;
  if (load) {
    busy = std::thread([&running] {
      volatile unsigned long spin = 0;
      while (running.load(std::memory_order_relaxed)) spin = spin + 1;
    });
  }

  RecordingHost host;
  PracticeWindow w(host, [] { return 0.5; });
  w.load();
  Form1& f = w.form();
  QElapsedTimer wall;
  std::vector<std::pair<double, std::int64_t>> ticks;  // wall ms, due time (virtual ms)
  // A probe ticking with the price clock: it records when each tick really ran.
  Timer& probe = f.scheduler.add(
      99, [&] { ticks.emplace_back(wall.nsecsElapsed() / 1e6, f.scheduler.now()); });
  bench::startStandardLot(w, probe, [&] { wall.start(); });
  // Stops half a tick past the last whole tick, so the ideal count is not a race.
  QTimer::singleShot(seconds * 1000 + 25, Qt::PreciseTimer, &app, &QCoreApplication::quit);
  QApplication::exec();
  const double elapsed = wall.nsecsElapsed() / 1e6;
  running = false;
  if (busy.joinable()) busy.join();

  const double ideal = 3 * std::floor(elapsed / 50);
  double minOffset = 1e18;
  for (auto [at, due] : ticks) minOffset = std::min(minOffset, at - double(due));
  std::vector<double> lateness;
  for (auto [at, due] : ticks) lateness.push_back(at - double(due) - minOffset);
  std::sort(lateness.begin(), lateness.end());
  const double p99 = lateness.empty() ? 0 : lateness[lateness.size() * 99 / 100];
  const double mean =
      ticks.size() < 2 ? 0 : (ticks.back().first - ticks.front().first) / double(ticks.size() - 1);
  std::printf(
      "%s, %d s: climbed %.0f of ideal %.0f (%+.2f %%), %zu ticks, mean interval %.3f ms, "
      "lateness p50 %.2f ms, p99 %.2f ms, max %.2f ms\n",
      load ? "other core loaded" : "idle", seconds, f.kakaku - 200, ideal,
      100.0 * (f.kakaku - 200 - ideal) / ideal, ticks.size(), mean,
      lateness.empty() ? 0 : lateness[lateness.size() / 2], p99,
      lateness.empty() ? 0 : lateness.back());
  return 0;
}
