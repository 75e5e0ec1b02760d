// SPDX-License-Identifier: MIT
// CPU time of the program while the full-automatic practice plays for 60 s on the full-screen
// practice screen, the trainee confirming each won lot. Run it under an X server
// (bench/full_screen.sh runs it at 1920 x 1080). Goal: under 5 % of one core.
#include <sys/resource.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "practice/random.h"
#include "screen_bench.h"

using namespace kobaru;

namespace {

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](timeval t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  bench::FullScreenPractice screen(systemRnd());
  PracticeWindow& w = screen.window;
  Form1& f = w.form();
  // The trainee confirms a won lot half a second after the confirm button turns red.
  QTimer trainee;
  QObject::connect(&trainee, &QTimer::timeout, [&] {
    if (f.Command14.backColor == kRed) w.deliver([&] { f.Command14_Click(); });
  });
  trainee.start(500);

  const double firstLot = f.syuppinbangou;
  const double cpuBefore = cpuSeconds();
  QElapsedTimer wall;
  wall.start();
  QEventLoop minute;  // not the application's loop, whose end would close the window
  QTimer::singleShot(60000, Qt::PreciseTimer, &minute, &QEventLoop::quit);
  minute.exec();
  const double cpu = cpuSeconds() - cpuBefore;
  const double seconds = wall.nsecsElapsed() / 1e9;
  std::printf(
      "full-automatic practice, %d x %d, magnified %.3f times, %.0f s, %.0f lots: CPU %.2f s, "
      "%.2f %% of one core (goal < 5 %%)\n",
      w.width(), w.height(), w.view().factor, seconds, f.syuppinbangou - firstLot + 1, cpu,
      100 * cpu / seconds);
  return 0;
}
