// SPDX-License-Identifier: MIT
// The simulated floor of other buyers in full-automatic practice: the automatic stop near the
// reserve, the reserve watch that sells the lot out, and the wait that gives up on it.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {
// The others stop following the clock this far past the reserve: no sale.
constexpr double kFarPastReserve = 80;
constexpr int kStopWaitSeconds = 6;
}  // namespace

// The price of the newest record line, which is what the floor reacts to.
double Form1::recordedPrice() const {
  return kakakuman * 10;
}

void Form1::Timer9_Timer() {
  if (recordedPrice() > urikiri - teisihaba) {
    Timer9.setEnabled(false);
    teisikaisuu = 0;
    Timer10.setEnabled(true);
    Timer8.setEnabled(true);
    stopClock();
    showLamp(Lamp::Green);
    recordLine(RecordKind::AutomaticStop);
  } else if (kakaku > urikiri + kFarPastReserve) {
    Timer9.setEnabled(false);
    simekiri = 1;
    if (!soldOut() && auctionInProgress()) ryuusatu(true);
    Timer17.setEnabled(false);
  }
}

void Form1::Timer8_Timer() {
  if (!(urikiri < recordedPrice())) return;
  if (soldOut()) {
    Timer8.setEnabled(false);
    Timer10.setEnabled(false);
    return;
  }
  if (kakaku / 10 == ousatukakaku) {
    Timer8.setEnabled(false);
    Timer10.setEnabled(false);
    urikirisengen();
    nokorikaisi();
    return;
  }
  // The clock has moved past the last bid: not yet. The watch and the wait go on, so the next bid
  // at the standing price sells the lot out, or the wait ends it.
  showSellOut(SellOut::Impossible);
}

void Form1::Timer10_Timer() {
  if (++teisikaisuu != kStopWaitSeconds) return;
  if (Int(draw() * 4 + 1) == 1) {  // one time in four the lot is auctioned again
    Timer10.setEnabled(false);
    Timer8.setEnabled(false);
    modosikaisuu = 0;
    Timer13.setEnabled(true);
    return;
  }
  Timer10.setEnabled(false);
  Timer8.setEnabled(false);
  Timer17.setEnabled(false);
  simekiri = 1;
  if (!soldOut() && auctionInProgress()) {
    ryuusatu(true);
    teisikaisuu = 0;
  }
}

// The lot has ended: the simulated floor and operator, the automatic re-auction and the
// cut-off's timeout leave it alone. Left running, they would bid on, sell out, restart or end
// the lot again once its end was cleared for the next one.
void Form1::leaveEndedLot() {
  for (Timer* t :
       {&Timer8, &Timer9, &Timer10, &Timer13, &Timer14, &Timer15, &Timer16, &Timer17, &Timer21})
    t->setEnabled(false);
}

}  // namespace kobaru
