// SPDX-License-Identifier: MIT
// The watch over a re-auction in full-automatic practice: a bid stops it and the seller answers;
// no bid within 45 of the restart price ends it in a cut-off or no sale.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

namespace {
constexpr double kNoBidSpan = 45;
}

void Form1::Timer11_Timer() {
  if (saiserikakaku < recordedPrice()) {
    Timer11.setEnabled(false);
    stopClock();
    showLamp(Lamp::Green);
    recordLine(RecordKind::ReauctionStopped);
    showSellOut(SellOut::Possible);
    Command9.backColor = kSilver;
    Command22.backColor = kLightRed;
    if (Int(draw() * 2 + 1) == 1) {  // the seller sells
      urikirikaisuu = 0;
      Timer15.setEnabled(true);
    } else {
      ryuusatukaisuu = 0;
      Timer16.setEnabled(true);
    }
  } else if (kakaku > saiserikakaku + kNoBidSpan) {
    Timer11.setEnabled(false);
    if (Int(draw() * 10 + 1) == 10) {  // one time in ten the seller cuts off
      mikiri(RecordKind::AutomaticCutOff);
      mikirikaisuu = 0;
      Timer21.setEnabled(true);
    } else {
      simekiri = 1;
      ryuusatu(true);
    }
  }
}

}  // namespace kobaru
