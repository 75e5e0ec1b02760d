// SPDX-License-Identifier: MIT
// Lots of the full-automatic practice in a hall, in virtual time, with 1, 8 and 300 trainees who
// bid at random up to limits of their own, each trainee's page taking its changes after every
// event: lots per processor second, views included.
#include <cstdio>
#include <ctime>

#include "support/hall_practice.h"

using namespace kobaru;

int main() {
  struct Run {
    int trainees;
    long lots;
  };
  for (const Run run : {Run{1, 400}, Run{8, 200}, Run{300, 10}}) {
    HallPractice practice(11, run.trainees, run.trainees);
    const std::clock_t began = std::clock();
    long steps = 0;
    while (practice.lotsPlayed() < run.lots) {
      practice.step([](HallPractice&) {});
      ++steps;
    }
    const double seconds = double(std::clock() - began) / CLOCKS_PER_SEC;
    std::printf(
        "%3d trainees: %ld lots in %.2f s of processor time: %.1f lots/s, %.1f us an event "
        "(%ld events)\n",
        run.trainees, run.lots, seconds, run.lots / seconds, 1e6 * seconds / steps, steps);
  }
  return 0;
}
