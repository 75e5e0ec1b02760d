// SPDX-License-Identifier: MIT
// Taking the price back and running the lot again as a re-auction, by the operator's hand or,
// in full-automatic practice, by the simulated floor.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {
constexpr Color kRestartAwaited = kRed;
constexpr int kRestartFlickerMs = 60;
// The random step-back takes a few steps in practice; the cap only keeps absurd prices (where
// 10 no longer changes the number) from looping for ever.
constexpr int kMostStepsBack = 100'000;
}  // namespace

// The board waits for the restart: sell-out impossible, restart button red, start sign dark.
void Form1::awaitRestart() {
  showSellOutButton(SellOut::Impossible);
  Command7.backColor = kRestartAwaited;
  darken(Label14);
  sutato2.visible = false;
  urikiri2.visible = false;
  showLamp(Lamp::Dark);
}

void Form1::backOff(double amount) {
  if (clockRuns() || soldOut()) return;
  sutatofuka = 0;
  awaitRestart();
  kakaku -= amount;
  hyouji();
  serityuu = 0;
}

void Form1::Command4_Click() {
  backOff(50);
}
void Form1::Command5_Click() {
  backOff(10);
}
void Form1::Command6_Click() {
  backOff(1);
}

void Form1::Command7_Click() {
  if (restart(RecordKind::OperatorRestart) && modo != 0) runReauctionWatch();
}

bool Form1::restart(RecordKind kind) {
  if (startLocked()) return false;
  sutatofuka = 1;
  simekiri = 0;
  syudouseri = 0;
  // Refused while the clock runs or the lot is sold out, but the lock stays set.
  if (clockRuns() || soldOut()) return false;
  Command7.backColor = kLightCyan;
  urikirityuu = 0;
  osityuu = 0;
  host_.playSound(sutatowav);
  lightStartSign();
  serityuu = 1;
  runClock(kRestartFlickerMs);
  saiserikakaku = kakaku;
  recordLine(kind);
  if (Timer18.enabled()) beginLotWatch();  // run by hand during the start countdown
  return true;
}

void Form1::runReauctionWatch() {
  Timer11.setEnabled(true);
  Timer11.setInterval(kankaku);
}

// The automatic step-back: the clock climbs one second more, then stops and steps back below the
// last bid by 50s and 10s at random.
void Form1::Timer13_Timer() {
  if (modosikaisuu != 1) {
    runClock(50);
    ++modosikaisuu;
    return;
  }
  stopClock();
  Timer13.setEnabled(false);
  sutatofuka = 0;
  simekiri = 1;  // no bids during the pause
  awaitRestart();
  const double lastBid = ousatukakaku * 10;
  int steps = 0;
  do {
    kakaku -= Int(draw() * 2 + 1) == 1 ? 50 : 10;
  } while (!(kakaku < lastBid) && ++steps < kMostStepsBack);
  saiserikakaku = kakaku;
  hyouji();
  saisutatokaisuu = 0;
  Timer14.setEnabled(true);
}

// The automatic restart, at the third tick after the step-back.
void Form1::Timer14_Timer() {
  if (saisutatokaisuu != 2) {
    ++saisutatokaisuu;
    return;
  }
  Timer14.setEnabled(false);
  // A click on a twin button or a key in an entry may have locked Start meanwhile; a lot the
  // operator has already set going again is not restarted twice.
  if (!clockRuns() && !soldOut()) sutatofuka = 0;
  if (restart(RecordKind::AutomaticRestart)) runReauctionWatch();
}

}  // namespace kobaru
