// SPDX-License-Identifier: MIT
// Peak resident memory of the full-screen practice screen after ten automatic lots, played on
// the real widgets with the clock run faster than the wall clock. Goal: under 80 MB.
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <cstdio>

#include "practice/random.h"
#include "screen_bench.h"

using namespace kobaru;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  bench::FullScreenPractice screen(systemRnd());
  PracticeWindow& w = screen.window;
  Form1& f = w.form();
  const double first = f.syuppinbangou;
  while (f.syuppinbangou < first + 10) {
    w.deliver([&] {
      f.scheduler.advance(50);
      if (f.Command14.backColor == kRed) f.Command14_Click();
    });
    QCoreApplication::processEvents();
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident memory after 10 automatic lots, %d x %d: %.1f MB (goal < 80 MB)\n",
              w.width(), w.height(), usage.ru_maxrss / 1024.0);
  return 0;
}
