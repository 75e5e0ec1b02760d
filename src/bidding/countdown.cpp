// SPDX-License-Identifier: MIT
// The decision countdown: three seconds from the sell-out to the award, restarted by every raise.
#include "practice/form1.h"

namespace kobaru {

namespace {

constexpr int kSecond = 1000;

// The digit for the seconds counted: 3, 2, 1, then nothing.
const char* countdownDigit(int counted) {
  static constexpr const char* kDigits[] = {"3", "2", "1"};
  return counted >= 0 && counted < 3 ? kDigits[counted] : "";
}

}  // namespace

void Form1::nokorikaisi() {
  ketteikaisuu = 0;
  Timer6.setEnabled(true);
  Timer6.setInterval(kSecond);
  // Only switched on: a second start leaves the digit's 80 ms period running where it was.
  Timer7.setEnabled(true);
  nokori.visible = nokori2.visible = hojonasi == 0;
  nokori2.text = "3";
}

// The next countdown tick comes one full interval from now; the interval itself stays.
void Form1::restartCountdown() {
  ketteikaisuu = 0;
  Timer6.setEnabled(false);
  Timer6.setEnabled(true);
}

void Form1::Timer7_Timer() {
  nokori2.text = countdownDigit(ketteikaisuu);
}

void Form1::Timer6_Timer() {
  if (++ketteikaisuu != 3) {
    nokori2.text = countdownDigit(ketteikaisuu);
    return;
  }
  Timer6.setEnabled(false);
  Timer6.setInterval(0);
  Timer7.setEnabled(false);
  ketteikaisuu = 0;
  simekiri = 1;
  if (!lotEnded() && soldOut()) {
    rakusatusyori();
    nokori2.text = "決定";
    nokori.visible = false;
  }
}

}  // namespace kobaru
