// SPDX-License-Identifier: MIT
// No sale: the lot ends without a buyer.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

void Form1::ryuusatu(bool withFinalBidLine) {
  for (Timer* t : {&Timer1, &Timer2, &Timer11, &Timer12}) t->setEnabled(false);
  leaveEndedLot();
  sutatofuka = 1;
  recordLine(RecordKind::NoSale);
  saisyuuousatu = priceText(ousatukakaku);
  if (withFinalBidLine) recordFinalBid();
  darken(Label14);
  serityuu = 0;
  sutato2.visible = false;
  urikiri2.visible = false;
  darken(Label13);
  urikirityuu = 0;
  showLamp(Lamp::Dark);
  kesu();
  host_.playSound(nagarewav);
  kakaku = 0;
  Command8.caption = "スタート可能";
  Command8.backColor = kLightCyan;
  syuuryou = 1;
  lightTwin(Command10);  // the next lot is the way on
}

void Form1::Command22_Click() {
  simekiri = 1;
  if (!soldOut() && auctionInProgress()) ryuusatu(true);
}

// The seller lets a stopped re-auction go unsold, two seconds after the stop.
void Form1::Timer16_Timer() {
  if (ryuusatukaisuu != 1) {
    ++ryuusatukaisuu;
    return;
  }
  Timer16.setEnabled(false);
  simekiri = 1;
  Timer17.setEnabled(false);
  ryuusatu(false);
}

}  // namespace kobaru
