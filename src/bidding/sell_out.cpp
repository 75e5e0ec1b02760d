// SPDX-License-Identifier: MIT
// The sell-out: from it on the lot goes to whoever holds the right. And the bid-assist switch.
#include "practice/form1.h"

namespace kobaru {

void Form1::urikirisengen() {
  showSellOut(SellOut::Declared);
  urikirityuu = 1;
  syudouseri = 1;
  stopClock();
  lightSellOutSign();
  host_.playSound(sutatowav);
  recordLine(RecordKind::SellOut);
  if (traineeHoldsRight()) {
    kenrihyouji();
  } else {
    kenri.caption.clear();
  }
  tell(LotObserver::Moment::SellOut);
}

// "うりきり" lit on both boards, in place of the start sign below.
void Form1::lightSellOutSign() {
  Label13.backColor = kRed;
  Label13.foreColor = kWhite;
  sutato2.visible = false;
  urikiri2.visible = true;
}

void Form1::Command8_Click() {
  if (soldOut()) return;
  // Only a clock standing on a bid can be sold out.
  if (kakaku / 10 != ousatukakaku) {
    showSellOut(SellOut::Impossible);
    return;
  }
  urikirisengen();
  Timer11.setEnabled(false);
  // The automatic practice has no operator to press the decision: it counts down instead.
  if (fullAutomatic()) nokorikaisi();
}

// The sell-out two seconds after a re-auction stop.
void Form1::Timer15_Timer() {
  if (urikirikaisuu != 1) {
    ++urikirikaisuu;
    return;
  }
  Timer15.setEnabled(false);
  showSellOut(SellOut::Declared);
  urikirityuu = 1;
  syudouseri = 1;
  tell(LotObserver::Moment::SellOut);
  if (fullAutomatic()) nokorikaisi();  // otherwise nothing would ever decide the lot
}

void Form1::Command20_Click() {
  hojonasi = 1;
  nokori.visible = false;
  nokori2.visible = false;
  kenriiro = kBlack;
  kenri2.visible = false;
  Label10.foreColor = kBlack;
  Label21.backColor = kBlack;
  Label20.backColor = kRed;
}

void Form1::Command21_Click() {
  hojonasi = 0;
  nokori.visible = nokori2.visible = fullAutomatic();
  kenriiro = kRed;
  Label20.backColor = kBlack;
  Label21.backColor = kRed;
}

}  // namespace kobaru
